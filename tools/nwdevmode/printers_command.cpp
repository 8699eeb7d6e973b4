// nwdevmode printers [--json] : this driver's printers on the machine.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace nwtool {
namespace {

std::vector<std::string> NordwispPrinters() {
    const std::unique_ptr<NWCHAR, void (*)(void*)> list(GetNordwispPrinters(), &FreeBlock);
    if (!list) Fail("cannot list the printers: not enough memory");
    std::vector<std::string> names;
    const NwString text(list.get());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(NWCHAR(';'), start);
        if (end == NwString::npos) end = text.size();
        names.push_back(ToUtf8(text.substr(start, end - start)));
        start = end + 1;
    }
    return names;
}

void SetupPrinters(CLI::App& app) {
    auto* printers = app.add_subcommand("printers", "List the printers of this driver");
    auto json = std::make_shared<bool>(false);
    printers->add_flag("--json", *json, "Print a JSON array of names");
    printers->callback([json] {
        const std::vector<std::string> names = NordwispPrinters();
        if (*json) {
            std::cout << nlohmann::json(names).dump(2) << "\n";
            return;
        }
        for (const std::string& name : names) std::cout << name << "\n";
    });
}

const bool registered = RegisterCommand(&SetupPrinters);

}  // namespace
}  // namespace nwtool
