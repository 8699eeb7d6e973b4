// Registry-backed settings: one line per export pair, naming its table row.
#include "nordwisp/NordwispDEVMODE.h"
#include "settings/family_frame.h"
#include "settings/family_tables.h"

using namespace nw::settings;

// Value getter (record) and setter (record, value).
#define NW_VALUE(name, row)                                                                                  \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record) noexcept { return GetValueExport(record, row); } \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {                          \
        return SetExport(record, row, value);                                                               \
    }
// Out getter (record, int*) and setter (record, value).
#define NW_OUT(name, row)                                                                        \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, int* value) noexcept {        \
        return GetOutExport(record, row, value);                                                 \
    }                                                                                            \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {              \
        return SetExport(record, row, value);                                                   \
    }
// The same shapes, exported under decorated names by the Windows DLLs.
#define NW_OUT_DECORATED(name, row)                                                              \
    extern "C" int NW_API Get##name(NordwispDEVMODE* record, int* value) noexcept {              \
        return GetOutExport(record, row, value);                                                 \
    }                                                                                            \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {              \
        return SetExport(record, row, value);                                                   \
    }
// Switch getter (record) and its setter, whose names do not follow one pattern.
#define NW_SWITCH(isName, setName, row)                                                                      \
    extern "C" int NW_API isName(const NordwispDEVMODE* record) noexcept { return IsExport(record, row); }   \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int value) noexcept {                            \
        return SetExport(record, row, value);                                                                \
    }
