// Exports of the frame: the rows of frame_exports.def.
#include "exports/export_definitions.h"
#include "frame/last_error.h"

#include "exports/frame_exports.def"
