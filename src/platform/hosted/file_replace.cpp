#include "platform/hosted/file_replace.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

namespace nw::hosted {

bool SwapIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        // A crash here leaves the old text under the temporary name, which
        // the next write truncates.
        ::unlink(temporary.c_str());
        return true;
    }
    if (errno != ENOENT && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
    return ::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace nw::hosted
