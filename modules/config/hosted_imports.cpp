// The hosted module's import table (platform/hosted/module_imports.h):
// LoadLibraryW fills each slot before the module is used.
#include "platform/hosted/module_imports.h"
#include "win32_imports.h"

namespace nwconfig::win {
#define NWCFG_IMPORT(module, name) decltype(&::name) name = nullptr;
#include "win32_imports.def"
#undef NWCFG_IMPORT
}  // namespace nwconfig::win

extern "C" {
__attribute__((visibility("default"))) NwHostedImport NwHostedImports[] = {
#define NWCFG_IMPORT(module, name) {#module, #name, reinterpret_cast<NwHostedProc*>(&nwconfig::win::name)},
#include "win32_imports.def"
#undef NWCFG_IMPORT
    {nullptr, nullptr, nullptr},
};
}
