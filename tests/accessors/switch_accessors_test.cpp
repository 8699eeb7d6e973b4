#include "support/records.h"

namespace nw::test {
namespace {

constexpr std::size_t kOptions = 220;
using Switch = int (*)(NordwispDEVMODE*);

// Each step's call and the options word it leaves.
void ExpectOptionsAfter(NordwispDEVMODE& record, std::initializer_list<std::pair<Switch, std::uint32_t>> steps) {
    for (const auto& [call, word] : steps) {
        ASSERT_EQ(call(&record), 1);
        EXPECT_EQ(At<std::uint32_t>(record, kOptions), word);
    }
}

TEST(SwitchAccessors, FaxModesExcludeEachOtherAndDisableClearsOnlyItsOwnBit) {
    NordwispDEVMODE record = MakeRecord();
    Put<std::uint32_t>(record, kOptions, 0x1u | 0x40u);  // fax mode 4 and write text
    ExpectOptionsAfter(record, {{Enable200FaxOutput, 0x2u | 0x40u}, {EnableLowFaxOutput, 0x800000u | 0x40u}});
    EXPECT_EQ(Is200FaxOutputEnabled(&record), 0);
    EXPECT_EQ(IsLowFaxOutputEnabled(&record), 1);
    ExpectOptionsAfter(record, {{EnableLowCompatibleFaxOutput, 0x1000u | 0x40u},
                                {DisableLowCompatibleFaxOutput, 0x40u},
                                {EnableLowFaxOutput, 0x800040u},
                                {DisableLowFaxOutput, 0x40u}});
    EXPECT_EQ(IsLowCompatibleFaxOutputEnabled(&record), 0);

    Put<std::uint32_t>(record, kOptions, 0x1u | 0x2u | 0x1000u | 0x800000u);
    // The faxable-image switch is no fax mode and leaves them alone.
    ExpectOptionsAfter(record, {{Disable200FaxOutput, 0x801001u}, {EnableFaxOutput, 0x811001u}});
}

TEST(SwitchAccessors, ReadersOfInvertedSharedAndVersionedBits) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(DisableGroupFile(&record), 1);  // stored inverted
    EXPECT_EQ(At<std::uint8_t>(record, 221), 0x08);
    EXPECT_EQ(IsGroupFileDisabled(&record), 1);
    ASSERT_EQ(EnableGroupFile(&record), 1);
    EXPECT_EQ(At<std::uint8_t>(record, 221), 0x00);
    // Some readers answer the bit's value, not 1.
    ASSERT_EQ(EnableAppendImage(&record), 1);
    EXPECT_EQ(IsAppendImageEnabled(&record), 32);
    EXPECT_EQ(IsMultipageImageEnabled(&record), 1);
    ASSERT_EQ(DisableMultipageImage(&record), 1);
    EXPECT_EQ(IsAppendImageEnabled(&record), 0);
    ASSERT_EQ(EnablePageNumbering(&record), 1);
    EXPECT_EQ(IsPageNumberingEnabled(&record), 8);
    // Eastern characters and Unicode text are one bit.
    ASSERT_EQ(EnableEasternCharSupport(&record), 1);
    EXPECT_EQ(IsUnicodeTextEnabled(&record), 1);
    EXPECT_EQ(At<std::uint32_t>(record, kOptions), 0x88u);
    ASSERT_EQ(DisableUnicodeText(&record), 1);
    EXPECT_EQ(IsEasternCharSupportEnabled(&record), 0);
    // Each PDF compression reader answers for its own bit.
    ASSERT_EQ(EnablePDFFLATCompression(&record), 1);
    EXPECT_EQ(At<std::uint16_t>(record, 6652), 0x200);
    EXPECT_EQ(IsPDFCompressionFLATEnabled(&record), 1);
    EXPECT_EQ(IsPDFCompressionLZWEnabled(&record), 0);
    ASSERT_EQ(EnablePDFCompressionNoCompression(&record), 1);
    EXPECT_EQ(At<std::uint16_t>(record, 6652), 0x220);
    EXPECT_EQ(IsPDFCompressionASCII_HEXEnabled(&record), 0);
}

TEST(SwitchAccessors, AdvancedTextFollowsTextOutputFormatFromVersion1456) {
    NordwispDEVMODE record = MakeRecord();
    record.DM.dmDriverVersion = 1456;
    ASSERT_EQ(EnableAdvancedText(&record), 1);
    EXPECT_EQ(At<std::uint32_t>(record, kOptions), 0x200u);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 0);
    ASSERT_EQ(SetTextOutputFormat(&record, 1), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 1);
    ASSERT_EQ(DisableAdvancedText(&record), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 1);
    ASSERT_EQ(SetTextOutputFormat(&record, 2), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 0);

