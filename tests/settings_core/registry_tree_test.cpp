// Whole-tree copy and delete.
#include <gtest/gtest.h>

#include "settings/registry_primitives.h"
#include "settings_core/registry_fixture.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kSource = W("SOFTWARE\\Kelmora Works\\Source");

void SeedTree() {
    WriteRaw(HKEY_CURRENT_USER, kSource, W("Text"), REG_SZ, TextBytes(W("abc")));
    WriteRaw(HKEY_CURRENT_USER, kSource, W("Number"), REG_DWORD, DwordBytes(0x01020304));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), W("Blob"), REG_BINARY, {1, 0, 2});
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), WString(63, W('n')).c_str(), REG_DWORD, DwordBytes(63));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), WString(64, W('n')).c_str(), REG_DWORD, DwordBytes(64));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\C"), W(""), REG_SZ, TextBytes(W("default")));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\") + WString(127, W('k')), W("Kept"), REG_DWORD, DwordBytes(1));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\") + WString(128, W('l')), W("Lost"), REG_DWORD, DwordBytes(1));
}

TEST(RegistryTree, CopyTakesEveryKeyAndValueWithTypeAndBytes) {
    SeedTree();
    ASSERT_EQ(CopyRegistryTree(HKEY_CURRENT_USER, kSource.c_str(), HKEY_USERS, W(".DEFAULT\\Copy"), W(""), 0), 1);
    const WString copy = W(".DEFAULT\\Copy");
    auto text = ReadRaw(HKEY_USERS, copy, W("Text"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, REG_SZ);
    EXPECT_EQ(text->bytes, TextBytes(W("abc")));
    EXPECT_EQ(ReadRaw(HKEY_USERS, copy, W("Number"))->bytes, DwordBytes(0x01020304));
    auto blob = ReadRaw(HKEY_USERS, copy + W("\\A\\B"), W("Blob"));
    ASSERT_TRUE(blob);
    EXPECT_EQ(blob->type, REG_BINARY);
    EXPECT_EQ(blob->bytes, (std::vector<BYTE>{1, 0, 2}));
    EXPECT_EQ(ReadRaw(HKEY_USERS, copy + W("\\C"), W(""))->bytes, TextBytes(W("default")));
    // Value names of 63 characters are copied, longer ones skipped; key names
    // of 127 characters are copied, longer ones skipped.
    EXPECT_TRUE(ReadRaw(HKEY_USERS, copy + W("\\A\\B"), WString(63, W('n')).c_str()));
    EXPECT_FALSE(ReadRaw(HKEY_USERS, copy + W("\\A\\B"), WString(64, W('n')).c_str()));
    EXPECT_TRUE(ReadRaw(HKEY_USERS, copy + W("\\") + WString(127, W('k')), W("Kept")));
    EXPECT_FALSE(KeyExists(HKEY_USERS, copy + W("\\") + WString(128, W('l'))));
    EXPECT_FALSE(IsVolatileKey(HKEY_USERS, copy + W("\\A")));
}

TEST(RegistryTree, RelativeSubkeyCopiesOnlyThatBranchWithTheGivenOptions) {
    SeedTree();
    ASSERT_EQ(CopyRegistryTree(HKEY_CURRENT_USER, kSource.c_str(), HKEY_CURRENT_USER, W("Volatile Copy"), W("A"),
                               REG_OPTION_VOLATILE),
              1);
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, W("Volatile Copy")), std::vector<WString>{W("A")});
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, W("Volatile Copy\\A\\B"), W("Blob")));
    EXPECT_TRUE(IsVolatileKey(HKEY_CURRENT_USER, W("Volatile Copy\\A")));
    EXPECT_TRUE(IsVolatileKey(HKEY_CURRENT_USER, W("Volatile Copy\\A\\B")));

    // No relative subkey: nothing happens; a missing source: nothing either.
    EXPECT_EQ(CopyRegistryTree(HKEY_CURRENT_USER, kSource.c_str(), HKEY_CURRENT_USER, W("None"), nullptr, 0), 0);
    EXPECT_EQ(CopyRegistryTree(HKEY_CURRENT_USER, W("SOFTWARE\\Missing"), HKEY_CURRENT_USER, W("None"), W(""), 0), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, W("None")));
}

TEST(RegistryTree, DeleteRemovesNestedKeysAndReportsTheFinalDelete) {
    SeedTree();
    EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, kSource.c_str()), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSource));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works")));
    EXPECT_EQ(DeleteRegistryTree(HKEY_CURRENT_USER, kSource.c_str()), ERROR_FILE_NOT_FOUND);
}

}  // namespace
