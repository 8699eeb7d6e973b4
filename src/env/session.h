// The caller's Windows session, and the messaging session that may follow it.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::env {

// The Windows session of the current process; 0 when it cannot be told.
DWORD WindowsSessionID() noexcept;

// Range verification runs this for every record: when the printer takes its
// identifier from the Windows session, the caller's session becomes the
// record's SessionID and the printer's "Messaging Interface ID". 1 when
// nothing was to be done, else the registry write's result.
int RefreshSessionID(NordwispDEVMODE* record);

}  // namespace nw::env
