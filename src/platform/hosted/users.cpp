// The users of the hosted machine: the profile list in HKEY_LOCAL_MACHINE,
// each profile's folder with its NTUSER.DAT hive, and which of them are
// logged on (their hive mounted under HKEY_USERS for every process).
#include "platform/hosted/users.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/registry.h"

namespace nw::hosted {
namespace {

constexpr char16_t kProfileList[] = u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";
constexpr char16_t kImagePathValue[] = u"ProfileImagePath";
// The profile new users are copied from on Windows; its hive is walked too.
constexpr char16_t kDefaultProfile[] = u"%SystemDrive%\\Users\\Default";
// Domain part of the SIDs given to users added without one.
constexpr char16_t kSidPrefix[] = u"S-1-5-21-3623811015-3361044348-30300820-";
constexpr DWORD kFirstRid = 1001;

// The caches Windows keeps in every profile's hive.
const std::vector<std::u16string>& ProfileKeys() {
    static const std::vector<std::u16string> keys{u"Printers\\DevModePerUser", u"Printers\\DevModes2",
                                                  u"Printers\\Settings"};
    return keys;
}

std::u16string Expand(std::u16string_view path) {
    return ExpandReferences(path, [](std::u16string_view name) { return EnvironmentValue(name); });
}

std::filesystem::path HiveFileOf(std::u16string_view profilePath) {
    return HostPath(Expand(profilePath) + u"\\NTUSER.DAT");
}

LSTATUS SetText(HKEY key, const char16_t* name, std::u16string_view text, DWORD type) {
    const std::u16string stored(text);  // with its terminator, as Windows stores these
    return ::RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(stored.c_str()),
                            static_cast<DWORD>((stored.size() + 1) * sizeof(char16_t)));
}

std::u16string ReadText(HKEY list, const char16_t* subKey, const char16_t* name) {
    RegistryKey key;
    if (::RegOpenKeyExW(list, subKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return {};
    WCHAR buffer[1024] = {};
    DWORD size = sizeof buffer - sizeof(WCHAR);
    if (::RegQueryValueExW(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return {};
    return buffer;
}

std::vector<std::u16string> ProfileSids(HKEY list) {
    std::vector<std::u16string> sids;
    for (DWORD index = 0;; ++index) {
        WCHAR name[256] = {};
        DWORD length = 256;
        if (::RegEnumKeyExW(list, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        sids.emplace_back(name, length);
    }
    return sids;
}

std::u16string NewSid(const std::vector<std::u16string>& taken) {
    for (DWORD rid = kFirstRid;; ++rid) {
        std::u16string sid = kSidPrefix + FromUtf8(std::to_string(rid));
        const auto same = [&](const std::u16string& other) { return EqualNoCase(other, sid); };
        if (std::none_of(taken.begin(), taken.end(), same) && !EqualNoCase(sid, CurrentIdentity().userSid))
            return sid;
    }
}

// The profile list with its "Default" profile, made on first use.
DWORD OpenProfileList(RegistryKey& list) {
    DWORD disposition = 0;
    LSTATUS status = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                       nullptr, list.put(), &disposition);
    if (status != ERROR_SUCCESS) return status;
    if (!ReadText(list.get(), nullptr, u"Default").empty()) return ERROR_SUCCESS;
    if ((status = SetText(list.get(), u"ProfilesDirectory", u"%SystemDrive%\\Users", REG_EXPAND_SZ)) != ERROR_SUCCESS ||
        (status = SetText(list.get(), u"Default", kDefaultProfile, REG_EXPAND_SZ)) != ERROR_SUCCESS)
        return status;
    return CreateUserHive(HiveFileOf(kDefaultProfile), u"Default", ProfileKeys());
}

}  // namespace

DWORD AddMachineUser(std::u16string_view name, std::u16string_view sid, bool loggedOn,
                     std::u16string_view profilePath, std::u16string* addedSid) {
    if (!CurrentIdentity().administrator) return ERROR_ACCESS_DENIED;
    RegistryKey list;
    if (DWORD status = OpenProfileList(list); status != ERROR_SUCCESS) return status;
    const std::vector<std::u16string> taken = ProfileSids(list.get());

    Identity user = CurrentIdentity();
    user.userName = name;
    user.userSid = sid.empty() ? NewSid(taken) : std::u16string(sid);
    if (!IdentityProblem(user).empty()) return ERROR_INVALID_PARAMETER;
    if (std::any_of(taken.begin(), taken.end(), [&](const auto& other) { return EqualNoCase(other, user.userSid); }))
        return ERROR_ALREADY_EXISTS;
    const std::u16string path = profilePath.empty() ? u"C:\\Users\\" + user.userName : std::u16string(profilePath);
    if (path.find(u'\n') != std::u16string::npos || path.find(u'\t') != std::u16string::npos)
        return ERROR_INVALID_PARAMETER;

    const std::filesystem::path hive = HiveFileOf(path);
    if (DWORD status = CreateUserHive(hive, user.userSid, ProfileKeys()); status != ERROR_SUCCESS) return status;
    RegistryKey profile;
    LSTATUS status = ::RegCreateKeyExW(list.get(), user.userSid.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                       profile.put(), nullptr);
    if (status == ERROR_SUCCESS) status = SetText(profile.get(), kImagePathValue, path, REG_EXPAND_SZ);
    if (status == ERROR_SUCCESS && loggedOn) status = LogOnUser(user.userSid, hive);
    if (status == ERROR_SUCCESS && addedSid != nullptr) *addedSid = user.userSid;
    return status;
}

std::vector<MachineUser> MachineUsers() {
    std::vector<MachineUser> users;
    RegistryKey list;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ, list.put()) != ERROR_SUCCESS) return users;
    const std::vector<LoggedOnUser> loggedOn = LoggedOnUsers();
    for (const std::u16string& sid : ProfileSids(list.get())) {
        MachineUser user;
        user.sid = sid;
        user.profilePath = ReadText(list.get(), sid.c_str(), kImagePathValue);
        const std::size_t slash = user.profilePath.find_last_of(u"\\/");
        user.name = slash == std::u16string::npos ? user.profilePath : user.profilePath.substr(slash + 1);
        user.loggedOn = EqualNoCase(sid, CurrentIdentity().userSid) ||
                        std::any_of(loggedOn.begin(), loggedOn.end(),
                                    [&](const LoggedOnUser& other) { return EqualNoCase(other.sid, sid); });
        users.push_back(std::move(user));
    }
    return users;
}

}  // namespace nw::hosted
