// The OCR language list, stored in the OCR module's "+"-separated form.
#pragma once

#include "settings/family_tables.h"

namespace nw::settings {

// Spaces dropped, "," and ";" turned into "+"; 0 for over 259 characters.
int WriteOcrLanguages(const NordwispDEVMODE* record, const WCHAR* text);

}  // namespace nw::settings
