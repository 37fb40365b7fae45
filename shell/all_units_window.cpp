// The All Units window. The rows are core/all_units.h's, in a virtual list
// view that asks for a row's texts only when it draws the row, so a keystroke
// in the main window costs the rows on screen; texts go to the list through
// the wide calls, so the Windows-1252 names read right in every code page.
#include "shell/all_units_window.h"
#include <string.h>
#include <commctrl.h>
#include "shell/shell.h"
#include "shell/find_dialog.h"
#include "shell/answer_commands.h"
#include "core/all_units.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "catalogue/wide_name_win32.h"
#include "widgets/dpi.h"
#include "res/resource.h"

// The layout of res/all_units.rc in dialog units, turned into pixels at
// every size with the window's own font, so that it holds at any DPI.
const int MARGIN_DLU = 7;             // around the filter and the list
const int FILTER_LEFT_DLU = 34;       // right of "Filter:"
const int FILTER_HEIGHT_DLU = 12;
const int LIST_TOP_DLU = 24;
const int MIN_WIDTH_DLU = 140, MIN_HEIGHT_DLU = 100;   // the smallest client area

static HWND AllUnitsWindow;      // the open window, 0 while closed

// Column widths in dialog units: the longest value text, then the rest.
// "-1.234567890123457E+300" fits the first at 15 decimals.
const int VALUE_COLUMN_DLU = 100;
const int NAME_COLUMN_DLU = 150;

static HWND RowList()
{
    return GetDlgItem(AllUnitsWindow, IDC_ALL_UNITS_LIST);
}

static RECT DialogUnitsRect(HWND dialog, int left, int top, int right, int bottom)
{
    RECT r = { left, top, right, bottom };
    MapDialogRect(dialog, &r);
    return r;
}

