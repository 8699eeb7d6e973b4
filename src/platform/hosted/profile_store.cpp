#include "platform/hosted/profile_store.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/hosted/file_replace.h"
#include "platform/hosted/host_error.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"

namespace nw::hosted {
namespace {

// A file rewritten in place within one clock tick can keep its size and
// times. A cached text is trusted on its stamp alone only once the file's
// times are older than this at the moment the text was read; until then
// its bytes are compared on each use.
constexpr std::int64_t kSettleNs = 50'000'000;
constexpr std::size_t kMaxCached = 16;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.fd_, -1));
        return *this;
    }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Reports the error of the final close, which some file systems delay
    // write errors to.
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

std::int64_t Nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

FileStamp StampOf(const struct stat& st) {
    return FileStamp{st.st_dev, st.st_ino, st.st_size, Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim)};
}

std::int64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

bool Settled(const FileStamp& stamp, std::int64_t readAt) {
    return readAt - stamp.modifiedNs > kSettleNs && readAt - stamp.changedNs > kSettleNs;
}

// A writer does not follow a link (kLinkFound), so that it replaces the
// link's target rather than the link.
constexpr DWORD kLinkFound = 0xFFFFFFFFu;

// Reads size bytes from the start of an open file; fewer when it is shorter.
DWORD ReadAll(int fd, std::size_t size, std::string& bytes) {
    bytes.assign(size, '\0');
    std::size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + used, bytes.size() - used, static_cast<off_t>(used));
        if (n < 0) {
            if (errno == EINTR) continue;
            return ErrorFromErrno(errno, ERROR_READ_FAULT);
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    return ERROR_SUCCESS;
}

// The file's text and its stat, taken from one open file so that they
// belong together; the file stays open.
DWORD OpenAndRead(const std::string& path, bool followLinks, FileDescriptor& fd, struct stat& st,
                  std::string& bytes) {
    // Non-blocking so that a FIFO in the file's place cannot hang the caller.
    fd.Reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (followLinks ? 0 : O_NOFOLLOW)));
    if (!fd) return errno == ELOOP && !followLinks ? kLinkFound : ErrorFromErrno(errno, ERROR_READ_FAULT);
    if (::fstat(fd.get(), &st) != 0) return ErrorFromErrno(errno, ERROR_READ_FAULT);
    if (!S_ISREG(st.st_mode)) return ERROR_ACCESS_DENIED;
    // Text appended after the fstat changes the stamp and is read next time.
    return ReadAll(fd.get(), static_cast<std::size_t>(st.st_size), bytes);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the new text beside the file and swaps it in. A file that exists
// keeps its permissions (as far as the umask allows). The new file stays
// open in fd; st is its stat after the swap.
DWORD ReplaceFile(const std::filesystem::path& path, const std::string& bytes, const struct stat* old,
                  FileDescriptor& fd, struct stat& st) {
    // One name serves every writer, as they hold the folder's lock; one
    // left by a crash is taken over by the next write.
    const std::filesystem::path temp = path.parent_path() / ("." + path.filename().native() + ".nwtmp");
    const mode_t mode = old ? (old->st_mode & 0777) : 0666;
    FileDescriptor file(::open(temp.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode));
    if (!file) return ErrorFromErrno(errno, ERROR_WRITE_FAULT);
    DWORD error = ERROR_SUCCESS;
    if (!WriteAll(file.get(), bytes)) {
        error = ErrorFromErrno(errno, ERROR_WRITE_FAULT);
    } else if (!SwapIntoPlace(temp, path)) {
        error = ErrorFromErrno(errno, ERROR_WRITE_FAULT);
    }
    if (error != ERROR_SUCCESS) {
        ::unlink(temp.c_str());
        return error;
    }
    // The new text is in place; an unknown stamp only makes the next use
    // read the file again.
    if (::fstat(file.get(), &st) != 0) st = {};
    fd = std::move(file);
    return ERROR_SUCCESS;
}

