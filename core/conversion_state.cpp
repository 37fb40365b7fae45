// The conversion state: reacts to the choosers and the value boxes and converts
// from the box being typed in into the other one.
#include "core/conversion_state.h"
#include "core/answer_text.h"
#include "core/conversion_view.h"
#include "core/convert_text.h"
#include "core/unit_search.h"
#include "numtext/numtext.h"

ConversionState Conversion = {
    -1,         // currentCategory: none until OnChooserChanged(0)
    -1, -1,     // fromUnit, toUnit
    1.0, 1.0,   // fromFactor, toFactor
    0.0, 0.0,   // fromValue, toValue
    0,          // specialConverter
    BOX_FROM,   // ActiveSide
    DEFAULT_NUM_FORMAT,
    DEFAULT_DECIMAL_PLACES,
};

// Value box text: a 260-byte working buffer of which at most 254 bytes of
// UTF-8 are read (a box takes 64 characters, at most 4 bytes each).
const int WORK_BUFFER_SIZE = 260;
const int BOX_READ_SIZE = 255;

// Reads the typed box once and shows the answer in the other box: the shown
// text and both stored values come from that one reading. A text that is no
// number, or an answer beyond the double range, is not converted, so the
// typed text passes through; the typed box itself is never rewritten.
static void ConvertBox(int typedBox, int fromUnit, int toUnit, double* typedValue, double* answerValue)
{
    char buffer[WORK_BUFFER_SIZE];
    int length = ViewBoxGetText(typedBox, buffer, BOX_READ_SIZE);
    if (length < 0) length = 0;
    if (length > BOX_READ_SIZE - 1) length = BOX_READ_SIZE - 1;
    buffer[length] = '\0';
    TypedConversion result;
    ConvertTypedRows(buffer, Conversion.currentCategory, fromUnit, toUnit, Conversion.DecimalPlaces,
                     Conversion.NumFormat, &result);
    *typedValue = result.typedValue;
    *answerValue = result.answerValue;
    if (result.shown) UseAnswerDecimalSymbol(result.text);   // an answer, not the typed text passing through
    ViewBoxSetText(typedBox == BOX_FROM ? BOX_TO : BOX_FROM, result.shown ? result.text : buffer);
    ViewConversionChanged();
}

static void FillCategoryChooser()
{
    ViewChooserClear(CHOOSER_CATEGORY);
    for (int i = 0; i < CategoryCount(); ++i)
        if (CategoryNameIsUtf8(i)) ViewChooserAppendUtf8(CHOOSER_CATEGORY, CategoryName(i));
        else ViewChooserAppend(CHOOSER_CATEGORY, CategoryName(i));
}

void ReshowCatalogue(int category, int fromUnit, int toUnit)
{
    FillCategoryChooser();
    Conversion.currentCategory = -1;
    if (!UnitExists(category, fromUnit) || !UnitExists(category, toUnit)) category = fromUnit = toUnit = 0;
    SelectConversion(category, fromUnit, toUnit);
}

// Fills the category chooser and makes category 0, units 0 and 0 current.
static void InitialiseChoosers()
{
    FillCategoryChooser();
    ViewChooserSelect(CHOOSER_CATEGORY, 0);
    Conversion.currentCategory = -1;
    Conversion.toValue = 0.0;
    Conversion.fromValue = 0.0;
    SelectConversion(0, 0, 0);
}

// Makes unit the current one on the chooser's side: shows it, takes its
// factor and recomputes. The other side and the focus stay as they are.
static void ChangeUnit(int chooser, int unit)
{
    ConversionState& c = Conversion;
    ViewChooserSelect(chooser, unit);
    if (chooser == CHOOSER_FROM_UNIT) {
        c.fromUnit = unit;
        c.fromFactor = UnitFactor(c.currentCategory, unit);
    } else {
        c.toUnit = unit;
        c.toFactor = UnitFactor(c.currentCategory, unit);
    }
    Recompute(c.ActiveSide);
}

// A unit chooser reported a pick: it becomes the state's unit. The shell then
// offers the conversion to the recent list.
static void OnUnitChooserChanged(int chooser)
{
    int selection = ViewChooserSelection(chooser);
    if (UnitExists(Conversion.currentCategory, selection))
        ChangeUnit(chooser, selection);
}

void OnChooserChanged(int which)
{
    switch (which) {
    case 0:
        InitialiseChoosers();
        break;
    case CHOOSER_CATEGORY: {
        int selection = ViewChooserSelection(CHOOSER_CATEGORY);
        if (selection != -1) SelectConversion(selection, 0, 0);
        break;
    }
    case CHOOSER_FROM_UNIT:
    case CHOOSER_TO_UNIT:
        OnUnitChooserChanged(which);
        break;
    default:
        break;
    }
}

