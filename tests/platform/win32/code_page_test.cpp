// UTF-8 and Windows-1252 conversions through the Win32 API: size protocol,
// terminators, invalid input and characters outside the basic plane.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32api.h"
#include "support/last_error.h"
#include "support/wine.h"

namespace {

WString Wide(const std::string& utf8, DWORD flags = 0) {
    const int n = MultiByteToWideChar(CP_UTF8, flags, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    WString out(static_cast<std::size_t>(n), W('\0'));
    if (n > 0) MultiByteToWideChar(CP_UTF8, flags, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

TEST(CodePage, Utf8ToWideSizeProtocol) {
    const char* text = "h\xC3\xA9llo";  // 6 bytes, 5 characters
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0), 6);  // -1 counts the terminator
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 6, nullptr, 0), 5);

    WCHAR out[8];
    for (auto& c : out) c = W('#');
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, -1, out, 6), 6);
    EXPECT_EQ(WString(out), W("h\u00E9llo"));
    EXPECT_EQ(out[6], W('#'));

    for (auto& c : out) c = W('#');
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 6, out, 5), 5);
    EXPECT_EQ(out[5], W('#'));  // no terminator without -1

    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, -1, out, 5), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, text, 0, out, 5), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePage, InvalidUtf8IsReplacedOrRefused) {
    const std::string bad = "a\xFF" "b";
    EXPECT_EQ(Wide(bad), WString(W("a\uFFFDb")));
    // A stray continuation byte is no Latin-1 character.
    EXPECT_EQ(Wide("\x80" "x\x80"), WString(W("\uFFFDx\uFFFD")));
    EXPECT_EQ(Wide("\xE2\x82" "A\xF0\x9F\x98"), WString(W("\uFFFDA\uFFFD")));  // cut sequences
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bad.data(), 3, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));

    // An overlong encoding of '/' and an encoded surrogate are not characters.
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xC0\xAF", 2, nullptr, 0), 0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xED\xA0\x80", 3, nullptr, 0), 0);
    EXPECT_EQ(Wide("\xE2\x82"), WString(W("\uFFFD")));  // a cut sequence is one replacement
}

TEST(CodePage, SupplementaryCharactersAreSurrogatePairs) {
    const std::string grin = "\xF0\x9F\x98\x80";  // U+1F600
    const WString wide = Wide(grin);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(static_cast<unsigned>(wide[0]), 0xD83Du);
    EXPECT_EQ(static_cast<unsigned>(wide[1]), 0xDE00u);

    char out[8] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide.data(), 2, out, sizeof out, nullptr, nullptr), 4);
    EXPECT_EQ(std::string(out, 4), grin);
}

TEST(CodePage, LoneSurrogatesBecomeTheReplacementInUtf8) {
    const WCHAR lone[] = {W('a'), 0xD83D, W('b'), 0xDE00};
    char out[16] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 4, out, sizeof out, nullptr, nullptr), 8);
    EXPECT_EQ(std::string(out, 8), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(CodePage, WideToUtf8SizeProtocol) {
    const WCHAR* text = W("\u00E9t\u00E9");  // 3 characters, 5 bytes
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr), 6);
    char out[8];
    for (auto& c : out) c = '#';
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, out, 6, nullptr, nullptr), 6);
    EXPECT_EQ(std::string(out), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(out[6], '#');
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, -1, out, 5, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, text, 3, out, 8, nullptr, nullptr), 5);
}

TEST(CodePage, Windows1252BothWays) {
    WCHAR wide[4] = {};
    EXPECT_EQ(MultiByteToWideChar(1252, 0, "\x80\xE9\x81", 3, wide, 4), 3);
    EXPECT_EQ(WString(wide, 3), WString(W("\u20AC\u00E9\u0081")));  // unassigned bytes map to the C1 control

    char narrow[8] = {};
    BOOL usedDefault = FALSE;
    EXPECT_EQ(WideCharToMultiByte(1252, 0, W("\u20AC\u4E2De"), 3, narrow, 8, nullptr, &usedDefault), 3);
    EXPECT_EQ(std::string(narrow, 3), "\x80?e");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(WideCharToMultiByte(1252, 0, W("abc"), 3, narrow, 8, nullptr, &usedDefault), 3);
    EXPECT_FALSE(usedDefault);
    // UTF-8 takes no default character; Wine ignores the one given.
    if (!nw::test::UnderWine()) {
        EXPECT_TRUE(nw::test::FailedWith(WideCharToMultiByte(CP_UTF8, 0, W("a"), 1, narrow, 8, "?", nullptr) == 0,
                                         ERROR_INVALID_PARAMETER));
    }
}

}  // namespace
