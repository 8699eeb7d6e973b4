// Files and folders over the host file system. Windows names are
// case-insensitive and the host's are not, so a path component that does not
// exist as written is matched case-insensitively against its folder. Sharing
// modes are enforced between the handles of this process.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/hosted/host_error.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {

namespace {

FILETIME ToFileTime(const timespec& t) { return FileTimeFromUnix(t.tv_sec, t.tv_nsec); }

// The error for a path that does not exist: its folder missing is a path
// error, a missing last component a file error.
DWORD MissingError(const std::filesystem::path& path) {
    std::filesystem::path parent = path;
    if (!parent.has_filename()) parent = parent.parent_path();
    parent = parent.parent_path();
    struct stat st {};
    if (parent.empty()) return ERROR_FILE_NOT_FOUND;
    return (::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

DWORD AttributesOf(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return FILE_ATTRIBUTE_DIRECTORY | ((st.st_mode & 0222) ? 0u : FILE_ATTRIBUTE_READONLY);
    if (!S_ISREG(st.st_mode)) return FILE_ATTRIBUTE_NORMAL;
    // Files carry the archive bit from creation on, as on Windows.
    return FILE_ATTRIBUTE_ARCHIVE | ((st.st_mode & 0222) ? 0u : FILE_ATTRIBUTE_READONLY);
}

FILETIME CreationTime(const struct stat& st) {
    // The host keeps no creation time here; the earlier of the change and
    // write times is the closest.
    const timespec& c = st.st_ctim;
    const timespec& m = st.st_mtim;
    const bool changeFirst = c.tv_sec < m.tv_sec || (c.tv_sec == m.tv_sec && c.tv_nsec < m.tv_nsec);
    return ToFileTime(changeFirst ? c : m);
}

// ---- Sharing between the handles of this process --------------------------

struct OpenEntry {
    std::uint64_t id;
    bool read;
    bool write;
    DWORD share;
};

struct ShareTable {
    std::mutex lock;
    std::uint64_t nextId = 1;
    std::map<std::pair<dev_t, ino_t>, std::vector<OpenEntry>> files;
};

ShareTable& Shares() {
    static ShareTable* table = new ShareTable;
    return *table;
}

bool SharingAllows(const OpenEntry& a, const OpenEntry& b) {
    if (a.read && !(b.share & FILE_SHARE_READ)) return false;
    if (a.write && !(b.share & FILE_SHARE_WRITE)) return false;
    if (b.read && !(a.share & FILE_SHARE_READ)) return false;
    if (b.write && !(a.share & FILE_SHARE_WRITE)) return false;
    return true;
}

struct FileObject final : KernelObject {
    static constexpr ObjectKind kKind = ObjectKind::File;
    ObjectKind Kind() const override { return kKind; }
    int fd = -1;
    bool read = false;
    bool write = false;
    std::pair<dev_t, ino_t> key{};
    std::uint64_t shareId = 0;

    ~FileObject() override {
        if (shareId != 0) {
            auto& table = Shares();
            std::lock_guard guard(table.lock);
            auto found = table.files.find(key);
            if (found != table.files.end()) {
                std::erase_if(found->second, [&](const OpenEntry& e) { return e.id == shareId; });
                if (found->second.empty()) table.files.erase(found);
            }
        }
        if (fd >= 0) ::close(fd);
    }
};

// Registers an open; false when another handle's sharing forbids it.
bool RegisterOpen(FileObject& file, DWORD share) {
    auto& table = Shares();
    std::lock_guard guard(table.lock);
    auto& entries = table.files[file.key];
    OpenEntry entry{table.nextId, file.read, file.write, share};
    for (const auto& other : entries)
        if (!SharingAllows(entry, other)) return false;
    ++table.nextId;
    entries.push_back(entry);
    file.shareId = entry.id;
    return true;
}

bool OpenWithoutDeleteSharing(const struct stat& st) {
    auto& table = Shares();
    std::lock_guard guard(table.lock);
    auto found = table.files.find({st.st_dev, st.st_ino});
    if (found == table.files.end()) return false;
    return std::any_of(found->second.begin(), found->second.end(),
                       [](const OpenEntry& e) { return !(e.share & FILE_SHARE_DELETE); });
}

// ---- Directory search ------------------------------------------------------

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

HANDLE OpenFile(LPCWSTR fileName, DWORD access, DWORD share, DWORD disposition, DWORD attributes) {
    if (fileName == nullptr || *fileName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    constexpr DWORD kGenericAll = 0x10000000u;
    const bool read = (access & (GENERIC_READ | kGenericAll)) != 0;
    const bool write = (access & (GENERIC_WRITE | kGenericAll)) != 0;
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING || (disposition == TRUNCATE_EXISTING && !write)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const auto path = HostPath(fileName);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (!exists) {
        const DWORD missing = MissingError(path);
        if (missing == ERROR_PATH_NOT_FOUND || disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING) {
            SetLastError(missing);
            return INVALID_HANDLE_VALUE;
        }
    }
    if (exists && disposition == CREATE_NEW) {
        SetLastError(ERROR_FILE_EXISTS);
        return INVALID_HANDLE_VALUE;
    }
    const bool truncate = exists && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
    if (exists && (st.st_mode & 0222) == 0 && (write || truncate)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC | (read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY);
    if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
    if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS) flags |= O_CREAT;
    const mode_t mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;

    auto file = std::make_shared<FileObject>();
    file->read = read;
    file->write = write;
    file->fd = ::open(path.c_str(), flags, mode);
    if (file->fd < 0) {
        const int error = errno;
        SetLastError(error == EEXIST   ? ERROR_FILE_EXISTS
                     : error == ENOENT ? MissingError(path)
                                       : ErrorFromErrno(error));
        return INVALID_HANDLE_VALUE;
    }
    struct stat opened {};
    if (::fstat(file->fd, &opened) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    file->key = {opened.st_dev, opened.st_ino};
    if (!RegisterOpen(*file, share)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncate && ::ftruncate(file->fd, 0) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = InsertHandle(std::move(file));
    const bool reopened = exists && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
    SetLastError(reopened ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

}  // namespace
}  // namespace nw::hosted

using nw::hosted::FileObject;
using nw::hosted::FindObject;

HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES /*attributes*/,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE /*templateFile*/) {
    try {
        return nw::hosted::OpenFile(fileName, desiredAccess, shareMode, creationDisposition, flagsAndAttributes);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_HANDLE_VALUE;
    }
}

// What ReadFile and WriteFile both check before a transfer: a file handle,
// no overlapped I/O, a buffer when bytes are to move, and the access the
// handle was opened with. Null (with the error set) when one fails.
std::shared_ptr<FileObject> TransferTarget(HANDLE file, const void* buffer, DWORD count, LPOVERLAPPED overlapped,
                                           bool FileObject::*access) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (overlapped != nullptr || (buffer == nullptr && count != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!((*object).*access)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return object;
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    if (bytesRead) *bytesRead = 0;
    auto object = TransferTarget(file, buffer, bytesToRead, overlapped, &FileObject::read);
    if (!object) return FALSE;
    auto* bytes = static_cast<char*>(buffer);
    DWORD done = 0;
    while (done < bytesToRead) {
        const ssize_t n = ::read(object->fd, bytes + done, bytesToRead - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (bytesRead) *bytesRead = done;
            SetLastError(nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        if (n == 0) break;  // end of file: success with fewer bytes
        done += static_cast<DWORD>(n);
    }
    if (bytesRead) *bytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    auto object = TransferTarget(file, buffer, bytesToWrite, overlapped, &FileObject::write);
    if (!object) return FALSE;
    const auto* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < bytesToWrite) {
        const ssize_t n = ::write(object->fd, bytes + done, bytesToWrite - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (bytesWritten) *bytesWritten = done;
            SetLastError(nw::hosted::ErrorFromErrno(n < 0 ? errno : ENOSPC));
            return FALSE;
        }
        done += static_cast<DWORD>(n);
    }
    if (bytesWritten) *bytesWritten = done;
    return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    struct stat st {};
    if (!object || ::fstat(object->fd, &st) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (fileSizeHigh) *fileSizeHigh = static_cast<DWORD>(size >> 32);
    const auto low = static_cast<DWORD>(size);
    if (low == INVALID_FILE_SIZE) SetLastError(NO_ERROR);  // tells a real size from failure
    return low;
}

BOOL GetFileTime(HANDLE file, LPFILETIME creationTime, LPFILETIME lastAccessTime, LPFILETIME lastWriteTime) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    struct stat st {};
    if (!object || ::fstat(object->fd, &st) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (creationTime) *creationTime = nw::hosted::CreationTime(st);
    if (lastAccessTime) *lastAccessTime = nw::hosted::ToFileTime(st.st_atim);
    if (lastWriteTime) *lastWriteTime = nw::hosted::ToFileTime(st.st_mtim);
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
    if (fileName == nullptr || *fileName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    try {
        const auto path = nw::hosted::HostPath(fileName);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            SetLastError(errno == ENOENT ? nw::hosted::MissingError(path) : nw::hosted::ErrorFromErrno(errno));
            return INVALID_FILE_ATTRIBUTES;
        }
        return nw::hosted::AttributesOf(st);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_FILE_ATTRIBUTES;
    }
}

BOOL DeleteFileW(LPCWSTR fileName) {
    if (fileName == nullptr || *fileName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    try {
        const auto path = nw::hosted::HostPath(fileName);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            SetLastError(errno == ENOENT ? nw::hosted::MissingError(path) : nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (nw::hosted::OpenWithoutDeleteSharing(st)) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return FALSE;
        }
        if (::unlink(path.c_str()) != 0) {
            SetLastError(nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES /*attributes*/) {
    if (pathName == nullptr || *pathName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    try {
        const auto path = nw::hosted::HostPath(pathName);
        if (::mkdir(path.c_str(), 0777) != 0) {
            const int error = errno;
            SetLastError(error == EEXIST   ? ERROR_ALREADY_EXISTS
                         : error == ENOENT ? ERROR_PATH_NOT_FOUND
                                           : nw::hosted::ErrorFromErrno(error));
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL RemoveDirectoryW(LPCWSTR pathName) {
    if (pathName == nullptr || *pathName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    try {
        const auto path = nw::hosted::HostPath(pathName);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            SetLastError(errno == ENOENT ? nw::hosted::MissingError(path) : nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        if (!S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_DIRECTORY);
            return FALSE;
        }
        if (::rmdir(path.c_str()) != 0) {
            const int error = errno;
            SetLastError(error == EEXIST ? ERROR_DIR_NOT_EMPTY : nw::hosted::ErrorFromErrno(error));
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

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

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
    try {
        std::u16string path;
        for (const char16_t* name : {u"TMP", u"TEMP", u"USERPROFILE"}) {
            if (auto value = nw::hosted::EnvironmentValue(name); value && !value->empty()) {
                path = *value;
                break;
            }
        }
        if (path.empty()) path = u"C:\\windows";
        if (path.back() != u'\\') path += u'\\';
        std::error_code ignored;
        std::filesystem::create_directories(nw::hosted::HostPath(path), ignored);
        return nw::hosted::CopyOrNeeded(path, buffer, bufferLength);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    try {
        std::error_code error;
        const auto cwd = std::filesystem::current_path(error);
        if (error) {
            SetLastError(nw::hosted::ErrorFromErrno(error.value()));
            return 0;
        }
        return nw::hosted::CopyOrNeeded(nw::hosted::WindowsPath(cwd), buffer, bufferLength);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

BOOL SetCurrentDirectoryW(LPCWSTR pathName) {
    if (pathName == nullptr || *pathName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    try {
        const auto path = nw::hosted::HostPath(pathName);
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            SetLastError(errno == ENOENT ? nw::hosted::MissingError(path) : nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        if (!S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_DIRECTORY);
            return FALSE;
        }
        if (::chdir(path.c_str()) != 0) {
            SetLastError(nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}
