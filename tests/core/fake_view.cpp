// The fake controls: plain strings and vectors behind the view functions.
#include "tests/core/fake_view.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include <cstring>

FakeViewState FakeView;

// Deep enough to show an echo loop without overflowing the stack.
static const int CHANGE_DEPTH_LIMIT = 8;

void FakeViewReset()
{
    for (FakeChooser& chooser : FakeView.choosers) {
        chooser.items.clear();
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

void ViewChooserClear(int chooser)
{
    FakeView.choosers[chooser].items.clear();
    FakeView.choosers[chooser].selection = -1;
}

void ViewChooserAppend(int chooser, const char* text)
{
    FakeView.choosers[chooser].items.push_back(text);
}

void ViewChooserSelect(int chooser, int index)
{
    FakeChooser& c = FakeView.choosers[chooser];
    c.selection = index >= 0 && index < int(c.items.size()) ? index : -1;
}

int ViewChooserSelection(int chooser)
{
    return FakeView.choosers[chooser].selection;
}

int ViewBoxGetText(int box, char* buffer, int size)
{
    if (size <= 0) return 0;
    const std::string& text = FakeView.boxes[box].text;
    int length = int(text.size()) < size - 1 ? int(text.size()) : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

void ViewBoxSetText(int box, const char* text)
{
    FakeView.boxes[box].text = text;
    ++FakeView.boxes[box].setTextCount;
    NotifyChange(box);
}

void ViewBoxFocus(int box)
{
    if (FakeView.focusedBox == box) return;
    FakeView.focusedBox = box;
    OnValueBoxFocused(box);
}

WindowHandle ViewMainWindow()
{
    return 0;
}

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
