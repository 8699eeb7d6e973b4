// Whole settings files: the export of a printer with settings in every
// family, the import of that file (DefaultEnvironment) and the default
// settings built from the driver's data file. The per-key export shows
// what the in-memory file saves.
#include <benchmark/benchmark.h>

#include <memory>

#include "devmode/record_store.h"
#include "papers/paper_operations.h"
#include "platform/hosted/provisioning.h"
#include "platform/win32api.h"
#include "profiles/default_environment.h"
#include "profiles/default_settings.h"
#include "profiles/settings_writer.h"
#include "settings/family_tables.h"
#include "settings/name_lists.h"
#include "settings/numbered_lists.h"
#include "settings/passwords.h"
#include "settings/stamp_presets.h"

namespace {

using namespace nw::settings;

constexpr WCHAR kPrinter[] = W("Settings Printer");
constexpr WCHAR kFile[] = W("C:\\bench\\settings.ini");

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};

// The printer's record once it holds settings in every family.
NordwispDEVMODE* RichRecord() {
    static std::unique_ptr<NordwispDEVMODE, RecordRelease> record = [] {
        nw::hosted::ProvisionNordwispPrinter(kPrinter, u"NORDWISP:");
        NordwispDEVMODE* r = nw::LoadRecord(kPrinter, 0);
        if (r == nullptr) return std::unique_ptr<NordwispDEVMODE, RecordRelease>();
        WriteSetting(r, pdf::Title, W("Benchmark"));
        WritePdfPassword(r, pdf::UserPassword, W("user"));
        WriteSmtpPassword(r, W("smtp"));
        WriteSetting(r, email::To, W("a@example.com"));
        WriteSetting(r, header::Text, W("Header"));
        for (const WCHAR* name : {W("One"), W("Two"), W("Three")}) {
            const std::int32_t entry = AddEntry(r, kFtpConnections, name);
            WriteHexPassword(r, *AtEntry(ftp::Password, entry), W("secret"));
        }
        SaveTextStampPreset(r, W("Draft"));
        SaveTextStampPreset(r, W("Copy"));
        WriteBatesSetting(r, 1, W("Number of Formats"), W("2"));
        WriteBatesSetting(r, 1, W("Name"), W("First"));
        WriteBatesSetting(r, 2, W("Name"), W("Second"));
        WriteNameItem(r, kRedirectPrinters, 0, W("Office"));
        WriteNameCount(r, kRedirectPrinters, 1);
        WriteNameItem(r, kPdfForceEmbedFonts, 0, W("Arial"));
        WriteNameCount(r, kPdfForceEmbedFonts, 1);
        nw::papers::AddPaper(r, W("Banner"), 2000, 6000, 1);
        ::CreateDirectoryW(W("C:\\bench"), nullptr);
        nw::profiles::ExportSettingsToIniFile(r, kFile);
        return std::unique_ptr<NordwispDEVMODE, RecordRelease>(r);
    }();
    return record.get();
}

void BM_ExportSettings(benchmark::State& state) {
    const NordwispDEVMODE* record = RichRecord();
    if (record == nullptr) return state.SkipWithError("no printer");
    for (auto _ : state) benchmark::DoNotOptimize(nw::profiles::ExportSettingsToIniFile(record, kFile));
}
BENCHMARK(BM_ExportSettings)->Unit(benchmark::kMillisecond);

void BM_ExportSettingsPerKey(benchmark::State& state) {
    const NordwispDEVMODE* record = RichRecord();
    if (record == nullptr) return state.SkipWithError("no printer");
    const nw::profiles::SettingsWriters writers = nw::profiles::ProfileFunctionWriters();
    for (auto _ : state) benchmark::DoNotOptimize(nw::profiles::WriteSettingsToIni(record, kFile, 0, writers));
}
BENCHMARK(BM_ExportSettingsPerKey)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ImportSettings(benchmark::State& state) {
    const NordwispDEVMODE* record = RichRecord();
    if (record == nullptr) return state.SkipWithError("no printer");
    for (auto _ : state) {
        NordwispDEVMODE copy = *record;
        nw::profiles::DefaultEnvironment(nullptr, kFile, &copy, 0);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_ImportSettings)->Unit(benchmark::kMillisecond);

void BM_CreateDefaultSettings(benchmark::State& state) {
    if (RichRecord() == nullptr) return state.SkipWithError("no printer");
    for (auto _ : state) {
        NordwispDEVMODE* record = nw::profiles::CreateDefaultSettings(kPrinter);
        benchmark::DoNotOptimize(record);
        ::GlobalFree(record);
    }
}
BENCHMARK(BM_CreateDefaultSettings)->Unit(benchmark::kMillisecond);

}  // namespace
