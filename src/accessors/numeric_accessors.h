// Numeric, enumerated and multi-bit settings of the record, and the page
// geometry fields: one row type, one getter and one setter. A row names its
// field, its setter's range rule, its getter's read rule and the value a
// null record answers.
#pragma once

#include <cstdint>

#include "record/field_bytes.h"
#include "frame/last_error.h"

namespace nw::accessors {

using record::FieldBytes;

enum class SetRule : std::uint8_t {
    Store,         // low bytes stored unchecked
    Substitute,    // outside [low, high] stores `substitute`
    Ignore,        // outside [low, high] leaves the field, still succeeds
    Refuse,        // outside [low, high] leaves the field and fails
    OneOf,         // values below 32 whose bit is in `allowed`; others refused
    WrapDegrees,   // [low, high] accepted, above `substitute` stored less 360; others ignored
    SetsBit,       // non-zero sets `bit`, zero clears it
    ZeroOrOneBit,  // 0 clears `bit`, 1 sets it, others refused
    DpiX,          // the resolution mapping's X DPI stored
    DpiY,          // the resolution mapping's Y DPI stored
    ColorDepth,    // outside [low, high] stores `substitute`; dmBitsPerPel follows
};

enum class GetRule : std::uint8_t {
    Field,   // the field; above `readMax` reads `aboveMax`; 0 reads `zeroReads`
    Bit,     // `bit` as 0 or 1
    DpiX,    // X DPI of the resolution mapping
    DpiY,    // Y DPI of the resolution mapping
};

struct Number {
    FieldBytes field;
    std::int32_t nullValue = kNullRecordValue;
    SetRule set = SetRule::Store;
    std::int32_t low = 0;
    std::int32_t high = 0;
    std::int32_t substitute = 0;
    std::uint32_t bit = 0;      // SetsBit, ZeroOrOneBit and Bit
    std::uint32_t allowed = 0;  // OneOf
    GetRule get = GetRule::Field;
    std::uint32_t readMax = 0xFFFFFFFFu;  // compared with the unsigned field
    std::int32_t aboveMax = 0;
    std::int32_t zeroReads = 0;
};

// In-place operations on a record known not to be null. WriteNumber returns
// false when the row refuses the value (the record is then unchanged).
bool WriteNumber(NordwispDEVMODE* record, const Number& row, std::int32_t value) noexcept;
std::int32_t ReadNumber(const NordwispDEVMODE* record, const Number& row) noexcept;

// The exported frame around them.
int SetNumber(NordwispDEVMODE* record, const Number& row, std::int32_t value) noexcept;
std::int32_t GetNumber(const NordwispDEVMODE* record, const Number& row) noexcept;

// A setting spread over a few bits of one flag word, chosen by a code.
struct ChoiceBits {
    std::int32_t code;
    std::uint32_t bits;
};
struct Choice {
    FieldBytes word;
    std::uint32_t mask;          // every bit the setting owns
    const ChoiceBits* entries;   // tested in this order by the getter
    std::size_t count;
    std::uint32_t unknownBits;   // stored for a code not in the entries
    std::int32_t noneCode;       // read when no entry's bits are set
};

int SetChoice(NordwispDEVMODE* record, const Choice& row, std::int32_t code) noexcept;
std::int32_t GetChoice(const NordwispDEVMODE* record, const Choice& row) noexcept;

// Watermark position codes over the position bits of one orientation.
int SetWatermarkPositionCode(NordwispDEVMODE* record, std::int32_t position, bool portrait) noexcept;
std::int32_t GetWatermarkPositionCode(const NordwispDEVMODE* record, bool portrait) noexcept;

// Start-application parameter codes; their layout changes at driver version 1470.
inline constexpr std::uint16_t kSixteenParamCodesVersion = 1470;
int SetStartParamCode(NordwispDEVMODE* record, std::int32_t index, std::int32_t code) noexcept;
std::int32_t GetStartParamCode(const NordwispDEVMODE* record, std::int32_t index) noexcept;

// The annotation font, copied whole.
int SetAnnotationFontValue(NordwispDEVMODE* record, const NW_LOGFONTW& font) noexcept;
NW_LOGFONTW GetAnnotationFontValue(const NordwispDEVMODE* record) noexcept;

namespace numbers {

inline constexpr std::int32_t kNullBatesFormat = 0x18;

// Plain fields: stored unchecked, read as they are.
inline constexpr Number BarcodeType{.field = NW_FIELD_BYTES(BarcodeType)};
inline constexpr Number OneDBarcodeSubtype{.field = NW_FIELD_BYTES(OneDBarcodeSubtype)};
inline constexpr Number BarcodeAlign{.field = NW_FIELD_BYTES(BarcodeAlign)};
inline constexpr Number BarcodeVertAlign{.field = NW_FIELD_BYTES(BarcodeVertAlign)};
inline constexpr Number BarcodeXOffset{.field = NW_FIELD_BYTES(BarcodeXOffset)};
inline constexpr Number BarcodeYOffset{.field = NW_FIELD_BYTES(BarcodeYOffset)};
inline constexpr Number BarcodeOrientation{.field = NW_FIELD_BYTES(BarcodeOrientation)};
inline constexpr Number BarcodeUnit{.field = NW_FIELD_BYTES(BarcodeUnit)};
inline constexpr Number BarcodeValueSource{.field = NW_FIELD_BYTES(BarcodeValueSource)};
inline constexpr Number OneDMinimalBarWidth{.field = NW_FIELD_BYTES(OneDMinimalBarWidth)};
inline constexpr Number OneDMinimalSpaceWidth{.field = NW_FIELD_BYTES(OneDMinimalSpaceWidth)};
inline constexpr Number OneDRatio{.field = NW_FIELD_BYTES(OneDRatio)};
inline constexpr Number OneDQuietZone{.field = NW_FIELD_BYTES(OneDQuietZone)};
inline constexpr Number OneDHeight{.field = NW_FIELD_BYTES(OneDHeight)};
inline constexpr Number QRErrorCorrectionLevel{.field = NW_FIELD_BYTES(QRErrorCorrectionLevel)};
inline constexpr Number QRModuleSize{.field = NW_FIELD_BYTES(QRModuleSize)};
inline constexpr Number QRQuietZone{.field = NW_FIELD_BYTES(QRQuietZone)};
inline constexpr Number DMModuleSize{.field = NW_FIELD_BYTES(DMModuleSize)};
inline constexpr Number DMQuietZone{.field = NW_FIELD_BYTES(DMQuietZone)};
inline constexpr Number DMAppendIndex{.field = NW_FIELD_BYTES(DMAppendIndex)};
inline constexpr Number DMAppendTotal{.field = NW_FIELD_BYTES(DMAppendTotal)};
inline constexpr Number DMAppendChainID{.field = NW_FIELD_BYTES(DMAppendChainID)};
inline constexpr Number P417ErrorCorrectionLevel{.field = NW_FIELD_BYTES(P417ErrorCorrectionLevel)};
inline constexpr Number P417Columns{.field = NW_FIELD_BYTES(P417Columns)};
inline constexpr Number P417Rows{.field = NW_FIELD_BYTES(P417Rows)};
inline constexpr Number P417ColWidth{.field = NW_FIELD_BYTES(P417ColWidth)};
inline constexpr Number P417ColHeight{.field = NW_FIELD_BYTES(P417ColHeight)};
inline constexpr Number P417QuietZone{.field = NW_FIELD_BYTES(P417QuietZone)};
inline constexpr Number AnnotationOffsetX{.field = NW_FIELD_BYTES(AnnotationOffsetX)};
inline constexpr Number AnnotationOffsetY{.field = NW_FIELD_BYTES(AnnotationOffsetY)};
inline constexpr Number AnnotationColor{.field = NW_FIELD_BYTES(AnnotationColor)};
inline constexpr Number BatesFormat{.field = NW_FIELD_BYTES(BatesFormat), .nullValue = kNullBatesFormat};
inline constexpr Number PDFCompressionFlags{.field = NW_FIELD_BYTES(PDFCompressionFlags)};
inline constexpr Number Dithering{.field = NW_FIELD_BYTES(Dithering)};
inline constexpr Number FaxHeader{.field = NW_FIELD_BYTES(FaxHeader)};
inline constexpr Number PagePhysicalOffsetX{.field = NW_FIELD_BYTES(PagePhysicalOffsetX)};
inline constexpr Number PagePhysicalOffsetY{.field = NW_FIELD_BYTES(PagePhysicalOffsetY)};

// Read-only installation fields.
inline constexpr Number PrinterID{.field = NW_FIELD_BYTES(PrinterID), .nullValue = 0};
inline constexpr Number PrinterType{.field = NW_FIELD_BYTES(PrinterType), .nullValue = 0};
inline constexpr Number DriverVersion{.field = NW_FIELD_BYTES(DM.dmDriverVersion), .nullValue = 0};

// Fields with range rules.
inline constexpr Number AnnotationRotation{.field = NW_FIELD_BYTES(AnnotationRotation),
                                           .nullValue = 0,
                                           .set = SetRule::WrapDegrees,
                                           .low = -360,
                                           .high = 360,
                                           .substitute = 180};
inline constexpr Number AnnotationFirstPageOnly{
    .field = NW_FIELD_BYTES(AnnotationFlags), .set = SetRule::SetsBit, .bit = 0x2000000, .get = GetRule::Bit};
inline constexpr Number NUp{.field = NW_FIELD_BYTES(NUp),
                            .nullValue = 0,
                            .set = SetRule::OneOf,
                            .allowed = (1u << 0) | (1u << 1) | (1u << 2) | (1u << 4) | (1u << 6) | (1u << 8) |
                                       (1u << 9) | (1u << 16)};
inline constexpr Number NUpBorder{
    .field = NW_FIELD_BYTES(NUpFlags), .nullValue = 0, .set = SetRule::SetsBit, .bit = 0x2, .get = GetRule::Bit};
inline constexpr Number NUpPageOrder{
    .field = NW_FIELD_BYTES(NUpFlags), .nullValue = 0, .set = SetRule::ZeroOrOneBit, .bit = 0x1, .get = GetRule::Bit};
inline constexpr Number TextOutputFormat{
    .field = NW_FIELD_BYTES(TextOutputFormat), .nullValue = 0, .set = SetRule::Refuse, .low = 0, .high = 3};
inline constexpr Number TextOutputEncoding{
    .field = NW_FIELD_BYTES(TextOutputEncoding), .nullValue = 0, .set = SetRule::Refuse, .low = 0, .high = 3};
inline constexpr Number WatermarkBrightnessLandscape{.field = NW_FIELD_BYTES(WatermarkBrightnessLandscape),
                                                     .nullValue = 40,
                                                     .set = SetRule::Ignore,
                                                     .low = 0,
                                                     .high = 100,
                                                     .readMax = 100,
                                                     .aboveMax = 40};
inline constexpr Number WatermarkBrightnessPortrait{.field = NW_FIELD_BYTES(WatermarkBrightnessPortrait),
                                                    .nullValue = 40,
                                                    .set = SetRule::Ignore,
                                                    .low = 0,
                                                    .high = 100,
                                                    .readMax = 100,
                                                    .aboveMax = 40};
inline constexpr Number FileFormat{
    .field = NW_FIELD_BYTES(FileFormat), .set = SetRule::Substitute, .low = 0, .high = 49, .substitute = 19};
inline constexpr Number FileGenerationMethod{.field = NW_FIELD_BYTES(FileGenerationMethod),
                                             .set = SetRule::Substitute,
                                             .low = 0,
                                             .high = 9,
                                             .substitute = 0,
                                             .readMax = 9,
                                             .aboveMax = 0};
inline constexpr Number LossRatio{.field = NW_FIELD_BYTES(LossRatio),
                                  .set = SetRule::Substitute,
                                  .low = 0,
                                  .high = 100,
                                  .substitute = 100,
                                  .readMax = 100,
                                  .aboveMax = 100,
                                  .zeroReads = 1};
inline constexpr Number Brightness{.field = NW_FIELD_BYTES(Brightness), .readMax = 199, .aboveMax = 199};

// Existing-file action: 0 merge (0x100000), 1 overwrite (0x20000), else neither.
inline constexpr ChoiceBits kExistingFileActions[] = {{0, 0x100000}, {1, 0x20000}};
inline constexpr Choice ExistingFileAction{NW_FIELD_BYTES(Options), 0x100000 | 0x20000, kExistingFileActions, 2, 0, 2};

// Fax output mode: the four exclusive fax bits of Options; an unknown mode
// selects 200 DPI.
inline constexpr ChoiceBits kFaxOutputModes[] = {{1, 0x2}, {2, 0x800000}, {3, 0x1000}, {4, 0x1}, {0, 0}};
inline constexpr Choice FaxOutputMode{
    NW_FIELD_BYTES(Options), 0x1 | 0x2 | 0x1000 | 0x800000, kFaxOutputModes, 5, 0x2, 0};

}  // namespace numbers

}  // namespace nw::accessors
