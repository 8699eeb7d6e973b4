// The irregular keys of the settings file, one function pair per step of
// settings_file_keys.def, and the contexts the rows are walked with.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>

#include "devmode/range_verification.h"
#include "frame/trace.h"
#include "papers/paper_list.h"
#include "profiles/settings_file_keys.h"
#include "record/field_bytes.h"
#include "settings/client_directory.h"
#include "settings/driver_data_file.h"
#include "settings/email_client.h"
#include "settings/image_watermark.h"
#include "settings/key_path.h"
#include "settings/name_lists.h"
#include "settings/numbered_lists.h"
#include "settings/password_scrambling.h"
#include "settings/passwords.h"
#include "settings/registry_primitives.h"
#include "settings/stamp_presets.h"
#include "settings/text_object.h"

namespace nw::profiles {

using namespace nw::accessors;
using namespace nw::settings;

namespace {

// Numbered lists in a file are read this far at most: a damaged count must
// not keep the import busy for hours.
constexpr std::int32_t kMaxListEntries = 1000;

WString Numbered(const WCHAR* prefix, std::int32_t n) { return WString(prefix) + DecimalText(n); }

// A text under the size protocol of the registry readers (size in bytes).
template <class Read>
WString ReadSized(Read read) {
    DWORD size = 256 * sizeof(WCHAR);
    for (int attempt = 0; attempt < 8 && size <= kTextLimitBytes; ++attempt) {
        WString buffer(size / sizeof(WCHAR) + 1, 0);
        DWORD got = size;
        if (read(buffer.data(), &got)) {
            buffer.resize(BoundedLength(buffer.c_str(), buffer.size()));
            return buffer;
        }
        if (got <= size) return WString();
        size = got;
    }
    return WString();
}

bool EqualsNoCase(WStringView a, const WCHAR* b) {
    const WString left(a);
    return CompareNoCase(left.c_str(), b) == 0;
}

constexpr auto kDmColor = NW_SIGNED_FIELD_BYTES(DM.dmColor);
constexpr auto kDmBitsPerPel = NW_FIELD_BYTES(DM.dmBitsPerPel);
constexpr auto kColorDepth = NW_FIELD_BYTES(ColorDepth);
constexpr auto kWatermarkBrightness =
    record::FieldBytes{offsetof(NordwispDEVMODE, WatermarkBrightnessLandscape), 4, false};

constexpr WCHAR kDefault[] = W("Default Settings");
constexpr WCHAR kRedirect[] = W("Redirect Printing");

// The start-application parameter codes as one character each.
constexpr WCHAR kParamCodeDigits[] = W("0123456789ABCDEFG");
constexpr std::int32_t kParamCodes = 15;

}  // namespace

// ---- Contexts and shared readers ----

bool SwitchOn(const NordwispDEVMODE* record, const Switch& row) {
    return ((row.word.ReadBits(record) & row.bit) != 0) != row.inverted;
}

std::int32_t BitIndex(const NordwispDEVMODE* record, const record::FieldBytes& word, const BitGroup& group) {
    const std::uint32_t bits = word.ReadBits(record);
    for (std::size_t i = 0; i < group.count; ++i)
        if (bits & group.bits[i]) return static_cast<std::int32_t>(i);
    return -1;
}

WString RegistryText(const NordwispDEVMODE* record, const TextValue& row) {
    WString text;
    if (!ReadWholeText(record, row, kTextLimitBytes, text)) text.clear();
    return text;
}

void ImportText(const ImportContext& in, const WCHAR* section, const WCHAR* key, const TextValue& row, DWORD chars) {
    if (!in.file.Has(section, key)) return;
    const WString current = RegistryText(in.record, row);
    const WString value = in.Text(section, key, current, chars);
    if (value != current) WriteSetting(in.record, row, value.c_str());
}

void StoreForcedResolutionAndOffsets(NordwispDEVMODE* record) {
    if (record::Options.Get(record) & record::kOptionPackedResolution) {
        const auto x = static_cast<std::uint32_t>(ReadNumber(record, geometry::XDPI));
        const auto y = static_cast<std::uint32_t>(ReadNumber(record, geometry::YDPI));
        record::PackedResolution.Set(record, y * 65536u + x);
    }
    WriteNumber(record, numbers::PagePhysicalOffsetX, 0);
    WriteNumber(record, numbers::PagePhysicalOffsetY, 0);
}

// Text that holds no number keeps the current value, where
// GetPrivateProfileIntW would give 0.
std::int32_t ImportContext::Int(const WCHAR* section, const WCHAR* key, std::int32_t current) const {
    const WString text = file.ReadText(section, key, W(""), 32);
    std::size_t at = text.find_first_not_of(W(" \t"));
    if (at != WString::npos && (text[at] == W('-') || text[at] == W('+'))) ++at;
    if (at == WString::npos || at >= text.size() || text[at] < W('0') || text[at] > W('9')) return current;
    return static_cast<std::int32_t>(file.ReadInt(section, key, current));
}

WString ImportContext::Text(const WCHAR* section, const WCHAR* key, WStringView current, DWORD chars) const {
    if (!file.Has(section, key)) return WString(current);
    return file.ReadText(section, key, W(""), chars + 1);
}

bool ImportContext::YesNo(const WCHAR* section, const WCHAR* key, bool current) const {
    const WString text = file.ReadText(section, key, W(""), 64);
    if (text.empty()) return current;
    return EqualsNoCase(text, W("Yes"));
}

// ---- Passwords ----

namespace {

template <const TextValue& row>
int ReadPdf(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadPdfPassword(record, row, buffer, size);
}
template <const TextValue& row>
int WritePdf(const NordwispDEVMODE* record, const WCHAR* text) {
    return WritePdfPassword(record, row, text);
}
template <const TextValue& row>
int ReadHex(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadHexPassword(record, row, buffer, size);
}
template <const TextValue& row>
int WriteHex(const NordwispDEVMODE* record, const WCHAR* text) {
    return WriteHexPassword(record, row, text);
}

}  // namespace

const PasswordSource kPdfUserPassword{&ReadPdf<pdf::UserPassword>, &WritePdf<pdf::UserPassword>};
const PasswordSource kPdfOwnerPassword{&ReadPdf<pdf::OwnerPassword>, &WritePdf<pdf::OwnerPassword>};
const PasswordSource kSharePointPassword{&ReadHex<sharepoint::Pass>, &WriteHex<sharepoint::Pass>};
const PasswordSource kSmtpPassword{&ReadSmtpPassword, &WriteSmtpPassword};

WString ReadPassword(const NordwispDEVMODE* record, const PasswordSource& source) {
    return ReadSized([&](WCHAR* buffer, DWORD* size) { return source.read(record, buffer, size); });
}

WString EncodePassword(WStringView clear) {
    WString encoded;
    if (!EncodeHexPassword(clear, encoded)) encoded.clear();
    return encoded;
}

int ReadPasswordPair(WCHAR* buffer, DWORD size, const WCHAR* clearKey, DWORD clearChars, const WCHAR* encodedKey,
                     DWORD encodedChars, const WCHAR* section, const SettingsFile& file) {
    if (buffer == nullptr || size == 0) return 0;
    constexpr WCHAR kNoValue[] = W("##NO_VALUE##");
    WString password;
    const WString clear = file.ReadText(section, clearKey, kNoValue, clearChars + 1);
    if (clear != kNoValue && !clear.empty()) {
        password = clear;
    } else {
        const WCHAR* fallback = clear == kNoValue ? kNoValue : W("");
        // Two digits per character.
        const WString encoded = file.ReadText(section, encodedKey, fallback, 2 * encodedChars + 1);
        if (encoded == kNoValue) return 0;
        if (!encoded.empty() && !DecodeHexPassword(encoded, password)) return 0;
    }
    const std::size_t n = std::min<std::size_t>(password.size(), size - 1);
    std::copy_n(password.data(), n, buffer);
    buffer[n] = 0;
    return 1;
}

void ImportPassword(const ImportContext& in, const WCHAR* section, const WCHAR* clearKey, const WCHAR* encodedKey,
                    const PasswordSource& source, DWORD chars) {
    WString buffer(chars + 1, 0);
    if (!ReadPasswordPair(buffer.data(), chars + 1, clearKey, chars, encodedKey, chars, section, in.file)) return;
    buffer.resize(BoundedLength(buffer.c_str(), buffer.size()));
    if (buffer != ReadPassword(in.record, source)) source.write(in.record, buffer.c_str());
}

// ---- Annotation bit groups ----

namespace {
constexpr std::uint32_t kDateFormatBits[] = {0x8, 0x10, 0x20, 0x40, 0x80, 0x100};
constexpr std::uint32_t kTimeFormatBits[] = {0x400, 0x800};
constexpr std::uint32_t kBackgroundBits[] = {0x8000, 0x10000};
constexpr std::uint32_t kPositionBits[] = {0x20000, 0x40000, 0x80000, 0x100000, 0x200000};
constexpr std::uint32_t kUnitsBits[] = {0x400000, 0x800000, 0x1000000};
}  // namespace

const BitGroup kAnnotationDateFormats{kDateFormatBits, std::size(kDateFormatBits)};
const BitGroup kAnnotationTimeFormats{kTimeFormatBits, std::size(kTimeFormatBits)};
const BitGroup kAnnotationBackgrounds{kBackgroundBits, std::size(kBackgroundBits)};
const BitGroup kAnnotationPositions{kPositionBits, std::size(kPositionBits)};
const BitGroup kAnnotationUnits{kUnitsBits, std::size(kUnitsBits)};

// ---- Shared shapes: structures, name lists, fonts ----

void ExportBlob(const ExportContext& out, const WCHAR* section, const WCHAR* key, const BlobValue& row) {
    DWORD size = 0;
    std::string bytes;
    if (!ReadSetting(out.record, row, nullptr, &size) && size > 0 && size <= kTextLimitBytes) {
        bytes.resize(size);
        if (!ReadSetting(out.record, row, bytes.data(), &size)) bytes.clear();
        bytes.resize(std::min<std::size_t>(bytes.size(), size));
    }
    out.Struct(section, key, bytes.data(), static_cast<UINT>(bytes.size()));
    out.Int(section, (WString(key) + W(" Size")).c_str(), static_cast<std::int32_t>(bytes.size()));
}

void ImportBlob(const ImportContext& in, const WCHAR* section, const WCHAR* key, const BlobValue& row) {
    const std::int32_t size = in.Int(section, (WString(key) + W(" Size")).c_str(), -1);
    if (size < 0 || static_cast<DWORD>(size) > kTextLimitBytes) return;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (in.file.ReadStruct(section, key, bytes.data(), static_cast<UINT>(size)))
        WriteSetting(in.record, row, bytes.data(), static_cast<DWORD>(size));
}

void ExportNames(const ExportContext& out, const WCHAR* section, const NameList& list) {
    std::int32_t count = 0;
    ReadNameCount(out.record, list, count);
    out.Int(section, W("Count"), count);
    for (std::int32_t i = 0; i < count; ++i) {
        const WString name =
            ReadSized([&](WCHAR* buffer, DWORD* size) { return ReadNameItem(out.record, list, i, buffer, size); });
        out.Text(section, Numbered(W("Font "), i + 1).c_str(), name);
    }
}

void ImportNames(const ImportContext& in, const WCHAR* section, const NameList& list) {
    if (!in.file.Has(section, W("Count"))) return;
    const std::int32_t count = std::clamp(in.Int(section, W("Count"), 0), 0, kMaxListEntries);
    for (std::int32_t i = 0; i < count; ++i) {
        const WString name = in.Text(section, Numbered(W("Font "), i + 1).c_str(), W(""), 1023);
        WriteNameItem(in.record, list, i, name.c_str());
    }
    WriteNameCount(in.record, list, count);
}

namespace {

// The fourteen font keys in file order.
#define NW_FONT_KEYS(X)                                          \
    X(W("Font Height"), lfHeight)                                \
    X(W("Font Width"), lfWidth)                                  \
    X(W("Font Escapement"), lfEscapement)                        \
    X(W("Font Orientation"), lfOrientation)                      \
    X(W("Font Weight"), lfWeight)                                \
    X(W("Font Italic"), lfItalic)                                \
    X(W("Font Underline"), lfUnderline)                          \
    X(W("Font Strikeout"), lfStrikeOut)                          \
    X(W("Font Charset"), lfCharSet)                              \
    X(W("Font Outprecisions"), lfOutPrecision)                   \
    X(W("Font Clipprecisions"), lfClipPrecision)                 \
    X(W("Font Quality"), lfQuality)                              \
    X(W("Font PinchAndFamily"), lfPitchAndFamily)

void WriteFontKeys(const ExportContext& out, const WCHAR* section, const WString& prefix, const NW_LOGFONTW& font) {
#define NW_WRITE_FONT_KEY(name, member) out.Int(section, (prefix + name).c_str(), font.member);
    NW_FONT_KEYS(NW_WRITE_FONT_KEY)
#undef NW_WRITE_FONT_KEY
    out.Text(section, (prefix + W("Font Facename")).c_str(),
             WStringView(font.lfFaceName, BoundedLength(font.lfFaceName, std::size(font.lfFaceName))));
}

// The font with the file's keys over it; true when one was present.
bool ReadFontKeys(const ImportContext& in, const WCHAR* section, const WString& prefix, NW_LOGFONTW& font) {
    bool any = false;
#define NW_READ_FONT_KEY(name, member)                                                               \
    {                                                                                                \
        const WString key = prefix + name;                                                           \
        if (in.file.Has(section, key.c_str())) {                                                     \
            font.member = static_cast<decltype(font.member)>(in.Int(section, key.c_str(), font.member)); \
            any = true;                                                                              \
        }                                                                                            \
    }
    NW_FONT_KEYS(NW_READ_FONT_KEY)
#undef NW_READ_FONT_KEY
    const WString faceKey = prefix + W("Font Facename");
    if (in.file.Has(section, faceKey.c_str())) {
        const WString face = in.Text(section, faceKey.c_str(), W(""), std::size(font.lfFaceName) - 1);
        std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), WCHAR(0));
        std::copy_n(face.data(), std::min(face.size(), std::size(font.lfFaceName) - 1), font.lfFaceName);
        any = true;
    }
    return any;
}

}  // namespace

