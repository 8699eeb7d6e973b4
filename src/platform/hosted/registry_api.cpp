// The registry functions of the hosted machine over its hives: handles,
// predefined roots, path lookup, access rules and the size protocols.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/registry.h"
#include "platform/hosted/registry_store.h"
#include "platform/hosted/registry_text.h"
#include "platform/hosted/win32_registry.h"

namespace nw::hosted::registry {
namespace {

constexpr REGSAM kGenericExecute = 0x20000000u;
constexpr REGSAM kGenericAll = 0x10000000u;
constexpr REGSAM kMaximumAllowed = 0x02000000u;
constexpr REGSAM kWriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;
constexpr std::uintptr_t kFirstHandle = 0x1000;
constexpr std::u16string_view kDefaultUserName = u".DEFAULT";

using HivePtr = std::shared_ptr<Hive>;
using KeyPtr = std::shared_ptr<Key>;

// What a handle stands for. A null hive is the HKEY_USERS root, which lists
// the loaded hives and holds no values.
struct OpenKey {
    HivePtr hive;
    KeyPtr key;
    REGSAM access = 0;
};

struct Mount {
    std::u16string name;
    HivePtr hive;
};

// A logged-on user's hive, opened when first reached.
struct LoggedOnMount {
    LoggedOnUser user;
    HivePtr hive;
};

std::filesystem::path LoggedOnFile() { return MachineRoot() / "registry" / "logged-on"; }

std::vector<LoggedOnUser> ReadLoggedOnFile() {
    std::vector<LoggedOnUser> users;
    std::ifstream in(LoggedOnFile(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size()) continue;
        users.push_back(LoggedOnUser{FromUtf8(line.substr(0, tab)), std::filesystem::path(line.substr(tab + 1))});
    }
    return users;
}

std::string HiveId(const std::filesystem::path& file) { return std::filesystem::weakly_canonical(file).string(); }

class Registry {
public:
    // Recursive: a batch holds it from its beginning to its end, so the other
    // threads of the process do not see its changes before the others do.
    std::recursive_mutex mutex;
    std::vector<HivePtr> batches;
    std::unordered_map<std::uintptr_t, OpenKey> handles;
    std::uintptr_t nextHandle = kFirstHandle;
    std::vector<Mount> mounts;
    std::vector<std::u16string_view> pathParts;
    // The value change being made, reused under the lock: its texts and
    // bytes keep their buffers from one change to the next.
    Change valueChange;

    // The hives of the machine root and the user this process runs as,
    // re-resolved when either changes.
    LSTATUS MachineHive(HivePtr& hive) {
        Check();
        return Get(machine_, RegistryHive::Machine, u"HKEY_LOCAL_MACHINE", HiveAccess::MachineWide, hive);
    }
    LSTATUS DefaultHive(HivePtr& hive) {
        Check();
        return Get(defaults_, RegistryHive::DefaultUser, u"HKEY_USERS\\.DEFAULT", HiveAccess::MachineWide, hive);
    }
    LSTATUS UserHive(HivePtr& hive) {
        Check();
        // Its file is named after the user: a bad name must not become a path.
        if (!identityUsable_) return ERROR_INVALID_NAME;
        if (user_) {
            hive = user_;
            return ERROR_SUCCESS;
        }
        return Get(user_, RegistryHive::CurrentUser, u"HKEY_USERS\\" + userSid_, HiveAccess::Private, hive);
    }
    const std::u16string& UserSid() {
        Check();
        return userSid_;
    }
    // The logged-on users other than the one this process runs as, re-read
    // when their list changed.
    std::vector<LoggedOnMount>& LoggedOn() {
        Check();
        std::error_code error;
        const std::filesystem::path file = LoggedOnFile();
        auto stamp = std::filesystem::last_write_time(file, error);
        if (error) stamp = {};
        auto size = error ? 0 : std::filesystem::file_size(file, error);
        if (error) size = 0;
        if (!loggedOnRead_ || stamp != loggedOnStamp_ || size != loggedOnSize_) {
            loggedOnRead_ = true;
            loggedOnStamp_ = stamp;
            loggedOnSize_ = size;
            loggedOn_.clear();
            for (LoggedOnUser& user : ReadLoggedOnFile()) {
                if (EqualNoCase(user.sid, userSid_)) continue;
                const bool seen = std::any_of(loggedOn_.begin(), loggedOn_.end(), [&](const LoggedOnMount& m) {
                    return EqualNoCase(m.user.sid, user.sid);
                });
                if (!seen) loggedOn_.push_back(LoggedOnMount{std::move(user), nullptr});
            }
        }
        return loggedOn_;
    }
    bool IsUserHive(const Hive* hive) {
        if (hive == nullptr) return false;
        Check();
        // Asked at every open: no reference counted when the hive is open.
        if (user_ && identityUsable_) return user_.get() == hive;
        HivePtr user;
        return UserHive(user) == ERROR_SUCCESS && user.get() == hive;
    }

