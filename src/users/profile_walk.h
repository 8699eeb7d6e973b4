// The walk over every user of the machine that the per-user maintenance
// shares: the profiles of the profile list (their hives loaded for the
// time of the action when nobody has them loaded) and the hives already
// loaded under HKEY_USERS. The action differs per export.
#pragma once

#include <functional>

#include "platform/win32api.h"

namespace nw {

// What is done in one user's hive, given its root key; 1 when it worked.
using UserAction = std::function<int(HKEY userRoot)>;

// The hives of logged-on users: every subkey of HKEY_USERS. 1 when the
// action worked in each.
int ForEachLoadedHive(const UserAction& action);

// Every profile of the list and then its "Default" profile, skipping the
// service and application-pool profiles, each loaded under HKEY_USERS
// "NORDWISP_TEMPORARY_PROFILE" while the action runs; a hive in use or
// missing is skipped (a loaded one is reached through ForEachLoadedHive).
// With visitLoadedHives the loaded hives follow. 0 when the profile list,
// a profile's path or the SystemDrive variable cannot be read (the walk
// stops there), when another hive could not be loaded, or when the action
// failed anywhere.
int ForEachUserProfile(const UserAction& action, bool visitLoadedHives);

}  // namespace nw
