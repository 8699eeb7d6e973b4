// nwdevmode: the library's settings from the command line, for
// administrators and scripts. Exit codes: 0 success, 1 the library refused
// (its error is printed), 2 usage.
#include <CLI/CLI.hpp>

#include <iostream>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"

namespace {

// A machine without a root yet gets the demo printer, so that the tool works
// out of the box; "machine" commands and help prepare nothing on their own.
void ProvisionDemoMachine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((i == 1 && arg == "machine") || arg == "--help" || arg == "-h" || arg == "--version") return;
    }
    if (NordwispMachine_IsProvisioned()) return;
    static const char16_t kDemo[] = u"" NORDWISP_MACHINE_DEMO_PRINTER;
    const std::uint32_t error = NordwispMachine_AddPrinter(kDemo, nullptr);
    if (error != 0) {
        std::cerr << "nwdevmode: cannot prepare the demo printer: " << nwtool::DescribeError(error) << "\n";
        return;
    }
    std::cerr << "nwdevmode: new machine: added the demo printer \"" NORDWISP_MACHINE_DEMO_PRINTER "\"\n";
    const std::string ocrModule = nwtool::BuiltOcrModule();
    const std::string engineFolder = nwtool::BuiltEngineFolder();
    const std::string configModule = nwtool::BuiltConfigModule();
    if (!configModule.empty() && NordwispMachine_InstallConfigModule(configModule.c_str()) != 0)
        std::cerr << "nwdevmode: cannot install the configuration module\n";
    try {
        if (!engineFolder.empty()) nwtool::InstallBarcodeEngines(engineFolder);
        if (!ocrModule.empty()) nwtool::InstallOcrModule(ocrModule, {NORDWISP_MACHINE_DEMO_PRINTER});
    } catch (const CLI::RuntimeError& e) {
        std::cerr << "nwdevmode: " << e.what() << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Configure the Nordwisp virtual printer without its dialogs.", "nwdevmode"};
    app.set_version_flag("--version", std::string("nwdevmode ") + NW_VERSION);
    app.require_subcommand(0, 1);
    nwtool::SetupAll(app);
    ProvisionDemoMachine(argc, argv);
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        if (e.what() && *e.what()) std::cerr << "nwdevmode: " << e.what() << "\n";
        return e.get_exit_code();
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : nwtool::kExitUsage;
    }
    if (app.get_subcommands().empty()) std::cout << app.help();
    return 0;
}
