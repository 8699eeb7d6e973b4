// The job exports as a caller sees them: Win32 codes as results, the
// structure's bytes at their offsets, the queue shared between processes.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"
#include "platform/win32api.h"
#include "support/child_process.h"

namespace {

constexpr char16_t kPrinter[] = u"Nordwisp Printer";
constexpr char kPrinterAnsi[] = "Nordwisp Printer";
constexpr char16_t kUnknown[] = u"No Such Printer";
constexpr std::uint32_t kInvalidPrinterName = 1801;
constexpr std::uint32_t kInvalidPrinterCommand = 1803;
constexpr std::uint32_t kInvalidParameter = 87;
constexpr std::uint32_t kAccessDenied = 5;
constexpr unsigned char kFill = 0xA5;

using RecordBytes = std::vector<unsigned char>;

RecordBytes Filled() { return RecordBytes(sizeof(JobInfoRecord), kFill); }
JobInfoRecord* AsRecord(RecordBytes& bytes) { return reinterpret_cast<JobInfoRecord*>(bytes.data()); }

template <class T>
T At(const RecordBytes& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}
std::u16string TextAt(const RecordBytes& bytes, std::size_t offset) {
    std::u16string text;
    for (std::size_t i = 0; i < 260; ++i) {
        const auto c = At<char16_t>(bytes, offset + 2 * i);
        if (c == 0) break;
        text += c;
    }
    return text;
}
bool Untouched(const RecordBytes& bytes, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (bytes[i] != kFill) return false;
    return true;
}

std::uint32_t Submit(const char16_t* document, std::uint32_t pages = 1, const char16_t* user = nullptr,
                     const char16_t* printer = kPrinter) {
    std::uint32_t id = 0;
    EXPECT_EQ(NordwispMachine_SubmitJob(printer, document, user, pages, &id), 0u);
    return id;
}

std::uint32_t Count(const char16_t* printer = kPrinter) {
    std::uint32_t count = 0xDEAD;
    EXPECT_EQ(GetNumberOfJobs(printer, &count), 0u);
    return count;
}

RecordBytes Job(std::uint32_t index) {
    RecordBytes bytes = Filled();
    EXPECT_EQ(GetJobInfo(kPrinter, index, AsRecord(bytes)), 0u);
    return bytes;
}

std::uint64_t FileTimeOf(const SYSTEMTIME& time) {
    FILETIME file{};
    EXPECT_TRUE(SystemTimeToFileTime(&time, &file));
    return (static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

class JobControlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(NordwispMachine_AddPrinter(kPrinter, nullptr), 0u); }
};

TEST_F(JobControlTest, RecordBytesSitAtTheirOffsets) {
    SYSTEMTIME before{};
    GetSystemTime(&before);
    const std::uint32_t first = Submit(u"Quarterly report.docx", 12, u"alice");
    const std::uint32_t second = Submit(u"Invoice", 3);
    SYSTEMTIME after{};
    GetSystemTime(&after);
    ASSERT_NE(first, 0u);
    EXPECT_GT(second, first);

    const RecordBytes bytes = Job(1);
    EXPECT_EQ(At<std::uint32_t>(bytes, 0), second);
    // The printer name area is never written.
    EXPECT_TRUE(Untouched(bytes, 4, 528));
    WCHAR computer[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    ASSERT_TRUE(GetComputerNameW(computer, &length));
    EXPECT_EQ(TextAt(bytes, 528), u"\\\\" + std::u16string(computer, length));
    WCHAR user[MAX_PATH] = {};
    length = MAX_PATH;
    ASSERT_TRUE(GetUserNameW(user, &length));
    EXPECT_EQ(TextAt(bytes, 1048), std::u16string(user));
    EXPECT_EQ(TextAt(bytes, 1568), u"Invoice");
    // Copied with the terminator, and nothing more of the field is touched.
    EXPECT_EQ(At<char16_t>(bytes, 1568 + 2 * 7), 0);
    EXPECT_TRUE(Untouched(bytes, 1568 + 2 * 8, 2088));
    // No status text from the spooler: the field keeps what it held.
    EXPECT_TRUE(Untouched(bytes, 2088, 2608));
    EXPECT_EQ(At<std::uint32_t>(bytes, 2608), 0u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 2612), 1u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 2616), 2u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 2620), 3u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 2624), 0u);
    const auto submitted = At<SYSTEMTIME>(bytes, 2628);
    EXPECT_GE(FileTimeOf(submitted), FileTimeOf(before));
    EXPECT_LE(FileTimeOf(submitted), FileTimeOf(after));
    EXPECT_EQ(At<std::uint16_t>(bytes, 2628), submitted.wYear);
    EXPECT_GE(submitted.wYear, 2020);

    const RecordBytes firstJob = Job(0);
    EXPECT_EQ(At<std::uint32_t>(firstJob, 0), first);
    EXPECT_EQ(TextAt(firstJob, 1048), u"alice");
    EXPECT_EQ(TextAt(firstJob, 1568), u"Quarterly report.docx");
    EXPECT_EQ(At<std::uint32_t>(firstJob, 2616), 1u);
    EXPECT_EQ(At<std::uint32_t>(firstJob, 2620), 12u);
}

