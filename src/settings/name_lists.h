// Counted name lists (the redirect printers, the font embedding lists): a
// count value and the items "<prefix> 1", "<prefix> 2", ... The caller keeps
// the count and the items in step; writing one never adjusts the other.
#pragma once

#include <cstdint>

#include "settings/list_tables.h"

namespace nw::settings {

// The count, 0 when missing. Always 1.
int ReadNameCount(const NordwispDEVMODE* record, const NameList& list, std::int32_t& count);
// Negative counts are refused.
int WriteNameCount(const NordwispDEVMODE* record, const NameList& list, std::int32_t count);
// The item at a 0-based index, under the text size protocol; negative
// indexes are refused.
int ReadNameItem(const NordwispDEVMODE* record, const NameList& list, std::int32_t index, WCHAR* buffer,
                 DWORD* size);
int WriteNameItem(const NordwispDEVMODE* record, const NameList& list, std::int32_t index, const WCHAR* name);

// Bates number formats in "BatesNumbering": "Number of Formats" in the key
// itself, the values of format n in its subkey "n". The caller's size
// counts characters; a text that fits is copied and terminated when there
// is room, else the characters needed are stored and 0 returned.
int ReadBatesSetting(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name, WCHAR* buffer,
                     std::int32_t* chars);
int WriteBatesSetting(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name, const WCHAR* text);

}  // namespace nw::settings
