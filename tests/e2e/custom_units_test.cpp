// The user's own units in the running program: defined through the Custom
// Units box with real keystrokes, converted with, found again after a
// restart, deleted, a damaged units file, and two programs at once.
#include "tests/e2e/driver.h"
#include "catalogue/units.h"
#include "res/resource.h"

#include <fstream>
#include <iterator>

namespace {

std::string UnitsFilePath()
{
    return AppDataFolder() + "\\Brisklane\\Metrova\\metrova-units.ini";
}

std::string UnitsFileText()
{
    std::ifstream in(UnitsFilePath(), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<no file>";
}

bool WriteUnitsFile(const std::string& text)
{
    return WriteSettingsFile("") && bool(std::ofstream(UnitsFilePath(), std::ios::binary) << text);
}

class CustomUnits : public MetrovaTest {
protected:
    HWND OpenBox(MetrovaApp* program = nullptr)
    {
        const MetrovaApp& on = program ? *program : app;
        return PostCommand(on.window, IDM_OPTIONS_CUSTOM_UNITS) ? WaitForDialog(on, "Custom Units") : 0;
    }

    // Alt+A in the box, then the fields with the keyboard: the name, the
    // category typed over the one shown, and (unless empty) the quantity of
    // the unit chosen, the category's base. Enter confirms.
    bool AddWithKeys(const char* name, const char* category, const char* quantity)
    {
        HWND entry = 0;
        if (!PressKey('A', KEY_ALT) ||
            !WaitUntil([&] { return (entry = FindWindowA("#32770", "Custom Unit")) != 0 && IsWindowVisible(entry); }) ||
            !PressKeys(name) || !PressKey(VK_TAB) || !PressKey('A', KEY_CTRL) || !PressKeys(category))
            return false;
        if (quantity[0] && (!PressKey(VK_TAB) || !PressKey('A', KEY_CTRL) || !PressKeys(quantity))) return false;
        return PressKey(VK_RETURN) && WaitForClose(entry);
    }
};

// Two programs add at once, each from a box opened on the units as they were,
// and lose nothing.
TEST_F(CustomUnits, DefinedWithKeysByTwoProgramsAtOnceTheyConvertAndComeBackAfterARestart)
{
    MetrovaApp other = {};
    std::string why;
    ASSERT_TRUE(StartMetrova(&other, &why)) << why;
    HWND box = OpenBox(), otherBox = OpenBox(&other);
    ASSERT_TRUE(box && otherBox);
    ASSERT_TRUE(BringToFront(&app) && SetForegroundWindow(box));
    ASSERT_TRUE(AddWithKeys("stride", "Common Length", "0.78"));
    ASSERT_TRUE(SetForegroundWindow(otherBox) && WaitUntil([&] { return GetForegroundWindow() == otherBox; }));
    ASSERT_TRUE(AddWithKeys("euro", "Money", ""));   // a new category, the unit its base
    HWND list = GetDlgItem(otherBox, IDC_CUSTOM_LIST);
    ASSERT_TRUE(WaitUntil([&] { return ListBoxCount(list) == 2; }));
    EXPECT_EQ(ListBoxItem(list, 0), L"stride (Common Length): 1 stride = 0.78 meter");
    const std::string file = UnitsFileText();   // written at once
    EXPECT_NE(file.find("Name=stride\r\nEquals=0.78\r\nOf=meter"), std::string::npos) << file;
    EXPECT_NE(file.find("Name=euro"), std::string::npos) << file;
    StopMetrova(&other);
    ASSERT_TRUE(BringToFront(&app) && SetForegroundWindow(box));
    ASSERT_TRUE(PressKey(VK_ESCAPE) && WaitForClose(box));
    const int money = BuiltInCategoryCount(), stride = BuiltInUnitCount(CATEGORY_COMMON_LENGTH), meter = 6;
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), stride) && PickItem(ToUnitChooser(app), meter));
    ASSERT_TRUE(TypeText(FromBox(app), "10"));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(ToBox(app)) == " 7.800000"; })) << WindowText(ToBox(app));

    // After a restart the units are there again, and Find Unit finds them.
    StopMetrova(&app);
    ASSERT_TRUE(StartMetrova(&app, &why) && BringToFront(&app)) << why;
    ASSERT_EQ(ComboCount(CategoryChooser(app)), money + 1);
    ASSERT_TRUE(PickItem(CategoryChooser(app), money));
    EXPECT_EQ(ComboItemWide(FromUnitChooser(app), 0), L"euro");   // added by the other program
    ASSERT_TRUE(PressKey('F', KEY_CTRL));
    HWND find = FindUnitBox(app);
    ASSERT_NE(find, HWND(0));
    ASSERT_TRUE(PressKeys("stride"));
    HWND rows = GetDlgItem(find, IDC_FIND_LIST);
    EXPECT_TRUE(WaitUntil([&] {
        for (int i = 0; i < ListBoxCount(rows); ++i)
            if (ListBoxItem(rows, i) == L"stride \u00B7 Common Length \u00B7 0.78 meter") return true;
        return false;
    })) << Utf8FromWide(ListBoxItem(rows, 0));
}

