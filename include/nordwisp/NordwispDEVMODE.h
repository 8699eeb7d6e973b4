/*
 * NordwispDEVMODE: configure the Nordwisp virtual printer driver without its
 * dialogs. One C header for the whole API.
 *
 * Conventions every export follows:
 *  - Nordwisp_GetLastError() tells why the last call failed. Each export
 *    stores 0 on entry (a few documented ones do not), -1000 (0xFFFFFC18) for
 *    a null record or printer name, 1801 for a null printer name given to the
 *    spooler exchange, or the Win32 error of the failing system call.
 *  - Actions and setters return 1 on success, 0 on failure. Numeric getters
 *    return the value or -1000.
 *  - Every text export has an ANSI twin whose name ends in "A"; it converts
 *    with the ANSI code page.
 *  - Records come from LoadNordwispDEVMODE and go back through
 *    ReleaseNordwispDEVMODE; accessors change them in place.
 */
#ifndef NORDWISP_NORDWISPDEVMODE_H
#define NORDWISP_NORDWISPDEVMODE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#  include <windows.h>
#endif

/* Calling convention: stdcall (callee pops) on 32-bit Windows. */
#if defined(_WIN32) && (defined(_M_IX86) || defined(__i386__))
#  define NW_API __stdcall
#else
#  define NW_API
#endif

/* Linkage: the DLL exports through its .def list; on other systems the
 * library is built with hidden visibility and only the API is shown. */
#if defined(_WIN32)
#  if defined(NORDWISP_BUILDING_LIBRARY)
#    define NW_EXPORT
#  else
#    define NW_EXPORT __declspec(dllimport)
#  endif
#else
#  define NW_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#  define NW_NOEXCEPT noexcept
#else
#  define NW_NOEXCEPT
#endif

/* UTF-16 text unit: wchar_t on Windows, char16_t elsewhere. */
#if defined(_WIN32)
typedef wchar_t NWCHAR;
#elif defined(__cplusplus)
typedef char16_t NWCHAR;
#else
#  include <uchar.h>
typedef char16_t NWCHAR;
#endif

/* Last-error value stored for a null record or printer name. */
#define NW_ERROR_NULL_ARGUMENT ((uint32_t)0xFFFFFC18u)

/* Size of the whole record and of its parts. */
#define NW_DEVMODE_PUBLIC_SIZE 220
#define NW_DEVMODE_PRIVATE_SIZE 6659
#define NW_DEVMODE_SIZE 6879
/* Driver version this library is built for. */
#define NW_SUPPORTED_DRIVER_VERSION 1777

#pragma pack(push, 1)

#if defined(_WIN32)
typedef DEVMODEW NW_DEVMODEW;
#else
/* Layout of the Windows DEVMODEW structure (printer variant of its unions). */
typedef struct NW_DEVMODEW {
    NWCHAR dmDeviceName[32];
    uint16_t dmSpecVersion;
    uint16_t dmDriverVersion;
    uint16_t dmSize;
    uint16_t dmDriverExtra;
    uint32_t dmFields;
    int16_t dmOrientation;
    int16_t dmPaperSize;
    int16_t dmPaperLength;
    int16_t dmPaperWidth;
    int16_t dmScale;
    int16_t dmCopies;
    int16_t dmDefaultSource;
    int16_t dmPrintQuality;
    int16_t dmColor;
    int16_t dmDuplex;
    int16_t dmYResolution;
    int16_t dmTTOption;
    int16_t dmCollate;
    NWCHAR dmFormName[32];
    uint16_t dmLogPixels;
    uint32_t dmBitsPerPel;
    uint32_t dmPelsWidth;
    uint32_t dmPelsHeight;
    uint32_t dmNup;
    uint32_t dmDisplayFrequency;
    uint32_t dmICMMethod;
    uint32_t dmICMIntent;
    uint32_t dmMediaType;
    uint32_t dmDitherType;
    uint32_t dmReserved1;
    uint32_t dmReserved2;
    uint32_t dmPanningWidth;
    uint32_t dmPanningHeight;
} NW_DEVMODEW;
#endif

/* LOGFONTW as stored in the record (92 bytes). */
typedef struct NW_LOGFONTW {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    NWCHAR lfFaceName[32];
} NW_LOGFONTW;

/*
 * The device-mode record: the public header followed by the driver's private
 * extension. Packed, little-endian; many fields sit at odd offsets, so read
 * them with memcpy rather than through pointers to the members. Field names
 * that begin with a digit in the driver's documentation are spelled with
 * "OneD" (for example OneDBarcodeSubtype).
 */
typedef struct NordwispDEVMODE {
    NW_DEVMODEW DM;
    uint32_t Options;
    uint32_t FileFormat;
    uint32_t ColorDepth;
    uint32_t FaxHeader;
    uint32_t LossRatio;
    uint32_t Dithering;
    uint32_t Brightness;
    uint32_t PageWidthInPixels;
    uint32_t PageHeightInPixels;
    NWCHAR ApplicationPath[260];
    uint32_t StartFlags;
    uint32_t FileGenerationMethod;
    NWCHAR OutputDirectory[260];
    NWCHAR ImageFileName[260];
    NWCHAR FileNamePrefix[9];
    NWCHAR FileExtension[5];
    NWCHAR InterfaceName[260];
    NWCHAR INIFileName[260];
    NWCHAR TIFFDLLName[260];
    NWCHAR JPEGDLLName[260];
    NWCHAR ResourceDLLName[260];
    uint32_t SessionID;
    uint32_t PackedResolution;
    NWCHAR UserKeyName[128];
    NWCHAR Manufacturer[128];
    NWCHAR WatermarkImageFileforPortrait[260];
    NWCHAR WatermarkImageFileforLandscape[260];
    uint32_t WatermarkFlags;
    uint16_t WatermarkBrightnessLandscape;
    uint16_t WatermarkBrightnessPortrait;
    NWCHAR AnnotationText[128];
    NWCHAR AnnotationSeparator[128];
    NW_LOGFONTW AnnotationFont;
    uint32_t AnnotationFlags;
    int32_t AnnotationOffsetX;
    int32_t AnnotationOffsetY;
    int32_t AnnotationRotation;
    uint32_t AnnotationColor;
    int32_t PagePhysicalOffsetX;
    int32_t PagePhysicalOffsetY;
    uint16_t PDFCompressionFlags;
    /* Codes 0 to 7; before driver version 1470 a ninth code follows in the
     * two bytes that later hold BatesFormat and the first byte of
     * CustomStartApplicationParameter. */
    uint16_t StartParamCodes[8];
    uint8_t BatesFormat;
    NWCHAR CustomStartApplicationParameter[64];
    uint32_t PrinterType;
    uint32_t PrinterID;
    uint32_t PrinterFlags;
    uint32_t BarcodeFlags;
    uint8_t BarcodeType;
    uint8_t OneDBarcodeSubtype;
    uint8_t BarcodeAlign;
    uint8_t BarcodeVertAlign;
    int32_t BarcodeXOffset;
    int32_t BarcodeYOffset;
    uint8_t BarcodeOrientation;
    uint8_t BarcodeUnit;
    uint8_t BarcodeValueSource;
    uint8_t OneDMinimalBarWidth;
    uint8_t OneDMinimalSpaceWidth;
    uint8_t OneDRatio;
    uint8_t OneDQuietZone;
    uint8_t QRErrorCorrectionLevel;
    uint8_t QRModuleSize;
    uint8_t QRQuietZone;
    uint8_t DMModuleSize;
    uint8_t DMQuietZone;
    uint8_t DMAppendIndex;
    uint8_t DMAppendTotal;
    uint16_t DMAppendChainID;
    uint8_t P417ErrorCorrectionLevel;
    uint8_t P417Columns;
    uint8_t P417Rows;
    uint8_t P417ColWidth;
    uint8_t P417ColHeight;
    uint8_t P417QuietZone;
    uint8_t TextOutputFormat;
    uint8_t TextOutputEncoding;
    /* Codes 8 to 15, driver version 1470 and later. */
    uint8_t StartParamCodesHigh[8];
    uint16_t FileNameFlags;
    uint16_t OneDHeight;
    uint8_t NUp;
    uint8_t NUpFlags;
    uint8_t Reserved[14];
} NordwispDEVMODE;

#pragma pack(pop)

