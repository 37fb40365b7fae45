// Link label: a subclassed static control. The record lives in the control's
// user-data slot and is freed in WM_NCDESTROY, which also puts the static
// control's own procedure back.
#include "widgets/link_label.h"
#include "widgets/hand_cursor.h"
#include "widgets/link_accessible.h"
#include "widgets/high_contrast.h"

#include <shellapi.h>

static const UINT LINK_TEXT_FORMAT = DT_SINGLELINE | DT_NOPREFIX;
static const LONG_PTR LINK_STYLE_CLEARED = WS_BORDER | WS_TABSTOP;
static const int LINK_MEASURE_LIMIT = 0x7FFF;
static const int FOCUS_RING = 2;   // one pixel on each side for the focus rectangle

static bool IsLinkLabel(HWND control)
{
    return control && GetWindowLongPtrA(control, GWLP_WNDPROC) == (LONG_PTR)LinkLabelProc;
}

static LinkLabelRecord* GetLinkRecord(HWND control)
{
    return (LinkLabelRecord*)GetWindowLongPtrA(control, GWLP_USERDATA);
}

static void RepaintNow(HWND control)
{
    InvalidateRect(control, 0, TRUE);
    UpdateWindow(control);
}

// The control's text, at most 259 characters.
static void ReadLinkText(HWND control, char* text)
{
    text[0] = 0;
    SendMessageA(control, WM_GETTEXT, LINK_TARGET_SIZE, (LPARAM)text);
    text[LINK_TARGET_SIZE - 1] = 0;
}

void AttachLinkLabel(HWND control, const char* target, COLORREF normalColour,
                     COLORREF visitedColour, unsigned options)
{
    LinkLabelRecord* record;
    if (IsLinkLabel(control)) {
        record = GetLinkRecord(control);
        if (!record)
            return;
    } else {
        record = (LinkLabelRecord*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(LinkLabelRecord));
        if (!record)
            return;
        HFONT font = (HFONT)SendMessageA(control, WM_GETFONT, 0, 0);
        record->previousProc = (WNDPROC)SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)LinkLabelProc);
        SetWindowLongPtrA(control, GWLP_USERDATA, (LONG_PTR)record);
        record->pressed = 0;
        record->cursor = CreateHandCursor();
        SendMessageA(control, WM_SETFONT, (WPARAM)font, 0);   // builds the link font
    }

    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
    lstrcpynA(record->target, target ? target : "", LINK_TARGET_SIZE);
    record->normalColour = normalColour == LINK_DEFAULT_COLOUR ? LINK_NORMAL_COLOUR : normalColour;
    record->visitedColour = visitedColour == LINK_DEFAULT_COLOUR ? LINK_VISITED_COLOUR : visitedColour;
    record->options = options;

    style = (style & ~LINK_STYLE_CLEARED) | SS_NOTIFY;
    if (options & LINK_TABSTOP)
        style |= WS_TABSTOP;
    SetWindowLongPtrA(control, GWL_STYLE, style);

    if (options & LINK_AUTOSIZE)
        FitLinkLabel(control, FALSE);
    RepaintNow(control);
}

BOOL FitLinkLabel(HWND control, BOOL redraw)
{
    if (!IsLinkLabel(control))
        return FALSE;
    HDC dc = GetDC(control);
    if (!dc)
        return FALSE;
    RECT size;
    int measured = DrawLinkLabel(control, dc, &size);
    ReleaseDC(control, dc);
    if (!measured)
        return FALSE;
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (!redraw)
        flags |= SWP_NOREDRAW;
    return SetWindowPos(control, 0, 0, 0, size.right, size.bottom, flags);
}

int OpenLinkLabel(HWND control)
{
    if (!IsLinkLabel(control))
        return 0;
    LinkLabelRecord* record = GetLinkRecord(control);
    if (!record)
        return 0;

    char text[LINK_TARGET_SIZE];
    const char* open = record->target;
    if (!open[0]) {
        ReadLinkText(control, text);
        open = text;
    }
    INT_PTR result = (INT_PTR)ShellExecuteA(0, "open", open, 0, 0, SW_SHOWNORMAL);
    if (result > 32) {
        record->options |= LINK_VISITED;
        RepaintNow(control);
    }
    return 1;
}

