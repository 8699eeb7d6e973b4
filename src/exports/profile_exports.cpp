// Profiles: the rows of profile_exports.def.
#include "exports/export_definitions.h"
#include "profiles/apply_profile_file.h"
#include "profiles/configuration_module.h"
#include "profiles/profile_index.h"

using namespace nw;

namespace {

// The description and file-name buffers callers pass: 520 bytes.
constexpr std::size_t kProfileTextChars = 260;

// The profile exports leave the last error as it was, even when an
// exception stops them.
template <class Op>
int Quietly(Op&& op) noexcept {
    try {
        return op();
    } catch (...) {
        return 0;
    }
}

template <class... Args>
int Forward(const WCHAR* printer, const char* name, Args... args) noexcept {
    return Quietly([&] { return profiles::ForwardToConfigurationModule(printer, name, args...); });
}

}  // namespace

#include "exports/profile_exports.def"