// A damaged file keeps what can be read and is not rewritten; deleting a unit
// a favourite uses asks, and the other favourites follow their units.
TEST_F(CustomUnits, ADamagedFileLoadsAndDeletingOneAFavoriteUsesAsks)
{
    StopMetrova(&app);
    const std::string damaged = "[Unit]\r\nCategory=Common Length\r\nName=stride\r\nEquals=0.78\r\nOf=meter\r\n"
                                "[Unit]\r\nCategory=Common Length\r\nName=broken\r\nEquals=zero\r\n"
                                "\xFF\xFE garbage\r\n[Unit]\r\nCategory=Common Length\r\nName=span\r\nEquals=9\r\nOf=inch\r\n";
    ASSERT_TRUE(WriteUnitsFile(damaged));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    const int stride = BuiltInUnitCount(CATEGORY_COMMON_LENGTH), meter = 6;
    ASSERT_EQ(ComboCount(FromUnitChooser(app)), stride + 2);
    EXPECT_EQ(ComboItemWide(FromUnitChooser(app), stride + 1), L"span");
    AddFavoriteOf(app, stride, meter);
    AddFavoriteOf(app, stride + 1, meter);
    StopMetrova(&app);
    EXPECT_EQ(UnitsFileText(), damaged);
    ASSERT_TRUE(StartMetrova(&app, &why) && BringToFront(&app)) << why;
    ASSERT_EQ(ListItems(&app, FAVORITES_MENU).size(), 2u);

    HWND box = OpenBox();
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(SendBounded(GetDlgItem(box, IDC_CUSTOM_LIST), LB_SETCURSEL, 0, 0));
    ASSERT_TRUE(PressKey('D', KEY_ALT));
    HWND question = 0;   // the question has the box's caption
    ASSERT_TRUE(WaitUntil([&] { return (question = FindWindowA("#32770", "Custom Units")) != box && question; }));
    ASSERT_TRUE(PressKey('Y') && WaitForClose(question));
    EXPECT_TRUE(WaitUntil([&] { return ListBoxCount(GetDlgItem(box, IDC_CUSTOM_LIST)) == 1; }));
    ASSERT_TRUE(PressKey(VK_ESCAPE) && WaitForClose(box));

    // The favourite of stride went; the one of span now names span's new index.
    const std::vector<std::string> favorites = ListItems(&app, FAVORITES_MENU);
    ASSERT_EQ(favorites.size(), 1u);
    EXPECT_NE(favorites[0].find("span"), std::string::npos) << favorites[0];
    StopMetrova(&app);
    std::string settings;
    ASSERT_TRUE(ReadSettingsFile(&settings));
    EXPECT_NE(settings.find("FAVORITE_FR_1=" + std::to_string(stride)), std::string::npos) << settings;
    EXPECT_EQ(settings.find("FAVORITE_FR_2"), std::string::npos) << settings;
}

}  // namespace
