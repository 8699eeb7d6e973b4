// The printer driver's configuration module, which performs most profile
// operations: each call opens the printer, loads the module its driver
// names (pConfigFile), calls one function by name, frees the module and
// closes the printer.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "platform/handles.h"
#include "platform/win32api.h"

namespace nw::profiles {

class ConfigurationModule {
public:
    explicit ConfigurationModule(const WCHAR* printer);

    HANDLE Printer() const { return printer_.get(); }
    template <class Fn>
    Fn Function(const char* name) const {
        return ModuleFunction<Fn>(module_.get(), name);
    }

private:
    // Declared first, so the module is freed before the printer closes.
    PrinterHandle printer_;
    ModuleHandle module_;
};

// Stands for the open printer handle among the arguments passed on.
struct OpenPrinterHandle {};

namespace detail {
template <class Arg>
Arg Resolve(const ConfigurationModule&, Arg arg) {
    return arg;
}
inline HANDLE Resolve(const ConfigurationModule& module, OpenPrinterHandle) { return module.Printer(); }
}  // namespace detail

// Calls the module's function `name` with the printer name and args (the
// function's signature follows from them); nothing when the printer, its
// driver information, the module or the function is missing.
template <class Result, class... Args>
std::optional<Result> CallConfigurationModule(const WCHAR* printer, const char* name, Args... args) {
    if (printer == nullptr) return std::nullopt;
    const ConfigurationModule module(printer);
    using Fn = Result(WINAPI*)(LPCWSTR, decltype(detail::Resolve(module, args))...);
    const Fn function = module.Function<Fn>(name);
    if (function == nullptr) return std::nullopt;
    return function(printer, detail::Resolve(module, args)...);
}

// The exports' forwarding: the function's result, 0 when it cannot be
// called.
template <class... Args>
int ForwardToConfigurationModule(const WCHAR* printer, const char* name, Args... args) {
    return CallConfigurationModule<int>(printer, name, args...).value_or(0);
}

// "GetNumberOfProfiles": 1 with the module's count stored.
int GetNumberOfProfiles(const WCHAR* printer, std::uint32_t* count);
// "GetProfileName" into the module's 260-character buffer, then the size
// protocol: needed = length + 1 characters; a buffer smaller than that
// gets nothing and the result 0.
int GetProfileName(const WCHAR* printer, DWORD index, WCHAR* buffer, std::uint32_t* size);

}  // namespace nw::profiles
