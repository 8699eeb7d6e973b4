// nwdevmode machine init [--printer NAME]... [--ocr-module FILE]
// [--barcode-engines DIR] [--config-module FILE] : prepares the hosted
// machine with printers of this driver, its configuration module, the OCR
// module and the barcode engines.
// nwdevmode machine add-user NAME [--sid SID] [--logged-on]
// [--profile-path PATH] : adds a user with a profile and a hive.
// nwdevmode machine users [--json] : lists the users of the profile list.
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispMachine.h"

namespace nwtool {
namespace {

constexpr std::uint32_t kPrinterAlreadyExists = 1802;
constexpr std::uint32_t kNoMoreItems = 259;

struct InitOptions {
    std::vector<std::string> printers;
    std::string port;
    std::string ocrModule = BuiltOcrModule();
    std::string engineFolder = BuiltEngineFolder();
    std::string configModule = BuiltConfigModule();
};

// The reference engines' files, by barcode type.
constexpr const char* kEngineFiles[] = {"NwBarcodeQR.dll", "NwBarcodeDM.dll", "NwBarcodeP417.dll", "NwBarcode1D.dll"};

std::string MachineRoot() {
    const std::uint32_t needed = NordwispMachine_GetRoot(nullptr, 0);
    std::string root(needed, '\0');
    NordwispMachine_GetRoot(root.data(), needed);
    if (!root.empty()) root.pop_back();
    return root;
}

void RunInit(const InitOptions& options) {
    std::vector<std::string> printers = options.printers;
    if (printers.empty()) printers.push_back(NORDWISP_MACHINE_DEMO_PRINTER);
    const NwString port = FromUtf8(options.port);
    std::cout << "Machine root: " << MachineRoot() << "\n";
    for (const std::string& printer : printers) {
        const NwString name = FromUtf8(printer);
        const std::uint32_t error = NordwispMachine_AddPrinter(name.c_str(), port.empty() ? nullptr : port.c_str());
        if (error == kPrinterAlreadyExists) {
            std::cout << "Printer \"" << printer << "\" is already there\n";
        } else if (error != 0) {
            Fail("cannot add printer \"" + printer + "\": " + DescribeError(error));
        } else {
            std::cout << "Added printer \"" << printer << "\"\n";
        }
    }
    if (!options.configModule.empty()) {
        if (const std::uint32_t error = NordwispMachine_InstallConfigModule(options.configModule.c_str()); error != 0)
            Fail("cannot install the configuration module \"" + options.configModule + "\": " + DescribeError(error));
        std::cout << "Installed the configuration module " NORDWISP_MACHINE_CONFIG_MODULE "\n";
    }
    if (!options.engineFolder.empty()) {
        InstallBarcodeEngines(options.engineFolder);
        std::cout << "Installed the barcode engines " NORDWISP_MACHINE_QR_ENGINE ", " NORDWISP_MACHINE_DM_ENGINE
                     ", " NORDWISP_MACHINE_P417_ENGINE " and " NORDWISP_MACHINE_1D_ENGINE "\n";
    }
    if (options.ocrModule.empty()) return;
    InstallOcrModule(options.ocrModule, printers);
    std::cout << "Installed the OCR module as " NORDWISP_MACHINE_OCR_MODULE "\n";
}

struct AddUserOptions {
    std::string name;
    std::string sid;
    bool loggedOn = false;
    std::string profilePath;
};

void RunAddUser(const AddUserOptions& options) {
    const NwString name = FromUtf8(options.name);
    const NwString sid = FromUtf8(options.sid);
    const NwString path = FromUtf8(options.profilePath);
    NWCHAR added[NORDWISP_MACHINE_SID_CHARS] = {};
    const std::uint32_t error =
        NordwispMachine_AddUser(name.c_str(), sid.empty() ? nullptr : sid.c_str(), options.loggedOn ? 1 : 0,
                                path.empty() ? nullptr : path.c_str(), added, NORDWISP_MACHINE_SID_CHARS);
    if (error != 0) Fail("cannot add user \"" + options.name + "\": " + DescribeError(error));
    std::cout << "Added user \"" << options.name << "\" " << ToUtf8(added) << (options.loggedOn ? " (logged on)" : "")
              << "\n";
}

void RunListUsers(bool json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    NordwispMachineUser user{};
    for (std::uint32_t index = 0;; ++index) {
        const std::uint32_t error = NordwispMachine_GetUser(index, &user);
        if (error == kNoMoreItems) break;
        if (error != 0) Fail("cannot read the users: " + DescribeError(error));
        if (json) {
            list.push_back({{"name", ToUtf8(user.name)},
                            {"sid", ToUtf8(user.sid)},
                            {"profilePath", ToUtf8(user.profilePath)},
                            {"loggedOn", user.loggedOn != 0},
                            {"current", user.isCurrent != 0}});
        } else {
            std::cout << ToUtf8(user.name) << "\t" << ToUtf8(user.sid) << "\t" << ToUtf8(user.profilePath)
                      << (user.isCurrent ? "\tcurrent" : user.loggedOn ? "\tlogged on" : "") << "\n";
        }
    }
    if (json) std::cout << list.dump(2) << "\n";
}

}  // namespace

// The folder of the build tree when the module is there, else the one
// installed beside the tool; empty when neither holds it.
std::filesystem::path FindModuleFolder(const std::filesystem::path& built, const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path folders[] = {built, {}};
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) folders[1] = (tool.parent_path() / NW_TOOL_TO_MODULES).lexically_normal();
    for (const std::filesystem::path& folder : folders)
        if (!folder.empty() && std::filesystem::is_regular_file(folder / file, error)) return folder;
    return {};
}

