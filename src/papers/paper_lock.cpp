#include "papers/paper_lock.h"

#include <atomic>

#include "platform/handles.h"

namespace nw::papers {

namespace {
// The thread that holds the lock, 0 for nobody.
std::atomic<DWORD> g_owner{0};
}  // namespace

HANDLE LockPaperList() {
    if (g_owner.load() == ::GetCurrentThreadId()) return nullptr;
    KernelHandle mutex(::CreateMutexW(nullptr, FALSE, kPaperListMutexName));
    if (!mutex) return nullptr;
    // An abandoned mutex is owned all the same; the cache it guards is
    // per process, so nothing of the dead owner's is left half-done here.
    const DWORD waited = ::WaitForSingleObject(mutex.get(), INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
    g_owner.store(::GetCurrentThreadId());
    return mutex.release();
}

void UnlockPaperList(HANDLE mutex) {
    if (mutex == nullptr) return;
    g_owner.store(0);
    ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

PaperCache& CachedPaperList() {
    static PaperCache cache;
    return cache;
}

}  // namespace nw::papers