void ExportFont(const ExportContext& out, const WCHAR* section, const WCHAR* prefix, FontOwner owner) {
    NW_LOGFONTW font{};
    ReadFont(out.record, owner, font);
    WriteFontKeys(out, section, prefix, font);
}

void ImportFont(const ImportContext& in, const WCHAR* section, const WCHAR* prefix, FontOwner owner) {
    NW_LOGFONTW font{};
    ReadFont(in.record, owner, font);
    if (ReadFontKeys(in, section, prefix, font)) WriteFont(in.record, owner, font);
}

// ---- Record steps ----

void ExportPaperWidth(const ExportContext& out) { out.Int(kDefault, W("Paper Width"), PaperWidthOf(out.record)); }
void ApplyPaperWidth(const ImportContext& in) {
    SetPaperDimensions(in.record, in.Int(kDefault, W("Paper Width"), PaperWidthOf(in.record)),
                       PaperLengthOf(in.record));
}
void ExportPaperLength(const ExportContext& out) {
    out.Int(kDefault, W("Paper Length"), PaperLengthOf(out.record));
}
void ApplyPaperLength(const ImportContext& in) {
    SetPaperDimensions(in.record, PaperWidthOf(in.record),
                       in.Int(kDefault, W("Paper Length"), PaperLengthOf(in.record)));
}

