// What the hosted kernel functions share among themselves: the handle table
// behind CloseHandle, the block allocator behind GlobalFree/LocalFree/FreeSid,
// token identities, the environment, FILETIME conversion and the size
// protocol of text results. Internal to the hosted layer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/hosted/machine.h"
#include "platform/win32api.h"

namespace nw::hosted {

// ---- Handle table ----------------------------------------------------------
enum class ObjectKind { Mutex, File, Find, Token };

struct KernelObject {
    virtual ~KernelObject() = default;
    virtual ObjectKind Kind() const = 0;
};

// Registers an object and returns its new handle (never null, never
// INVALID_HANDLE_VALUE).
HANDLE InsertHandle(std::shared_ptr<KernelObject> object);
// The object behind a handle when it is of the given kind, else null.
std::shared_ptr<KernelObject> LookupHandle(HANDLE handle, ObjectKind kind);
template <class T>
std::shared_ptr<T> Lookup(HANDLE handle) {
    return std::static_pointer_cast<T>(LookupHandle(handle, T::kKind));
}
// Drops a handle of the given kind; false when it is not one.
bool RemoveHandle(HANDLE handle, ObjectKind kind);

// ---- Memory blocks ---------------------------------------------------------
// A fixed block of the global/local heap, freed by GlobalFree, LocalFree or
// FreeSid. Null when it cannot be had.
void* AllocateFixedBlock(std::size_t bytes, bool zero);

// ---- Identity of the caller ------------------------------------------------
// The identity the calling thread acts as: its impersonated one, if any,
// else the process's.
Identity EffectiveIdentity();
// The impersonated identity of the calling thread, if any.
std::optional<Identity> ThreadImpersonation();
// The identity a token handle stands for; null when it is not a token.
std::optional<Identity> TokenIdentity(HANDLE token);

// ---- Environment -----------------------------------------------------------
// Looks a variable up in the process environment (defaults included).
std::optional<std::u16string> EnvironmentValue(std::u16string_view name);
// Looks a variable up in a user's environment block, as userenv builds it:
// the machine's variables only when user is null, else that user's.
std::optional<std::u16string> UserEnvironmentValue(const Identity* user, std::u16string_view name);
// Expands %NAME% references with the given lookup; unknown names stay.
template <class Lookup>
std::u16string ExpandReferences(std::u16string_view source, Lookup&& lookup) {
    std::u16string out;
    std::size_t i = 0;
    while (i < source.size()) {
        if (source[i] == u'%') {
            const std::size_t close = source.find(u'%', i + 1);
            if (close != std::u16string_view::npos) {
                if (auto value = lookup(source.substr(i + 1, close - i - 1))) {
                    out += *value;
                    i = close + 1;
                    continue;
                }
            }
        }
        out += source[i++];
    }
    return out;
}

// ---- Time ------------------------------------------------------------------
// A host time (seconds and nanoseconds since 1970, UTC) as a FILETIME.
FILETIME FileTimeFromUnix(std::int64_t seconds, long nanoseconds);

// Size protocol of the "needed size including the terminator" functions:
// copies text and a terminator when it fits in capacity characters and
// returns the length, else returns length + 1.
DWORD CopyOrNeeded(std::u16string_view text, LPWSTR buffer, DWORD capacity);

}  // namespace nw::hosted
