// The test driver's side: process control, control access and the probe.
#include "tests/e2e/driver.h"
#include "res/resource.h"
#include "tests/e2e/probe_protocol.h"
#include <shlobj.h>
#include <winioctl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Build-tree paths of the program and the probe, as Unix paths (see CMakeLists.txt).
#ifndef METROVA_EXE
#error "METROVA_EXE must name metrova.exe"
#endif
#ifndef METROVA_PROBE_DLL
#error "METROVA_PROBE_DLL must name the probe DLL"
#endif

// Wine shows the Unix root as drive Z:.
static std::string WindowsPath(const char* unixPath)
{
    std::string path = unixPath;
    if (path.size() > 1 && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// --- Starting and stopping -------------------------------------------------

std::string MetrovaExePath()
{
    return WindowsPath(METROVA_EXE);
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND found;
};

static BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && ClassOf(window) == search->className && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process with this class, or 0.
static HWND VisibleWindowOf(DWORD processId, const char* className)
{
    WindowSearch search = { processId, className, 0 };
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static HANDLE CreateKillingJob()
{
    HANDLE job = CreateJobObjectA(0, 0);
    if (!job) return 0;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

static bool InstallProbe(MetrovaApp* app, std::string* why)
{
    static HMODULE probe = LoadLibraryA(WindowsPath(METROVA_PROBE_DLL).c_str());
    HOOKPROC proc = probe ? reinterpret_cast<HOOKPROC>(
                                reinterpret_cast<void*>(GetProcAddress(probe, PROBE_HOOK_NAME)))
                          : 0;
    if (!proc) {
        *why = "cannot load the probe " + WindowsPath(METROVA_PROBE_DLL);
        return false;
    }
    app->probe = SetWindowsHookExA(WH_CALLWNDPROC, proc, probe, app->process.dwThreadId);
    if (!app->probe) {
        *why = "cannot hook Metrova's window thread";
        return false;
    }
    return true;
}

bool StartMetrova(MetrovaApp* app, std::string* why, const char* exePath, const char* currentDirectory)
{
    *app = MetrovaApp();
    std::string exe = exePath ? exePath : MetrovaExePath();
    std::string commandLine = "\"" + exe + "\"";

    // Metrova's output goes nowhere: an inherited pipe would keep the test runner waiting.
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, 0, TRUE };
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, OPEN_EXISTING, 0, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;

    app->job = CreateKillingJob();
    BOOL started = CreateProcessA(exe.c_str(), &commandLine[0], 0, 0, TRUE, CREATE_SUSPENDED, 0,
                                  currentDirectory, &startup, &app->process);
    DWORD error = started ? 0 : GetLastError();
    if (!started && error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        // Wine now and then refuses a start while the previous program is
        // still going away: one more try after a moment.
        Sleep(500);
        started = CreateProcessA(exe.c_str(), &commandLine[0], 0, 0, TRUE, CREATE_SUSPENDED, 0,
                                 currentDirectory, &startup, &app->process);
        error = started ? 0 : GetLastError();
    }
    CloseHandle(nul);
    if (!started) {
        *why = "CreateProcess failed for " + exe + " (error " + std::to_string(error) + ")";
        app->process = PROCESS_INFORMATION();
        return false;
    }
    if (app->job) AssignProcessToJobObject(app->job, app->process.hProcess);
    ResumeThread(app->process.hThread);

    // The main window appears, visible, when CreateWindowEx returns in Metrova.
    DWORD started_at = GetTickCount();
    HWND found = 0;
    while (!found) {
        if (WaitForSingleObject(app->process.hProcess, 50) == WAIT_OBJECT_0) {
            *why = "Metrova ended before showing its window";
            return false;
        }
        if (GetTickCount() - started_at > DRIVER_START_TIMEOUT_MS) {
            *why = "no visible Metrova window after 20 s";
            return false;
        }
        found = VisibleWindowOf(app->process.dwProcessId, "metrova");
    }
    app->window = found;
    // The window thread is the one that created the window.
    app->process.dwThreadId = GetWindowThreadProcessId(app->window, 0);
    return InstallProbe(app, why);
}

bool IsRunning(const MetrovaApp* app)
{
    return app->process.hProcess && WaitForSingleObject(app->process.hProcess, 0) == WAIT_TIMEOUT;
}

bool WaitForExit(MetrovaApp* app, DWORD timeoutMs, DWORD* exitCode)
{
    if (!app->process.hProcess) return false;
    if (WaitForSingleObject(app->process.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(app->process.hProcess, exitCode) != 0;
}

void StopMetrova(MetrovaApp* app)
{
    if (app->probe) UnhookWindowsHookEx(app->probe);
    if (IsRunning(app)) {
        // Closing as the user would; a program that does not end is killed.
        PostMessageA(app->window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(app->process.hProcess, 3000) != WAIT_OBJECT_0) {
            TerminateProcess(app->process.hProcess, 99);
            WaitForSingleObject(app->process.hProcess, 3000);
        }
    }
    if (app->process.hProcess) CloseHandle(app->process.hProcess);
    if (app->process.hThread) CloseHandle(app->process.hThread);
    if (app->job) CloseHandle(app->job);
    *app = MetrovaApp();
}

// --- Windows and controls --------------------------------------------------

struct ChildSearch {
    const char* className;
    int id;
    HWND found;
};

static BOOL CALLBACK FindChildProc(HWND child, LPARAM lParam)
{
    ChildSearch* search = reinterpret_cast<ChildSearch*>(lParam);
    if (GetDlgCtrlID(child) == search->id && lstrcmpiA(ClassOf(child).c_str(), search->className) == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND FindChild(HWND parent, const char* className, int id)
{
    ChildSearch search = { className, id, 0 };
    EnumChildWindows(parent, FindChildProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string WindowText(HWND window)
{
    char text[512] = "";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, DRIVER_TIMEOUT_MS, &copied))
        return "<no answer>";
    return std::string(text, copied < sizeof text ? copied : sizeof text - 1);
}

std::string ClassOf(HWND window)
{
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOf(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(0, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FindAboutBox(const MetrovaApp& app)
{
    return WaitForDialog(app, "About");
}

HWND FindUnitBox(const MetrovaApp& app)
{
    return WaitForDialog(app, "Find Unit");
}

HWND AllUnitsBox(const MetrovaApp& app)
{
    return WaitForDialog(app, "All Units");
}

HWND FromBox(const MetrovaApp& app) { return FindChild(app.window, "Edit", IDC_FROM_BOX); }
HWND ToBox(const MetrovaApp& app) { return FindChild(app.window, "Edit", IDC_TO_BOX); }
HWND CategoryChooser(const MetrovaApp& app) { return FindChild(app.window, "ComboBox", IDC_CATEGORY_CHOOSER); }
HWND FromUnitChooser(const MetrovaApp& app) { return FindChild(app.window, "ComboBox", IDC_FROM_UNIT_CHOOSER); }
HWND ToUnitChooser(const MetrovaApp& app) { return FindChild(app.window, "ComboBox", IDC_TO_UNIT_CHOOSER); }

// --- Acting as the user ----------------------------------------------------

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR answer = 0;
    if (!window) return false;
    bool ok = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                  DRIVER_TIMEOUT_MS, &answer) != 0;
    if (result) *result = LRESULT(answer);
    return ok;
}

bool SetTextWide(HWND window, const wchar_t* text)
{
    DWORD_PTR answer = 0;
    return window && SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                         DRIVER_TIMEOUT_MS, &answer) != 0 && answer != 0;
}

bool WaitForClose(HWND window)
{
    return WaitUntil([&] { return !IsWindow(window); });
}

bool ClickInto(HWND control)
{
    RECT r;
    if (!GetClientRect(control, &r)) return false;
    // Near the right end: the value boxes are right-aligned, so the caret lands after the text.
    LPARAM at = MAKELPARAM(r.right > 3 ? r.right - 3 : 0, (r.bottom - r.top) / 2);
    return SendBounded(control, WM_LBUTTONDOWN, MK_LBUTTON, at) && SendBounded(control, WM_LBUTTONUP, 0, at);
}

bool TypeText(HWND edit, const char* text)
{
    if (!ClickInto(edit)) return false;
    for (const char* p = text; *p; ++p)
        if (!SendBounded(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(*p)), 1)) return false;
    return true;
}

bool ClearBox(HWND edit)
{
    return ClickInto(edit) && SendBounded(edit, EM_SETSEL, 0, -1) && SendBounded(edit, WM_CHAR, VK_BACK, 1);
}

bool TypeTextWide(HWND edit, const std::wstring& text)
{
    DWORD_PTR answer = 0;
    bool typed = ClickInto(edit);
    for (size_t i = 0; typed && i < text.size(); ++i)
        typed = SendMessageTimeoutW(edit, WM_CHAR, WPARAM(text[i]), 1, SMTO_ABORTIFHUNG, DRIVER_TIMEOUT_MS, &answer);
    return typed;
}

// The clipboard needs an owner window for SetClipboardData: a message-only
// window of the test program's.
static bool PutOnClipboard(const std::wstring& text)
{
    static HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, 0, 0, 0);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory || !OpenClipboard(owner)) return false;
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    bool put = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != 0;
    CloseClipboard();
    if (!put) GlobalFree(memory);
    return put;
}

bool PasteText(HWND edit, const std::wstring& text)
{
    return PutOnClipboard(text) && ClickInto(edit) && SendBounded(edit, EM_SETSEL, 0, -1) &&
           SendBounded(edit, WM_PASTE, 0, 0);
}

std::wstring WindowTextWide(HWND window)
{
    wchar_t text[512] = L"";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             DRIVER_TIMEOUT_MS, &copied))
        return L"<no answer>";
    return std::wstring(text, copied < 512 ? copied : 511);
}

bool PickItem(HWND combo, int index)
{
    // Selecting from another process does not notify; the user's pick does.
    return SendBounded(combo, CB_SETCURSEL, WPARAM(index), 0) &&
           SendBounded(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(combo));
}

bool SendCommand(HWND window, int id)
{
    return SendBounded(window, WM_COMMAND, WPARAM(id), 0);
}

bool PostCommand(HWND window, int id)
{
    return PostMessageA(window, WM_COMMAND, WPARAM(id), 0) != 0;
}

void AddFavoriteOf(const MetrovaApp& app, int fromIndex, int toIndex)
{
    ASSERT_TRUE(PickItem(FromUnitChooser(app), fromIndex));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), toIndex));
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITES_ADD));
}

