// Reading, seeding and checking the paper list as the registry holds it.
#include <tuple>

#include "papers/internal/paper_fixture.h"
#include "papers/paper_list.h"
#include "support/temp_dir.h"

namespace nw::test {
namespace {

using namespace nw::papers;

// Title, code, width and height of a paper; its units, available and
// advanced flags.
auto Fields(const PaperEntry& paper) {
    return std::make_tuple(WString(TitleOf(paper)), paper.nWindowsPaperCode, paper.sPhysSize.x, paper.sPhysSize.y);
}
using Paper = std::tuple<WString, int, unsigned, unsigned>;
auto Flags(const PaperEntry& paper) {
    return std::make_tuple(paper.nUnits, paper.bAvailable, paper.bAdvancedPaperSize);
}

TEST_F(PaperTest, FirstBuildSeedsTheRegistryFromTheDataFile) {
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kPapersList));
    const PaperList papers = BuildPaperListForPrinter(printer(), record());
    ASSERT_EQ(papers.size(), 12u);
    EXPECT_EQ(WString(TitleOf(papers[0])), W("Letter"));
    EXPECT_EQ(Flags(papers[0]), std::make_tuple(kUnitsInches, 1, 0));
    EXPECT_EQ(Fields(papers[6]), (Paper{W("A4"), 9, 2100, 2970}));
    EXPECT_EQ(Flags(papers[6]), std::make_tuple(kUnitsMillimetres, 1, 0));

    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 12u);
    // Units as the data file spells them.
    EXPECT_EQ(StoredText(PaperKey(7), W("Title")), W("A4"));
    EXPECT_EQ(StoredText(PaperKey(7), W("Units")), u"MM");
    EXPECT_EQ(StoredDword(PaperKey(12), W("WindowsPaperCode")), 27u);

    // From now on the registry is the only source: a changed entry is read back.
    StoreDword(PaperKey(7), W("Width"), 2000);
    EXPECT_EQ(BuildPaperListForPrinter(printer(), record())[6].sPhysSize.x, 2000u);
}

TEST_F(PaperTest, SeedingCopiesIntegersAsReadDefaultsMissingKeysAndNeedsTheCount) {
    TempDir folder;
    const WString noCount = folder.File(W("nopapers.ini"));
    ASSERT_TRUE(WriteFileBytes(noCount, "[Paper Size Definitions]\r\nPaper1 Title=A4\r\nPaper1 Width=2100\r\n"));
    EXPECT_TRUE(BuildPaperList(noCount.c_str(), record()).empty());
    EXPECT_FALSE(StoredDword(kPapersList, W("Count")).has_value());
    EXPECT_EQ(InitPaperListInRegistry(nullptr, W("Nordwisp Printer")), 0);
    EXPECT_EQ(InitPaperListInRegistry(noCount.c_str(), nullptr), 0);

    const WString odd = folder.File(W("odd.ini"));
    ASSERT_TRUE(WriteFileBytes(odd,
                               "[Paper Size Definitions]\r\nNumber of Paper Sizes=2\r\n"
                               "Paper1 Title=First\r\nPaper1 Available=7\r\nPaper1 Units=inches\r\n"
                               "Paper2 Width=3\r\n"));
    ASSERT_EQ(InitPaperListInRegistry(odd.c_str(), W("Nordwisp Printer")), 1);
    EXPECT_EQ(StoredDword(PaperKey(1), W("Available")), 7u);
    EXPECT_EQ(StoredText(PaperKey(1), W("Units")), u"inches");
    EXPECT_EQ(StoredText(PaperKey(2), W("Title")), u"Unknown Paper Size");
    EXPECT_EQ(StoredDword(PaperKey(2), W("Width")), 3u);
    EXPECT_EQ(StoredDword(PaperKey(2), W("Height")), 1000u);
    EXPECT_EQ(StoredDword(PaperKey(2), W("WindowsPaperCode")), 276u);
    EXPECT_EQ(StoredText(PaperKey(2), W("Units")), u"MM");
}

TEST_F(PaperTest, OutOfRangeSizesRewriteTheTitleWidthFirst) {
    StoreDword(kPapersList, W("Count"), 3);
    // Width 3 is below the inch minimum of 4; the height (also bad) is then not checked.
    StorePaper(1, StoredPaper().Title(W("Tiny")).Size(3, 2).Code(400).Units(W("Inches")));
    StorePaper(2, StoredPaper().Title(W("Tall")).Size(10, 327661).Code(401).Units(W("MM")));
    StorePaper(3, StoredPaper().Title(W("Edge")).Size(4, 129000).Code(402).Units(W("INCHES")));
    const PaperList papers = BuildPaperList(nullptr, record());
    ASSERT_EQ(papers.size(), 3u);
    EXPECT_EQ(Fields(papers[0]), (Paper{W("Error: Invalid paper size (Tiny)"), 400, 1000, 2}));
    EXPECT_EQ(Fields(papers[1]), (Paper{W("Error: Invalid paper size (Tall)"), 401, 10, 1000}));
    EXPECT_EQ(Fields(papers[2]), (Paper{W("Edge"), 402, 4, 129000}));
    // Nothing is written back.
    EXPECT_EQ(StoredText(PaperKey(1), W("Title")), u"Tiny");
    EXPECT_EQ(StoredDword(PaperKey(1), W("Width")), 3u);
}