void ExportBitsPerPixel(const ExportContext& out) {
    switch (kColorDepth.Read(out.record)) {
        case 0: out.Int(kDefault, W("BitsPerPixel"), 1); break;
        case 1: out.Text(kDefault, W("BitsPerPixel"), W("8gray")); break;
        case 2: out.Int(kDefault, W("BitsPerPixel"), 8); break;
        default: out.Int(kDefault, W("BitsPerPixel"), 24); break;
    }
}

void ApplyColorText(NordwispDEVMODE* record, WStringView text, std::uint32_t capabilities) {
    const bool gray = EqualsNoCase(text, W("8gray"));
    std::int32_t depth = 3;
    if (text.size() >= 3) {
        kDmBitsPerPel.Write(record, gray ? 8u : 24u);
    } else {
        kDmBitsPerPel.Write(record, static_cast<std::uint32_t>(DecimalToInt(WString(text).c_str())));
    }
    const std::uint32_t bits = kDmBitsPerPel.ReadBits(record);
    if (bits == 1) {
        depth = 0;
    } else if (bits == 8) {
        depth = gray ? 1 : 2;
    }
    kColorDepth.Write(record, static_cast<std::uint32_t>(depth));
    std::int32_t color = 2;
    if (depth == 0 && NW_FIELD_BYTES(Dithering).Read(record) == 0) {
        color = 1;
    } else if (depth < 2) {
        // Grey, or one bit with dithering: the driver's data file decides.
        const WString dataFile = DriverDataFile(record);
        color = GetPrivateProfileIntW(kDefault, W("Monochrome Mode"), 0, dataFile.c_str()) != 0 ? 1 : 2;
    }
    if (capabilities & 0x1) color = 1;
    kDmColor.Write(record, static_cast<std::uint32_t>(color));
}

void ApplyBitsPerPixel(const ImportContext& in) {
    const WString text = in.file.ReadText(kDefault, W("BitsPerPixel"), W(""), 9);
    if (!text.empty()) {
        ApplyColorText(in.record, text, in.capabilities);
    } else if (in.capabilities & 0x1) {
        kDmColor.Write(in.record, 1);
    }
    Trace(W("DefaultEnvironment: lpDevMode->DM.dmColor: %d"), kDmColor.Read(in.record));
}

void ExportExistingFileAction(const ExportContext& out) {
    const std::int32_t action = GetChoice(out.record, numbers::ExistingFileAction);
    out.Int(kDefault, W("Overwrite Existing Files"), action == 1 ? 1 : 0);
    out.Int(kDefault, W("Merge Multiple Documents"), action == 0 ? 1 : 0);
}
void ApplyExistingFileAction(const ImportContext& in) {
    const std::int32_t overwrite = in.Int(kDefault, W("Overwrite Existing Files"), -1);
    const std::int32_t merge = in.Int(kDefault, W("Merge Multiple Documents"), -1);
    if (overwrite == 1) {
        SetChoice(in.record, numbers::ExistingFileAction, 1);
    } else if (merge == 1) {
        SetChoice(in.record, numbers::ExistingFileAction, 0);
    } else if (overwrite == 0 && merge == 0) {
        SetChoice(in.record, numbers::ExistingFileAction, 2);
    }
}

void ExportForcePrinterDpi(const ExportContext& out) {
    out.Int(kDefault, W("Force Printer DPI"), ReadSetting(out.record, page::ForceDPIEnabled) != 0 ? 1 : 0);
}
void ApplyForcePrinterDpi(const ImportContext& in) {
    const std::int32_t current = ReadSetting(in.record, page::ForceDPIEnabled) != 0 ? 1 : 0;
    const std::int32_t on = in.Int(kDefault, W("Force Printer DPI"), current) != 0 ? 1 : 0;
    if (on != current) WriteSetting(in.record, page::ForceDPIEnabled, on);
}

void ExportRedirectPrinting(const ExportContext& out) {
    out.Int(kRedirect, W("Enable Redirect Printing"), SwitchOn(out.record, switches::RedirectPrinting) ? 1 : 0);
}
void ApplyRedirectPrinting(const ImportContext& in) {
    const bool current = SwitchOn(in.record, switches::RedirectPrinting);
    if (in.Int(kRedirect, W("Enable Redirect Printing"), current ? 1 : 0) != 0) {
        WriteSwitch(in.record, switches::RedirectPrinting, true);
        return;
    }
    WriteSwitch(in.record, switches::RedirectPrinting, false);
    const WString text = in.file.ReadText(kRedirect, W("Enable Redirect Printing"), W(""), 64);
    if (EqualsNoCase(text, W("Yes"))) WriteSwitch(in.record, switches::RedirectPrinting, true);
}

namespace {
// 2 runs before printing and for messaging, 0 only before printing, 1
// neither; messaging alone reads as 2, the closest the file can say.
std::int32_t StartApplicationMode(const NordwispDEVMODE* record) {
    if (SwitchOn(record, switches::StartForMessaging)) return 2;
    return SwitchOn(record, switches::StartBeforePrint) ? 0 : 1;
}
std::int32_t StartWindowMode(const NordwispDEVMODE* record) {
    if (SwitchOn(record, switches::StartNormal)) return 0;
    if (SwitchOn(record, switches::StartMinimized)) return 1;
    return SwitchOn(record, switches::StartHidden) ? 2 : 0;
}
}  // namespace

void ExportStartApplicationMode(const ExportContext& out) {
    out.Int(kDefault, W("Start Application Mode"), StartApplicationMode(out.record));
}
void ApplyStartApplicationMode(const ImportContext& in) {
    const std::int32_t mode = in.Int(kDefault, W("Start Application Mode"), StartApplicationMode(in.record));
    WriteSwitch(in.record, switches::StartBeforePrint, mode == 0 || mode == 2);
    WriteSwitch(in.record, switches::StartForMessaging, mode == 2);
}

