// Reading and writing one key of a 700-key profile file (7 sections of 100
// keys), as the settings export and import do thousands of times.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/win32api.h"

namespace {

constexpr int kSections = 7;
constexpr int kKeysPerSection = 100;
const WCHAR* const kFile = W("profile_bench.ini");

WString Text(const char* prefix, int n) {
    WString text;
    for (const char* p = prefix; *p; ++p) text += static_cast<WCHAR>(*p);
    for (char c : std::to_string(n)) text += static_cast<WCHAR>(c);
    return text;
}

bool BuildFile() {
    static const bool built = [] {
        for (int s = 0; s < kSections; ++s)
            for (int k = 0; k < kKeysPerSection; ++k)
                if (!WritePrivateProfileStringW(Text("Section ", s).c_str(), Text("Setting number ", k).c_str(),
                                                Text("value ", s * kKeysPerSection + k).c_str(), kFile))
                    return false;
        return true;
    }();
    return built;
}

void BM_GetPrivateProfileString(benchmark::State& state) {
    if (!BuildFile()) {
        state.SkipWithError("cannot build the file");
        return;
    }
    // The last key of the last section: the longest search.
    const WString section = Text("Section ", kSections - 1);
    const WString key = Text("Setting number ", kKeysPerSection - 1);
    WCHAR buffer[64];
    for (auto _ : state) {
        const DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), W(""), buffer, 64, kFile);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_GetPrivateProfileString);

void BM_WritePrivateProfileString(benchmark::State& state) {
    if (!BuildFile()) {
        state.SkipWithError("cannot build the file");
        return;
    }
    const WString section = Text("Section ", kSections / 2);
    const WString key = Text("Setting number ", kKeysPerSection / 2);
    const WString values[2] = {Text("changed ", 1), Text("changed ", 2)};
    int i = 0;
    for (auto _ : state) {
        // Alternating values, so that every call really rewrites the file.
        if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), values[i ^= 1].c_str(), kFile)) {
            state.SkipWithError("write failed");
            break;
        }
    }
}
BENCHMARK(BM_WritePrivateProfileString);

void BM_GetPrivateProfileInt(benchmark::State& state) {
    if (!BuildFile()) {
        state.SkipWithError("cannot build the file");
        return;
    }
    const WString section = Text("Section ", 0);
    const WString key = Text("Setting number ", 0);
    for (auto _ : state) benchmark::DoNotOptimize(GetPrivateProfileIntW(section.c_str(), key.c_str(), 0, kFile));
}
BENCHMARK(BM_GetPrivateProfileInt);

}  // namespace
