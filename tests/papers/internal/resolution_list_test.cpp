// The resolution list: reading it from the settings store, writing it into
// a settings INI file.
#include <string>

#include "papers/internal/paper_fixture.h"
#include "papers/resolution_list.h"
#include "support/temp_dir.h"

namespace {

using namespace nw;
using namespace nw::papers;
using namespace nw::test;

const WString kResolutions = PrinterKey(W("Nordwisp Printer"), W("Resolutions"));

void StoreResolution(int position, const WCHAR* name, std::optional<DWORD> x, std::optional<DWORD> y) {
    const WString key = kResolutions + W("\\") + settings::DecimalText(position);
    StoreDword(key, W("Marker"), 0);
    if (name) StoreText(key, W("Name"), name);
    if (x) StoreDword(key, W("DPI X"), *x);
    if (y) StoreDword(key, W("DPI Y"), *y);
}

ResolutionEntry Entry(const WCHAR* name, int code, int x, int y, int visible, int custom) {
    ResolutionEntry entry{{}, code, x, y, visible, custom};
    std::copy_n(name, WStringView(name).size(), entry.szName);
    return entry;
}

TEST_F(PaperTest, ResolutionsOutsideTheirRangeAreDroppedInOrder) {
    StoreDword(kResolutions, W("Number of Resolutions"), 6);
    StoreResolution(1, W("Fax"), 204, 196);
    StoreDword(kResolutions + W("\\1"), W("Code"), 7);
    StoreDword(kResolutions + W("\\1"), W("Visible"), 0);
    StoreDword(kResolutions + W("\\1"), W("Custom"), 5);
    StoreResolution(2, W("Low Y"), 300, 49);
    StoreResolution(3, W("High Y"), 300, 3001);
    StoreResolution(4, W("Driver"), 0xFFFFFFFF, 50);  // -1 is valid
    StoreResolution(5, nullptr, 300, 300);            // no name
    StoreResolution(6, W("Top"), 3000, 3000);
    StoreResolution(7, W(""), 300, 300);  // an empty name is no name either
    StoreDword(kResolutions, W("Number of Resolutions"), 7);

    ResolutionList list;
    ASSERT_EQ(ReadResolutionsFromRegistry(record(), list), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(WString(list[0].szName), W("Fax"));
    EXPECT_EQ(list[0].nCode, 7);
    EXPECT_EQ(list[0].nDpiX, 204);
    EXPECT_EQ(list[0].nDpiY, 196);
    EXPECT_EQ(list[0].bVisible, 0);
    EXPECT_EQ(list[0].bCustom, 1);
    EXPECT_EQ(WString(list[1].szName), W("Driver"));
    EXPECT_EQ(list[1].nDpiX, -1);
    EXPECT_EQ(list[1].nCode, 0);     // no "Code"
    EXPECT_EQ(list[1].bVisible, 1);  // no "Visible"
    EXPECT_EQ(list[1].bCustom, 0);   // no "Custom"
    EXPECT_EQ(WString(list[2].szName), W("Top"));
}

TEST_F(PaperTest, AZeroOrMissingCountLeavesTheListAlone) {
    ResolutionList list{Entry(W("Kept"), 1, 300, 300, 1, 0)};
    EXPECT_EQ(ReadResolutionsFromRegistry(record(), list), 0);
    StoreDword(kResolutions, W("Number of Resolutions"), 0);
    EXPECT_EQ(ReadResolutionsFromRegistry(record(), list), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(WString(list[0].szName), W("Kept"));

    // A name of 127 characters is read; 128 leave no room for the terminator.
    StoreDword(kResolutions, W("Number of Resolutions"), 2);
    const WString name127(127, W('n'));
    const WString name128(128, W('n'));
    StoreResolution(1, name127.c_str(), 600, 600);
    StoreResolution(2, name128.c_str(), 600, 600);
    EXPECT_EQ(ReadResolutionsFromRegistry(record(), list), 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(WString(list[0].szName), name127);
}

TEST(ResolutionIni, WritesTheCountThenEachEntry) {
    TempDir folder;
    const WString file = folder.File(W("settings.ini"));
    ASSERT_EQ(WriteResolutionsToIni(file.c_str(), ResolutionList{}), 1);
    EXPECT_EQ(ReadFileBytes(file), "[Resolutions]\r\nNumber of Resolutions=0\r\n");

    const ResolutionList list{Entry(W("Fax"), 7, 204, 196, 0, 1), Entry(W("Any"), -2, -1, 300, 1, 0)};
    ASSERT_EQ(WriteResolutionsToIni(file.c_str(), list), 1);
    EXPECT_EQ(ReadFileBytes(file),
              "[Resolutions]\r\nNumber of Resolutions=2\r\n"
              "Resolution1 Name=Fax\r\nResolution1 Code=7\r\nResolution1 DPI X=204\r\nResolution1 DPI Y=196\r\n"
              "Resolution1 Visible=0\r\nResolution1 Custom=1\r\n"
              "Resolution2 Name=Any\r\nResolution2 Code=-2\r\nResolution2 DPI X=-1\r\nResolution2 DPI Y=300\r\n"
              "Resolution2 Visible=1\r\nResolution2 Custom=0\r\n");
    EXPECT_EQ(WritePrivateProfileInt(nullptr, W("k"), 1, file.c_str()), FALSE);
    EXPECT_EQ(WritePrivateProfileInt(W("s"), W("k"), 1, nullptr), FALSE);
}

int g_intWrites = 0;
BOOL FailingIntWriter(LPCWSTR, LPCWSTR, int, LPCWSTR) { return ++g_intWrites < 3; }

TEST(ResolutionIni, StopsAtTheFirstFailedWrite) {
    TempDir folder;
    const WString file = folder.File(W("settings.ini"));
    const ResolutionList list{Entry(W("One"), 1, 100, 100, 1, 0), Entry(W("Two"), 2, 200, 200, 1, 0)};
    // The count goes through the given writer too (which stores nothing);
    // the third integer write (DPI X of the first entry) fails.
    EXPECT_EQ(WriteResolutionsToIni(file.c_str(), list, &::WritePrivateProfileStringW, &FailingIntWriter), 0);
    EXPECT_EQ(g_intWrites, 3);
    const std::string text = ReadFileBytes(file);
    EXPECT_EQ(text.find("Number of Resolutions"), std::string::npos);
    EXPECT_NE(text.find("Resolution1 Name=One"), std::string::npos);
    EXPECT_EQ(text.find("Resolution2"), std::string::npos);
}

}  // namespace