void ExportStartApplicationWindowMode(const ExportContext& out) {
    out.Int(kDefault, W("Start Application Window Mode"), StartWindowMode(out.record));
}
void ApplyStartApplicationWindowMode(const ImportContext& in) {
    const std::int32_t mode = in.Int(kDefault, W("Start Application Window Mode"), StartWindowMode(in.record));
    WriteSwitch(in.record, switches::StartNormal, mode == 0);
    WriteSwitch(in.record, switches::StartMinimized, mode == 1);
    WriteSwitch(in.record, switches::StartHidden, mode != 0 && mode != 1);
}

void ExportReadDirectoryFromIniFile(const ExportContext& out) {
    out.Int(kDefault, W("Read Directory From INI File"),
            SwitchOn(out.record, switches::DirFromINIForCustomFileName) ? 1 : 0);
}
void ApplyReadDirectoryFromIniFile(const ImportContext& in) {
    const std::int32_t value = in.Int(kDefault, W("Read Directory From INI File"), -1);
    if (value == 0 || value == 1) WriteSwitch(in.record, switches::DirFromINIForCustomFileName, value == 1);
}

void ExportEnableMergeWindow(const ExportContext& out) {
    out.Int(kDefault, W("Enable Merge Window"), SwitchOn(out.record, switches::MergeWindow) ? 1 : 0);
}
void ApplyEnableMergeWindow(const ImportContext& in) {
    const std::int32_t value = in.Int(kDefault, W("Enable Merge Window"), -1);
    if (value == 1) {
        WriteSwitch(in.record, switches::MergeWindow, true);
        WriteSwitch(in.record, switches::MultipageImage, true);
        WriteSwitch(in.record, switches::KeepExistingFiles, true);
        WriteSwitch(in.record, switches::SaveAsOption, false);
    } else if (value == 0) {
        WriteSwitch(in.record, switches::MergeWindow, false);
    }
}

// Written for the driver's information; not read back.
void ExportSessionId(const ExportContext& out) {
    out.Int(kDefault, W("SessionID"), NW_FIELD_BYTES(SessionID).Read(out.record));
}
void ApplySessionId(const ImportContext&) {}
void ExportIniFileName(const ExportContext& out) {
    out.Text(kDefault, W("INIFileName"), NW_RECORD_TEXT(INIFileName).Get(out.record));
}
void ApplyIniFileName(const ImportContext&) {}

namespace {
constexpr std::int32_t kCustomTemplateMethod = 7;
}

void ExportOutputFileName(const ExportContext& out) {
    const bool custom = NW_FIELD_BYTES(FileGenerationMethod).Read(out.record) == kCustomTemplateMethod;
    out.Text(kDefault, custom ? W("Custom Filename template") : W("FixedFileName"),
             record::ImageFileName.Get(out.record));
}
void ApplyOutputFileName(const ImportContext& in) {
    const bool custom = NW_FIELD_BYTES(FileGenerationMethod).Read(in.record) == kCustomTemplateMethod;
    const WString current = record::ImageFileName.Get(in.record);
    record::ImageFileName.Set(in.record, in.Text(kDefault, custom ? W("Custom Filename template") : W("FixedFileName"),
                                                 current, custom ? 259 : 260));
}

void ExportWatermarkPortraitPosition(const ExportContext& out) {
    out.Int(kDefault, W("Watermark Portrait Position"), GetWatermarkPositionCode(out.record, true));
}
void ApplyWatermarkPortraitPosition(const ImportContext& in) {
    SetWatermarkPositionCode(
        in.record, in.Int(kDefault, W("Watermark Portrait Position"), GetWatermarkPositionCode(in.record, true)),
        true);
}
void ExportWatermarkLandscapePosition(const ExportContext& out) {
    out.Int(kDefault, W("Watermark Landscape Position"), GetWatermarkPositionCode(out.record, false));
}
void ApplyWatermarkLandscapePosition(const ImportContext& in) {
    SetWatermarkPositionCode(
        in.record, in.Int(kDefault, W("Watermark Landscape Position"), GetWatermarkPositionCode(in.record, false)),
        false);
}

// Both brightnesses in one number, landscape in the low half.
void ExportWatermarkBrightness(const ExportContext& out) {
    out.Int(kDefault, W("WatermarkBrightness"), kWatermarkBrightness.Read(out.record));
}
void ApplyWatermarkBrightness(const ImportContext& in) {
    kWatermarkBrightness.Write(in.record, static_cast<std::uint32_t>(in.Int(
                                              kDefault, W("WatermarkBrightness"), kWatermarkBrightness.Read(in.record))));
}

// Visibility is the brightness seen from the other side: 100 - brightness.
void ExportWatermarkPortraitVisibility(const ExportContext& out) {
    out.Int(kDefault, W("Watermark Portrait Visibility"),
            100 - ReadNumber(out.record, numbers::WatermarkBrightnessPortrait));
}
void ApplyWatermarkPortraitVisibility(const ImportContext& in) {
    const std::int32_t current = 100 - ReadNumber(in.record, numbers::WatermarkBrightnessPortrait);
    WriteNumber(in.record, numbers::WatermarkBrightnessPortrait,
                100 - in.Int(kDefault, W("Watermark Portrait Visibility"), current));
}
void ExportWatermarkLandscapeVisibility(const ExportContext& out) {
    out.Int(kDefault, W("Watermark Landscape Visibility"),
            100 - ReadNumber(out.record, numbers::WatermarkBrightnessLandscape));
}
void ApplyWatermarkLandscapeVisibility(const ImportContext& in) {
    const std::int32_t current = 100 - ReadNumber(in.record, numbers::WatermarkBrightnessLandscape);
    WriteNumber(in.record, numbers::WatermarkBrightnessLandscape,
                100 - in.Int(kDefault, W("Watermark Landscape Visibility"), current));
}

namespace {
WString ParamCodeText(const NordwispDEVMODE* record) {
    WString text;
    for (std::int32_t i = 0; i < kParamCodes; ++i) {
        const std::int32_t code = GetStartParamCode(record, i);
        text += (code >= 0 && code <= 16) ? kParamCodeDigits[code] : W('0');
    }
    while (!text.empty() && text.back() == W('0')) text.pop_back();
    return text;
}
}  // namespace

void ExportStartApplicationParameterOrder(const ExportContext& out) {
    out.Text(kDefault, W("StartApplicationParameterOrder"), ParamCodeText(out.record));
}
void ApplyStartApplicationParameterOrder(const ImportContext& in) {
    const WString current = ParamCodeText(in.record);
    const WString text = in.Text(kDefault, W("StartApplicationParameterOrder"), current, 16);
    if (text != current) SetStartParamCodesFromText(in.record, text);
}

void SetStartParamCodesFromText(NordwispDEVMODE* record, WStringView text) {
    for (std::int32_t i = 0; i < kParamCodes; ++i) {
        std::int32_t code = 0;
        if (static_cast<std::size_t>(i) < text.size()) {
            const WCHAR c = text[static_cast<std::size_t>(i)];
            const WCHAR upper = (c >= W('a') && c <= W('z')) ? static_cast<WCHAR>(c - 0x20) : c;
            const std::size_t at = WStringView(kParamCodeDigits).find(upper);
            code = at == WStringView::npos ? 0 : static_cast<std::int32_t>(at);
        }
        SetStartParamCode(record, i, code);
    }
}