// --- Real input --------------------------------------------------------------

bool BringToFront(MetrovaApp* app)
{
    // Asked again now and then: a program that has just started may take the
    // foreground for itself after the first request.
    for (DWORD start = GetTickCount(), asked = 0; GetTickCount() - start < DRIVER_TIMEOUT_MS; Sleep(20)) {
        if (GetTickCount() - asked >= 500) {
            SetForegroundWindow(app->window);
            asked = GetTickCount();
        }
        if (GetForegroundWindow() == app->window) return true;
    }
    return false;
}

static INPUT KeyInput(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyA(virtualKey, 0));   // MAPVK_VK_TO_VSC
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool PressKey(WORD virtualKey, int modifiers)
{
    INPUT inputs[8];
    UINT count = 0;
    const WORD held[3] = { VK_SHIFT, VK_CONTROL, VK_MENU };
    for (int i = 0; i < 3; ++i)
        if (modifiers & (1 << i)) inputs[count++] = KeyInput(held[i], false);
    inputs[count++] = KeyInput(virtualKey, false);
    inputs[count++] = KeyInput(virtualKey, true);
    for (int i = 2; i >= 0; --i)
        if (modifiers & (1 << i)) inputs[count++] = KeyInput(held[i], true);
    bool sent = SendInput(count, inputs, sizeof(INPUT)) == count;
    Sleep(30);   // the key travels through the system before the next one
    return sent;
}

