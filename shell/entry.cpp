// The program's entry: settings location, window class, main window, message loop.
#include "shell/shell.h"
#include "shell/all_units_window.h"
#include "shell/startup_marks.h"
#include "widgets/com_thread.h"
#include "lists/settings_file.h"
#include "res/resource.h"
#include "res/version.h"

// Icon resource 1 at the given system metric size.
static HICON LoadAppIcon(int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageA(Instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), 0));
}

// A failed registration goes unnoticed: creating the window then fails too.
static void RegisterMainWindowClass()
{
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = Instance;
    wc.hIcon = LoadAppIcon(SM_CXICON, SM_CYICON);
    wc.hIconSm = LoadAppIcon(SM_CXSMICON, SM_CYSMICON);
    wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAIN_MENU_NAME;
    wc.lpszClassName = MAIN_WINDOW_CLASS;
    RegisterClassExA(&wc);
}

// GetMessageA returns -1 on failure; only a positive result is a message.
static int RunMessageLoop(HWND window)
{
    MSG message;
    while (GetMessageA(&message, 0, 0, 0) > 0) {
        if (!TranslateMainWindowMessage(window, &message) && !TranslateAllUnitsMessage(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        StartupMarkWhenPainted();
    }
    return int(message.wParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    StartupMark("entry");
    Instance = GetModuleHandleA(0);
    FindSettingsBase();
    StartupMark("settings-folder");
    RegisterMainWindowClass();
    StartupMark("class");
    Accelerators = LoadAcceleratorsA(Instance, MAKEINTRESOURCEA(IDA_MAIN));

    char title[64];
    wsprintfA(title, "%s [%s]", METROVA_PRODUCT_NAME, PortableMode ? "Removable Drive" : "Desktop");
    HWND window = CreateWindowExA(MAIN_WINDOW_EX_STYLE, MAIN_WINDOW_CLASS, title, MAIN_WINDOW_STYLE,
                                  CW_USEDEFAULT, CW_USEDEFAULT, MAIN_WINDOW_WIDTH, MAIN_WINDOW_HEIGHT,
                                  0, 0, Instance, 0);
    int exitCode = 0;   // no window: no quit message to wait for
    if (window) {
        StartupMark("visible");
        ShowWindow(window, SW_SHOWDEFAULT);
        exitCode = RunMessageLoop(window);
    }
    EndCom();
    return exitCode;
}
