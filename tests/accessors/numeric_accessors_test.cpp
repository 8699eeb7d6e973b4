#include "support/records.h"

namespace nw::test {
namespace {

TEST(NumericAccessors, PlainFieldsStoreTheLowBytesAtTheirOffset) {
    const NordwispDEVMODE before = MakeRecord({}, 0x5A);
    struct Case {
        int (*set)(NordwispDEVMODE*, int);
        int (*get)(const NordwispDEVMODE*);
        int value;
        std::size_t offset;
        std::size_t width;
        int stored;  // the field, and what the getter answers
    };
    const Case cases[] = {
        {SetBarcodeXOffset, GetBarcodeXOffset, -5, 6819, 4, -5},
        {SetQRModuleSize, GetQRModuleSize, 0x1234, 6835, 1, 0x34},
        {SetDMAppendChainID, GetDMAppendChainID, 0xABCDE, 6841, 2, 0xBCDE},  // zero-extended
        {Set1DHeight, Get1DHeight, 300, 6861, 2, 300},
        {[](NordwispDEVMODE* r, int v) { return SetAnnotationColor(r, static_cast<std::uint32_t>(v)); },
         GetAnnotationColor, 0x00FF8040, 6640, 4, 0x00FF8040},
        {[](NordwispDEVMODE* r, int v) { return SetBatesFormat(r, static_cast<char>(v)); }, GetBatesFormat, '#', 6670,
         1, '#'},
    };
    for (const Case& c : cases) {
        NordwispDEVMODE record = before;
        ASSERT_EQ(c.set(&record, c.value), 1);
        std::int32_t field = 0;
        std::memcpy(&field, BytesOf(record) + c.offset, c.width);
        EXPECT_EQ(c.width == 4 ? field : field & ((1 << (8 * c.width)) - 1), c.stored) << c.offset;
        EXPECT_EQ(c.get(&record), c.stored) << c.offset;
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, c.width));
    }
}

TEST(NumericAccessors, ReadOnlyInstallationFields) {
    NordwispDEVMODE record = MakeRecord();
    record.DM.dmDriverVersion = 1469;
    Put<std::uint32_t>(record, 6803, 0x80000001u);
    Put<std::uint32_t>(record, 6799, 3);
    EXPECT_EQ(GetPrinterID(&record), static_cast<int>(0x80000001u));
    EXPECT_EQ(GetPrinterType(&record), 3);
    EXPECT_EQ(GetDriverVersion(&record), 1469);
}

