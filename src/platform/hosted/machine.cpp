#include "platform/hosted/machine.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>

namespace nw::hosted {
namespace {

std::string EnvOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return (value && *value) ? std::string(value) : std::string(fallback);
}

// Not empty, not made of dots and spaces alone (".", ".."), at most `longest`
// characters, no control character and none of `forbidden`.
bool IsPlainName(std::u16string_view name, std::size_t longest, std::u16string_view forbidden) {
    if (name.empty() || name.size() > longest) return false;
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u'.' || c == u' '; })) return false;
    return std::none_of(name.begin(), name.end(), [&](char16_t c) {
        return c < 0x20 || c == 0x7F || forbidden.find(c) != std::u16string_view::npos;
    });
}

// S-1-<authority>-<sub authority>..., decimal numbers only.
bool IsSidText(std::u16string_view sid) {
    if (sid.size() < 5 || sid.size() > 184 || (sid[0] != u'S' && sid[0] != u's') || sid.substr(1, 3) != u"-1-")
        return false;
    bool digit = false;
    for (char16_t c : sid.substr(4)) {
        if (c == u'-' && digit) {
            digit = false;
        } else if (c >= u'0' && c <= u'9') {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

Identity IdentityFromEnvironment() {
    Identity id;
    id.userName = FromUtf8(EnvOr("NORDWISP_USER_NAME", "user"));
    id.userSid = FromUtf8(EnvOr("NORDWISP_USER_SID", "S-1-5-21-3623811015-3361044348-30300820-1013"));
    id.computerName = FromUtf8(EnvOr("NORDWISP_COMPUTER_NAME", "NORDWISP-PC"));
    id.administrator = EnvOr("NORDWISP_ADMIN", "1") != "0";
    id.sessionId = static_cast<std::uint32_t>(std::strtoul(EnvOr("NORDWISP_SESSION", "1").c_str(), nullptr, 10));
    id.packageFullName = FromUtf8(EnvOr("NORDWISP_PACKAGE", ""));
    id.ansiCodePage = static_cast<std::uint32_t>(std::strtoul(EnvOr("NORDWISP_ACP", "65001").c_str(), nullptr, 10));
    if (id.ansiCodePage != 1252) id.ansiCodePage = 65001;
    if (const std::string problem = IdentityProblem(id); !problem.empty())
        std::fprintf(stderr, "nordwisp: %s\n", problem.c_str());
    return id;
}

std::filesystem::path RootFromEnvironment() {
    if (const char* root = std::getenv("NORDWISP_MACHINE"); root && *root) return root;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::filesystem::path(data) / "nordwisp" / "machine";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".local" / "share" / "nordwisp" / "machine";
}

struct MachineState {
    std::mutex lock;
    std::optional<Identity> identity;
    std::optional<std::filesystem::path> root;
};

// Counts changes of identity and root, so that callers asking on every
// registry call compare one number.
std::atomic<std::uint64_t> g_generation{1};

MachineState& State() {
    static MachineState state;
    return state;
}

}  // namespace

std::string IdentityProblem(const Identity& identity) {
    // Windows refuses these in account names; 104 is its longest profile name.
    if (!IsPlainName(identity.userName, 104, u"\"/\\[]:;|=,+*?<>"))
        return "the user name \"" + ToUtf8(identity.userName) +
               "\" (NORDWISP_USER_NAME) is not a valid Windows user name: 1 to 104 characters, not only dots, "
               "none of \" / \\ [ ] : ; | = , + * ? < > or control characters";
    if (!IsSidText(identity.userSid))
        return "the user SID \"" + ToUtf8(identity.userSid) +
               "\" (NORDWISP_USER_SID) is not a SID: S-1- followed by decimal numbers separated by -";
    if (!IsPlainName(identity.computerName, 63, u"\\/:*?\"<>| "))
        return "the computer name \"" + ToUtf8(identity.computerName) +
               "\" (NORDWISP_COMPUTER_NAME) is not a valid computer name: 1 to 63 characters, not only dots, "
               "no space, none of \\ / : * ? \" < > | or control characters";
    return {};
}

const Identity& CurrentIdentity() {
    auto& s = State();
    std::lock_guard guard(s.lock);
    if (!s.identity) s.identity = IdentityFromEnvironment();
    return *s.identity;
}

void SetIdentity(const Identity& identity) {
    auto& s = State();
    std::lock_guard guard(s.lock);
    s.identity = identity;
    g_generation.fetch_add(1, std::memory_order_release);
}

const std::filesystem::path& MachineRoot() {
    auto& s = State();
    std::lock_guard guard(s.lock);
    if (!s.root) s.root = RootFromEnvironment();
    return *s.root;
}

void SetMachineRoot(const std::filesystem::path& root) {
    auto& s = State();
    std::lock_guard guard(s.lock);
    s.root = root;
    g_generation.fetch_add(1, std::memory_order_release);
}

std::uint64_t MachineGeneration() { return g_generation.load(std::memory_order_acquire); }

// Both compare the units themselves first: names mostly match exactly, and
// folding is only needed where they differ.
bool EqualNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        const char16_t x = FoldCase(a[i]);
        const char16_t y = FoldCase(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace nw::hosted
