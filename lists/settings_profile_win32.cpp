// The settings' platform calls: profile functions, folders, the
// application-data folder and the executable's drive. The seam's paths are
// UTF-8; they meet the system only as UTF-16, through the wide calls, so the
// code page never stands between the program and its folder.
#include <windows.h>

#include "lists/settings_file.h"
#include "lists/settings_profile.h"

static_assert(PATH_UNITS_MAX == MAX_PATH, "the portable buffers are sized for the system's path limit");

const int APPDATA_FOLDER_ID = 26;   // CSIDL_APPDATA: the current user's roaming folder
const int PROFILE_NAME_SIZE = 64;   // a section name, key or value: short ASCII

// A UTF-8 text as UTF-16 into a fixed buffer; false when it does not fit (or
// is not UTF-8), which the callers report as a failed call, never cut.
static bool ToWide(const char* text, wchar_t* wide, int size)
{
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, -1, wide, size) != 0;
}

// A UTF-16 text as UTF-8 into buffer; false when it does not fit.
static bool FromWide(const wchar_t* wide, char* buffer, int size)
{
    return size > 0 && WideCharToMultiByte(CP_UTF8, 0, wide, -1, buffer, size, nullptr, nullptr) != 0;
}

// A section, key and file path as the wide profile functions take them.
struct WideProfileKey {
    wchar_t section[PROFILE_NAME_SIZE], key[PROFILE_NAME_SIZE], path[MAX_PATH];
};

// False when one of them does not fit, which the callers treat like a file
// that cannot be read or written.
static bool ToWideProfileKey(const char* section, const char* key, const char* path, WideProfileKey* wide)
{
    return ToWide(section, wide->section, PROFILE_NAME_SIZE) && ToWide(key, wide->key, PROFILE_NAME_SIZE) &&
           ToWide(path, wide->path, MAX_PATH);
}

int ProfileFileOpenable(const char* path)
{
    wchar_t widePath[MAX_PATH];
    if (!ToWide(path, widePath, MAX_PATH))
        return 0;
    HANDLE file = CreateFileW(widePath, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(file);
    return 1;
}

int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path)
{
    WideProfileKey wide;
    if (!ToWideProfileKey(section, key, path, &wide))
        return defaultValue;   // as for a file that cannot be read
    return static_cast<int>(GetPrivateProfileIntW(wide.section, wide.key, defaultValue, wide.path));
}

// GetPrivateProfileIntW gives its default for a missing key and for an empty
// value alike (quotes around nothing count as empty), so the key has a value
// exactly when the text read is not empty. Read into the 30 units that
// GetPrivateProfileIntW reads into: how a short buffer cuts a quoted value
// could otherwise make the two disagree.
int ProfileKeyHasValue(const char* section, const char* key, const char* path)
{
    WideProfileKey wide;
    if (!ToWideProfileKey(section, key, path, &wide))
        return 0;   // as for a file that cannot be read
    wchar_t value[30];
    return GetPrivateProfileStringW(wide.section, wide.key, L"", value, 30, wide.path) > 0 ? 1 : 0;
}

// value null removes the key. A new file comes out as plain 8-bit text (the
// profile functions write UTF-16 only into a file that already is), and the
// program writes nothing but ASCII into it.
static int WriteProfileEntry(const char* section, const char* key, const char* value, const char* path)
{
    WideProfileKey wide;
    wchar_t wideValue[PROFILE_NAME_SIZE];
    if (!ToWideProfileKey(section, key, path, &wide) || (value && !ToWide(value, wideValue, PROFILE_NAME_SIZE)))
        return 0;
    return WritePrivateProfileStringW(wide.section, wide.key, value ? wideValue : nullptr, wide.path) ? 1 : 0;
}

int ProfileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    return WriteProfileEntry(section, key, value, path);
}

int ProfileDeleteKey(const char* section, const char* key, const char* path)
{
    return WriteProfileEntry(section, key, nullptr, path);
}

int PlatformCreateFolder(const char* path)
{
    wchar_t widePath[MAX_PATH];
    if (!ToWide(path, widePath, MAX_PATH))
        return 0;
    if (CreateDirectoryW(widePath, nullptr))
        return 1;
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}

typedef HRESULT(WINAPI* FolderPathLookup)(HWND, int, HANDLE, DWORD, LPWSTR);

// SHGetFolderPathW from "shell32.dll", else from "shfolder.dll" (older
// systems); the library stays loaded only for the call.
int PlatformAppDataFolder(char* buffer, int size)
{
    HMODULE library = LoadLibraryA("shell32.dll");
    if (!library)
        return 0;
    FARPROC entry = GetProcAddress(library, "SHGetFolderPathW");
    if (!entry) {
        FreeLibrary(library);
        library = LoadLibraryA("shfolder.dll");
        if (!library)
            return 0;
        entry = GetProcAddress(library, "SHGetFolderPathW");
        if (!entry) {
            FreeLibrary(library);
            return 0;
        }
    }
    FolderPathLookup lookup = reinterpret_cast<FolderPathLookup>(reinterpret_cast<void*>(entry));
    wchar_t folder[MAX_PATH];
    const HRESULT result = lookup(nullptr, APPDATA_FOLDER_ID, nullptr, 0, folder);
    FreeLibrary(library);
    if (result != 0)
        return 0;
    folder[MAX_PATH - 1] = L'\0';
    return FromWide(folder, buffer, size) ? 1 : 0;
}

int PlatformExecutablePath(char* buffer, int size)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0)
        return 0;
    path[length < MAX_PATH ? length : MAX_PATH - 1] = L'\0';   // a cut path may come without its NUL
    if (!FromWide(path, buffer, size))
        return 0;
    return lstrlenA(buffer);
}

int PlatformIsRemovableDrive(const char* drive)
{
    wchar_t wideDrive[MAX_PATH];
    if (!ToWide(drive, wideDrive, MAX_PATH))
        return 0;
    return GetDriveTypeW(wideDrive) == DRIVE_REMOVABLE ? 1 : 0;
}