bool PressKeys(const char* text)
{
    for (const char* p = text; *p; ++p) {
        SHORT key = VkKeyScanA(*p);
        if (key == -1) return false;
        if (!PressKey(LOBYTE(key), (HIBYTE(key) & 1) ? KEY_SHIFT : KEY_PLAIN)) return false;
    }
    return true;
}

bool RealClick(HWND window, int x, int y)
{
    POINT at = { x, y };
    if (!ClientToScreen(window, &at)) return false;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (at.x * 65536 + width / 2) / width;   // absolute: 0..65535 across the screen
        input.mi.dy = (at.y * 65536 + height / 2) / height;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    bool sent = SendInput(3, inputs, sizeof(INPUT)) == 3;
    Sleep(50);
    return sent;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    for (DWORD start = GetTickCount();; Sleep(20)) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
    }
}

void LetInputSettle(MetrovaApp* app)
{
    Sleep(300);
    SendBounded(app->window, WM_NULL, 0, 0);
}

bool WaitForInputHandled(MetrovaApp* app, DWORD timeoutMs)
{
    // Sent messages, such as the probe's, are handled before queued input, so
    // an answer of "none" means the last input taken has been dispatched.
    std::string reply;
    return WaitUntil([&] { return ProbeQuery(app, "input", &reply) && reply == "none"; }, timeoutMs);
}

