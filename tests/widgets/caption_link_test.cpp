// The caption link on a real top-level window.
#include "widgets/caption_link.h"
#include "widget_test_window.h"

#include <gtest/gtest.h>

namespace {

const DWORD MAIN_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;   // as the main window
const int MAIN_WIDTH = 470;

// Counts frame paints in front of the caption link, which handles them itself.
int FramePaints;
WNDPROC CaptionProc;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        ++FramePaints;
    return CallWindowProcA(CaptionProc, window, message, wParam, lParam);
}

struct CaptionLinkTest : ::testing::Test {
    HWND window = 0;
    void SetUp() override
    {
        window = CreateTestWindow(MAIN_STYLE, WS_EX_CLIENTEDGE, MAIN_WIDTH, 250);
        AttachCaptionLink(window, "brisklane.example", "C:\\no such folder\\x.nothing");
        RedrawWindow(window, 0, 0, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessages();
    }
    void TearDown() override { DestroyWindow(window); }
    CaptionLinkRecord* Record() { return (CaptionLinkRecord*)GetWindowLongPtrA(window, GWLP_USERDATA); }
    // A screen point that the hit test maps to (x, y) of the link rectangle.
    POINT ScreenPointFor(int x, int y)
    {
        POINT origin = { 0, 0 };
        ClientToScreen(window, &origin);
        POINT point = { origin.x + x - 4, origin.y - y - GetSystemMetrics(SM_CYMENUSIZE) + 4 };
        return point;
    }
};

TEST_F(CaptionLinkTest, AttachSubclassesOnce)
{
    ASSERT_NE(Record(), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), (LONG_PTR)CaptionLinkProc);
    EXPECT_STREQ(Record()->text, "brisklane.example");
    CaptionLinkRecord* first = Record();
    AttachCaptionLink(window, "other", "other");   // the slot is in use: nothing changes
    EXPECT_EQ(Record(), first);
    EXPECT_STREQ(Record()->text, "brisklane.example");
}

TEST_F(CaptionLinkTest, AreaFollowsTheStyleAndTheSystemMetrics)
{
    int bw = GetSystemMetrics(SM_CXSIZE), ch = GetSystemMetrics(SM_CYCAPTION);
    RECT area = GetCaptionLinkArea(window);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.right, MAIN_WIDTH - bw - 3);
    EXPECT_EQ(area.bottom, ch);
    EXPECT_EQ(area.top, ch + GetSystemMetrics(SM_CYFRAME) - GetSystemMetrics(SM_CYSIZE));

    HWND sizable = CreateTestWindow(WS_OVERLAPPEDWINDOW, 0, 300, 100);
    EXPECT_EQ(GetCaptionLinkArea(sizable).right, 300 - bw - 8);
    HWND plain = CreateTestWindow(WS_CAPTION | WS_SYSMENU, 0, 300, 100);
    EXPECT_EQ(GetCaptionLinkArea(plain).right, 300 - 2);
    HWND bare = CreateTestWindow(WS_CAPTION, 0, 300, 100);
    EXPECT_EQ(GetCaptionLinkArea(bare).right, 300 + bw - 2);
    HWND tool = CreateTestWindow(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_EX_TOOLWINDOW, 300, 100);
    EXPECT_EQ(GetCaptionLinkArea(tool).right, 300 - GetSystemMetrics(SM_CXSMSIZE) - 3);
    EXPECT_EQ(GetCaptionLinkArea(tool).bottom, GetSystemMetrics(SM_CYSMCAPTION));
    DestroyWindow(sizable);
    DestroyWindow(plain);
    DestroyWindow(bare);
    DestroyWindow(tool);
}

TEST_F(CaptionLinkTest, TextEndsLeftOfTheCaptionButtons)
{
    RECT link = Record()->linkRect;
    EXPECT_EQ(link.right, MAIN_WIDTH - 3 * GetSystemMetrics(SM_CXSIZE) - 3);
    EXPECT_EQ(link.bottom, GetSystemMetrics(SM_CYCAPTION));
    HDC dc = GetWindowDC(window);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent;
    GetTextExtentPoint32A(dc, "brisklane.example", 17, &extent);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    EXPECT_EQ(link.right - link.left, extent.cx);
    EXPECT_EQ(link.bottom - link.top, extent.cy);
}

