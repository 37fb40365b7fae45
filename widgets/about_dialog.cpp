// About box: centred over its owner, with the web page and the support address
// turned into link labels that Tab reaches.
#include "widgets/about_dialog.h"
#include "widgets/link_label.h"
#include "res/maker.h"
#include "res/resource.h"
#include "widgets/center_window.h"
#include "widgets/colour_icon.h"
#include "widgets/high_contrast.h"

static const COLORREF ABOUT_LINK_VISITED = RGB(255, 0, 0);   // 0x000000FF

static const int FOCUS_RING = 1;   // pixels a focusable link keeps round its text for the focus rectangle

// The links are tab stops after OK, opened with Space or Enter. The control
// moves out by the focus ring it gains, so the text stays where the template
// puts it.
static void AttachAboutLink(HWND dialog, int id, const char* target)
{
    HWND control = GetDlgItem(dialog, id);
    AttachLinkLabel(control, target, LINK_NORMAL_COLOUR, ABOUT_LINK_VISITED, LINK_AUTOSIZE | LINK_TABSTOP);
    FitLinkLabel(control, TRUE);
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(0, dialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(control, 0, place.left - FOCUS_RING, place.top - FOCUS_RING, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icon control names the program's icon in the template, yet under
// common controls 6 on Wine it stays empty: that control refuses two-colour
// icons. It is given a colour copy here, at the largest of the icon's own
// sizes (multiples of 16) the control holds, so the picture is not stretched;
// the control then shrinks to the icon from its top left corner, as it does
// when it loads the icon itself. The box owns the copy (kept in its DWLP_USER
// slot); an icon the control loads itself is shared and not ours to destroy.
static void ShowAboutIcon(HWND dialog)
{
    HWND control = GetDlgItem(dialog, IDC_ABOUT_ICON);
    RECT r;
    GetClientRect(control, &r);
    int side = (r.right < r.bottom ? r.right : r.bottom) / 16 * 16;
    if (side == 0) return;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, side, side, 0));
    if (!icon) return;
    HICON copy = ColourCopyOfIcon(icon);
    DestroyIcon(icon);
    if (!copy) return;
    SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(copy), 0);
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(copy));
}

static void OnAboutDestroy(HWND dialog)
{
    HICON icon = reinterpret_cast<HICON>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (icon) DestroyIcon(icon);
}

static INT_PTR OnAboutInit(HWND dialog)
{
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
    ShowAboutIcon(dialog);
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
    case WM_DESTROY:    OnAboutDestroy(dialog); return FALSE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: RepaintForNewColours(dialog); return FALSE;   // the links follow the theme
    }
    return FALSE;
}