static UINT LinkTextFormat(unsigned options)
{
    UINT format = LINK_TEXT_FORMAT;
    if (options & LINK_RIGHT)        format |= DT_RIGHT;
    else if (options & LINK_CENTER)  format |= DT_CENTER;
    if (options & LINK_BOTTOM)       format |= DT_BOTTOM;
    else if (options & LINK_VCENTER) format |= DT_VCENTER;
    return format;
}

// Measures the text into rect: the extent of the underlined text, plus room
// for the focus rectangle when the link takes the focus.
static void MeasureLinkText(LinkLabelRecord* record, HDC dc, const char* text, UINT format, RECT* rect)
{
    SetRect(rect, 0, 0, LINK_MEASURE_LIMIT, LINK_MEASURE_LIMIT);
    HGDIOBJ oldFont = SelectObject(dc, record->linkFont);
    DrawTextA(dc, text, -1, rect, format | DT_CALCRECT);
    SelectObject(dc, oldFont);
    if (record->options & LINK_TABSTOP) {
        rect->right += FOCUS_RING;
        rect->bottom += FOCUS_RING;
    }
}

// Drawn in the link's own colours on the dialog's face, or in the theme's
// colours under high contrast.
static void PaintLinkText(HWND control, LinkLabelRecord* record, HDC dc, const char* text, UINT format)
{
    LinkColours own = { record->normalColour, record->visitedColour, GetSysColor(COLOR_BTNTEXT),
                        GetSysColor(COLOR_BTNFACE) };
    LinkColours colours = LinkColoursNow(own);
    RECT rect;
    GetClientRect(control, &rect);
    COLORREF oldBrush = SetDCBrushColor(dc, colours.background);
    FillRect(dc, &rect, (HBRUSH)GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, oldBrush);

    if (record->options & LINK_TABSTOP) {
        if (GetFocus() == control) {
            COLORREF oldBack = SetBkColor(dc, colours.background);
            COLORREF oldText = SetTextColor(dc, colours.text);
            DrawFocusRect(dc, &rect);
            SetTextColor(dc, oldText);
            SetBkColor(dc, oldBack);
        }
        InflateRect(&rect, -1, -1);
    }

    COLORREF colour = (record->options & LINK_VISITED) ? colours.visited : colours.normal;
    COLORREF oldText = SetTextColor(dc, colour);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, record->linkFont);
    DrawTextA(dc, text, -1, &rect, format);
    SelectObject(dc, oldFont);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldText);
}

int DrawLinkLabel(HWND control, HDC dc, RECT* measureRect)
{
    if (!dc || !IsLinkLabel(control))
        return 0;
    LinkLabelRecord* record = GetLinkRecord(control);
    if (!record)
        return 0;

    char text[LINK_TARGET_SIZE];
    ReadLinkText(control, text);
    UINT format = LinkTextFormat(record->options);
    if (measureRect)
        MeasureLinkText(record, dc, text, format, measureRect);
    else
        PaintLinkText(control, record, dc, text, format);
    return 1;
}

// The link font is an underlined copy of the new font; the static control
// keeps the plain one and is not allowed to repaint for the change itself.
static LRESULT OnLinkSetFont(HWND control, LinkLabelRecord* record, WPARAM wParam, LPARAM lParam)
{
    HGDIOBJ font = wParam ? (HGDIOBJ)wParam : GetStockObject(SYSTEM_FONT);
    LOGFONTA logFont;
    ZeroMemory(&logFont, sizeof logFont);
    GetObjectA(font, sizeof logFont, &logFont);
    logFont.lfUnderline = 1;
    if (record->linkFont)
        DeleteObject(record->linkFont);
    record->linkFont = CreateFontIndirectA(&logFont);

    CallWindowProcA(record->previousProc, control, WM_SETFONT, wParam, 0);
    if (record->options & LINK_AUTOSIZE)
        FitLinkLabel(control, FALSE);
    if (LOWORD(lParam))
        RepaintNow(control);
    return 0;
}

