// Directory search: FindFirstFileW and FindNextFileW over a snapshot of the
// folder taken by FindFirstFileW, "." and ".." first, then the names in
// case-insensitive order; * and ? match without regard to case.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/hosted/file_status.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

struct FindObject final : KernelObject {
    static constexpr ObjectKind kKind = ObjectKind::Find;
    ObjectKind Kind() const override { return kKind; }
    std::vector<WIN32_FIND_DATAW> entries;
    std::size_t next = 0;
};

// * and ? against a name, case-insensitively.
bool WildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0, n = 0, starP = std::u16string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

bool FillFindData(const std::filesystem::path& path, std::u16string_view name, WIN32_FIND_DATAW& data) {
    struct stat st {};
    if (name.size() >= MAX_PATH || ::stat(path.c_str(), &st) != 0) return false;
    data = WIN32_FIND_DATAW{};
    data.dwFileAttributes = AttributesOf(st);
    data.ftCreationTime = CreationTime(st);
    data.ftLastAccessTime = ToFileTime(st.st_atim);
    data.ftLastWriteTime = ToFileTime(st.st_mtim);
    if (!S_ISDIR(st.st_mode)) {
        const auto size = static_cast<std::uint64_t>(st.st_size);
        data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data.nFileSizeLow = static_cast<DWORD>(size);
    }
    std::copy(name.begin(), name.end(), data.cFileName);
    return true;
}

HANDLE FindFirst(std::u16string_view searchPath, WIN32_FIND_DATAW& data) {
    std::size_t cut = searchPath.size();
    while (cut > 0 && !IsPathSeparator(searchPath[cut - 1])) --cut;
    std::u16string pattern(searchPath.substr(cut));
    std::u16string folder(searchPath.substr(0, cut));
    if (folder.empty() && IsDrivePath(pattern)) {  // "C:name"
        folder = pattern.substr(0, 2);
        pattern.erase(0, 2);
    }
    const auto dir = HostPath(folder.empty() ? std::u16string(u".") : folder);
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (pattern.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (pattern == u"*.*") pattern = u"*";  // matches names without a dot too

    auto find = std::make_shared<FindObject>();
    std::vector<std::pair<std::u16string, std::filesystem::path>> names;
    const std::u16string windowsDir = WindowsPath(dir);
    const bool driveRoot = windowsDir.size() <= 3 && IsDrivePath(windowsDir);
    if (!driveRoot && dir != dir.root_path()) {
        names.emplace_back(u".", dir / ".");
        names.emplace_back(u"..", dir / "..");
    }
    std::vector<std::pair<std::u16string, std::filesystem::path>> found;
    if (DIR* handle = ::opendir(dir.c_str())) {
        while (const dirent* entry = ::readdir(handle)) {
            const std::string host = entry->d_name;
            if (host == "." || host == "..") continue;
            found.emplace_back(FromUtf8(host), dir / host);
        }
        ::closedir(handle);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        const int order = CompareNoCase(a.first, b.first);
        return order != 0 ? order < 0 : a.first < b.first;
    });
    names.insert(names.end(), found.begin(), found.end());
    for (const auto& [name, path] : names) {
        if (!WildcardMatch(pattern, name)) continue;
        WIN32_FIND_DATAW entry;
        if (FillFindData(path, name, entry)) find->entries.push_back(entry);
    }
    if (find->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    data = find->entries[0];
    find->next = 1;
    return InsertHandle(std::move(find));
}

}  // namespace
}  // namespace nw::hosted

using nw::hosted::FindObject;

HANDLE FindFirstFileW(LPCWSTR fileName, LPWIN32_FIND_DATAW findData) {
    if (fileName == nullptr || findData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    try {
        return nw::hosted::FindFirst(fileName, *findData);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_HANDLE_VALUE;
    }
}

BOOL FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW findData) {
    auto object = nw::hosted::Lookup<FindObject>(find);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (findData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (object->next >= object->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *findData = object->entries[object->next++];
    return TRUE;
}

BOOL FindClose(HANDLE find) {
    if (!nw::hosted::RemoveHandle(find, nw::hosted::ObjectKind::Find)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
