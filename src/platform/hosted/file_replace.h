// Atomic replacement of a small file that is rewritten often (registry
// hives, profile files).
#pragma once

#include <filesystem>

namespace nw::hosted {

// Puts the file written at `temporary` in the place of `path` in one step: a
// reader or a crash sees the old file or the new one. ext4 writes a file out
// at once when it is renamed over another (milliseconds); exchanging the two
// names and unlinking the old text after is as atomic and does not. Falls
// back to a plain rename where the exchange is not available or `path` does
// not exist. On failure errno tells why.
bool SwapIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path);

}  // namespace nw::hosted
