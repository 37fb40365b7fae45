// The modal About box (dialog template IDD_ABOUT, resource 4): product line,
// icon, the maker's notice and two live contact links.
#pragma once
#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
