#include <array>

#include "support/records.h"

namespace nw::test {
namespace {

constexpr std::size_t kPrintQuality = 90;
constexpr std::size_t kYResolution = 96;

TEST(PageGeometry, ResolutionCodesAreStoredAsDpi) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    EXPECT_EQ(FieldAfter<std::int16_t>(SetXDPI(-4, &record), record, kPrintQuality), 600);
    EXPECT_EQ(GetXDPI(&record), 600);
    EXPECT_TRUE(OnlyChangedWithin(before, record, kPrintQuality, 2));
    const std::pair<int, int> xs[] = {{-5, 204}, {20, 300}, {50, 50}};
    for (auto [dpi, stored] : xs)
        EXPECT_EQ(FieldAfter<std::int16_t>(SetXDPI(dpi, &record), record, kPrintQuality), stored);
    const std::pair<int, int> ys[] = {{-6, 196}, {-5, 98}, {3001, 300}, {3000, 3000}, {0, 300}};
    for (auto [dpi, stored] : ys)
        EXPECT_EQ(FieldAfter<std::int16_t>(SetYDPI(dpi, &record), record, kYResolution), stored);
    EXPECT_TRUE(OnlyChangedWithin(before, record, kPrintQuality, kYResolution + 2 - kPrintQuality));
    EXPECT_EQ(At<std::int16_t>(record, 92), 0);  // dmColor between them
}

TEST(PageGeometry, GettersMapWithoutChangingTheRecord) {
    NordwispDEVMODE record = MakeRecord();
    // Stored X and Y, and the X and Y dpi read.
    const std::array<int, 4> cases[] = {{49, -6, 300, 196}, {-6, -1, 204, 100}, {1200, -1, 1200, 100}};
    for (const auto& [x, y, readX, readY] : cases) {
        Put<std::int16_t>(record, kPrintQuality, static_cast<std::int16_t>(x));
        Put<std::int16_t>(record, kYResolution, static_cast<std::int16_t>(y));
        const NordwispDEVMODE before = record;
        EXPECT_EQ(GetXDPI(&record), readX) << x;
        EXPECT_EQ(GetYDPI(&record), readY) << y;
        EXPECT_TRUE(SameBytes(before, record));
    }
}

TEST(PageGeometry, PaperAndPixelFieldsChangeNothingElse) {
    NordwispDEVMODE record = MakeRecord();
    Put<std::int16_t>(record, 80, 2970);
    Put<std::int16_t>(record, 82, 2100);
    const NordwispDEVMODE before = record;
    EXPECT_EQ(FieldAfter<std::int16_t>(SetOrientation(2, &record), record, 76), 2);
    EXPECT_EQ(GetPaperLength(&record), 2970);
    EXPECT_EQ(GetPaperWidth(&record), 2100);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 76, 2));
    EXPECT_EQ(FieldAfter<std::int16_t>(SetPaperSize(9, &record), record, 78), 9);
    EXPECT_EQ(FieldAfter<std::int16_t>(SetPaperLength(1000, &record), record, 80), 1000);
    EXPECT_EQ(FieldAfter<std::int16_t>(SetPaperWidth(500, &record), record, 82), 500);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 76, 8));
    Put<std::int16_t>(record, 78, -1);
    EXPECT_EQ(GetPaperSize(&record), -1);  // the DEVMODEW fields are signed shorts

    const NordwispDEVMODE paperSet = record;
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetPaperWidthInPixel(4960, &record), record, 248), 4960u);
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetPaperHeightInPixel(7016, &record), record, 252), 7016u);
    EXPECT_EQ(GetPageWidthInPixels(&record), 4960);
    EXPECT_EQ(GetPageHeightInPixels(&record), 7016);
    EXPECT_TRUE(OnlyChangedWithin(paperSet, record, 248, 8));
}

TEST(PageGeometry, ColorDepthSetsBitsPerPel) {
    NordwispDEVMODE record = MakeRecord();
    // Depth given, then the depth and bits per pel stored and the bits read.
    const std::array<int, 4> cases[] = {{2, 2, 24, 8}, {0, 0, 1, 1}, {7, 3, 24, 24}, {0, 0, 1, 1}};
    for (const auto& [depth, stored, bitsPerPel, read] : cases) {
        EXPECT_EQ(FieldAfter<std::uint32_t>(SetColorDepth(depth, &record), record, 228), stored) << depth;
        EXPECT_EQ(At<std::uint32_t>(record, 168), static_cast<std::uint32_t>(bitsPerPel)) << depth;
        EXPECT_EQ(GetBitsPerPixel(&record), read) << depth;
    }
    ASSERT_EQ(SetColorDepth(-1, &record), 1);
    EXPECT_EQ(GetColorDepth(&record), 3);
    Put<std::uint32_t>(record, 228, 9);
    EXPECT_EQ(GetColorDepth(&record), 3);
    EXPECT_EQ(GetBitsPerPixel(&record), 24);
    Put<std::uint32_t>(record, 228, 1);
    EXPECT_EQ(GetBitsPerPixel(&record), 8);
}

TEST(PageGeometry, NullRecord) {
    for (auto getter : {GetOrientation, GetPaperSize, GetPaperLength, GetPaperWidth, GetXDPI, GetYDPI,
                        GetPageWidthInPixels, GetPageHeightInPixels, GetColorDepth, GetBitsPerPixel})
        EXPECT_EQ(NW_EXPORT_CALL(getter(nullptr)), (Outcome{-1000, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(SetXDPI(300, nullptr)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(SetColorDepth(1, nullptr), 0);
    EXPECT_EQ(SetPaperHeightInPixel(1, nullptr), 0);
}

}  // namespace
}  // namespace nw::test
