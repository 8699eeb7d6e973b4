// Numeric, enumerated and multi-bit settings of the record, and the page
// geometry fields: one row type, one getter and one setter. A row names its
// field, its setter's range rule, its getter's read rule and the value a
// null record answers.
#pragma once

#include <cstdint>

#include "frame/export_frame.h"
#include "record/field_bytes.h"
#include "record/record.h"
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
// SetNumber and GetNumber are the exported frame around them. All inline,
// so that each export compiles to its own row's few instructions instead of
// a call into the generic code.
namespace detail {

inline bool InRange(const Number& row, std::int32_t value) { return value >= row.low && value <= row.high; }

inline void WriteBit(NordwispDEVMODE* record, const Number& row, bool on) {
    const std::uint32_t word = row.field.ReadBits(record);
    row.field.Write(record, on ? (word | row.bit) : (word & ~row.bit));
}

inline constexpr FieldBytes kBitsPerPel = NW_FIELD_BYTES(DM.dmBitsPerPel);

}  // namespace detail

[[gnu::always_inline]] inline bool WriteNumber(NordwispDEVMODE* record, const Number& row, std::int32_t value) noexcept {
    std::int32_t stored = value;
    switch (row.set) {
        case SetRule::Store: break;
        case SetRule::Substitute:
        case SetRule::ColorDepth:
            if (!detail::InRange(row, value)) stored = row.substitute;
            break;
        case SetRule::Ignore:
            if (!detail::InRange(row, value)) return true;
            break;
        case SetRule::Refuse:
            if (!detail::InRange(row, value)) return false;
            break;
        case SetRule::OneOf:
            if (value < 0 || value >= 32 || (row.allowed & (1u << value)) == 0) return false;
            break;
        case SetRule::WrapDegrees:
            if (!detail::InRange(row, value)) return true;
            if (value > row.substitute) stored = value - 360;
            break;
        case SetRule::SetsBit: detail::WriteBit(record, row, value != 0); return true;
        case SetRule::ZeroOrOneBit:
            if (value != 0 && value != 1) return false;
            detail::WriteBit(record, row, value == 1);
            return true;
        case SetRule::DpiX: stored = record::MapResolution(value).x; break;
        case SetRule::DpiY: stored = record::MapResolution(value).y; break;
    }
    row.field.Write(record, static_cast<std::uint32_t>(stored));
    if (row.set == SetRule::ColorDepth) detail::kBitsPerPel.Write(record, stored == 0 ? 1u : 24u);
    return true;
}

[[gnu::always_inline]] inline std::int32_t ReadNumber(const NordwispDEVMODE* record, const Number& row) noexcept {
    switch (row.get) {
        case GetRule::Bit: return (row.field.ReadBits(record) & row.bit) != 0 ? 1 : 0;
        case GetRule::DpiX: return record::MapResolution(row.field.Read(record)).x;
        case GetRule::DpiY: return record::MapResolution(row.field.Read(record)).y;
        case GetRule::Field: break;
    }
    const std::uint32_t bits = row.field.ReadBits(record);
    if (bits > row.readMax) return row.aboveMax;
    if (bits == 0) return row.zeroReads;
    return row.field.Read(record);
}

[[gnu::always_inline]] inline int SetNumber(NordwispDEVMODE* record, const Number& row, std::int32_t value) noexcept {
    return Frame(0, record, [&]() NW_INLINED { return WriteNumber(record, row, value) ? 1 : 0; });
}

[[gnu::always_inline]] inline std::int32_t GetNumber(const NordwispDEVMODE* record, const Number& row) noexcept {
    return Frame(row.nullValue, record, [&]() NW_INLINED { return ReadNumber(record, row); });
}

// A setting spread over a few bits of one flag word, chosen by a code.
struct ChoiceBits {
    std::int32_t code;
    std::uint32_t bits;
};
struct Choice {
    FieldBytes word;
    std::uint32_t mask;          // every bit the setting owns
    ChoiceBits entries[5];       // in the row, so a table line is the whole setting; the fax modes take 5
    std::size_t count;           // entries in use, tested in this order by the getter
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

#define NW_NUMBER(row, stem, ...) inline constexpr Number row{__VA_ARGS__};
#define NW_NUMBER_VALUE_FIRST NW_NUMBER
#define NW_NUMBER_GETTER NW_NUMBER
#define NW_NUMBER_ROW(row, ...) inline constexpr Number row{__VA_ARGS__};
#define NW_CHOICE(row, stem, ...) inline constexpr Choice row{__VA_ARGS__};
// The table's function rows are exports, nothing of a row.
#define NW_NUMBER_FUNCTION(result, name, parameters, ...)
#include "accessors/numbers.def"

}  // namespace numbers

}  // namespace nw::accessors
