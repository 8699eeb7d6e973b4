#include "platform/hosted/registry_store.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/hosted/file_replace.h"
#include "platform/hosted/host_error.h"
#include "platform/hosted/registry.h"
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
constexpr int kMutexReady = 11;      // kMutexMagic once the mutex below is set up
constexpr std::size_t kCounterBytes = 4096;
// The hive's lock: a robust process-shared mutex in the mapped lock file. A
// flock costs two system calls per change; the mutex none unless contended,
// and a holder that dies releases it as a flock would (EOWNERDEAD).
constexpr std::size_t kMutexOffset = 1024;
constexpr std::uint64_t kMutexMagic = 0x4E575245474D5458ull;
static_assert(kMutexOffset + sizeof(pthread_mutex_t) <= kCounterBytes);

// Small hives are rewritten whole on every change, so their file is always
// current; bigger ones append to the journal, which is folded into the file
// once it is four times the file's size: a fold costs the whole hive text,
// and at twice the size it was a third of what a text setting cost.
constexpr std::uint64_t kSmallHive = 8 * 1024;
constexpr std::uint64_t kMinJournal = 256 * 1024;
constexpr std::uint64_t kJournalPerHive = 4;

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

// Opens (creating) a file with exactly `mode`, whatever the umask; a file
// of ours found with other bits is set right.
int OpenWithMode(const std::filesystem::path& path, int flags, mode_t mode) {
    const int fd = ::open(path.c_str(), flags | O_CREAT | O_CLOEXEC, mode);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 07777) != mode)
        ::fchmod(fd, mode);
    return fd;
}

// Creates the missing folders down to `folder`: that one with `mode`, those
// on the way open to all (0755) so every user reaches their own.
bool MakeFolders(const std::filesystem::path& folder, mode_t mode) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) return true;
    const std::filesystem::path parent = folder.parent_path();
    if (parent != folder && !MakeFolders(parent, 0755)) return false;
    if (::mkdir(folder.c_str(), mode) == 0) return ::chmod(folder.c_str(), mode) == 0;
    return errno == EEXIST;
}

// Write beside, then swap into place: a reader, or a crash, sees the old file
// or the new one, never a part. The lock makes the fixed temporary name safe.
LSTATUS ReplaceFile(const std::filesystem::path& path, std::string_view text, mode_t mode) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    FileDescriptor fd(OpenWithMode(temporary, O_WRONLY | O_TRUNC, mode));
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

mode_t FileMode(HiveAccess access) { return access == HiveAccess::Private ? 0600 : 0644; }
mode_t FolderMode(HiveAccess access) { return access == HiveAccess::Private ? 0700 : 0755; }

struct DamageLog {
    std::mutex mutex;
    std::vector<DamagedHiveFile> files;
};
DamageLog& Damage() {
    static DamageLog* log = new DamageLog;
    return *log;
}

// Keeps the damaged bytes beside the file, named by their checksum: the same
// damage met again is kept once, and no copy is ever written over.
std::filesystem::path KeepEvidence(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".damaged-%08x", static_cast<unsigned>(Crc32(bytes)));
    std::filesystem::path evidence = file;
    evidence += suffix;
    FileDescriptor fd(::open(evidence.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.Get() >= 0) {
        ::fchmod(fd.Get(), mode);
        if (!WriteAt(fd.Get(), 0, bytes)) ::unlink(evidence.c_str());
    }
    return evidence;
}

}  // namespace

}  // namespace nw::hosted::registry

namespace nw::hosted {

std::vector<DamagedHiveFile> DamagedRegistryFiles() {
    registry::DamageLog& log = registry::Damage();
    std::lock_guard guard(log.mutex);
    return log.files;
}

}  // namespace nw::hosted

namespace nw::hosted::registry {

std::uint64_t FileTimeNow() {
    const auto since1970 = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(since1970).count() / 100) +
           116444736000000000ull;
}

