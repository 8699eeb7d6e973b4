// Header, footer and text stamp fonts: one registry value per LOGFONTW
// member, named with the owner's prefix.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

enum class FontOwner : std::uint8_t { Header, Footer, TextStamp };

// Zeroes the font, then reads its members in order: 1 when all were read,
// 0 at the first missing one (the rest stay 0).
int ReadFont(const NordwispDEVMODE* record, FontOwner owner, NW_LOGFONTW& font);
// Writes all fourteen values; 0 for a face name of 32 characters or more.
int WriteFont(const NordwispDEVMODE* record, FontOwner owner, const NW_LOGFONTW& font);
// The same at another subkey template, values named with the prefix (text
// stamp presets keep the stamp's font without one).
int ReadFontAt(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* prefix, NW_LOGFONTW& font);
int WriteFontAt(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* prefix, const NW_LOGFONTW& font);

}  // namespace nw::settings
