// Starts window programs several times and reports, per start, the time from
// CreateProcess to the first visible top-level window and the peak working set
// once the program is idle. The programs take turns, so a change in the
// machine's load affects them alike.
// Usage: launch_timer RUNS PROGRAM.exe...
// Output: one line per start, "program-number milliseconds kilobytes".
#include <windows.h>
#include <psapi.h>
#include <cstdio>
#include <cstdlib>

struct Search {
    DWORD processId;
    HWND found;
};

static BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// One start of program: prints "number ms kb"; false when it cannot start.
static bool TimeOneStart(const char* program, int number, const LARGE_INTEGER& frequency)
{
    STARTUPINFOA startup = { sizeof startup };
    PROCESS_INFORMATION process;
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    // On a busy machine a start now and then fails for a moment: once more.
    if (!CreateProcessA(program, 0, 0, 0, FALSE, 0, 0, 0, &startup, &process)) {
        Sleep(500);
        QueryPerformanceCounter(&begin);
        if (!CreateProcessA(program, 0, 0, 0, FALSE, 0, 0, 0, &startup, &process)) {
            std::fprintf(stderr, "cannot start %s (error %lu)\n", program, (unsigned long)GetLastError());
            return false;
        }
    }
    Search search = { process.dwProcessId, 0 };
    for (int polls = 0; !search.found && polls < 20000; ++polls) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    QueryPerformanceCounter(&end);
    WaitForInputIdle(process.hProcess, 5000);
    Sleep(300);   // let the first paint finish before reading the peak
    PROCESS_MEMORY_COUNTERS memory = { sizeof memory };
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    double ms = double(end.QuadPart - begin.QuadPart) * 1000.0 / double(frequency.QuadPart);
    std::printf("%d %.1f %lu\n", number, ms, (unsigned long)(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
    if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_timer RUNS PROGRAM.exe...\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    // Every other round in the opposite order, so that no program always
    // follows the same one (and the traces of its exit).
    const int programs = argc - 2;
    for (int run = 0; run < runs; ++run)
        for (int turn = 0; turn < programs; ++turn) {
            const int number = run % 2 ? programs - 1 - turn : turn;
            if (!TimeOneStart(argv[number + 2], number, frequency)) return 1;
        }
    return 0;
}
