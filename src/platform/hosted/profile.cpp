// The private-profile functions of the hosted machine, with the Windows
// conventions for defaults, lists and too-small buffers.
#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "platform/hosted/profile_store.h"
#include "platform/win32api.h"

namespace {

using nw::hosted::IniDocument;
using nw::hosted::ProfileFile;
using nw::hosted::ReadProfileFile;
using nw::hosted::ResolveProfileFile;
using nw::hosted::TrimProfileText;
using nw::hosted::UpdateProfileFile;

std::u16string_view View(LPCWSTR text) { return text ? std::u16string_view(text) : std::u16string_view(); }

// One pair of enclosing quotes, double or single, is not part of a value.
std::u16string_view Unquote(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A value is cut to size - 1 characters; the result is what was stored.
DWORD CopyValue(std::u16string_view text, LPWSTR out, DWORD size) {
    const std::size_t n = text.size() < size ? text.size() : size - 1;
    text.copy(out, n);
    out[n] = 0;
    return static_cast<DWORD>(n);
}

// Names, each zero-terminated, then one more zero. When they do not fit
// (an exact fit included, as Windows counts it) the last name is cut, both
// zeros are stored and the result is size - 2.
DWORD CopyList(const std::vector<std::u16string_view>& names, LPWSTR out, DWORD size) {
    if (size == 1) {
        out[0] = 0;
        return 0;
    }
    std::size_t room = size - 1;
    std::size_t at = 0;
    for (const auto& name : names) {
        if (name.size() + 1 >= room) {
            name.copy(out + at, room - 1);
            at += room - 1;
            out[at] = 0;
            out[at + 1] = 0;
            return size - 2;
        }
        name.copy(out + at, name.size());
        at += name.size();
        out[at++] = 0;
        room -= name.size() + 1;
    }
    out[at] = 0;
    if (at == 0) out[1] = 0;
    return static_cast<DWORD>(at);
}

// Section and key names and values must stay on one line and keep their
// meaning when read back, so the characters that would break the line
// syntax are refused instead of written.
bool ValidSection(std::u16string_view section) {
    return !section.empty() && section.find_first_of(u"]\r\n") == std::u16string_view::npos;
}

bool ValidKey(std::u16string_view key) {
    return !key.empty() && key.front() != u';' && key.front() != u'[' &&
           key.find_first_of(u"=\r\n") == std::u16string_view::npos;
}

bool ValidValue(std::u16string_view value) { return value.find_first_of(u"\r\n") == std::u16string_view::npos; }

// The value of a key as stored in the file (quotes still in place), or
// nothing with the reason in the last error.
std::optional<std::u16string> ReadValue(LPCWSTR section, LPCWSTR key, LPCWSTR fileName) {
    std::optional<std::u16string> value;
    const std::u16string_view s = TrimProfileText(View(section));
    const std::u16string_view k = TrimProfileText(View(key));
    DWORD error = ERROR_FILE_NOT_FOUND;
    if (!s.empty() && !k.empty()) {
        error = ReadProfileFile(ResolveProfileFile(fileName), [&](const IniDocument& doc) {
            if (const std::u16string* found = doc.Find(s, k)) value = *found;
        });
    }
    SetLastError(value ? ERROR_SUCCESS : (error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND));
    return value;
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// No exception leaves a profile function: a failure is its failure value
// with the reason in the last error.
template <class Result, class Op>
Result Guarded(Result failure, Op&& op) noexcept {
    try {
        return op();
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    } catch (...) {
        SetLastError(ERROR_INVALID_FUNCTION);
    }
    return failure;
}

}  // namespace

DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR returned, DWORD size,
                               LPCWSTR fileName) {
    if (returned == nullptr || size == 0) return 0;
    if (section == nullptr) return GetPrivateProfileSectionNamesW(returned, size, fileName);
    returned[0] = 0;
    return Guarded<DWORD>(0, [&]() -> DWORD {
        std::u16string_view fallback = View(defaultValue);
        while (!fallback.empty() && (fallback.back() == u' ' || fallback.back() == u'\t')) fallback.remove_suffix(1);
        if (key != nullptr) {
            const std::optional<std::u16string> value = ReadValue(section, key, fileName);
            return CopyValue(value ? Unquote(*value) : fallback, returned, size);
        }
        // The key list; a missing or empty section gives the default.
        DWORD result = 0;
        bool listed = false;
        const std::u16string_view s = TrimProfileText(View(section));
        DWORD error = ERROR_FILE_NOT_FOUND;
        if (!s.empty()) {
            error = ReadProfileFile(ResolveProfileFile(fileName), [&](const IniDocument& doc) {
                std::vector<std::u16string_view> names;
                if (doc.KeyNames(s, names) && !names.empty()) {
                    result = CopyList(names, returned, size);
                    listed = true;
                }
            });
        }
        if (listed) {
            SetLastError(ERROR_SUCCESS);
            return result;
        }
        SetLastError(error != ERROR_SUCCESS ? error : ERROR_FILE_NOT_FOUND);
        if (fallback.empty()) return CopyList({}, returned, size);
        return CopyValue(fallback, returned, size);
    });
}

UINT GetPrivateProfileIntW(LPCWSTR section, LPCWSTR key, INT defaultValue, LPCWSTR fileName) {
    const UINT fallback = static_cast<UINT>(defaultValue);
    return Guarded<UINT>(fallback, [&]() -> UINT {
        const std::optional<std::u16string> stored = ReadValue(section, key, fileName);
        if (!stored) return fallback;
        std::u16string_view text = Unquote(*stored);
        while (!text.empty() && nw::hosted::IsProfileBlank(text.front())) text.remove_prefix(1);
        if (text.empty()) return fallback;
        bool negative = false;
        if (text.front() == u'-' || text.front() == u'+') {
            negative = text.front() == u'-';
            text.remove_prefix(1);
        }
        // Digits until the first non-digit; more digits than fit wrap as
        // Windows does.
        UINT result = 0;
        for (char16_t c : text) {
            if (c < u'0' || c > u'9') break;
            result = result * 10 + static_cast<UINT>(c - u'0');
        }
        return negative ? 0u - result : result;
    });
}

BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR fileName) {
    if (section == nullptr) {
        // All three null asks to flush the cache, which Windows reports as
        // FALSE; every write here is already on disk.
        if (key == nullptr && value == nullptr) return FALSE;
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Guarded<BOOL>(FALSE, [&]() -> BOOL {
        const std::u16string_view s = TrimProfileText(View(section));
        const std::u16string_view k = TrimProfileText(View(key));
        const std::u16string_view v = TrimProfileText(View(value));
        const ProfileFile file = ResolveProfileFile(fileName);
        if (!ValidSection(s) || (key != nullptr && !ValidKey(k)) || (value != nullptr && !ValidValue(v)) ||
            file.path.empty()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const DWORD error = UpdateProfileFile(file, [&](IniDocument& doc) {
            if (key == nullptr) return doc.DeleteSection(s);
            if (value == nullptr) return doc.DeleteKey(s, k);
            return doc.Set(s, k, v);
        });
        SetLastError(error);
        return error == ERROR_SUCCESS ? TRUE : FALSE;
    });
}

DWORD GetPrivateProfileSectionNamesW(LPWSTR returned, DWORD size, LPCWSTR fileName) {
    if (returned == nullptr || size == 0) return 0;
    returned[0] = 0;
    return Guarded<DWORD>(0, [&]() -> DWORD {
        DWORD result = 0;
        bool listed = false;
        const DWORD error = ReadProfileFile(ResolveProfileFile(fileName), [&](const IniDocument& doc) {
            result = CopyList(doc.SectionNames(), returned, size);
            listed = true;
        });
        SetLastError(error);
        return listed ? result : CopyList({}, returned, size);
    });
}

BOOL GetPrivateProfileStructW(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR fileName) {
    if (section == nullptr || key == nullptr || (data == nullptr && size != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return Guarded<BOOL>(FALSE, [&]() -> BOOL {
        const std::optional<std::u16string> stored = ReadValue(section, key, fileName);
        if (!stored) return FALSE;
        const std::u16string_view text = Unquote(*stored);
        if (text.size() != 2 * static_cast<std::size_t>(size) + 2) {
            SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        // Nothing reaches the caller's buffer unless the whole text is good.
        std::vector<BYTE> bytes(static_cast<std::size_t>(size) + 1);
        BYTE sum = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const int high = HexDigit(text[2 * i]);
            const int low = HexDigit(text[2 * i + 1]);
            if (high < 0 || low < 0) {
                SetLastError(ERROR_INVALID_DATA);
                return FALSE;
            }
            bytes[i] = static_cast<BYTE>(high << 4 | low);
            if (i < size) sum = static_cast<BYTE>(sum + bytes[i]);
        }
        if (sum != bytes[size]) {
            SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        if (size != 0) std::copy(bytes.begin(), bytes.begin() + size, static_cast<BYTE*>(data));
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    });
}

BOOL WritePrivateProfileStructW(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR fileName) {
    // No data deletes the key, as Windows does.
    if (data == nullptr) return WritePrivateProfileStringW(section, key, nullptr, fileName);
    return Guarded<BOOL>(FALSE, [&]() -> BOOL {
        static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
        const auto* bytes = static_cast<const BYTE*>(data);
        std::u16string text;
        text.reserve(2 * static_cast<std::size_t>(size) + 2);
        BYTE sum = 0;
        for (UINT i = 0; i < size; ++i) {
            text += kDigits[bytes[i] >> 4];
            text += kDigits[bytes[i] & 0xF];
            sum = static_cast<BYTE>(sum + bytes[i]);
        }
        text += kDigits[sum >> 4];
        text += kDigits[sum & 0xF];
        return WritePrivateProfileStringW(section, key, text.c_str(), fileName);
    });
}
