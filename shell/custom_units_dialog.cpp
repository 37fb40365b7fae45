// The Custom Units box: the user's own units listed with their definitions,
// and the box that adds or edits one. Names travel as UTF-8 between here
// and the model (core/custom_units.h) and as UTF-16 to the controls; every
// confirmed change goes to the units file at once (lists/units_file.h).
#include "shell/custom_units_dialog.h"
#include "shell/shell.h"
#include "core/answer_text.h"
#include "core/bounded_text.h"
#include "core/conversion_state.h"
#include "core/custom_units.h"
#include "lists/units_file.h"
#include "widgets/center_window.h"
#include "res/resource.h"

#include <cstring>

static int Editing;   // the unit the entry box edits, -1 when it adds one

const int FIELD_UNITS = CUSTOM_NAME_SIZE * 2;           // UTF-16 units read from a field
const int FIELD_UTF8_SIZE = FIELD_UNITS * 3 + 1;        // as UTF-8, at most 3 bytes each

// A control's text as UTF-8 without the blanks around it.
static void ReadField(HWND dialog, int id, char* out, int size)
{
    wchar_t wide[FIELD_UNITS];
    GetDlgItemTextW(dialog, id, wide, FIELD_UNITS);
    if (!WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, size, nullptr, nullptr)) out[0] = '\0';
    int start = 0, end = int(std::strlen(out));
    while (out[start] == ' ' || out[start] == '\t') ++start;
    while (end > start && (out[end - 1] == ' ' || out[end - 1] == '\t')) --end;
    std::memmove(out, out + start, size_t(end - start));
    out[end - start] = '\0';
}

static void SendUtf8(HWND control, UINT message, WPARAM wParam, const char* text)
{
    wchar_t wide[CUSTOM_NAME_SIZE * 3];
    if (!MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, CUSTOM_NAME_SIZE * 3)) wide[0] = L'\0';
    SendMessageW(control, message, wParam, reinterpret_cast<LPARAM>(wide));
}

// The category as the combo box shows it: its text, or while a pick is being
// made (whose text comes after the notice) the item picked.
static void ReadCategory(HWND dialog, char* out, int size, bool picking = false)
{
    HWND box = GetDlgItem(dialog, IDC_UNIT_CATEGORY);
    const LRESULT selected = picking ? SendMessageW(box, CB_GETCURSEL, 0, 0) : CB_ERR;
    wchar_t wide[CUSTOM_NAME_SIZE * 2];
    if (selected != CB_ERR && SendMessageW(box, CB_GETLBTEXTLEN, WPARAM(selected), 0) < CUSTOM_NAME_SIZE * 2) {
        SendMessageW(box, CB_GETLBTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(wide));
        if (!WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, size, nullptr, nullptr)) out[0] = '\0';
        return;
    }
    ReadField(dialog, IDC_UNIT_CATEGORY, out, size);
}

// Every category a unit may join: all but Temperature.
static void FillCategories(HWND dialog)
{
    HWND box = GetDlgItem(dialog, IDC_UNIT_CATEGORY);
    for (int c = 0; c < CategoryCount(); ++c) {
        if (c == CATEGORY_TEMPERATURE) continue;
        char name[CUSTOM_NAME_SIZE];
        CategoryNameUtf8(c, name, sizeof name);
        SendUtf8(box, CB_ADDSTRING, 0, name);
    }
}

