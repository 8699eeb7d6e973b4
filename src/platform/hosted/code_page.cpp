// MultiByteToWideChar and WideCharToMultiByte for the two code pages the
// hosted machine knows: UTF-8 (65001, the default ANSI code page) and
// Windows-1252. Size protocol and failures follow Windows: -1 counts the
// terminator, a zero output size asks for the size, a too-small buffer fails
// with ERROR_INSUFFICIENT_BUFFER after filling what fits.
#include <string>

#include "platform/hosted/machine.h"
#include "platform/win32api.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// 0x80 to 0x9F of Windows-1252; the five unassigned bytes map to the C1
// control of the same value, as Windows does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

UINT Resolve(UINT codePage) {
    if (codePage == CP_ACP) return nw::hosted::CurrentIdentity().ansiCodePage;
    return codePage;
}

// Decodes UTF-8; invalid sequences become U+FFFD, or fail when strict.
bool DecodeUtf8(const unsigned char* s, std::size_t n, bool strict, std::u16string& out) {
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++i;
            continue;
        }
        std::size_t len = 0;
        std::uint32_t cp = 0;
        std::uint32_t min = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2, cp = b & 0x1F, min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3, cp = b & 0x0F, min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4, cp = b & 0x07, min = 0x10000;
        }
        std::size_t used = 1;
        bool ok = len != 0;
        for (std::size_t k = 1; ok && k < len; ++k) {
            if (i + k >= n || (s[i + k] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (s[i + k] & 0x3F);
            used = k + 1;
        }
        if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            if (strict) return false;
            out += kReplacement;
            i += used;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
    return true;
}

void Decode1252(const unsigned char* s, std::size_t n, std::u16string& out) {
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char b = s[i];
        out += (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
    }
}

int Encode1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int k = 0; k < 32; ++k)
        if (kCp1252High[k] == c) return 0x80 + k;
    return -1;
}

}  // namespace

UINT GetACP() { return nw::hosted::CurrentIdentity().ansiCodePage; }

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteCount, LPWSTR wide,
                        int wideCount) {
    const UINT cp = Resolve(codePage);
    if (multiByte == nullptr || multiByteCount == 0 || wideCount < 0 || (wideCount > 0 && wide == nullptr) ||
        (cp != CP_UTF8 && cp != 1252)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // An explicit CP_UTF8 takes no flag but MB_ERR_INVALID_CHARS; through
    // CP_ACP the library's MB_PRECOMPOSED is accepted.
    if (codePage == CP_UTF8 && (flags & ~MB_ERR_INVALID_CHARS) != 0) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(multiByte);
    std::size_t n = 0;
    if (multiByteCount < 0) {
        while (bytes[n] != 0) ++n;
        ++n;
    } else {
        n = static_cast<std::size_t>(multiByteCount);
    }
    std::u16string out;
    out.reserve(n);
    if (cp == CP_UTF8) {
        if (!DecodeUtf8(bytes, n, (flags & MB_ERR_INVALID_CHARS) != 0, out)) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
    } else {
        Decode1252(bytes, n, out);
    }
    if (wideCount == 0) return static_cast<int>(out.size());
    const std::size_t fit = out.size() < static_cast<std::size_t>(wideCount) ? out.size() : static_cast<std::size_t>(wideCount);
    for (std::size_t i = 0; i < fit; ++i) wide[i] = out[i];
    if (out.size() > static_cast<std::size_t>(wideCount)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return static_cast<int>(out.size());
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR wide, int wideCount, LPSTR multiByte,
                        int multiByteCount, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    const UINT cp = Resolve(codePage);
    if (wide == nullptr || wideCount == 0 || multiByteCount < 0 || (multiByteCount > 0 && multiByte == nullptr) ||
        (cp != CP_UTF8 && cp != 1252) || (cp == CP_UTF8 && (defaultChar != nullptr || usedDefaultChar != nullptr))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::size_t n = 0;
    if (wideCount < 0) {
        while (wide[n] != 0) ++n;
        ++n;
    } else {
        n = static_cast<std::size_t>(wideCount);
    }
    std::string out;
    if (cp == CP_UTF8) {
        out = nw::hosted::ToUtf8(std::u16string_view(wide, n));
    } else {
        const char fallback = defaultChar ? *defaultChar : '?';
        bool used = false;
        out.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const int b = Encode1252(wide[i]);
            if (b < 0) {
                used = true;
                out += fallback;
                // A surrogate pair is one character.
                if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < n && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) ++i;
            } else {
                out += static_cast<char>(b);
            }
        }
        if (usedDefaultChar) *usedDefaultChar = used ? TRUE : FALSE;
    }
    if (multiByteCount == 0) return static_cast<int>(out.size());
    const std::size_t cap = static_cast<std::size_t>(multiByteCount);
    const std::size_t fit = out.size() < cap ? out.size() : cap;
    for (std::size_t i = 0; i < fit; ++i) multiByte[i] = out[i];
    if (out.size() > cap) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    return static_cast<int>(out.size());
}
