// One registry-backed getter and setter on the hosted machine, each the
// whole way: printer name through its PrinterID, key resolution, opening and
// closing the keys, one value. Targets: getter <= 3 us, setter <= 25 us.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/handles.h"
#include "settings/messaging_session.h"
#include "settings/registry_primitives.h"

namespace {

NordwispDEVMODE MakeRecord() {
    NordwispDEVMODE record;
    std::memset(&record, 0, sizeof record);
    record.DM.dmSize = 220;
    record.DM.dmDriverExtra = 6659;
    record.DM.dmDriverVersion = 1777;
    const WCHAR name[] = W("Bench Printer");
    std::memcpy(record.DM.dmDeviceName, name, sizeof name);
    const std::uint32_t id = 3;
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + 6803, &id, sizeof id);
    return record;
}

WString Number(int n) {
    WString digits;
    do {
        digits.insert(digits.begin(), static_cast<WCHAR>(W('0') + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

// A configured printer, as the driver's installer and dialogs leave it: its
// PrinterID registered (so the getter takes that path as real printers do)
// and some 400 values in its feature subkeys, so the user's hive has the
// size of a real one rather than the few bytes of an empty machine.
bool SetUpPrinter() {
    static const bool done = [] {
        nw::RegistryKey ids;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\PrinterIDs\\3"), 0, nullptr, 0,
                            KEY_WRITE, nullptr, ids.put(), nullptr) != ERROR_SUCCESS)
            return false;
        const WCHAR name[] = W("Bench Printer");
        if (RegSetValueExW(ids.get(), W("Printer name"), 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                           sizeof name - sizeof(WCHAR)) != ERROR_SUCCESS)
            return false;
        const WCHAR* const features[] = {W("Pdf Settings"), W("Post Print Settings\\Email Settings"),
                                         W("Header Settings"), W("Footer Settings"), W("OCR"), W("Page Settings"),
                                         W("Text Watermark Stamp Settings"), W("Troubleshooting Settings")};
        for (const WCHAR* feature : features) {
            nw::RegistryKey key;
            const WString path = WString(W("SOFTWARE\\Kelmora Works\\Bench Printer\\")) + feature;
            if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                                nullptr) != ERROR_SUCCESS)
                return false;
            for (int v = 0; v < 50; ++v) {
                const WString text = W("setting text number ") + Number(v);
                RegSetValueExW(key.get(), (W("Value ") + Number(v)).c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>(text.size() * sizeof(WCHAR)));
            }
        }
        return true;
    }();
    return done;
}

void BM_RegistryGetter(benchmark::State& state) {
    const NordwispDEVMODE record = MakeRecord();
    if (!SetUpPrinter() || !nw::settings::WriteDocumentNumber(&record, 1234)) {
        state.SkipWithError("setup failed");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(nw::settings::ReadDocumentNumber(&record));
}
BENCHMARK(BM_RegistryGetter);

void BM_RegistrySetter(benchmark::State& state) {
    const NordwispDEVMODE record = MakeRecord();
    if (!SetUpPrinter()) {
        state.SkipWithError("setup failed");
        return;
    }
    int number = 0;
    for (auto _ : state) benchmark::DoNotOptimize(nw::settings::WriteDocumentNumber(&record, ++number));
}
BENCHMARK(BM_RegistrySetter);

void BM_PrimitiveDwordRead(benchmark::State& state) {
    const NordwispDEVMODE record = MakeRecord();
    if (!SetUpPrinter() ||
        !nw::WritePrinterDword(&record, nw::settings::kVendorKey, W("%s\\Pdf Settings"), W("JPEG Quality"), 85)) {
        state.SkipWithError("setup failed");
        return;
    }
    for (auto _ : state) {
        DWORD value = 0;
        benchmark::DoNotOptimize(nw::ReadPrinterDword(&record, nw::settings::kVendorKey, W("%s\\Pdf Settings"),
                                                      W("JPEG Quality"), &value));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_PrimitiveDwordRead);

void BM_PrimitiveTextWrite(benchmark::State& state) {
    const NordwispDEVMODE record = MakeRecord();
    if (!SetUpPrinter()) {
        state.SkipWithError("setup failed");
        return;
    }
    const WCHAR* const texts[2] = {W("Kelmora Works"), W("Nordwisp")};
    unsigned i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            nw::WritePrinterString(&record, nw::settings::kVendorKey, W("%s\\Pdf Settings"), W("Author"), texts[++i & 1]));
}
BENCHMARK(BM_PrimitiveTextWrite);

}  // namespace

