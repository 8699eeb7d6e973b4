// Modules. A module is a host shared object loaded by the file name it is
// given ("VyMQxQR.dll" is an ELF object of that name), searched in the
// system folder, then the driver folder, then by the host loader.
// "kernel32.dll", "advapi32.dll" and "userenv.dll" exist without a file:
// they export the hosted functions the library looks up by name and those
// that modules import.
#include <dlfcn.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hosted/host_path.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/hosted/module_imports.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// ---- Functions of the pseudo modules ----------------------------------------

std::atomic<USHORT> g_processMachine{IMAGE_FILE_MACHINE_UNKNOWN};
std::atomic<USHORT> g_nativeMachine{IMAGE_FILE_MACHINE_AMD64};

LONG HostedGetCurrentPackageFullName(UINT32* length, PWSTR name) {
    if (length == nullptr || (*length != 0 && name == nullptr)) return ERROR_INVALID_PARAMETER;
    try {
        const std::u16string package = CurrentIdentity().packageFullName;
        if (package.empty()) return APPMODEL_ERROR_NO_PACKAGE;
        const auto needed = static_cast<UINT32>(package.size() + 1);
        if (*length < needed) {
            *length = needed;
            return ERROR_INSUFFICIENT_BUFFER;
        }
        package.copy(name, package.size());
        name[package.size()] = 0;
        *length = needed;
        return ERROR_SUCCESS;
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

BOOL HostedIsWow64Process2(HANDLE process, USHORT* processMachine, USHORT* nativeMachine) {
    if (processMachine == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (process != GetCurrentProcess()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *processMachine = g_processMachine.load();
    if (nativeMachine) *nativeMachine = g_nativeMachine.load();
    return TRUE;
}

BOOL HostedExpandEnvironmentStringsForUserW(HANDLE token, LPCWSTR source, LPWSTR destination, DWORD size) {
    if (source == nullptr || destination == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        std::optional<Identity> user;
        if (token != nullptr) {
            user = TokenIdentity(token);
            if (!user) {
                SetLastError(ERROR_INVALID_HANDLE);
                return FALSE;
            }
        }
        const Identity* who = user ? &*user : nullptr;
        const std::u16string expanded =
            ExpandReferences(source, [&](std::u16string_view name) { return UserEnvironmentValue(who, name); });
        if (expanded.size() + 1 > size) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        expanded.copy(destination, expanded.size());
        destination[expanded.size()] = 0;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

struct PseudoExport {
    const char* name;
    FARPROC proc;
};

struct PseudoModule {
    const char16_t* name;  // without ".dll"
    const PseudoExport* exports;
    std::size_t count;
};

// Through void(*)(), the one pointer type a function may be cast to and
// from without a cast-function-type warning.
template <class F>
FARPROC Proc(F* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

const PseudoExport kKernel32Exports[] = {
    {"GetCurrentPackageFullName", Proc(&HostedGetCurrentPackageFullName)},
    {"GlobalAlloc", Proc(&::GlobalAlloc)},
    {"GlobalFree", Proc(&::GlobalFree)},
    {"GlobalLock", Proc(&::GlobalLock)},
    {"GlobalSize", Proc(&::GlobalSize)},
    {"GlobalUnlock", Proc(&::GlobalUnlock)},
    {"IsWow64Process2", Proc(&HostedIsWow64Process2)},
    {"ProcessIdToSessionId", Proc(&::ProcessIdToSessionId)},
    // What the configuration module binds.
    {"CloseHandle", Proc(&::CloseHandle)},
    {"CreateDirectoryW", Proc(&::CreateDirectoryW)},
    {"CreateFileW", Proc(&::CreateFileW)},
    {"DeleteFileW", Proc(&::DeleteFileW)},
    {"FileTimeToSystemTime", Proc(&::FileTimeToSystemTime)},
    {"GetEnvironmentVariableW", Proc(&::GetEnvironmentVariableW)},
    {"GetFileAttributesW", Proc(&::GetFileAttributesW)},
    {"GetFileTime", Proc(&::GetFileTime)},
    {"GetPrivateProfileStringW", Proc(&::GetPrivateProfileStringW)},
    {"ReadFile", Proc(&::ReadFile)},
    {"WriteFile", Proc(&::WriteFile)},
    {"WritePrivateProfileStringW", Proc(&::WritePrivateProfileStringW)},
};

const PseudoExport kAdvapi32Exports[] = {
    {"RegCloseKey", Proc(&::RegCloseKey)},
    {"RegCreateKeyExW", Proc(&::RegCreateKeyExW)},
    {"RegDeleteKeyW", Proc(&::RegDeleteKeyW)},
    {"RegEnumKeyExW", Proc(&::RegEnumKeyExW)},
    {"RegOpenKeyExW", Proc(&::RegOpenKeyExW)},
    {"RegQueryValueExW", Proc(&::RegQueryValueExW)},
    {"RegSetValueExW", Proc(&::RegSetValueExW)},
};

const PseudoExport kUserenvExports[] = {
    {"ExpandEnvironmentStringsForUserW", Proc(&HostedExpandEnvironmentStringsForUserW)},
};

const PseudoModule kPseudoModules[] = {
    {u"kernel32", kKernel32Exports, std::size(kKernel32Exports)},
    {u"userenv", kUserenvExports, std::size(kUserenvExports)},
    {u"advapi32", kAdvapi32Exports, std::size(kAdvapi32Exports)},
};

// ---- Loaded modules ----------------------------------------------------------

struct LoadedModule {
    std::u16string fileName;  // as found, for GetModuleHandleW
    unsigned loads = 0;
    bool permanent = false;  // the program itself
};

struct ModuleTable {
    std::mutex lock;
    std::map<void*, LoadedModule> modules;
};

ModuleTable& Modules() {
    static ModuleTable* table = new ModuleTable;
    return *table;
}

HMODULE PseudoHandle(const PseudoModule& module) {
    return reinterpret_cast<HMODULE>(const_cast<PseudoModule*>(&module));
}

const PseudoModule* PseudoByHandle(HMODULE handle) {
    for (const auto& module : kPseudoModules)
        if (PseudoHandle(module) == handle) return &module;
    return nullptr;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

std::u16string_view FileNameOf(std::u16string_view path) {
    std::size_t cut = path.size();
    while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
    return path.substr(cut);
}

// Windows adds ".dll" to a name without extension; a trailing dot means
// "no extension" and is dropped.
std::u16string WithExtension(std::u16string_view path) {
    std::u16string out(path);
    const auto name = FileNameOf(path);
    if (!name.empty() && name.back() == u'.') {
        out.pop_back();
    } else if (name.find(u'.') == std::u16string_view::npos) {
        out += u".dll";
    }
    return out;
}

const PseudoModule* PseudoByName(std::u16string_view path) {
    std::u16string_view name = FileNameOf(path);
    if (name.size() > 4 && EqualNoCase(name.substr(name.size() - 4), u".dll")) name.remove_suffix(4);
    for (const auto& module : kPseudoModules)
        if (EqualNoCase(module.name, name)) return &module;
    return nullptr;
}

void* MainProgram() {
    static void* const handle = [] {
        void* h = ::dlopen(nullptr, RTLD_NOW);
        auto& table = Modules();
        std::lock_guard guard(table.lock);
        table.modules[h].permanent = true;
        return h;
    }();
    return handle;
}

HMODULE Register(void* handle, std::u16string fileName) {
    auto& table = Modules();
    std::lock_guard guard(table.lock);
    auto& module = table.modules[handle];
    if (module.fileName.empty()) module.fileName = std::move(fileName);
    ++module.loads;
    return static_cast<HMODULE>(handle);
}

std::u16string DriverFolder() {
    return sizeof(void*) == 8 ? u"C:\\windows\\system32\\spool\\drivers\\x64\\3\\"
                              : u"C:\\windows\\system32\\spool\\drivers\\W32X86\\3\\";
}

FARPROC PseudoExportOf(const PseudoModule& module, const char* name) {
    for (std::size_t i = 0; i < module.count; ++i)
        if (std::strcmp(module.exports[i].name, name) == 0) return module.exports[i].proc;
    return nullptr;
}

// Binds the module's import table (module_imports.h); false when one of
// its imports does not exist.
bool BindImports(void* handle) {
    auto* imports = static_cast<NwHostedImport*>(::dlsym(handle, NW_HOSTED_IMPORTS_SYMBOL));
    for (; imports != nullptr && imports->module != nullptr; ++imports) {
        const PseudoModule* from = nullptr;
        for (const auto& module : kPseudoModules)
            if (EqualNoCase(module.name, FromUtf8(imports->module))) from = &module;
        const FARPROC proc = from != nullptr && imports->name != nullptr ? PseudoExportOf(*from, imports->name) : nullptr;
        if (proc == nullptr || imports->slot == nullptr) return false;
        *imports->slot = reinterpret_cast<NwHostedProc>(proc);
    }
    return true;
}

bool RegularFile(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

HMODULE Load(std::u16string_view given) {
    if (given.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    if (const auto* pseudo = PseudoByName(given)) return PseudoHandle(*pseudo);
    const std::u16string file = WithExtension(given);
    const bool hasFolder = FileNameOf(file).size() != file.size() || file.find(u':') != std::u16string::npos;
    std::vector<std::filesystem::path> candidates;
    if (hasFolder) {
        candidates.push_back(HostPath(file));
    } else {
        candidates.push_back(HostPath(u"C:\\windows\\system32\\" + file));
        candidates.push_back(HostPath(DriverFolder() + file));
    }
    for (const auto& path : candidates) {
        if (!RegularFile(path)) continue;
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            SetLastError(ERROR_BAD_EXE_FORMAT);
            return nullptr;
        }
        if (!BindImports(handle)) {
            ::dlclose(handle);
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        return Register(handle, FromUtf8(path.filename().native()));
    }
    if (!hasFolder) {
        if (void* handle = ::dlopen(ToUtf8(file).c_str(), RTLD_NOW | RTLD_LOCAL)) {
            if (BindImports(handle)) return Register(handle, file);
            ::dlclose(handle);
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

}  // namespace

std::size_t LoadedModuleCount() {
    auto& table = Modules();
    std::lock_guard guard(table.lock);
    std::size_t count = 0;
    for (const auto& [handle, module] : table.modules)
        if (!module.permanent && module.loads > 0) ++count;
    return count;
}

void SetWow64Machines(USHORT processMachine, USHORT nativeMachine) {
    g_processMachine.store(processMachine);
    g_nativeMachine.store(nativeMachine);
}

}  // namespace nw::hosted

HMODULE LoadLibraryW(LPCWSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    try {
        return nw::hosted::Load(fileName);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    using namespace nw::hosted;
    if (moduleName == nullptr) return static_cast<HMODULE>(MainProgram());
    try {
        if (const auto* pseudo = PseudoByName(moduleName)) return PseudoHandle(*pseudo);
        const std::u16string file = WithExtension(moduleName);
        const auto name = FileNameOf(file);
        auto& table = Modules();
        std::lock_guard guard(table.lock);
        for (const auto& [handle, module] : table.modules)
            if (module.loads > 0 && EqualNoCase(module.fileName, name)) return static_cast<HMODULE>(handle);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    using namespace nw::hosted;
    // No module here exports by ordinal.
    if (reinterpret_cast<std::uintptr_t>(procName) <= 0xFFFF) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    if (const auto* pseudo = PseudoByHandle(module)) {
        if (const FARPROC proc = PseudoExportOf(*pseudo, procName)) return proc;
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* handle = module != nullptr ? static_cast<void*>(module) : MainProgram();
    {
        auto& table = Modules();
        std::lock_guard guard(table.lock);
        if (table.modules.find(handle) == table.modules.end()) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return nullptr;
        }
    }
    if (void* symbol = ::dlsym(handle, procName)) return reinterpret_cast<FARPROC>(symbol);
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    using namespace nw::hosted;
    if (PseudoByHandle(module) != nullptr) return TRUE;
    void* handle = module;
    {
        auto& table = Modules();
        std::lock_guard guard(table.lock);
        auto found = table.modules.find(handle);
        if (found == table.modules.end() || (found->second.loads == 0 && !found->second.permanent)) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return FALSE;
        }
        if (found->second.permanent && found->second.loads == 0) return TRUE;
        if (--found->second.loads == 0 && !found->second.permanent) table.modules.erase(found);
    }
    // Outside the lock: unloading runs the module's destructors.
    ::dlclose(handle);
    return TRUE;
}
