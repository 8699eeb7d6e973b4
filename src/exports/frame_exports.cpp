// Exports of the frame.
#include "frame/last_error.h"
#include "nordwisp/NordwispDEVMODE.h"

extern "C" uint32_t NW_API Nordwisp_GetLastError() noexcept { return nw::LastErrorValue(); }
