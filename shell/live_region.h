// The answer box as a polite live region: a screen reader reads out each new
// answer while the user stays in the box they type in.
#pragma once
#include <windows.h>

// Tells accessibility tools that box shows a new answer. The first time the
// window shows, both value boxes (either may show the answer) are marked as
// polite live regions where the system offers it; where it does not,
// nothing more happens.
void AnnounceAnswer(HWND box);
