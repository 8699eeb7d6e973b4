#include "library_exports.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace nwtool {

void* FindExport(const char* name) {
#ifdef _WIN32
    // The tool is linked against the DLL, so it is loaded already.
    static const HMODULE library = GetModuleHandleW(L"NordwispDEVMODE.dll");
    if (library == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(library, name));
#else
    // The tool links the shared library: its symbols are in the global scope.
    return dlsym(RTLD_DEFAULT, name);
#endif
}

}  // namespace nwtool
