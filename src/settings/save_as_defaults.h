// The save-as dialog's defaults in "Save As Option Settings\Default
// Settings": numbers and texts named through two fixed tables that the
// caller indexes. Text names holding "%d" take the caller's position.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/list_tables.h"

namespace nw::settings {

inline constexpr std::int32_t kSaveAsNumberCount = 114;
inline constexpr std::int32_t kSaveAsTextCount = 62;

// The value names; null outside the tables.
const WCHAR* SaveAsNumberName(std::int32_t index);
const WCHAR* SaveAsTextName(std::int32_t index);
// Whether a text name takes a position.
bool SaveAsTextIsPositional(std::int32_t index);

// The value is left alone when missing.
int ReadSaveAsNumber(const NordwispDEVMODE* record, std::int32_t index, std::uint32_t& value);
int WriteSaveAsNumber(const NordwispDEVMODE* record, std::int32_t index, std::uint32_t value);
// Without a position, a name that takes one is refused; with one, the name
// is formatted with it (a name without "%d" stays as it is).
int ReadSaveAsText(const NordwispDEVMODE* record, std::int32_t index, std::optional<std::int32_t> position,
                   WCHAR* buffer, DWORD* size);
int WriteSaveAsText(const NordwispDEVMODE* record, std::int32_t index, std::optional<std::int32_t> position,
                    const WCHAR* text);
// Deletes the "Default Settings" subkey; in protected mode (PrinterFlags
// bit 0) that of the protected-mode view of the printer key.
int DeleteSaveAsDefaults(const NordwispDEVMODE* record);

}  // namespace nw::settings
