#include "frame/ansi.h"

namespace nw {

std::vector<WCHAR> AnsiToWideHeap(const char* text) {
    if (text == nullptr) return {};
    const int units = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, nullptr, 0);
    std::vector<WCHAR> wide(units > 0 ? static_cast<std::size_t>(units) : 1, 0);
    if (units > 0) ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, wide.data(), units);
    wide.back() = 0;
    return wide;
}

void AnsiToWideFixed(const char* text, std::array<WCHAR, kFixedAnsiCapacity>& out) {
    out.fill(0);
    if (text == nullptr) return;
    std::vector<WCHAR> whole = AnsiToWideHeap(text);
    std::size_t length = whole.empty() ? 0 : whole.size() - 1;
    if (length > kFixedAnsiCapacity - 1) {
        length = kFixedAnsiCapacity - 1;
        // Do not keep half of a surrogate pair.
        if (whole[length - 1] >= 0xD800 && whole[length - 1] <= 0xDBFF) --length;
    }
    for (std::size_t i = 0; i < length; ++i) out[i] = whole[i];
}

int WideToAnsiBuffer(const WCHAR* text, char* buffer, int* size) noexcept {
    if (text == nullptr || size == nullptr) return 0;
    const int capacity = *size > 0 ? *size : 0;
    if (buffer != nullptr && capacity > 0 &&
        ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, capacity, nullptr, nullptr) > 0)
        return 1;
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (needed > *size) *size = needed;
    return 0;
}

}  // namespace nw
