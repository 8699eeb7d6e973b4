// Per-printer environment variables for file names.
#pragma once

#include <cstddef>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::env {

// Output capacity of the expansion in characters (520 bytes); the text
// itself gets at most one unit less, so it is always terminated.
inline constexpr std::size_t kExpandedCapacity = 260;

// Expands "<<NAME>>" and then "%NAME%" references from the printer's
// "%s\EnvVars" values, else from the environment of the user the calling
// thread impersonates. output is zero-filled first. 1 when every reference
// was resolved; 0 when one stayed as written, and for a missing record,
// input or output or an empty input. Pieces that do not fit are dropped.
int ExpandVariables(const NordwispDEVMODE* record, const WCHAR* input, WCHAR* output);

}  // namespace nw::env
