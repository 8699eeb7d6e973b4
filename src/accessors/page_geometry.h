// Page geometry: paper, orientation, resolution, pixel size and colour
// depth. The rows use the numeric accessors' generic getter and setter;
// every setter here takes the value first.
#pragma once

#include "accessors/numeric_accessors.h"

namespace nw::accessors {

// Bits per pixel of the colour depth: 0 -> 1, 1 or 2 -> 8, 3 -> 24.
std::int32_t GetBitsPerPixelValue(const NordwispDEVMODE* record) noexcept;

namespace geometry {

inline constexpr Number Orientation{.field = NW_SIGNED_FIELD_BYTES(DM.dmOrientation)};
inline constexpr Number PaperSize{.field = NW_SIGNED_FIELD_BYTES(DM.dmPaperSize)};
inline constexpr Number PaperLength{.field = NW_SIGNED_FIELD_BYTES(DM.dmPaperLength)};
inline constexpr Number PaperWidth{.field = NW_SIGNED_FIELD_BYTES(DM.dmPaperWidth)};
inline constexpr Number XDPI{
    .field = NW_SIGNED_FIELD_BYTES(DM.dmPrintQuality), .set = SetRule::DpiX, .get = GetRule::DpiX};
inline constexpr Number YDPI{
    .field = NW_SIGNED_FIELD_BYTES(DM.dmYResolution), .set = SetRule::DpiY, .get = GetRule::DpiY};
inline constexpr Number PageWidthInPixels{.field = NW_FIELD_BYTES(PageWidthInPixels)};
inline constexpr Number PageHeightInPixels{.field = NW_FIELD_BYTES(PageHeightInPixels)};
inline constexpr Number ColorDepth{.field = NW_FIELD_BYTES(ColorDepth),
                                   .set = SetRule::ColorDepth,
                                   .low = 0,
                                   .high = 3,
                                   .substitute = 3,
                                   .readMax = 3,
                                   .aboveMax = 3};

}  // namespace geometry
}  // namespace nw::accessors
