// A small fake of the conversion state's controls for the lists' tests: the
// choosers remember their items and selection, the boxes their text.
#pragma once
#include <string>
#include <vector>

struct ListsFakeChooser {
    std::vector<std::string> items;
    int selection;   // -1 when none
};

struct ListsFakeView {
    ListsFakeChooser choosers[4];   // 1 category, 2 from unit, 3 to unit
    std::string boxes[3];           // 1 From box, 2 To box
};

extern ListsFakeView FakeControls;

// Empties every control; both boxes show "0".
void ResetFakeControls();
