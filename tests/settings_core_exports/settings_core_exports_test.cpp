// The exported document counter, messaging session, interface name and
// printer variables: results, last error, and what reaches the registry.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "nordwisp/NordwispDEVMODE.h"
#include "settings_core/registry_fixture.h"
#include "support/child_process.h"

namespace {

using namespace nw::test;

const WString kPrinterKey = W("SOFTWARE\\Kelmora Works\\Office");
const WString kMessaging = kPrinterKey + W("\\Messaging Interface Settings");
constexpr std::uint32_t kNullArgument = 0xFFFFFC18u;

std::uint32_t SessionField(const NordwispDEVMODE& record) {
    std::uint32_t id;
    std::memcpy(&id, reinterpret_cast<const std::uint8_t*>(&record) + 4452, sizeof id);
    return id;
}

void SetSessionField(NordwispDEVMODE& record, std::uint32_t id) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + 4452, &id, sizeof id);
}

WString InterfaceField(const NordwispDEVMODE& record) {
    const auto* text = reinterpret_cast<const WCHAR*>(reinterpret_cast<const std::uint8_t*>(&record) + 1852);
    return WString(text);
}

TEST(DocumentCounter, StoresTheNumberAsADword) {
    const auto record = MakePrinterRecord(W("Office"));
    EXPECT_EQ(GetDocumentNumber(&record), 0);
    EXPECT_EQ(SetDocumentNumber(&record, 41), 1);
    EXPECT_EQ(GetDocumentNumber(&record), 41);
    const auto stored = ReadRaw(HKEY_CURRENT_USER, kPrinterKey, W("LastDocNumber"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, REG_DWORD);
    EXPECT_EQ(stored->bytes, DwordBytes(41));
    EXPECT_EQ(SetDocumentNumber(&record, -1), 1);
    EXPECT_EQ(GetDocumentNumber(&record), -1);

    EXPECT_EQ(GetDocumentNumber(nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(SetDocumentNumber(nullptr, 1), 0);
    EXPECT_EQ(GetDocumentNumber(&record), -1);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

TEST(MessagingSession, SessionIdOfOneRecordIsSeenThroughAnother) {
    auto first = MakePrinterRecord(W("Office"));
    auto second = MakePrinterRecord(W("Office"));
    SetSessionField(first, 12);
    SetSessionField(second, 3);
    int id = -5;
    // Nothing stored yet: each record's own field.
    EXPECT_EQ(GetSessionID(&first, &id), 1);
    EXPECT_EQ(id, 12);

    EXPECT_EQ(SetSessionID(&first, 7), 1);
    EXPECT_EQ(SessionField(first), 7u);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID"))->bytes, DwordBytes(7));
    EXPECT_EQ(GetSessionID(&second, &id), 1);
    EXPECT_EQ(id, 7);
    EXPECT_EQ(SessionField(second), 3u);  // the getter leaves the record alone

    EXPECT_EQ(GetSessionID(&second, nullptr), 0);
    EXPECT_EQ(GetSessionID(nullptr, &id), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(SetSessionID(nullptr, 1), 0);
}

TEST(MessagingSession, SessionMembersKeepAnEarlierLastError) {
    auto record = MakePrinterRecord(W("Office"));
    int id = 0;
    EXPECT_EQ(GetDocumentNumber(nullptr), 0);
    ASSERT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(SetSessionID(&record, 2), 1);
    EXPECT_EQ(GetSessionID(&record, &id), 1);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 1), 1);
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    // An ordinary member clears it.
    EXPECT_EQ(GetDocumentNumber(&record), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

TEST(MessagingSession, UseWindowsSessionIdIsYesOnlyForOne) {
    const auto record = MakePrinterRecord(W("Office"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 2), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"))->bytes, TextBytes(W("No")));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 1), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"))->bytes, TextBytes(W("Yes")));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 1);
    EXPECT_EQ(SetUseWindowsSessionID(&record, -1), 1);
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    WriteRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"), REG_SZ, TextBytes(W("YES")));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 1);
    WriteRaw(HKEY_CURRENT_USER, kMessaging, W("Use Windows Session ID"), REG_SZ, TextBytes(W("y")));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(IsUsingWindowsSessionID(nullptr), 0);
}

TEST(InterfaceName, SetterMirrorsIntoTheRegistryAndGetterCopiesBack) {
    auto first = MakePrinterRecord(W("Office"));
    auto second = MakePrinterRecord(W("Office"));
    std::memcpy(reinterpret_cast<std::uint8_t*>(&second) + 1852, W("Old"), 8);

    EXPECT_EQ(SetInterfaceName(W("Bus"), &first), 1);
    EXPECT_EQ(InterfaceField(first), W("Bus"));
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface Name"))->bytes, TextBytes(W("Bus")));
    EXPECT_EQ(WString(GetInterfaceName(&second)), W("Bus"));
    EXPECT_EQ(InterfaceField(second), W("Bus"));

    // Too long for the field: neither the registry nor the record changes.
    const WString tooLong(260, W('n'));
    EXPECT_EQ(SetInterfaceName(tooLong.c_str(), &first), 1);
    EXPECT_EQ(InterfaceField(first), W("Bus"));
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface Name"))->bytes, TextBytes(W("Bus")));
    const WString longest(259, W('m'));
    EXPECT_EQ(SetInterfaceName(longest.c_str(), &first), 1);
    EXPECT_EQ(InterfaceField(first), longest);
    EXPECT_EQ(SetInterfaceName(nullptr, &first), 1);
    EXPECT_EQ(InterfaceField(first), longest);

    // A stored name the field cannot hold leaves the field as it was.
    WriteRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface Name"), REG_SZ, TextBytes(tooLong));
    EXPECT_EQ(WString(GetInterfaceName(&second)), W("Bus"));

    EXPECT_EQ(SetInterfaceName(W("x"), nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    const NWCHAR* empty = GetInterfaceName(nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], 0);
}

TEST(InterfaceName, AnsiFormsConvertBothWays) {
    auto record = MakePrinterRecord(W("Office"));
    EXPECT_EQ(SetInterfaceNameA("Mail", &record), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface Name"))->bytes, TextBytes(W("Mail")));
    char buffer[8] = {};
    int size = 2;
    EXPECT_EQ(GetInterfaceNameA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 5);
    size = sizeof buffer;
    EXPECT_EQ(GetInterfaceNameA(&record, buffer, &size), 1);
    EXPECT_STREQ(buffer, "Mail");
}

TEST(PrinterVariablesExport, ExpandsIntoTheCallersBuffer) {
    const auto record = MakePrinterRecord(W("Office"));
    WriteRaw(HKEY_CURRENT_USER, kPrinterKey + W("\\EnvVars"), W("DIR"), REG_SZ, TextBytes(W("C:\\Out")));
    std::array<NWCHAR, 260> output;
    output.fill(W('#'));
    EXPECT_EQ(ExpandPrinterVariables(&record, W("<<DIR>>\\%DIR%.txt"), output.data()), 1);
    EXPECT_EQ(WString(output.data()), W("C:\\Out\\C:\\Out.txt"));
    EXPECT_EQ(output[259], 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    EXPECT_EQ(ExpandPrinterVariables(nullptr, W("a"), output.data()), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
}

NW_TEST_CHILD(WindowsSession) { return GetWindowsSessionID(); }

TEST(WindowsSession, IsTheSessionOfTheCallingProcess) {
    ASSERT_EQ(setenv("NORDWISP_SESSION", "4", 1), 0);
    EXPECT_EQ(RunChild("WindowsSession"), 4);
    ASSERT_EQ(setenv("NORDWISP_SESSION", "0", 1), 0);
    EXPECT_EQ(RunChild("WindowsSession"), 0);
}

}  // namespace
