#include "accessors/numeric_accessors.h"

#include <cstring>

#include "frame/export_frame.h"

namespace nw::accessors {

int SetChoice(NordwispDEVMODE* record, const Choice& row, std::int32_t code) noexcept {
    return Frame(0, record, [&] {
        std::uint32_t bits = row.unknownBits;
        for (std::size_t i = 0; i < row.count; ++i)
            if (row.entries[i].code == code) bits = row.entries[i].bits;
        row.word.Write(record, (row.word.ReadBits(record) & ~row.mask) | bits);
    });
}

std::int32_t GetChoice(const NordwispDEVMODE* record, const Choice& row) noexcept {
    return Frame(kNullRecordValue, record, [&] {
        const std::uint32_t word = row.word.ReadBits(record);
        for (std::size_t i = 0; i < row.count; ++i)
            if (row.entries[i].bits != 0 && (word & row.entries[i].bits) != 0) return row.entries[i].code;
        return row.noneCode;
    });
}

namespace {

struct WatermarkPosition {
    std::int32_t code;
    std::uint32_t portrait;
    std::uint32_t landscape;
};

inline constexpr WatermarkPosition kWatermarkPositions[] = {
    {1, 0x4, 0x40},           {2, 0x8, 0x80},           {4, 0x10, 0x100},         {8, 0x20, 0x200},
    {16, 0x800, 0x1000},      {32, 0x2000, 0x4000},     {64, 0x8000, 0x10000},    {128, 0x20000, 0x40000},
    {272, 0x100800, 0x201000}, {320, 0x108000, 0x210000}, {528, 0x400800, 0x801000}, {576, 0x408000, 0x810000},
};
inline constexpr std::uint32_t kPortraitPositionMask = 0x52A83C;
inline constexpr std::uint32_t kLandscapePositionMask = 0xA553C0;
inline constexpr std::int32_t kUnknownWatermarkPosition = 4;
inline constexpr FieldBytes kWatermarkFlags = NW_FIELD_BYTES(WatermarkFlags);

}  // namespace

int SetWatermarkPositionCode(NordwispDEVMODE* record, std::int32_t position, bool portrait) noexcept {
    return Frame(0, record, [&] {
        for (const WatermarkPosition& entry : kWatermarkPositions) {
            if (entry.code != position) continue;
            const std::uint32_t mask = portrait ? kPortraitPositionMask : kLandscapePositionMask;
            const std::uint32_t bits = portrait ? entry.portrait : entry.landscape;
            kWatermarkFlags.Write(record, (kWatermarkFlags.ReadBits(record) & ~mask) | bits);
            return 1;
        }
        return 0;
    });
}

std::int32_t GetWatermarkPositionCode(const NordwispDEVMODE* record, bool portrait) noexcept {
    return Frame(kNullRecordValue, record, [&] {
        const std::uint32_t masked =
            kWatermarkFlags.ReadBits(record) & (portrait ? kPortraitPositionMask : kLandscapePositionMask);
        for (const WatermarkPosition& entry : kWatermarkPositions)
            if (masked == entry.portrait || masked == entry.landscape) return entry.code;
        return kUnknownWatermarkPosition;
    });
}

namespace {

// Where parameter code `index` lives for this record, or width 0 when the
// index is out of range; `maxCode` is the largest code the layout accepts.
struct ParamCodeSlot {
    FieldBytes field;
    std::int32_t maxCode;
};

ParamCodeSlot ParamCodeAt(const NordwispDEVMODE* record, std::int32_t index) {
    const std::size_t low = offsetof(NordwispDEVMODE, StartParamCodes);
    const std::size_t high = offsetof(NordwispDEVMODE, StartParamCodesHigh);
    if (record::DriverVersion.Get(record) < kSixteenParamCodesVersion) {
        // Nine 16-bit codes; the ninth overlays BatesFormat and the next byte.
        if (index < 0 || index > 8) return {{0, 0}, 0};
        return {{low + 2 * static_cast<std::size_t>(index), 2}, 8};
    }
    if (index < 0 || index > 15) return {{0, 0}, 0};
    if (index < 8) return {{low + 2 * static_cast<std::size_t>(index), 2}, 16};
    return {{high + static_cast<std::size_t>(index - 8), 1}, 16};
}

}  // namespace

int SetStartParamCode(NordwispDEVMODE* record, std::int32_t index, std::int32_t code) noexcept {
    return Frame(0, record, [&] {
        const ParamCodeSlot slot = ParamCodeAt(record, index);
        if (slot.field.width != 0 && code >= 0 && code <= slot.maxCode)
            slot.field.Write(record, static_cast<std::uint32_t>(code));
    });
}

std::int32_t GetStartParamCode(const NordwispDEVMODE* record, std::int32_t index) noexcept {
    return Frame(kNullRecordValue, record, [&] {
        const ParamCodeSlot slot = ParamCodeAt(record, index);
        return slot.field.width != 0 ? slot.field.Read(record) : 0;
    });
}

int SetAnnotationFontValue(NordwispDEVMODE* record, const NW_LOGFONTW& font) noexcept {
    return Frame(0, record, [&] {
        std::memcpy(record::Bytes(record) + offsetof(NordwispDEVMODE, AnnotationFont), &font, sizeof font);
    });
}

NW_LOGFONTW GetAnnotationFontValue(const NordwispDEVMODE* record) noexcept {
    // The one named result is built in the caller's result slot, which a
    // null record must leave as it was: nothing is written to it then.
    NW_LOGFONTW font;
    SetLastErrorValue(0);
    if (record == nullptr) {
        SetLastErrorValue(kErrorNullArgument);
        return font;
    }
    std::memcpy(&font, record::Bytes(record) + offsetof(NordwispDEVMODE, AnnotationFont), sizeof font);
    return font;
}

}  // namespace nw::accessors
