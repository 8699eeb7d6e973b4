// What the hosted profile functions add to Windows' behaviour: where bare
// names live, refusal of text that would break the file's syntax, a cache
// that never serves a stale file, and bytes left as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#include "platform/win32api.h"
#include "support/last_error.h"
#include "support/temp_dir.h"

namespace {

using nw::test::FailedWith;
using nw::test::ReadFileBytes;
using nw::test::WriteFileBytes;

std::u16string Get(const std::u16string& file, const char16_t* section, const char16_t* key) {
    char16_t buffer[128];
    const DWORD n = GetPrivateProfileStringW(section, key, u"<none>", buffer, 128, file.c_str());
    return std::u16string(buffer, n);
}

class ProfileFileTest : public ::testing::Test {
protected:
    nw::test::TempDir dir_;
    std::u16string file_ = dir_.File(u"test.ini");
};

TEST_F(ProfileFileTest, BareAndNullNamesLiveInTheWindowsFolder) {
    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"bare", u"nwprofile.ini"));
    const auto windows = nw::hosted::MachineRoot() / "drive_c" / "windows";
    EXPECT_EQ(ReadFileBytes(u"C:\\windows\\nwprofile.ini"), "[s]\r\nk=bare\r\n");
    EXPECT_EQ(Get(u"c:/windows/nwprofile.ini", u"S", u"K"), u"bare");

    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"null", nullptr));
    EXPECT_EQ(Get(u"win.ini", u"s", u"k"), u"null");
    EXPECT_TRUE(std::filesystem::exists(windows / "win.ini"));

    EXPECT_TRUE(FailedWith(!WritePrivateProfileStringW(u"s", u"k", u"v", u""), ERROR_INVALID_PARAMETER));
}

TEST_F(ProfileFileTest, TextThatWouldBreakTheLineSyntaxIsRefused) {
    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"v", file_.c_str()));
    const std::string before = ReadFileBytes(file_);
    struct Case {
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
    };
    for (const Case& c :
         {Case{u"s", u"a=b", u"v"}, Case{u"s", u";k", u"v"}, Case{u"s", u"[k", u"v"}, Case{u"s", u"  ", u"v"},
          Case{u"s", u"", u"v"}, Case{u"a]b", u"k", u"v"}, Case{u" ", u"k", u"v"}, Case{u"s", u"k", u"two\nlines"},
          Case{u"s", u"k", u"cr\rx"}, Case{u"s\nt", u"k", u"v"}, Case{u"s", u"k\r\nx", u"v"}}) {
        SetLastError(0);
        EXPECT_TRUE(
            FailedWith(!WritePrivateProfileStringW(c.section, c.key, c.value, file_.c_str()), ERROR_INVALID_PARAMETER))
            << nw::hosted::ToUtf8(c.section) << "/" << nw::hosted::ToUtf8(c.key);
    }
    EXPECT_EQ(ReadFileBytes(file_), before);
    // Brackets and '=' are fine where they do not end a name.
    ASSERT_TRUE(WritePrivateProfileStringW(u"a[b", u"k]", u"x=y]", file_.c_str()));
    EXPECT_EQ(Get(file_, u"a[b", u"k]"), u"x=y]");
}

TEST_F(ProfileFileTest, InPlaceRewritesOfTheSameSizeAreSeen) {
    // Rewrites within one clock tick keep size and times; the content must
    // still be what a read returns.
    for (int round = 0; round < 20; ++round) {
        const std::string digit(1, static_cast<char>('0' + round % 10));
        ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=" + digit + "\r\n"));
        ASSERT_EQ(Get(file_, u"s", u"k"), nw::hosted::FromUtf8(digit));
        ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"w", file_.c_str()));
        ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=" + digit + "\r\n"));
        ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"j", u"x", file_.c_str()));
        ASSERT_EQ(ReadFileBytes(file_), "[s]\r\nk=" + digit + "\r\nj=x\r\n");
    }
    ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=1\r\n"));
    ASSERT_EQ(Get(file_, u"s", u"k"), u"1");
    ASSERT_TRUE(std::filesystem::remove(nw::hosted::HostPath(file_)));
    EXPECT_TRUE(FailedWith(Get(file_, u"s", u"k") == u"<none>", ERROR_FILE_NOT_FOUND));
}

