// Names and settings whatever the system's code page: the choosers and the
// recent and favourite menus hold the catalogue's names (Windows-1252) as
// they are written, read back as UTF-16; the settings live in an
// application-data folder whose name the code page cannot spell.
//
// ctest runs these tests again under a Russian (1251) and a Japanese (932)
// locale, naming the code page in METROVA_EXPECTED_CODE_PAGE so that a
// missing locale (Wine then falls back to 1252) fails instead of passing.
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_helpers.h"
#include "catalogue/units.h"
#include "res/resource.h"

#include <cstdlib>

namespace {


// The code page this run is for; 0 when any will do.
int ExpectedCodePage()
{
    const char* value = std::getenv("METROVA_EXPECTED_CODE_PAGE");
    return value ? std::atoi(value) : 0;
}

void CheckCodePage(MetrovaApp* app)
{
    const int expected = ExpectedCodePage();
    if (!expected) return;
    ASSERT_EQ(int(GetACP()), expected) << "is the locale generated? (scripts/setup-debian.sh)";
    ASSERT_EQ(MetrovaCodePage(app), expected);
}

std::string Shown(const std::wstring& text)
{
    return Utf8FromWide(text);
}

struct UnitRef {
    int category, index;
};

// The first unit whose name holds this Windows-1252 byte.
UnitRef FirstUnitWith(unsigned char mark)
{
    for (int c = 0; c < CategoryCount(); ++c)
        for (int i = 0; i < UnitCount(c); ++i)
            for (const char* p = UnitName(c, i); *p; ++p)
                if (static_cast<unsigned char>(*p) == mark) return { c, i };
    return { -1, -1 };
}

std::wstring WideUnitName(int category, int index)
{
    return WideFrom1252(UnitName(category, index));
}

// Shows the conversion from the unit to another one of its category and makes
// it a favourite (choosing the units records it as recent too); its menu text.
std::wstring FavoriteFrom(const MetrovaApp& app, UnitRef unit)
{
    const int other = unit.index == 0 ? 1 : 0;
    EXPECT_TRUE(PickItem(CategoryChooser(app), unit.category));
    EXPECT_TRUE(PickItem(FromUnitChooser(app), unit.index));
    EXPECT_TRUE(PickItem(ToUnitChooser(app), other));
    EXPECT_TRUE(SendCommand(app.window, IDM_FAVORITES_ADD));
    return WideUnitName(unit.category, unit.index) + L" ~ " + WideUnitName(unit.category, other);
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    for (const std::wstring& t : texts)
        if (t == text) return true;
    return false;
}

using LocaleNames = MetrovaTest;

// Every name of every category, in all three choosers.
TEST_F(LocaleNames, EveryChooserItemIsTheCatalogueName)
{
    ASSERT_NO_FATAL_FAILURE(CheckCodePage(&app));
    HWND category = CategoryChooser(app);
    ASSERT_EQ(ComboCount(category), CategoryCount());
    for (int c = 0; c < CategoryCount(); ++c)
        EXPECT_EQ(Shown(ComboItemWide(category, c)), Shown(WideFrom1252(CategoryName(c))));

    int wrong = 0;
    for (int c = 0; c < CategoryCount(); ++c) {
        ASSERT_TRUE(PickItem(category, c));
        for (HWND chooser : { FromUnitChooser(app), ToUnitChooser(app) }) {
            ASSERT_EQ(ComboCount(chooser), UnitCount(c)) << c;
            for (int i = 0; i < UnitCount(c); ++i) {
                const std::wstring shown = ComboItemWide(chooser, i);
                if (shown != WideUnitName(c, i) && ++wrong <= 5)
                    ADD_FAILURE() << "category " << c << " unit " << i << ": \"" << Shown(shown) << "\", not \""
                                  << Shown(WideUnitName(c, i)) << "\"";
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

// "²", "°" and "è" in the recent and favourite items; the first recent item is
// appended, the later ones inserted above it.
TEST_F(LocaleNames, MenusHoldTheNamesAsWritten)
{
    ASSERT_NO_FATAL_FAILURE(CheckCodePage(&app));
    const UnitRef units[] = { FirstUnitWith(0xB2), FirstUnitWith(0xB0), FirstUnitWith(0xE8) };
    const wchar_t marks[] = { L'\u00B2', L'\u00B0', L'\u00E8' };
    std::vector<std::wstring> expected;
    for (int k = 0; k < 3; ++k) {
        ASSERT_GE(units[k].category, 0) << "no unit name holds mark " << k;
        expected.push_back(FavoriteFrom(app, units[k]));
        ASSERT_NE(expected.back().find(marks[k]), std::wstring::npos);
        EXPECT_EQ(Shown(ComboItemWide(FromUnitChooser(app), ComboSelection(FromUnitChooser(app)))),
                  Shown(WideUnitName(units[k].category, units[k].index)));
    }

    std::vector<std::wstring> favorites = ListItemTextsWide(&app, FAVORITES_MENU);
    ASSERT_EQ(favorites.size(), 3u);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Shown(favorites[size_t(k)]), Shown(expected[size_t(k)]));
    const std::vector<std::wstring> recent = ListItemTextsWide(&app, GO_MENU);
    for (const std::wstring& text : expected) EXPECT_TRUE(Contains(recent, text)) << Shown(text);

    // Applying a favourite shows its units again.
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITE_FIRST));
    EXPECT_TRUE(Shows(app, units[0].category, units[0].index, units[0].index == 0 ? 1 : 0));
}

// ---- Settings below a folder the code page cannot spell ---------------------

// Cyrillic "data" and Hangul "hangul": no code page these tests run under spells both.
const wchar_t FOREIGN_NAME[] = L"\u0434\u0430\u043D\u043D\u044B\u0435-\uD55C\uAE00";

// The Find Unit box lists the names as written, and the query takes what
// this code page's keyboard types.
TEST_F(LocaleNames, FindUnitRowsReadAsWritten)
{
    CheckCodePage(&app);
    ASSERT_TRUE(PostCommand(app.window, IDM_VIEW_FIND_UNIT));
    HWND box = FindUnitBox(app);
    ASSERT_NE(box, HWND(0));
    HWND query = GetDlgItem(box, IDC_FIND_QUERY), list = GetDlgItem(box, IDC_FIND_LIST);
    ASSERT_TRUE(SetTextWide(query, L"douzi\u00E8me print"));
    ASSERT_TRUE(WaitUntil([&] { return ListBoxCount(list) == 1; })) << ListBoxCount(list);
    EXPECT_EQ(Shown(ListBoxItem(list, 0)), Shown(L"douzi\u00E8me [print] \u00B7 All Length & Distance \u00B7 "
                                                 L"0.00017638888889 meter"));
    ASSERT_TRUE(SetTextWide(query, L"cm\u00B2/day"));
    ASSERT_TRUE(WaitUntil([&] { return ListBoxCount(list) >= 1; }));
    const std::wstring start = L"cm\u00B2/day \u00B7 ";
    EXPECT_EQ(ListBoxItem(list, 0).compare(0, start.size(), start), 0) << Shown(ListBoxItem(list, 0));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForClose(box));
}

class LocaleSettings : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(BeginAppDataMove(&move));
        ClearSettings();
        folder = MovedAppDataFolder(FOREIGN_NAME);
        ASSERT_FALSE(folder.empty());
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), 0))
            << "cannot make " << Shown(folder) << ": Wine needs a UTF-8 Unix locale (LANG=C.UTF-8) for such names";
        ASSERT_TRUE(MoveAppDataTo(&move, folder));
        redirected = true;
    }
    void TearDown() override
    {
        StopMetrova(&app);
        if (redirected) ClearSettings();
        EndAppDataMove(&move);
        if (!folder.empty()) RemoveDirectoryW(folder.c_str());
    }
    AppDataMove move = {};
    bool redirected = false;
    std::wstring folder;
    MetrovaApp app = {};
};