TEST(NumericAccessors, NullRecordValues) {
    for (auto getter : {GetPrinterID, GetPrinterType, GetDriverVersion, GetAnnotationRotation, GetNUp, GetNUpBorder,
                        GetNUpPageOrder, GetTextOutputFormat, GetTextOutputEncoding})
        EXPECT_EQ(NW_EXPORT_CALL(getter(nullptr)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(GetBarcodeType(nullptr)), (Outcome{-1000, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(SetBarcodeType(nullptr, 1)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(SetFileFormat(3, nullptr), 0);
    EXPECT_EQ(GetBatesFormat(nullptr), 0x18);
    EXPECT_EQ(GetWatermarkBrightnessLandscape(nullptr), 40);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(nullptr), 40);
    EXPECT_EQ(GetFaxOutputMode(nullptr), -1000);
    EXPECT_EQ(GetWatermarkPosition(nullptr, 1), -1000);
    EXPECT_EQ(GetStartApplicationParamCode(nullptr, 0), -1000);
    EXPECT_EQ(SetWatermarkPosition(nullptr, 1, 1), 0);
    EXPECT_EQ(SetStartApplicationParamCode(nullptr, 0, 1), 0);
    NW_LOGFONTW font{};
    EXPECT_EQ(NW_EXPORT_CALL(SetAnnotationFont(nullptr, font)), (Outcome{0, kNullArgument}));
}

TEST(NumericAccessors, BarcodeUnitGetterKeepsAnEarlierLastError) {
    NordwispDEVMODE record = MakeRecord();
    Put<std::uint8_t>(record, 6828, 2);
    ASSERT_EQ(GetBarcodeXOffset(nullptr), -1000);
    EXPECT_EQ(NW_EXPORT_CALL(GetBarcodeUnit(&record)), (Outcome{2, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(SetBarcodeUnit(&record, 1)), (Outcome{1, 0}));
    EXPECT_EQ(At<std::uint8_t>(record, 6828), 1);
    EXPECT_EQ(NW_EXPORT_CALL(GetBarcodeUnit(nullptr)), (Outcome{-1000, kNullArgument}));
}

TEST(NumericAccessors, AnnotationRotationWrapsAndIgnores) {
    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(FieldAfter<std::int32_t>(SetAnnotationRotation(&record, 270), record, 6636), -90);
    // The degrees given and the rotation read back.
    const std::pair<int, int> cases[] = {{361, -90}, {-361, -90}, {180, 180}, {181, -179}, {360, 0}, {-360, -360}};
    for (auto [degrees, stored] : cases) {
        ASSERT_EQ(SetAnnotationRotation(&record, degrees), 1);
        EXPECT_EQ(GetAnnotationRotation(&record), stored) << degrees;
    }
}

TEST(NumericAccessors, FlagBitsAsNumbers) {
    const NordwispDEVMODE before = MakeRecord();
    NordwispDEVMODE record = before;
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetAnnotationFirstPageOnly(&record, 5), record, 6624), 0x2000000u);
    EXPECT_EQ(GetAnnotationFirstPageOnly(&record), 1);
    ASSERT_EQ(SetAnnotationFirstPageOnly(&record, 0), 1);
    EXPECT_EQ(GetAnnotationFirstPageOnly(&record), 0);

    EXPECT_EQ(FieldAfter<std::uint8_t>(SetNUpBorder(&record, 9), record, 6864), 0x02);
    EXPECT_EQ(GetNUpBorder(&record), 1);
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetNUpPageOrder(&record, 1), record, 6864), 0x03);
    EXPECT_EQ(SetNUpPageOrder(&record, 2), 0);
    EXPECT_EQ(At<std::uint8_t>(record, 6864), 0x03);
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetNUpPageOrder(&record, 0), record, 6864), 0x02);
    EXPECT_EQ(GetNUpPageOrder(&record), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6864, 1));
}

TEST(NumericAccessors, ExistingFileActionAndFaxOutputModeAreBitsOfTheOptions) {
    NordwispDEVMODE record = MakeRecord();
    Put<std::uint32_t>(record, 220, 0x40u);
    const std::pair<int, std::uint32_t> actions[] = {{0, 0x100040u}, {1, 0x20040u}, {7, 0x40u}};
    for (auto [action, options] : actions) {
        EXPECT_EQ(FieldAfter<std::uint32_t>(SetExistingFileAction(&record, action), record, 220), options);
        EXPECT_EQ(GetExistingFileAction(&record), action == 7 ? 2 : action);
    }
    Put<std::uint32_t>(record, 220, 0x120000u);
    EXPECT_EQ(GetExistingFileAction(&record), 0);  // both bits set: merging wins

    Put<std::uint32_t>(record, 220, 0x10000u | 0x1u);
    const std::pair<int, std::uint32_t> modes[] = {
        {7, 0x10002u}, {2, 0x810000u}, {3, 0x11000u}, {4, 0x10001u}, {0, 0x10000u}};
    for (auto [mode, options] : modes)
        EXPECT_EQ(FieldAfter<std::uint32_t>(SetFaxOutputMode(&record, mode), record, 220), options) << mode;
    EXPECT_EQ(GetFaxOutputMode(&record), 0);
    Put<std::uint32_t>(record, 220, 0x10002u);
    EXPECT_EQ(GetFaxOutputMode(&record), 1);
    Put<std::uint32_t>(record, 220, 0x10001u);
    EXPECT_EQ(GetFaxOutputMode(&record), 4);
    // Several bits (only a hand-made record has them): the first in order wins.
    Put<std::uint32_t>(record, 220, 0x1001u);
    EXPECT_EQ(GetFaxOutputMode(&record), 3);
    Put<std::uint32_t>(record, 220, 0x800002u);
    EXPECT_EQ(GetFaxOutputMode(&record), 1);
}

