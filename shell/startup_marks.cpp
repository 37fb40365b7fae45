// The start-up benchmark's timing marks (see startup_marks.h).
#include "shell/startup_marks.h"

#ifdef METROVA_STARTUP_MARKS
static const int MARKS_MAX = 24;

struct Mark {
    const char* step;
    ULONGLONG at;   // 100-ns units since the process began
};

static Mark Marks[MARKS_MAX];
static int MarkCount;
static bool MarksWritten;

static ULONGLONG FileTimeValue(const FILETIME& time)
{
    return (ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The wineserver (or Windows) notes the creation time when CreateProcess runs,
// so the marks count from about where the benchmark's own clock starts.
static ULONGLONG SinceProcessBegan()
{
    FILETIME created, exited, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    GetSystemTimePreciseAsFileTime(&now);
    return FileTimeValue(now) - FileTimeValue(created);
}

void StartupMark(const char* step)
{
    if (MarkCount < MARKS_MAX) Marks[MarkCount++] = { step, SinceProcessBegan() };
}

// One line per start: "step milliseconds" pairs in the order they ended.
static void WriteMarks()
{
    char path[MAX_PATH + 32];
    DWORD length = GetModuleFileNameA(0, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    if (length > 4 && lstrcmpiA(path + length - 4, ".exe") == 0) length -= 4;
    lstrcpyA(path + length, ".marks");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, 0, OPEN_ALWAYS, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return;
    char line[MARKS_MAX * 40 + 2];
    int used = 0;
    for (int i = 0; i < MarkCount; ++i) {
        ULONGLONG tenths = Marks[i].at / 1000;   // of a millisecond
        used += wsprintfA(line + used, "%s%s %u.%u", i ? " " : "", Marks[i].step, unsigned(tenths / 10),
                          unsigned(tenths % 10));
    }
    line[used++] = '\n';
    DWORD written;
    WriteFile(file, line, DWORD(used), &written, 0);
    CloseHandle(file);
}

void StartupMarkWhenPainted()
{
    MSG waiting;
    if (MarksWritten || PeekMessageA(&waiting, 0, 0, 0, PM_NOREMOVE)) return;
    StartupMark("painted");
    WriteMarks();
    MarksWritten = true;
}
#endif
