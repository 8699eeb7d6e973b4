// The hosted spooler's job queues through EnumJobsW, SetJobW and
// GetPrinterW level 2, as the Windows spooler answers them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "platform/hosted/provisioning.h"
#include "support/child_process.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using nw::test::FailedWith;
constexpr char16_t kPrinter[] = u"Nordwisp Printer";
constexpr char16_t kOther[] = u"Acme Laser";

nw::PrinterHandle Open(const char16_t* name, ACCESS_MASK access = 0) {
    return nw::test::OpenPrinterHandle(name, access);
}

DWORD Submit(const char16_t* document, DWORD pages = 1, const char16_t* user = u"",
             const char16_t* printer = kPrinter) {
    DWORD id = 0;
    EXPECT_EQ(nw::hosted::SubmitJob(printer, document, user, pages, &id), 0u);
    return id;
}

// EnumJobsW level 1 the way callers use it: size first, then the block.
std::vector<JOB_INFO_1W> Enum(HANDLE printer, DWORD first, DWORD count, Bytes& block) {
    DWORD needed = 0;
    DWORD returned = 99;
    if (EnumJobsW(printer, first, count, 1, nullptr, 0, &needed, &returned)) {
        EXPECT_EQ(needed, 0u);
        EXPECT_EQ(returned, 0u);
        return {};
    }
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    block.assign(needed, 0);
    EXPECT_TRUE(EnumJobsW(printer, first, count, 1, block.data(), needed, &needed, &returned));
    std::vector<JOB_INFO_1W> jobs(returned);
    if (returned) std::memcpy(jobs.data(), block.data(), returned * sizeof(JOB_INFO_1W));
    return jobs;
}

DWORD StatusOf(HANDLE printer, DWORD position) {
    Bytes block;
    const auto jobs = Enum(printer, position, 1, block);
    return jobs.size() == 1 ? jobs[0].Status : 0xFFFFFFFFu;
}

DWORD JobCount(HANDLE printer) { return nw::test::StructAt<PRINTER_INFO_2W>(nw::test::PrinterLevel(printer, 2)).cJobs; }

class SpoolerJobsTest : public nw::test::HostedTest {
protected:
    void SetUp() override {
        ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(kPrinter, u""), 0u);
        ASSERT_EQ(nw::hosted::ProvisionOtherPrinter(kOther, u"Acme Driver", u"", false), 0u);
    }
};

TEST_F(SpoolerJobsTest, EnumerationSizesWindowsAndFields) {
    auto printer = Open(kPrinter);
    Bytes block;
    EXPECT_TRUE(Enum(printer.get(), 0, 10, block).empty());
    const DWORD a = Submit(u"Alpha.pdf", 4);
    const DWORD b = Submit(u"Beta", 2, u"bob");
    const DWORD c = Submit(u"Gamma");

    // A buffer one byte short is refused and left alone.
    DWORD needed = 0;
    DWORD returned = 0;
    EXPECT_FALSE(EnumJobsW(printer.get(), 0, 3, 1, nullptr, 0, &needed, &returned));
    Bytes shortBlock(needed - 1, 0xEE);
    EXPECT_TRUE(FailedWith(!EnumJobsW(printer.get(), 0, 3, 1, shortBlock.data(), needed - 1, &needed, &returned),
                           ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(shortBlock, Bytes(needed - 1, 0xEE));

    const auto all = Enum(printer.get(), 0, 3, block);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].JobId, a);
    EXPECT_EQ(all[1].JobId, b);
    EXPECT_EQ(all[2].JobId, c);
    EXPECT_EQ(std::u16string(all[0].pPrinterName), kPrinter);
    EXPECT_EQ(std::u16string(all[0].pMachineName), u"\\\\" + nw::hosted::CurrentIdentity().computerName);
    EXPECT_EQ(std::u16string(all[0].pUserName), nw::hosted::CurrentIdentity().userName);
    EXPECT_EQ(std::u16string(all[1].pUserName), u"bob");
    EXPECT_EQ(std::u16string(all[0].pDocument), u"Alpha.pdf");
    EXPECT_EQ(std::u16string(all[0].pDatatype), u"RAW");
    EXPECT_EQ(all[0].pStatus, nullptr);
    EXPECT_EQ(all[0].Priority, DEF_PRIORITY);
    EXPECT_EQ(all[0].TotalPages, 4u);
    EXPECT_EQ(all[0].PagesPrinted, 0u);
    for (DWORD i = 0; i < 3; ++i) EXPECT_EQ(all[i].Position, i + 1);
    // Texts sit inside the block, after the fixed structures.
    const auto* text = reinterpret_cast<const std::uint8_t*>(all[2].pDocument);
    EXPECT_GE(text, block.data() + 3 * sizeof(JOB_INFO_1W));
    EXPECT_LT(text, block.data() + block.size());

    // A window reaching past the end is cut; one starting past it is empty.
    const auto tail = Enum(printer.get(), 1, 0xFFFFFFFFu, block);
    ASSERT_EQ(tail.size(), 2u);
    EXPECT_EQ(tail[0].JobId, b);
    EXPECT_EQ(tail[0].Position, 2u);
    EXPECT_TRUE(Enum(printer.get(), 3, 1, block).empty());
    EXPECT_TRUE(Enum(printer.get(), 0xFFFFFFFFu, 0xFFFFFFFFu, block).empty());
    EXPECT_TRUE(Enum(printer.get(), 0, 0, block).empty());
}

