// nwdevmode profiles PRINTER list [--json] | create NAME [--description TEXT]
// | apply NAME | apply-file FILE | delete NAME | export NAME FILE
// | import FILE | selected [NAME] : the printer's profiles for the current
// user, through the driver's configuration module and the library's index.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "command.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "nordwisp/NordwispMachine.h"
#endif

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
    bool shared = false;
    bool hidden = false;
    std::string modified;  // UTC, ISO 8601; empty when the index has none
};

// The profile index keeps what no export returns (shared, hidden, the file's
// time): the tool reads it from the current user's registry, on the hosted
// machine through its API.
uint32_t EnumIndexKey(const NwString& path, uint32_t index, NwString& name) {
    NWCHAR buffer[256] = {};
#ifdef _WIN32
    HKEY key = nullptr;
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    if (status == ERROR_SUCCESS) {
        DWORD chars = 256;
        status = ::RegEnumKeyExW(key, index, buffer, &chars, nullptr, nullptr, nullptr, nullptr);
        ::RegCloseKey(key);
    }
    const auto result = static_cast<uint32_t>(status);
#else
    const uint32_t result = NordwispMachine_EnumUserSubkey(path.c_str(), index, buffer, 256);
#endif
    if (result == 0) name = buffer;
    return result;
}

// A value of the index as bytes; empty when missing or larger than a profile's
// description can be.
std::vector<std::uint8_t> IndexValue(const NwString& path, const NwString& valueName) {
    std::vector<std::uint8_t> data(4096);
    uint32_t bytes = static_cast<uint32_t>(data.size());
#ifdef _WIN32
    HKEY key = nullptr;
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    if (status == ERROR_SUCCESS) {
        DWORD size = bytes;
        status = ::RegQueryValueExW(key, valueName.c_str(), nullptr, nullptr, data.data(), &size);
        bytes = size;
        ::RegCloseKey(key);
    }
    const auto result = static_cast<uint32_t>(status);
#else
    const uint32_t result = NordwispMachine_GetUserValue(path.c_str(), valueName.c_str(), nullptr, data.data(), &bytes);
#endif
    data.resize(result == 0 ? bytes : 0);
    return data;
}

std::string IndexText(const NwString& path, const NwString& valueName) {
    const std::vector<std::uint8_t> data = IndexValue(path, valueName);
    NwString text(data.size() / sizeof(NWCHAR), 0);
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<NWCHAR>(data[2 * i] | data[2 * i + 1] << 8);
    while (!text.empty() && text.back() == 0) text.pop_back();
    return ToUtf8(text);
}

bool IndexFlag(const NwString& path, const NwString& valueName) {
    const std::vector<std::uint8_t> data = IndexValue(path, valueName);
    return data.size() == 4 && (data[0] | data[1] | data[2] | data[3]) != 0;
}

// "Modified" is a SYSTEMTIME: eight 16-bit fields, day of week third.
std::string IndexTime(const NwString& path) {
    const std::vector<std::uint8_t> data = IndexValue(path, FromUtf8("Modified"));
    if (data.size() != 16) return {};
    const auto field = [&](int i) { return data[2 * i] | data[2 * i + 1] << 8; };
    char text[64];  // room for any 16-bit fields
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", field(0), field(1), field(3), field(4),
                  field(5), field(6));
    return text;
}

// Every profile of the index, the hidden ones too.
std::vector<ProfileEntry> ListProfiles(const NwString& printer) {
    const NwString index = FromUtf8("SOFTWARE\\Kelmora Works\\") + printer + FromUtf8("\\Profiles");
    std::vector<ProfileEntry> entries;
    NwString key;
    for (uint32_t i = 0; EnumIndexKey(index, i, key) == 0; ++i) {
        const NwString path = index + FromUtf8("\\") + key;
        ProfileEntry entry{IndexText(path, FromUtf8("Name")),     IndexText(path, FromUtf8("Description")),
                           IndexText(path, FromUtf8("Filename")), IndexFlag(path, FromUtf8("Shared")),
                           IndexFlag(path, FromUtf8("Hidden")),   IndexTime(path)};
        if (entry.name.empty()) entry.name = ToUtf8(key);
        entries.push_back(std::move(entry));
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
    // The printer and its module must be there, whatever the index holds.
    std::uint32_t count = 0;
    if (!GetNumberOfProfiles(printer.c_str(), &count))
        Fail("cannot list the profiles: the printer or its configuration module is not available");
    const std::vector<ProfileEntry> entries = ListProfiles(printer);
    const std::string selected = Selected(printer);
    if (options.json) {
        nlohmann::json list = nlohmann::json::array();
        for (const ProfileEntry& entry : entries)
            list.push_back({{"name", entry.name},
                            {"description", entry.description},
                            {"file", entry.file},
                            {"shared", entry.shared},
                            {"hidden", entry.hidden},
                            {"modified", entry.modified},
                            {"selected", entry.name == selected}});
        std::cout << list.dump(2) << "\n";
        return;
    }
    for (const ProfileEntry& entry : entries) {
        std::string description = entry.description;
        for (char& c : description)
            if (c == '\n' || c == '\r') c = ' ';
        std::cout << (entry.name == selected ? "* " : "  ") << entry.name << "\t" << description << "\t" << entry.file
                  << "\t" << entry.modified << (entry.shared ? "\tshared" : "") << (entry.hidden ? "\thidden" : "")
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
