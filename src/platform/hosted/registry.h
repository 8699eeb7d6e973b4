// Hosted-only controls of the registry: where the hives live, log-off, and
// folding the journals into the hive files.
//
// HKEY_LOCAL_MACHINE is <root>/registry/machine.reg, HKEY_USERS\.DEFAULT is
// <root>/registry/default.reg and the current user's hive (HKEY_CURRENT_USER,
// also HKEY_USERS\<user SID>) is C:\users\<user>\NTUSER.DAT.
// Hives loaded with RegLoadKeyW are mounted for the calling process only;
// the hives of logged-on users are mounted for every process.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hosted/win32_types.h"

namespace nw::hosted {

enum class RegistryHive { Machine, DefaultUser, CurrentUser };

std::filesystem::path RegistryHiveFile(RegistryHive hive);

// Where the volatile keys of a hive file are kept, for every process of the
// machine: <root>/registry/volatile/<the hive's path, '#' for '/'>.reg.
std::filesystem::path RegistryVolatileFile(const std::filesystem::path& hiveFile);

// Ends the current user's logon session: the volatile keys of the user's
// hive are gone, for every process of the machine.
void LogOffUser();

// A user logged on to the machine: their hive stays mounted under
// HKEY_USERS\<SID> for every process, as Windows keeps it loaded while the
// user has a session, so it cannot be loaded from its file a second time.
// Kept in <root>/registry/logged-on, one "<SID>\t<hive file>" line each.
struct LoggedOnUser {
    std::u16string sid;
    std::filesystem::path hiveFile;
};
LSTATUS LogOnUser(std::u16string_view sid, const std::filesystem::path& hiveFile);
std::vector<LoggedOnUser> LoggedOnUsers();

// Creates the hive file of a user's profile when it is missing and the keys
// (paths below the hive root) in it when they are missing.
LSTATUS CreateUserHive(const std::filesystem::path& file, std::u16string_view sid,
                       const std::vector<std::u16string>& keys);

// Writes every hive this process has open into its file and empties the
// journal beside it. False when one of them could not be written.
bool CompactRegistry();

// The registry as the print spooler service sees it while one lives on the
// thread: it runs as the system, so it writes the machine's hive (the job
// queues) for a caller who may not. It checks the caller's rights itself.
class RegistryAsService {
public:
    RegistryAsService();
    ~RegistryAsService();
    RegistryAsService(const RegistryAsService&) = delete;
    RegistryAsService& operator=(const RegistryAsService&) = delete;
};

// Starts a batch of changes to the hive that `key` belongs to: until
// EndRegistryBatch the calling thread holds the registry (the hive locked
// for the machine, the process's other threads waiting) and its changes are
// seen by this thread only; EndRegistryBatch(true) persists them as one,
// false drops them. Batches nest; the outermost end decides.
LSTATUS BeginRegistryBatch(HKEY key);
LSTATUS EndRegistryBatch(bool commit);

// A hive file or journal found damaged (cut short, emptied, a committed
// journal record lost), refused with `error` (ERROR_BADDB for the hive
// text, ERROR_REGISTRY_CORRUPT for the journal) and copied to `evidence`.
struct DamagedHiveFile {
    std::filesystem::path file;
    std::filesystem::path evidence;
    std::uint32_t error = 0;
};
// Every damaged file this process met, first found first.
std::vector<DamagedHiveFile> DamagedRegistryFiles();

}  // namespace nw::hosted
