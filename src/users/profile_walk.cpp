#include "users/profile_walk.h"

#include <algorithm>
#include <vector>

#include "platform/handles.h"
#include "users/temporary_hive.h"

namespace nw {
namespace {

const WCHAR* const kProfileList = W("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList");
const WCHAR* const kProfileImagePath = W("ProfileImagePath");
const WCHAR* const kDefaultProfile = W("Default");
const WCHAR* const kHiveFileName = W("\\NTUSER.DAT");
const WCHAR* const kSystemDrive = W("%SYSTEMDRIVE%");

// Key names under HKEY_USERS and profile SIDs: at most 254 characters.
constexpr DWORD kUserKeyCapacity = 255;
// Longest value a profile path may be, in bytes.
constexpr DWORD kProfilePathBytes = 32768;

WCHAR UpperAscii(WCHAR c) { return c >= W('a') && c <= W('z') ? static_cast<WCHAR>(c - 32) : c; }

WString Upper(WStringView text) {
    WString upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    return upper;
}

// A text value of the profile list, or false when it cannot be read.
bool ReadPath(HKEY list, const WCHAR* subKey, const WCHAR* name, WString& path) {
    RegistryKey key;
    if (::RegOpenKeyExW(list, subKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kProfilePathBytes) return false;
    // Stored with or without its terminator; one more unit stays zero.
    std::vector<WCHAR> text(size / sizeof(WCHAR) + 1, 0);
    if (::RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    path.assign(text.data());
    return true;
}

// Service accounts ("%SystemRoot%\ServiceProfiles\...", ".NET" accounts) and
// application pools have profiles too; their settings are not a user's.
// All three are compared upper-cased: the list holds either case.
bool IsServiceProfile(WStringView path) {
    const WString upper = Upper(path);
    for (const WCHAR* marker : {W("%SYSTEMROOT%"), W(".NET"), W("APPPOOL")})
        if (upper.find(marker) != WString::npos) return true;
    return false;
}

// "%SystemDrive%" in any case replaced by the variable; false without it.
bool ReplaceSystemDrive(WString& path) {
    const std::size_t at = Upper(path).find(kSystemDrive);
    if (at == WString::npos) return true;
    WCHAR drive[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(W("SystemDrive"), drive, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    path.replace(at, WStringView(kSystemDrive).size(), WStringView(drive, length));
    return true;
}

// Loads one profile's hive and runs the action there. False stops the walk.
bool VisitProfile(WString path, const UserAction& action, int& result) {
    if (IsServiceProfile(path)) return true;
    if (!ReplaceSystemDrive(path)) return false;
    path += kHiveFileName;
    TemporaryHive hive(path.c_str());
    switch (hive.Status()) {
        case ERROR_SUCCESS:
            if (action(hive.Root()) != 1) result = 0;
            break;
        case ERROR_SHARING_VIOLATION:  // logged on: reached under HKEY_USERS
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            break;
        default:  // no right to load it, or the name is taken
            result = 0;
            break;
    }
    return true;
}

}  // namespace

int ForEachLoadedHive(const UserAction& action) {
    int result = 1;
    for (DWORD index = 0;; ++index) {
        WCHAR name[kUserKeyCapacity] = {};
        DWORD length = kUserKeyCapacity;
        const LSTATUS status = ::RegEnumKeyExW(HKEY_USERS, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) return 0;
        RegistryKey root;
        if (::RegOpenKeyExW(HKEY_USERS, name, 0, KEY_READ, root.put()) != ERROR_SUCCESS) {
            result = 0;
            continue;
        }
        if (action(root.get()) != 1) result = 0;
    }
    return result;
}

int ForEachUserProfile(const UserAction& action, bool visitLoadedHives) {
    RegistryKey list;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ, list.put()) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    if (::RegQueryInfoKeyW(list.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    int result = 1;
    for (DWORD index = 0; index < count; ++index) {
        WCHAR sid[kUserKeyCapacity] = {};
        DWORD length = kUserKeyCapacity;
        WString path;
        if (::RegEnumKeyExW(list.get(), index, sid, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            !ReadPath(list.get(), sid, kProfileImagePath, path))
            return 0;
        if (!VisitProfile(std::move(path), action, result)) return 0;
    }
    WString path;
    if (!ReadPath(list.get(), nullptr, kDefaultProfile, path) || !VisitProfile(std::move(path), action, result))
        return 0;
    if (visitLoadedHives && ForEachLoadedHive(action) != 1) result = 0;
    return result;
}

}  // namespace nw
