// Settings files: the rows of settings_file_exports.def.
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "profiles/default_settings.h"
#include "profiles/settings_writer.h"

using namespace nw;

#include "exports/settings_file_exports.def"
