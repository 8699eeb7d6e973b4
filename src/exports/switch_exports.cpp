// Switch exports: Enable, Disable and Is for each row of the switch table.
#include "accessors/switch_accessors.h"
#include "nordwisp/NordwispDEVMODE.h"

using namespace nw::accessors;

#define NW_SWITCH(stem, isName, row)                                                                         \
    extern "C" int NW_API Enable##stem(NordwispDEVMODE* record) noexcept {                                   \
        return EnableSwitch(record, switches::row);                                                          \
    }                                                                                                        \
    extern "C" int NW_API Disable##stem(NordwispDEVMODE* record) noexcept {                                  \
        return DisableSwitch(record, switches::row);                                                         \
    }                                                                                                        \
    extern "C" int NW_API isName(const NordwispDEVMODE* record) noexcept { return IsSwitch(record, switches::row); }

// Options
NW_SWITCH(200FaxOutput, Is200FaxOutputEnabled, FaxOutput200)
NW_SWITCH(InternetTiffFormat, IsInternetTiffFormatEnabled, InternetTiffFormat)
NW_SWITCH(PageNumbering, IsPageNumberingEnabled, PageNumbering)
NW_SWITCH(ReverseBitOrder, IsReverseBitOrderEnabled, ReverseBitOrder)
NW_SWITCH(AppendImage, IsAppendImageEnabled, AppendImage)
NW_SWITCH(MultipageImage, IsMultipageImageEnabled, MultipageImage)
NW_SWITCH(WriteText, IsWriteTextEnabled, WriteText)
NW_SWITCH(EasternCharSupport, IsEasternCharSupportEnabled, UnicodeText)
NW_SWITCH(UnicodeText, IsUnicodeTextEnabled, UnicodeText)
NW_SWITCH(MailMerge, IsMailMergeEnabled, MailMerge)
NW_SWITCH(AdvancedText, IsAdvancedTextEnabled, AdvancedText)
NW_SWITCH(DisableImage, IsDisableImageEnabled, DisableImage)
NW_SWITCH(GroupFile, IsGroupFileDisabled, GroupFile)
NW_SWITCH(LowCompatibleFaxOutput, IsLowCompatibleFaxOutputEnabled, LowCompatibleFaxOutput)
NW_SWITCH(MessagingInterface, IsMessagingInterfaceEnabled, MessagingInterface)
NW_SWITCH(TiffDll, IsTiffDllEnabled, TiffDll)
NW_SWITCH(JpegDll, IsJpegDllEnabled, JpegDll)
NW_SWITCH(FaxOutput, IsFaxOutputEnabled, FaxOutput)
NW_SWITCH(RotatePaper, IsRotatePaperEnabled, RotatePaper)
NW_SWITCH(DeleteGroupFile, IsDeleteGroupFileEnabled, DeleteGroupFile)
NW_SWITCH(KeepExistingFiles, IsKeepExistingFilesEnabled, KeepExistingFiles)
NW_SWITCH(AdvancedPaperSize, IsAdvancedPaperSizeEnabled, AdvancedPaperSize)
NW_SWITCH(CustomExtension, IsCustomExtensionEnabled, CustomExtension)
NW_SWITCH(LowFaxOutput, IsLowFaxOutputEnabled, LowFaxOutput)
NW_SWITCH(RedirectPrinting, IsRedirectPrintingEnabled, RedirectPrinting)
NW_SWITCH(GenerateImageInMemory, IsGenerateImageInMemoryEnabled, GenerateImageInMemory)
NW_SWITCH(BatesNumbering, IsBatesNumberingEnabled, BatesNumbering)
NW_SWITCH(InvertImage, IsInvertImageEnabled, InvertImage)
NW_SWITCH(FlipHorizontal, IsFlipHorizontalEnabled, FlipHorizontal)
NW_SWITCH(FlipVertical, IsFlipVerticalEnabled, FlipVertical)
NW_SWITCH(SaveAsOption, IsSaveAsOptionEnabled, SaveAsOption)

