// The three ways passwords are kept in the registry, so that none is stored
// readable. The XOR constants live here and nowhere else: a reader of values
// stored by another installation needs the same ones.
#pragma once

#include <cstdint>

#include "platform/win32api.h"

namespace nw::settings {

// PDF owner and user passwords: every UTF-16 unit XORed with this byte.
// The one character it would turn into a zero (DEL) is refused, since the
// stored text cannot hold a zero.
inline constexpr WCHAR kPdfPasswordXor = 0x7F;
// FTP and SharePoint passwords: (unit XOR this byte) as two hex digits.
inline constexpr WCHAR kHexPasswordXor = 0x5C;

// In place, both ways (XOR is its own inverse).
void ScramblePdfPassword(WCHAR* text, std::size_t length);
// False for a text holding the character the XOR turns into a zero.
bool CanScramblePdfPassword(WStringView text);

// SMTP password: per character two upper-case hex digits, low nibble
// first ("abc" -> "162636"). Characters above U+00FF have no such form:
// false, nothing produced.
bool EncodeSmtpPassword(WStringView text, WString& encoded);
// Pairs of digits, the second the high nibble. false for a malformed text.
bool DecodeSmtpPassword(WStringView encoded, WString& text);

// FTP and SharePoint passwords: per character two upper-case hex digits of
// (unit XOR kHexPasswordXor). Characters above U+00FF: false.
bool EncodeHexPassword(WStringView text, WString& encoded);
bool DecodeHexPassword(WStringView encoded, WString& text);

}  // namespace nw::settings
