// The formula line: the factor between the two current units both ways,
// below the value boxes, while "Formula" is checked. It is a Unicode static
// so that "≈", "°" and every catalogue name show whatever the code page.
#include "shell/answer_commands.h"
#include "shell/shell.h"
#include "core/answer_text.h"
#include "core/conversion_state.h"
#include "res/resource.h"
#include "widgets/dpi.h"

// At 96 DPI: two lines of the 8-point font below the value boxes (which end
// at 170), and the window taller by the line and the 6-pixel gap above it.
const int FORMULA_X96 = 10;
const int FORMULA_Y96 = 176;
const int FORMULA_WIDTH96 = 440;
const int FORMULA_HEIGHT96 = 28;
const int FORMULA_GROWTH96 = FORMULA_HEIGHT96 + 6;

static HWND FormulaLine;                    // the static, hidden while the choice is off
static bool Shown;                          // "Formula" is checked
static int LastConversion[3] = { -1, -1, -1 };   // what the line shows: category, from, to

bool FormulaShown() { return Shown; }

// Not wrapped: a direction too long for the line is cut at the right, and
// the other stays in view. Made the first time the line is shown, so a start
// without it does not pay for it.
static void CreateFormulaLine(HWND window, int dpi)
{
    FormulaLine = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_LEFTNOWORDWRAP | SS_NOPREFIX, ScaleForDpi(FORMULA_X96, dpi),
                                  ScaleForDpi(FORMULA_Y96, dpi), ScaleForDpi(FORMULA_WIDTH96, dpi),
                                  ScaleForDpi(FORMULA_HEIGHT96, dpi), window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FORMULA_LINE)), Instance, 0);
    SendMessageW(FormulaLine, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont), FALSE);
}

void PlaceFormulaLine(int dpi)
{
    if (!FormulaLine) return;
    SetWindowPos(FormulaLine, 0, ScaleForDpi(FORMULA_X96, dpi), ScaleForDpi(FORMULA_Y96, dpi),
                 ScaleForDpi(FORMULA_WIDTH96, dpi), ScaleForDpi(FORMULA_HEIGHT96, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetFormulaLineFont(HFONT font)
{
    if (FormulaLine) SendMessageW(FormulaLine, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void UpdateFormulaLine(bool force)
{
    int conversion[3];
    if (!Shown || !ShownConversion(&conversion[0], &conversion[1], &conversion[2])) return;
    if (!force && conversion[0] == LastConversion[0] && conversion[1] == LastConversion[1] &&
        conversion[2] == LastConversion[2])
        return;
    char utf8[FORMULA_TEXT_SIZE];
    ComposeFormulaText(conversion[0], conversion[1], conversion[2], utf8, sizeof utf8);
    wchar_t text[FORMULA_TEXT_SIZE];
    if (!MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text, FORMULA_TEXT_SIZE)) text[0] = L'\0';
    SetWindowTextW(FormulaLine, text);
    for (int i = 0; i < 3; ++i) LastConversion[i] = conversion[i];
}

// The window grows by the line or shrinks back; its top-left corner stays.
void FlipFormula(HWND window)
{
    Shown = !Shown;
    const int dpi = WindowDpi(window);
    if (!FormulaLine) CreateFormulaLine(window, dpi);
    RECT outer;
    GetWindowRect(window, &outer);
    const int growth = ScaleForDpi(FORMULA_GROWTH96, dpi);
    SetWindowPos(window, 0, 0, 0, outer.right - outer.left, outer.bottom - outer.top + (Shown ? growth : -growth),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateFormulaLine(true);
    ShowWindow(FormulaLine, Shown ? SW_SHOWNA : SW_HIDE);
    UpdateAnswerChecks(window);
}