// The units the definition may name: the category's, but not the one edited.
// A category not made yet has only the new unit itself, its base.
static void FillUnitsOf(HWND dialog, const char* keep, bool picking = false)
{
    HWND box = GetDlgItem(dialog, IDC_UNIT_OF);
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    char category[CUSTOM_NAME_SIZE], name[CUSTOM_NAME_SIZE];
    ReadCategory(dialog, category, sizeof category, picking);
    const int c = CategoryOfName(CustomUnits, category);
    const bool editingBase = Editing >= 0 && std::strcmp(CustomUnits.units[Editing].name, CustomUnits.units[Editing].of) == 0;
    if (c < 0 || editingBase) {
        ReadField(dialog, IDC_UNIT_NAME, name, sizeof name);
        SendUtf8(box, CB_ADDSTRING, 0, name);
        SendMessageW(box, CB_SETCURSEL, 0, 0);
        SetDlgItemTextW(dialog, IDC_UNIT_QUANTITY, L"1");
        EnableWindow(GetDlgItem(dialog, IDC_UNIT_QUANTITY), FALSE);
        return;
    }
    EnableWindow(GetDlgItem(dialog, IDC_UNIT_QUANTITY), TRUE);
    const int own = Editing >= 0 ? FindCustomUnit(CustomUnits, CustomUnits.units[Editing].category,
                                                  CustomUnits.units[Editing].name) : -1;
    for (int u = 0; u < UnitCount(c); ++u) {
        const int row = CustomRowOf(c, u);
        if (own >= 0 && row >= 0 && std::strcmp(CustomRows.units[row].name, CustomUnits.units[own].name) == 0) continue;
        UnitNameUtf8(c, u, name, sizeof name);
        SendUtf8(box, CB_ADDSTRING, 0, name);
        const bool chosen = keep ? std::strcmp(name, keep) == 0 : u == BaseUnitIndex(c);
        if (chosen) SendMessageW(box, CB_SETCURSEL, WPARAM(SendMessageW(box, CB_GETCOUNT, 0, 0) - 1), 0);
    }
}

static void ShowProblem(HWND dialog, UnitProblem problem)
{
    static const int fields[4] = { IDC_UNIT_NAME_PROBLEM, IDC_UNIT_CATEGORY_PROBLEM, IDC_UNIT_QUANTITY_PROBLEM,
                                   IDC_UNIT_OF_PROBLEM };
    static const int controls[4] = { IDC_UNIT_NAME, IDC_UNIT_CATEGORY, IDC_UNIT_QUANTITY, IDC_UNIT_OF };
    for (int f = 0; f < 4; ++f) SetDlgItemTextA(dialog, fields[f], "");
    if (problem == UNIT_OK) return;
    const int field = UnitProblemField(problem);
    SetDlgItemTextA(dialog, fields[field], UnitProblemText(problem));
    SetFocus(GetDlgItem(dialog, controls[field]));
}

static void ReadOf(HWND dialog, char* out, int size)
{
    HWND box = GetDlgItem(dialog, IDC_UNIT_OF);
    const LRESULT selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
    wchar_t wide[CUSTOM_NAME_SIZE * 2];
    out[0] = '\0';
    if (selected == CB_ERR || SendMessageW(box, CB_GETLBTEXTLEN, WPARAM(selected), 0) >= CUSTOM_NAME_SIZE * 2) return;
    SendMessageW(box, CB_GETLBTEXT, WPARAM(selected), reinterpret_cast<LPARAM>(wide));
    if (!WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, size, nullptr, nullptr)) out[0] = '\0';
}

