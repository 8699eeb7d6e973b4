// Tokens of the process and of an impersonating thread: the user and groups
// they stand for and the privileges they hold, all answered from the
// machine identity (or the identity a test made a thread impersonate).
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/hosted/sid.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// Groups every token of the machine belongs to, besides its user: Everyone,
// Local, Interactive, Authenticated Users, Users.
bool InEveryToken(const Sid& sid) {
    static const char16_t* const kGroups[] = {u"S-1-1-0", u"S-1-2-0", u"S-1-5-4", u"S-1-5-11", u"S-1-5-32-545"};
    for (const char16_t* group : kGroups)
        if (ParseSid(group) == sid) return true;
    return false;
}

// ---- Privileges ------------------------------------------------------------

struct PrivilegeRow {
    const char16_t* name;
    DWORD luid;
    bool standardUser;      // held by a non-administrator too
    bool enabledByDefault;
};

constexpr PrivilegeRow kPrivileges[] = {
    {u"SeSecurityPrivilege", 8, false, false},
    {u"SeTakeOwnershipPrivilege", 9, false, false},
    {u"SeLoadDriverPrivilege", 10, false, false},
    {u"SeSystemtimePrivilege", 12, false, false},
    {u"SeBackupPrivilege", 17, false, false},
    {u"SeRestorePrivilege", 18, false, false},
    {u"SeShutdownPrivilege", 19, true, false},
    {u"SeDebugPrivilege", 20, false, false},
    {u"SeSystemEnvironmentPrivilege", 22, false, false},
    {u"SeChangeNotifyPrivilege", 23, true, true},
    {u"SeRemoteShutdownPrivilege", 24, false, false},
    {u"SeUndockPrivilege", 25, true, false},
    {u"SeManageVolumePrivilege", 28, false, false},
    {u"SeImpersonatePrivilege", 29, false, true},
    {u"SeCreateGlobalPrivilege", 30, false, true},
    {u"SeIncreaseWorkingSetPrivilege", 33, true, false},
    {u"SeTimeZonePrivilege", 34, true, false},
    {u"SeCreateSymbolicLinkPrivilege", 35, false, false},
};

// The privileges a token holds, by LUID, and whether each is enabled.
struct PrivilegeState {
    std::mutex lock;
    std::map<DWORD, bool> held;

    explicit PrivilegeState(bool administrator) {
        for (const auto& row : kPrivileges)
            if (administrator || row.standardUser) held.emplace(row.luid, row.enabledByDefault);
    }
};

// ---- Tokens ----------------------------------------------------------------

struct TokenObject final : KernelObject {
    static constexpr ObjectKind kKind = ObjectKind::Token;
    ObjectKind Kind() const override { return kKind; }
    Identity identity;
    DWORD access = 0;
    bool impersonation = false;
    std::shared_ptr<PrivilegeState> privileges;
};

struct Impersonation {
    Identity identity;
    std::shared_ptr<PrivilegeState> privileges;
};

thread_local std::optional<Impersonation> t_impersonation;

// The process token is one object whatever the number of handles to it,
// renewed when the process identity changes.
std::shared_ptr<PrivilegeState> ProcessPrivileges(const Identity& identity) {
    static std::mutex lock;
    static std::u16string sid;
    static bool administrator = false;
    static std::shared_ptr<PrivilegeState>* state = new std::shared_ptr<PrivilegeState>;
    std::lock_guard guard(lock);
    if (!*state || sid != identity.userSid || administrator != identity.administrator) {
        *state = std::make_shared<PrivilegeState>(identity.administrator);
        sid = identity.userSid;
        administrator = identity.administrator;
    }
    return *state;
}

HANDLE NewToken(const Identity& identity, DWORD access, bool impersonation,
                std::shared_ptr<PrivilegeState> privileges) {
    auto token = std::make_shared<TokenObject>();
    token->identity = identity;
    token->access = access;
    token->impersonation = impersonation;
    token->privileges = std::move(privileges);
    return InsertHandle(std::move(token));
}

}  // namespace