namespace {

// A module built with the tool, found in the build tree or installed beside
// the tool; empty when neither holds it.
[[maybe_unused]] std::string FindBuiltModule(const std::filesystem::path& built) {
    const std::filesystem::path folder = FindModuleFolder(built.parent_path(), built.filename());
    return folder.empty() ? std::string() : (folder / built.filename()).string();
}

}  // namespace

std::string BuiltConfigModule() {
#if defined(NW_CONFIG_MODULE_FILE)
    return FindBuiltModule(NW_CONFIG_MODULE_FILE);
#else
    return {};
#endif
}

std::string BuiltOcrModule() {
#if defined(NW_OCR_MODULE_FILE)
    return FindBuiltModule(NW_OCR_MODULE_FILE);
#else
    return {};
#endif
}

std::string BuiltEngineFolder() {
#if defined(NW_BARCODE_ENGINE_DIR)
    return FindModuleFolder(NW_BARCODE_ENGINE_DIR, kEngineFiles[0]).string();
#else
    return {};
#endif
}

void InstallBarcodeEngines(const std::string& folder) {
    for (int type = 0; type < 4; ++type) {
        const std::string file = (std::filesystem::path(folder) / kEngineFiles[type]).string();
        if (const std::uint32_t error = NordwispMachine_InstallBarcodeEngine(type, file.c_str()); error != 0)
            Fail("cannot install the barcode engine \"" + file + "\": " + DescribeError(error));
    }
}

void InstallOcrModule(const std::string& moduleFile, const std::vector<std::string>& printers) {
    if (const std::uint32_t error = NordwispMachine_InstallOcrModule(moduleFile.c_str()); error != 0)
        Fail("cannot install the OCR module \"" + moduleFile + "\": " + DescribeError(error));
    static const char16_t kInstalled[] = u"" NORDWISP_MACHINE_OCR_MODULE;
    for (const std::string& printer : printers) {
        const RecordPtr record = LoadRecord(printer);
        if (!SetOCRDLLPath(record.get(), kInstalled))
            FailWithLastError("cannot name the OCR module for \"" + printer + "\"");
    }
}

namespace {

void SetupMachine(CLI::App& app) {
    auto* machine = app.add_subcommand("machine", "Prepare the hosted machine (Linux build)");
    machine->require_subcommand(1);
    auto options = std::make_shared<InitOptions>();
    auto* init = machine->add_subcommand(
        "init", "Install the driver and add printers of it (\"" NORDWISP_MACHINE_DEMO_PRINTER "\" when none is named)");
    init->add_option("--printer", options->printers, "Name of a printer to add (repeatable)");
    init->add_option("--port", options->port, "Port of the new printers (default NORDWISP:)");
    init->add_option("--ocr-module", options->ocrModule,
                     "OCR module to install and name in the printers' settings (default: the one built with the tool)");
    init->add_option("--config-module", options->configModule,
                     "Configuration module of the driver (default: the one built with the tool)");
    init->add_option("--barcode-engines", options->engineFolder,
                     "Folder of the barcode engines to install (default: the ones built with the tool)");
    init->callback([options] { RunInit(*options); });

    auto user = std::make_shared<AddUserOptions>();
    auto* addUser = machine->add_subcommand("add-user", "Add a user with a profile and its hive");
    addUser->add_option("name", user->name, "User name (the profile folder's name)")->required();
    addUser->add_option("--sid", user->sid, "The user's SID (default: a new one)");
    addUser->add_flag("--logged-on", user->loggedOn, "Keep the user's hive loaded, as for a user who is logged on");
    addUser->add_option("--profile-path", user->profilePath,
                        "Profile folder, may start with %SystemDrive% (default C:\\Users\\NAME)");
    addUser->callback([user] { RunAddUser(*user); });

    auto json = std::make_shared<bool>(false);
    auto* users = machine->add_subcommand("users", "List the users of the machine's profile list");
    users->add_flag("--json", *json, "Print a JSON array");
    users->callback([json] { RunListUsers(*json); });
}

const bool registered = RegisterCommand(&SetupMachine);

}  // namespace
}  // namespace nwtool
