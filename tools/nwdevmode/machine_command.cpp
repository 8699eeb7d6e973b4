// nwdevmode machine init [--printer NAME]... [--ocr-module FILE] : prepares
// the hosted machine with printers of this driver and the OCR module.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispMachine.h"

namespace nwtool {
namespace {

constexpr std::uint32_t kPrinterAlreadyExists = 1802;

struct InitOptions {
    std::vector<std::string> printers;
    std::string port;
    std::string ocrModule = BuiltOcrModule();
};

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
    const std::u16string port = FromUtf8(options.port);
    std::cout << "Machine root: " << MachineRoot() << "\n";
    for (const std::string& printer : printers) {
        const std::u16string name = FromUtf8(printer);
        const std::uint32_t error = NordwispMachine_AddPrinter(name.c_str(), port.empty() ? nullptr : port.c_str());
        if (error == kPrinterAlreadyExists) {
            std::cout << "Printer \"" << printer << "\" is already there\n";
        } else if (error != 0) {
            Fail("cannot add printer \"" + printer + "\": " + DescribeError(error));
        } else {
            std::cout << "Added printer \"" << printer << "\"\n";
        }
    }
    if (options.ocrModule.empty()) return;
    InstallOcrModule(options.ocrModule, printers);
    std::cout << "Installed the OCR module as " NORDWISP_MACHINE_OCR_MODULE "\n";
}

}  // namespace

std::string BuiltOcrModule() {
#if defined(NW_OCR_MODULE_FILE)
    std::error_code error;
    if (std::filesystem::exists(NW_OCR_MODULE_FILE, error)) return NW_OCR_MODULE_FILE;
    // Installed: the build tree is gone, the module sits beside the tool's tree.
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const std::filesystem::path installed = tool.parent_path() / NW_TOOL_TO_MODULES / "NwOCR.dll";
    if (std::filesystem::exists(installed, error)) return installed.lexically_normal().string();
#endif
    return {};
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
    init->callback([options] { RunInit(*options); });
}

const bool registered = RegisterCommand(&SetupMachine);

}  // namespace
}  // namespace nwtool
