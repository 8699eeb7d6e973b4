// nwdevmode: the library's settings from the command line, for
// administrators and scripts. Exit codes: 0 success, 1 the library refused
// (its error is printed), 2 usage.
#include <CLI/CLI.hpp>

#include <iostream>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"

int main(int argc, char** argv) {
    CLI::App app{"Configure the Nordwisp virtual printer without its dialogs.", "nwdevmode"};
    app.set_version_flag("--version", std::string("nwdevmode ") + NW_VERSION);
    app.require_subcommand(0, 1);
    nwtool::SetupAll(app);
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
