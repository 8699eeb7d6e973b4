// nwdevmode profiles PRINTER list [--json] | create NAME [--description TEXT]
// | apply NAME | apply-file FILE | delete NAME | export NAME FILE
// | import FILE | selected [NAME] : the printer's profiles for the current
// user, through the driver's configuration module and the library's index.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

namespace nwtool {
namespace {

struct ProfilesOptions {
    std::string printer;
    std::string name;
    std::string file;
    std::string description;
    bool json = false;
};

// The module reads its pass-through arguments as texts.
uintptr_t Arg(const NwString& text) { return reinterpret_cast<uintptr_t>(text.c_str()); }

struct ProfileEntry {
    std::string name;
    std::string description;
    std::string file;
};

std::string IndexText(int(NW_API* read)(NWCHAR*, const NWCHAR*, const NWCHAR*), const NwString& printer,
                      const NwString& name) {
    NWCHAR buffer[260] = {};
    return read(buffer, printer.c_str(), name.c_str()) ? ToUtf8(buffer) : std::string();
}

// The profiles the module shows the user; hidden ones it leaves out.
std::vector<ProfileEntry> ListProfiles(const NwString& printer) {
    std::uint32_t count = 0;
    if (!GetNumberOfProfiles(printer.c_str(), &count))
        Fail("cannot list the profiles: the printer or its configuration module is not available");
    std::vector<ProfileEntry> entries;
    for (std::uint32_t index = 0; index < count; ++index) {
        std::uint32_t size = 0;
        if (!GetProfileName(printer.c_str(), index, nullptr, &size)) continue;
        NwString name(size, 0);
        if (!GetProfileName(printer.c_str(), index, name.data(), &size)) continue;
        name.resize(size - 1);
        entries.push_back({ToUtf8(name), IndexText(&GetProfileDescription, printer, name),
                           IndexText(&GetProfileFileName, printer, name)});
    }
    return entries;
}

std::string Selected(const NwString& printer) {
    NWCHAR buffer[260] = {};
    std::uint32_t size = sizeof buffer;
    return GetLastSelectedProfile(printer.c_str(), buffer, &size) ? ToUtf8(buffer) : std::string();
}

void RunList(const ProfilesOptions& options) {
    const NwString printer = FromUtf8(options.printer);
    const std::vector<ProfileEntry> entries = ListProfiles(printer);
    const std::string selected = Selected(printer);
    if (options.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const ProfileEntry& entry : entries)
            list.push_back({{"name", entry.name},
                            {"description", entry.description},
                            {"file", entry.file},
                            {"selected", entry.name == selected}});
        std::cout << list.dump(2) << "\n";
        return;
    }
    for (const ProfileEntry& entry : entries) {
        std::string description = entry.description;
        for (char& c : description)
            if (c == '\n' || c == '\r') c = ' ';
        std::cout << (entry.name == selected ? "* " : "  ") << entry.name << "\t" << description << "\t" << entry.file
                  << "\n";
    }
}

// A forwarded export: the module's result, no last error.
void Require(int result, const std::string& what) {
    if (result != 1) Fail("cannot " + what);
}

void RunApplyFile(const ProfilesOptions& options) {
    RecordPtr record = LoadRecord(options.printer);
    const NwString printer = FromUtf8(options.printer);
    const NwString file = FromUtf8(options.file);
    Require(ApplyProfileFile(printer.c_str(), file.c_str(), record.get()), "apply " + options.file);
    if (!SaveNordwispDEVMODE(printer.c_str(), record.get())) FailWithLastError("save the record");
}

void RunSelected(const ProfilesOptions& options) {
    const NwString printer = FromUtf8(options.printer);
    if (options.name.empty()) {
        std::cout << Selected(printer) << "\n";
        return;
    }
    Require(SetLastSelectedProfile(printer.c_str(), FromUtf8(options.name).c_str()), "select " + options.name);
}

void SetupProfiles(CLI::App& app) {
    auto options = std::make_shared<ProfilesOptions>();
    auto* profiles = app.add_subcommand("profiles", "List, create, apply and exchange a printer's profiles");
    profiles->add_option("PRINTER", options->printer, "Printer name")->required();
    profiles->require_subcommand(1);

    auto* list = profiles->add_subcommand("list", "List the profiles (* marks the one last selected)");
    list->add_flag("--json", options->json, "Print a JSON array");
    list->callback([options] { RunList(*options); });

    auto* create = profiles->add_subcommand("create", "Save the printer's current settings as a profile");
    create->add_option("NAME", options->name, "Profile name (up to 49 characters)")->required();
    create->add_option("--description", options->description, "Description of the profile");
    create->callback([options] {
        const NwString printer = FromUtf8(options->printer);
        const NwString name = FromUtf8(options->name);
        const NwString description = FromUtf8(options->description);
        Require(CreateProfile(printer.c_str(), Arg(name), Arg(description), 0), "create profile " + options->name);
    });

    auto* apply = profiles->add_subcommand("apply", "Apply a profile to the printer for the current user");
    apply->add_option("NAME", options->name, "Profile name")->required();
    apply->callback([options] {
        const NwString name = FromUtf8(options->name);
        Require(ApplyProfile(FromUtf8(options->printer).c_str(), Arg(name), 0), "apply profile " + options->name);
    });

    auto* applyFile = profiles->add_subcommand("apply-file", "Apply a profile file to the printer");
    applyFile->add_option("FILE", options->file, "Profile file (.bip)")->required();
    applyFile->callback([options] { RunApplyFile(*options); });

    auto* remove = profiles->add_subcommand("delete", "Delete a profile (a shared one is only hidden)");
    remove->add_option("NAME", options->name, "Profile name")->required();
    remove->callback([options] {
        const NwString name = FromUtf8(options->name);
        Require(DeleteProfile(FromUtf8(options->printer).c_str(), Arg(name)), "delete profile " + options->name);
    });

    auto* exporting = profiles->add_subcommand("export", "Copy a profile to a file");
    exporting->add_option("NAME", options->name, "Profile name")->required();
    exporting->add_option("FILE", options->file, "File to write")->required();
    exporting->callback([options] {
        const NwString name = FromUtf8(options->name);
        const NwString file = FromUtf8(options->file);
        Require(ExportProfile(FromUtf8(options->printer).c_str(), Arg(name), Arg(file)),
                "export profile " + options->name);
    });

    auto* importing = profiles->add_subcommand("import", "Add a profile file under the name it states");
    importing->add_option("FILE", options->file, "Profile file (.bip)")->required();
    importing->callback([options] {
        const NwString file = FromUtf8(options->file);
        Require(ImportProfile(FromUtf8(options->printer).c_str(), Arg(file), 0), "import " + options->file);
    });

    auto* selected = profiles->add_subcommand("selected", "Show the profile last selected, or record NAME as it");
    selected->add_option("NAME", options->name, "Profile name to record");
    selected->callback([options] { RunSelected(*options); });
}

const bool registered = RegisterCommand(&SetupProfiles);

}  // namespace
}  // namespace nwtool
