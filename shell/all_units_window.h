// The All Units window: the typed value in every unit of the current
// category, beside the main window, following every change made there.
#pragma once
#include <windows.h>

// Opens the window beside owner, where it was last, or brings it forward.
void ShowAllUnitsWindow(HWND owner);
// The message loop's part for the window: its dialog keys (Tab, Enter,
// Escape); true when the message has been handled.
bool TranslateAllUnitsMessage(MSG* message);
