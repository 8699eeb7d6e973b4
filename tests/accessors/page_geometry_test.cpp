#include <gtest/gtest.h>

#include "accessors/record_bytes.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

using nw::test::kNullRecordError;
using nw::test::MakeRecord;
using nw::test::OnlyChangedWithin;
using nw::test::PutAt;
using nw::test::ValueAt;

constexpr std::size_t kPrintQuality = 90;
constexpr std::size_t kYResolution = 96;

TEST(PageGeometry, ResolutionCodesAreStoredAsDpi) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetXDPI(-4, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kPrintQuality), 600);
    EXPECT_EQ(GetXDPI(&record), 600);
    EXPECT_TRUE(OnlyChangedWithin(before, record, kPrintQuality, 2));

    ASSERT_EQ(SetXDPI(-5, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kPrintQuality), 204);
    ASSERT_EQ(SetXDPI(20, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kPrintQuality), 300);
    ASSERT_EQ(SetXDPI(50, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kPrintQuality), 50);

    ASSERT_EQ(SetYDPI(-6, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kYResolution), 196);
    ASSERT_EQ(SetYDPI(-5, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kYResolution), 98);
    ASSERT_EQ(SetYDPI(3001, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kYResolution), 300);
    ASSERT_EQ(SetYDPI(3000, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kYResolution), 3000);
    ASSERT_EQ(SetYDPI(0, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, kYResolution), 300);
    EXPECT_TRUE(OnlyChangedWithin(before, record, kPrintQuality, kYResolution + 2 - kPrintQuality));
    EXPECT_EQ(ValueAt<int16_t>(record, 92), 0);  // dmColor between them
}

TEST(PageGeometry, GettersMapWithoutChangingTheRecord) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<int16_t>(record, kPrintQuality, 49);
    PutAt<int16_t>(record, kYResolution, -6);
    const NordwispDEVMODE before = record;
    EXPECT_EQ(GetXDPI(&record), 300);
    EXPECT_EQ(GetYDPI(&record), 196);
    PutAt<int16_t>(record, kPrintQuality, -6);
    PutAt<int16_t>(record, kYResolution, -1);
    EXPECT_EQ(GetXDPI(&record), 204);
    EXPECT_EQ(GetYDPI(&record), 100);
    PutAt<int16_t>(record, kPrintQuality, 1200);
    EXPECT_EQ(GetXDPI(&record), 1200);
    PutAt<int16_t>(record, kPrintQuality, 49);
    PutAt<int16_t>(record, kYResolution, -6);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
}

TEST(PageGeometry, PaperFieldsChangeNothingElse) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<int16_t>(record, 80, 2970);
    PutAt<int16_t>(record, 82, 2100);
    const NordwispDEVMODE before = record;
    ASSERT_EQ(SetOrientation(2, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, 76), 2);
    EXPECT_EQ(GetPaperLength(&record), 2970);
    EXPECT_EQ(GetPaperWidth(&record), 2100);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 76, 2));

    ASSERT_EQ(SetPaperSize(9, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, 78), 9);
    ASSERT_EQ(SetPaperLength(1000, &record), 1);
    ASSERT_EQ(SetPaperWidth(500, &record), 1);
    EXPECT_EQ(ValueAt<int16_t>(record, 80), 1000);
    EXPECT_EQ(ValueAt<int16_t>(record, 82), 500);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 76, 8));

    // The DEVMODEW fields are signed shorts.
    PutAt<int16_t>(record, 78, -1);
    EXPECT_EQ(GetPaperSize(&record), -1);
}

TEST(PageGeometry, PixelSizes) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetPaperWidthInPixel(4960, &record), 1);
    ASSERT_EQ(SetPaperHeightInPixel(7016, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 248), 4960u);
    EXPECT_EQ(ValueAt<uint32_t>(record, 252), 7016u);
    EXPECT_EQ(GetPageWidthInPixels(&record), 4960);
    EXPECT_EQ(GetPageHeightInPixels(&record), 7016);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 248, 8));
}

TEST(PageGeometry, ColorDepthSetsBitsPerPel) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetColorDepth(2, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 228), 2u);
    EXPECT_EQ(ValueAt<uint32_t>(record, 168), 24u);
    EXPECT_EQ(GetBitsPerPixel(&record), 8);

    ASSERT_EQ(SetColorDepth(0, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 168), 1u);
    EXPECT_EQ(GetBitsPerPixel(&record), 1);

    ASSERT_EQ(SetColorDepth(7, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 228), 3u);
    EXPECT_EQ(ValueAt<uint32_t>(record, 168), 24u);
    EXPECT_EQ(GetBitsPerPixel(&record), 24);
    ASSERT_EQ(SetColorDepth(0, &record), 1);
    ASSERT_EQ(SetColorDepth(-1, &record), 1);
    EXPECT_EQ(GetColorDepth(&record), 3);

    PutAt<uint32_t>(record, 228, 9);
    EXPECT_EQ(GetColorDepth(&record), 3);
    EXPECT_EQ(GetBitsPerPixel(&record), 24);
    PutAt<uint32_t>(record, 228, 1);
    EXPECT_EQ(GetBitsPerPixel(&record), 8);
}

TEST(PageGeometry, NullRecord) {
    int (*const getters[])(const NordwispDEVMODE*) = {
        GetOrientation, GetPaperSize,         GetPaperLength,        GetPaperWidth,  GetXDPI,
        GetYDPI,        GetPageWidthInPixels, GetPageHeightInPixels, GetColorDepth, GetBitsPerPixel,
    };
    for (auto getter : getters) {
        EXPECT_EQ(getter(nullptr), -1000);
        EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    }
    EXPECT_EQ(SetXDPI(300, nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(SetColorDepth(1, nullptr), 0);
    EXPECT_EQ(SetPaperHeightInPixel(1, nullptr), 0);
}

}  // namespace