Hive::Hive(std::filesystem::path file, std::filesystem::path volatileFile, std::u16string defaultRootName,
           HiveAccess access)
    : file_(std::move(file)),
      volatileFile_(std::move(volatileFile)),
      defaultRootName_(std::move(defaultRootName)),
      access_(access),
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
    if (!MakeFolders(file_.parent_path(), FolderMode(access_))) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    FileDescriptor lock(OpenWithMode(lockFile_, O_RDWR, FileMode(access_)));
    if (lock.Get() < 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
    {
        // The flock guards only the setting up of the lock file itself.
        FileLock setup(lock.Get(), LOCK_EX);
        struct stat info {};
        if (!setup.Locked() || ::fstat(lock.Get(), &info) != 0) return ERROR_CANTOPEN;
        const bool fresh = static_cast<std::size_t>(info.st_size) < kCounterBytes;
        if (fresh && ::ftruncate(lock.Get(), static_cast<off_t>(kCounterBytes)) != 0)
            return ErrorFromErrno(errno, ERROR_CANTOPEN);
        FileDescriptor journal(OpenWithMode(journalFile_, O_RDWR, FileMode(access_)));
        if (journal.Get() < 0 || ::fstat(journal.Get(), &info) != 0) return ErrorFromErrno(errno, ERROR_CANTOPEN);
        void* mapped = ::mmap(nullptr, kCounterBytes, PROT_READ | PROT_WRITE, MAP_SHARED, lock.Get(), 0);
        if (mapped == MAP_FAILED) return ErrorFromErrno(errno, ERROR_CANTOPEN);
        counters_ = static_cast<std::uint64_t*>(mapped);
        lockFd_ = lock.Release();
        journalFd_ = journal.Release();
        // A journal found without its lock file is trusted whole.
        if (fresh) SetCounter(kJournalLength, static_cast<std::uint64_t>(info.st_size));
        if (Counter(kMutexReady) != kMutexMagic) {
            pthread_mutexattr_t attributes;
            pthread_mutexattr_init(&attributes);
            pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
            pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
            // Taking it twice is a fault to report, not a deadlock.
            pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_ERRORCHECK);
            const int made = pthread_mutex_init(Mutex(), &attributes);
            pthread_mutexattr_destroy(&attributes);
            if (made != 0) return ERROR_CANTOPEN;
            SetCounter(kMutexReady, kMutexMagic);
        }
    }
    if (!LockHive()) return ERROR_CANTOPEN;
    exclusive_ = true;
    const LSTATUS status = Recover();
    exclusive_ = false;
    UnlockHive();
    return status;
}

pthread_mutex_t* Hive::Mutex() const {
    return reinterpret_cast<pthread_mutex_t*>(reinterpret_cast<char*>(counters_) + kMutexOffset);
}

bool Hive::LockHive() {
    int result = pthread_mutex_lock(Mutex());
    // Its holder died: what it left half-done is marked unfinished and
    // repaired by the next writer.
    if (result == EOWNERDEAD) result = pthread_mutex_consistent(Mutex());
    return result == 0;
}

void Hive::UnlockHive() { pthread_mutex_unlock(Mutex()); }

