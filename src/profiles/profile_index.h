// The current user's index of a printer's profiles: HKEY_CURRENT_USER
// "SOFTWARE\Kelmora Works\<printer>\Profiles", one subkey per profile.
// Every operation returns 1 or 0 and leaves the library's last error alone.
#pragma once

#include <cstdint>

#include "platform/win32api.h"
#include "profiles/profile_header.h"

namespace nw::profiles {

// "<printer>\Profiles" below the vendor key, or empty for a name that
// addresses no key (null or empty).
WString ProfilesKeyPath(const WCHAR* printer);
// A profile name is one subkey: not empty, no backslash.
bool IsProfileKeyName(const WCHAR* profile);

// "Selected Profile" into buffer; *size is the buffer's size in bytes on
// entry and the bytes stored (terminator included) on return. 0 when the
// value is missing, not text, or does not fit with its terminator (*size
// then holds the bytes needed).
int GetLastSelectedProfile(const WCHAR* printer, WCHAR* buffer, std::uint32_t* size);
int SetLastSelectedProfile(const WCHAR* printer, const WCHAR* profile);

// A text value of the profile's subkey into a buffer of chars characters,
// cut to fit and always terminated.
int ReadProfileText(const WCHAR* printer, const WCHAR* profile, const WCHAR* valueName, WCHAR* buffer,
                    std::size_t chars);

// Writes "Name", "Modified", "Description", "Filename", "Shared" in that
// order, stopping at the first failure.
int WriteProfileDataToRegistry(const WCHAR* printer, const WCHAR* profile, const ProfileHeader& header, DWORD shared);
int HideProfile(const WCHAR* printer, const WCHAR* profile, DWORD hidden);
int SetCommonProfilesImported(const WCHAR* printer, DWORD value);
// The indexed "Modified" time; 0 when the profile has none.
int GetProfileWriteTimeFromRegistry(const WCHAR* printer, const WCHAR* profile, FILETIME* time);
int IsProfileShared(const WCHAR* printer, const WCHAR* profile);

// Without force a shared profile whose file exists is only hidden;
// otherwise its file is deleted and its subkey removed.
int DeleteProfile(const WCHAR* printer, const WCHAR* profile, int force);
// Drops the profiles whose files are gone, and the shared ones whose file
// now names another profile.
int DeleteMissingProfiles(const WCHAR* printer);

}  // namespace nw::profiles
