// Kernel handles, mutexes, thread and process identifiers, Sleep.
//
// A mutex is owned by one thread at a time and is recursive for it. Threads
// of one process meet in a MutexState (a condition variable); a named mutex
// also holds an exclusive flock on <root>/sync/<name>.lock while a thread of
// this process owns it, so processes sharing the machine root exclude each
// other. The first byte of that file is '1' while owned: finding it set when
// the lock is taken means the previous owner ended without releasing, which
// Windows reports as WAIT_ABANDONED. A shared flock on <name>.open tells
// whether any process has the mutex open (ERROR_ALREADY_EXISTS).
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/syscall.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/hosted/host_error.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// ---- Handle table ----------------------------------------------------------

struct HandleTable {
    std::mutex lock;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects;
    // Multiples of 8, so they never equal a moveable memory handle.
    std::uintptr_t next = 0x1008;
};

HandleTable& Handles() {
    static HandleTable* table = new HandleTable;  // handles may be closed by static destructors
    return *table;
}

}  // namespace

HANDLE InsertHandle(std::shared_ptr<KernelObject> object) {
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    for (;;) {
        HANDLE handle = reinterpret_cast<HANDLE>(table.next);
        table.next = table.next >= 0x7FFFFFF0u ? 0x1008 : table.next + 8;
        if (table.objects.emplace(handle, object).second) return handle;
    }
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle, ObjectKind kind) {
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(handle);
    if (found == table.objects.end() || found->second->Kind() != kind) return nullptr;
    return found->second;
}

bool RemoveHandle(HANDLE handle, ObjectKind kind) {
    std::shared_ptr<KernelObject> object;  // destroyed outside the table lock
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    auto found = table.objects.find(handle);
    if (found == table.objects.end() || found->second->Kind() != kind) return false;
    object = std::move(found->second);
    table.objects.erase(found);
    return true;
}

namespace {

// ---- Mutexes ---------------------------------------------------------------

using Clock = std::chrono::steady_clock;

struct MutexState {
    std::mutex lock;
    std::condition_variable changed;
    std::thread::id owner;  // default: nobody in this process
    unsigned count = 0;
    bool acquiring = false;  // a thread is taking the host lock
    bool abandoned = false;  // unnamed: the owner thread ended owning it
    int lockFd = -1;         // named: <name>.lock
    int openFd = -1;         // named: <name>.open, shared-locked while open

    bool Named() const { return lockFd >= 0; }

    ~MutexState() {
        // Closing drops the flocks; an owned marker stays, so the next
        // owner learns the mutex was abandoned.
        if (lockFd >= 0) ::close(lockFd);
        if (openFd >= 0) ::close(openFd);
    }
};

struct MutexObject final : KernelObject {
    static constexpr ObjectKind kKind = ObjectKind::Mutex;
    explicit MutexObject(std::shared_ptr<MutexState> s) : state(std::move(s)) {}
    ObjectKind Kind() const override { return kKind; }
    std::shared_ptr<MutexState> state;
};

void WriteMarker(int fd, char value) {
    // A lost marker only loses abandonment detection, never exclusion.
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, &value, 1, 0);
}

bool MarkerSet(int fd) {
    char value = 0;
    return ::pread(fd, &value, 1, 0) == 1 && value == '1';
}

// Mutexes the calling thread owns; when the thread ends owning one, the
// mutex is abandoned.
struct OwnedMutexes {
    std::vector<std::weak_ptr<MutexState>> states;

    void Add(const std::shared_ptr<MutexState>& state) { states.push_back(state); }
    void Remove(const MutexState* state) {
        std::erase_if(states, [&](const std::weak_ptr<MutexState>& w) {
            auto s = w.lock();
            return !s || s.get() == state;
        });
    }

    ~OwnedMutexes() {
        const auto self = std::this_thread::get_id();
        for (auto& weak : states) {
            auto state = weak.lock();
            if (!state) continue;
            std::lock_guard guard(state->lock);
            if (state->owner != self) continue;
            state->owner = std::thread::id();
            state->count = 0;
            if (state->Named())
                ::flock(state->lockFd, LOCK_UN);  // marker stays set
            else
                state->abandoned = true;
            state->changed.notify_all();
        }
    }
};

