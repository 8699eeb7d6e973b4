#include <gtest/gtest.h>

#include <cstring>

#include "accessors/record_bytes.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

using nw::test::ByteAt;
using nw::test::kNullRecordError;
using nw::test::MakeRecord;
using nw::test::OnlyChangedWithin;
using nw::test::PutAt;
using nw::test::ValueAt;

TEST(NumericAccessors, PlainFieldsStoreTheLowBytesAtTheirOffset) {
    const NordwispDEVMODE before = MakeRecord(1777, 0x5A);

    NordwispDEVMODE record = before;
    ASSERT_EQ(SetBarcodeXOffset(&record, -5), 1);
    EXPECT_EQ(ValueAt<int32_t>(record, 6819), -5);
    EXPECT_EQ(GetBarcodeXOffset(&record), -5);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6819, 4));

    record = before;
    ASSERT_EQ(SetQRModuleSize(&record, 0x1234), 1);
    EXPECT_EQ(ByteAt(record, 6835), 0x34);
    EXPECT_EQ(GetQRModuleSize(&record), 0x34);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6835, 1));

    // 16-bit fields come back zero-extended.
    record = before;
    ASSERT_EQ(SetDMAppendChainID(&record, 0xABCDE), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6841), 0xBCDE);
    EXPECT_EQ(GetDMAppendChainID(&record), 0xBCDE);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6841, 2));

    record = before;
    ASSERT_EQ(Set1DHeight(&record, 300), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6861), 300);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6861, 2));

    record = before;
    ASSERT_EQ(SetAnnotationColor(&record, 0x00FF8040u), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 6640), 0x00FF8040u);
    EXPECT_EQ(GetAnnotationColor(&record), 0x00FF8040);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6640, 4));

    record = before;
    ASSERT_EQ(SetBatesFormat(&record, '#'), 1);
    EXPECT_EQ(ByteAt(record, 6670), '#');
    EXPECT_EQ(GetBatesFormat(&record), '#');
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6670, 1));
}

TEST(NumericAccessors, ReadOnlyInstallationFields) {
    NordwispDEVMODE record = MakeRecord(1469);
    PutAt<uint32_t>(record, 6803, 0x80000001u);
    PutAt<uint32_t>(record, 6799, 3);
    EXPECT_EQ(GetPrinterID(&record), static_cast<int>(0x80000001u));
    EXPECT_EQ(GetPrinterType(&record), 3);
    EXPECT_EQ(GetDriverVersion(&record), 1469);
    EXPECT_EQ(GetPrinterID(nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(GetPrinterType(nullptr), 0);
    EXPECT_EQ(GetDriverVersion(nullptr), 0);
}

TEST(NumericAccessors, NullRecordValues) {
    EXPECT_EQ(GetBarcodeType(nullptr), -1000);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(SetBarcodeType(nullptr, 1), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(SetFileFormat(3, nullptr), 0);
    EXPECT_EQ(GetBatesFormat(nullptr), 0x18);
    EXPECT_EQ(GetAnnotationRotation(nullptr), 0);
    EXPECT_EQ(GetNUp(nullptr), 0);
    EXPECT_EQ(GetNUpBorder(nullptr), 0);
    EXPECT_EQ(GetNUpPageOrder(nullptr), 0);
    EXPECT_EQ(GetTextOutputFormat(nullptr), 0);
    EXPECT_EQ(GetTextOutputEncoding(nullptr), 0);
    EXPECT_EQ(GetWatermarkBrightnessLandscape(nullptr), 40);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(nullptr), 40);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(GetFaxOutputMode(nullptr), -1000);
    EXPECT_EQ(GetWatermarkPosition(nullptr, 1), -1000);
    EXPECT_EQ(GetStartApplicationParamCode(nullptr, 0), -1000);
    EXPECT_EQ(SetWatermarkPosition(nullptr, 1, 1), 0);
    EXPECT_EQ(SetStartApplicationParamCode(nullptr, 0, 1), 0);
}

TEST(NumericAccessors, BarcodeUnitKeepsAnEarlierLastError) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint8_t>(record, 6828, 2);
    ASSERT_EQ(GetBarcodeXOffset(nullptr), -1000);
    EXPECT_EQ(GetBarcodeUnit(&record), 2);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);

    ASSERT_EQ(SetBarcodeUnit(&record, 1), 1);
    EXPECT_EQ(ByteAt(record, 6828), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);

    EXPECT_EQ(GetBarcodeUnit(nullptr), -1000);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
}