bool Writable(const struct stat& st, const std::string& path) {
    // Without any write bit the file is read-only, for the superuser too.
    if ((st.st_mode & 0222) == 0) return false;
    // The owner's own bit answers without asking the kernel again.
    static const uid_t self = ::geteuid();
    if (st.st_uid == self) return self == 0 || (st.st_mode & S_IWUSR) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

// An advisory lock on the file's folder for one read-modify-write; the
// folder, unlike the file, keeps its identity across the swap.
class DirectoryLock {
public:
    DWORD Acquire(const std::filesystem::path& folder) {
        fd_.Reset(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd_) {
            if (errno == ENOENT || errno == ENOTDIR) return ERROR_PATH_NOT_FOUND;
            return ErrorFromErrno(errno, ERROR_ACCESS_DENIED);
        }
        while (::flock(fd_.get(), LOCK_EX) != 0)
            if (errno != EINTR) return ErrorFromErrno(errno, ERROR_ACCESS_DENIED);
        return ERROR_SUCCESS;
    }
    // Closing the folder releases the lock.

private:
    FileDescriptor fd_;
};

struct CacheEntry {
    std::string key;
    FileDescriptor file;    // the file as last read or written, kept open
    struct stat status {};  // its stat then
    std::string bytes;      // its text
    IniDocument document;
    bool settled = false;
    std::uint64_t lastUse = 0;
};

class ProfileCache {
public:
    std::mutex mutex;

    // The cached text of the file as it is now, read again when the file
    // changed. Null with the error when the file cannot be read.
    CacheEntry* Current(const std::string& key, bool followLinks, UINT ansiCodePage, DWORD& error) {
        CacheEntry* entry = Lookup(key);
        if (entry && !Fits(*entry, ansiCodePage)) {
            Drop(key);
            entry = nullptr;
        }
        std::int64_t readAt = NowNs();
        std::string bytes;
        if (entry) {
            struct stat st{};
            const int found = followLinks ? ::stat(key.c_str(), &st) : ::lstat(key.c_str(), &st);
            if (found == 0 && StampOf(st) == StampOf(entry->status)) {
                if (entry->settled) return Touch(entry);
                // The same inode is still the one open here (an open file's
                // number is not reused), so its text can be compared
                // without opening the file again.
                if (ReadAll(entry->file.get(), static_cast<std::size_t>(st.st_size), bytes) == ERROR_SUCCESS &&
                    bytes == entry->bytes) {
                    entry->settled = Settled(StampOf(st), readAt);
                    return Touch(entry);
                }
            }
        }

        readAt = NowNs();
        FileDescriptor file;
        struct stat st{};
        error = OpenAndRead(key, followLinks, file, st, bytes);
        if (error != ERROR_SUCCESS) {
            Drop(key);
            return nullptr;
        }
        if (!entry) entry = Add(std::make_unique<CacheEntry>());
        entry->key = key;
        entry->file = std::move(file);
        entry->document = IniDocument::Parse(bytes, ansiCodePage);
        entry->bytes = std::move(bytes);
        entry->status = st;
        entry->settled = Settled(StampOf(st), readAt);
        return Touch(entry);
    }

    CacheEntry* Add(std::unique_ptr<CacheEntry> entry) {
        if (entries_.size() >= kMaxCached) {
            std::size_t oldest = 0;
            for (std::size_t i = 1; i < entries_.size(); ++i)
                if (entries_[i]->lastUse < entries_[oldest]->lastUse) oldest = i;
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(oldest));
        }
        entries_.push_back(std::move(entry));
        return Touch(entries_.back().get());
    }

    void Drop(const std::string& key) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i]->key == key) {
                entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
        }
    }

private:
    // An ANSI text read in another code page than the current one is stale.
    static bool Fits(const CacheEntry& entry, UINT ansiCodePage) {
        return entry.document.Encoding() != IniEncoding::Ansi || entry.document.CodePage() == ansiCodePage;
    }

    CacheEntry* Lookup(const std::string& key) {
        for (auto& entry : entries_)
            if (entry->key == key) return entry.get();
        return nullptr;
    }

    CacheEntry* Touch(CacheEntry* entry) {
        entry->lastUse = ++clock_;
        return entry;
    }

    std::vector<std::unique_ptr<CacheEntry>> entries_;
    std::uint64_t clock_ = 0;
};