void ExportUseOutputDirectoryFromClient(const ExportContext& out) {
    out.Int(kDefault, W("Use Output Directory from Client"), ReadUseDirectoryFromClient(out.record));
}
void ApplyUseOutputDirectoryFromClient(const ImportContext& in) {
    if (!in.file.Has(kDefault, W("Use Output Directory from Client")) || !CallerIsAdministrator()) return;
    const std::int32_t current = ReadUseDirectoryFromClient(in.record);
    const std::int32_t value = in.Int(kDefault, W("Use Output Directory from Client"), current) != 0 ? 1 : 0;
    if (value != current) WriteUseDirectoryFromClient(in.record, value);
}

// ---- Registry steps ----

namespace {

// The name of the record's printer, for the self-printer rule.
WString PrinterNameOf(const NordwispDEVMODE* record) {
    const auto* name = reinterpret_cast<const WCHAR*>(record::Bytes(record) + offsetof(NordwispDEVMODE, DM.dmDeviceName));
    WString text(32, 0);
    std::memcpy(text.data(), name, 32 * sizeof(WCHAR));
    text.resize(BoundedLength(text.c_str(), 32));
    return text;
}

bool ReadPrompt(const ImportContext& in, bool current) {
    const WString text = in.file.ReadText(kRedirect, W("Prompt the User to Select the Printer"), W(""), 64);
    if (text.empty()) return current;
    return EqualsNoCase(text, W("Yes")) || text == W("1");
}

}  // namespace

void ExportRedirectPrinters(const ExportContext& out) {
    std::int32_t count = 0;
    ReadNameCount(out.record, kRedirectPrinters, count);
    out.Int(kRedirect, W("Number of printers"), count);
    for (std::int32_t i = 0; i < count; ++i) {
        const WString name = ReadSized(
            [&](WCHAR* buffer, DWORD* size) { return ReadNameItem(out.record, kRedirectPrinters, i, buffer, size); });
        out.Text(kRedirect, Numbered(W("Printer"), i + 1).c_str(), name);
    }
}

void ImportRedirectPrinters(const ImportContext& in) {
    const bool prompt = ReadPrompt(in, ReadSetting(in.record, redirect_printing::Prompt) != 0);
    WriteSetting(in.record, redirect_printing::Prompt, prompt ? 1 : 0);
    if (!in.file.Has(kRedirect, W("Number of printers"))) return;
    const std::int32_t number = in.Int(kRedirect, W("Number of printers"), 0);
    if (number < 1) {
        WriteNameCount(in.record, kRedirectPrinters, 0);
        if (!prompt) WriteSwitch(in.record, switches::RedirectPrinting, false);
        return;
    }
    const WString self = PrinterNameOf(in.record);
    std::int32_t stored = 0;
    for (std::int32_t n = 1; n <= std::min(number, kMaxListEntries); ++n) {
        const WString name = in.Text(kRedirect, Numbered(W("Printer"), n).c_str(), W(""), 1023);
        if (name.empty() || CompareNoCase(name.c_str(), self.c_str()) == 0) continue;
        WriteNameItem(in.record, kRedirectPrinters, stored++, name.c_str());
    }
    WriteNameCount(in.record, kRedirectPrinters, stored);
}

void ExportFirstWatermark(const ExportContext& out) {
    const NordwispDEVMODE* record = out.record;
    for (const bool landscape : {false, true}) {
        out.Text(kDefault, landscape ? W("FirstWatermarkFileLandscape") : W("FirstWatermarkFilePortrait"),
                 ReadSized([&](WCHAR* buffer, DWORD* size) {
                     return ReadFirstImageFile(record, landscape, buffer, size);
                 }));
    }
    const std::int32_t portrait = ReadFirstImageBrightness(record, false);
    const std::int32_t landscape = ReadFirstImageBrightness(record, true);
    out.Int(kDefault, W("FirstWatermarkBrightness"), portrait << 16 | landscape);
    out.Int(kDefault, W("First Watermark Portrait Visibility"), 100 - portrait);
    out.Int(kDefault, W("First Watermark Landscape Visibility"), 100 - landscape);
    out.Int(kDefault, W("FirstWatermarkPosition"), FirstImagePositionToIndex(ReadFirstImagePosition(record, false)));
    out.Int(kDefault, W("First Watermark Portrait Position"),
            FirstImagePositionToIndex(ReadFirstImagePosition(record, false)));
    out.Int(kDefault, W("First Watermark Landscape Position"),
            FirstImagePositionToIndex(ReadFirstImagePosition(record, true)));
}

void ImportFirstWatermark(const ImportContext& in) {
    NordwispDEVMODE* record = in.record;
    if (in.file.Has(kDefault, W("WatermarkDirectory"))) {
        const WString folder = in.Text(kDefault, W("WatermarkDirectory"), W(""), 259);
        if (folder != RegistryText(record, watermark::Directory)) WriteSetting(record, watermark::Directory, folder.c_str());
    }
    for (const bool landscape : {false, true}) {
        const WCHAR* key = landscape ? W("FirstWatermarkFileLandscape") : W("FirstWatermarkFilePortrait");
        if (in.file.Has(kDefault, key))
            WriteFirstImageFile(record, landscape, in.Text(kDefault, key, W(""), 259).c_str());
    }
    std::int32_t portrait = ReadFirstImageBrightness(record, false);
    std::int32_t landscape = ReadFirstImageBrightness(record, true);
    const std::int32_t both = in.Int(kDefault, W("FirstWatermarkBrightness"), portrait << 16 | landscape);
    portrait = 100 - in.Int(kDefault, W("First Watermark Portrait Visibility"), 100 - ((both >> 16) & 0xFFFF));
    landscape = 100 - in.Int(kDefault, W("First Watermark Landscape Visibility"), 100 - (both & 0xFFFF));
    if (portrait != ReadFirstImageBrightness(record, false)) WriteFirstImageBrightness(record, false, portrait);
    if (landscape != ReadFirstImageBrightness(record, true)) WriteFirstImageBrightness(record, true, landscape);
    const std::int32_t position =
        in.Int(kDefault, W("FirstWatermarkPosition"), FirstImagePositionToIndex(ReadFirstImagePosition(record, false)));
    for (const bool isLandscape : {false, true}) {
        const WCHAR* key = isLandscape ? W("First Watermark Landscape Position") : W("First Watermark Portrait Position");
        const std::int32_t current = FirstImagePositionToIndex(ReadFirstImagePosition(record, isLandscape));
        const std::int32_t index = in.Int(kDefault, key, isLandscape ? current : position);
        if (index != current) WriteFirstImagePosition(record, isLandscape, FirstImageIndexToPosition(index));
    }
}

