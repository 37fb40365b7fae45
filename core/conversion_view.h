// The five controls behind the conversion state, reached through plain
// functions: the Windows shell implements them with the real choosers and
// edit boxes, the native tests with a fake.
#pragma once

// Chooser ids (also the values OnChooserChanged receives).
const int CHOOSER_CATEGORY = 1;
const int CHOOSER_FROM_UNIT = 2;
const int CHOOSER_TO_UNIT = 3;

// Value box ids (also the values of ActiveSide).
const int BOX_FROM = 1;
const int BOX_TO = 2;

void ViewChooserClear(int chooser);
void ViewChooserAppend(int chooser, const char* text);
// The same for a name in UTF-8 (the user's own units and categories).
void ViewChooserAppendUtf8(int chooser, const char* text);
void ViewChooserSelect(int chooser, int index);
int ViewChooserSelection(int chooser);  // -1 when nothing is selected

// Copies at most size - 1 characters and a NUL; returns the characters copied.
int ViewBoxGetText(int box, char* buffer, int size);
void ViewBoxSetText(int box, const char* text);
void ViewBoxFocus(int box);

// The passive box has a new answer or the conversion behind it changed (units,
// category, options, the side typed in): views that follow it, such as All
// Units, read it again.
void ViewConversionChanged();
