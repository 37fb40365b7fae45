// The fake controls: plain strings and vectors behind the view functions.
#include "tests/support/fake_view.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include <cstring>

FakeViewState FakeView;

// Deep enough to show an echo loop without overflowing the stack.
static const int CHANGE_DEPTH_LIMIT = 8;

// Item strings cleared from the choosers, kept for the next fill: a category
// change refills hundreds of unit names, and allocating each of them anew was
// much of the settings fuzz target's time.
static std::vector<std::string> SpareItems;

static void ClearItems(FakeChooser& chooser)
{
    for (std::string& item : chooser.items)
        SpareItems.push_back(std::move(item));
    chooser.items.clear();
}

void FakeViewReset()
{
    for (FakeChooser& chooser : FakeView.choosers) {
        ClearItems(chooser);
        chooser.selection = -1;
    }
    for (FakeBox& box : FakeView.boxes) {
        box.text = "0";
        box.setTextCount = 0;
    }
    FakeView.focusedBox = 0;
    FakeView.changeDepth = 0;
    FakeView.deepestChange = 0;
}

// A box's text changed: the edit control's change notification.
static void NotifyChange(int box)
{
    ++FakeView.changeDepth;
    if (FakeView.changeDepth > FakeView.deepestChange) FakeView.deepestChange = FakeView.changeDepth;
    if (FakeView.changeDepth < CHANGE_DEPTH_LIMIT) OnValueBoxChanged(box);
    --FakeView.changeDepth;
}

static bool IsChooser(int chooser) { return chooser >= 1 && chooser <= 3; }
static bool IsBox(int box) { return box == 1 || box == 2; }

void ViewChooserClear(int chooser)
{
    if (!IsChooser(chooser)) return;
    ClearItems(FakeView.choosers[chooser]);
    FakeView.choosers[chooser].selection = -1;
}

void ViewChooserAppendUtf8(int chooser, const char* text)
{
    ViewChooserAppend(chooser, text);
}

void ViewChooserAppend(int chooser, const char* text)
{
    if (!IsChooser(chooser)) return;
    std::vector<std::string>& items = FakeView.choosers[chooser].items;
    if (SpareItems.empty()) {
        items.push_back(text);
        return;
    }
    items.push_back(std::move(SpareItems.back()));
    SpareItems.pop_back();
    items.back() = text;   // in the spare string's own storage when it fits
}

void ViewChooserSelect(int chooser, int index)
{
    if (!IsChooser(chooser)) return;
    // Like a combo box: an index outside the items selects nothing.
    FakeChooser& c = FakeView.choosers[chooser];
    c.selection = index >= 0 && index < int(c.items.size()) ? index : -1;
}

int ViewChooserSelection(int chooser)
{
    return IsChooser(chooser) ? FakeView.choosers[chooser].selection : -1;
}

int ViewBoxGetText(int box, char* buffer, int size)
{
    if (size <= 0) return 0;
    const std::string text = IsBox(box) ? FakeView.boxes[box].text : std::string();
    int length = int(text.size()) < size - 1 ? int(text.size()) : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

void ViewBoxSetText(int box, const char* text)
{
    if (!IsBox(box)) return;
    FakeView.boxes[box].text = text;
    ++FakeView.boxes[box].setTextCount;
    NotifyChange(box);
}

void ViewBoxFocus(int box)
{
    if (!IsBox(box) || FakeView.focusedBox == box) return;
    FakeView.focusedBox = box;
    OnValueBoxFocused(box);
}

void ViewConversionChanged() {}   // the rows are read back when a test asks

void FakeFocus(int box)
{
    ViewBoxFocus(box);
}

void FakeType(int box, const char* text)
{
    FakeFocus(box);
    for (const char* p = text; *p; ++p) {
        FakeView.boxes[box].text += *p;
        NotifyChange(box);
    }
}

void FakeClear(int box)
{
    FakeFocus(box);
    FakeView.boxes[box].text.clear();
    NotifyChange(box);
}

void FakePick(int chooser, int index)
{
    ViewChooserSelect(chooser, index);
    OnChooserChanged(chooser);
}
