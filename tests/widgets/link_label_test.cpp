// Link labels on real static controls.
#include "widgets/link_label.h"
#include "widget_test_window.h"

#include <gtest/gtest.h>
#include <oleacc.h>

namespace {

const DWORD STATIC_STYLE = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | SS_LEFT;

struct LinkLabelTest : ::testing::Test {
    HWND window = 0;
    HWND link = 0;
    void SetUp() override
    {
        window = CreateTestWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 400, 200);
        link = CreateTestStatic(window, "brisklane.example", STATIC_STYLE);
    }
    void TearDown() override { DestroyWindow(window); }
    LinkLabelRecord* Record() { return (LinkLabelRecord*)GetWindowLongPtrA(link, GWLP_USERDATA); }
    LONG_PTR Style() { return GetWindowLongPtrA(link, GWL_STYLE); }
    SIZE TextSize(const char* text)
    {
        HDC dc = GetDC(link);
        HGDIOBJ old = SelectObject(dc, Record()->linkFont);
        RECT rect = { 0, 0, 0x7FFF, 0x7FFF };
        DrawTextA(dc, text, -1, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        SelectObject(dc, old);
        ReleaseDC(link, dc);
        SIZE size = { rect.right, rect.bottom };
        return size;
    }
    SIZE WindowSize()
    {
        RECT rect;
        GetWindowRect(link, &rect);
        SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
        return size;
    }
};

TEST_F(LinkLabelTest, AttachSubclassesAndRestyles)
{
    AttachLinkLabel(link, "https://brisklane.example/", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    EXPECT_EQ(GetWindowLongPtrA(link, GWLP_WNDPROC), (LONG_PTR)LinkLabelProc);
    ASSERT_NE(Record(), nullptr);
    EXPECT_STREQ(Record()->target, "https://brisklane.example/");
    EXPECT_EQ(Record()->normalColour, RGB(0, 0, 255));
    EXPECT_EQ(Record()->visitedColour, RGB(128, 0, 128));
    EXPECT_FALSE(Style() & WS_BORDER);
    EXPECT_FALSE(Style() & WS_TABSTOP);   // the template's tab stop goes without LINK_TABSTOP
    EXPECT_TRUE(Style() & SS_NOTIFY);

    AttachLinkLabel(link, 0, RGB(1, 2, 3), RGB(4, 5, 6), LINK_TABSTOP);
    EXPECT_TRUE(Style() & WS_TABSTOP);
    EXPECT_STREQ(Record()->target, "");
    EXPECT_EQ(Record()->normalColour, RGB(1, 2, 3));
    EXPECT_EQ(Record()->visitedColour, RGB(4, 5, 6));
}

TEST_F(LinkLabelTest, ReattachKeepsOneRecordCursorAndFont)
{
    AttachLinkLabel(link, "a", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_VISITED);
    LinkLabelRecord* record = Record();
    HCURSOR cursor = record->cursor;
    HFONT font = record->linkFont;
    WNDPROC previous = record->previousProc;
    AttachLinkLabel(link, "a", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    EXPECT_EQ(Record(), record);
    EXPECT_EQ(record->cursor, cursor);
    EXPECT_EQ(record->linkFont, font);
    EXPECT_EQ(record->previousProc, previous);   // never the link's own procedure
    EXPECT_FALSE(record->options & LINK_VISITED);  // only kept when passed again
}

TEST_F(LinkLabelTest, FontIsAnUnderlinedCopyAndTheControlKeepsThePlainOne)
{
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    LOGFONTA logFont = {};
    GetObjectA(Record()->linkFont, sizeof logFont, &logFont);
    EXPECT_EQ(logFont.lfUnderline, 1);
    EXPECT_EQ((HGDIOBJ)SendMessageA(link, WM_GETFONT, 0, 0), GetStockObject(DEFAULT_GUI_FONT));

    HFONT old = Record()->linkFont;
    SendMessageA(link, WM_SETFONT, 0, 0);   // no font: the system font, underlined
    EXPECT_EQ(GetObjectType(old), 0u) << "the old link font is deleted";
    GetObjectA(Record()->linkFont, sizeof logFont, &logFont);
    EXPECT_EQ(logFont.lfUnderline, 1);
}

TEST_F(LinkLabelTest, AutosizeFitsTheTextWithRoomForTheFocusRing)
{
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_AUTOSIZE);
    SIZE text = TextSize("brisklane.example");
    EXPECT_EQ(WindowSize().cx, text.cx);
    EXPECT_EQ(WindowSize().cy, text.cy);

    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_AUTOSIZE | LINK_TABSTOP);
    EXPECT_EQ(WindowSize().cx, text.cx + 2);
    EXPECT_EQ(WindowSize().cy, text.cy + 2);

    SetWindowTextA(link, "a much longer link text than before");
    EXPECT_EQ(WindowSize().cx, TextSize("a much longer link text than before").cx + 2);
}

// LINK_RIGHT selects DT_RIGHT and LINK_CENTER DT_CENTER, though their bits
// are the other way round; the vertical bits are the DT_ values themselves.
TEST_F(LinkLabelTest, AlignmentBitsPlaceTheText)
{
    SetWindowTextA(link, "ab");
    const COLORREF blue = RGB(0, 0, 255);
    AttachLinkLabel(link, 0, blue, blue, 0);
    RECT left = PaintedExtent(link, blue);
    AttachLinkLabel(link, 0, blue, blue, LINK_RIGHT);
    RECT right = PaintedExtent(link, blue);
    AttachLinkLabel(link, 0, blue, blue, LINK_CENTER);
    RECT centre = PaintedExtent(link, blue);
    AttachLinkLabel(link, 0, blue, blue, LINK_RIGHT | LINK_CENTER | LINK_BOTTOM);
    RECT bottomRight = PaintedExtent(link, blue);
    AttachLinkLabel(link, 0, blue, blue, LINK_VCENTER);
    RECT middle = PaintedExtent(link, blue);

    EXPECT_LT(left.right, 40);
    EXPECT_GT(right.left, 260);
    EXPECT_GT(centre.left, 120);
    EXPECT_LT(centre.right, 180);
    EXPECT_EQ(bottomRight.left, right.left);       // LINK_RIGHT wins over LINK_CENTER
    EXPECT_GT(bottomRight.bottom, middle.bottom);  // 40 pixels high: bottom, middle, top
    EXPECT_GT(middle.top, left.top);
}

TEST_F(LinkLabelTest, OperationsOnAPlainStaticDoNothing)
{
    RECT rect;
    HDC dc = GetDC(link);
    EXPECT_EQ(FitLinkLabel(link, TRUE), 0);
    EXPECT_EQ(OpenLinkLabel(link), 0);
    EXPECT_EQ(DrawLinkLabel(link, dc, &rect), 0);
    ReleaseDC(link, dc);
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    EXPECT_EQ(DrawLinkLabel(link, 0, &rect), 0) << "no device context";
}

TEST_F(LinkLabelTest, HitTestAlwaysAnswersClient)
{
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, MAKELPARAM(-1000, -1000)), HTCLIENT);
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_TABSTOP | LINK_AUTOSIZE);
    EXPECT_EQ(SendMessageA(link, WM_NCHITTEST, 0, 0), HTCLIENT);
}

