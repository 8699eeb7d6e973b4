// Broadcast messages: recorded in the process and in the machine's message
// log, which every process of the machine appends to.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hosted_test.h"
#include "support/child_process.h"

namespace {

using nw::test::FailedWith;

std::string ReadLog() { return nw::test::ReadHostFile(nw::hosted::MessageLogPath()); }

NW_TEST_CHILD(BroadcastSettingChange) {
    return SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(u"Windows"),
                               SMTO_ABORTIFHUNG, 5000, nullptr) != 0
               ? 0
               : 1;
}

TEST(Messages, BroadcastIsRecordedWithItsText) {
    std::filesystem::remove(nw::hosted::MessageLogPath());
    nw::hosted::ClearSentMessages();
    DWORD_PTR result = 7;
    const WCHAR* printer = u"Office \"A\"\\1";
    EXPECT_NE(SendMessageTimeoutW(HWND_BROADCAST, WM_DEVMODECHANGE, 0, reinterpret_cast<LPARAM>(printer), SMTO_NORMAL,
                                  1000, &result),
              0);
    EXPECT_EQ(result, 0u);

    const auto sent = nw::hosted::SentMessages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].window, HWND_BROADCAST);
    EXPECT_EQ(sent[0].message, WM_DEVMODECHANGE);
    EXPECT_EQ(sent[0].wParam, 0u);
    EXPECT_TRUE(sent[0].hasText);
    EXPECT_EQ(sent[0].text, u"Office \"A\"\\1");
    EXPECT_EQ(sent[0].flags, SMTO_NORMAL);
    EXPECT_EQ(sent[0].timeout, 1000u);

    EXPECT_EQ(ReadLog(), "pid=" + std::to_string(GetCurrentProcessId()) +
                             " window=0xFFFF message=0x001B wParam=0 lParam=\"Office \\\"A\\\"\\\\1\" flags=0x0000 "
                             "timeout=1000\n");
}

TEST(Messages, OtherProcessesAppendToTheSameLog) {
    std::filesystem::remove(nw::hosted::MessageLogPath());
    const auto child = nw::test::StartChild("BroadcastSettingChange");
    ASSERT_EQ(nw::test::WaitChild(child), 0);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 3, 0, SMTO_BLOCK, 10, nullptr);
    EXPECT_EQ(ReadLog(), "pid=" + std::to_string(child.pid) +
                             " window=0xFFFF message=0x001A wParam=0 lParam=\"Windows\" flags=0x0002 timeout=5000\n"
                             "pid=" + std::to_string(GetCurrentProcessId()) +
                             " window=0xFFFF message=0x001A wParam=3 lParam=0 flags=0x0001 timeout=10\n");
}

TEST(Messages, OnlyBroadcastsAreAccepted) {
    nw::hosted::ClearSentMessages();
    SetLastError(0);
    EXPECT_TRUE(FailedWith(
        SendMessageTimeoutW(reinterpret_cast<HWND>(0x1234), WM_DEVMODECHANGE, 0, 0, SMTO_NORMAL, 100, nullptr) == 0,
        ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_TRUE(nw::hosted::SentMessages().empty());

    // Other messages keep lParam as a number.
    EXPECT_NE(SendMessageTimeoutW(HWND_BROADCAST, 0x0400, 1, -5, SMTO_NORMAL, 0, nullptr), 0);
    const auto sent = nw::hosted::SentMessages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_FALSE(sent[0].hasText);
    EXPECT_EQ(sent[0].lParam, -5);
    EXPECT_NE(ReadLog().find("message=0x0400 wParam=1 lParam=-5 "), std::string::npos);
}

}  // namespace