    record = MakeRecord();
    record.DM.dmDriverVersion = 1455;
    ASSERT_EQ(SetTextOutputFormat(&record, 1), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 0);
    ASSERT_EQ(EnableAdvancedText(&record), 1);
    EXPECT_EQ(IsAdvancedTextEnabled(&record), 1);
}

// One switch of each flag word: the one byte it sets, in its word.
TEST(SwitchAccessors, EnableAndDisableTouchOnlyTheirBit) {
    struct Case {
        Switch enable;
        std::size_t byte;
        std::uint8_t value;
    };
    const Case cases[] = {
        {EnableSaveAsOption, 223, 0x80},
        {EnableStartForMessaging, 776, 0x80},
        {EnableStamp, 6014, 0x08},
        {EnableAnnotationUnitsPixels, 6627, 0x01},
        {EnablePDFCompressionJPEG, 6653, 0x10},
        {Enable1DFixedHeight, 6811, 0x80},
        {EnableMergeWindow, 6859, 0x02},
    };
    for (const Case& c : cases) {
        const NordwispDEVMODE before = MakeRecord();
        NordwispDEVMODE record = before;
        ASSERT_EQ(c.enable(&record), 1);
        EXPECT_EQ(At<std::uint8_t>(record, c.byte), c.value) << c.byte;
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.byte, 1));
    }

    NordwispDEVMODE record = MakeRecord({}, 0xFF);
    const NordwispDEVMODE before = record;
    ASSERT_EQ(DisableWatermarkUniqueFirstPage(&record), 1);
    EXPECT_EQ(At<std::uint32_t>(record, 6012), 0xFFFFFBFFu);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6012, 4));
    ASSERT_EQ(DisableDirFromINIForCustomFileName(&record), 1);
    EXPECT_EQ(At<std::uint16_t>(record, 6859), 0xFFFE);
    EXPECT_EQ(IsWatermarkUniqueFirstPageEnabled(&record), 0);
    EXPECT_EQ(IsWatermarkEnabled(&record), 1);
}

TEST(SwitchAccessors, NullRecordAndTheLastErrorAfterIt) {
    EXPECT_EQ(NW_EXPORT_CALL(EnableWatermark(nullptr)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(IsWatermarkEnabled(nullptr)), (Outcome{-1000, kNullArgument}));
    EXPECT_EQ(IsAdvancedTextEnabled(nullptr), -1000);
    EXPECT_EQ(IsGroupFileDisabled(nullptr), -1000);
    // The barcode readers answer 0.
    for (auto reader : {Is1DFixedHeight, Is1DWriteTextEnabled, IsBarcodeEnabled, IsBarcodeFirstPageOnly,
                        IsBarcodeInsertPage, IsBarcodeTransparent, IsDMAppendEnabled, IsP417Truncated})
        EXPECT_EQ(NW_EXPORT_CALL(reader(nullptr)), (Outcome{0, kNullArgument}));

    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(NW_EXPORT_CALL(IsStampEnabled(&record)), (Outcome{0, 0}));
    ASSERT_EQ(EnableStamp(nullptr), 0);
    EXPECT_EQ(NW_EXPORT_CALL(EnableStamp(&record)), (Outcome{1, 0}));
}

}  // namespace
}  // namespace nw::test
