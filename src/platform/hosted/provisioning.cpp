#include "platform/hosted/provisioning.h"

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"
#include "platform/handles.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/spooler.h"
#include "platform/hosted/spooler_jobs.h"
#include "platform/hosted/spooler_store.h"

namespace nw::hosted {
namespace {

using spooler::Bytes;

constexpr char16_t kVendorIdsKey[] = u"SOFTWARE\\Kelmora Works\\PrinterIDs";
constexpr char16_t kManufacturer[] = u"Kelmora Works";
constexpr DWORD kNordwispDriverVersion = NW_SUPPORTED_DRIVER_VERSION;
// Options: the driver's default flags, PackedResolution kept up to date.
constexpr std::int64_t kDefaultOptions = 0x6E022 | 0x1000000;
constexpr DWORD kPublicFields = DM_ORIENTATION | DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH | DM_SCALE |
                                DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX |
                                DM_YRESOLUTION | DM_TTOPTION | DM_COLLATE | DM_FORMNAME | DM_BITSPERPEL;

// A number stored at a fixed place of a record, in its own width.
struct NumberDefault {
    std::size_t offset;
    std::size_t width;
    std::int64_t value;
};
#define NW_PUBLIC(member, value) \
    NumberDefault { offsetof(NW_DEVMODEW, member), sizeof(NW_DEVMODEW::member), value }
#define NW_PRIVATE(member, value) \
    NumberDefault { offsetof(NordwispDEVMODE, member), sizeof(NordwispDEVMODE::member), value }

// The public part every printer's default record starts from: Letter,
// portrait, 300 DPI, colour.
constexpr NumberDefault kPublicDefaults[] = {
    NW_PUBLIC(dmSpecVersion, DM_SPECVERSION),
    NW_PUBLIC(dmDriverVersion, 0x100),
    NW_PUBLIC(dmSize, sizeof(NW_DEVMODEW)),
    NW_PUBLIC(dmFields, kPublicFields),
    NW_PUBLIC(dmOrientation, 1),
    NW_PUBLIC(dmPaperSize, 1),
    NW_PUBLIC(dmPaperLength, 2794),
    NW_PUBLIC(dmPaperWidth, 2159),
    NW_PUBLIC(dmScale, 100),
    NW_PUBLIC(dmCopies, 1),
    NW_PUBLIC(dmDefaultSource, 7),
    NW_PUBLIC(dmPrintQuality, 300),
    NW_PUBLIC(dmColor, 2),
    NW_PUBLIC(dmDuplex, 1),
    NW_PUBLIC(dmYResolution, 300),
    NW_PUBLIC(dmTTOption, 2),
    NW_PUBLIC(dmBitsPerPel, 24),
    NW_PUBLIC(dmPelsWidth, 2550),
    NW_PUBLIC(dmPelsHeight, 3300),
};

// This driver's defaults, the same values its data file's "Default
// Settings" give.
constexpr NumberDefault kPrivateDefaults[] = {
    NW_PUBLIC(dmDriverVersion, kNordwispDriverVersion),
    NW_PUBLIC(dmDriverExtra, NW_DEVMODE_PRIVATE_SIZE),
    NW_PRIVATE(Options, kDefaultOptions),
    NW_PRIVATE(ColorDepth, 3),
    NW_PRIVATE(LossRatio, 100),
    NW_PRIVATE(Dithering, 1),
    NW_PRIVATE(Brightness, 100),
    NW_PRIVATE(PageWidthInPixels, 2550),
    NW_PRIVATE(PageHeightInPixels, 3300),
    NW_PRIVATE(StartFlags, 10),
    NW_PRIVATE(PackedResolution, (300 << 16) | 300),
    NW_PRIVATE(WatermarkFlags, 272),
    NW_PRIVATE(WatermarkBrightnessLandscape, 40),
    NW_PRIVATE(WatermarkBrightnessPortrait, 40),
    NW_PRIVATE(AnnotationFlags, 0x108F408),
    NW_PRIVATE(PDFCompressionFlags, 512),
    NW_PRIVATE(PrinterType, NORDWISP_MACHINE_PRINTER_TYPE),
    NW_PRIVATE(OneDBarcodeSubtype, 2),
    NW_PRIVATE(OneDMinimalBarWidth, 4),
    NW_PRIVATE(OneDMinimalSpaceWidth, 4),
    NW_PRIVATE(OneDRatio, 4),
    NW_PRIVATE(OneDQuietZone, 4),
    NW_PRIVATE(QRErrorCorrectionLevel, 2),
    NW_PRIVATE(QRModuleSize, 8),
    NW_PRIVATE(QRQuietZone, 8),
    NW_PRIVATE(DMModuleSize, 10),
    NW_PRIVATE(DMQuietZone, 1),
    NW_PRIVATE(DMAppendIndex, 1),
    NW_PRIVATE(DMAppendTotal, 2),
    NW_PRIVATE(P417ErrorCorrectionLevel, 9),
    NW_PRIVATE(P417QuietZone, 1),
    NW_PRIVATE(P417ColWidth, 4),
    NW_PRIVATE(P417ColHeight, 48),
    NW_PRIVATE(TextOutputFormat, 2),
    NW_PRIVATE(NUp, 1),
};
#undef NW_PUBLIC
#undef NW_PRIVATE

// Start-application parameter order "12345680".
constexpr std::uint16_t kStartParamCodes[8] = {1, 2, 3, 4, 5, 6, 8, 0};

// Papers the data file ships: title, code, width, height, units text.
struct Paper {
    const char* title;
    int code;
    int width;
    int height;
    const char* units;
};
constexpr Paper kPapers[] = {
    {"Letter", 1, 850, 1100, "Inches"},       {"Legal", 5, 850, 1400, "Inches"},
    {"Executive", 7, 725, 1050, "Inches"},    {"Tabloid", 3, 1100, 1700, "Inches"},
    {"Statement", 6, 550, 850, "Inches"},     {"A3", 8, 2970, 4200, "MM"},
    {"A4", 9, 2100, 2970, "MM"},              {"A5", 11, 1480, 2100, "MM"},
    {"A6", 70, 1050, 1480, "MM"},             {"B5 (JIS)", 13, 1820, 2570, "MM"},
    {"Envelope #10", 20, 412, 950, "Inches"}, {"Envelope DL", 27, 1100, 2200, "MM"},
};

// "Default Settings" of the data file, matching the default record.
constexpr const char* kDefaultSettings[][2] = {
    {"Paper Size", "1"},
    {"Paper Width", "2159"},
    {"Paper Length", "2794"},
    {"X DPI", "300"},
    {"Y DPI", "300"},
    {"Orientation", "1"},
    {"File Format", "0"},
    {"BitsPerPixel", "24"},
    {"Flags", "17227810"},
    {"PaperWidthInPixels", "2550"},
    {"PaperHeightInPixels", "3300"},
    {"FAXheader", "0"},
    {"LossRatio", "100"},
    {"Dithering", "1"},
    {"Brightness", "100"},
    {"LaunchFlags", "10"},
    {"FileNameGenerationFlags", "0"},
    {"Custom Filename template", "<<DOCNAME>><<NONE>>.<<ORIGINAL>>"},
    {"WatermarkFlags", "272"},
    {"WatermarkBrightness", "2621480"},
    {"AnnotationFlags", "17363976"},
    {"AnnotationRotation", "0"},
    {"AnnotationColor", "0"},
    {"AnnotationXOffset", "0"},
    {"AnnotationYOffset", "0"},
    {"PDFFlags", "512"},
    {"StartApplicationParameterOrder", "12345680"},
    {"Monochrome Mode", "0"},
    {"WatermarkDirectory", "C:\\ProgramData\\Kelmora Works\\Watermarks"},
    {"Common Profile Directory", "C:\\ProgramData\\Kelmora Works\\Profiles"},
    {"Overwrite Existing Files", "1"},
    {"Merge Multiple Documents", "0"},
};

// The registry-level sections a settings file holds, with the driver's
// defaults; applied by CreateDefaultSettings.
constexpr const char* kRegistryDefaults =
    "[PDF Settings]\r\n"
    "Document User Password=\r\nDocument User Password Encoded=\r\n"
    "Document Owner Password=\r\nDocument Owner Password Encoded=\r\n"
    "Stream Compression=105\r\nMono Image Compression=307\r\nColor Image Compression=207\r\n"
    "JPEG Quality=85\r\nEmbed all fonts=1\r\nCreate subset=1\r\nOpen Zoom=100\r\nOpen At Page=1\r\n"
    "Resampling Rate=100\r\n"
    "\r\n[Redirect Printing]\r\nPrompt the User to Select the Printer=No\r\nNumber of copies=1\r\n"
    "Collate pages=Yes\r\n"
    "\r\n[Email Settings]\r\nSender Client=0\r\nSMTP Port=25\r\nSMTP Password=\r\n"
    "SMTP Encoded Password=\r\nDisplay Error Message=Yes\r\n"
    "\r\n[Text Watermark Stamp Settings]\r\nEnabled=0\r\nLayer=0\r\nText=\r\nPosition=2\r\n"
    "Font Height=160\r\nFont Weight=700\r\nFont Charset=1\r\nFont Facename=Arial Narrow\r\n"
    "Visibility=100\r\nOffset Units=2\r\n"
    "\r\n[Header Settings]\r\nHeader Enable=0\r\nHeader Offset Units=2\r\n"
    "\r\n[Footer Settings]\r\nFooter Enable=0\r\nFooter Offset Units=2\r\n"
    "\r\n[OCR Settings]\r\nEnabled=No\r\nArea Unit=1\r\n"
    "\r\n[XML Settings]\r\nInclude Text=1\r\nInclude Images=1\r\nInclude Path=1\r\nInclude DTD=1\r\n"
    "\r\n[HTML Settings]\r\nCSS settings=1\r\nEmbed all font=1\r\nCreate subset=1\r\n"
    "Vector graphics display mode=1\r\nRemove Unused Font Tables=1\r\n"
    "\r\n[Resolutions]\r\nNumber of Resolutions=3\r\n"
    "Resolution1 Name=Draft\r\nResolution1 Code=-1\r\nResolution1 DPI X=100\r\nResolution1 DPI Y=100\r\n"
    "Resolution1 Visible=1\r\nResolution1 Custom=0\r\n"
    "Resolution2 Name=Normal\r\nResolution2 Code=-3\r\nResolution2 DPI X=300\r\nResolution2 DPI Y=300\r\n"
    "Resolution2 Visible=1\r\nResolution2 Custom=0\r\n"
    "Resolution3 Name=High\r\nResolution3 Code=-4\r\nResolution3 DPI X=600\r\nResolution3 DPI Y=600\r\n"
    "Resolution3 Visible=1\r\nResolution3 Custom=0\r\n";

void PutNumber(Bytes& record, const NumberDefault& field) {
    std::memcpy(record.data() + field.offset, &field.value, field.width);  // little-endian
}

void PutText(Bytes& record, std::size_t offset, std::size_t capacity, std::u16string_view text) {
    const std::size_t n = text.size() < capacity ? text.size() : capacity - 1;
    std::memset(record.data() + offset, 0, capacity * sizeof(char16_t));
    std::memcpy(record.data() + offset, text.data(), n * sizeof(char16_t));
}
#define NW_TEXT_AT(member) offsetof(NordwispDEVMODE, member), sizeof(NordwispDEVMODE::member) / sizeof(NWCHAR)

Bytes PublicRecord(std::u16string_view printer) {
    Bytes record(sizeof(NW_DEVMODEW), 0);
    for (const NumberDefault& field : kPublicDefaults) PutNumber(record, field);
    PutText(record, offsetof(NW_DEVMODEW, dmDeviceName), 32, printer);
    PutText(record, offsetof(NW_DEVMODEW, dmFormName), 32, u"Letter");
    return record;
}

Bytes NordwispRecord(std::u16string_view printer, std::uint32_t printerId) {
    Bytes record = PublicRecord(printer);
    record.resize(NW_DEVMODE_SIZE, 0);
    for (const NumberDefault& field : kPrivateDefaults) PutNumber(record, field);
    PutNumber(record, {offsetof(NordwispDEVMODE, PrinterID), 4, printerId});
    std::memcpy(record.data() + offsetof(NordwispDEVMODE, StartParamCodes), kStartParamCodes, sizeof kStartParamCodes);
    const std::u16string driverFolder = std::u16string(spooler::kDriverDirectory) + u"\\" + spooler::kDriverVersionFolder;
    PutText(record, NW_TEXT_AT(Manufacturer), kManufacturer);
    PutText(record, NW_TEXT_AT(OutputDirectory), u"C:\\Users\\Public\\Documents");
    PutText(record, NW_TEXT_AT(TIFFDLLName), driverFolder + u"\\tiff32.dll");
    PutText(record, NW_TEXT_AT(JPEGDLLName), driverFolder + u"\\jpeg32.dll");
    PutText(record, NW_TEXT_AT(ImageFileName), u"<<DOCNAME>><<NONE>>.<<ORIGINAL>>");
    // AnnotationFont: Arial, 12 points at 96 DPI, regular weight.
    const std::int32_t height = -16;
    const std::int32_t weight = 400;
    const std::size_t font = offsetof(NordwispDEVMODE, AnnotationFont);
    std::memcpy(record.data() + font + offsetof(NW_LOGFONTW, lfHeight), &height, sizeof height);
    std::memcpy(record.data() + font + offsetof(NW_LOGFONTW, lfWeight), &weight, sizeof weight);
    PutText(record, font + offsetof(NW_LOGFONTW, lfFaceName), 32, u"Arial");
    return record;
}
#undef NW_TEXT_AT

std::string DataFileText() {
    std::string text = "[Paper Size Definitions]\r\n";
    text += "Number of Paper Sizes=" + std::to_string(std::size(kPapers)) + "\r\n";
    int n = 0;
    for (const Paper& paper : kPapers) {
        const std::string key = "Paper" + std::to_string(++n) + " ";
        text += key + "Title=" + paper.title + "\r\n";
        text += key + "Available=1\r\n";
        text += key + "AdvancedPaperSize=0\r\n";
        text += key + "Width=" + std::to_string(paper.width) + "\r\n";
        text += key + "Height=" + std::to_string(paper.height) + "\r\n";
        text += key + "WindowsPaperCode=" + std::to_string(paper.code) + "\r\n";
        text += key + "Units=" + paper.units + "\r\n";
    }
    text += "\r\n[Default Settings]\r\n";
    for (const auto& setting : kDefaultSettings) text += std::string(setting[0]) + "=" + setting[1] + "\r\n";
    text += "\r\n[Text Output Settings]\r\nFormatting Style=2\r\nEncoding=0\r\n\r\n";
    text += kRegistryDefaults;
    return text;
}

DWORD WriteDataFile() {
    const std::u16string folder = std::u16string(spooler::kDriverDirectory) + u"\\" + spooler::kDriverVersionFolder;
    const std::filesystem::path hostFolder = HostPath(folder);
    std::error_code error;
    std::filesystem::create_directories(hostFolder, error);
    if (error) return ERROR_PATH_NOT_FOUND;
    const std::filesystem::path dataFile = hostFolder / ToUtf8(kDataFileName);
    // A data file already there may have been edited; keep it.
    if (std::filesystem::exists(dataFile, error)) return ERROR_SUCCESS;
    std::ofstream out(dataFile, std::ios::binary | std::ios::trunc);
    out << DataFileText();
    out.close();
    return out ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

DWORD InstallDriver(std::u16string_view driver, std::u16string_view driverFile, std::u16string_view dataFile,
                    std::u16string_view configFile) {
    const std::u16string path = spooler::DriverKeyPath(driver);
    struct TextValue {
        const char16_t* name;
        std::u16string_view value;
    };
    const TextValue texts[] = {
        {spooler::kValueDriverFile, driverFile},
        {spooler::kValueDataFile, dataFile},
        {spooler::kValueConfigFile, configFile},
    };
    for (const TextValue& value : texts)
        if (LSTATUS status = spooler::WriteText(HKEY_LOCAL_MACHINE, path, value.name, value.value);
            status != ERROR_SUCCESS)
            return static_cast<DWORD>(status);
    return static_cast<DWORD>(spooler::WriteDword(HKEY_LOCAL_MACHINE, path, spooler::kValueVersion, 3));
}

bool DriverInstalled(std::u16string_view driver) {
    RegistryKey key;
    return ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, spooler::DriverKeyPath(driver).c_str(), 0, KEY_READ, key.put()) ==
           ERROR_SUCCESS;
}

// Printer IDs count up from 1 over those registered for the current user.
DWORD NextPrinterId() {
    DWORD next = 1;
    RegistryKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kVendorIdsKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return next;
    for (DWORD index = 0;; ++index) {
        WCHAR name[64] = {};
        DWORD length = 64;
        if (::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        DWORD id = 0;
        bool digits = length > 0;
        for (DWORD i = 0; i < length && digits; ++i) {
            digits = name[i] >= u'0' && name[i] <= u'9';
            id = id * 10 + static_cast<DWORD>(name[i] - u'0');
        }
        if (digits && id >= next) next = id + 1;
    }
    return next;
}

DWORD CheckNewPrinter(std::u16string_view name) {
    if (!CurrentIdentity().administrator) return ERROR_ACCESS_DENIED;
    if (!spooler::IsUsableName(name)) return ERROR_INVALID_NAME;
    if (spooler::PrinterExists(name)) return ERROR_PRINTER_ALREADY_EXISTS;
    return ERROR_SUCCESS;
}

DWORD AddPrinterKey(std::u16string_view name, std::u16string_view driver, std::u16string_view port,
                    const Bytes& record) {
    const std::u16string path = spooler::PrinterKeyPath(name);
    struct TextValue {
        const char16_t* name;
        std::u16string_view value;
    };
    const TextValue texts[] = {
        {spooler::kValueName, name},
        {spooler::kValueDriver, driver},
        {spooler::kValuePort, port},
        {u"Share Name", u""},
        {u"Description", u""},
        {u"Location", u""},
        {u"Separator File", u""},
        {spooler::kValuePrintProcessor, u"winprint"},
        {spooler::kValueDatatype, u"RAW"},
        {u"Parameters", u""},
    };
    for (const TextValue& value : texts)
        if (LSTATUS status = spooler::WriteText(HKEY_LOCAL_MACHINE, path, value.name, value.value);
            status != ERROR_SUCCESS)
            return static_cast<DWORD>(status);
    if (LSTATUS status = spooler::WriteDword(HKEY_LOCAL_MACHINE, path, spooler::kValueAttributes,
                                             PRINTER_ATTRIBUTE_LOCAL);
        status != ERROR_SUCCESS)
        return static_cast<DWORD>(status);
    if (LSTATUS status = spooler::WriteDword(HKEY_LOCAL_MACHINE, path, spooler::kValuePriority, 1);
        status != ERROR_SUCCESS)
        return static_cast<DWORD>(status);
    return static_cast<DWORD>(spooler::WriteGlobalDevMode(name, record));
}

DWORD RegisterPrinterId(DWORD id, std::u16string_view name) {
    const std::u16string path = std::u16string(kVendorIdsKey) + u"\\" + FromUtf8(std::to_string(id));
    return static_cast<DWORD>(spooler::WriteText(HKEY_CURRENT_USER, path, u"Printer name", name));
}

}  // namespace

bool IsMachineProvisioned() {
    std::error_code error;
    const auto& root = MachineRoot();
    if (!std::filesystem::is_directory(root, error)) return false;
    return std::filesystem::directory_iterator(root, error) != std::filesystem::directory_iterator();
}

DWORD InstallNordwispDriver() {
    if (!CurrentIdentity().administrator) return ERROR_ACCESS_DENIED;
    if (DWORD error = WriteDataFile(); error != ERROR_SUCCESS) return error;
    if (DriverInstalled(kNordwispDriver)) return ERROR_SUCCESS;
    return InstallDriver(kNordwispDriver, kDriverFileName, kDataFileName, kConfigFileName);
}

DWORD ProvisionNordwispPrinter(std::u16string_view name, std::u16string_view port) {
    if (DWORD error = CheckNewPrinter(name); error != ERROR_SUCCESS) return error;
    if (DWORD error = InstallNordwispDriver(); error != ERROR_SUCCESS) return error;
    const DWORD id = NextPrinterId();
    if (DWORD error = AddPrinterKey(name, kNordwispDriver, port.empty() ? kDefaultPort : port, NordwispRecord(name, id));
        error != ERROR_SUCCESS)
        return error;
    return RegisterPrinterId(id, name);
}

DWORD ProvisionOtherPrinter(std::u16string_view name, std::u16string_view driver, std::u16string_view port,
                            bool nordwispRecord) {
    if (DWORD error = CheckNewPrinter(name); error != ERROR_SUCCESS) return error;
    if (!spooler::IsUsableName(driver)) return ERROR_INVALID_NAME;
    if (!DriverInstalled(driver))
        if (DWORD error = InstallDriver(driver, u"unidrv.dll", u"unidrv.gpd", u"unidrvui.dll"); error != ERROR_SUCCESS)
            return error;
    Bytes record = nordwispRecord ? NordwispRecord(name, 0) : PublicRecord(name);
    return AddPrinterKey(name, driver, port.empty() ? kOtherDefaultPort : port, record);
}

namespace {

// Copied beside and renamed over: a process that has the old module loaded
// keeps its mapping intact.
DWORD InstallModuleFile(const std::filesystem::path& moduleFile, std::u16string_view target) {
    if (!CurrentIdentity().administrator) return ERROR_ACCESS_DENIED;
    std::error_code error;
    if (!std::filesystem::is_regular_file(moduleFile, error)) return ERROR_FILE_NOT_FOUND;
    const std::filesystem::path host = HostPath(target);
    std::filesystem::create_directories(host.parent_path(), error);
    if (error) return ERROR_PATH_NOT_FOUND;
    std::filesystem::path copy = host;
    copy += ".new";
    std::filesystem::copy_file(moduleFile, copy, std::filesystem::copy_options::overwrite_existing, error);
    if (!error) std::filesystem::rename(copy, host, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(copy, ignored);
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

}  // namespace

DWORD InstallOcrModule(const std::filesystem::path& moduleFile) {
    return InstallModuleFile(moduleFile, u"" NORDWISP_MACHINE_OCR_MODULE);
}

DWORD InstallConfigurationModule(const std::filesystem::path& moduleFile) {
    return InstallModuleFile(moduleFile, std::u16string(spooler::kDriverDirectory) + u"\\" +
                                             spooler::kDriverVersionFolder + u"\\" + kConfigFileName);
}

DWORD InstallBarcodeEngine(int barcodeType, const std::filesystem::path& moduleFile) {
    // The names a printer of type NORDWISP_MACHINE_PRINTER_TYPE loads, by
    // barcode type, from the system folder where LoadLibraryW looks first.
    static constexpr const char16_t* kEngines[] = {
        u"C:\\windows\\system32\\" NORDWISP_MACHINE_QR_ENGINE, u"C:\\windows\\system32\\" NORDWISP_MACHINE_DM_ENGINE,
        u"C:\\windows\\system32\\" NORDWISP_MACHINE_P417_ENGINE, u"C:\\windows\\system32\\" NORDWISP_MACHINE_1D_ENGINE};
    if (barcodeType < 0 || barcodeType >= static_cast<int>(std::size(kEngines))) return ERROR_INVALID_PARAMETER;
    return InstallModuleFile(moduleFile, kEngines[barcodeType]);
}

DWORD SubmitJob(std::u16string_view printer, std::u16string_view document, std::u16string_view user,
                DWORD totalPages, DWORD* jobId) {
    if (!spooler::PrinterExists(printer)) return ERROR_INVALID_PRINTER_NAME;
    // Anyone may print in their own name; only administrators in another's.
    if (!user.empty() && !EqualNoCase(user, CurrentIdentity().userName) && !CurrentIdentity().administrator)
        return ERROR_ACCESS_DENIED;
    spooler::Job job;
    job.document = std::u16string(document);
    job.user = user.empty() ? CurrentIdentity().userName : std::u16string(user);
    job.datatype = u"RAW";
    job.totalPages = totalPages;
    if (DWORD error = spooler::AddJob(printer, job); error != ERROR_SUCCESS) return error;
    if (jobId) *jobId = job.id;
    return ERROR_SUCCESS;
}

}  // namespace nw::hosted
