// nwdevmode: the library's settings from the command line, for
// administrators and scripts. Exit codes: 0 success, 1 the operation failed
// (its error is printed), 2 usage or validation.
#include <CLI/CLI.hpp>

#include <iostream>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#ifndef _WIN32
#include "nordwisp/NordwispMachine.h"
#endif

namespace {

const char kFooter[] =
    "Exit codes:\n"
    "  0  success\n"
    "  1  the operation failed (the reason is printed)\n"
    "  2  usage or validation: nothing was changed\n"
    "\n"
    "File-name template tokens (template check/preview, record.image-file-name):\n"
    "  <<NONE>> <<DOCNAME>> <<USERNAME>> <<COMPUTER>> <<PAGENUM>> <<DATE>> <<TIME>>\n"
    "  <<TIMEMS>> <<COUNTER>> <<DATETIME>> <<BATES>>, and <<ORIGINAL>> as the extension,\n"
    "  e.g. \"<<DOCNAME>><<NONE>>.<<ORIGINAL>>\"\n"
#ifndef _WIN32
    "\n"
    "Environment (hosted machine):\n"
    "  NORDWISP_MACHINE        the machine root (default $XDG_DATA_HOME/nordwisp/machine)\n"
    "  NORDWISP_USER_NAME, NORDWISP_USER_SID   run as that user\n"
    "  NORDWISP_ADMIN          1 or 0: administrator membership\n"
    "  NORDWISP_COMPUTER_NAME, NORDWISP_SESSION, NORDWISP_PACKAGE, NORDWISP_ACP (65001 or 1252)\n"
#endif
    "\n"
    "Settings are named <group>.<name>: \"nwdevmode settings PRINTER\" lists them. Values:\n"
    "  switches on/off; numbers decimal or 0x hexadecimal, enumerations by name too (landscape);\n"
    "  fonts \"face=Arial;height=-16;weight=700\" (members not named keep their value);\n"
    "  areas \"left,top,right,bottom\"; data as hexadecimal digits.";

#ifndef _WIN32
// A machine without a root yet gets the demo printer, so that the tool works
// out of the box; "machine" commands prepare nothing on their own. Runs
// once the command line is known to be good.
void ProvisionDemoMachine(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands())
        if (command->get_name() == "machine" || command->get_name() == "completion") return;
    if (NordwispMachine_IsProvisioned()) return;
    static const char16_t kDemo[] = u"" NORDWISP_MACHINE_DEMO_PRINTER;
    const std::uint32_t error = NordwispMachine_AddPrinter(kDemo, nullptr);
    if (error != 0) nwtool::Fail("cannot prepare the machine root: " + nwtool::DescribeError(error));
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
#endif

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Configure the Nordwisp virtual printer without its dialogs.", "nwdevmode"};
    app.set_version_flag("--version", std::string("nwdevmode ") + NW_VERSION);
    app.require_subcommand(0, 1);
    app.footer(kFooter);
    nwtool::SetupAll(app);
#ifndef _WIN32
    // After parsing and validation, before any command runs.
    app.parse_complete_callback([&app] { ProvisionDemoMachine(app); });
#endif
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
