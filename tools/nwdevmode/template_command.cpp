// nwdevmode template check TEMPLATE
// nwdevmode template preview TEMPLATE [--doc NAME] [--ext EXT] [--page N]
//                            [--counter N] [--dir DIR] [--user NAME] [--bates TEXT]
// Checks a custom file-name template, or shows the file name it would give.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "naming/file_name_generator.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

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
};

std::string CodeInWords(int code, const char* meaning) {
    return std::to_string(code) + ": " + (meaning != nullptr ? meaning : "unknown");
}

void RunCheck(const std::string& templateText) {
    // The validation export wants a record; an empty one in memory will do.
    auto record = std::make_unique<NordwispDEVMODE>();
    record->DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
    record->DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
    const std::u16string wide = FromUtf8(templateText);
    const int code = IsCustomFilenameTemplateValid(record.get(), wide.c_str());
    std::cout << CodeInWords(code, nw::naming::ValidationMeaning(code)) << "\n";
    // Scripts can test the exit code; the reason is already on stdout.
    if (code != nw::naming::kTemplateValid) throw CLI::RuntimeError("", kExitFailure);
}

std::u16string CurrentUserName() {
    std::vector<WCHAR> name(257, 0);
    DWORD size = static_cast<DWORD>(name.size());
    if (!::GetUserNameW(name.data(), &size)) return {};
    return std::u16string(name.data());
}

void RunPreview(const PreviewOptions& options) {
    const std::u16string templateText = FromUtf8(options.templateText);
    const std::u16string document = FromUtf8(options.document);
    const std::u16string extension = FromUtf8(options.extension);
    // Without --dir the preview looks at the current folder: an empty
    // directory names no folder and would report 112.
    const std::u16string directory =
        FromUtf8(options.directory.empty() ? std::filesystem::current_path().string() : options.directory);
    const std::u16string user = options.user.empty() ? CurrentUserName() : FromUtf8(options.user);
    const std::u16string bates = FromUtf8(options.bates);

    auto generator = std::make_unique<nw::naming::FileNameGenerator>();
    generator->SetTemplate(templateText.c_str());
    std::vector<WCHAR> name(nw::naming::FileNameGenerator::kExpansionSize, 0);
    const DWORD status =
        generator->Generate(name.data(), name.size(), document.c_str(), extension.c_str(), user.c_str(), options.page,
                            options.counter, directory.c_str(), nw::naming::kCollisionNumbering, bates.c_str());
    std::cout << ToUtf8(std::u16string(name.data())) << "\n";
    std::cout << "status " << CodeInWords(static_cast<int>(status), nw::naming::GenerationStatusMeaning(status))
              << "\n";
}

void SetupTemplate(CLI::App& app) {
    auto* command = app.add_subcommand("template", "Check custom file-name templates and preview their names");
    command->require_subcommand(1);

    auto checkTemplate = std::make_shared<std::string>();
    auto* check = command->add_subcommand("check", "Print the validation code of a template and its meaning "
                                                   "(exit code 1 when it is not valid)");
    check->add_option("TEMPLATE", *checkTemplate, "The template, e.g. \"<<DOCNAME>><<NONE>>.<<ORIGINAL>>\"")
        ->required();
    check->callback([checkTemplate] { RunCheck(*checkTemplate); });

    auto options = std::make_shared<PreviewOptions>();
    auto* preview = command->add_subcommand(
        "preview", "Print the file name a template gives and the generation status; an existing file in --dir "
                   "makes it numbered");
    preview->add_option("TEMPLATE", options->templateText, "The template (an invalid one falls back to the default)")
        ->required();
    preview->add_option("--doc", options->document, "Document name (default \"DocumentName\")");
    preview->add_option("--ext", options->extension, "Document extension, for <<ORIGINAL>>");
    preview->add_option("--page", options->page, "Page number, for <<PAGENUM>>");
    preview->add_option("--counter", options->counter, "Counter, for <<COUNTER>>")->capture_default_str();
    preview->add_option("--dir", options->directory, "Output directory");
    preview->add_option("--user", options->user, "User name (default: the current user)");
    preview->add_option("--bates", options->bates, "Bates number text (default \"1\")");
    preview->callback([options] { RunPreview(*options); });
}

const bool registered = RegisterCommand(&SetupTemplate);

}  // namespace
}  // namespace nwtool
