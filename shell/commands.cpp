// The main window's commands: control notifications and the menu.
#include "shell/shell.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "shell/answer_commands.h"
#include "shell/custom_units_dialog.h"
#include "shell/find_dialog.h"
#include "shell/all_units_window.h"
#include "widgets/about_dialog.h"
#include "res/maker.h"
#include "res/resource.h"
#include <shellapi.h>

// The resource script's ids are plain numbers; these tie them to the values
// the lists and the conversion state work with.
static_assert(IDM_RECENT_FIRST == RECENT_FIRST_ID && IDM_RECENT_LAST == RECENT_FIRST_ID + RECENT_SLOTS - 1,
              "recent items: 96 + ring slot");
static_assert(IDM_FAVORITE_FIRST == FAVORITE_FIRST_ID && IDM_FAVORITE_LAST == FAVORITE_FIRST_ID + FAVORITES_MAX - 1,
              "favourite items: 112 + list index");
static_assert(IDM_DECIMALS_LAST - IDM_DECIMALS_FIRST == DECIMAL_PLACES_SHOWN_MAX, "one item per decimal place");
static_assert(GO_POPUP == IDM_GO_EXIT && FAVORITES_POPUP == IDM_FAVORITES_ADD,
              "the lists' pop-ups are found by a command each holds");
static_assert(IDC_FROM_BOX == BOX_FROM && IDC_TO_BOX == BOX_TO, "value box ids are the active sides");
static_assert(IDC_CATEGORY_CHOOSER == CHOOSER_CATEGORY && IDC_FROM_UNIT_CHOOSER == CHOOSER_FROM_UNIT &&
                  IDC_TO_UNIT_CHOOSER == CHOOSER_TO_UNIT,
              "chooser ids are what OnChooserChanged takes");

