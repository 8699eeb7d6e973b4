// Exports of loading, saving and releasing records and of printer
// identification.
#include "devmode/printer_identity.h"
#include "devmode/record_store.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

NordwispDEVMODE* Load(const WCHAR* printerName, uint32_t flag) noexcept {
    return nw::Guarded<NordwispDEVMODE*>(nullptr, [&] { return nw::LoadRecord(printerName, flag); });
}

int Save(const WCHAR* printerName, NordwispDEVMODE* record, nw::RecordStore store) noexcept {
    return nw::Guarded(0, [&] { return nw::SaveRecord(printerName, record, store); });
}

// The fixed-buffer ANSI shape, guarded like the wide export it calls.
template <class Result, class Wide>
Result Ansi(Result failure, const char* text, Wide&& wide) noexcept {
    return nw::Guarded(failure, [&] { return nw::WithFixedWide(text, wide); });
}

}  // namespace

extern "C" {

NordwispDEVMODE* NW_API LoadNordwispDEVMODE(const NWCHAR* printerName) noexcept { return Load(printerName, 1); }

NordwispDEVMODE* NW_API LoadNordwispDEVMODEEx(const NWCHAR* printerName, uint32_t flag) noexcept {
    return Load(printerName, flag);
}

NordwispDEVMODE* NW_API LoadNordwispDEVMODEA(const char* printerName) noexcept {
    return Ansi<NordwispDEVMODE*>(nullptr, printerName, [](const WCHAR* name) { return Load(name, 1); });
}

void NW_API ReleaseNordwispDEVMODE(NordwispDEVMODE* record) noexcept {
    nw::Guarded(0, [&] { nw::ReleaseRecord(record); });
}

int NW_API SaveNordwispDEVMODE(const NWCHAR* printerName, NordwispDEVMODE* record) noexcept {
    return Save(printerName, record, nw::RecordStore::PerUser);
}

int NW_API SaveNordwispDEVMODEA(const char* printerName, NordwispDEVMODE* record) noexcept {
    return Ansi(0, printerName, [&](const WCHAR* name) { return Save(name, record, nw::RecordStore::PerUser); });
}

int NW_API SaveDefaultNordwispDEVMODE(const NWCHAR* printerName, NordwispDEVMODE* record) noexcept {
    return Save(printerName, record, nw::RecordStore::GlobalDefault);
}

int NW_API SaveDefaultNordwispDEVMODEA(const char* printerName, NordwispDEVMODE* record) noexcept {
    return Ansi(0, printerName, [&](const WCHAR* name) { return Save(name, record, nw::RecordStore::GlobalDefault); });
}

int NW_API IsNordwispPrinter(const NWCHAR* printerName) noexcept {
    return nw::Guarded(0, [&] { return nw::IsNordwispPrinter(printerName); });
}

int NW_API IsNordwispPrinterA(const char* printerName) noexcept {
    return Ansi(0, printerName, [](const WCHAR* name) { return IsNordwispPrinter(name); });
}

int NW_API GetInstalledDriverVersion(const NWCHAR* printerName) noexcept {
    return nw::Guarded(0, [&] { return nw::GetInstalledDriverVersion(printerName); });
}

int NW_API GetInstalledDriverVersionA(const char* printerName) noexcept {
    return Ansi(0, printerName, [](const WCHAR* name) { return GetInstalledDriverVersion(name); });
}

NWCHAR* NW_API GetNordwispPrinters(void) noexcept {
    return nw::Guarded<NWCHAR*>(nullptr, [] { return nw::GetNordwispPrinters(); });
}

char* NW_API GetNordwispPrintersA(void) noexcept {
    return nw::Guarded<char*>(nullptr, [] { return nw::GetNordwispPrintersA(); });
}

int NW_API GetSupportedDriverVersion(void) noexcept { return NW_SUPPORTED_DRIVER_VERSION; }

}  // extern "C"
