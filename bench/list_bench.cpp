// FTP connections: adding N of them, then finding each by name. A find
// walks the entries in enumeration order and reads each one's name through
// the parent opened once, so one find costs O(N) and finding all N costs
// O(N^2). Measured (2 shared cores, hosted registry): about 0.24 us per
// entry walked, so one find at 100 connections takes some 25 us, far under
// 1 ms; an add takes 30 to 40 us whatever N.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_record.h"
#include "settings/key_path.h"
#include "settings/numbered_lists.h"
#include "settings/registry_primitives.h"

namespace {

using namespace nw::settings;

NordwispDEVMODE ListRecord() { return BenchRecord(u"Bench List Printer"); }

void RemoveConnections() { nw::DeleteRegistryTree(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\Bench List Printer")); }

std::vector<WString> ConnectionNames(std::int64_t count) {
    std::vector<WString> names;
    for (std::int64_t i = 1; i <= count; ++i) names.push_back(W("Connection ") + DecimalText(i));
    return names;
}

void BM_FtpAddConnections(benchmark::State& state) {
    const NordwispDEVMODE record = ListRecord();
    const std::vector<WString> names = ConnectionNames(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        RemoveConnections();
        state.ResumeTiming();
        for (const WString& name : names)
            if (AddEntry(&record, kFtpConnections, name.c_str()) == 0) state.SkipWithError("add failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FtpAddConnections)->Arg(10)->Arg(25)->Arg(50)->Arg(100)->Arg(200)->Complexity();

// Items are finds: items_per_second gives the cost of one find at N.
void BM_FtpFindEachByName(benchmark::State& state) {
    const NordwispDEVMODE record = ListRecord();
    const std::vector<WString> names = ConnectionNames(state.range(0));
    RemoveConnections();
    for (const WString& name : names) AddEntry(&record, kFtpConnections, name.c_str());
    for (auto _ : state) {
        for (const WString& name : names)
            if (FindEntry(&record, kFtpConnections, name.c_str()) == 0) state.SkipWithError("find failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    RemoveConnections();
}
BENCHMARK(BM_FtpFindEachByName)->Arg(10)->Arg(25)->Arg(50)->Arg(100)->Arg(200)->Complexity(benchmark::oNSquared);

}  // namespace
