// One switch, one numeric and one text accessor through the same generic
// code (and frame) the exports run; each should cost a few nanoseconds.
#include <benchmark/benchmark.h>

#include "accessors/numeric_accessors.h"
#include "accessors/switch_accessors.h"
#include "accessors/text_accessors.h"
#include "bench_record.h"

namespace {

using namespace nw::accessors;

NordwispDEVMODE MakeRecord() { return BenchRecord(); }

void BM_EnableAndReadSwitch(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(EnableSwitch(&record, switches::LowFaxOutput));
        benchmark::DoNotOptimize(IsSwitch(&record, switches::LowFaxOutput));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EnableAndReadSwitch);

void BM_SetAndGetNumber(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    std::int32_t value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetNumber(&record, numbers::LossRatio, value++ & 127));
        benchmark::DoNotOptimize(GetNumber(&record, numbers::LossRatio));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetAndGetNumber);

void BM_SetAndGetText(benchmark::State& state) {
    NordwispDEVMODE record = MakeRecord();
    const WCHAR text[] = u"C:\\Output\\Scans";
    for (auto _ : state) {
        benchmark::DoNotOptimize(SetText(&record, texts::OutputDirectory, text));
        benchmark::DoNotOptimize(GetText(&record, texts::OutputDirectory));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetAndGetText);

}  // namespace
