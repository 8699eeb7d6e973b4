// Copying and clearing a printer's per-user settings in every user's hive:
// the cached records of Windows and the driver's registry settings.
#pragma once

#include "platform/win32api.h"

namespace nw {

// Removes the printer's cached records from HKEY_CURRENT_USER and, with
// allUsers, first from every loaded hive and every profile. 1 when every
// removal worked.
int ClearUserSettingsFor(const WCHAR* printerName, bool allUsers);

// Gives every user the current user's record of the printer and its
// registry settings (the printer key and its "PrinterIDs" entry), and saves
// the record as the printer's global default and the current user's.
int CopySettingsToAllUsers(const WCHAR* printerName);

// Builds the printer's default record from its driver's defaults, clears
// the cached records as ClearUserSettingsFor does and, with allUsers, gives
// every user that record and saves it as the printer's global default; then
// saves it as the current user's record. 1 when the saves worked.
int ReplaceUserSettingsFor(const WCHAR* printerName, bool allUsers);

// Copies one value of HKEY_CURRENT_USER into the same key of every user
// that has the key. A null valueName is the key's default value.
int CopyValueToAllUsers(const WCHAR* keyPath, const WCHAR* valueName);

}  // namespace nw