TEST_F(JobControlTest, IndexPastTheEndLeavesTheStructureAlone) {
    RecordBytes bytes = Filled();
    // An empty queue first, then one job.
    EXPECT_EQ(Count(), 0u);
    EXPECT_EQ(GetJobInfo(kPrinter, 0, AsRecord(bytes)), 0u);
    EXPECT_TRUE(Untouched(bytes, 0, bytes.size()));
    Submit(u"Only");
    EXPECT_EQ(Count(), 1u);
    for (std::uint32_t index : {1u, 2u, 0xFFFFFFFFu}) {
        EXPECT_EQ(GetJobInfo(kPrinter, index, AsRecord(bytes)), 0u) << index;
        EXPECT_TRUE(Untouched(bytes, 0, bytes.size())) << index;
    }
    EXPECT_EQ(GetJobInfoA(kPrinterAnsi, 1, AsRecord(bytes)), 0u);
    EXPECT_TRUE(Untouched(bytes, 0, bytes.size()));
}

TEST_F(JobControlTest, LongTextsAreCutInsideTheirField) {
    const std::u16string document(400, u'd');
    Submit(document.c_str());
    const RecordBytes bytes = Job(0);
    EXPECT_EQ(TextAt(bytes, 1568), document.substr(0, 259));
    EXPECT_EQ(At<char16_t>(bytes, 1568 + 2 * 259), 0);
    EXPECT_TRUE(Untouched(bytes, 2088, 2608));
}

TEST_F(JobControlTest, BadArgumentsAndUnknownPrinters) {
    std::uint32_t count = 77;
    RecordBytes bytes = Filled();
    EXPECT_EQ(GetNumberOfJobs(nullptr, &count), kInvalidPrinterName);
    EXPECT_EQ(GetNumberOfJobsA(nullptr, &count), kInvalidPrinterName);
    EXPECT_EQ(GetNumberOfJobs(kPrinter, nullptr), kInvalidParameter);
    EXPECT_EQ(GetJobInfo(nullptr, 0, AsRecord(bytes)), kInvalidPrinterName);
    EXPECT_EQ(GetJobInfoA(nullptr, 0, AsRecord(bytes)), kInvalidPrinterName);
    EXPECT_EQ(GetJobInfo(kPrinter, 0, nullptr), kInvalidParameter);
    EXPECT_EQ(ControlJob(nullptr, 1, NW_JOB_PAUSE), kInvalidPrinterName);
    EXPECT_EQ(ControlJobA(nullptr, 1, NW_JOB_PAUSE), kInvalidPrinterName);

    // What OpenPrinterW reports for a printer that is not there.
    EXPECT_EQ(GetNumberOfJobs(kUnknown, &count), kInvalidPrinterName);
    EXPECT_EQ(GetNumberOfJobsA("No Such Printer", &count), kInvalidPrinterName);
    EXPECT_EQ(count, 77u);
    EXPECT_EQ(GetJobInfo(kUnknown, 0, AsRecord(bytes)), kInvalidPrinterName);
    EXPECT_TRUE(Untouched(bytes, 0, bytes.size()));
    EXPECT_EQ(ControlJob(kUnknown, 1, NW_JOB_PAUSE), kInvalidPrinterName);
}

TEST_F(JobControlTest, CommandsOutsideTheFourAreRefusedBeforeOpening) {
    const std::uint32_t id = Submit(u"Report");
    // Refused even for a printer that does not exist: it is never opened.
    for (std::uint32_t command : {0u, 3u, 6u, 7u, 0xFFFFFFFFu}) {
        EXPECT_EQ(ControlJob(kUnknown, id, command), kInvalidPrinterCommand) << command;
        EXPECT_EQ(ControlJob(kPrinter, id, command), kInvalidPrinterCommand) << command;
    }
    EXPECT_EQ(ControlJobA("No Such Printer", id, 3), kInvalidPrinterCommand);
    EXPECT_EQ(Count(), 1u);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 2608), 0u);
}

