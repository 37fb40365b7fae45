// The answer box as a polite live region: a screen reader reads out each new
// answer while the user stays in the box they type in.
#pragma once
#include <windows.h>

// Marks both value boxes (either may show the answer) as polite live regions
// where the system offers it; where it does not, nothing happens.
void MarkAnswerBoxes(HWND fromBox, HWND toBox);
// Tells accessibility tools that box shows a new answer.
void AnnounceAnswer(HWND box);
