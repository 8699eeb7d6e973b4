// A registry-backed getter and setter through the same frame and generic
// code the exports run: each resolves the printer's key name and opens and
// closes its keys. Targets: getter 3 us, setter 25 us.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_record.h"
#include "platform/handles.h"
#include "settings/family_frame.h"
#include "settings/family_tables.h"

namespace {

using namespace nw::settings;

void ConfigurePrinter();

NordwispDEVMODE MakeRecord() {
    ConfigurePrinter();
    return BenchRecord(u"Bench Family Printer");
}

// A printer in use has a few hundred settings; the user hive then holds
// more than the few kilobytes a fresh one does, as in the field.
void ConfigurePrinter() {
    static bool done = false;
    if (done) return;
    done = true;
    nw::RegistryKey key;
    RegCreateKeyExW(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\Bench Family Printer\\Email Settings"), 0, nullptr,
                    0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    for (int i = 0; i < 300; ++i) {
        const std::u16string name = u"Setting " + std::u16string(1, char16_t(u'A' + i % 26)) +
                                    std::u16string(1, char16_t(u'a' + i / 26));
        const std::u16string text = u"a configured value of realistic length";
        RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() * 2));
    }
}

void BM_FamilyDecimalGetter(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    SetExport(&record, pdf::JPEGQuality, 70);
    for (auto _ : state) {
        int quality = 0;
        benchmark::DoNotOptimize(GetOutExport(&record, pdf::JPEGQuality, &quality));
        benchmark::DoNotOptimize(quality);
    }
}
BENCHMARK(BM_FamilyDecimalGetter);

void BM_FamilyDwordGetter(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    SetExport(&record, redirect_printing::Copies, 3);
    for (auto _ : state) benchmark::DoNotOptimize(GetValueExport(&record, redirect_printing::Copies));
}
BENCHMARK(BM_FamilyDwordGetter);

void BM_FamilyDecimalSetter(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    int quality = 1;
    for (auto _ : state) {
        quality = quality % 100 + 1;
        if (!SetExport(&record, pdf::JPEGQuality, quality)) state.SkipWithError("setter failed");
    }
}
BENCHMARK(BM_FamilyDecimalSetter);

void BM_FamilyYesNoSetter(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    int on = 0;
    for (auto _ : state) {
        on ^= 1;
        if (!SetExport(&record, post_print::FTPUpload, on)) state.SkipWithError("setter failed");
    }
}
BENCHMARK(BM_FamilyYesNoSetter);

// A 200-character text written then read back, as the Wine comparison does.
void BM_FamilyTextSetThenGet(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    std::u16string text(200, u'a');
    WCHAR buffer[512];
    for (auto _ : state) {
        text[0] = text[0] == u'z' ? u'a' : char16_t(text[0] + 1);
        int size = sizeof buffer;
        if (!SetTextExport(&record, email::SMTPServerName, reinterpret_cast<const WCHAR*>(text.c_str())) ||
            !GetTextExport(&record, email::SMTPServerName, buffer, &size))
            state.SkipWithError("text round trip failed");
    }
}
BENCHMARK(BM_FamilyTextSetThenGet);

}  // namespace
