// DPI functions of newer user32 versions, looked up once, with fallbacks that
// scale the system-DPI answers.
#include "widgets/dpi.h"

typedef UINT(WINAPI* DpiForWindowProc)(HWND);
typedef UINT(WINAPI* DpiForSystemProc)();
typedef int(WINAPI* MetricsForDpiProc)(int, UINT);
typedef BOOL(WINAPI* AdjustForDpiProc)(RECT*, DWORD, BOOL, DWORD, UINT);

struct DpiFunctions {
    bool looked;
    DpiForWindowProc dpiForWindow;        // Windows 10 1607 and later
    DpiForSystemProc dpiForSystem;        // Windows 10 1607
    MetricsForDpiProc metricsForDpi;      // Windows 10 1607
    AdjustForDpiProc adjustForDpi;        // Windows 10 1607
};

static DpiFunctions Dpi;   // user32's, where it has them

static FARPROC User32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");   // always loaded: no FreeLibrary
    return user32 ? GetProcAddress(user32, name) : 0;
}

static const DpiFunctions& Functions()
{
    if (!Dpi.looked) {
        Dpi.dpiForWindow = reinterpret_cast<DpiForWindowProc>(reinterpret_cast<void*>(User32Function("GetDpiForWindow")));
        Dpi.dpiForSystem = reinterpret_cast<DpiForSystemProc>(reinterpret_cast<void*>(User32Function("GetDpiForSystem")));
        Dpi.metricsForDpi =
            reinterpret_cast<MetricsForDpiProc>(reinterpret_cast<void*>(User32Function("GetSystemMetricsForDpi")));
        Dpi.adjustForDpi =
            reinterpret_cast<AdjustForDpiProc>(reinterpret_cast<void*>(User32Function("AdjustWindowRectExForDpi")));
        Dpi.looked = true;
    }
    return Dpi;
}

int ScaleForDpi(int value, int dpi)
{
    return MulDiv(value, dpi, BASE_DPI);
}

int SystemDpi()
{
    if (Functions().dpiForSystem) {
        UINT dpi = Functions().dpiForSystem();
        if (dpi) return int(dpi);
    }
    HDC screen = GetDC(0);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(0, screen);
    return dpi > 0 ? dpi : BASE_DPI;
}

int WindowDpi(HWND window)
{
    if (window && Functions().dpiForWindow) {
        UINT dpi = Functions().dpiForWindow(window);
        if (dpi) return int(dpi);
    }
    return SystemDpi();
}

int MetricForDpi(int index, int dpi)
{
    if (Functions().metricsForDpi) return Functions().metricsForDpi(index, UINT(dpi));
    int system = SystemDpi();
    int value = GetSystemMetrics(index);
    return dpi == system ? value : MulDiv(value, dpi, system);
}

BOOL AdjustWindowRectForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpi)
{
    if (Functions().adjustForDpi) return Functions().adjustForDpi(rect, style, menu, exStyle, UINT(dpi));
    // The frame at the system's DPI, scaled: each side's width grows with dpi.
    RECT frame = { 0, 0, 0, 0 };
    if (!AdjustWindowRectEx(&frame, style, menu, exStyle)) return FALSE;
    int system = SystemDpi();
    if (dpi != system) {
        frame.left = MulDiv(frame.left, dpi, system);
        frame.top = MulDiv(frame.top, dpi, system);
        frame.right = MulDiv(frame.right, dpi, system);
        frame.bottom = MulDiv(frame.bottom, dpi, system);
    }
    rect->left += frame.left;
    rect->top += frame.top;
    rect->right += frame.right;
    rect->bottom += frame.bottom;
    return TRUE;
}

HFONT CreateGuiFontForDpi(int dpi)
{
    LOGFONTA f;
    if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof f, &f)) return 0;
    // The stock font is made for the system's DPI.
    int system = SystemDpi();
    if (dpi != system) {
        f.lfHeight = MulDiv(f.lfHeight, dpi, system);
        f.lfWidth = MulDiv(f.lfWidth, dpi, system);
    }
    return CreateFontA(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, f.lfItalic,
                       f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                       f.lfQuality, f.lfPitchAndFamily, f.lfFaceName);
}
