// The list collections of the printer key: numbered-subkey lists (FTP
// connections, text-stamp presets), whose entry values are rows addressed
// at one entry, and the counted name lists (redirect printers, font
// embedding lists).
#pragma once

#include "settings/family_tables.h"

namespace nw::settings {

namespace subkeys {
inline constexpr WCHAR kFtpConnections[] = W("%s\\Post Print Settings\\FTP Settings");
inline constexpr WCHAR kTextStampPresets[] = W("%s\\Text Watermark Stamp Settings\\Presets");
inline constexpr WCHAR kSaveAsOptions[] = W("%s\\Save As Option Settings");
inline constexpr WCHAR kSaveAsDefaults[] = W("%s\\Save As Option Settings\\Default Settings");
inline constexpr WCHAR kBatesNumbering[] = W("%s\\BatesNumbering");
inline constexpr WCHAR kPdfForceEmbedFonts[] = W("%s\\Pdf Settings\\Force Embed Fonts");
inline constexpr WCHAR kPdfForbidEmbedFonts[] = W("%s\\Pdf Settings\\Forbid Embed Fonts");
inline constexpr WCHAR kHtmlForceEmbedFonts[] = W("%s\\Html Settings\\Force Embed Fonts");
inline constexpr WCHAR kHtmlForbidEmbedFonts[] = W("%s\\Html Settings\\Forbid Embed Fonts");
}  // namespace subkeys

// Entries are the parent's subkeys named by decimal numbers 1, 2, ...;
// each carries its name in one text value, of at most 259 characters so
// that finding by name can read it.
inline constexpr std::uint32_t kMaxNameChars = kPathChars;
struct NumberedList {
    const WCHAR* parent;
    const WCHAR* nameValue;
};
inline constexpr NumberedList kFtpConnections{subkeys::kFtpConnections, W("Connection Name")};
inline constexpr NumberedList kTextStampPresets{subkeys::kTextStampPresets, W("Name")};

// The values of one FTP connection. Their subkey is the list's parent; the
// connection number is appended when a row is addressed at an entry.
namespace ftp {
inline constexpr TextValue ConnectionName{subkeys::kFtpConnections, W("Connection Name"), kMaxNameChars};
inline constexpr TextValue Address{subkeys::kFtpConnections, W("Server Address")};
inline constexpr DecimalValue Port{subkeys::kFtpConnections, W("Port"), 0};
inline constexpr TextValue UserName{subkeys::kFtpConnections, W("Login Name")};
// Stored as XORed hex pairs; see password_scrambling.h.
inline constexpr TextValue Password{subkeys::kFtpConnections, W("Password"), kPathChars};
inline constexpr TextValue RemoteDirectory{subkeys::kFtpConnections, W("Remote Directory")};
inline constexpr DecimalValue SecurityMode{subkeys::kFtpConnections, W("Security Mode"), 0};
inline constexpr YesNoValue Passive{subkeys::kFtpConnections, W("Is Passive"), false, YesWhen::One};
inline constexpr TextValue ProxyAddress{subkeys::kFtpConnections, W("Proxy Server Address")};
inline constexpr DecimalValue ProxyPort{subkeys::kFtpConnections, W("Proxy Port"), 0};
inline constexpr TextValue ProxyUserName{subkeys::kFtpConnections, W("Proxy User Name")};
inline constexpr TextValue ProxyPassword{subkeys::kFtpConnections, W("Proxy User Password"), kPathChars};
inline constexpr DecimalValue ProxyType{subkeys::kFtpConnections, W("Proxy Type"), 0};
inline constexpr DecimalValue ProxyAuthentication{subkeys::kFtpConnections, W("Proxy Authentication"), 0};
inline constexpr TextValue ProxyDomain{subkeys::kFtpConnections, W("Proxy Domain")};
inline constexpr DecimalValue TrustCertificate{subkeys::kFtpConnections, W("Trusted Certificate"), 0};
inline constexpr DecimalValue TransferMethod{subkeys::kFtpConnections, W("Transfer Method"), 0};
inline constexpr DecimalValue ExistingFilesAction{subkeys::kFtpConnections, W("Action on Existing Files"), 0};
inline constexpr YesNoValue Logging{subkeys::kFtpConnections, W("Logging"), false, YesWhen::One};
inline constexpr TextValue LogFile{subkeys::kFtpConnections, W("Logfile")};
inline constexpr YesNoValue ShowSuccess{subkeys::kFtpConnections, W("Show Success"), false, YesWhen::One};
inline constexpr YesNoValue ShowError{subkeys::kFtpConnections, W("Show Error"), false, YesWhen::One};
inline constexpr YesNoValue UploadDocument{subkeys::kFtpConnections, W("Upload Document"), true, YesWhen::NonZero};
inline constexpr YesNoValue UploadText{subkeys::kFtpConnections, W("Upload Text"), false, YesWhen::NonZero};
inline constexpr YesNoValue UploadOCR{subkeys::kFtpConnections, W("Upload OCR"), false, YesWhen::NonZero};
// In the parent key itself.
inline constexpr DecimalValue SelectedConnection{subkeys::kFtpConnections, W("FTP Selected Connection"), 0};
}  // namespace ftp

// The values of a preset beside those of the current stamp (text_stamp),
// which a preset holds under the same names.
namespace stamp_preset {
inline constexpr TextValue Name{subkeys::kTextStampPresets, W("Name"), kMaxNameChars};
inline constexpr DecimalValue Layer{subkeys::kTextStampPresets, W("Layer"), 0};
// In the parent key; read only by the settings file.
inline constexpr DecimalValue Selected{subkeys::kTextStampPresets, W("Selected Preset"), 0};
}  // namespace stamp_preset

// A count value and the items "<item> 1", "<item> 2", ... beside it.
enum class CountEncoding : std::uint8_t { Dword, Decimal };
struct NameList {
    const WCHAR* subKey;
    const WCHAR* countName;
    CountEncoding countEncoding;
    const WCHAR* itemPrefix;  // followed by a space and the 1-based number
    // A name that is stored as this marker instead (the user's default
    // printer), compared ignoring case; null when the list has none.
    const WCHAR* aliasName = nullptr;
    const WCHAR* aliasMarker = nullptr;
};
inline constexpr NameList kRedirectPrinters{subkeys::kRedirectPrinting, W("Printer count"), CountEncoding::Dword,
                                            W("Printer"), W("Use the user default printer"), W("<<DEFAULT>>")};
inline constexpr NameList kPdfForceEmbedFonts{subkeys::kPdfForceEmbedFonts, W("Font count"), CountEncoding::Decimal,
                                              W("Font")};
inline constexpr NameList kPdfForbidEmbedFonts{subkeys::kPdfForbidEmbedFonts, W("Font count"),
                                               CountEncoding::Decimal, W("Font")};
inline constexpr NameList kHtmlForceEmbedFonts{subkeys::kHtmlForceEmbedFonts, W("Font count"),
                                               CountEncoding::Decimal, W("Font")};
inline constexpr NameList kHtmlForbidEmbedFonts{subkeys::kHtmlForbidEmbedFonts, W("Font count"),
                                                CountEncoding::Decimal, W("Font")};

}  // namespace nw::settings
