// Switches: single bits of the record's seven flag words. One row per
// Enable / Disable / Is triple; the exceptions are data of the row.
#pragma once

#include <cstdint>

#include "frame/export_frame.h"
#include "frame/last_error.h"
#include "record/field_bytes.h"
#include "record/record.h"

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

// Driver version from which AdvancedText follows TextOutputFormat.
inline constexpr std::uint16_t kAdvancedTextFromFormatVersion = 1456;
inline constexpr FieldBytes kTextOutputFormat = NW_FIELD_BYTES(TextOutputFormat);

// In-place operations on a record known not to be null, and the exported
// frame around them. Inline, as the numeric ones: each export becomes its
// row's few instructions.
[[gnu::always_inline]] inline void WriteSwitch(NordwispDEVMODE* record, const Switch& row, bool on) noexcept {
    std::uint32_t word = row.word.ReadBits(record);
    if (on != row.inverted) {
        word = (word & ~row.clearOnEnable) | row.bit;
    } else {
        word &= ~row.bit;
    }
    row.word.Write(record, word);
}

[[gnu::always_inline]] inline std::int32_t ReadSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept {
    if (row.reading == SwitchReading::AdvancedText &&
        record::DriverVersion.Get(record) >= kAdvancedTextFromFormatVersion)
        return kTextOutputFormat.Read(record) == 1 ? 1 : 0;
    return (row.word.ReadBits(record) & row.bit) != 0 ? row.whenSet : 0;
}

[[gnu::always_inline]] inline int EnableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(0, record, [&]() NW_INLINED { WriteSwitch(record, row, true); });
}

[[gnu::always_inline]] inline int DisableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(0, record, [&]() NW_INLINED { WriteSwitch(record, row, false); });
}

[[gnu::always_inline]] inline std::int32_t IsSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(row.nullValue, record, [&]() NW_INLINED { return ReadSwitch(record, row); });
}

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
