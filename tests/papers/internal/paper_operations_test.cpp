// The paper-size operations behind the exports: results, the registry they
// leave and the library's last error.
#include <cstring>

#include "papers/internal/paper_fixture.h"
#include "papers/paper_operations.h"
#include "settings/registry_primitives.h"

namespace {

using namespace nw;
using namespace nw::papers;
using namespace nw::test;

const WString kPageSettings = PrinterKey(W("Nordwisp Printer"), W("Page Settings"));

class PaperOperationsTest : public PaperTest {
protected:
    int Add(const WCHAR* title, int width = 1000, int height = 2000, int units = 1) {
        SetLastErrorValue(0);
        return AddPaper(record(), title, width, height, units);
    }
};

TEST_F(PaperOperationsTest, FirstUserPaperGetsCode277AndIsStoredAfterTheShippedOnes) {
    EXPECT_EQ(NW_CORE_CALL(Add(W("Label"), 1000, 620, 1)), (Outcome{277, 0}));
    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 13u);
    EXPECT_EQ(PaperAt(13), std::make_tuple(u"Label", 1000, 620, 277, u"MM"));
    EXPECT_EQ(StoredDword(PaperKey(13), W("AdvancedPaperSize")), 1u);
    EXPECT_EQ(StoredDword(PaperKey(13), W("Available")), 1u);
    EXPECT_EQ(Add(W("Card"), 400, 600, 0), 278);
    EXPECT_EQ(PaperAt(14), std::make_tuple(u"Card", 400, 600, 278, u"Inches"));

    int width = 0, height = 0, units = -1;
    EXPECT_EQ(PaperInfo(record(), W("CARD"), &width, &height, &units), 278);
    EXPECT_EQ(std::make_tuple(width, height, units), std::make_tuple(400, 600, 0));
    EXPECT_EQ(PaperInfo(record(), W("Card"), nullptr, nullptr, nullptr), 278);
}

TEST_F(PaperOperationsTest, DuplicateTitlesAreRefusedIgnoringCase) {
    ASSERT_EQ(Add(W("Label")), 277);
    EXPECT_EQ(NW_CORE_CALL(Add(W("lABEL"))), (Outcome{0, 183}));
    // The first paper is never found, but its title is still taken.
    EXPECT_EQ(NW_CORE_CALL(Add(W("letter"))), (Outcome{0, 183}));
    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 13u);
}

TEST_F(PaperOperationsTest, BadArgumentsFailWith87BeforeTouchingTheList) {
    const WString longest(255, W('x'));
    const WString tooLong(256, W('x'));
    EXPECT_EQ(NW_CORE_CALL(AddPaper(nullptr, W("A"), 1, 1, 1)), (Outcome{0, 87}));
    EXPECT_EQ(Add(W("")), 0);
    EXPECT_EQ(Add(nullptr), 0);
    EXPECT_EQ(Add(W("W"), 0, 5), 0);
    EXPECT_EQ(Add(W("H"), 5, 0), 0);
    EXPECT_EQ(Add(W("U"), 5, 5, 3), 0);
    EXPECT_EQ(Add(W("U"), 5, 5, -1), 0);
    EXPECT_EQ(NW_CORE_CALL(Add(tooLong.c_str())), (Outcome{0, 87}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kPapersList));

    // 255 characters fit; read back, a title over 63 characters is unknown.
    EXPECT_EQ(Add(longest.c_str()), 277);
    EXPECT_EQ(StoredText(PaperKey(13), W("Title")).size(), 255u);
    EXPECT_EQ(PaperInfo(record(), W("Unknown Paper Size"), nullptr, nullptr, nullptr), 277);

    ASSERT_EQ(Add(W("Mine")), 278);
    EXPECT_EQ(NW_CORE_CALL(ModifyPaper(record(), W("Mine"), nullptr, 5, 5, 1)), (Outcome{0, 87}));
    EXPECT_EQ(ModifyPaper(record(), W("Mine"), tooLong.c_str(), 5, 5, 1), 0);
    EXPECT_EQ(ModifyPaper(record(), W("Mine"), W("Yours"), 5, 5, 4), 0);
    EXPECT_EQ(DeletePaper(record(), W("")), 0);
    EXPECT_EQ(NW_CORE_CALL(PaperInfo(record(), nullptr, nullptr, nullptr, nullptr)), (Outcome{0, 87}));
}

