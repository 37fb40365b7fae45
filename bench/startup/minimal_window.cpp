// The yardstick for Metrova's size and start-up: the smallest honest Win32
// window program (a class, a window, a message loop), built the same way.
// Built with THEMED_CONTROLS (and linked with Metrova's manifest) it also
// creates an edit box and a drop-down list, the controls whose common-controls
// 6 classes Wine then loads, with the theming behind them.
#include <windows.h>

static LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default:         return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    HINSTANCE instance = GetModuleHandleA(0);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MinimalWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "minimal";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, "minimal", "Minimal", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 470, 250, 0, 0, instance, 0);
    if (!window) return 1;
#ifdef THEMED_CONTROLS
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "0", WS_CHILD | WS_VISIBLE | ES_RIGHT,
                    10, 150, 200, 20, window, HMENU(1), instance, 0);
    CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                    10, 30, 200, 200, window, HMENU(2), instance, 0);
#endif
    MSG message;
    while (GetMessageA(&message, 0, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
