#include "profiles/apply_profile_file.h"

#include "devmode/record_store.h"
#include "platform/handles.h"
#include "profiles/common_profiles.h"
#include "profiles/default_environment.h"
#include "profiles/profile_header.h"
#include "record/record.h"

namespace nw::profiles {

int ApplyProfileFile(const WCHAR* printer, const WCHAR* file, NordwispDEVMODE* record) {
    if (printer == nullptr) return 0;
    PrinterHandle handle;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (!::OpenPrinterW(const_cast<LPWSTR>(printer), handle.put(), &defaults)) return 0;
    DWORD printerType = 0;
    {
        NordwispDEVMODE* stored = LoadRecord(printer, 0);
        if (stored == nullptr) return 0;
        printerType = record::PrinterType.Get(stored);
        ReleaseRecord(stored);
    }
    if (file == nullptr || record == nullptr) return 0;
    ReadCommonProfiles(printer);
    ProfileHeader header;
    // A file that cannot be opened would apply nothing and look applied.
    if (!ReadProfileHeader(file, header)) return 0;
    DefaultEnvironment(handle.get(), file, record, printerType);
    return 1;
}

}  // namespace nw::profiles
