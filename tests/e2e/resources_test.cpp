// What metrova.exe carries besides code: icon, version block, manifest, menu.
#include "tests/e2e/driver.h"
#include "res/version.h"
#include <string>

namespace {

#pragma pack(push, 2)
struct IconDirectoryEntry {   // one image of an RT_GROUP_ICON resource
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconDirectory {
    WORD reserved, type, count;
    IconDirectoryEntry entries[1];
};
#pragma pack(pop)

class Resources : public testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExA(MetrovaExePath().c_str(), 0, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, HMODULE(0)) << MetrovaExePath();
    }
    void TearDown() override
    {
        if (module) FreeLibrary(module);
    }
    std::string Resource(LPCSTR type, LPCSTR name)
    {
        HRSRC found = FindResourceA(module, name, type);
        if (!found) return "";
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(data, SizeofResource(module, found));
    }
    HMODULE module = 0;
};

TEST_F(Resources, IconHasThreeTwoColourSizes)
{
    std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1));
    ASSERT_GE(group.size(), 6u);
    const IconDirectory* icon = reinterpret_cast<const IconDirectory*>(group.data());
    ASSERT_EQ(icon->count, 3);
    const int sizes[] = { 48, 32, 16 };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(icon->entries[i].width, sizes[i]);
        EXPECT_EQ(icon->entries[i].height, sizes[i]);
        EXPECT_EQ(icon->entries[i].bitCount, 1);               // black and white
    }
}

TEST_F(Resources, VersionBlock)
{
    std::string path = MetrovaExePath();
    DWORD ignored;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &block[0]));
    auto field = [&](const char* name) {
        char* value = 0;
        UINT length = 0;
        std::string key = std::string("\\StringFileInfo\\04090000\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return std::string("<none>");
        return std::string(value);
    };
    EXPECT_EQ(field("FileDescription"), "Metrova");
    EXPECT_EQ(field("ProductName"), "Metrova");
    EXPECT_EQ(field("FileVersion"), METROVA_VERSION_TEXT);
    EXPECT_EQ(field("ProductVersion"), METROVA_VERSION_TEXT);
    EXPECT_EQ(field("CompanyName"), "Brisklane");
}

TEST_F(Resources, ManifestNamesProgramAndCommonControls)
{
    std::string manifest = Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));   // RT_MANIFEST
    EXPECT_NE(manifest.find("name=\"Brisklane.Metrova\" version=\"1.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"amd64\""), std::string::npos);   // this is the x64 build
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("<description>Metrova</description>"), std::string::npos);
}

TEST_F(Resources, MenuByName)
{
    EXPECT_NE(FindResourceA(module, "MainAppMenu", MAKEINTRESOURCEA(4)), HRSRC(0));   // RT_MENU
}

}  // namespace
