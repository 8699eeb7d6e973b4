// Profiles: the rows of profile_exports.def.
#include <cstdint>

#include "exports/export_definitions.h"
#include "frame/last_error.h"
#include "profiles/apply_profile_file.h"
#include "profiles/configuration_module.h"
#include "profiles/profile_index.h"

using namespace nw;

namespace {

// The description and file-name buffers callers pass: 520 bytes.
constexpr std::size_t kProfileTextChars = 260;

// The profile exports leave the last error as it was: the record loads
// and saves they run on the way, here or in the module, store their own.
template <class Op>
int Quietly(Op&& op) noexcept {
    const std::uint32_t saved = LastErrorValue();
    int result = 0;
    try {
        result = op();
    } catch (...) {
        result = 0;
    }
    SetLastErrorValue(saved);
    return result;
}

template <class... Args>
int Forward(const WCHAR* printer, const char* name, Args... args) noexcept {
    return Quietly([&] { return profiles::ForwardToConfigurationModule(printer, name, args...); });
}

}  // namespace

#include "exports/profile_exports.def"
