// The exported document counter, messaging session, interface name and
// printer variables: results, last error, and what reaches the registry.
#include <array>
#include <cstdlib>

#include "support/child_process.h"
#include "support/records.h"
#include "support/registry.h"

namespace nw::test {
namespace {

const WString kPrinterKey = PrinterKey(W("Office"));
const WString kMessaging = PrinterKey(W("Office"), W("Messaging Interface Settings"));

std::uint32_t SessionField(const NordwispDEVMODE& record) { return At<std::uint32_t>(record, 4452); }
WString InterfaceField(const NordwispDEVMODE& record) { return TextAt(record, 1852); }

TEST(DocumentCounter, StoresTheNumberAsADword) {
    const auto record = MakeRecord(W("Office"));
    EXPECT_EQ(GetDocumentNumber(&record), 0);
    EXPECT_EQ(SetDocumentNumber(&record, 41), 1);
    EXPECT_EQ(GetDocumentNumber(&record), 41);
    EXPECT_EQ(StoredDword(kPrinterKey, W("LastDocNumber")), 41u);
    EXPECT_EQ(SetDocumentNumber(&record, -1), 1);
    EXPECT_EQ(GetDocumentNumber(&record), -1);

    EXPECT_EQ(NW_EXPORT_CALL(GetDocumentNumber(nullptr)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(SetDocumentNumber(nullptr, 1), 0);
    EXPECT_EQ(NW_EXPORT_CALL(GetDocumentNumber(&record)), (Outcome{-1, 0}));
}

TEST(MessagingSession, SessionIdOfOneRecordIsSeenThroughAnother) {
    auto first = MakeRecord(W("Office"));
    auto second = MakeRecord(W("Office"));
    Put<std::uint32_t>(first, 4452, 12);
    Put<std::uint32_t>(second, 4452, 3);
    int id = -5;
    // Nothing stored yet: each record's own field.
    EXPECT_EQ(GetSessionID(&first, &id), 1);
    EXPECT_EQ(id, 12);

    EXPECT_EQ(SetSessionID(&first, 7), 1);
    EXPECT_EQ(SessionField(first), 7u);
    EXPECT_EQ(StoredDword(kMessaging, W("Messaging Interface ID")), 7u);
    EXPECT_EQ(GetSessionID(&second, &id), 1);
    EXPECT_EQ(id, 7);
    EXPECT_EQ(SessionField(second), 3u);  // the getter leaves the record alone

    EXPECT_EQ(GetSessionID(&second, nullptr), 0);
    EXPECT_EQ(NW_EXPORT_CALL(GetSessionID(nullptr, &id)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(SetSessionID(nullptr, 1), 0);
}

TEST(MessagingSession, SessionMembersKeepAnEarlierLastError) {
    auto record = MakeRecord(W("Office"));
    int id = 0;
    EXPECT_EQ(GetDocumentNumber(nullptr), 0);
    ASSERT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(SetSessionID(&record, 2), 1);
    EXPECT_EQ(GetSessionID(&record, &id), 1);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 1), 1);
    EXPECT_EQ(NW_EXPORT_CALL(IsUsingWindowsSessionID(&record)), (Outcome{1, kNullArgument}));
    // An ordinary member clears it.
    EXPECT_EQ(NW_EXPORT_CALL(GetDocumentNumber(&record)), (Outcome{0, 0}));
}

TEST(MessagingSession, UseWindowsSessionIdIsYesOnlyForOne) {
    const auto record = MakeRecord(W("Office"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 2), 1);
    EXPECT_EQ(StoredText(kMessaging, W("Use Windows Session ID")), W("No"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(SetUseWindowsSessionID(&record, 1), 1);
    EXPECT_EQ(StoredText(kMessaging, W("Use Windows Session ID")), W("Yes"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 1);
    EXPECT_EQ(SetUseWindowsSessionID(&record, -1), 1);
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    StoreText(kMessaging, W("Use Windows Session ID"), W("YES"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 1);
    StoreText(kMessaging, W("Use Windows Session ID"), W("y"));
    EXPECT_EQ(IsUsingWindowsSessionID(&record), 0);
    EXPECT_EQ(IsUsingWindowsSessionID(nullptr), 0);
}

TEST(InterfaceName, SetterMirrorsIntoTheRegistryAndGetterCopiesBack) {
    auto first = MakeRecord(W("Office"));
    auto second = MakeRecord(W("Office"));
    PutText(second, 1852, W("Old"));

    EXPECT_EQ(SetInterfaceName(W("Bus"), &first), 1);
    EXPECT_EQ(InterfaceField(first), W("Bus"));
    EXPECT_EQ(StoredText(kMessaging, W("Messaging Interface Name")), W("Bus"));
    EXPECT_EQ(WString(GetInterfaceName(&second)), W("Bus"));
    EXPECT_EQ(InterfaceField(second), W("Bus"));

    // Too long for the field: neither the registry nor the record changes.
    const WString tooLong(260, W('n'));
    EXPECT_EQ(SetInterfaceName(tooLong.c_str(), &first), 1);
    EXPECT_EQ(InterfaceField(first), W("Bus"));
    EXPECT_EQ(StoredText(kMessaging, W("Messaging Interface Name")), W("Bus"));
    const WString longest(259, W('m'));
    EXPECT_EQ(SetInterfaceName(longest.c_str(), &first), 1);
    EXPECT_EQ(InterfaceField(first), longest);
    EXPECT_EQ(SetInterfaceName(nullptr, &first), 1);
    EXPECT_EQ(InterfaceField(first), longest);

    // A stored name the field cannot hold leaves the field as it was.
    StoreText(kMessaging, W("Messaging Interface Name"), tooLong);
    EXPECT_EQ(WString(GetInterfaceName(&second)), W("Bus"));

    EXPECT_EQ(NW_EXPORT_CALL(SetInterfaceName(W("x"), nullptr)), (Outcome{0, kNullArgument}));
    const NWCHAR* empty = GetInterfaceName(nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], 0);
}

TEST(InterfaceName, AnsiFormsConvertBothWays) {
    auto record = MakeRecord(W("Office"));
    EXPECT_EQ(SetInterfaceNameA("Mail", &record), 1);
    EXPECT_EQ(StoredText(kMessaging, W("Messaging Interface Name")), W("Mail"));
    char buffer[8] = {};
    int size = 2;
    EXPECT_EQ(GetInterfaceNameA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 5);
    size = sizeof buffer;
    EXPECT_EQ(GetInterfaceNameA(&record, buffer, &size), 1);
    EXPECT_STREQ(buffer, "Mail");
}

TEST(PrinterVariablesExport, ExpandsIntoTheCallersBuffer) {
    const auto record = MakeRecord(W("Office"));
    StoreText(kPrinterKey + W("\\EnvVars"), W("DIR"), W("C:\\Out"));
    std::array<NWCHAR, 260> output;
    output.fill(W('#'));
    EXPECT_EQ(ExpandPrinterVariables(&record, W("<<DIR>>\\%DIR%.txt"), output.data()), 1);
    EXPECT_EQ(WString(output.data()), W("C:\\Out\\C:\\Out.txt"));
    EXPECT_EQ(NW_EXPORT_CALL(output[259]), (Outcome{0, 0}));
    EXPECT_EQ(NW_EXPORT_CALL(ExpandPrinterVariables(nullptr, W("a"), output.data())), (Outcome{0, kNullArgument}));
}

#if !defined(_WIN32)
// The hosted machine takes a process's session from its environment.
NW_TEST_CHILD(WindowsSession) { return GetWindowsSessionID(); }

TEST(WindowsSession, IsTheSessionOfTheCallingProcess) {
    ASSERT_EQ(setenv("NORDWISP_SESSION", "4", 1), 0);
    EXPECT_EQ(RunChild("WindowsSession"), 4);
    ASSERT_EQ(setenv("NORDWISP_SESSION", "0", 1), 0);
    EXPECT_EQ(RunChild("WindowsSession"), 0);
}
#endif

}  // namespace
}  // namespace nw::test
