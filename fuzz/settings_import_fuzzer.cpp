// Feeds arbitrary bytes as a settings file to DefaultEnvironment and the
// settings import on a machine of its own. The record is a heap copy of
// exactly the record's size, so AddressSanitizer sees any write past a
// field; after each run the printer's settings key is removed, so every
// input starts from the provisioned settings.
//
// Input: one byte of driver capability flags, then the file's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "devmode/record_store.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"
#include "platform/win32api.h"
#include "profiles/default_environment.h"
#include "settings/registry_primitives.h"

namespace {

constexpr WCHAR kPrinter[] = W("Nordwisp Printer");
std::string g_file;
std::unique_ptr<NordwispDEVMODE> g_loaded;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "settings_import_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static std::string root = (std::filesystem::temp_directory_path() / "nw-settings-import-fuzz").string();
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    setenv("NORDWISP_MACHINE", root.c_str(), 1);
    if (nw::hosted::ProvisionNordwispPrinter(kPrinter, u"NORDWISP:") != 0) Fault("cannot provision the printer");
    NordwispDEVMODE* record = nw::LoadRecord(kPrinter, 0);
    if (record == nullptr) Fault("cannot load the record");
    g_loaded = std::make_unique<NordwispDEVMODE>(*record);
    nw::ReleaseRecord(record);
    g_file = root + "/input.ini";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const DWORD capabilities = data[0];
    std::ofstream(g_file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    auto record = std::make_unique<NordwispDEVMODE>(*g_loaded);
    const std::u16string file = nw::hosted::FromUtf8(g_file);
    nw::profiles::DefaultEnvironment(nullptr, file.c_str(), record.get(), capabilities);
    if (std::memcmp(record->DM.dmDeviceName, g_loaded->DM.dmDeviceName, sizeof record->DM.dmDeviceName) != 0)
        Fault("the file changed the printer's name");
    nw::DeleteRegistryTree(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\Nordwisp Printer"));
    return 0;
}
