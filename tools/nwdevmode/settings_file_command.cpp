// nwdevmode export PRINTER FILE          the printer's settings into an INI file
// nwdevmode import PRINTER FILE          a settings file applied to the printer
// nwdevmode defaults PRINTER [--json]    the record CreateDefaultSettings builds
// nwdevmode defaults PRINTER --apply     ... made the current user's record
#include <memory>
#include <string>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "nordwisp/NordwispMachine.h"
#endif

namespace nwtool {
namespace {

// The record is the library's GlobalAlloc'd block.
void FreeLibraryBlock(NordwispDEVMODE* record) {
#ifdef _WIN32
    ::GlobalFree(record);
#else
    NordwispMachine_FreeBlock(record);
#endif
}

struct SettingsFileOptions {
    std::string printer;
    std::string file;
    bool json = false;
    bool apply = false;
};

void RunExport(const SettingsFileOptions& options) {
    RecordPtr record = LoadRecord(options.printer);
    const NwString file = FromUtf8(options.file);
    if (!ExportSettingstoINIFile(record.get(), file.c_str())) FailWithLastError("export " + options.file);
}

void RunImport(const SettingsFileOptions& options) {
    RecordPtr record = LoadRecord(options.printer);
    const NwString file = FromUtf8(options.file);
    const NwString printer = FromUtf8(options.printer);
    if (!ApplyProfileFile(printer.c_str(), file.c_str(), record.get())) Fail("cannot read " + options.file);
    if (!SaveNordwispDEVMODE(printer.c_str(), record.get())) FailWithLastError("save the record");
}

void RunDefaults(const SettingsFileOptions& options) {
    const NwString printer = FromUtf8(options.printer);
    std::unique_ptr<NordwispDEVMODE, void (*)(NordwispDEVMODE*)> record(CreateDefaultSettings(printer.c_str()),
                                                                       &FreeLibraryBlock);
    if (!record) FailWithLastError("default settings of " + options.printer);
    if (options.apply) {
        // The default record names no public field; the spooler merges
        // those the user's record names.
        record->DM.dmFields = LoadRecord(options.printer)->DM.dmFields;
        if (!SaveNordwispDEVMODE(printer.c_str(), record.get())) FailWithLastError("save the record");
        return;
    }
    PrintRecord(record.get(), options.printer, options.json);
}

void SetupSettingsFiles(CLI::App& app) {
    auto options = std::make_shared<SettingsFileOptions>();
    auto* exporting = app.add_subcommand("export", "Write all settings of a printer into an INI file");
    exporting->add_option("PRINTER", options->printer, "Printer name")->required();
    exporting->add_option("FILE", options->file, "Settings file to write")->required();
    exporting->callback([options] { RunExport(*options); });

    auto* importing = app.add_subcommand("import", "Apply a settings file to a printer for the current user");
    importing->add_option("PRINTER", options->printer, "Printer name")->required();
    importing->add_option("FILE", options->file, "Settings file to read")->required();
    importing->callback([options] { RunImport(*options); });

    auto* defaults = app.add_subcommand("defaults", "Show the printer's default record, or make it the user's");
    defaults->add_option("PRINTER", options->printer, "Printer name")->required();
    auto* json = defaults->add_flag("--json", options->json, "Print the fields as a JSON object");
    defaults->add_flag("--apply", options->apply, "Make the default record the current user's record")
        ->excludes(json);
    defaults->callback([options] { RunDefaults(*options); });
}

const bool registered = RegisterCommand(&SetupSettingsFiles);

}  // namespace
}  // namespace nwtool
