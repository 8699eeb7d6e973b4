#include "settings/stamp_presets.h"

#include <array>
#include <cstring>

#include "settings/fonts.h"
#include "settings/registry_primitives.h"
#include "settings/text_object.h"

namespace nw::settings {

namespace {

// What a preset or the current stamp holds besides its layer, font and texts.
constexpr std::array<DwordValue, 6> kStampDwords{text_stamp::Color,       text_stamp::OffsetX,
                                                 text_stamp::OffsetY,     text_stamp::OffsetUnits,
                                                 text_stamp::Rotation,    text_stamp::Visibility};
constexpr std::array<DecimalValue, 3> kStampDecimals{text_stamp::BackgroundMode, text_stamp::Position,
                                                     text_stamp::FirstPageOnly};
struct StampText {
    TextValue row;
    const WCHAR* fallback;
};
const std::array<StampText, 2> kStampTexts{{{text_stamp::Text, W("Client Copy")}, {text_stamp::Pages, W("")}}};

constexpr WCHAR kFallbackFace[] = W("Arial Narrow");

// Reads each value at one preset with its default and writes it at the
// other through the row's range: a stored value the setter would refuse
// is left out, not carried over. 0 when a write failed.
template <class Row, std::size_t N>
int CopyNumbers(const NordwispDEVMODE* record, const std::array<Row, N>& rows, std::int32_t from, std::int32_t to) {
    int written = 1;
    for (const Row& row : rows) {
        const std::int32_t value = ReadSetting(record, *AtPreset(row, from));
        if (!row.accepts.Accepts(value)) continue;
        if (!WriteSetting(record, *AtPreset(row, to), value)) written = 0;
    }
    return written;
}

int CopyTexts(const NordwispDEVMODE* record, std::int32_t from, std::int32_t to) {
    int written = 1;
    for (const StampText& text : kStampTexts) {
        WString value;
        if (!ReadWholeText(record, *AtPreset(text.row, from), kAnyLength, value)) value = text.fallback;
        if (!WriteSetting(record, *AtPreset(text.row, to), value.c_str())) written = 0;
    }
    return written;
}

int CopyFont(const NordwispDEVMODE* record, std::int32_t from, std::int32_t to) {
    NW_LOGFONTW font;
    ReadPresetFont(record, from, font);
    return WritePresetFont(record, to, font);
}

}  // namespace

WString PresetSubKey(std::int32_t preset) {
    return preset == 0 ? WString(subkeys::kTextStamp) : EntrySubKey(subkeys::kTextStampPresets, preset);
}

int ReadPresetFont(const NordwispDEVMODE* record, std::int32_t preset, NW_LOGFONTW& font) {
    const WString subKey = PresetSubKey(preset);
    if (ReadFontAt(record, subKey.c_str(), W(""), font)) return 1;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = 160;
    font.lfWeight = 700;
    font.lfCharSet = 1;
    std::memcpy(font.lfFaceName, kFallbackFace, sizeof kFallbackFace);
    return 1;
}

int WritePresetFont(const NordwispDEVMODE* record, std::int32_t preset, const NW_LOGFONTW& font) {
    const WString subKey = PresetSubKey(preset);
    return WriteFontAt(record, subKey.c_str(), W(""), font);
}

int SaveTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name) {
    if (name == nullptr) return 0;
    std::int32_t preset = FindEntry(record, kTextStampPresets, name);
    if (preset == 0) preset = AddEntry(record, kTextStampPresets, name);
    if (preset == 0) return 0;
    int written = WriteSetting(record, *AtPreset(stamp_preset::Layer, preset), ReadTextObjectLayer(record));
    written &= CopyFont(record, 0, preset);
    written &= CopyNumbers(record, kStampDwords, 0, preset);
    written &= CopyNumbers(record, kStampDecimals, 0, preset);
    written &= CopyTexts(record, 0, preset);
    return written;
}

int ApplyTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name) {
    const std::int32_t preset = FindEntry(record, kTextStampPresets, name);
    if (preset == 0) return 0;
    // The layer goes through the current stamp's layer rule, which keeps
    // the older enable values in step; a layer it refuses is left out.
    int written = 1;
    const std::int32_t layer = ReadSetting(record, *AtPreset(stamp_preset::Layer, preset));
    if (layer == 0 || layer == 1) written = WriteTextObjectLayer(record, layer);
    written &= CopyFont(record, preset, 0);
    written &= CopyNumbers(record, kStampDwords, preset, 0);
    written &= CopyNumbers(record, kStampDecimals, preset, 0);
    written &= CopyTexts(record, preset, 0);
    return written;
}

int RemoveTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name) {
    const std::int32_t preset = FindEntry(record, kTextStampPresets, name);
    return preset == 0 ? 0 : DeleteEntry(record, kTextStampPresets, preset);
}

int ReadTextStampPresetName(const NordwispDEVMODE* record, std::int32_t index, WCHAR* buffer, DWORD* size) {
    const std::int32_t preset = EntryAt(record, kTextStampPresets, index);
    if (preset == 0) return 0;
    return ReadSetting(record, *AtPreset(stamp_preset::Name, preset), buffer, size);
}

}  // namespace nw::settings
