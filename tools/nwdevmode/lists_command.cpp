// nwdevmode ftp PRINTER list|show N|add NAME|set N FIELD=VALUE...|delete N
// nwdevmode stamps PRINTER list|save NAME|load NAME|delete NAME
// The printer's FTP connections and text-stamp presets. Passwords are
// never printed, only whether one is set.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace nwtool {
namespace {

using TextGetter = int(NW_API*)(const NordwispDEVMODE*, int, NWCHAR*, int*);
using TextSetter = int(NW_API*)(NordwispDEVMODE*, int, const NWCHAR*);
using ValueGetter = int(NW_API*)(const NordwispDEVMODE*, int, int*);
using ValueSetter = int(NW_API*)(NordwispDEVMODE*, int, int);

enum class Kind { Text, Password, Number, Switch };

struct Field {
    const char* key;
    Kind kind;
    TextGetter getText = nullptr;
    TextSetter setText = nullptr;
    ValueGetter getValue = nullptr;
    ValueSetter setValue = nullptr;
};

Field TextField(const char* key, TextGetter get, TextSetter set) { return {key, Kind::Text, get, set}; }
Field PasswordField(const char* key, TextGetter get, TextSetter set) { return {key, Kind::Password, get, set}; }
Field NumberField(const char* key, ValueGetter get, ValueSetter set) {
    return {key, Kind::Number, nullptr, nullptr, get, set};
}
Field SwitchField(const char* key, ValueGetter get, ValueSetter set) {
    return {key, Kind::Switch, nullptr, nullptr, get, set};
}

const std::vector<Field>& ConnectionFields() {
    static const std::vector<Field> fields{
        TextField("name", GetFTPConnectionName, SetFTPConnectionName),
        TextField("address", GetFTPAddress, SetFTPAddress),
        NumberField("port", GetFTPPort, SetFTPPort),
        TextField("user", GetFTPUserName, SetFTPUserName),
        PasswordField("password", GetFTPPassword, SetFTPPassword),
        TextField("remote-directory", GetFTPRemoteDirectory, SetFTPRemoteDirectory),
        NumberField("security-mode", GetFTPSecurityMode, SetFTPSecurityMode),
        SwitchField("passive", IsFTPPassive, SetFTPPassive),
        TextField("proxy-address", GetFTPProxyAddress, SetFTPProxyAddress),
        NumberField("proxy-port", GetFTPProxyPort, SetFTPProxyPort),
        TextField("proxy-user", GetFTPProxyUserName, SetFTPProxyUserName),
        PasswordField("proxy-password", GetFTPProxyPassword, SetFTPProxyPassword),
        NumberField("proxy-type", GetFTPProxyType, SetFTPProxyType),
        NumberField("proxy-authentication", GetFTPProxyAuthentication, SetFTPProxyAuthentication),
        TextField("proxy-domain", GetFTPProxyDomain, SetFTPProxyDomain),
        NumberField("trust-certificate", GetFTPTrustCertificate, SetFTPTrustCertificate),
        NumberField("transfer-method", GetFTPTransferMethod, SetFTPTransferMethod),
        NumberField("existing-files-action", GetFTPExistingFilesAction, SetFTPExistingFilesAction),
        SwitchField("logging", IsFTPLogging, SetFTPLogging),
        TextField("logfile", GetFTPLogFile, SetFTPLogFile),
        SwitchField("show-success", IsFTPShowSuccessEnabled, SetFTPShowSuccess),
        SwitchField("show-error", IsFTPShowErrorEnabled, SetFTPShowError),
        SwitchField("upload-document", IsFTPUploadDocumentEnabled, SetFTPUploadDocument),
        SwitchField("upload-text", IsFTPUploadTextEnabled, SetFTPUploadText),
        SwitchField("upload-ocr", IsFTPUploadOCREnabled, SetFTPUploadOCR),
    };
    return fields;
}

// A whole text through a getter of the size protocol; nothing when missing.
template <class Read>
bool ReadWhole(Read read, NwString& text) {
    int size = 512;
    for (int attempt = 0; attempt < 3; ++attempt) {
        NwString buffer(static_cast<std::size_t>(size) / 2 + 1, NWCHAR{0});
        int bytes = size;
        if (read(buffer.data(), &bytes)) {
            text = buffer.substr(0, static_cast<std::size_t>(bytes) / 2);
            return true;
        }
        if (bytes <= size) return false;  // missing, not short
        size = bytes;
    }
    return false;
}

nlohmann::ordered_json FieldValue(const NordwispDEVMODE* record, int connection, const Field& field) {
    NwString text;
    int value = 0;
    switch (field.kind) {
        case Kind::Text:
            return ReadWhole([&](NWCHAR* b, int* s) { return field.getText(record, connection, b, s); }, text)
                       ? nlohmann::ordered_json(ToUtf8(text))
                       : nlohmann::ordered_json("");
        case Kind::Password:
            return ReadWhole([&](NWCHAR* b, int* s) { return field.getText(record, connection, b, s); }, text) &&
                           !text.empty()
                       ? "set"
                       : "unset";
        case Kind::Number: field.getValue(record, connection, &value); return value;
        case Kind::Switch: field.getValue(record, connection, &value); return value != 0;
    }
    return nullptr;
}

const Field& FindField(const std::string& key) {
    for (const Field& field : ConnectionFields())
        if (key == field.key) return field;
    Fail("unknown FTP field \"" + key + "\"", kExitUsage);
}

int ParseNumber(const std::string& text, const std::string& what) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    Fail(what + ": \"" + text + "\" is not a number", kExitUsage);
}

