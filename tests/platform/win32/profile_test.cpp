// Private-profile (INI) functions, written against the Win32 API alone so
// that the same cases run on the hosted machine and under Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/win32api.h"
#include "support/temp_dir.h"
#include "support/wine.h"

namespace {

using nw::test::ReadFileBytes;
using nw::test::TempDir;
using nw::test::WriteFileBytes;

// A literal with its embedded zeros.
template <std::size_t N>
WString Z(const WCHAR (&text)[N]) {
    return WString(text, N - 1);
}

// Wine rewrites the whole file on each write in a layout of its own (blank
// lines dropped, line ends made CRLF, new keys after a section's comments,
// trailing blanks of a value kept) where Windows edits the file in place;
// checks of the exact bytes follow Windows and are left out under Wine.
using nw::test::UnderWine;

class ProfileTest : public ::testing::Test {
protected:
    WString Get(const WCHAR* section, const WCHAR* key, const WCHAR* fallback = W("")) {
        WCHAR buffer[256];
        const DWORD n = GetPrivateProfileStringW(section, key, fallback, buffer, 256, file_.c_str());
        return WString(buffer, n);
    }
    bool Put(const WCHAR* section, const WCHAR* key, const WCHAR* value) {
        return WritePrivateProfileStringW(section, key, value, file_.c_str()) != FALSE;
    }
    void Seed(const std::string& bytes) { ASSERT_TRUE(WriteFileBytes(file_, bytes)); }
    std::string Bytes() const { return ReadFileBytes(file_); }

