// The job exports as a caller sees them: Win32 codes as results, the
// structure's bytes at their offsets, the queue shared between processes.
#include <gtest/gtest.h>

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
    for (std::size_t i = 0; i < 260 && At<char16_t>(bytes, offset + 2 * i) != 0; ++i)
        text += At<char16_t>(bytes, offset + 2 * i);
    return text;
}
bool Untouched(const RecordBytes& bytes, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (bytes[i] != kFill) return false;
    return true;
}

std::uint32_t Submit(const char16_t* document, std::uint32_t pages = 1, const char16_t* user = nullptr) {
    std::uint32_t id = 0;
    EXPECT_EQ(NordwispMachine_SubmitJob(kPrinter, document, user, pages, &id), 0u);
    return id;
}

std::uint32_t Count() {
    std::uint32_t count = 0xDEAD;
    EXPECT_EQ(GetNumberOfJobs(kPrinter, &count), 0u);
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

TEST_F(JobControlTest, RecordBytesSitAtTheirOffsetsAndLongTextsAreCutInside) {
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
    // Status, priority, position, total and printed pages, then the time.
    const std::uint32_t numbers[] = {0, 1, 2, 3, 0};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(At<std::uint32_t>(bytes, 2608 + 4 * i), numbers[i]) << i;
    const auto submitted = At<SYSTEMTIME>(bytes, 2628);
    EXPECT_GE(FileTimeOf(submitted), FileTimeOf(before));
    EXPECT_LE(FileTimeOf(submitted), FileTimeOf(after));

    const RecordBytes firstJob = Job(0);
    EXPECT_EQ(At<std::uint32_t>(firstJob, 0), first);
    EXPECT_EQ(TextAt(firstJob, 1048), u"alice");
    EXPECT_EQ(TextAt(firstJob, 1568), u"Quarterly report.docx");
    EXPECT_EQ(At<std::uint32_t>(firstJob, 2616), 1u);
    EXPECT_EQ(At<std::uint32_t>(firstJob, 2620), 12u);

    const std::u16string document(400, u'd');
    Submit(document.c_str());
    const RecordBytes cut = Job(2);
    EXPECT_EQ(TextAt(cut, 1568), document.substr(0, 259));
    EXPECT_EQ(At<char16_t>(cut, 1568 + 2 * 259), 0);
    EXPECT_TRUE(Untouched(cut, 2088, 2608));
}

TEST_F(JobControlTest, IndexPastTheEndLeavesTheStructureAlone) {
    RecordBytes bytes = Filled();
    // An empty queue first, then one job.
    EXPECT_EQ(Count(), 0u);
    EXPECT_EQ(GetJobInfo(kPrinter, 0, AsRecord(bytes)), 0u);
    EXPECT_TRUE(Untouched(bytes, 0, bytes.size()));
    Submit(u"Only");
    EXPECT_EQ(Count(), 1u);
    for (std::uint32_t index : {1u, 2u, 0xFFFFFFFFu}) EXPECT_EQ(GetJobInfo(kPrinter, index, AsRecord(bytes)), 0u);
    EXPECT_EQ(GetJobInfoA(kPrinterAnsi, 1, AsRecord(bytes)), 0u);
    EXPECT_TRUE(Untouched(bytes, 0, bytes.size()));
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

// The spooler's own rules are tested with it; here each command reaches it
// as the right control code, on a printer opened for use only.
TEST_F(JobControlTest, EachCommandReachesTheSpoolerAsItsControlCode) {
    const std::uint32_t a = Submit(u"A");
    const std::uint32_t b = Submit(u"B", 7);
    const std::uint32_t theirs = Submit(u"Theirs", 1, u"mallory");
    EXPECT_EQ(ControlJob(kPrinter, b, NW_JOB_PAUSE), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0x1u);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 2608), 0u);
    EXPECT_EQ(ControlJob(kPrinter, b, NW_JOB_RESTART), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0x801u);
    EXPECT_EQ(ControlJobA(kPrinterAnsi, b, NW_JOB_RESUME), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(1), 2608), 0x800u);
    EXPECT_EQ(ControlJob(kPrinter, a, NW_JOB_DELETE), 0u);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 0), b);
    // The spooler's answers come back as they are.
    EXPECT_EQ(ControlJob(kPrinter, a, NW_JOB_PAUSE), kInvalidParameter);
    // An administrator controls every job.
    EXPECT_EQ(ControlJob(kPrinter, theirs, NW_JOB_DELETE), 0u);
    EXPECT_EQ(Count(), 1u);
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

TEST_F(JobControlTest, PausedInOneProcessSeenPausedInAnother) {
    const std::uint32_t id = Submit(u"Shared");
    EXPECT_EQ(nw::test::RunChild("PauseJob", {std::to_string(id)}), 0);
    EXPECT_EQ(At<std::uint32_t>(Job(0), 2608), 0x1u);
}

}  // namespace
