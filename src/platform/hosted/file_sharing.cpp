#include "platform/hosted/file_sharing.h"

#include <unistd.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

namespace nw::hosted {
namespace {

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

}  // namespace

FileObject::~FileObject() {
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

}  // namespace nw::hosted