static LRESULT OnLinkPaint(HWND control, WPARAM wParam)
{
    if (wParam) {
        DrawLinkLabel(control, (HDC)wParam, 0);
        return 0;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    DrawLinkLabel(control, dc, 0);
    EndPaint(control, &paint);
    return 0;
}

static LRESULT OnLinkSetText(HWND control, LinkLabelRecord* record, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(record->previousProc, control, WM_SETTEXT, wParam, lParam);
    if (record->options & LINK_AUTOSIZE)
        FitLinkLabel(control, FALSE);
    RepaintNow(control);
    return result;
}

static LRESULT OnLinkNcDestroy(HWND control, LinkLabelRecord* record, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = record->previousProc;
    SetWindowLongPtrA(control, GWLP_WNDPROC, (LONG_PTR)previous);
    SetWindowLongPtrA(control, GWLP_USERDATA, 0);
    if (record->cursor)
        DestroyCursor(record->cursor);
    if (record->linkFont)
        DeleteObject(record->linkFont);
    HeapFree(GetProcessHeap(), 0, record);
    return CallWindowProcA(previous, control, WM_NCDESTROY, wParam, lParam);
}

static LRESULT OnLinkButtonDown(HWND control, LinkLabelRecord* record, WPARAM wParam, LPARAM lParam)
{
    if (record->options & LINK_TABSTOP)
        SetFocus(control);
    SetCapture(control);
    record->pressed = 1;
    return CallWindowProcA(record->previousProc, control, WM_LBUTTONDOWN, wParam, lParam);
}

// Opens the link only when the button goes up inside the control.
static LRESULT OnLinkButtonUp(HWND control, LinkLabelRecord* record, WPARAM wParam, LPARAM lParam)
{
    ReleaseCapture();
    if (record->pressed) {
        record->pressed = 0;
        POINT point = { (short)LOWORD(lParam), (short)HIWORD(lParam) };
        ClientToScreen(control, &point);
        RECT window;
        GetWindowRect(control, &window);
        if (PtInRect(&window, point))
            OpenLinkLabel(control);
    }
    return CallWindowProcA(record->previousProc, control, WM_LBUTTONUP, wParam, lParam);
}

// Space or Enter opens a focusable link, as they press a button.
static bool IsOpenKey(WPARAM key)
{
    return key == VK_SPACE || key == VK_RETURN;
}

// A focusable link takes the characters, and Enter too, which the dialog
// manager would otherwise give the default button.
static LRESULT OnLinkGetDlgCode(LPARAM lParam)
{
    const MSG* message = (const MSG*)lParam;
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
        return DLGC_WANTCHARS | DLGC_WANTMESSAGE;
    return DLGC_WANTCHARS;
}

LRESULT CALLBACK LinkLabelProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    LinkLabelRecord* record = GetLinkRecord(control);
    if (!record)
        return DefWindowProcA(control, message, wParam, lParam);
    bool tabStop = (record->options & LINK_TABSTOP) != 0;

    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;   // clicks and the cursor reach the link even on a plain static
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (!tabStop) break;
        RepaintNow(control);   // the focus rectangle comes or goes
        return 0;
    case WM_SETTEXT:
        return OnLinkSetText(control, record, wParam, lParam);
    case WM_PAINT:
        return OnLinkPaint(control, wParam);
    case WM_SETCURSOR:
        SetCursor(record->cursor ? record->cursor : LoadCursorA(0, IDC_ARROW));
        return 1;
    case WM_SETFONT:
        return OnLinkSetFont(control, record, wParam, lParam);
    case WM_NCDESTROY:
        return OnLinkNcDestroy(control, record, wParam, lParam);
    case WM_GETDLGCODE:
        if (!tabStop) break;
        return OnLinkGetDlgCode(lParam);
    case WM_KEYDOWN:
        if (!tabStop || !IsOpenKey(wParam)) break;
        OpenLinkLabel(control);
        return 0;
    case WM_KEYUP:
        if (!tabStop || !IsOpenKey(wParam)) break;
        return 0;
    case WM_GETOBJECT:   // accessibility tools: the link's own accessible object
        if ((LONG)lParam != OBJID_CLIENT) break;
        return AnswerLinkAccessibleObject(control, wParam);
    case WM_LBUTTONDOWN:
        return OnLinkButtonDown(control, record, wParam, lParam);
    case WM_LBUTTONUP:
        return OnLinkButtonUp(control, record, wParam, lParam);
    }
    return CallWindowProcA(record->previousProc, control, message, wParam, lParam);
}
