// How Windows paths reach the host: the one mapping that files, profile
// files, hives, modules and provisioning all go through.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace nw::hosted {

// A drive-letter path ("C:\Data\x.ini", "c:/data/x.ini") maps to
// <machine root>/drive_c/..., with "." and ".." resolved first (never above
// the drive root). Any other path is a host path, relative ones to the
// current folder. Both separators are accepted. Names are matched as Wine
// does: each component that exists is found whatever its case; the first
// that does not, and all after it, keep the case they were given.
std::filesystem::path HostPath(std::u16string_view windowsPath);

// The Windows form of a host path: under <root>/drive_X it becomes "X:\...",
// otherwise the host path with its own separators.
std::u16string WindowsPath(const std::filesystem::path& hostPath);

bool IsPathSeparator(char16_t c);
// "C:..." with any drive letter.
bool IsDrivePath(std::u16string_view path);

}  // namespace nw::hosted