// --- Reading back ----------------------------------------------------------

int DisplayDpi()
{
    HDC screen = GetDC(0);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(0, screen);
    return dpi;
}

int Scaled(int value96)
{
    return MulDiv(value96, DisplayDpi(), 96);
}

bool Shows(const MetrovaApp& app, int category, int fromIndex, int toIndex)
{
    return ComboSelection(CategoryChooser(app)) == category && ComboSelection(FromUnitChooser(app)) == fromIndex &&
           ComboSelection(ToUnitChooser(app)) == toIndex;
}

std::string ListItemOf(const MetrovaApp& app, int id, int fromIndex, int toIndex)
{
    return std::to_string(id) + " " + ComboItem(FromUnitChooser(app), fromIndex) + " ~ " +
           ComboItem(ToUnitChooser(app), toIndex);
}

int ComboSelection(HWND combo)
{
    LRESULT r = -2;
    SendBounded(combo, CB_GETCURSEL, 0, 0, &r);
    return int(r);
}

int ComboCount(HWND combo)
{
    LRESULT r = -2;
    SendBounded(combo, CB_GETCOUNT, 0, 0, &r);
    return int(r);
}

// An item's text of a combo box or list box, asked for in UTF-16 (the ANSI
// messages come back as UTF-16 across processes here).
static std::wstring ItemTextWide(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, lengthMessage, WPARAM(index), 0, SMTO_ABORTIFHUNG, DRIVER_TIMEOUT_MS,
                             &length))
        return L"<no answer>";
    if (LRESULT(length) < 0 || length > 1000) return L"<no item>";
    std::vector<wchar_t> wide(size_t(length) + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, textMessage, WPARAM(index), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, DRIVER_TIMEOUT_MS, &copied))
        return L"<no answer>";
    return std::wstring(wide.data(), copied < wide.size() ? size_t(copied) : wide.size() - 1);
}

std::wstring ComboItemWide(HWND combo, int index)
{
    return ItemTextWide(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

static std::string To1252(const std::wstring& wide)
{
    char text[2048] = "";
    WideCharToMultiByte(1252, 0, wide.c_str(), -1, text, sizeof text, 0, 0);
    return text;
}

std::string ComboItem(HWND combo, int index)
{
    return To1252(ComboItemWide(combo, index));
}

HWND ShownList(const MetrovaApp& app)
{
    return VisibleWindowOf(app.process.dwProcessId, "ComboLBox");
}

int ListBoxCount(HWND list)
{
    LRESULT count = -1;
    SendBounded(list, LB_GETCOUNT, 0, 0, &count);
    return int(count);
}

std::wstring ListBoxItem(HWND list, int index)
{
    return ItemTextWide(list, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int ListBoxSelection(HWND list)
{
    LRESULT selection = -1;
    SendBounded(list, LB_GETCURSEL, 0, 0, &selection);
    return int(selection);
}

HWND WaitForDialog(const MetrovaApp& app, const char* caption)
{
    HWND dialog = 0;
    WaitUntil([&] {
        dialog = FindWindowA("#32770", caption);
        return dialog && GetWindow(dialog, GW_OWNER) == app.window && IsWindowVisible(dialog);
    });
    return dialog && GetWindow(dialog, GW_OWNER) == app.window ? dialog : 0;
}

static std::string ProbeAnswer;   // filled by the reply window
static bool ProbeAnswered;

static LRESULT CALLBACK ReplyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->dwData == PROBE_REPLY && data->lpData) {
            ProbeAnswer.assign(static_cast<const char*>(data->lpData),
                               strnlen(static_cast<const char*>(data->lpData), data->cbData));
            ProbeAnswered = true;
            return TRUE;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static HWND ReplyWindow()
{
    static HWND window = 0;
    if (!window) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ReplyWindowProc;
        wc.hInstance = GetModuleHandleA(0);
        wc.lpszClassName = "MetrovaProbeReply";
        RegisterClassA(&wc);
        window = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, 0, 0, wc.hInstance, 0);
    }
    return window;
}

static bool AskProbeOnce(MetrovaApp* app, const char* query, std::string* reply)
{
    ProbeAnswer.clear();
    ProbeAnswered = false;
    static const UINT probeMessage = RegisterWindowMessageA(PROBE_MESSAGE);
    ATOM atom = GlobalAddAtomA(query);
    // The answer arrives as a message sent to the reply window while this send waits.
    bool sent = SendBounded(app->window, probeMessage, reinterpret_cast<WPARAM>(ReplyWindow()), atom);
    GlobalDeleteAtom(atom);
    if (!sent || !ProbeAnswered) {
        *reply = sent ? "the probe did not answer" : "Metrova did not answer";
        return false;
    }
    *reply = ProbeAnswer;
    return true;
}

bool ProbeQuery(MetrovaApp* app, const char* query, std::string* reply)
{
    // A program busy for a moment (a long settings file, a loaded machine) can
    // look hung to one send: ask again while it still runs, within the bound.
    const DWORD start = GetTickCount();
    while (!AskProbeOnce(app, query, reply)) {
        if (!IsRunning(app) || GetTickCount() - start >= DRIVER_TIMEOUT_MS) return false;
        Sleep(100);
    }
    return true;
}

static std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        parts.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return parts;
        start = tab + 1;
    }
}

