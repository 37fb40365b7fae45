// A reference model of the main window for the soak test, written from what
// the window is meant to do rather than from the program's code: the
// conversion state and the text of both value boxes, where the focus is and
// what a box does with the next key, the recent ring and the favourites with
// their menu ids, the options, and what the settings file holds between runs.
// It shares nothing with the program but the catalogue's data; the numbers it
// expects come from the exact reference of tests/core/answer_reference.h.
#pragma once
#include <string>
#include <vector>

// The five controls in Tab order.
enum SoakFocus { FOCUS_CATEGORY, FOCUS_FROM_UNIT, FOCUS_TO_UNIT, FOCUS_FROM_BOX, FOCUS_TO_BOX, FOCUS_COUNT };

// What the next typed key does to a value box: replace all of it (Tab
// selected it), add at its end (a click put the caret there), or unknown
// (the program set the text, or it was never touched).
enum SoakCaret { CARET_UNKNOWN, CARET_ALL, CARET_END };

struct SoakTriple {
    int category, from, to;
};
bool operator==(const SoakTriple& a, const SoakTriple& b);

// A value box's text; `known` false once the model cannot say (an answer
// below the double range shows what double arithmetic gives, which the model
// does not reproduce: the generator keeps away from it).
struct SoakBox {
    std::string text;
    bool known;
    SoakCaret caret;
};

// What a saved settings file holds.
struct SoakSettings {
    std::vector<SoakTriple> favorites;
    std::vector<SoakTriple> recent;   // newest first
    int numFormat;                    // 1 fixed, 0 scientific, 2 automatic
    int decimals;
    bool windowsDecimal, onTop;       // written only while on
    bool allUnitsPlaced;              // the All Units window's place is kept
    int denominator;                  // Fractions: 0 decimals (no key), else 2 .. 64
};

const int SOAK_BOX_LIMIT = 64;       // characters a user can type into a value box
const int SOAK_RECENT_SLOTS = 10;
const int SOAK_FAVORITES_MAX = 20;
const int SOAK_RECENT_FIRST_ID = 96;
const int SOAK_FAVORITE_FIRST_ID = 112;

struct SoakModel {
    // The conversion.
    int category, fromUnit, toUnit;
    int activeSide;                   // 1 From box, 2 To box
    SoakBox box[2];                   // [0] From, [1] To
    SoakFocus focus;
    bool browseUnsettled;             // a unit chooser was moved by a key and not yet settled
    // Options.
    int numFormat, decimals, saveOnExit;
    bool formula, onTop, windowsDecimal;   // View and Options choices (the formula is not kept)
    int denominator;                  // Fractions: 0 decimals, else 2 .. 64
    // The recent ring and the favourites.
    SoakTriple slots[SOAK_RECENT_SLOTS];
    int nextSlot, recentCount;
    std::vector<SoakTriple> favorites;
    bool allUnitsPlaced;              // the All Units window has a place to keep
    // The settings file between runs.
    bool fileExists;
    SoakSettings file;
};

// --- Typed text -------------------------------------------------------------
// A value box's text read as a number: blanks, a sign, at most 18 digits with
// at most one point, an optional exponent of magnitude at most 4931, nothing
// after. value = (negative ? -1 : 1) * digits * 10^exponent10.
struct SoakNumber {
    bool negative;
    unsigned long long digits;
    int exponent10;
};
bool SoakParse(const std::string& text, SoakNumber* number);

// The other box's text for `typed` converted from unit `fromUnit` to `toUnit`
// of `category`, or false when the model cannot say (below the double range,
// or a sum whose terms lie too far apart to hold exactly,
// or a text that only a fraction or a compound row's parts would make a
// number of: an answer in parts or fractions edited by hand). An answer in a
// compound row is laid out in its parts; a fixed one in `denominator`ths.
// `passedThrough`, when given, tells a text shown as typed: no number, or an
// answer beyond the range.
bool SoakAnswerText(const std::string& typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                    int denominator, std::string* shown, bool* passedThrough = nullptr);

// --- The catalogue as the model needs it ----------------------------------------
int SoakCategoryCount();
int SoakUnitCount(int category);
std::string SoakUnitName(int category, int unit);       // as the catalogue writes it (Windows-1252)
std::string SoakCategoryName(int category);
// The category's first unit of factor 1.0 (Temperature: its first unit).
int SoakBaseUnit(int category);

