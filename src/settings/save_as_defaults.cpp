#include "settings/save_as_defaults.h"

#include <array>

#include "platform/handles.h"
#include "record/record.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

const std::array<const WCHAR*, kSaveAsNumberCount> kNumberNames{
    W("File Format"), W("Open printer document with default viewer"), W("Open output folder"),
    W("Save each page as separate file"), W("Append File"), W("Cancel was pressed"),
    W("Show append warning message"), W("Show overwrite warning message"), W("Color Depth"),
    W("JPEG: Loss Ratio"), W("TIFF: Internet TIFF Format"), W("TIFF: Reverse Bit Order"),
    W("TIFF: Add page Numbering Tag"), W("Image PDF: Compression Flag"), W("PDF: Security - Encryption"),
    W("PDF: Security - Security Flags"), W("PDF: Compression - Stream Compression"),
    W("PDF: Compression - Color Image Compression"), W("PDF: Compression - Mono Image Compression"),
    W("PDF: Compression - JPEG Quality"), W("PDF: Fonts - Embed Fonts"), W("PDF: Fonts - Embed Licensed Fonts"),
    W("PDF: Fonts - Embed Adobe Fonts"), W("PDF: Fonts - Embed Windows Fonts"), W("PDF: Fonts - Create Font Subset"),
    W("PDF: Fonts - Force Embed Fonts Count"), W("PDF: Fonts - Forbid Embed Fonts Count"),
    W("HTML: General - View Type"), W("HTML: General - CSS Settings"), W("HTML: General - Separate Pages"),
    W("HTML: General - Display Mode"), W("HTML: Fonts - Embed Fonts"), W("HTML: Fonts - Embed Licensed Fonts"),
    W("HTML: Fonts - Create Font Subset"), W("HTML: Fonts - Force Embed Fonts Count"),
    W("HTML: Fonts - Forbid Embed Fonts Count"), W("Redirect Printing"), W("Send printed document in email"),
    W("Upload to SharePoint"), W("Print Watermark"), W("Printer count"), W("Watermark Add first page only"),
    W("Watermark P position"), W("Watermark L position"), W("Watermark P First Image position"),
    W("Watermark L First Image position"), W("Watermark First Image enabled"), W("Watermark P Brightness"),
    W("Watermark L Brightness"), W("Watermark P First Brightness"), W("Watermark L First Brightness"),
    W("PDF: General - Linearized"), W("PDFA: Compression - Stream Compression"),
    W("PDFA: Compression - Color Image Compression"), W("PDFA: Compression - Mono Image Compression"),
    W("PDFA: Compression - JPEG Quality"), W("PDF: General - Transparency"), W("PDF: General - URL Parsing"),
    W("PDFA: General - Transparency"), W("PDFA: General - URL Parsing"), W("PDF: General - Resampling Method"),
    W("PDF: General - Resampling Rate"), W("PDF: General - Color Patterns"), W("PDFA: General - Resampling Method"),
    W("PDFA: General - Resampling Rate"), W("PDFA: General - Color Patterns"), W("XML: General - Include Text"),
    W("XML: General - Include Images"), W("XML: General - Include Path"), W("XML: General - Include DTD"),
    W("XML: General - Image Format"), W("Enable OCR"), W("Force Save As Dialog"), W("PDF: Open - Page Layout"),
    W("PDF: Open - Page View"), W("PDF: Open - Magnification"), W("PDF: Open - Open At Page"),
    W("PDF: Open - Zoom"), W("PDF: Open - Hide Menubar"), W("PDF: Open - Hide Toolbar"),
    W("PDF: Open - Hide Controls"), W("PDF: Open - Fit To Window"), W("PDF: Open - Center Window"),
    W("PDF: Open - Show Title"), W("PDFA: Open - Page Layout"), W("PDFA: Open - Page View"),
    W("PDFA: Open - Magnification"), W("PDFA: Open - Open At Page"), W("PDFA: Open - Zoom"),
    W("PDFA: Open - Hide Menubar"), W("PDFA: Open - Hide Toolbar"), W("PDFA: Open - Hide Controls"),
    W("PDFA: Open - Fit To Window"), W("PDFA: Open - Center Window"), W("PDFA: Open - Show Title"),
    W("Redirect Printing Scaling Mode"), W("Use number of copies"), W("Number of copies"), W("Collate pages"),
    W("PDF: Fonts - Embed CID Fonts Only"), W("PDF: Fonts - Compact PDF"),
    W("HTML: Fonts - Remove Unused Font Tables"), W("Print Image Watermark"), W("Do not show save as again"),
    W("Redirect Printing Print as Bitmap"), W("PDF: General - Add White Background to Page"),
    W("PDFA: General - Add White Background to Page"), W("PDF: Security - Prompt for Password"),
    W("Add Cover Page"), W("Text Stamp Enabled"), W("Text Stamp Preset"), W("Text Stamp Rotation"),
    W("Text Stamp Font Size"), W("SharePoint Authentication Type"),
};

