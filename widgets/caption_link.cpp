// Caption link: draws a text into the caption bar after every frame paint and
// activation change, and turns the pointer into a hand over it.
#include "widgets/caption_link.h"
#include "widgets/dpi.h"
#include "widgets/hand_cursor.h"
#include "widgets/high_contrast.h"

#include <shellapi.h>

static const UINT CAPTION_LINK_FORMAT = DT_SINGLELINE | DT_BOTTOM | DT_RIGHT;
static const int CAPTION_TEXT_READ = 64;   // the caption text compared, at most 63 characters

// Offsets in pixels at 96 DPI, scaled to the window's DPI like the rest of the
// layout. The area's right edge stands this far left of the outer right edge,
// besides the button widths taken off:
static const int SIZING_FRAME_GAP96 = 8;   // a window with a sizing frame
static const int BUTTON_BOX_GAP96 = 3;     // one with a minimise or maximise box
static const int EDGE_GAP96 = 2;           // any other
static const int HIT_TEST_SHIFT96 = 4;     // the hit test's shift of the pointer, right and down

struct CaptionMetrics {
    int dpi;            // the window's
    int buttonWidth;    // Bw
    int buttonHeight;   // Bh
    int captionHeight;  // Ch
    int frameHeight;    // Fh
};

// The caption's metrics at the window's DPI.
static CaptionMetrics GetCaptionMetrics(HWND window)
{
    bool tool = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    int dpi = WindowDpi(window);
    CaptionMetrics m;
    m.dpi = dpi;
    m.buttonWidth = MetricForDpi(tool ? SM_CXSMSIZE : SM_CXSIZE, dpi);
    m.buttonHeight = MetricForDpi(tool ? SM_CYSMSIZE : SM_CYSIZE, dpi);
    m.captionHeight = MetricForDpi(tool ? SM_CYSMCAPTION : SM_CYCAPTION, dpi);
    m.frameHeight = MetricForDpi(SM_CYFRAME, dpi);
    return m;
}

// The stock GUI font at the system's DPI, else one made for the window's DPI
// and kept in the record until the DPI changes again.
static HGDIOBJ CaptionLinkFont(CaptionLinkRecord* record, HWND window)
{
    int dpi = WindowDpi(window);
    if (dpi == SystemDpi())
        return GetStockObject(DEFAULT_GUI_FONT);
    if (record->fontDpi != dpi) {
        HFONT font = CreateGuiFontForDpi(dpi);
        if (!font)
            return GetStockObject(DEFAULT_GUI_FONT);
        if (record->font)
            DeleteObject(record->font);
        record->font = font;
        record->fontDpi = dpi;
    }
    return record->font;
}

static CaptionLinkRecord* GetCaptionRecord(HWND window)
{
    return (CaptionLinkRecord*)GetWindowLongPtrA(window, GWLP_USERDATA);
}

void AttachCaptionLink(HWND window, const char* text, const char* target)
{
    if (GetWindowLongPtrA(window, GWLP_USERDATA))
        return;
    CaptionLinkRecord* record = (CaptionLinkRecord*)HeapAlloc(GetProcessHeap(), 0, sizeof(CaptionLinkRecord));
    if (!record)
        return;   // the window simply has no caption link
    record->active = 0;
    record->hover = 0;
    SetRectEmpty(&record->linkRect);
    lstrcpynA(record->text, text ? text : "", CAPTION_LINK_TEXT_SIZE);
    lstrcpynA(record->target, target ? target : "", CAPTION_LINK_TEXT_SIZE);
    record->handCursor = 0;
    record->savedCursor = 0;
    record->font = 0;
    record->fontDpi = 0;

    // The record is in place before the new procedure can run.
    SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)record);
    record->previousProc = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CaptionLinkProc);
    record->handCursor = CreateHandCursor();
}

RECT GetCaptionLinkArea(HWND window)
{
    CaptionMetrics m = GetCaptionMetrics(window);
    RECT outer;
    GetWindowRect(window, &outer);
    int width = outer.right - outer.left;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);

    RECT area;
    area.left = 0;
    if (style & WS_THICKFRAME)
        area.right = width - m.buttonWidth - ScaleForDpi(SIZING_FRAME_GAP96, m.dpi);
    else if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
        area.right = width - m.buttonWidth - ScaleForDpi(BUTTON_BOX_GAP96, m.dpi);
    else if (style & WS_SYSMENU)
        area.right = width - ScaleForDpi(EDGE_GAP96, m.dpi);
    else
        area.right = width + m.buttonWidth - ScaleForDpi(EDGE_GAP96, m.dpi);
    area.top = m.captionHeight + m.frameHeight - m.buttonHeight;
    area.bottom = area.top - m.frameHeight + m.buttonHeight;   // = caption height
    return area;
}