TEST(NumericAccessors, RefusedValuesLeaveTheRecordUnchanged) {
    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetNUp(&record, 16), record, 6863), 16);
    const NordwispDEVMODE before = record;
    EXPECT_EQ(SetNUp(&record, 3), 0);
    EXPECT_EQ(SetNUp(&record, -1), 0);
    EXPECT_EQ(SetNUp(&record, 32), 0);
    EXPECT_EQ(SetTextOutputFormat(&record, 4), 0);
    // A refusal is no failure of the frame.
    EXPECT_EQ(NW_EXPORT_CALL(SetTextOutputEncoding(&record, -1)), (Outcome{0, 0}));
    EXPECT_TRUE(SameBytes(before, record));
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetTextOutputEncoding(&record, 3), record, 6850), 3);
}

TEST(NumericAccessors, ValueFirstSettersWithSubstitutes) {
    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetWatermarkBrightnessLandscape(&record, 100), record, 6016), 100);
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetWatermarkBrightnessLandscape(&record, 101), record, 6016), 100);
    ASSERT_EQ(SetWatermarkBrightnessPortrait(&record, 0), 1);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(&record), 0);
    Put<std::uint16_t>(record, 6018, 150);
    EXPECT_EQ(GetWatermarkBrightnessPortrait(&record), 40);

    EXPECT_EQ(FieldAfter<std::uint32_t>(SetFileFormat(50, &record), record, 224), 19u);
    ASSERT_EQ(SetFileFormat(49, &record), 1);
    EXPECT_EQ(GetFileFormat(&record), 49);
    ASSERT_EQ(SetFileFormat(-1, &record), 1);
    EXPECT_EQ(GetFileFormat(&record), 19);

    EXPECT_EQ(FieldAfter<std::uint32_t>(SetFileGenerationMethod(10, &record), record, 780), 0u);
    ASSERT_EQ(SetFileGenerationMethod(9, &record), 1);
    EXPECT_EQ(GetFileGenerationMethod(&record), 9);
    Put<std::uint32_t>(record, 780, 12);
    EXPECT_EQ(GetFileGenerationMethod(&record), 0);

    EXPECT_EQ(FieldAfter<std::uint32_t>(SetLossRatio(0, &record), record, 236), 0u);
    EXPECT_EQ(GetLossRatio(&record), 1);
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetLossRatio(101, &record), record, 236), 100u);
    Put<std::uint32_t>(record, 236, 500);
    EXPECT_EQ(GetLossRatio(&record), 100);

    EXPECT_EQ(FieldAfter<std::uint32_t>(SetBrightness(250, &record), record, 244), 250u);
    EXPECT_EQ(GetBrightness(&record), 199);
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetPDFCompressionFlags(0x1F0A5, &record), record, 6652), 0xF0A5);
    EXPECT_EQ(GetPDFCompressionFlags(&record), 0xF0A5);
    EXPECT_EQ(FieldAfter<std::int32_t>(SetPagePhysicalOffsetY(-120, &record), record, 6648), -120);
    ASSERT_EQ(SetDithering(7, &record), 1);
    ASSERT_EQ(SetFaxHeader(3, &record), 1);
    EXPECT_EQ(GetDithering(&record), 7);
    EXPECT_EQ(GetFaxHeader(&record), 3);
}

