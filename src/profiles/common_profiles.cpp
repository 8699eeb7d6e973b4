#include "profiles/common_profiles.h"

#include "platform/handles.h"
#include "profiles/profile_header.h"
#include "profiles/profile_index.h"
#include "profiles/settings_file.h"
#include "settings/driver_data_file.h"

namespace nw::profiles {
namespace {

WString CommonProfileDirectory(const WCHAR* printer) {
    PrinterHandle handle;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (!::OpenPrinterW(const_cast<LPWSTR>(printer), handle.put(), &defaults)) return {};
    const settings::DriverInfo driver = settings::ReadDriverInfo(handle.get());
    if (driver.info() == nullptr || driver.info()->pDataFile == nullptr) return {};
    const SettingsFile data(driver.info()->pDataFile);
    return data.ReadText(W("Default Settings"), W("Common Profile Directory"), W(""), MAX_PATH);
}

void IndexCommonProfile(const WCHAR* printer, const WString& file) {
    ProfileHeader header;
    if (!ReadProfileHeader(file.c_str(), header)) return;
    // Files of other drivers or older formats lack these.
    if (header.profileVersion == 0 || header.driverMajorVersion == 0 || header.driverType == 0) return;
    FILETIME indexed{};
    FILETIME written{};
    if (GetProfileWriteTimeFromRegistry(printer, header.name, &indexed) && ::SystemTimeToFileTime(&header.modified, &written) &&
        ::CompareFileTime(&written, &indexed) == 1)
        HideProfile(printer, header.name, 0);
    WriteProfileDataToRegistry(printer, header.name, header, 1);
}

}  // namespace

int ReadCommonProfiles(const WCHAR* printer) {
    if (printer == nullptr) return 0;
    DeleteMissingProfiles(printer);
    WString folder = CommonProfileDirectory(printer);
    if (folder.empty()) return 0;
    if (folder.back() != W('\\')) folder += W('\\');
    WIN32_FIND_DATAW found{};
    const FindHandle find(::FindFirstFileW((folder + W("*.bip")).c_str(), &found));
    if (find) {
        do {
            constexpr DWORD kSkipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
            if ((found.dwFileAttributes & kSkipped) == 0) IndexCommonProfile(printer, folder + found.cFileName);
        } while (::FindNextFileW(find.get(), &found));
    }
    return SetCommonProfilesImported(printer, 1);
}

}  // namespace nw::profiles
