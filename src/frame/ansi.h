// The four shapes of the ANSI exports. Each ANSI export is its wide twin
// wrapped in one of these; the wide export does the frame and the last error.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "platform/win32api.h"

namespace nw {

// Capacity of the fixed buffer of shape 2, terminator included.
inline constexpr std::size_t kFixedAnsiCapacity = 260;

// Shape 1 conversion: the whole text, zero-filled buffer of the measured
// length. A null text gives an empty vector (the caller passes null on).
std::vector<WCHAR> AnsiToWideHeap(const char* text);
// Shape 2 conversion: at most 259 characters and the terminator; a longer
// text is cut at a character boundary so nothing past the buffer is written.
void AnsiToWideFixed(const char* text, std::array<WCHAR, kFixedAnsiCapacity>& out);
// Shape 3: a record text into the caller's ANSI buffer. 1 when it fits; else
// 0 with *size raised to the bytes needed (terminator included). A null text
// returns 0 and leaves *size alone.
int WideToAnsiBuffer(const WCHAR* text, char* buffer, int* size) noexcept;

// Shape 1: text input through a heap copy.
template <class Wide>
auto WithHeapWide(const char* text, Wide&& wide) {
    if (text == nullptr) return wide(static_cast<const WCHAR*>(nullptr));
    std::vector<WCHAR> converted = AnsiToWideHeap(text);
    return wide(static_cast<const WCHAR*>(converted.data()));
}

// Shape 2: text input through a fixed 260-character buffer.
template <class Wide>
auto WithFixedWide(const char* text, Wide&& wide) {
    if (text == nullptr) return wide(static_cast<const WCHAR*>(nullptr));
    std::array<WCHAR, kFixedAnsiCapacity> converted{};
    AnsiToWideFixed(text, converted);
    return wide(static_cast<const WCHAR*>(converted.data()));
}

// Shape 4: text output from a registry value. The wide export fills a
// zero-filled buffer of as many wide characters as *size says; only on its
// success is the text converted into the caller's buffer as in shape 3.
template <class Size, class Wide>
auto IntoAnsiBuffer(char* buffer, Size* size, Wide&& wide) {
    using Result = decltype(wide(static_cast<WCHAR*>(nullptr), size));
    if (size == nullptr) return wide(static_cast<WCHAR*>(nullptr), size);
    const std::size_t units = *size > 0 ? static_cast<std::size_t>(*size) : 0;
    std::vector<WCHAR> converted(units + 1, 0);
    Result result = wide(units ? converted.data() : nullptr, size);
    if (result) {
        converted[units] = 0;
        int ansiSize = static_cast<int>(units);
        WideToAnsiBuffer(converted.data(), buffer, &ansiSize);
        if (ansiSize > static_cast<int>(units)) *size = static_cast<Size>(ansiSize);
    }
    return result;
}

}  // namespace nw
