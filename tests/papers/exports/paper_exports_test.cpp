// The paper exports as a client calls them: the frame's last error, the
// null record, the ANSI forms and the forced paper size.
#include <string>

#include "support/library.h"

namespace nw::test {
namespace {

class PaperExportsTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        record_.reset(LoadNordwispDEVMODE(kPrinter));
        ASSERT_NE(record_, nullptr);
    }
    Record record_;
};

TEST_F(PaperExportsTest, ANullRecordIsAnInvalidArgumentExceptForTheForcedPaper) {
    int size = 10;
    EXPECT_EQ(NW_EXPORT_CALL(AddPaperSize(nullptr, u"Label", 5, 5, 1)), (Outcome{0, 87}));
    EXPECT_EQ(NW_EXPORT_CALL(ModifyPaperSizeA(nullptr, "A", "B", 5, 5, 1)), (Outcome{0, 87}));
    EXPECT_EQ(NW_EXPORT_CALL(DeletePaperSize(nullptr, u"Label")), (Outcome{0, 87}));
    EXPECT_EQ(NW_EXPORT_CALL(GetPaperInfoA(nullptr, "Label", nullptr, nullptr, nullptr)), (Outcome{0, 87}));
    EXPECT_EQ(NW_EXPORT_CALL(GetPaperName(nullptr, 9, nullptr, &size)), (Outcome{0, 87}));
    EXPECT_EQ(NW_EXPORT_CALL(EnableForcePaperSize(nullptr)), (Outcome{0, kNullArgument}));
    // A successful call clears what the failures left.
    EXPECT_EQ(NW_EXPORT_CALL(GetPaperName(record_.get(), 9, nullptr, &size)), (Outcome{1, 0}));
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
    EXPECT_EQ(NW_EXPORT_CALL(ModifyPaperSizeA(record_.get(), "Label", nullptr, 700, 1000, 1)), (Outcome{0, 87}));
    EXPECT_EQ(DeletePaperSizeA(record_.get(), "LABEL"), 1);
    EXPECT_EQ(NW_EXPORT_CALL(DeletePaperSizeA(record_.get(), "Label")), (Outcome{0, 2}));
    EXPECT_EQ(NW_EXPORT_CALL(AddPaperSizeA(record_.get(), nullptr, 5, 5, 1)), (Outcome{0, 87}));
}

TEST_F(PaperExportsTest, ForcedPaperFallsBackToCustomAndTurnsTheSwitchOn) {
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 0);
    // The default record is Letter, the list's first paper, which has no name to give.
    EXPECT_EQ(GetPaperSize(record_.get()), 1);
    EXPECT_EQ(NW_EXPORT_CALL(EnableForcePaperSize(record_.get())), (Outcome{1, 2}));
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 1);
    EXPECT_EQ(DisableForcePaperSize(record_.get()), 1);
    EXPECT_EQ(IsForcePaperSizeEnabled(record_.get()), 0);

    ASSERT_EQ(SetPaperSize(11, record_.get()), 1);
    EXPECT_EQ(NW_EXPORT_CALL(EnableForcePaperSize(record_.get())), (Outcome{1, 0}));
}

}  // namespace
}  // namespace nw::test