static void CheckItem(HWND window, int id, bool checked)
{
    CheckMenuItem(GetMenu(window), UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

static bool IsUnitChooser(int id)
{
    return id == IDC_FROM_UNIT_CHOOSER || id == IDC_TO_UNIT_CHOOSER;
}

// A unit choice is offered to the recent list once the conversion state has
// taken it; a category choice is not.
static void OnChooserPicked(HWND window, int id)
{
    OnChooserChanged(id);
    if (IsUnitChooser(id)) OfferUnitChoice(window);
}

// A unit chooser's list closed or the chooser lost the focus: a browse ends.
// A list closed by a click reports its closing before the unit clicked, so
// the state takes that unit first and the browse settles on what the chooser
// shows.
static void OnChooserLeft(HWND window, int id)
{
    if (!IsUnitChooser(id)) return;
    const int stateUnit = id == IDC_FROM_UNIT_CHOOSER ? Conversion.fromUnit : Conversion.toUnit;
    if (ViewChooserSelection(id) != stateUnit) OnChooserChanged(id);
    SettleChooserBrowsing(window);
}

// A value box got the focus: it becomes the side the user types in.
static void OnBoxFocused(HWND box, int id)
{
    RememberFocusedControl(box);
    OnValueBoxFocused(id);
}

// A chooser or value box reports: the code decides, since the ids repeat.
static void OnControlNotification(HWND window, HWND control, int code, int id)
{
    switch (code) {
    case CBN_SELCHANGE: OnChooserPicked(window, id); break;
    case CBN_SETFOCUS:  RememberFocusedControl(control); break;
    case CBN_CLOSEUP:   OnChooserLeft(window, id); break;
    case CBN_KILLFOCUS: OnChooserLeft(window, id); break;
    case EN_SETFOCUS:   OnBoxFocused(control, id); break;
    case EN_CHANGE:     OnValueBoxChanged(id); break;
    default:            break;
    }
}

static void ShowAboutBox(HWND window)
{
    DialogBoxParamA(Instance, MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDialogProc, 0);
}

// The page the caption link opens, for those who cannot click it.
static void OpenWebSite()
{
    ShellExecuteA(0, "open", MAKER_WEB_PAGE, 0, 0, SW_SHOWNORMAL);
}

// The unit chosen in the Find Unit box becomes current on its side, a
// conversion set up by hand.
static void FindUnit(HWND window)
{
    FoundUnitChoice choice;
    if (!RunFindUnitDialog(window, &choice)) return;
    ShowFoundUnit(choice.category, choice.unit, choice.side);
    AddRecent(window);
}

static void FlipSaveOnExit(HWND window)
{
    SaveOnExit ^= 1;
    CheckItem(window, IDM_OPTIONS_SAVE_ON_EXIT, SaveOnExit != 0);
}

static void Swap(HWND window)
{
    SwapUnits();
    AddRecent(window);
}

static void FlipScientific(HWND window)
{
    FlipNumFormat();
    CheckItem(window, IDM_OPTIONS_SCIENTIFIC, Conversion.NumFormat == 0);
    CheckItem(window, IDM_OPTIONS_AUTOMATIC, false);
}

// Moves the one check mark of the "Select Decimal Place" pop-up. A loaded
// value above 15 is shown (and checked) as 15, so the mark never strays onto
// an id outside 80..95, such as a recent conversion's.
static void ChooseDecimalPlaces(HWND window, int places)
{
    CheckItem(window, IDM_DECIMALS_FIRST + ShownDecimalPlaces(), false);
    SetDecimalPlaces(places);
    CheckItem(window, IDM_DECIMALS_FIRST + ShownDecimalPlaces(), true);
}

static void OnMenuCommand(HWND window, WPARAM id)
{
    if (id >= IDM_DECIMALS_FIRST && id <= IDM_DECIMALS_LAST) {
        ChooseDecimalPlaces(window, int(id) - IDM_DECIMALS_FIRST);
    } else if (id >= IDM_FAVORITE_FIRST && id < WPARAM(IDM_FAVORITE_FIRST + FavoritesList.count)) {
        ApplyFavorite(int(id) - IDM_FAVORITE_FIRST);
    } else if (id >= IDM_RECENT_FIRST && id <= IDM_RECENT_LAST) {
        ApplyRecent(int(id) - IDM_RECENT_FIRST);
    } else if (OnFractionsCommand(window, id)) {
    } else {
        switch (id) {
        case IDM_HELP_ABOUT:           ShowAboutBox(window); break;
        case IDM_HELP_WEB_SITE:        OpenWebSite(); break;
        case IDM_GO_EXIT:              DestroyWindow(window); break;
        case IDM_FAVORITES_ADD:        AddFavorite(window); break;
        case IDM_FAVORITES_REMOVE:     RemoveFavorite(window); break;
        case IDM_OPTIONS_SAVE_ON_EXIT: FlipSaveOnExit(window); break;
        case IDM_VIEW_SWAP:            Swap(window); break;
        case IDM_VIEW_FIND_UNIT:       FindUnit(window); break;
        case IDM_VIEW_ALL_UNITS:       ShowAllUnitsWindow(window); break;
        case IDM_OPTIONS_SCIENTIFIC:   FlipScientific(window); break;
        case IDM_OPTIONS_AUTOMATIC:    FlipAutomatic(window); break;
        case IDM_OPTIONS_WINDOWS_DECIMAL: FlipWindowsDecimalSymbol(window); break;
        case IDM_OPTIONS_CUSTOM_UNITS: RunCustomUnitsDialog(window); break;
        case IDM_VIEW_COPY_ANSWER:     CopyAnswer(window); break;
        case IDM_VIEW_COPY_CONVERSION: CopyConversion(window); break;
        case IDM_VIEW_FORMULA:         FlipFormula(window); break;
        case IDM_VIEW_ALWAYS_ON_TOP:   FlipAlwaysOnTop(window); break;
        default:                       break;
        }
    }
}

void OnCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
        OnControlNotification(window, reinterpret_cast<HWND>(lParam), HIWORD(wParam), LOWORD(wParam));
    else if (wParam == MAKEWPARAM(IDM_VIEW_FIND_UNIT, 1))
        OnMenuCommand(window, IDM_VIEW_FIND_UNIT);   // Ctrl+F
    else if (wParam == MAKEWPARAM(IDM_VIEW_COPY_ANSWER, 1))
        OnMenuCommand(window, IDM_VIEW_COPY_ANSWER);   // Ctrl+Shift+C
    else if (wParam == MAKEWPARAM(IDM_VIEW_ALL_UNITS, 1))
        OnMenuCommand(window, IDM_VIEW_ALL_UNITS);   // Ctrl+U
    else
        OnMenuCommand(window, wParam);   // compared whole: other accelerator forms do nothing
    UpdateFormulaLine();   // any command may have changed the units
}

void UpdateOptionChecks(HWND window)
{
    CheckItem(window, IDM_OPTIONS_SCIENTIFIC, Conversion.NumFormat == 0);
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id) CheckItem(window, id, false);
    CheckItem(window, IDM_DECIMALS_FIRST + ShownDecimalPlaces(), true);
    CheckItem(window, IDM_OPTIONS_SAVE_ON_EXIT, SaveOnExit != 0);
    UpdateAnswerChecks(window);
    UpdateFractionChecks(window);
}
