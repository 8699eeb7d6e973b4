// A profile file's header: the "Profile" section of a ".bip" settings file
// and the file's last-write time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32api.h"

namespace nw::profiles {

inline constexpr std::size_t kProfileNameChars = 50;
inline constexpr std::size_t kProfileDescriptionChars = 500;
inline constexpr std::size_t kProfileFileChars = 260;

struct ProfileHeader {
    std::int32_t profileVersion = 0;
    std::int32_t driverMajorVersion = 0;
    std::int32_t driverMinorVersion = 0;
    std::int32_t driverRevision = 0;
    std::int32_t driverType = 0;
    std::int32_t profileType = 0;
    WCHAR name[kProfileNameChars] = {};
    SYSTEMTIME modified = {};  // UTC
    WCHAR description[kProfileDescriptionChars] = {};  // escapes decoded
    WCHAR fileName[kProfileFileChars] = {};
};

// Reads the header keys (missing ones read as 0 or empty) and the file's
// last-write time. False when the file cannot be opened for its time; the
// keys read so far stay in header.
bool ReadProfileHeader(const WCHAR* file, ProfileHeader& header);

// Decodes the escapes \\, \n and \r; a backslash before anything else is
// dropped. Stops after capacity - 1 characters and always terminates.
// Returns the characters stored.
std::size_t DecodeDescription(WStringView text, WCHAR* out, std::size_t capacity);
// The inverse, for writers of profile files.
WString EncodeDescription(WStringView text);

// The file's last-write time (opened for reading, read sharing).
bool ReadLastWriteTime(const WCHAR* file, FILETIME& time);

}  // namespace nw::profiles
