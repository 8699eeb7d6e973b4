// The module's entry points. Kept apart from the profile store, which
// includes the library's header: the library exports functions of the same
// names with its own signatures.
#include "NwConfigModule.h"
#include "profile_store.h"

namespace {

const nwconfig::Char* Text(uintptr_t argument) { return reinterpret_cast<const nwconfig::Char*>(argument); }

template <class Op>
int Safely(Op&& op) noexcept {
    try {
        return op() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace

extern "C" {

int NWCFG_API ApplyProfile(const NwCfgChar* printerName, NwCfgHandle, uintptr_t profileName, uintptr_t reserved) {
    return Safely([&] { return reserved == 0 && nwconfig::Apply(printerName, Text(profileName)); });
}

int NWCFG_API CreateProfile(const NwCfgChar* printerName, uintptr_t profileName, uintptr_t description,
                            uintptr_t flags) {
    return Safely([&] {
        return nwconfig::Create(printerName, Text(profileName), Text(description), nullptr, (flags & NWCFG_REPLACE) != 0);
    });
}

int NWCFG_API CreateProfileFile(const NwCfgChar* printerName, uintptr_t profileName, uintptr_t description,
                                uintptr_t file, uintptr_t flags) {
    return Safely([&] {
        return Text(file) != nullptr && nwconfig::Create(printerName, Text(profileName), Text(description), Text(file),
                                                         (flags & NWCFG_REPLACE) != 0);
    });
}

int NWCFG_API DeleteProfile(const NwCfgChar* printerName, uintptr_t profileName) {
    return Safely([&] { return nwconfig::Delete(printerName, Text(profileName)); });
}

int NWCFG_API ExportProfileData(const NwCfgChar* printerName, uintptr_t profileName, uintptr_t file) {
    return Safely([&] { return nwconfig::Export(printerName, Text(profileName), Text(file)); });
}

int NWCFG_API ImportProfileData(const NwCfgChar* printerName, uintptr_t file, uintptr_t flags) {
    return Safely([&] { return nwconfig::Import(printerName, Text(file), (flags & NWCFG_REPLACE) != 0); });
}

uint32_t NWCFG_API GetNumberOfProfiles(const NwCfgChar* printerName) {
    try {
        return static_cast<uint32_t>(nwconfig::VisibleProfiles(printerName).size());
    } catch (...) {
        return 0;
    }
}

int NWCFG_API GetProfileName(const NwCfgChar* printerName, uint32_t index, NwCfgChar* name) {
    return Safely([&] {
        if (name == nullptr) return false;
        const auto names = nwconfig::VisibleProfiles(printerName);
        if (index >= names.size()) return false;
        const auto& found = names[index];
        const std::size_t length = found.size() < nwconfig::kNameBufferChars ? found.size() : nwconfig::kNameBufferChars - 1;
        found.copy(name, length);
        name[length] = 0;
        return true;
    });
}

}  // extern "C"
