// The matcher behind the "Find Unit" box: which catalogue rows a typed query
// finds and in what order, and the text of one found row. Plain code over the
// catalogue, no window; the dialog calls it at every keystroke.
#pragma once
#include "catalogue/units.h"

const int FIND_QUERY_MAX = 63;          // bytes of a query looked at; the rest is ignored
const int FOLD_MAX = 3;                 // bytes one byte folds to at most (0xBC, one quarter, to "1/4")
const int FOLDED_NAME_MAX = UNIT_NAME_MAX * FOLD_MAX;  // a folded name, NUL not counted

// Name, " \xB7 ", category, " \xB7 ", size, blank, base unit, NUL: 39 + 3 + 31 + 3 +
// 22 + 1 + 39 + 1 = 139 at most today; room to spare.
const int FOUND_ROW_TEXT_MAX = 160;
const int SHORT_NUMBER_MAX = 24;        // "-1.23456789012345E-300" and a NUL fit

// One found row.
struct UnitMatch {
    short category;   // category index
    short unit;       // index into that category's units
};

// What one Windows-1252 byte folds to: lower-case ASCII, at most FOLD_MAX
// bytes. Letters lose their accents (0xE9 e-acute "e", 0xE6 ae "ae", 0xDF
// sharp s "ss"), superscripts and fractions become digits (0xB2 "2", 0xBD
// "1/2"), 0xB5 micro "u", 0xD7 times "x", 0xF7 divide "/", 0x99 trade mark
// "tm", typographic quotes and dashes their ASCII twins. Control bytes,
// undefined bytes and every other sign (degree, middle dot, euro, copyright,
// no-break space, ...) become a blank, so they separate words; the soft
// hyphen folds to nothing.
const char* FoldedByte(unsigned char byte);

// Folds text (Windows-1252, NUL-terminated, at most `length` bytes looked at)
// into out: every byte by FoldedByte, the entity texts "&sup1;" "&sup2;"
// "&sup3;" "&nbsp;" "&deg;" "&micro;" as the characters they stand for, a
// point right after a letter dropped ("U.S." folds to "us", "2.5" stays),
// blanks at both ends dropped and every run of blanks made one. Writes at most
// outSize - 1 bytes and a NUL; returns the bytes written before the NUL.
int FoldUnitText(const char* text, int length, char* out, int outSize);

// Every row whose folded name holds every blank-separated word of the folded
// query (the first FIND_QUERY_MAX bytes of it), in any order. A "per" after a
// word joins its neighbours with "/", as the names write it ("cubic foot per
// minute" looks for "cubic" and "foot/minute"). Ranked:
//   0  the name equals the query;
//   1  the name starts with the query;
//   2  a word of the name starts with the query's first word;
//   3  the rest;
// by category index then unit index within each rank. Words of a name are
// separated by any byte but a letter, a digit, an apostrophe or a point; the
// first query word starts a word where it occurs at the start of the name or
// right after a separator ("minute" in "ft2/minute", "east" in "block [east
// us]"; "s" in "miner's" and "5" in "#2.5 can" do not). A query without words
// finds every row in catalogue order. Writes at most `capacity` rows, the best
// first, and returns how many it wrote; TotalUnitCount() rows hold every
// answer. Allocates only the first time, and when the catalogue has grown.
int FindUnits(const char* query, UnitMatch* results, int capacity);

// A size as short text from FormatReal's correctly rounded digits, rounded to
// 15 significant digits and trimmed of trailing zeros: fixed notation from
// 10^-4 up to below 10^15 ("201.168", "0.0254", "0.00017638888889") where it
// needs at most the 18 digits ParseReal reads back, scientific otherwise with
// a plain exponent ("2.11666666666667E-4", "3.08567758149137E+16"). Writes at
// most SHORT_NUMBER_MAX bytes, NUL included; returns the length, or 0 with out
// empty for a NaN or infinity.
int FormatShortNumber(double value, char* out);

// A found row as the dialog lists it: "furlong \xB7 All Length & Distance
// \xB7 201.168 meter" (0xB7 is the middle dot), or for Temperature only
// "degree Celsius \xB7 Temperature". Blanks that end a unit name are left out.
// Writes at most outSize - 1 bytes and a NUL; returns the bytes written before
// the NUL, 0 with out empty for indexes that name no row.
int FormatFoundRow(int category, int unit, char* out, int outSize);
