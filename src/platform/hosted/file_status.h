// What a host file's status says in Win32 terms: attributes and times, for
// the file functions and directory search alike.
#pragma once

#include <sys/stat.h>

#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {

inline FILETIME ToFileTime(const timespec& t) { return FileTimeFromUnix(t.tv_sec, t.tv_nsec); }

inline DWORD AttributesOf(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return FILE_ATTRIBUTE_DIRECTORY | ((st.st_mode & 0222) ? 0u : FILE_ATTRIBUTE_READONLY);
    if (!S_ISREG(st.st_mode)) return FILE_ATTRIBUTE_NORMAL;
    // Files carry the archive bit from creation on, as on Windows.
    return FILE_ATTRIBUTE_ARCHIVE | ((st.st_mode & 0222) ? 0u : FILE_ATTRIBUTE_READONLY);
}

inline FILETIME CreationTime(const struct stat& st) {
    // The host keeps no creation time here; the earlier of the change and
    // write times is the closest.
    const timespec& c = st.st_ctim;
    const timespec& m = st.st_mtim;
    const bool changeFirst = c.tv_sec < m.tv_sec || (c.tv_sec == m.tv_sec && c.tv_nsec < m.tv_nsec);
    return ToFileTime(changeFirst ? c : m);
}

}  // namespace nw::hosted
