// Switch exports: Enable, Disable and Is for each row of the switch table.
#include "accessors/switch_accessors.h"
#include "nordwisp/NordwispDEVMODE.h"

using namespace nw::accessors;

#define NW_SWITCH(row, stem, isName, ...)                                                                    \
    extern "C" int NW_API Enable##stem(NordwispDEVMODE* record) noexcept {                                   \
        return EnableSwitch(record, switches::row);                                                          \
    }                                                                                                        \
    extern "C" int NW_API Disable##stem(NordwispDEVMODE* record) noexcept {                                  \
        return DisableSwitch(record, switches::row);                                                         \
    }                                                                                                        \
    extern "C" int NW_API isName(const NordwispDEVMODE* record) noexcept { return IsSwitch(record, switches::row); }
#include "accessors/switches.def"
