// Page geometry exports; every setter takes the value first.
#include "accessors/page_geometry.h"
#include "nordwisp/NordwispDEVMODE.h"

using namespace nw::accessors;

#define NW_GEOMETRY_GETTER(name, row) \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record) noexcept { return GetNumber(record, geometry::row); }
#define NW_GEOMETRY_SETTER(name, row)                                             \
    extern "C" int NW_API Set##name(int value, NordwispDEVMODE* record) noexcept { \
        return SetNumber(record, geometry::row, value);                           \
    }
#define NW_GEOMETRY(name, row) NW_GEOMETRY_GETTER(name, row) NW_GEOMETRY_SETTER(name, row)

NW_GEOMETRY(Orientation, Orientation)
NW_GEOMETRY(PaperSize, PaperSize)
NW_GEOMETRY(PaperLength, PaperLength)
NW_GEOMETRY(PaperWidth, PaperWidth)
NW_GEOMETRY(XDPI, XDPI)
NW_GEOMETRY(YDPI, YDPI)
NW_GEOMETRY(ColorDepth, ColorDepth)
// The pixel setters are named "Paper...InPixel", their getters "Page...InPixels".
NW_GEOMETRY_GETTER(PageWidthInPixels, PageWidthInPixels)
NW_GEOMETRY_SETTER(PaperWidthInPixel, PageWidthInPixels)
NW_GEOMETRY_GETTER(PageHeightInPixels, PageHeightInPixels)
NW_GEOMETRY_SETTER(PaperHeightInPixel, PageHeightInPixels)

extern "C" int NW_API GetBitsPerPixel(const NordwispDEVMODE* record) noexcept { return GetBitsPerPixelValue(record); }
