// The conversion state: reacts to the choosers and the value boxes and converts
// from the box being typed in into the other one.
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "core/unit_search.h"
#include "numtext/numtext.h"

ConversionState Conversion = {
    -1,         // currentCategory: none until OnChooserChanged(0)
    1.0, 1.0,   // fromFactor, toFactor
    0.0, 0.0,   // fromValue, toValue
    0,          // specialConverter
    BOX_FROM,   // ActiveSide
    DEFAULT_NUM_FORMAT,
    DEFAULT_DECIMAL_PLACES,
};

// Value box text: a 260-byte working buffer of which at most 254 characters
// are read, so the formatted result (at most 25 bytes) always fits as well.
const int WORK_BUFFER_SIZE = 260;
const int BOX_READ_SIZE = 255;

static double UnitFactor(int category, int index)
{
    return UnitCatalog[category].units[index].factor;
}

// Reads a box into buffer as the number it shows (a NaN when it is none).
static double ReadBox(int box, char* buffer)
{
    int length = ViewBoxGetText(box, buffer, BOX_READ_SIZE);
    if (length < 0) length = 0;
    if (length > BOX_READ_SIZE - 1) length = BOX_READ_SIZE - 1;
    buffer[length] = '\0';
    double value;
    ParseReal(buffer, &value);
    return value;
}

// Writes the exact answer for the typed text still in buffer over it and shows
// the buffer. A text that is no number, or an answer beyond the double range,
// is not written, so the typed text passes through; an answer below the
// double range shows doubleResult as the double path always did.
static void ShowExactInBox(int box, double fromFactor, double toFactor, double doubleResult, char* buffer)
{
    FormatExactConversion(buffer, fromFactor, toFactor, FindExactConverter(Conversion.currentCategory),
                          doubleResult, Conversion.DecimalPlaces, buffer, Conversion.NumFormat);
    ViewBoxSetText(box, buffer);
    ViewConversionChanged();
}

// Fills the category chooser and makes category 0, units 0 and 0 current.
static void InitialiseChoosers()
{
    ViewChooserClear(CHOOSER_CATEGORY);
    for (int i = 0; i < CATEGORY_COUNT; ++i)
        ViewChooserAppend(CHOOSER_CATEGORY, UnitCatalog[i].name);
    ViewChooserSelect(CHOOSER_CATEGORY, 0);
    Conversion.currentCategory = -1;
    Conversion.toValue = 0.0;
    Conversion.fromValue = 0.0;
    SelectConversion(0, 0, 0);
}

// A unit chooser changed: take its row's factor and recompute. The shell then
// offers the conversion to the recent list.
static void OnUnitChooserChanged(int chooser, double* factor)
{
    int selection = ViewChooserSelection(chooser);
    if (selection != -1) {
        *factor = UnitFactor(Conversion.currentCategory, selection);
        Recompute(Conversion.ActiveSide);
    }
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
        OnUnitChooserChanged(CHOOSER_FROM_UNIT, &Conversion.fromFactor);
        break;
    case CHOOSER_TO_UNIT:
        OnUnitChooserChanged(CHOOSER_TO_UNIT, &Conversion.toFactor);
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
    const Category& table = UnitCatalog[category];
    for (int i = 0; i < table.count; ++i) {
        ViewChooserAppend(CHOOSER_FROM_UNIT, table.units[i].name);
        ViewChooserAppend(CHOOSER_TO_UNIT, table.units[i].name);
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
    Conversion.fromFactor = UnitFactor(category, fromIndex);
    ViewChooserSelect(CHOOSER_TO_UNIT, toIndex);
    Conversion.toFactor = UnitFactor(category, toIndex);

    // Step 5 and 6: convert, and leave the user typing where they were.
    Recompute(Conversion.ActiveSide);
    ViewBoxFocus(Conversion.ActiveSide == BOX_FROM ? BOX_FROM : BOX_TO);
}

void Recompute(int side)
{
    char buffer[WORK_BUFFER_SIZE];
    ConversionState& c = Conversion;
    if (side == BOX_FROM && c.ActiveSide == BOX_FROM) {
        c.fromValue = ReadBox(BOX_FROM, buffer);
        if (c.specialConverter)
            c.specialConverter(c.fromFactor, c.toFactor, c.fromValue, &c.toValue);
        else
            c.toValue = ConvertByFactors(c.fromValue, c.fromFactor, c.toFactor);
        ShowExactInBox(BOX_TO, c.fromFactor, c.toFactor, c.toValue, buffer);
    } else if (side == BOX_TO && c.ActiveSide == BOX_TO) {
        c.toValue = ReadBox(BOX_TO, buffer);
        if (c.specialConverter)
            c.specialConverter(c.toFactor, c.fromFactor, c.toValue, &c.fromValue);
        else
            c.fromValue = c.toValue * c.toFactor / c.fromFactor;
        ShowExactInBox(BOX_FROM, c.toFactor, c.fromFactor, c.fromValue, buffer);
    }
    // The passive side's own change notification ends here: no echo.
}

void SwapUnits()
{
    int from = ViewChooserSelection(CHOOSER_FROM_UNIT);
    int to = ViewChooserSelection(CHOOSER_TO_UNIT);
    if (from == -1 || to == -1) return;
    SelectConversion(Conversion.currentCategory, to, from);
}

void ShowFoundUnit(int category, int unit, int side)
{
    if (!IsCategoryIndex(category) || unsigned(unit) >= unsigned(UnitCatalog[category].count)) return;
    if (side != BOX_FROM && side != BOX_TO) return;
    const int chooser = side == BOX_FROM ? CHOOSER_FROM_UNIT : CHOOSER_TO_UNIT;
    if (category == Conversion.currentCategory) {
        ViewChooserSelect(chooser, unit);
        OnChooserChanged(chooser);
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

int ShownDecimalPlaces()
{
    return Conversion.DecimalPlaces > DECIMAL_PLACES_SHOWN_MAX ? DECIMAL_PLACES_SHOWN_MAX
                                                              : Conversion.DecimalPlaces;
}