int ParseSwitch(const std::string& text, const std::string& what) {
    if (text == "yes" || text == "on" || text == "1") return 1;
    if (text == "no" || text == "off" || text == "0") return 0;
    Fail(what + ": \"" + text + "\" is not yes or no", kExitUsage);
}

// One FIELD=VALUE of "ftp set", its value checked against the field's kind.
struct Assignment {
    const Field* field;
    std::string text;
    int number = 0;
};

Assignment ParseAssignment(const std::string& assignment) {
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) Fail("\"" + assignment + "\" is not FIELD=VALUE", kExitUsage);
    const std::string key = assignment.substr(0, eq);
    Assignment parsed{&FindField(key), assignment.substr(eq + 1)};
    if (parsed.field->kind == Kind::Number) parsed.number = ParseNumber(parsed.text, key);
    if (parsed.field->kind == Kind::Switch) parsed.number = ParseSwitch(parsed.text, key);
    return parsed;
}

void SetField(NordwispDEVMODE* record, int connection, const Assignment& assignment) {
    const Field& field = *assignment.field;
    const int result = field.kind == Kind::Text || field.kind == Kind::Password
                           ? field.setText(record, connection, FromUtf8(assignment.text).c_str())
                           : field.setValue(record, connection, assignment.number);
    if (!result)
        FailWithLastError("cannot set " + std::string(field.key) + " of FTP connection " + std::to_string(connection));
}

struct ListOptions {
    std::string printer;
    std::string action;
    std::vector<std::string> arguments;
    bool json = false;
};

// The arguments each action takes, checked when the command line is read:
// before a machine is prepared and before any value is written.
void CheckFtpArguments(const ListOptions& options) {
    const std::string& action = options.action;
    const std::size_t count = options.arguments.size();
    if (action == "list" && count != 0) Fail("list takes no arguments", kExitUsage);
    if (action == "add" && count != 1) Fail("add needs one name", kExitUsage);
    if (action == "show" || action == "delete" || action == "set") {
        if (count == 0) Fail(action + " needs a connection number", kExitUsage);
        ParseNumber(options.arguments.front(), "connection");
    }
    if ((action == "show" || action == "delete") && count != 1)
        Fail(action + " takes one connection number", kExitUsage);
    if (action == "set" && count < 2) Fail("set needs FIELD=VALUE", kExitUsage);
    if (action == "set")
        for (std::size_t i = 1; i < count; ++i) ParseAssignment(options.arguments[i]);
}

void CheckStampArguments(const ListOptions& options) {
    const std::size_t count = options.arguments.size();
    if (options.action == "list" && count != 0) Fail("list takes no arguments", kExitUsage);
    if (options.action != "list" && count != 1) Fail(options.action + " needs one name", kExitUsage);
}

// The connection of the first argument; it must exist, since a setter
// would otherwise create one without a name.
int ConnectionArgument(const NordwispDEVMODE* record, const ListOptions& options) {
    const int connection = ParseNumber(options.arguments.front(), "connection");
    NwString name;
    if (!ReadWhole([&](NWCHAR* b, int* s) { return GetFTPConnectionName(record, connection, b, s); }, name))
        Fail("there is no FTP connection " + std::to_string(connection));
    return connection;
}