TEST_F(JobControlTest, PauseResumeRestartDelete) {
    const std::uint32_t a = Submit(u"A", 5);
    const std::uint32_t b = Submit(u"B", 7);
    const std::uint32_t c = Submit(u"C");
    EXPECT_EQ(ControlJob(kPrinter, b, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0x1u);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 2608), 0u);
    EXPECT_EQ(ControlJob(kPrinter, b, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0x1u);
    EXPECT_EQ(ControlJobA(kPrinterAnsi, b, NW_JOB_RESUME), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0u);
    EXPECT_EQ(ControlJob(kPrinter, c, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(ControlJob(kPrinter, c, NW_JOB_RESTART), 0u);
    // Restarting keeps a pause and marks the job for printing again.
    EXPECT_EQ(At<std::uint32_t>(Job(2), 2608), 0x801u);

    EXPECT_EQ(ControlJob(kPrinter, a, NW_JOB_DELETE), 0u);
    EXPECT_EQ(Count(), 2u);
    const RecordBytes first = Job(0);
    EXPECT_EQ(At<std::uint32_t>(first, 0), b);
    EXPECT_EQ(At<std::uint32_t>(first, 2616), 1u);
    EXPECT_EQ(At<std::uint32_t>(first, 2620), 7u);
    // A deleted or never-issued identifier is the spooler's 87.
    EXPECT_EQ(ControlJob(kPrinter, a, NW_JOB_PAUSE), kInvalidParameter);
    EXPECT_EQ(ControlJob(kPrinter, a, NW_JOB_DELETE), kInvalidParameter);
    EXPECT_EQ(ControlJob(kPrinter, 0, NW_JOB_PAUSE), kInvalidParameter);
}

TEST_F(JobControlTest, QueuesBelongToTheirPrinterAndUser) {
    constexpr char16_t kOther[] = u"Second Printer";
    ASSERT_EQ(NordwispMachine_AddPrinter(kOther, nullptr), 0u);
    const std::uint32_t mine = Submit(u"Mine");
    const std::uint32_t theirs = Submit(u"Theirs", 1, u"mallory");
    const std::uint32_t elsewhere = Submit(u"Elsewhere", 1, nullptr, kOther);
    EXPECT_EQ(Count(), 2u);
    EXPECT_EQ(Count(kOther), 1u);
    // A job is controlled through its own printer only.
    EXPECT_EQ(ControlJob(kPrinter, elsewhere, NW_JOB_PAUSE), kInvalidParameter);
    // The printer is opened for use: another user's job is not ours to pause.
    EXPECT_EQ(ControlJob(kPrinter, theirs, NW_JOB_PAUSE), kAccessDenied);
    EXPECT_EQ(ControlJob(kPrinter, mine, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0u);
}

TEST_F(JobControlTest, JobResultsLeaveTheLibraryLastErrorAlone) {
    EXPECT_EQ(GetFileFormat(nullptr), -1000);
    ASSERT_EQ(Nordwisp_GetLastError(), NW_ERROR_NULL_ARGUMENT);
    const std::uint32_t id = Submit(u"Report");
    EXPECT_EQ(Count(), 1u);
    EXPECT_EQ(ControlJob(kPrinter, id, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(ControlJob(kUnknown, id, NW_JOB_PAUSE), kInvalidPrinterName);
    EXPECT_EQ(Nordwisp_GetLastError(), NW_ERROR_NULL_ARGUMENT);
}

NW_TEST_CHILD(PauseJob) {
    const auto id = static_cast<std::uint32_t>(std::stoul(args.at(0)));
    return static_cast<int>(ControlJob(kPrinter, id, NW_JOB_PAUSE));
}

NW_TEST_CHILD(ExpectPausedAndDelete) {
    RecordBytes bytes = Filled();
    if (GetJobInfo(kPrinter, 0, AsRecord(bytes)) != 0) return 10;
    if (At<std::uint32_t>(bytes, 2608) != 0x1u) return 11;
    if (TextAt(bytes, 1568) != u"Shared") return 12;
    return static_cast<int>(ControlJob(kPrinter, At<std::uint32_t>(bytes, 0), NW_JOB_DELETE));
}

TEST_F(JobControlTest, PausedInOneProcessSeenPausedInAnother) {
    const std::uint32_t id = Submit(u"Shared");
    EXPECT_EQ(nw::test::RunChild("PauseJob", {std::to_string(id)}), 0);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 2608), 0x1u);
    EXPECT_EQ(nw::test::RunChild("ExpectPausedAndDelete"), 0);
    EXPECT_EQ(Count(), 0u);
}

}  // namespace
