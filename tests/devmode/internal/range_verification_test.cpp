// Range verification of records: paper resolution through the cached list,
// pixel sizes, clamps and the output-family rules.
#include <array>
#include <cstring>
#include <tuple>

#include "devmode/range_verification.h"
#include "papers/paper_operations.h"
#include "support/core_printer.h"

namespace {

using namespace nw;
using namespace nw::test;

constexpr std::uint32_t kFaxOutput = 0x10000;
constexpr std::uint32_t kRotatePaper = 0x40000;
constexpr std::uint32_t kMultipage = 0x20;

class VerifyTest : public CorePrinterTest {
protected:
    void SetUp() override {
        CorePrinterTest::SetUp();
        NordwispDEVMODE& r = *record();
        r.DM.dmPaperSize = 9;
        r.DM.dmPaperWidth = 1;
        r.DM.dmPaperLength = 1;
        r.DM.dmScale = 100;
        r.DM.dmOrientation = 1;
        r.DM.dmPrintQuality = 300;
        r.DM.dmYResolution = 300;
        r.FileFormat = 0;
    }
    // Every test rebuilds the cache, as the first verification of a process does.
    void Verify(std::uint32_t caps = 0, int reload = 1) { VerifyDevModeRange(printer(), record(), reload, caps); }
    NordwispDEVMODE& r() { return *record(); }
    // Paper code, width and length, then the page in pixels.
    std::tuple<int, int, int, unsigned, unsigned> Page() {
        return {r().DM.dmPaperSize, r().DM.dmPaperWidth, r().DM.dmPaperLength, r().PageWidthInPixels,
                r().PageHeightInPixels};
    }
};

TEST_F(VerifyTest, A4At300DpiTakesItsSizeFromTheList) {
    r().DM.dmFields = 0;
    Verify();
    // 2100 * 300 / 254 = 2480.3 and 2970 * 300 / 254 = 3507.9 pixels.
    EXPECT_EQ(Page(), std::make_tuple(9, 2100, 2970, 2480u, 3508u));
    EXPECT_EQ(r().DM.dmScale, 100);
    EXPECT_EQ(r().DM.dmFields & 0x2u, 0x2u);
}

TEST_F(VerifyTest, InchPapersConvertToTenthsOfAMillimetre) {
    r().DM.dmPaperSize = 20;  // Envelope #10, 4.12 x 9.5 in
    Verify();
    EXPECT_EQ(Page(), std::make_tuple(20, 1046, 2413, 1236u, 2850u));  // 412 * 2.54 = 1046.48
}

TEST_F(VerifyTest, LandscapeExchangesTheResolutionsUnlessFaxOutputIsOn) {
    r().DM.dmOrientation = 2;
    r().DM.dmPrintQuality = 600;
    Verify();
    // The width at the vertical 300 dpi, 2970 * 600 / 254 = 7015.7 high.
    EXPECT_EQ(Page(), std::make_tuple(9, 2100, 2970, 2480u, 7016u));
    r().Options |= kFaxOutput;
    Verify();
    EXPECT_EQ(Page(), std::make_tuple(9, 2100, 2970, 4961u, 3508u));  // 2100 * 600 / 254 = 4960.6
    EXPECT_EQ(r().Options & kRotatePaper, kRotatePaper);
}

TEST_F(VerifyTest, AnUnknownCodeBecomesUserPaperAndKeepsItsSize) {
    r().DM.dmPaperSize = 500;
    r().DM.dmPaperWidth = 1000;
    r().DM.dmPaperLength = 2000;
    Verify();
    EXPECT_EQ(Page(), std::make_tuple(256, 1000, 2000, 1181u, 2362u));
    // With 256 only the first paper is looked at; it is Letter, code 1.
    Verify();
    EXPECT_EQ(Page(), std::make_tuple(256, 1000, 2000, 1181u, 2362u));
}

TEST_F(VerifyTest, ZeroAndOversizeDimensionsFallBackToLetter) {
    r().DM.dmPaperSize = 500;
    r().DM.dmPaperWidth = 0;
    r().DM.dmPaperLength = 4000;
    r().DM.dmScale = 10000;  // scaled length 400000
    Verify();
    EXPECT_EQ(r().DM.dmPaperWidth * r().DM.dmScale / 100, 2159);
    EXPECT_EQ(r().DM.dmPaperLength * r().DM.dmScale / 100, 2794);
    EXPECT_EQ(r().PageWidthInPixels, 2550u);
    EXPECT_EQ(r().PageHeightInPixels, 3300u);

    // Only the bad one is replaced; the other keeps its scaled value.
    r().DM.dmPaperWidth = 30000;
    r().DM.dmPaperLength = -5;
    r().DM.dmScale = 1000;  // width 300000, length -50
    Verify();
    EXPECT_EQ(r().DM.dmPaperWidth * r().DM.dmScale / 100, 300000);
    EXPECT_EQ(r().DM.dmPaperLength * r().DM.dmScale / 100, 2790);  // 2794 held in millimetres
}

TEST_F(VerifyTest, FaxResolutionsGivePixelsAt204By196ThenAreClamped) {
    r().DM.dmPrintQuality = -6;
    r().DM.dmYResolution = -6;
    r().DM.dmPelsWidth = 0;
    r().DM.dmPelsHeight = 70000;
    r().DM.dmOrientation = 0;
    Verify();
    // 2100 * 204 / 254 = 1686.6 and 2970 * 196 / 254 = 2291.8 pixels.
    EXPECT_EQ(Page(), std::make_tuple(9, 2100, 2970, 1687u, 2292u));
    EXPECT_EQ(std::make_tuple(r().DM.dmPrintQuality, r().DM.dmYResolution, r().DM.dmOrientation),
              std::make_tuple(300, 300, 1));
    EXPECT_EQ(std::make_tuple(r().DM.dmPelsWidth, r().DM.dmPelsHeight), std::make_tuple(2550u, 3300u));
}

TEST_F(VerifyTest, FaxFormatsSetFaxResolutionsAndMultipage) {
    r().FileFormat = 22;
    r().Options = 0x2;  // 200-DPI fax mode, fax output off
    Verify();
    EXPECT_EQ(std::make_tuple(r().DM.dmPrintQuality, r().DM.dmYResolution), std::make_tuple(204, 196));
    EXPECT_EQ(r().Options & 0x2u, 0u);
    EXPECT_EQ(r().Options & (kRotatePaper | kMultipage), kRotatePaper | kMultipage);

    // Not a multipage format: the switch goes off; 44 turns it on.
    r().FileFormat = 11;
    Verify();
    EXPECT_EQ(r().Options & kMultipage, 0u);
    r().FileFormat = 44;
    Verify();
    EXPECT_EQ(r().Options & kMultipage, kMultipage);
}

TEST_F(VerifyTest, StartCodesResetOnAGapARepeatOrAnOversizedCode) {
    using Codes = std::array<int, 16>;  // eight 16-bit codes, then eight bytes
    auto set = [&](const Codes& codes) {
        for (int i = 0; i < 8; ++i) r().StartParamCodes[i] = static_cast<std::uint16_t>(codes[i]);
        for (int i = 8; i < 16; ++i) r().StartParamCodesHigh[i - 8] = static_cast<std::uint8_t>(codes[i]);
    };
    auto stored = [&] {
        Codes codes;
        for (int i = 0; i < 16; ++i) codes[i] = i < 8 ? r().StartParamCodes[i] : r().StartParamCodesHigh[i - 8];
        return codes;
    };
    set({1, 2, 3});
    Verify();
    EXPECT_EQ(stored(), (Codes{1, 2, 3}));
    for (const Codes& codes : {Codes{1, 2, 0, 3}, Codes{4, 4}, Codes{1, 17}, Codes{0, 0, 0, 0, 0, 0, 0, 0, 0, 5}}) {
        set(codes);
        Verify();
        EXPECT_EQ(stored(), (Codes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    }
}

TEST_F(VerifyTest, NumericSettingsOutsideTheirRangesAreReplaced) {
    r().Brightness = 0;
    r().LossRatio = 101;
    r().FaxHeader = 100;
    r().Dithering = 10;
    r().StartFlags = 0x10000000;
    r().FileGenerationMethod = 10;
    r().PDFCompressionFlags = 0x240;
    Verify();
    EXPECT_EQ(std::make_tuple(r().Brightness, r().LossRatio, r().FaxHeader, r().Dithering, r().StartFlags,
                              r().FileGenerationMethod, r().PDFCompressionFlags),
              std::make_tuple(100, 75, 100, 8, 10, 0, 512));

    r().Brightness = 199;
    r().PDFCompressionFlags = 4096;
    Verify();
    EXPECT_EQ(std::make_tuple(r().Brightness, r().PDFCompressionFlags), std::make_tuple(199, 4096));
    r().Brightness = 200;
    Verify();
    EXPECT_EQ(r().Brightness, 100u);
}

TEST_F(VerifyTest, CapabilityFlagsChooseTheOutputFamily) {
    r().FileFormat = 10;
    r().ColorDepth = 3;
    Verify(0x1);
    EXPECT_EQ(std::make_tuple(r().FileFormat, r().DM.dmColor, r().ColorDepth, r().DM.dmBitsPerPel),
              std::make_tuple(4, 1, 0, 1));

    Verify(0x2 | 0x1);
    EXPECT_EQ(r().FileFormat, 18u);
    EXPECT_EQ(r().DM.dmColor, 1);  // bit 1 decides the colour

    r().FileFormat = 49;
    Verify(0x800);
    EXPECT_EQ(std::make_tuple(r().FileFormat, r().DM.dmColor, r().ColorDepth, r().DM.dmBitsPerPel),
              std::make_tuple(16, 2, 3, 24));

    r().FileFormat = 37;
    Verify(0x4);
    EXPECT_EQ(r().FileFormat, 20u);
    r().FileFormat = 38;
    Verify(0x4);
    EXPECT_EQ(r().FileFormat, 38u);
}

TEST_F(VerifyTest, TheCachedListIsRebuiltOnlyWhenAsked) {
    Verify();
    const int code = papers::AddPaper(record(), W("Label"), 1000, 500, 1);
    ASSERT_EQ(code, 277);
    r().DM.dmPaperSize = static_cast<std::int16_t>(code);
    r().DM.dmPaperWidth = 700;
    Verify(0, 0);
    EXPECT_EQ(std::make_tuple(r().DM.dmPaperSize, r().DM.dmPaperWidth), std::make_tuple(256, 700));
    r().DM.dmPaperSize = static_cast<std::int16_t>(code);
    Verify(0, 1);
    EXPECT_EQ(std::make_tuple(r().DM.dmPaperSize, r().DM.dmPaperWidth, r().DM.dmPaperLength),
              std::make_tuple(277, 1000, 500));
}

TEST_F(VerifyTest, ANullRecordChangesNothingAndTheLastErrorStays) {
    SetLastErrorValue(183);
    VerifyDevModeRange(printer(), nullptr, 1, 0);
    Verify();
    EXPECT_EQ(LastErrorValue(), 183u);
}

}  // namespace