    // One Hive per file in the process, whichever name reaches it.
    LSTATUS OpenFile(const std::filesystem::path& file, std::u16string rootName, HiveAccess access, HivePtr& hive) {
        const std::string id = HiveId(file);
        if (auto found = byFile_.find(id); found != byFile_.end()) {
            if ((hive = found->second.lock())) return ERROR_SUCCESS;
        }
        auto opened =
            std::make_shared<Hive>(std::filesystem::path(id), RegistryVolatileFile(id), std::move(rootName), access);
        if (LSTATUS status = opened->Open(); status != ERROR_SUCCESS) return status;
        byFile_[id] = opened;
        hive = std::move(opened);
        return ERROR_SUCCESS;
    }
    std::vector<HivePtr> OpenHives() {
        std::vector<HivePtr> hives;
        for (auto& [id, weak] : byFile_)
            if (auto hive = weak.lock()) hives.push_back(std::move(hive));
        return hives;
    }

private:
    void Check() {
        const std::uint64_t generation = MachineGeneration();
        if (generation == generation_) return;
        generation_ = generation;
        const std::filesystem::path& root = MachineRoot();
        if (root.native() != root_) {
            root_ = root.native();
            machine_.reset();
            defaults_.reset();
            user_.reset();
            loggedOnRead_ = false;
        }
        const Identity& identity = CurrentIdentity();
        if (identity.userSid != userSid_ || identity.userName != userName_) {
            userSid_ = identity.userSid;
            userName_ = identity.userName;
            user_.reset();
            loggedOnRead_ = false;
        }
        // Judged once per identity: every registry call asks.
        identityUsable_ = IdentityProblem(identity).empty();
    }
    LSTATUS Get(HivePtr& slot, RegistryHive which, std::u16string_view rootName, HiveAccess access, HivePtr& hive) {
        if (!slot) {
            LSTATUS status = OpenFile(RegistryHiveFile(which), std::u16string(rootName), access, slot);
            if (status != ERROR_SUCCESS) return status;
        }
        hive = slot;
        return ERROR_SUCCESS;
    }

    std::string root_;
    std::u16string userSid_;
    std::u16string userName_;
    std::uint64_t generation_ = 0;
    bool identityUsable_ = false;
    HivePtr machine_;
    HivePtr defaults_;
    HivePtr user_;
    std::map<std::string, std::weak_ptr<Hive>> byFile_;
    bool loggedOnRead_ = false;
    std::filesystem::file_time_type loggedOnStamp_{};
    std::uintmax_t loggedOnSize_ = 0;
    std::vector<LoggedOnMount> loggedOn_;
};

Registry& State() {
    static Registry registry;
    return registry;
}

// Runs an API body; nothing thrown leaves the hosted Win32 layer.
template <class Body>
LSTATUS Guarded(Body&& body) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_CANTOPEN;
    }
}

// How many RegistryAsService scopes the thread is in.
thread_local int t_serviceScopes = 0;

bool IsAdministrator() { return t_serviceScopes > 0 || CurrentIdentity().administrator; }

// HKEY_LOCAL_MACHINE, HKEY_USERS\.DEFAULT and other users' hives need
// administrator membership to change.
bool MayWrite(Registry& registry, const Hive* hive) { return registry.IsUserHive(hive) || IsAdministrator(); }

REGSAM Normalise(REGSAM desired, bool mayWrite) {
    REGSAM access = desired & ~(KEY_WOW64_64KEY | KEY_WOW64_32KEY | SYNCHRONIZE);
    if (access & GENERIC_READ) access |= KEY_READ;
    if (access & GENERIC_WRITE) access |= KEY_WRITE;
    if (access & kGenericExecute) access |= KEY_EXECUTE;
    if (access & kGenericAll) access |= KEY_ALL_ACCESS;
    if (access & kMaximumAllowed) access |= mayWrite ? KEY_ALL_ACCESS : KEY_READ;
    return access & ~(GENERIC_READ | GENERIC_WRITE | kGenericExecute | kGenericAll | kMaximumAllowed);
}

bool IsPredefined(HKEY key) {
    const auto value = reinterpret_cast<std::uintptr_t>(key);
    return value >= 0x80000000u && value <= 0x8000000Fu;
}

