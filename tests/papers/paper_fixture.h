// A machine with this driver's demo printer, its record as the current user
// loads it, and direct looks into the printer's "PapersList" key.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "devmode/record_store.h"
#include "frame/last_error.h"
#include "platform/handles.h"
#include "platform/hosted/provisioning.h"
#include "platform/win32api.h"
#include "settings/key_path.h"
#include "settings_core/registry_fixture.h"

namespace nw::test {

inline const WCHAR* const kPaperPrinter = W("Nordwisp Printer");
inline const WString kPapersList = W("SOFTWARE\\Kelmora Works\\Nordwisp Printer\\PapersList");

struct LoadedRecordRelease {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};
using LoadedRecord = std::unique_ptr<NordwispDEVMODE, LoadedRecordRelease>;

inline WString PaperKey(int position) { return kPapersList + W("\\") + settings::DecimalText(position); }

inline std::optional<DWORD> StoredDword(const WString& path, const WCHAR* name) {
    const auto raw = ReadRaw(HKEY_CURRENT_USER, path, name);
    if (!raw || raw->bytes.size() != sizeof(DWORD)) return std::nullopt;
    DWORD value;
    std::memcpy(&value, raw->bytes.data(), sizeof value);
    return value;
}

inline std::optional<WString> StoredText(const WString& path, const WCHAR* name) {
    const auto raw = ReadRaw(HKEY_CURRENT_USER, path, name);
    if (!raw) return std::nullopt;
    WString text(raw->bytes.size() / sizeof(WCHAR), 0);
    if (!text.empty()) std::memcpy(text.data(), raw->bytes.data(), text.size() * sizeof(WCHAR));
    return text;
}

inline void StoreDword(const WString& path, const WCHAR* name, DWORD value) {
    WriteRaw(HKEY_CURRENT_USER, path, name, REG_DWORD, DwordBytes(value));
}
inline void StoreText(const WString& path, const WCHAR* name, WStringView text) {
    WriteRaw(HKEY_CURRENT_USER, path, name, REG_SZ, TextBytes(text));
}

// One hand-written paper at a 1-based position; what is not given is left out.
struct StoredPaper {
    const WCHAR* title = nullptr;
    std::optional<DWORD> width;
    std::optional<DWORD> height;
    std::optional<DWORD> code;
    const WCHAR* units = nullptr;
    std::optional<DWORD> advanced;
    std::optional<DWORD> available;

    StoredPaper& Title(const WCHAR* v) { return title = v, *this; }
    StoredPaper& Width(DWORD v) { return width = v, *this; }
    StoredPaper& Height(DWORD v) { return height = v, *this; }
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

class PaperTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Nordwisp Printer", u"NORDWISP:"), 0u);
        record_.reset(nw::LoadRecord(kPaperPrinter, 0));
        ASSERT_NE(record_, nullptr);
        WCHAR name[] = W("Nordwisp Printer");
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
        ASSERT_TRUE(::OpenPrinterW(name, printer_.put(), &defaults));
        nw::SetLastErrorValue(0);
    }

    NordwispDEVMODE* record() { return record_.get(); }
    HANDLE printer() { return printer_.get(); }

    LoadedRecord record_;
    PrinterHandle printer_;
};

}  // namespace nw::test
