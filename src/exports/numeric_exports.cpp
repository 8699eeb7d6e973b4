// Numeric exports: a getter and a setter per row of the numeric table, with
// the setter's argument order of each member.
#include "accessors/numeric_accessors.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispDEVMODE.h"

using namespace nw::accessors;

#define NW_GETTER(name, row) \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record) noexcept { return GetNumber(record, numbers::row); }
// Setter taking (record, value).
#define NW_NUMBER(name, row)                                                      \
    NW_GETTER(name, row)                                                          \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept { \
        return SetNumber(record, numbers::row, value);                            \
    }
// Setter taking (value, record).
#define NW_NUMBER_VALUE_FIRST(name, row)                                          \
    NW_GETTER(name, row)                                                          \
    extern "C" int NW_API Set##name(int value, NordwispDEVMODE* record) noexcept { \
        return SetNumber(record, numbers::row, value);                            \
    }

NW_NUMBER(BarcodeType, BarcodeType)
NW_NUMBER(1DBarcodeSubtype, OneDBarcodeSubtype)
NW_NUMBER(BarcodeAlign, BarcodeAlign)
NW_NUMBER(BarcodeVertAlign, BarcodeVertAlign)
NW_NUMBER(BarcodeXOffset, BarcodeXOffset)
NW_NUMBER(BarcodeYOffset, BarcodeYOffset)
NW_NUMBER(BarcodeOrientation, BarcodeOrientation)
NW_NUMBER(BarcodeValueSource, BarcodeValueSource)
NW_NUMBER(1DMinimalBarWidth, OneDMinimalBarWidth)
NW_NUMBER(1DMinimalSpaceWidth, OneDMinimalSpaceWidth)
NW_NUMBER(1DRatio, OneDRatio)
NW_NUMBER(1DQuietZone, OneDQuietZone)
NW_NUMBER(1DHeight, OneDHeight)
NW_NUMBER(QRErrorCorrectionLevel, QRErrorCorrectionLevel)
NW_NUMBER(QRModuleSize, QRModuleSize)
NW_NUMBER(QRQuietZone, QRQuietZone)
NW_NUMBER(DMModuleSize, DMModuleSize)
NW_NUMBER(DMQuietZone, DMQuietZone)
NW_NUMBER(DMAppendIndex, DMAppendIndex)
NW_NUMBER(DMAppendTotal, DMAppendTotal)
NW_NUMBER(DMAppendChainID, DMAppendChainID)
NW_NUMBER(P417ErrorCorrectionLevel, P417ErrorCorrectionLevel)
NW_NUMBER(P417Columns, P417Columns)
NW_NUMBER(P417Rows, P417Rows)
NW_NUMBER(P417ColWidth, P417ColWidth)
NW_NUMBER(P417ColHeight, P417ColHeight)
NW_NUMBER(P417QuietZone, P417QuietZone)
NW_NUMBER(AnnotationOffsetX, AnnotationOffsetX)
NW_NUMBER(AnnotationOffsetY, AnnotationOffsetY)
NW_NUMBER(AnnotationRotation, AnnotationRotation)
NW_NUMBER(AnnotationFirstPageOnly, AnnotationFirstPageOnly)
NW_NUMBER(NUp, NUp)
NW_NUMBER(NUpBorder, NUpBorder)
NW_NUMBER(NUpPageOrder, NUpPageOrder)
NW_NUMBER(TextOutputFormat, TextOutputFormat)
NW_NUMBER(TextOutputEncoding, TextOutputEncoding)
NW_NUMBER(WatermarkBrightnessLandscape, WatermarkBrightnessLandscape)
NW_NUMBER(WatermarkBrightnessPortrait, WatermarkBrightnessPortrait)

NW_NUMBER_VALUE_FIRST(PDFCompressionFlags, PDFCompressionFlags)
NW_NUMBER_VALUE_FIRST(FileFormat, FileFormat)
NW_NUMBER_VALUE_FIRST(FileGenerationMethod, FileGenerationMethod)
NW_NUMBER_VALUE_FIRST(LossRatio, LossRatio)
NW_NUMBER_VALUE_FIRST(Brightness, Brightness)
NW_NUMBER_VALUE_FIRST(Dithering, Dithering)
NW_NUMBER_VALUE_FIRST(FaxHeader, FaxHeader)
NW_NUMBER_VALUE_FIRST(PagePhysicalOffsetX, PagePhysicalOffsetX)
NW_NUMBER_VALUE_FIRST(PagePhysicalOffsetY, PagePhysicalOffsetY)

NW_GETTER(PrinterID, PrinterID)
NW_GETTER(PrinterType, PrinterType)
NW_GETTER(DriverVersion, DriverVersion)

// Members whose value is not a plain int.
NW_GETTER(AnnotationColor, AnnotationColor)
extern "C" int NW_API SetAnnotationColor(NordwispDEVMODE* record, uint32_t color) noexcept {
    return SetNumber(record, numbers::AnnotationColor, static_cast<int32_t>(color));
}
NW_GETTER(BatesFormat, BatesFormat)
extern "C" int NW_API SetBatesFormat(NordwispDEVMODE* record, char format) noexcept {
    return SetNumber(record, numbers::BatesFormat, static_cast<unsigned char>(format));
}

// The barcode unit keeps an earlier last error when read; its setter stores
// 0 once more after the change.
extern "C" int NW_API GetBarcodeUnit(const NordwispDEVMODE* record) noexcept {
    return nw::FrameKeepingError(numbers::BarcodeUnit.nullValue, record,
                                 [&] { return ReadNumber(record, numbers::BarcodeUnit); });
}
extern "C" int NW_API SetBarcodeUnit(NordwispDEVMODE* record, int unit) noexcept {
    const int result = SetNumber(record, numbers::BarcodeUnit, unit);
    if (result) nw::SetLastErrorValue(0);
    return result;
}

extern "C" int NW_API GetExistingFileAction(const NordwispDEVMODE* record) noexcept {
    return GetChoice(record, numbers::ExistingFileAction);
}
extern "C" int NW_API SetExistingFileAction(NordwispDEVMODE* record, int action) noexcept {
    return SetChoice(record, numbers::ExistingFileAction, action);
}
extern "C" int NW_API GetFaxOutputMode(const NordwispDEVMODE* record) noexcept {
    return GetChoice(record, numbers::FaxOutputMode);
}
extern "C" int NW_API SetFaxOutputMode(NordwispDEVMODE* record, int mode) noexcept {
    return SetChoice(record, numbers::FaxOutputMode, mode);
}

extern "C" int NW_API GetWatermarkPosition(const NordwispDEVMODE* record, int portrait) noexcept {
    return GetWatermarkPositionCode(record, portrait != 0);
}
extern "C" int NW_API SetWatermarkPosition(NordwispDEVMODE* record, int position, int portrait) noexcept {
    return SetWatermarkPositionCode(record, position, portrait != 0);
}

extern "C" int NW_API GetStartApplicationParamCode(const NordwispDEVMODE* record, int index) noexcept {
    return GetStartParamCode(record, index);
}
extern "C" int NW_API SetStartApplicationParamCode(NordwispDEVMODE* record, int index, int code) noexcept {
    return SetStartParamCode(record, index, code);
}

extern "C" NW_LOGFONTW NW_API GetAnnotationFont(const NordwispDEVMODE* record) noexcept {
    return GetAnnotationFontValue(record);
}
extern "C" int NW_API SetAnnotationFont(NordwispDEVMODE* record, NW_LOGFONTW font) noexcept {
    return SetAnnotationFontValue(record, font);
}