std::vector<ListRow> ListRows(MetrovaApp* app, HWND list)
{
    char query[64];
    std::snprintf(query, sizeof query, "rows %llx", (unsigned long long)(UINT_PTR)list);
    std::string reply;
    std::vector<ListRow> rows;
    if (!ProbeQuery(app, query, &reply)) return rows;
    for (size_t start = 0, end; start < reply.size(); start = end + 1) {
        end = reply.find('\n', start);
        if (end == std::string::npos) end = reply.size();
        std::vector<std::string> cells = SplitTabs(reply.substr(start, end - start));
        if (cells.size() >= 2) rows.push_back({ cells[0], cells[1] });
    }
    return rows;
}

bool ReadMenu(MetrovaApp* app, std::vector<MenuEntry>* bar)
{
    std::string reply;
    bar->clear();
    if (!ProbeQuery(app, "menu", &reply)) return false;
    size_t start = 0;
    while (start < reply.size()) {
        size_t end = reply.find('\n', start);
        const std::string line = reply.substr(start, end - start);
        std::vector<std::string> f = SplitTabs(line);
        start = end == std::string::npos ? reply.size() : end + 1;
        if (f.size() < 4) return false;
        // The text is the rest of the line: an item's own tab (before its shortcut) included.
        const std::wstring wide = WideFromUtf8(line.substr(f[0].size() + f[1].size() + f[2].size() + 3));
        MenuEntry entry = { std::atoi(f[1].c_str()), false, false, false, false, To1252(wide), wide, {} };
        entry.checked = f[2].find('C') != std::string::npos;
        entry.separator = f[2].find('S') != std::string::npos;
        entry.popup = f[2].find('P') != std::string::npos;
        entry.grayed = f[2].find('G') != std::string::npos;
        // Walk down to the list this depth belongs to: the last pop-up at each level.
        std::vector<MenuEntry>* list = bar;
        for (int depth = std::atoi(f[0].c_str()); depth > 0 && !list->empty(); --depth)
            list = &list->back().items;
        list->push_back(entry);
    }
    return true;
}

// The items below the separator of pop-up popup; false when the menu cannot be read.
static bool ItemsBelowSeparator(MetrovaApp* app, int popup, std::vector<MenuEntry>* items)
{
    std::vector<MenuEntry> bar;
    if (!ReadMenu(app, &bar) || bar.size() <= size_t(popup)) return false;
    bool below = false;
    for (const MenuEntry& item : bar[size_t(popup)].items) {
        if (below) items->push_back(item);
        if (item.separator) below = true;
    }
    return true;
}

std::vector<std::string> ListItems(MetrovaApp* app, int popup)
{
    std::vector<MenuEntry> items;
    if (!ItemsBelowSeparator(app, popup, &items)) return { "<menu not readable>" };
    std::vector<std::string> lines;
    for (const MenuEntry& item : items) lines.push_back(std::to_string(item.id) + " " + item.text);
    return lines;
}

std::vector<std::wstring> ListItemTextsWide(MetrovaApp* app, int popup)
{
    std::vector<MenuEntry> items;
    if (!ItemsBelowSeparator(app, popup, &items)) return { L"<menu not readable>" };
    std::vector<std::wstring> texts;
    for (const MenuEntry& item : items) texts.push_back(item.wideText);
    return texts;
}

