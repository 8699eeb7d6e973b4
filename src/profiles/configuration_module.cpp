#include "profiles/configuration_module.h"

#include <algorithm>
#include <array>

#include "settings/driver_data_file.h"
#include "settings/key_path.h"

namespace nw::profiles {

ConfigurationModule::ConfigurationModule(const WCHAR* printer) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (!::OpenPrinterW(const_cast<LPWSTR>(printer), printer_.put(), &defaults)) return;
    const settings::DriverInfo driver = settings::ReadDriverInfo(printer_.get());
    if (driver.info() != nullptr && driver.info()->pConfigFile != nullptr && *driver.info()->pConfigFile != 0)
        module_.reset(::LoadLibraryW(driver.info()->pConfigFile));
    if (!module_) printer_.reset();
}

int GetNumberOfProfiles(const WCHAR* printer, std::uint32_t* count) {
    if (count == nullptr) return 0;
    const auto number = CallConfigurationModule<DWORD>(printer, "GetNumberOfProfiles");
    if (!number) return 0;
    *count = *number;
    return 1;
}

int GetProfileName(const WCHAR* printer, DWORD index, WCHAR* buffer, std::uint32_t* size) {
    if (size == nullptr) return 0;
    std::array<WCHAR, MAX_PATH> name{};
    if (!CallConfigurationModule<int>(printer, "GetProfileName", index, name.data()).value_or(0)) return 0;
    // The module is given no size; whatever it wrote, the name ends here.
    name.back() = 0;
    const auto needed = static_cast<DWORD>(settings::BoundedLength(name.data(), name.size()) + 1);
    if (buffer != nullptr && *size < needed) {
        *size = needed;
        return 0;
    }
    if (buffer != nullptr) std::copy_n(name.data(), needed, buffer);
    *size = needed;
    return 1;
}

}  // namespace nw::profiles
