// What a screen reader and a high-contrast user meet: every control named by
// its label, each answer announced, the About box's links as links, and the
// caption link redrawn when the system's colours change.
#include "tests/e2e/driver.h"
#include "res/maker.h"
#include "res/resource.h"
#include <oleacc.h>

namespace {

// The accessibility layer is reached through COM.
class Accessibility : public MetrovaTest {
protected:
    void SetUp() override
    {
        CoInitializeEx(0, COINIT_APARTMENTTHREADED);
        MetrovaTest::SetUp();
    }
    void TearDown() override
    {
        MetrovaTest::TearDown();
        CoUninitialize();
    }
};

struct Described {
    std::wstring name, action;
    long role = 0;
};

// What the accessibility layer tells of a window's client area.
Described Describe(HWND window)
{
    Described d;
    IAccessible* object = 0;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object))) return d;
    VARIANT self, role;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VariantInit(&role);
    BSTR name = 0, action = 0;
    if (object->get_accName(self, &name) == S_OK && name) d.name = name;
    if (object->get_accDefaultAction(self, &action) == S_OK && action) d.action = action;
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) d.role = role.lVal;
    SysFreeString(name);
    SysFreeString(action);
    object->Release();
    return d;
}

std::string TextBefore(HWND control)
{
    return WindowText(GetWindow(control, GW_HWNDPREV));
}

std::string HandleLine(HWND window)   // as the probe lists it
{
    char line[32];
    std::snprintf(line, sizeof line, "%llx\n", (unsigned long long)(UINT_PTR)window);
    return line;
}

TEST_F(Accessibility, EveryControlIsNamedByTheLabelCreatedJustBeforeIt)
{
    EXPECT_EQ(Describe(FromBox(app)).name, L"From Unit:");
    EXPECT_EQ(Describe(ToBox(app)).name, L"To Unit:");
    // Wine derives no names for drop-down lists: the window just before each is its label.
    EXPECT_EQ(TextBefore(CategoryChooser(app)), "Category:");
    EXPECT_EQ(TextBefore(FromUnitChooser(app)), "From:");
    EXPECT_EQ(TextBefore(ToUnitChooser(app)), "To:");
    ASSERT_TRUE(PostCommand(app.window, IDM_VIEW_FIND_UNIT));
    HWND find = FindUnitBox(app);
    ASSERT_NE(find, HWND(0));
    EXPECT_EQ(Describe(GetDlgItem(find, IDC_FIND_QUERY)).name, L"Find:");
    EXPECT_EQ(GetWindow(GetDlgItem(find, IDC_FIND_LIST), GW_HWNDPREV), GetDlgItem(find, IDC_FIND_COUNT));
    PostMessageA(find, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForClose(find));
}

// One event per answer, from the box showing it: two keystrokes in the From
// box, then a keystroke in the To box and a new number of decimals.
TEST_F(Accessibility, EachAnswerIsAnnouncedOnceByTheBoxShowingIt)
{
    std::string events;
    ASSERT_TRUE(ProbeQuery(&app, "liveregion", &events));   // starts listening
    ASSERT_TRUE(TypeText(FromBox(app), "12"));
    ASSERT_TRUE(ProbeQuery(&app, "liveregion", &events));
    EXPECT_EQ(events, HandleLine(ToBox(app)) + HandleLine(ToBox(app)));
    ASSERT_TRUE(TypeText(ToBox(app), "3"));
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 2));
    ASSERT_TRUE(ProbeQuery(&app, "liveregion", &events));
    EXPECT_EQ(events, HandleLine(FromBox(app)) + HandleLine(FromBox(app)));
}

TEST_F(Accessibility, AboutBoxLinksAreLinksAfterTheirLabelsReachedWithTab)
{
    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(PostCommand(app.window, IDM_HELP_ABOUT));
    HWND about = FindAboutBox(app);
    ASSERT_NE(about, HWND(0));
    const struct { int id; const char* label; const wchar_t* text; } links[] = {
        { IDC_WEBLINK, "Internet:", L"" MAKER_WEB_PAGE_SHOWN },
        { IDC_MAILLINK, "Email:", L"" MAKER_SUPPORT_ADDRESS },
    };
    for (const auto& link : links) {
        HWND control = GetDlgItem(about, link.id);
        EXPECT_EQ(TextBefore(control), link.label);
        Described d = Describe(control);
        EXPECT_EQ(d.role, ROLE_SYSTEM_LINK);
        EXPECT_EQ(d.name, link.text);
        EXPECT_FALSE(d.action.empty());
        ASSERT_TRUE(PressKey(VK_TAB));   // from OK (or the link before)
        EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(&app) == link.id; })) << link.label;
    }
    ASSERT_TRUE(PressKey(VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(&app) == IDOK; }));   // and round again
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForClose(about));
}

// Whether any pixel the screen shows in area (window coordinates) has colour.
bool ScreenShows(HWND window, const RECT& area, COLORREF colour)
{
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = area.right - area.left, height = area.bottom - area.top;
    BITMAPINFO info = {};
    info.bmiHeader = { sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void* bits = 0;
    HDC screen = GetDC(0), memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, 0, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, outer.left + area.left, outer.top + area.top, SRCCOPY);
    const DWORD wanted = RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour));   // DIB pixels are 0xRRGGBB
    bool found = false;
    for (int i = 0; bits && i < width * height && !found; ++i) found = (static_cast<DWORD*>(bits)[i] & 0xFFFFFF) == wanted;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(0, screen);
    return found;
}

// Outside high contrast the caption link has the caption's text colour; a
// new one shows at once, without a restart (the title stays left of the
// middle). A change of theme, for which Wine repaints nothing itself, draws
// the frame again too.
TEST_F(Accessibility, ColourAndThemeChangesRedrawTheCaptionLink)
{
    RECT outer;
    GetWindowRect(app.window, &outer);
    const RECT rightOfTitle = { (outer.right - outer.left) / 2, 0, outer.right - outer.left,
                                GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) };
    const COLORREF green = RGB(0, 255, 0);
    ASSERT_FALSE(ScreenShows(app.window, rightOfTitle, green));
    std::string old, paints;
    ASSERT_TRUE(ProbeQuery(&app, "syscolor 9 00ff00", &old));   // COLOR_CAPTIONTEXT
    const bool redrawn = WaitUntil([&] { return ScreenShows(app.window, rightOfTitle, green); });
    EXPECT_TRUE(ProbeQuery(&app, ("syscolor 9 " + old).c_str(), &paints));   // the prefix's colour back
    EXPECT_TRUE(redrawn);

    ASSERT_TRUE(WaitForInputHandled(&app) && ProbeQuery(&app, "ncpaints", &paints));
    ASSERT_TRUE(SendBounded(app.window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0));
    EXPECT_TRUE(WaitUntil([&] { return ProbeQuery(&app, "ncpaints", &paints) && paints != "0"; }));
}

}  // namespace
