// The portable Win32 tests also run against Wine. Where Wine deviates from
// documented Windows behaviour, a test follows Windows and leaves the check
// out under Wine, naming the case.
#pragma once

#include "platform/win32api.h"

namespace nw::test {

inline bool UnderWine() {
#if defined(_WIN32)
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace nw::test