// StartFlags
NW_SWITCH(StartApplication, IsStartApplicationEnabled, StartApplication)
NW_SWITCH(StartBeforePrint, IsStartBeforePrint, StartBeforePrint)
NW_SWITCH(PassParameters, IsPassParametersEnabled, PassParameters)
NW_SWITCH(StartNormal, IsStartNormal, StartNormal)
NW_SWITCH(StartMinimized, IsStartMinimized, StartMinimized)
NW_SWITCH(StartHidden, IsStartHidden, StartHidden)
NW_SWITCH(StartForMessaging, IsStartForMessaging, StartForMessaging)

// WatermarkFlags
NW_SWITCH(Watermark, IsWatermarkEnabled, Watermark)
NW_SWITCH(WatermarkOnFirstPageOnly, IsWatermarkOnFirstPageOnlyEnabled, WatermarkOnFirstPageOnly)
NW_SWITCH(StretchWatermarkToFitPortrait, IsWatermarkStretchedToFitPortrait, StretchWatermarkToFitPortrait)
NW_SWITCH(StretchWatermarkToWidthPortrait, IsWatermarkStretchedToWidthPortrait, StretchWatermarkToWidthPortrait)
NW_SWITCH(CenterWatermarkPortrait, IsWatermarkCenteredPortrait, CenterWatermarkPortrait)
NW_SWITCH(TileWatermarkPortrait, IsWatermarkTiledPortrait, TileWatermarkPortrait)
NW_SWITCH(StretchWatermarkToFitLandscape, IsWatermarkStretchedToFitLandscape, StretchWatermarkToFitLandscape)
NW_SWITCH(StretchWatermarkToWidthLandscape, IsWatermarkStretchedToWidthLandscape, StretchWatermarkToWidthLandscape)
NW_SWITCH(CenterWatermarkLandscape, IsWatermarkCenteredLandscape, CenterWatermarkLandscape)
NW_SWITCH(TileWatermarkLandscape, IsWatermarkTiledLandscape, TileWatermarkLandscape)
NW_SWITCH(WatermarkUniqueFirstPage, IsWatermarkUniqueFirstPageEnabled, WatermarkUniqueFirstPage)
NW_SWITCH(Stamp, IsStampEnabled, Stamp)

