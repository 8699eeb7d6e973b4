#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>

#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "frame/last_error.h"
#include "platform/hosted/machine.h"

namespace {

int g_dummy = 0;

TEST(ExportFrame, StoresZeroRefusesNullAndNeverThrows) {
    nw::SetLastErrorValue(87);
    EXPECT_EQ(7, nw::Frame(0, &g_dummy, [] { return 7; }));
    EXPECT_EQ(0u, nw::LastErrorValue());

    EXPECT_EQ(-1000, nw::Frame(-1000, static_cast<int*>(nullptr), [] { return 7; }));
    EXPECT_EQ(0xFFFFFC18u, nw::LastErrorValue());

    // An operation without a result makes the export answer 1.
    EXPECT_EQ(1, nw::Frame(0, &g_dummy, [] {}));

    EXPECT_EQ(0, nw::Frame(0, &g_dummy, []() -> int { throw std::runtime_error("x"); }));
    EXPECT_EQ(0, nw::Frame(0, &g_dummy, []() -> int { throw std::bad_alloc(); }));
    EXPECT_EQ(static_cast<std::uint32_t>(ERROR_NOT_ENOUGH_MEMORY), nw::LastErrorValue());
}

TEST(ExportFrame, KeepingFrameLeavesAnEarlierErrorAfterSuccess) {
    nw::SetLastErrorValue(1801);
    EXPECT_EQ(3, nw::FrameKeepingError(0, &g_dummy, [] { return 3; }));
    EXPECT_EQ(1801u, nw::LastErrorValue());
    EXPECT_EQ(0, nw::FrameKeepingError(0, static_cast<int*>(nullptr), [] { return 3; }));
    EXPECT_EQ(0xFFFFFC18u, nw::LastErrorValue());
}

TEST(LastError, IsOneValueForTheWholeProcess) {
    nw::SetLastErrorValue(0);
    std::thread([] { nw::SetLastErrorValue(183); }).join();
    EXPECT_EQ(183u, nw::LastErrorValue());
}

// ---- ANSI shapes -----------------------------------------------------------

TEST(AnsiShapes, HeapCopyConvertsTheWholeTextAndPassesNullOn) {
    std::u16string seen = u"unset";
    nw::WithHeapWide("d\xC3\xA9j\xC3\xA0 vu", [&](const WCHAR* w) {
        seen = w;
        return 1;
    });
    EXPECT_EQ(u"d\u00E9j\u00E0 vu", seen);
    EXPECT_EQ(1, nw::WithHeapWide(nullptr, [](const WCHAR* w) { return w == nullptr ? 1 : 0; }));
}

TEST(AnsiShapes, HeapCopyUsesTheAnsiCodePage) {
    auto identity = nw::hosted::CurrentIdentity();
    identity.ansiCodePage = 1252;
    nw::hosted::SetIdentity(identity);
    std::u16string seen;
    nw::WithHeapWide("\x80 caf\xE9", [&](const WCHAR* w) {
        seen = w;
        return 1;
    });
    EXPECT_EQ(u"\u20AC caf\u00E9", seen);
}

TEST(AnsiShapes, FixedBufferKeepsAtMost259Characters) {
    const std::string longText(5000, 'x');
    std::size_t length = 0;
    nw::WithFixedWide(longText.c_str(), [&](const WCHAR* w) {
        length = std::u16string(w).size();
        return 1;
    });
    EXPECT_EQ(259u, length);

    // A cut never leaves half of a surrogate pair behind.
    std::string emoji = std::string(258, 'a') + "\xF0\x9F\x98\x80";
    std::u16string seen;
    nw::WithFixedWide(emoji.c_str(), [&](const WCHAR* w) {
        seen = w;
        return 1;
    });
    EXPECT_EQ(258u, seen.size());
    EXPECT_EQ(1, nw::WithFixedWide(nullptr, [](const WCHAR* w) { return w == nullptr ? 1 : 0; }));
}

TEST(AnsiShapes, RecordTextIntoBufferRaisesTheSizeWhenTooSmall) {
    const WCHAR* text = u"C:\\Out\u00E9";  // 7 characters, 8 bytes in UTF-8
    char buffer[16];
    int size = 5;
    EXPECT_EQ(0, nw::WideToAnsiBuffer(text, buffer, &size));
    EXPECT_EQ(9, size);  // terminator included

    size = 9;
    EXPECT_EQ(1, nw::WideToAnsiBuffer(text, buffer, &size));
    EXPECT_STREQ("C:\\Out\xC3\xA9", buffer);

    // A larger size is never lowered; a null text leaves the size alone.
    size = 3;
    EXPECT_EQ(0, nw::WideToAnsiBuffer(nullptr, buffer, &size));
    EXPECT_EQ(3, size);
    EXPECT_EQ(0, nw::WideToAnsiBuffer(text, nullptr, &size));
    EXPECT_EQ(9, size);
    EXPECT_EQ(0, nw::WideToAnsiBuffer(text, buffer, nullptr));
}

TEST(AnsiShapes, RegistryTextConvertsOnlyAfterSuccess) {
    auto wideGetter = [](bool succeed) {
        return [succeed](WCHAR* buffer, int* size) {
            if (!succeed || buffer == nullptr || *size < 12) {
                *size = 12;
                return 0;
            }
            const std::u16string text = u"Footer";
            for (std::size_t i = 0; i <= text.size(); ++i) buffer[i] = i < text.size() ? text[i] : 0;
            return 1;
        };
    };
    char buffer[32] = "untouched";
    int size = 32;
    EXPECT_EQ(1, nw::IntoAnsiBuffer(buffer, &size, wideGetter(true)));
    EXPECT_STREQ("Footer", buffer);

    std::strcpy(buffer, "untouched");
    size = 32;
    EXPECT_EQ(0, nw::IntoAnsiBuffer(buffer, &size, wideGetter(false)));
    EXPECT_STREQ("untouched", buffer);
    EXPECT_EQ(12, size);
}

}  // namespace
