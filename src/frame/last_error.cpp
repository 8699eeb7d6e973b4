#include "frame/last_error.h"

#include <atomic>

#include "platform/win32api.h"

namespace nw {
namespace {
// Shared by every thread without ordering: each write simply replaces it.
std::atomic<std::uint32_t> g_lastError{0};
}  // namespace

void SetLastErrorValue(std::uint32_t value) noexcept { g_lastError.store(value, std::memory_order_relaxed); }

std::uint32_t LastErrorValue() noexcept { return g_lastError.load(std::memory_order_relaxed); }

void StoreSystemError() noexcept { SetLastErrorValue(static_cast<std::uint32_t>(::GetLastError())); }

}  // namespace nw
