#include "platform/hosted/registry_store.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/hosted/file_replace.h"
#include "platform/hosted/host_error.h"
#include "platform/hosted/registry_journal.h"
#include "platform/hosted/registry_text.h"

namespace nw::hosted::registry {
namespace {

// Counters in the lock file, changed only under the exclusive lock.
constexpr int kChanges = 0;          // every change of the hive's files
constexpr int kPersistentEpoch = 1;  // the hive text was replaced
constexpr int kVolatileEpoch = 2;    // the volatile keys were replaced
constexpr int kJournalLength = 3;    // committed bytes of the journal
constexpr int kHiveStamp = 4;        // identity of the announced hive text (3 slots)
constexpr int kVolatileStamp = 7;    // and of the volatile keys' file (3 slots)
constexpr int kUnfinished = 10;      // a change was being persisted (its writer may have died)
constexpr std::size_t kCounterBytes = 4096;

// Small hives are rewritten whole on every change, so their file is always
// current; bigger ones append to the journal, which is folded into the file
// once it outgrows it.
constexpr std::uint64_t kSmallHive = 8 * 1024;
constexpr std::uint64_t kMinJournal = 64 * 1024;

class FileLock {
public:
    FileLock(int fd, int operation) : fd_(fd) {
        for (;;) {
            if (::flock(fd_, operation) == 0) {
                ok_ = true;
                break;
            }
            if (errno != EINTR) break;
        }
    }
    ~FileLock() {
        if (ok_) ::flock(fd_, LOCK_UN);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Locked() const { return ok_; }

private:
    int fd_;
    bool ok_ = false;
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// Test hook: NORDWISP_REGISTRY_CRASH=<point> ends the process at that point
// of a write, as a kill would, so tests can check what a crash leaves.
const std::string& WantedCrashPoint() {
    static const std::string wanted = [] {
        const char* value = std::getenv("NORDWISP_REGISTRY_CRASH");
        return std::string(value ? value : "");
    }();
    return wanted;
}

void CrashPoint(std::string_view point) {
    if (!WantedCrashPoint().empty() && WantedCrashPoint() == point) ::_exit(86);
}

bool ReadAt(int fd, std::uint64_t offset, std::size_t size, std::string& out) {
    out.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    out.resize(done);
    return true;
}

bool WriteAt(int fd, std::uint64_t offset, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes in two halves, so a crash point can fall between them.
bool WriteHalves(int fd, std::uint64_t offset, std::string_view data, std::string_view crashPoint) {
    if (WantedCrashPoint().empty()) return WriteAt(fd, offset, data);
    const std::size_t half = data.size() / 2;
    if (!WriteAt(fd, offset, data.substr(0, half))) return false;
    CrashPoint(crashPoint);
    return WriteAt(fd, offset + half, data.substr(half));
}

// Reads a whole file; a missing file is empty text and `exists` false.
LSTATUS ReadWholeFile(const std::filesystem::path& path, std::string& text, bool& exists, std::uint64_t& fileTime) {
    text.clear();
    exists = false;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return errno == ENOENT ? ERROR_SUCCESS : ErrorFromErrno(errno, ERROR_CANTOPEN);
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return ERROR_CANTREAD;
    exists = true;
    fileTime = static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 10000000ull +
               static_cast<std::uint64_t>(info.st_mtim.tv_nsec) / 100 + 116444736000000000ull;
    return ReadAt(fd.Get(), 0, static_cast<std::size_t>(info.st_size), text) ? ERROR_SUCCESS : ERROR_CANTREAD;
}

// Write beside, then swap into place: a reader, or a crash, sees the old file
// or the new one, never a part. The lock makes the fixed temporary name safe.
LSTATUS ReplaceFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    if (!WriteHalves(fd.Get(), 0, text, "hive-partly-written")) {
        ::unlink(temporary.c_str());
        return ERROR_CANTWRITE;
    }
    ::close(fd.Release());
    if (!SwapIntoPlace(temporary, path)) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return ErrorFromErrno(error, ERROR_CANTOPEN);
    }
    return ERROR_SUCCESS;
}

// Which file a path names now: a rename puts another inode there.
std::array<std::uint64_t, 3> Stamp(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {0, 0, 0};
    return {static_cast<std::uint64_t>(info.st_ino), static_cast<std::uint64_t>(info.st_size),
            static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1000000000ull +
                static_cast<std::uint64_t>(info.st_mtim.tv_nsec)};
}

bool HasVolatileKeys(const Key& key) {
    for (const auto& child : key.Subkeys())
        if (child->IsVolatile() || HasVolatileKeys(*child)) return true;
    return false;
}

// Hangs the volatile keys of a volatile store onto the persistent tree; a key
// whose parent no longer exists, or whose name is taken, is dropped.
void Graft(Key& target, Key& store, const std::unordered_set<const Key*>& listed) {
    const auto children = store.Subkeys();
    for (const auto& child : children) {
        Key* existing = target.FindSubkey(child->Name());
        if (listed.count(child.get()) != 0) {
            if (existing == nullptr) target.AdoptSubkey(child);
        } else if (existing != nullptr && !existing->IsVolatile()) {
            Graft(*existing, *child, listed);
        }
    }
}

}  // namespace

std::uint64_t FileTimeNow() {
    const auto since1970 = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since1970).count() / 100) +
           116444736000000000ull;
}

