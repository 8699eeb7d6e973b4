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

#ifdef __cplusplus
}
#endif

#endif /* NORDWISP_NORDWISPDEVMODE_H */
