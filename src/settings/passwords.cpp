#include "settings/passwords.h"

#include <cstddef>
#include <cstring>

#include "settings/password_scrambling.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

// Hands decoded text to the caller under the size protocol: the buffer is
// cleared to its size, the text copied without terminator when it fits.
int DeliverText(const WString& text, WCHAR* buffer, DWORD* size) {
    const DWORD needed = static_cast<DWORD>(text.size() * sizeof(WCHAR));
    if (buffer == nullptr || needed > *size) {
        *size = needed;
        return 0;
    }
    std::memset(buffer, 0, *size);
    if (needed) std::memcpy(buffer, text.data(), needed);
    *size = needed;
    return 1;
}

constexpr DWORD kSmtpPasswordBytes = 650;
// What a stored SMTP password may hold so that its reader can take it back.
constexpr std::size_t kSmtpPasswordChars = kSmtpPasswordBytes / sizeof(WCHAR) / 2;

}  // namespace

int ReadPdfPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size) {
    if (!ReadSetting(record, row, buffer, size)) return 0;
    ScramblePdfPassword(buffer, *size / sizeof(WCHAR));
    return 1;
}

int WritePdfPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) {
    if (text == nullptr) return 0;
    WString scrambled(text);
    if (scrambled.size() > row.maxChars || !CanScramblePdfPassword(scrambled)) return 0;
    ScramblePdfPassword(scrambled.data(), scrambled.size());
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, scrambled.c_str());
}

int ReadSmtpPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    if (buffer == nullptr || size == nullptr) return 0;
    WString stored;
    WString text;
    if (!ReadWholeText(record, email::SMTPPassword, kSmtpPasswordBytes, stored) ||
        !DecodeSmtpPassword(stored, text))
        return 0;
    // The decoder writes at most the caller's size: a short buffer gets the
    // whole characters that fit, and then, as every text getter of the
    // family, the call fails with the size needed.
    const DWORD needed = static_cast<DWORD>(text.size() * sizeof(WCHAR));
    if (needed > *size) {
        std::memset(buffer, 0, *size);
        std::memcpy(buffer, text.data(), *size / sizeof(WCHAR) * sizeof(WCHAR));
        *size = needed;
        return 0;
    }
    return DeliverText(text, buffer, size);
}

int WriteSmtpPassword(const NordwispDEVMODE* record, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView clear(text);
    WString encoded;
    if (clear.size() > kSmtpPasswordChars || !EncodeSmtpPassword(clear, encoded)) return 0;
    return WritePrinterString(record, kVendorKey, email::SMTPPassword.subKey, email::SMTPPassword.name,
                              encoded.c_str());
}

int ReadHexPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size) {
    if (size == nullptr) return 0;
    // Two digits of two bytes each per character.
    const DWORD limit = row.maxChars == kAnyLength ? 0xFFFFFFFFu : row.maxChars * 2 * sizeof(WCHAR);
    WString stored;
    WString text;
    if (!ReadWholeText(record, row, limit, stored) || !DecodeHexPassword(stored, text)) return 0;
    return DeliverText(text, buffer, size);
}

int WriteHexPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView clear(text);
    WString encoded;
    if ((row.maxChars != kAnyLength && clear.size() > row.maxChars) || !EncodeHexPassword(clear, encoded)) return 0;
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, encoded.c_str());
}

}  // namespace nw::settings
