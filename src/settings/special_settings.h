// Registry-backed settings that do more than read or write one value: fonts,
// crop and trim areas, the forced DPI switch, the text stamp / watermark
// layer rule, the first-page image watermark, driver dialog tabs, the
// machine-wide client-directory switch, scrambled passwords and the OCR
// language list. All take a record known not to be null.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

// ---- Fonts: one value per LOGFONTW member.
enum class FontOwner : std::uint8_t { Header, Footer, TextStamp };
// Zeroes the font, then reads its members in order: 1 when all were read,
// 0 at the first missing one (the rest stay 0).
int ReadFont(const NordwispDEVMODE* record, FontOwner owner, NW_LOGFONTW& font);
// Writes all fourteen values; 0 for a face name of 32 characters or more.
int WriteFont(const NordwispDEVMODE* record, FontOwner owner, const NW_LOGFONTW& font);

// ---- Crop and trim areas: four DWORDs, 0 when missing.
struct AreaRows {
    const DwordValue& left;
    const DwordValue& right;
    const DwordValue& top;
    const DwordValue& bottom;
};
inline constexpr AreaRows kCropArea{page::CropLeft, page::CropRight, page::CropTop, page::CropBottom};
inline constexpr AreaRows kTrimArea{page::TrimLeft, page::TrimRight, page::TrimTop, page::TrimBottom};
// Each non-null pointer receives its value; always 1.
int ReadArea(const NordwispDEVMODE* record, const AreaRows& rows, int* left, int* right, int* top, int* bottom);
int WriteArea(const NordwispDEVMODE* record, const AreaRows& rows, int left, int right, int top, int bottom);

// ---- The one text object of "Text Watermark Stamp Settings".
enum class TextLayer : std::int32_t { Stamp = 0, Watermark = 1 };
// Stores 1 when the object is on and on this layer, else 0. Returns 0 when
// none of the enable values exists (then 0 is stored).
int ReadTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, int& on);
// Layer 0 or 1 (others refused), keeping the older enable values in step.
int WriteTextObjectLayer(const NordwispDEVMODE* record, std::int32_t layer);
int WriteTextObjectEnabled(const NordwispDEVMODE* record, std::int32_t enabled);
// Non-zero moves the object to this layer and turns it on; zero turns it
// off only when it is on this layer.
int SetTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, std::int32_t value);

// ---- First-page image watermark, per orientation.
int ReadFirstImageFile(const NordwispDEVMODE* record, bool landscape, WCHAR* buffer, DWORD* size);
int WriteFirstImageFile(const NordwispDEVMODE* record, bool landscape, const WCHAR* text);
// 40 for a missing value or one above 100.
std::int32_t ReadFirstImageBrightness(const NordwispDEVMODE* record, bool landscape);
int WriteFirstImageBrightness(const NordwispDEVMODE* record, bool landscape, std::int32_t value);
// Position bit codes; 4 for a missing or unknown stored code.
std::int32_t ReadFirstImagePosition(const NordwispDEVMODE* record, bool landscape);
int WriteFirstImagePosition(const NordwispDEVMODE* record, bool landscape, std::int32_t code);
// The settings file keeps positions as an index 0..11.
std::int32_t FirstImagePositionToIndex(std::int32_t code);
std::int32_t FirstImageIndexToPosition(std::int32_t index);

// The image watermark folder of the settings file: "Watermark Directory",
// else the driver data file's "Default Settings" "WatermarkDirectory", else
// empty.
WString ReadWatermarkDirectory(const NordwispDEVMODE* record);

// ---- Driver dialog tabs.
// The value name of a tab number; an empty name for unknown numbers.
const WCHAR* TabValueName(std::int32_t tab);
int WriteTab(const NordwispDEVMODE* record, std::int32_t tab, bool shown);
// The registry value, else the driver data file's "UI Tabs Settings" entry,
// else 1; 1 only when that is exactly 1.
int ReadTab(const NordwispDEVMODE* record, std::int32_t tab);
// The printer driver's data file (GetPrinterDriverW level 2), or empty.
WString DriverDataFile(const NordwispDEVMODE* record);

// ---- "Use Output Directory from Client" under HKEY_USERS ".DEFAULT".
int ReadUseDirectoryFromClient(const NordwispDEVMODE* record);
// Whether the caller's thread token (else process token) holds the
// Administrators group.
bool CallerIsAdministrator();
// Sets the record's PrinterFlags bit and the machine default; the caller
// has checked the membership. 1 when the value was written.
int WriteUseDirectoryFromClient(NordwispDEVMODE* record, std::int32_t value);

// ---- Passwords (password_scrambling.h has the encodings).
int ReadPdfPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size);
int WritePdfPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text);
int ReadSmtpPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size);
int WriteSmtpPassword(const NordwispDEVMODE* record, const WCHAR* text);
int ReadHexPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size);
int WriteHexPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text);

// ---- Single rules.
// Spaces dropped, "," and ";" turned into "+"; 0 for over 259 characters.
int WriteOcrLanguages(const NordwispDEVMODE* record, const WCHAR* text);
// 1 only for the stored text "1".
std::int32_t ReadEmailClientType(const NordwispDEVMODE* record);

}  // namespace nw::settings
