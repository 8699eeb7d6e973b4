#include "library_exports.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#include <string>
#else
#include <dlfcn.h>
#endif

namespace nwtool {

void* FindExport(const char* name, bool decorated) {
#ifdef _WIN32
    // The tool is linked against the DLL, so it is loaded already.
    static const HMODULE library = GetModuleHandleW(L"NordwispDEVMODE.dll");
    if (library == nullptr) return nullptr;
    if (void* plain = reinterpret_cast<void*>(GetProcAddress(library, name)); plain != nullptr || !decorated)
        return plain;
    // int __stdcall Name(NordwispDEVMODE*, int*) or (NordwispDEVMODE*, int).
    const bool getter = std::strncmp(name, "Get", 3) == 0;
#ifdef _WIN64
    const std::string symbol =
        std::string("?") + name + "@@YAHPEAUNordwispDEVMODE@@" + (getter ? "PEAH" : "H") + "@Z";
#else
    const std::string symbol = std::string("?") + name + "@@YGHPAUNordwispDEVMODE@@" + (getter ? "PAH" : "H") + "@Z";
#endif
    return reinterpret_cast<void*>(GetProcAddress(library, symbol.c_str()));
#else
    (void)decorated;  // the shared library exports every name plain
    // The tool links the shared library: its symbols are in the global scope.
    return dlsym(RTLD_DEFAULT, name);
#endif
}

}  // namespace nwtool