void RunFtp(const ListOptions& options) {
    const RecordPtr record = LoadRecord(options.printer);
    if (options.action == "list") {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        const int count = GetFTPConnectionCount(record.get());
        for (int index = 0; index < count; ++index) {
            const int connection = GetFTPConnectionByIndex(record.get(), index);
            if (connection == 0) continue;
            list.push_back({{"number", connection},
                            {"name", FieldValue(record.get(), connection, ConnectionFields().front())}});
        }
        if (options.json) {
            std::cout << list.dump(2) << "\n";
            return;
        }
        for (const auto& entry : list)
            std::cout << entry["number"].get<int>() << "\t" << entry["name"].get<std::string>() << "\n";
    } else if (options.action == "show") {
        const int connection = ConnectionArgument(record.get(), options);
        nlohmann::ordered_json shown = nlohmann::ordered_json::object();
        for (const Field& field : ConnectionFields()) shown[field.key] = FieldValue(record.get(), connection, field);
        if (options.json) {
            std::cout << shown.dump(2) << "\n";
            return;
        }
        for (const auto& [key, value] : shown.items()) {
            std::cout << key << "\t"
                      << (value.is_string() ? value.get<std::string>()
                          : value.is_boolean() ? (value.get<bool>() ? "yes" : "no")
                                               : value.dump())
                      << "\n";
        }
    } else if (options.action == "add") {
        const int connection = AddFTPConnection(record.get(), FromUtf8(options.arguments.front()).c_str());
        if (connection == 0) FailWithLastError("cannot add the FTP connection");
        std::cout << connection << "\n";
    } else if (options.action == "set") {
        const int connection = ConnectionArgument(record.get(), options);
        for (std::size_t i = 1; i < options.arguments.size(); ++i)
            SetField(record.get(), connection, ParseAssignment(options.arguments[i]));
    } else {
        const int connection = ConnectionArgument(record.get(), options);
        if (!DeleteFTPConnection(record.get(), connection))
            FailWithLastError("cannot delete FTP connection " + std::to_string(connection));
    }
}

void RunStamps(const ListOptions& options) {
    const RecordPtr record = LoadRecord(options.printer);
    if (options.action == "list") {
        std::vector<std::string> names;
        const int count = GetTextStampPresetCount(record.get());
        for (int index = 0; index < count; ++index) {
            NwString name;
            if (ReadWhole([&](NWCHAR* b, int* s) { return GetTextStampPresetName(record.get(), index, b, s); }, name))
                names.push_back(ToUtf8(name));
        }
        if (options.json) {
            std::cout << nlohmann::json(names).dump(2) << "\n";
            return;
        }
        for (const std::string& name : names) std::cout << name << "\n";
        return;
    }
    const std::string& name = options.arguments.front();
    const NwString wide = FromUtf8(name);
    using Operation = int(NW_API*)(NordwispDEVMODE*, const NWCHAR*);
    const Operation operation = options.action == "save"   ? AddTextStampPreset
                                : options.action == "load" ? LoadTextStampPreset
                                                           : DeleteTextStampPreset;
    if (!operation(record.get(), wide.c_str())) {
        if (Nordwisp_GetLastError() == 0 && options.action != "save")
            Fail("no text-stamp preset is named \"" + name + "\"");
        FailWithLastError("cannot " + options.action + " the text-stamp preset \"" + name + "\"");
    }
}

void SetupLists(CLI::App& app) {
    auto* ftp = app.add_subcommand("ftp", "List and change a printer's FTP connections");
    auto ftpOptions = std::make_shared<ListOptions>();
    ftp->add_option("PRINTER", ftpOptions->printer, "Printer name")->required();
    ftp->add_option("ACTION", ftpOptions->action,
                    "list | show N | add NAME | set N FIELD=VALUE... | delete N")
        ->required()
        ->check(CLI::IsMember({"list", "show", "add", "set", "delete"}));
    ftp->add_option("ARGUMENTS", ftpOptions->arguments, "The connection number, name or FIELD=VALUE pairs");
    ftp->add_flag("--json", ftpOptions->json, "Print list and show as JSON");
    ftp->parse_complete_callback([ftpOptions] { CheckFtpArguments(*ftpOptions); });
    ftp->callback([ftpOptions] { RunFtp(*ftpOptions); });

    auto* stamps = app.add_subcommand("stamps", "List, save, load and delete a printer's text-stamp presets");
    auto stampOptions = std::make_shared<ListOptions>();
    stamps->add_option("PRINTER", stampOptions->printer, "Printer name")->required();
    stamps->add_option("ACTION", stampOptions->action, "list | save NAME | load NAME | delete NAME")
        ->required()
        ->check(CLI::IsMember({"list", "save", "load", "delete"}));
    stamps->add_option("NAME", stampOptions->arguments, "The preset's name");
    stamps->add_flag("--json", stampOptions->json, "Print list as a JSON array");
    stamps->parse_complete_callback([stampOptions] { CheckStampArguments(*stampOptions); });
    stamps->callback([stampOptions] { RunStamps(*stampOptions); });
}

const bool registered = RegisterCommand(&SetupLists);

}  // namespace
}  // namespace nwtool
