// A fake of the five controls behind the conversion state, for native tests
// and fuzz targets.
// Like the real edit controls, replacing a box's text reports a change for that
// box and moving the focus reports the focus; selecting a chooser item from the
// program reports nothing. The Fake* helpers act as the user does.
#pragma once
#include <string>
#include <vector>

struct FakeChooser {
    std::vector<std::string> items;
    int selection;                 // -1 when none
};

struct FakeBox {
    std::string text;
    int setTextCount;              // texts replaced by the program
};

struct FakeViewState {
    FakeChooser choosers[4];       // 1 category, 2 from unit, 3 to unit
    FakeBox boxes[3];              // 1 From box, 2 To box
    int focusedBox;                // 0 when neither box has the focus
    int changeDepth;               // change notifications currently nested
    int deepestChange;             // the most ever nested: 2 means no echo loop
};

extern FakeViewState FakeView;

// Empties every control; both boxes show "0", as created by the window.
void FakeViewReset();

// The user clicks into a box (focus notification when it moves).
void FakeFocus(int box);
// The user types text at the end of a box, one change notification per character.
void FakeType(int box, const char* text);
// The user deletes everything in a box (one change notification).
void FakeClear(int box);
// The user picks item index in a chooser (a selection-change notification).
void FakePick(int chooser, int index);
