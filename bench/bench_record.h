// A record of the current layout, zeroed but for its sizes and the device
// name, as the benchmarks build it without the spooler.
#pragma once

#include <cstring>
#include <string_view>

#include "nordwisp/NordwispDEVMODE.h"

inline NordwispDEVMODE BenchRecord(std::u16string_view deviceName = {}) {
    NordwispDEVMODE record;
    std::memset(&record, 0, sizeof record);
    record.DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
    record.DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
    record.DM.dmDriverVersion = NW_SUPPORTED_DRIVER_VERSION;
    for (std::size_t i = 0; i < deviceName.size() && i < 31; ++i) record.DM.dmDeviceName[i] = deviceName[i];
    return record;
}
