// The printer's environment: variables in file names (both syntaxes, the
// printer's values before the impersonated user's environment, the
// 260-character output) and the session refresh that range verification
// runs for every record.
#include <gtest/gtest.h>

#include <array>

#include "env/printer_environment.h"
#include "env/session.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/machine.h"
#include "settings/key_path.h"
#include "settings/messaging_session.h"
#include "support/records.h"
#include "support/registry.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kEnvVars = PrinterKey(W("Office"), W("EnvVars"));

using Expanded = std::pair<int, WString>;

// The result and the text written, which must leave the last of the 260
// units zero.
Expanded Expand(const WCHAR* input) {
    const auto record = MakeRecord(u"Office");
    std::array<WCHAR, 260> output;
    output.fill(W('#'));
    const int result = env::ExpandVariables(&record, input, output.data());
    EXPECT_EQ(output[259], 0);
    return {result, WString(output.data(), settings::BoundedLength(output.data(), output.size()))};
}

void PrinterVariable(const WCHAR* name, WStringView value) { StoreText(kEnvVars, name, value); }

class ImpersonatingTest : public ::testing::Test {
protected:
    void Impersonate() { nw::hosted::ImpersonateOnThread(nw::hosted::CurrentIdentity()); }
    void TearDown() override { nw::hosted::RevertImpersonation(); }
};

TEST(PrinterVariables, PrinterValuesResolveBothSyntaxesAndUnresolvedOnesStayAsWritten) {
    PrinterVariable(W("DIR"), W("C:\\Out"));
    PrinterVariable(W("NESTED"), W("%DIR%\\sub"));
    const std::pair<const WCHAR*, Expanded> cases[] = {
        {W("<<DIR>>\\a.txt"), {1, W("C:\\Out\\a.txt")}},
        {W("%DIR%\\b.txt"), {1, W("C:\\Out\\b.txt")}},
        {W("<<NESTED>>\\c.txt"), {1, W("C:\\Out\\sub\\c.txt")}},  // pass 1, then pass 2 over its result
        {W("x<<DIR"), {1, W("xC:\\Out")}},                        // runs to the end without ">>"
        {W("<<X>>\\<<DIR>>"), {0, W("<<X>>\\C:\\Out")}},
        {W("%X%-%DIR%"), {0, W("%X%-C:\\Out")}},
        {W("<<>>"), {0, W("<<>>")}},
        // Plain text, and a lone "%", are copied and count as resolved.
        {W("C:\\plain\\100% done.txt"), {1, W("C:\\plain\\100% done.txt")}},
    };
    for (const auto& [input, expanded] : cases) EXPECT_EQ(Expand(input), expanded);
}

TEST_F(ImpersonatingTest, UserEnvironmentNeedsAnImpersonationToken) {
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_REPORTS"), W("D:\\Reports")));
    PrinterVariable(W("SHADOWED"), W("printer"));
    ASSERT_TRUE(SetEnvironmentVariableW(W("SHADOWED"), W("user")));

    EXPECT_EQ(Expand(W("<<NW_REPORTS>>\\a")), Expanded(0, W("<<NW_REPORTS>>\\a")));

    Impersonate();
    EXPECT_EQ(Expand(W("<<NW_REPORTS>>\\a|%NW_REPORTS%|<<SHADOWED>>")),
              Expanded(1, W("D:\\Reports\\a|D:\\Reports|printer")));

    EXPECT_EQ(Expand(W("<<NW_UNSET>>|%NW_UNSET%")), Expanded(0, W("<<NW_UNSET>>|%NW_UNSET%")));
}

TEST(PrinterVariables, OutputKeepsWholePiecesWithinTwoHundredFiftyNineCharacters) {
    PrinterVariable(W("LONG"), WString(200, W('v')));
    // A dropped value still counts as resolved.
    EXPECT_EQ(Expand(W("<<LONG>><<LONG>>tail")), Expanded(1, WString(200, W('v')) + W("tail")));

    const WString fits(259, W('a'));
    EXPECT_EQ(Expand(fits.c_str()).second, fits);

    // A literal piece one character too long is dropped whole; what follows
    // may still fit.
    EXPECT_EQ(Expand((WString(260, W('a')) + W("<<LONG>>")).c_str()).second, WString(200, W('v')));
}

TEST_F(ImpersonatingTest, WhatCannotBeReadOrExpandedWholeStaysAsWritten) {
    // A printer value beyond the 520-byte read limit counts as missing...
    PrinterVariable(W("HUGE"), WString(300, W('h')));
    EXPECT_EQ(Expand(W("a<<HUGE>>b")), Expanded(0, W("a<<HUGE>>b")));

    // ... so the user's value is used when there is one.
    Impersonate();
    ASSERT_TRUE(SetEnvironmentVariableW(W("HUGE"), W("D:\\Huge")));
    EXPECT_EQ(Expand(W("a<<HUGE>>b")), Expanded(1, W("aD:\\Hugeb")));

    // A user value too long to expand is not shortened into a resolved path.
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_LONG"), WString(300, W('u')).c_str()));
    EXPECT_EQ(Expand(W("x%NW_LONG%y")), Expanded(0, W("x%NW_LONG%y")));
}

TEST(PrinterVariables, MissingArgumentsGiveZeroAndAClearedOutput) {
    const auto record = MakeRecord(u"Office");
    std::array<WCHAR, 260> output;
    for (const WCHAR* input : {W(""), static_cast<const WCHAR*>(nullptr)}) {
        output.fill(W('#'));
        EXPECT_EQ(env::ExpandVariables(&record, input, output.data()), 0);
        EXPECT_EQ(output, (std::array<WCHAR, 260>{}));
    }
    EXPECT_EQ(env::ExpandVariables(nullptr, W("a"), output.data()), 0);
    EXPECT_EQ(env::ExpandVariables(&record, W("a"), nullptr), 0);
}

const WString kMessaging = PrinterKey(W("Office"), W("Messaging Interface Settings"));

std::uint32_t SessionField(const NordwispDEVMODE& record) { return At<std::uint32_t>(record, 4452); }

void RunInSession(std::uint32_t session) {
    auto identity = nw::hosted::CurrentIdentity();
    identity.sessionId = session;
    nw::hosted::SetIdentity(identity);
}

TEST(SessionRefresh, WindowsSessionBecomesRecordAndRegistryIdentifier) {
    RunInSession(5);
    auto record = MakeRecord(u"Office");
    Put<std::uint32_t>(record, 4452, 9);

    // Switch missing: nothing happens.
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 9u);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kMessaging, W("Messaging Interface ID")));

    // Any case of "yes" turns it on.
    StoreText(kMessaging, W("Use Windows Session ID"), W("yEs"));
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(StoredDword(kMessaging, W("Messaging Interface ID")), 5u);

    // "No" (or anything but yes) leaves both alone.
    StoreText(kMessaging, W("Use Windows Session ID"), W("Yes please"));
    RunInSession(6);
    EXPECT_EQ(env::RefreshSessionID(&record), 1);
    EXPECT_EQ(SessionField(record), 5u);
    EXPECT_EQ(StoredDword(kMessaging, W("Messaging Interface ID")), 5u);
}

}  // namespace
