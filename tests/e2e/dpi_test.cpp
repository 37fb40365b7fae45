// What the layout must give at any display DPI; ctest runs these (and the
// main window and keyboard tests) in prefixes at 120, 144 and 192 DPI too.
#include "tests/e2e/driver.h"
#include "res/resource.h"
#include <cstdio>

namespace {

using Dpi = MetrovaTest;

// The font's height as the probe reads it inside Metrova (lfHeight, negative
// for a character height).
int FontHeight(MetrovaApp* app, HWND control)
{
    char query[64];
    std::snprintf(query, sizeof query, "font %llx", (unsigned long long)(UINT_PTR)control);
    std::string reply;
    if (!ProbeQuery(app, query, &reply) || reply == "none") return 0;
    // handle TAB face TAB height TAB weight
    size_t first = reply.find('\t'), second = reply.find('\t', first + 1);
    return std::atoi(reply.c_str() + second + 1);
}

TEST_F(Dpi, TheFontGrowsWithTheDisplay)
{
    // The stock GUI font is 8 points: 11 pixels at 96 DPI.
    EXPECT_NEAR(std::abs(FontHeight(&app, FromBox(app))), Scaled(11), 1);
}

TEST_F(Dpi, ValueBoxesShowTheirWholeText)
{
    for (HWND box : { FromBox(app), ToBox(app) }) {
        RECT inside;
        ASSERT_TRUE(GetClientRect(box, &inside));
        int characterHeight = std::abs(FontHeight(&app, box));
        ASSERT_GT(characterHeight, 0);
        // A character cell is about 1.2 character heights; it must fit inside the border.
        EXPECT_GE(inside.bottom - inside.top, characterHeight * 6 / 5) << "box " << GetDlgCtrlID(box);
    }
}

TEST_F(Dpi, EveryControlLiesInsideTheClientArea)
{
    RECT client;
    ASSERT_TRUE(GetClientRect(app.window, &client));
    for (HWND child = GetWindow(app.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;   // the formula line while it is off
        RECT r = ClientRectOf(child);
        EXPECT_GE(r.left, 0) << ClassOf(child) << " " << GetDlgCtrlID(child);
        EXPECT_GE(r.top, 0) << ClassOf(child) << " " << GetDlgCtrlID(child);
        EXPECT_LE(r.right, client.right) << ClassOf(child) << " " << GetDlgCtrlID(child);
        EXPECT_LE(r.bottom, client.bottom) << ClassOf(child) << " " << GetDlgCtrlID(child);
    }
    // The labels do not run into the controls below them.
    EXPECT_LE(ClientRectOf(FindChild(app.window, "Static", IDC_CATEGORY_LABEL)).bottom,
              ClientRectOf(CategoryChooser(app)).top);
    EXPECT_LE(ClientRectOf(FindChild(app.window, "Static", IDC_FROM_UNIT_LABEL)).bottom,
              ClientRectOf(FromBox(app)).top);
}

// Moved to a monitor of another DPI, the window takes the suggested size and
// lays every child out, and sets the font, for the new DPI; and back again.
TEST_F(Dpi, ADpiChangeLaysTheWindowOutAgain)
{
    const int display = DisplayDpi();
    const int other = display == 144 ? 96 : 144;
    const int categoryX = 10, categoryY = 30, boxX = 250, boxY = 150, boxWidth = 200, boxHeight = 20;   // at 96 DPI
    for (int dpi : { other, display }) {
        SCOPED_TRACE("to " + std::to_string(dpi) + " DPI");
        RECT before;
        GetWindowRect(app.window, &before);
        const int from = dpi == other ? display : other;
        std::string reply;
        ASSERT_TRUE(ProbeQuery(&app, ("dpichanged " + std::to_string(from) + " " + std::to_string(dpi)).c_str(), &reply));
        ASSERT_EQ(reply, "ok");
        RECT after;
        GetWindowRect(app.window, &after);
        EXPECT_NEAR(after.right - after.left, MulDiv(before.right - before.left, dpi, from), 1);   // the suggested size
        RECT box = ClientRectOf(ToBox(app)), chooser = ClientRectOf(CategoryChooser(app));
        EXPECT_NEAR(box.left, MulDiv(boxX, dpi, 96), 1);
        EXPECT_NEAR(box.top, MulDiv(boxY, dpi, 96), 1);
        EXPECT_NEAR(box.right - box.left, MulDiv(boxWidth, dpi, 96), 1);
        EXPECT_NEAR(box.bottom - box.top, MulDiv(boxHeight, dpi, 96), 1);
        EXPECT_NEAR(chooser.left, MulDiv(categoryX, dpi, 96), 1);
        EXPECT_NEAR(chooser.top, MulDiv(categoryY, dpi, 96), 1);
        EXPECT_NEAR(std::abs(FontHeight(&app, ToBox(app))), MulDiv(11, dpi, 96), 1);
    }
}

// The About box is laid out in dialog units of its 8-point font, so it grows
// with the display: 258 units are more than 300 pixels at 96 DPI.
TEST_F(Dpi, TheAboutBoxGrowsWithItsFont)
{
    ASSERT_TRUE(PostCommand(app.window, IDM_HELP_ABOUT));
    HWND about = FindAboutBox(app);
    ASSERT_NE(about, HWND(0));
    RECT client;
    GetClientRect(about, &client);
    EXPECT_GE(client.right, Scaled(300));
    EXPECT_GE(client.bottom, Scaled(158 * 300 / 258));
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = ClientRectOf(child);
        EXPECT_LE(r.right, client.right) << WindowText(child);
        EXPECT_LE(r.bottom, client.bottom) << WindowText(child);
    }
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForClose(about));
}

}  // namespace
