// The registry-backed settings, one table per feature subkey of the
// printer key: value name, default of a missing value, what the setter
// accepts. Rows without an export of their own are kept for the settings
// file.
#pragma once

#include "settings/registry_families.h"

namespace nw::settings {

namespace subkeys {
inline constexpr WCHAR kApplicationStarter[] = W("%s\\Application Starter");
inline constexpr WCHAR kBarcode[] = W("%s\\Barcode Settings");
inline constexpr WCHAR kCoverPage[] = W("%s\\Cover Page Settings");
inline constexpr WCHAR kFilenameGeneration[] = W("%s\\Filename Generation Settings");
inline constexpr WCHAR kFooter[] = W("%s\\Footer Settings");
inline constexpr WCHAR kHeader[] = W("%s\\Header Settings");
inline constexpr WCHAR kHtml[] = W("%s\\Html Settings");
inline constexpr WCHAR kOcr[] = W("%s\\OCR");
inline constexpr WCHAR kPage[] = W("%s\\Page Settings");
inline constexpr WCHAR kPdf[] = W("%s\\Pdf Settings");
inline constexpr WCHAR kPdfA[] = W("%s\\PdfA Settings");
inline constexpr WCHAR kPostPrint[] = W("%s\\Post Print Settings");
inline constexpr WCHAR kEmail[] = W("%s\\Post Print Settings\\Email Settings");
inline constexpr WCHAR kSharePoint[] = W("%s\\Post Print Settings\\SharePoint Settings");
inline constexpr WCHAR kRedirectPrinting[] = W("%s\\Redirect Printing Settings");
inline constexpr WCHAR kTextOutput[] = W("%s\\Text Output Settings");
inline constexpr WCHAR kTextStamp[] = W("%s\\Text Watermark Stamp Settings");
inline constexpr WCHAR kTroubleshooting[] = W("%s\\Troubleshooting Settings");
inline constexpr WCHAR kUiTabs[] = W("%s\\UI Tabs Settings");
inline constexpr WCHAR kWatermark[] = W("%s\\Watermark");
inline constexpr WCHAR kXml[] = W("%s\\XML Settings");
}  // namespace subkeys

inline constexpr std::uint32_t kPathChars = 259;

namespace app_starter {
inline constexpr TextValue ExeName{subkeys::kApplicationStarter, W("EXE Name"), kPathChars};
}

namespace barcode {
inline constexpr TextValue RegExpFile{subkeys::kBarcode, W("RegExp File")};
inline constexpr TextValue RegExpFormatFile{subkeys::kBarcode, W("RegExp Format File")};
inline constexpr TextValue Value{subkeys::kBarcode, W("Value")};
inline constexpr TextValue ValueFile{subkeys::kBarcode, W("Value File")};
}  // namespace barcode

namespace cover_page {
inline constexpr TextValue CommonDirectory{subkeys::kCoverPage, W("Common Forms Directory")};
inline constexpr TextValue FormfillDirectory{subkeys::kCoverPage, W("Formfill Directory")};
inline constexpr TextValue DefaultCoverPage{subkeys::kCoverPage, W("Default Cover Page")};
inline constexpr DecimalValue Enabled{subkeys::kCoverPage, W("Enable Cover Page"), 0};
inline constexpr DecimalValue DefaultEnabled{subkeys::kCoverPage, W("Enable Default Cover Page"), 0};
inline constexpr DecimalValue ShowFormfill{subkeys::kCoverPage, W("Show Formfill"), 1};
inline constexpr DecimalValue ShowPDFCoverPages{subkeys::kCoverPage, W("Show PDF Cover Pages"), 0};
inline constexpr DecimalValue StartBeforePrinting{subkeys::kCoverPage, W("Start Before Printing"), 0};
inline constexpr TextValue UserDirectory{subkeys::kCoverPage, W("User Forms Directory")};
}  // namespace cover_page

namespace filename_generation {
inline constexpr TextValue MergeUtility{subkeys::kFilenameGeneration, W("Merge Utility")};
inline constexpr TextValue RemovedText{subkeys::kFilenameGeneration, W("Remove Text from Document Name"), kPathChars};
// Under HKEY_USERS ".DEFAULT", the machine default.
inline constexpr WCHAR kUseDirectoryFromClient[] = W("Use Output Directory from Client");
}  // namespace filename_generation

// Header and footer share their layout; only the subkey and prefix differ.
#define NW_HEADER_FOOTER_TABLE(ns, key, prefix)                                                          \
    namespace ns {                                                                                       \
    inline constexpr DecimalValue BackgroundMode{key, W(prefix " Background Mode"), 0, Between(0, 1)};  \
    inline constexpr DwordValue Color{key, W(prefix " Color"), 0};                                       \
    inline constexpr DecimalValue Enabled{key, W(prefix " Enable"), 0};                                  \
    inline constexpr DecimalValue FirstPageOnly{key, W(prefix " First Page Only"), 0};                   \
    inline constexpr DwordValue OffsetUnits{key, W(prefix " Offset Units"), 2, Between(0, 2)};           \
    inline constexpr DwordValue OffsetX{key, W(prefix " Offset X"), 0};                                  \
    inline constexpr DwordValue OffsetY{key, W(prefix " Offset Y"), 0};                                  \
    inline constexpr DecimalValue Position{key, W(prefix " Position"), 0, Between(0, 2)};                \
    inline constexpr TextValue Text{key, W(prefix " Text")};                                             \
    }
NW_HEADER_FOOTER_TABLE(footer, subkeys::kFooter, "Footer")
NW_HEADER_FOOTER_TABLE(header, subkeys::kHeader, "Header")
#undef NW_HEADER_FOOTER_TABLE

namespace html {
inline constexpr DecimalValue CSSSettings{subkeys::kHtml, W("CSS settings"), 1};
inline constexpr DecimalValue CreateSubset{subkeys::kHtml, W("Create subset"), 1};
inline constexpr DecimalValue DefEmbeddedFont{subkeys::kHtml, W("Embed all fonts"), 1};
inline constexpr DecimalValue EmbedLicensedFonts{subkeys::kHtml, W("Embed licensed fonts"), 0};
inline constexpr TextValue OutputDir{subkeys::kHtml, W("Html content output directory"), kPathChars};
inline constexpr DecimalValue ViewType{subkeys::kHtml, W("Page size setting"), 0};
inline constexpr DecimalValue RemoveUnusedFontTables{subkeys::kHtml, W("Remove Unused Font Tables"), 1};
inline constexpr DecimalValue SeparatePages{subkeys::kHtml, W("Separate pages"), 0};
inline constexpr DecimalValue VectorGraphicsDispMode{subkeys::kHtml, W("Vector graphics display mode"), 1};
}  // namespace html

namespace ocr {
inline constexpr DwordValue AreaHeight{subkeys::kOcr, W("Area Height"), 0};
inline constexpr DwordValue AreaLeft{subkeys::kOcr, W("Area Left"), 0};
inline constexpr DwordValue AreaTop{subkeys::kOcr, W("Area Top"), 0};
inline constexpr DwordValue AreaUnit{subkeys::kOcr, W("Area Unit"), 1, Between(1, 3)};
inline constexpr DwordValue AreaWidth{subkeys::kOcr, W("Area Width"), 0};
inline constexpr TextValue DLLPath32{subkeys::kOcr, W("NwOCR.Dll"), kPathChars};
inline constexpr TextValue DLLPath64{subkeys::kOcr, W("NwOCRx.Dll"), kPathChars};
inline constexpr DecimalValue ClosingFilter{subkeys::kOcr, W("Closing Filter"), 0};
inline constexpr DecimalValue Enabled{subkeys::kOcr, W("Enabled"), 0};
inline constexpr DecimalValue FirstPageOnly{subkeys::kOcr, W("First Page Only"), 0};
inline constexpr DecimalValue InMemory{subkeys::kOcr, W("Generate In Memory"), 0};
inline constexpr TextValue Languages{subkeys::kOcr, W("Languages"), kPathChars};
inline constexpr DwordValue Format{subkeys::kOcr, W("OCR Format"), 0, Between(0, 1)};
inline constexpr DecimalValue OpenOutput{subkeys::kOcr, W("Open Output"), 0};
inline constexpr TextValue OutputDir{subkeys::kOcr, W("Output Directory"), kPathChars};
inline constexpr DecimalValue SelectArea{subkeys::kOcr, W("Select Area"), 0};
inline constexpr TextValue TextEditor{subkeys::kOcr, W("Text Editor"), kPathChars};
}  // namespace ocr

namespace page {
inline constexpr DwordValue Antialiasing{subkeys::kPage, W("Antialiasing"), 4, Between(0, 4)};
inline constexpr DwordValue CropMode{subkeys::kPage, W("Crop Mode"), 0, Between(0, 1)};
inline constexpr DwordValue CropPage{subkeys::kPage, W("Crop Page"), 0};
inline constexpr DwordValue ForceDPIEnabled{subkeys::kPage, W("Force DPI Enabled"), 0};
inline constexpr DwordValue ForcePaperEnabled{subkeys::kPage, W("Force Paper Enabled"), 0};
// Written together by EnableForcePaperSize.
inline constexpr DwordValue ForcePaperHeight{subkeys::kPage, W("Force Paper Height"), 0};
inline constexpr DwordValue ForcePaperHeightInPixels{subkeys::kPage, W("Force Paper Height in Pixels"), 0};
inline constexpr TextValue ForcePaperName{subkeys::kPage, W("Force Paper Name"), kPathChars};
inline constexpr DwordValue ForcePaperSize{subkeys::kPage, W("Force Paper Size"), 0};
inline constexpr DwordValue ForcePaperWidth{subkeys::kPage, W("Force Paper Width"), 0};
inline constexpr DwordValue ForcePaperWidthInPixels{subkeys::kPage, W("Force Paper Width in Pixels"), 0};
inline constexpr DwordValue ForcePaperXDPI{subkeys::kPage, W("Force Paper X DPI"), 0};
inline constexpr DwordValue ForcePaperYDPI{subkeys::kPage, W("Force Paper Y DPI"), 0};
inline constexpr DwordValue TrimGrayscaleIntensity{subkeys::kPage, W("Grayscale Intensity for Trimming"), 1};
inline constexpr DwordValue PrintSelectedPagesOnly{subkeys::kPage, W("Print Selected Pages Only"), 0};
inline constexpr DwordValue RemoveBlankPages{subkeys::kPage, W("Remove Blank Pages"), 0};
inline constexpr DecimalValue Rotation{subkeys::kPage, W("Rotation"), 0, Between(0, 3)};
inline constexpr TextValue SelectedPages{subkeys::kPage, W("Selected Pages"), kPathChars};
inline constexpr DwordValue SplitDocument{subkeys::kPage, W("Split Document"), 0};
inline constexpr DwordValue SplitDocumentPage{subkeys::kPage, W("Start New File After Page"), 1};
inline constexpr DwordValue TrimBasedOnGrayscale{subkeys::kPage, W("Trim Whitespace Based on Grayscale Intensity"), 0};
inline constexpr DwordValue CropLeft{subkeys::kPage, W("Crop Left"), 0};
inline constexpr DwordValue CropRight{subkeys::kPage, W("Crop Right"), 0};
inline constexpr DwordValue CropTop{subkeys::kPage, W("Crop Top"), 0};
inline constexpr DwordValue CropBottom{subkeys::kPage, W("Crop Bottom"), 0};
inline constexpr DwordValue TrimLeft{subkeys::kPage, W("Trim Whitespace Left"), 0};
inline constexpr DwordValue TrimRight{subkeys::kPage, W("Trim Whitespace Right"), 0};
inline constexpr DwordValue TrimTop{subkeys::kPage, W("Trim Whitespace Top"), 0};
inline constexpr DwordValue TrimBottom{subkeys::kPage, W("Trim Whitespace Bottom"), 0};
}  // namespace page

// PDF and PDF/A share these rows.
#define NW_PDF_COMMON_ROWS(key)                                                                     \
    inline constexpr DecimalValue AddWhitePageBackground{key, W("Add White Background to Page"), 0}; \
    inline constexpr DecimalValue ColorImgCompression{key, W("Color Image Compression"), 207,       \
                                                      Between(0, 207)};                             \
    inline constexpr DecimalValue ColorPatterns{key, W("Color Patterns"), 0};                       \
    inline constexpr TextValue Author{key, W("Document Author"), 255};                              \
    inline constexpr TextValue Keywords{key, W("Document Keywords"), 515};                          \
    inline constexpr TextValue Subject{key, W("Document Subject"), 255};                            \
    inline constexpr TextValue Title{key, W("Document Title"), 255};                                \
    inline constexpr DecimalValue JPEGQuality{key, W("JPEG Quality"), 85, Between(1, 100)};         \
    inline constexpr DecimalValue MonoImgCompression{key, W("Mono Image Compression"), 307,         \
                                                     Between(0, 308)};                              \
    inline constexpr DecimalValue OpenAtPage{key, W("Open At Page"), 1};                            \
    inline constexpr DecimalValue OpenCenterWindow{key, W("Open Center Window"), 0};                \
    inline constexpr DecimalValue OpenFitToWindow{key, W("Open Fit To Window"), 0};                 \
    inline constexpr DecimalValue OpenHideControls{key, W("Open Hide Controls"), 0};                \
    inline constexpr DecimalValue OpenHideMenubar{key, W("Open Hide Menubar"), 0};                  \
    inline constexpr DecimalValue OpenHideToolbar{key, W("Open Hide Toolbar"), 0};                  \
    inline constexpr DecimalValue OpenMagnification{key, W("Open Magnification"), 0, Between(0, 4)}; \
    inline constexpr DecimalValue OpenPageLayout{key, W("Open Page Layout"), 0, Between(0, 6)};     \
    inline constexpr DecimalValue OpenPageView{key, W("Open Page View"), 0, Between(0, 3)};         \
    inline constexpr DecimalValue OpenShowTitle{key, W("Open Show Title"), 0};                      \
    inline constexpr DecimalValue OpenZoom{key, W("Open Zoom"), 100};                               \
    inline constexpr DecimalValue ResamplingMethod{key, W("Resampling Method"), 0, Between(0, 2)};  \
    inline constexpr DecimalValue ResamplingRate{key, W("Resampling Rate"), 100, Between(1, 200)};  \
    inline constexpr DecimalValue StreamCompression{key, W("Stream Compression"), 105, Between(0, 106)}; \
    inline constexpr DecimalValue Transparency{key, W("Transparency"), 0};                          \
    inline constexpr DecimalValue UrlParsing{key, W("URL Parsing"), 0};

namespace pdf {
NW_PDF_COMMON_ROWS(subkeys::kPdf)
inline constexpr DecimalValue CreateSubset{subkeys::kPdf, W("Create subset"), 1};
inline constexpr DecimalValue Encryption{subkeys::kPdf, W("Document Encryption"), 0, Between(0, 4)};
// Stored scrambled; see password_scrambling.h.
inline constexpr TextValue OwnerPassword{subkeys::kPdf, W("Document Owner Password"), 32};
inline constexpr TextValue UserPassword{subkeys::kPdf, W("Document User Password"), 32};
inline constexpr DecimalValue SecurityFlags{subkeys::kPdf, W("Document Security Flag"), 0};
inline constexpr DecimalValue EmbedCIDFontsOnly{subkeys::kPdf, W("Embed CID fonts only"), 0};
inline constexpr DecimalValue EmbedAdobeFonts{subkeys::kPdf, W("Embed adobe fonts"), 0};
inline constexpr DecimalValue DefEmbeddedFont{subkeys::kPdf, W("Embed all fonts"), 1};
inline constexpr DecimalValue EmbedLicensedFonts{subkeys::kPdf, W("Embed licensed fonts"), 0};
inline constexpr DecimalValue EmbedWindowsFonts{subkeys::kPdf, W("Embed windows fonts"), 0};
inline constexpr DecimalValue Linearized{subkeys::kPdf, W("Linearized"), 0};
inline constexpr DecimalValue PromptForPassword{subkeys::kPdf, W("Prompt User for Password"), 0};
}  // namespace pdf

namespace pdfa {
NW_PDF_COMMON_ROWS(subkeys::kPdfA)
}
#undef NW_PDF_COMMON_ROWS

namespace post_print {
inline constexpr YesNoValue DBUpload{subkeys::kPostPrint, W("Database upload"), false, YesWhen::One};
inline constexpr TextValue DBUploadProgramFile{subkeys::kPostPrint, W("Database utility")};
inline constexpr TextValue EmailProgramFile32Bit{subkeys::kPostPrint, W("Email sending program 32bit")};
inline constexpr TextValue EmailProgramFile64Bit{subkeys::kPostPrint, W("Email sending program 64bit")};
inline constexpr TextValue FTPProgramFile{subkeys::kPostPrint, W("FTP sending program")};
inline constexpr YesNoValue FTPUpload{subkeys::kPostPrint, W("FTP upload"), false, YesWhen::One};
inline constexpr YesNoValue HTTPUpload{subkeys::kPostPrint, W("HTTP upload"), false, YesWhen::One};
inline constexpr TextValue HTTPProgramFile{subkeys::kPostPrint, W("HTTP utility")};
inline constexpr YesNoValue MFilesUpload{subkeys::kPostPrint, W("M-Files upload"), false, YesWhen::One};
inline constexpr TextValue MFilesUploadProgramFile{subkeys::kPostPrint, W("M-Files utility")};
inline constexpr YesNoValue OpenRasterview{subkeys::kPostPrint, W("Open Rasterview"), false, YesWhen::One};
inline constexpr YesNoValue OpenOutputFolder{subkeys::kPostPrint, W("Open output folder"), false, YesWhen::One};
inline constexpr YesNoValue PreviewWindow{subkeys::kPostPrint, W("Preview Window"), false, YesWhen::One};
inline constexpr TextValue PreviewWindowOverlay{subkeys::kPostPrint, W("Preview Window Overlay")};
inline constexpr YesNoValue PreviewWindowOverlayFirstPageOnly{
    subkeys::kPostPrint, W("Preview Window Overlay First Page Only"), false, YesWhen::One};
inline constexpr YesNoValue SendInEmail{subkeys::kPostPrint, W("Send in email"), false, YesWhen::One};
// The upload modules' silent-mode block; kept for the settings file.
inline constexpr BlobValue SilentUploadSettings{subkeys::kPostPrint, W("Silent Upload Settings")};
inline constexpr TextValue SharePointProgramFile{subkeys::kPostPrint, W("SharePoint utility")};
inline constexpr YesNoValue OpenDefViewer{subkeys::kPostPrint, W("View in default viewer"), false, YesWhen::One};
}  // namespace post_print

namespace email {
inline constexpr YesNoValue AskForAddress{subkeys::kEmail, W("Ask For Address"), false, YesWhen::NonZero};
inline constexpr TextValue AuditLogDir{subkeys::kEmail, W("Audit Logging Directory")};
inline constexpr YesNoValue AuditLogging{subkeys::kEmail, W("Audit Logging Enabled"), false, YesWhen::NonZero};
inline constexpr YesNoValue ContentBased{subkeys::kEmail, W("Content Based Email"), false, YesWhen::NonZero};
inline constexpr YesNoValue DeleteFiles{subkeys::kEmail, W("Delete Files After Sending"), false, YesWhen::NonZero};
inline constexpr YesNoValue DisableAboutBoxLinks{subkeys::kEmail, W("Disable About Box Links"), false,
                                                 YesWhen::NonZero};
inline constexpr YesNoValue DisableEmailSettings{subkeys::kEmail, W("Disable Email Settings"), false,
                                                 YesWhen::NonZero};
inline constexpr YesNoValue DisplaySuccess{subkeys::kEmail, W("Display Email Sent Successfully Message"), false,
                                           YesWhen::NonZero};
inline constexpr YesNoValue DisplayError{subkeys::kEmail, W("Display Error Message"), true, YesWhen::NonZero,
                                         YesReading::SortsAfterNo};
inline constexpr TextValue Bcc{subkeys::kEmail, W("Email Bcc")};
inline constexpr TextValue Body{subkeys::kEmail, W("Email Body")};
inline constexpr TextValue Cc{subkeys::kEmail, W("Email Cc")};
inline constexpr YesNoValue SilentSending{subkeys::kEmail, W("Email Send Silently"), false, YesWhen::NonZero};
inline constexpr TextValue SenderName{subkeys::kEmail, W("Email Sender")};
inline constexpr TextValue Subject{subkeys::kEmail, W("Email Subject")};
inline constexpr TextValue To{subkeys::kEmail, W("Email To")};
inline constexpr TextValue LogDir{subkeys::kEmail, W("Logging Directory")};
inline constexpr YesNoValue Logging{subkeys::kEmail, W("Logging Enabled"), false, YesWhen::NonZero};
inline constexpr YesNoValue MultipageContentBased{subkeys::kEmail, W("Multipage Content Based Email"), false,
                                                  YesWhen::NonZero};
inline constexpr BlobValue PostwellData{subkeys::kEmail, W("Postwell Data")};
inline constexpr YesNoValue SMTPServerSSL{subkeys::kEmail, W("SMTP Enable SSL"), false, YesWhen::NonZero};
// Stored as reversed hex digits; see password_scrambling.h.
inline constexpr TextValue SMTPPassword{subkeys::kEmail, W("SMTP Password")};
inline constexpr TextValue SMTPServerPort{subkeys::kEmail, W("SMTP Port")};
inline constexpr TextValue SMTPSenderEmail{subkeys::kEmail, W("SMTP Sender Email")};
inline constexpr TextValue SMTPServerName{subkeys::kEmail, W("SMTP Server")};
inline constexpr TextValue SMTPServerUser{subkeys::kEmail, W("SMTP UserName")};
// Read as on only for the exact text "1".
inline constexpr DecimalValue ClientType{subkeys::kEmail, W("Sender Client"), 0, Between(0, 1)};
inline constexpr YesNoValue SimpleContentBased{subkeys::kEmail, W("Simple Content Based Email"), false,
                                               YesWhen::NonZero};
}  // namespace email

namespace sharepoint {
inline constexpr DwordValue AuthenticationType{subkeys::kSharePoint, W("SharePoint Authentication Type"), 0};
inline constexpr YesNoValue Delete{subkeys::kSharePoint, W("SharePoint Delete"), false, YesWhen::One};
inline constexpr TextValue Directory{subkeys::kSharePoint, W("SharePoint Directory"), kPathChars};
inline constexpr YesNoValue HTTPS{subkeys::kSharePoint, W("SharePoint HTTPS"), false, YesWhen::One};
inline constexpr YesNoValue LogEnabled{subkeys::kSharePoint, W("SharePoint Log Enabled"), true, YesWhen::One};
inline constexpr TextValue Logfile{subkeys::kSharePoint, W("SharePoint Logfile"), kPathChars};
// Stored as XORed hex pairs; see password_scrambling.h.
inline constexpr TextValue Pass{subkeys::kSharePoint, W("SharePoint Pass"), kPathChars};
inline constexpr TextValue Server{subkeys::kSharePoint, W("SharePoint Server"), kPathChars};
inline constexpr YesNoValue ShowProperties{subkeys::kSharePoint, W("SharePoint Show Properties"), true,
                                           YesWhen::One};
inline constexpr YesNoValue Silent{subkeys::kSharePoint, W("SharePoint Silent"), false, YesWhen::One};
inline constexpr YesNoValue Upload{subkeys::kSharePoint, W("SharePoint Upload"), false, YesWhen::One};
inline constexpr TextValue User{subkeys::kSharePoint, W("SharePoint User"), kPathChars};
}  // namespace sharepoint

namespace redirect_printing {
inline constexpr YesNoValue Collate{subkeys::kRedirectPrinting, W("Collate pages"), true, YesWhen::NonZero};
inline constexpr YesNoValue ContentBased{subkeys::kRedirectPrinting, W("Content Based Redirection"), false,
                                         YesWhen::NonZero};
inline constexpr YesNoValue Log{subkeys::kRedirectPrinting, W("Enable Redirect Printing Log"), false, YesWhen::One};
inline constexpr DwordValue Copies{subkeys::kRedirectPrinting, W("Number of copies"), 1, Between(1, 999)};
inline constexpr YesNoValue PrintAsBitmap{subkeys::kRedirectPrinting, W("Print as Bitmap"), false, YesWhen::NonZero};
inline constexpr YesNoValue Prompt{subkeys::kRedirectPrinting, W("Prompt the User"), false, YesWhen::One};
inline constexpr TextValue LogFile{subkeys::kRedirectPrinting, W("Redirect Printing Log File"), kPathChars};
inline constexpr DwordValue ScalingMode{subkeys::kRedirectPrinting, W("Redirect Printing Scaling Mode"), 0,
                                        Between(0, 1)};
inline constexpr YesNoValue ForceNumberOfCopies{subkeys::kRedirectPrinting, W("Use number of copies"), false,
                                                YesWhen::NonZero};
}  // namespace redirect_printing

namespace text_output {
inline constexpr DwordValue ExistingFileAction{subkeys::kTextOutput, W("Action on Existing Files"), 0, Between(0, 2)};
inline constexpr DwordValue SpaceDetectionMethod{subkeys::kTextOutput, W("Add Space"), 2, Between(0, 3)};
inline constexpr DwordValue Columns{subkeys::kTextOutput, W("Character Columns"), 80};
inline constexpr DwordValue Rows{subkeys::kTextOutput, W("Character Rows"), 62};
inline constexpr YesNoValue FilterGlyphs{subkeys::kTextOutput, W("Filter Junk Characters"), false, YesWhen::One};
inline constexpr YesNoValue GenerateInMemory{subkeys::kTextOutput, W("Generate In Memory"), false, YesWhen::One};
inline constexpr DwordValue GlyphMethod{subkeys::kTextOutput, W("Glyph Conversion Method"), 0, Between(0, 3)};
inline constexpr DwordValue LineBreak{subkeys::kTextOutput, W("Line Breaks"), 1, Between(0, 3)};
inline constexpr DwordValue MarginBottom{subkeys::kTextOutput, W("Margin Bottom"), 0};
inline constexpr DwordValue MarginLeft{subkeys::kTextOutput, W("Margin Left"), 0};
inline constexpr DwordValue MarginRight{subkeys::kTextOutput, W("Margin Right"), 0};
inline constexpr DwordValue MarginTop{subkeys::kTextOutput, W("Margin Top"), 0};
inline constexpr DwordValue MarginUnits{subkeys::kTextOutput, W("Margin Units"), 0, Between(0, 2)};
inline constexpr YesNoValue PageNumbering{subkeys::kTextOutput, W("No Page Headers"), false, YesWhen::One};
inline constexpr YesNoValue SeparateDirectory{subkeys::kTextOutput, W("Separate Text Output Directory"), false,
                                              YesWhen::One};
inline constexpr TextValue Directory{subkeys::kTextOutput, W("Text Output Directory")};
inline constexpr YesNoValue LegacyCoordinates{subkeys::kTextOutput, W("Use Legacy Coordinates"), false,
                                              YesWhen::One};
}  // namespace text_output

namespace text_stamp {
inline constexpr TextValue Pages{subkeys::kTextStamp, W("Add to Pages")};
inline constexpr DecimalValue BackgroundMode{subkeys::kTextStamp, W("Background Mode"), 0, Between(0, 1)};
inline constexpr DwordValue Color{subkeys::kTextStamp, W("Color"), 0};
inline constexpr DecimalValue FirstPageOnly{subkeys::kTextStamp, W("First Page Only"), 0};
inline constexpr DwordValue OffsetUnits{subkeys::kTextStamp, W("Offset Units"), 2, Between(0, 2)};
inline constexpr DwordValue OffsetX{subkeys::kTextStamp, W("Offset X"), 0};
inline constexpr DwordValue OffsetY{subkeys::kTextStamp, W("Offset Y"), 0};
inline constexpr DecimalValue Position{subkeys::kTextStamp, W("Position"), 2, Between(0, 4)};
inline constexpr DwordValue Rotation{subkeys::kTextStamp, W("Rotation"), 0};
inline constexpr TextValue Text{subkeys::kTextStamp, W("Text")};
inline constexpr DwordValue Visibility{subkeys::kTextStamp, W("Visibility"), 100, kAnyNumber,
                                       DwordReading::ClampPercent};
// The stamp / watermark switch of the one text object (text_object.h).
inline constexpr WCHAR kEnabled[] = W("Enabled");
inline constexpr WCHAR kLayer[] = W("Layer");
inline constexpr WCHAR kStampEnable[] = W("Text Stamp Enable");
inline constexpr WCHAR kWatermarkEnable[] = W("Text Watermark Enable");
}  // namespace text_stamp

namespace troubleshooting {
inline constexpr TextValue DebugLoggingDirectory{subkeys::kTroubleshooting, W("Debug Logging Directory")};
inline constexpr DecimalValue DebugLogging{subkeys::kTroubleshooting, W("Debug Logging Enable"), 0};
inline constexpr DecimalValue IgnoreApplicationDevMode{subkeys::kTroubleshooting, W("Ignore Application Devmode"), 0};
}  // namespace troubleshooting

namespace watermark {
// Settings file only; a missing value falls back to the driver's data file.
inline constexpr TextValue Directory{subkeys::kWatermark, W("Watermark Directory")};
}

namespace xml {
inline constexpr DecimalValue ImageFormat{subkeys::kXml, W("Image Format"), 0};
inline constexpr DecimalValue IncludeDTD{subkeys::kXml, W("Include DTD"), 1};
inline constexpr DecimalValue IncludeImages{subkeys::kXml, W("Include Images"), 1};
inline constexpr DecimalValue IncludePath{subkeys::kXml, W("Include Path"), 1};
inline constexpr DecimalValue IncludeText{subkeys::kXml, W("Include Text"), 1};
inline constexpr TextValue OutputDir{subkeys::kXml, W("XML content output directory"), kPathChars};
}  // namespace xml

}  // namespace nw::settings
