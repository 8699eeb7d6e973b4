// Switches: single bits of the record's seven flag words. One row per
// Enable / Disable / Is triple; the exceptions are data of the row.
#pragma once

#include <cstdint>

#include "record/field_bytes.h"
#include "frame/last_error.h"

namespace nw::accessors {

using record::FieldBytes;

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

#define NW_SWITCH(row, stem, isName, ...) inline constexpr Switch row{__VA_ARGS__};
#include "accessors/switches.def"

}  // namespace switches
}  // namespace nw::accessors