TEST_F(PaperOperationsTest, TheFirstPaperIsNeverFoundAndShippedPapersAreNotChanged) {
    EXPECT_EQ(NW_CORE_CALL(PaperInfo(record(), W("Letter"), nullptr, nullptr, nullptr)), (Outcome{0, 2}));
    EXPECT_EQ(NW_CORE_CALL(ModifyPaper(record(), W("Letter"), W("Mine"), 5, 5, 1)), (Outcome{0, 2}));
    SetLastErrorValue(0);
    EXPECT_EQ(NW_CORE_CALL(DeletePaper(record(), W("Letter"))), (Outcome{0, 2}));
    int size = 100;
    EXPECT_EQ(NW_CORE_CALL(PaperName(record(), 1, nullptr, &size)), (Outcome{0, 2}));

    EXPECT_EQ(NW_CORE_CALL(ModifyPaper(record(), W("a4"), W("A4"), 2000, 3000, 1)), (Outcome{0, 5}));
    EXPECT_EQ(NW_CORE_CALL(DeletePaper(record(), W("A4"))), (Outcome{0, 5}));
    EXPECT_EQ(NW_CORE_CALL(PaperInfo(record(), W("No Such Paper"), nullptr, nullptr, nullptr)), (Outcome{0, 2}));
    EXPECT_EQ(StoredDword(PaperKey(7), W("Width")), 2100u);
}

TEST_F(PaperOperationsTest, RenamingChecksOtherTitlesOnly) {
    ASSERT_EQ(Add(W("Mine")), 277);
    EXPECT_EQ(NW_CORE_CALL(ModifyPaper(record(), W("mine"), W("A5"), 5, 5, 1)), (Outcome{0, 183}));
    // The same title in other letters is no clash with itself.
    SetLastErrorValue(0);
    EXPECT_EQ(NW_CORE_CALL(ModifyPaper(record(), W("mine"), W("MINE"), 148, 210, 2)), (Outcome{277, 0}));
    EXPECT_EQ(PaperAt(13), std::make_tuple(u"MINE", 148, 210, 277, u"Pixels"));
    EXPECT_EQ(ModifyPaper(record(), W("MINE"), W("Photo"), 100, 150, 1), 277);
    EXPECT_EQ(PaperAt(13), std::make_tuple(u"Photo", 100, 150, 277, u"MM"));
}

TEST_F(PaperOperationsTest, DeleteKeepsOrderAndLeavesTheStaleSubkeyIgnored) {
    ASSERT_EQ(Add(W("One")), 277);
    ASSERT_EQ(Add(W("Two")), 278);
    ASSERT_EQ(Add(W("Three")), 279);
    EXPECT_EQ(DeletePaper(record(), W("two")), 1);
    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 14u);
    EXPECT_EQ(StoredText(PaperKey(13), W("Title")), u"One");
    EXPECT_EQ(PaperAt(14), std::make_tuple(u"Three", 1000, 2000, 279, u"MM"));
    // Subkey 15 still holds the old last paper; the list does not see it.
    EXPECT_EQ(StoredText(PaperKey(15), W("Title")), u"Three");
    EXPECT_EQ(NW_CORE_CALL(PaperInfo(record(), W("Two"), nullptr, nullptr, nullptr)), (Outcome{0, 2}));
    // The next code follows the highest left, not the count.
    EXPECT_EQ(Add(W("Four")), 280);
    EXPECT_EQ(StoredText(PaperKey(15), W("Title")), u"Four");
}