ProfileCache& Cache() {
    static ProfileCache cache;
    return cache;
}

}  // namespace

ProfileFile ResolveProfileFile(LPCWSTR fileName) {
    const std::u16string_view name = fileName ? std::u16string_view(fileName) : std::u16string_view(u"win.ini");
    ProfileFile file;
    if (name.empty()) return file;
    std::filesystem::path path;
    if (name.find_first_of(u"\\/:") == std::u16string_view::npos) {
        path = HostPath(u"C:\\windows\\" + std::u16string(name));
        file.inWindowsFolder = true;
    } else {
        path = HostPath(name);
    }
    if (!path.is_absolute()) {
        std::error_code ec;
        path = std::filesystem::absolute(path, ec);
        if (ec) return {};
    }
    // Normalising is costly and rarely needed: only for dot parts and doubled separators.
    const std::string& text = path.native();
    if (text.find("/.") != std::string::npos || text.find("//") != std::string::npos) path = path.lexically_normal();
    if (!path.has_filename() || path.filename() == "." || path.filename() == "..") return {};
    file.path = std::move(path);
    return file;
}

DWORD ReadProfileFile(const ProfileFile& file, const std::function<void(const IniDocument&)>& read) {
    if (file.path.empty()) return ERROR_FILE_NOT_FOUND;
    auto& cache = Cache();
    std::lock_guard guard(cache.mutex);
    DWORD error = ERROR_SUCCESS;
    CacheEntry* entry = cache.Current(file.path.native(), true, GetACP(), error);
    if (entry == nullptr) return error;
    read(entry->document);
    return ERROR_SUCCESS;
}

namespace {

// One read-modify-write of the file at path, under its folder's lock.
DWORD UpdateAt(ProfileCache& cache, const std::filesystem::path& path, bool inWindowsFolder,
               const std::function<bool(IniDocument&)>& edit) {
    DirectoryLock lock;
    DWORD locked = lock.Acquire(path.parent_path());
    if (locked == ERROR_PATH_NOT_FOUND && inWindowsFolder) {
        // The Windows folder always exists on Windows.
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        locked = lock.Acquire(path.parent_path());
    }
    if (locked != ERROR_SUCCESS) return locked;

    const UINT ansiCodePage = GetACP();
    const std::string& key = path.native();
    DWORD error = ERROR_SUCCESS;
    CacheEntry* entry = cache.Current(key, false, ansiCodePage, error);
    std::unique_ptr<CacheEntry> created;
    if (entry == nullptr) {
        if (error != ERROR_FILE_NOT_FOUND) return error;
        created = std::make_unique<CacheEntry>();
        created->key = key;
        created->document = IniDocument::Parse({}, ansiCodePage);
        entry = created.get();
    } else if (!Writable(entry->status, key)) {
        return ERROR_ACCESS_DENIED;
    }

    if (!edit(entry->document)) return ERROR_SUCCESS;
    std::string bytes = entry->document.Serialize();
    FileDescriptor file;
    struct stat st{};
    error = ReplaceFile(path, bytes, created ? nullptr : &entry->status, file, st);
    if (error != ERROR_SUCCESS) {
        // The cached text holds the edit the file did not get.
        if (!created) cache.Drop(key);
        return error;
    }
    if (created) entry = cache.Add(std::move(created));
    entry->file = std::move(file);
    entry->bytes = std::move(bytes);
    entry->status = st;
    entry->settled = false;
    return ERROR_SUCCESS;
}

}  // namespace

DWORD UpdateProfileFile(const ProfileFile& file, const std::function<bool(IniDocument&)>& edit) {
    if (file.path.empty()) return ERROR_INVALID_PARAMETER;
    auto& cache = Cache();
    std::lock_guard guard(cache.mutex);
    DWORD error = UpdateAt(cache, file.path, file.inWindowsFolder, edit);
    if (error != kLinkFound) return error;
    // A link: the swap replaces its target, under the target folder's lock.
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(file.path, ec);
    if (ec) return ERROR_PATH_NOT_FOUND;
    error = UpdateAt(cache, target, false, edit);
    return error == kLinkFound ? ERROR_PATH_NOT_FOUND : error;
}

}  // namespace nw::hosted
