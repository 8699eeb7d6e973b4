// The INI file the printer driver names as its data file: it holds the
// defaults of settings the registry may lack.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// The data file of the record's printer (GetPrinterDriverW level 2), or
// empty when the printer or its driver cannot be asked.
WString DriverDataFile(const NordwispDEVMODE* record);

}  // namespace nw::settings
