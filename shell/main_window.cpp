// The main window: its children, their font, creation and destruction.
#include "shell/shell.h"
#include <commctrl.h>
#include "widgets/center_window.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "widgets/caption_link.h"
#include "widgets/dpi.h"
#include "res/maker.h"
#include "res/resource.h"
#include "shell/startup_marks.h"

HINSTANCE Instance;
HWND MainWindow;
HWND FromBox, ToBox;
HWND CategoryChooser;
HWND FromUnitChooser;
HWND ToUnitChooser;
HFONT SharedFont;

const char MAIN_WINDOW_CLASS[] = "metrova";
const char MAIN_MENU_NAME[] = "MainAppMenu";

struct ChildControl {
    const char* className;
    const char* text;
    int id;
    int x, y, width, height;   // client pixels at 96 DPI; a chooser's height is its dropped-down list
    DWORD style;
    DWORD extendedStyle;
    HWND* handle;              // where the shell keeps it
};

const DWORD VALUE_BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT;
const DWORD CHOOSER_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE;
const int VALUE_BOX_LIMIT = 20;   // characters the user can type into a value box

// The five controls of the conversion state, created in reading order, which
// is also the order Tab moves the focus in.
static const ChildControl Controls[] = {
    { "COMBOBOX", "", IDC_CATEGORY_CHOOSER, 10, 30, 200, 200, CHOOSER_STYLE, 0, &CategoryChooser },
    { "COMBOBOX", "", IDC_FROM_UNIT_CHOOSER, 10, 90, 200, 200, CHOOSER_STYLE, 0, &FromUnitChooser },
    { "COMBOBOX", "", IDC_TO_UNIT_CHOOSER, 250, 90, 200, 200, CHOOSER_STYLE, 0, &ToUnitChooser },
    { "EDIT", "0", IDC_FROM_BOX, 10, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &FromBox },
    { "EDIT", "0", IDC_TO_BOX, 250, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &ToBox },
};

// The labels: "From:"/"To:" stand above the unit choosers, "From Unit:"/"To
// Unit:" above the value boxes.
static HWND Labels[5];
static const ChildControl LabelControls[] = {
    { "STATIC", "Category:", IDC_CATEGORY_LABEL, 10, 10, 200, 20, LABEL_STYLE, 0, &Labels[0] },
    { "STATIC", "From:", IDC_FROM_LABEL, 10, 70, 200, 20, LABEL_STYLE, 0, &Labels[1] },
    { "STATIC", "To:", IDC_TO_LABEL, 250, 70, 200, 20, LABEL_STYLE, 0, &Labels[2] },
    { "STATIC", "From Unit:", IDC_FROM_UNIT_LABEL, 10, 130, 200, 20, LABEL_STYLE, 0, &Labels[3] },
    { "STATIC", "To Unit:", IDC_TO_UNIT_LABEL, 250, 130, 200, 20, LABEL_STYLE, 0, &Labels[4] },
};

static HWND LastFocusedControl;   // the child that had the focus last: given it back on activation

// A chooser is a Unicode window: it is given the catalogue's names as UTF-16
// (ViewChooserAppend), so the system's code page never reads them. A chooser
// has no text of its own.
static HWND CreateChild(HWND parent, const ChildControl& c, int dpi)
{
    const int x = ScaleForDpi(c.x, dpi), y = ScaleForDpi(c.y, dpi);
    const int width = ScaleForDpi(c.width, dpi), height = ScaleForDpi(c.height, dpi);
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
    HWND child = lstrcmpA(c.className, "COMBOBOX") == 0
                     ? CreateWindowExW(c.extendedStyle, L"COMBOBOX", L"", c.style, x, y, width, height, parent, id,
                                       Instance, 0)
                     : CreateWindowExA(c.extendedStyle, c.className, c.text, c.style, x, y, width, height, parent,
                                       id, Instance, 0);
    *c.handle = child;
    return child;
}

// Common controls 6 drop a chooser's list by a count of rows (30 unless told),
// not by the height it was created with: the count is set so that the list is
// as tall as the layout says. The row height follows the font, so this comes
// after the font is set. Earlier versions ignore the message.
static void FitChooserList(HWND chooser, int listHeight)
{
    int rowHeight = static_cast<int>(SendMessageA(chooser, CB_GETITEMHEIGHT, 0, 0));
    if (rowHeight <= 0) return;
    int rows = listHeight / rowHeight;
    SendMessageA(chooser, CB_SETMINVISIBLE, rows > 0 ? rows : 1, 0);
}

static void FitChooserLists(int dpi)
{
    for (const ChildControl& c : Controls)
        if (c.handle != &FromBox && c.handle != &ToBox) FitChooserList(*c.handle, ScaleForDpi(c.height, dpi));
}

// The value boxes and choosers, then the conversion state takes them over.
static void CreateControls(HWND window, int dpi)
{
    for (const ChildControl& c : Controls) {
        HWND child = CreateChild(window, c, dpi);
        if (c.handle == &FromBox || c.handle == &ToBox)
            SendMessageA(child, EM_LIMITTEXT, VALUE_BOX_LIMIT, 0);
        else
            SendMessageA(child, CB_RESETCONTENT, 0, 0);
    }
    StartupMark("controls");
    OnChooserChanged(0);
}

static void CreateLabels(HWND window, int dpi)
{
    for (const ChildControl& c : LabelControls) CreateChild(window, c, dpi);
}

