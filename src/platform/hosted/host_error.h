// The one translation of host errors (errno) into Win32 errors.
#pragma once

#include "platform/win32api.h"

namespace nw::hosted {

// The Win32 error for a failed host call's errno. An errno without a Win32
// counterpart gives unknown: the caller names what failed (a read, a write,
// a hive file).
DWORD ErrorFromErrno(int error, DWORD unknown = ERROR_GEN_FAILURE);

}  // namespace nw::hosted