LSTATUS Resolve(Registry& registry, HKEY handle, OpenKey& open) {
    if (handle == nullptr) return ERROR_INVALID_HANDLE;
    if (IsPredefined(handle)) {
        if (handle == HKEY_USERS) {
            open = OpenKey{nullptr, nullptr, IsAdministrator() ? KEY_ALL_ACCESS : KEY_READ};
            return ERROR_SUCCESS;
        }
        HivePtr hive;
        LSTATUS status = ERROR_INVALID_HANDLE;
        if (handle == HKEY_LOCAL_MACHINE) status = registry.MachineHive(hive);
        if (handle == HKEY_CURRENT_USER) status = registry.UserHive(hive);
        if (status != ERROR_SUCCESS) return status;
        if ((status = hive->Refresh()) != ERROR_SUCCESS) return status;
        open = OpenKey{hive, hive->Root(), MayWrite(registry, hive.get()) ? KEY_ALL_ACCESS : KEY_READ};
        return ERROR_SUCCESS;
    }
    auto found = registry.handles.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == registry.handles.end()) return ERROR_INVALID_HANDLE;
    open = found->second;
    if (!open.hive) return ERROR_SUCCESS;
    if (LSTATUS status = open.hive->Refresh(); status != ERROR_SUCCESS) return status;
    return open.key->IsDeleted() ? ERROR_KEY_DELETED : ERROR_SUCCESS;
}

HKEY NewHandle(Registry& registry, OpenKey open) {
    const std::uintptr_t value = registry.nextHandle;
    registry.nextHandle += 4;
    registry.handles.emplace(value, std::move(open));
    return reinterpret_cast<HKEY>(value);
}

// Splits "a\b\c" (one trailing backslash allowed); a leading backslash or an
// empty name inside is a bad path, as on Windows.
LSTATUS SplitPath(LPCWSTR subKey, std::vector<std::u16string_view>& parts) {
    parts.clear();
    if (subKey == nullptr || *subKey == 0) return ERROR_SUCCESS;
    if (*subKey == u'\\') return ERROR_BAD_PATHNAME;
    // One pass: a name ends at a backslash or at the end; one trailing
    // backslash is allowed, an empty name anywhere else is not.
    const char16_t* start = subKey;
    const char16_t* p = subKey;
    for (;; ++p) {
        if (*p != u'\\' && *p != 0) continue;
        if (p == start) {
            if (*p == 0 && !parts.empty()) break;
            return ERROR_BAD_PATHNAME;
        }
        parts.emplace_back(start, static_cast<std::size_t>(p - start));
        if (*p == 0) break;
        start = p + 1;
    }
    return ERROR_SUCCESS;
}

// The loaded hive a first-level name under HKEY_USERS stands for.
LSTATUS UsersChild(Registry& registry, std::u16string_view name, HivePtr& hive) {
    if (EqualNoCase(name, kDefaultUserName)) return registry.DefaultHive(hive);
    if (EqualNoCase(name, registry.UserSid())) return registry.UserHive(hive);
    for (const Mount& mount : registry.mounts) {
        if (EqualNoCase(mount.name, name)) {
            hive = mount.hive;
            return ERROR_SUCCESS;
        }
    }
    for (LoggedOnMount& mount : registry.LoggedOn()) {
        if (!EqualNoCase(mount.user.sid, name)) continue;
        if (!mount.hive) {
            const LSTATUS status = registry.OpenFile(mount.user.hiveFile, u"HKEY_USERS\\" + mount.user.sid,
                                                     HiveAccess::Private, mount.hive);
            if (status != ERROR_SUCCESS) return status;
        }
        hive = mount.hive;
        return ERROR_SUCCESS;
    }
    return ERROR_FILE_NOT_FOUND;
}

std::vector<std::u16string> UsersChildren(Registry& registry) {
    std::vector<std::u16string> names{std::u16string(kDefaultUserName), registry.UserSid()};
    for (const Mount& mount : registry.mounts) names.push_back(mount.name);
    for (const LoggedOnMount& mount : registry.LoggedOn())
        if (std::none_of(names.begin(), names.end(), [&](const auto& n) { return EqualNoCase(n, mount.user.sid); }))
            names.push_back(mount.user.sid);
    std::sort(names.begin(), names.end(),
              [](const std::u16string& a, const std::u16string& b) { return CompareNoCase(a, b) < 0; });
    return names;
}

// How far a path reaches below a key: the deepest existing key and how many
// names led there.
struct Walk {
    HivePtr hive;  // null: still at the HKEY_USERS root
    KeyPtr key;
    std::size_t matched = 0;
};

