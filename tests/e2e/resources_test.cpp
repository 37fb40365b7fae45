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

TEST_F(Resources, ManifestAsksNoElevationAndNamesVistaTo11)
{
    std::string manifest = Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));   // RT_MANIFEST
    EXPECT_NE(manifest.find("<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">"), std::string::npos);
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<compatibility xmlns=\"urn:schemas-microsoft-com:compatibility.v1\">"),
              std::string::npos);
    const char* systems[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",   // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",   // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",   // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",   // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",   // 10 and 11
    };
    for (const char* id : systems)
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos) << id;
}

TEST_F(Resources, ManifestDeclaresPerMonitorDpiAwareness)
{
    std::string manifest = Resource(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));   // RT_MANIFEST
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                            "PerMonitorV2, PerMonitor</dpiAwareness>"),
              std::string::npos);
    // The older form, for systems before Windows 10 1703.
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">"
                            "true/pm</dpiAware>"),
              std::string::npos);
}

TEST_F(Resources, MenuByName)
{
    EXPECT_NE(FindResourceA(module, "MainAppMenu", MAKEINTRESOURCEA(4)), HRSRC(0));   // RT_MENU
}

}  // namespace
