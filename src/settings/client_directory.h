// "Use Output Directory from Client": a machine-wide switch kept under
// HKEY_USERS ".DEFAULT" and mirrored in the record's PrinterFlags. Only an
// administrator may change it.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

// 1 when the machine default is non-zero.
int ReadUseDirectoryFromClient(const NordwispDEVMODE* record);
// Whether the caller's thread token (else process token) holds the
// Administrators group.
bool CallerIsAdministrator();
// Sets the record's PrinterFlags bit and the machine default; the caller
// has checked the membership. 1 when the value was written.
int WriteUseDirectoryFromClient(NordwispDEVMODE* record, std::int32_t value);

}  // namespace nw::settings
