// Numeric exports: the getter and setter of each row of the numeric table,
// in the shape its macro names, and the table's function rows.
#include "accessors/numeric_accessors.h"
#include "exports/export_definitions.h"
#include "frame/export_frame.h"

using namespace nw::accessors;

namespace {

int SetBarcodeUnitValue(NordwispDEVMODE* record, int unit) noexcept {
    const int result = SetNumber(record, numbers::BarcodeUnit, unit);
    if (result) nw::SetLastErrorValue(0);
    return result;
}

}  // namespace

#define NW_NUMBER_GETTER(row, stem, ...) \
    NW_FUNCTION(int, Get##stem, (const NordwispDEVMODE* record), GetNumber(record, numbers::row))
#define NW_NUMBER(row, stem, ...) \
    NW_NUMBER_GETTER(row, stem)   \
    NW_FUNCTION(int, Set##stem, (NordwispDEVMODE* record, int value), SetNumber(record, numbers::row, value))
#define NW_NUMBER_VALUE_FIRST(row, stem, ...) \
    NW_NUMBER_GETTER(row, stem)               \
    NW_FUNCTION(int, Set##stem, (int value, NordwispDEVMODE* record), SetNumber(record, numbers::row, value))
#define NW_NUMBER_ROW(row, ...)
#define NW_CHOICE(row, stem, ...)                                                                 \
    NW_FUNCTION(int, Get##stem, (const NordwispDEVMODE* record), GetChoice(record, numbers::row)) \
    NW_FUNCTION(int, Set##stem, (NordwispDEVMODE* record, int code), SetChoice(record, numbers::row, code))
#include "accessors/numbers.def"