LSTATUS WalkPath(Registry& registry, const OpenKey& base, const std::vector<std::u16string_view>& parts, Walk& walk) {
    walk = Walk{base.hive, base.key, 0};
    std::size_t i = 0;
    if (!walk.hive) {
        if (parts.empty()) return ERROR_SUCCESS;
        HivePtr hive;
        const LSTATUS status = UsersChild(registry, parts[0], hive);
        if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS) return status;
        if (LSTATUS refreshed = hive->Refresh(); refreshed != ERROR_SUCCESS) return refreshed;
        walk.hive = hive;
        walk.key = hive->Root();
        i = 1;
    }
    if (walk.key->IsDeleted()) return ERROR_KEY_DELETED;
    // Plain pointers on the way: only the last key found is held.
    const std::shared_ptr<Key>* found = nullptr;
    Key* key = walk.key.get();
    for (; i < parts.size(); ++i) {
        const std::shared_ptr<Key>* child = key->FindSubkeyEntry(parts[i]);
        if (child == nullptr) break;
        found = child;
        key = child->get();
    }
    if (found != nullptr) walk.key = *found;
    walk.matched = i;
    return ERROR_SUCCESS;
}

// Holds a hive locked for the machine, up to date, for one change.
class WriteScope {
public:
    explicit WriteScope(Hive& hive) : hive_(hive), status_(hive.BeginWrite()) {}
    ~WriteScope() {
        if (status_ == ERROR_SUCCESS) hive_.EndWrite();
    }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;
    LSTATUS Status() const { return status_; }

private:
    Hive& hive_;
    LSTATUS status_;
};

void CopyName(std::u16string_view name, LPWSTR out) {
    std::memcpy(out, name.data(), name.size() * sizeof(WCHAR));
    out[name.size()] = 0;
}

void PutFileTime(std::uint64_t ticks, PFILETIME time) {
    if (time == nullptr) return;
    time->dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    time->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
}

// The key has no class (the hive text keeps none): an empty text.
void PutEmptyClass(LPWSTR keyClass, LPDWORD classSize) {
    if (classSize == nullptr) return;
    if (keyClass != nullptr && *classSize > 0) keyClass[0] = 0;
    *classSize = 0;
}

LSTATUS OpenOrCreate(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, bool create, PHKEY result,
                     LPDWORD disposition) {
    Registry& registry = State();
    std::lock_guard guard(registry.mutex);
    OpenKey base;
    if (LSTATUS status = Resolve(registry, key, base); status != ERROR_SUCCESS) return status;
    // Reused under the registry's lock: one allocation less per open.
    std::vector<std::u16string_view>& parts = registry.pathParts;
    if (LSTATUS status = SplitPath(subKey, parts); status != ERROR_SUCCESS) return status;
    if (create) {
        for (auto name : parts)
            if (!IsStorableKeyName(name)) return ERROR_INVALID_PARAMETER;
    }
    Walk walk;
    if (LSTATUS status = WalkPath(registry, base, parts, walk); status != ERROR_SUCCESS) return status;
    const bool mayWrite = walk.hive ? MayWrite(registry, walk.hive.get()) : IsAdministrator();
    const REGSAM access = Normalise(desired, mayWrite);
    if (!mayWrite && (access & kWriteAccess)) return ERROR_ACCESS_DENIED;

    if (walk.matched == parts.size()) {
        *result = NewHandle(registry, OpenKey{walk.hive, walk.key, access});
        if (disposition != nullptr) *disposition = REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    }
    if (!create) return ERROR_FILE_NOT_FOUND;
    // Only loaded hives live directly under HKEY_USERS.
    if (!walk.hive || !mayWrite) return ERROR_ACCESS_DENIED;

    WriteScope scope(*walk.hive);
    if (scope.Status() != ERROR_SUCCESS) return scope.Status();
    const HivePtr hive = walk.hive;
    if (base.key && base.key->IsDeleted()) return ERROR_KEY_DELETED;
    if (LSTATUS status = WalkPath(registry, base, parts, walk); status != ERROR_SUCCESS) return status;
    if (walk.hive != hive) return ERROR_FILE_NOT_FOUND;
    if (walk.matched < parts.size()) {
        const bool isVolatile = (options & REG_OPTION_VOLATILE) != 0;
        if (walk.key->IsVolatile() && !isVolatile) return ERROR_CHILD_MUST_BE_VOLATILE;
        Change change;
        change.kind = ChangeKind::CreateKey;
        change.path = walk.key->Path();
        for (std::size_t i = walk.matched; i < parts.size(); ++i) change.path.emplace_back(parts[i]);
        Key* created = nullptr;
        if (LSTATUS status = hive->Write(change, isVolatile, &created); status != ERROR_SUCCESS) return status;
        walk.key = created->Parent()->SharedSubkey(created->Name());
        if (disposition != nullptr) *disposition = REG_CREATED_NEW_KEY;
    } else if (disposition != nullptr) {
        *disposition = REG_OPENED_EXISTING_KEY;
    }
    *result = NewHandle(registry, OpenKey{walk.hive, walk.key, access});
    return ERROR_SUCCESS;
}