void DrawCaptionLink(CaptionLinkRecord* record, HWND window)
{
    RECT rect = GetCaptionLinkArea(window);
    rect.right -= 2 * GetCaptionMetrics(window).buttonWidth;

    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    HGDIOBJ oldFont = SelectObject(dc, CaptionLinkFont(record, window));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF captionText = GetSysColor(COLOR_CAPTIONTEXT);
    LinkColours own = { captionText, captionText, captionText, GetSysColor(COLOR_ACTIVECAPTION) };
    COLORREF oldColour = SetTextColor(dc, LinkColoursNow(own).normal);

    SIZE extent = { 0, 0 };
    GetTextExtentPoint32A(dc, record->text, lstrlenA(record->text), &extent);
    rect.left = rect.right - extent.cx;
    rect.top = rect.bottom - extent.cy;
    DrawTextA(dc, record->text, -1, &rect, CAPTION_LINK_FORMAT);

    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    ReleaseDC(window, dc);
    record->linkRect = rect;
}

// The pointer is mapped as the link has always done it: x from the client
// area's left edge plus the shift, y upwards from the client area's top edge.
BOOL HitTestCaptionLink(CaptionLinkRecord* record, HWND window, POINT point)
{
    if (!record->active)
        return FALSE;
    const int dpi = WindowDpi(window);
    const int shift = ScaleForDpi(HIT_TEST_SHIFT96, dpi);
    point.x += shift;
    ScreenToClient(window, &point);
    point.y = -point.y - MetricForDpi(SM_CYMENUSIZE, dpi) + shift;
    return PtInRect(&record->linkRect, point);
}

// A disabled window (a modal dialog is open) always counts as inactive.
LRESULT OnCaptionNcActivate(CaptionLinkRecord* record, HWND window, WPARAM wParam)
{
    if (!IsWindowEnabled(window))
        wParam = 0;
    LRESULT result = TRUE;
    if ((int)wParam != record->active) {
        record->active = (int)wParam;
        result = DefWindowProcA(window, WM_NCACTIVATE, wParam, 0);
    }
    DrawCaptionLink(record, window);
    return result;
}

// Changes the caption without the default handling's own caption paint, then
// repaints the frame once, link included. The same text again changes nothing.
void SetCaptionTextQuietly(HWND window, const char* text)
{
    char current[CAPTION_TEXT_READ];
    current[0] = 0;
    GetWindowTextA(window, current, CAPTION_TEXT_READ);
    if (lstrcmpA(text, current) == 0)
        return;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (style & WS_VISIBLE)
        SetWindowLongPtrA(window, GWL_STYLE, style & ~(LONG_PTR)WS_VISIBLE);
    DefWindowProcA(window, WM_SETTEXT, 0, (LPARAM)text);
    if (style & WS_VISIBLE)
        SetWindowLongPtrA(window, GWL_STYLE, style);
    RedrawWindow(window, 0, 0, RDW_INVALIDATE | RDW_ERASENOW | RDW_FRAME);
}

static void OnCaptionNcMouseMove(CaptionLinkRecord* record, HWND window, LPARAM lParam)
{
    POINT point = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
    if (HitTestCaptionLink(record, window, point) && !record->hover) {
        SetCapture(window);
        record->hover = 1;
        record->savedCursor = SetCursor(record->handCursor);
    }
}

static void OnCaptionMouseMove(CaptionLinkRecord* record, HWND window, LPARAM lParam)
{
    POINT point = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
    ClientToScreen(window, &point);
    if (!HitTestCaptionLink(record, window, point) && record->hover) {
        ReleaseCapture();
        record->hover = 0;
        SetCursor(record->savedCursor);
    }
}

static LRESULT OnCaptionNcDestroy(CaptionLinkRecord* record, HWND window, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = record->previousProc;
    if (record->handCursor)
        DestroyCursor(record->handCursor);
    if (record->font)
        DeleteObject(record->font);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    HeapFree(GetProcessHeap(), 0, record);
    return CallWindowProcA(previous, window, WM_NCDESTROY, wParam, lParam);
}

LRESULT CALLBACK CaptionLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CaptionLinkRecord* record = GetCaptionRecord(window);
    if (!record)
        return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_SETTEXT:
        if (lParam)
            SetCaptionTextQuietly(window, (const char*)lParam);
        return TRUE;
    case WM_NCDESTROY:
        return OnCaptionNcDestroy(record, window, wParam, lParam);
    case WM_NCPAINT:
        DefWindowProcA(window, WM_NCPAINT, wParam, lParam);
        DrawCaptionLink(record, window);
        return 0;
    case WM_NCACTIVATE:
        return OnCaptionNcActivate(record, window, wParam);
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:   // a high-contrast theme coming or going among them
        RepaintForNewColours(window);
        break;
    case WM_NCMOUSEMOVE:
        OnCaptionNcMouseMove(record, window, lParam);
        break;
    case WM_MOUSEMOVE:
        OnCaptionMouseMove(record, window, lParam);
        break;
    case WM_LBUTTONDOWN:
        if (!record->hover) break;
        ShellExecuteA(0, "open", record->target, 0, 0, SW_SHOWNORMAL);
        return 0;   // no drag, hover and capture stay
    }
    return CallWindowProcA(record->previousProc, window, message, wParam, lParam);
}
