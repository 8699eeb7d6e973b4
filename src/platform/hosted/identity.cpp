// Who the process runs as: Windows version, session, tokens, SIDs,
// privileges, user and computer names, all answered from the machine
// identity (and a thread's impersonated identity, when a test set one).
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// ---- Versions --------------------------------------------------------------

std::atomic<DWORD> g_osMajor{0};

struct VersionRow {
    DWORD major, minor, build;
};

constexpr VersionRow kVersions[] = {{5, 1, 2600}, {6, 1, 7601}, {10, 0, 19045}};

VersionRow ReportedVersion() {
    DWORD major = g_osMajor.load();
    if (major == 0) {
        const char* text = std::getenv("NORDWISP_OS_MAJOR");
        major = (text && *text) ? static_cast<DWORD>(std::strtoul(text, nullptr, 10)) : 0;
        if (major == 0) major = 10;
    }
    for (const auto& row : kVersions)
        if (row.major == major) return row;
    return VersionRow{major, 0, 0};
}

// ---- SIDs ------------------------------------------------------------------

constexpr std::size_t kMaxSubAuthorities = 15;

struct Sid {
    std::uint64_t authority = 0;  // 48 bits
    std::vector<DWORD> subAuthorities;

    bool operator==(const Sid&) const = default;
};

std::optional<Sid> ParseSid(std::u16string_view text) {
    if (text.size() < 4 || (text[0] != u'S' && text[0] != u's') || text.substr(1, 3) != u"-1-") return std::nullopt;
    text.remove_prefix(4);
    std::vector<std::uint64_t> numbers;
    while (!text.empty()) {
        std::uint64_t value = 0;
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9') {
            value = value * 10 + (text[digits] - u'0');
            if (value > 0xFFFFFFFFFFFFull) return std::nullopt;
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        numbers.push_back(value);
        text.remove_prefix(digits);
        if (!text.empty()) {
            if (text[0] != u'-' || text.size() == 1) return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (numbers.empty() || numbers.size() - 1 > kMaxSubAuthorities) return std::nullopt;
    Sid sid;
    sid.authority = numbers[0];
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i] > 0xFFFFFFFFu) return std::nullopt;
        sid.subAuthorities.push_back(static_cast<DWORD>(numbers[i]));
    }
    return sid;
}

std::size_t SidLength(const Sid& sid) { return 8 + 4 * sid.subAuthorities.size(); }

// The binary form: revision 1, count, 6 authority bytes (big-endian), then
// the sub-authorities in the machine's byte order.
void WriteSid(const Sid& sid, BYTE* out) {
    out[0] = 1;
    out[1] = static_cast<BYTE>(sid.subAuthorities.size());
    for (int i = 0; i < 6; ++i) out[2 + i] = static_cast<BYTE>(sid.authority >> (8 * (5 - i)));
    for (std::size_t i = 0; i < sid.subAuthorities.size(); ++i)
        std::memcpy(out + 8 + 4 * i, &sid.subAuthorities[i], 4);
}

std::optional<Sid> ReadSid(const void* pointer) {
    if (pointer == nullptr) return std::nullopt;
    const auto* bytes = static_cast<const BYTE*>(pointer);
    if (bytes[0] != 1 || bytes[1] > kMaxSubAuthorities) return std::nullopt;
    Sid sid;
    for (int i = 0; i < 6; ++i) sid.authority = (sid.authority << 8) | bytes[2 + i];
    sid.subAuthorities.resize(bytes[1]);
    for (std::size_t i = 0; i < sid.subAuthorities.size(); ++i)
        std::memcpy(&sid.subAuthorities[i], bytes + 8 + 4 * i, 4);
    return sid;
}

std::u16string SidText(const Sid& sid) {
    std::string text = "S-1-";
    if (sid.authority >> 32) {
        static const char kHex[] = "0123456789ABCDEF";
        text += "0x";
        for (int shift = 44; shift >= 0; shift -= 4) text += kHex[(sid.authority >> shift) & 15];
    } else {
        text += std::to_string(sid.authority);
    }
    for (DWORD sub : sid.subAuthorities) {
        text += '-';
        text += std::to_string(sub);
    }
    return FromUtf8(text);
}

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