// Lists every unit of the category in both unit choosers, in table order.
static void FillUnitChoosers(int category)
{
    ViewChooserClear(CHOOSER_FROM_UNIT);
    ViewChooserClear(CHOOSER_TO_UNIT);
    for (int i = 0; i < UnitCount(category); ++i) {
        void (*append)(int, const char*) = UnitNameIsUtf8(category, i) ? ViewChooserAppendUtf8 : ViewChooserAppend;
        append(CHOOSER_FROM_UNIT, UnitName(category, i));
        append(CHOOSER_TO_UNIT, UnitName(category, i));
    }
}

void SelectConversion(int category, int fromIndex, int toIndex)
{
    // Step 1: categories outside the table (negative ones too) are ignored.
    if (!IsCategoryIndex(category)) return;

    // Step 2: a new category brings its converter and its unit names.
    if (category != Conversion.currentCategory) {
        Conversion.specialConverter = FindSpecialConverter(category);
        Conversion.currentCategory = category;
        ViewChooserSelect(CHOOSER_CATEGORY, category);
        FillUnitChoosers(category);
    }

    // Steps 3 and 4: the callers guarantee both indexes are rows of the table.
    ViewChooserSelect(CHOOSER_FROM_UNIT, fromIndex);
    Conversion.fromUnit = fromIndex;
    Conversion.fromFactor = UnitFactor(category, fromIndex);
    ViewChooserSelect(CHOOSER_TO_UNIT, toIndex);
    Conversion.toUnit = toIndex;
    Conversion.toFactor = UnitFactor(category, toIndex);

    // Step 5 and 6: convert, and leave the user typing where they were.
    Recompute(Conversion.ActiveSide);
    ViewBoxFocus(Conversion.ActiveSide == BOX_FROM ? BOX_FROM : BOX_TO);
}

void Recompute(int side)
{
    ConversionState& c = Conversion;
    if (side == BOX_FROM && c.ActiveSide == BOX_FROM)
        ConvertBox(BOX_FROM, c.fromUnit, c.toUnit, &c.fromValue, &c.toValue);
    else if (side == BOX_TO && c.ActiveSide == BOX_TO)
        ConvertBox(BOX_TO, c.toUnit, c.fromUnit, &c.toValue, &c.fromValue);
    // The passive side's own change notification ends here: no echo.
}

void SwapUnits()
{
    int category, from, to;
    if (ShownConversion(&category, &from, &to))
        SelectConversion(category, to, from);
}

bool ShownConversion(int* category, int* fromUnit, int* toUnit)
{
    const ConversionState& c = Conversion;
    if (!UnitExists(c.currentCategory, c.fromUnit) || !UnitExists(c.currentCategory, c.toUnit))
        return false;
    // A chooser's row can only be taken away from outside; a window showing
    // no unit offers nothing to act on.
    if (ViewChooserSelection(CHOOSER_FROM_UNIT) == -1 || ViewChooserSelection(CHOOSER_TO_UNIT) == -1)
        return false;
    *category = c.currentCategory;
    *fromUnit = c.fromUnit;
    *toUnit = c.toUnit;
    return true;
}

void ShowFoundUnit(int category, int unit, int side)
{
    if (!UnitExists(category, unit)) return;
    if (side != BOX_FROM && side != BOX_TO) return;
    if (category == Conversion.currentCategory) {
        ChangeUnit(side == BOX_FROM ? CHOOSER_FROM_UNIT : CHOOSER_TO_UNIT, unit);
        return;
    }
    int other = BaseUnitIndex(category);
    if (other < 0) other = 0;
    if (side == BOX_FROM)
        SelectConversion(category, unit, other);
    else
        SelectConversion(category, other, unit);
}

void OnValueBoxFocused(int side)
{
    if (side != BOX_FROM && side != BOX_TO) return;
    Conversion.ActiveSide = side;
    ViewConversionChanged();
}

void OnValueBoxChanged(int side)
{
    Recompute(side);
}

// A loaded NUM_FORMAT may be any number; flipping only its lowest bit would
// leave 2 -> 3 in fixed notation, so the flip maps to exactly 0 or 1.
void FlipNumFormat()
{
    Conversion.NumFormat = Conversion.NumFormat == 0 ? 1 : 0;
    Recompute(Conversion.ActiveSide);
}

void SetDecimalPlaces(int places)
{
    if (places < 0 || places > DECIMAL_PLACES_SHOWN_MAX) return;
    Conversion.DecimalPlaces = static_cast<unsigned short>(places);
    Recompute(Conversion.ActiveSide);
}

// Automatic notation on, or back to fixed; either way scientific is off.
void FlipAutomaticNotation()
{
    Conversion.NumFormat = Conversion.NumFormat == NUM_FORMAT_AUTOMATIC ? NUM_FORMAT_FIXED : NUM_FORMAT_AUTOMATIC;
    Recompute(Conversion.ActiveSide);
}

int ShownDecimalPlaces()
{
    return Conversion.DecimalPlaces > DECIMAL_PLACES_SHOWN_MAX ? DECIMAL_PLACES_SHOWN_MAX
                                                              : Conversion.DecimalPlaces;
}
