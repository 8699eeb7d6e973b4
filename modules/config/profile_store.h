// The module's profiles: files in the user's profile folder and their
// entries in the library's registry index.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nwconfig {

#if defined(_WIN32)
using Char = wchar_t;
#else
using Char = char16_t;
#endif
using String = std::basic_string<Char>;

// The buffer GetProfileName fills, terminator included.
inline constexpr std::size_t kNameBufferChars = 260;

bool Apply(const Char* printer, const Char* profile);
// file null: the profile folder's file, indexed.
bool Create(const Char* printer, const Char* profile, const Char* description, const Char* file, bool replace);
bool Delete(const Char* printer, const Char* profile);
bool Export(const Char* printer, const Char* profile, const Char* file);
bool Import(const Char* printer, const Char* file, bool replace);
// Subkey names of the index that are not hidden, in the index's order.
std::vector<String> VisibleProfiles(const Char* printer);

}  // namespace nwconfig
