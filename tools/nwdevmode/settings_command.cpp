// nwdevmode settings PRINTER [--filter TEXT] [--json]   every setting and its value
// nwdevmode get PRINTER NAME...                          some settings' values
// nwdevmode set PRINTER NAME=VALUE...                    change settings
// Settings are named by the catalog ("pdf.open-zoom", "record.orientation").
// "set" checks every value before it writes anything, and saves the record
// once for all its record settings. With --offline the printer's registry
// settings are reached by its name alone, without the spooler (a printer not
// installed yet, or a machine whose spooler is down).
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <winspool.h>

#include <cstring>
#else
#include "nordwisp/NordwispMachine.h"
#endif

#include "catalog.h"
#include "command.h"
#include "setting_values.h"
#include "text.h"

namespace nwtool {
namespace {

const char* PlaceName(Place place) { return place == Place::Record ? "record" : "registry"; }

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Switch: return "switch";
        case Kind::Number: return "number";
        case Kind::Text: return "text";
        case Kind::Password: return "password";
        case Kind::Font: return "font";
        case Kind::Area: return "area";
        case Kind::Hex: return "hex";
    }
    return "";
}

struct SettingsOptions {
    std::string printer;
    std::string filter;
    std::vector<std::string> names;
    std::string scope = "user";
    bool json = false;
    bool offline = false;
    std::vector<const Setting*> wanted;  // get
    std::vector<NewValue> values;        // set
};

// The record the settings are read and written through: the printer's, or
// with --offline one made in memory that only names the printer.
class SettingsRecord {
public:
    explicit SettingsRecord(const SettingsOptions& options) {
        if (!options.offline && options.scope == "default") {
            LoadDefault(options.printer);
            return;
        }
        if (!options.offline) {
            loaded_ = LoadRecord(options.printer);
            return;
        }
        const NwString name = FromUtf8(options.printer);
        // The registry key is named from the record's 32-character device name.
        if (name.empty() || name.size() >= sizeof offline_->DM.dmDeviceName / sizeof(NWCHAR))
            Fail("--offline needs a printer name of 1 to 31 characters", kExitUsage);
        offline_ = std::make_unique<NordwispDEVMODE>();
        offline_->DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
        offline_->DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
        offline_->DM.dmDriverVersion = NW_SUPPORTED_DRIVER_VERSION;
        name.copy(offline_->DM.dmDeviceName, name.size());
    }
    NordwispDEVMODE* get() const { return offline_ ? offline_.get() : loaded_.get(); }

private:
    // The printer's global default, not the user's record that loading gives
    // once the user has saved one.
    void LoadDefault(const std::string& printer) {
        const NwString name = FromUtf8(printer);
#ifdef _WIN32
        HANDLE handle = nullptr;
        PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ACCESS_USE};
        if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &handle, &access))
            Fail("no such printer \"" + printer + "\"");
        DWORD needed = 0;
        GetPrinterW(handle, 8, nullptr, 0, &needed);
        std::vector<BYTE> info(needed + sizeof(PRINTER_INFO_8W));
        const bool read = GetPrinterW(handle, 8, info.data(), static_cast<DWORD>(info.size()), &needed) != 0;
        ClosePrinter(handle);
        const DEVMODEW* stored = read ? reinterpret_cast<const PRINTER_INFO_8W*>(info.data())->pDevMode : nullptr;
        if (stored == nullptr || stored->dmSize + stored->dmDriverExtra != sizeof(NordwispDEVMODE))
            Fail("the printer \"" + printer + "\" has no default record of this driver");
        offline_ = std::make_unique<NordwispDEVMODE>();
        std::memcpy(offline_.get(), stored, sizeof(NordwispDEVMODE));
#else
        loaded_.reset(NordwispMachine_LoadDefaultRecord(name.c_str()));
        if (!loaded_) FailWithLastError("cannot load the default record of \"" + printer + "\"");
#endif
    }

    RecordPtr loaded_{nullptr, &ReleaseNordwispDEVMODE};
    std::unique_ptr<NordwispDEVMODE> offline_;
};

// Record settings live in the spooler's record, which --offline has not.
bool Reachable(const Setting& setting, const SettingsOptions& options) {
    return !options.offline || setting.place == Place::Registry;
}

const Setting& Named(const std::string& name, const SettingsOptions& options) {
    const Setting* setting = FindSetting(name);
    if (setting == nullptr)
        Fail("no setting \"" + name + "\" (\"nwdevmode settings PRINTER\" lists them)", kExitUsage);
    if (!Reachable(*setting, options))
        Fail("setting \"" + name + "\" is in the printer's record, which --offline cannot reach", kExitUsage);
    return *setting;
}

SettingValue Read(const Setting& setting, NordwispDEVMODE* record) {
    SettingValue value;
    if (!ReadSetting(setting, record, value)) FailWithLastError("cannot read \"" + setting.name + "\"");
    return value;
}

nlohmann::ordered_json Describe(const Setting& s, const SettingValue& value) {
    nlohmann::ordered_json out;
    out["name"] = s.name;
    out["value"] = JsonValue(s, value);
    if (s.kind == Kind::Number)
        for (const NamedValue& n : s.names)
            if (n.value == value.number) out["valueName"] = n.name;
    out["place"] = PlaceName(s.place);
    out["kind"] = KindName(s.kind);
    out["accepts"] = s.setter[0] != '\0' ? Accepts(s) : "read-only";
    if (s.fallback) out["default"] = *s.fallback;
    out["getter"] = s.getter;
    if (s.setter[0] != '\0') out["setter"] = s.setter;
    return out;
}