// The sensitive area has the link's size but its own place: x counts from the
// client area's left edge plus 4, y upwards from the client area's top edge
// minus the menu bar height plus 4. With the link rectangle set to (100, 5) -
// (150, 20), the pointer hits from 96 to 145 pixels right of the client's left
// edge and from Mh + 1 to Mh + 15 pixels above its top edge.
TEST_F(CaptionLinkTest, HitTestUsesItsOwnFormulaAndOnlyWhileActive)
{
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    ASSERT_NE(Record()->active, 0);
    SetRect(&Record()->linkRect, 100, 5, 150, 20);
    const int mh = GetSystemMetrics(SM_CYMENUSIZE);
    POINT client = { 0, 0 };
    ClientToScreen(window, &client);
    const struct { int right, above; bool hit; } cases[] = {
        { 96, mh + 1, true },     // top left corner
        { 145, mh + 15, true },   // bottom right corner
        { 95, mh + 1, false },    // one left of it
        { 146, mh + 1, false },   // one right of it
        { 96, mh, false },        // one below it
        { 96, mh + 16, false },   // one above it
    };
    for (const auto& c : cases) {
        POINT screen = { client.x + c.right, client.y - c.above };
        EXPECT_EQ(HitTestCaptionLink(Record(), window, screen) != 0, c.hit) << c.right << " right, " << c.above << " above";
    }

    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(Record()->active, 0);
    SetRect(&Record()->linkRect, 100, 5, 150, 20);
    POINT inside = { client.x + 96, client.y - (mh + 1) };
    EXPECT_FALSE(HitTestCaptionLink(Record(), window, inside));   // never while inactive
}

TEST_F(CaptionLinkTest, HoverTakesTheCaptureAndGivesItBack)
{
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    RECT link = Record()->linkRect;
    POINT on = ScreenPointFor(link.left + 1, link.top + 1);
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(on.x, on.y));
    EXPECT_EQ(Record()->hover, 1);
    EXPECT_EQ(GetCapture(), window);
    EXPECT_EQ(GetCursor(), Record()->handCursor);

    EXPECT_EQ(SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0), 0);   // opens, stays hovered
    EXPECT_EQ(Record()->hover, 1);

    POINT origin = { 0, 0 };
    ClientToScreen(window, &origin);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));   // into the client area
    EXPECT_EQ(Record()->hover, 0);
    EXPECT_NE(GetCapture(), window);
}

TEST_F(CaptionLinkTest, DisabledWindowIgnoresThePointer)
{
    EnableWindow(window, FALSE);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(Record()->active, 0);
    RECT link = Record()->linkRect;
    POINT on = ScreenPointFor(link.left + 1, link.top + 1);
    SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(on.x, on.y));
    EXPECT_EQ(Record()->hover, 0);
    EXPECT_NE(GetCapture(), window);
    EnableWindow(window, TRUE);
}

TEST_F(CaptionLinkTest, SameCaptionRepaintsNothingANewOneRepaintsOnce)
{
    CaptionProc = (WNDPROC)SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CountingProc);
    // CountingProc sits in front; the record stays in the user-data slot.
    FramePaints = 0;
    SetWindowTextA(window, "Widget test");
    PumpMessages();
    EXPECT_EQ(FramePaints, 0);

    SetWindowTextA(window, "Metrova [Desktop]");
    PumpMessages();
    EXPECT_EQ(FramePaints, 1);
    char text[64];
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Metrova [Desktop]");
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CaptionProc);
}

TEST_F(CaptionLinkTest, LongTextsAreCut)
{
    HWND other = CreateTestWindow(MAIN_STYLE, 0, 300, 100);
    char longText[600];
    for (int i = 0; i < 599; ++i) longText[i] = 'x';
    longText[599] = 0;
    AttachCaptionLink(other, longText, longText);
    CaptionLinkRecord* record = (CaptionLinkRecord*)GetWindowLongPtrA(other, GWLP_USERDATA);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(lstrlenA(record->text), 255);
    EXPECT_EQ(lstrlenA(record->target), 255);
    DestroyWindow(other);
}

}  // namespace