#if defined(__cplusplus)
#  define NW_LAYOUT_ASSERT(cond, what) static_assert(cond, what)
#else
#  define NW_LAYOUT_ASSERT(cond, what) _Static_assert(cond, what)
#endif
#define NW_AT(field, offset) \
    NW_LAYOUT_ASSERT(offsetof(NordwispDEVMODE, field) == (offset), #field " must sit at " #offset)

NW_LAYOUT_ASSERT(sizeof(NW_DEVMODEW) == NW_DEVMODE_PUBLIC_SIZE, "DEVMODEW is 220 bytes");
NW_LAYOUT_ASSERT(sizeof(NW_LOGFONTW) == 92, "LOGFONTW is 92 bytes");
NW_LAYOUT_ASSERT(sizeof(NordwispDEVMODE) == NW_DEVMODE_SIZE, "the record is 6879 bytes");
NW_AT(DM.dmDeviceName, 0);
NW_AT(DM.dmDriverVersion, 66);
NW_AT(DM.dmSize, 68);
NW_AT(DM.dmDriverExtra, 70);
NW_AT(DM.dmFields, 72);
NW_AT(DM.dmOrientation, 76);
NW_AT(DM.dmPaperSize, 78);
NW_AT(DM.dmPaperLength, 80);
NW_AT(DM.dmPaperWidth, 82);
NW_AT(DM.dmScale, 84);
NW_AT(DM.dmPrintQuality, 90);
NW_AT(DM.dmColor, 92);
NW_AT(DM.dmYResolution, 96);
NW_AT(DM.dmBitsPerPel, 168);
NW_AT(Options, 220);
NW_AT(FileFormat, 224);
NW_AT(ColorDepth, 228);
NW_AT(FaxHeader, 232);
NW_AT(LossRatio, 236);
NW_AT(Dithering, 240);
NW_AT(Brightness, 244);
NW_AT(PageWidthInPixels, 248);
NW_AT(PageHeightInPixels, 252);
NW_AT(ApplicationPath, 256);
NW_AT(StartFlags, 776);
NW_AT(FileGenerationMethod, 780);
NW_AT(OutputDirectory, 784);
NW_AT(ImageFileName, 1304);
NW_AT(FileNamePrefix, 1824);
NW_AT(FileExtension, 1842);
NW_AT(InterfaceName, 1852);
NW_AT(INIFileName, 2372);
NW_AT(TIFFDLLName, 2892);
NW_AT(JPEGDLLName, 3412);
NW_AT(ResourceDLLName, 3932);
NW_AT(SessionID, 4452);
NW_AT(PackedResolution, 4456);
NW_AT(UserKeyName, 4460);
NW_AT(Manufacturer, 4716);
NW_AT(WatermarkImageFileforPortrait, 4972);
NW_AT(WatermarkImageFileforLandscape, 5492);
NW_AT(WatermarkFlags, 6012);
NW_AT(WatermarkBrightnessLandscape, 6016);
NW_AT(WatermarkBrightnessPortrait, 6018);
NW_AT(AnnotationText, 6020);
NW_AT(AnnotationSeparator, 6276);
NW_AT(AnnotationFont, 6532);
NW_AT(AnnotationFlags, 6624);
NW_AT(AnnotationOffsetX, 6628);
NW_AT(AnnotationOffsetY, 6632);
NW_AT(AnnotationRotation, 6636);
NW_AT(AnnotationColor, 6640);
NW_AT(PagePhysicalOffsetX, 6644);
NW_AT(PagePhysicalOffsetY, 6648);
NW_AT(PDFCompressionFlags, 6652);
NW_AT(StartParamCodes, 6654);
NW_AT(BatesFormat, 6670);
NW_AT(CustomStartApplicationParameter, 6671);
NW_AT(PrinterType, 6799);
NW_AT(PrinterID, 6803);
NW_AT(PrinterFlags, 6807);
NW_AT(BarcodeFlags, 6811);
NW_AT(BarcodeType, 6815);
NW_AT(OneDBarcodeSubtype, 6816);
NW_AT(BarcodeAlign, 6817);
NW_AT(BarcodeVertAlign, 6818);
NW_AT(BarcodeXOffset, 6819);
NW_AT(BarcodeYOffset, 6823);
NW_AT(BarcodeOrientation, 6827);
NW_AT(BarcodeUnit, 6828);
NW_AT(BarcodeValueSource, 6829);
NW_AT(OneDMinimalBarWidth, 6830);
NW_AT(OneDMinimalSpaceWidth, 6831);
NW_AT(OneDRatio, 6832);
NW_AT(OneDQuietZone, 6833);
NW_AT(QRErrorCorrectionLevel, 6834);
NW_AT(QRModuleSize, 6835);
NW_AT(QRQuietZone, 6836);
NW_AT(DMModuleSize, 6837);
NW_AT(DMQuietZone, 6838);
NW_AT(DMAppendIndex, 6839);
NW_AT(DMAppendTotal, 6840);
NW_AT(DMAppendChainID, 6841);
NW_AT(P417ErrorCorrectionLevel, 6843);
NW_AT(P417Columns, 6844);
NW_AT(P417Rows, 6845);
NW_AT(P417ColWidth, 6846);
NW_AT(P417ColHeight, 6847);
NW_AT(P417QuietZone, 6848);
NW_AT(TextOutputFormat, 6849);
NW_AT(TextOutputEncoding, 6850);
NW_AT(StartParamCodesHigh, 6851);
NW_AT(FileNameFlags, 6859);
NW_AT(OneDHeight, 6861);
NW_AT(NUp, 6863);
NW_AT(NUpFlags, 6864);
NW_AT(Reserved, 6865);

#undef NW_AT

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Frame ------------------------------------------------------------ */

/* Why the last call failed; 0 after a successful one. Does not clear it. */
NW_EXPORT uint32_t NW_API Nordwisp_GetLastError(void) NW_NOEXCEPT;

/* ---- Switches --------------------------------------------------------
 * One bit of a flag word of the record. EnableX sets it and DisableX clears
 * it (both return 1, or 0 for a null record); the Is export answers 1 when
 * it is set and 0 when clear, or -1000 for a null record, unless noted. */

/* Options (offset 220, 32 bits) */
/* 0x2: 200-DPI fax mode; Enable clears the other fax modes (0x1, 0x1000, 0x800000) */
NW_EXPORT int NW_API Enable200FaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Disable200FaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Is200FaxOutputEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4 */
NW_EXPORT int NW_API EnableInternetTiffFormat(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableInternetTiffFormat(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsInternetTiffFormatEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8: page-numbering tag in TIFF output; Is answers 8 when set */
NW_EXPORT int NW_API EnablePageNumbering(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePageNumbering(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPageNumberingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10 */
NW_EXPORT int NW_API EnableReverseBitOrder(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableReverseBitOrder(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsReverseBitOrderEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20: all pages in one file; Is answers 32 when set */
NW_EXPORT int NW_API EnableAppendImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAppendImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAppendImageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20: the same bit as AppendImage; Is answers 1 when set */
NW_EXPORT int NW_API EnableMultipageImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableMultipageImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMultipageImageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40 */
NW_EXPORT int NW_API EnableWriteText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableWriteText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWriteTextEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80: Unicode support (the same bit as UnicodeText) */
NW_EXPORT int NW_API EnableEasternCharSupport(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableEasternCharSupport(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEasternCharSupportEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80: Unicode support */
NW_EXPORT int NW_API EnableUnicodeText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableUnicodeText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsUnicodeTextEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100 */
NW_EXPORT int NW_API EnableMailMerge(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableMailMerge(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMailMergeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200: advanced text; from driver version 1456 on Is answers whether TextOutputFormat is 1 */
NW_EXPORT int NW_API EnableAdvancedText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAdvancedText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAdvancedTextEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400: no output file */
NW_EXPORT int NW_API EnableDisableImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableDisableImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDisableImageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x800: stored inverted: Disable sets the bit, Enable clears it, Is answers 1 when set */
NW_EXPORT int NW_API EnableGroupFile(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableGroupFile(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsGroupFileDisabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x1000: low compatible fax mode; Enable clears the other fax modes */
NW_EXPORT int NW_API EnableLowCompatibleFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableLowCompatibleFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsLowCompatibleFaxOutputEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2000 */
NW_EXPORT int NW_API EnableMessagingInterface(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableMessagingInterface(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMessagingInterfaceEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4000 */
NW_EXPORT int NW_API EnableTiffDll(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTiffDll(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTiffDllEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8000 */
NW_EXPORT int NW_API EnableJpegDll(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableJpegDll(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsJpegDllEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10000 */
NW_EXPORT int NW_API EnableFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFaxOutputEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40000: rotate landscape images to portrait */
NW_EXPORT int NW_API EnableRotatePaper(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableRotatePaper(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRotatePaperEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80000 */
NW_EXPORT int NW_API EnableDeleteGroupFile(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableDeleteGroupFile(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDeleteGroupFileEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100000: merge documents into the existing file */
NW_EXPORT int NW_API EnableKeepExistingFiles(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableKeepExistingFiles(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsKeepExistingFilesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200000 */
NW_EXPORT int NW_API EnableAdvancedPaperSize(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAdvancedPaperSize(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAdvancedPaperSizeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400000 */
NW_EXPORT int NW_API EnableCustomExtension(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableCustomExtension(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsCustomExtensionEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x800000: low fax mode; Enable clears the other fax modes */
NW_EXPORT int NW_API EnableLowFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableLowFaxOutput(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsLowFaxOutputEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2000000 */
NW_EXPORT int NW_API EnableRedirectPrinting(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableRedirectPrinting(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRedirectPrintingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4000000 */
NW_EXPORT int NW_API EnableGenerateImageInMemory(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableGenerateImageInMemory(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsGenerateImageInMemoryEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8000000 */
NW_EXPORT int NW_API EnableBatesNumbering(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBatesNumbering(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsBatesNumberingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10000000: print pages inverted */
NW_EXPORT int NW_API EnableInvertImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableInvertImage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsInvertImageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20000000 */
NW_EXPORT int NW_API EnableFlipHorizontal(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableFlipHorizontal(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFlipHorizontalEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40000000 */
NW_EXPORT int NW_API EnableFlipVertical(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableFlipVertical(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFlipVerticalEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80000000 */
NW_EXPORT int NW_API EnableSaveAsOption(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableSaveAsOption(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSaveAsOptionEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* StartFlags (offset 776, 32 bits) */
/* 0x1 */
NW_EXPORT int NW_API EnableStartApplication(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartApplication(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartApplicationEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2 */
NW_EXPORT int NW_API EnableStartBeforePrint(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartBeforePrint(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartBeforePrint(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4 */
NW_EXPORT int NW_API EnablePassParameters(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePassParameters(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPassParametersEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8 */
NW_EXPORT int NW_API EnableStartNormal(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartNormal(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartNormal(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10 */
NW_EXPORT int NW_API EnableStartMinimized(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartMinimized(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartMinimized(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20 */
NW_EXPORT int NW_API EnableStartHidden(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartHidden(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartHidden(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80 */
NW_EXPORT int NW_API EnableStartForMessaging(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStartForMessaging(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartForMessaging(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* WatermarkFlags (offset 6012, 32 bits) */
/* 0x1 */
NW_EXPORT int NW_API EnableWatermark(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableWatermark(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2 */
NW_EXPORT int NW_API EnableWatermarkOnFirstPageOnly(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableWatermarkOnFirstPageOnly(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkOnFirstPageOnlyEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4 */
NW_EXPORT int NW_API EnableStretchWatermarkToFitPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStretchWatermarkToFitPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkStretchedToFitPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8 */
NW_EXPORT int NW_API EnableStretchWatermarkToWidthPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStretchWatermarkToWidthPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkStretchedToWidthPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10 */
NW_EXPORT int NW_API EnableCenterWatermarkPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableCenterWatermarkPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkCenteredPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20 */
NW_EXPORT int NW_API EnableTileWatermarkPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTileWatermarkPortrait(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkTiledPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40 */
NW_EXPORT int NW_API EnableStretchWatermarkToFitLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStretchWatermarkToFitLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkStretchedToFitLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80 */
NW_EXPORT int NW_API EnableStretchWatermarkToWidthLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStretchWatermarkToWidthLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkStretchedToWidthLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100 */
NW_EXPORT int NW_API EnableCenterWatermarkLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableCenterWatermarkLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkCenteredLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200 */
NW_EXPORT int NW_API EnableTileWatermarkLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTileWatermarkLandscape(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkTiledLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400 */
NW_EXPORT int NW_API EnableWatermarkUniqueFirstPage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableWatermarkUniqueFirstPage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsWatermarkUniqueFirstPageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80000 */
NW_EXPORT int NW_API EnableStamp(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableStamp(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStampEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* AnnotationFlags (offset 6624, 32 bits) */
/* 0x1 */
NW_EXPORT int NW_API EnableAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2 */
NW_EXPORT int NW_API EnableAnnotationText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTextEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4 */
NW_EXPORT int NW_API EnableAnnotationDate(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDate(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8 */
NW_EXPORT int NW_API EnableAnnotationDateFormatMMDDYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatMMDDYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatMMDDYYYYEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10 */
NW_EXPORT int NW_API EnableAnnotationDateFormatMDYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatMDYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatMDYYEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20 */
NW_EXPORT int NW_API EnableAnnotationDateFormatDDMMYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatDDMMYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatDDMMYYYYEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40 */
NW_EXPORT int NW_API EnableAnnotationDateFormatDDMONYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatDDMONYYYY(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatDDMONYYYYEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80 */
NW_EXPORT int NW_API EnableAnnotationDateFormatYYYYMMDD(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatYYYYMMDD(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatYYYYMMDDEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100 */
NW_EXPORT int NW_API EnableAnnotationDateFormatJULIAN(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationDateFormatJULIAN(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationDateFormatJULIANEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200 */
NW_EXPORT int NW_API EnableAnnotationTime(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationTime(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTimeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400 */
NW_EXPORT int NW_API EnableAnnotationTimeFormat12Hour(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationTimeFormat12Hour(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTimeFormat12HourEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x800 */
NW_EXPORT int NW_API EnableAnnotationTimeFormat24Hour(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationTimeFormat24Hour(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTimeFormat24HourEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x1000 */
NW_EXPORT int NW_API EnableAnnotationMinutes(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationMinutes(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationMinutesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2000 */
NW_EXPORT int NW_API EnableAnnotationSeconds(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationSeconds(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationSecondsEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4000 */
NW_EXPORT int NW_API EnableAnnotationTimeZone(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationTimeZone(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTimeZoneEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8000 */
NW_EXPORT int NW_API EnableTransparentAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTransparentAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationTransparent(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10000 */
NW_EXPORT int NW_API EnableOpaqueAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableOpaqueAnnotation(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationOpaque(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20000 */
NW_EXPORT int NW_API EnableTopLeftAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTopLeftAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationPositionTopLeft(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40000 */
NW_EXPORT int NW_API EnableTopRightAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTopRightAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationPositionTopRight(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80000 */
NW_EXPORT int NW_API EnableCenterAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableCenterAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationPositionCenter(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100000 */
NW_EXPORT int NW_API EnableBottomLeftAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBottomLeftAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationPositionBottomLeft(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200000 */
NW_EXPORT int NW_API EnableBottomRightAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBottomRightAnnotationPosition(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationPositionBottomRight(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400000 */
NW_EXPORT int NW_API EnableAnnotationUnitsMM(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationUnitsMM(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationUnitsMM(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x800000 */
NW_EXPORT int NW_API EnableAnnotationUnitsInch(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationUnitsInch(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationUnitsInch(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x1000000 */
NW_EXPORT int NW_API EnableAnnotationUnitsPixels(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableAnnotationUnitsPixels(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsAnnotationUnitsPixels(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* PDFCompressionFlags (offset 6652, 16 bits) */
/* 0x20 */
NW_EXPORT int NW_API EnablePDFCompressionNoCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFCompressionNoCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionNoCompressionEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40 */
NW_EXPORT int NW_API EnablePDFASCII_HEXCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFASCII_HEXCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionASCII_HEXEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80 */
NW_EXPORT int NW_API EnablePDFASCII_85Compression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFASCII_85Compression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionASCII_85Enabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x100 */
NW_EXPORT int NW_API EnablePDFLZWCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFLZWCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionLZWEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x200 */
NW_EXPORT int NW_API EnablePDFFLATCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFFLATCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionFLATEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x400 */
NW_EXPORT int NW_API EnablePDFRUNLENGTHCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFRUNLENGTHCompression(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionRUNLENGTHEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x800 */
NW_EXPORT int NW_API EnablePDFCompressionCCITT_FAX(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFCompressionCCITT_FAX(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionCCITT_FAXEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x1000 */
NW_EXPORT int NW_API EnablePDFCompressionJPEG(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisablePDFCompressionJPEG(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPDFCompressionJPEGEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* BarcodeFlags (offset 6811, 32 bits); their Is exports answer 0 for a null record */
/* 0x1 */
NW_EXPORT int NW_API EnableBarcode(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBarcode(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsBarcodeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2 */
NW_EXPORT int NW_API EnableBarcodeFirstPageOnly(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBarcodeFirstPageOnly(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsBarcodeFirstPageOnly(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x4 */
NW_EXPORT int NW_API EnableBarcodeTransparency(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBarcodeTransparency(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsBarcodeTransparent(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x8 */
NW_EXPORT int NW_API Enable1DWriteText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Disable1DWriteText(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Is1DWriteTextEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x10 */
NW_EXPORT int NW_API EnableDMAppend(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableDMAppend(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDMAppendEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x20 */
NW_EXPORT int NW_API EnableP417Truncated(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableP417Truncated(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsP417Truncated(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x40 */
NW_EXPORT int NW_API EnableBarcodeInsertPage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableBarcodeInsertPage(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsBarcodeInsertPage(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x80 */
NW_EXPORT int NW_API Enable1DFixedHeight(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Disable1DFixedHeight(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Is1DFixedHeight(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* FileNameFlags (offset 6859, 16 bits) */
/* 0x1 */
NW_EXPORT int NW_API EnableDirFromINIForCustomFileName(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableDirFromINIForCustomFileName(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDirFromINIForCustomFileNameEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
/* 0x2 */
NW_EXPORT int NW_API EnableMergeWindow(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableMergeWindow(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMergeWindowEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- Numeric settings --------------------------------------------------
 * GetX returns the field as a signed 32-bit number (narrower fields
 * zero-extended), or -1000 for a null record unless noted. SetX stores the
 * low bytes of the value and returns 1, or 0 for a null record; the setters
 * with a range rule say what they do with a value outside it. */

/* Barcode, 1D, QR, Data Matrix and PDF417 parameters, stored unchecked.
 * GetBarcodeUnit leaves an earlier last error in place after a successful
 * call; SetBarcodeUnit stores 0 in it again after the change. */
NW_EXPORT int NW_API GetBarcodeType(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeType(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DBarcodeSubtype(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DBarcodeSubtype(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeAlign(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeAlign(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeVertAlign(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeVertAlign(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeXOffset(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeXOffset(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeYOffset(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeYOffset(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeOrientation(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeOrientation(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeUnit(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeUnit(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeValueSource(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeValueSource(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DMinimalBarWidth(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DMinimalBarWidth(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DMinimalSpaceWidth(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DMinimalSpaceWidth(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DRatio(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DRatio(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DQuietZone(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DQuietZone(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API Get1DHeight(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API Set1DHeight(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetQRErrorCorrectionLevel(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetQRErrorCorrectionLevel(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetQRModuleSize(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetQRModuleSize(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetQRQuietZone(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetQRQuietZone(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDMModuleSize(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDMModuleSize(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDMQuietZone(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDMQuietZone(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDMAppendIndex(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDMAppendIndex(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDMAppendTotal(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDMAppendTotal(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDMAppendChainID(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDMAppendChainID(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417ErrorCorrectionLevel(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417ErrorCorrectionLevel(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417Columns(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417Columns(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417Rows(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417Rows(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417ColWidth(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417ColWidth(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417ColHeight(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417ColHeight(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetP417QuietZone(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetP417QuietZone(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Annotation offsets and colour (a COLORREF), stored unchecked. */
NW_EXPORT int NW_API GetAnnotationOffsetX(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationOffsetX(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetAnnotationOffsetY(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationOffsetY(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetAnnotationColor(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationColor(NordwispDEVMODE* record, uint32_t color) NW_NOEXCEPT;

/* Annotation rotation in degrees: -360 to 360 accepted, 181 or more stored
 * less 360; other values leave the field (still 1). Get: 0 for a null record. */
NW_EXPORT int NW_API GetAnnotationRotation(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationRotation(NordwispDEVMODE* record, int degrees) NW_NOEXCEPT;

/* Annotation on the first page only (AnnotationFlags 0x2000000): non-zero
 * sets, zero clears; Get answers 0 or 1. */
NW_EXPORT int NW_API GetAnnotationFirstPageOnly(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* The annotation LOGFONTW, copied whole. Get returns a zeroed font for a
 * null record. */
NW_EXPORT NW_LOGFONTW NW_API GetAnnotationFont(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationFont(NordwispDEVMODE* record, NW_LOGFONTW font) NW_NOEXCEPT;

/* Bates number format: one character. Get answers the character 0x18 for
 * a null record. */
NW_EXPORT int NW_API GetBatesFormat(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBatesFormat(NordwispDEVMODE* record, char format) NW_NOEXCEPT;

/* Existing-file action: 0 merge into the existing file, 1 overwrite, 2 (or
 * any other value) neither. */
NW_EXPORT int NW_API GetExistingFileAction(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetExistingFileAction(NordwispDEVMODE* record, int action) NW_NOEXCEPT;

/* Fax output mode: 0 none, 1 200 DPI, 2 low, 3 low compatible, 4 mode 4;
 * any other value selects 1. The four modes exclude each other. */
NW_EXPORT int NW_API GetFaxOutputMode(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFaxOutputMode(NordwispDEVMODE* record, int mode) NW_NOEXCEPT;

/* Pages per sheet: 0, 1, 2, 4, 6, 8, 9 or 16; other values return 0 and
 * change nothing. The border switch takes any non-zero value; the page order
 * only 0 or 1 (other values return 0). All three getters answer 0 for a
 * null record. */
NW_EXPORT int NW_API GetNUp(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetNUp(NordwispDEVMODE* record, int pages) NW_NOEXCEPT;
NW_EXPORT int NW_API GetNUpBorder(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetNUpBorder(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetNUpPageOrder(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetNUpPageOrder(NordwispDEVMODE* record, int order) NW_NOEXCEPT;

/* Text output format and encoding: 0 to 3; larger values return 0 and
 * change nothing. Get: 0 for a null record. */
NW_EXPORT int NW_API GetTextOutputFormat(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextOutputFormat(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputEncoding(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextOutputEncoding(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Watermark brightness, 0 to 100; larger values are ignored (still 1). Get
 * answers 40 for a stored value above 100 and for a null record. */
NW_EXPORT int NW_API GetWatermarkBrightnessLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkBrightnessLandscape(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkBrightnessPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkBrightnessPortrait(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Watermark position code (1, 2, 4, 8, 16, 32, 64, 128, 272, 320, 528 or
 * 576) of the portrait (non-zero) or landscape position bits. An unknown code
 * returns 0 and changes nothing; bits that form no code read as 4. */
NW_EXPORT int NW_API GetWatermarkPosition(const NordwispDEVMODE* record, int portrait) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkPosition(NordwispDEVMODE* record, int position, int portrait) NW_NOEXCEPT;

/* Start-application parameter codes: before driver version 1470 nine codes
 * (index and code 0 to 8), from 1470 on sixteen (index 0 to 15, code 0 to
 * 16). Out-of-range arguments change nothing (still 1); Get answers 0 for an
 * index out of range. */
NW_EXPORT int NW_API GetStartApplicationParamCode(const NordwispDEVMODE* record, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetStartApplicationParamCode(NordwispDEVMODE* record, int index, int code) NW_NOEXCEPT;

/* These setters take the value first.
 * PDFCompressionFlags: the whole 16-bit word.
 * FileFormat: 0 to 49, anything else stores 19.
 * FileGenerationMethod: 10 or more stores 0, and reads as 0.
 * LossRatio: outside 0 to 100 stores 100; a stored 0 reads as 1, above 100
 * as 100.
 * Brightness: stored unchecked; reads as 199 when above 199.
 * Dithering, FaxHeader, PagePhysicalOffsetX and Y: stored unchecked. */
NW_EXPORT int NW_API GetPDFCompressionFlags(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPDFCompressionFlags(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFileFormat(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileFormat(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFileGenerationMethod(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileGenerationMethod(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetLossRatio(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetLossRatio(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBrightness(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBrightness(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDithering(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDithering(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFaxHeader(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFaxHeader(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPagePhysicalOffsetX(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPagePhysicalOffsetX(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPagePhysicalOffsetY(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPagePhysicalOffsetY(int value, NordwispDEVMODE* record) NW_NOEXCEPT;

/* Read-only: the installation fields (0 for a null record) and the
 * record's dmDriverVersion (0 for a null record). */
NW_EXPORT int NW_API GetPrinterID(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPrinterType(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDriverVersion(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- Text settings -----------------------------------------------------
 * GetX returns a pointer to the text inside the record (valid until the
 * record is released or the field set again; do not free it). For a null
 * record it returns a static empty text, or null where noted.
 * SetX copies the text in when it is shorter than the field's capacity and
 * otherwise leaves the field as it was (the annotation texts are cut to 127
 * characters instead); it returns 1 for any record, also for a null text
 * (which changes nothing), and 0 for a null record.
 * GetXA converts the text into the caller's buffer of *size bytes: 1 when it
 * fits, else 0 with *size raised to the bytes needed. For a null record every
 * GetXA returns 0 (last error -1000) and leaves buffer and size alone, even
 * where GetX answers an empty text: the empty text is no success. SetXA
 * converts at most 259 ANSI characters and calls SetX. */

/* Paths and names of 259 characters at most; the setters take the text first. */
NW_EXPORT const NWCHAR* NW_API GetApplicationPath(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetApplicationPathA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetApplicationPath(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetApplicationPathA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetOutputDirectory(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOutputDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOutputDirectory(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOutputDirectoryA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetImageFileName(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetImageFileNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetImageFileName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetImageFileNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
/* At most 8 characters. */
NW_EXPORT const NWCHAR* NW_API GetFileNamePrefix(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFileNamePrefixA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileNamePrefix(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileNamePrefixA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
/* At most 4 characters. */
NW_EXPORT const NWCHAR* NW_API GetFileExtension(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFileExtensionA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileExtension(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFileExtensionA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
/* Module and settings file names of 259 characters at most. */
NW_EXPORT const NWCHAR* NW_API GetINIFileName(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetINIFileNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetINIFileName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetINIFileNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetTIFFDLLName(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTIFFDLLNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTIFFDLLName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTIFFDLLNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetJPEGDLLName(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetJPEGDLLNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetJPEGDLLName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetJPEGDLLNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetResourceDLLName(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetResourceDLLNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetResourceDLLName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetResourceDLLNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;
/* Watermark images, 259 characters at most; the setters take the record
 * first and the getters return null for a null record. */
NW_EXPORT const NWCHAR* NW_API GetWatermarkImageFileforPortrait(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkImageFileforPortraitA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkImageFileforPortrait(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkImageFileforPortraitA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetWatermarkImageFileforLandscape(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkImageFileforLandscapeA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkImageFileforLandscape(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkImageFileforLandscapeA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
/* Annotation texts, cut to 127 characters; the setters take the record
 * first and the getters return null for a null record. */
NW_EXPORT const NWCHAR* NW_API GetAnnotationText(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetAnnotationTextA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationText(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationTextA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT const NWCHAR* NW_API GetAnnotationSeparator(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetAnnotationSeparatorA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationSeparator(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAnnotationSeparatorA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* ---- Page geometry -----------------------------------------------------
 * Each setter takes the value first, changes only its own field and returns
 * 1, or 0 for a null record; each getter returns -1000 for a null record.
 * Orientation, paper size, length and width (tenths of a millimetre) are the
 * DEVMODEW fields, stored unchecked.
 * When a settings file or profile is applied, the record is brought into
 * the printer's ranges. The paper width and length (dmPaperWidth and
 * dmPaperLength times dmScale / 100) are then stored together under one
 * dmScale: 100 when both are below 32767, else 1000 with both in
 * millimetres. Storing them one after the other with a scale each would
 * leave the first ten times too small. A width outside 1..327660 becomes
 * 2159 and a length outside it 2794 (Letter): a record whose length reads
 * 400000 ends with dmPaperLength 2794 and dmScale 100 when its width is
 * below 32767, or dmPaperLength 279 and dmScale 1000 beside a wider width. */
/* The DEVMODEW fields, as above: the value, or -1000 for a null record; a
 * setter stores the value and returns 1, or 0 for a null record. */
NW_EXPORT int NW_API GetOrientation(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOrientation(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPaperSize(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPaperSize(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPaperLength(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPaperLength(int value, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPaperWidth(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPaperWidth(int value, NordwispDEVMODE* record) NW_NOEXCEPT;

/* Resolution in DPI: a resolution code (-1 to -6) or a value outside 50 to
 * 3000 is mapped to DPI (fax codes -6 and -5 give 204 x 196 and 204 x 98;
 * out of range gives 300) when stored and when read. */
NW_EXPORT int NW_API GetXDPI(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetXDPI(int dpi, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetYDPI(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetYDPI(int dpi, NordwispDEVMODE* record) NW_NOEXCEPT;

/* Page size in pixels, stored unchecked. */
NW_EXPORT int NW_API GetPageWidthInPixels(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPaperWidthInPixel(int pixels, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPageHeightInPixels(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPaperHeightInPixel(int pixels, NordwispDEVMODE* record) NW_NOEXCEPT;

/* Colour depth 0 to 3 (outside stores 3; dmBitsPerPel becomes 1 for 0,
 * else 24); Get reads 3 for a stored value above 3. GetBitsPerPixel maps
 * the depth: 0 -> 1, 1 or 2 -> 8, 3 -> 24. */
NW_EXPORT int NW_API GetColorDepth(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetColorDepth(int depth, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBitsPerPixel(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- File-name templates ---------------------------------------------
 * A custom template such as "<<DOCNAME>><<NONE>>.<<ORIGINAL>>" names the
 * output files when the file-generation method is 7; it is kept in the
 * record's ImageFileName field. When a generated name collides with an
 * existing file, the collision number goes before the last dot of the file
 * name ("report(1).pdf"), so the extension stays last. */

/* 0 for a valid template, else a code from 120 to 139 saying what is wrong
 * (0 with last error -1000 for a null record). A null template counts as
 * empty (121). */
NW_EXPORT int NW_API IsCustomFilenameTemplateValid(const NordwispDEVMODE* record, const NWCHAR* templateText) NW_NOEXCEPT;
NW_EXPORT int NW_API IsCustomFilenameTemplateValidA(const NordwispDEVMODE* record, const char* templateText) NW_NOEXCEPT;
/* 1 when the method is 7 and the template is valid (it is then stored);
 * 0 otherwise, leaving the record unchanged. */
NW_EXPORT int NW_API SetCustomFilenameTemplate(NordwispDEVMODE* record, const NWCHAR* templateText) NW_NOEXCEPT;
NW_EXPORT int NW_API SetCustomFilenameTemplateA(NordwispDEVMODE* record, const char* templateText) NW_NOEXCEPT;
/* The stored template when the method is 7, else an empty text. */
NW_EXPORT const NWCHAR* NW_API GetCustomFilenameTemplate(const NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- Barcodes ---------------------------------------------------------- */
/* The record's barcode is sized and drawn by the engine module of its
 * barcode type (0 QR, 1 DataMatrix, 2 PDF417, 3 one-dimensional), whose
 * name follows the printer type. The value is the caller's text (value
 * source 0, in the ANSI code page) or the whole value file (source 1); the
 * value argument must not be null either way. */
#if defined(_WIN32)
typedef HBITMAP NW_HBITMAP;
typedef HWND NW_HWND;
#else
typedef struct HBITMAP__* NW_HBITMAP;
typedef struct HWND__* NW_HWND;
#endif

/* 1 when the engine sizes the value without error, else 0. Leaves the last
 * error as it was. */
NW_EXPORT int NW_API VerifyBarcodeValue(const NordwispDEVMODE* record, const NWCHAR* value) NW_NOEXCEPT;
/* A new bitmap (the caller deletes it) of the page fitted into the
 * width x height box, framed, with a 5-pixel shadow, and the barcode on it,
 * black, or red when it runs off the page. Without a drawable barcode the
 * framed page alone. Null for a null record or value or an empty box.
 * Last error 0 (the page geometry getters run on a copy of the record).
 * Departure: a record whose paper width or length is not positive gives
 * null rather than a division by zero; a resolution that is not positive
 * leaves the barcode out. */
NW_EXPORT NW_HBITMAP NW_API DrawBarcodePreview(const NordwispDEVMODE* record, const NWCHAR* value, NW_HWND window,
                                               int width, int height) NW_NOEXCEPT;

/* ---- Loading, saving and releasing records --------------------------- */
/* A record is one fixed global-memory block that belongs to the caller
 * until ReleaseNordwispDEVMODE. It is at least NW_DEVMODE_SIZE bytes, also
 * for another driver's printer whose record is shorter, so no accessor
 * reads past it. Savers return 1 on success, 0 on failure; they store
 * -1000 for a null record and 1801 for a null printer name. */

/* The current user's record of the printer, or null (1801 for a null name,
 * else the spooler's error). */
NW_EXPORT NordwispDEVMODE* NW_API LoadNordwispDEVMODE(const NWCHAR* printerName) NW_NOEXCEPT;
/* As LoadNordwispDEVMODE; the flag has no effect. */
NW_EXPORT NordwispDEVMODE* NW_API LoadNordwispDEVMODEEx(const NWCHAR* printerName, uint32_t flag) NW_NOEXCEPT;
NW_EXPORT NordwispDEVMODE* NW_API LoadNordwispDEVMODEA(const char* printerName) NW_NOEXCEPT;
/* Frees a loaded record; null is ignored. */
NW_EXPORT void NW_API ReleaseNordwispDEVMODE(NordwispDEVMODE* record) NW_NOEXCEPT;
/* Stores the record as the current user's default. The record is updated
 * in place with what the driver merged, except OutputDirectory and
 * AnnotationText, which come back byte for byte (what follows their
 * terminator included). The installation fields PrinterType, PrinterID
 * and PrinterFlags are carried over from the stored record only when both
 * records have dmSize 220 and dmDriverExtra 6659, since their offsets
 * depend on both. */
NW_EXPORT int NW_API SaveNordwispDEVMODE(const NWCHAR* printerName, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SaveNordwispDEVMODEA(const char* printerName, NordwispDEVMODE* record) NW_NOEXCEPT;
/* Stores the record as the printer's global default (administrators only). */
NW_EXPORT int NW_API SaveDefaultNordwispDEVMODE(const NWCHAR* printerName, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SaveDefaultNordwispDEVMODEA(const char* printerName, NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- Printer identification ------------------------------------------ */

/* 1 when the printer's record is a valid record of this driver, else 0. */
NW_EXPORT int NW_API IsNordwispPrinter(const NWCHAR* printerName) NW_NOEXCEPT;
NW_EXPORT int NW_API IsNordwispPrinterA(const char* printerName) NW_NOEXCEPT;
/* The dmDriverVersion of the printer's record, or 0. */
NW_EXPORT int NW_API GetInstalledDriverVersion(const NWCHAR* printerName) NW_NOEXCEPT;
NW_EXPORT int NW_API GetInstalledDriverVersionA(const char* printerName) NW_NOEXCEPT;
/* A new global-memory block (free it with GlobalFree) holding this driver's
 * local printers separated by ";", or an empty text. */
NW_EXPORT NWCHAR* NW_API GetNordwispPrinters(void) NW_NOEXCEPT;
NW_EXPORT char* NW_API GetNordwispPrintersA(void) NW_NOEXCEPT;
/* The driver version this library is built for (1777). */
NW_EXPORT int NW_API GetSupportedDriverVersion(void) NW_NOEXCEPT;

/* ---- Document counter, messaging session, printer variables ------------
 * These read and write the printer's registry key (HKEY_CURRENT_USER
 * "SOFTWARE\Kelmora Works\<printer>"); the record only tells which printer.
 * A null record stores -1000 and the export returns 0 (GetInterfaceName:
 * an empty text). */

/* "LastDocNumber": the last document number handed out; 0 when missing.
 * Counting up is the caller's business (read, add, write back). */
NW_EXPORT int NW_API GetDocumentNumber(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDocumentNumber(const NordwispDEVMODE* record, int number) NW_NOEXCEPT;

/* The messaging-interface session. These four leave an earlier last error in
 * place after success.
 * IsUsingWindowsSessionID: 1 when "Use Windows Session ID" is "yes" in any
 * case. SetUseWindowsSessionID stores "Yes" for 1 and "No" for any other
 * value; 1 when written.
 * GetSessionID stores the printer's "Messaging Interface ID", or the
 * record's SessionID when there is none, through id and returns 1 (0 for a
 * null id). SetSessionID sets the record's SessionID and writes the same
 * number to the registry; 1 when written. */
NW_EXPORT int NW_API IsUsingWindowsSessionID(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetUseWindowsSessionID(const NordwispDEVMODE* record, int flag) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSessionID(const NordwispDEVMODE* record, int* id) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSessionID(NordwispDEVMODE* record, int id) NW_NOEXCEPT;

/* The messaging-interface name (259 characters at most), a record text kept
 * in step with the printer's "Messaging Interface Name". GetInterfaceName
 * first copies the registry value into the record when there is one, then
 * returns the record's text. SetInterfaceName (text first) writes a text
 * that fits to the registry and the record and leaves both alone otherwise;
 * 1 for any record. The A forms convert as the other record texts do. */
NW_EXPORT const NWCHAR* NW_API GetInterfaceName(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetInterfaceNameA(NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetInterfaceName(const NWCHAR* text, NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetInterfaceNameA(const char* text, NordwispDEVMODE* record) NW_NOEXCEPT;

/* Expands "<<NAME>>" and then "%NAME%" in input into output, a buffer of 260
 * characters (520 bytes) that is zero-filled first; the text gets at most
 * 259 of them. A name is looked up among the printer's variables (values of
 * its "EnvVars" key), then in the environment of the user the calling
 * thread impersonates. A printer variable too long to read (over 259
 * characters) counts as missing there. A reference found nowhere, or whose
 * user value fails to expand (for lack of room too), stays as written, so a
 * shortened path never passes for a resolved one. A found value that does
 * not fit the output is dropped. 1 when every reference was resolved, else
 * 0 (also for a null or empty input or a null output). */
NW_EXPORT int NW_API ExpandPrinterVariables(const NordwispDEVMODE* record, const NWCHAR* input,
                                            NWCHAR* output) NW_NOEXCEPT;
/* The Windows session of the calling process, 0 when unknown. */
NW_EXPORT int NW_API GetWindowsSessionID(void) NW_NOEXCEPT;

/* The languages of the printer's OCR module, the module named by its
 * "NwOCR.Dll" path (GetOCRDLLPath). The module is loaded by that full path
 * with its own folder (the path up to its last "\") as the process's
 * current directory, so that its dependencies are found beside it; the
 * current directory is put back and the module freed before the call
 * returns, whatever the outcome. The list's format is the module's; the
 * module built with this library gives language codes separated by ";"
 * (for example "deu;eng"), which SetOCRLanguages takes as they are.
 * size counts characters, the terminator included. Returns 1 when the list
 * was copied into buffer, with *size set to the characters copied. Returns 0
 * with *size set to the characters needed when buffer is null or *size is
 * smaller (last error 122), so a call with a null buffer asks the size; the
 * buffer is never written then. Returns 0 with *size untouched and the last
 * error set when the list cannot be had: 87 for a null size, 126 when no
 * path is set or the module is missing (or the loader's own error, such as
 * 193 for a file that is no module), 127 when the module lacks
 * "GetOCRLanguagesW" or "NwOCRFreeTextW", the module's own non-zero result
 * when its query fails, 13 when it succeeds without a text. Not
 * thread-safe: the current directory belongs to the whole process.
 * Decided here: the last error names each failure as above; "/" separates
 * folders too, as in any Windows path; a current directory that cannot be
 * read, and so could not be put back, is never left. */
NW_EXPORT int NW_API GetOCRSupportedLanguages(const NordwispDEVMODE* record, NWCHAR* buffer,
                                              int* size) NW_NOEXCEPT;

/* ---- Registry-backed settings -----------------------------------------
 * Values of the printer's registry key (HKCU "SOFTWARE\Kelmora Works\<printer>"
 * and its feature subkeys, named per group below); the record only tells
 * which printer. None of them changes the record except
 * SetUseDirectoryFromClient. Each line names the value, what a missing value
 * reads as and what the setter accepts (numbers compared unsigned, so -1 is
 * refused by every range starting at 0 or 1). A null record stores -1000 and
 * returns 0.
 * Shapes:
 *  - Value getter GetX(record): the value, or its default.
 *  - Out getter GetX(record, int* value): stores the value or its default and
 *    returns 1; 0 for a null pointer.
 *  - Switch getter IsX(record): 1 or 0.
 *  - Text getter GetX(record, buffer, int* size): reads into the caller's
 *    zero-filled buffer of *size bytes; the text is stored without its
 *    terminator. 1 with *size = bytes read; 0 when missing (buffer and size
 *    untouched) or when the buffer is too small or null (*size = bytes
 *    needed). GetXA converts through a wide buffer of the same size.
 *  - Setter SetX(record, value or text): 1 when written, 0 when refused
 *    (nothing written) or the write failed. SetXA converts the whole ANSI
 *    text, so a text too long for its value is refused, never cut. */

/* "Application Starter" */
NW_EXPORT int NW_API GetAppStarterExeName(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "EXE Name", at most 259 characters */
NW_EXPORT int NW_API GetAppStarterExeNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAppStarterExeName(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAppStarterExeNameA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Barcode Settings" */
NW_EXPORT int NW_API GetBarcodeRegExpFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "RegExp File", any length */
NW_EXPORT int NW_API GetBarcodeRegExpFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeRegExpFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeRegExpFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeRegExpFormatFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "RegExp Format File", any length */
NW_EXPORT int NW_API GetBarcodeRegExpFormatFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeRegExpFormatFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeRegExpFormatFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeValue(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Value", any length */
NW_EXPORT int NW_API GetBarcodeValueA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeValue(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeValueA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetBarcodeValueFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Value File", any length */
NW_EXPORT int NW_API GetBarcodeValueFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeValueFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBarcodeValueFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Cover Page Settings" */
NW_EXPORT int NW_API GetCommonCoverPageDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Common Forms Directory", any length */
NW_EXPORT int NW_API GetCommonCoverPageDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetCommonCoverPageDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetCommonCoverPageDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFormfillDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Formfill Directory", any length */
NW_EXPORT int NW_API GetFormfillDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFormfillDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFormfillDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDefaultCoverPage(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Default Cover Page", any length */
NW_EXPORT int NW_API GetDefaultCoverPageA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDefaultCoverPage(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDefaultCoverPageA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsCoverPageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Enable Cover Page", default 0 */
NW_EXPORT int NW_API SetCoverPageEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDefaultCoverPageEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Enable Default Cover Page", default 0 */
NW_EXPORT int NW_API SetDefaultCoverPageEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsShowFormfillEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Show Formfill", default 1 */
NW_EXPORT int NW_API SetShowFormfillEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsShowPDFCoverPagesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Show PDF Cover Pages", default 0 */
NW_EXPORT int NW_API SetShowPDFCoverPagesEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsStartCoverPageBeforePrintingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Start Before Printing", default 0 */
NW_EXPORT int NW_API SetStartCoverPageBeforePrintingEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetUserCoverPageDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "User Forms Directory", any length */
NW_EXPORT int NW_API GetUserCoverPageDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetUserCoverPageDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetUserCoverPageDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Filename Generation Settings" */
NW_EXPORT int NW_API GetMergeUtility(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Merge Utility", any length */
NW_EXPORT int NW_API GetMergeUtilityA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetMergeUtility(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetMergeUtilityA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetRemovedTextFromDocumentName(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Remove Text from Document Name", at most 259 characters */
NW_EXPORT int NW_API GetRemovedTextFromDocumentNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRemovedTextFromDocumentName(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRemovedTextFromDocumentNameA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Footer Settings" */
NW_EXPORT int NW_API GetFooterBackgroundMode(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Background Mode", default 0, 0..1 */
NW_EXPORT int NW_API SetFooterBackgroundMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterColor(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Color", default 0 */
NW_EXPORT int NW_API SetFooterColor(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterEnabled(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Enable", default 0 */
NW_EXPORT int NW_API SetFooterEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterPosition(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Position", default 0, 0..2 */
NW_EXPORT int NW_API SetFooterPosition(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterText(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Footer Text", any length */
NW_EXPORT int NW_API GetFooterTextA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFooterText(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFooterTextA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Header Settings" */
NW_EXPORT int NW_API GetHeaderBackgroundMode(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Background Mode", default 0, 0..1 */
NW_EXPORT int NW_API SetHeaderBackgroundMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderColor(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Color", default 0 */
NW_EXPORT int NW_API SetHeaderColor(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderEnabled(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Enable", default 0 */
NW_EXPORT int NW_API SetHeaderEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderPosition(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Position", default 0, 0..2 */
NW_EXPORT int NW_API SetHeaderPosition(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderText(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Header Text", any length */
NW_EXPORT int NW_API GetHeaderTextA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHeaderText(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHeaderTextA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Html Settings" */
NW_EXPORT int NW_API GetHTMLCSSSettings(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "CSS settings", default 1 */
NW_EXPORT int NW_API SetHTMLCSSSettings(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLCreateSubset(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Create subset", default 1 */
NW_EXPORT int NW_API SetHTMLCreateSubset(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLDefEmbeddedFont(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Embed all fonts", default 1 */
NW_EXPORT int NW_API SetHTMLDefEmbeddedFont(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLEmbedLicensedFonts(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Embed licensed fonts", default 0 */
NW_EXPORT int NW_API SetHTMLEmbedLicensedFonts(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLOutputDir(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Html content output directory", at most 259 characters */
NW_EXPORT int NW_API GetHTMLOutputDirA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLOutputDir(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLOutputDirA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLViewType(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Page size setting", default 0 */
NW_EXPORT int NW_API SetHTMLViewType(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLSeparatePages(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Separate pages", default 0 */
NW_EXPORT int NW_API SetHTMLSeparatePages(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLVectorGraphicsDispMode(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Vector graphics display mode", default 1 */
NW_EXPORT int NW_API SetHTMLVectorGraphicsDispMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "OCR" */
NW_EXPORT int NW_API GetOCRAreaHeight(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Area Height", default 0 */
NW_EXPORT int NW_API SetOCRAreaHeight(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRAreaLeft(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Area Left", default 0 */
NW_EXPORT int NW_API SetOCRAreaLeft(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRAreaTop(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Area Top", default 0 */
NW_EXPORT int NW_API SetOCRAreaTop(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRAreaUnit(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Area Unit", default 1, 1..3 */
NW_EXPORT int NW_API SetOCRAreaUnit(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRAreaWidth(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Area Width", default 0 */
NW_EXPORT int NW_API SetOCRAreaWidth(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
/* The OCR module paths count the getter's buffer in characters, not bytes
 * (the size protocol is otherwise the same). GetOCRDLLPath and SetOCRDLLPath
 * are other names of the 32-bit pair. */
NW_EXPORT int NW_API GetOCRDLLPath32(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "NwOCR.Dll", at most 259 characters */
NW_EXPORT int NW_API GetOCRDLLPath32A(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPath32(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPath32A(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRDLLPath64(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "NwOCRx.Dll", at most 259 characters */
NW_EXPORT int NW_API GetOCRDLLPath64A(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPath64(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPath64A(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRDLLPath(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRDLLPathA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPath(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRDLLPathA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCRClosingFilterEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Closing Filter", default 0 */
NW_EXPORT int NW_API SetOCRClosingFilter(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCREnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Enabled", default 0 */
NW_EXPORT int NW_API SetOCREnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCRFirstPageOnlyEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "First Page Only", default 0 */
NW_EXPORT int NW_API SetOCRFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCRInMemoryEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Generate In Memory", default 0 */
NW_EXPORT int NW_API SetOCRInMemory(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRFormat(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "OCR Format", default 0, 0..1 */
NW_EXPORT int NW_API SetOCRFormat(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCROpenOutputEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Open Output", default 0 */
NW_EXPORT int NW_API SetOCROpenOutput(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCROutputDir(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Output Directory", at most 259 characters */
NW_EXPORT int NW_API GetOCROutputDirA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCROutputDir(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCROutputDirA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOCRSelectAreaEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Select Area", default 0 */
NW_EXPORT int NW_API SetOCRSelectArea(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRTextEditor(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Text Editor", at most 259 characters */
NW_EXPORT int NW_API GetOCRTextEditorA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRTextEditor(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRTextEditorA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Page Settings" */
NW_EXPORT int NW_API GetCropMode(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Crop Mode", default 0, 0..1 */
NW_EXPORT int NW_API SetCropMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsCropEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Crop Page", default 0 */
NW_EXPORT int NW_API SetCropEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTrimGrayscaleIntensity(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Grayscale Intensity for Trimming", default 1 */
NW_EXPORT int NW_API SetTrimGrayscaleIntensity(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPrintSelectedPagesOnlyEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Print Selected Pages Only", default 0 */
NW_EXPORT int NW_API SetPrintSelectedPagesOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRemoveBlankPagesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Remove Blank Pages", default 0 */
NW_EXPORT int NW_API SetRemoveBlankPages(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPageRotation(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Rotation", default 0, 0..3 */
NW_EXPORT int NW_API SetPageRotation(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSelectedPages(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Selected Pages", at most 259 characters */
NW_EXPORT int NW_API GetSelectedPagesA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSelectedPages(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSelectedPagesA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSplitDocumentEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Split Document", default 0 */
NW_EXPORT int NW_API SetSplitDocumentEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSplitDocumentPage(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Start New File After Page", default 1 */
NW_EXPORT int NW_API SetSplitDocumentPage(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTrimBasedOnGrayscaleEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Trim Whitespace Based on Grayscale Intensity", default 0 */
NW_EXPORT int NW_API SetTrimBasedOnGrayscaleEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Pdf Settings" */
NW_EXPORT int NW_API GetPdfColorImgCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Color Image Compression", default 207, 0..207 */
NW_EXPORT int NW_API SetPdfColorImgCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfColorPatterns(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Color Patterns", default 0 */
NW_EXPORT int NW_API SetPdfColorPatterns(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfCreateSubset(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Create subset", default 1 */
NW_EXPORT int NW_API SetPdfCreateSubset(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAuthor(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Author", at most 255 characters */
NW_EXPORT int NW_API GetPdfAuthorA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAuthor(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAuthorA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfEncryption(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Document Encryption", default 0, 0..4 */
NW_EXPORT int NW_API SetPdfEncryption(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfKeywords(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Keywords", at most 515 characters */
NW_EXPORT int NW_API GetPdfKeywordsA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfKeywords(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfKeywordsA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfSecurityFlags(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Document Security Flag", default 0 */
NW_EXPORT int NW_API SetPdfSecurityFlags(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfSubject(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Subject", at most 255 characters */
NW_EXPORT int NW_API GetPdfSubjectA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfSubject(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfSubjectA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfTitle(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Title", at most 255 characters */
NW_EXPORT int NW_API GetPdfTitleA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfTitle(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfTitleA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfEmbedCIDFontsOnly(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Embed CID fonts only", default 0 */
NW_EXPORT int NW_API SetPdfEmbedCIDFontsOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfEmbedAdobeFonts(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Embed adobe fonts", default 0 */
NW_EXPORT int NW_API SetPdfEmbedAdobeFonts(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfDefEmbeddedFont(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Embed all fonts", default 1 */
NW_EXPORT int NW_API SetPdfDefEmbeddedFont(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfEmbedLicensedFonts(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Embed licensed fonts", default 0 */
NW_EXPORT int NW_API SetPdfEmbedLicensedFonts(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfEmbedWindowsFonts(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Embed windows fonts", default 0 */
NW_EXPORT int NW_API SetPdfEmbedWindowsFonts(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfJPEGQuality(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "JPEG Quality", default 85, 1..100 */
NW_EXPORT int NW_API SetPdfJPEGQuality(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfLinearized(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Linearized", default 0 */
NW_EXPORT int NW_API SetPdfLinearized(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfMonoImgCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Mono Image Compression", default 307, 0..308 */
NW_EXPORT int NW_API SetPdfMonoImgCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfPromptForPassword(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Prompt User for Password", default 0 */
NW_EXPORT int NW_API SetPdfPromptForPassword(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfResamplingMethod(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Resampling Method", default 0, 0..2 */
NW_EXPORT int NW_API SetPdfResamplingMethod(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfResamplingRate(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Resampling Rate", default 100, 1..200 */
NW_EXPORT int NW_API SetPdfResamplingRate(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfStreamCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Stream Compression", default 105, 0..106 */
NW_EXPORT int NW_API SetPdfStreamCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfTransparency(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Transparency", default 0 */
NW_EXPORT int NW_API SetPdfTransparency(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfUrlParsing(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "URL Parsing", default 0 */
NW_EXPORT int NW_API SetPdfUrlParsing(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "PdfA Settings" */
NW_EXPORT int NW_API GetPdfAColorImgCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Color Image Compression", default 207, 0..207 */
NW_EXPORT int NW_API SetPdfAColorImgCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAColorPatterns(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Color Patterns", default 0 */
NW_EXPORT int NW_API SetPdfAColorPatterns(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAAuthor(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Author", at most 255 characters */
NW_EXPORT int NW_API GetPdfAAuthorA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAAuthor(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAAuthorA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAKeywords(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Keywords", at most 515 characters */
NW_EXPORT int NW_API GetPdfAKeywordsA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAKeywords(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfAKeywordsA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfASubject(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Subject", at most 255 characters */
NW_EXPORT int NW_API GetPdfASubjectA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfASubject(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfASubjectA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfATitle(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Document Title", at most 255 characters */
NW_EXPORT int NW_API GetPdfATitleA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfATitle(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfATitleA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAJPEGQuality(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "JPEG Quality", default 85, 1..100 */
NW_EXPORT int NW_API SetPdfAJPEGQuality(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAMonoImgCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Mono Image Compression", default 307, 0..308 */
NW_EXPORT int NW_API SetPdfAMonoImgCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAResamplingMethod(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Resampling Method", default 0, 0..2 */
NW_EXPORT int NW_API SetPdfAResamplingMethod(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAResamplingRate(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Resampling Rate", default 100, 1..200 */
NW_EXPORT int NW_API SetPdfAResamplingRate(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAStreamCompression(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Stream Compression", default 105, 0..106 */
NW_EXPORT int NW_API SetPdfAStreamCompression(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfATransparency(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Transparency", default 0 */
NW_EXPORT int NW_API SetPdfATransparency(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAUrlParsing(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "URL Parsing", default 0 */
NW_EXPORT int NW_API SetPdfAUrlParsing(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Post Print Settings" */
NW_EXPORT int NW_API IsDBUploadEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Database upload", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetDBUploadEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetDBUploadProgramFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Database utility", any length */
NW_EXPORT int NW_API GetDBUploadProgramFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDBUploadProgramFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDBUploadProgramFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailProgramFile32Bit(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email sending program 32bit", any length */
NW_EXPORT int NW_API GetEmailProgramFile32BitA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailProgramFile32Bit(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailProgramFile32BitA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailProgramFile64Bit(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email sending program 64bit", any length */
NW_EXPORT int NW_API GetEmailProgramFile64BitA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailProgramFile64Bit(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailProgramFile64BitA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProgramFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "FTP sending program", any length */
NW_EXPORT int NW_API GetFTPProgramFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFTPProgramFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFTPProgramFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "FTP upload", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetFTPEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsHTTPEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "HTTP upload", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetHTTPEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTTPProgramFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "HTTP utility", any length */
NW_EXPORT int NW_API GetHTTPProgramFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTTPProgramFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTTPProgramFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMFilesUploadEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "M-Files upload", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetMFilesUploadEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetMFilesUploadProgramFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "M-Files utility", any length */
NW_EXPORT int NW_API GetMFilesUploadProgramFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetMFilesUploadProgramFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetMFilesUploadProgramFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOpenRasterviewEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Open Rasterview", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetOpenRasterview(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOpenOutputFolderEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Open output folder", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetOpenOutputFolder(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPreviewWindowEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Preview Window", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetPreviewWindow(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPreviewWindowOverlay(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Preview Window Overlay", any length */
NW_EXPORT int NW_API GetPreviewWindowOverlayA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPreviewWindowOverlay(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPreviewWindowOverlayA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsPreviewWindowOverlayFirstPageOnly(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Preview Window Overlay First Page Only", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetPreviewWindowOverlayFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSendInEmailEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Send in email", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetSendInEmail(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointProgramFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SharePoint utility", any length */
NW_EXPORT int NW_API GetSharePointProgramFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointProgramFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointProgramFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsOpenDefViewerEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "View in default viewer", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetOpenDefViewer(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Post Print Settings\Email Settings" */
NW_EXPORT int NW_API IsEmailAskForAddressEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Ask For Address", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailAskForAddress(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailAuditLogDir(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Audit Logging Directory", any length */
NW_EXPORT int NW_API GetEmailAuditLogDirA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailAuditLogDir(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailAuditLogDirA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailAuditLoggingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Audit Logging Enabled", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailAuditLogging(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsContentBasedEmailEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Content Based Email", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetContentBasedEmail(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailDeleteFilesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Delete Files After Sending", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailDeleteFiles(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailDisplaySuccessEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Display Email Sent Successfully Message", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailDisplaySuccess(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailDisplayErrorEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Display Error Message", default on, "Yes" for any non-zero; a stored text reads as on when it sorts after "No" ignoring case */
NW_EXPORT int NW_API SetEmailDisplayError(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailBcc(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email Bcc", any length */
NW_EXPORT int NW_API GetEmailBccA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailBcc(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailBccA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailBody(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email Body", any length */
NW_EXPORT int NW_API GetEmailBodyA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailBody(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailBodyA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailCc(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email Cc", any length */
NW_EXPORT int NW_API GetEmailCcA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailCc(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailCcA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailSilentSendingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Email Send Silently", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailSilentSending(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailSenderName(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email Sender", any length */
NW_EXPORT int NW_API GetEmailSenderNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailSenderName(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailSenderNameA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailSubject(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email Subject", any length */
NW_EXPORT int NW_API GetEmailSubjectA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailSubject(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailSubjectA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailTo(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Email To", any length */
NW_EXPORT int NW_API GetEmailToA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailTo(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailToA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetEmailLogDir(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Logging Directory", any length */
NW_EXPORT int NW_API GetEmailLogDirA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailLogDir(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailLogDirA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsEmailLoggingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Logging Enabled", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetEmailLogging(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsMultipageContentBasedEmailEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Multipage Content Based Email", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetMultipageContentBasedEmail(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSMTPServerSSLEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SMTP Enable SSL", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetSMTPServerSSL(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPServerPort(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SMTP Port", any length */
NW_EXPORT int NW_API GetSMTPServerPortA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerPort(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerPortA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPSenderEmail(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SMTP Sender Email", any length */
NW_EXPORT int NW_API GetSMTPSenderEmailA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPSenderEmail(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPSenderEmailA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPServerName(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SMTP Server", any length */
NW_EXPORT int NW_API GetSMTPServerNameA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerName(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerNameA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPServerUser(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SMTP UserName", any length */
NW_EXPORT int NW_API GetSMTPServerUserA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerUser(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerUserA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSimpleContentBasedEmailEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Simple Content Based Email", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetSimpleContentBasedEmail(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Post Print Settings\SharePoint Settings" */
NW_EXPORT int NW_API GetSharePointAuthenticationType(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Authentication Type", default 0 */
NW_EXPORT int NW_API SetSharePointAuthenticationType(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointDeleteEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Delete", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointDelete(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SharePoint Directory", at most 259 characters */
NW_EXPORT int NW_API GetSharePointDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointHTTPSEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint HTTPS", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointHTTPS(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointLogEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Log Enabled", default on, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointLogEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointLogfile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SharePoint Logfile", at most 259 characters */
NW_EXPORT int NW_API GetSharePointLogfileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointLogfile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointLogfileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointServer(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SharePoint Server", at most 259 characters */
NW_EXPORT int NW_API GetSharePointServerA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointServer(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointServerA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointShowProperties(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Show Properties", default on, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointShowProperties(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointSilentEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Silent", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointSilent(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsSharePointUploadEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "SharePoint Upload", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetSharePointUpload(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointUser(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "SharePoint User", at most 259 characters */
NW_EXPORT int NW_API GetSharePointUserA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointUser(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointUserA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* "Redirect Printing Settings" */
NW_EXPORT int NW_API IsRedirectPrintingCollate(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Collate pages", default on, "Yes" for any non-zero */
NW_EXPORT int NW_API SetRedirectPrintingCollate(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsContentBasedRedirectionEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Content Based Redirection", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetContentBasedRedirectionEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRedirectPrintingLogEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Enable Redirect Printing Log", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetRedirectPrintingLog(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetRedirectPrintingCopies(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Number of copies", default 1, 1..999 */
NW_EXPORT int NW_API SetRedirectPrintingCopies(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRedirectPrintingPrintAsBitmapEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Print as Bitmap", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetRedirectPrintingPrintAsBitmapEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRedirectPrintingPromptEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Prompt the User", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetRedirectPrintingPrompt(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetRedirectPrintingLogFile(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Redirect Printing Log File", at most 259 characters */
NW_EXPORT int NW_API GetRedirectPrintingLogFileA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRedirectPrintingLogFile(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRedirectPrintingLogFileA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetRedirectPrintingScalingMode(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Redirect Printing Scaling Mode", default 0, 0..1 */
NW_EXPORT int NW_API SetRedirectPrintingScalingMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsRedirectPrintingForceNumberOfCopies(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Use number of copies", default off, "Yes" for any non-zero */
NW_EXPORT int NW_API SetRedirectPrintingForceNumberOfCopies(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Text Output Settings" */
NW_EXPORT int NW_API GetTextOutputExistingFileAction(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Action on Existing Files", default 0, 0..2 */
NW_EXPORT int NW_API SetTextOutputExistingFileAction(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputSpaceDetectionMethod(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Add Space", default 2, 0..3 */
NW_EXPORT int NW_API SetTextOutputSpaceDetectionMethod(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputColumns(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Character Columns", default 80 */
NW_EXPORT int NW_API SetTextOutputColumns(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputRows(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Character Rows", default 62 */
NW_EXPORT int NW_API SetTextOutputRows(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTextOutputFilterGlyphsEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Filter Junk Characters", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetTextOutputFilterGlyphs(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsGenerateTextInMemoryEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Generate In Memory", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetGenerateTextInMemory(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputGlyphMethod(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Glyph Conversion Method", default 0, 0..3 */
NW_EXPORT int NW_API SetTextOutputGlyphMethod(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputLineBreak(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Line Breaks", default 1, 0..3 */
NW_EXPORT int NW_API SetTextOutputLineBreak(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputMarginBottom(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Margin Bottom", default 0 */
NW_EXPORT int NW_API SetTextOutputMarginBottom(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputMarginLeft(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Margin Left", default 0 */
NW_EXPORT int NW_API SetTextOutputMarginLeft(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputMarginRight(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Margin Right", default 0 */
NW_EXPORT int NW_API SetTextOutputMarginRight(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputMarginTop(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Margin Top", default 0 */
NW_EXPORT int NW_API SetTextOutputMarginTop(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputMarginUnits(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Margin Units", default 0, 0..2 */
NW_EXPORT int NW_API SetTextOutputMarginUnits(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTextOutputPageNumberingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "No Page Headers", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetTextOutputPageNumbering(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTextOutputSeparateDirectoryEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Separate Text Output Directory", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetTextOutputSeparateDirectory(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextOutputDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Text Output Directory", any length */
NW_EXPORT int NW_API GetTextOutputDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextOutputDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextOutputDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTextOutputLegacyCoordinatesEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Use Legacy Coordinates", default off, "Yes" only for 1 */
NW_EXPORT int NW_API SetTextOutputLegacyCoordinates(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Text Watermark Stamp Settings" */
NW_EXPORT int NW_API GetTextStampPages(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Add to Pages", any length */
NW_EXPORT int NW_API GetTextStampPagesA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampPages(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampPagesA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampBackgroundMode(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Background Mode", default 0, 0..1 */
NW_EXPORT int NW_API SetTextStampBackgroundMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampColor(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Color", default 0 */
NW_EXPORT int NW_API SetTextStampColor(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampFirstPageOnly(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "First Page Only", default 0 */
NW_EXPORT int NW_API SetTextStampFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampOffsetUnits(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Offset Units", default 2, 0..2 */
NW_EXPORT int NW_API SetTextStampOffsetUnits(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampOffsetX(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Offset X", default 0 */
NW_EXPORT int NW_API SetTextStampOffsetX(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampOffsetY(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Offset Y", default 0 */
NW_EXPORT int NW_API SetTextStampOffsetY(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampPosition(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Position", default 2, 0..4 */
NW_EXPORT int NW_API SetTextStampPosition(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampRotation(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Rotation", default 0 */
NW_EXPORT int NW_API SetTextStampRotation(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampText(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Text", any length */
NW_EXPORT int NW_API GetTextStampTextA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampText(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampTextA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampVisibility(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Visibility", default 100, read clamped to 0..100 */
NW_EXPORT int NW_API SetTextStampVisibility(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "Troubleshooting Settings" */
NW_EXPORT int NW_API GetDebugLoggingDirectory(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Debug Logging Directory", any length */
NW_EXPORT int NW_API GetDebugLoggingDirectoryA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDebugLoggingDirectory(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetDebugLoggingDirectoryA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsDebugLoggingEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Debug Logging Enable", default 0 */
NW_EXPORT int NW_API SetDebugLoggingEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsIgnoreApplicationDevModeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Ignore Application Devmode", default 0 */
NW_EXPORT int NW_API SetIgnoreApplicationDevModeEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* "XML Settings" */
NW_EXPORT int NW_API GetXMLImageFormat(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Image Format", default 0 */
NW_EXPORT int NW_API SetXMLImageFormat(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetXMLIncludeDTD(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Include DTD", default 1 */
NW_EXPORT int NW_API SetXMLIncludeDTD(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetXMLIncludeImages(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Include Images", default 1 */
NW_EXPORT int NW_API SetXMLIncludeImages(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetXMLIncludePath(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Include Path", default 1 */
NW_EXPORT int NW_API SetXMLIncludePath(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetXMLIncludeText(const NordwispDEVMODE* record) NW_NOEXCEPT; /* "Include Text", default 1 */
NW_EXPORT int NW_API SetXMLIncludeText(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetXMLOutputDir(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "XML content output directory", at most 259 characters */
NW_EXPORT int NW_API GetXMLOutputDirA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetXMLOutputDir(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetXMLOutputDirA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* Header, footer and PDF open options. In the Windows DLLs these 64 exports
 * carry only the names Microsoft's compiler gives the C++ functions
 * int __stdcall F(NordwispDEVMODE*, int*) and int __stdcall F(NordwispDEVMODE*,
 * int), e.g. ?GetPdfOpenZoom@@YGHPAUNordwispDEVMODE@@PAH@Z (32-bit) and
 * ?GetPdfOpenZoom@@YAHPEAUNordwispDEVMODE@@PEAH@Z (64-bit), so that callers
 * built against those names link unchanged; elsewhere they have these plain
 * names. Out getters and setters as above. */
NW_EXPORT int NW_API GetFooterFirstPageOnly(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer First Page Only", default 0 */
NW_EXPORT int NW_API SetFooterFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterOffsetUnits(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Offset Units", default 2, 0..2 */
NW_EXPORT int NW_API SetFooterOffsetUnits(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterOffsetX(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Offset X", default 0 */
NW_EXPORT int NW_API SetFooterOffsetX(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterOffsetY(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Footer Offset Y", default 0 */
NW_EXPORT int NW_API SetFooterOffsetY(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderFirstPageOnly(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header First Page Only", default 0 */
NW_EXPORT int NW_API SetHeaderFirstPageOnly(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderOffsetUnits(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Offset Units", default 2, 0..2 */
NW_EXPORT int NW_API SetHeaderOffsetUnits(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderOffsetX(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Offset X", default 0 */
NW_EXPORT int NW_API SetHeaderOffsetX(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHeaderOffsetY(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Header Offset Y", default 0 */
NW_EXPORT int NW_API SetHeaderOffsetY(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAddWhitePageBackground(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Add White Background to Page", default 0 */
NW_EXPORT int NW_API SetPdfAddWhitePageBackground(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenAtPage(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open At Page", default 1 */
NW_EXPORT int NW_API SetPdfOpenAtPage(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenCenterWindow(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Center Window", default 0 */
NW_EXPORT int NW_API SetPdfOpenCenterWindow(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenFitToWindow(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Fit To Window", default 0 */
NW_EXPORT int NW_API SetPdfOpenFitToWindow(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenHideControls(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Controls", default 0 */
NW_EXPORT int NW_API SetPdfOpenHideControls(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenHideMenubar(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Menubar", default 0 */
NW_EXPORT int NW_API SetPdfOpenHideMenubar(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenHideToolbar(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Toolbar", default 0 */
NW_EXPORT int NW_API SetPdfOpenHideToolbar(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenMagnification(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Magnification", default 0, 0..4 */
NW_EXPORT int NW_API SetPdfOpenMagnification(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenPageLayout(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Page Layout", default 0, 0..6 */
NW_EXPORT int NW_API SetPdfOpenPageLayout(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenPageView(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Page View", default 0, 0..3 */
NW_EXPORT int NW_API SetPdfOpenPageView(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenShowTitle(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Show Title", default 0 */
NW_EXPORT int NW_API SetPdfOpenShowTitle(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOpenZoom(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Zoom", default 100 */
NW_EXPORT int NW_API SetPdfOpenZoom(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAAddWhitePageBackground(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Add White Background to Page", default 0 */
NW_EXPORT int NW_API SetPdfAAddWhitePageBackground(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenAtPage(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open At Page", default 1 */
NW_EXPORT int NW_API SetPdfAOpenAtPage(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenCenterWindow(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Center Window", default 0 */
NW_EXPORT int NW_API SetPdfAOpenCenterWindow(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenFitToWindow(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Fit To Window", default 0 */
NW_EXPORT int NW_API SetPdfAOpenFitToWindow(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenHideControls(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Controls", default 0 */
NW_EXPORT int NW_API SetPdfAOpenHideControls(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenHideMenubar(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Menubar", default 0 */
NW_EXPORT int NW_API SetPdfAOpenHideMenubar(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenHideToolbar(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Hide Toolbar", default 0 */
NW_EXPORT int NW_API SetPdfAOpenHideToolbar(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenMagnification(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Magnification", default 0, 0..4 */
NW_EXPORT int NW_API SetPdfAOpenMagnification(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenPageLayout(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Page Layout", default 0, 0..6 */
NW_EXPORT int NW_API SetPdfAOpenPageLayout(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenPageView(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Page View", default 0, 0..3 */
NW_EXPORT int NW_API SetPdfAOpenPageView(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenShowTitle(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Show Title", default 0 */
NW_EXPORT int NW_API SetPdfAOpenShowTitle(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfAOpenZoom(NordwispDEVMODE* record, int* value) NW_NOEXCEPT; /* "Open Zoom", default 100 */
NW_EXPORT int NW_API SetPdfAOpenZoom(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Antialiasing ("Page Settings" "Antialiasing"): default 4, 0..4; a null
 * record reads 4. */
NW_EXPORT int NW_API GetAntialiasingMode(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetAntialiasingMode(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Crop and trim areas ("Page Settings" "Crop Left" ... "Trim Whitespace
 * Bottom", DWORDs): each non-null pointer receives its value, 0 when
 * missing; the getters return 1. The setters write all four. */
NW_EXPORT int NW_API GetCropArea(const NordwispDEVMODE* record, int* left, int* right, int* top, int* bottom) NW_NOEXCEPT;
NW_EXPORT int NW_API SetCropArea(NordwispDEVMODE* record, int left, int right, int top, int bottom) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTrimWhitespace(const NordwispDEVMODE* record, int* left, int* right, int* top, int* bottom) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTrimWhitespace(NordwispDEVMODE* record, int left, int right, int top, int bottom) NW_NOEXCEPT;

/* Forced DPI and paper ("Force DPI Enabled", "Force Paper Enabled"):
 * EnableForcePrinterDPI returns 1 whatever the write did. */
NW_EXPORT int NW_API IsForcePrinterDPIEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API EnableForcePrinterDPI(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableForcePrinterDPI(NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API IsForcePaperSizeEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableForcePaperSize(NordwispDEVMODE* record) NW_NOEXCEPT;

/* Fonts: one value per LOGFONTW member ("Header Font Height", "Footer Font
 * Height", "Font Height", ... "Font Facename"). Get zeroes the font and
 * fills it; 0 at the first missing value (the rest stay 0). Set writes all
 * fourteen values; a face name of 32 characters or more is refused. */
NW_EXPORT int NW_API GetHeaderFont(const NordwispDEVMODE* record, NW_LOGFONTW* font) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHeaderFont(NordwispDEVMODE* record, int height, int width, int escapement, int orientation, int weight, uint8_t italic, uint8_t underline, uint8_t strikeOut, uint8_t charSet, uint8_t outPrecision, uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily, const NWCHAR* faceName) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFooterFont(const NordwispDEVMODE* record, NW_LOGFONTW* font) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFooterFont(NordwispDEVMODE* record, int height, int width, int escapement, int orientation, int weight, uint8_t italic, uint8_t underline, uint8_t strikeOut, uint8_t charSet, uint8_t outPrecision, uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily, const NWCHAR* faceName) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampFont(const NordwispDEVMODE* record, NW_LOGFONTW* font) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampFont(NordwispDEVMODE* record, int height, int width, int escapement, int orientation, int weight, uint8_t italic, uint8_t underline, uint8_t strikeOut, uint8_t charSet, uint8_t outPrecision, uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily, const NWCHAR* faceName) NW_NOEXCEPT;

/* Text stamp and text watermark: one text object, on layer 0 (stamp) or 1
 * (watermark). The out getters store 1 when the object is on and on their
 * layer; they return 0 (storing 0) when no enable value exists at all.
 * Setting a non-zero value moves the object to the layer and turns it on;
 * setting 0 turns it off only when it is on that layer (and returns 1
 * otherwise). */
NW_EXPORT int NW_API GetTextStampEnabled(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextStampEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextWatermarkEnabled(const NordwispDEVMODE* record, int* value) NW_NOEXCEPT;
NW_EXPORT int NW_API SetTextWatermarkEnabled(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* First-page image watermark ("Watermark"); landscape non-zero selects the
 * landscape value. File: text getter and setter ("First Image Portrait" /
 * "First Image Landscape"). Brightness: value getter, 40 when missing or
 * above 100; accepts 0..100. Position: value getter of the bit codes 1, 2,
 * 4, 8, 16, 32, 64, 128, 272, 320, 528, 576 (4 when missing or unknown);
 * the setter refuses any other code. */
NW_EXPORT int NW_API GetWatermarkFirstImageFile(const NordwispDEVMODE* record, int landscape, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkFirstImageFile(NordwispDEVMODE* record, int landscape, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkFirstImageFileA(const NordwispDEVMODE* record, int landscape, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkFirstImageFileA(NordwispDEVMODE* record, int landscape, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkFirstImageBrightness(const NordwispDEVMODE* record, int landscape) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkFirstImageBrightness(NordwispDEVMODE* record, int landscape, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetWatermarkFirstImagePosition(const NordwispDEVMODE* record, int landscape) NW_NOEXCEPT;
NW_EXPORT int NW_API SetWatermarkFirstImagePosition(NordwispDEVMODE* record, int landscape, int code) NW_NOEXCEPT;

/* Driver dialog tabs ("UI Tabs Settings"): 0 File Format, 1 Filename
 * Generation, 2 Start Application, 3 Watermark, 4 Annotation, 5 Bates,
 * 6 Profile Manager, 7 Redirect Printing, 8 Barcode, 9 OCR, 10 Text Output,
 * 50 Custom. Enable and Disable write 1 or 0; IsTabEnabled reads it, else
 * the driver data file's entry, else 1, and answers 1 only for exactly 1. */
NW_EXPORT int NW_API EnableTab(NordwispDEVMODE* record, int tab) NW_NOEXCEPT;
NW_EXPORT int NW_API DisableTab(NordwispDEVMODE* record, int tab) NW_NOEXCEPT;
NW_EXPORT int NW_API IsTabEnabled(const NordwispDEVMODE* record, int tab) NW_NOEXCEPT;

/* Output directory from the client: the machine default under HKEY_USERS
 * ".DEFAULT\SOFTWARE\Kelmora Works\<printer>\Filename Generation Settings"
 * "Use Output Directory from Client". The reader leaves the last error
 * alone (0 for a null record). The setter needs an administrator (else
 * last error 5 and 0); it also sets the record's PrinterFlags bit 0x4. */
NW_EXPORT int NW_API IsUseDirectoryFromClientEnabled(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetUseDirectoryFromClient(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Passwords, never stored readable; text getters and setters as above.
 * PDF ("Pdf Settings" "Document Owner Password", "Document User Password"):
 * at most 32 characters, not the character U+007F. SMTP ("Email Settings"
 * "SMTP Password"): at most 162 characters up to U+00FF; the getter needs
 * a buffer, and one too small gets the whole characters that fit in *size
 * bytes before the call fails with the size needed, as the other text
 * getters do. SharePoint ("SharePoint Settings" "SharePoint Pass"): at most
 * 259 characters up to U+00FF.
 * Each setter refuses (0, nothing written) what the stored form cannot
 * carry rather than store something else: a PDF password holding U+007F
 * would scramble to a terminator; the SMTP reader returns at most 162
 * characters from its 650 bytes; the hex forms hold one byte a character
 * (characters below 0x10 are written as two digits too). */
NW_EXPORT int NW_API GetPdfOwnerPassword(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfOwnerPasswordA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfOwnerPassword(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfOwnerPasswordA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfUserPassword(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfUserPasswordA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfUserPassword(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfUserPasswordA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPServerPwd(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSMTPServerPwdA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerPwd(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSMTPServerPwdA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointPass(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSharePointPassA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointPass(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSharePointPassA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* OCR languages ("OCR" "Languages"): the setter refuses over 259
 * characters, drops spaces and turns "," and ";" into "+" ("deu, eng;fra"
 * is stored as "deu+eng+fra"); the getter returns the stored text. */
NW_EXPORT int NW_API GetOCRLanguages(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetOCRLanguagesA(const NordwispDEVMODE* record, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRLanguages(NordwispDEVMODE* record, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetOCRLanguagesA(NordwispDEVMODE* record, const char* text) NW_NOEXCEPT;

/* E-mail client ("Email Settings" "Sender Client"): value getter, 1 only
 * for the stored text "1"; accepts 0 or 1. */
NW_EXPORT int NW_API GetEmailClientType(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetEmailClientType(NordwispDEVMODE* record, int value) NW_NOEXCEPT;

/* Postwell data ("Email Settings" "Postwell Data"): bytes of the caller's
 * length, read under the text getters' size protocol. */
NW_EXPORT int NW_API GetPostwellData(const NordwispDEVMODE* record, void* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPostwellData(NordwispDEVMODE* record, const void* data, int length) NW_NOEXCEPT;

/* ---- Registry list collections -----------------------------------------
 * Lists kept in the printer key, with the shapes above. A null record
 * stores -1000 and returns 0; a null name, a missing key or a failed
 * registry call returns 0 (last error 0). */

/* FTP connections: numbered subkeys 1, 2, ... of "Post Print Settings\FTP
 * Settings" (gaps allowed). AddFTPConnection stores the name under the
 * lowest free number and returns it (0 on failure). The count is the number
 * of entry subkeys; ByIndex answers the number of the subkey at a 0-based
 * index in the registry's enumeration order (0 out of range); ByName the
 * first connection, in that order, whose "Connection Name" equals the name
 * ignoring case (0 for none). Delete removes the entry's subkey and
 * renumbers nothing; an entry holding subkeys of its own is refused. The
 * selected connection is "FTP Selected Connection" (decimal, 0 when
 * missing).
 * Decision: names (of connections and of text-stamp presets) of more than
 * 259 characters are refused when added or set, since finding by name
 * reads a name through 520 bytes and could never match a longer one. */
NW_EXPORT int NW_API AddFTPConnection(NordwispDEVMODE* record, const NWCHAR* name) NW_NOEXCEPT;
NW_EXPORT int NW_API AddFTPConnectionA(NordwispDEVMODE* record, const char* name) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPConnectionCount(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPConnectionByIndex(const NordwispDEVMODE* record, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPConnectionByName(const NordwispDEVMODE* record, const NWCHAR* name) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPConnectionByNameA(const NordwispDEVMODE* record, const char* name) NW_NOEXCEPT;
NW_EXPORT int NW_API DeleteFTPConnection(NordwispDEVMODE* record, int connection) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSelectedFTPConnection(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSelectedFTPConnection(NordwispDEVMODE* record, int connection) NW_NOEXCEPT;

/* The values of one connection, in its subkey; connection numbers below 1
 * address nothing (0). Texts take the text getter's size protocol. Numbers
 * (decimal text) and switches ("Yes"/"No") are read through int* value:
 * 1 when the value was read, 0 when it is missing, with the default stored
 * either way (0, off; "Upload Document" on). Passwords are stored as two
 * hex digits per character of (character XOR a fixed byte), at most 259
 * characters up to U+00FF. Switch setters write "Yes" for 1 only, except
 * the three Upload switches, "Yes" for any non-zero value. */
NW_EXPORT int NW_API GetFTPConnectionName(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Connection Name" */
NW_EXPORT int NW_API GetFTPConnectionNameA(const NordwispDEVMODE* record, int connection, char* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFTPConnectionName(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API SetFTPConnectionNameA(NordwispDEVMODE* record, int connection, const char* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPAddress(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Server Address" */
NW_EXPORT int NW_API SetFTPAddress(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPPort(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Port" */
NW_EXPORT int NW_API SetFTPPort(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPUserName(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Login Name" */
NW_EXPORT int NW_API SetFTPUserName(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPPassword(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Password", scrambled */
NW_EXPORT int NW_API SetFTPPassword(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPRemoteDirectory(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Remote Directory" */
NW_EXPORT int NW_API SetFTPRemoteDirectory(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPSecurityMode(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Security Mode" */
NW_EXPORT int NW_API SetFTPSecurityMode(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPPassive(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Is Passive" */
NW_EXPORT int NW_API SetFTPPassive(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyAddress(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Proxy Server Address" */
NW_EXPORT int NW_API SetFTPProxyAddress(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyPort(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Proxy Port" */
NW_EXPORT int NW_API SetFTPProxyPort(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyUserName(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Proxy User Name" */
NW_EXPORT int NW_API SetFTPProxyUserName(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyPassword(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Proxy User Password", scrambled */
NW_EXPORT int NW_API SetFTPProxyPassword(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyType(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Proxy Type" */
NW_EXPORT int NW_API SetFTPProxyType(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyAuthentication(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Proxy Authentication" */
NW_EXPORT int NW_API SetFTPProxyAuthentication(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPProxyDomain(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Proxy Domain" */
NW_EXPORT int NW_API SetFTPProxyDomain(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPTrustCertificate(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Trusted Certificate" */
NW_EXPORT int NW_API SetFTPTrustCertificate(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPTransferMethod(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Transfer Method" */
NW_EXPORT int NW_API SetFTPTransferMethod(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPExistingFilesAction(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Action on Existing Files" */
NW_EXPORT int NW_API SetFTPExistingFilesAction(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPLogging(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Logging" */
NW_EXPORT int NW_API SetFTPLogging(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetFTPLogFile(const NordwispDEVMODE* record, int connection, NWCHAR* buffer, int* size) NW_NOEXCEPT; /* "Logfile" */
NW_EXPORT int NW_API SetFTPLogFile(NordwispDEVMODE* record, int connection, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPShowSuccessEnabled(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Show Success" */
NW_EXPORT int NW_API SetFTPShowSuccess(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPShowErrorEnabled(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Show Error" */
NW_EXPORT int NW_API SetFTPShowError(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPUploadDocumentEnabled(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Upload Document", on when missing */
NW_EXPORT int NW_API SetFTPUploadDocument(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPUploadTextEnabled(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Upload Text" */
NW_EXPORT int NW_API SetFTPUploadText(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;
NW_EXPORT int NW_API IsFTPUploadOCREnabled(const NordwispDEVMODE* record, int connection, int* value) NW_NOEXCEPT; /* "Upload OCR" */
NW_EXPORT int NW_API SetFTPUploadOCR(NordwispDEVMODE* record, int connection, int value) NW_NOEXCEPT;

/* Text-stamp presets: numbered subkeys of "Text Watermark Stamp
 * Settings\Presets", each with its "Name". AddTextStampPreset stores the
 * current text stamp (layer, font, color, background mode, position,
 * offsets and units, rotation, visibility, text, pages, first page only)
 * as the preset of that name, overwriting a preset of the same name
 * (ignoring case). A missing or incomplete font is stored as Arial Narrow
 * (height 160, weight 700, charset 1), a missing text as "Client Copy". A
 * stored value outside its setter's range is left out rather than copied.
 * LoadTextStampPreset makes the preset the current stamp through the
 * current stamp's setters, with the same fallbacks: the layer goes through
 * the layer rule of GetTextStampEnabled. Load and Delete return 0 when no
 * preset has the name. GetTextStampPresetName reads the "Name" of the
 * preset at a 0-based enumeration index (0 out of range). */
NW_EXPORT int NW_API AddTextStampPreset(NordwispDEVMODE* record, const NWCHAR* name) NW_NOEXCEPT;
NW_EXPORT int NW_API AddTextStampPresetA(NordwispDEVMODE* record, const char* name) NW_NOEXCEPT;
NW_EXPORT int NW_API LoadTextStampPreset(NordwispDEVMODE* record, const NWCHAR* name) NW_NOEXCEPT;
NW_EXPORT int NW_API LoadTextStampPresetA(NordwispDEVMODE* record, const char* name) NW_NOEXCEPT;
NW_EXPORT int NW_API DeleteTextStampPreset(NordwispDEVMODE* record, const NWCHAR* name) NW_NOEXCEPT;
NW_EXPORT int NW_API DeleteTextStampPresetA(NordwispDEVMODE* record, const char* name) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampPresetCount(const NordwispDEVMODE* record) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampPresetName(const NordwispDEVMODE* record, int index, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetTextStampPresetNameA(const NordwispDEVMODE* record, int index, char* buffer, int* size) NW_NOEXCEPT;

/* Save-as dialog defaults ("Save As Option Settings\Default Settings"):
 * DWORD values named by index 0..113 of the number table ("File Format",
 * ...) and texts named by index 0..61 of the text table ("Output Path",
 * ...). An index outside its table reads and writes nothing (0). The value
 * getter returns 0 when the value is missing, leaving *value alone. The
 * AtPos forms format a name holding "%d" with the position (index 8 and
 * position 3: "PDF: Fonts - Force Embed Font_3"); other names are used as
 * they are.
 * Decision: the plain string forms refuse (0) the names that hold "%d"
 * (8, 9, 11, 12, 13), which need a position; using the name unformatted
 * would store a value nothing reads.
 * DeleteSaveAsDefOptions deletes the "Default Settings" subkey; when bit 0
 * of PrinterFlags is set it works on the protected-mode view of the
 * printer key ("Software\Microsoft\Internet Explorer\InternetRegistry\
 * REGISTRY\USER\<UserKeyName>\SOFTWARE\Kelmora Works\<printer>"). */
NW_EXPORT int NW_API GetSaveAsOptionDefaultValue(const NordwispDEVMODE* record, int index, uint32_t* value) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSaveAsOptionDefaultValue(NordwispDEVMODE* record, int index, uint32_t value) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSaveAsOptionDefaultString(const NordwispDEVMODE* record, int index, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSaveAsOptionDefaultString(NordwispDEVMODE* record, int index, const NWCHAR* text) NW_NOEXCEPT;
NW_EXPORT int NW_API GetSaveAsOptionDefStringAtPos(const NordwispDEVMODE* record, int index, NWCHAR* buffer, int* size, int position) NW_NOEXCEPT;
NW_EXPORT int NW_API SetSaveAsOptionDefStringAtPos(NordwispDEVMODE* record, int index, const NWCHAR* text, int position) NW_NOEXCEPT;
NW_EXPORT int NW_API DeleteSaveAsDefOptions(NordwispDEVMODE* record) NW_NOEXCEPT;

/* Bates number formats ("BatesNumbering"): the value `name` of format n
 * lives in the subkey "n"; "Number of Formats" (any case) lives in the key
 * itself whatever the format number. The getter's *size counts characters:
 * a text that fits is copied (terminated when there is room), *size set to
 * its length and 1 returned; otherwise *size receives the characters
 * needed and 0 is returned. Values are read through 2048 bytes: a longer
 * one reads as missing. A negative format number, a null or empty name, a
 * null buffer or size are refused. */
NW_EXPORT int NW_API GetBatesNumberingSetting(const NordwispDEVMODE* record, int format, const NWCHAR* name, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API SetBatesNumberingSetting(NordwispDEVMODE* record, int format, const NWCHAR* name, const NWCHAR* text) NW_NOEXCEPT;

/* Counted name lists: a count and items named "<item> 1", "<item> 2", ...
 * for the 0-based indexes 0, 1, ... The count getter stores the count (0
 * when missing) and returns 1; item getters take the text size protocol.
 * Negative counts and indexes and null names are refused. Counts are never
 * adjusted when items are written: the caller keeps them in step.
 * Redirect printers ("Redirect Printing Settings"): "Printer count"
 * (DWORD) and "Printer 1", ...; the name "Use the user default printer"
 * (any case) is stored as "<<DEFAULT>>", the user's default printer.
 * Font embedding lists ("Pdf Settings\Force Embed Fonts", "Pdf Settings\
 * Forbid Embed Fonts", "Html Settings\Force Embed Fonts", "Html Settings\
 * Forbid Embed Fonts"): "Font count" (decimal) and "Font 1", ... */
NW_EXPORT int NW_API GetRedirectedPrintersCount(const NordwispDEVMODE* record, int* count) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRedirectedPrintersCount(NordwispDEVMODE* record, int count) NW_NOEXCEPT;
NW_EXPORT int NW_API GetRedirectedPrinter(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetRedirectedPrinter(NordwispDEVMODE* record, const NWCHAR* name, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfForceEmbedFontCount(const NordwispDEVMODE* record, int* count) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfForceEmbedFontCount(NordwispDEVMODE* record, int count) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfForceEmbedFont(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfForceEmbedFont(NordwispDEVMODE* record, const NWCHAR* name, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfForbidEmbedFontCount(const NordwispDEVMODE* record, int* count) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfForbidEmbedFontCount(NordwispDEVMODE* record, int count) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPdfForbidEmbedFont(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetPdfForbidEmbedFont(NordwispDEVMODE* record, const NWCHAR* name, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLForceEmbedFontCount(const NordwispDEVMODE* record, int* count) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLForceEmbedFontCount(NordwispDEVMODE* record, int count) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLForceEmbedFont(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLForceEmbedFont(NordwispDEVMODE* record, const NWCHAR* name, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLForbidEmbedFontCount(const NordwispDEVMODE* record, int* count) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLForbidEmbedFontCount(NordwispDEVMODE* record, int count) NW_NOEXCEPT;
NW_EXPORT int NW_API GetHTMLForbidEmbedFont(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) NW_NOEXCEPT;
NW_EXPORT int NW_API SetHTMLForbidEmbedFont(NordwispDEVMODE* record, const NWCHAR* name, int index) NW_NOEXCEPT;

/* ---- Paper sizes -----------------------------------------------------
 * The printer's paper list lives in the current user's registry under
 * "SOFTWARE\Kelmora Works\<printer>\PapersList"; the first use seeds it from
 * the driver data file. Each call opens the record's printer and reads the
 * list afresh. Units: 0 hundredths of an inch, 1 tenths of a millimetre,
 * 2 pixels. Titles compare ignoring case. The first paper of the list is
 * never found by title or code. Last error: 87 bad argument (a null record
 * included), 2 no such paper, 183 title already taken, 5 not a user-defined
 * paper, otherwise the system's error.
 *  - A stored paper without "Units" reads as millimetres.
 *  - A stored title of 64 characters or more reads back as "Unknown Paper
 *    Size": titles read from the list never exceed 63 characters.
 *  - Add and Modify refuse (87) a title over 255 characters rather than
 *    cutting it, and Modify refuses a null or empty new title.
 *  - Width and height must be non-zero; a size outside the range of its
 *    units (inches 4..129000, millimetres 10..327660, pixels 10..200000) is
 *    kept, but reads back as 1000 with the title "Error: Invalid paper size
 *    (<title>)".
 *  - All five hold the paper lock (the named mutex of the cached list) from
 *    reading the list to saving it, so changes made by several processes at
 *    once are all kept rather than the last save winning, and none reads a
 *    list being saved.
 *  - A save is one unit: a save that fails, or a process killed during it,
 *    leaves the list as it was, not "Count" and part of the papers (on the
 *    hosted machine; on Windows the lock guards it within the session). */
/* The new paper's code (above 276), or 0. */
NW_EXPORT int NW_API AddPaperSize(const NordwispDEVMODE* record, const NWCHAR* title, int width, int height, int units) NW_NOEXCEPT;
NW_EXPORT int NW_API AddPaperSizeA(const NordwispDEVMODE* record, const char* title, int width, int height, int units) NW_NOEXCEPT;
/* The paper's unchanged code, or 0. */
NW_EXPORT int NW_API ModifyPaperSize(const NordwispDEVMODE* record, const NWCHAR* currentTitle, const NWCHAR* newTitle, int width, int height, int units) NW_NOEXCEPT;
NW_EXPORT int NW_API ModifyPaperSizeA(const NordwispDEVMODE* record, const char* currentTitle, const char* newTitle, int width, int height, int units) NW_NOEXCEPT;
/* 1, or 0. Later papers keep their order. */
NW_EXPORT int NW_API DeletePaperSize(const NordwispDEVMODE* record, const NWCHAR* title) NW_NOEXCEPT;
NW_EXPORT int NW_API DeletePaperSizeA(const NordwispDEVMODE* record, const char* title) NW_NOEXCEPT;
/* The paper's code, or 0; each non-null out pointer gets its value. */
NW_EXPORT int NW_API GetPaperInfo(const NordwispDEVMODE* record, const NWCHAR* title, int* width, int* height, int* units) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPaperInfoA(const NordwispDEVMODE* record, const char* title, int* width, int* height, int* units) NW_NOEXCEPT;
/* The title of the paper with this code. *size is the buffer's size in
 * bytes; the needed size (terminator included) is stored there. A null or
 * too small buffer gets only the size, and the call still returns 1. The
 * ANSI form counts ANSI bytes. A code of 0 or a null size is 87. */
NW_EXPORT int NW_API GetPaperName(const NordwispDEVMODE* record, int code, NWCHAR* buffer, int* size) NW_NOEXCEPT;
NW_EXPORT int NW_API GetPaperNameA(const NordwispDEVMODE* record, int code, char* buffer, int* size) NW_NOEXCEPT;
/* Copies the record's paper (name from the list, else "Custom"; code,
 * width, length, mapped resolutions, pixel size) into the "Page Settings"
 * "Force Paper ..." values, then writes "Force Paper Enabled" = 1 and
 * returns that write's result. A null record is -1000. When the paper has
 * no name in the list the last error keeps the lookup's reason (87 or 2). */
NW_EXPORT int NW_API EnableForcePaperSize(NordwispDEVMODE* record) NW_NOEXCEPT;

/* ---- Settings files ----------------------------------------------------
 * A printer's whole configuration in one INI file: the record-level keys
 * (section "Default Settings" and a few others) and every registry-held
 * setting, lists, papers and resolutions included. Applying a file runs
 * `DefaultEnvironment` and the settings import, used by profiles.
 *  - The export builds the file in memory and writes it once, instead of
 *    passing the profile functions (WritePrivateProfileStringW and its
 *    integer and structure forms) to the general writer as the driver's own
 *    tools do: that rewrites the whole file for each of some 800 keys. The
 *    bytes are those the profile functions would write: a new file in the
 *    ANSI code page, an existing UTF-16 file kept UTF-16, existing sections
 *    and keys merged in place, other sections kept. A bare file name is used
 *    as it is, not looked up in the Windows folder.
 *  - Passwords are written only in their encoded keys (two hex digits per
 *    character); a password holding a character above U+00FF has no such
 *    form and is written as an empty encoded key, so a file that is applied
 *    keeps the printer's stored password for it.
 *  - "Start Application Mode" is written as 2 when the application also
 *    starts for messaging, 0 when it starts before printing only, else 1;
 *    applying a file without the key keeps both switches as they are.
 *  - Lists in a file ("Printer%d", "Font %d", FTP connections, Bates
 *    formats, text stamp presets) are read up to 1000 entries.
 *  - Applying a file keeps the current setting for a number key whose text
 *    holds no number (the profile functions would read 0), and re-seeds the
 *    paper list only from a file that has "Paper Size Definitions", so a
 *    file without papers does not empty the list. */
/* 1 when the file was written in full (the sequence ran); 0 for a null
 * record (last error -1000) or a null path. */
NW_EXPORT int NW_API ExportSettingstoINIFile(const NordwispDEVMODE* record, const NWCHAR* file) NW_NOEXCEPT;
/* The path converted into a 260-character buffer. */
NW_EXPORT int NW_API ExportSettingstoINIFileA(const NordwispDEVMODE* record, const char* file) NW_NOEXCEPT;
/* A new record for the printer built from its driver's data file ("Default
 * Settings" and the registry-level sections, with built-in fallbacks: a
 * file without "Default Settings" gives Letter, 300 dpi, portrait, 24-bit
 * colour); the printer's registry settings are set from the same file.
 * Clear passwords in the data file are moved into its encoded keys. Free
 * the record with GlobalFree. Null for a null name (last error -1000), a
 * printer that cannot be opened, no data file or no default record. */
NW_EXPORT NordwispDEVMODE* NW_API CreateDefaultSettings(const NWCHAR* printerName) NW_NOEXCEPT;
/* The name converted from the ANSI code page. */
NW_EXPORT NordwispDEVMODE* NW_API CreateDefaultSettingsA(const char* printerName) NW_NOEXCEPT;

/* ---- Profiles ----------------------------------------------------------
 * A profile is a named settings file (".bip": the settings-file format with
 * a "Profile" section: "Name", "Description" with the escapes \\, \n and
 * \r, "Profile version", "Driver major version", "Driver minor version",
 * "Driver revision", "Driver type", "Profile type"). The current user's
 * index of a printer's profiles is HKEY_CURRENT_USER
 * "SOFTWARE\Kelmora Works\<printer>\Profiles": "Selected Profile",
 * "Common Profiles Imported" and one subkey per profile ("Name",
 * "Modified", "Description", "Filename", "Shared", "Hidden"). The shared
 * profiles in the driver's "Common Profile Directory" are indexed whenever
 * a profile file is applied. Each returns 1 for success and 0 for failure.
 *  - Decision: none of these exports changes Nordwisp_GetLastError, not
 *    even through the record loads and saves they (or the configuration
 *    module) run on the way, which store their own; the value from before
 *    the call is put back.
 *
 * The second group is forwarded to the printer driver's configuration
 * module (the driver's configuration file): each opens the printer, loads
 * the module, calls one function of it by name, frees the module and
 * closes the printer; 0 when the printer cannot be opened, the driver's
 * information or module is missing or lacks the function.
 *  - Decision: the arguments passed through to the module are
 *    pointer-sized (uintptr_t), not 32-bit. In the 32-bit DLL that is the
 *    same 32-bit value; in the 64-bit DLL a module whose arguments are
 *    texts (as the reference module's are, NwConfigModule.h) would
 *    otherwise get cut pointers. The library gives them no meaning. */
/* "Selected Profile" into buffer; *size is the buffer's size in bytes on
 * entry and the bytes stored, terminator included, on return. 0 for a null
 * name or size, a missing value, or one that does not fit (*size then
 * holds the bytes needed; a null buffer only asks for them). */
NW_EXPORT int NW_API GetLastSelectedProfile(const NWCHAR* printerName, NWCHAR* buffer, uint32_t* size) NW_NOEXCEPT;
/* Writes "Selected Profile" (terminator included), creating the Profiles
 * key when needed; 0 for a null argument. */
NW_EXPORT int NW_API SetLastSelectedProfile(const NWCHAR* printerName, const NWCHAR* profileName) NW_NOEXCEPT;
/* The profile's indexed "Description" into buffer (520 bytes).
 *  - Decision: a longer description (up to 499 characters) is cut to 259
 *    characters and terminated rather than written past the buffer. */
NW_EXPORT int NW_API GetProfileDescription(NWCHAR* buffer, const NWCHAR* printerName, const NWCHAR* profileName) NW_NOEXCEPT;
/* The profile's indexed "Filename" into buffer (520 bytes), cut likewise. */
NW_EXPORT int NW_API GetProfileFileName(NWCHAR* buffer, const NWCHAR* printerName, const NWCHAR* profileName) NW_NOEXCEPT;
/* Imports the common profiles (dropping index entries whose files are
 * gone), then overlays the profile file onto the caller's record as
 * applying a settings file does, with the printer's type as its
 * capabilities. The record is changed in memory only; save it with
 * SaveNordwispDEVMODE. 0 when the printer cannot be opened or its record
 * loaded.
 *  - Decision: also 0 for a null file or record, and for a file that
 *    cannot be opened, which would otherwise report success with nothing
 *    applied. */
NW_EXPORT int NW_API ApplyProfileFile(const NWCHAR* printerName, const NWCHAR* file, NordwispDEVMODE* record) NW_NOEXCEPT;
/* Module "ApplyProfile"(printer name, open printer handle, argument2,
 * argument3); its result. */
NW_EXPORT int NW_API ApplyProfile(const NWCHAR* printerName, uintptr_t argument2, uintptr_t argument3) NW_NOEXCEPT;
/* Module "CreateProfile"(printer name, argument2 to argument4). */
NW_EXPORT int NW_API CreateProfile(const NWCHAR* printerName, uintptr_t argument2, uintptr_t argument3,
                                   uintptr_t argument4) NW_NOEXCEPT;
/* Module "CreateProfileFile"(printer name, argument2 to argument5). */
NW_EXPORT int NW_API CreateProfileFile(const NWCHAR* printerName, uintptr_t argument2, uintptr_t argument3,
                                       uintptr_t argument4, uintptr_t argument5) NW_NOEXCEPT;
/* Module "DeleteProfile"(printer name, argument2). */
NW_EXPORT int NW_API DeleteProfile(const NWCHAR* printerName, uintptr_t argument2) NW_NOEXCEPT;
/* Module "ExportProfileData"(printer name, argument2, argument3). */
NW_EXPORT int NW_API ExportProfile(const NWCHAR* printerName, uintptr_t argument2, uintptr_t argument3) NW_NOEXCEPT;
/* Module "ImportProfileData"(printer name, argument2, argument3). */
NW_EXPORT int NW_API ImportProfile(const NWCHAR* printerName, uintptr_t argument2, uintptr_t argument3) NW_NOEXCEPT;
/* Module "GetNumberOfProfiles"(printer name) stored in *count; 1, or 0
 * for a null count or when the module cannot be called. */
NW_EXPORT int NW_API GetNumberOfProfiles(const NWCHAR* printerName, uint32_t* count) NW_NOEXCEPT;
/* Module "GetProfileName"(printer name, index, a 260-character buffer).
 * *size is in characters: it is set to the name's length + 1; with a
 * buffer smaller than that the result is 0 and nothing is copied. A null
 * buffer asks for the size only (result 1).
 *  - Decision: 0 with *size unchanged when the module's function returns
 *    0 (no profile at that index), or for a null size. */
NW_EXPORT int NW_API GetProfileName(const NWCHAR* printerName, uint32_t index, NWCHAR* buffer, uint32_t* size) NW_NOEXCEPT;

/* ---- Print jobs --------------------------------------------------------
 * Counting, reading and controlling the jobs queued on a printer. These
 * exports leave Nordwisp_GetLastError alone: each returns a Win32 error
 * code, 0 for success (1801 for a null printer name, 87 for a null out
 * pointer, otherwise the spooler's error, e.g. 1801 for an unknown printer).
 * The ANSI forms convert the printer name into a 260-character buffer. */

#pragma pack(push, 1)
/* A SYSTEMTIME: year, month, day of week, day, hour, minute, second,
 * milliseconds. Job submission times are UTC. */
typedef struct NW_JOBTIME {
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
} NW_JOBTIME;

/* One job as GetJobInfo describes it. Texts are zero-terminated and cut to
 * 259 characters; a text the spooler does not give is left as it was, and
 * the printer name area is never written. */
typedef struct JobInfoRecord {
    uint32_t JobId;
    NWCHAR PrinterNameArea[262];
    NWCHAR MachineName[260];
    NWCHAR UserName[260];
    NWCHAR Document[260];
    NWCHAR StatusText[260];
    uint32_t Status;       /* JOB_STATUS_* flags, e.g. 1 paused */
    uint32_t Priority;
    uint32_t Position;     /* 1 for the first job of the queue */
    uint32_t TotalPages;
    uint32_t PagesPrinted;
    NW_JOBTIME Submitted;
} JobInfoRecord;
#pragma pack(pop)

#define NW_JOB_AT(field, offset) \
    NW_LAYOUT_ASSERT(offsetof(JobInfoRecord, field) == (offset), #field " must sit at " #offset)
NW_LAYOUT_ASSERT(sizeof(NW_JOBTIME) == 16, "the submission time is 16 bytes");
NW_LAYOUT_ASSERT(sizeof(JobInfoRecord) == 2644, "JobInfoRecord is 2644 bytes");
NW_JOB_AT(JobId, 0);
NW_JOB_AT(PrinterNameArea, 4);
NW_JOB_AT(MachineName, 528);
NW_JOB_AT(UserName, 1048);
NW_JOB_AT(Document, 1568);
NW_JOB_AT(StatusText, 2088);
NW_JOB_AT(Status, 2608);
NW_JOB_AT(Priority, 2612);
NW_JOB_AT(Position, 2616);
NW_JOB_AT(TotalPages, 2620);
NW_JOB_AT(PagesPrinted, 2624);
NW_JOB_AT(Submitted, 2628);
NW_JOB_AT(Submitted.wMonth, 2630);
NW_JOB_AT(Submitted.wDayOfWeek, 2632);
NW_JOB_AT(Submitted.wDay, 2634);
NW_JOB_AT(Submitted.wHour, 2636);
NW_JOB_AT(Submitted.wMinute, 2638);
NW_JOB_AT(Submitted.wSecond, 2640);
NW_JOB_AT(Submitted.wMilliseconds, 2642);
#undef NW_JOB_AT

/* Job-control commands of ControlJob; anything else (cancel, 3, included)
 * is refused with 1803 before the printer is opened. */
#define NW_JOB_PAUSE 1
#define NW_JOB_RESUME 2
#define NW_JOB_RESTART 4
#define NW_JOB_DELETE 5

/* Stores the number of jobs queued on the printer in *count. */
NW_EXPORT uint32_t NW_API GetNumberOfJobs(const NWCHAR* printerName, uint32_t* count) NW_NOEXCEPT;
NW_EXPORT uint32_t NW_API GetNumberOfJobsA(const char* printerName, uint32_t* count) NW_NOEXCEPT;
/* Describes the job at jobIndex (0: first in the queue). No job there is
 * still 0, with *info left as it was. */
NW_EXPORT uint32_t NW_API GetJobInfo(const NWCHAR* printerName, uint32_t jobIndex, JobInfoRecord* info) NW_NOEXCEPT;
NW_EXPORT uint32_t NW_API GetJobInfoA(const char* printerName, uint32_t jobIndex, JobInfoRecord* info) NW_NOEXCEPT;
/* Pauses, resumes, restarts or deletes the job with this identifier. */
NW_EXPORT uint32_t NW_API ControlJob(const NWCHAR* printerName, uint32_t jobId, uint32_t command) NW_NOEXCEPT;
NW_EXPORT uint32_t NW_API ControlJobA(const char* printerName, uint32_t jobId, uint32_t command) NW_NOEXCEPT;

/* ---- Per-user maintenance ----------------------------------------------
 * Copying and clearing a printer's settings for every user of the machine:
 * the records Windows caches per user ("Printers\DevModePerUser",
 * "Printers\DevModes2", "Printers\Settings" of each user's hive) and the
 * driver's settings under "SOFTWARE\Kelmora Works". Every user is reached:
 * each profile of the machine's profile list and its "Default" profile,
 * whose hive is loaded under HKEY_USERS "NORDWISP_TEMPORARY_PROFILE" for
 * the time of the change when nobody has it loaded, and every hive loaded
 * under HKEY_USERS (logged-on users). Profiles of services and application
 * pools (paths holding "%SYSTEMROOT%", ".NET" or "APPPOOL", in any case)
 * are left alone. Loading hives and changing other users' needs an
 * administrator; without one the exports return 0 and no other user's hive
 * changes. Run one of them at a time per machine: the mount name is shared.
 * Each returns 1 when every step worked, else 0; a null first argument
 * gives 0 with last error -1000. The ANSI forms convert their texts whole. */

/* Removes the printer's cached records from the current user's hive and,
 * with allUsers non-zero, first from every loaded hive and every profile.
 * A value belongs to the printer when its name is the printer's name
 * (case ignored), holds the name followed by a comma, or ends with it;
 * names holding the printer's name elsewhere are kept.
 * Decision: after the profiles, the current user's first cached value is
 * not deleted merely because its name contains the printer's name, as that
 * would remove another printer's record ("My Printer 2" for "Printer");
 * the current user's values are cleared by the rule above instead, and a
 * missing "Printers\DevModePerUser" there is not a failure. */
NW_EXPORT int NW_API ClearUserSettings(const NWCHAR* printerName, int allUsers) NW_NOEXCEPT;
NW_EXPORT int NW_API ClearUserSettingsA(const char* printerName, int allUsers) NW_NOEXCEPT;
/* Gives every user the current user's record of the printer (into the
 * users' existing "Printers\DevModePerUser" and "Printers\DevModes2"
 * keys), the printer key "SOFTWARE\Kelmora Works\<printer>" and, when that
 * key holds a DWORD "Printer ID", "SOFTWARE\Kelmora Works\PrinterIDs\<ID>";
 * then saves the record as the printer's global default and the current
 * user's record. Leading backslashes of the name are dropped for the key,
 * as for any registry printer name. Each user's hive takes all of its
 * changes as one. A printer key missing for the current user copies no
 * tree and is no failure: there are no settings to give. */
NW_EXPORT int NW_API CopySettingsForAllUsers(const NWCHAR* printerName) NW_NOEXCEPT;
NW_EXPORT int NW_API CopySettingsForAllUsersA(const char* printerName) NW_NOEXCEPT;
/* Resets the printer to its driver's defaults: builds the record
 * CreateDefaultSettings builds (which also resets the printer's registry
 * settings from the driver's data file), clears the cached records as
 * ClearUserSettings does with the same flag and, with allUsers non-zero,
 * stores the default record in every user's cached records and saves it as
 * the printer's global default; then saves it as the current user's
 * record. 0 when the default record cannot be built or a save fails. */
NW_EXPORT int NW_API ReplaceUserSettings(const NWCHAR* printerName, int allUsers) NW_NOEXCEPT;
NW_EXPORT int NW_API ReplaceUserSettingsA(const char* printerName, int allUsers) NW_NOEXCEPT;
/* Copies one value (type and bytes) of HKEY_CURRENT_USER keyPath into the
 * same key of every user; users without the key are left alone (it is not
 * created). A null valueName is the key's default value. */
NW_EXPORT int NW_API CopyRegValueToAllUsers(const NWCHAR* keyPath, const NWCHAR* valueName) NW_NOEXCEPT;
NW_EXPORT int NW_API CopyRegValueToAllUsersA(const char* keyPath, const char* valueName) NW_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* NORDWISP_NORDWISPDEVMODE_H */
