// Which tabs the driver's dialog shows: a DWORD per tab in "UI Tabs
// Settings", named by the tab's number.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

// The value name of a tab number; an empty name (the key's unnamed value)
// for unknown numbers.
const WCHAR* TabValueName(std::int32_t tab);
int WriteTab(const NordwispDEVMODE* record, std::int32_t tab, bool shown);
// The registry value, else the driver data file's "UI Tabs Settings" entry,
// else 1; 1 only when that is exactly 1.
int ReadTab(const NordwispDEVMODE* record, std::int32_t tab);

}  // namespace nw::settings
