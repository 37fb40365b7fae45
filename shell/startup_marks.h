// Timing marks for the start-up benchmark (bench/startup). A build configured
// with METROVA_STARTUP_MARKS notes when each step of the start-up ends and,
// once the first paint is done, appends them as one line to a file beside the
// program named as the program with ".marks" for ".exe"; every other build
// compiles the marks to nothing.
#pragma once
#include <windows.h>

#ifdef METROVA_STARTUP_MARKS
// Notes that the named step has just ended (milliseconds since the process began).
void StartupMark(const char* step);
// From the message loop: once no message and no paint is waiting, notes
// "painted" and writes the marks; later calls do nothing.
void StartupMarkWhenPainted();
#else
inline void StartupMark(const char*) {}
inline void StartupMarkWhenPainted() {}
#endif
