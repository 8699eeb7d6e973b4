// The in-memory settings file against the platform's profile functions:
// the same writes give the same bytes. Runs on the hosted machine and under
// Wine, so the files start in the form both keep (no blank lines).
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
// section, trimming, a structure.
const std::vector<Write> kWrites = {
    {W("Default Settings"), W("Paper Size"), W("9")},
    {W("Default Settings"), W("OutputDirectory"), W("  C:\\Out")},
    {W("Other"), W("Kept"), W("replaced")},
    {W("New Section"), W("Key"), W("1")},
    {W("default settings"), W("paper size"), W("1")},
    {W("Other"), W("Gone"), nullptr},
    {W("Drop"), nullptr, nullptr},
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
        "; comment\r\n[Other]\r\nKept=old\r\nGone=1\r\n[Drop]\r\nA=1\r\n[Default Settings]\r\nX DPI=300\r\n";
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

}  // namespace
}  // namespace nw::profiles
