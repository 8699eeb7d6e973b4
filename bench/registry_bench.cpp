// Registry costs the library pays on every setting: opening a key to read one
// value, and a durable write of one value into a hive of realistic size.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/handles.h"
#include "platform/win32api.h"

namespace {

std::u16string Number(int n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

void BM_RegistryOpenQueryClose(benchmark::State& state) {
    {
        nw::RegistryKey key;
        RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Kelmora Works\\Bench Printer\\Pdf Settings", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
        const DWORD zoom = 150;
        RegSetValueExW(key.get(), u"Open Zoom", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zoom), sizeof zoom);
    }
    for (auto _ : state) {
        HKEY key = nullptr;
        DWORD value = 0;
        DWORD size = sizeof value;
        RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Kelmora Works\\Bench Printer\\Pdf Settings", 0, KEY_READ, &key);
        RegQueryValueExW(key, u"Open Zoom", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_RegistryOpenQueryClose);

// 5,000 values: 50 printer-like keys of 100 values each, in the machine hive.
void BM_RegistryDurableSet(benchmark::State& state) {
    constexpr int kKeys = 50;
    constexpr int kValuesPerKey = 100;
    for (int k = 0; k < kKeys; ++k) {
        nw::RegistryKey key;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, (u"SOFTWARE\\BenchHive\\Key" + Number(k)).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
        for (int v = 0; v < kValuesPerKey; ++v) {
            const std::u16string text = u"setting text number " + Number(v);
            RegSetValueExW(key.get(), (u"Value" + Number(v)).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() * 2));
        }
    }
    nw::RegistryKey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\BenchHive\\Key25", 0, KEY_ALL_ACCESS, key.put());
    DWORD counter = 0;
    for (auto _ : state) {
        ++counter;
        const LSTATUS status = RegSetValueExW(key.get(), u"Value50", 0, REG_DWORD,
                                              reinterpret_cast<const BYTE*>(&counter), sizeof counter);
        if (status != ERROR_SUCCESS) state.SkipWithError("RegSetValueExW failed");
    }
}
BENCHMARK(BM_RegistryDurableSet);

}  // namespace
