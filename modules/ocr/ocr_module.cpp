// The reference OCR module: the language list of the installed Tesseract
// trained data (NwOCR.h).
#include "NwOCR.h"

#include <tesseract/baseapi.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kNoError = 0;
constexpr int kFileNotFound = 2;
constexpr int kNotEnoughMemory = 8;
constexpr int kInvalidParameter = 87;
constexpr int kFunctionFailed = 1627;

// Orientation and script detection data, not a language.
constexpr char kScriptDetection[] = "osd";

bool IsLanguageCode(const std::string& name) {
    if (name.empty() || name == kScriptDetection) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

// False when Tesseract cannot be started on its data folder.
bool InstalledLanguages(std::vector<std::string>& codes) {
    tesseract::TessBaseAPI api;
    // No language: only the data folder is settled, nothing is loaded.
    if (api.Init(nullptr, nullptr) != 0) return false;
    std::vector<std::string> names;
    api.GetAvailableLanguagesAsVector(&names);
    for (const std::string& name : names)
        if (IsLanguageCode(name)) codes.push_back(name);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return true;
}

int BuildList(NwOcrChar** languages) {
    std::vector<std::string> codes;
    if (!InstalledLanguages(codes)) return kFunctionFailed;
    if (codes.empty()) return kFileNotFound;
    std::basic_string<NwOcrChar> list;
    for (const std::string& code : codes) {
        if (!list.empty()) list += NwOcrChar(';');
        list.append(code.begin(), code.end());  // ASCII only
    }
    auto* text = new NwOcrChar[list.size() + 1];
    std::copy(list.begin(), list.end(), text);
    text[list.size()] = 0;
    *languages = text;
    return kNoError;
}

}  // namespace

extern "C" NWOCR_EXPORT int NWOCR_API GetOCRLanguagesW(NwOcrChar** languages) {
    if (languages == nullptr) return kInvalidParameter;
    *languages = nullptr;
    try {
        return BuildList(languages);
    } catch (const std::bad_alloc&) {
        return kNotEnoughMemory;
    } catch (...) {
        return kFunctionFailed;
    }
}

extern "C" NWOCR_EXPORT void NWOCR_API NwOCRFreeTextW(NwOcrChar* text) { delete[] text; }
