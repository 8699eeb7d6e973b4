#include "profiles/default_settings.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "devmode/record_store.h"
#include "platform/handles.h"
#include "profiles/default_environment.h"
#include "profiles/settings_file_keys.h"
#include "record/field_bytes.h"
#include "settings/driver_data_file.h"
#include "settings/key_path.h"
#include "settings/password_scrambling.h"
#include "settings/registry_primitives.h"

namespace nw::profiles {
namespace {

using namespace nw::accessors;

constexpr WCHAR kDefault[] = W("Default Settings");

struct Defaults {
    record::FieldBytes field;
    std::uint32_t value;
};

// What a record holds before the data file's "Default Settings" are laid
// over it; a key the file lacks keeps these.
const Defaults kFieldDefaults[] = {
    {NW_SIGNED_FIELD_BYTES(DM.dmSpecVersion), 1025},
    {NW_SIGNED_FIELD_BYTES(DM.dmSize), 220},
    {NW_SIGNED_FIELD_BYTES(DM.dmDriverExtra), 6659},
    {NW_SIGNED_FIELD_BYTES(DM.dmScale), 100},
    {NW_SIGNED_FIELD_BYTES(DM.dmCopies), 1},
    {NW_SIGNED_FIELD_BYTES(DM.dmDefaultSource), 7},
    {NW_SIGNED_FIELD_BYTES(DM.dmDuplex), 1},
    {NW_SIGNED_FIELD_BYTES(DM.dmTTOption), 2},
    {NW_FIELD_BYTES(DM.dmPelsWidth), 2550},
    {NW_FIELD_BYTES(DM.dmPelsHeight), 3300},
    {NW_SIGNED_FIELD_BYTES(DM.dmPaperSize), 1},
    {NW_SIGNED_FIELD_BYTES(DM.dmPaperWidth), 2159},
    {NW_SIGNED_FIELD_BYTES(DM.dmPaperLength), 2794},
    {NW_SIGNED_FIELD_BYTES(DM.dmPrintQuality), 300},
    {NW_SIGNED_FIELD_BYTES(DM.dmYResolution), 300},
    {NW_SIGNED_FIELD_BYTES(DM.dmOrientation), 1},
    {NW_FIELD_BYTES(Options), 0x6E022},
    {NW_FIELD_BYTES(PageWidthInPixels), 2550},
    {NW_FIELD_BYTES(PageHeightInPixels), 3300},
    {NW_FIELD_BYTES(LossRatio), 100},
    {NW_FIELD_BYTES(Dithering), 1},
    {NW_FIELD_BYTES(Brightness), 100},
    {NW_FIELD_BYTES(StartFlags), 10},
    {NW_FIELD_BYTES(WatermarkFlags), 272},
    {NW_FIELD_BYTES(WatermarkBrightnessLandscape), 40},
    {NW_FIELD_BYTES(WatermarkBrightnessPortrait), 40},
    {NW_FIELD_BYTES(AnnotationFlags), 0x108F408},
    {NW_FIELD_BYTES(PDFCompressionFlags), 512},
    {NW_FIELD_BYTES(TextOutputFormat), 2},
    {NW_FIELD_BYTES(OneDBarcodeSubtype), 2},
    {NW_FIELD_BYTES(OneDMinimalBarWidth), 4},
    {NW_FIELD_BYTES(OneDMinimalSpaceWidth), 4},
    {NW_FIELD_BYTES(OneDRatio), 4},
    {NW_FIELD_BYTES(OneDQuietZone), 4},
    {NW_FIELD_BYTES(QRErrorCorrectionLevel), 2},
    {NW_FIELD_BYTES(QRModuleSize), 8},
    {NW_FIELD_BYTES(QRQuietZone), 8},
    {NW_FIELD_BYTES(DMModuleSize), 10},
    {NW_FIELD_BYTES(DMQuietZone), 1},
    {NW_FIELD_BYTES(DMAppendIndex), 1},
    {NW_FIELD_BYTES(DMAppendTotal), 2},
    {NW_FIELD_BYTES(P417ErrorCorrectionLevel), 9},
    {NW_FIELD_BYTES(P417QuietZone), 1},
    {NW_FIELD_BYTES(P417ColWidth), 4},
    {NW_FIELD_BYTES(P417ColHeight), 48},
};

constexpr WCHAR kCustomTemplate[] = W("<<DOCNAME>><<NONE>>.<<ORIGINAL>>");

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { ReleaseRecord(record); }
};

WString DriverDirectory() {
    std::vector<WCHAR> buffer(MAX_PATH + 1, 0);
    DWORD needed = 0;
    if (!::GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(buffer.data()),
                                      static_cast<DWORD>(buffer.size() * sizeof(WCHAR)), &needed))
        return WString();
    return WString(buffer.data(), settings::BoundedLength(buffer.data(), buffer.size()));
}

WString TempFolder() {
    std::vector<WCHAR> buffer(MAX_PATH + 1, 0);
    const DWORD n = ::GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    return n > 0 && n < buffer.size() ? WString(buffer.data(), n) : WString();
}

void CopyText(NordwispDEVMODE* to, const NordwispDEVMODE* from, const record::TextField& field) {
    field.Set(to, field.Get(from));
}