// Resolves a handle for a value change and runs it under the hive's lock.
LSTATUS ChangeValue(HKEY key, ChangeKind kind, LPCWSTR valueName, DWORD type, const BYTE* data, DWORD dataSize) {
    Registry& registry = State();
    std::lock_guard guard(registry.mutex);
    Change& change = registry.valueChange;
    change.kind = kind;
    change.valueName = valueName ? valueName : u"";
    if (change.valueName.size() > kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
    change.type = type;
    change.data.assign(data, data + dataSize);
    OpenKey open;
    if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
    if (!(open.access & KEY_SET_VALUE) || !open.hive) return ERROR_ACCESS_DENIED;
    WriteScope scope(*open.hive);
    if (scope.Status() != ERROR_SUCCESS) return scope.Status();
    if (open.key->IsDeleted()) return ERROR_KEY_DELETED;
    if (kind == ChangeKind::DeleteValue && open.key->FindValue(change.valueName) == nullptr)
        return ERROR_FILE_NOT_FOUND;
    open.key->PathInto(change.path);
    return open.hive->WriteValue(*open.key, change);
}

}  // namespace
}  // namespace nw::hosted::registry

namespace nw::hosted {

using namespace registry;

std::filesystem::path RegistryHiveFile(RegistryHive hive) {
    const std::filesystem::path& root = MachineRoot();
    switch (hive) {
        case RegistryHive::Machine:
            return root / "registry" / "machine.reg";
        case RegistryHive::DefaultUser:
            return root / "registry" / "default.reg";
        case RegistryHive::CurrentUser:
            break;
    }
    return HostPath(u"C:\\users\\" + CurrentIdentity().userName + u"\\NTUSER.DAT");
}

std::filesystem::path RegistryVolatileFile(const std::filesystem::path& hiveFile) {
    const std::filesystem::path root = std::filesystem::weakly_canonical(MachineRoot());
    const std::filesystem::path file = std::filesystem::weakly_canonical(hiveFile);
    std::string name = file.lexically_relative(root).generic_string();
    if (name.empty() || name.rfind("..", 0) == 0) name = "host" + file.generic_string();
    std::replace(name.begin(), name.end(), '/', '#');
    return MachineRoot() / "registry" / "volatile" / (name + ".reg");
}

void LogOffUser() {
    Guarded([]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        HivePtr hive;
        LSTATUS status = registry.UserHive(hive);
        return status == ERROR_SUCCESS ? hive->DropVolatile() : status;
    });
}

LSTATUS LogOnUser(std::u16string_view sid, const std::filesystem::path& hiveFile) {
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        std::string text;
        for (const LoggedOnUser& user : ReadLoggedOnFile())
            if (!EqualNoCase(user.sid, sid)) text += ToUtf8(user.sid) + '\t' + user.hiveFile.string() + '\n';
        text += ToUtf8(sid) + '\t' + HiveId(hiveFile) + '\n';
        const std::filesystem::path file = LoggedOnFile();
        const std::filesystem::path temporary = file.string() + ".new";
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            if (!(out << text) || !out.flush()) return ERROR_CANTWRITE;
        }
        std::filesystem::rename(temporary, file, error);
        return error ? ERROR_CANTWRITE : ERROR_SUCCESS;
    });
}

std::vector<LoggedOnUser> LoggedOnUsers() {
    std::vector<LoggedOnUser> users;
    Guarded([&]() -> LSTATUS {
        users = ReadLoggedOnFile();
        return ERROR_SUCCESS;
    });
    return users;
}

LSTATUS CreateUserHive(const std::filesystem::path& file, std::u16string_view sid,
                       const std::vector<std::u16string>& keys) {
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        HivePtr hive;
        LSTATUS status = registry.OpenFile(file, u"HKEY_USERS\\" + std::u16string(sid), HiveAccess::Private, hive);
        if (status != ERROR_SUCCESS) return status;
        for (const std::u16string& key : keys) {
            std::vector<std::u16string_view> parts;
            if ((status = SplitPath(key.c_str(), parts)) != ERROR_SUCCESS) return status;
            WriteScope scope(*hive);
            if (scope.Status() != ERROR_SUCCESS) return scope.Status();
            const Key* found = hive->Root().get();
            for (auto part : parts) found = found ? found->FindSubkey(part) : nullptr;
            if (found != nullptr) continue;
            Change change;
            change.kind = ChangeKind::CreateKey;
            change.path.assign(parts.begin(), parts.end());
            if ((status = hive->Write(change, false, nullptr)) != ERROR_SUCCESS) return status;
        }
        // The file itself, also for a hive without keys: loading needs it.
        std::error_code error;
        return std::filesystem::exists(file, error) ? ERROR_SUCCESS : hive->Compact();
    });
}

