// nwdevmode users PRINTER copy-to-all | clear [--all-users] | replace [--all-users]
// | copy-value KEYPATH VALUE : copies or clears a printer's settings for
// every user of the machine and prints the users it reached.
#include <algorithm>
#include <cctype>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispMachine.h"

namespace nwtool {
namespace {

struct UsersOptions {
    std::string printer;
    bool allUsers = false;
    std::string keyPath;
    std::string valueName;
};

// The library leaves service and application-pool profiles alone.
bool IsServiceProfile(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::toupper(c); });
    for (const char* marker : {"%SYSTEMROOT%", ".NET", "APPPOOL"})
        if (path.find(marker) != std::string::npos) return true;
    return false;
}

// The users an export reached: every real user, or only the current one.
void PrintReached(const std::string& what, bool everyone) {
    NordwispMachineUser user{};
    for (std::uint32_t index = 0; NordwispMachine_GetUser(index, &user) == 0; ++index) {
        if (everyone ? IsServiceProfile(ToUtf8(user.profilePath)) : !user.isCurrent) continue;
        std::cout << what << " " << ToUtf8(user.name) << " (" << ToUtf8(user.sid) << ")\n";
    }
}

void Run(const std::string& action, const std::function<int()>& call, bool everyone) {
    if (call() != 1) FailWithLastError("cannot " + action + " for every user");
    PrintReached(action == "clear the settings" ? "Cleared" : "Changed", everyone);
}

// A command over the export of (printer, all-users flag) shape.
void AddAllUsersCommand(CLI::App& users, const std::shared_ptr<UsersOptions>& options, const char* name,
                        const char* description, const char* flagHelp, const std::string& action,
                        int(NW_API* call)(const NWCHAR*, int)) {
    auto* command = users.add_subcommand(name, description);
    command->add_flag("--all-users", options->allUsers, flagHelp);
    command->callback([options, action, call] {
        const NwString printer = FromUtf8(options->printer);
        Run(action, [&] { return call(printer.c_str(), options->allUsers ? 1 : 0); }, options->allUsers);
    });
}

void SetupUsers(CLI::App& app) {
    auto options = std::make_shared<UsersOptions>();
    auto* users = app.add_subcommand("users", "Copy or clear a printer's settings for every user of the machine");
    users->add_option("printer", options->printer, "Printer name")->required();
    users->require_subcommand(1);

    users->add_subcommand("copy-to-all", "Give every user the current user's record and settings of the printer")
        ->callback([options] {
            const NwString printer = FromUtf8(options->printer);
            Run("copy the settings", [&] { return CopySettingsForAllUsers(printer.c_str()); }, true);
        });

    AddAllUsersCommand(*users, options, "clear", "Remove the printer's cached records of the current user",
                       "Remove them from every user", "clear the settings", ClearUserSettings);
    AddAllUsersCommand(*users, options, "replace", "Reset the printer to the driver's defaults for the current user",
                       "Reset it for every user", "reset the settings", ReplaceUserSettings);

    auto* copyValue = users->add_subcommand(
        "copy-value", "Copy one value of the current user's registry to every user that has its key");
    copyValue->add_option("keypath", options->keyPath, "Key path below HKEY_CURRENT_USER")->required();
    copyValue->add_option("value", options->valueName, "Value name")->required();
    copyValue->callback([options] {
        const NwString key = FromUtf8(options->keyPath);
        const NwString value = FromUtf8(options->valueName);
        Run("copy the value", [&] { return CopyRegValueToAllUsers(key.c_str(), value.c_str()); }, true);
    });
}

const bool registered = RegisterCommand(&SetupUsers);

}  // namespace
}  // namespace nwtool
