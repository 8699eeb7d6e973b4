// Printer variables in file names: both syntaxes, the printer's values
// before the impersonated user's environment, and the 260-character output.
#include <gtest/gtest.h>

#include <array>

#include "env/printer_environment.h"
#include "platform/hosted/hosted_hooks.h"
#include "settings/key_path.h"
#include "settings_core/registry_fixture.h"

namespace {

using namespace nw;
using namespace nw::test;

const WString kEnvVars = W("SOFTWARE\\Kelmora Works\\Office\\EnvVars");

struct Expanded {
    int result;
    WString text;
    bool terminated;  // the last unit of the 260 stayed zero
};

Expanded Expand(const WCHAR* input) {
    const auto record = MakePrinterRecord(W("Office"));
    std::array<WCHAR, 260> output;
    output.fill(W('#'));
    const int result = env::ExpandVariables(&record, input, output.data());
    return {result, WString(output.data(), settings::BoundedLength(output.data(), output.size())), output[259] == 0};
}

void PrinterVariable(const WCHAR* name, WStringView value) {
    WriteRaw(HKEY_CURRENT_USER, kEnvVars, name, REG_SZ, TextBytes(value));
}

class ImpersonatingTest : public ::testing::Test {
protected:
    void Impersonate() { nw::hosted::ImpersonateOnThread(nw::hosted::CurrentIdentity()); }
    void TearDown() override { nw::hosted::RevertImpersonation(); }
};

TEST(PrinterVariables, PrinterValuesResolveBothSyntaxesWithoutTheUser) {
    PrinterVariable(W("DIR"), W("C:\\Out"));
    PrinterVariable(W("NESTED"), W("%DIR%\\sub"));
    auto out = Expand(W("<<DIR>>\\a.txt"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("C:\\Out\\a.txt"));

    out = Expand(W("%DIR%\\b.txt"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("C:\\Out\\b.txt"));

    // Pass 1 first, then pass 2 over its result.
    out = Expand(W("<<NESTED>>\\c.txt"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("C:\\Out\\sub\\c.txt"));

    // "<<NAME" without ">>" runs to the end of the text.
    out = Expand(W("x<<DIR"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("xC:\\Out"));
}

TEST(PrinterVariables, UnresolvedReferencesStayAsWrittenAndFailTheResult) {
    PrinterVariable(W("DIR"), W("C:\\Out"));
    auto out = Expand(W("<<X>>\\<<DIR>>"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("<<X>>\\C:\\Out"));

    out = Expand(W("%X%-%DIR%"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("%X%-C:\\Out"));

    out = Expand(W("<<>>"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("<<>>"));

    // Plain text, and a lone "%", are copied and count as resolved.
    out = Expand(W("C:\\plain\\100% done.txt"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("C:\\plain\\100% done.txt"));
}

TEST_F(ImpersonatingTest, UserEnvironmentNeedsAnImpersonationToken) {
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_REPORTS"), W("D:\\Reports")));
    PrinterVariable(W("SHADOWED"), W("printer"));
    ASSERT_TRUE(SetEnvironmentVariableW(W("SHADOWED"), W("user")));

    auto out = Expand(W("<<NW_REPORTS>>\\a"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("<<NW_REPORTS>>\\a"));

    Impersonate();
    out = Expand(W("<<NW_REPORTS>>\\a|%NW_REPORTS%|<<SHADOWED>>"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("D:\\Reports\\a|D:\\Reports|printer"));

    out = Expand(W("<<NW_UNSET>>|%NW_UNSET%"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("<<NW_UNSET>>|%NW_UNSET%"));
}

TEST(PrinterVariables, OutputKeepsWholePiecesWithinTwoHundredFiftyNineCharacters) {
    PrinterVariable(W("LONG"), WString(200, W('v')));
    auto out = Expand(W("<<LONG>><<LONG>>tail"));
    EXPECT_EQ(out.result, 1);  // a dropped value still counts as resolved
    EXPECT_EQ(out.text, WString(200, W('v')) + W("tail"));
    EXPECT_TRUE(out.terminated);

    const WString fits(259, W('a'));
    out = Expand(fits.c_str());
    EXPECT_EQ(out.text, fits);
    EXPECT_TRUE(out.terminated);

    // A literal piece one character too long is dropped whole; what follows
    // may still fit.
    const WString tooLong = WString(260, W('a')) + W("<<LONG>>");
    out = Expand(tooLong.c_str());
    EXPECT_EQ(out.text, WString(200, W('v')));
}

TEST_F(ImpersonatingTest, WhatCannotBeReadOrExpandedWholeStaysAsWritten) {
    // A printer value beyond the 520-byte read limit counts as missing.
    PrinterVariable(W("HUGE"), WString(300, W('h')));
    auto out = Expand(W("a<<HUGE>>b"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("a<<HUGE>>b"));

    // ... so the user's value is used when there is one.
    Impersonate();
    ASSERT_TRUE(SetEnvironmentVariableW(W("HUGE"), W("D:\\Huge")));
    out = Expand(W("a<<HUGE>>b"));
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.text, W("aD:\\Hugeb"));

    // A user value too long to expand is not shortened into a resolved path.
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_LONG"), WString(300, W('u')).c_str()));
    out = Expand(W("x%NW_LONG%y"));
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, W("x%NW_LONG%y"));
}

TEST(PrinterVariables, MissingArgumentsGiveZeroAndAClearedOutput) {
    const auto record = MakePrinterRecord(W("Office"));
    std::array<WCHAR, 260> output;
    output.fill(W('#'));
    EXPECT_EQ(env::ExpandVariables(&record, W(""), output.data()), 0);
    EXPECT_EQ(output, (std::array<WCHAR, 260>{}));
    output.fill(W('#'));
    EXPECT_EQ(env::ExpandVariables(&record, nullptr, output.data()), 0);
    EXPECT_EQ(output, (std::array<WCHAR, 260>{}));
    output.fill(W('#'));
    EXPECT_EQ(env::ExpandVariables(nullptr, W("a"), output.data()), 0);
    EXPECT_EQ(env::ExpandVariables(&record, W("a"), nullptr), 0);
}

}  // namespace