namespace {

constexpr WCHAR kBates[] = W("Bates Numbering");
constexpr WCHAR kNumberOfFormats[] = W("Number of Formats");
constexpr const WCHAR* kBatesKeys[] = {
    W("Name"), W("Use prefix"), W("Color"), W("Font Charset"), W("Font Clipprecisions"), W("Font Escapement"),
    W("Font Facename"), W("Font Height"), W("Font Italic"), W("Font Orientation"), W("Font Outprecisions"),
    W("Font PinchAndFamily"), W("Font Quality"), W("Font Strikeout"), W("Font Underline"), W("Font Weight"),
    W("Font Width"), W("Offset unit"), W("Position"), W("Prefix"), W("Rotation"), W("Start with"),
    W("Transparent"), W("X Offset"), W("Y Offset"), W("Bates Number Length"), W("Bates Padding Character"),
    W("Reset bates number"), W("Reset bates number at every printing")};

WString ReadBatesText(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name) {
    std::int32_t chars = 1024;
    WString text(static_cast<std::size_t>(chars) + 1, 0);
    if (!ReadBatesSetting(record, format, name, text.data(), &chars)) return WString();
    text.resize(static_cast<std::size_t>(chars));
    return text;
}

std::int32_t BatesFormatCount(const NordwispDEVMODE* record) {
    return std::clamp(DecimalToInt(ReadBatesText(record, 1, kNumberOfFormats).c_str()), 0, kMaxListEntries);
}

}  // namespace

void ExportBatesFormats(const ExportContext& out) {
    const std::int32_t selected = static_cast<std::int32_t>(NW_FIELD_BYTES(BatesFormat).ReadBits(out.record) & 0xFF);
    out.Int(kBates, W("Selected Bates Format"), selected + 1);
    const std::int32_t count = BatesFormatCount(out.record);
    out.Int(kBates, kNumberOfFormats, count);
    for (std::int32_t n = 1; n <= count; ++n) {
        const WString section = Numbered(W("Bates Number "), n);
        for (const WCHAR* key : kBatesKeys) out.Text(section.c_str(), key, ReadBatesText(out.record, n, key));
    }
}

void ImportBatesFormats(const ImportContext& in) {
    if (!in.file.Has(kBates, kNumberOfFormats)) return;
    const std::int32_t count = std::clamp(in.Int(kBates, kNumberOfFormats, 0), 0, kMaxListEntries);
    WriteBatesSetting(in.record, 1, kNumberOfFormats, DecimalText(count).c_str());
    const std::int32_t selected = in.Int(kBates, W("Selected Bates Format"), 1);
    NW_FIELD_BYTES(BatesFormat).Write(in.record, static_cast<std::uint32_t>((selected & 255) - 1));
    if (in.Int(kBates, W("Bates Numbering Enabled"), 0) == 1) WriteSwitch(in.record, switches::BatesNumbering, true);
    for (std::int32_t n = 1; n <= count; ++n) {
        const WString section = Numbered(W("Bates Number "), n);
        for (const WCHAR* key : kBatesKeys) {
            if (!in.file.Has(section.c_str(), key)) continue;
            const WString text = in.Text(section.c_str(), key, W(""), 1023);
            if (text != ReadBatesText(in.record, n, key)) WriteBatesSetting(in.record, n, key, text.c_str());
        }
    }
}

namespace {

constexpr WCHAR kFtpUpload[] = W("FTP Upload Setting");

// The keys of one FTP connection section, in file order.
#define NW_FTP_KEYS(INT, TEXT, PASSWORD)                                                           \
    TEXT(W("FTP Connection Name"), ftp::ConnectionName)                                              \
    INT(W("FTP Security Mode"), ftp::SecurityMode)                                                   \
    TEXT(W("FTP Server Address"), ftp::Address)                                                      \
    INT(W("FTP Port"), ftp::Port)                                                                    \
    TEXT(W("FTP Login Name"), ftp::UserName)                                                         \
    PASSWORD(W("FTP Password"), W("FTP Encoded Password"), ftp::Password)                             \
    TEXT(W("FTP Remote Directory"), ftp::RemoteDirectory)                                            \
    INT(W("FTP Is Passive"), ftp::Passive)                                                           \
    TEXT(W("FTP Proxy Server Address"), ftp::ProxyAddress)                                           \
    INT(W("FTP Proxy Port"), ftp::ProxyPort)                                                         \
    TEXT(W("FTP Proxy User Name"), ftp::ProxyUserName)                                               \
    PASSWORD(W("FTP Proxy User Password"), W("FTP Proxy User Encoded Password"), ftp::ProxyPassword) \
    INT(W("FTP Proxy Type"), ftp::ProxyType)                                                         \
    INT(W("FTP Proxy Authentication"), ftp::ProxyAuthentication)                                     \
    TEXT(W("FTP Proxy Domain"), ftp::ProxyDomain)                                                    \
    INT(W("FTP Trusted Certificate"), ftp::TrustCertificate)                                         \
    INT(W("FTP Transfer Method"), ftp::TransferMethod)                                               \
    INT(W("FTP Action on Existing Files"), ftp::ExistingFilesAction)                                 \
    INT(W("FTP Logging"), ftp::Logging)                                                              \
    INT(W("FTP Show Success"), ftp::ShowSuccess)                                                     \
    INT(W("FTP Show Error"), ftp::ShowError)                                                         \
    INT(W("FTP Upload Document"), ftp::UploadDocument)                                               \
    INT(W("FTP Upload Text"), ftp::UploadText)                                                       \
    INT(W("FTP Upload OCR"), ftp::UploadOCR)                                                         \
    TEXT(W("FTP Logfile"), ftp::LogFile)

void ExportFtpConnection(const ExportContext& out, std::int32_t entry, std::int32_t section) {
    const WString name = Numbered(W("FTP Connection "), section);
    const WCHAR* s = name.c_str();
    const NordwispDEVMODE* record = out.record;
#define NW_FTP_INT(key, row) out.Int(s, key, ReadSetting(record, *AtEntry(row, entry)));
#define NW_FTP_TEXT(key, row) out.Text(s, key, RegistryText(record, *AtEntry(row, entry)));
#define NW_FTP_PASSWORD(clearKey, encodedKey, row)                                                      \
    out.Text(s, clearKey, WStringView());                                                                \
    out.Text(s, encodedKey, EncodePassword(ReadSized([&](WCHAR* buffer, DWORD* size) {                   \
                 return ReadHexPassword(record, *AtEntry(row, entry), buffer, size);                     \
             })));
    NW_FTP_KEYS(NW_FTP_INT, NW_FTP_TEXT, NW_FTP_PASSWORD)
#undef NW_FTP_INT
#undef NW_FTP_TEXT
#undef NW_FTP_PASSWORD
}

void ImportFtpConnection(const ImportContext& in, std::int32_t entry, std::int32_t section) {
    const WString name = Numbered(W("FTP Connection "), section);
    const WCHAR* s = name.c_str();
    NordwispDEVMODE* record = in.record;
#define NW_FTP_INT(key, row) ImportNumber(in, s, key, *AtEntry(row, entry));
#define NW_FTP_TEXT(key, row) ImportText(in, s, key, *AtEntry(row, entry), 1023);
#define NW_FTP_PASSWORD(clearKey, encodedKey, row)                                                  \
    {                                                                                               \
        WString buffer(65, 0);                                                                      \
        if (ReadPasswordPair(buffer.data(), 65, clearKey, 64, encodedKey, 64, s, in.file)) {        \
            buffer.resize(BoundedLength(buffer.c_str(), buffer.size()));                            \
            WriteHexPassword(record, *AtEntry(row, entry), buffer.c_str());                         \
        }                                                                                           \
    }
    NW_FTP_KEYS(NW_FTP_INT, NW_FTP_TEXT, NW_FTP_PASSWORD)
#undef NW_FTP_INT
#undef NW_FTP_TEXT
#undef NW_FTP_PASSWORD
}

}  // namespace

