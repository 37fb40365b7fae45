#include "tests/lists/fake_view.h"

#include <string.h>

#include "core/conversion_view.h"

ListsFakeView FakeControls;

void ResetFakeControls()
{
    for (ListsFakeChooser& chooser : FakeControls.choosers) {
        chooser.items.clear();
        chooser.selection = -1;
    }
    FakeControls.boxes[1] = "0";
    FakeControls.boxes[2] = "0";
}

static bool IsChooser(int chooser) { return chooser >= 1 && chooser <= 3; }
static bool IsBox(int box) { return box == 1 || box == 2; }

void ViewChooserClear(int chooser)
{
    if (!IsChooser(chooser)) return;
    FakeControls.choosers[chooser].items.clear();
    FakeControls.choosers[chooser].selection = -1;
}

void ViewChooserAppend(int chooser, const char* text)
{
    if (IsChooser(chooser)) FakeControls.choosers[chooser].items.push_back(text);
}

void ViewChooserSelect(int chooser, int index)
{
    if (!IsChooser(chooser)) return;
    ListsFakeChooser& c = FakeControls.choosers[chooser];
    // Like a combo box: an index outside the items selects nothing.
    c.selection = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
}

int ViewChooserSelection(int chooser)
{
    return IsChooser(chooser) ? FakeControls.choosers[chooser].selection : -1;
}

int ViewBoxGetText(int box, char* buffer, int size)
{
    if (size <= 0) return 0;
    const std::string text = IsBox(box) ? FakeControls.boxes[box] : std::string();
    int length = static_cast<int>(text.size());
    if (length > size - 1) length = size - 1;
    memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

void ViewBoxSetText(int box, const char* text)
{
    if (IsBox(box)) FakeControls.boxes[box] = text;
}

void ViewBoxFocus(int) {}

WindowHandle ViewMainWindow()
{
    return nullptr;
}