// ---- Hooks and shared queries ----------------------------------------------

void ImpersonateOnThread(const Identity& identity) {
    t_impersonation = Impersonation{identity, std::make_shared<PrivilegeState>(identity.administrator)};
}

void RevertImpersonation() { t_impersonation.reset(); }

std::optional<Identity> ThreadImpersonation() {
    if (t_impersonation) return t_impersonation->identity;
    return std::nullopt;
}

Identity EffectiveIdentity() { return t_impersonation ? t_impersonation->identity : CurrentIdentity(); }

std::optional<Identity> TokenIdentity(HANDLE token) {
    if (auto object = Lookup<TokenObject>(token)) return object->identity;
    return std::nullopt;
}

}  // namespace nw::hosted

using nw::hosted::TokenObject;

BOOL OpenProcessToken(HANDLE process, DWORD desiredAccess, PHANDLE token) {
    if (token == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    *token = nullptr;
    if (process != GetCurrentProcess()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    try {
        const nw::hosted::Identity identity = nw::hosted::CurrentIdentity();
        *token = nw::hosted::NewToken(identity, desiredAccess, false, nw::hosted::ProcessPrivileges(identity));
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL OpenThreadToken(HANDLE thread, DWORD desiredAccess, BOOL /*openAsSelf*/, PHANDLE token) {
    if (token == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    *token = nullptr;
    if (thread != GetCurrentThread()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const auto& impersonation = nw::hosted::t_impersonation;
    if (!impersonation) {
        SetLastError(ERROR_NO_TOKEN);
        return FALSE;
    }
    try {
        *token = nw::hosted::NewToken(impersonation->identity, desiredAccess, true, impersonation->privileges);
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL GetTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS infoClass, LPVOID info, DWORD length,
                         PDWORD returnLength) {
    auto object = nw::hosted::Lookup<TokenObject>(token);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (returnLength == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    if ((object->access & TOKEN_QUERY) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (infoClass != TokenUser) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const auto sid = nw::hosted::ParseSid(object->identity.userSid);
        if (!sid) {
            SetLastError(ERROR_INVALID_SID);
            return FALSE;
        }
        const auto needed = static_cast<DWORD>(sizeof(TOKEN_USER) + nw::hosted::SidLength(*sid));
        *returnLength = needed;
        if (info == nullptr || length < needed) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        auto* bytes = static_cast<BYTE*>(info);
        TOKEN_USER user{};
        user.User.Sid = bytes + sizeof(TOKEN_USER);
        user.User.Attributes = 0;
        std::memcpy(bytes, &user, sizeof user);
        nw::hosted::WriteSid(*sid, bytes + sizeof(TOKEN_USER));
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL CheckTokenMembership(HANDLE token, PSID sid, LPBOOL isMember) {
    if (isMember == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    *isMember = FALSE;
    try {
        nw::hosted::Identity identity;
        if (token == nullptr) {
            identity = nw::hosted::EffectiveIdentity();
        } else {
            auto object = nw::hosted::Lookup<TokenObject>(token);
            if (!object) {
                SetLastError(ERROR_INVALID_HANDLE);
                return FALSE;
            }
            // As on Windows, a primary token must be duplicated first.
            if (!object->impersonation) {
                SetLastError(ERROR_NO_IMPERSONATION_TOKEN);
                return FALSE;
            }
            if ((object->access & TOKEN_QUERY) == 0) {
                SetLastError(ERROR_ACCESS_DENIED);
                return FALSE;
            }
            identity = object->identity;
        }
        const auto wanted = nw::hosted::ReadSid(sid);
        if (!wanted) {
            SetLastError(ERROR_INVALID_SID);
            return FALSE;
        }
        bool member = nw::hosted::InEveryToken(*wanted) || nw::hosted::ParseSid(identity.userSid) == wanted;
        if (*wanted == nw::hosted::ParseSid(u"S-1-5-32-544")) member = identity.administrator;
        *isMember = member ? TRUE : FALSE;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL LookupPrivilegeValueW(LPCWSTR systemName, LPCWSTR name, PLUID luid) {
    constexpr DWORD kRpcServerUnavailable = 1722;
    if (name == nullptr || luid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (systemName != nullptr && *systemName != 0) {
        std::u16string_view machine(systemName);
        while (!machine.empty() && machine.front() == u'\\') machine.remove_prefix(1);
        if (!nw::hosted::EqualNoCase(machine, nw::hosted::CurrentIdentity().computerName)) {
            SetLastError(kRpcServerUnavailable);
            return FALSE;
        }
    }
    for (const auto& row : nw::hosted::kPrivileges) {
        if (nw::hosted::EqualNoCase(row.name, name)) {
            luid->LowPart = row.luid;
            luid->HighPart = 0;
            return TRUE;
        }
    }
    SetLastError(ERROR_NO_SUCH_PRIVILEGE);
    return FALSE;
}

BOOL AdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES newState, DWORD bufferLength,
                           PTOKEN_PRIVILEGES previousState, PDWORD returnLength) {
    auto object = nw::hosted::Lookup<TokenObject>(token);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if ((object->access & TOKEN_ADJUST_PRIVILEGES) == 0 ||
        (previousState != nullptr && (object->access & TOKEN_QUERY) == 0)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if ((!disableAll && newState == nullptr) || (previousState != nullptr && returnLength == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        // Entries past the first are read as bytes: the array is declared
        // with one element and the caller sizes it.
        constexpr std::size_t kListOffset = offsetof(TOKEN_PRIVILEGES, Privileges);
        std::vector<LUID_AND_ATTRIBUTES> requested;
        if (!disableAll) {
            requested.resize(newState->PrivilegeCount);
            const auto* bytes = reinterpret_cast<const BYTE*>(newState) + kListOffset;
            if (!requested.empty())
                std::memcpy(requested.data(), bytes, requested.size() * sizeof(LUID_AND_ATTRIBUTES));
        }
        auto& state = *object->privileges;
        std::lock_guard guard(state.lock);
        // Work out the changes first: a too-small previous-state buffer
        // changes nothing.
        std::map<DWORD, bool> changes;
        bool allAssigned = true;
        if (disableAll) {
            for (const auto& [luid, enabled] : state.held)
                if (enabled) changes[luid] = false;
        } else {
            for (const auto& entry : requested) {
                auto held = entry.Luid.HighPart == 0 ? state.held.find(entry.Luid.LowPart) : state.held.end();
                if (held == state.held.end()) {
                    allAssigned = false;
                    continue;
                }
                const bool enable = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
                if (held->second != enable) changes[held->first] = enable;
            }
        }
        if (previousState != nullptr) {
            const std::size_t needed =
                std::max(sizeof(TOKEN_PRIVILEGES), kListOffset + changes.size() * sizeof(LUID_AND_ATTRIBUTES));
            *returnLength = static_cast<DWORD>(needed);
            if (bufferLength < needed) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return FALSE;
            }
            const auto count = static_cast<DWORD>(changes.size());
            auto* bytes = reinterpret_cast<BYTE*>(previousState);
            std::memcpy(bytes, &count, sizeof count);
            std::size_t i = 0;
            for (const auto& [luid, enable] : changes) {
                const LUID_AND_ATTRIBUTES before{LUID{luid, 0}, enable ? 0u : SE_PRIVILEGE_ENABLED};
                std::memcpy(bytes + kListOffset + i++ * sizeof before, &before, sizeof before);
            }
        }
        for (const auto& [luid, enable] : changes) state.held[luid] = enable;
        SetLastError(allAssigned ? ERROR_SUCCESS : ERROR_NOT_ALL_ASSIGNED);
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}
