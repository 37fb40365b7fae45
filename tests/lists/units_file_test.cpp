// The units file over the fake file system: each change applied to the file
// as it stands (another program's units kept), and the lists following their
// units after a deletion, in memory and in the settings file.
#include "lists/units_file.h"
#include "tests/lists/lists_fixture.h"

namespace {

const std::string kUnitsFile = ".\\Brisklane\\Metrova\\metrova-units.ini";

std::string Block(const std::string& category, const std::string& name, const std::string& equals,
                  const std::string& of)
{
    return "[Unit]\r\nCategory=" + category + "\r\nName=" + name + "\r\nEquals=" + equals + "\r\nOf=" + of + "\r\n";
}

UnitChange Change(UnitChangeKind kind, const char* category, const char* name, const char* quantity = "1",
                  const char* of = "meter")
{
    UnitChange change = {};
    change.kind = kind;
    std::snprintf(change.category, sizeof change.category, "%s", category);
    std::snprintf(change.name, sizeof change.name, "%s", name);
    std::snprintf(change.definition.category, sizeof change.definition.category, "%s", category);
    std::snprintf(change.definition.name, sizeof change.definition.name, "%s", name);
    std::snprintf(change.definition.of, sizeof change.definition.of, "%s", of);
    ReadUnitQuantity(quantity, &change.definition.quantity);
    return change;
}

class UnitsFile : public testing::Test {
protected:
    void SetUp() override
    {
        ResetListsWorld();
        Fake.folders.insert(".\\brisklane");
        Fake.folders.insert(".\\brisklane\\metrova");
        PutFakeFile(kUnitsFile, Block("Common Length", "stride", "0.78", "meter") +
                                    Block("Common Length", "pace", "2", "stride") +
                                    Block("Common Length", "span", "9", "inch") + Block("Money", "euro", "1", "euro") +
                                    Block("Money", "dollar", "0.92", "euro"));
        LoadUnitsFile();
        ResetProgramState();
    }
    void TearDown() override { ShowCustomUnits(CustomUnitSet{}); }
    UnitProblem problem;
    UnitSaveResult Save(const UnitChange& change) { return SaveUnitChange(change, &problem); }
};

const int LENGTH = CATEGORY_COMMON_LENGTH;

TEST_F(UnitsFile, EachChangeIsAppliedToTheFileAsItStands)
{
    ASSERT_EQ(CustomUnits.count, 5);
    // Another program adds a unit meanwhile; this one's change keeps it.
    PutFakeFile(kUnitsFile, FakeFileText(kUnitsFile) + Block("Common Length", "cubit", "18", "inch"));
    EXPECT_EQ(Save(Change(UNIT_CHANGE_ADD, "Common Length", "hand", "4", "inch")), UNIT_SAVED);
    const std::string text = FakeFileText(kUnitsFile);
    EXPECT_NE(text.find("Name=cubit"), std::string::npos);
    EXPECT_NE(text.find("Name=hand"), std::string::npos);
    EXPECT_EQ(UnitCount(LENGTH), BuiltInUnitCount(LENGTH) + 5);
    // The other program took the name meanwhile: refused, nothing written.
    PutFakeFile(kUnitsFile, text + Block("Common Length", "foot-ish", "1", "feet"));
    EXPECT_EQ(Save(Change(UNIT_CHANGE_ADD, "Common Length", "foot-ish")), UNIT_REFUSED);
    EXPECT_EQ(problem, UNIT_NAME_TAKEN);
}

TEST_F(UnitsFile, AfterADeletionTheListsKeepPointingAtTheSameUnits)
{
    const int stride = BuiltInUnitCount(LENGTH), span = stride + 2, money = BuiltInCategoryCount();
    const ConversionTriple dollars{ money, 1, 0 }, miles{ LENGTH, 8, 6 };
    for (const ConversionTriple& t : { ConversionTriple{ LENGTH, stride + 1, 6 }, { LENGTH, span, 6 }, dollars }) {
        Show(t.category, t.fromIndex, t.toIndex);
        AddFavorite(nullptr);
    }
    ASSERT_EQ(FavoritesList.count, 3);
    UserSetsUp(LENGTH, 8, 6);
    UserSetsUp(LENGTH, span, 6);
    SaveSettings();
    bool marks[CUSTOM_UNIT_MAX];
    UnitsDefinedThrough(CustomUnits, 0, marks);   // stride, and pace through it
    EXPECT_EQ(ListEntriesUsing(CustomUnits, marks), 1);

    ASSERT_EQ(Save(Change(UNIT_CHANGE_DELETE, "Common Length", "stride")), UNIT_SAVED);
    const ConversionTriple spanNow{ LENGTH, stride, 6 };   // two rows before it went
    ASSERT_EQ(FavoritesList.count, 2);
    EXPECT_EQ(FavoritesList.entries[0], spanNow);
    EXPECT_EQ(FavoritesList.entries[1], dollars);
    EXPECT_EQ(RecentList.slots[NewestRecentSlot(0)], spanNow);
    EXPECT_EQ(Conversion.fromUnit, spanNow.fromIndex);   // the window too
    // The settings file says the same after a restart.
    LoadSettings();
    ASSERT_EQ(FavoritesList.count, 2);
    EXPECT_EQ(FavoritesList.entries[0], spanNow);
    EXPECT_EQ(RecentList.slots[NewestRecentSlot(0)], spanNow);
    EXPECT_EQ(RecentList.slots[NewestRecentSlot(1)], miles);   // a built-in conversion stays

    // A renamed unit keeps its entries.
    UnitChange rename = Change(UNIT_CHANGE_EDIT, "Common Length", "span", "9", "inch");
    std::snprintf(rename.definition.name, sizeof rename.definition.name, "hand span");
    ASSERT_EQ(Save(rename), UNIT_SAVED);
    ASSERT_EQ(FavoritesList.count, 2);
    EXPECT_EQ(FavoritesList.entries[0], spanNow);
    EXPECT_STREQ(UnitName(LENGTH, spanNow.fromIndex), "hand span");

    // A custom category going takes its entries along.
    ASSERT_EQ(Save(Change(UNIT_CHANGE_DELETE, "Money", "euro")), UNIT_SAVED);
    EXPECT_EQ(CategoryCount(), money);
    ASSERT_EQ(FavoritesList.count, 1);
    EXPECT_EQ(FavoritesList.entries[0], spanNow);
}

}  // namespace