TEST(NumericAccessors, WatermarkPositionCodes) {
    NordwispDEVMODE record = MakeRecord();
    Put<std::uint32_t>(record, 6012, 0x1u | 0x40u);  // watermark on, landscape stretched to fit
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetWatermarkPosition(&record, 272, 1), record, 6012), 0x100841u);
    EXPECT_EQ(GetWatermarkPosition(&record, 1), 272);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 1);
    EXPECT_EQ(FieldAfter<std::uint32_t>(SetWatermarkPosition(&record, 576, 0), record, 6012), 0x910801u);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 576);
    const NordwispDEVMODE before = record;
    EXPECT_EQ(SetWatermarkPosition(&record, 3, 1), 0);
    EXPECT_TRUE(SameBytes(before, record));
    // Bits that form no code, and no bits at all, read as 4.
    Put<std::uint32_t>(record, 6012, 0x4u | 0x8u);
    EXPECT_EQ(GetWatermarkPosition(&record, 1), 4);
    Put<std::uint32_t>(record, 6012, 0);
    EXPECT_EQ(GetWatermarkPosition(&record, 0), 4);
}

TEST(NumericAccessors, StartParameterCodesInBothLayouts) {
    NordwispDEVMODE record = MakeRecord();
    record.DM.dmDriverVersion = 1469;
    NordwispDEVMODE before = record;
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetStartApplicationParamCode(&record, 8, 5), record, 6670), 5);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 8), 5);
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetStartApplicationParamCode(&record, 0, 8), record, 6654), 8);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6654, 18));
    before = record;
    EXPECT_EQ(SetStartApplicationParamCode(&record, 12, 1), 1);  // ignored
    EXPECT_EQ(SetStartApplicationParamCode(&record, 1, 9), 1);
    EXPECT_EQ(SetStartApplicationParamCode(&record, -1, 1), 1);
    EXPECT_TRUE(SameBytes(before, record));
    EXPECT_EQ(GetStartApplicationParamCode(&record, 9), 0);

    record = MakeRecord();
    record.DM.dmDriverVersion = 1470;
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetStartApplicationParamCode(&record, 8, 16), record, 6851), 16);
    EXPECT_EQ(FieldAfter<std::uint8_t>(SetStartApplicationParamCode(&record, 15, 3), record, 6858), 3);
    EXPECT_EQ(FieldAfter<std::uint16_t>(SetStartApplicationParamCode(&record, 7, 12), record, 6668), 12);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 8), 16);
    EXPECT_EQ(GetStartApplicationParamCode(&record, 15), 3);
    EXPECT_EQ(At<std::uint8_t>(record, 6670), 0);  // BatesFormat, which the older layout overlays
    before = record;
    EXPECT_EQ(SetStartApplicationParamCode(&record, 16, 1), 1);
    EXPECT_EQ(SetStartApplicationParamCode(&record, 9, 17), 1);
    EXPECT_TRUE(SameBytes(before, record));
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
    font.lfFaceName[31] = u'z';
    ASSERT_EQ(SetAnnotationFont(&record, font), 1);
    EXPECT_EQ(std::memcmp(BytesOf(record) + 6532, &font, 92), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6532, 92));
    const NW_LOGFONTW back = GetAnnotationFont(&record);
    EXPECT_EQ(std::memcmp(&back, &font, sizeof font), 0);
    EXPECT_EQ(NW_EXPORT_CALL(SetAnnotationFont(nullptr, font)), (Outcome{0, kNullArgument}));

#if defined(__x86_64__)
    // A null record leaves the caller's result as it was. C++ may return
    // the font through a temporary of its own, so the call is made as the
    // x86-64 conventions make it: the result slot's address comes first.
    using RawCall = void* (*)(void* result, const NordwispDEVMODE* record);
    const auto raw = reinterpret_cast<RawCall>(reinterpret_cast<void (*)()>(&GetAnnotationFont));
    unsigned char slot[sizeof(NW_LOGFONTW)];
    std::memset(slot, 0xA5, sizeof slot);
    EXPECT_EQ(raw(slot, nullptr), static_cast<void*>(slot));
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    unsigned char marker[sizeof(NW_LOGFONTW)];
    std::memset(marker, 0xA5, sizeof marker);
    EXPECT_EQ(std::memcmp(slot, marker, sizeof slot), 0);
    EXPECT_EQ(raw(slot, &record), static_cast<void*>(slot));
    EXPECT_EQ(std::memcmp(slot, &font, sizeof font), 0);
#endif
}

}  // namespace
}  // namespace nw::test
