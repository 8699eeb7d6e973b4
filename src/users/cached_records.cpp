#include "users/cached_records.h"

#include <vector>

#include "platform/handles.h"
#include "record/record.h"

namespace nw {
namespace {

const WCHAR* const kPerUserRecords = W("Printers\\DevModePerUser");
const WCHAR* const kRecords2 = W("Printers\\DevModes2");
const WCHAR* const kPrinterSettings = W("Printers\\Settings");

// Value names: at most 16383 characters and the terminator.
constexpr DWORD kValueNameCapacity = 16384;

WCHAR FoldAscii(WCHAR c) { return c >= W('a') && c <= W('z') ? static_cast<WCHAR>(c - 32) : c; }

bool SameText(WStringView a, WStringView b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

// A key of the user root opened for changes: missing is not an error.
enum class Opened { Yes, Missing, Refused };
Opened OpenCacheKey(HKEY userRoot, const WCHAR* path, RegistryKey& key) {
    const LSTATUS status = ::RegOpenKeyExW(userRoot, path, 0, KEY_ALL_ACCESS, key.put());
    if (status == ERROR_SUCCESS) return Opened::Yes;
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND ? Opened::Missing : Opened::Refused;
}

// Deleting shifts the values after it, so each pass starts again at index 0
// and removes the first value of the printer; a pass that removes nothing
// ends the scan. A value that cannot be deleted is passed over.
int RemovePrinterValues(HKEY key, WStringView printerName) {
    std::vector<WCHAR> name(kValueNameCapacity);
    int result = 1;
    for (bool removed = true; removed;) {
        removed = false;
        for (DWORD index = 0;; ++index) {
            DWORD length = kValueNameCapacity;
            const LSTATUS status =
                ::RegEnumValueW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) break;
            if (!BelongsToPrinter(WStringView(name.data(), length), printerName)) continue;
            if (::RegDeleteValueW(key, name.data()) == ERROR_SUCCESS) {
                removed = true;
                break;
            }
            result = 0;
        }
    }
    return result;
}

}  // namespace

bool BelongsToPrinter(WStringView valueName, WStringView printerName) {
    if (printerName.empty()) return false;
    if (SameText(valueName, printerName)) return true;
    if (valueName.size() > printerName.size() &&
        SameText(valueName.substr(valueName.size() - printerName.size()), printerName))
        return true;
    for (std::size_t at = 0; at + printerName.size() < valueName.size(); ++at)
        if (valueName[at + printerName.size()] == W(',') && SameText(valueName.substr(at, printerName.size()), printerName))
            return true;
    return false;
}

int RemoveCachedRecords(HKEY userRoot, const WCHAR* printerName) {
    int result = 1;
    for (const WCHAR* path : {kPerUserRecords, kRecords2, kPrinterSettings}) {
        RegistryKey key;
        const Opened opened = OpenCacheKey(userRoot, path, key);
        if (opened == Opened::Refused) result = 0;
        if (opened == Opened::Yes && RemovePrinterValues(key.get(), printerName) != 1) result = 0;
    }
    return result;
}

int StoreCachedRecord(HKEY userRoot, const WCHAR* printerName, const NordwispDEVMODE* record) {
    int result = 1;
    for (const WCHAR* path : {kPerUserRecords, kRecords2}) {
        RegistryKey key;
        const Opened opened = OpenCacheKey(userRoot, path, key);
        if (opened == Opened::Refused ||
            (opened == Opened::Yes && ::RegSetValueExW(key.get(), printerName, 0, REG_BINARY,
                                                       reinterpret_cast<const BYTE*>(record),
                                                       static_cast<DWORD>(record::kRecordSize)) != ERROR_SUCCESS))
            result = 0;
    }
    return result;
}

}  // namespace nw
