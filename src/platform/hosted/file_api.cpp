// Files and folders over the host file system: opening, reading and
// writing files, their attributes, deletion, folders, the temporary and the
// current folder. Names reach the host through HostPath.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/hosted/file_sharing.h"
#include "platform/hosted/file_status.h"
#include "platform/hosted/host_error.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// The error for a path that does not exist: its folder missing is a path
// error, a missing last component a file error.
DWORD MissingError(const std::filesystem::path& path) {
    std::filesystem::path parent = path;
    if (!parent.has_filename()) parent = parent.parent_path();
    parent = parent.parent_path();
    struct stat st {};
    if (parent.empty()) return ERROR_FILE_NOT_FOUND;
    return (::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

// The shape of the functions that take a file name: an empty name is a
// path error, running out of memory fails with ERROR_NOT_ENOUGH_MEMORY.
template <class Result, class Use>
Result AtHostPath(LPCWSTR name, Result failed, Use&& use) {
    if (name == nullptr || *name == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return failed;
    }
    try {
        return use(HostPath(name));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return failed;
    }
}

// The same for a name that must exist; use gets its status.
template <class Result, class Use>
Result AtExistingPath(LPCWSTR name, Result failed, Use&& use) {
    return AtHostPath(name, failed, [&](const std::filesystem::path& path) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) {
            SetLastError(errno == ENOENT ? MissingError(path) : ErrorFromErrno(errno));
            return failed;
        }
        return use(path, st);
    });
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

HANDLE OpenFile(LPCWSTR fileName, DWORD access, DWORD share, DWORD disposition, DWORD attributes) {
    if (fileName == nullptr || *fileName == 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    constexpr DWORD kGenericAll = 0x10000000u;
    const bool read = (access & (GENERIC_READ | kGenericAll)) != 0;
    const bool overwrite = (access & (GENERIC_WRITE | kGenericAll | FILE_WRITE_DATA)) != 0;
    // Append-only access writes at the end, whatever other handles wrote.
    const bool append = (access & FILE_APPEND_DATA) != 0 && !overwrite;
    const bool write = overwrite || append;
    if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING || (disposition == TRUNCATE_EXISTING && !write)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const auto path = HostPath(fileName);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (!exists) {
        const DWORD missing = MissingError(path);
        if (missing == ERROR_PATH_NOT_FOUND || disposition == OPEN_EXISTING || disposition == TRUNCATE_EXISTING) {
            SetLastError(missing);
            return INVALID_HANDLE_VALUE;
        }
    }
    if (exists && disposition == CREATE_NEW) {
        SetLastError(ERROR_FILE_EXISTS);
        return INVALID_HANDLE_VALUE;
    }
    const bool truncate = exists && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
    if (exists && (st.st_mode & 0222) == 0 && (write || truncate)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC | (read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY);
    if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
    if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS) flags |= O_CREAT;
    if (append) flags |= O_APPEND;
    const mode_t mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;

    auto file = std::make_shared<FileObject>();
    file->read = read;
    file->write = write;
    file->fd = ::open(path.c_str(), flags, mode);
    if (file->fd < 0) {
        const int error = errno;
        SetLastError(error == EEXIST   ? ERROR_FILE_EXISTS
                     : error == ENOENT ? MissingError(path)
                                       : ErrorFromErrno(error));
        return INVALID_HANDLE_VALUE;
    }
    struct stat opened {};
    if (::fstat(file->fd, &opened) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    file->key = {opened.st_dev, opened.st_ino};
    if (!RegisterOpen(*file, share)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncate && ::ftruncate(file->fd, 0) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = InsertHandle(std::move(file));
    const bool reopened = exists && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
    SetLastError(reopened ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

}  // namespace
}  // namespace nw::hosted

using nw::hosted::FileObject;

HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES /*attributes*/,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE /*templateFile*/) {
    try {
        return nw::hosted::OpenFile(fileName, desiredAccess, shareMode, creationDisposition, flagsAndAttributes);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return INVALID_HANDLE_VALUE;
    }
}

// What ReadFile and WriteFile both check before a transfer: a file handle,
// no overlapped I/O, a buffer when bytes are to move, and the access the
// handle was opened with. Null (with the error set) when one fails.
std::shared_ptr<FileObject> TransferTarget(HANDLE file, const void* buffer, DWORD count, LPOVERLAPPED overlapped,
                                           bool FileObject::*access) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (overlapped != nullptr || (buffer == nullptr && count != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!((*object).*access)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return object;
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
    if (bytesRead) *bytesRead = 0;
    auto object = TransferTarget(file, buffer, bytesToRead, overlapped, &FileObject::read);
    if (!object) return FALSE;
    auto* bytes = static_cast<char*>(buffer);
    DWORD done = 0;
    while (done < bytesToRead) {
        const ssize_t n = ::read(object->fd, bytes + done, bytesToRead - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (bytesRead) *bytesRead = done;
            SetLastError(nw::hosted::ErrorFromErrno(errno));
            return FALSE;
        }
        if (n == 0) break;  // end of file: success with fewer bytes
        done += static_cast<DWORD>(n);
    }
    if (bytesRead) *bytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    auto object = TransferTarget(file, buffer, bytesToWrite, overlapped, &FileObject::write);
    if (!object) return FALSE;
    const auto* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < bytesToWrite) {
        const ssize_t n = ::write(object->fd, bytes + done, bytesToWrite - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (bytesWritten) *bytesWritten = done;
            SetLastError(nw::hosted::ErrorFromErrno(n < 0 ? errno : ENOSPC));
            return FALSE;
        }
        done += static_cast<DWORD>(n);
    }
    if (bytesWritten) *bytesWritten = done;
    return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    struct stat st {};
    if (!object || ::fstat(object->fd, &st) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (fileSizeHigh) *fileSizeHigh = static_cast<DWORD>(size >> 32);
    const auto low = static_cast<DWORD>(size);
    if (low == INVALID_FILE_SIZE) SetLastError(NO_ERROR);  // tells a real size from failure
    return low;
}

BOOL GetFileTime(HANDLE file, LPFILETIME creationTime, LPFILETIME lastAccessTime, LPFILETIME lastWriteTime) {
    auto object = nw::hosted::Lookup<FileObject>(file);
    struct stat st {};
    if (!object || ::fstat(object->fd, &st) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (creationTime) *creationTime = nw::hosted::CreationTime(st);
    if (lastAccessTime) *lastAccessTime = nw::hosted::ToFileTime(st.st_atim);
    if (lastWriteTime) *lastWriteTime = nw::hosted::ToFileTime(st.st_mtim);
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
    return nw::hosted::AtExistingPath(fileName, INVALID_FILE_ATTRIBUTES, [](const auto&, const struct stat& st) {
        return nw::hosted::AttributesOf(st);
    });
}

BOOL DeleteFileW(LPCWSTR fileName) {
    using nw::hosted::Fail;
    return nw::hosted::AtExistingPath(fileName, FALSE, [](const auto& path, const struct stat& st) {
        if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0) return Fail(ERROR_ACCESS_DENIED);
        if (nw::hosted::OpenWithoutDeleteSharing(st)) return Fail(ERROR_SHARING_VIOLATION);
        if (::unlink(path.c_str()) != 0) return Fail(nw::hosted::ErrorFromErrno(errno));
        return TRUE;
    });
}

BOOL CreateDirectoryW(LPCWSTR pathName, LPSECURITY_ATTRIBUTES /*attributes*/) {
    return nw::hosted::AtHostPath(pathName, FALSE, [](const auto& path) {
        if (::mkdir(path.c_str(), 0777) == 0) return TRUE;
        const int error = errno;
        return nw::hosted::Fail(error == EEXIST   ? ERROR_ALREADY_EXISTS
                                : error == ENOENT ? ERROR_PATH_NOT_FOUND
                                                  : nw::hosted::ErrorFromErrno(error));
    });
}

BOOL RemoveDirectoryW(LPCWSTR pathName) {
    using nw::hosted::Fail;
    return nw::hosted::AtExistingPath(pathName, FALSE, [](const auto& path, const struct stat& st) {
        if (!S_ISDIR(st.st_mode)) return Fail(ERROR_DIRECTORY);
        if (::rmdir(path.c_str()) == 0) return TRUE;
        const int error = errno;
        return Fail(error == EEXIST ? ERROR_DIR_NOT_EMPTY : nw::hosted::ErrorFromErrno(error));
    });
}

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
    try {
        std::u16string path;
        for (const char16_t* name : {u"TMP", u"TEMP", u"USERPROFILE"}) {
            if (auto value = nw::hosted::EnvironmentValue(name); value && !value->empty()) {
                path = *value;
                break;
            }
        }
        if (path.empty()) path = u"C:\\windows";
        if (path.back() != u'\\') path += u'\\';
        std::error_code ignored;
        std::filesystem::create_directories(nw::hosted::HostPath(path), ignored);
        return nw::hosted::CopyOrNeeded(path, buffer, bufferLength);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    try {
        std::error_code error;
        const auto cwd = std::filesystem::current_path(error);
        if (error) {
            SetLastError(nw::hosted::ErrorFromErrno(error.value()));
            return 0;
        }
        return nw::hosted::CopyOrNeeded(nw::hosted::WindowsPath(cwd), buffer, bufferLength);
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

BOOL SetCurrentDirectoryW(LPCWSTR pathName) {
    using nw::hosted::Fail;
    return nw::hosted::AtExistingPath(pathName, FALSE, [](const auto& path, const struct stat& st) {
        if (!S_ISDIR(st.st_mode)) return Fail(ERROR_DIRECTORY);
        if (::chdir(path.c_str()) != 0) return Fail(nw::hosted::ErrorFromErrno(errno));
        return TRUE;
    });
}
