// The units file's platform calls: read it whole, and replace it whole by
// writing a new file beside it and moving that over it in one step, so a
// crash, a full disk or a pulled drive leaves the old file or the new one.
#include <windows.h>

#include "lists/units_file.h"

// path, and path with ".new" after it, as UTF-16; false when either does not fit.
static bool UnitsPaths(const char* path, wchar_t* wide, wchar_t* fresh)
{
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path, -1, wide, MAX_PATH);
    if (units == 0 || units + 4 > MAX_PATH) return false;
    lstrcpyW(fresh, wide);
    lstrcatW(fresh, L".new");
    return true;
}

int UnitsFileRead(const char* path, char* buffer, int size)
{
    wchar_t wide[MAX_PATH], fresh[MAX_PATH];
    if (!UnitsPaths(path, wide, fresh)) return -1;
    HANDLE file = CreateFileW(wide, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    int total = 0;
    DWORD read = 0;
    while (total < size && ReadFile(file, buffer + total, DWORD(size - total), &read, nullptr) && read > 0)
        total += int(read);
    CloseHandle(file);
    return total;
}

int UnitsFileReplace(const char* path, const char* text, int length)
{
    wchar_t wide[MAX_PATH], fresh[MAX_PATH];
    if (!UnitsPaths(path, wide, fresh)) return 0;
    HANDLE file = CreateFileW(fresh, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD written = 0;
    const bool whole = WriteFile(file, text, DWORD(length), &written, nullptr) && written == DWORD(length) &&
                       FlushFileBuffers(file);
    CloseHandle(file);
    if (whole && MoveFileExW(fresh, wide, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 1;
    DeleteFileW(fresh);
    return 0;
}