TEST_F(SpoolerJobsTest, EnumerationRefusesBadCalls) {
    auto printer = Open(kPrinter);
    Submit(u"Alpha");
    DWORD needed = 0;
    DWORD returned = 7;
    EXPECT_TRUE(FailedWith(!EnumJobsW(printer.get(), 0, 1, 2, nullptr, 0, &needed, &returned), ERROR_INVALID_LEVEL));
    EXPECT_EQ(returned, 0u);
    EXPECT_TRUE(
        FailedWith(!EnumJobsW(printer.get(), 0, 1, 1, nullptr, 0, nullptr, &returned), ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailedWith(!EnumJobsW(nullptr, 0, 1, 1, nullptr, 0, &needed, &returned), ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FailedWith(!SetJobW(nullptr, 1, 0, nullptr, JOB_CONTROL_PAUSE), ERROR_INVALID_HANDLE));
    EXPECT_EQ(nw::hosted::SubmitJob(u"Nobody", u"Doc", u"", 1, nullptr),
              static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
}

TEST_F(SpoolerJobsTest, PrinterLevelTwoCountsEachPrintersJobs) {
    auto printer = Open(kPrinter);
    auto other = Open(kOther);
    EXPECT_EQ(JobCount(printer.get()), 0u);
    Submit(u"One");
    Submit(u"Two");
    Submit(u"Three", 1, u"", kOther);
    EXPECT_EQ(JobCount(printer.get()), 2u);
    EXPECT_EQ(JobCount(other.get()), 1u);

    DWORD needed = 0;
    DWORD returned = 0;
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &returned));
    Bytes block(needed);
    ASSERT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, block.data(), needed, &needed, &returned));
    ASSERT_EQ(returned, 2u);
    PRINTER_INFO_2W infos[2];
    std::memcpy(infos, block.data(), sizeof infos);
    EXPECT_EQ(std::u16string(infos[0].pPrinterName), kOther);
    EXPECT_EQ(infos[0].cJobs, 1u);
    EXPECT_EQ(infos[1].cJobs, 2u);
}

TEST_F(SpoolerJobsTest, IdentifiersAreMachineWideAndNeverReused) {
    auto printer = Open(kPrinter);
    const DWORD a = Submit(u"A");
    const DWORD b = Submit(u"B", 1, u"", kOther);
    const DWORD c = Submit(u"C");
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(c, b + 1);
    ASSERT_TRUE(SetJobW(printer.get(), c, 0, nullptr, JOB_CONTROL_DELETE));
    EXPECT_EQ(Submit(u"D"), c + 1);
}

