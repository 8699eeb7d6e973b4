#include "settings/dialog_tabs.h"

#include "settings/driver_data_file.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

constexpr WCHAR kTabsSection[] = W("UI Tabs Settings");

}  // namespace

const WCHAR* TabValueName(std::int32_t tab) {
    for (const DialogTab& known : kDialogTabs)
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