// The colour of a "BitsPerPixel" text, as the driver's defaults read it.
void ApplyDefaultColor(NordwispDEVMODE* record, WStringView text) {
    const bool gray = text.size() >= 3 && WString(text) == W("8gray");
    std::uint32_t bits = 24;
    if (text.size() < 3) bits = static_cast<std::uint32_t>(settings::DecimalToInt(WString(text).c_str()));
    if (gray) bits = 8;
    NW_FIELD_BYTES(DM.dmBitsPerPel).Write(record, bits);
    std::uint32_t depth = gray ? 1 : (bits == 8 ? 2 : 3);
    std::int32_t color = 2;
    if (bits == 1) {
        depth = 0;
        color = 1;
    }
    NW_FIELD_BYTES(ColorDepth).Write(record, depth);
    NW_SIGNED_FIELD_BYTES(DM.dmColor).Write(record, static_cast<std::uint32_t>(color));
}

// The clear passwords of the data file go into its encoded keys, so that
// the file no longer holds them readable.
void EncodeClearPasswords(const WCHAR* dataFile) {
    struct Pair {
        WString section;
        const WCHAR* clear;
        const WCHAR* encoded;
    };
    std::vector<Pair> pairs = {
        {W("PDF Settings"), W("Document User Password"), W("Document User Password Encoded")},
        {W("PDF Settings"), W("Document Owner Password"), W("Document Owner Password Encoded")},
        {W("Email Settings"), W("SMTP Password"), W("SMTP Encoded Password")},
        {W("Post Print Options"), W("SharePoint Pass"), W("SharePoint Encoded Pass")},
    };
    SettingsFile file(dataFile);
    for (std::int32_t n = 1; n <= 1000; ++n) {
        const WString section = W("FTP Connection ") + settings::DecimalText(n);
        if (file.ReadText(section.c_str(), W("FTP Connection Name"), W(""), 260).empty()) break;
        pairs.push_back({section, W("FTP Password"), W("FTP Encoded Password")});
        pairs.push_back({section, W("FTP Proxy User Password"), W("FTP Proxy User Encoded Password")});
    }
    for (const Pair& pair : pairs) {
        const WString clear = file.ReadText(pair.section.c_str(), pair.clear, W(""), 1024);
        if (clear.empty()) continue;
        file.WriteText(pair.section.c_str(), pair.encoded, EncodePassword(clear).c_str());
        file.WriteText(pair.section.c_str(), pair.clear, W(""));
    }
    file.Commit();
}

bool BuildDefaults(const WCHAR* printerName, NordwispDEVMODE* record) {
    PrinterHandle printer;
    if (!::OpenPrinterW(const_cast<LPWSTR>(printerName), printer.put(), nullptr)) return false;
    const std::unique_ptr<NordwispDEVMODE, RecordRelease> defaults(LoadGlobalDefaultDEVMODE(printerName));
    if (!defaults) return false;

    const WString name(printerName, settings::BoundedLength(printerName, 31));
    NW_RECORD_TEXT(DM.dmDeviceName).Set(record, name);
    const WString dataFile = settings::DriverDataFile(record);
    if (dataFile.empty()) return false;

    for (const Defaults& d : kFieldDefaults) d.field.Write(record, d.value);
    record::DriverVersion.Set(record, record::DriverVersion.Get(defaults.get()));
    record::PrinterType.Set(record, record::PrinterType.Get(defaults.get()));
    record::PrinterID.Set(record, record::PrinterID.Get(defaults.get()));
    NW_FIELD_BYTES(FileFormat).Write(record, NW_FIELD_BYTES(FileFormat).ReadBits(defaults.get()));
    record::Manufacturer.Set(record, W("Kelmora Works"));
    CopyText(record, defaults.get(), NW_RECORD_TEXT(InterfaceName));
    CopyText(record, defaults.get(), NW_RECORD_TEXT(ResourceDLLName));
    const WString driverFolder = DriverDirectory();
    NW_RECORD_TEXT(TIFFDLLName).Set(record, driverFolder + W("\\3\\tiff32.dll"));
    NW_RECORD_TEXT(JPEGDLLName).Set(record, driverFolder + W("\\3\\jpeg32.dll"));
    record::OutputDirectory.Set(record, TempFolder());
    record::ImageFileName.Set(record, kCustomTemplate);
    SetStartParamCodesFromText(record, W("12345680"));
    WritePrinterDword(record, settings::kVendorKey, W("%s\\Resolutions"), W("Number of Resolutions"), 0);

    {
        const SettingsFile file(dataFile.c_str());
        const ImportContext in{printer.get(), record, file, 0};
        ApplyRecordRows(in);
        if (NW_FIELD_BYTES(FileGenerationMethod).Read(record) != 7 && !file.Has(kDefault, W("FixedFileName")))
            record::ImageFileName.Set(record, WString());
        ApplyDefaultColor(record, file.ReadText(kDefault, W("BitsPerPixel"), W("24"), 9));
    }
    StoreForcedResolutionAndOffsets(record);

    EncodeClearPasswords(dataFile.c_str());
    const SettingsFile file(dataFile.c_str());
    ImportSettings(file, printer.get(), record, 0);
    return true;
}

}  // namespace

NordwispDEVMODE* CreateDefaultSettings(const WCHAR* printerName) {
    if (printerName == nullptr) return nullptr;
    auto* record = static_cast<NordwispDEVMODE*>(::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, record::kRecordSize));
    if (record == nullptr) return nullptr;
    if (!BuildDefaults(printerName, record)) {
        ::GlobalFree(record);
        return nullptr;
    }
    return record;
}

}  // namespace nw::profiles