static void PlaceChild(const ChildControl& c, int dpi)
{
    SetWindowPos(*c.handle, 0, ScaleForDpi(c.x, dpi), ScaleForDpi(c.y, dpi), ScaleForDpi(c.width, dpi),
                 ScaleForDpi(c.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every child where the 96-DPI layout puts it, scaled to dpi.
static void PlaceChildren(int dpi)
{
    for (const ChildControl& c : Controls) PlaceChild(c, dpi);
    for (const ChildControl& c : LabelControls) PlaceChild(c, dpi);
}

// The stock GUI font at dpi for all ten children; the one it replaces (after a
// DPI change) is deleted once no child uses it.
static void ApplySharedFont(int dpi)
{
    HFONT font = CreateGuiFontForDpi(dpi);
    if (!font) return;
    for (const ChildControl& c : Controls)
        SendMessageA(*c.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    for (HWND label : Labels)
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (SharedFont) DeleteObject(SharedFont);
    SharedFont = font;
}

// The outer size whose client area is the 96-DPI client area scaled to dpi.
// That client area is what the 470 x 250 window leaves inside its frame at 96
// DPI, so at 96 DPI the window is 470 x 250 exactly.
static SIZE MainWindowSizeForDpi(int dpi)
{
    RECT frame96 = { 0, 0, 0, 0 };
    AdjustWindowRectForDpi(&frame96, MAIN_WINDOW_STYLE, TRUE, MAIN_WINDOW_EX_STYLE, BASE_DPI);
    int clientWidth96 = MAIN_WINDOW_WIDTH - (frame96.right - frame96.left);
    int clientHeight96 = MAIN_WINDOW_HEIGHT - (frame96.bottom - frame96.top);
    RECT outer = { 0, 0, ScaleForDpi(clientWidth96, dpi), ScaleForDpi(clientHeight96, dpi) };
    AdjustWindowRectForDpi(&outer, MAIN_WINDOW_STYLE, TRUE, MAIN_WINDOW_EX_STYLE, dpi);
    SIZE size = { outer.right - outer.left, outer.bottom - outer.top };
    return size;
}

static void SizeMainWindow(HWND window, int dpi)
{
    SIZE size = MainWindowSizeForDpi(dpi);
    RECT now;   // at 96 DPI the window was created at this size already
    if (GetWindowRect(window, &now) && now.right - now.left == size.cx && now.bottom - now.top == size.cy) return;
    SetWindowPos(window, 0, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The order matters: settings before the controls that show them, the
// favourites menu before the recent menu, which re-applies the newest entry.
static LRESULT OnCreate(HWND window)
{
    StartupMark("window");
    MainWindow = window;
    const int dpi = WindowDpi(window);
    LoadSettings();
    StartupMark("settings");
    AttachCaptionLink(window, MAKER_DOMAIN, MAKER_WEB_PAGE);
    StartupMark("caption-link");
    SizeMainWindow(window, dpi);
    CenterWindowOver(window, GetDesktopWindow());
    StartupMark("size-centre");
    CreateControls(window, dpi);
    StartupMark("choosers");
    CreateLabels(window, dpi);
    StartupMark("labels");
    ApplySharedFont(dpi);
    StartupMark("font");
    FitChooserLists(dpi);
    StartupMark("list-heights");
    BuildFavoritesMenu(window);
    StartupMark("favourites-menu");
    BuildRecentMenu(window);
    StartupMark("recent-menu");
    UpdateOptionChecks(window);
    StartupMark("checks");
    return 0;
}

// The window moved to a monitor of another DPI: take the size the system
// suggests, then the font and the layout for the new DPI.
static void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    const int dpi = LOWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, 0, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplySharedFont(dpi);
    PlaceChildren(dpi);
    FitChooserLists(dpi);
}

void RememberFocusedControl(HWND control)
{
    LastFocusedControl = control;
}

// Gives the focus back to the control that had it last, as a dialog does;
// true when it did.
static bool RestoreFocusedControl(HWND window)
{
    if (!LastFocusedControl || !IsChild(window, LastFocusedControl)) return false;
    SetFocus(LastFocusedControl);
    return true;
}

// Keeps the focused child over a switch to another program and back; true
// when the focus was given back here.
static bool OnActivate(HWND window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) LastFocusedControl = focus;
        return false;
    }
    if (HIWORD(wParam)) return false;   // minimised
    return RestoreFocusedControl(window);
}

// The menu is opening (by the mouse or its Alt key): that ends a browse with
// the keys, so the unit stopped on is recorded now and the "Go" menu about to
// show already lists it. Settling later, when a command such as Swap moves
// the focus, would record the conversion the command made instead, and an
// item chosen from a full ring could name a slot just given to the new entry.
static void OnMenuOpening(HWND window)
{
    SettleChooserBrowsing(window);
}

// Settle any unit the keyboard was browsing, save if the user wants it, then
// end the message loop.
static void OnDestroy(HWND window)
{
    SettleChooserBrowsing(window);
    if (SaveOnExit) SaveSettings();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:     return OnCreate(window);                  // controls, lists, menus
    case WM_COMMAND:    OnCommand(window, wParam, lParam); return 0;
    case WM_ACTIVATE:   if (OnActivate(window, wParam)) return 0; break;
    case WM_SETFOCUS:   if (RestoreFocusedControl(window)) return 0; break;   // after activation or a menu
    case WM_DPICHANGED: OnDpiChanged(window, wParam, lParam); return 0;
    case WM_INITMENU:   OnMenuOpening(window); return 0;
    case WM_DESTROY:    OnDestroy(window); return 0;              // save settings, quit
    default:            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
