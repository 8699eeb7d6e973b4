#include "settings/ocr_languages.h"

#include "settings/registry_primitives.h"

namespace nw::settings {

int WriteOcrLanguages(const NordwispDEVMODE* record, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView given(text);
    if (given.size() > ocr::Languages.maxChars) return 0;
    WString normalised;
    for (WCHAR c : given) {
        if (c == ' ') continue;
        normalised.push_back(c == ',' || c == ';' ? WCHAR('+') : c);
    }
    return WritePrinterString(record, kVendorKey, ocr::Languages.subKey, ocr::Languages.name, normalised.c_str());
}

}  // namespace nw::settings
