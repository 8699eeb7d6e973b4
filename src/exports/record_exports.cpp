// Exports of loading, saving and releasing records and of printer
// identification: the rows of record_exports.def.
#include "devmode/printer_identity.h"
#include "devmode/record_store.h"
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"

namespace {

NordwispDEVMODE* Load(const WCHAR* printerName, uint32_t flag) noexcept {
    return nw::Guarded<NordwispDEVMODE*>(nullptr, [&] { return nw::LoadRecord(printerName, flag); });
}

int Save(const WCHAR* printerName, NordwispDEVMODE* record, nw::RecordStore store) noexcept {
    return nw::Guarded(0, [&] { return nw::SaveRecord(printerName, record, store); });
}

void Release(NordwispDEVMODE* record) noexcept {
    nw::Guarded(0, [&] { nw::ReleaseRecord(record); });
}

// The fixed-buffer ANSI shape, guarded like the wide export it calls.
template <class Result, class Wide>
Result Ansi(Result failure, const char* text, Wide&& wide) noexcept {
    return nw::Guarded(failure, [&] { return nw::WithFixedWide(text, wide); });
}

}  // namespace

#include "exports/record_exports.def"
