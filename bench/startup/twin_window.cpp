// The limit for Metrova's start-up: its main window without the content. The
// same class (own DC, icons, menu "MainAppMenu" from Metrova's own resources,
// with its manifest), the same window styles and size, centred the same way,
// the five controls and five labels at Metrova's places with Metrova's font,
// all made while the window is created, as Metrova does. The choosers stay
// empty; no settings, no caption link, no menus filled, no check marks.
// Built with Metrova's widgets/center_window.cpp and widgets/dpi.cpp, and for
// the step table with its shell/startup_marks.cpp, marking the same steps.
#include <windows.h>
#include <commctrl.h>
#include "res/resource.h"
#include "widgets/center_window.h"
#include "widgets/dpi.h"
#include "shell/startup_marks.h"

struct TwinChild {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    int x, y, width, height;   // client pixels at 96 DPI
    DWORD style;
    DWORD extendedStyle;
};

const DWORD BOX = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_RIGHT | ES_AUTOHSCROLL;
const DWORD CHOOSER = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
const DWORD LABEL = WS_CHILD | WS_VISIBLE;

// Metrova's children in its order of creation: each label just before the
// control it names.
static const TwinChild Children[] = {
    { L"STATIC", L"Category:", IDC_CATEGORY_LABEL, 10, 10, 200, 20, LABEL, 0 },
    { L"COMBOBOX", L"", IDC_CATEGORY_CHOOSER, 10, 30, 200, 200, CHOOSER, 0 },
    { L"STATIC", L"From:", IDC_FROM_LABEL, 10, 70, 200, 20, LABEL, 0 },
    { L"COMBOBOX", L"", IDC_FROM_UNIT_CHOOSER, 10, 90, 200, 200, CHOOSER, 0 },
    { L"STATIC", L"To:", IDC_TO_LABEL, 250, 70, 200, 20, LABEL, 0 },
    { L"COMBOBOX", L"", IDC_TO_UNIT_CHOOSER, 250, 90, 200, 200, CHOOSER, 0 },
    { L"STATIC", L"From Unit:", IDC_FROM_UNIT_LABEL, 10, 130, 200, 20, LABEL, 0 },
    { L"EDIT", L"0", IDC_FROM_BOX, 10, 150, 200, 20, BOX, WS_EX_CLIENTEDGE },
    { L"STATIC", L"To Unit:", IDC_TO_UNIT_LABEL, 250, 130, 200, 20, LABEL, 0 },
    { L"EDIT", L"0", IDC_TO_BOX, 250, 150, 200, 20, BOX, WS_EX_CLIENTEDGE },
};
const int CHILD_COUNT = sizeof Children / sizeof Children[0];
const int FROM_BOX_INDEX = 7;

static HWND Handles[CHILD_COUNT];

// What Metrova's WM_CREATE does to the window's looks, and nothing more.
static LRESULT OnTwinCreate(HWND window)
{
    StartupMark("window");
    const int dpi = WindowDpi(window);
    CenterWindowOver(window, GetDesktopWindow());
    StartupMark("size-centre");
    HINSTANCE instance = GetModuleHandleA(0);
    for (int i = 0; i < CHILD_COUNT; ++i) {
        const TwinChild& c = Children[i];
        Handles[i] = CreateWindowExW(c.extendedStyle, c.className, c.text, c.style, ScaleForDpi(c.x, dpi),
                                     ScaleForDpi(c.y, dpi), ScaleForDpi(c.width, dpi), ScaleForDpi(c.height, dpi),
                                     window, HMENU(INT_PTR(c.id)), instance, 0);
        if (c.style & ES_RIGHT)
            SendMessageW(Handles[i], EM_LIMITTEXT, 64, 0);
        else if (c.style & CBS_DROPDOWNLIST)
            SendMessageA(Handles[i], CB_RESETCONTENT, 0, 0);
    }
    StartupMark("controls");
    HFONT font = CreateGuiFontForDpi(dpi);
    for (HWND child : Handles) SendMessageA(child, WM_SETFONT, WPARAM(font), TRUE);
    StartupMark("font");
    for (int i = 0; i < CHILD_COUNT; ++i) {
        if (!(Children[i].style & CBS_DROPDOWNLIST)) continue;
        int row = int(SendMessageA(Handles[i], CB_GETITEMHEIGHT, 0, 0));
        if (row > 0) SendMessageA(Handles[i], CB_SETMINVISIBLE, ScaleForDpi(Children[i].height, dpi) / row, 0);
    }
    return 0;
}

// As in Metrova, the From box gets the focus when the window is activated.
static bool OnTwinActivate(WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam)) return false;
    SetFocus(Handles[FROM_BOX_INDEX]);
    return true;
}

static LRESULT CALLBACK TwinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:   return OnTwinCreate(window);
    case WM_ACTIVATE: if (OnTwinActivate(wParam)) return 0; break;
    case WM_DESTROY:  PostQuitMessage(0); return 0;
    default:          break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    StartupMark("entry");
    HINSTANCE instance = GetModuleHandleA(0);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = TwinWindowProc;
    wc.hInstance = instance;
    wc.hIcon = HICON(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = HICON(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = "MainAppMenu";
    wc.lpszClassName = "metrova-twin";
    RegisterClassExA(&wc);
    StartupMark("class");
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "metrova-twin", "Metrova [Desktop]",
                                  WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 470, 250, 0, 0, instance, 0);
    if (!window) return 1;
    StartupMark("visible");
    ShowWindow(window, SW_SHOWDEFAULT);
    MSG message;
    while (GetMessageA(&message, 0, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        StartupMarkWhenPainted();
    }
    return int(message.wParam);
}
