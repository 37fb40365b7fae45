// The record of the recent list, the favourites and their settings entries
// (a category index and two unit indexes of that category), and what both
// lists do with one.
#pragma once

struct ConversionTriple {
    int category;
    int fromIndex;
    int toIndex;
};

bool operator==(const ConversionTriple& a, const ConversionTriple& b);

// A menu item's text: two unit names of at most 39 characters and " ~ " fit
// with room to spare.
const int LIST_ITEM_TEXT_SIZE = 260;

// "%s ~ %s" with the entry's from-unit and to-unit names, cut to fit `size`
// bytes. An entry outside the catalogue gives an empty text.
void FormatConversionText(const ConversionTriple& entry, char* buffer, int size);

// The conversion state's current category and units (ShownConversion);
// false when the window shows none.
bool ReadChosenConversion(ConversionTriple* chosen);

// Whether the entry names a category and two units that exist, so that its
// indexes may be used on the catalogue tables.
bool IsConversionInCatalog(const ConversionTriple& entry);

// Makes the entry the current conversion, when it is in the catalogue.
void ApplyConversion(const ConversionTriple& entry);