Hive::Hive(std::filesystem::path file, std::filesystem::path volatileFile, std::u16string defaultRootName)
    : file_(std::move(file)),
      volatileFile_(std::move(volatileFile)),
      defaultRootName_(std::move(defaultRootName)),
      rootName_(defaultRootName_),
      root_(std::make_shared<Key>(std::u16string(), false)) {
    journalFile_ = file_;
    journalFile_ += ".log";
    lockFile_ = file_;
    lockFile_ += ".lock";
}

Hive::~Hive() {
    if (counters_ != nullptr) ::munmap(counters_, kCounterBytes);
    if (journalFd_ >= 0) ::close(journalFd_);
    if (lockFd_ >= 0) ::close(lockFd_);
}

LSTATUS Hive::Open() {
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    FileDescriptor lock(::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (lock.Get() < 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    FileLock exclusive(lock.Get(), LOCK_EX);
    struct stat info {};
    if (!exclusive.Locked() || ::fstat(lock.Get(), &info) != 0) return ERROR_CANTOPEN;
    const bool fresh = static_cast<std::size_t>(info.st_size) < kCounterBytes;
    if (fresh && ::ftruncate(lock.Get(), static_cast<off_t>(kCounterBytes)) != 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    FileDescriptor journal(::open(journalFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (journal.Get() < 0 || ::fstat(journal.Get(), &info) != 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    void* mapped = ::mmap(nullptr, kCounterBytes, PROT_READ | PROT_WRITE, MAP_SHARED, lock.Get(), 0);
    if (mapped == MAP_FAILED) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    counters_ = static_cast<std::uint64_t*>(mapped);
    lockFd_ = lock.Release();
    journalFd_ = journal.Release();
    // A journal found without its lock file is trusted whole.
    if (fresh) SetCounter(kJournalLength, static_cast<std::uint64_t>(info.st_size));
    exclusive_ = true;
    const LSTATUS status = Recover();
    exclusive_ = false;
    return status;
}

// What a writer killed half-way may have left: a hive file renamed into
// place but not announced, bytes past the committed journal. Also picks up
// a hive file edited by hand.
LSTATUS Hive::Recover() {
    AnnounceReplacedFiles();
    LSTATUS status = Sync(true);
    if (status != ERROR_SUCCESS) return status;
    const std::uint64_t size = JournalSize();
    // Shorter than what was applied: cut by hand; start from the files again.
    if (size < journalOffset_ && (status = Reload(Counter(kJournalLength))) != ERROR_SUCCESS) return status;
    if (size > journalOffset_ && ::ftruncate(journalFd_, static_cast<off_t>(journalOffset_)) != 0)
        return ERROR_CANTWRITE;
    if (Counter(kJournalLength) != journalOffset_) Recommit();
    SetCounter(kUnfinished, 0);
    return ERROR_SUCCESS;
}

std::uint64_t Hive::Counter(int which) const {
    return std::atomic_ref<std::uint64_t>(counters_[which]).load(std::memory_order_acquire);
}

void Hive::SetCounter(int which, std::uint64_t value) {
    std::atomic_ref<std::uint64_t>(counters_[which]).store(value, std::memory_order_release);
}

// Tells the other processes that this process replaced a file (its own tree
// already holds what the file holds).
void Hive::Announce(int epoch) {
    const auto stamp = Stamp(epoch == kPersistentEpoch ? file_ : volatileFile_);
    const int slot = epoch == kPersistentEpoch ? kHiveStamp : kVolatileStamp;
    for (int i = 0; i < 3; ++i) SetCounter(slot + i, stamp[static_cast<std::size_t>(i)]);
    SetCounter(epoch, Counter(epoch) + 1);
    SetCounter(kChanges, Counter(kChanges) + 1);
    (epoch == kPersistentEpoch ? seenPersistentEpoch_ : seenVolatileEpoch_) = Counter(epoch);
    seenChanges_ = Counter(kChanges);
}

// A file renamed into place by a process killed before it announced it, or
// put there by hand: announce it, so every process reads it (this one too).
void Hive::AnnounceReplacedFiles() {
    const std::pair<const std::filesystem::path*, int> files[] = {{&file_, kPersistentEpoch},
                                                                  {&volatileFile_, kVolatileEpoch}};
    for (const auto& [path, epoch] : files) {
        const auto stamp = Stamp(*path);
        const int slot = epoch == kPersistentEpoch ? kHiveStamp : kVolatileStamp;
        bool same = true;
        for (int i = 0; i < 3; ++i) same = same && Counter(slot + i) == stamp[static_cast<std::size_t>(i)];
        if (same) continue;
        for (int i = 0; i < 3; ++i) SetCounter(slot + i, stamp[static_cast<std::size_t>(i)]);
        SetCounter(epoch, Counter(epoch) + 1);
        SetCounter(kChanges, Counter(kChanges) + 1);
    }
}

std::uint64_t Hive::JournalSize() const {
    struct stat info {};
    return ::fstat(journalFd_, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

LSTATUS Hive::Refresh() {
    if (counters_ == nullptr) return ERROR_CANTOPEN;
    if (exclusive_) return ERROR_SUCCESS;  // BeginWrite synced, and only we can change the files now
    if (!stale_ && Counter(kChanges) == seenChanges_) return ERROR_SUCCESS;
    FileLock shared(lockFd_, LOCK_SH);
    if (!shared.Locked()) return ERROR_CANTREAD;
    return Sync(false);
}

LSTATUS Hive::Sync(bool exclusive) {
    const std::uint64_t changes = Counter(kChanges);
    const std::uint64_t persistentEpoch = Counter(kPersistentEpoch);
    const std::uint64_t volatileEpoch = Counter(kVolatileEpoch);
    const std::uint64_t committed = Counter(kJournalLength);
    if (stale_ || persistentEpoch != seenPersistentEpoch_ || volatileEpoch != seenVolatileEpoch_) {
        if (LSTATUS status = Reload(committed); status != ERROR_SUCCESS) return status;
        seenPersistentEpoch_ = persistentEpoch;
        seenVolatileEpoch_ = volatileEpoch;
    } else if (changes != seenChanges_) {
        if (LSTATUS status = ReplayJournal(committed); status != ERROR_SUCCESS) return status;
    }
    seenChanges_ = changes;
    if (exclusive && committed != journalOffset_) Recommit();
    return ERROR_SUCCESS;
}

// A damaged record ends what can be replayed: the journal is committed up to
// there, and the other processes read it all again to agree.
void Hive::Recommit() {
    SetCounter(kJournalLength, journalOffset_);
    SetCounter(kPersistentEpoch, Counter(kPersistentEpoch) + 1);
    SetCounter(kChanges, Counter(kChanges) + 1);
    seenPersistentEpoch_ = Counter(kPersistentEpoch);
    seenChanges_ = Counter(kChanges);
}

LSTATUS Hive::Reload(std::uint64_t committed) {
    const std::uint64_t now = FileTimeNow();
    std::string text;
    bool exists = false;
    std::uint64_t fileTime = now;
    if (LSTATUS status = ReadWholeFile(file_, text, exists, fileTime); status != ERROR_SUCCESS) return status;
    auto parsed = ParseHive(text, false, fileTime);
    if (!parsed) return ERROR_BADDB;
    snapshotSize_ = text.size();
    rootName_ = parsed->rootName.empty() ? defaultRootName_ : parsed->rootName;
    Key& fresh = *parsed->root;

    std::string journal;
    const std::uint64_t end = std::min(committed, JournalSize());
    if (!ReadAt(journalFd_, 0, static_cast<std::size_t>(end), journal)) return ERROR_CANTREAD;
    journalOffset_ = DecodeRecords(journal, [&](const Change& change) { Apply(fresh, change, false, now); });

    std::string volatileText;
    if (ReadWholeFile(volatileFile_, volatileText, exists, fileTime) == ERROR_SUCCESS && exists) {
        // A damaged volatile store only loses volatile keys.
        if (auto store = ParseHive(volatileText, true, now)) Graft(fresh, *store->root, store->listed);
    }
    root_->Reconcile(fresh);
    stale_ = false;
    return ERROR_SUCCESS;
}

LSTATUS Hive::ReplayJournal(std::uint64_t committed) {
    const std::uint64_t end = std::min(committed, JournalSize());
    // Emptied without a new hive text (by hand): read everything again.
    if (end < journalOffset_) return Reload(committed);
    if (end == journalOffset_) return ERROR_SUCCESS;
    std::string tail;
    if (!ReadAt(journalFd_, journalOffset_, static_cast<std::size_t>(end - journalOffset_), tail))
        return ERROR_CANTREAD;
    const std::uint64_t now = FileTimeNow();
    journalOffset_ += DecodeRecords(tail, [&](const Change& change) { Apply(*root_, change, false, now); });
    return ERROR_SUCCESS;
}

LSTATUS Hive::BeginWrite() {
    if (counters_ == nullptr) return ERROR_CANTOPEN;
    int result = 0;
    while ((result = ::flock(lockFd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (result != 0) return ERROR_CANTWRITE;
    exclusive_ = true;
    const LSTATUS status = Counter(kUnfinished) != 0 ? Recover() : Sync(true);
    if (status != ERROR_SUCCESS) EndWrite();
    return status;
}

void Hive::EndWrite() {
    exclusive_ = false;
    ::flock(lockFd_, LOCK_UN);
}

// Marks the files as being changed while `persist` runs; a writer that dies
// (or fails) leaves the mark, and the next writer repairs the files first.
// Marks the files as being changed while `persist` runs; a writer that dies
// (or fails) leaves the mark, and the next writer repairs the files first.
template <class Body>
LSTATUS Hive::Persist(Body&& persist) {
    SetCounter(kUnfinished, 1);
    const LSTATUS status = persist();
    if (status == ERROR_SUCCESS) {
        SetCounter(kUnfinished, 0);
    } else {
        stale_ = true;
    }
    return status;
}

LSTATUS Hive::Write(const Change& change, bool isVolatile, Key** key) {
    if (!exclusive_) return ERROR_CANTWRITE;
    Key* changed = Apply(*root_, change, isVolatile, FileTimeNow());
    const LSTATUS status = Persist([&] { return isVolatile ? PersistVolatile() : PersistChange(change); });
    if (status == ERROR_SUCCESS && key != nullptr) *key = changed;
    return status;
}

LSTATUS Hive::PersistChange(const Change& change) {
    if (journalOffset_ == 0 && snapshotSize_ <= kSmallHive) return WriteSnapshot();
    const std::string record = EncodeRecord(change);
    if (!WriteHalves(journalFd_, journalOffset_, record, "journal-partly-written")) return ERROR_CANTWRITE;
    CrashPoint("journal-written");
    journalOffset_ += record.size();
    // The record counts from here on.
    SetCounter(kJournalLength, journalOffset_);
    SetCounter(kChanges, Counter(kChanges) + 1);
    seenChanges_ = Counter(kChanges);
    // The change is safe in the journal; folding it into the file may wait.
    if (journalOffset_ > std::max(kMinJournal, snapshotSize_)) WriteSnapshot();
    return ERROR_SUCCESS;
}

LSTATUS Hive::WriteSnapshot() {
    const std::string text = FormatHive(*root_, rootName_, HiveSection::Persistent);
    if (LSTATUS status = ReplaceFile(file_, text); status != ERROR_SUCCESS) return status;
    CrashPoint("hive-replaced");
    snapshotSize_ = text.size();
    // Announced before the journal is emptied: a process killed in between
    // leaves a journal that replays harmlessly over the new text.
    Announce(kPersistentEpoch);
    if (journalOffset_ != 0) {
        SetCounter(kJournalLength, 0);
        journalOffset_ = 0;
        if (::ftruncate(journalFd_, 0) != 0) return ERROR_CANTWRITE;
    }
    return ERROR_SUCCESS;
}

LSTATUS Hive::PersistVolatile() {
    LSTATUS status = ERROR_SUCCESS;
    if (HasVolatileKeys(*root_)) {
        std::error_code ignored;
        std::filesystem::create_directories(volatileFile_.parent_path(), ignored);
        status = ReplaceFile(volatileFile_, FormatHive(*root_, rootName_, HiveSection::Volatile));
    } else if (::unlink(volatileFile_.c_str()) != 0 && errno != ENOENT) {
        status = ErrorFromErrno(errno, ERROR_CANTOPEN);
    }
    if (status == ERROR_SUCCESS) Announce(kVolatileEpoch);
    return status;
}

LSTATUS Hive::Compact() {
    if (LSTATUS status = BeginWrite(); status != ERROR_SUCCESS) return status;
    const LSTATUS status = Persist([&] { return WriteSnapshot(); });
    EndWrite();
    return status;
}

LSTATUS Hive::DropVolatile() {
    if (LSTATUS status = BeginWrite(); status != ERROR_SUCCESS) return status;
    root_->RemoveVolatileSubkeys();
    const LSTATUS status = Persist([&] { return PersistVolatile(); });
    EndWrite();
    return status;
}

}  // namespace nw::hosted::registry