static void AddColumn(HWND list, int index, const wchar_t* title, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

// The filter takes the width, the list the rest of the client area.
static void LayOut(HWND dialog, int width, int height)
{
    const RECT f = DialogUnitsRect(dialog, FILTER_LEFT_DLU, MARGIN_DLU, MARGIN_DLU, FILTER_HEIGHT_DLU);
    const RECT l = DialogUnitsRect(dialog, MARGIN_DLU, LIST_TOP_DLU, MARGIN_DLU, MARGIN_DLU);
    SetWindowPos(GetDlgItem(dialog, IDC_ALL_UNITS_FILTER), 0, f.left, f.top, width - f.left - f.right, f.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(GetDlgItem(dialog, IDC_ALL_UNITS_LIST), 0, l.left, l.top, width - l.left - l.right,
                 height - l.top - l.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Keeps the place for the next opening and the settings file; a minimised
// window keeps the last place it had.
static void RememberPlace(HWND dialog)
{
    if (IsIconic(dialog)) return;
    RECT r;
    GetWindowRect(dialog, &r);
    const int dpi = WindowDpi(dialog);
    AllUnitsPlace.left = r.left;
    AllUnitsPlace.top = r.top;
    AllUnitsPlace.width = MulDiv(r.right - r.left, BASE_DPI, dpi);
    AllUnitsPlace.height = MulDiv(r.bottom - r.top, BASE_DPI, dpi);
}

// Where it was last, or just right of the owner; kept inside the work area
// of the monitor it is mostly on (the nearest one when it is on none).
static void PlaceWindow(HWND dialog, HWND owner)
{
    RECT r;
    GetWindowRect(dialog, &r);
    int left, top, width = r.right - r.left, height = r.bottom - r.top;
    const int dpi = WindowDpi(dialog);
    if (AllUnitsPlace.width > 0) {
        left = AllUnitsPlace.left;
        top = AllUnitsPlace.top;
        width = ScaleForDpi(AllUnitsPlace.width, dpi);
        height = ScaleForDpi(AllUnitsPlace.height, dpi);
    } else {
        RECT ownerRect;
        GetWindowRect(owner, &ownerRect);
        left = ownerRect.right;
        top = ownerRect.top;
    }
    const RECT wanted = { left, top, left + width, top + height };
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (width > work.right - work.left) width = work.right - work.left;
        if (height > work.bottom - work.top) height = work.bottom - work.top;
        if (left + width > work.right) left = work.right - width;
        if (top + height > work.bottom) top = work.bottom - height;
        if (left < work.left) left = work.left;
        if (top < work.top) top = work.top;
    }
    SetWindowPos(dialog, 0, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The rows again after the conversion changed; a new set of rows drops the
// selection, which named rows that are gone.
static void ShowRows(bool rowsChanged)
{
    HWND list = RowList();
    if (rowsChanged) {
        LVITEMW none = {};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
        SendMessageW(list, LVM_SETITEMCOUNT, WPARAM(AllUnits.count), 0);
    }
    InvalidateRect(list, 0, FALSE);
}

void ViewConversionChanged()
{
    if (!AllUnitsWindow) return;
    ShowRows(RefreshAllUnits());
}

static void ApplyFilter(HWND dialog)
{
    char filter[FIND_QUERY_MAX + 1];
    ReadQueryBox(dialog, IDC_ALL_UNITS_FILTER, filter);
    SetAllUnitsFilter(filter);
    ShowRows(true);
}

static INT_PTR OnAllUnitsInit(HWND dialog)
{
    AllUnitsWindow = dialog;
    HWND list = GetDlgItem(dialog, IDC_ALL_UNITS_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const RECT widths = DialogUnitsRect(dialog, VALUE_COLUMN_DLU, 0, NAME_COLUMN_DLU, 0);
    AddColumn(list, 0, L"Value", widths.left);
    AddColumn(list, 1, L"Unit", widths.right);
    SendDlgItemMessageW(dialog, IDC_ALL_UNITS_FILTER, EM_LIMITTEXT, FIND_QUERY_MAX, 0);
    AllUnits.category = -1;   // rows for the category current now
    SetAllUnitsFilter("");
    ShowRows(RefreshAllUnits());
    PlaceWindow(dialog, GetWindow(dialog, GW_OWNER));
    SetFocus(list);
    return FALSE;   // the focus is set
}

// The row's unit becomes the to-unit, as a pick in the to-unit chooser does.
static void ChooseRow(int row)
{
    const int unit = AllUnitsRowUnit(row);
    if (unit < 0 || AllUnits.category != Conversion.currentCategory) return;
    ShowFoundUnit(AllUnits.category, unit, BOX_TO);
    AddRecent(MainWindow);
}

static int SelectedRow()
{
    return int(SendMessageW(RowList(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

// bytes of text (all of it for -1) as UTF-16: an answer and a custom unit's
// name are UTF-8, a built-in name Windows-1252. Returns the characters
// written; wide always ends in a NUL.
static int WidenRowText(const char* text, int bytes, bool utf8, wchar_t* wide, int size)
{
    if (!utf8 && bytes < 0) return WidenName(text, wide, size);
    if (bytes < 0) bytes = int(strlen(text));
    int written = bytes > 0 ? MultiByteToWideChar(utf8 ? CP_UTF8 : NAME_CODE_PAGE, 0, text, bytes, wide, size - 1) : 0;
    if (written < 0) written = 0;
    wide[written] = L'\0';
    return written;
}

// The selected rows as lines "value unit" on the clipboard, in UTF-16.
static void CopySelectedRows(HWND dialog)
{
    HWND list = RowList();
    const int selected = int(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (selected <= 0) return;
    const SIZE_T units = SIZE_T(selected) * (ALL_UNITS_LINE_SIZE + 2) + 1;   // each line, CR LF, the NUL
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, units * sizeof(wchar_t));
    if (!memory) return;
    wchar_t* text = static_cast<wchar_t*>(GlobalLock(memory));
    int length = 0;
    for (int row = -1; (row = int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(row), LVNI_SELECTED))) >= 0;) {
        char line[ALL_UNITS_LINE_SIZE], value[ALL_UNITS_VALUE_SIZE];
        AllUnitsCopyLine(row, line);
        const int valueLength = AllUnitsValueText(row, value);
        const int split = valueLength > 0 ? valueLength + 1 : 0;   // the value and its blank, then the name
        const int unit = AllUnitsRowUnit(row);
        if (length > 0) {
            text[length++] = L'\r';
            text[length++] = L'\n';
        }
        length += WidenRowText(line, split, true, text + length, ALL_UNITS_LINE_SIZE);
        length += WidenRowText(line + split, -1, UnitNameIsUtf8(AllUnits.category, unit), text + length,
                               ALL_UNITS_LINE_SIZE);
    }
    text[length] = 0;
    GlobalUnlock(memory);
    PutOnClipboard(dialog, memory);
}

// A row's value or name, asked for as the list draws it.
static void GiveRowText(NMLVDISPINFOW* info)
{
    if (!(info->item.mask & LVIF_TEXT) || info->item.cchTextMax <= 0) return;
    char text[ALL_UNITS_NAME_SIZE];
    const int unit = AllUnitsRowUnit(info->item.iItem);
    if (info->item.iSubItem == 0) {
        AllUnitsValueText(info->item.iItem, text);
        WidenRowText(text, -1, true, info->item.pszText, info->item.cchTextMax);
    } else {
        AllUnitsNameText(info->item.iItem, text);
        WidenRowText(text, -1, unit >= 0 && UnitNameIsUtf8(AllUnits.category, unit), info->item.pszText,
                     info->item.cchTextMax);
    }
}

static bool IsControlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}

static void SelectAllRows()
{
    LVITEMW all = {};
    all.state = all.stateMask = LVIS_SELECTED;
    SendMessageW(RowList(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&all));
}

static INT_PTR OnAllUnitsNotify(HWND dialog, NMHDR* header)
{
    if (header->idFrom != IDC_ALL_UNITS_LIST) return FALSE;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        GiveRowText(reinterpret_cast<NMLVDISPINFOW*>(header));
        return TRUE;
    case NM_DBLCLK:   // on a row; below the rows it names none
        ChooseRow(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        return TRUE;
    case LVN_KEYDOWN: {
        const WORD key = reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey;
        if (key == 'C' && IsControlDown()) CopySelectedRows(dialog);
        if (key == 'A' && IsControlDown()) SelectAllRows();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

static INT_PTR OnAllUnitsCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_ALL_UNITS_FILTER:
        if (HIWORD(wParam) == EN_CHANGE) ApplyFilter(dialog);
        return TRUE;
    case IDOK:   // Enter, in the list or the filter
        ChooseRow(SelectedRow());
        return TRUE;
    case IDCANCEL:   // Escape or the close box
        DestroyWindow(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

static void OnAllUnitsMinMax(HWND dialog, MINMAXINFO* info)
{
    RECT outer, client;
    GetWindowRect(dialog, &outer);
    GetClientRect(dialog, &client);
    const RECT least = DialogUnitsRect(dialog, 0, 0, MIN_WIDTH_DLU, MIN_HEIGHT_DLU);
    info->ptMinTrackSize.x = least.right + (outer.right - outer.left) - client.right;
    info->ptMinTrackSize.y = least.bottom + (outer.bottom - outer.top) - client.bottom;
}

static INT_PTR CALLBACK AllUnitsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:    return OnAllUnitsInit(dialog);
    case WM_COMMAND:       return OnAllUnitsCommand(dialog, wParam);
    case WM_NOTIFY:        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
                           return OnAllUnitsNotify(dialog, reinterpret_cast<NMHDR*>(lParam));
    case WM_SIZE:          if (wParam != SIZE_MINIMIZED) LayOut(dialog, LOWORD(lParam), HIWORD(lParam));
                           RememberPlace(dialog); return TRUE;
    case WM_MOVE:          RememberPlace(dialog); return TRUE;
    case WM_GETMINMAXINFO: if (AllUnitsWindow) OnAllUnitsMinMax(dialog, reinterpret_cast<MINMAXINFO*>(lParam));
                           return TRUE;
    case WM_DESTROY:       AllUnitsWindow = 0; return TRUE;
    default:               return FALSE;
    }
}

void ShowAllUnitsWindow(HWND owner)
{
    if (!AllUnitsWindow) {
        INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
        InitCommonControlsEx(&controls);
        // The wide call makes the window and its list Unicode windows.
        if (!CreateDialogParamW(Instance, MAKEINTRESOURCEW(IDD_ALL_UNITS), owner, AllUnitsProc, 0)) return;
    }
    ShowWindow(AllUnitsWindow, SW_SHOW);
    SetActiveWindow(AllUnitsWindow);
}

bool TranslateAllUnitsMessage(MSG* message)
{
    // The loop reads messages with the 8-bit call: the 8-bit dialog manager
    // hands typed characters on to the Unicode controls converted.
    return AllUnitsWindow && IsDialogMessageA(AllUnitsWindow, message);
}
