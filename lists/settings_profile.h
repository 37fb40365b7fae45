// The platform side of the settings: the profile (initialisation file)
// functions, folders, and the facts that decide where the settings live.
// settings_profile_win32.cpp implements them with the system's calls; the
// tests with an in-memory file system.
#pragma once

// 1 when the file exists and can be opened (no access rights, read sharing).
int ProfileFileOpenable(const char* path);
// The key's value as an integer, or defaultValue when the key is absent.
int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path);
// Sets the key, creating the file and the section when needed (not folders);
// 0 on failure.
int ProfileWriteString(const char* section, const char* key, const char* value, const char* path);
// Removes the key if it is there; never creates the file or the section.
int ProfileDeleteKey(const char* section, const char* key, const char* path);
// Creates one folder; 1 when it was created or already existed.
int PlatformCreateFolder(const char* path);
// The current user's application-data folder into buffer; 1 when found.
int PlatformAppDataFolder(char* buffer, int size);
// The executable's full path into buffer; the characters written, 0 on failure.
int PlatformExecutablePath(char* buffer, int size);
// 1 when `drive` ("X:") names a removable drive.
int PlatformIsRemovableDrive(const char* drive);
