#include "text.h"

#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include "nordwisp/NordwispMachine.h"
#endif

namespace nwtool {

NwString FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const std::string whole(text);  // the converters want a terminator
#ifdef _WIN32
    const int chars = MultiByteToWideChar(CP_UTF8, 0, whole.c_str(), -1, nullptr, 0);
    if (chars <= 0) return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(chars), 0);
    MultiByteToWideChar(CP_UTF8, 0, whole.c_str(), -1, wide.data(), chars);
    return NwString(wide.data());
#else
    const std::uint32_t chars = NordwispMachine_TextFromUtf8(whole.c_str(), nullptr, 0);
    std::vector<NWCHAR> wide(chars, 0);
    if (chars == 0 || NordwispMachine_TextFromUtf8(whole.c_str(), wide.data(), chars) != chars) return {};
    return NwString(wide.data());
#endif
}

std::string ToUtf8(std::basic_string_view<NWCHAR> text) {
    if (text.empty()) return {};
    const NwString whole(text);
#ifdef _WIN32
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, whole.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::vector<char> narrow(static_cast<std::size_t>(bytes), 0);
    WideCharToMultiByte(CP_UTF8, 0, whole.c_str(), -1, narrow.data(), bytes, nullptr, nullptr);
    return std::string(narrow.data());
#else
    const std::uint32_t bytes = NordwispMachine_TextToUtf8(whole.c_str(), nullptr, 0);
    std::vector<char> narrow(bytes, 0);
    if (bytes == 0 || NordwispMachine_TextToUtf8(whole.c_str(), narrow.data(), bytes) != bytes) return {};
    return std::string(narrow.data());
#endif
}

std::string ToUtf8(const NWCHAR* text) {
    return text == nullptr ? std::string() : ToUtf8(std::basic_string_view<NWCHAR>(text));
}

}  // namespace nwtool
