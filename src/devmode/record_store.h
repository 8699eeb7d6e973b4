// Loading, saving and releasing records through the print spooler. Each
// operation runs its whole sequence, last error included; the exports only
// guard them.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw {

// The spooler-side stores, one per saver.
enum class RecordStore {
    PerUser,        // current user's default, level 9
    GlobalDefault,  // printer's global default, level 8
    PrinterInfo,    // device mode of the printer's level-2 information
};

// A new, zero-initialised fixed block holding the current user's record
// (per-user, else the printer's global default), or null. The flag has no
// effect.
NordwispDEVMODE* LoadRecord(const WCHAR* printerName, std::uint32_t flag);
// Frees a loaded record; null is ignored.
void ReleaseRecord(NordwispDEVMODE* record);
// Lets the driver merge the record and stores it; 1 or 0.
int SaveRecord(const WCHAR* printerName, NordwispDEVMODE* record, RecordStore store);

// The saver of the printer's level-2 information.
int SavePrinterInfoDEVMODE(const WCHAR* printerName, NordwispDEVMODE* record);
// The printer's global default as a record the caller frees like a loaded one.
NordwispDEVMODE* LoadGlobalDefaultDEVMODE(const WCHAR* printerName);
// The level-8 global default whatever the system: what LoadGlobalDefaultDEVMODE
// reads on major version 5.
NordwispDEVMODE* LoadStoredGlobalDefault(const WCHAR* printerName);

}  // namespace nw
