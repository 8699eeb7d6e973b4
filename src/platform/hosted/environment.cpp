// The process environment with Windows rules: names compare
// case-insensitively, and the variables every Windows process sees have
// defaults derived from the machine identity when the host lacks them.
// Changes are mirrored into the host environment so that child processes
// inherit them, as on Windows.
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

extern char** environ;

namespace nw::hosted {
namespace {

enum class Scope { Machine, User };

struct DefaultVariable {
    const char16_t* name;
    Scope scope;
    std::u16string (*value)(const Identity& identity);
};

std::u16string Profile(const Identity& id) { return u"C:\\users\\" + id.userName; }

constexpr DefaultVariable kDefaults[] = {
    {u"ALLUSERSPROFILE", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\ProgramData"; }},
    {u"APPDATA", Scope::User, [](const Identity& id) { return Profile(id) + u"\\AppData\\Roaming"; }},
    {u"COMPUTERNAME", Scope::Machine, [](const Identity& id) { return id.computerName; }},
    {u"HOMEDRIVE", Scope::User, [](const Identity&) -> std::u16string { return u"C:"; }},
    {u"HOMEPATH", Scope::User, [](const Identity& id) { return u"\\users\\" + id.userName; }},
    {u"LOCALAPPDATA", Scope::User, [](const Identity& id) { return Profile(id) + u"\\AppData\\Local"; }},
    {u"OS", Scope::Machine, [](const Identity&) -> std::u16string { return u"Windows_NT"; }},
    {u"ProgramData", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\ProgramData"; }},
    {u"ProgramFiles", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\Program Files"; }},
    {u"PUBLIC", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\users\\Public"; }},
    {u"SystemDrive", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:"; }},
    {u"SystemRoot", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\windows"; }},
    {u"TEMP", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\windows\\temp"; }},
    {u"TMP", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\windows\\temp"; }},
    {u"USERDOMAIN", Scope::User, [](const Identity& id) { return id.computerName; }},
    {u"USERNAME", Scope::User, [](const Identity& id) { return id.userName; }},
    {u"USERPROFILE", Scope::User, [](const Identity& id) { return Profile(id); }},
    {u"windir", Scope::Machine, [](const Identity&) -> std::u16string { return u"C:\\windows"; }},
};

const DefaultVariable* FindDefault(std::u16string_view name) {
    for (const auto& row : kDefaults)
        if (EqualNoCase(row.name, name)) return &row;
    return nullptr;
}

struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::u16string_view a, std::u16string_view b) const { return CompareNoCase(a, b) < 0; }
};

struct Environment {
    std::mutex lock;
    bool loaded = false;
    // nullopt: deleted in this process (a default no longer applies).
    std::map<std::u16string, std::optional<std::u16string>, NoCaseLess> variables;

    void Load() {
        if (loaded) return;
        loaded = true;
        for (char** entry = environ; entry && *entry; ++entry) {
            const std::string_view text(*entry);
            const auto equals = text.find('=', 1);  // "=C:=..." names start with '='
            if (equals == std::string_view::npos) continue;
            // The first of two names that differ in case wins.
            variables.emplace(FromUtf8(text.substr(0, equals)), FromUtf8(text.substr(equals + 1)));
        }
    }
};

Environment& TheEnvironment() {
    static Environment* environment = new Environment;
    return *environment;
}

bool ValidName(std::u16string_view name) {
    return !name.empty() && name.find(u'=', 1) == std::u16string_view::npos;
}

}  // namespace

std::optional<std::u16string> EnvironmentValue(std::u16string_view name) {
    {
        auto& env = TheEnvironment();
        std::lock_guard guard(env.lock);
        env.Load();
        if (auto found = env.variables.find(name); found != env.variables.end()) return found->second;
    }
    if (const auto* row = FindDefault(name)) return row->value(CurrentIdentity());
    return std::nullopt;
}

std::optional<std::u16string> UserEnvironmentValue(const Identity* user, std::u16string_view name) {
    const auto* row = FindDefault(name);
    if (user == nullptr) {
        if (row && row->scope == Scope::Machine) return row->value(CurrentIdentity());
        return std::nullopt;
    }
    // Someone else's block differs from this process's in the user's own
    // variables.
    if (row && row->scope == Scope::User && user->userSid != CurrentIdentity().userSid) return row->value(*user);
    return EnvironmentValue(name);
}

DWORD CopyOrNeeded(std::u16string_view text, LPWSTR buffer, DWORD capacity) {
    if (buffer != nullptr && capacity > text.size()) {
        text.copy(buffer, text.size());
        buffer[text.size()] = 0;
        return static_cast<DWORD>(text.size());
    }
    return static_cast<DWORD>(text.size() + 1);
}

}  // namespace nw::hosted

DWORD GetEnvironmentVariableW(LPCWSTR name, LPWSTR buffer, DWORD size) {
    try {
        std::optional<std::u16string> value;
        if (name != nullptr) value = nw::hosted::EnvironmentValue(name);
        if (!value) {
            SetLastError(ERROR_ENVVAR_NOT_FOUND);
            return 0;
        }
        // An empty value returns 0 too; the cleared error tells it apart.
        if (value->empty()) SetLastError(ERROR_SUCCESS);
        return nw::hosted::CopyOrNeeded(*value, buffer, size);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

BOOL SetEnvironmentVariableW(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr || !nw::hosted::ValidName(name)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        auto& env = nw::hosted::TheEnvironment();
        std::lock_guard guard(env.lock);
        env.Load();
        auto found = env.variables.find(std::u16string_view(name));
        if (found == env.variables.end()) found = env.variables.emplace(name, std::nullopt).first;
        const std::string hostName = nw::hosted::ToUtf8(found->first);
        if (value == nullptr) {
            found->second.reset();
            ::unsetenv(hostName.c_str());
        } else {
            found->second = value;
            // Names the host cannot hold ("=C:") stay in this process only.
            ::setenv(hostName.c_str(), nw::hosted::ToUtf8(value).c_str(), 1);
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

DWORD ExpandEnvironmentStringsW(LPCWSTR source, LPWSTR destination, DWORD size) {
    if (source == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    try {
        const std::u16string expanded = nw::hosted::ExpandReferences(
            source, [](std::u16string_view name) { return nw::hosted::EnvironmentValue(name); });
        const std::size_t needed = expanded.size() + 1;
        if (destination != nullptr && size > 0) {
            if (needed <= size) {
                expanded.copy(destination, expanded.size());
                destination[expanded.size()] = 0;
            } else {
                expanded.copy(destination, size - 1);
                destination[size - 1] = 0;
            }
        }
        return static_cast<DWORD>(needed);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}
