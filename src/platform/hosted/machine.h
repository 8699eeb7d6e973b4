// The hosted machine: where its state lives, who the current user is, and
// how text and names map onto the host. Only the hosted layer uses
// this header; library code sees the Win32 functions built on it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/fold_case.h"
#include "platform/utf_codec.h"

namespace nw::hosted {

// Who runs the current process. Defaults come from the environment
// (NORDWISP_USER_NAME, NORDWISP_USER_SID, NORDWISP_COMPUTER_NAME,
// NORDWISP_ADMIN, NORDWISP_SESSION, NORDWISP_PACKAGE, NORDWISP_ACP) so that a
// test can start another process as someone else; SetIdentity overrides them
// for the current process.
struct Identity {
    std::u16string userName;
    std::u16string userSid;
    std::u16string computerName;
    bool administrator = true;
    std::uint32_t sessionId = 1;
    std::u16string packageFullName;  // empty: not a packaged process
    std::uint32_t ansiCodePage = 65001;
};

const Identity& CurrentIdentity();
void SetIdentity(const Identity& identity);

// Why an identity cannot be used, or empty when it can. The user name
// becomes the profile folder, the SID a key under HKEY_USERS and the computer
// name part of paths too, so a value that could reach outside its place
// ("..", a separator, a control character) is refused. A process whose
// environment names such a value says so once on stderr; its user's hive
// is then refused (ERROR_INVALID_NAME) and nothing is created for it.
std::string IdentityProblem(const Identity& identity);

// The machine root: $NORDWISP_MACHINE, else $XDG_DATA_HOME/nordwisp/machine,
// else ~/.local/share/nordwisp/machine. Read once per process unless
// SetMachineRoot changes it.
const std::filesystem::path& MachineRoot();
void SetMachineRoot(const std::filesystem::path& root);
// Changes whenever the identity or the machine root is set.
std::uint64_t MachineGeneration();

// File names and hive text convert through the one codec.
using utf::FromUtf8;
using utf::ToUtf8;
using utf::AppendUtf8;

// Case-insensitive comparison of Windows names (ASCII and Latin-1 folding,
// as the registry and profile files compare names).
using platform::FoldCase;
bool EqualNoCase(std::u16string_view a, std::u16string_view b);
int CompareNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace nw::hosted
