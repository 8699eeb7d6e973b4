// The page preview a settings dialog redraws as the user types: the QR
// engine sizes and draws a 100-character value, and the library scales the
// page and the symbol into a 600 x 800 box.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "barcode/barcode_preview.h"
#include "devmode/record_store.h"
#include "platform/hosted/provisioning.h"

namespace {

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};

// The provisioned printer (its type loads the engines) with the QR engine.
NordwispDEVMODE* QrRecord() {
    static std::unique_ptr<NordwispDEVMODE, RecordRelease> record = [] {
        nw::hosted::ProvisionNordwispPrinter(u"Barcode Printer", u"NORDWISP:");
        nw::hosted::InstallBarcodeEngine(0, NW_ENGINE_QR);
        std::unique_ptr<NordwispDEVMODE, RecordRelease> loaded(nw::LoadRecord(W("Barcode Printer"), 0));
        if (loaded) loaded->BarcodeType = 0;
        return loaded;
    }();
    return record.get();
}

void BM_DrawBarcodePreview(benchmark::State& state) {
    const std::u16string value = u"https://example.org/orders/2026/12/06/" + std::u16string(62, u'7');
    NordwispDEVMODE* record = QrRecord();
    if (record == nullptr || value.size() != 100 || nw::barcode::VerifyValue(record, value.c_str()) != 1) {
        state.SkipWithError("no QR engine");
        return;
    }
    for (auto _ : state) {
        HBITMAP bitmap = nw::barcode::DrawPreview(record, value.c_str(), nullptr, 600, 800);
        if (bitmap == nullptr) {
            state.SkipWithError("no preview");
            return;
        }
        ::DeleteObject(bitmap);
    }
}
BENCHMARK(BM_DrawBarcodePreview)->Unit(benchmark::kMillisecond);

}  // namespace
