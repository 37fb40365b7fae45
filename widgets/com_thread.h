// COM on the window thread, started the first time something needs it:
// accessibility tools reach the links' accessible objects through it, and
// the live-region service is reached through it. A start that nobody asks
// for it does not load it.
#pragma once

// Starts COM (single-threaded apartment) on the calling thread, once; the
// callers go on either way, as a failure only leaves them without COM.
void UseCom();

// Ends what UseCom started, at exit.
void EndCom();
