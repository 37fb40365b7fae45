// The Find Unit box. The rows are the matcher's (core/unit_search.h), shown
// through the wide calls so that the Windows-1252 names read right in every
// code page; the query edit box hands Up, Down, Page Up and Page Down to the
// list, so the user never has to leave it.
#include "shell/find_dialog.h"
#include "shell/shell.h"
#include "catalogue/units.h"
#include "core/conversion_view.h"
#include "core/unit_search.h"
#include "catalogue/wide_name_win32.h"
#include "widgets/center_window.h"
#include "res/resource.h"

#include <vector>

struct FindDialogState {
    std::vector<UnitMatch> rows;            // what the list shows, in its order; room for every unit
    int rowCount;
    WNDPROC queryProc;                      // the query box's own procedure
    FoundUnitChoice* choice;                // where the user's choice goes
    bool listing;                           // the query's changes list rows (not while it is first set)
};

static FindDialogState FindDialog;                    // one box at a time
static wchar_t LastQuery[FIND_QUERY_MAX + 1];         // shown again, selected, when the box reopens

// "N of 1788 units" under the list.
static void ShowRowCount(HWND dialog)
{
    char text[48];
    wsprintfA(text, "%d of %d units", FindDialog.rowCount, TotalUnitCount());
    SetDlgItemTextA(dialog, IDC_FIND_COUNT, text);
}

void ReadQueryBox(HWND dialog, int box, char* query)
{
    wchar_t wide[FIND_QUERY_MAX + 1];
    GetDlgItemTextW(dialog, box, wide, FIND_QUERY_MAX + 1);
    if (WideCharToMultiByte(NAME_CODE_PAGE, 0, wide, -1, query, FIND_QUERY_MAX + 1, 0, 0) <= 0) query[0] = 0;
    query[FIND_QUERY_MAX] = 0;
}

// Runs the query in the box and lists what it finds, the best row selected.
static void ShowMatches(HWND dialog)
{
    char query[FIND_QUERY_MAX + 1];
    ReadQueryBox(dialog, IDC_FIND_QUERY, query);
    FindDialog.rows.resize(size_t(TotalUnitCount()));
    FindDialog.rowCount = FindUnits(query, FindDialog.rows.data(), int(FindDialog.rows.size()));

    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    SendMessageW(list, LB_INITSTORAGE, WPARAM(FindDialog.rowCount), LPARAM(FindDialog.rowCount) * 96);
    HDC dc = GetDC(list);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (int i = 0; i < FindDialog.rowCount; ++i) {
        char row[FOUND_ROW_TEXT_MAX];
        wchar_t wideRow[FOUND_ROW_TEXT_MAX];
        FormatFoundRow(FindDialog.rows[i].category, FindDialog.rows[i].unit, row, sizeof row);
        WidenName(row, wideRow, FOUND_ROW_TEXT_MAX);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideRow));
        SIZE extent;
        if (GetTextExtentPoint32W(dc, wideRow, lstrlenW(wideRow), &extent) && extent.cx > widest) widest = extent.cx;
    }
    SelectObject(dc, oldFont);
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, WPARAM(widest + 8), 0);   // a row's text and some margin
    if (FindDialog.rowCount > 0) SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, 0, TRUE);

    ShowRowCount(dialog);
    EnableWindow(GetDlgItem(dialog, IDC_FIND_SET_FROM), FindDialog.rowCount > 0);
    EnableWindow(GetDlgItem(dialog, IDC_FIND_SET_TO), FindDialog.rowCount > 0);
}

// The query box: the keys that move through a list move through the rows.
static LRESULT CALLBACK QueryBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = FindDialog.queryProc;
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT) {
            SendMessageW(GetDlgItem(GetParent(box), IDC_FIND_LIST), WM_KEYDOWN, wParam, lParam);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        break;
    }
    return CallWindowProcW(previous, box, message, wParam, lParam);
}

static INT_PTR OnFindInit(HWND dialog, LPARAM lParam)
{
    FindDialog.choice = reinterpret_cast<FoundUnitChoice*>(lParam);
    FindDialog.rowCount = 0;
    FindDialog.listing = false;
    CenterWindowOver(dialog, GetWindow(dialog, GW_OWNER));
    HWND query = GetDlgItem(dialog, IDC_FIND_QUERY);
    SendMessageW(query, EM_LIMITTEXT, FIND_QUERY_MAX, 0);
    FindDialog.queryProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(query, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(QueryBoxProc)));
    SetWindowTextW(query, LastQuery);
    ShowMatches(dialog);
    FindDialog.listing = true;
    SendMessageW(query, EM_SETSEL, 0, -1);
    SetFocus(query);
    return FALSE;   // the focus is set
}

// Ends the box, keeping the query for the next time; with a side, the
// selected row goes to it (nothing happens without a selected row).
static void EndFindDialog(HWND dialog, int side)
{
    int row = -1;
    if (side) {
        row = int(SendDlgItemMessageW(dialog, IDC_FIND_LIST, LB_GETCURSEL, 0, 0));
        if (row < 0 || row >= FindDialog.rowCount) return;
        FindDialog.choice->category = FindDialog.rows[row].category;
        FindDialog.choice->unit = FindDialog.rows[row].unit;
        FindDialog.choice->side = side;
    }
    GetDlgItemTextW(dialog, IDC_FIND_QUERY, LastQuery, FIND_QUERY_MAX + 1);
    EndDialog(dialog, side ? 1 : 0);
}

static INT_PTR OnFindCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_FIND_QUERY:
        if (HIWORD(wParam) != EN_CHANGE) return FALSE;
        if (FindDialog.listing) ShowMatches(dialog);
        return TRUE;
    case IDC_FIND_LIST:
        if (HIWORD(wParam) != LBN_DBLCLK) return FALSE;
        EndFindDialog(dialog, BOX_FROM);
        return TRUE;
    case IDOK:   // Enter when no button has the focus
    case IDC_FIND_SET_FROM: EndFindDialog(dialog, BOX_FROM); return TRUE;
    case IDC_FIND_SET_TO:   EndFindDialog(dialog, BOX_TO); return TRUE;
    case IDCANCEL:          EndFindDialog(dialog, 0); return TRUE;
    default:                return FALSE;
    }
}

static INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return OnFindInit(dialog, lParam);
    case WM_COMMAND:    return OnFindCommand(dialog, wParam);
    default:            return FALSE;
    }
}

bool RunFindUnitDialog(HWND owner, FoundUnitChoice* choice)
{
    // The wide call makes the box and its list Unicode windows.
    return DialogBoxParamW(Instance, MAKEINTRESOURCEW(IDD_FIND_UNIT), owner, FindDialogProc,
                           reinterpret_cast<LPARAM>(choice)) == 1;
}
