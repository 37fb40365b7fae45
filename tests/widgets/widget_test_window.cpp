#include "widget_test_window.h"

static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateTestWindow(DWORD style, DWORD exStyle, int width, int height)
{
    return CreateTestWindowAt(style, exStyle, 100, 100, width, height);
}

HWND CreateTestWindowAt(DWORD style, DWORD exStyle, int x, int y, int width, int height)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(0);
        windowClass.hCursor = LoadCursorA(0, IDC_ARROW);
        windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "widget test";
        RegisterClassA(&windowClass);
        registered = true;
    }
    HWND window = CreateWindowExA(exStyle, "widget test", "Widget test", style, x, y, width, height,
                                  0, 0, GetModuleHandleA(0), 0);
    PumpMessages();
    return window;
}

HWND CreateTestStatic(HWND parent, const char* text, DWORD style)
{
    HWND control = CreateWindowExA(0, "STATIC", text, style, 10, 10, 300, 40, parent, (HMENU)129,
                                   GetModuleHandleA(0), 0);
    SendMessageA(control, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    return control;
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, 0, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool PaintedWithColour(HWND control, COLORREF colour)
{
    RECT extent = PaintedExtent(control, colour);
    return !IsRectEmpty(&extent);
}

RECT PaintedExtent(HWND control, COLORREF colour)
{
    RECT client;
    GetClientRect(control, &client);
    HDC screen = GetDC(control);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(control, WM_PAINT, (WPARAM)memory, 0);
    RECT extent = { client.right, client.bottom, 0, 0 };
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (GetPixel(memory, x, y) == colour) {
                if (x < extent.left) extent.left = x;
                if (y < extent.top) extent.top = y;
                if (x + 1 > extent.right) extent.right = x + 1;
                if (y + 1 > extent.bottom) extent.bottom = y + 1;
            }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, screen);
    if (extent.right <= extent.left)
        SetRectEmpty(&extent);
    return extent;
}

void MarkerPaths(char* exe, char* ran)
{
    GetModuleFileNameA(0, exe, MAX_PATH);
    char* slash = exe;
    for (char* p = exe; *p; ++p)
        if (*p == '\\' || *p == '/')
            slash = p + 1;
    lstrcpyA(slash, OPEN_MARKER_EXE);
    lstrcpyA(ran, exe);
    lstrcatA(ran, ".ran");
}

bool WaitForFile(const char* path, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(50);
    }
    return false;
}