// AnnotationFlags
NW_SWITCH(Annotation, IsAnnotationEnabled, Annotation)
NW_SWITCH(AnnotationText, IsAnnotationTextEnabled, AnnotationText)
NW_SWITCH(AnnotationDate, IsAnnotationDateEnabled, AnnotationDate)
NW_SWITCH(AnnotationDateFormatMMDDYYYY, IsAnnotationDateFormatMMDDYYYYEnabled, AnnotationDateFormatMMDDYYYY)
NW_SWITCH(AnnotationDateFormatMDYY, IsAnnotationDateFormatMDYYEnabled, AnnotationDateFormatMDYY)
NW_SWITCH(AnnotationDateFormatDDMMYYYY, IsAnnotationDateFormatDDMMYYYYEnabled, AnnotationDateFormatDDMMYYYY)
NW_SWITCH(AnnotationDateFormatDDMONYYYY, IsAnnotationDateFormatDDMONYYYYEnabled, AnnotationDateFormatDDMONYYYY)
NW_SWITCH(AnnotationDateFormatYYYYMMDD, IsAnnotationDateFormatYYYYMMDDEnabled, AnnotationDateFormatYYYYMMDD)
NW_SWITCH(AnnotationDateFormatJULIAN, IsAnnotationDateFormatJULIANEnabled, AnnotationDateFormatJULIAN)
NW_SWITCH(AnnotationTime, IsAnnotationTimeEnabled, AnnotationTime)
NW_SWITCH(AnnotationTimeFormat12Hour, IsAnnotationTimeFormat12HourEnabled, AnnotationTimeFormat12Hour)
NW_SWITCH(AnnotationTimeFormat24Hour, IsAnnotationTimeFormat24HourEnabled, AnnotationTimeFormat24Hour)
NW_SWITCH(AnnotationMinutes, IsAnnotationMinutesEnabled, AnnotationMinutes)
NW_SWITCH(AnnotationSeconds, IsAnnotationSecondsEnabled, AnnotationSeconds)
NW_SWITCH(AnnotationTimeZone, IsAnnotationTimeZoneEnabled, AnnotationTimeZone)
NW_SWITCH(TransparentAnnotation, IsAnnotationTransparent, TransparentAnnotation)
NW_SWITCH(OpaqueAnnotation, IsAnnotationOpaque, OpaqueAnnotation)
NW_SWITCH(TopLeftAnnotationPosition, IsAnnotationPositionTopLeft, TopLeftAnnotationPosition)
NW_SWITCH(TopRightAnnotationPosition, IsAnnotationPositionTopRight, TopRightAnnotationPosition)
NW_SWITCH(CenterAnnotationPosition, IsAnnotationPositionCenter, CenterAnnotationPosition)
NW_SWITCH(BottomLeftAnnotationPosition, IsAnnotationPositionBottomLeft, BottomLeftAnnotationPosition)
NW_SWITCH(BottomRightAnnotationPosition, IsAnnotationPositionBottomRight, BottomRightAnnotationPosition)
NW_SWITCH(AnnotationUnitsMM, IsAnnotationUnitsMM, AnnotationUnitsMM)
NW_SWITCH(AnnotationUnitsInch, IsAnnotationUnitsInch, AnnotationUnitsInch)
NW_SWITCH(AnnotationUnitsPixels, IsAnnotationUnitsPixels, AnnotationUnitsPixels)

// PDFCompressionFlags
NW_SWITCH(PDFCompressionNoCompression, IsPDFCompressionNoCompressionEnabled, PDFCompressionNoCompression)
NW_SWITCH(PDFASCII_HEXCompression, IsPDFCompressionASCII_HEXEnabled, PDFASCII_HEXCompression)
NW_SWITCH(PDFASCII_85Compression, IsPDFCompressionASCII_85Enabled, PDFASCII_85Compression)
NW_SWITCH(PDFLZWCompression, IsPDFCompressionLZWEnabled, PDFLZWCompression)
NW_SWITCH(PDFFLATCompression, IsPDFCompressionFLATEnabled, PDFFLATCompression)
NW_SWITCH(PDFRUNLENGTHCompression, IsPDFCompressionRUNLENGTHEnabled, PDFRUNLENGTHCompression)
NW_SWITCH(PDFCompressionCCITT_FAX, IsPDFCompressionCCITT_FAXEnabled, PDFCompressionCCITT_FAX)
NW_SWITCH(PDFCompressionJPEG, IsPDFCompressionJPEGEnabled, PDFCompressionJPEG)

// BarcodeFlags
NW_SWITCH(Barcode, IsBarcodeEnabled, Barcode)
NW_SWITCH(BarcodeFirstPageOnly, IsBarcodeFirstPageOnly, BarcodeFirstPageOnly)
NW_SWITCH(BarcodeTransparency, IsBarcodeTransparent, BarcodeTransparency)
NW_SWITCH(1DWriteText, Is1DWriteTextEnabled, OneDWriteText)
NW_SWITCH(DMAppend, IsDMAppendEnabled, DMAppend)
NW_SWITCH(P417Truncated, IsP417Truncated, P417Truncated)
NW_SWITCH(BarcodeInsertPage, IsBarcodeInsertPage, BarcodeInsertPage)
NW_SWITCH(1DFixedHeight, Is1DFixedHeight, OneDFixedHeight)

// FileNameFlags
NW_SWITCH(DirFromINIForCustomFileName, IsDirFromINIForCustomFileNameEnabled, DirFromINIForCustomFileName)
NW_SWITCH(MergeWindow, IsMergeWindowEnabled, MergeWindow)
