// The keyboard in the main window: the accelerators (Ctrl+F, Ctrl+Shift+C), Tab and
// Shift+Tab between the five controls through the dialog manager, and browsing a unit chooser with the
// keys without recording every unit passed.
//
// A unit chosen with the mouse is offered to the recent list at once. A unit
// reached with the keys (or the wheel) is only shown: the browse is settled,
// and the conversion it arrived at offered, when the chooser's list closes,
// the chooser loses the focus, Enter is pressed, or the window goes.
#include "shell/shell.h"
#include "lists/recent_list.h"

bool DispatchingBrowsingInput;   // a key or wheel message is being handled
static bool BrowseUnsettled;     // a unit reached by browsing has not been offered yet

static bool IsBrowsingInput(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}

HACCEL Accelerators;   // Ctrl+F, Ctrl+Shift+C

bool TranslateMainWindowMessage(HWND window, MSG* message)
{
    if (Accelerators && TranslateAcceleratorA(window, Accelerators, message)) return true;
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) SettleChooserBrowsing(window);
    // The dialog manager dispatches what it does not consume itself, so the
    // flag must be up around it.
    DispatchingBrowsingInput = IsBrowsingInput(message->message);
    bool handled = IsDialogMessageA(window, message) != 0;
    DispatchingBrowsingInput = false;
    return handled;
}

void OfferUnitChoice(HWND window)
{
    if (DispatchingBrowsingInput) {
        BrowseUnsettled = true;
        return;
    }
    BrowseUnsettled = false;
    AddRecent(window);
}

void SettleChooserBrowsing(HWND window)
{
    if (!BrowseUnsettled) return;
    BrowseUnsettled = false;
    AddRecent(window);
}
