// Adding a user paper and deleting it again, the whole way each time:
// printer opened, list read from the registry, checked, and written back.
// Both rewrite the whole list, so the cost grows with the number of papers.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "devmode/record_store.h"
#include "papers/paper_list.h"
#include "papers/paper_operations.h"
#include "platform/hosted/provisioning.h"
#include "settings/key_path.h"

namespace {

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};

NordwispDEVMODE* BenchRecord() {
    static std::unique_ptr<NordwispDEVMODE, RecordRelease> record = [] {
        nw::hosted::ProvisionNordwispPrinter(u"Nordwisp Printer", u"NORDWISP:");
        return std::unique_ptr<NordwispDEVMODE, RecordRelease>(nw::LoadRecord(W("Nordwisp Printer"), 0));
    }();
    return record.get();
}

// A list of `count` user papers in millimetres, as a long-used printer has.
bool StoreList(std::size_t count) {
    nw::papers::PaperList papers(count);
    for (std::size_t i = 0; i < count; ++i) {
        auto& paper = papers[i];
        paper.nWindowsPaperCode = static_cast<std::int32_t>(277 + i);
        paper.sPhysSize = {1000 + static_cast<std::uint32_t>(i), 2000};
        nw::papers::SetTitle(paper, W("Paper ") + nw::settings::DecimalText(static_cast<std::int64_t>(i)));
        paper.bAdvancedPaperSize = 1;
        paper.bAvailable = 1;
        paper.nUnits = nw::papers::kUnitsMillimetres;
    }
    return nw::papers::SavePaperList(nullptr, papers.data(), papers.size(), W("Nordwisp Printer")) == 1;
}

void BM_AddThenDeletePaper(benchmark::State& state) {
    NordwispDEVMODE* record = BenchRecord();
    if (record == nullptr || !StoreList(static_cast<std::size_t>(state.range(0)))) {
        state.SkipWithError("no printer");
        return;
    }
    for (auto _ : state) {
        const int code = nw::papers::AddPaper(record, W("Bench Extra"), 1500, 2500, 1);
        const int deleted = nw::papers::DeletePaper(record, W("Bench Extra"));
        if (code == 0 || deleted != 1) {
            state.SkipWithError("add or delete failed");
            return;
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddThenDeletePaper)->Arg(20)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
