// Exports of the barcode writer, the rows of barcode_exports.def.
#include "barcode/barcode_preview.h"
#include "exports/export_definitions.h"
#include "frame/export_frame.h"

#include "exports/barcode_exports.def"
