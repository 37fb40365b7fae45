// What a screen reader and a high-contrast user meet: every control named by
// its label, each answer announced, the About box's links as links, and the
// window redrawn when the system's colours or theme change.
#include "tests/e2e/driver.h"
#include "res/maker.h"
#include "res/resource.h"
#include <oleacc.h>

namespace {

using Accessibility = MetrovaTest;

// The name and role the accessibility layer gives a window's client area.
std::pair<std::wstring, long> Describe(HWND window)
{
    CoInitializeEx(0, COINIT_APARTMENTTHREADED);   // once for this thread; later calls only count
    std::pair<std::wstring, long> described(L"", 0);
    IAccessible* object = 0;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object))) return described;
    VARIANT self, role;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = 0;
    if (object->get_accName(self, &name) == S_OK && name) described.first = name;
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) described.second = role.lVal;
    SysFreeString(name);
    object->Release();
    return described;
}

std::string TextBefore(HWND control)
{
    return WindowText(GetWindow(control, GW_HWNDPREV));
}

// Wine derives no names for drop-down lists: the window just before each is
// its label. One announcement per answer, from the box showing it (ids 1 From,
// 2 To): two keystrokes in the From box, then one in the To box and new decimals.
TEST_F(Accessibility, ControlsAreNamedByTheirLabelsAndEachAnswerIsAnnouncedOnce)
{
    EXPECT_EQ(Describe(FromBox(app)).first, L"From Unit:");
    EXPECT_EQ(Describe(ToBox(app)).first, L"To Unit:");
    EXPECT_EQ(TextBefore(CategoryChooser(app)), "Category:");
    EXPECT_EQ(TextBefore(FromUnitChooser(app)), "From:");
    EXPECT_EQ(TextBefore(ToUnitChooser(app)), "To:");
    std::string events;
    ASSERT_TRUE(ProbeQuery(&app, "liveregion", &events));   // starts listening
    ASSERT_TRUE(TypeText(FromBox(app), "12") && ProbeQuery(&app, "liveregion", &events));
    EXPECT_EQ(events, "2\n2\n");
    ASSERT_TRUE(TypeText(ToBox(app), "3") && SendCommand(app.window, IDM_DECIMALS_FIRST + 2));
    ASSERT_TRUE(ProbeQuery(&app, "liveregion", &events));
    EXPECT_EQ(events, "1\n1\n");
    ASSERT_TRUE(PostCommand(app.window, IDM_VIEW_FIND_UNIT));
    HWND find = FindUnitBox(app);
    EXPECT_EQ(Describe(GetDlgItem(find, IDC_FIND_QUERY)).first, L"Find:");
    EXPECT_EQ(GetWindow(GetDlgItem(find, IDC_FIND_LIST), GW_HWNDPREV), GetDlgItem(find, IDC_FIND_COUNT));
}

TEST_F(Accessibility, AboutBoxLinksAreLinksAfterTheirLabelsReachedWithTab)
{
    ASSERT_TRUE(BringToFront(&app) && PostCommand(app.window, IDM_HELP_ABOUT));
    HWND about = FindAboutBox(app);
    ASSERT_NE(about, HWND(0));
    const struct { int id; const char* label; const wchar_t* text; } links[] = {
        { IDC_WEBLINK, "Internet:", L"" MAKER_WEB_PAGE_SHOWN },
        { IDC_MAILLINK, "Email:", L"" MAKER_SUPPORT_ADDRESS },
        { IDOK, 0, 0 },   // and round again
    };
    for (const auto& link : links) {
        HWND control = GetDlgItem(about, link.id);
        if (link.label) {
            EXPECT_EQ(TextBefore(control), link.label);
            EXPECT_EQ(Describe(control), std::make_pair(std::wstring(link.text), long(ROLE_SYSTEM_LINK)));
        }
        ASSERT_TRUE(PressKey(VK_TAB));   // from OK, or the link before
        EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(&app) == link.id; })) << link.id;
    }
}

// New system colours, and a change of theme (for which Wine itself repaints
// nothing), draw the frame with the caption link again, without a restart.
TEST_F(Accessibility, ColourAndThemeChangesRedrawTheWindow)
{
    std::string paints;
    auto repainted = [&] { return ProbeQuery(&app, "ncpaints", &paints) && paints != "0"; };
    const int captionText = COLOR_CAPTIONTEXT;
    const COLORREF old = GetSysColor(captionText), green = RGB(0, 255, 0);
    ASSERT_TRUE(WaitForInputHandled(&app) && ProbeQuery(&app, "ncpaints", &paints));
    ASSERT_TRUE(SetSysColors(1, &captionText, &green));
    EXPECT_TRUE(WaitUntil(repainted));
    EXPECT_TRUE(SetSysColors(1, &captionText, &old));   // the prefix's colour back
    ASSERT_TRUE(WaitForInputHandled(&app) && ProbeQuery(&app, "ncpaints", &paints));
    ASSERT_TRUE(SendBounded(app.window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0));
    EXPECT_TRUE(WaitUntil(repainted));
}

}  // namespace
