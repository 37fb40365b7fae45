// CenterWindowOver on real top-level windows: centred, then kept on screen.
#include "widgets/center_window.h"
#include "widget_test_window.h"
#include <gtest/gtest.h>

namespace {

// A popup: its rectangle is exactly what is asked for.
HWND MakeWindow(int x, int y, int width, int height)
{
    return CreateTestWindowAt(WS_POPUP, 0, x, y, width, height);
}

RECT RectOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

class CenterWindow : public testing::Test {
protected:
    void TearDown() override
    {
        if (moved) DestroyWindow(moved);
        if (over) DestroyWindow(over);
    }
    HWND moved = 0, over = 0;
    const int screenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
};

TEST_F(CenterWindow, CentredOverTheOther)
{
    over = MakeWindow(100, 100, 400, 300);
    moved = MakeWindow(0, 0, 101, 51);
    ASSERT_TRUE(CenterWindowOver(moved, over));
    RECT r = RectOf(moved);
    EXPECT_EQ(r.left, 100 + (400 - 101) / 2);                  // 149: the halving truncates
    EXPECT_EQ(r.top, 100 + (300 - 51) / 2);                    // 224
    EXPECT_EQ(r.right - r.left, 101);                          // size kept
    EXPECT_EQ(r.bottom - r.top, 51);
}

TEST_F(CenterWindow, KeptOnScreen)
{
    over = MakeWindow(-300, -300, 200, 200);                   // off the top left
    moved = MakeWindow(0, 0, 100, 100);
    ASSERT_TRUE(CenterWindowOver(moved, over));
    EXPECT_EQ(RectOf(moved).left, 0);
    EXPECT_EQ(RectOf(moved).top, 0);

    SetWindowPos(over, 0, screenWidth + 100, screenHeight + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(CenterWindowOver(moved, over));                // off the bottom right
    EXPECT_EQ(RectOf(moved).left, screenWidth - 100);
    EXPECT_EQ(RectOf(moved).top, screenHeight - 100);
}

TEST_F(CenterWindow, LargerThanTheScreenEndsUpNegative)
{
    over = MakeWindow(0, 0, 200, 200);
    moved = MakeWindow(0, 0, screenWidth + 40, screenHeight + 60);
    ASSERT_TRUE(CenterWindowOver(moved, over));
    EXPECT_EQ(RectOf(moved).left, -40);                        // clamped to 0 first, then to the screen
    EXPECT_EQ(RectOf(moved).top, -60);
}

TEST_F(CenterWindow, UnreadableWindowMovesNothing)
{
    over = MakeWindow(100, 100, 400, 300);
    moved = MakeWindow(7, 9, 50, 50);
    HWND gone = MakeWindow(0, 0, 10, 10);
    DestroyWindow(gone);
    EXPECT_FALSE(CenterWindowOver(moved, gone));
    EXPECT_FALSE(CenterWindowOver(gone, over));
    EXPECT_EQ(RectOf(moved).left, 7);
    EXPECT_EQ(RectOf(moved).top, 9);
}

}  // namespace
