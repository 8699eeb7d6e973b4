// Applying a profile file to a caller's record.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::profiles {

// Imports the common profiles and overlays the file onto the record with
// the printer's type as the default environment's capabilities. The record
// is changed in memory only; saving it is the caller's.
int ApplyProfileFile(const WCHAR* printer, const WCHAR* file, NordwispDEVMODE* record);

}  // namespace nw::profiles