TEST_F(LocaleSettings, SavedAndReloadedBelowAFolderTheCodePageCannotSpell)
{
    ASSERT_EQ(Shown(WideFromUtf8(AppDataFolder())), Shown(folder));   // the redirection holds
    ASSERT_FALSE(SpelledByCodePage(folder));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    ASSERT_NO_FATAL_FAILURE(CheckCodePage(&app));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    const UnitRef squared = FirstUnitWith(0xB2);
    ASSERT_GE(squared.category, 0);
    const std::wstring favorite = FavoriteFrom(app, squared);
    ASSERT_TRUE(ExitByMenu(&app));

    std::string text;
    ASSERT_TRUE(ReadSettingsFile(&text)) << "no settings file below " << Shown(folder);
    EXPECT_NE(text.find("FAVORITE_CAT_1=" + std::to_string(squared.category) + "\r\n"), std::string::npos) << text;
    for (char c : text)   // no byte-order mark, no UTF-16 zero bytes
        ASSERT_TRUE(c > 0 && static_cast<unsigned char>(c) < 0x80) << text;

    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));   // the file was found again
    const std::vector<std::wstring> favorites = ListItemTextsWide(&app, FAVORITES_MENU);
    ASSERT_EQ(favorites.size(), 1u);
    EXPECT_EQ(Shown(favorites[0]), Shown(favorite));
    EXPECT_TRUE(Shows(app, squared.category, squared.index, squared.index == 0 ? 1 : 0));
}

}  // namespace
