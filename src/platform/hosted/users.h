// The users of the hosted machine, as the profile list of Windows names
// them: one subkey per SID under HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows NT\CurrentVersion\ProfileList" with its
// "ProfileImagePath", the profile folder holding the user's NTUSER.DAT, and
// the list's "Default" profile.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32api.h"

namespace nw::hosted {

struct MachineUser {
    std::u16string name;  // the profile folder's name
    std::u16string sid;
    std::u16string profilePath;  // as stored, %SystemDrive% and all
    bool loggedOn = false;
};

// Adds a user: a generated SID when sid is empty, the profile folder
// C:\Users\<name> when profilePath is empty (environment references in it
// are expanded to find the folder, and kept in the list). A logged-on user's
// hive is mounted under HKEY_USERS\<SID> for every process. The added SID
// goes to *addedSid. 0 or a Win32 error: 5 without administrator
// membership, 87 for a bad name, SID or path, 183 for a SID already listed.
DWORD AddMachineUser(std::u16string_view name, std::u16string_view sid, bool loggedOn,
                     std::u16string_view profilePath, std::u16string* addedSid);

// The profiles of the list, in its order (by SID).
std::vector<MachineUser> MachineUsers();

}  // namespace nw::hosted
