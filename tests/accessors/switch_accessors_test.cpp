#include <gtest/gtest.h>

#include "accessors/record_bytes.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

using nw::test::ByteAt;
using nw::test::kNullRecordError;
using nw::test::MakeRecord;
using nw::test::OnlyChangedWithin;
using nw::test::PutAt;
using nw::test::ValueAt;

constexpr std::size_t kOptions = 220;

TEST(SwitchAccessors, FaxModesExcludeEachOther) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint32_t>(record, kOptions, 0x1u | 0x40u);  // fax mode 4 and write text
    ASSERT_EQ(Enable200FaxOutput(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x2u | 0x40u);

    ASSERT_EQ(EnableLowFaxOutput(&record), 1);
    EXPECT_EQ(Is200FaxOutputEnabled(&record), 0);
    EXPECT_EQ(IsLowFaxOutputEnabled(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x800000u | 0x40u);

    ASSERT_EQ(EnableLowCompatibleFaxOutput(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x1000u | 0x40u);

    ASSERT_EQ(DisableLowCompatibleFaxOutput(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x40u);

    ASSERT_EQ(EnableLowFaxOutput(&record), 1);
    ASSERT_EQ(DisableLowFaxOutput(&record), 1);
    EXPECT_EQ(Is200FaxOutputEnabled(&record), 0);
    EXPECT_EQ(IsLowFaxOutputEnabled(&record), 0);
    EXPECT_EQ(IsLowCompatibleFaxOutputEnabled(&record), 0);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x40u);
}

TEST(SwitchAccessors, DisableOfAFaxModeClearsOnlyItsOwnBit) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint32_t>(record, kOptions, 0x1u | 0x2u | 0x1000u | 0x800000u);
    ASSERT_EQ(Disable200FaxOutput(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x1u | 0x1000u | 0x800000u);
    // The faxable-image switch is no fax mode and leaves them alone.
    ASSERT_EQ(EnableFaxOutput(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x1u | 0x1000u | 0x800000u | 0x10000u);
}

TEST(SwitchAccessors, GroupFileBitIsStoredInverted) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(DisableGroupFile(&record), 1);
    EXPECT_EQ(ByteAt(record, 221), 0x08);
    EXPECT_EQ(IsGroupFileDisabled(&record), 1);
    ASSERT_EQ(EnableGroupFile(&record), 1);
    EXPECT_EQ(ByteAt(record, 221), 0x00);
    EXPECT_EQ(IsGroupFileDisabled(&record), 0);
}

TEST(SwitchAccessors, ReadersThatAnswerTheBitValue) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(EnableAppendImage(&record), 1);
    EXPECT_EQ(IsAppendImageEnabled(&record), 32);
    EXPECT_EQ(IsMultipageImageEnabled(&record), 1);
    ASSERT_EQ(DisableMultipageImage(&record), 1);
    EXPECT_EQ(IsAppendImageEnabled(&record), 0);
    EXPECT_EQ(IsMultipageImageEnabled(&record), 0);

    ASSERT_EQ(EnablePageNumbering(&record), 1);
    EXPECT_EQ(IsPageNumberingEnabled(&record), 8);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x8u);
}

TEST(SwitchAccessors, EasternCharSupportAndUnicodeTextAreOneBit) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(EnableEasternCharSupport(&record), 1);
    EXPECT_EQ(IsUnicodeTextEnabled(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x80u);
    ASSERT_EQ(DisableUnicodeText(&record), 1);
    EXPECT_EQ(IsEasternCharSupportEnabled(&record), 0);
}

TEST(SwitchAccessors, AdvancedTextFollowsTextOutputFormatFromVersion1456) {
    NordwispDEVMODE record = MakeRecord(1456);
    ASSERT_EQ(EnableAdvancedText(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, kOptions), 0x200u);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 0);
    ASSERT_EQ(SetTextOutputFormat(&record, 1), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 1);
    ASSERT_EQ(DisableAdvancedText(&record), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 1);
    ASSERT_EQ(SetTextOutputFormat(&record, 2), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 0);

    NordwispDEVMODE older = MakeRecord(1455);
    ASSERT_EQ(SetTextOutputFormat(&older, 1), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&older), 0);
    ASSERT_EQ(EnableAdvancedText(&older), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&older), 1);
}

