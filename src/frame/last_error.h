// The library's own last error: one value for the whole process, read by
// Nordwisp_GetLastError. Separate from the thread's Win32 error.
#pragma once

#include <atomic>
#include <cstdint>

namespace nw {

// Stored when the first pointer argument (record or printer name) is null.
inline constexpr std::uint32_t kErrorNullArgument = 0xFFFFFC18u;  // -1000
// The result numeric getters give for a null record.
inline constexpr int kNullRecordValue = -1000;

// Shared by every thread without ordering: each write simply replaces it.
// Inline, since every export's frame stores it first.
inline std::atomic<std::uint32_t> g_lastError{0};

inline void SetLastErrorValue(std::uint32_t value) noexcept { g_lastError.store(value, std::memory_order_relaxed); }
inline std::uint32_t LastErrorValue() noexcept { return g_lastError.load(std::memory_order_relaxed); }
// Copies the thread's Win32 error (GetLastError) into the library's.
void StoreSystemError() noexcept;

}  // namespace nw
