// Case folding of names (ASCII, Latin-1, Cyrillic), as the profile functions
// and the hosted registry compare them. Inline: every key lookup folds each
// character it compares.
#pragma once

namespace nw::platform {

inline char16_t FoldCase(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
    if (c < 0xE0) return c;
    if (c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    return c;
}

}  // namespace nw::platform
