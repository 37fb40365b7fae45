// Placeholder so the shell links before the widgets are built.
#include "widgets/about_dialog.h"
#include "widgets/caption_link.h"

void AttachCaptionLink(HWND, const char*, const char*) {}
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}