OwnedMutexes& ThreadOwned() {
    thread_local OwnedMutexes owned;
    return owned;
}

enum class HostLock { Taken, TimedOut, Failed };

HostLock TakeHostLock(int fd, DWORD milliseconds, Clock::time_point deadline) {
    if (milliseconds == INFINITE) {
        while (::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR) return HostLock::Failed;
        }
        return HostLock::Taken;
    }
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return HostLock::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR) return HostLock::Failed;
        const auto now = Clock::now();
        if (now >= deadline) return HostLock::TimedOut;
        std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

DWORD Acquire(const std::shared_ptr<MutexState>& state, DWORD milliseconds) {
    const auto self = std::this_thread::get_id();
    const auto deadline =
        milliseconds == INFINITE ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock lk(state->lock);
    if (state->owner == self) {
        ++state->count;
        return WAIT_OBJECT_0;
    }
    auto busy = [&] { return state->owner != std::thread::id() || state->acquiring; };
    if (milliseconds == INFINITE) {
        state->changed.wait(lk, [&] { return !busy(); });
    } else if (!state->changed.wait_until(lk, deadline, [&] { return !busy(); })) {
        return static_cast<DWORD>(WAIT_TIMEOUT);
    }
    bool abandoned = std::exchange(state->abandoned, false);
    if (state->Named()) {
        state->acquiring = true;
        lk.unlock();
        const HostLock taken = TakeHostLock(state->lockFd, milliseconds, deadline);
        const int error = errno;
        lk.lock();
        state->acquiring = false;
        if (taken != HostLock::Taken) {
            state->changed.notify_all();
            if (taken == HostLock::TimedOut) return static_cast<DWORD>(WAIT_TIMEOUT);
            SetLastError(ErrorFromErrno(error));
            return WAIT_FAILED;
        }
        abandoned = MarkerSet(state->lockFd);
        WriteMarker(state->lockFd, '1');
    }
    state->owner = self;
    state->count = 1;
    ThreadOwned().Add(state);
    return abandoned ? WAIT_ABANDONED : WAIT_OBJECT_0;
}

bool Release(const std::shared_ptr<MutexState>& state) {
    std::lock_guard guard(state->lock);
    if (state->owner != std::this_thread::get_id()) return false;
    if (--state->count == 0) {
        if (state->Named()) {
            WriteMarker(state->lockFd, '0');
            ::flock(state->lockFd, LOCK_UN);
        }
        state->owner = std::thread::id();
        ThreadOwned().Remove(state.get());
        state->changed.notify_all();
    }
    return true;
}

// Named mutexes open in this process, by namespace and name.
struct MutexRegistry {
    std::mutex lock;
    std::map<std::string, std::weak_ptr<MutexState>> byKey;
};

MutexRegistry& Registry() {
    static MutexRegistry* registry = new MutexRegistry;
    return *registry;
}

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

// A file name for a mutex key: safe characters kept, the others escaped,
// long names shortened with a hash of the whole.
std::string LockFileStem(const std::string& key) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string stem;
    for (unsigned char c : key) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '_' || c == '.' || c == '{' || c == '}';
        if (safe) {
            stem += static_cast<char>(c);
        } else {
            stem += '%';
            stem += kHex[c >> 4];
            stem += kHex[c & 15];
        }
    }
    if (stem.size() > 200) {
        const std::uint64_t hash = Fnv1a(key);
        stem.resize(150);
        stem += '~';
        for (int shift = 60; shift >= 0; shift -= 4) stem += kHex[(hash >> shift) & 15];
    }
    return stem;
}

int OpenLockFile(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
}

