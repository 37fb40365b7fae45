// The settings' platform calls: profile functions, folders, the
// application-data folder and the executable's drive.
#include <windows.h>

#include "lists/settings_profile.h"

const int APPDATA_FOLDER_ID = 26;   // CSIDL_APPDATA: the current user's roaming folder

int ProfileFileOpenable(const char* path)
{
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    CloseHandle(file);
    return 1;
}

int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path)
{
    return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, path));
}

int ProfileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    return WritePrivateProfileStringA(section, key, value, path) ? 1 : 0;
}

int ProfileDeleteKey(const char* section, const char* key, const char* path)
{
    return WritePrivateProfileStringA(section, key, nullptr, path) ? 1 : 0;   // no value: remove
}

int PlatformCreateFolder(const char* path)
{
    if (CreateDirectoryA(path, nullptr))
        return 1;
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}

typedef HRESULT(WINAPI* FolderPathLookup)(HWND, int, HANDLE, DWORD, LPSTR);

// SHGetFolderPathA from "shell32.dll", else from "shfolder.dll" (older
// systems); the library stays loaded only for the call.
int PlatformAppDataFolder(char* buffer, int size)
{
    HMODULE library = LoadLibraryA("shell32.dll");
    if (!library)
        return 0;
    FARPROC entry = GetProcAddress(library, "SHGetFolderPathA");
    if (!entry) {
        FreeLibrary(library);
        library = LoadLibraryA("shfolder.dll");
        if (!library)
            return 0;
        entry = GetProcAddress(library, "SHGetFolderPathA");
        if (!entry) {
            FreeLibrary(library);
            return 0;
        }
    }
    FolderPathLookup lookup = reinterpret_cast<FolderPathLookup>(reinterpret_cast<void*>(entry));
    char folder[MAX_PATH];
    const HRESULT result = lookup(nullptr, APPDATA_FOLDER_ID, nullptr, 0, folder);
    FreeLibrary(library);
    if (result != 0)
        return 0;
    folder[MAX_PATH - 1] = '\0';
    const int length = lstrlenA(folder);
    if (length >= size)
        return 0;
    lstrcpynA(buffer, folder, size);
    return 1;
}

int PlatformExecutablePath(char* buffer, int size)
{
    return static_cast<int>(GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size)));
}

int PlatformIsRemovableDrive(const char* drive)
{
    return GetDriveTypeA(drive) == DRIVE_REMOVABLE ? 1 : 0;
}