// The definition as the fields give it; its problem, UNIT_OK when it is stored.
static UnitProblem StoreEntry(HWND dialog)
{
    UnitDefinition definition;
    std::memset(&definition, 0, sizeof definition);
    // Room for all a field can hold as UTF-8, so that a long name is told too long, not empty.
    char name[FIELD_UTF8_SIZE], quantity[FIELD_UTF8_SIZE];
    ReadField(dialog, IDC_UNIT_NAME, name, sizeof name);
    if (!name[0]) return UNIT_NAME_EMPTY;
    if (std::strlen(name) >= sizeof definition.name) return UNIT_NAME_TOO_LONG;
    std::strcpy(definition.name, name);
    ReadCategory(dialog, definition.category, sizeof definition.category);
    const bool base = CategoryOfName(CustomUnits, definition.category) < 0 ||
                      (Editing >= 0 && std::strcmp(CustomUnits.units[Editing].name, CustomUnits.units[Editing].of) == 0);
    if (base) {
        std::strcpy(definition.of, definition.name);
        definition.quantity = UnitSize{ 1, 1, 0 };
    } else {
        ReadOf(dialog, definition.of, sizeof definition.of);
        ReadField(dialog, IDC_UNIT_QUANTITY, quantity, sizeof quantity);
        if (!ReadUnitQuantity(quantity, &definition.quantity)) return UNIT_QUANTITY_BAD;
        if (!definition.of[0]) return UNIT_OF_UNKNOWN;
    }
    UnitSize size;
    const UnitProblem problem = CheckUnitDefinition(CustomUnits, definition, Editing, &size);
    if (problem != UNIT_OK) return problem;
    UnitChange change;
    std::memset(&change, 0, sizeof change);
    change.kind = Editing < 0 ? UNIT_CHANGE_ADD : UNIT_CHANGE_EDIT;
    if (Editing >= 0) {
        std::memcpy(change.category, CustomUnits.units[Editing].category, sizeof change.category);
        std::memcpy(change.name, CustomUnits.units[Editing].name, sizeof change.name);
    }
    change.definition = definition;
    UnitProblem refused;
    const UnitSaveResult saved = SaveUnitChange(change, &refused);
    if (saved == UNIT_REFUSED) return refused;
    if (saved == UNIT_NOT_WRITTEN)
        MessageBoxW(dialog, L"The units file could not be written, so nothing was changed.", L"Custom Units",
                    MB_OK | MB_ICONWARNING);
    return UNIT_OK;
}

static void StartEntry(HWND dialog)
{
    CenterWindowOver(dialog, GetParent(dialog));
    FillCategories(dialog);
    SendDlgItemMessageW(dialog, IDC_UNIT_NAME, EM_LIMITTEXT, CUSTOM_NAME_SIZE, 0);
    if (Editing < 0) {
        // The current category, where the list has it: Temperature is left out of it.
        const int current = Conversion.currentCategory;
        if (current != CATEGORY_TEMPERATURE)
            SendDlgItemMessageW(dialog, IDC_UNIT_CATEGORY, CB_SETCURSEL,
                                WPARAM(current > CATEGORY_TEMPERATURE ? current - 1 : current), 0);
        SetDlgItemTextW(dialog, IDC_UNIT_QUANTITY, L"1");
        FillUnitsOf(dialog, nullptr);
        return;
    }
    const UnitDefinition& unit = CustomUnits.units[Editing];
    SendUtf8(GetDlgItem(dialog, IDC_UNIT_NAME), WM_SETTEXT, 0, unit.name);
    SendUtf8(GetDlgItem(dialog, IDC_UNIT_CATEGORY), WM_SETTEXT, 0, unit.category);
    char quantity[64];
    WriteUnitQuantity(unit.quantity, quantity, sizeof quantity);
    SetDlgItemTextA(dialog, IDC_UNIT_QUANTITY, quantity);
    FillUnitsOf(dialog, unit.of);
}

static void OnEntryCommand(HWND dialog, WPARAM wParam)
{
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDC_UNIT_CATEGORY && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE)) {
        FillUnitsOf(dialog, nullptr, code == CBN_SELCHANGE);
    } else if (id == IDOK) {
        const UnitProblem problem = StoreEntry(dialog);
        ShowProblem(dialog, problem);
        if (problem == UNIT_OK) EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
}

static INT_PTR CALLBACK EntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        StartEntry(dialog);
        return TRUE;
    case WM_COMMAND:
        OnEntryCommand(dialog, wParam);
        return TRUE;
    default:
        return FALSE;
    }
}

