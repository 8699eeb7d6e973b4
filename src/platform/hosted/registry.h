// Hosted-only controls of the registry: where the hives live, log-off, and
// folding the journals into the hive files.
//
// HKEY_LOCAL_MACHINE is <root>/registry/machine.reg, HKEY_USERS\.DEFAULT is
// <root>/registry/default.reg and the current user's hive (HKEY_CURRENT_USER,
// also HKEY_USERS\<user SID>) is C:\users\<user>\NTUSER.DAT.
// Hives loaded with RegLoadKeyW are mounted for the calling process only.
#pragma once

#include <filesystem>

namespace nw::hosted {

enum class RegistryHive { Machine, DefaultUser, CurrentUser };

std::filesystem::path RegistryHiveFile(RegistryHive hive);

// Where the volatile keys of a hive file are kept, for every process of the
// machine: <root>/registry/volatile/<the hive's path, '#' for '/'>.reg.
std::filesystem::path RegistryVolatileFile(const std::filesystem::path& hiveFile);

// Ends the current user's logon session: the volatile keys of the user's
// hive are gone, for every process of the machine.
void LogOffUser();

// Writes every hive this process has open into its file and empties the
// journal beside it. False when one of them could not be written.
bool CompactRegistry();

}  // namespace nw::hosted
