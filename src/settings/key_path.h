// Building registry key paths for the settings store: subkey templates
// formatted with the registry printer name, joined to a base.
#pragma once

#include <cstddef>
#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// Room for a registry printer name with the packaged suffix appended
// ("_Package " and a package full name of up to 127 characters).
inline constexpr std::size_t kResolvedNameCapacity = 400;

// The template with its first "%s" replaced by name (no other directive is
// interpreted, so a printer name holding '%' stays as it is).
WString FormatSubKey(const WCHAR* subKeyTemplate, WStringView name);
// base + "\" + subKey; an empty part adds no backslash.
WString JoinKey(WStringView base, WStringView subKey);
// Signed decimal text, as "%d" formats it.
WString DecimalText(std::int64_t value);
// The same into `out` (kDecimalCapacity units), terminated; returns its length.
inline constexpr std::size_t kDecimalCapacity = 21;
std::size_t WriteDecimal(std::int64_t value, WCHAR* out) noexcept;
// Characters before the terminator, never more than limit.
std::size_t BoundedLength(const WCHAR* text, std::size_t limit) noexcept;

// A record's printer key resolved for one root: the registry printer name
// through the packaged-process rule, the template and the base.
struct PrinterKey {
    HKEY root = nullptr;
    DWORD options = REG_OPTION_NON_VOLATILE;
    WString subKey;  // the template formatted with the resolved name
    WString path;    // base + "\" + subKey
};
// False when the record yields no registry name (an empty device name and
// no registered one): such a record addresses no printer key.
bool ResolvePrinterKey(const NordwispDEVMODE* record, HKEY root, const WCHAR* base, const WCHAR* subKeyTemplate,
                       PrinterKey& key);

}  // namespace nw::settings