void ExportFtpConnections(const ExportContext& out) {
    const std::int32_t selected = ReadSetting(out.record, ftp::SelectedConnection);
    const std::int32_t count = CountEntries(out.record, kFtpConnections);
    std::int32_t selectedSection = 0;
    for (std::int32_t i = 0; i < count; ++i)
        if (selected != 0 && EntryAt(out.record, kFtpConnections, i) == selected) selectedSection = i + 1;
    if (out.singleConnection) {
        out.Int(kFtpUpload, W("FTP Selected Connection"), selectedSection != 0 ? 1 : 0);
        if (selectedSection != 0) ExportFtpConnection(out, selected, 1);
        return;
    }
    out.Int(kFtpUpload, W("FTP Selected Connection"), selectedSection);
    for (std::int32_t i = 0; i < count; ++i) ExportFtpConnection(out, EntryAt(out.record, kFtpConnections, i), i + 1);
}

void ImportFtpConnections(const ImportContext& in) {
    const std::int32_t selected = in.Int(kFtpUpload, W("FTP Selected Connection"), 0);
    for (std::int32_t n = 1; n <= kMaxListEntries; ++n) {
        const WString section = Numbered(W("FTP Connection "), n);
        const WString name = in.file.ReadText(section.c_str(), W("FTP Connection Name"), W(""), kMaxNameChars + 1);
        if (name.empty()) break;
        std::int32_t entry = FindEntry(in.record, kFtpConnections, name.c_str());
        if (entry == 0) entry = AddEntry(in.record, kFtpConnections, name.c_str());
        if (entry == 0) continue;
        ImportFtpConnection(in, entry, n);
        if (n == selected) WriteSetting(in.record, ftp::SelectedConnection, entry);
    }
}

void ExportEmailClient(const ExportContext& out) {
    out.Int(W("Email Settings"), W("Sender Client"), ReadEmailClientType(out.record));
}
void ImportEmailClient(const ImportContext& in) {
    const std::int32_t current = ReadEmailClientType(in.record);
    const std::int32_t value = in.Int(W("Email Settings"), W("Sender Client"), current);
    if (value != current) WriteSetting(in.record, email::ClientType, value);
}

namespace {
constexpr WCHAR kTextStampSection[] = W("Text Watermark Stamp Settings");
}

void ExportTextObject(const ExportContext& out) {
    const std::int32_t layer = ReadTextObjectLayer(out.record);
    int on = 0;
    ReadTextObjectEnabled(out.record, static_cast<TextLayer>(layer == 1 ? 1 : 0), on);
    int watermark = 0;
    int stamp = 0;
    ReadTextObjectEnabled(out.record, TextLayer::Watermark, watermark);
    ReadTextObjectEnabled(out.record, TextLayer::Stamp, stamp);
    out.Int(kTextStampSection, text_stamp::kEnabled, on);
    out.Int(kTextStampSection, text_stamp::kLayer, layer);
    out.Int(kTextStampSection, text_stamp::kWatermarkEnable, watermark);
    out.Int(kTextStampSection, text_stamp::kStampEnable, stamp);
}

void ImportTextObject(const ImportContext& in) {
    const std::int32_t currentLayer = ReadTextObjectLayer(in.record);
    int on = 0;
    ReadTextObjectEnabled(in.record, static_cast<TextLayer>(currentLayer == 1 ? 1 : 0), on);
    const std::int32_t layer = in.Int(kTextStampSection, text_stamp::kLayer, currentLayer);
    const std::int32_t enabled = in.Int(kTextStampSection, text_stamp::kEnabled, on);
    if (layer != currentLayer) WriteTextObjectLayer(in.record, layer);
    if (enabled != on || layer != currentLayer) WriteTextObjectEnabled(in.record, enabled != 0 ? 1 : 0);
}

namespace {

// The keys of a text stamp preset section after "Name", in file order; the
// font keys sit between "Position" and "Color".
#define NW_PRESET_KEYS_BEFORE_FONT(INT, TEXT)        \
    INT(W("Layer"), stamp_preset::Layer)             \
    TEXT(W("Text"), text_stamp::Text)                \
    TEXT(W("Add to Pages"), text_stamp::Pages)       \
    INT(W("Position"), text_stamp::Position)
#define NW_PRESET_KEYS_AFTER_FONT(INT, TEXT)              \
    INT(W("Color"), text_stamp::Color)                    \
    INT(W("Background Mode"), text_stamp::BackgroundMode) \
    INT(W("Offset X"), text_stamp::OffsetX)               \
    INT(W("Offset Y"), text_stamp::OffsetY)               \
    INT(W("Rotation"), text_stamp::Rotation)              \
    INT(W("Visibility"), text_stamp::Visibility)          \
    INT(W("Offset Units"), text_stamp::OffsetUnits)       \
    INT(W("First Page Only"), text_stamp::FirstPageOnly)

}  // namespace

void ExportTextStampPresets(const ExportContext& out) {
    const std::int32_t count = CountEntries(out.record, kTextStampPresets);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t preset = EntryAt(out.record, kTextStampPresets, i);
        const WString name = Numbered(W("Text Watermark Stamp "), i + 1);
        const WCHAR* s = name.c_str();
        const NordwispDEVMODE* record = out.record;
        out.Text(s, W("Name"), RegistryText(record, *AtEntry(stamp_preset::Name, preset)));
#define NW_PRESET_INT(key, row) out.Int(s, key, ReadSetting(record, *AtPreset(row, preset)));
#define NW_PRESET_TEXT(key, row) out.Text(s, key, RegistryText(record, *AtPreset(row, preset)));
        NW_PRESET_KEYS_BEFORE_FONT(NW_PRESET_INT, NW_PRESET_TEXT)
        NW_LOGFONTW font{};
        ReadPresetFont(record, preset, font);
        WriteFontKeys(out, s, WString(), font);
        NW_PRESET_KEYS_AFTER_FONT(NW_PRESET_INT, NW_PRESET_TEXT)
#undef NW_PRESET_INT
#undef NW_PRESET_TEXT
    }
}

void ImportTextStampPresets(const ImportContext& in) {
    for (std::int32_t n = 1; n <= kMaxListEntries; ++n) {
        const WString name = Numbered(W("Text Watermark Stamp "), n);
        const WCHAR* s = name.c_str();
        const WString title = in.file.ReadText(s, W("Name"), W(""), kMaxNameChars + 1);
        if (title.empty()) break;
        std::int32_t preset = FindEntry(in.record, kTextStampPresets, title.c_str());
        if (preset == 0) preset = AddEntry(in.record, kTextStampPresets, title.c_str());
        if (preset == 0) continue;
        NordwispDEVMODE* record = in.record;
#define NW_PRESET_INT(key, row) ImportNumber(in, s, key, *AtPreset(row, preset));
#define NW_PRESET_TEXT(key, row) ImportText(in, s, key, *AtPreset(row, preset), 1023);
        NW_PRESET_KEYS_BEFORE_FONT(NW_PRESET_INT, NW_PRESET_TEXT)
        NW_LOGFONTW font{};
        ReadPresetFont(record, preset, font);
        if (ReadFontKeys(in, s, WString(), font)) WritePresetFont(record, preset, font);
        NW_PRESET_KEYS_AFTER_FONT(NW_PRESET_INT, NW_PRESET_TEXT)
#undef NW_PRESET_INT
#undef NW_PRESET_TEXT
    }
}

