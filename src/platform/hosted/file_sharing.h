// Open files and the sharing modes between the handles of this process: a
// handle opened without FILE_SHARE_WRITE keeps others from writing, and so
// on, as on Windows.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <utility>

#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {

// A handle of CreateFileW; closing it ends its share.
struct FileObject final : KernelObject {
    static constexpr ObjectKind kKind = ObjectKind::File;
    ObjectKind Kind() const override { return kKind; }
    int fd = -1;
    bool read = false;
    bool write = false;
    std::pair<dev_t, ino_t> key{};
    std::uint64_t shareId = 0;

    ~FileObject() override;
};

// Registers an open; false when another handle's sharing forbids it.
bool RegisterOpen(FileObject& file, DWORD share);

// Whether a handle of the file, as stat names it, was opened without
// FILE_SHARE_DELETE.
bool OpenWithoutDeleteSharing(const struct stat& st);

}  // namespace nw::hosted
