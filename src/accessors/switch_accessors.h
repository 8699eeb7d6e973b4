// Switches: single bits of the record's seven flag words. One row per
// Enable / Disable / Is triple; the exceptions are data of the row.
#pragma once

#include <cstdint>

#include "accessors/field_bytes.h"
#include "frame/last_error.h"

namespace nw::accessors {

// How an Is export reads its switch.
enum class SwitchReading : std::uint8_t {
    Bit,           // whenSet when the bit is set, else 0
    AdvancedText,  // from driver version 1456 on: TextOutputFormat is 1
};

struct Switch {
    FieldBytes word;
    std::uint32_t bit;
    std::uint32_t clearOnEnable = 0;  // sibling bits of an exclusive group
    bool inverted = false;            // the bit means "disabled": Enable clears it
    std::int32_t whenSet = 1;
    std::int32_t nullValue = kNullRecordValue;
    SwitchReading reading = SwitchReading::Bit;
};

// In-place operations on a record known not to be null.
void WriteSwitch(NordwispDEVMODE* record, const Switch& row, bool on) noexcept;
std::int32_t ReadSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept;

// The exported frame around them.
int EnableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept;
int DisableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept;
std::int32_t IsSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept;

// Driver version from which AdvancedText follows TextOutputFormat.
inline constexpr std::uint16_t kAdvancedTextFromFormatVersion = 1456;

namespace switches {

inline constexpr FieldBytes kOptions = NW_FIELD_BYTES(Options);
inline constexpr FieldBytes kStartFlags = NW_FIELD_BYTES(StartFlags);
inline constexpr FieldBytes kWatermarkFlags = NW_FIELD_BYTES(WatermarkFlags);
inline constexpr FieldBytes kAnnotationFlags = NW_FIELD_BYTES(AnnotationFlags);
inline constexpr FieldBytes kPDFCompressionFlags = NW_FIELD_BYTES(PDFCompressionFlags);
inline constexpr FieldBytes kBarcodeFlags = NW_FIELD_BYTES(BarcodeFlags);
inline constexpr FieldBytes kFileNameFlags = NW_FIELD_BYTES(FileNameFlags);

// The four fax modes of Options hold at most one set bit.
inline constexpr std::uint32_t kFaxModeBits = 0x1u | 0x2u | 0x1000u | 0x800000u;

// Options
inline constexpr Switch FaxOutput200{.word = kOptions, .bit = 0x2, .clearOnEnable = kFaxModeBits};
inline constexpr Switch InternetTiffFormat{.word = kOptions, .bit = 0x4};
inline constexpr Switch PageNumbering{.word = kOptions, .bit = 0x8, .whenSet = 8};
inline constexpr Switch ReverseBitOrder{.word = kOptions, .bit = 0x10};
inline constexpr Switch AppendImage{.word = kOptions, .bit = 0x20, .whenSet = 32};
inline constexpr Switch MultipageImage{.word = kOptions, .bit = 0x20};
inline constexpr Switch WriteText{.word = kOptions, .bit = 0x40};
inline constexpr Switch UnicodeText{.word = kOptions, .bit = 0x80};
inline constexpr Switch MailMerge{.word = kOptions, .bit = 0x100};
inline constexpr Switch AdvancedText{.word = kOptions, .bit = 0x200, .reading = SwitchReading::AdvancedText};
inline constexpr Switch DisableImage{.word = kOptions, .bit = 0x400};
inline constexpr Switch GroupFile{.word = kOptions, .bit = 0x800, .inverted = true};
inline constexpr Switch LowCompatibleFaxOutput{.word = kOptions, .bit = 0x1000, .clearOnEnable = kFaxModeBits};
inline constexpr Switch MessagingInterface{.word = kOptions, .bit = 0x2000};
inline constexpr Switch TiffDll{.word = kOptions, .bit = 0x4000};
inline constexpr Switch JpegDll{.word = kOptions, .bit = 0x8000};
inline constexpr Switch FaxOutput{.word = kOptions, .bit = 0x10000};
inline constexpr Switch RotatePaper{.word = kOptions, .bit = 0x40000};
inline constexpr Switch DeleteGroupFile{.word = kOptions, .bit = 0x80000};
inline constexpr Switch KeepExistingFiles{.word = kOptions, .bit = 0x100000};
inline constexpr Switch AdvancedPaperSize{.word = kOptions, .bit = 0x200000};
inline constexpr Switch CustomExtension{.word = kOptions, .bit = 0x400000};
inline constexpr Switch LowFaxOutput{.word = kOptions, .bit = 0x800000, .clearOnEnable = kFaxModeBits};
inline constexpr Switch RedirectPrinting{.word = kOptions, .bit = 0x2000000};
inline constexpr Switch GenerateImageInMemory{.word = kOptions, .bit = 0x4000000};
inline constexpr Switch BatesNumbering{.word = kOptions, .bit = 0x8000000};
inline constexpr Switch InvertImage{.word = kOptions, .bit = 0x10000000};
inline constexpr Switch FlipHorizontal{.word = kOptions, .bit = 0x20000000};
inline constexpr Switch FlipVertical{.word = kOptions, .bit = 0x40000000};
inline constexpr Switch SaveAsOption{.word = kOptions, .bit = 0x80000000};

// StartFlags
inline constexpr Switch StartApplication{.word = kStartFlags, .bit = 0x1};
inline constexpr Switch StartBeforePrint{.word = kStartFlags, .bit = 0x2};
inline constexpr Switch PassParameters{.word = kStartFlags, .bit = 0x4};
inline constexpr Switch StartNormal{.word = kStartFlags, .bit = 0x8};
inline constexpr Switch StartMinimized{.word = kStartFlags, .bit = 0x10};
inline constexpr Switch StartHidden{.word = kStartFlags, .bit = 0x20};
inline constexpr Switch StartForMessaging{.word = kStartFlags, .bit = 0x80};

// WatermarkFlags
inline constexpr Switch Watermark{.word = kWatermarkFlags, .bit = 0x1};
inline constexpr Switch WatermarkOnFirstPageOnly{.word = kWatermarkFlags, .bit = 0x2};
inline constexpr Switch StretchWatermarkToFitPortrait{.word = kWatermarkFlags, .bit = 0x4};
inline constexpr Switch StretchWatermarkToWidthPortrait{.word = kWatermarkFlags, .bit = 0x8};
inline constexpr Switch CenterWatermarkPortrait{.word = kWatermarkFlags, .bit = 0x10};
inline constexpr Switch TileWatermarkPortrait{.word = kWatermarkFlags, .bit = 0x20};
inline constexpr Switch StretchWatermarkToFitLandscape{.word = kWatermarkFlags, .bit = 0x40};
inline constexpr Switch StretchWatermarkToWidthLandscape{.word = kWatermarkFlags, .bit = 0x80};
inline constexpr Switch CenterWatermarkLandscape{.word = kWatermarkFlags, .bit = 0x100};
inline constexpr Switch TileWatermarkLandscape{.word = kWatermarkFlags, .bit = 0x200};
inline constexpr Switch WatermarkUniqueFirstPage{.word = kWatermarkFlags, .bit = 0x400};
inline constexpr Switch Stamp{.word = kWatermarkFlags, .bit = 0x80000};

// AnnotationFlags
inline constexpr Switch Annotation{.word = kAnnotationFlags, .bit = 0x1};
inline constexpr Switch AnnotationText{.word = kAnnotationFlags, .bit = 0x2};
inline constexpr Switch AnnotationDate{.word = kAnnotationFlags, .bit = 0x4};
inline constexpr Switch AnnotationDateFormatMMDDYYYY{.word = kAnnotationFlags, .bit = 0x8};
inline constexpr Switch AnnotationDateFormatMDYY{.word = kAnnotationFlags, .bit = 0x10};
inline constexpr Switch AnnotationDateFormatDDMMYYYY{.word = kAnnotationFlags, .bit = 0x20};
inline constexpr Switch AnnotationDateFormatDDMONYYYY{.word = kAnnotationFlags, .bit = 0x40};
inline constexpr Switch AnnotationDateFormatYYYYMMDD{.word = kAnnotationFlags, .bit = 0x80};
inline constexpr Switch AnnotationDateFormatJULIAN{.word = kAnnotationFlags, .bit = 0x100};
inline constexpr Switch AnnotationTime{.word = kAnnotationFlags, .bit = 0x200};
inline constexpr Switch AnnotationTimeFormat12Hour{.word = kAnnotationFlags, .bit = 0x400};
inline constexpr Switch AnnotationTimeFormat24Hour{.word = kAnnotationFlags, .bit = 0x800};
inline constexpr Switch AnnotationMinutes{.word = kAnnotationFlags, .bit = 0x1000};
inline constexpr Switch AnnotationSeconds{.word = kAnnotationFlags, .bit = 0x2000};
inline constexpr Switch AnnotationTimeZone{.word = kAnnotationFlags, .bit = 0x4000};
inline constexpr Switch TransparentAnnotation{.word = kAnnotationFlags, .bit = 0x8000};
inline constexpr Switch OpaqueAnnotation{.word = kAnnotationFlags, .bit = 0x10000};
inline constexpr Switch TopLeftAnnotationPosition{.word = kAnnotationFlags, .bit = 0x20000};
inline constexpr Switch TopRightAnnotationPosition{.word = kAnnotationFlags, .bit = 0x40000};
inline constexpr Switch CenterAnnotationPosition{.word = kAnnotationFlags, .bit = 0x80000};
inline constexpr Switch BottomLeftAnnotationPosition{.word = kAnnotationFlags, .bit = 0x100000};
inline constexpr Switch BottomRightAnnotationPosition{.word = kAnnotationFlags, .bit = 0x200000};
inline constexpr Switch AnnotationUnitsMM{.word = kAnnotationFlags, .bit = 0x400000};
inline constexpr Switch AnnotationUnitsInch{.word = kAnnotationFlags, .bit = 0x800000};
inline constexpr Switch AnnotationUnitsPixels{.word = kAnnotationFlags, .bit = 0x1000000};

// PDFCompressionFlags (16 bits)
inline constexpr Switch PDFCompressionNoCompression{.word = kPDFCompressionFlags, .bit = 0x20};
inline constexpr Switch PDFASCII_HEXCompression{.word = kPDFCompressionFlags, .bit = 0x40};
inline constexpr Switch PDFASCII_85Compression{.word = kPDFCompressionFlags, .bit = 0x80};
inline constexpr Switch PDFLZWCompression{.word = kPDFCompressionFlags, .bit = 0x100};
inline constexpr Switch PDFFLATCompression{.word = kPDFCompressionFlags, .bit = 0x200};
inline constexpr Switch PDFRUNLENGTHCompression{.word = kPDFCompressionFlags, .bit = 0x400};
inline constexpr Switch PDFCompressionCCITT_FAX{.word = kPDFCompressionFlags, .bit = 0x800};
inline constexpr Switch PDFCompressionJPEG{.word = kPDFCompressionFlags, .bit = 0x1000};

// BarcodeFlags: their readers answer 0, not -1000, for a null record.
inline constexpr Switch Barcode{.word = kBarcodeFlags, .bit = 0x1, .nullValue = 0};
inline constexpr Switch BarcodeFirstPageOnly{.word = kBarcodeFlags, .bit = 0x2, .nullValue = 0};
inline constexpr Switch BarcodeTransparency{.word = kBarcodeFlags, .bit = 0x4, .nullValue = 0};
inline constexpr Switch OneDWriteText{.word = kBarcodeFlags, .bit = 0x8, .nullValue = 0};
inline constexpr Switch DMAppend{.word = kBarcodeFlags, .bit = 0x10, .nullValue = 0};
inline constexpr Switch P417Truncated{.word = kBarcodeFlags, .bit = 0x20, .nullValue = 0};
inline constexpr Switch BarcodeInsertPage{.word = kBarcodeFlags, .bit = 0x40, .nullValue = 0};
inline constexpr Switch OneDFixedHeight{.word = kBarcodeFlags, .bit = 0x80, .nullValue = 0};

// FileNameFlags (16 bits)
inline constexpr Switch DirFromINIForCustomFileName{.word = kFileNameFlags, .bit = 0x1};
inline constexpr Switch MergeWindow{.word = kFileNameFlags, .bit = 0x2};

}  // namespace switches
}  // namespace nw::accessors