const MenuEntry* FindMenuItem(const std::vector<MenuEntry>& bar, int id)
{
    for (const MenuEntry& entry : bar) {
        if (!entry.popup && entry.id == id) return &entry;
        if (const MenuEntry* inner = FindMenuItem(entry.items, id)) return inner;
    }
    return 0;
}

int FocusedControlId(MetrovaApp* app, std::string* className)
{
    std::string reply;
    if (!ProbeQuery(app, "focus", &reply)) return 0;
    std::vector<std::string> f = SplitTabs(reply);
    if (f.size() < 3) return 0;
    if (className) *className = f[2];
    return std::atoi(f[1].c_str());
}

int MetrovaCodePage(MetrovaApp* app)
{
    std::string reply;
    return ProbeQuery(app, "acp", &reply) ? std::atoi(reply.c_str()) : 0;
}

// --- Text ------------------------------------------------------------------

static std::wstring Widen(UINT codePage, const std::string& text)
{
    if (text.empty()) return L"";
    std::wstring wide(text.size(), L'\0');
    int units = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0], int(wide.size()));
    wide.resize(size_t(units > 0 ? units : 0));
    return wide;
}

std::wstring WideFromUtf8(const std::string& text)
{
    return Widen(CP_UTF8, text);
}

std::wstring WideFrom1252(const std::string& text)
{
    return Widen(1252, text);
}

std::string Utf8FromWide(const std::wstring& text)
{
    if (text.empty()) return "";
    std::string bytes(text.size() * 3, '\0');
    int written = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], int(bytes.size()), 0, 0);
    bytes.resize(size_t(written > 0 ? written : 0));
    return bytes;
}

bool SpelledByCodePage(const std::wstring& text)
{
    BOOL substituted = FALSE;
    std::string bytes(text.size() * 2 + 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], int(bytes.size()), 0, &substituted);
    return !substituted;
}

// --- Settings --------------------------------------------------------------

std::string AppDataFolder()
{
    wchar_t folder[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(0, CSIDL_APPDATA, 0, 0, folder))) return "";
    return Utf8FromWide(folder);
}

std::string SettingsFilePath()
{
    return AppDataFolder() + "\\Brisklane\\Metrova\\metrova.ini";
}

void ClearSettings()
{
    std::string base = AppDataFolder();
    if (base.empty()) return;
    DeleteFileW(WideFromUtf8(SettingsFilePath()).c_str());
    DeleteFileW(WideFromUtf8(base + "\\Brisklane\\Metrova\\metrova-units.ini").c_str());
    RemoveDirectoryW(WideFromUtf8(base + "\\Brisklane\\Metrova").c_str());
    RemoveDirectoryW(WideFromUtf8(base + "\\Brisklane").c_str());
}

bool WriteSettingsFile(const std::string& contents)
{
    std::string base = AppDataFolder();
    if (base.empty()) return false;
    CreateDirectoryW(WideFromUtf8(base + "\\Brisklane").c_str(), 0);
    CreateDirectoryW(WideFromUtf8(base + "\\Brisklane\\Metrova").c_str(), 0);
    FILE* f = _wfopen(WideFromUtf8(SettingsFilePath()).c_str(), L"wb");
    if (!f) return false;
    bool ok = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    return std::fclose(f) == 0 && ok;
}

bool ReadSettingsFile(std::string* contents)
{
    contents->clear();
    FILE* f = _wfopen(WideFromUtf8(SettingsFilePath()).c_str(), L"rb");
    if (!f) return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) contents->append(buffer, n);
    std::fclose(f);
    return true;
}

// --- The fixture -----------------------------------------------------------

void MetrovaTest::SetUp()
{
    ClearSettings();
    BeforeStart();
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
}

void MetrovaTest::TearDown()
{
    StopMetrova(&app);
    ClearSettings();
}

// --- Wine's mount manager: drives defined at run time ------------------------

