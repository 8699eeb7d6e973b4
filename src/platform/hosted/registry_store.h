// One hive as files shared by every process of the machine:
//   <hive>       the hive text, replaced whole by rewrite-and-rename;
//   <hive>.log   the journal of changes made since the text was written;
//   <hive>.lock  mapped: a robust process-shared mutex held for each
//                read-modify-write, and counters: what changed, how much of
//                the journal is committed, which hive files were last
//                announced;
//   <volatile>   the hive's volatile keys, outside the persistent files.
// A change is durable when Write returns: it is in the OS (it survives the
// process being killed). There is no fsync: power loss is not modelled.
// A change counts once it is announced in the counters; a process killed
// before that leaves the old state for everyone (journal bytes past the
// committed length are ignored and cut), or, when it had already renamed a
// new hive file into place, the next process that opens or changes the hive
// announces that file, so every process ends up with the same state.
// A hive file cut short or emptied, or a journal that lost committed
// records, is refused with the registry-damage errors and kept beside as
// <file>.damaged-<crc>, never written over.
#pragma once

#include <pthread.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hosted/registry_model.h"
#include "platform/hosted/win32_types.h"

namespace nw::hosted::registry {

// Who may read a hive's files on the host: its user alone (0600 in a 0700
// folder), or every user of the machine root, as HKEY_LOCAL_MACHINE and
// HKEY_USERS\.DEFAULT are readable by all on Windows (0644 in 0755).
enum class HiveAccess { Private, MachineWide };

class Hive {
public:
    Hive(std::filesystem::path file, std::filesystem::path volatileFile, std::u16string defaultRootName,
         HiveAccess access);
    ~Hive();
    Hive(const Hive&) = delete;
    Hive& operator=(const Hive&) = delete;

    // Opens the lock and journal files (creating the folder) and reads the hive.
    LSTATUS Open();

    const std::filesystem::path& File() const { return file_; }
    const std::shared_ptr<Key>& Root() const { return root_; }

    // Brings the tree up to date with what other processes wrote. Cheap when
    // nothing changed: one read of a shared counter.
    LSTATUS Refresh();

    // A change happens inside BeginWrite/EndWrite: the hive is locked for the
    // machine and up to date. Write applies the change and persists it; on
    // failure the tree is re-read from the files at the next Refresh.
    LSTATUS BeginWrite();
    void EndWrite();
    LSTATUS Write(const Change& change, bool isVolatile, Key** key);
    // A value change of a key the caller holds (not deleted, under BeginWrite).
    LSTATUS WriteValue(Key& key, const Change& change);

    // Several changes persisted as one journal record (or one new hive
    // text): from BeginBatch to EndBatch the hive stays locked for the
    // machine and Write only applies; the other processes then see all of
    // the changes or, when the batch is dropped or the writer dies, none.
    // Batches nest; the outermost EndBatch persists.
    LSTATUS BeginBatch();
    LSTATUS EndBatch(bool commit);

    // Writes the hive text now and empties the journal.
    LSTATUS Compact();
    // Drops every volatile key (the owner logged off).
    LSTATUS DropVolatile();

private:
    pthread_mutex_t* Mutex() const;
    bool LockHive();
    void UnlockHive();
    LSTATUS Sync(bool exclusive);
    LSTATUS Recover();
    void Recommit();
    template <class Body>
    LSTATUS Persist(Body&& persist);
    LSTATUS Reload(std::uint64_t committed);
    LSTATUS ReplayJournal(std::uint64_t committed);
    bool AnnounceReplacedFiles(bool volatileToo);
    LSTATUS ReadReplacedFile();
    bool RewritesFileNext() const;
    std::uint64_t JournalSize() const;
    LSTATUS PersistOrBatch(const Change& change, bool isVolatile);
    LSTATUS PersistChanges(std::span<const Change> changes);
    LSTATUS AppendRecord(const std::string& record);
    LSTATUS Damaged(const std::filesystem::path& file, std::string_view bytes, LSTATUS error);
    LSTATUS PersistVolatile();
    LSTATUS WriteSnapshot();
    std::uint64_t Counter(int which) const;
    void SetCounter(int which, std::uint64_t value);
    void Announce(int epoch);

    std::filesystem::path file_;
    std::filesystem::path journalFile_;
    std::filesystem::path lockFile_;
    std::filesystem::path volatileFile_;
    std::u16string defaultRootName_;
    HiveAccess access_;
    std::u16string rootName_;
    std::shared_ptr<Key> root_;

    int lockFd_ = -1;
    int journalFd_ = -1;
    std::uint64_t* counters_ = nullptr;  // mapped from the lock file

    // What this process has seen of the files.
    std::uint64_t seenChanges_ = ~0ull;
    std::uint64_t seenPersistentEpoch_ = ~0ull;
    std::uint64_t seenVolatileEpoch_ = ~0ull;
    std::uint64_t journalOffset_ = 0;  // end of the last record applied
    std::uint64_t snapshotSize_ = 0;
    bool stale_ = true;
    bool exclusive_ = false;

    int batchDepth_ = 0;
    bool batchDropped_ = false;
    bool batchVolatile_ = false;
    std::vector<Change> batch_;
};


// 100 ns ticks since 1601 (FILETIME), from the host clock.
std::uint64_t FileTimeNow();

}  // namespace nw::hosted::registry
