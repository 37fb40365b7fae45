// The commands that take an answer away or change how it shows: copying it,
// the formula line, automatic notation, the regional decimal symbol and
// keeping the window on top.
#pragma once
#include <windows.h>

// Puts the options loaded from the settings into effect: the decimal symbol
// before the first answer is shown, the window's place above the others.
void ApplyAnswerOptions(HWND window);
// The decimal symbol answers show, from the option and the locale (read by
// HandDownNumberSymbols).
void TakeDecimalSymbol();

void CopyAnswer(HWND window);
void CopyConversion(HWND window);
void FlipAutomatic(HWND window);
void FlipWindowsDecimalSymbol(HWND window);
void FlipAlwaysOnTop(HWND window);
// Check marks of the commands above that carry one.
void UpdateAnswerChecks(HWND window);

// Hands a GlobalAlloc'ed CF_UNICODETEXT block to the clipboard, which then
// owns it (it is freed when that fails).
void PutOnClipboard(HWND window, HGLOBAL unicodeText);

// The formula line (formula_line.cpp), a Unicode static below the value boxes
// that shows only while "Formula" is checked; the window is taller by the
// line then. It is made the first time it shows.
void PlaceFormulaLine(int dpi);
void SetFormulaLineFont(HFONT font);
void FlipFormula(HWND window);
// Shows the current conversion's formula if it changed (or always when forced).
void UpdateFormulaLine(bool force = false);
bool FormulaShown();
