// Reading and writing one value of a record's printer key. Reads open the
// key for querying only and create nothing; writes create the base and the
// subkey on first use, volatile in a packaged process.
#include "settings/registry_primitives.h"

#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "platform/handles.h"
#include "settings/key_path.h"

namespace nw {

using namespace settings;

namespace {

// KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY.
constexpr REGSAM kWriteAccess = 7;

// A bad_alloc while building a path fails the primitive like any other
// registry failure.
template <class Op>
int Safely(Op&& op) noexcept {
    try {
        return op();
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

bool OpenPrinterKey(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                    REGSAM access, RegistryKey& key) {
    PrinterKey printerKey;
    if (!ResolvePrinterKey(record, root, base, subKeyTemplate, printerKey)) return false;
    return ::RegOpenKeyExW(printerKey.root, printerKey.path.c_str(), 0, access, key.put()) == ERROR_SUCCESS;
}

// Creates or opens base, then the formatted subkey below it, both with the
// resolved options, and sets one value.
int SetPrinterValue(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                    const WCHAR* valueName, DWORD type, const void* data, DWORD length) {
    PrinterKey printerKey;
    if (!ResolvePrinterKey(record, root, base, subKeyTemplate, printerKey)) return 0;
    RegistryKey baseKey;
    if (::RegCreateKeyExW(printerKey.root, base, 0, nullptr, printerKey.options, kWriteAccess, nullptr, baseKey.put(),
                          nullptr) != ERROR_SUCCESS)
        return 0;
    RegistryKey valueKey;
    if (::RegCreateKeyExW(baseKey.get(), printerKey.subKey.c_str(), 0, nullptr, printerKey.options, kWriteAccess,
                          nullptr, valueKey.put(), nullptr) != ERROR_SUCCESS)
        return 0;
    return ::RegSetValueExW(valueKey.get(), valueName, 0, type, static_cast<const BYTE*>(data), length) ==
                   ERROR_SUCCESS
               ? 1
               : 0;
}

}  // namespace

int ReadPrinterValue(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                     const WCHAR* valueName, void* buffer, DWORD* size) {
    if (record == nullptr || base == nullptr || subKeyTemplate == nullptr || valueName == nullptr || size == nullptr)
        return 0;
    return Safely([&] {
        RegistryKey key;
        if (!OpenPrinterKey(HKEY_CURRENT_USER, record, base, subKeyTemplate, KEY_QUERY_VALUE, key)) return 0;
        DWORD type = REG_NONE;
        DWORD needed = 0;
        if (::RegQueryValueExW(key.get(), valueName, nullptr, &type, nullptr, &needed) != ERROR_SUCCESS) return 0;
        // Texts are counted without a stored terminator: Windows keeps one
        // when the writer's text was terminated, whatever the count said.
        // Settings are short: most fit the stack.
        std::array<BYTE, 512> small;
        std::vector<BYTE> large(needed > small.size() ? needed : 0);
        BYTE* bytes = large.empty() ? small.data() : large.data();
        if (needed != 0 && ::RegQueryValueExW(key.get(), valueName, nullptr, &type, bytes, &needed) != ERROR_SUCCESS)
            return 0;
        DWORD length = needed;
        if (type == REG_SZ && length >= 2 && (bytes[length - 2] | bytes[length - 1]) == 0) length -= 2;
        // Otherwise the type is not examined: a caller asking for text of a
        // DWORD value gets its bytes.
        if (length > *size || (*size != 0 && buffer == nullptr)) {
            *size = length;
            return 0;
        }
        if (length != 0) std::memcpy(buffer, bytes, length);
        *size = length;
        return 1;
    });
}

int ReadPrinterBinary(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                      const WCHAR* valueName, void* buffer, DWORD* size) {
    return ReadPrinterValue(record, base, subKeyTemplate, valueName, buffer, size);
}

int ReadPrinterDword(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                     const WCHAR* valueName, DWORD* value) {
    return ReadPrinterDwordAt(HKEY_CURRENT_USER, record, base, subKeyTemplate, valueName, value);
}

int ReadPrinterDwordAt(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, DWORD* value, REGSAM extraAccess) {
    if (root == nullptr || record == nullptr || base == nullptr || subKeyTemplate == nullptr ||
        valueName == nullptr || value == nullptr)
        return 0;
    return Safely([&] {
        RegistryKey key;
        if (!OpenPrinterKey(root, record, base, subKeyTemplate, KEY_QUERY_VALUE | extraAccess, key)) return 0;
        // At most 4 bytes, over the caller's preset: a shorter value leaves
        // the remaining bytes of the default.
        DWORD read = *value;
        DWORD bytes = sizeof read;
        if (::RegQueryValueExW(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &bytes) !=
            ERROR_SUCCESS)
            return 0;
        *value = read;
        return 1;
    });
}

int WritePrinterString(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, const WCHAR* text) {
    if (record == nullptr || base == nullptr || subKeyTemplate == nullptr || valueName == nullptr || text == nullptr)
        return 0;
    const std::size_t length = WStringView(text).size();
    // The registry's own limit on one value; nothing this library stores
    // comes near it.
    if (length > 0x7FFFFFFFu / sizeof(WCHAR)) return 0;
    return Safely([&] {
        return SetPrinterValue(HKEY_CURRENT_USER, record, base, subKeyTemplate, valueName, REG_SZ, text,
                               static_cast<DWORD>(length * sizeof(WCHAR)));
    });
}

int WritePrinterDword(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                      const WCHAR* valueName, DWORD value) {
    return WritePrinterDwordAt(HKEY_CURRENT_USER, record, base, subKeyTemplate, valueName, value);
}

int WritePrinterDwordAt(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                        const WCHAR* valueName, DWORD value) {
    if (root == nullptr || record == nullptr || base == nullptr || subKeyTemplate == nullptr || valueName == nullptr)
        return 0;
    return Safely([&] {
        return SetPrinterValue(root, record, base, subKeyTemplate, valueName, REG_DWORD, &value, sizeof value);
    });
}

int WritePrinterBinary(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, const void* data, DWORD length) {
    if (record == nullptr || base == nullptr || subKeyTemplate == nullptr || valueName == nullptr || data == nullptr)
        return 0;
    return Safely([&] {
        return SetPrinterValue(HKEY_CURRENT_USER, record, base, subKeyTemplate, valueName, REG_BINARY, data, length);
    });
}

int DeletePrinterValue(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName) {
    if (record == nullptr || base == nullptr || subKeyTemplate == nullptr || valueName == nullptr) return 0;
    return Safely([&] {
        RegistryKey key;
        if (!OpenPrinterKey(HKEY_CURRENT_USER, record, base, subKeyTemplate, KEY_READ | KEY_WRITE, key)) return 0;
        return ::RegDeleteValueW(key.get(), valueName) == ERROR_SUCCESS ? 1 : 0;
    });
}

int WriteRegistryString(const WCHAR* relativePath, const WCHAR* text, const WCHAR* valueName) {
    if (relativePath == nullptr || text == nullptr || valueName == nullptr) return 0;
    const std::size_t length = WStringView(text).size();
    if (length > 0x7FFFFFFFu / sizeof(WCHAR)) return 0;
    return Safely([&] {
        const WString path = JoinKey(kVendorKey, relativePath);
        RegistryKey key;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kWriteAccess,
                              nullptr, key.put(), nullptr) != ERROR_SUCCESS)
            return 0;
        return ::RegSetValueExW(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                static_cast<DWORD>(length * sizeof(WCHAR))) == ERROR_SUCCESS
                   ? 1
                   : 0;
    });
}

}  // namespace nw
