// The lock of the process-wide cached paper list: a named mutex shared with
// other processes, re-entrant per thread through the owner thread identifier.
// The cache itself is read and rebuilt only while the lock is held.
#pragma once

#include "papers/paper_list.h"
#include "platform/win32api.h"

namespace nw::papers {

inline constexpr WCHAR kPaperListMutexName[] = W("Local\\NwPaperList{CEE51CC2-46A7-4ceb-90CB-86CBD977D04B}");

// The mutex handle, or null when the calling thread already holds the lock
// (or the mutex cannot be created). Waits without time-out.
HANDLE LockPaperList();
// Resets the owner, releases and closes; null does nothing, which leaves the
// lock to the outer owner.
void UnlockPaperList(HANDLE mutex);

// Holds the lock for a scope.
class PaperListLock {
public:
    PaperListLock() : mutex_(LockPaperList()) {}
    ~PaperListLock() { UnlockPaperList(mutex_); }
    PaperListLock(const PaperListLock&) = delete;
    PaperListLock& operator=(const PaperListLock&) = delete;

private:
    HANDLE mutex_;
};

// The process-wide cached list; touch it only under the lock.
struct PaperCache {
    bool filled = false;
    PaperList papers;
};
PaperCache& CachedPaperList();

}  // namespace nw::papers
