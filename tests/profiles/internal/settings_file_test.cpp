// The in-memory settings file reads as the profile functions read, and
// writes nothing it was not asked to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/settings_file.h"
#include "support/temp_dir.h"

namespace nw::profiles {
namespace {

using test::TempDir;
using test::WriteFileBytes;

TEST(SettingsFileTest, ReadsAsTheProfileFunctionsRead) {
    TempDir dir;
    const WString file = dir.File(W("read.ini"));
    ASSERT_TRUE(WriteFileBytes(file,
                               "[S]\r\nNumber= -42abc\r\nQuoted=\"a b\"\r\nEmpty=\r\nHuge=99999999999\r\n"
                               "Long=abcdefghij\r\nBlob=0102FE01\r\nBadSum=0102FE02\r\n[S]\r\nNumber=7\r\n"));
    const SettingsFile document(file.c_str());
    const WCHAR* intKeys[] = {W("Number"), W("Quoted"), W("Empty"), W("Huge"), W("Missing")};
    for (const WCHAR* key : intKeys)
        EXPECT_EQ(document.ReadInt(W("S"), key, -5), ::GetPrivateProfileIntW(W("S"), key, -5, file.c_str()));
    const struct {
        const WCHAR* key;
        DWORD size;
    } texts[] = {{W("Quoted"), 64}, {W("Long"), 4}, {W("Long"), 1}, {W("Missing"), 64}, {W("Empty"), 64}};
    for (const auto& t : texts) {
        std::vector<WCHAR> buffer(t.size, W('#'));
        ::GetPrivateProfileStringW(W("S"), t.key, W("dflt  "), buffer.data(), t.size, file.c_str());
        EXPECT_EQ(document.ReadText(W("S"), t.key, W("dflt  "), t.size), WString(buffer.data()));
    }
    BYTE blob[3] = {};
    EXPECT_TRUE(document.ReadStruct(W("S"), W("Blob"), blob, sizeof blob));
    EXPECT_EQ(blob[2], 0xFE);
    BYTE untouched[3] = {9, 9, 9};
    EXPECT_FALSE(document.ReadStruct(W("S"), W("BadSum"), untouched, sizeof untouched));
    EXPECT_FALSE(document.ReadStruct(W("S"), W("Blob"), untouched, 2));
    EXPECT_EQ(untouched[0], 9);
}

TEST(SettingsFileTest, UnchangedDocumentIsNotWritten) {
    TempDir dir;
    const WString file = dir.File(W("missing.ini"));
    SettingsFile document(file.c_str());
    EXPECT_EQ(document.ReadInt(W("S"), W("K"), 3), 3u);
    EXPECT_TRUE(document.Commit());
    EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace nw::profiles
