// The e-mail client type, stored as decimal text but read strictly.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

// 1 only for the stored text "1".
std::int32_t ReadEmailClientType(const NordwispDEVMODE* record);

}  // namespace nw::settings
