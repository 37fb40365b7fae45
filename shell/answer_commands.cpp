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

// A value box holds at most 20 typed characters, but a program-set text may
// be longer; 256 UTF-16 units are 768 bytes of UTF-8 at most.
const int BOX_TEXT_UNITS = 256;
const int BOX_TEXT_UTF8 = 3 * BOX_TEXT_UNITS;
const int COPIED_TEXT_UTF8 = 2 * BOX_TEXT_UTF8 + FORMULA_TEXT_SIZE;

static void CheckAnswerItem(HWND window, int id, bool checked)
{
    CheckMenuItem(GetMenu(window), UINT(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool CurrentConversion(int* category, int* fromUnit, int* toUnit)
{
    *category = Conversion.currentCategory;
    *fromUnit = ViewChooserSelection(CHOOSER_FROM_UNIT);
    *toUnit = ViewChooserSelection(CHOOSER_TO_UNIT);
    return *category >= 0 && *fromUnit >= 0 && *toUnit >= 0;
}

// A box's text as UTF-8, read with the wide call whatever kind of window
// the box is.
static void ReadBoxUtf8(HWND box, char* utf8)
{
    wchar_t text[BOX_TEXT_UNITS];
    int units = GetWindowTextW(box, text, BOX_TEXT_UNITS);
    if (units < 0) units = 0;
    text[units] = L'\0';
    if (!WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, BOX_TEXT_UTF8, 0, 0)) utf8[0] = '\0';
}

// The clipboard holds utf8 as Unicode text afterwards; an empty text leaves
// it as it was.
static void PutOnClipboard(HWND window, const char* utf8)
{
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, 0, 0);
    if (units <= 1) return;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(units) * sizeof(wchar_t));
    if (!memory) return;
    wchar_t* text = static_cast<wchar_t*>(GlobalLock(memory));
    if (text) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, units);
    GlobalUnlock(memory);
    if (!text || !OpenClipboard(window)) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);   // the clipboard owns it once set
    CloseClipboard();
}

// The box the user types in, and the one that shows the answer.
static HWND TypedBox() { return Conversion.ActiveSide == BOX_TO ? ToBox : FromBox; }
static HWND AnswerBox() { return Conversion.ActiveSide == BOX_TO ? FromBox : ToBox; }

void CopyAnswer(HWND window)
{
    char shown[BOX_TEXT_UTF8], copied[BOX_TEXT_UTF8];
    ReadBoxUtf8(AnswerBox(), shown);
    ComposeCopiedAnswer(shown, copied, sizeof copied);
    PutOnClipboard(window, copied);
}

void CopyConversion(HWND window)
{
    int category, fromUnit, toUnit;
    if (!CurrentConversion(&category, &fromUnit, &toUnit)) return;
    const bool typedInTo = Conversion.ActiveSide == BOX_TO;
    char typed[BOX_TEXT_UTF8], shown[BOX_TEXT_UTF8], copied[COPIED_TEXT_UTF8];
    ReadBoxUtf8(TypedBox(), typed);
    ReadBoxUtf8(AnswerBox(), shown);
    ComposeCopiedConversion(typed, shown, category, typedInTo ? toUnit : fromUnit, typedInTo ? fromUnit : toUnit,
                            copied, sizeof copied);
    PutOnClipboard(window, copied);
}

// The user's decimal symbol as one Windows-1252 byte; '.' when the locale's
// is longer, has no such byte, or could be read as part of a number.
static char LocaleDecimalSymbol()
{
    wchar_t symbol[8] = L"";
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 8) != 2) return '.';
    char byte[2] = "";
    BOOL substituted = FALSE;
    if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, symbol, 1, byte, 1, 0, &substituted) != 1 || substituted)
        return '.';
    const char c = byte[0];
    const bool numberLike = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E' || c == ' ';
    return numberLike || c == '\0' ? '.' : c;
}

static void TakeDecimalSymbol()
{
    AnswerDecimalSymbol = WindowsDecimalSymbol ? LocaleDecimalSymbol() : '.';
}

static void ApplyAlwaysOnTop(HWND window)
{
    SetWindowPos(window, AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ApplyAnswerOptions(HWND window)
{
    TakeDecimalSymbol();
    ApplyAlwaysOnTop(window);
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