TEST_F(ProfileFileTest, AnsiFilesFollowTheCurrentCodePage) {
    const nw::hosted::Identity saved = nw::hosted::CurrentIdentity();
    nw::hosted::Identity western = saved;
    western.ansiCodePage = 1252;
    ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=caf\xE9\r\n"));
    EXPECT_EQ(Get(file_, u"s", u"k"), u"caf\uFFFD");
    nw::hosted::SetIdentity(western);
    EXPECT_EQ(GetACP(), 1252u);
    EXPECT_EQ(Get(file_, u"s", u"k"), u"caf\u00E9");
    EXPECT_TRUE(WritePrivateProfileStringW(u"s", u"e", u"\u20AC\u4E2D\U0001F600", file_.c_str()));
    nw::hosted::SetIdentity(saved);
    // The euro sign has a 1252 byte, the CJK character and the surrogate
    // pair each become one '?'.
    EXPECT_EQ(ReadFileBytes(file_), "[s]\r\nk=caf\xE9\r\ne=\x80??\r\n");
}

TEST_F(ProfileFileTest, UntouchedLinesKeepTheirBytes) {
    // An invalid UTF-8 byte and LF-only line ends in lines the write does not touch.
    ASSERT_TRUE(WriteFileBytes(file_, "; \xFF\xFE odd\n[s]\nk=\xC3\n"));
    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"n", u"1", file_.c_str()));
    EXPECT_EQ(ReadFileBytes(file_), "; \xFF\xFE odd\n[s]\nk=\xC3\nn=1\r\n");
    // A stray odd byte at the end of UTF-16 text is padded to a whole unit
    // before a line follows it.
    ASSERT_TRUE(WriteFileBytes(file_, std::string("\xFF\xFE[\0s\0]\0A", 9)));
    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"v", file_.c_str()));
    EXPECT_EQ(ReadFileBytes(file_), std::string("\xFF\xFE[\0s\0]\0A\0\r\0\n\0k\0=\0v\0\r\0\n\0", 24));
    // No temporary file is left beside it.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(nw::hosted::HostPath(dir_.Path()))) {
        static_cast<void>(entry);
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(ProfileFileTest, WritesThroughALinkChangeItsTarget) {
    ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=1\r\n"));
    const std::u16string link = dir_.File(u"link.ini");
    std::filesystem::create_symlink("test.ini", nw::hosted::HostPath(link));
    EXPECT_EQ(Get(link, u"s", u"k"), u"1");
    ASSERT_TRUE(WritePrivateProfileStringW(u"s", u"k", u"2", link.c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(nw::hosted::HostPath(link)));
    EXPECT_EQ(ReadFileBytes(file_), "[s]\r\nk=2\r\n");
    EXPECT_EQ(Get(link, u"s", u"k"), u"2");
}

TEST_F(ProfileFileTest, StructFailuresLeaveTheBufferAloneAndNullBuffersGetNothing) {
    ASSERT_TRUE(WriteFileBytes(file_, "[b]\r\nbad=0102FF\r\ngood=010203\r\n"));
    BYTE data[2] = {0xAA, 0xBB};
    EXPECT_TRUE(FailedWith(!GetPrivateProfileStructW(u"b", u"bad", data, 2, file_.c_str()), ERROR_INVALID_DATA));
    EXPECT_EQ(data[0] * 256 + data[1], 0xAABB);
    EXPECT_FALSE(GetPrivateProfileStructW(u"b", u"good", nullptr, 2, file_.c_str()));
    EXPECT_EQ(GetPrivateProfileStringW(u"b", u"bad", u"d", nullptr, 10, file_.c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileSectionNamesW(nullptr, 10, file_.c_str()), 0u);
}

TEST_F(ProfileFileTest, ReadOnlyFilesAreNotReplaced) {
    // Without write bits the file is read-only, for the superuser too.
    ASSERT_TRUE(WriteFileBytes(file_, "[s]\r\nk=1\r\n"));
    ASSERT_EQ(::chmod(nw::hosted::HostPath(file_).c_str(), 0444), 0);
    EXPECT_TRUE(FailedWith(!WritePrivateProfileStringW(u"s", u"k", u"2", file_.c_str()), ERROR_ACCESS_DENIED));
    EXPECT_EQ(ReadFileBytes(file_), "[s]\r\nk=1\r\n");
}

}  // namespace
