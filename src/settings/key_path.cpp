#include "settings/key_path.h"

namespace nw::settings {

WString FormatSubKey(const WCHAR* subKeyTemplate, WStringView name) {
    const WStringView pattern(subKeyTemplate);
    const std::size_t at = pattern.find(W("%s"));
    if (at == WStringView::npos) return WString(pattern);
    WString out;
    out.reserve(pattern.size() + name.size());
    out.append(pattern.substr(0, at)).append(name).append(pattern.substr(at + 2));
    return out;
}

WString JoinKey(WStringView base, WStringView subKey) {
    WString out(base);
    if (!base.empty() && !subKey.empty()) out += W('\\');
    out.append(subKey);
    return out;
}

std::size_t WriteDecimal(std::int64_t value, WCHAR* out) noexcept {
    WCHAR digits[20];
    std::size_t n = 0;
    // Through the unsigned magnitude, so the most negative value works too.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[n++] = static_cast<WCHAR>(W('0') + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    std::size_t length = 0;
    if (value < 0) out[length++] = W('-');
    while (n > 0) out[length++] = digits[--n];
    out[length] = 0;
    return length;
}

WString DecimalText(std::int64_t value) {
    WCHAR text[kDecimalCapacity];
    return WString(text, WriteDecimal(value, text));
}

std::size_t BoundedLength(const WCHAR* text, std::size_t limit) noexcept {
    std::size_t n = 0;
    while (n < limit && text[n] != 0) ++n;
    return n;
}

}  // namespace nw::settings