// What a writer killed half-way may have left: a hive file renamed into
// place but not announced, bytes past the committed journal. Also picks up
// a hive file edited by hand.
LSTATUS Hive::Recover() {
    AnnounceReplacedFiles(true);
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
// True when one was.
bool Hive::AnnounceReplacedFiles(bool volatileToo) {
    const std::pair<const std::filesystem::path*, int> files[] = {{&file_, kPersistentEpoch},
                                                                  {&volatileFile_, kVolatileEpoch}};
    bool announced = false;
    for (const auto& [path, epoch] : files) {
        if (epoch == kVolatileEpoch && !volatileToo) continue;
        const auto stamp = Stamp(*path);
        const int slot = epoch == kPersistentEpoch ? kHiveStamp : kVolatileStamp;
        bool same = true;
        for (int i = 0; i < 3; ++i) same = same && Counter(slot + i) == stamp[static_cast<std::size_t>(i)];
        if (same) continue;
        for (int i = 0; i < 3; ++i) SetCounter(slot + i, stamp[static_cast<std::size_t>(i)]);
        SetCounter(epoch, Counter(epoch) + 1);
        SetCounter(kChanges, Counter(kChanges) + 1);
        announced = true;
    }
    return announced;
}

// A hive file replaced or cut outside the registry is read (and judged)
// before anything is written over it. Asked only before the file is
// rewritten, not at every change: a stat per change would cost more than
// the change.
LSTATUS Hive::ReadReplacedFile() {
    return AnnounceReplacedFiles(false) ? Sync(true) : ERROR_SUCCESS;
}

bool Hive::RewritesFileNext() const { return journalOffset_ == 0 && snapshotSize_ <= kSmallHive; }

std::uint64_t Hive::JournalSize() const {
    struct stat info {};
    return ::fstat(journalFd_, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
}

LSTATUS Hive::Refresh() {
    if (counters_ == nullptr) return ERROR_CANTOPEN;
    if (exclusive_) return ERROR_SUCCESS;  // BeginWrite synced, and only we can change the files now
    // A writer died half-way (or is at work): repair, so that a reader too
    // sees the state the files hold once it is settled.
    if (Counter(kUnfinished) != 0) {
        const LSTATUS status = BeginWrite();
        if (status == ERROR_SUCCESS) EndWrite();
        return status;
    }
    if (!stale_ && Counter(kChanges) == seenChanges_) return ERROR_SUCCESS;
    if (!LockHive()) return ERROR_CANTREAD;
    const LSTATUS status = Sync(false);
    UnlockHive();
    return status;
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
    // The registry never writes an empty hive file: emptied is damaged.
    if (!parsed || (exists && text.empty())) return Damaged(file_, text, ERROR_BADDB);
    snapshotSize_ = text.size();
    rootName_ = parsed->rootName.empty() ? defaultRootName_ : parsed->rootName;
    Key& fresh = *parsed->root;

    std::string journal;
    const std::uint64_t size = JournalSize();
    if (!ReadAt(journalFd_, 0, static_cast<std::size_t>(std::max(committed, size)), journal)) return ERROR_CANTREAD;
    // Every committed record must replay: one lost would silently take the
    // later ones with it.
    journalOffset_ = DecodeRecords(std::string_view(journal).substr(0, std::min<std::uint64_t>(committed, size)),
                                   [&](const Change& change) { Apply(fresh, change, false, now); });
    if (journalOffset_ != committed) return Damaged(journalFile_, journal, ERROR_REGISTRY_CORRUPT);

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
    // Shorter than committed or than what was applied: read everything
    // again, which tells damage from an emptying by hand.
    if (committed < journalOffset_ || JournalSize() < committed) return Reload(committed);
    if (committed == journalOffset_) return ERROR_SUCCESS;
    std::string tail;
    if (!ReadAt(journalFd_, journalOffset_, static_cast<std::size_t>(committed - journalOffset_), tail))
        return ERROR_CANTREAD;
    const std::uint64_t now = FileTimeNow();
    const std::size_t applied = DecodeRecords(tail, [&](const Change& change) { Apply(*root_, change, false, now); });
    if (journalOffset_ + applied == committed) {
        journalOffset_ = committed;
        return ERROR_SUCCESS;
    }
    stale_ = true;
    return Reload(committed);
}

LSTATUS Hive::Damaged(const std::filesystem::path& file, std::string_view bytes, LSTATUS error) {
    stale_ = true;
    DamagedHiveFile damaged{file, KeepEvidence(file, bytes, FileMode(access_)), static_cast<std::uint32_t>(error)};
    DamageLog& log = Damage();
    std::lock_guard guard(log.mutex);
    for (const DamagedHiveFile& known : log.files)
        if (known.file == damaged.file && known.evidence == damaged.evidence) return error;
    // Whatever program meets it says so once, for the person who must mend it.
    std::fprintf(stderr,
                 "nordwisp: the registry file %s is damaged (%s); it is refused, left as it is and copied to %s. "
                 "Restore %s and %s from a backup, or delete both to start that hive empty.\n",
                 file.c_str(), error == ERROR_BADDB ? "cut short or emptied" : "committed journal records lost",
                 damaged.evidence.c_str(), file_.c_str(), journalFile_.c_str());
    log.files.push_back(std::move(damaged));
    return error;
}

LSTATUS Hive::BeginWrite() {
    if (counters_ == nullptr) return ERROR_CANTOPEN;
    if (batchDepth_ > 0) return ERROR_SUCCESS;  // locked and current since BeginBatch
    if (!LockHive()) return ERROR_CANTWRITE;
    exclusive_ = true;
    LSTATUS status = Counter(kUnfinished) != 0 ? Recover() : Sync(true);
    // A batch decides at its start: its changes are applied before they persist.
    if (status == ERROR_SUCCESS && RewritesFileNext()) status = ReadReplacedFile();
    if (status != ERROR_SUCCESS) EndWrite();
    return status;
}

void Hive::EndWrite() {
    if (batchDepth_ > 0) return;
    exclusive_ = false;
    UnlockHive();
}

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
    const LSTATUS status = PersistOrBatch(change, isVolatile);
    if (status == ERROR_SUCCESS && key != nullptr) *key = changed;
    return status;
}

LSTATUS Hive::WriteValue(Key& key, const Change& change) {
    if (!exclusive_) return ERROR_CANTWRITE;
    ApplyToValue(key, change, FileTimeNow());
    return PersistOrBatch(change, key.IsVolatile());
}

// A change applied to the tree goes to the files, or waits for its batch.
LSTATUS Hive::PersistOrBatch(const Change& change, bool isVolatile) {
    if (batchDepth_ > 0) {
        if (isVolatile)
            batchVolatile_ = true;
        else
            batch_.push_back(change);
        return ERROR_SUCCESS;
    }
    return Persist([&] { return isVolatile ? PersistVolatile() : PersistChanges(std::span(&change, 1)); });
}

LSTATUS Hive::BeginBatch() {
    if (batchDepth_ > 0) {
        ++batchDepth_;
        return ERROR_SUCCESS;
    }
    if (LSTATUS status = BeginWrite(); status != ERROR_SUCCESS) return status;
    batchDepth_ = 1;
    batchDropped_ = false;
    batchVolatile_ = false;
    batch_.clear();
    return ERROR_SUCCESS;
}

LSTATUS Hive::EndBatch(bool commit) {
    if (batchDepth_ == 0) return ERROR_INVALID_PARAMETER;
    batchDropped_ = batchDropped_ || !commit;
    if (--batchDepth_ > 0) return ERROR_SUCCESS;
    const std::vector<Change> changes = std::move(batch_);
    batch_.clear();
    LSTATUS status = ERROR_SUCCESS;
    if (batchDropped_) {
        // The tree holds the dropped changes: read it again from the files.
        stale_ = true;
    } else {
        CrashPoint("batch-applied");
        status = Persist([&] {
            LSTATUS persisted = changes.empty() ? ERROR_SUCCESS : PersistChanges(changes);
            if (persisted == ERROR_SUCCESS && batchVolatile_) persisted = PersistVolatile();
            return persisted;
        });
    }
    EndWrite();
    return status;
}

LSTATUS Hive::PersistChanges(std::span<const Change> changes) {
    if (journalOffset_ == 0 && snapshotSize_ <= kSmallHive) return WriteSnapshot();
    const std::string record = changes.size() == 1 ? EncodeRecord(changes.front()) : EncodeBatch(changes);
    // Too big for one journal record: the new hive text is as atomic.
    if (record.size() > kMaxValueSize) {
        if (AnnounceReplacedFiles(false)) {
            stale_ = true;
            return ERROR_BADDB;
        }
        return WriteSnapshot();
    }
    return AppendRecord(record);
}

LSTATUS Hive::AppendRecord(const std::string& record) {
    if (!WriteHalves(journalFd_, journalOffset_, record, "journal-partly-written")) return ERROR_CANTWRITE;
    CrashPoint("journal-written");
    journalOffset_ += record.size();
    // The record counts from here on.
    SetCounter(kJournalLength, journalOffset_);
    SetCounter(kChanges, Counter(kChanges) + 1);
    seenChanges_ = Counter(kChanges);
    // The change is safe in the journal; folding it into the file may wait,
    // and waits for good when the file was replaced and is now damaged.
    if (journalOffset_ > std::max(kMinJournal, kJournalPerHive * snapshotSize_) && ReadReplacedFile() == ERROR_SUCCESS)
        WriteSnapshot();
    return ERROR_SUCCESS;
}

LSTATUS Hive::WriteSnapshot() {
    const std::string text = FormatHive(*root_, rootName_, HiveSection::Persistent);
    if (LSTATUS status = ReplaceFile(file_, text, FileMode(access_)); status != ERROR_SUCCESS) return status;
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
        if (!MakeFolders(volatileFile_.parent_path(), 0755)) return ErrorFromErrno(errno, ERROR_CANTOPEN);
        status = ReplaceFile(volatileFile_, FormatHive(*root_, rootName_, HiveSection::Volatile), FileMode(access_));
    } else if (::unlink(volatileFile_.c_str()) != 0 && errno != ENOENT) {
        status = ErrorFromErrno(errno, ERROR_CANTOPEN);
    }
    if (status == ERROR_SUCCESS) Announce(kVolatileEpoch);
    return status;
}

LSTATUS Hive::Compact() {
    if (LSTATUS status = BeginWrite(); status != ERROR_SUCCESS) return status;
    LSTATUS status = ReadReplacedFile();
    if (status == ERROR_SUCCESS) status = Persist([&] { return WriteSnapshot(); });
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
