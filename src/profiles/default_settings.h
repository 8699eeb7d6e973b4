// `CreateDefaultSettings`: a fresh record and fresh registry settings for a
// printer, from its driver's data file with built-in fallbacks.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::profiles {

// The GlobalAlloc'd record (fixed, zero-initialised, the full record size),
// or null when the name is null, the printer cannot be opened, its data
// file or default record cannot be had, or memory runs out. Clear
// passwords found in the data file are moved into its encoded keys.
NordwispDEVMODE* CreateDefaultSettings(const WCHAR* printerName);

}  // namespace nw::profiles