TEST(NumericAccessors, AnnotationRotationWrapsAndIgnores) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetAnnotationRotation(&record, 270), 1);
    EXPECT_EQ(ValueAt<int32_t>(record, 6636), -90);
    EXPECT_EQ(SetAnnotationRotation(&record, 361), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), -90);
    EXPECT_EQ(SetAnnotationRotation(&record, -361), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), -90);
    ASSERT_EQ(SetAnnotationRotation(&record, 180), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), 180);
    ASSERT_EQ(SetAnnotationRotation(&record, 181), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), -179);
    ASSERT_EQ(SetAnnotationRotation(&record, 360), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), 0);
    ASSERT_EQ(SetAnnotationRotation(&record, -360), 1);
    EXPECT_EQ(GetAnnotationRotation(&record), -360);
}

TEST(NumericAccessors, FlagBitsAsNumbers) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetAnnotationFirstPageOnly(&record, 5), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 6624), 0x2000000u);
    EXPECT_EQ(GetAnnotationFirstPageOnly(&record), 1);
    ASSERT_EQ(SetAnnotationFirstPageOnly(&record, 0), 1);
    EXPECT_EQ(GetAnnotationFirstPageOnly(&record), 0);

    ASSERT_EQ(SetNUpBorder(&record, 9), 1);
    EXPECT_EQ(ByteAt(record, 6864), 0x02);
    EXPECT_EQ(GetNUpBorder(&record), 1);
    ASSERT_EQ(SetNUpPageOrder(&record, 1), 1);
    EXPECT_EQ(ByteAt(record, 6864), 0x03);
    EXPECT_EQ(SetNUpPageOrder(&record, 2), 0);
    EXPECT_EQ(ByteAt(record, 6864), 0x03);
    ASSERT_EQ(SetNUpPageOrder(&record, 0), 1);
    EXPECT_EQ(ByteAt(record, 6864), 0x02);
    EXPECT_EQ(GetNUpPageOrder(&record), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6864, 1));
}

TEST(NumericAccessors, ExistingFileAction) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint32_t>(record, 220, 0x40u);
    ASSERT_EQ(SetExistingFileAction(&record, 0), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x100040u);
    EXPECT_EQ(GetExistingFileAction(&record), 0);
    ASSERT_EQ(SetExistingFileAction(&record, 1), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x20040u);
    EXPECT_EQ(GetExistingFileAction(&record), 1);
    ASSERT_EQ(SetExistingFileAction(&record, 7), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x40u);
    EXPECT_EQ(GetExistingFileAction(&record), 2);
    // Both bits set: merging wins.
    PutAt<uint32_t>(record, 220, 0x120000u);
    EXPECT_EQ(GetExistingFileAction(&record), 0);
}

TEST(NumericAccessors, FaxOutputMode) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint32_t>(record, 220, 0x10000u | 0x1u);
    ASSERT_EQ(SetFaxOutputMode(&record, 7), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x10002u);
    EXPECT_EQ(GetFaxOutputMode(&record), 1);
    ASSERT_EQ(SetFaxOutputMode(&record, 2), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x810000u);
    ASSERT_EQ(SetFaxOutputMode(&record, 3), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x11000u);
    ASSERT_EQ(SetFaxOutputMode(&record, 4), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x10001u);
    EXPECT_EQ(GetFaxOutputMode(&record), 4);
    ASSERT_EQ(SetFaxOutputMode(&record, 0), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 220), 0x10000u);
    EXPECT_EQ(GetFaxOutputMode(&record), 0);
    // Several bits (only a hand-made record has them): the first in order wins.
    PutAt<uint32_t>(record, 220, 0x1001u);
    EXPECT_EQ(GetFaxOutputMode(&record), 3);
    PutAt<uint32_t>(record, 220, 0x800002u);
    EXPECT_EQ(GetFaxOutputMode(&record), 1);
}