// Opens the host side of a named mutex. Returns false with a Win32 error.
bool OpenNamed(MutexState& state, const std::string& key, bool& existed, DWORD& error) {
    std::error_code ec;
    const auto folder = MachineRoot() / "sync";
    std::filesystem::create_directories(folder, ec);
    const std::string stem = LockFileStem(key);
    // Creation is serialised machine-wide, so the presence check and taking
    // the shared lock are one step.
    const int guardFd = OpenLockFile(folder / "creation.guard");
    if (guardFd < 0) {
        error = ErrorFromErrno(errno);
        return false;
    }
    while (::flock(guardFd, LOCK_EX) != 0 && errno == EINTR) {
    }
    state.openFd = OpenLockFile(folder / (stem + ".open"));
    state.lockFd = OpenLockFile(folder / (stem + ".lock"));
    bool ok = state.openFd >= 0 && state.lockFd >= 0;
    if (!ok) {
        error = ErrorFromErrno(errno);
    } else {
        existed = ::flock(state.openFd, LOCK_EX | LOCK_NB) != 0;
        // Nobody has it open: a new mutex, whatever an ended owner left.
        if (!existed) WriteMarker(state.lockFd, '0');
        ok = ::flock(state.openFd, LOCK_SH) == 0;
        if (!ok) error = ErrorFromErrno(errno);
    }
    ::close(guardFd);
    return ok;
}

// The namespace key of a mutex name: "Global\x" is machine-wide, "Local\x"
// and "x" belong to the caller's session.
bool MutexKey(std::u16string_view name, std::string& key) {
    constexpr std::u16string_view kGlobal = u"Global\\";
    constexpr std::u16string_view kLocal = u"Local\\";
    std::string space;
    if (name.substr(0, kGlobal.size()) == kGlobal) {
        name.remove_prefix(kGlobal.size());
        space = "Global";
    } else {
        if (name.substr(0, kLocal.size()) == kLocal) name.remove_prefix(kLocal.size());
        space = "Session" + std::to_string(CurrentIdentity().sessionId);
    }
    if (name.find(u'\\') != std::u16string_view::npos) return false;
    key = space + "." + ToUtf8(name);
    return true;
}

DWORD HostThreadId() {
#if defined(__linux__)
    return static_cast<DWORD>(::syscall(SYS_gettid));
#else
    static std::atomic<DWORD> next{1};
    return next.fetch_add(1);
#endif
}

}  // namespace
}  // namespace nw::hosted

using nw::hosted::MutexObject;
using nw::hosted::MutexState;

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES /*attributes*/, BOOL initialOwner, LPCWSTR name) {
    try {
        std::shared_ptr<MutexState> state;
        bool existed = false;
        if (name == nullptr || *name == 0) {
            state = std::make_shared<MutexState>();
        } else {
            std::string key;
            if (!nw::hosted::MutexKey(name, key)) {
                SetLastError(ERROR_PATH_NOT_FOUND);
                return nullptr;
            }
            auto& registry = nw::hosted::Registry();
            std::lock_guard guard(registry.lock);
            auto& slot = registry.byKey[key];
            state = slot.lock();
            if (state) {
                existed = true;
            } else {
                state = std::make_shared<MutexState>();
                DWORD error = 0;
                if (!nw::hosted::OpenNamed(*state, key, existed, error)) {
                    SetLastError(error);
                    return nullptr;
                }
                slot = state;
            }
        }
        // An existing mutex ignores the request for initial ownership.
        if (initialOwner && !existed) nw::hosted::Acquire(state, INFINITE);
        HANDLE handle = nw::hosted::InsertHandle(std::make_shared<MutexObject>(state));
        SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
        return handle;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    auto mutex = nw::hosted::Lookup<MutexObject>(handle);
    if (!mutex) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    try {
        return nw::hosted::Acquire(mutex->state, milliseconds);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return WAIT_FAILED;
    }
}

BOOL ReleaseMutex(HANDLE mutex) {
    auto object = nw::hosted::Lookup<MutexObject>(mutex);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!nw::hosted::Release(object->state)) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
    using nw::hosted::ObjectKind;
    if (handle == GetCurrentProcess() || handle == GetCurrentThread()) return TRUE;
    for (ObjectKind kind : {ObjectKind::Mutex, ObjectKind::File, ObjectKind::Token})
        if (nw::hosted::RemoveHandle(handle, kind)) return TRUE;
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

DWORD GetCurrentThreadId() {
    thread_local const DWORD id = nw::hosted::HostThreadId();
    return id;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }

HANDLE GetCurrentThread() { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2)); }

void Sleep(DWORD milliseconds) {
    if (milliseconds == INFINITE) {
        for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
