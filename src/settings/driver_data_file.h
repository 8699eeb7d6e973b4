// The INI file the printer driver names as its data file: it holds the
// defaults of settings the registry may lack.
#pragma once

#include <cstdint>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// A printer's driver information at level 2 and the strings it points
// into, in a zero-initialised block; null info when the driver cannot be
// asked.
struct DriverInfo {
    std::vector<std::uint64_t> block;
    const DRIVER_INFO_2W* info() const {
        return block.empty() ? nullptr : reinterpret_cast<const DRIVER_INFO_2W*>(block.data());
    }
};
// GetPrinterDriverW level 2: the size first, then the information.
DriverInfo ReadDriverInfo(HANDLE printer);

// The data file of the record's printer (GetPrinterDriverW level 2), or
// empty when the printer or its driver cannot be asked.
WString DriverDataFile(const NordwispDEVMODE* record);

}  // namespace nw::settings
