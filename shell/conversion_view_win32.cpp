// The conversion state's view on the real controls of the main window.
#include "core/conversion_view.h"
#include "catalogue/units.h"
#include "catalogue/wide_name_win32.h"
#include "shell/live_region.h"
#include "shell/shell.h"

static HWND Chooser(int chooser)
{
    switch (chooser) {
    case CHOOSER_CATEGORY: return CategoryChooser;
    case CHOOSER_FROM_UNIT: return FromUnitChooser;
    case CHOOSER_TO_UNIT: return ToUnitChooser;
    default: return 0;
    }
}

// A chooser being refilled (cleared, then appended to row by row) does not
// redraw or update its list's scroll bar for every row; it starts again when
// an item is selected or the selection read, which always follows a refill.
static bool Refilling[4];   // by chooser id

static void EndRefill(int chooser, HWND control)
{
    if (!Refilling[chooser]) return;
    Refilling[chooser] = false;
    SendMessageA(control, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control, 0, TRUE);
}

static HWND Box(int box)
{
    return box == BOX_FROM ? FromBox : box == BOX_TO ? ToBox : 0;
}

void ViewChooserClear(int chooser)
{
    HWND control = Chooser(chooser);
    if (!control) return;
    if (!Refilling[chooser]) SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    Refilling[chooser] = true;
    SendMessageA(control, CB_RESETCONTENT, 0, 0);
}

void ViewChooserAppend(int chooser, const char* text)
{
    // Category and unit names alike are at most UNIT_NAME_MAX characters of
    // Windows-1252; the choosers are Unicode windows, so the system's code
    // page never reads them. Not sorted, so adding appends.
    wchar_t name[UNIT_NAME_MAX + 1];
    WidenName(text, name, UNIT_NAME_MAX + 1);
    SendMessageW(Chooser(chooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

void ViewChooserAppendUtf8(int chooser, const char* text)
{
    wchar_t name[CUSTOM_NAME_SIZE];
    if (!MultiByteToWideChar(CP_UTF8, 0, text, -1, name, CUSTOM_NAME_SIZE)) name[0] = L'\0';
    SendMessageW(Chooser(chooser), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
}

void ViewChooserSelect(int chooser, int index)
{
    HWND control = Chooser(chooser);
    SendMessageA(control, CB_SETCURSEL, WPARAM(index), 0);
    if (control) EndRefill(chooser, control);
}

int ViewChooserSelection(int chooser)
{
    HWND control = Chooser(chooser);
    if (control) EndRefill(chooser, control);
    return int(SendMessageA(control, CB_GETCURSEL, 0, 0));   // CB_ERR is -1
}

// The boxes are Unicode windows; their text crosses the seam as UTF-8. A
// box holds at most 254 UTF-16 units here (it takes 64 characters), which
// is at most 762 bytes of UTF-8; a text that does not fit size comes back
// empty rather than cut inside a character.
const int BOX_TEXT_UNITS = 255;

int ViewBoxGetText(int box, char* buffer, int size)
{
    if (size <= 0) return 0;
    buffer[0] = '\0';
    wchar_t wide[BOX_TEXT_UNITS];
    int units = GetWindowTextW(Box(box), wide, BOX_TEXT_UNITS);
    if (units <= 0) return 0;
    int written = WideCharToMultiByte(CP_UTF8, 0, wide, units, buffer, size - 1, 0, 0);
    if (written <= 0) written = 0;
    buffer[written] = '\0';
    return written;
}

// Only the answer box is ever set, once for each answer: the place to announce it.
void ViewBoxSetText(int box, const char* text)
{
    wchar_t wide[BOX_TEXT_UNITS];
    int units = MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, BOX_TEXT_UNITS);
    if (units <= 0) wide[0] = L'\0';
    SetWindowTextW(Box(box), wide);
    AnnounceAnswer(Box(box));
}

// While the main window is being created it is hidden and inactive, and
// focusing a child would activate it there and then, an activation that the
// showing repeats (under Wine the costliest step of the creation). Instead the
// box is noted as the one that had the focus last, and the activation that
// comes with the showing gives it the focus.
void ViewBoxFocus(int box)
{
    if (!IsWindowVisible(MainWindow)) {
        RememberFocusedControl(Box(box));
        return;
    }
    SetFocus(Box(box));
}