TEST_F(LinkLabelTest, VisitedColourOnlyAfterASuccessfulOpen)
{
    AttachLinkLabel(link, "C:\\no such folder\\no such file.nothing", RGB(0, 0, 255), RGB(255, 0, 0), 0);
    EXPECT_TRUE(PaintedWithColour(link, RGB(0, 0, 255)));
    EXPECT_EQ(OpenLinkLabel(link), 1);   // reports 1 even though the shell failed
    EXPECT_FALSE(Record()->options & LINK_VISITED);
    EXPECT_FALSE(PaintedWithColour(link, RGB(255, 0, 0)));

    char exe[MAX_PATH + 8], ran[MAX_PATH + 8];
    MarkerPaths(exe, ran);
    DeleteFileA(ran);
    AttachLinkLabel(link, exe, RGB(0, 0, 255), RGB(255, 0, 0), 0);
    EXPECT_EQ(OpenLinkLabel(link), 1);
    EXPECT_TRUE(Record()->options & LINK_VISITED);
    EXPECT_TRUE(PaintedWithColour(link, RGB(255, 0, 0)));
    EXPECT_FALSE(PaintedWithColour(link, RGB(0, 0, 255)));
    EXPECT_TRUE(WaitForFile(ran, 10000));
    DeleteFileA(ran);
}

