// The exports served from the current user's profile index, which need no
// spooler: run on the hosted machine and, in the win64 build, under Wine.
#include <gtest/gtest.h>

#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/handles.h"
#include "profiles/profile_index_support.h"
#include "support/registry.h"

namespace nw::test {
namespace {

constexpr WCHAR kPrinter[] = W("Index Printer");

WString ProfilesKey() { return PrinterKey(kPrinter, W("Profiles")); }

TEST(ProfileIndexExportsTest, SelectedProfileKeepsItsTerminatorAndSizeProtocol) {
    PlantLastError();
    const uint32_t planted = Nordwisp_GetLastError();
    EXPECT_EQ(SetLastSelectedProfile(kPrinter, W("Monthly")), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, ProfilesKey(), W("Selected Profile"))->bytes,
              TextBytes(WStringView(W("Monthly"), 8)));
    WCHAR buffer[16] = {};
    uint32_t size = sizeof buffer;
    EXPECT_EQ(GetLastSelectedProfile(kPrinter, buffer, &size), 1);
    EXPECT_EQ(WString(buffer), W("Monthly"));
    EXPECT_EQ(size, 16u);
    WCHAR small[4] = {W('#'), W('#'), W('#'), W('#')};
    size = sizeof small;
    EXPECT_EQ(GetLastSelectedProfile(kPrinter, small, &size), 0);
    EXPECT_EQ(size, 16u);
    EXPECT_EQ(small[0], W('#'));

    // Stored by another writer without its terminator, it reads the same.
    ASSERT_TRUE(WriteTextValue(ProfilesKey(), W("Selected Profile"), W("Weekly")));
    size = sizeof buffer;
    EXPECT_EQ(GetLastSelectedProfile(kPrinter, buffer, &size), 1);
    EXPECT_EQ(WString(buffer), W("Weekly"));

    EXPECT_EQ(GetLastSelectedProfile(nullptr, buffer, &size), 0);
    EXPECT_EQ(GetLastSelectedProfile(kPrinter, buffer, nullptr), 0);
    EXPECT_EQ(GetLastSelectedProfile(W("Other Printer"), buffer, &size), 0);
    EXPECT_EQ(SetLastSelectedProfile(kPrinter, nullptr), 0);
    EXPECT_EQ(SetLastSelectedProfile(nullptr, W("x")), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), planted);
}

TEST(ProfileIndexExportsTest, DescriptionAndFileNameFitTheirBuffers) {
    const WString key = PrinterKey(kPrinter, W("Profiles\\Long"));
    ASSERT_TRUE(WriteTextValue(key, W("Description"), WString(499, W('d'))));
    ASSERT_TRUE(WriteTextValue(key, W("Filename"), W("C:\\p\\long.bip")));
    std::vector<WCHAR> buffer(300, W('#'));
    EXPECT_EQ(GetProfileDescription(buffer.data(), kPrinter, W("Long")), 1);
    EXPECT_EQ(WString(buffer.data()), WString(259, W('d')));
    EXPECT_EQ(buffer[260], W('#'));
    EXPECT_EQ(GetProfileFileName(buffer.data(), kPrinter, W("Long")), 1);
    EXPECT_EQ(WString(buffer.data()), W("C:\\p\\long.bip"));
    EXPECT_EQ(GetProfileFileName(buffer.data(), kPrinter, W("Missing")), 0);
    EXPECT_EQ(GetProfileFileName(nullptr, kPrinter, W("Long")), 0);
    EXPECT_EQ(GetProfileDescription(buffer.data(), nullptr, W("Long")), 0);
}

}  // namespace
}  // namespace nw::test
