// Registry writes that belong together (a list's count and its entries):
// other processes must see all of them or none, even when the writer dies
// half-way.
//
// On the hosted machine the batch is one journal record (or one new hive
// text); until it ends the hive stays locked for the machine, so a reader
// in another process sees the old writes or the new ones, never a mix.
//
// On Windows each RegSetValueExW is atomic on its own and the hive logs keep
// a hive whole across a crash, but a group of writes is not one unit (the
// transacted registry, KTM, is deprecated and not used). There the batch
// does nothing; what guards a list is its own lock (the paper lock, a named
// mutex every paper operation holds across its read-modify-write), which
// keeps the library's readers and writers in the session from seeing a
// half-written list. A process killed mid-save can still leave one there.
#pragma once

#include "platform/win32api.h"

#if !defined(_WIN32)
#include "platform/hosted/registry.h"
#endif

namespace nw {

class RegistryBatch {
public:
    // Begins a batch on the hive `key` belongs to; Status tells whether it did.
    explicit RegistryBatch(HKEY key) {
#if !defined(_WIN32)
        status_ = hosted::BeginRegistryBatch(key);
#else
        (void)key;
#endif
    }
    // Drops the changes of a batch that was not committed.
    ~RegistryBatch() {
        if (open()) End(false);
    }
    RegistryBatch(const RegistryBatch&) = delete;
    RegistryBatch& operator=(const RegistryBatch&) = delete;

    LSTATUS Status() const { return status_; }
    // Persists the batch's changes as one; the result of doing so.
    LSTATUS Commit() { return open() ? End(true) : status_; }

private:
    bool open() const { return status_ == ERROR_SUCCESS && !ended_; }
    LSTATUS End(bool commit) {
        ended_ = true;
#if !defined(_WIN32)
        status_ = hosted::EndRegistryBatch(commit);
#else
        (void)commit;
#endif
        return status_;
    }

    LSTATUS status_ = ERROR_SUCCESS;
    bool ended_ = false;
};

}  // namespace nw
