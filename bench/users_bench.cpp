// Copying a printer's settings to every user on a machine of many users not
// logged on (a terminal server has hundreds): each one's hive is loaded,
// changed and unloaded. Reported per user, for 10, 50 and 100 users, to
// show how the cost grows.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/handles.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"
#include "platform/hosted/users.h"
#include "platform/win32api.h"
#include "users/user_settings.h"

namespace {

void BM_CopySettingsForAllUsers(benchmark::State& state) {
    const auto users = static_cast<int>(state.range(0));
    const std::filesystem::path previous = nw::hosted::MachineRoot();
    nw::hosted::SetMachineRoot(previous / ("users-" + std::to_string(users)));
    nw::hosted::ProvisionNordwispPrinter(nw::hosted::kDemoPrinter, u"");
    for (int i = 0; i < users; ++i)
        nw::hosted::AddMachineUser(u"user" + nw::hosted::FromUtf8(std::to_string(i)), u"", false, u"", nullptr);
    {
        // A printer key of realistic shape: a few feature subkeys and values.
        for (const char16_t* feature : {u"Pdf Settings", u"Footer Settings", u"Post Print Settings"}) {
            nw::RegistryKey key;
            RegCreateKeyExW(HKEY_CURRENT_USER, (std::u16string(u"SOFTWARE\\Kelmora Works\\Nordwisp Printer\\") + feature).c_str(),
                            0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
            for (int v = 0; v < 10; ++v) {
                const DWORD value = static_cast<DWORD>(v);
                RegSetValueExW(key.get(), (u"Value" + nw::hosted::FromUtf8(std::to_string(v))).c_str(), 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&value), sizeof value);
            }
        }
    }
    for (auto _ : state) {
        if (nw::CopySettingsToAllUsers(nw::hosted::kDemoPrinter) != 1) state.SkipWithError("the copy failed");
    }
    state.counters["per_user"] =
        benchmark::Counter(static_cast<double>(users), benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
    nw::hosted::SetMachineRoot(previous);
}
BENCHMARK(BM_CopySettingsForAllUsers)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