RegistryAsService::RegistryAsService() { ++t_serviceScopes; }
RegistryAsService::~RegistryAsService() { --t_serviceScopes; }

LSTATUS BeginRegistryBatch(HKEY key) {
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::unique_lock guard(registry.mutex);
        OpenKey open;
        if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
        if (!open.hive) return ERROR_INVALID_PARAMETER;
        registry.batches.reserve(registry.batches.size() + 1);
        if (LSTATUS status = open.hive->BeginBatch(); status != ERROR_SUCCESS) return status;
        registry.batches.push_back(open.hive);
        guard.release();  // EndRegistryBatch unlocks
        return ERROR_SUCCESS;
    });
}

LSTATUS EndRegistryBatch(bool commit) {
    Registry& registry = State();
    std::unique_lock guard(registry.mutex);
    if (registry.batches.empty()) return ERROR_INVALID_PARAMETER;
    const HivePtr hive = std::move(registry.batches.back());
    registry.batches.pop_back();
    registry.mutex.unlock();  // the batch's own hold; `guard` keeps this call's
    return Guarded([&] { return hive->EndBatch(commit); });
}

bool CompactRegistry() {
    return Guarded([]() -> LSTATUS {
               Registry& registry = State();
               std::lock_guard guard(registry.mutex);
               LSTATUS result = ERROR_SUCCESS;
               for (const HivePtr& hive : registry.OpenHives())
                   if (LSTATUS status = hive->Compact(); status != ERROR_SUCCESS) result = status;
               return result;
           }) == ERROR_SUCCESS;
}

}  // namespace nw::hosted

using namespace nw::hosted;
using namespace nw::hosted::registry;

LSTATUS RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR /*keyClass: not kept*/, DWORD options,
                        REGSAM desired, const LPSECURITY_ATTRIBUTES /*security*/, PHKEY result, LPDWORD disposition) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (reserved != 0 || (options & ~REG_OPTION_VOLATILE) != 0) return ERROR_INVALID_PARAMETER;
    return Guarded([&] { return OpenOrCreate(key, subKey, options, desired, true, result, disposition); });
}

LSTATUS RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD /*options*/, REGSAM desired, PHKEY result) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    return Guarded([&] { return OpenOrCreate(key, subKey, 0, desired, false, result, nullptr); });
}

LSTATUS RegCloseKey(HKEY key) {
    if (key == nullptr) return ERROR_INVALID_HANDLE;
    if (IsPredefined(key)) return ERROR_SUCCESS;
    Registry& registry = State();
    std::lock_guard guard(registry.mutex);
    return registry.handles.erase(reinterpret_cast<std::uintptr_t>(key)) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LSTATUS RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize) {
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey open;
        if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
        if (!(open.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
        const Value* value = open.key ? open.key->FindValue(valueName ? valueName : u"") : nullptr;
        if (value == nullptr) return ERROR_FILE_NOT_FOUND;
        if (type != nullptr) *type = value->type;
        const auto size = static_cast<DWORD>(value->data.size());
        if (data != nullptr) {
            if (*dataSize < size) {
                *dataSize = size;
                return ERROR_MORE_DATA;
            }
            if (size != 0) std::memcpy(data, value->data.data(), size);
        }
        if (dataSize != nullptr) *dataSize = size;
        return ERROR_SUCCESS;
    });
}

LSTATUS RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD /*reserved*/, DWORD type, const BYTE* data,
                       DWORD dataSize) {
    if (data == nullptr && dataSize != 0) return ERROR_NOACCESS;
    if (dataSize > kMaxValueSize) return ERROR_INVALID_PARAMETER;
    return Guarded([&] { return ChangeValue(key, ChangeKind::SetValue, valueName, type, data, dataSize); });
}

LSTATUS RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    return Guarded([&] { return ChangeValue(key, ChangeKind::DeleteValue, valueName, 0, nullptr, 0); });
}