static void FillUnitList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_CUSTOM_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < CustomUnits.count; ++i) {
        char row[4 * CUSTOM_NAME_SIZE + 80];
        DescribeCustomUnit(CustomUnits.units[i], row, sizeof row);
        wchar_t wide[sizeof row];
        if (!MultiByteToWideChar(CP_UTF8, 0, row, -1, wide, int(sizeof row))) wide[0] = L'\0';
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
    }
    SendMessageW(list, LB_SETHORIZONTALEXTENT, 1200, 0);
}

// The catalogue changed (SaveUnitChange showed it in the window): the box and the lists' menus follow.
static void AfterChange(HWND dialog)
{
    FillUnitList(dialog);
    ShowListMenusAgain(GetParent(dialog));
}

static void RunEntry(HWND dialog, int editing)
{
    if (editing >= CustomUnits.count) return;
    Editing = editing;
    if (DialogBoxParamW(Instance, MAKEINTRESOURCEW(IDD_CUSTOM_UNIT), dialog, EntryProc, 0) == IDOK)
        AfterChange(dialog);
}

static int SelectedUnit(HWND dialog)
{
    const LRESULT selected = SendDlgItemMessageW(dialog, IDC_CUSTOM_LIST, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : int(selected);
}

// Asks first, naming the units that go with it, then deletes.
static void DeleteUnit(HWND dialog, int index)
{
    if (index < 0 || index >= CustomUnits.count) return;
    bool marks[CUSTOM_UNIT_MAX];
    UnitsDefinedThrough(CustomUnits, index, marks);
    // Built within its buffer: a long list of units is cut, never overrun.
    char question[1024];
    const int size = sizeof question;
    int length = 0;
    question[0] = '\0';
    AppendText(question, size, &length, "Delete \"");
    AppendText(question, size, &length, CustomUnits.units[index].name);
    AppendText(question, size, &length, "\"?");
    for (int i = 0; i < CustomUnits.count && length < 900; ++i)
        if (marks[i] && i != index) {
            AppendText(question, size, &length, "\n\"");
            AppendText(question, size, &length, CustomUnits.units[i].name);
            AppendText(question, size, &length, "\" is defined through it and goes too.");
        }
    const int uses = ListEntriesUsing(CustomUnits, marks);
    if (uses > 0) {
        AppendText(question, size, &length, "\n");
        AppendDecimal(question, size, &length, uses);
        AppendText(question, size, &length, uses == 1 ? " favorite or recent conversion uses it and goes too."
                                                      : " favorite or recent conversions use it and go too.");
    }
    wchar_t wide[1024];
    if (!MultiByteToWideChar(CP_UTF8, 0, question, -1, wide, 1024)) wide[0] = L'\0';
    if (MessageBoxW(dialog, wide, L"Custom Units", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
    UnitChange change;
    std::memset(&change, 0, sizeof change);
    change.kind = UNIT_CHANGE_DELETE;
    std::memcpy(change.category, CustomUnits.units[index].category, sizeof change.category);
    std::memcpy(change.name, CustomUnits.units[index].name, sizeof change.name);
    UnitProblem problem;
    if (SaveUnitChange(change, &problem) == UNIT_NOT_WRITTEN)
        MessageBoxW(dialog, L"The units file could not be written, so nothing was changed.", L"Custom Units",
                    MB_OK | MB_ICONWARNING);
    AfterChange(dialog);
}

static INT_PTR CALLBACK ListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CenterWindowOver(dialog, GetParent(dialog));
        FillUnitList(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CUSTOM_ADD: RunEntry(dialog, -1); break;
        case IDC_CUSTOM_EDIT: RunEntry(dialog, SelectedUnit(dialog)); break;
        case IDC_CUSTOM_DELETE: DeleteUnit(dialog, SelectedUnit(dialog)); break;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        default: break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void RunCustomUnitsDialog(HWND owner)
{
    DialogBoxParamW(Instance, MAKEINTRESOURCEW(IDD_CUSTOM_UNITS), owner, ListProc, 0);
}
