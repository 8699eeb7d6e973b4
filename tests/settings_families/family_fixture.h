// Records built in memory and direct looks into the registry for the
// registry-backed settings tests: what an export wrote is checked through
// the Win32 registry functions, and stored values the exports must
// interpret are planted the same way.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::test {

inline constexpr char16_t kFamilyPrinter[] = u"Family Printer";

inline NordwispDEVMODE MakeFamilyRecord(std::u16string_view deviceName = kFamilyPrinter) {
    NordwispDEVMODE record;
    std::memset(&record, 0, sizeof record);
    record.DM.dmSize = 220;
    record.DM.dmDriverExtra = 6659;
    record.DM.dmDriverVersion = 1777;
    std::memcpy(record.DM.dmDeviceName, deviceName.data(), deviceName.size() * sizeof(char16_t));
    return record;
}

// "SOFTWARE\Kelmora Works\Family Printer\<subkey>" under HKCU.
inline WString PrinterKey(const WString& subKey) {
    return WString(W("SOFTWARE\\Kelmora Works\\Family Printer\\")) + subKey;
}

struct StoredValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

inline std::optional<StoredValue> Stored(const WString& subKey, const WCHAR* name, HKEY root = HKEY_CURRENT_USER,
                                         const WString& path = {}) {
    HKEY key = nullptr;
    const WString full = path.empty() ? PrinterKey(subKey) : path;
    if (RegOpenKeyExW(root, full.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    StoredValue value;
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

// The stored REG_SZ as text (no terminator is stored), or "<missing>" /
// "<type N>" so that a failed expectation says what was there.
inline std::u16string StoredText(const WString& subKey, const WCHAR* name) {
    const auto value = Stored(subKey, name);
    if (!value) return u"<missing>";
    if (value->type != REG_SZ) return u"<type " + std::u16string(1, char16_t('0' + value->type)) + u">";
    std::u16string text(value->bytes.size() / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), value->bytes.data(), text.size() * 2);
    return text;
}

inline std::optional<DWORD> StoredDword(const WString& subKey, const WCHAR* name) {
    const auto value = Stored(subKey, name);
    if (!value || value->type != REG_DWORD || value->bytes.size() != 4) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value->bytes.data(), 4);
    return number;
}

inline void Plant(const WString& subKey, const WCHAR* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, PrinterKey(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}
inline void PlantText(const WString& subKey, const WCHAR* name, std::u16string_view text) {
    Plant(subKey, name, REG_SZ, text.data(), static_cast<DWORD>(text.size() * 2));
}
inline void PlantDword(const WString& subKey, const WCHAR* name, DWORD value) {
    Plant(subKey, name, REG_DWORD, &value, sizeof value);
}
inline void Remove(const WString& subKey, const WCHAR* name) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, PrinterKey(subKey).c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, name);
    RegCloseKey(key);
}

// Text read back through a text getter of the (record, buffer, size) shape.
template <class Getter>
std::u16string ReadBack(Getter getter, const NordwispDEVMODE* record, int bufferBytes = 1024) {
    std::vector<NWCHAR> buffer(static_cast<std::size_t>(bufferBytes) / 2 + 1, 0);
    int size = bufferBytes;
    if (!getter(record, buffer.data(), &size)) return u"<failed>";
    return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), static_cast<std::size_t>(size) / 2);
}

class FamilyTest : public ::testing::Test {
protected:
    NordwispDEVMODE record_ = MakeFamilyRecord();
    NordwispDEVMODE* rec() { return &record_; }
};

}  // namespace nw::test
