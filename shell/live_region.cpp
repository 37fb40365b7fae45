// Live regions through the accessibility layer's property service. Systems
// without it, and those whose service implements nothing (Wine's answers
// E_NOTIMPL to everything), leave the boxes unmarked; the announcement event
// is raised all the same, for tools that listen to it.
#include "shell/live_region.h"
#include "shell/shell.h"
#include "widgets/com_thread.h"
#include <oleacc.h>

// Written out: MinGW's import libraries carry wrong copies of some
// accessibility GUIDs (its IID_IAccessible is not the interface's).
static const CLSID ACC_PROP_SERVICES_CLASS = { 0xb5f8350b, 0x0548, 0x48b1, { 0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7 } };
static const IID ACC_PROP_SERVICES_INTERFACE = { 0x6e26e776, 0x04f0, 0x495d, { 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69 } };
static const GUID LIVE_SETTING_PROPERTY = { 0xc12bcd8e, 0x2a8e, 0x4950, { 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb } };
static const LONG LIVE_SETTING_POLITE = 1;   // read out when the reader is idle, not interrupting

// The first time only; this loads COM and the accessibility layer.
static void MarkAnswerBoxes(HWND fromBox, HWND toBox)
{
    UseCom();
    IAccPropServices* service = 0;
    if (FAILED(CoCreateInstance(ACC_PROP_SERVICES_CLASS, 0, CLSCTX_INPROC_SERVER, ACC_PROP_SERVICES_INTERFACE,
                                reinterpret_cast<void**>(&service))) || !service)
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = LIVE_SETTING_POLITE;
    const HWND boxes[] = { fromBox, toBox };
    for (HWND box : boxes)
        service->SetHwndProp(box, DWORD(OBJID_CLIENT), CHILDID_SELF, LIVE_SETTING_PROPERTY, polite);   // E_NOTIMPL tolerated
    service->Release();
}

// The boxes are marked just before the first answer anyone can hear, the
// first one after the window shows (a user's first keystroke or pick), not
// while the window is made: the start does not wait for COM, and the window
// does not stop answering the moment it appears, while the focus settles.
void AnnounceAnswer(HWND box)
{
    static bool marked;
    if (!box) return;
    if (!marked && IsWindowVisible(MainWindow)) {
        marked = true;
        MarkAnswerBoxes(FromBox, ToBox);
    }
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, box, OBJID_CLIENT, CHILDID_SELF);
}