TEST(NumericAccessors, RefusedValuesLeaveTheRecordUnchanged) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetNUp(&record, 16), 1);
    EXPECT_EQ(ByteAt(record, 6863), 16);
    const NordwispDEVMODE before = record;
    EXPECT_EQ(SetNUp(&record, 3), 0);
    EXPECT_EQ(SetNUp(&record, -1), 0);
    EXPECT_EQ(SetNUp(&record, 32), 0);
    EXPECT_EQ(SetTextOutputFormat(&record, 4), 0);
    EXPECT_EQ(SetTextOutputEncoding(&record, -1), 0);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);
    EXPECT_EQ(GetNUp(&record), 16);
    // A refusal is no failure of the frame.
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    ASSERT_EQ(SetTextOutputEncoding(&record, 3), 1);
    EXPECT_EQ(ByteAt(record, 6850), 3);
}

TEST(NumericAccessors, WatermarkBrightness) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetWatermarkBrightnessLandscape(&record, 100), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6016), 100);
    EXPECT_EQ(SetWatermarkBrightnessLandscape(&record, 101), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6016), 100);
    ASSERT_EQ(SetWatermarkBrightnessPortrait(&record, 0), 1);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(&record), 0);
    PutAt<uint16_t>(record, 6018, 150);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(&record), 40);
}

TEST(NumericAccessors, ValueFirstSettersWithSubstitutes) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetFileFormat(50, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 224), 19u);
    ASSERT_EQ(SetFileFormat(49, &record), 1);
    EXPECT_EQ(GetFileFormat(&record), 49);
    ASSERT_EQ(SetFileFormat(-1, &record), 1);
    EXPECT_EQ(GetFileFormat(&record), 19);

    ASSERT_EQ(SetFileGenerationMethod(10, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 780), 0u);
    ASSERT_EQ(SetFileGenerationMethod(9, &record), 1);
    EXPECT_EQ(GetFileGenerationMethod(&record), 9);
    PutAt<uint32_t>(record, 780, 12);
    EXPECT_EQ(GetFileGenerationMethod(&record), 0);

    ASSERT_EQ(SetLossRatio(0, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 236), 0u);
    EXPECT_EQ(GetLossRatio(&record), 1);
    ASSERT_EQ(SetLossRatio(101, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 236), 100u);
    PutAt<uint32_t>(record, 236, 500);
    EXPECT_EQ(GetLossRatio(&record), 100);

    ASSERT_EQ(SetBrightness(250, &record), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 244), 250u);
    EXPECT_EQ(GetBrightness(&record), 199);

    ASSERT_EQ(SetPDFCompressionFlags(0x1F0A5, &record), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6652), 0xF0A5);
    EXPECT_EQ(GetPDFCompressionFlags(&record), 0xF0A5);

    ASSERT_EQ(SetPagePhysicalOffsetY(-120, &record), 1);
    EXPECT_EQ(ValueAt<int32_t>(record, 6648), -120);
    ASSERT_EQ(SetDithering(7, &record), 1);
    ASSERT_EQ(SetFaxHeader(3, &record), 1);
    EXPECT_EQ(GetDithering(&record), 7);
    EXPECT_EQ(GetFaxHeader(&record), 3);
}

TEST(NumericAccessors, WatermarkPositionCodes) {
    NordwispDEVMODE record = MakeRecord();
    PutAt<uint32_t>(record, 6012, 0x1u | 0x40u);  // watermark on, landscape stretched to fit
    ASSERT_EQ(SetWatermarkPosition(&record, 272, 1), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 6012), 0x1u | 0x40u | 0x100800u);
    EXPECT_EQ(GetWatermarkPosition(&record, 1), 272);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 1);

    ASSERT_EQ(SetWatermarkPosition(&record, 576, 0), 1);
    EXPECT_EQ(ValueAt<uint32_t>(record, 6012), 0x1u | 0x100800u | 0x810000u);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 576);

    const NordwispDEVMODE before = record;
    EXPECT_EQ(SetWatermarkPosition(&record, 3, 1), 0);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof record), 0);

    // Bits that form no code, and no bits at all, read as 4.
    PutAt<uint32_t>(record, 6012, 0x4u | 0x8u);
    EXPECT_EQ(GetWatermarkPosition(&record, 1), 4);
    PutAt<uint32_t>(record, 6012, 0);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 4);
}

