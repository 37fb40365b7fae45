// The commands that take an answer away or change how it shows: copying it,
// the formula line, automatic notation, the regional decimal symbol and
// keeping the window on top.
#pragma once
#include <windows.h>

// Puts the options loaded from the settings into effect: the decimal symbol
// before the first answer is shown, the window's place above the others.
void ApplyAnswerOptions(HWND window);

void CopyAnswer(HWND window);
void CopyConversion(HWND window);
void FlipAutomatic(HWND window);
void FlipWindowsDecimalSymbol(HWND window);
void FlipAlwaysOnTop(HWND window);
// Check marks of the commands above that carry one.
void UpdateAnswerChecks(HWND window);

// The conversion the window shows: category and the two units; false while
// a chooser has no selection.
bool CurrentConversion(int* category, int* fromUnit, int* toUnit);

// The formula line (formula_line.cpp), a Unicode static below the value boxes
// that shows only while "Formula" is checked; the window is taller by the
// line then.
void CreateFormulaLine(HWND window, int dpi);
void PlaceFormulaLine(int dpi);
void SetFormulaLineFont(HFONT font);
void FlipFormula(HWND window);
// Shows the current conversion's formula if it changed (or always when forced).
void UpdateFormulaLine(bool force = false);
bool FormulaShown();
