// The main window: its children, their font, creation and destruction.
#include "shell/shell.h"
#include "widgets/center_window.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "widgets/caption_link.h"
#include "res/maker.h"
#include "res/resource.h"

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
    int x, y, width, height;   // client pixels; a chooser's height is its dropped-down list
    DWORD style;
    DWORD extendedStyle;
    HWND* handle;              // where the shell keeps it
};

const DWORD VALUE_BOX_STYLE = WS_CHILD | WS_VISIBLE | ES_RIGHT;
const DWORD CHOOSER_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE;
const int VALUE_BOX_LIMIT = 20;   // characters the user can type into a value box

// The five controls of the conversion state, in creation order.
static const ChildControl Controls[] = {
    { "EDIT", "0", IDC_FROM_BOX, 10, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &FromBox },
    { "EDIT", "0", IDC_TO_BOX, 250, 150, 200, 20, VALUE_BOX_STYLE, WS_EX_CLIENTEDGE, &ToBox },
    { "COMBOBOX", "", IDC_CATEGORY_CHOOSER, 10, 30, 200, 200, CHOOSER_STYLE, 0, &CategoryChooser },
    { "COMBOBOX", "", IDC_FROM_UNIT_CHOOSER, 10, 90, 200, 200, CHOOSER_STYLE, 0, &FromUnitChooser },
    { "COMBOBOX", "", IDC_TO_UNIT_CHOOSER, 250, 90, 200, 200, CHOOSER_STYLE, 0, &ToUnitChooser },
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

// A chooser as a Unicode window: it is given the catalogue's names as UTF-16
// (ViewChooserAppend), so the system's code page never reads them. Everything
// else is the table's; a chooser has no text of its own.
static HWND CreateUnicodeChooser(HWND parent, const ChildControl& c)
{
    return CreateWindowExW(c.extendedStyle, L"COMBOBOX", L"", c.style, c.x, c.y, c.width, c.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), Instance, 0);
}

static HWND CreateChild(HWND parent, const ChildControl& c)
{
    if (lstrcmpA(c.className, "COMBOBOX") == 0)
        return *c.handle = CreateUnicodeChooser(parent, c);
    HWND child = CreateWindowExA(c.extendedStyle, c.className, c.text, c.style,
                                 c.x, c.y, c.width, c.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), Instance, 0);
    *c.handle = child;
    return child;
}

// The value boxes and choosers, then the conversion state takes them over.
static void CreateControls(HWND window)
{
    for (const ChildControl& c : Controls) {
        HWND child = CreateChild(window, c);
        if (c.handle == &FromBox || c.handle == &ToBox)
            SendMessageA(child, EM_LIMITTEXT, VALUE_BOX_LIMIT, 0);
        else
            SendMessageA(child, CB_RESETCONTENT, 0, 0);
    }
    OnChooserChanged(0);
}

static void CreateLabels(HWND window)
{
    for (const ChildControl& c : LabelControls) CreateChild(window, c);
}

// A copy of the stock GUI font for all ten children; it lives until the process ends.
static void ApplySharedFont()
{
    LOGFONTA f;
    if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof f, &f)) return;
    SharedFont = CreateFontA(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight,
                             f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet,
                             f.lfOutPrecision, f.lfClipPrecision, f.lfQuality,
                             f.lfPitchAndFamily, f.lfFaceName);
    for (const ChildControl& c : Controls)
        SendMessageA(*c.handle, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont), TRUE);
    for (HWND label : Labels)
        SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont), TRUE);
}

// The order matters: settings before the controls that show them, the
// favourites menu before the recent menu, which re-applies the newest entry.
static LRESULT OnCreate(HWND window)
{
    MainWindow = window;
    LoadSettings();
    AttachCaptionLink(window, MAKER_DOMAIN, MAKER_WEB_PAGE);
    CenterWindowOver(window, GetDesktopWindow());
    CreateControls(window);
    CreateLabels(window);
    ApplySharedFont();
    BuildFavoritesMenu(window);
    BuildRecentMenu(window);
    UpdateOptionChecks(window);
    return 0;
}

// Save if the user wants it, then end the message loop.
static void OnDestroy()
{
    if (SaveOnExit) SaveSettings();
    PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:  return OnCreate(window);                  // controls, lists, menus
    case WM_COMMAND: OnCommand(window, wParam, lParam); return 0;
    case WM_DESTROY: OnDestroy(); return 0;                     // save settings, quit
    default:         return DefWindowProcA(window, message, wParam, lParam);
    }
}
