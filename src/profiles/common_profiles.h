// The shared ("common") profiles: ".bip" files in the folder the driver's
// data file names, indexed for the current user.
#pragma once

#include "platform/win32api.h"

namespace nw::profiles {

// Drops index entries whose files are gone, then indexes every valid
// profile file of the common folder as shared and marks the import done.
// 0 when the printer or its data file cannot be read or names no folder.
int ReadCommonProfiles(const WCHAR* printer);

}  // namespace nw::profiles
