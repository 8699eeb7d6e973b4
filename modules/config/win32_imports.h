// The module's Win32 functions as win::Name.
#pragma once

#include "platform/win32api.h"

namespace nwconfig::win {
#if defined(_WIN32)
#define NWCFG_IMPORT(module, name) using ::name;
#else
#define NWCFG_IMPORT(module, name) extern decltype(&::name) name;
#endif
#include "win32_imports.def"
#undef NWCFG_IMPORT
}  // namespace nwconfig::win