    TempDir dir_;
    WString file_ = dir_.File(W("test.ini"));
};

TEST_F(ProfileTest, NamesMatchWithoutCaseAndTheFirstDuplicateWins) {
    Seed("[Paper]\r\nWidth=210\r\nWIDTH=297\r\n[PAPER]\r\nHeight=297\r\n");
    EXPECT_EQ(Get(W("paper"), W("width")), W("210"));
    EXPECT_EQ(Get(W("pApEr"), W("WiDtH")), W("210"));
    // Only the first of two same-named sections is searched.
    EXPECT_EQ(Get(W("Paper"), W("Height"), W("none")), W("none"));

    ASSERT_TRUE(Put(W("PAPER"), W("width"), W("100")));
    EXPECT_EQ(Get(W("paper"), W("Width")), W("100"));
    if (!UnderWine()) {
        EXPECT_EQ(Bytes(), "[Paper]\r\nWidth=100\r\nWIDTH=297\r\n[PAPER]\r\nHeight=297\r\n");
    }
}

TEST_F(ProfileTest, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
    Seed("[s]\r\n  a  =  spaced value  \r\nb=\"kept  \"\r\nc='single'\r\nd=\"mixed'\r\ne=\"\r\nf=\"\"\r\n"
         "g=\"in\"side\"\r\nh=\"\"twice\"\"\r\n");
    EXPECT_EQ(Get(W("s"), W("a")), W("spaced value"));
    EXPECT_EQ(Get(W("s"), W(" a ")), W("spaced value"));
    EXPECT_EQ(Get(W("s"), W("b")), W("kept  "));
    EXPECT_EQ(Get(W("s"), W("c")), W("single"));
    EXPECT_EQ(Get(W("s"), W("d")), W("\"mixed'"));
    EXPECT_EQ(Get(W("s"), W("e")), W("\""));
    EXPECT_EQ(Get(W("s"), W("f"), W("default")), W(""));
    EXPECT_EQ(Get(W("s"), W("g")), W("in\"side"));
    EXPECT_EQ(Get(W("s"), W("h")), W("\"twice\""));

    ASSERT_TRUE(Put(W("t"), W("k"), W("  padded value \t ")));
    EXPECT_EQ(Get(W("t"), W("k")), W("padded value"));
    if (!UnderWine()) {
        EXPECT_NE(Bytes().find("\r\n[t]\r\nk=padded value\r\n"), std::string::npos);
    }
}

TEST_F(ProfileTest, DeletingKeysAndSections) {
    Seed("[a]\r\nx=1\r\ny=2\r\n[b]\r\n; about b\r\nz=3\r\n\r\n[c]\r\nw=4\r\n");
    ASSERT_TRUE(Put(W("A"), W("X"), nullptr));
    EXPECT_EQ(Get(W("a"), W("x"), W("gone")), W("gone"));
    EXPECT_EQ(Get(W("a"), W("y")), W("2"));
    // Deleting what is not there succeeds and changes nothing.
    ASSERT_TRUE(Put(W("a"), W("missing"), nullptr));
    ASSERT_TRUE(Put(W("missing"), nullptr, nullptr));

    ASSERT_TRUE(Put(W("B"), nullptr, W("ignored")));
    EXPECT_EQ(Get(W("b"), W("z"), W("gone")), W("gone"));
    EXPECT_EQ(Get(W("c"), W("w")), W("4"));
    if (!UnderWine()) {
        EXPECT_EQ(Bytes(), "[a]\r\ny=2\r\n[c]\r\nw=4\r\n");
    }

    WCHAR names[64];
    EXPECT_EQ(GetPrivateProfileSectionNamesW(names, 64, file_.c_str()), 4u);
    EXPECT_EQ(WString(names, 5), Z(W("a\0c\0\0")));
}

TEST_F(ProfileTest, ListsAndTheirCutForms) {
    Seed("[one]\r\nalpha=1\r\n; note=no key\r\nbeta=2\r\nno equals sign\r\n[two]\r\n[three]\r\n");
    WCHAR buffer[64];
    const auto sections = [&](DWORD size) {
        for (auto& c : buffer) c = W('#');
        return GetPrivateProfileSectionNamesW(buffer, size, file_.c_str());
    };
    EXPECT_EQ(sections(64), 14u);
    EXPECT_EQ(WString(buffer, 15), Z(W("one\0two\0three\0\0")));
    // Windows counts an exact fit as cut.
    EXPECT_EQ(sections(15), 13u);
    EXPECT_EQ(WString(buffer, 15), Z(W("one\0two\0three\0\0")));
    EXPECT_EQ(sections(14), 12u);
    EXPECT_EQ(WString(buffer, 14), Z(W("one\0two\0thre\0\0")));
    EXPECT_EQ(sections(2), 0u);
    EXPECT_EQ(WString(buffer, 3), Z(W("\0\0#")));

    // A null section lists the sections too.
    EXPECT_EQ(GetPrivateProfileStringW(nullptr, W("k"), W("d"), buffer, 64, file_.c_str()), 14u);
    EXPECT_EQ(WString(buffer, 15), Z(W("one\0two\0three\0\0")));

    const auto keys = [&](DWORD size) {
        for (auto& c : buffer) c = W('#');
        return GetPrivateProfileStringW(W("ONE"), nullptr, W("d"), buffer, size, file_.c_str());
    };
    EXPECT_EQ(keys(64), 11u);
    EXPECT_EQ(WString(buffer, 12), Z(W("alpha\0beta\0\0")));
    EXPECT_EQ(keys(10), 8u);
    EXPECT_EQ(WString(buffer, 10), Z(W("alpha\0be\0\0")));

    // A value is cut to size - 1.
    EXPECT_EQ(GetPrivateProfileStringW(W("one"), W("alpha"), W(""), buffer, 1, file_.c_str()), 0u);
    EXPECT_EQ(buffer[0], 0);
    Seed("[s]\r\nv=value\r\n");
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("v"), W(""), buffer, 3, file_.c_str()), 2u);
    EXPECT_EQ(WString(buffer, 3), Z(W("va\0")));
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("x"), W("default"), buffer, 4, file_.c_str()), 3u);
    EXPECT_EQ(WString(buffer, 4), Z(W("def\0")));
    buffer[0] = W('#');
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("v"), W(""), buffer, 0, file_.c_str()), 0u);
    EXPECT_EQ(buffer[0], W('#'));
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    const WString missing = dir_.File(W("missing.ini"));
    WCHAR buffer[32];
    SetLastError(0);
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("k"), W("fallback"), buffer, 32, missing.c_str()), 8u);
    EXPECT_EQ(WString(buffer), W("fallback"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("k"), nullptr, buffer, 32, missing.c_str()), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(GetPrivateProfileSectionNamesW(buffer, 32, missing.c_str()), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(GetPrivateProfileIntW(W("s"), W("k"), -3, missing.c_str()), static_cast<UINT>(-3));

    Seed("[s]\r\nk=v\r\n");
    // Trailing blanks of the default go.
    EXPECT_EQ(Get(W("s"), W("other"), W("dflt   ")), W("dflt"));
    EXPECT_EQ(Get(W("nosuch"), W("k"), W("  lead")), W("  lead"));
    EXPECT_EQ(Get(W("s"), W(""), W("empty key")), W("empty key"));
    EXPECT_EQ(Get(W("nosuch"), nullptr, W("no section")), W("no section"));
}

TEST_F(ProfileTest, IntegersAreDecimalWithOptionalSign) {
    Seed("[n]\r\nlead=  42abc\r\nneg=-5\r\nplus=+17\r\nword=x\r\nquoted=\"12\"\r\nempty=\r\n");
    const WCHAR* f = file_.c_str();
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("lead"), 9, f), 42u);
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("neg"), 9, f), static_cast<UINT>(-5));
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("plus"), 9, f), 17u);
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("word"), 9, f), 0u);
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("quoted"), 9, f), 12u);
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("empty"), 9, f), 9u);
    EXPECT_EQ(GetPrivateProfileIntW(W("n"), W("missing"), 9, f), 9u);
}

