// Records built in memory and direct looks into the registry for the
// settings store tests: what a primitive wrote is checked through the
// Win32 registry functions, not through the primitives themselves.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::test {

inline NordwispDEVMODE MakePrinterRecord(WStringView deviceName, std::uint32_t printerId = 0) {
    NordwispDEVMODE record;
    std::memset(&record, 0, sizeof record);
    record.DM.dmSize = 220;
    record.DM.dmDriverExtra = 6659;
    record.DM.dmDriverVersion = 1777;
    const std::size_t n = deviceName.size() < 32 ? deviceName.size() : 32;
    std::memcpy(record.DM.dmDeviceName, deviceName.data(), n * sizeof(WCHAR));
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + 6803, &printerId, sizeof printerId);
    return record;
}

struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
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
    const LSTATUS status = RegCreateKeyExW(root, probe.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                           nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(key);
        RegDeleteKeyW(root, probe.c_str());
    }
    return status == ERROR_CHILD_MUST_BE_VOLATILE;
}

inline void WriteRaw(HKEY root, const WString& path, const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes,
                     DWORD options = REG_OPTION_NON_VOLATILE) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path.c_str(), 0, nullptr, options, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    RegCloseKey(key);
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