std::optional<DWORD> SessionOfProcess(DWORD processId) {
    if (processId == static_cast<DWORD>(::getpid())) return CurrentIdentity().sessionId;
    if (processId == 0) return 0u;  // the idle process belongs to session 0
    if (processId > 0x7FFFFFFFu || (::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH))
        return std::nullopt;
    // Another process of the machine: the session it was started in.
    std::ifstream in("/proc/" + std::to_string(processId) + "/environ", std::ios::binary);
    const std::string block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::string_view kName = "NORDWISP_SESSION=";
    for (std::size_t start = 0; start < block.size();) {
        std::size_t end = block.find('\0', start);
        if (end == std::string::npos) end = block.size();
        const std::string_view entry(block.data() + start, end - start);
        if (entry.substr(0, kName.size()) == kName)
            return static_cast<DWORD>(std::strtoul(std::string(entry.substr(kName.size())).c_str(), nullptr, 10));
        start = end + 1;
    }
    return in.is_open() ? 1u : CurrentIdentity().sessionId;
}

}  // namespace

// ---- Hooks and shared queries ----------------------------------------------

void SetOsMajorVersion(DWORD major) { g_osMajor.store(major); }

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

BOOL GetVersionExW(LPOSVERSIONINFOW info) {
    constexpr DWORD kExtendedSize = sizeof(OSVERSIONINFOW) + 8;  // OSVERSIONINFOEXW
    if (info == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOW) && size != kExtendedSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const auto version = nw::hosted::ReportedVersion();
    info->dwMajorVersion = version.major;
    info->dwMinorVersion = version.minor;
    info->dwBuildNumber = version.build;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    if (size == kExtendedSize) {
        // Service pack, suite mask: none; product type: a workstation.
        BYTE extended[8] = {0, 0, 0, 0, 0, 0, 1, 0};
        std::memcpy(reinterpret_cast<BYTE*>(info) + sizeof(OSVERSIONINFOW), extended, sizeof extended);
    }
    return TRUE;
}

BOOL ProcessIdToSessionId(DWORD processId, DWORD* sessionId) {
    if (sessionId == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const auto session = nw::hosted::SessionOfProcess(processId);
        if (!session) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *sessionId = *session;
        return TRUE;
    } catch (const std::exception&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

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

BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE subAuthorityCount, DWORD sub0, DWORD sub1,
                              DWORD sub2, DWORD sub3, DWORD sub4, DWORD sub5, DWORD sub6, DWORD sub7, PSID* sid) {
    if (authority == nullptr || sid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *sid = nullptr;
    if (subAuthorityCount > 8) {
        SetLastError(ERROR_INVALID_SID);
        return FALSE;
    }
    try {
        nw::hosted::Sid value;
        for (int i = 0; i < 6; ++i) value.authority = (value.authority << 8) | authority->Value[i];
        const DWORD subs[8] = {sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7};
        value.subAuthorities.assign(subs, subs + subAuthorityCount);
        void* block = nw::hosted::AllocateFixedBlock(nw::hosted::SidLength(value), true);
        if (block == nullptr) return FALSE;  // the allocator set the error
        nw::hosted::WriteSid(value, static_cast<BYTE*>(block));
        *sid = block;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

PVOID FreeSid(PSID sid) { return LocalFree(sid); }

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

BOOL ConvertSidToStringSidW(PSID sid, LPWSTR* stringSid) {
    if (sid == nullptr || stringSid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *stringSid = nullptr;
    try {
        const auto value = nw::hosted::ReadSid(sid);
        if (!value) {
            SetLastError(ERROR_INVALID_SID);
            return FALSE;
        }
        const std::u16string text = nw::hosted::SidText(*value);
        auto* out = static_cast<LPWSTR>(nw::hosted::AllocateFixedBlock((text.size() + 1) * sizeof(WCHAR), false));
        if (out == nullptr) return FALSE;
        text.copy(out, text.size());
        out[text.size()] = 0;
        *stringSid = out;
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

BOOL GetUserNameW(LPWSTR buffer, LPDWORD size) {
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const std::u16string name = nw::hosted::EffectiveIdentity().userName;
        const auto needed = static_cast<DWORD>(name.size() + 1);
        if (*size < needed || buffer == nullptr) {
            *size = needed;
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return FALSE;
        }
        name.copy(buffer, name.size());
        buffer[name.size()] = 0;
        *size = needed;  // the terminator counts here
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL GetComputerNameW(LPWSTR buffer, LPDWORD size) {
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const std::u16string name = nw::hosted::CurrentIdentity().computerName;
        if (*size < name.size() + 1 || buffer == nullptr) {
            *size = static_cast<DWORD>(name.size() + 1);
            SetLastError(ERROR_BUFFER_OVERFLOW);
            return FALSE;
        }
        name.copy(buffer, name.size());
        buffer[name.size()] = 0;
        *size = static_cast<DWORD>(name.size());  // and not here
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}
