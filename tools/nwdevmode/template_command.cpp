// nwdevmode template check TEMPLATE [--json]
// nwdevmode template preview TEMPLATE [--doc NAME] [--ext EXT] [--page N]
//                            [--counter N] [--dir DIR] [--user NAME] [--bates TEXT] [--json]
// Checks a custom file-name template, or shows the file name it would give.
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#ifndef _WIN32
#include <unistd.h>

#include "nordwisp/NordwispMachine.h"
#endif

namespace nwtool {
namespace {

struct PreviewOptions {
    std::string templateText;
    std::string document;
    std::string extension;
    std::string directory;
    std::string user;
    std::string bates;
    int page = 0;
    int counter = 1;
    bool json = false;
};

// The status of a name that could not be built (the directory leaves no room).
constexpr std::uint32_t kNoName = 112;

const char* TemplateMeaning(int code) {
#ifdef _WIN32
    return code == 0 ? "valid" : nullptr;
#else
    return NordwispMachine_TemplateMeaning(code);
#endif
}

std::string CodeInWords(int code, const char* meaning) {
    return std::to_string(code) + ": " + (meaning != nullptr ? meaning : "unknown");
}

void RunCheck(const std::string& templateText, bool json) {
    // The validation export wants a record; an empty one in memory will do.
    auto record = std::make_unique<NordwispDEVMODE>();
    record->DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
    record->DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
    const NwString wide = FromUtf8(templateText);
    const int code = IsCustomFilenameTemplateValid(record.get(), wide.c_str());
    const char* meaning = TemplateMeaning(code);
    if (json)
        std::cout << nlohmann::ordered_json{{"template", templateText}, {"valid", code == 0}, {"code", code},
                                            {"meaning", meaning != nullptr ? meaning : "unknown"}}
                         .dump(2)
                  << "\n";
    else
        std::cout << CodeInWords(code, meaning) << "\n";
    // Scripts can test the exit code; the reason is already on stdout.
    if (code != 0) throw CLI::RuntimeError("", kExitFailure);
}

#ifndef _WIN32

std::string CurrentUserName() {
    const char* name = std::getenv("NORDWISP_USER_NAME");
    if (name != nullptr && *name != 0) return name;
    name = std::getenv("USER");
    return name != nullptr ? name : "";
}

void RunPreview(const PreviewOptions& options) {
    const NwString templateText = FromUtf8(options.templateText);
    const NwString document = FromUtf8(options.document);
    const NwString extension = FromUtf8(options.extension);
    // Without --dir the preview looks at the current folder: an empty
    // directory names no folder and would report 112.
    const NwString directory =
        FromUtf8(options.directory.empty() ? std::filesystem::current_path().string() : options.directory);
    const NwString user = FromUtf8(options.user.empty() ? CurrentUserName() : options.user);
    const NwString bates = FromUtf8(options.bates);

    const NordwispMachineFileName request{templateText.c_str(), document.c_str(), extension.c_str(), user.c_str(),
                                          directory.c_str(),    bates.c_str(),    options.page,      options.counter};
    std::vector<NWCHAR> name(NORDWISP_MACHINE_FILE_NAME_CHARS, 0);
    std::uint32_t status = 0;
    const std::uint32_t error =
        NordwispMachine_PreviewFileName(&request, name.data(), static_cast<std::uint32_t>(name.size()), &status);
    if (error != 0) Fail("cannot preview the file name: " + DescribeError(error));
    const char* meaning = NordwispMachine_FileNameStatusMeaning(status);
    if (options.json) {
        std::cout << nlohmann::ordered_json{{"name", ToUtf8(name.data())},
                                            {"status", status},
                                            {"meaning", meaning != nullptr ? meaning : "unknown"}}
                         .dump(2)
                  << "\n";
    } else {
        std::cout << ToUtf8(name.data()) << "\n";
        std::cout << "status " << CodeInWords(static_cast<int>(status), meaning) << "\n";
    }
    if (status == kNoName) throw CLI::RuntimeError("", kExitFailure);
}
#endif

void SetupTemplate(CLI::App& app) {
    auto* command = app.add_subcommand("template", "Check custom file-name templates and preview their names");
    command->require_subcommand(1);

    auto checkTemplate = std::make_shared<std::string>();
    auto checkJson = std::make_shared<bool>(false);
    auto* check = command->add_subcommand("check", "Print the validation code of a template and its meaning "
                                                   "(exit code 1 when it is not valid)");
    check->add_option("TEMPLATE", *checkTemplate, "The template, e.g. \"<<DOCNAME>><<NONE>>.<<ORIGINAL>>\"")
        ->required();
    check->add_flag("--json", *checkJson, "Print the result as a JSON object");
    check->callback([checkTemplate, checkJson] { RunCheck(*checkTemplate, *checkJson); });

#ifndef _WIN32

    auto options = std::make_shared<PreviewOptions>();
    auto* preview = command->add_subcommand(
        "preview", "Print the file name a template gives and the generation status; an existing file in --dir "
                   "makes it numbered (exit code 1 when no name could be built)");
    preview->add_option("TEMPLATE", options->templateText, "The template (an invalid one falls back to the default)")
        ->required();
    preview->add_option("--doc", options->document, "Document name (default \"DocumentName\")");
    preview->add_option("--ext", options->extension, "Document extension, for <<ORIGINAL>>");
    preview->add_option("--page", options->page, "Page number, for <<PAGENUM>>");
    preview->add_option("--counter", options->counter, "Counter, for <<COUNTER>>")->capture_default_str();
    preview->add_option("--dir", options->directory, "Output directory");
    preview->add_option("--user", options->user, "User name (default: the current user)");
    preview->add_option("--bates", options->bates, "Bates number text (default \"1\")");
    preview->add_flag("--json", options->json, "Print the name and status as a JSON object");
    preview->callback([options] { RunPreview(*options); });
#endif
}

const bool registered = RegisterCommand(&SetupTemplate);

}  // namespace
}  // namespace nwtool