TEST(SwitchAccessors, EachPdfCompressionReaderAnswersForItsOwnBit) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(EnablePDFFLATCompression(&record), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6652), 0x200);
    EXPECT_EQ(IsPDFCompressionFLATEnabled(&record), 1);
    EXPECT_EQ(IsPDFCompressionLZWEnabled(&record), 0);
    EXPECT_EQ(IsPDFCompressionRUNLENGTHEnabled(&record), 0);

    NordwispDEVMODE other = MakeRecord();
    ASSERT_EQ(EnablePDFCompressionNoCompression(&other), 1);
    EXPECT_EQ(ValueAt<uint16_t>(other, 6652), 0x20);
    EXPECT_EQ(IsPDFCompressionNoCompressionEnabled(&other), 1);
    EXPECT_EQ(IsPDFCompressionASCII_HEXEnabled(&other), 0);
}

// One switch of each flag word: the byte it sets, and nothing outside its word.
TEST(SwitchAccessors, EnableTouchesOnlyItsFlagWord) {
    struct Case {
        int (*enable)(NordwispDEVMODE*);
        std::size_t byte;
        std::uint8_t value;
        std::size_t wordOffset;
        std::size_t wordWidth;
    };
    const Case cases[] = {
        {EnableSaveAsOption, 223, 0x80, 220, 4},
        {EnableStartForMessaging, 776, 0x80, 776, 4},
        {EnableStamp, 6014, 0x08, 6012, 4},
        {EnableAnnotationUnitsPixels, 6627, 0x01, 6624, 4},
        {EnablePDFCompressionJPEG, 6653, 0x10, 6652, 2},
        {Enable1DFixedHeight, 6811, 0x80, 6811, 4},
        {EnableMergeWindow, 6859, 0x02, 6859, 2},
    };
    for (const Case& c : cases) {
        const NordwispDEVMODE before = MakeRecord();
        NordwispDEVMODE record = before;
        ASSERT_EQ(c.enable(&record), 1);
        EXPECT_EQ(ByteAt(record, c.byte), c.value) << c.byte;
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.wordOffset, c.wordWidth));
        EXPECT_EQ(nw::test::ChangedOffsets(before, record).size(), 1u) << c.byte;
    }
}

TEST(SwitchAccessors, DisableClearsOneBitOfAFullWord) {
    NordwispDEVMODE record = MakeRecord(1777, 0xFF);
    const NordwispDEVMODE before = record;
    ASSERT_EQ(DisableWatermarkUniqueFirstPage(&record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 6012), 0xFFFFFBFFu);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6012, 4));
    ASSERT_EQ(DisableDirFromINIForCustomFileName(&record), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6859), 0xFFFE);
    EXPECT_EQ(IsWatermarkUniqueFirstPageEnabled(&record), 0);
    EXPECT_EQ(IsWatermarkEnabled(&record), 1);
}

TEST(SwitchAccessors, NullRecord) {
    EXPECT_EQ(EnableWatermark(nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(DisableFlipVertical(nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(IsWatermarkEnabled(nullptr), -1000);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(IsAdvancedTextEnabled(nullptr), -1000);
    EXPECT_EQ(IsGroupFileDisabled(nullptr), -1000);

    int (*const barcodeReaders[])(const NordwispDEVMODE*) = {
        Is1DFixedHeight,     Is1DWriteTextEnabled, IsBarcodeEnabled,  IsBarcodeFirstPageOnly,
        IsBarcodeInsertPage, IsBarcodeTransparent, IsDMAppendEnabled, IsP417Truncated,
    };
    for (auto reader : barcodeReaders) {
        EXPECT_EQ(reader(nullptr), 0);
        EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    }
}

TEST(SwitchAccessors, SuccessAfterAFailureClearsTheLastError) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(IsStampEnabled(nullptr), -1000);
    EXPECT_EQ(IsStampEnabled(&record), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    ASSERT_EQ(EnableStamp(nullptr), 0);
    EXPECT_EQ(EnableStamp(&record), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

}  // namespace