// --- Life cycle -------------------------------------------------------------------
// A model with no settings file and no program running.
SoakModel SoakFreshModel();
// The program starts: reads the file (if any), opens on category 0 with
// units 0 and 0 and "0" in both boxes, then re-applies the newest recent
// conversion. The focus is in the From box.
void SoakStart(SoakModel* m);
// The program ends (menu Exit or the close button): the file is written if
// saving on exit is on.
void SoakExit(SoakModel* m);

// --- What the user does ------------------------------------------------------------
void SoakPickCategory(SoakModel* m, int category);            // a mouse pick, also of the current one
void SoakPickUnit(SoakModel* m, int side, int unit);           // a mouse pick: recorded at once
// A key that moves a unit chooser with the focus to `unit`: shown, not recorded.
void SoakBrowseUnit(SoakModel* m, int side, int unit);
// A key that moves the category chooser: the category changes and the focus
// goes to the active box.
void SoakBrowseCategory(SoakModel* m, int category);
void SoakEnterKey(SoakModel* m);                               // settles a browse
void SoakCloseList(SoakModel* m);                              // a dropped list closes: settles too
// A real click on a chooser's item: the chooser takes the focus, a unit is
// recorded at once (a category moves the focus on to the active box).
void SoakMousePick(SoakModel* m, SoakFocus chooser, int index);
// The menu opens (before any command chosen from it): the user has left a
// browse, whose unit is recorded, so the menu shown already lists it.
void SoakMenuOpens(SoakModel* m);
void SoakTabKey(SoakModel* m, bool backwards);                // settles a browse, moves the focus
// Clicks into a box (the caret at the end) and types `text` there character
// by character; '\b' is Backspace.
void SoakClickAndType(SoakModel* m, int side, const std::string& text);
// Types into the focused box, which must be a box whose caret is known.
bool SoakCanTypeKeys(const SoakModel& m);
void SoakTypeKeys(SoakModel* m, const std::string& text);
void SoakClearBox(SoakModel* m, int side);                     // click, select all, Backspace
void SoakSwap(SoakModel* m);
void SoakSetDecimals(SoakModel* m, int decimals);
void SoakFlipNotation(SoakModel* m);
void SoakFlipAutomatic(SoakModel* m);
void SoakSetDenominator(SoakModel* m, int denominator);        // an item of the Fractions pop-up
// "&Formula", "Always on &Top" or "Windows Decimal Symbol" (the locale's
// symbol is '.' where the soak runs, so the boxes stay as they are).
enum SoakChoice { CHOICE_FORMULA, CHOICE_ON_TOP, CHOICE_WINDOWS_DECIMAL, CHOICE_COUNT };
void SoakFlipChoice(SoakModel* m, int choice);
void SoakFlipSaveOnExit(SoakModel* m);
void SoakAddFavorite(SoakModel* m);
void SoakRemoveFavorite(SoakModel* m);
// Menu ids of the items the menus show now.
int SoakRecentId(const SoakModel& m, int position);            // newest first; -1 past the end
void SoakApplyRecent(SoakModel* m, int position);
void SoakApplyFavorite(SoakModel* m, int index);
// Find Unit: the unit of a category chosen for a side.
void SoakFindUnit(SoakModel* m, int category, int unit, int side);

// The All Units window opens (it is always left at SOAK_ALL_UNITS_PLACE),
// and what its row of `unit` shows: the value without leading blanks (false
// when the model cannot say) and the name with its mark (Windows-1252).
const int SOAK_ALL_UNITS_PLACE[4] = { 20, 30, 420, 400 };   // left, top, width, height at 96 DPI
void SoakOpenAllUnits(SoakModel* m);
bool SoakAllUnitsValue(const SoakModel& m, int unit, std::string* value);
std::string SoakAllUnitsName(const SoakModel& m, int unit);

// Whether any box holds a text the model cannot predict.
bool SoakAllKnown(const SoakModel& m);

// --- What the window must show -------------------------------------------------
struct SoakMenuItem {
    int depth;
    int id;           // -1 for a pop-up
    bool checked, separator, popup;
    std::string text;   // Windows-1252
};
std::vector<SoakMenuItem> SoakExpectedMenu(const SoakModel& m);
std::string SoakTitle();
// Control id and class name of the focused control.
int SoakFocusId(SoakFocus focus);
const char* SoakFocusClass(SoakFocus focus);
const char* SoakFocusName(SoakFocus focus);

// The settings file as section -> "KEY=value" lines, sorted; what the model
// says the program wrote, and the same read from a file's text.
std::vector<std::string> SoakExpectedFileKeys(const SoakModel& m);
std::vector<std::string> SoakFileKeys(const std::string& fileText);