TEST_F(LinkLabelTest, EmptyTargetOpensTheText)
{
    char exe[MAX_PATH + 8], ran[MAX_PATH + 8];
    MarkerPaths(exe, ran);
    DeleteFileA(ran);
    SetWindowTextA(link, exe);
    AttachLinkLabel(link, "", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    OpenLinkLabel(link);
    EXPECT_TRUE(Record()->options & LINK_VISITED);
    EXPECT_TRUE(WaitForFile(ran, 10000));
    DeleteFileA(ran);
}

TEST_F(LinkLabelTest, PressThenReleaseOutsideOpensNothing)
{
    char exe[MAX_PATH + 8], ran[MAX_PATH + 8];
    MarkerPaths(exe, ran);
    AttachLinkLabel(link, exe, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_AUTOSIZE);
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(Record()->pressed, 1);
    EXPECT_EQ(GetCapture(), link);
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(-40, 200));
    EXPECT_EQ(Record()->pressed, 0);
    EXPECT_NE(GetCapture(), link);
    EXPECT_FALSE(Record()->options & LINK_VISITED);

    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));   // a release without a press
    EXPECT_FALSE(Record()->options & LINK_VISITED);

    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(Record()->options & LINK_VISITED);
    WaitForFile(ran, 10000);
    DeleteFileA(ran);
}

TEST_F(LinkLabelTest, SpaceBarOpensOnlyAFocusableLink)
{
    AttachLinkLabel(link, "C:\\no such folder\\x.nothing", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    EXPECT_NE(SendMessageA(link, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
    AttachLinkLabel(link, "C:\\no such folder\\x.nothing", LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_TABSTOP);
    EXPECT_EQ(SendMessageA(link, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
    EXPECT_EQ(SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0), 0);
    EXPECT_EQ(SendMessageA(link, WM_KEYUP, VK_SPACE, 0), 0);
}

// Enter on the focused link reaches it through the dialog manager (not the
// default button) and opens it; so does a screen reader's default action.
// Once the control is gone, its accessible object says so.
TEST_F(LinkLabelTest, EnterOrTheAccessibleDefaultActionOpensAFocusableLink)
{
    char exe[MAX_PATH + 8], ran[MAX_PATH + 8];
    MarkerPaths(exe, ran);
    DeleteFileA(ran);
    AttachLinkLabel(link, exe, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_TABSTOP);
    SetFocus(link);
    MSG enter = { link, WM_KEYDOWN, VK_RETURN, 0, 0, { 0, 0 } };
    EXPECT_TRUE(IsDialogMessageA(window, &enter));
    EXPECT_TRUE(WaitForFile(ran, 10000));
    DeleteFileA(ran);

    CoInitializeEx(0, COINIT_APARTMENTTHREADED);
    IAccessible* object = 0;
    ASSERT_EQ(AccessibleObjectFromWindow(link, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object), S_OK);
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    EXPECT_EQ(object->accDoDefaultAction(self), S_OK);
    EXPECT_TRUE(WaitForFile(ran, 10000));
    DestroyWindow(link);
    EXPECT_NE(object->accDoDefaultAction(self), S_OK);
    object->Release();
    CoUninitialize();
    DeleteFileA(ran);
}

TEST_F(LinkLabelTest, LongTargetsAndTextsAreCut)
{
    char longText[1000];
    for (int i = 0; i < 999; ++i) longText[i] = 'a' + i % 26;
    longText[999] = 0;
    AttachLinkLabel(link, longText, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, LINK_AUTOSIZE);
    EXPECT_EQ(lstrlenA(Record()->target), 259);
    SetWindowTextA(link, longText);   // drawn and measured from at most 259 characters
    RECT rect;
    HDC dc = GetDC(link);
    EXPECT_EQ(DrawLinkLabel(link, dc, &rect), 1);
    ReleaseDC(link, dc);
    EXPECT_TRUE(PaintedWithColour(link, RGB(0, 0, 255)));
}

TEST_F(LinkLabelTest, DestroyPutsEverythingAway)
{
    AttachLinkLabel(link, 0, LINK_DEFAULT_COLOUR, LINK_DEFAULT_COLOUR, 0);
    HFONT font = Record()->linkFont;
    HCURSOR cursor = Record()->cursor;
    ASSERT_NE(font, nullptr);
    ASSERT_NE(cursor, nullptr);
    DestroyWindow(link);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_FALSE(DestroyCursor(cursor)) << "already destroyed with the control";
}

}  // namespace
