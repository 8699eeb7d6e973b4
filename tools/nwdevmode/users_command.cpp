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

void SetupUsers(CLI::App& app) {
    auto options = std::make_shared<UsersOptions>();
    auto* users = app.add_subcommand("users", "Copy or clear a printer's settings for every user of the machine");
    users->add_option("printer", options->printer, "Printer name")->required();
    users->require_subcommand(1);

    users->add_subcommand("copy-to-all", "Give every user the current user's record and settings of the printer")
        ->callback([options] {
            const std::u16string printer = FromUtf8(options->printer);
            Run("copy the settings", [&] { return CopySettingsForAllUsers(printer.c_str()); }, true);
        });

    auto* clear = users->add_subcommand("clear", "Remove the printer's cached records of the current user");
    clear->add_flag("--all-users", options->allUsers, "Remove them from every user");
    clear->callback([options] {
        const std::u16string printer = FromUtf8(options->printer);
        Run("clear the settings", [&] { return ClearUserSettings(printer.c_str(), options->allUsers ? 1 : 0); },
            options->allUsers);
    });

    auto* replace = users->add_subcommand("replace", "Reset the printer to the driver's defaults for the current user");
    replace->add_flag("--all-users", options->allUsers, "Reset it for every user");
    replace->callback([options] {
        const std::u16string printer = FromUtf8(options->printer);
        Run("reset the settings", [&] { return ReplaceUserSettings(printer.c_str(), options->allUsers ? 1 : 0); },
            options->allUsers);
    });

    auto* copyValue = users->add_subcommand(
        "copy-value", "Copy one value of the current user's registry to every user that has its key");
    copyValue->add_option("keypath", options->keyPath, "Key path below HKEY_CURRENT_USER")->required();
    copyValue->add_option("value", options->valueName, "Value name")->required();
    copyValue->callback([options] {
        const std::u16string key = FromUtf8(options->keyPath);
        const std::u16string value = FromUtf8(options->valueName);
        Run("copy the value", [&] { return CopyRegValueToAllUsers(key.c_str(), value.c_str()); }, true);
    });
}

const bool registered = RegisterCommand(&SetupUsers);

}  // namespace
}  // namespace nwtool
