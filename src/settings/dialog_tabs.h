// Which tabs the driver's dialog shows: a DWORD per tab in "UI Tabs
// Settings", named by the tab's number.
#pragma once

#include <array>
#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

// The tabs the driver knows, by number. The tool's catalog reads it too.
struct DialogTab {
    std::int32_t number;
    const WCHAR* name;
};
inline constexpr std::array<DialogTab, 12> kDialogTabs{{
    {0, W("Display File Format Tab")},
    {1, W("Display Filename Generation Tab")},
    {2, W("Display Start Application Tab")},
    {3, W("Display Watermark Tab")},
    {4, W("Display Annotation Tab")},
    {5, W("Display Bates Tab")},
    {6, W("Display Profile Manager Tab")},
    {7, W("Display Redirect Printing Tab")},
    {8, W("Display Barcode Tab")},
    {9, W("Display OCR Tab")},
    {10, W("Display Text Output Tab")},
    {50, W("Display Custom Tab")},
}};

// The value name of a tab number; an empty name (the key's unnamed value)
// for unknown numbers.
const WCHAR* TabValueName(std::int32_t tab);
int WriteTab(const NordwispDEVMODE* record, std::int32_t tab, bool shown);
// The registry value, else the driver data file's "UI Tabs Settings" entry,
// else 1; 1 only when that is exactly 1.
int ReadTab(const NordwispDEVMODE* record, std::int32_t tab);

}  // namespace nw::settings