TEST_F(PaperOperationsTest, PaperNameReportsTheSizeItNeeds) {
    WCHAR buffer[8] = {W('#'), W('#'), W('#'), W('#'), W('#'), W('#'), W('#'), W('#')};
    int size = 4;
    EXPECT_EQ(PaperName(record(), 9, buffer, &size), 1);
    EXPECT_EQ(size, 6);  // "A4" and its terminator
    EXPECT_EQ(buffer[0], W('#'));
    size = 0;
    EXPECT_EQ(PaperName(record(), 9, nullptr, &size), 1);
    EXPECT_EQ(size, 6);
    size = 6;
    EXPECT_EQ(PaperName(record(), 9, buffer, &size), 1);
    EXPECT_EQ(WString(buffer), W("A4"));
    EXPECT_EQ(buffer[3], W('#'));
    size = 16;
    EXPECT_EQ(PaperName(record(), 20, buffer, &size), 1);
    EXPECT_EQ(size, 26);  // "Envelope #10" is 12 characters: not copied into 16 bytes
    EXPECT_EQ(buffer[0], W('A'));

    EXPECT_EQ(NW_CORE_CALL(PaperName(record(), 0, buffer, &size)), (Outcome{0, 87}));
    EXPECT_EQ(NW_CORE_CALL(PaperName(record(), 9, buffer, nullptr)), (Outcome{0, 87}));
    EXPECT_EQ(NW_CORE_CALL(PaperName(record(), 999, buffer, &size)), (Outcome{0, 2}));

    char ansi[4] = {'#', '#', '#', '#'};
    size = 3;
    EXPECT_EQ(PaperNameAnsi(record(), 11, ansi, &size), 1);
    EXPECT_EQ(std::string(ansi), "A5");
    size = 2;
    EXPECT_EQ(PaperNameAnsi(record(), 13, ansi, &size), 1);
    EXPECT_EQ(size, 9);  // "B5 (JIS)" and its terminator
}

TEST_F(PaperOperationsTest, AnUnknownPrinterFailsWithTheSpoolerError) {
    NordwispDEVMODE other = MakeRecord(u"No Such Printer");
    EXPECT_EQ(AddPaper(&other, W("Label"), 5, 5, 1), 0);
    EXPECT_NE(LastErrorValue(), 0u);
    EXPECT_NE(LastErrorValue(), 87u);
}

TEST_F(PaperOperationsTest, ForcedPaperTakesTheRecordAndTheListName) {
    NordwispDEVMODE copy;
    std::memcpy(&copy, record(), sizeof copy);
    copy.DM.dmPaperSize = 9;
    copy.DM.dmPaperWidth = 2100;
    copy.DM.dmPaperLength = 2970;
    copy.DM.dmPrintQuality = -5;
    copy.DM.dmYResolution = -5;
    std::uint32_t pixels = 1754;
    std::memcpy(reinterpret_cast<std::uint8_t*>(&copy) + offsetof(NordwispDEVMODE, PageWidthInPixels), &pixels, 4);
    EXPECT_EQ(ForcePaperSize(&copy), 1);
    EXPECT_EQ(StoredText(kPageSettings, W("Force Paper Name")), u"A4");
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Size")), 9u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Width")), 2100u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Height")), 2970u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper X DPI")), 204u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Y DPI")), 98u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Width in Pixels")), 1754u);
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Enabled")), 1u);

    // Letter is the list's first paper: it has no name to give.
    copy.DM.dmPaperSize = 1;
    EXPECT_EQ(ForcePaperSize(&copy), 1);
    EXPECT_EQ(StoredText(kPageSettings, W("Force Paper Name")), u"Custom");
    EXPECT_EQ(StoredDword(kPageSettings, W("Force Paper Size")), 1u);
}

}  // namespace
