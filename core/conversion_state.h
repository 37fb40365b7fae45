// The live state behind the main window: current category, the two units
// (the choosers only show them and report picks) and their factors, the two
// values, the box being typed in and the display options.
// It drives the five controls only through the view functions of
// core/conversion_view.h.
#pragma once
#include "catalogue/units.h"
#include "core/convert.h"

struct ConversionState {
    int currentCategory;               // -1 only during start-up
    int fromUnit, toUnit;              // rows of the current category on each side; -1 during start-up
    double fromFactor, toFactor;       // factors (or Temperature codes) of the selected rows
    double fromValue, toValue;         // last value read from or written to each box
    SpecialConverter specialConverter; // for the current category, or 0
    int ActiveSide;                    // 1 From box, 2 To box
    int NumFormat;                     // 0 scientific, 2 automatic, any other fixed
    unsigned short DecimalPlaces;      // 0..15 shown; a stored larger value is kept
};

// The built-in display options, used until settings say otherwise.
const int DEFAULT_NUM_FORMAT = 1;       // fixed notation
const int DEFAULT_DECIMAL_PLACES = 6;

extern ConversionState Conversion;     // the one conversion state of the process

const int DECIMAL_PLACES_SHOWN_MAX = 15;   // the formatter clamps anything larger to this

void OnChooserChanged(int which);      // 0 initialise, 1 category, 2 from unit, 3 to unit
void SelectConversion(int category, int fromIndex, int toIndex);
void Recompute(int side);
void SwapUnits();
// After the user's own units changed: fills the choosers again and shows
// that conversion, or the first category's first units when it is gone.
void ReshowCatalogue(int category, int fromUnit, int toUnit);
// The conversion the window shows, as the state holds it: false during
// start-up and while a unit chooser shows no row at all, when there is no
// conversion on screen to record or swap.
bool ShownConversion(int* category, int* fromUnit, int* toUnit);
// Makes a unit found by name current on one side (BOX_FROM or BOX_TO). In the
// current category only that side's unit changes, as a pick in its chooser
// does; otherwise the category changes and the other side shows the
// category's base unit (BaseUnitIndex). Rows that do not exist are ignored.
void ShowFoundUnit(int category, int unit, int side);
void OnValueBoxFocused(int side);
void OnValueBoxChanged(int side);

// Display options, as the Options menu changes them. Both re-format the passive
// box from the active box's text.
void FlipNumFormat();                  // fixed <-> scientific, whatever value was loaded
void FlipAutomaticNotation();          // fixed <-> automatic; from scientific to automatic
void SetDecimalPlaces(int places);     // 0..15; anything else is ignored

// The decimal places the value boxes actually show (DecimalPlaces clamped to 15).
int ShownDecimalPlaces();
