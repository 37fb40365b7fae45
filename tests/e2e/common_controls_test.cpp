// What common controls 6 (the manifest asks for them) must not change: how
// far a chooser's list drops and the About box's icon.
#include "tests/e2e/driver.h"
#include "res/resource.h"

namespace {

const int CHOOSER_LIST_HEIGHT = 200;   // the layout's height for each chooser's list
const int ICON_SIDE = 32;              // the icon as the About box shows it

// Pixels of the window's rectangle on the screen that are nearly black: the
// icon is black and white, the dialog around it light grey.
int DarkPixelsOnScreen(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(0);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    int dark = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF c = GetPixel(copy, x, y);
            if (GetRValue(c) < 64 && GetGValue(c) < 64 && GetBValue(c) < 64) ++dark;
        }
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(0, screen);
    return dark;
}

using CommonControls = MetrovaTest;

// Version 6 sizes the list by a count of rows (30 unless told), not by the
// height the chooser was created with: the program sets the count from it.
TEST_F(CommonControls, ChooserListsDropAbout200PixelsDownwards)
{
    HWND choosers[] = { CategoryChooser(app), FromUnitChooser(app), ToUnitChooser(app) };
    for (HWND chooser : choosers) {
        SCOPED_TRACE("chooser " + std::to_string(GetDlgCtrlID(chooser)));
        ASSERT_TRUE(SendBounded(chooser, CB_SHOWDROPDOWN, TRUE, 0));
        HWND list = ShownList(app);
        ASSERT_NE(list, HWND(0));
        RECT closed, dropped;
        GetWindowRect(chooser, &closed);
        GetWindowRect(list, &dropped);
        EXPECT_NEAR(dropped.bottom - dropped.top, Scaled(CHOOSER_LIST_HEIGHT), Scaled(20));   // whole rows, and a border
        if (closed.bottom + (dropped.bottom - dropped.top) <= GetSystemMetrics(SM_CYSCREEN))
            EXPECT_NEAR(dropped.top, closed.bottom, 2);                         // right under the chooser
        else
            EXPECT_LE(dropped.bottom, closed.bottom);                           // no room below: above it
        EXPECT_EQ(dropped.left, closed.left);
        ASSERT_TRUE(SendBounded(chooser, CB_SHOWDROPDOWN, FALSE, 0));
        EXPECT_EQ(ShownList(app), HWND(0));
    }
}

TEST_F(CommonControls, AboutBoxShowsTheIcon)
{
    ASSERT_TRUE(PostCommand(app.window, IDM_HELP_ABOUT));
    HWND about = FindAboutBox(app);
    ASSERT_NE(about, HWND(0));
    HWND icon = FindChild(about, "Static", IDC_ABOUT_ICON);
    ASSERT_NE(icon, HWND(0));
    LRESULT handle = 0;
    ASSERT_TRUE(SendBounded(icon, STM_GETICON, 0, 0, &handle));
    EXPECT_NE(handle, 0);                                      // another process's handle, but set
    RECT r;
    GetClientRect(icon, &r);
    EXPECT_EQ(r.right, ICON_SIDE);
    EXPECT_EQ(r.bottom, ICON_SIDE);
    // And it is drawn: wait for the box to be painted, then look at the screen.
    int dark = 0;
    WaitUntil([&] { return (dark = DarkPixelsOnScreen(icon)) != 0; });
    EXPECT_GT(dark, ICON_SIDE * ICON_SIDE / 10) << "icon control shows (almost) nothing";
    PostMessageA(about, WM_COMMAND, IDOK, 0);
}

}  // namespace
