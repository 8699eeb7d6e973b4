#include "users/user_settings.h"

#include <memory>
#include <vector>

#include "devmode/record_store.h"
#include "platform/handles.h"
#include "platform/registry_batch.h"
#include "profiles/default_settings.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"
#include "users/cached_records.h"
#include "users/profile_walk.h"

namespace nw {
namespace {

const WCHAR* const kPrinterIdValue = W("Printer ID");

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { ReleaseRecord(record); }
};
using LoadedRecord = std::unique_ptr<NordwispDEVMODE, RecordRelease>;

// Runs the action on a user's hive as one change: other processes see all
// of that user's new settings or none.
int InOneChange(HKEY userRoot, const UserAction& action) {
    RegistryBatch batch(userRoot);
    if (batch.Status() != ERROR_SUCCESS) return 0;
    const int result = action(userRoot);
    return batch.Commit() == ERROR_SUCCESS ? result : 0;
}

// The printer key of a printer name: "SOFTWARE\Kelmora Works\<name>",
// leading backslashes dropped as for any registry printer name.
WString PrinterKeyPath(const WCHAR* printerName) {
    WStringView name(printerName);
    while (!name.empty() && name.front() == W('\\')) name.remove_prefix(1);
    return settings::JoinKey(settings::kVendorKey, name);
}

}  // namespace

int ClearUserSettingsFor(const WCHAR* printerName, bool allUsers) {
    if (printerName == nullptr) return 0;
    const UserAction clear = [&](HKEY root) {
        return InOneChange(root, [&](HKEY key) { return RemoveCachedRecords(key, printerName); });
    };
    int result = 1;
    if (allUsers) {
        if (ForEachLoadedHive(clear) != 1) result = 0;
        if (ForEachUserProfile(clear, false) != 1) result = 0;
    }
    if (RemoveCachedRecords(HKEY_CURRENT_USER, printerName) != 1) result = 0;
    return result;
}

int ReplaceUserSettingsFor(const WCHAR* printerName, bool allUsers) {
    if (printerName == nullptr) return 0;
    LoadedRecord defaults(profiles::CreateDefaultSettings(printerName));
    if (!defaults) return 0;
    ClearUserSettingsFor(printerName, allUsers);
    int result = 1;
    if (allUsers) {
        const UserAction give = [&](HKEY root) {
            return InOneChange(root, [&](HKEY key) { return StoreCachedRecord(key, printerName, defaults.get()); });
        };
        ForEachUserProfile(give, true);
        if (SaveRecord(printerName, defaults.get(), RecordStore::GlobalDefault) != 1) result = 0;
    }
    if (SaveRecord(printerName, defaults.get(), RecordStore::PerUser) != 1) result = 0;
    return result;
}

int CopySettingsToAllUsers(const WCHAR* printerName) {
    if (printerName == nullptr) return 0;
    const WString printerKey = PrinterKeyPath(printerName);
    LoadedRecord record(LoadRecord(printerName, 1));
    // A printer the current user has no settings of leaves the trees alone.
    RegistryKey source;
    const bool hasSettings =
        ::RegOpenKeyExW(HKEY_CURRENT_USER, printerKey.c_str(), 0, KEY_QUERY_VALUE, source.put()) == ERROR_SUCCESS;
    WString idKey;
    DWORD id = 0;
    DWORD size = sizeof id;
    if (record && hasSettings &&
        ::RegQueryValueExW(source.get(), kPrinterIdValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&id), &size) ==
            ERROR_SUCCESS &&
        size == sizeof id)
        idKey = settings::JoinKey(settings::JoinKey(settings::kVendorKey, W("PrinterIDs")), settings::DecimalText(id));
    source.reset();
    // One visit per user does the record and both trees, so each hive is
    // loaded once.
    int recordsCopied = 1;
    int treesCopied = 1;
    const UserAction copy = [&](HKEY root) {
        return InOneChange(root, [&](HKEY key) {
            if (record && StoreCachedRecord(key, printerName, record.get()) != 1) recordsCopied = 0;
            if ((hasSettings &&
                 CopyRegistryTree(HKEY_CURRENT_USER, printerKey.c_str(), key, printerKey.c_str(), W(""), 0) != 1) ||
                (!idKey.empty() &&
                 CopyRegistryTree(HKEY_CURRENT_USER, idKey.c_str(), key, idKey.c_str(), W(""), 0) != 1))
                treesCopied = 0;
            return 1;
        });
    };
    if (ForEachUserProfile(copy, true) != 1) treesCopied = 0;
    if (!record) return 0;
    const int savedDefault = SaveRecord(printerName, record.get(), RecordStore::GlobalDefault);
    const int savedOwn = SaveRecord(printerName, record.get(), RecordStore::PerUser);
    return recordsCopied && treesCopied && savedDefault && savedOwn ? 1 : 0;
}

int CopyValueToAllUsers(const WCHAR* keyPath, const WCHAR* valueName) {
    if (keyPath == nullptr) return 0;
    DWORD type = 0;
    DWORD size = 0;
    std::vector<BYTE> data;
    {
        RegistryKey source;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, source.put()) != ERROR_SUCCESS ||
            ::RegQueryValueExW(source.get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return 0;
        data.assign(size ? size : 1, 0);
        if (::RegQueryValueExW(source.get(), valueName, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return 0;
    }
    const UserAction copy = [&](HKEY root) {
        RegistryKey key;
        const LSTATUS status = ::RegOpenKeyExW(root, keyPath, 0, KEY_ALL_ACCESS, key.put());
        // Users without the key are left alone: it is not created.
        if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return 1;
        return status == ERROR_SUCCESS &&
                       ::RegSetValueExW(key.get(), valueName, 0, type, data.data(), size) == ERROR_SUCCESS
                   ? 1
                   : 0;
    };
    return ForEachUserProfile(copy, true);
}

}  // namespace nw
