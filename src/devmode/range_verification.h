// Bringing a record into the ranges the driver supports, after it was filled
// from defaults or stored settings.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw {

// Resolves the paper code through the printer's cached paper list (rebuilt
// when asked or empty), computes the pixel size, clamps every ranged
// setting and applies the output-family rules of the driver's capability
// bits (1, 2, 4, 8, 0x10, 0x800, 0x1000, 0x2000). A null record does nothing.
// The library's last error is left as it was.
// Width and length in tenths of a millimetre as the record scales them.
std::int32_t PaperWidthOf(const NordwispDEVMODE* record);
std::int32_t PaperLengthOf(const NordwispDEVMODE* record);
// Both dimensions under one scale, so neither is misread through the
// other's: as they are with 100 when both fit 16 bits, else in millimetres
// with 1000.
void SetPaperDimensions(NordwispDEVMODE* record, std::int32_t width, std::int32_t length);

void VerifyDevModeRange(HANDLE printer, NordwispDEVMODE* record, int forceReloadPapers, std::uint32_t capabilities);

}  // namespace nw
