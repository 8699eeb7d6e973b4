#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "devmode/record_store.h"
#include "frame/last_error.h"
#include "frame/trace.h"
#include "papers/paper_operations.h"
#include "platform/hosted/provisioning.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace {

using nw::TraceText;

// ---- Formatting -------------------------------------------------------------

TEST(TraceFormat, ConvertsEachArgumentByItsType) {
    const WString owned = W("owned");
    EXPECT_EQ(TraceText(W("%d %i %u %x %X %c %s %ls %S %%"), -5, 7, 42u, 255, 255, WCHAR('A'), W("wide"), owned,
                        WStringView(W("view"))),
              "-5 7 42 ff FF A wide owned view %");
    // Wider and unsigned types keep their value; a negative one shows as
    // unsigned at its own width, as printf does.
    EXPECT_EQ(TraceText(W("%d %d %lld"), 4294967295u, std::uint64_t{18446744073709551615u}, std::int64_t{-9}),
              "4294967295 18446744073709551615 -9");
    EXPECT_EQ(TraceText(W("%x %x %u"), -1, std::int64_t{-1}, static_cast<short>(-2)),
              "ffffffff ffffffffffffffff 65534");
    EXPECT_EQ(TraceText(W("%p %p"), static_cast<void*>(nullptr), reinterpret_cast<const void*>(std::uintptr_t{0xAB})),
              std::string(2 * sizeof(void*), '0') + " " + std::string(2 * sizeof(void*) - 2, '0') + "AB");
    EXPECT_EQ(TraceText(W("[%s]"), static_cast<const WCHAR*>(nullptr)), "[(null)]");
}

TEST(TraceFormat, WidthFlagsAndPrecision) {
    EXPECT_EQ(TraceText(W("[%5d|%-5d|%05d|%03u|%.3d]"), -42, -42, -42, 7u, 5), "[  -42|-42  |-0042|007|005]");
    EXPECT_EQ(TraceText(W("[%6s|%-6s|%.2s]"), W("ab"), W("ab"), W("abcdef")), "[    ab|ab    |ab]");
    // The width counts characters, not UTF-8 bytes.
    EXPECT_EQ(TraceText(W("[%3s]"), W("\u00E9")), "[  \xC3\xA9]");
    EXPECT_EQ(TraceText(W("%I64d %hd %lu %zu"), 1, 2, 3u, std::size_t{4}), "1 2 3 4");
    EXPECT_EQ(TraceText(W("%999999999d"), 1).size(), 4096u);
}

TEST(TraceFormat, TextIsUtf8AndFixedFieldsAreReadToTheirEnd) {
    EXPECT_EQ(TraceText(W("d\u00E9j\u00E0 %s"), W("\U0001F600")), "d\xC3\xA9j\xC3\xA0 \xF0\x9F\x98\x80");
    const WCHAR loneSurrogate[] = {WCHAR(0xD800), WCHAR('x'), 0};
    EXPECT_EQ(TraceText(W("%s"), loneSurrogate), "\xEF\xBF\xBDx");
    const WCHAR unterminated[3] = {'a', 'b', 'c'};
    EXPECT_EQ(TraceText(W("<%s>"), unterminated), "<abc>");
}

TEST(TraceFormat, MismatchesPrintAPlaceholder) {
    EXPECT_EQ(TraceText(W("%s|%d|%p|%c"), 1, W("text"), 2, W("x")), "<?>|<?>|<?>|<?>");
    EXPECT_EQ(TraceText(W("%d and %d"), 1), "1 and <?>");
    // An unknown conversion still takes its argument, so the next one fits.
    EXPECT_EQ(TraceText(W("%q %n %d"), 1, 2, 3), "<?> <?> 3");
    EXPECT_EQ(TraceText(W("ends with %")), "ends with <?>");
    EXPECT_EQ(TraceText(W("ends in %-0")), "ends in <?>");
    EXPECT_EQ(TraceText(W("extra"), 1, 2), "extra");
    EXPECT_EQ(TraceText(nullptr, 1), "<?>");
}

// ---- The switch ---------------------------------------------------------------

constexpr WCHAR kVariable[] = W("NORDWISP_TRACE");
constexpr WCHAR kPrinter[] = W("Nordwisp Printer");