// Text getter (record, buffer, size), setter (record, text) and their ANSI
// forms; the getter's size counts bytes, or characters for NW_TEXT_CHARS.
#define NW_TEXT_WITH(name, row, getText)                                                                  \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) noexcept {  \
        return getText(record, row, buffer, size);                                                        \
    }                                                                                                     \
    extern "C" int NW_API Get##name##A(const NordwispDEVMODE* record, char* buffer, int* size) noexcept { \
        return GetTextAnsi(buffer, size, [&](NWCHAR* wide, int* units) { return Get##name(record, wide, units); }); \
    }                                                                                                     \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, const NWCHAR* text) noexcept {               \
        return SetTextExport(record, row, text);                                                          \
    }                                                                                                     \
    extern "C" int NW_API Set##name##A(NordwispDEVMODE* record, const char* text) noexcept {              \
        return SetTextAnsi(text, [&](const NWCHAR* wide) { return Set##name(record, wide); });            \
    }
#define NW_TEXT(name, row) NW_TEXT_WITH(name, row, GetTextExport)
#define NW_TEXT_CHARS(name, row) NW_TEXT_WITH(name, row, GetTextCharsExport)

// "%s\Application Starter"
NW_TEXT(AppStarterExeName, app_starter::ExeName)

// "%s\Barcode Settings"
NW_TEXT(BarcodeRegExpFile, barcode::RegExpFile)
NW_TEXT(BarcodeRegExpFormatFile, barcode::RegExpFormatFile)
NW_TEXT(BarcodeValue, barcode::Value)
NW_TEXT(BarcodeValueFile, barcode::ValueFile)

// "%s\Cover Page Settings"
NW_TEXT(CommonCoverPageDirectory, cover_page::CommonDirectory)
NW_TEXT(FormfillDirectory, cover_page::FormfillDirectory)
NW_TEXT(DefaultCoverPage, cover_page::DefaultCoverPage)
NW_SWITCH(IsCoverPageEnabled, SetCoverPageEnabled, cover_page::Enabled)
NW_SWITCH(IsDefaultCoverPageEnabled, SetDefaultCoverPageEnabled, cover_page::DefaultEnabled)
NW_SWITCH(IsShowFormfillEnabled, SetShowFormfillEnabled, cover_page::ShowFormfill)
NW_SWITCH(IsShowPDFCoverPagesEnabled, SetShowPDFCoverPagesEnabled, cover_page::ShowPDFCoverPages)
NW_SWITCH(IsStartCoverPageBeforePrintingEnabled, SetStartCoverPageBeforePrintingEnabled,
          cover_page::StartBeforePrinting)
NW_TEXT(UserCoverPageDirectory, cover_page::UserDirectory)

// "%s\Filename Generation Settings"
NW_TEXT(MergeUtility, filename_generation::MergeUtility)
NW_TEXT(RemovedTextFromDocumentName, filename_generation::RemovedText)

// "%s\Footer Settings"
NW_OUT(FooterBackgroundMode, footer::BackgroundMode)
NW_OUT(FooterColor, footer::Color)
NW_OUT(FooterEnabled, footer::Enabled)
NW_OUT_DECORATED(FooterFirstPageOnly, footer::FirstPageOnly)
NW_OUT_DECORATED(FooterOffsetUnits, footer::OffsetUnits)
NW_OUT_DECORATED(FooterOffsetX, footer::OffsetX)
NW_OUT_DECORATED(FooterOffsetY, footer::OffsetY)
NW_OUT(FooterPosition, footer::Position)
NW_TEXT(FooterText, footer::Text)

// "%s\Header Settings"
NW_OUT(HeaderBackgroundMode, header::BackgroundMode)
NW_OUT(HeaderColor, header::Color)
NW_OUT(HeaderEnabled, header::Enabled)
NW_OUT_DECORATED(HeaderFirstPageOnly, header::FirstPageOnly)
NW_OUT_DECORATED(HeaderOffsetUnits, header::OffsetUnits)
NW_OUT_DECORATED(HeaderOffsetX, header::OffsetX)
NW_OUT_DECORATED(HeaderOffsetY, header::OffsetY)
NW_OUT(HeaderPosition, header::Position)
NW_TEXT(HeaderText, header::Text)

// "%s\Html Settings"
NW_VALUE(HTMLCSSSettings, html::CSSSettings)
NW_VALUE(HTMLCreateSubset, html::CreateSubset)
NW_VALUE(HTMLDefEmbeddedFont, html::DefEmbeddedFont)
NW_VALUE(HTMLEmbedLicensedFonts, html::EmbedLicensedFonts)
NW_TEXT(HTMLOutputDir, html::OutputDir)
NW_VALUE(HTMLViewType, html::ViewType)
NW_VALUE(HTMLSeparatePages, html::SeparatePages)
NW_VALUE(HTMLVectorGraphicsDispMode, html::VectorGraphicsDispMode)

// "%s\OCR" (the language list is in special_settings_exports.cpp)
NW_VALUE(OCRAreaHeight, ocr::AreaHeight)
NW_VALUE(OCRAreaLeft, ocr::AreaLeft)
NW_VALUE(OCRAreaTop, ocr::AreaTop)
NW_VALUE(OCRAreaUnit, ocr::AreaUnit)
NW_VALUE(OCRAreaWidth, ocr::AreaWidth)
NW_TEXT_CHARS(OCRDLLPath32, ocr::DLLPath32)
NW_TEXT_CHARS(OCRDLLPath64, ocr::DLLPath64)
NW_TEXT_CHARS(OCRDLLPath, ocr::DLLPath32)
NW_SWITCH(IsOCRClosingFilterEnabled, SetOCRClosingFilter, ocr::ClosingFilter)
NW_SWITCH(IsOCREnabled, SetOCREnabled, ocr::Enabled)
NW_SWITCH(IsOCRFirstPageOnlyEnabled, SetOCRFirstPageOnly, ocr::FirstPageOnly)
NW_SWITCH(IsOCRInMemoryEnabled, SetOCRInMemory, ocr::InMemory)
NW_VALUE(OCRFormat, ocr::Format)
NW_SWITCH(IsOCROpenOutputEnabled, SetOCROpenOutput, ocr::OpenOutput)
NW_TEXT(OCROutputDir, ocr::OutputDir)
NW_SWITCH(IsOCRSelectAreaEnabled, SetOCRSelectArea, ocr::SelectArea)
NW_TEXT(OCRTextEditor, ocr::TextEditor)

// "%s\Page Settings" (antialiasing, areas and forced switches are special)
NW_VALUE(CropMode, page::CropMode)
NW_SWITCH(IsCropEnabled, SetCropEnabled, page::CropPage)
NW_VALUE(TrimGrayscaleIntensity, page::TrimGrayscaleIntensity)
NW_SWITCH(IsPrintSelectedPagesOnlyEnabled, SetPrintSelectedPagesOnly, page::PrintSelectedPagesOnly)
NW_SWITCH(IsRemoveBlankPagesEnabled, SetRemoveBlankPages, page::RemoveBlankPages)
NW_VALUE(PageRotation, page::Rotation)
NW_TEXT(SelectedPages, page::SelectedPages)
NW_SWITCH(IsSplitDocumentEnabled, SetSplitDocumentEnabled, page::SplitDocument)
NW_VALUE(SplitDocumentPage, page::SplitDocumentPage)
NW_SWITCH(IsTrimBasedOnGrayscaleEnabled, SetTrimBasedOnGrayscaleEnabled, page::TrimBasedOnGrayscale)

// "%s\Pdf Settings" (passwords are special)
NW_OUT_DECORATED(PdfAddWhitePageBackground, pdf::AddWhitePageBackground)
NW_OUT(PdfColorImgCompression, pdf::ColorImgCompression)
NW_OUT(PdfColorPatterns, pdf::ColorPatterns)
NW_OUT(PdfCreateSubset, pdf::CreateSubset)
NW_TEXT(PdfAuthor, pdf::Author)
NW_OUT(PdfEncryption, pdf::Encryption)
NW_TEXT(PdfKeywords, pdf::Keywords)
NW_OUT(PdfSecurityFlags, pdf::SecurityFlags)
NW_TEXT(PdfSubject, pdf::Subject)
NW_TEXT(PdfTitle, pdf::Title)
NW_OUT(PdfEmbedCIDFontsOnly, pdf::EmbedCIDFontsOnly)
NW_OUT(PdfEmbedAdobeFonts, pdf::EmbedAdobeFonts)
NW_OUT(PdfDefEmbeddedFont, pdf::DefEmbeddedFont)
NW_OUT(PdfEmbedLicensedFonts, pdf::EmbedLicensedFonts)
NW_OUT(PdfEmbedWindowsFonts, pdf::EmbedWindowsFonts)
NW_OUT(PdfJPEGQuality, pdf::JPEGQuality)
NW_OUT(PdfLinearized, pdf::Linearized)
NW_OUT(PdfMonoImgCompression, pdf::MonoImgCompression)
NW_OUT_DECORATED(PdfOpenAtPage, pdf::OpenAtPage)
NW_OUT_DECORATED(PdfOpenCenterWindow, pdf::OpenCenterWindow)
NW_OUT_DECORATED(PdfOpenFitToWindow, pdf::OpenFitToWindow)
NW_OUT_DECORATED(PdfOpenHideControls, pdf::OpenHideControls)
NW_OUT_DECORATED(PdfOpenHideMenubar, pdf::OpenHideMenubar)
NW_OUT_DECORATED(PdfOpenHideToolbar, pdf::OpenHideToolbar)
NW_OUT_DECORATED(PdfOpenMagnification, pdf::OpenMagnification)
NW_OUT_DECORATED(PdfOpenPageLayout, pdf::OpenPageLayout)
NW_OUT_DECORATED(PdfOpenPageView, pdf::OpenPageView)
NW_OUT_DECORATED(PdfOpenShowTitle, pdf::OpenShowTitle)
NW_OUT_DECORATED(PdfOpenZoom, pdf::OpenZoom)
NW_OUT(PdfPromptForPassword, pdf::PromptForPassword)
NW_OUT(PdfResamplingMethod, pdf::ResamplingMethod)
NW_OUT(PdfResamplingRate, pdf::ResamplingRate)
NW_OUT(PdfStreamCompression, pdf::StreamCompression)
NW_OUT(PdfTransparency, pdf::Transparency)
NW_OUT(PdfUrlParsing, pdf::UrlParsing)

// "%s\PdfA Settings"
NW_OUT_DECORATED(PdfAAddWhitePageBackground, pdfa::AddWhitePageBackground)
NW_OUT(PdfAColorImgCompression, pdfa::ColorImgCompression)
NW_OUT(PdfAColorPatterns, pdfa::ColorPatterns)
NW_TEXT(PdfAAuthor, pdfa::Author)
NW_TEXT(PdfAKeywords, pdfa::Keywords)
NW_TEXT(PdfASubject, pdfa::Subject)
NW_TEXT(PdfATitle, pdfa::Title)
NW_OUT(PdfAJPEGQuality, pdfa::JPEGQuality)
NW_OUT(PdfAMonoImgCompression, pdfa::MonoImgCompression)
NW_OUT_DECORATED(PdfAOpenAtPage, pdfa::OpenAtPage)
NW_OUT_DECORATED(PdfAOpenCenterWindow, pdfa::OpenCenterWindow)
NW_OUT_DECORATED(PdfAOpenFitToWindow, pdfa::OpenFitToWindow)
NW_OUT_DECORATED(PdfAOpenHideControls, pdfa::OpenHideControls)
NW_OUT_DECORATED(PdfAOpenHideMenubar, pdfa::OpenHideMenubar)
NW_OUT_DECORATED(PdfAOpenHideToolbar, pdfa::OpenHideToolbar)
NW_OUT_DECORATED(PdfAOpenMagnification, pdfa::OpenMagnification)
NW_OUT_DECORATED(PdfAOpenPageLayout, pdfa::OpenPageLayout)
NW_OUT_DECORATED(PdfAOpenPageView, pdfa::OpenPageView)
NW_OUT_DECORATED(PdfAOpenShowTitle, pdfa::OpenShowTitle)
NW_OUT_DECORATED(PdfAOpenZoom, pdfa::OpenZoom)
NW_OUT(PdfAResamplingMethod, pdfa::ResamplingMethod)
NW_OUT(PdfAResamplingRate, pdfa::ResamplingRate)
NW_OUT(PdfAStreamCompression, pdfa::StreamCompression)
NW_OUT(PdfATransparency, pdfa::Transparency)
NW_OUT(PdfAUrlParsing, pdfa::UrlParsing)

// "%s\Post Print Settings"
NW_SWITCH(IsDBUploadEnabled, SetDBUploadEnabled, post_print::DBUpload)
NW_TEXT(DBUploadProgramFile, post_print::DBUploadProgramFile)
NW_TEXT(EmailProgramFile32Bit, post_print::EmailProgramFile32Bit)
NW_TEXT(EmailProgramFile64Bit, post_print::EmailProgramFile64Bit)
NW_TEXT(FTPProgramFile, post_print::FTPProgramFile)
NW_SWITCH(IsFTPEnabled, SetFTPEnabled, post_print::FTPUpload)
NW_SWITCH(IsHTTPEnabled, SetHTTPEnabled, post_print::HTTPUpload)
NW_TEXT(HTTPProgramFile, post_print::HTTPProgramFile)
NW_SWITCH(IsMFilesUploadEnabled, SetMFilesUploadEnabled, post_print::MFilesUpload)
NW_TEXT(MFilesUploadProgramFile, post_print::MFilesUploadProgramFile)
NW_SWITCH(IsOpenRasterviewEnabled, SetOpenRasterview, post_print::OpenRasterview)
NW_SWITCH(IsOpenOutputFolderEnabled, SetOpenOutputFolder, post_print::OpenOutputFolder)
NW_SWITCH(IsPreviewWindowEnabled, SetPreviewWindow, post_print::PreviewWindow)
NW_TEXT(PreviewWindowOverlay, post_print::PreviewWindowOverlay)
NW_SWITCH(IsPreviewWindowOverlayFirstPageOnly, SetPreviewWindowOverlayFirstPageOnly,
          post_print::PreviewWindowOverlayFirstPageOnly)
NW_SWITCH(IsSendInEmailEnabled, SetSendInEmail, post_print::SendInEmail)
NW_TEXT(SharePointProgramFile, post_print::SharePointProgramFile)
NW_SWITCH(IsOpenDefViewerEnabled, SetOpenDefViewer, post_print::OpenDefViewer)

// "%s\Post Print Settings\Email Settings" (password, client type and the
// blob are special)
NW_SWITCH(IsEmailAskForAddressEnabled, SetEmailAskForAddress, email::AskForAddress)
NW_TEXT(EmailAuditLogDir, email::AuditLogDir)
NW_SWITCH(IsEmailAuditLoggingEnabled, SetEmailAuditLogging, email::AuditLogging)
NW_SWITCH(IsContentBasedEmailEnabled, SetContentBasedEmail, email::ContentBased)
NW_SWITCH(IsEmailDeleteFilesEnabled, SetEmailDeleteFiles, email::DeleteFiles)
NW_SWITCH(IsEmailDisplaySuccessEnabled, SetEmailDisplaySuccess, email::DisplaySuccess)
NW_SWITCH(IsEmailDisplayErrorEnabled, SetEmailDisplayError, email::DisplayError)
NW_TEXT(EmailBcc, email::Bcc)
NW_TEXT(EmailBody, email::Body)
NW_TEXT(EmailCc, email::Cc)
NW_SWITCH(IsEmailSilentSendingEnabled, SetEmailSilentSending, email::SilentSending)
NW_TEXT(EmailSenderName, email::SenderName)
NW_TEXT(EmailSubject, email::Subject)
NW_TEXT(EmailTo, email::To)
NW_TEXT(EmailLogDir, email::LogDir)
NW_SWITCH(IsEmailLoggingEnabled, SetEmailLogging, email::Logging)
NW_SWITCH(IsMultipageContentBasedEmailEnabled, SetMultipageContentBasedEmail, email::MultipageContentBased)
NW_SWITCH(IsSMTPServerSSLEnabled, SetSMTPServerSSL, email::SMTPServerSSL)
NW_TEXT(SMTPServerPort, email::SMTPServerPort)
NW_TEXT(SMTPSenderEmail, email::SMTPSenderEmail)
NW_TEXT(SMTPServerName, email::SMTPServerName)
NW_TEXT(SMTPServerUser, email::SMTPServerUser)
NW_SWITCH(IsSimpleContentBasedEmailEnabled, SetSimpleContentBasedEmail, email::SimpleContentBased)

// "%s\Post Print Settings\SharePoint Settings" (the password is special)
NW_VALUE(SharePointAuthenticationType, sharepoint::AuthenticationType)
NW_SWITCH(IsSharePointDeleteEnabled, SetSharePointDelete, sharepoint::Delete)
NW_TEXT(SharePointDirectory, sharepoint::Directory)
NW_SWITCH(IsSharePointHTTPSEnabled, SetSharePointHTTPS, sharepoint::HTTPS)
NW_SWITCH(IsSharePointLogEnabled, SetSharePointLogEnabled, sharepoint::LogEnabled)
NW_TEXT(SharePointLogfile, sharepoint::Logfile)
NW_TEXT(SharePointServer, sharepoint::Server)
NW_SWITCH(IsSharePointShowProperties, SetSharePointShowProperties, sharepoint::ShowProperties)
NW_SWITCH(IsSharePointSilentEnabled, SetSharePointSilent, sharepoint::Silent)
NW_SWITCH(IsSharePointUploadEnabled, SetSharePointUpload, sharepoint::Upload)
NW_TEXT(SharePointUser, sharepoint::User)

// "%s\Redirect Printing Settings"
NW_SWITCH(IsRedirectPrintingCollate, SetRedirectPrintingCollate, redirect_printing::Collate)
NW_SWITCH(IsContentBasedRedirectionEnabled, SetContentBasedRedirectionEnabled, redirect_printing::ContentBased)
NW_SWITCH(IsRedirectPrintingLogEnabled, SetRedirectPrintingLog, redirect_printing::Log)
NW_VALUE(RedirectPrintingCopies, redirect_printing::Copies)
NW_SWITCH(IsRedirectPrintingPrintAsBitmapEnabled, SetRedirectPrintingPrintAsBitmapEnabled,
          redirect_printing::PrintAsBitmap)
NW_SWITCH(IsRedirectPrintingPromptEnabled, SetRedirectPrintingPrompt, redirect_printing::Prompt)
NW_TEXT(RedirectPrintingLogFile, redirect_printing::LogFile)
NW_VALUE(RedirectPrintingScalingMode, redirect_printing::ScalingMode)
NW_SWITCH(IsRedirectPrintingForceNumberOfCopies, SetRedirectPrintingForceNumberOfCopies,
          redirect_printing::ForceNumberOfCopies)

// "%s\Text Output Settings"
NW_VALUE(TextOutputExistingFileAction, text_output::ExistingFileAction)
NW_VALUE(TextOutputSpaceDetectionMethod, text_output::SpaceDetectionMethod)
NW_VALUE(TextOutputColumns, text_output::Columns)
NW_VALUE(TextOutputRows, text_output::Rows)
NW_SWITCH(IsTextOutputFilterGlyphsEnabled, SetTextOutputFilterGlyphs, text_output::FilterGlyphs)
NW_SWITCH(IsGenerateTextInMemoryEnabled, SetGenerateTextInMemory, text_output::GenerateInMemory)
NW_VALUE(TextOutputGlyphMethod, text_output::GlyphMethod)
NW_VALUE(TextOutputLineBreak, text_output::LineBreak)
NW_VALUE(TextOutputMarginBottom, text_output::MarginBottom)
NW_VALUE(TextOutputMarginLeft, text_output::MarginLeft)
NW_VALUE(TextOutputMarginRight, text_output::MarginRight)
NW_VALUE(TextOutputMarginTop, text_output::MarginTop)
NW_VALUE(TextOutputMarginUnits, text_output::MarginUnits)
NW_SWITCH(IsTextOutputPageNumberingEnabled, SetTextOutputPageNumbering, text_output::PageNumbering)
NW_SWITCH(IsTextOutputSeparateDirectoryEnabled, SetTextOutputSeparateDirectory, text_output::SeparateDirectory)
NW_TEXT(TextOutputDirectory, text_output::Directory)
NW_SWITCH(IsTextOutputLegacyCoordinatesEnabled, SetTextOutputLegacyCoordinates, text_output::LegacyCoordinates)

// "%s\Text Watermark Stamp Settings" (enabled state and font are special)
NW_TEXT(TextStampPages, text_stamp::Pages)
NW_OUT(TextStampBackgroundMode, text_stamp::BackgroundMode)
NW_OUT(TextStampColor, text_stamp::Color)
NW_OUT(TextStampFirstPageOnly, text_stamp::FirstPageOnly)
NW_OUT(TextStampOffsetUnits, text_stamp::OffsetUnits)
NW_OUT(TextStampOffsetX, text_stamp::OffsetX)
NW_OUT(TextStampOffsetY, text_stamp::OffsetY)
NW_OUT(TextStampPosition, text_stamp::Position)
NW_OUT(TextStampRotation, text_stamp::Rotation)
NW_TEXT(TextStampText, text_stamp::Text)
NW_OUT(TextStampVisibility, text_stamp::Visibility)

// "%s\Troubleshooting Settings"
NW_TEXT(DebugLoggingDirectory, troubleshooting::DebugLoggingDirectory)
NW_SWITCH(IsDebugLoggingEnabled, SetDebugLoggingEnabled, troubleshooting::DebugLogging)
NW_SWITCH(IsIgnoreApplicationDevModeEnabled, SetIgnoreApplicationDevModeEnabled,
          troubleshooting::IgnoreApplicationDevMode)

// "%s\XML Settings"
NW_VALUE(XMLImageFormat, xml::ImageFormat)
NW_VALUE(XMLIncludeDTD, xml::IncludeDTD)
NW_VALUE(XMLIncludeImages, xml::IncludeImages)
NW_VALUE(XMLIncludePath, xml::IncludePath)
NW_VALUE(XMLIncludeText, xml::IncludeText)
NW_TEXT(XMLOutputDir, xml::OutputDir)
