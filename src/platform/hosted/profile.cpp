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
using nw::platform::UnquoteProfileValue;
constexpr auto Unquote = UnquoteProfileValue;

std::u16string_view View(LPCWSTR text) { return text ? std::u16string_view(text) : std::u16string_view(); }

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
        return nw::platform::ParseProfileInt(*stored, fallback);
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
        if (!nw::platform::ValidProfileSection(s) || (key != nullptr && !nw::platform::ValidProfileKey(k)) ||
            (value != nullptr && !nw::platform::ValidProfileValue(v)) ||
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
        if (!nw::platform::DecodeProfileStruct(Unquote(*stored), static_cast<BYTE*>(data), size)) {
            SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    });
}

BOOL WritePrivateProfileStructW(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR fileName) {
    // No data deletes the key, as Windows does.
    if (data == nullptr) return WritePrivateProfileStringW(section, key, nullptr, fileName);
    return Guarded<BOOL>(FALSE, [&]() -> BOOL {
        const std::u16string text = nw::platform::EncodeProfileStruct(static_cast<const BYTE*>(data), size);
        return WritePrivateProfileStringW(section, key, text.c_str(), fileName);
    });
}
