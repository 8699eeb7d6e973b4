// Text-stamp presets: named copies of the current text stamp, kept as
// numbered subkeys of "Text Watermark Stamp Settings\Presets". Preset 0
// stands for the current stamp itself.
#pragma once

#include <cstdint>

#include "settings/numbered_lists.h"

namespace nw::settings {

// The subkey template of a preset; 0 gives the current stamp's.
WString PresetSubKey(std::int32_t preset);

// A current-stamp row (text_stamp) or a preset row (stamp_preset) addressed
// at one preset; it reads with the row's default like the row itself.
template <class Row>
RowAt<Row> AtPreset(const Row& row, std::int32_t preset) {
    return RowAt<Row>(row, PresetSubKey(preset));
}

// A preset's font; when any of its values is missing, the fallback font
// (Arial Narrow, height 160, weight 700, charset 1). Always 1.
int ReadPresetFont(const NordwispDEVMODE* record, std::int32_t preset, NW_LOGFONTW& font);
int WritePresetFont(const NordwispDEVMODE* record, std::int32_t preset, const NW_LOGFONTW& font);

// Stores the current stamp as the preset of that name, adding it when no
// preset has the name. 1 when every value was written.
int SaveTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name);
// Makes the named preset the current stamp through the current stamp's
// setters. 0 when no preset has the name.
int ApplyTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name);
int RemoveTextStampPreset(const NordwispDEVMODE* record, const WCHAR* name);
// The name of the preset at a 0-based enumeration index, under the text
// size protocol; 0 out of range.
int ReadTextStampPresetName(const NordwispDEVMODE* record, std::int32_t index, WCHAR* buffer, DWORD* size);

}  // namespace nw::settings
