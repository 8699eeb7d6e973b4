#include "settings/password_scrambling.h"

namespace nw::settings {

namespace {

constexpr WCHAR kHexDigits[] = W("0123456789ABCDEF");

int HexValue(WCHAR c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool AllBytes(WStringView text) {
    for (WCHAR c : text)
        if (c > 0xFF) return false;
    return true;
}

// Two digits per unit; lowFirst puts the low nibble before the high one.
bool DecodePairs(WStringView encoded, bool lowFirst, WString& text) {
    if (encoded.size() % 2 != 0) return false;
    WString decoded;
    decoded.reserve(encoded.size() / 2);
    for (std::size_t i = 0; i < encoded.size(); i += 2) {
        const int first = HexValue(encoded[i]);
        const int second = HexValue(encoded[i + 1]);
        if (first < 0 || second < 0) return false;
        decoded.push_back(static_cast<WCHAR>(lowFirst ? (second << 4 | first) : (first << 4 | second)));
    }
    text = std::move(decoded);
    return true;
}

}  // namespace

void ScramblePdfPassword(WCHAR* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<WCHAR>(text[i] ^ kPdfPasswordXor);
}

bool CanScramblePdfPassword(WStringView text) { return text.find(kPdfPasswordXor) == WStringView::npos; }

bool EncodeSmtpPassword(WStringView text, WString& encoded) {
    if (!AllBytes(text)) return false;
    encoded.clear();
    for (WCHAR c : text) {
        encoded.push_back(kHexDigits[c & 0xF]);
        encoded.push_back(kHexDigits[(c >> 4) & 0xF]);
    }
    return true;
}

bool DecodeSmtpPassword(WStringView encoded, WString& text) { return DecodePairs(encoded, true, text); }

bool EncodeHexPassword(WStringView text, WString& encoded) {
    if (!AllBytes(text)) return false;
    encoded.clear();
    for (WCHAR c : text) {
        const unsigned scrambled = (c ^ kHexPasswordXor) & 0xFFu;
        encoded.push_back(kHexDigits[scrambled >> 4]);
        encoded.push_back(kHexDigits[scrambled & 0xF]);
    }
    return true;
}

bool DecodeHexPassword(WStringView encoded, WString& text) {
    if (!DecodePairs(encoded, false, text)) return false;
    for (WCHAR& c : text) c = static_cast<WCHAR>(c ^ kHexPasswordXor);
    return true;
}

}  // namespace nw::settings
