// The paper exports as a client calls them: the frame's last error, the
// null record, the ANSI forms and the forced paper size.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"

namespace {

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { ReleaseNordwispDEVMODE(record); }
};
using Record = std::unique_ptr<NordwispDEVMODE, RecordRelease>;

class PaperExportsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(NordwispMachine_AddPrinter(u"Nordwisp Printer", nullptr), 0u);
        record_.reset(LoadNordwispDEVMODE(u"Nordwisp Printer"));
        ASSERT_NE(record_, nullptr);
    }
    Record record_;
};

TEST_F(PaperExportsTest, ANullRecordIsAnInvalidArgumentExceptForTheForcedPaper) {
    int size = 10;
    EXPECT_EQ(AddPaperSize(nullptr, u"Label", 5, 5, 1), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(ModifyPaperSizeA(nullptr, "A", "B", 5, 5, 1), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(DeletePaperSize(nullptr, u"Label"), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(GetPaperInfoA(nullptr, "Label", nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(GetPaperName(nullptr, 9, nullptr, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(EnableForcePaperSize(nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), NW_ERROR_NULL_ARGUMENT);
    // A successful call clears what the failures left.
    EXPECT_EQ(GetPaperName(record_.get(), 9, nullptr, &size), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

TEST_F(PaperExportsTest, AnsiFormsConvertFromTheAnsiCodePage) {
    // The hosted ANSI code page is UTF-8.
    EXPECT_EQ(AddPaperSizeA(record_.get(), "\xC3\x89tiquette", 620, 1000, 1), 277);
    int width = 0, height = 0, units = -1;
    EXPECT_EQ(GetPaperInfo(record_.get(), u"\u00C9tiquette", &width, &height, &units), 277);
    EXPECT_EQ(width, 620);
    EXPECT_EQ(units, 1);

    char name[16] = {};
    int size = sizeof name;
    EXPECT_EQ(GetPaperNameA(record_.get(), 277, name, &size), 1);
    EXPECT_EQ(std::string(name), "\xC3\x89tiquette");
    EXPECT_EQ(size, 11);
    size = 4;
    EXPECT_EQ(GetPaperNameA(record_.get(), 277, name, &size), 1);
    EXPECT_EQ(size, 11);

    EXPECT_EQ(ModifyPaperSizeA(record_.get(), "\xC3\x89tiquette", "Label", 700, 1000, 1), 277);
    EXPECT_EQ(GetPaperInfoA(record_.get(), "label", nullptr, &height, nullptr), 277);
    EXPECT_EQ(ModifyPaperSizeA(record_.get(), "Label", nullptr, 700, 1000, 1), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
    EXPECT_EQ(DeletePaperSizeA(record_.get(), "LABEL"), 1);
    EXPECT_EQ(DeletePaperSizeA(record_.get(), "Label"), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 2u);
    EXPECT_EQ(AddPaperSizeA(record_.get(), nullptr, 5, 5, 1), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 87u);
}

TEST_F(PaperExportsTest, ForcedPaperFallsBackToCustomAndTurnsTheSwitchOn) {
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 0);
    // The default record is Letter, the list's first paper, which has no name to give.
    EXPECT_EQ(GetPaperSize(record_.get()), 1);
    EXPECT_EQ(EnableForcePaperSize(record_.get()), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), 2u);
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 1);
    EXPECT_EQ(DisableForcePaperSize(record_.get()), 1);
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 0);

    ASSERT_EQ(SetPaperSize(11, record_.get()), 1);
    EXPECT_EQ(EnableForcePaperSize(record_.get()), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

}  // namespace
