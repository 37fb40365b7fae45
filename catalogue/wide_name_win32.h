// Catalogue names are Windows-1252 bytes whatever code page the system uses;
// the platform side (the lists' menus, the shell's controls) hands them to the
// wide ("W") calls as UTF-16, converted here into the caller's fixed buffer,
// right before the call.
#pragma once
#include <windows.h>

const UINT NAME_CODE_PAGE = 1252;   // the catalogue's names and the menu texts made of them

// Writes text (Windows-1252) as UTF-16 into wide, NUL-terminated. Every byte
// of the code page is one UTF-16 unit, so a text longer than size - 1 bytes
// is cut there, never written past the buffer. Returns the units written
// before the NUL (0 also when size is not positive).
int WidenName(const char* text, wchar_t* wide, int size);
