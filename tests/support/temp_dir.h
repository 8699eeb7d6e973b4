// A fresh folder for a test's files, removed when the object goes away.
// Works on the hosted machine and under Windows (Wine), so the portable
// Win32 tests can use it.
#pragma once

#include <string>

#include "platform/win32api.h"

namespace nw::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder as a Windows path with a trailing separator.
    const WString& Path() const { return path_; }
    // Path() + name.
    WString File(const WString& name) const { return path_ + name; }

private:
    WString path_;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const WString& path);
// Replaces a file's contents with the given bytes.
bool WriteFileBytes(const WString& path, const std::string& bytes);

}  // namespace nw::test