// Deletes a paper that does not exist, checking that tracing left both
// last errors as they were. Exit codes: 0 fine, 1 no record, 2 the
// deletion did not fail as it should, 3 an error changed.
int DeleteMissingPaper() {
    ::SetLastError(1234);
    nw::SetLastErrorValue(77);
    // The first trace point of the process reads the switch and creates the
    // file; the next one appends to it.
    nw::Trace(W("child thread %u"), ::GetCurrentThreadId());
    nw::Trace(W("again"));
    if (::GetLastError() != 1234 || nw::LastErrorValue() != 77) return 3;

    NordwispDEVMODE* record = nw::LoadRecord(kPrinter, 0);
    if (record == nullptr) return 1;
    nw::SetLastErrorValue(0);
    const int deleted = nw::papers::DeletePaper(record, W("No Such Paper"));
    const std::uint32_t error = nw::LastErrorValue();
    nw::ReleaseRecord(record);
    return deleted == 0 && error == static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND) ? 0 : 2;
}

NW_TEST_CHILD(TraceDeleteMissingPaper) { return DeleteMissingPaper(); }

// The same in a folder of its own, with standard output and error caught:
// 4 when anything was printed or a file appeared there.
NW_TEST_CHILD(SilentDeleteMissingPaper) {
    const WString folder(args.at(0).begin(), args.at(0).end());
    if (!::SetCurrentDirectoryW(folder.c_str())) return 5;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int result = DeleteMissingPaper();
    const std::string printed = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + W("*")).c_str(), &found);
    bool onlyDots = true;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const WString name = found.cFileName;
            if (name != W(".") && name != W("..")) onlyDots = false;
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    if (!printed.empty() || !onlyDots) return 4;
    return result;
}

class TraceSwitch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Nordwisp Printer", u"NORDWISP:"), 0u); }
    void TearDown() override { ::SetEnvironmentVariableW(kVariable, nullptr); }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(TraceSwitch, NamedFileGetsTimedLinesOfEachThread) {
    nw::test::TempDir dir;
    const WString file = dir.File(W("trace.log"));
    ASSERT_TRUE(::SetEnvironmentVariableW(kVariable, file.c_str()));
    ASSERT_EQ(nw::test::RunChild("TraceDeleteMissingPaper"), 0);
    ASSERT_EQ(nw::test::RunChild("TraceDeleteMissingPaper"), 0);  // a second process appends

    const std::vector<std::string> lines = Lines(nw::test::ReadFileBytes(file));
    const std::regex shape(R"((\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}) \[(\d+)\] (.*))");
    std::vector<std::string> childThreads;
    int starts = 0;
    bool namedThePrinter = false;
    for (const std::string& line : lines) {
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(line, parts, shape)) << line;
        const std::string text = parts[3];
        if (text.rfind("child thread ", 0) == 0) {
            EXPECT_EQ(text, "child thread " + std::string(parts[2]));
            childThreads.push_back(parts[2]);
        }
        if (text == "BuildPaperList: Start...") ++starts;
        if (text == "BuildPaperList: GetRegistryNameByPrinterID returned pPrinterName: Nordwisp Printer")
            namedThePrinter = true;
    }
    EXPECT_EQ(childThreads.size(), 2u);
    EXPECT_GE(starts, 2);
    EXPECT_TRUE(namedThePrinter);
}

TEST_F(TraceSwitch, UnsetOrEmptyWritesNothingAnywhere) {
    nw::test::TempDir dir;
    const std::string folder(dir.Path().begin(), dir.Path().end());
    ASSERT_TRUE(::SetEnvironmentVariableW(kVariable, nullptr));
    EXPECT_EQ(nw::test::RunChild("SilentDeleteMissingPaper", {folder}), 0);
    ASSERT_TRUE(::SetEnvironmentVariableW(kVariable, W("")));
    EXPECT_EQ(nw::test::RunChild("SilentDeleteMissingPaper", {folder}), 0);
}

TEST_F(TraceSwitch, UnwritableFileIsIgnored) {
    nw::test::TempDir dir;
    const WString file = dir.File(W("no such folder\\trace.log"));
    ASSERT_TRUE(::SetEnvironmentVariableW(kVariable, file.c_str()));
    EXPECT_EQ(nw::test::RunChild("TraceDeleteMissingPaper"), 0);
}

}  // namespace