void RunSettings(const SettingsOptions& options) {
    const SettingsRecord record(options);
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    for (const Setting& s : Catalog()) {
        if (s.name.find(options.filter) == std::string::npos || !Reachable(s, options)) continue;
        const SettingValue value = Read(s, record.get());
        if (options.json)
            all.push_back(Describe(s, value));
        else
            std::printf("%-48s %s\n", s.name.c_str(), ShownValue(s, value).c_str());
    }
    if (options.json) std::cout << all.dump(2) << "\n";
}

// Names and values are checked as soon as the command line is read, before
// a machine is prepared or a printer touched.
void CheckGet(SettingsOptions& options) {
    for (const std::string& name : options.names) options.wanted.push_back(&Named(name, options));
}

void RunGet(const SettingsOptions& options) {
    const std::vector<const Setting*>& wanted = options.wanted;
    const SettingsRecord record(options);
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    for (const Setting* s : wanted) {
        const SettingValue value = Read(*s, record.get());
        if (options.json)
            out[s->name] = JsonValue(*s, value);
        else if (wanted.size() == 1)
            std::cout << ShownValue(*s, value) << "\n";
        else
            std::cout << s->name << "=" << ShownValue(*s, value) << "\n";
    }
    if (options.json) std::cout << out.dump(2) << "\n";
}

void CheckSet(SettingsOptions& options) {
    for (const std::string& assignment : options.names) {
        const std::size_t equals = assignment.find('=');
        if (equals == std::string::npos) Fail("\"" + assignment + "\" is no NAME=VALUE", kExitUsage);
        const Setting& setting = Named(assignment.substr(0, equals), options);
        NewValue value;
        if (const auto refused = ParseValue(setting, assignment.substr(equals + 1), value))
            Fail(*refused, kExitUsage);
        options.values.push_back(std::move(value));
    }
}

void RunSet(const SettingsOptions& options) {
    const std::vector<NewValue>& values = options.values;
    const bool anyRecord = std::any_of(values.begin(), values.end(),
                                       [](const NewValue& v) { return v.setting->place == Place::Record; });
    const SettingsRecord record(options);
    for (const NewValue& value : values) {
        if (value.setting->place != Place::Record) continue;
        if (!WriteSetting(value, record.get())) FailWithLastError("cannot set \"" + value.setting->name + "\"");
        if (value.setting->readBack && Read(*value.setting, record.get()).number != value.number)
            Fail("the printer's record has no place for \"" + value.setting->name + "\" (its driver version is "
                 "older)", kExitFailure);
    }
    if (anyRecord) {
        const NwString printer = FromUtf8(options.printer);
        const bool saved = options.scope == "default" ? SaveDefaultNordwispDEVMODE(printer.c_str(), record.get())
                                                      : SaveNordwispDEVMODE(printer.c_str(), record.get());
        if (!saved) FailWithLastError("cannot save the record of \"" + options.printer + "\"");
    }
    for (const NewValue& value : values)
        if (value.setting->place == Place::Registry && !WriteSetting(value, record.get()))
            FailWithLastError("cannot set \"" + value.setting->name + "\"");
}

void AddScope(CLI::App* command, SettingsOptions& options) {
    command->add_flag("--offline", options.offline,
                      "Registry settings only, reached by the printer's name without the spooler");
    command
        ->add_option("--scope", options.scope,
                     "user: the current user's record (default); default: the printer's default record "
                     "(administrators); registry settings are always the user's")
        ->check(CLI::IsMember({"user", "default"}));
}

void SetupSettings(CLI::App& app) {
    auto options = std::make_shared<SettingsOptions>();

    auto* settings = app.add_subcommand("settings", "List every setting of a printer with its value");
    settings->add_option("PRINTER", options->printer, "Printer name")->required();
    settings->add_option("--filter", options->filter, "Only settings whose name contains this text");
    settings->add_flag("--json", options->json, "Print the settings as a JSON array");
    AddScope(settings, *options);
    settings->callback([options] { RunSettings(*options); });

    auto* get = app.add_subcommand("get", "Print the values of settings");
    get->add_option("PRINTER", options->printer, "Printer name")->required();
    get->add_option("NAME", options->names, "Setting names, e.g. record.orientation pdf.open-zoom")->required();
    get->add_flag("--json", options->json, "Print the values as a JSON object");
    AddScope(get, *options);
    get->parse_complete_callback([options] { CheckGet(*options); });
    get->callback([options] { RunGet(*options); });

    auto* set = app.add_subcommand("set", "Change settings; nothing is written unless every value is valid");
    set->add_option("PRINTER", options->printer, "Printer name")->required();
    set->add_option("NAME=VALUE", options->names, "e.g. record.orientation=landscape pdf.open-zoom=150")
        ->required();
    AddScope(set, *options);
    set->parse_complete_callback([options] { CheckSet(*options); });
    set->callback([options] { RunSet(*options); });
}

const bool registered = RegisterCommand(&SetupSettings);

}  // namespace
}  // namespace nwtool