TEST(NumericAccessors, StartParameterCodesBeforeVersion1470) {
    const NordwispDEVMODE before = MakeRecord(1469);
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetStartApplicationParamCode(&record, 8, 5), 1);
    EXPECT_EQ(ByteAt(record, 6670), 5);
    EXPECT_EQ(ByteAt(record, 6671), 0);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 8), 5);
    ASSERT_EQ(SetStartApplicationParamCode(&record, 0, 8), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6654), 8);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6654, 18));

    const NordwispDEVMODE kept = record;
    EXPECT_EQ(SetStartApplicationParamCode(&record, 12, 1), 1);
    EXPECT_EQ(SetStartApplicationParamCode(&record, 1, 9), 1);
    EXPECT_EQ(SetStartApplicationParamCode(&record, -1, 1), 1);
    EXPECT_EQ(std::memcmp(&kept, &record, sizeof record), 0);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 9), 0);
}

TEST(NumericAccessors, StartParameterCodesFromVersion1470) {
    const NordwispDEVMODE before = MakeRecord(1470);
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetStartApplicationParamCode(&record, 8, 16), 1);
    EXPECT_EQ(ByteAt(record, 6851), 16);
    ASSERT_EQ(SetStartApplicationParamCode(&record, 15, 3), 1);
    EXPECT_EQ(ByteAt(record, 6858), 3);
    ASSERT_EQ(SetStartApplicationParamCode(&record, 7, 12), 1);
    EXPECT_EQ(ValueAt<uint16_t>(record, 6668), 12);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 8), 16);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 15), 3);
    // BatesFormat, which the older layout overlays, stays untouched.
    EXPECT_EQ(ByteAt(record, 6670), 0);

    const NordwispDEVMODE kept = record;
    EXPECT_EQ(SetStartApplicationParamCode(&record, 16, 1), 1);
    EXPECT_EQ(SetStartApplicationParamCode(&record, 9, 17), 1);
    EXPECT_EQ(std::memcmp(&kept, &record, sizeof record), 0);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 16), 0);
}

TEST(NumericAccessors, AnnotationFontIsCopiedWhole) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    NW_LOGFONTW font{};
    font.lfHeight = -24;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfCharSet = 0xEE;
    font.lfFaceName[0] = u'A';
    font.lfFaceName[1] = u'r';
    font.lfFaceName[31] = u'z';
    ASSERT_EQ(SetAnnotationFont(&record, font), 1);
    EXPECT_EQ(std::memcmp(nw::test::BytesOf(record) + 6532, &font, 92), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6532, 92));
    const NW_LOGFONTW back = GetAnnotationFont(&record);
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0);
    EXPECT_EQ(SetAnnotationFont(nullptr, font), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);

#if defined(__x86_64__)
    // A null record leaves the caller's result as it was. C++ may return
    // the font through a temporary of its own, so the call is made as the
    // x86-64 conventions make it: the result slot's address comes first.
    using RawCall = void* (*)(void* result, const NordwispDEVMODE* record);
    const auto raw = reinterpret_cast<RawCall>(reinterpret_cast<void (*)()>(&GetAnnotationFont));
    unsigned char slot[sizeof(NW_LOGFONTW)];
    std::memset(slot, 0xA5, sizeof slot);
    EXPECT_EQ(raw(slot, nullptr), static_cast<void*>(slot));
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    unsigned char marker[sizeof(NW_LOGFONTW)];
    std::memset(marker, 0xA5, sizeof marker);
    EXPECT_EQ(std::memcmp(slot, marker, sizeof slot), 0);
    EXPECT_EQ(raw(slot, &record), static_cast<void*>(slot));
    EXPECT_EQ(std::memcmp(slot, &font, sizeof font), 0);
#endif
}

}  // namespace
