#include "settings/dialog_tabs.h"

#include <array>

#include "settings/driver_data_file.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

struct Tab {
    std::int32_t number;
    const WCHAR* name;
};
constexpr std::array<Tab, 12> kTabs{{
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
constexpr WCHAR kTabsSection[] = W("UI Tabs Settings");

}  // namespace

const WCHAR* TabValueName(std::int32_t tab) {
    for (const Tab& known : kTabs)
        if (known.number == tab) return known.name;
    return W("");
}

int WriteTab(const NordwispDEVMODE* record, std::int32_t tab, bool shown) {
    return WritePrinterDword(record, kVendorKey, subkeys::kUiTabs, TabValueName(tab), shown ? 1 : 0);
}

int ReadTab(const NordwispDEVMODE* record, std::int32_t tab) {
    const WCHAR* name = TabValueName(tab);
    DWORD value = 0;
    if (ReadPrinterDword(record, kVendorKey, subkeys::kUiTabs, name, &value)) return value == 1 ? 1 : 0;
    const WString dataFile = DriverDataFile(record);
    if (dataFile.empty()) return 1;
    return ::GetPrivateProfileIntW(kTabsSection, name, 1, dataFile.c_str()) == 1 ? 1 : 0;
}

}  // namespace nw::settings
