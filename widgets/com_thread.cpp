// COM on the window thread, started once when first needed (see com_thread.h).
#include "widgets/com_thread.h"
#include <objbase.h>

static bool Tried;     // UseCom ran
static bool Started;   // and COM started: EndCom ends it

void UseCom()
{
    if (Tried) return;
    Tried = true;
    Started = SUCCEEDED(CoInitializeEx(0, COINIT_APARTMENTTHREADED));
}

void EndCom()
{
    if (Started) CoUninitialize();
    Started = false;
}
