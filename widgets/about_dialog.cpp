// About box: centred over its owner, with the web page and the support address
// turned into link labels.
#include "widgets/about_dialog.h"
#include "widgets/link_label.h"
#include "res/maker.h"
#include "res/resource.h"
#include "widgets/center_window.h"

static const COLORREF ABOUT_LINK_VISITED = RGB(255, 0, 0);   // 0x000000FF

static void AttachAboutLink(HWND dialog, int id, const char* target)
{
    HWND control = GetDlgItem(dialog, id);
    AttachLinkLabel(control, target, LINK_NORMAL_COLOUR, ABOUT_LINK_VISITED, LINK_AUTOSIZE);
    FitLinkLabel(control, TRUE);
}

static INT_PTR OnAboutInit(HWND dialog)
{
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
    AttachAboutLink(dialog, IDC_WEBLINK, MAKER_WEB_PAGE);
    AttachAboutLink(dialog, IDC_MAILLINK, MAKER_SUPPORT_MAILTO);
    return TRUE;   // the dialog manager focuses the OK button
}

// Only OK and Cancel end the box; the links' own notifications are ignored.
static INT_PTR OnAboutCommand(HWND dialog, WPARAM wParam)
{
    if (wParam != IDOK && wParam != IDCANCEL)
        return FALSE;
    EndDialog(dialog, 1);
    return TRUE;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: return OnAboutInit(dialog);
    case WM_COMMAND:    return OnAboutCommand(dialog, wParam);
    }
    return FALSE;
}