// Wine's own extension of the mount manager (its drive configuration uses
// it): a letter, a drive type and the Unix folder behind it.
struct WineUnixDrive {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
const DWORD IOCTL_DEFINE_UNIX_DRIVE = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineRemovableDrive(char letter, const std::string& unixFolder)
{
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, 0, OPEN_EXISTING, 0, 0);
    if (manager == INVALID_HANDLE_VALUE) return false;
    std::vector<char> buffer(sizeof(WineUnixDrive) + unixFolder.size() + 1, 0);
    WineUnixDrive* drive = reinterpret_cast<WineUnixDrive*>(buffer.data());
    drive->size = ULONG(buffer.size());
    drive->letter = WCHAR(letter - 'A' + 'a');
    drive->type = unixFolder.empty() ? DRIVE_NO_ROOT_DIR : DRIVE_REMOVABLE;
    if (!unixFolder.empty()) {
        drive->mountPointOffset = USHORT(sizeof(WineUnixDrive));
        std::memcpy(buffer.data() + sizeof(WineUnixDrive), unixFolder.c_str(), unixFolder.size() + 1);
    }
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(manager, IOCTL_DEFINE_UNIX_DRIVE, buffer.data(), DWORD(buffer.size()), 0, 0,
                                    &returned, 0);
    CloseHandle(manager);
    return ok != FALSE;
}

char FreeDriveLetter()
{
    const DWORD used = GetLogicalDrives();
    for (char c = 'R'; c <= 'Y'; ++c)
        if (!(used & (1u << (c - 'A')))) return c;
    return 0;
}

std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char*(CDECL * UnixNameLookup)(const WCHAR*);
    UnixNameLookup lookup = reinterpret_cast<UnixNameLookup>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!lookup) return "";
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
    char* unixName = lookup(wide);
    if (!unixName) return "";
    std::string result = unixName;
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

// --- The application-data folder moved --------------------------------------

const wchar_t APP_DATA_MOVED_MARK[] = L"metrova-appdata-";
static const wchar_t USER_SHELL_FOLDERS[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
static const wchar_t APP_DATA_VALUE[] = L"AppData";
static const wchar_t DEFAULT_APP_DATA[] = L"%USERPROFILE%\\AppData\\Roaming";   // a fresh prefix's own

bool BeginAppDataMove(AppDataMove* move)
{
    *move = AppDataMove();
    move->type = REG_EXPAND_SZ;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, USER_SHELL_FOLDERS, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &move->key) !=
        ERROR_SUCCESS) {
        move->key = 0;
        return false;
    }
    wchar_t value[MAX_PATH] = L"";
    DWORD size = sizeof value - sizeof(wchar_t);
    move->hadValue =
        RegQueryValueExW(move->key, APP_DATA_VALUE, 0, &move->type, reinterpret_cast<BYTE*>(value), &size) ==
        ERROR_SUCCESS;
    move->saved = value;
    if (move->saved.find(APP_DATA_MOVED_MARK) != std::wstring::npos) {
        move->saved = DEFAULT_APP_DATA;
        move->type = REG_EXPAND_SZ;
        move->hadValue = true;
    }
    return true;
}

std::wstring MovedAppDataFolder(const std::wstring& tail)
{
    wchar_t temp[MAX_PATH];
    if (GetTempPathW(MAX_PATH, temp) == 0) return L"";
    return std::wstring(temp) + APP_DATA_MOVED_MARK + std::to_wstring(GetCurrentProcessId()) + L"-" + tail;
}

bool MoveAppDataTo(AppDataMove* move, const std::wstring& folder)
{
    return move->key && RegSetValueExW(move->key, APP_DATA_VALUE, 0, REG_EXPAND_SZ,
                                       reinterpret_cast<const BYTE*>(folder.c_str()),
                                       DWORD((folder.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void EndAppDataMove(AppDataMove* move)
{
    if (!move->key) return;
    if (move->hadValue)
        RegSetValueExW(move->key, APP_DATA_VALUE, 0, move->type, reinterpret_cast<const BYTE*>(move->saved.c_str()),
                       DWORD((move->saved.size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteValueW(move->key, APP_DATA_VALUE);
    RegCloseKey(move->key);
    move->key = 0;
}

// Another program may hold the clipboard open for a moment.
static bool OpenTheClipboard() { return WaitUntil([] { return OpenClipboard(0) != 0; }); }

bool EmptyTheClipboard()
{
    const bool emptied = OpenTheClipboard() && EmptyClipboard();
    CloseClipboard();
    return emptied;
}

std::wstring ClipboardText()
{
    HANDLE data = OpenTheClipboard() ? GetClipboardData(CF_UNICODETEXT) : 0;
    const wchar_t* locked = data ? static_cast<const wchar_t*>(GlobalLock(data)) : 0;
    const std::wstring text = locked ? locked : L"";
    if (locked) GlobalUnlock(data);
    CloseClipboard();
    return text;
}
