// The printer caches Windows keeps in every user's hive: the cached
// records under "Printers\DevModePerUser" and "Printers\DevModes2", one
// REG_BINARY value per printer named by the printer, and further
// per-printer values under "Printers\Settings".
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw {

// Whether a cached value belongs to the printer: its name is the printer's
// (case ignored), holds the printer's name followed by a comma, or ends
// with it.
bool BelongsToPrinter(WStringView valueName, WStringView printerName);

// Removes the printer's values from the three keys of a user root; missing
// keys are skipped. 1 when every key could be opened and every value of
// the printer was removed.
int RemoveCachedRecords(HKEY userRoot, const WCHAR* printerName);

// Stores the record as the printer's cached record in the two record keys
// of a user root; missing keys are skipped, not created. 1 when each
// existing key took it.
int StoreCachedRecord(HKEY userRoot, const WCHAR* printerName, const NordwispDEVMODE* record);

}  // namespace nw
