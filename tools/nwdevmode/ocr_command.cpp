// nwdevmode ocr PRINTER languages [--json] : the languages of the printer's
// OCR module.
#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace nwtool {
namespace {

constexpr std::uint32_t kBufferTooSmall = 122;

struct OcrOptions {
    std::string printer;
    std::string action;
    bool json = false;
};

// The module's whole list; asked again should it grow between the calls.
NwString LanguageList(const std::string& printer) {
    const RecordPtr record = LoadRecord(printer);
    const std::string what = "cannot list the OCR languages of \"" + printer + "\"";
    int size = 0;
    if (GetOCRSupportedLanguages(record.get(), nullptr, &size) == 0 && Nordwisp_GetLastError() != kBufferTooSmall)
        FailWithLastError(what);
    for (int attempt = 0; attempt < 3; ++attempt) {
        NwString text(static_cast<std::size_t>(size), NWCHAR{0});
        if (GetOCRSupportedLanguages(record.get(), text.data(), &size) != 0) {
            text.resize(static_cast<std::size_t>(size) - 1);
            return text;
        }
        if (Nordwisp_GetLastError() != kBufferTooSmall) break;
    }
    FailWithLastError(what);
}

// The reference module separates its codes with ";".
std::vector<std::string> SplitList(const NwString& list) {
    std::vector<std::string> codes;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(NWCHAR(';'), start);
        if (end == NwString::npos) end = list.size();
        if (end > start) codes.push_back(ToUtf8(list.substr(start, end - start)));
        start = end + 1;
    }
    return codes;
}

void RunOcr(const OcrOptions& options) {
    const std::vector<std::string> codes = SplitList(LanguageList(options.printer));
    if (options.json) {
        std::cout << nlohmann::json(codes).dump(2) << "\n";
        return;
    }
    for (const std::string& code : codes) std::cout << code << "\n";
}

void SetupOcr(CLI::App& app) {
    auto* ocr = app.add_subcommand("ocr", "Ask a printer's OCR module");
    auto options = std::make_shared<OcrOptions>();
    ocr->add_option("PRINTER", options->printer, "Printer name")->required();
    ocr->add_option("ACTION", options->action, "languages: the languages the module recognises")
        ->required()
        ->check(CLI::IsMember({"languages"}));
    ocr->add_flag("--json", options->json, "Print a JSON array of language codes");
    ocr->callback([options] { RunOcr(*options); });
}

const bool registered = RegisterCommand(&SetupOcr);

}  // namespace
}  // namespace nwtool
