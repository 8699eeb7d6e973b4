// Page geometry exports; every setter takes the value first.
#include "accessors/page_geometry.h"
#include "exports/export_definitions.h"

using namespace nw::accessors;

#define NW_GEOMETRY(row, setter, ...)                                                                \
    NW_FUNCTION(int, Get##row, (const NordwispDEVMODE* record), GetNumber(record, geometry::row)) \
    NW_FUNCTION(int, Set##setter, (int value, NordwispDEVMODE* record), SetNumber(record, geometry::row, value))
#include "accessors/page_geometry.def"
