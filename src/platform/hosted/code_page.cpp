// MultiByteToWideChar and WideCharToMultiByte for the two code pages the
// hosted machine knows: UTF-8 (65001, the default ANSI code page) and
// Windows-1252. Size protocol and failures follow Windows: -1 counts the
// terminator, a zero output size asks for the size, a too-small buffer fails
// with ERROR_INSUFFICIENT_BUFFER after filling what fits.
#include <string>

#include "platform/hosted/machine.h"
#include "platform/utf_codec.h"
#include "platform/win32api.h"

namespace {

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
    if (cp == CP_UTF8) {
        const std::string_view text(multiByte, n);
        if ((flags & MB_ERR_INVALID_CHARS) == 0) {
            out = nw::utf::FromUtf8(text);
        } else if (!nw::utf::FromUtf8Strict(text, out)) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
    } else {
        out.reserve(n);
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
        out = nw::utf::ToUtf8(std::u16string_view(wide, n));
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