LSTATUS RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
    if (subKey == nullptr) return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey base;
        if (LSTATUS status = Resolve(registry, key, base); status != ERROR_SUCCESS) return status;
        std::vector<std::u16string_view> parts;
        if (LSTATUS status = SplitPath(subKey, parts); status != ERROR_SUCCESS) return status;
        Walk walk;
        if (LSTATUS status = WalkPath(registry, base, parts, walk); status != ERROR_SUCCESS) return status;
        if (walk.matched < parts.size()) return ERROR_FILE_NOT_FOUND;
        // Hive roots (and HKEY_USERS itself) cannot be deleted.
        if (!walk.hive || walk.key == walk.hive->Root()) return ERROR_ACCESS_DENIED;
        if (!MayWrite(registry, walk.hive.get())) return ERROR_ACCESS_DENIED;
        const HivePtr hive = walk.hive;
        WriteScope scope(*hive);
        if (scope.Status() != ERROR_SUCCESS) return scope.Status();
        if (LSTATUS status = WalkPath(registry, base, parts, walk); status != ERROR_SUCCESS) return status;
        if (walk.hive != hive || walk.matched < parts.size()) return ERROR_FILE_NOT_FOUND;
        // Windows deletes only keys without subkeys.
        if (!walk.key->Subkeys().empty()) return ERROR_ACCESS_DENIED;
        Change change;
        change.kind = ChangeKind::DeleteKey;
        change.path = walk.key->Path();
        return hive->Write(change, walk.key->IsVolatile(), nullptr);
    });
}

LSTATUS RegEnumKeyExW(HKEY key, DWORD index, LPWSTR name, LPDWORD nameSize, LPDWORD reserved, LPWSTR keyClass,
                      LPDWORD classSize, PFILETIME lastWriteTime) {
    if (name == nullptr || nameSize == nullptr || reserved != nullptr || (keyClass != nullptr && classSize == nullptr))
        return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey open;
        if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
        if (!(open.access & KEY_ENUMERATE_SUB_KEYS)) return ERROR_ACCESS_DENIED;
        std::u16string childName;
        std::uint64_t written = 0;
        if (!open.hive) {
            const auto names = UsersChildren(registry);
            if (index >= names.size()) return ERROR_NO_MORE_ITEMS;
            childName = names[index];
            HivePtr hive;
            if (UsersChild(registry, childName, hive) == ERROR_SUCCESS) written = hive->Root()->LastWrite();
        } else {
            const auto& subkeys = open.key->Subkeys();
            if (index >= subkeys.size()) return ERROR_NO_MORE_ITEMS;
            childName = subkeys[index]->Name();
            written = subkeys[index]->LastWrite();
        }
        if (childName.size() >= *nameSize) return ERROR_MORE_DATA;
        CopyName(childName, name);
        *nameSize = static_cast<DWORD>(childName.size());
        PutEmptyClass(keyClass, classSize);
        PutFileTime(written, lastWriteTime);
        return ERROR_SUCCESS;
    });
}

LSTATUS RegEnumValueW(HKEY key, DWORD index, LPWSTR valueName, LPDWORD valueNameSize, LPDWORD reserved, LPDWORD type,
                      LPBYTE data, LPDWORD dataSize) {
    if (valueName == nullptr || valueNameSize == nullptr || reserved != nullptr ||
        (data != nullptr && dataSize == nullptr))
        return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey open;
        if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
        if (!(open.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
        if (!open.key || index >= open.key->Values().size()) return ERROR_NO_MORE_ITEMS;
        const Value& value = open.key->Values()[index];
        const auto size = static_cast<DWORD>(value.data.size());
        if (type != nullptr) *type = value.type;
        if (value.name.size() >= *valueNameSize) {
            if (dataSize != nullptr) *dataSize = size;
            return ERROR_MORE_DATA;
        }
        CopyName(value.name, valueName);
        *valueNameSize = static_cast<DWORD>(value.name.size());
        if (data != nullptr) {
            if (*dataSize < size) {
                *dataSize = size;
                return ERROR_MORE_DATA;
            }
            if (size != 0) std::memcpy(data, value.data.data(), size);
        }
        if (dataSize != nullptr) *dataSize = size;
        return ERROR_SUCCESS;
    });
}