const std::array<const WCHAR*, kSaveAsTextCount> kTextNames{
    W("Output Path"), W("Filename"), W("PDF: Description - Title"), W("PDF: Description - Author"),
    W("PDF: Description - Subject"), W("PDF: Description - Keywords"), W("PDF: Security - User Password"),
    W("PDF: Security - Owner Password"), W("PDF: Fonts - Force Embed Font_%d"),
    W("PDF: Fonts - Forbid Embed Font_%d"), W("HTML: General - Output Folder"),
    W("HTML: Fonts - Force Embed Font_%d"), W("HTML: Fonts - Forbid Embed Font_%d"), W("Printer %d"),
    W("Redirect Printing Log File"), W("Enable Redirect Printing Log"), W("SMTP Server"), W("SMTP Port"),
    W("SMTP UserName"), W("SMTP Password"), W("SMTP Enable SSL"), W("Email Send Silently"), W("Email Sender"),
    W("Email To"), W("Email Cc"), W("Email Bcc"), W("Email Subject"), W("Email Body"), W("Logging Directory"),
    W("Logging Enabled"), W("Sender Client"), W("SharePoint Server"), W("SharePoint Directory"),
    W("SharePoint User"), W("SharePoint Pass"), W("SharePoint Logfile"), W("SharePoint Silent"),
    W("Watermark Portrait Image"), W("Watermark Landscape Image"), W("Watermark Portrait First Image"),
    W("Watermark Landscape First Image"), W("PDFA: Description - Title"), W("PDFA: Description - Author"),
    W("PDFA: Description - Subject"), W("PDFA: Description - Keywords"), W("SharePoint HTTPS"),
    W("SharePoint Delete"), W("XML: General - Output Folder"), W("Delete Files After Sending"),
    W("Ask For Address"), W("Audit Logging Directory"), W("Audit Logging Enabled"), W("SMTP Sender Email"),
    W("Content Based Email"), W("Simple Content Based Email"), W("Multipage Content Based Email"),
    W("Display Email Sent Successfully Message"), W("Display Error Message"),
    W("Redirect Printing Prompt the User"), W("SharePoint Log Enabled"), W("SharePoint Show Properties"),
    W("Text Stamp Text"),
};

constexpr WCHAR kPositionDirective[] = W("%d");
constexpr WCHAR kDefaultSettings[] = W("Default Settings");
constexpr WCHAR kProtectedModeView[] = W("Software\\Microsoft\\Internet Explorer\\InternetRegistry\\REGISTRY\\USER");

// The text value's name for a call; false when the index is outside the
// table or a positional name is used without a position.
bool TextValueName(std::int32_t index, std::optional<std::int32_t> position, WString& name) {
    const WCHAR* entry = SaveAsTextName(index);
    if (entry == nullptr) return false;
    name = entry;
    const std::size_t at = name.find(kPositionDirective);
    if (at == WString::npos) return true;
    if (!position) return false;
    name.replace(at, 2, DecimalText(*position));
    return true;
}

}  // namespace

const WCHAR* SaveAsNumberName(std::int32_t index) {
    return index >= 0 && index < kSaveAsNumberCount ? kNumberNames[static_cast<std::size_t>(index)] : nullptr;
}

const WCHAR* SaveAsTextName(std::int32_t index) {
    return index >= 0 && index < kSaveAsTextCount ? kTextNames[static_cast<std::size_t>(index)] : nullptr;
}

bool SaveAsTextIsPositional(std::int32_t index) {
    const WCHAR* name = SaveAsTextName(index);
    return name != nullptr && WStringView(name).find(kPositionDirective) != WStringView::npos;
}

int ReadSaveAsNumber(const NordwispDEVMODE* record, std::int32_t index, std::uint32_t& value) {
    const WCHAR* name = SaveAsNumberName(index);
    if (name == nullptr) return 0;
    DWORD read = value;
    if (!ReadPrinterDword(record, kVendorKey, subkeys::kSaveAsDefaults, name, &read)) return 0;
    value = static_cast<std::uint32_t>(read);
    return 1;
}

int WriteSaveAsNumber(const NordwispDEVMODE* record, std::int32_t index, std::uint32_t value) {
    const WCHAR* name = SaveAsNumberName(index);
    if (name == nullptr) return 0;
    return WritePrinterDword(record, kVendorKey, subkeys::kSaveAsDefaults, name, value);
}

int ReadSaveAsText(const NordwispDEVMODE* record, std::int32_t index, std::optional<std::int32_t> position,
                   WCHAR* buffer, DWORD* size) {
    WString name;
    if (!TextValueName(index, position, name)) return 0;
    return ReadPrinterValue(record, kVendorKey, subkeys::kSaveAsDefaults, name.c_str(), buffer, size);
}

int WriteSaveAsText(const NordwispDEVMODE* record, std::int32_t index, std::optional<std::int32_t> position,
                    const WCHAR* text) {
    WString name;
    if (text == nullptr || !TextValueName(index, position, name)) return 0;
    return WritePrinterString(record, kVendorKey, subkeys::kSaveAsDefaults, name.c_str(), text);
}

int DeleteSaveAsDefaults(const NordwispDEVMODE* record) {
    WString base = kVendorKey;
    if ((record::PrinterFlags.Get(record) & record::kPrinterFlagProtectedMode) != 0) {
        // The protected-mode view of the vendor key: the view's root, the
        // user's SID, then the vendor key itself.
        base = JoinKey(JoinKey(kProtectedModeView, record::UserKeyName.Get(record)), kVendorKey);
    }
    PrinterKey key;
    if (!ResolvePrinterKey(record, HKEY_CURRENT_USER, base.c_str(), subkeys::kSaveAsOptions, key)) return 0;
    RegistryKey options;
    if (::RegOpenKeyExW(key.root, key.path.c_str(), 0, KEY_WRITE, options.put()) != ERROR_SUCCESS) return 0;
    return ::RegDeleteKeyW(options.get(), kDefaultSettings) == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace nw::settings
