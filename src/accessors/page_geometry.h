// Page geometry: paper, orientation, resolution, pixel size and colour
// depth. The rows use the numeric accessors' generic getter and setter;
// every setter here takes the value first.
#pragma once

#include "accessors/numeric_accessors.h"

namespace nw::accessors {

// Bits per pixel of the colour depth: 0 -> 1, 1 or 2 -> 8, 3 -> 24.
std::int32_t GetBitsPerPixelValue(const NordwispDEVMODE* record) noexcept;

namespace geometry {

#define NW_GEOMETRY(row, setter, ...) inline constexpr Number row{__VA_ARGS__};
// The table's function rows are exports, nothing of a row.
#define NW_GEOMETRY_FUNCTION(result, name, parameters, ...)
#include "accessors/page_geometry.def"

}  // namespace geometry
}  // namespace nw::accessors