LSTATUS RegQueryInfoKeyW(HKEY key, LPWSTR keyClass, LPDWORD classSize, LPDWORD reserved, LPDWORD subKeys,
                         LPDWORD maxSubKeyLength, LPDWORD maxClassLength, LPDWORD values, LPDWORD maxValueNameLength,
                         LPDWORD maxValueLength, LPDWORD securityDescriptor, PFILETIME lastWriteTime) {
    if (reserved != nullptr || (keyClass != nullptr && classSize == nullptr)) return ERROR_INVALID_PARAMETER;
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey open;
        if (LSTATUS status = Resolve(registry, key, open); status != ERROR_SUCCESS) return status;
        if (!(open.access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
        std::size_t subkeyCount = 0, longestSubkey = 0, valueCount = 0, longestValueName = 0, largestValue = 0;
        std::uint64_t written = FileTimeNow();
        if (!open.hive) {
            const auto names = UsersChildren(registry);
            subkeyCount = names.size();
            for (const auto& name : names) longestSubkey = std::max(longestSubkey, name.size());
        } else {
            subkeyCount = open.key->Subkeys().size();
            for (const auto& child : open.key->Subkeys()) longestSubkey = std::max(longestSubkey, child->Name().size());
            valueCount = open.key->Values().size();
            for (const Value& value : open.key->Values()) {
                longestValueName = std::max(longestValueName, value.name.size());
                largestValue = std::max(largestValue, value.data.size());
            }
            written = open.key->LastWrite();
        }
        PutEmptyClass(keyClass, classSize);
        if (subKeys != nullptr) *subKeys = static_cast<DWORD>(subkeyCount);
        if (maxSubKeyLength != nullptr) *maxSubKeyLength = static_cast<DWORD>(longestSubkey);
        if (maxClassLength != nullptr) *maxClassLength = 0;
        if (values != nullptr) *values = static_cast<DWORD>(valueCount);
        if (maxValueNameLength != nullptr) *maxValueNameLength = static_cast<DWORD>(longestValueName);
        if (maxValueLength != nullptr) *maxValueLength = static_cast<DWORD>(largestValue);
        // Keys carry no security descriptor here.
        if (securityDescriptor != nullptr) *securityDescriptor = 0;
        PutFileTime(written, lastWriteTime);
        return ERROR_SUCCESS;
    });
}

LSTATUS RegLoadKeyW(HKEY key, LPCWSTR subKey, LPCWSTR file) {
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey base;
        if (LSTATUS status = Resolve(registry, key, base); status != ERROR_SUCCESS) return status;
        // Hives mount under HKEY_USERS only.
        if (base.hive) return ERROR_INVALID_PARAMETER;
        if (subKey == nullptr || file == nullptr || *file == 0) return ERROR_INVALID_PARAMETER;
        const std::u16string_view name(subKey);
        if (!IsStorableKeyName(name)) return ERROR_INVALID_PARAMETER;
        if (!IsAdministrator()) return ERROR_PRIVILEGE_NOT_HELD;

        const std::filesystem::path path = HostPath(file);
        const std::string id = HiveId(path);
        std::vector<HivePtr> loaded;
        for (const Mount& mount : registry.mounts) loaded.push_back(mount.hive);
        for (auto which : {RegistryHive::Machine, RegistryHive::DefaultUser, RegistryHive::CurrentUser})
            if (HiveId(RegistryHiveFile(which)) == id) return ERROR_SHARING_VIOLATION;
        for (const HivePtr& hive : loaded)
            if (hive->File().string() == id) return ERROR_SHARING_VIOLATION;
        for (const LoggedOnMount& mount : registry.LoggedOn())
            if (HiveId(mount.user.hiveFile) == id) return ERROR_SHARING_VIOLATION;

        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        if (!std::filesystem::exists(status)) return ERROR_PATH_NOT_FOUND;
        if (!std::filesystem::is_regular_file(status)) return ERROR_ACCESS_DENIED;

        HivePtr existing;
        if (UsersChild(registry, name, existing) != ERROR_FILE_NOT_FOUND) return ERROR_ALREADY_EXISTS;

        HivePtr hive;
        if (LSTATUS opened = registry.OpenFile(path, u"HKEY_USERS\\" + std::u16string(name), HiveAccess::Private, hive);
            opened != ERROR_SUCCESS)
            return opened;
        registry.mounts.push_back(Mount{std::u16string(name), std::move(hive)});
        return ERROR_SUCCESS;
    });
}

LSTATUS RegUnLoadKeyW(HKEY key, LPCWSTR subKey) {
    return Guarded([&]() -> LSTATUS {
        Registry& registry = State();
        std::lock_guard guard(registry.mutex);
        OpenKey base;
        if (LSTATUS status = Resolve(registry, key, base); status != ERROR_SUCCESS) return status;
        if (base.hive || subKey == nullptr || *subKey == 0) return ERROR_INVALID_PARAMETER;
        if (!IsAdministrator()) return ERROR_PRIVILEGE_NOT_HELD;
        const std::u16string_view name(subKey);
        auto mount = std::find_if(registry.mounts.begin(), registry.mounts.end(),
                                  [&](const Mount& m) { return EqualNoCase(m.name, name); });
        if (mount == registry.mounts.end()) {
            HivePtr hive;
            return UsersChild(registry, name, hive) == ERROR_FILE_NOT_FOUND ? ERROR_FILE_NOT_FOUND
                                                                             : ERROR_ACCESS_DENIED;
        }
        // Windows refuses to unload a hive while keys in it are open.
        for (const auto& [value, open] : registry.handles)
            if (open.hive == mount->hive) return ERROR_ACCESS_DENIED;
        registry.mounts.erase(mount);
        return ERROR_SUCCESS;
    });
}
