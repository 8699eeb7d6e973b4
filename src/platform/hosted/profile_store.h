// Where profile files live and how they are read and changed: a cache of
// parsed files checked against each file's identity and times, an advisory
// lock around every read-modify-write, and writes that replace the file in
// one rename so that a crash leaves the old or the new text.
#pragma once

#include <filesystem>
#include <functional>

#include "platform/ini_document.h"
#include "platform/win32api.h"

namespace nw::hosted {

using platform::IniDocument;
using platform::IniEncoding;
using platform::TrimProfileText;

struct ProfileFile {
    std::filesystem::path path;  // absolute host path; empty for an unusable name
    bool inWindowsFolder = false;
};

// A bare file name lives in the Windows folder, a null one is "win.ini".
ProfileFile ResolveProfileFile(LPCWSTR fileName);

// Runs read on the file's current text. Returns ERROR_SUCCESS, or the error
// that kept the file from being read (ERROR_FILE_NOT_FOUND when missing);
// read is not called then.
DWORD ReadProfileFile(const ProfileFile& file, const std::function<void(const IniDocument&)>& read);

// Runs edit on the file's current text (an empty ANSI text when the file is
// missing) and, when edit reports a change, replaces the file. Returns
// ERROR_SUCCESS or the error of the failed step; the file is then unchanged.
DWORD UpdateProfileFile(const ProfileFile& file, const std::function<bool(IniDocument&)>& edit);

}  // namespace nw::hosted
