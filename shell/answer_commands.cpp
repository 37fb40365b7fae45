// Copy Answer, Copy Conversion, automatic notation, the Windows decimal
// symbol and Always on Top. The texts are composed in core/answer_text.cpp;
// this side reads the boxes, the locale and the clipboard.
#include "shell/answer_commands.h"
#include "shell/shell.h"
#include "core/answer_text.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/settings_file.h"
#include "res/resource.h"

// A value box's text as the view seam reads it: at most 762 bytes of UTF-8.
const int BOX_TEXT_UTF8 = 768;
const int COPIED_TEXT_UTF8 = 2 * BOX_TEXT_UTF8 + FORMULA_TEXT_SIZE;

static void CheckAnswerItem(HWND window, int id, bool checked)
{
    CheckMenuItem(GetMenu(window), UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void PutOnClipboard(HWND window, HGLOBAL unicodeText)
{
    if (!OpenClipboard(window)) {
        GlobalFree(unicodeText);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, unicodeText)) GlobalFree(unicodeText);   // the clipboard owns it once set
    CloseClipboard();
}

// The clipboard holds utf8 as Unicode text afterwards; an empty text leaves
// it as it was.
static void PutUtf8OnClipboard(HWND window, const char* utf8)
{
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, 0, 0);
    if (units <= 1) return;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(units) * sizeof(wchar_t));
    if (!memory) return;
    wchar_t* text = static_cast<wchar_t*>(GlobalLock(memory));
    if (text) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, units);
    GlobalUnlock(memory);
    if (!text) {
        GlobalFree(memory);
        return;
    }
    PutOnClipboard(window, memory);
}

// The box the user types in, and the one that shows the answer.
static int TypedBox() { return Conversion.ActiveSide == BOX_TO ? BOX_TO : BOX_FROM; }
static int AnswerBox() { return Conversion.ActiveSide == BOX_TO ? BOX_FROM : BOX_TO; }

void CopyAnswer(HWND window)
{
    char shown[BOX_TEXT_UTF8], copied[BOX_TEXT_UTF8];
    ViewBoxGetText(AnswerBox(), shown, sizeof shown);
    ComposeCopiedAnswer(shown, copied, sizeof copied);
    PutUtf8OnClipboard(window, copied);
}

void CopyConversion(HWND window)
{
    int category, fromUnit, toUnit;
    if (!ShownConversion(&category, &fromUnit, &toUnit)) return;
    const bool typedInTo = Conversion.ActiveSide == BOX_TO;
    char typed[BOX_TEXT_UTF8], shown[BOX_TEXT_UTF8], copied[COPIED_TEXT_UTF8];
    ViewBoxGetText(TypedBox(), typed, sizeof typed);
    ViewBoxGetText(AnswerBox(), shown, sizeof shown);
    ComposeCopiedConversion(typed, shown, category, typedInTo ? toUnit : fromUnit, typedInTo ? fromUnit : toUnit,
                            copied, sizeof copied);
    PutUtf8OnClipboard(window, copied);
}

void TakeDecimalSymbol()
{
    AnswerDecimalSymbol = WindowsDecimalSymbol ? LocaleAnswerSymbol : '.';
}

static void ApplyAlwaysOnTop(HWND window)
{
    SetWindowPos(window, AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ApplyAnswerOptions(HWND window)
{
    TakeDecimalSymbol();
    if (AlwaysOnTop) ApplyAlwaysOnTop(window);   // a new window is not topmost already
}

void UpdateAnswerChecks(HWND window)
{
    CheckAnswerItem(window, IDM_OPTIONS_SCIENTIFIC, Conversion.NumFormat == NUM_FORMAT_SCIENTIFIC);
    CheckAnswerItem(window, IDM_OPTIONS_AUTOMATIC, Conversion.NumFormat == NUM_FORMAT_AUTOMATIC);
    CheckAnswerItem(window, IDM_OPTIONS_WINDOWS_DECIMAL, WindowsDecimalSymbol != 0);
    CheckAnswerItem(window, IDM_VIEW_ALWAYS_ON_TOP, AlwaysOnTop != 0);
    CheckAnswerItem(window, IDM_VIEW_FORMULA, FormulaShown());
}

void FlipAutomatic(HWND window)
{
    FlipAutomaticNotation();
    UpdateAnswerChecks(window);
}

// The passive box and the formula line show numbers with the symbol.
void FlipWindowsDecimalSymbol(HWND window)
{
    WindowsDecimalSymbol ^= 1;
    TakeDecimalSymbol();
    Recompute(Conversion.ActiveSide);
    UpdateFormulaLine(true);
    UpdateAnswerChecks(window);
}

void FlipAlwaysOnTop(HWND window)
{
    AlwaysOnTop ^= 1;
    ApplyAlwaysOnTop(window);
    UpdateAnswerChecks(window);
}
