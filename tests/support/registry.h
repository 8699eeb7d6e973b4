// Direct looks into the registry through the Win32 functions: what the
// library wrote is checked, and values it must interpret are planted, without
// going through the library's own registry code.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32api.h"

namespace nw::test {

// "SOFTWARE\Kelmora Works\<printer>[\<subKey>]", the printer's settings key.
inline WString PrinterKey(WStringView printer, WStringView subKey = {}) {
    WString path = W("SOFTWARE\\Kelmora Works\\");
    path += printer;
    if (!subKey.empty()) path.append(W("\\")).append(subKey);
    return path;
}

struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool operator==(const RawValue&) const = default;
};

inline std::optional<RawValue> ReadRaw(HKEY root, const WString& path, const WCHAR* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        status = RegQueryValueExW(key, name, nullptr, &value.type, value.bytes.data(), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

inline std::vector<BYTE> TextBytes(WStringView text) {
    std::vector<BYTE> bytes(text.size() * sizeof(WCHAR));
    if (!bytes.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

inline std::vector<BYTE> DwordBytes(DWORD value) {
    std::vector<BYTE> bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// A REG_DWORD of four bytes, or nothing.
inline std::optional<DWORD> StoredDword(const WString& path, const WCHAR* name, HKEY root = HKEY_CURRENT_USER) {
    const auto raw = ReadRaw(root, path, name);
    if (!raw || raw->type != REG_DWORD || raw->bytes.size() != sizeof(DWORD)) return std::nullopt;
    DWORD value;
    std::memcpy(&value, raw->bytes.data(), sizeof value);
    return value;
}

// A REG_SZ as text (none stores a terminator), or "<missing>" / "<type N>"
// so that a failed expectation says what was there.
inline WString StoredText(const WString& path, const WCHAR* name, HKEY root = HKEY_CURRENT_USER) {
    const auto raw = ReadRaw(root, path, name);
    if (!raw) return W("<missing>");
    if (raw->type != REG_SZ) return W("<type ") + WString(1, WCHAR(W('0') + raw->type)) + W(">");
    WString text(raw->bytes.size() / 2, W('\0'));
    if (!text.empty()) std::memcpy(text.data(), raw->bytes.data(), text.size() * 2);
    // The terminator Windows keeps after a text is not part of it.
    if (!text.empty() && text.back() == 0) text.pop_back();
    return text;
}

// Exactly the given bytes: what follows them is not a zero character, which
// a text value would take for a terminator left out of the count.
inline void WriteRaw(HKEY root, const WString& path, const WCHAR* name, DWORD type, std::vector<BYTE> bytes,
                     DWORD options = REG_OPTION_NON_VOLATILE) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, options, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const auto size = static_cast<DWORD>(bytes.size());
    bytes.insert(bytes.end(), {0xFF, 0xFF});
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), size), ERROR_SUCCESS);
    RegCloseKey(key);
}
inline void StoreDword(const WString& path, const WCHAR* name, DWORD value) {
    WriteRaw(HKEY_CURRENT_USER, path, name, REG_DWORD, DwordBytes(value));
}
inline void StoreText(const WString& path, const WCHAR* name, WStringView text) {
    WriteRaw(HKEY_CURRENT_USER, path, name, REG_SZ, TextBytes(text));
}
inline void RemoveValue(const WString& path, const WCHAR* name) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, name);
    RegCloseKey(key);
}

inline bool KeyExists(HKEY root, const WString& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// A volatile key refuses a non-volatile child.
inline bool IsVolatileKey(HKEY root, const WString& path) {
    const WString probe = path + W("\\NonVolatileProbe");
    HKEY key = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(root, probe.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteKeyW(root, probe.c_str());
    }
    return status == ERROR_CHILD_MUST_BE_VOLATILE;
}

// Deletes a key and everything below it; a missing key is fine. Tests that
// share a registry (Wine's) start and end with their keys removed.
inline void RemoveTree(HKEY root, const WString& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    for (;;) {
        WCHAR name[300] = {};
        DWORD length = 300;
        if (RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const WString child = path + W("\\") + WString(name, length);
        RemoveTree(root, child);
        if (KeyExists(root, child)) break;
    }
    RegCloseKey(key);
    RegDeleteKeyW(root, path.c_str());
}

inline std::vector<WString> SubkeysOf(HKEY root, const WString& path) {
    std::vector<WString> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        WCHAR name[300] = {};
        DWORD length = 300;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

}  // namespace nw::test
