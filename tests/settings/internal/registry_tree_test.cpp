// Whole-tree copy and delete.
#include <gtest/gtest.h>

#include "settings/registry_primitives.h"
#include "support/records.h"
#include "support/registry.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kSource = W("SOFTWARE\\Kelmora Works\\Source");

void SeedTree() {
    StoreText(kSource, W("Text"), W("abc"));
    StoreDword(kSource, W("Number"), 0x01020304);
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), W("Blob"), REG_BINARY, {1, 0, 2});
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), WString(63, W('n')).c_str(), REG_DWORD, DwordBytes(63));
    WriteRaw(HKEY_CURRENT_USER, kSource + W("\\A\\B"), WString(64, W('n')).c_str(), REG_DWORD, DwordBytes(64));
    StoreText(kSource + W("\\C"), W(""), W("default"));
    StoreDword(kSource + W("\\") + WString(127, W('k')), W("Kept"), 1);
    StoreDword(kSource + W("\\") + WString(128, W('l')), W("Lost"), 1);
}

TEST(RegistryTree, CopyTakesEveryKeyAndValueWithTypeAndBytes) {
    SeedTree();
    ASSERT_EQ(CopyRegistryTree(HKEY_CURRENT_USER, kSource.c_str(), HKEY_USERS, W(".DEFAULT\\Copy"), W(""), 0), 1);
    const WString copy = W(".DEFAULT\\Copy");
    EXPECT_EQ(StoredText(copy, W("Text"), HKEY_USERS), u"abc");
    EXPECT_EQ(StoredDword(copy, W("Number"), HKEY_USERS), 0x01020304u);
    const auto blob = ReadRaw(HKEY_USERS, copy + W("\\A\\B"), W("Blob"));
    EXPECT_EQ(blob.value().type, REG_BINARY);
    EXPECT_EQ(blob->bytes, (std::vector<BYTE>{1, 0, 2}));
    EXPECT_EQ(StoredText(copy + W("\\C"), W(""), HKEY_USERS), u"default");
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
