#include "platform/hosted/host_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <optional>
#include <vector>

#include "platform/hosted/machine.h"

namespace nw::hosted {
namespace {

bool Exists(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The entry of a folder whose name equals name case-insensitively.
std::optional<std::string> FindNoCase(const std::filesystem::path& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return std::nullopt;
    const std::u16string wanted = FromUtf8(name);
    std::optional<std::string> match;
    while (const dirent* entry = ::readdir(dir)) {
        if (EqualNoCase(FromUtf8(entry->d_name), wanted)) {
            match = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return match;
}

// base/rest, each component of rest that exists under another case taken
// as it is on disk. An exact name wins over one that differs in case.
std::filesystem::path MatchCase(std::filesystem::path resolved, const std::filesystem::path& rest) {
    bool matching = true;
    for (const auto& part : rest) {
        const std::string& name = part.native();
        if (name.empty()) {  // a trailing separator
            resolved += "/";
            continue;
        }
        std::filesystem::path next = resolved / part;
        if (matching && !Exists(next)) {
            if (auto other = FindNoCase(resolved, name)) {
                next = resolved / *other;
            } else {
                matching = false;  // the rest does not exist either
            }
        }
        resolved = std::move(next);
    }
    return resolved;
}

// What follows "C:" as a relative host path: "." and ".." resolved, ".."
// never climbing above the drive root; a trailing separator kept.
std::string DriveRelative(std::u16string_view path) {
    std::vector<std::u16string_view> parts;
    std::u16string_view rest = path.substr(2);
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsPathSeparator(rest[end])) ++end;
        const auto part = rest.substr(0, end);
        if (part == u"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != u".") {
            parts.push_back(part);
        }
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
    }
    std::u16string out;
    for (const auto part : parts) {
        if (!out.empty()) out += u'/';
        out += part;
    }
    if (!parts.empty() && IsPathSeparator(path.back())) out += u'/';
    return ToUtf8(out);
}

}  // namespace

bool IsPathSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsDrivePath(std::u16string_view path) {
    return path.size() >= 2 && path[1] == u':' &&
           ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
}

std::filesystem::path HostPath(std::u16string_view windowsPath) {
    if (IsDrivePath(windowsPath)) {
        const char letter = static_cast<char>(windowsPath[0] | 0x20);
        const std::filesystem::path drive = MachineRoot() / (std::string("drive_") + letter);
        const std::filesystem::path rest = DriveRelative(windowsPath);
        std::filesystem::path exact = rest.empty() ? drive : drive / rest;
        if (Exists(exact)) return exact;
        // Drive C is always there on Windows.
        if (letter == 'c' && !Exists(drive)) {
            std::error_code ignored;
            std::filesystem::create_directories(drive, ignored);
        }
        return MatchCase(drive, rest);
    }
    std::u16string slashed(windowsPath);
    for (auto& c : slashed)
        if (c == u'\\') c = u'/';
    const std::filesystem::path host(ToUtf8(slashed));
    if (host.empty() || Exists(host)) return host;
    return MatchCase(host.root_path(), host.relative_path());
}

std::u16string WindowsPath(const std::filesystem::path& hostPath) {
    const auto root = MachineRoot().lexically_normal();
    const auto path = hostPath.lexically_normal();
    auto rel = path.lexically_relative(root);
    if (!rel.empty() && rel.native().rfind("drive_", 0) == 0 && rel.native().size() >= 7) {
        const std::string& r = rel.native();
        std::u16string out;
        out += static_cast<char16_t>(r[6] & ~0x20);
        out += u":\\";
        auto slash = r.find('/');
        if (slash != std::string::npos) {
            for (char16_t c : FromUtf8(std::string_view(r).substr(slash + 1))) out += (c == u'/') ? u'\\' : c;
        }
        return out;
    }
    return FromUtf8(path.native());
}

}  // namespace nw::hosted
