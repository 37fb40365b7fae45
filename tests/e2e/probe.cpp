// The probe: a hook DLL that Wine loads into Metrova so the tests can read
// what another process cannot, such as menus, the focus and fonts.
#include "tests/e2e/probe_protocol.h"
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include <utility>

// The item's text as the menu holds it (UTF-16), sent as UTF-8: the 8-bit
// call would hand back the system code page's reading instead.
static std::string MenuText(HMENU menu, int position)
{
    wchar_t text[256] = L"";
    GetMenuStringW(menu, UINT(position), text, 256, MF_BYPOSITION);
    char utf8[768] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, 0, 0);
    return utf8;
}

static void DescribeMenu(HMENU menu, int depth, std::string* out)
{
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, i);
        if (popup) state &= 0xFF;   // a pop-up's high byte is its item count (8 would read as MF_SEPARATOR)
        std::string flags;
        if (state & MF_CHECKED) flags += 'C';
        if (state & MF_SEPARATOR) flags += 'S';
        if (popup) flags += 'P';
        if (state & MF_GRAYED) flags += 'G';
        int id = popup ? -1 : int(GetMenuItemID(menu, i));
        char head[64];
        std::snprintf(head, sizeof head, "%d\t%d\t", depth, id);
        *out += head + flags + "\t" + MenuText(menu, i) + "\n";
        if (popup) DescribeMenu(popup, depth + 1, out);
    }
}

static std::string DescribeFocus()
{
    HWND focus = GetFocus();
    char className[64] = "";
    if (focus) GetClassNameA(focus, className, sizeof className);
    char line[160];
    std::snprintf(line, sizeof line, "%llx\t%d\t%s", (unsigned long long)(UINT_PTR)focus,
                  focus ? GetDlgCtrlID(focus) : 0, className);
    return line;
}

static std::string DescribeFont(const char* handleText)
{
    HWND window = HWND(UINT_PTR(std::strtoull(handleText, 0, 16)));
    HFONT font = HFONT(SendMessageA(window, WM_GETFONT, 0, 0));
    LOGFONTA f;
    if (!font || !GetObjectA(font, sizeof f, &f)) return "none";
    char line[160];
    std::snprintf(line, sizeof line, "%llx\t%s\t%ld\t%ld", (unsigned long long)(UINT_PTR)font,
                  f.lfFaceName, long(f.lfHeight), long(f.lfWeight));
    return line;
}

// What the system sends when the window moves to a monitor of another DPI:
// the new DPI and a suggested rectangle, here the window's own scaled from
// the DPI it is laid out for now (`from`) about its top-left corner.
static std::string SendDpiChanged(HWND window, const char* arguments)
{
    int from = 0, to = 0;
    if (std::sscanf(arguments, "%d %d", &from, &to) != 2 || from <= 0 || to <= 0) return "bad arguments";
    RECT r;
    GetWindowRect(window, &r);
    RECT suggested = { r.left, r.top, r.left + MulDiv(r.right - r.left, to, from),
                       r.top + MulDiv(r.bottom - r.top, to, from) };
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(to, to), LPARAM(&suggested));
    return "ok";
}

// Control ids of the windows that raised EVENT_OBJECT_LIVEREGIONCHANGED since the last "liveregion".
static std::string LiveRegionEvents;

static void CALLBACK OnLiveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    LiveRegionEvents += std::to_string(GetDlgCtrlID(window)) + "\n";
}

static std::string TakeLiveRegionEvents()
{
    static HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, 0,
                                                OnLiveRegionChanged, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    return hook ? std::exchange(LiveRegionEvents, "") : "no hook";
}

static HWND QueriedWindow;   // the main window, once asked
static int NcPaints;         // WM_NCPAINT messages it got since the last "ncpaints"

// Every row of a list view as its cells read (UTF-8, tab-separated).
static std::string DescribeRows(const char* handleText)
{
    HWND list = HWND(UINT_PTR(std::strtoull(handleText, 0, 16)));
    const int rows = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int columns = int(SendMessageW(HWND(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0));
    std::string out;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            wchar_t text[256] = L"";
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 256;
            SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
            char utf8[768] = "";
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, 0, 0);
            out += std::string(column ? "\t" : "") + utf8;
        }
        out += "\n";
    }
    return out;
}

static std::string Answer(HWND window, const std::string& query)
{
    if (query == "menu") {
        std::string out;
        DescribeMenu(GetMenu(window), 0, &out);
        return out;
    }
    if (query == "focus") return DescribeFocus();
    if (query == "acp") return std::to_string(GetACP());
    if (query == "input") return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) ? "waiting" : "none";
    if (query.compare(0, 5, "font ") == 0) return DescribeFont(query.c_str() + 5);
    if (query.compare(0, 5, "rows ") == 0) return DescribeRows(query.c_str() + 5);
    if (query.compare(0, 11, "dpichanged ") == 0) return SendDpiChanged(window, query.c_str() + 11);
    if (query == "liveregion") return TakeLiveRegionEvents();
    if (query == "ncpaints") return std::to_string(std::exchange(NcPaints, 0));
    return "unknown query";
}

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT probeMessage = RegisterWindowMessageA(PROBE_MESSAGE);
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_NCPAINT && message->hwnd == QueriedWindow) ++NcPaints;
    if (code == HC_ACTION && message->message == probeMessage) {
        QueriedWindow = message->hwnd;
        char query[256] = "";
        GlobalGetAtomNameA(ATOM(message->lParam), query, sizeof query);
        std::string reply = Answer(message->hwnd, query);
        COPYDATASTRUCT data = { PROBE_REPLY, DWORD(reply.size() + 1), (void*)reply.c_str() };
        DWORD_PTR ignored;
        SendMessageTimeoutA(HWND(message->wParam), WM_COPYDATA, WPARAM(message->hwnd),
                            LPARAM(&data), SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    return CallNextHookEx(0, code, wParam, lParam);
}
