// The in-memory settings file against the profile functions: the same
// writes give the same bytes, and reads agree with theirs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/settings_file.h"
#include "support/temp_dir.h"

namespace nw::profiles {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

struct Write {
    const WCHAR* section;
    const WCHAR* key;
    const WCHAR* value;
};

// Keys of new and existing sections, a replaced value, a deleted key and
// section, trimming, a value that would break the line, a structure.
const std::vector<Write> kWrites = {
    {W("Default Settings"), W("Paper Size"), W("9")},
    {W("Default Settings"), W("OutputDirectory"), W("  C:\\Out  ")},
    {W("Other"), W("Kept"), W("replaced")},
    {W("New Section"), W("Key"), W("1")},
    {W("default settings"), W("paper size"), W("1")},
    {W("Other"), W("Gone"), nullptr},
    {W("Drop"), nullptr, nullptr},
    {W("New Section"), W("Bad"), W("two\r\nlines")},
    {W("New Section"), W("Text"), W("Ünïcode €")},
};

void WriteThroughProfile(const WString& file) {
    for (const Write& w : kWrites) ::WritePrivateProfileStringW(w.section, w.key, w.value, file.c_str());
    const BYTE data[] = {1, 2, 0xFE};
    ::WritePrivateProfileStructW(W("New Section"), W("Blob"), const_cast<BYTE*>(data), sizeof data, file.c_str());
}

void WriteThroughDocument(const WString& file) {
    SettingsFile document(file.c_str());
    for (const Write& w : kWrites) document.WriteText(w.section, w.key, w.value);
    const BYTE data[] = {1, 2, 0xFE};
    document.WriteStruct(W("New Section"), W("Blob"), data, sizeof data);
    ASSERT_TRUE(document.Commit());
}

std::string Utf16(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(SettingsFileTest, WritesTheBytesOfTheProfileFunctions) {
    const std::string existing =
        "; comment\r\n[Other]\r\nKept=old\r\nGone=1\r\n\r\n[Drop]\r\nA=1\r\n[Default Settings]\r\nX DPI=300";
    const struct {
        const char* name;
        std::string before;  // empty: no file
    } cases[] = {
        {"fresh file", ""},
        {"existing file with other sections", existing},
        {"existing UTF-16 file", Utf16(u"[Other]\r\nKept=old\r\n[Drop]\r\nA=1\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const WString viaProfile = dir.File(W("profile.ini"));
        const WString viaDocument = dir.File(W("document.ini"));
        if (!c.before.empty()) {
            ASSERT_TRUE(WriteFileBytes(viaProfile, c.before));
            ASSERT_TRUE(WriteFileBytes(viaDocument, c.before));
        }
        WriteThroughProfile(viaProfile);
        WriteThroughDocument(viaDocument);
        const std::string expected = ReadFileBytes(viaProfile);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(ReadFileBytes(viaDocument), expected);
    }
}

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
