// The platform side of the settings: the profile (initialisation file)
// functions, folders, and the facts that decide where the settings live.
// settings_profile_win32.cpp implements them with the system's calls; the
// tests with an in-memory file system.
//
// Every path here is UTF-8, so a folder whose name the system's code page
// cannot spell still works; the Windows side converts to and from UTF-16 and
// calls the wide functions. Section names, keys and values are plain ASCII.
// A path longer than the system takes (MAX_PATH UTF-16 units, NUL included)
// fails like a file or folder that cannot be opened or made.
#pragma once

// 1 when the file exists and can be opened (no access rights, read sharing).
int ProfileFileOpenable(const char* path);
// The key's value as an integer, or defaultValue when the key is absent.
int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path);
// 1 when the key is there with a value that is not empty: exactly when
// ProfileReadInt reads the key instead of giving its default.
int ProfileKeyHasValue(const char* section, const char* key, const char* path);
// Sets the key, creating the file and the section when needed (not folders);
// 0 on failure.
int ProfileWriteString(const char* section, const char* key, const char* value, const char* path);
// Removes the key if it is there; never creates the file or the section.
int ProfileDeleteKey(const char* section, const char* key, const char* path);
// Creates one folder; 1 when it was created or already existed.
int PlatformCreateFolder(const char* path);
// The current user's application-data folder into buffer; 1 when found.
int PlatformAppDataFolder(char* buffer, int size);
// The executable's full path into buffer, cut where the system cuts it
// (MAX_PATH - 1 UTF-16 units); the bytes written, 0 on failure or when even
// that does not fit size.
int PlatformExecutablePath(char* buffer, int size);
// 1 when `drive` ("X:") names a removable drive.
int PlatformIsRemovableDrive(const char* drive);
