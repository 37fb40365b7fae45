// The main window: its children, their font, creation and destruction.
#include "shell/shell.h"
#include <commctrl.h>
#include "widgets/center_window.h"
#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "lists/units_file.h"
#include "shell/answer_commands.h"
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

const DWORD VALUE_BOX_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;   // scrolls: 64 characters outgrow the box
const DWORD CHOOSER_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE;
const int VALUE_BOX_LIMIT = 64;   // characters the user can type into a value box: room for an expression

// The main window's children in creation order, each label just before the
// control it names: the accessibility layer names an edit box or a drop-down
// list after the static text created before it. The five controls keep their
// reading order, which is also the order Tab moves the focus in. "From:" and
// "To:" stand above the unit choosers, "From Unit:" and "To Unit:" above the
// value boxes.
static HWND Labels[5];
static const ChildControl Children[] = {
    { "STATIC", "Category:", IDC_CATEGORY_LABEL, 10, 10, 200, 20, LABEL_STYLE, 0, &Labels[0] },
    { "COMBOBOX", "", IDC_CATEGORY_CHOOSER, 10, 30, 200, 200, CHOOSER_STYLE, 0, &CategoryChooser },
    { "STATIC", "From:", IDC_FROM_LABEL, 10, 70, 200, 20, LABEL_STYLE, 0, &Labels[1] },
    { "COMBOBOX", "", IDC_FROM_UNIT_CHOOSER, 10, 90, 200, 200, CHOOSER_STYLE, 0, &FromUnitChooser },
    { "STATIC", "To:", IDC_TO_LABEL, 250, 70, 200, 20, LABEL_STYLE, 0, &Labels[2] },
    { "COMBOBOX", "", IDC_TO_UNIT_CHOOSER, 250, 90, 200, 200, CHOOSER_STYLE, 0, &ToUnitChooser },
    { "STATIC", "From Unit:", IDC_FROM_UNIT_LABEL, 10, 130, 200, 20, LABEL_STYLE, 0, &Labels[3] },
    { "EDIT", "0", IDC_FROM_BOX, 10, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &FromBox },
    { "STATIC", "To Unit:", IDC_TO_UNIT_LABEL, 250, 130, 200, 20, LABEL_STYLE, 0, &Labels[4] },
    { "EDIT", "0", IDC_TO_BOX, 250, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &ToBox },
};

static HWND LastFocusedControl;   // the child that had the focus last: given it back on activation

static bool IsChooser(const ChildControl& c)
{
    return lstrcmpA(c.className, "COMBOBOX") == 0;
}

// A chooser is a Unicode window: it is given the catalogue's names as UTF-16
// (ViewChooserAppend), so the system's code page never reads them. A chooser
// has no text of its own. The value boxes are Unicode windows too, so text
// pasted from any program arrives whole (the view seam carries UTF-8). The
// child is made at its place for dpi.
static HWND CreateChild(HWND parent, const ChildControl& c, int dpi)
{
    HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id));
    const bool box = lstrcmpA(c.className, "EDIT") == 0;
    const int x = ScaleForDpi(c.x, dpi), y = ScaleForDpi(c.y, dpi);
    const int width = ScaleForDpi(c.width, dpi), height = ScaleForDpi(c.height, dpi);
    HWND child = IsChooser(c) || box
                     ? CreateWindowExW(c.extendedStyle, box ? L"EDIT" : L"COMBOBOX", box ? L"0" : L"", c.style, x, y,
                                       width, height, parent, id, Instance, 0)
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
    for (const ChildControl& c : Children)
        if (IsChooser(c)) FitChooserList(*c.handle, ScaleForDpi(c.height, dpi));
}

// Labels, value boxes and choosers, empty.
static void CreateChildren(HWND window, int dpi)
{
    for (const ChildControl& c : Children) {
        HWND child = CreateChild(window, c, dpi);
        if (c.handle == &FromBox || c.handle == &ToBox)
            SendMessageW(child, EM_LIMITTEXT, VALUE_BOX_LIMIT, 0);
        else if (IsChooser(c))
            SendMessageA(child, CB_RESETCONTENT, 0, 0);
    }
}

static void PlaceChild(const ChildControl& c, int dpi)
{
    SetWindowPos(*c.handle, 0, ScaleForDpi(c.x, dpi), ScaleForDpi(c.y, dpi), ScaleForDpi(c.width, dpi),
                 ScaleForDpi(c.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

// The stock GUI font at dpi for all ten children; the one it replaces (after a
// DPI change) is deleted once no child uses it.
static void ApplySharedFont(int dpi)
{
    HFONT font = CreateGuiFontForDpi(dpi);
    if (!font) return;
    for (const ChildControl& c : Children)
        SendMessageA(*c.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SetFormulaLineFont(font);
    if (SharedFont) DeleteObject(SharedFont);
    SharedFont = font;
}

// The children laid out again for a new dpi: the font for it, each child
// where the 96-DPI layout puts it scaled, the lists' heights for the font.
static void LayOutChildren(int dpi)
{
    ApplySharedFont(dpi);
    for (const ChildControl& c : Children) PlaceChild(c, dpi);
    PlaceFormulaLine(dpi);
    FitChooserLists(dpi);
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

// The user changed the regional settings: read the number symbols again,
// read the typed box with them and show the answer with them.
static void OnSettingChange()
{
    HandDownNumberSymbols();
    TakeDecimalSymbol();
    Recompute(Conversion.ActiveSide);
}

// The order matters: the catalogue before the settings, whose list entries
// are kept only when the units they name exist; settings before the controls
// that show them; the favourites menu before the recent menu, which
// re-applies the newest entry.
static LRESULT OnCreate(HWND window)
{
    StartupMark("window");
    MainWindow = window;
    const int dpi = WindowDpi(window);
    LoadCatalogue();
    LoadUnitsFile();
    LoadSettings();
    HandDownNumberSymbols();
    ApplyAnswerOptions(window);
    StartupMark("settings");
    AttachCaptionLink(window, MAKER_DOMAIN, MAKER_WEB_PAGE);
    StartupMark("caption-link");
    SizeMainWindow(window, dpi);
    CenterWindowOver(window, GetDesktopWindow());
    StartupMark("size-centre");
    CreateChildren(window, dpi);
    StartupMark("controls");
    ApplySharedFont(dpi);
    FitChooserLists(dpi);   // the lists' rows follow the font
    StartupMark("font");
    OnChooserChanged(0);   // the conversion state takes the controls over
    StartupMark("choosers");
    BuildFavoritesMenu(window);
    StartupMark("favourites-menu");
    BuildRecentMenu(window);
    StartupMark("recent-menu");
    UpdateOptionChecks(window);
    StartupMark("checks");
    return 0;
}

// The window moved to a monitor of another DPI: take the size the system
// suggests, then lay the children out for the new DPI.
static void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam)
{
    const int dpi = LOWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, 0, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutChildren(dpi);
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
    case WM_SETTINGCHANGE: OnSettingChange(); break;                  // the locale's number symbols
    case WM_DESTROY:    OnDestroy(window); return 0;              // save settings, quit
    default:            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