TEST_F(PaperTest, MissingAndOversizedValuesReadAsTheirDefaults) {
    const WString title63(63, W('t'));
    StoreDword(kPapersList, W("Count"), 4);
    StorePaper(1, StoredPaper().Title(title63.c_str()).Size(100, 100).Code(5).Available(9));
    StorePaper(2, StoredPaper().Title(WString(64, W('u')).c_str()).Units(W("Pixels")).Advanced(3));
    StorePaper(3, StoredPaper().Units(W("points")));
    StorePaper(4, StoredPaper().Title(W("Plain")).Units(W("mm")));
    const PaperList papers = BuildPaperList(nullptr, record());
    ASSERT_EQ(papers.size(), 4u);
    // No "Units" value: millimetres; any flag value but 0 counts as set;
    // a missing code is 276 + position.
    EXPECT_EQ(Fields(papers[0]), (Paper{title63, 5, 100, 100}));
    EXPECT_EQ(Flags(papers[0]), std::make_tuple(kUnitsMillimetres, 1, 0));
    EXPECT_EQ(Fields(papers[1]), (Paper{W("Unknown Paper Size"), 277, 1000, 1000}));
    EXPECT_EQ(Flags(papers[1]), std::make_tuple(kUnitsPixels, 0, 1));
    EXPECT_EQ(WString(TitleOf(papers[2])), W("Unknown Paper Size"));
    EXPECT_EQ(papers[2].nUnits, kUnitsPixels);
    EXPECT_EQ(papers[3].nUnits, kUnitsMillimetres);
}

TEST_F(PaperTest, AMissingSubkeyFailsTheWholeBuild) {
    StoreDword(kPapersList, W("Count"), 3);
    StorePaper(1, StoredPaper().Title(W("One")));
    StorePaper(3, StoredPaper().Title(W("Three")));
    EXPECT_TRUE(BuildPaperList(nullptr, record()).empty());
}

TEST_F(PaperTest, AdvancedListHoldsOnlyUserPapersPacked) {
    StoreDword(kPapersList, W("Count"), 5);
    StorePaper(1, StoredPaper().Title(W("Shipped")).Code(9).Advanced(0));
    StorePaper(2, StoredPaper().Title(W("Mine")).Size(500, 600).Code(300).Advanced(1));
    StorePaper(3, StoredPaper().Title(W("NoFlag")));
    StorePaper(4, StoredPaper().Title(W("Coded later")).Size(500, 600).Advanced(2));
    StorePaper(5, StoredPaper().Title(W("Last")).Size(500, 600).Advanced(1));
    const PaperList papers = BuildAdvancedPaperList(W("Nordwisp Printer"), record());
    ASSERT_EQ(papers.size(), 3u);
    EXPECT_EQ(Fields(papers[0]), (Paper{W("Mine"), 300, 500, 600}));
    // 276 + the papers included before it.
    EXPECT_EQ(Fields(papers[1]), (Paper{W("Coded later"), 277, 500, 600}));
    EXPECT_EQ(papers[1].bAdvancedPaperSize, 1);
    EXPECT_EQ(papers[2].nWindowsPaperCode, 278);
    // Never seeds: another printer's missing list stays missing.
    EXPECT_TRUE(BuildAdvancedPaperList(W("Other Printer"), record()).empty());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PrinterKey(W("Other Printer"), W("PapersList"))));
}

TEST_F(PaperTest, SaveWritesEveryValueInItsEncoding) {
    PaperEntry paper{};
    paper.nWindowsPaperCode = -3;
    paper.sPhysSize = {11, 22};
    SetTitle(paper, W("Saved"));
    paper.bAdvancedPaperSize = 1;
    paper.nUnits = 7;  // anything but 0 and 1 is pixels
    // What is there with other bytes or another type is rewritten.
    StoreText(PaperKey(1), W("Title"), WStringView(W("Saved\0"), 6));
    WriteRaw(HKEY_CURRENT_USER, PaperKey(1), W("Height"), REG_BINARY, DwordBytes(22));
    ASSERT_EQ(SavePaperList(nullptr, &paper, 1, W("Nordwisp Printer")), 1);
    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 1u);
    EXPECT_EQ(StoredText(PaperKey(1), W("Title")), u"Saved");
    EXPECT_EQ(StoredDword(PaperKey(1), W("Height")), 22u);
    EXPECT_EQ(StoredText(PaperKey(1), W("Units")), u"Pixels");
    EXPECT_EQ(StoredDword(PaperKey(1), W("WindowsPaperCode")), 0xFFFFFFFDu);
    EXPECT_EQ(StoredDword(PaperKey(1), W("Available")), 0u);
    // No papers: only a zero count; a null list with a count is refused.
    EXPECT_EQ(SavePaperList(nullptr, nullptr, 0, W("Nordwisp Printer")), 1);
    EXPECT_EQ(StoredDword(kPapersList, W("Count")), 0u);
    EXPECT_EQ(SavePaperList(nullptr, nullptr, 2, W("Nordwisp Printer")), 0);
}

TEST(PaperCodes, NextCodeStartsAfterTheShippedRange) {
    PaperEntry papers[3]{};
    papers[0].nWindowsPaperCode = 9;
    papers[1].nWindowsPaperCode = -500;
    papers[2].nWindowsPaperCode = 276;
    EXPECT_EQ(GetNextPaperCode(papers, 3), 277);
    papers[1].nWindowsPaperCode = 300;
    EXPECT_EQ(GetNextPaperCode(papers, 3), 301);
    EXPECT_EQ(GetNextPaperCode(papers, 0), 0);
    EXPECT_EQ(GetNextPaperCode(nullptr, 3), 0);

    SetTitle(papers[0], W("Envelope DL"));
    EXPECT_EQ(FindPaperByTitle(papers, 3, W("envelope dl")), 1);
    EXPECT_EQ(FindPaperByTitle(papers, 3, W("Envelope")), 0);
    EXPECT_EQ(FindPaperByTitle(papers, 3, nullptr), 0);
}

}  // namespace
}  // namespace nw::test