TEST_F(SpoolerJobsTest, CommandsChangeStatusOrRemoveTheJob) {
    auto printer = Open(kPrinter);
    const DWORD a = Submit(u"A");
    const DWORD b = Submit(u"B");
    ASSERT_TRUE(SetJobW(printer.get(), a, 0, nullptr, JOB_CONTROL_PAUSE));
    EXPECT_EQ(StatusOf(printer.get(), 0), JOB_STATUS_PAUSED);
    ASSERT_TRUE(SetJobW(printer.get(), a, 0, nullptr, JOB_CONTROL_RESTART));
    EXPECT_EQ(StatusOf(printer.get(), 0), JOB_STATUS_PAUSED | JOB_STATUS_RESTART);
    ASSERT_TRUE(SetJobW(printer.get(), a, 0, nullptr, JOB_CONTROL_RESUME));
    EXPECT_EQ(StatusOf(printer.get(), 0), JOB_STATUS_RESTART);
    EXPECT_EQ(StatusOf(printer.get(), 1), 0u);

    // Cancel removes a job as delete does.
    ASSERT_TRUE(SetJobW(printer.get(), a, 0, nullptr, JOB_CONTROL_CANCEL));
    Bytes block;
    auto left = Enum(printer.get(), 0, 5, block);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].JobId, b);
    EXPECT_EQ(left[0].Position, 1u);

    BYTE data[sizeof(JOB_INFO_1W)] = {};
    struct Refusal {
        DWORD job, level;
        LPBYTE data;
        DWORD command, error;
    };
    const Refusal refusals[] = {
        {a, 0, nullptr, JOB_CONTROL_PAUSE, ERROR_INVALID_PARAMETER},  // gone
        {0, 0, nullptr, JOB_CONTROL_PAUSE, ERROR_INVALID_PARAMETER},  // never issued
        {b, 0, nullptr, 0, ERROR_INVALID_PARAMETER},                  // no command
        {b, 0, nullptr, 7, ERROR_INVALID_PARAMETER},                  // not a job command
        {b, 1, data, JOB_CONTROL_PAUSE, ERROR_INVALID_LEVEL},         // descriptions are not rewritten
        {b, 0, data, JOB_CONTROL_PAUSE, ERROR_INVALID_PARAMETER},     // level 0 carries no data
    };
    for (const Refusal& refusal : refusals) {
        EXPECT_FALSE(SetJobW(printer.get(), refusal.job, refusal.level, refusal.data, refusal.command));
        EXPECT_EQ(GetLastError(), refusal.error) << refusal.job << " " << refusal.command;
    }
    EXPECT_EQ(StatusOf(printer.get(), 0), 0u);
    EXPECT_EQ(JobCount(printer.get()), 1u);
}

// As on Windows: a job's owner controls it, administrators every job,
// whatever access their handle was opened with.
TEST_F(SpoolerJobsTest, AJobIsControlledByItsOwnerAndByAdministrators) {
    const DWORD theirs = Submit(u"Theirs", 1, u"mallory");
    Become([](nw::hosted::Identity& id) { id.administrator = false; });
    auto use = Open(kPrinter, PRINTER_ACCESS_USE);
    EXPECT_TRUE(FailedWith(!SetJobW(use.get(), theirs, 0, nullptr, JOB_CONTROL_DELETE), ERROR_ACCESS_DENIED));
    EXPECT_TRUE(FailedWith(!SetJobW(use.get(), theirs, 0, nullptr, JOB_CONTROL_PAUSE), ERROR_ACCESS_DENIED));
    DWORD mine = 0;
    ASSERT_EQ(nw::hosted::SubmitJob(kPrinter, u"Mine", u"", 1, &mine), 0u);
    EXPECT_TRUE(SetJobW(use.get(), mine, 0, nullptr, JOB_CONTROL_PAUSE));
    EXPECT_EQ(StatusOf(use.get(), 1), JOB_STATUS_PAUSED);
    EXPECT_TRUE(SetJobW(use.get(), mine, 0, nullptr, JOB_CONTROL_DELETE));
    // Printing in another's name is for administrators.
    DWORD forged = 0;
    EXPECT_EQ(nw::hosted::SubmitJob(kPrinter, u"Doc", u"mallory", 1, &forged), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(forged, 0u);

    Become([](nw::hosted::Identity& id) { id.administrator = true; });
    EXPECT_TRUE(SetJobW(use.get(), theirs, 0, nullptr, JOB_CONTROL_PAUSE));
    EXPECT_EQ(StatusOf(use.get(), 0), JOB_STATUS_PAUSED);
}

NW_TEST_CHILD(SubmitTwoJobs) {
    DWORD id = 0;
    if (nw::hosted::SubmitJob(kPrinter, u"From child 1", u"", 3, &id) != 0) return 1;
    if (nw::hosted::SubmitJob(kPrinter, u"From child 2", u"", 4, &id) != 0) return 2;
    return 0;
}

TEST_F(SpoolerJobsTest, JobsOfAnotherProcessAreQueuedAfterOurs) {
    const DWORD first = Submit(u"Ours");
    ASSERT_EQ(nw::test::RunChild("SubmitTwoJobs"), 0);
    const DWORD last = Submit(u"Ours again");
    auto printer = Open(kPrinter);
    Bytes block;
    const auto jobs = Enum(printer.get(), 0, 10, block);
    ASSERT_EQ(jobs.size(), 4u);
    EXPECT_EQ(jobs[0].JobId, first);
    EXPECT_EQ(std::u16string(jobs[1].pDocument), u"From child 1");
    EXPECT_EQ(jobs[2].TotalPages, 4u);
    EXPECT_EQ(jobs[3].JobId, last);
    EXPECT_EQ(last, first + 3);
}

}  // namespace