TEST_F(ProfileTest, StructsCarryHexDigitsAndAChecksum) {
    BYTE data[4] = {0x00, 0x7F, 0xFF, 0x10};
    ASSERT_TRUE(WritePrivateProfileStructW(W("bin"), W("blob"), data, 4, file_.c_str()));
    EXPECT_EQ(Get(W("bin"), W("blob")), W("007FFF108E"));

    BYTE back[4] = {};
    ASSERT_TRUE(GetPrivateProfileStructW(W("bin"), W("blob"), back, 4, file_.c_str()));
    EXPECT_EQ(0, memcmp(back, data, 4));
    // The size must match the stored text exactly.
    BYTE other[5] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(GetPrivateProfileStructW(W("bin"), W("blob"), other, 3, file_.c_str()));
    EXPECT_FALSE(GetPrivateProfileStructW(W("bin"), W("blob"), other, 5, file_.c_str()));
    EXPECT_FALSE(GetPrivateProfileStructW(W("bin"), W("none"), other, 4, file_.c_str()));

    // A wrong checksum, a non-hex digit or a missing digit is refused.
    for (const char* text : {"007FFF108F", "007FFF1G8E", "007FFF108"}) {
        Seed(std::string("[bin]\r\nblob=") + text + "\r\nlower=0a0b15\r\n");
        EXPECT_FALSE(GetPrivateProfileStructW(W("bin"), W("blob"), other, 4, file_.c_str())) << text;
    }
    ASSERT_TRUE(GetPrivateProfileStructW(W("bin"), W("lower"), back, 2, file_.c_str()));
    EXPECT_EQ(back[0] * 256 + back[1], 0x0A0B);
    // Writing no data deletes the key.
    ASSERT_TRUE(WritePrivateProfileStructW(W("bin"), W("lower"), nullptr, 2, file_.c_str()));
    EXPECT_EQ(Get(W("bin"), W("lower"), W("gone")), W("gone"));
}

