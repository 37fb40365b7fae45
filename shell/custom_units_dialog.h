// The Custom Units box (Options, "Custom Units..."): lists the user's own
// units and adds, edits and deletes them, each change written at once.
#pragma once
#include <windows.h>

void RunCustomUnitsDialog(HWND owner);