void ExportResolutions(const ExportContext& out) {
    papers::ResolutionList list;
    papers::ReadResolutionsFromRegistry(out.record, list);
    papers::WriteResolutionsToIni(out.file, list, out.writers.text, out.writers.integer);
}
void ImportResolutions(const ImportContext&) {}

// ---- Papers ----

namespace {

constexpr WCHAR kPaperSection[] = W("Paper Size Definitions");
constexpr WCHAR kPapersList[] = W("%s\\PapersList");
constexpr std::int32_t kMaxPapers = 10000;

WString PaperKey(std::int32_t n, const WCHAR* name) { return Numbered(W("Paper"), n) + name; }

WString RegistryNameOf(const NordwispDEVMODE* record) {
    WString name(kRegistryNameCapacity, 0);
    GetRegistryNameByPrinterID(record, name.data(), name.size());
    name.resize(BoundedLength(name.c_str(), name.size()));
    return name;
}

// The forced-paper settings from the record and the paper list.
void ApplyForcedPaper(const ImportContext& in, const papers::PaperList& list) {
    NordwispDEVMODE* record = in.record;
    const std::int32_t current = ReadSetting(record, page::ForcePaperEnabled) != 0 ? 1 : 0;
    const bool force = in.Int(kDefault, W("Force Paper Size"), current) != 0;
    const std::int32_t code = NW_SIGNED_FIELD_BYTES(DM.dmPaperSize).Read(record);
    const auto entry = std::find_if(list.begin(), list.end(),
                                    [&](const papers::PaperEntry& paper) { return paper.nWindowsPaperCode == code; });
    const std::int32_t xDpi = ReadNumber(record, geometry::XDPI);
    const std::int32_t yDpi = ReadNumber(record, geometry::YDPI);
    if (force && entry != list.end()) {
        WriteSetting(record, page::ForcePaperSize, code);
        WriteSetting(record, page::ForcePaperName, WString(papers::TitleOf(*entry)).c_str());
        WriteSetting(record, page::ForcePaperWidth, PaperWidthOf(record));
        WriteSetting(record, page::ForcePaperHeight, PaperLengthOf(record));
        WriteSetting(record, page::ForcePaperXDPI, xDpi);
        WriteSetting(record, page::ForcePaperYDPI, yDpi);
        WriteSetting(record, page::ForcePaperWidthInPixels, ReadNumber(record, geometry::PageWidthInPixels));
        WriteSetting(record, page::ForcePaperHeightInPixels, ReadNumber(record, geometry::PageHeightInPixels));
        WriteSetting(record, page::ForcePaperEnabled, 1);
        return;
    }
    if (current != 0) WriteSetting(record, page::ForcePaperEnabled, 0);
    if (ReadSetting(record, page::ForceDPIEnabled) != 0) {
        WriteSetting(record, page::ForcePaperXDPI, xDpi);
        WriteSetting(record, page::ForcePaperYDPI, yDpi);
    }
}

}  // namespace

void ExportPapers(const ExportContext& out) {
    DWORD count = 0;
    if (!ReadPrinterDword(out.record, kVendorKey, kPapersList, W("Count"), &count)) return;
    out.Int(kPaperSection, W("Number of Paper Sizes"), static_cast<std::int32_t>(count));
    for (std::int32_t n = 1; n <= std::min<std::int32_t>(static_cast<std::int32_t>(count), kMaxPapers); ++n) {
        const WString sub = EntrySubKey(kPapersList, n);
        const auto dword = [&](const WCHAR* name, DWORD& value) {
            value = 0;
            return ReadPrinterDword(out.record, kVendorKey, sub.c_str(), name, &value) != 0;
        };
        const auto text = [&](const WCHAR* name) {
            return ReadSized([&](WCHAR* buffer, DWORD* size) {
                return ReadPrinterValue(out.record, kVendorKey, sub.c_str(), name, buffer, size);
            });
        };
        DWORD available = 0, width = 0, height = 0, code = 0, advanced = 0;
        // Every value is read, whichever of them are present.
        const bool hasAvailable = dword(W("Available"), available);
        const bool hasWidth = dword(W("Width"), width);
        const bool hasHeight = dword(W("Height"), height);
        const bool hasCode = dword(W("WindowsPaperCode"), code);
        const bool present = hasAvailable || hasWidth || hasHeight || hasCode;
        if (!present) continue;
        out.Int(kPaperSection, PaperKey(n, W(" Available")).c_str(), static_cast<std::int32_t>(available));
        out.Text(kPaperSection, PaperKey(n, W(" Title")).c_str(), text(W("Title")));
        out.Int(kPaperSection, PaperKey(n, W(" Width")).c_str(), static_cast<std::int32_t>(width));
        out.Int(kPaperSection, PaperKey(n, W(" Height")).c_str(), static_cast<std::int32_t>(height));
        out.Text(kPaperSection, PaperKey(n, W(" Units")).c_str(), text(W("Units")));
        out.Int(kPaperSection, PaperKey(n, W(" WindowsPaperCode")).c_str(), static_cast<std::int32_t>(code));
        if (out.singleConnection && dword(W("AdvancedPaperSize"), advanced))
            out.Int(kPaperSection, PaperKey(n, W(" AdvancedPaperSize")).c_str(), static_cast<std::int32_t>(advanced));
    }
}

void ImportPapers(const ImportContext& in) {
    NordwispDEVMODE* record = in.record;
    const WString registryName = RegistryNameOf(record);
    papers::PaperList list;
    if (in.file.Has(kPaperSection, W("Number of Paper Sizes"))) {
        const papers::PaperList former = papers::BuildAdvancedPaperList(registryName.c_str(), record);
        papers::InitPaperListInRegistry(in.file.Path().c_str(), registryName.c_str());
        list = papers::BuildPaperList(in.file.Path().c_str(), record);
        if (!former.empty() && !list.empty()) {
            for (const papers::PaperEntry& paper : former) {
                const WString title(papers::TitleOf(paper));
                if (papers::FindPaperByTitle(list.data(), list.size(), title.c_str())) continue;
                papers::PaperEntry kept = paper;
                const bool codeUsed = std::any_of(list.begin(), list.end(), [&](const papers::PaperEntry& p) {
                    return p.nWindowsPaperCode == kept.nWindowsPaperCode;
                });
                if (codeUsed) kept.nWindowsPaperCode = papers::GetNextPaperCode(list.data(), list.size());
                list.push_back(kept);
            }
            papers::SavePaperList(in.printer, list.data(), list.size(), registryName.c_str());
        }
    } else {
        list = papers::BuildPaperList(nullptr, record);
    }
    ApplyForcedPaper(in, list);
}

}  // namespace nw::profiles