TEST_F(ProfileTest, WritesEditTheFileInPlace) {
    if (UnderWine()) GTEST_SKIP() << "Wine does not keep the file's layout";
    ASSERT_TRUE(Put(W("A"), W("k1"), W("v1")));
    ASSERT_TRUE(Put(W("B"), W("x"), W("1")));
    ASSERT_TRUE(Put(W("A"), W("k2"), W("v2")));
    ASSERT_TRUE(Put(W("a"), W("K1"), W("new")));
    ASSERT_TRUE(Put(W("b"), W("x"), nullptr));
    EXPECT_EQ(Bytes(), "[A]\r\nk1=new\r\nk2=v2\r\n[B]\r\n");

    // Comments, blank lines and a missing final line end survive; a new key
    // goes after the last key of its section.
    Seed("; head\r\n[A]\r\nk1 = 1\r\n\r\n; about B\n[B]\nz=2");
    ASSERT_TRUE(Put(W("A"), W("k2"), W("2")));
    ASSERT_TRUE(Put(W("B"), W("y"), W("3")));
    ASSERT_TRUE(Put(W("C"), W("c"), W("4")));
    ASSERT_TRUE(Put(W("A"), W("k1"), W("5")));
    EXPECT_EQ(Bytes(), "; head\r\n[A]\r\nk1=5\r\nk2=2\r\n\r\n; about B\n[B]\nz=2\r\ny=3\r\n[C]\r\nc=4\r\n");

    // A section without keys takes its first key right after the header.
    Seed("[E]\r\n\r\n[F]\r\n");
    ASSERT_TRUE(Put(W("E"), W("e"), W("1")));
    EXPECT_EQ(Bytes(), "[E]\r\ne=1\r\n\r\n[F]\r\n");
}

TEST_F(ProfileTest, FilesUseTheirByteOrderMarkOrTheAnsiCodePage) {
    // UTF-16LE: "[s]\r\nk=välüe\r\n".
    const std::u16string text = u"[s]\r\nk=v\u00E4l\u00FCe\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    Seed(utf16);
    EXPECT_EQ(Get(W("s"), W("k")), W("v\u00E4l\u00FCe"));
    ASSERT_TRUE(Put(W("s"), W("n"), W("\u00E9")));
    const std::string expected = utf16 + std::string("n\0=\0\xE9\0\r\0\n\0", 10);
    if (!UnderWine()) {
        EXPECT_EQ(Bytes(), expected);
    }
    EXPECT_EQ(Get(W("s"), W("n")), W("\u00E9"));

    Seed("\xEF\xBB\xBF[s]\r\nk=caf\xC3\xA9\r\n");
    EXPECT_EQ(Get(W("s"), W("k")), W("caf\u00E9"));
    // Multi-byte characters on lines with either line end, and a last line
    // without one: each value stays on its own line.
    Seed("\xEF\xBB\xBF[s]\nk=\xC3\xA9t\xC3\xA9\r\nm=\xC3\xBC\nlast=z");
    EXPECT_EQ(Get(W("s"), W("k")), W("\u00E9t\u00E9"));
    EXPECT_EQ(Get(W("s"), W("m")), W("\u00FC"));
    EXPECT_EQ(Get(W("s"), W("last")), W("z"));

    // A new file is written in the ANSI code page.
    const WString fresh = dir_.File(W("fresh.ini"));
    ASSERT_TRUE(WritePrivateProfileStringW(W("s"), W("k"), W("caf\u00E9"), fresh.c_str()));
    const std::string cafe = GetACP() == CP_UTF8 ? "caf\xC3\xA9" : "caf\xE9";
    EXPECT_EQ(ReadFileBytes(fresh), "[s]\r\nk=" + cafe + "\r\n");
}

TEST_F(ProfileTest, FlushAndBadArguments) {
    // A flush reports FALSE, as documented.
    ASSERT_TRUE(Put(W("s"), W("k"), W("v")));
    EXPECT_FALSE(WritePrivateProfileStringW(nullptr, nullptr, nullptr, file_.c_str()));
    EXPECT_EQ(Get(W("s"), W("k")), W("v"));
    file_ = dir_.File(W("other.ini"));
    EXPECT_FALSE(WritePrivateProfileStringW(nullptr, W("k"), W("v"), file_.c_str()));
    // Deleting from a file that does not exist creates nothing.
    EXPECT_TRUE(Put(W("s"), W("k"), nullptr));
    EXPECT_EQ(GetFileAttributesW(file_.c_str()), INVALID_FILE_ATTRIBUTES);
    const WString noFolder = dir_.File(W("no\\such\\folder.ini"));
    EXPECT_FALSE(WritePrivateProfileStringW(W("s"), W("k"), W("v"), noFolder.c_str()));
}

}  // namespace
