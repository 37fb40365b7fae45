// Windows-1252 text into UTF-16 for the wide calls.
#include "catalogue/wide_name_win32.h"

int WidenName(const char* text, wchar_t* wide, int size)
{
    if (size <= 0)
        return 0;
    int length = 0;   // bytes taken: all of them, or as many as leave room for the NUL
    while (length < size - 1 && text[length])
        length++;
    const int written = length ? MultiByteToWideChar(NAME_CODE_PAGE, 0, text, length, wide, size - 1) : 0;
    wide[written] = L'\0';
    return written;
}
