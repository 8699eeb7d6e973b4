// The demo printer's "PapersList" key, read and written directly.
#pragma once

#include <optional>
#include <tuple>

#include "settings/key_path.h"
#include "support/core_printer.h"
#include "support/registry.h"

namespace nw::test {

inline const WString kPapersList = PrinterKey(W("Nordwisp Printer"), W("PapersList"));

inline WString PaperKey(int position) { return kPapersList + W("\\") + settings::DecimalText(position); }

// One hand-written paper at a 1-based position; what is not given is left out.
struct StoredPaper {
    const WCHAR* title = nullptr;
    std::optional<DWORD> width, height, code;
    const WCHAR* units = nullptr;
    std::optional<DWORD> advanced, available;

    StoredPaper& Title(const WCHAR* v) { return title = v, *this; }
    StoredPaper& Size(DWORD w, DWORD h) { return width = w, height = h, *this; }
    StoredPaper& Code(DWORD v) { return code = v, *this; }
    StoredPaper& Units(const WCHAR* v) { return units = v, *this; }
    StoredPaper& Advanced(DWORD v) { return advanced = v, *this; }
    StoredPaper& Available(DWORD v) { return available = v, *this; }
};
inline void StorePaper(int position, const StoredPaper& paper) {
    const WString key = PaperKey(position);
    StoreDword(key, W("Marker"), 1);  // the subkey exists even with no other value
    if (paper.title) StoreText(key, W("Title"), paper.title);
    if (paper.width) StoreDword(key, W("Width"), *paper.width);
    if (paper.height) StoreDword(key, W("Height"), *paper.height);
    if (paper.code) StoreDword(key, W("WindowsPaperCode"), *paper.code);
    if (paper.units) StoreText(key, W("Units"), paper.units);
    if (paper.advanced) StoreDword(key, W("AdvancedPaperSize"), *paper.advanced);
    if (paper.available) StoreDword(key, W("Available"), *paper.available);
}

// A stored paper: title, width, height, code and units.
inline auto PaperAt(int position) {
    const WString key = PaperKey(position);
    return std::make_tuple(StoredText(key, W("Title")), StoredDword(key, W("Width")), StoredDword(key, W("Height")),
                           StoredDword(key, W("WindowsPaperCode")), StoredText(key, W("Units")));
}

using PaperTest = CorePrinterTest;

}  // namespace nw::test
