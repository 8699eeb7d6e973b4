#include "settings/special_settings.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "record/record.h"
#include "platform/handles.h"
#include "settings/password_scrambling.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

// ---- Fonts

struct FontMember {
    const WCHAR* name;  // after the owner's prefix
    std::size_t offset;
    std::uint8_t width;  // 4 (LONG) or 1 (BYTE), held in a DWORD either way
};

constexpr std::array<FontMember, 13> kFontMembers{{
    {W("Font Height"), offsetof(NW_LOGFONTW, lfHeight), 4},
    {W("Font Width"), offsetof(NW_LOGFONTW, lfWidth), 4},
    {W("Font Escapement"), offsetof(NW_LOGFONTW, lfEscapement), 4},
    {W("Font Orientation"), offsetof(NW_LOGFONTW, lfOrientation), 4},
    {W("Font Weight"), offsetof(NW_LOGFONTW, lfWeight), 4},
    {W("Font Italic"), offsetof(NW_LOGFONTW, lfItalic), 1},
    {W("Font Underline"), offsetof(NW_LOGFONTW, lfUnderline), 1},
    {W("Font Strikeout"), offsetof(NW_LOGFONTW, lfStrikeOut), 1},
    {W("Font Charset"), offsetof(NW_LOGFONTW, lfCharSet), 1},
    {W("Font Outprecisions"), offsetof(NW_LOGFONTW, lfOutPrecision), 1},
    {W("Font Clipprecisions"), offsetof(NW_LOGFONTW, lfClipPrecision), 1},
    {W("Font Quality"), offsetof(NW_LOGFONTW, lfQuality), 1},
    {W("Font PinchAndFamily"), offsetof(NW_LOGFONTW, lfPitchAndFamily), 1},
}};
constexpr WCHAR kFontFaceName[] = W("Font Facename");
constexpr DWORD kFaceNameBytes = sizeof(NW_LOGFONTW::lfFaceName);
constexpr std::size_t kFaceNameChars = kFaceNameBytes / sizeof(WCHAR);

struct FontPlace {
    const WCHAR* subKey;
    const WCHAR* prefix;
};

FontPlace PlaceOf(FontOwner owner) {
    switch (owner) {
        case FontOwner::Header: return {subkeys::kHeader, W("Header ")};
        case FontOwner::Footer: return {subkeys::kFooter, W("Footer ")};
        case FontOwner::TextStamp: break;
    }
    return {subkeys::kTextStamp, W("")};
}

// ---- Layer rule

bool ReadStampDecimal(const NordwispDEVMODE* record, const WCHAR* name, std::int32_t& value) {
    return ReadDecimalIfPresent(record, subkeys::kTextStamp, name, value);
}

// Rule 1; false when none of the three enable values exists.
bool TextObjectEnabled(const NordwispDEVMODE* record, bool& enabled) {
    std::int32_t value = 0;
    if (ReadStampDecimal(record, text_stamp::kEnabled, value)) {
        enabled = value != 0;
        return true;
    }
    std::int32_t stamp = 0;
    std::int32_t watermark = 0;
    const bool hasStamp = ReadStampDecimal(record, text_stamp::kStampEnable, stamp);
    const bool hasWatermark = ReadStampDecimal(record, text_stamp::kWatermarkEnable, watermark);
    if (hasStamp) {
        enabled = (stamp == 0 && hasWatermark) ? watermark != 0 : stamp != 0;
        return true;
    }
    if (hasWatermark) {
        enabled = watermark != 0;
        return true;
    }
    enabled = false;
    return false;
}

// Rule 2.
std::int32_t TextObjectLayer(const NordwispDEVMODE* record) {
    std::int32_t layer = 0;
    if (ReadStampDecimal(record, text_stamp::kLayer, layer)) return layer;
    std::int32_t watermark = 0;
    return ReadStampDecimal(record, text_stamp::kWatermarkEnable, watermark) && watermark > 0 ? 1 : 0;
}

int WriteStampDecimal(const NordwispDEVMODE* record, const WCHAR* name, std::int32_t value) {
    return WriteDecimalText(record, subkeys::kTextStamp, name, value);
}

// The older pair: which of stamp and watermark is the enabled one.
int WriteOlderEnables(const NordwispDEVMODE* record, std::int32_t stamp, std::int32_t watermark) {
    const int a = WriteStampDecimal(record, text_stamp::kStampEnable, stamp);
    const int b = WriteStampDecimal(record, text_stamp::kWatermarkEnable, watermark);
    return a && b ? 1 : 0;
}

// ---- First-page image

constexpr std::array<std::int32_t, 12> kPositionByIndex{1, 2, 4, 8, 16, 32, 64, 128, 320, 576, 272, 528};

bool IsPositionCode(std::int32_t code) {
    for (std::int32_t known : kPositionByIndex)
        if (known == code) return true;
    return false;
}

const WCHAR* FirstImageName(bool landscape) {
    return landscape ? W("First Image Landscape") : W("First Image Portrait");
}
const WCHAR* FirstImageBrightnessName(bool landscape) {
    return landscape ? W("First Image Landscape Brightness") : W("First Image Portrait Brightness");
}
const WCHAR* FirstImagePositionName(bool landscape) {
    return landscape ? W("First Image Landscape Position") : W("First Image Portrait Position");
}

// ---- Tabs

struct Tab {
    std::int32_t number;
    const WCHAR* name;
};
constexpr std::array<Tab, 12> kTabs{{
    {0, W("Display File Format Tab")},
    {1, W("Display Filename Generation Tab")},
    {2, W("Display Start Application Tab")},
    {3, W("Display Watermark Tab")},
    {4, W("Display Annotation Tab")},
    {5, W("Display Bates Tab")},
    {6, W("Display Profile Manager Tab")},
    {7, W("Display Redirect Printing Tab")},
    {8, W("Display Barcode Tab")},
    {9, W("Display OCR Tab")},
    {10, W("Display Text Output Tab")},
    {50, W("Display Custom Tab")},
}};
constexpr WCHAR kTabsSection[] = W("UI Tabs Settings");

// ---- Client directory

constexpr std::uint32_t kPrinterFlagDirectoryFromClient = 0x4;

struct SidTraits {
    static PSID Invalid() { return nullptr; }
    static void Close(PSID sid) { ::FreeSid(sid); }
};
using SidOwner = UniqueHandle<PSID, SidTraits>;

// ---- Passwords

// Reads a whole text value (at most limit bytes) into a string.
bool ReadWholeText(const NordwispDEVMODE* record, const TextValue& row, DWORD limit, WString& text) {
    DWORD size = 0;
    if (ReadPrinterValue(record, kVendorKey, row.subKey, row.name, nullptr, &size)) {
        text.clear();  // an empty value
        return true;
    }
    if (size == 0 || size > limit) return false;  // missing, or more than the reader takes
    std::vector<WCHAR> buffer(size / sizeof(WCHAR) + 1, 0);
    if (!ReadPrinterValue(record, kVendorKey, row.subKey, row.name, buffer.data(), &size)) return false;
    text.assign(buffer.data(), size / sizeof(WCHAR));
    return true;
}

// Hands decoded text to the caller under the size protocol: the buffer is
// cleared to its size, the text copied without terminator when it fits.
int DeliverText(const WString& text, WCHAR* buffer, DWORD* size) {
    const DWORD needed = static_cast<DWORD>(text.size() * sizeof(WCHAR));
    if (buffer == nullptr || needed > *size) {
        *size = needed;
        return 0;
    }
    std::memset(buffer, 0, *size);
    if (needed) std::memcpy(buffer, text.data(), needed);
    *size = needed;
    return 1;
}

constexpr DWORD kSmtpPasswordBytes = 650;
// What a stored SMTP password may hold so that its reader can take it back.
constexpr std::size_t kSmtpPasswordChars = kSmtpPasswordBytes / sizeof(WCHAR) / 2;

}  // namespace

// ---- Fonts

int ReadFont(const NordwispDEVMODE* record, FontOwner owner, NW_LOGFONTW& font) {
    std::memset(&font, 0, sizeof font);
    const FontPlace place = PlaceOf(owner);
    auto* bytes = reinterpret_cast<unsigned char*>(&font);
    for (const FontMember& member : kFontMembers) {
        const WString name = WString(place.prefix) + member.name;
        DWORD value = 0;
        if (!ReadPrinterDword(record, kVendorKey, place.subKey, name.c_str(), &value)) return 0;
        if (member.width == 4) {
            std::memcpy(bytes + member.offset, &value, 4);
        } else {
            bytes[member.offset] = static_cast<unsigned char>(value);
        }
    }
    std::array<WCHAR, kFaceNameChars> face{};
    DWORD size = kFaceNameBytes;
    const WString name = WString(place.prefix) + kFontFaceName;
    if (!ReadPrinterValue(record, kVendorKey, place.subKey, name.c_str(), face.data(), &size)) return 0;
    std::memcpy(bytes + offsetof(NW_LOGFONTW, lfFaceName), face.data(), kFaceNameBytes);
    return 1;
}

int WriteFont(const NordwispDEVMODE* record, FontOwner owner, const NW_LOGFONTW& font) {
    std::array<WCHAR, kFaceNameChars + 1> face{};
    std::memcpy(face.data(), reinterpret_cast<const unsigned char*>(&font) + offsetof(NW_LOGFONTW, lfFaceName),
                kFaceNameBytes);
    if (TextLength(face.data()) >= kFaceNameChars) return 0;
    const FontPlace place = PlaceOf(owner);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&font);
    int written = 1;
    for (const FontMember& member : kFontMembers) {
        DWORD value = 0;
        if (member.width == 4) {
            std::memcpy(&value, bytes + member.offset, 4);
        } else {
            value = bytes[member.offset];
        }
        const WString name = WString(place.prefix) + member.name;
        if (!WritePrinterDword(record, kVendorKey, place.subKey, name.c_str(), value)) written = 0;
    }
    const WString name = WString(place.prefix) + kFontFaceName;
    if (!WritePrinterString(record, kVendorKey, place.subKey, name.c_str(), face.data())) written = 0;
    return written;
}

// ---- Areas

int ReadArea(const NordwispDEVMODE* record, const AreaRows& rows, int* left, int* right, int* top, int* bottom) {
    const std::array<std::pair<const DwordValue*, int*>, 4> parts{
        {{&rows.left, left}, {&rows.right, right}, {&rows.top, top}, {&rows.bottom, bottom}}};
    for (const auto& [row, out] : parts)
        if (out != nullptr) *out = ReadSetting(record, *row);
    return 1;
}

int WriteArea(const NordwispDEVMODE* record, const AreaRows& rows, int left, int right, int top, int bottom) {
    const int a = WriteSetting(record, rows.left, left);
    const int b = WriteSetting(record, rows.right, right);
    const int c = WriteSetting(record, rows.top, top);
    const int d = WriteSetting(record, rows.bottom, bottom);
    return a && b && c && d ? 1 : 0;
}

// ---- Layer rule

int ReadTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, int& on) {
    bool enabled = false;
    if (!TextObjectEnabled(record, enabled)) {
        on = 0;
        return 0;
    }
    on = enabled && TextObjectLayer(record) == static_cast<std::int32_t>(layer) ? 1 : 0;
    return 1;
}

int WriteTextObjectLayer(const NordwispDEVMODE* record, std::int32_t layer) {
    if (layer != 0 && layer != 1) return 0;
    bool anyOn = false;
    for (const WCHAR* name : {text_stamp::kEnabled, text_stamp::kStampEnable, text_stamp::kWatermarkEnable}) {
        std::int32_t value = 0;
        if (ReadStampDecimal(record, name, value) && value != 0) anyOn = true;
    }
    if (anyOn && !WriteOlderEnables(record, layer == 0 ? 1 : 0, layer == 0 ? 0 : 1)) return 0;
    return WriteStampDecimal(record, text_stamp::kLayer, layer);
}

int WriteTextObjectEnabled(const NordwispDEVMODE* record, std::int32_t enabled) {
    int written = 1;
    if (enabled != 0) {
        std::int32_t layer = 0;
        if (!ReadStampDecimal(record, text_stamp::kLayer, layer)) {
            written = WriteStampDecimal(record, text_stamp::kLayer, 0);
            if (!WriteOlderEnables(record, 1, 0)) written = 0;
        } else if (layer != 0) {
            written = WriteOlderEnables(record, 0, 1);
        } else {
            written = WriteOlderEnables(record, 1, 0);
        }
    } else {
        written = WriteOlderEnables(record, 0, 0);
    }
    return WriteStampDecimal(record, text_stamp::kEnabled, enabled) && written ? 1 : 0;
}

int SetTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, std::int32_t value) {
    const auto wanted = static_cast<std::int32_t>(layer);
    if (value != 0) return WriteTextObjectLayer(record, wanted) && WriteTextObjectEnabled(record, value) ? 1 : 0;
    // Turning the stamp off must not turn off a watermark, and the reverse.
    if (TextObjectLayer(record) != wanted) return 1;
    return WriteTextObjectEnabled(record, 0);
}

// ---- First-page image

int ReadFirstImageFile(const NordwispDEVMODE* record, bool landscape, WCHAR* buffer, DWORD* size) {
    return ReadPrinterValue(record, kVendorKey, subkeys::kWatermark, FirstImageName(landscape), buffer, size);
}

int WriteFirstImageFile(const NordwispDEVMODE* record, bool landscape, const WCHAR* text) {
    if (text == nullptr) return 0;
    return WritePrinterString(record, kVendorKey, subkeys::kWatermark, FirstImageName(landscape), text);
}

std::int32_t ReadFirstImageBrightness(const NordwispDEVMODE* record, bool landscape) {
    constexpr DWORD kDefault = 40;
    DWORD value = kDefault;
    if (!ReadPrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImageBrightnessName(landscape), &value) ||
        value > 100)
        return kDefault;
    return static_cast<std::int32_t>(value);
}

int WriteFirstImageBrightness(const NordwispDEVMODE* record, bool landscape, std::int32_t value) {
    if (!Between(0, 100).Accepts(value)) return 0;
    return WritePrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImageBrightnessName(landscape),
                             static_cast<DWORD>(value));
}

std::int32_t ReadFirstImagePosition(const NordwispDEVMODE* record, bool landscape) {
    constexpr std::int32_t kDefault = 4;
    DWORD value = kDefault;
    if (!ReadPrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImagePositionName(landscape), &value))
        return kDefault;
    const auto code = static_cast<std::int32_t>(value);
    return IsPositionCode(code) ? code : kDefault;
}

int WriteFirstImagePosition(const NordwispDEVMODE* record, bool landscape, std::int32_t code) {
    if (!IsPositionCode(code)) return 0;
    return WritePrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImagePositionName(landscape),
                             static_cast<DWORD>(code));
}

std::int32_t FirstImagePositionToIndex(std::int32_t code) {
    for (std::size_t i = 0; i < kPositionByIndex.size(); ++i)
        if (kPositionByIndex[i] == code) return static_cast<std::int32_t>(i);
    return 2;
}

std::int32_t FirstImageIndexToPosition(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kPositionByIndex.size()) return 4;
    return kPositionByIndex[static_cast<std::size_t>(index)];
}

WString ReadWatermarkDirectory(const NordwispDEVMODE* record) {
    constexpr DWORD kLimit = 64 * 1024;
    WString directory;
    if (ReadWholeText(record, watermark::Directory, kLimit, directory)) return directory;
    const WString dataFile = DriverDataFile(record);
    if (dataFile.empty()) return {};
    std::array<WCHAR, 261> buffer{};
    const DWORD length = ::GetPrivateProfileStringW(W("Default Settings"), W("WatermarkDirectory"), W(""),
                                                    buffer.data(), static_cast<DWORD>(buffer.size()), dataFile.c_str());
    return WString(buffer.data(), length);
}

// ---- Tabs

const WCHAR* TabValueName(std::int32_t tab) {
    for (const Tab& known : kTabs)
        if (known.number == tab) return known.name;
    return W("");
}

int WriteTab(const NordwispDEVMODE* record, std::int32_t tab, bool shown) {
    return WritePrinterDword(record, kVendorKey, subkeys::kUiTabs, TabValueName(tab), shown ? 1 : 0);
}

int ReadTab(const NordwispDEVMODE* record, std::int32_t tab) {
    const WCHAR* name = TabValueName(tab);
    DWORD value = 0;
    if (ReadPrinterDword(record, kVendorKey, subkeys::kUiTabs, name, &value)) return value == 1 ? 1 : 0;
    const WString dataFile = DriverDataFile(record);
    if (dataFile.empty()) return 1;
    return ::GetPrivateProfileIntW(kTabsSection, name, 1, dataFile.c_str()) == 1 ? 1 : 0;
}

WString DriverDataFile(const NordwispDEVMODE* record) {
    std::array<WCHAR, 33> printerName{};
    std::memcpy(printerName.data(), record::Bytes(record) + offsetof(NordwispDEVMODE, DM.dmDeviceName),
                32 * sizeof(WCHAR));
    PrinterHandle printer;
    if (!::OpenPrinterW(printerName.data(), printer.put(), nullptr)) return {};
    DWORD needed = 0;
    ::GetPrinterDriverW(printer.get(), nullptr, 2, nullptr, 0, &needed);
    if (needed == 0) return {};
    // DRIVER_INFO_2W and the strings it points into, suitably aligned.
    std::vector<std::uint64_t> block((needed + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
    auto* bytes = reinterpret_cast<LPBYTE>(block.data());
    if (!::GetPrinterDriverW(printer.get(), nullptr, 2, bytes, needed, &needed)) return {};
    const auto* info = reinterpret_cast<const DRIVER_INFO_2W*>(bytes);
    return info->pDataFile != nullptr ? WString(info->pDataFile) : WString();
}

// ---- Client directory

int ReadUseDirectoryFromClient(const NordwispDEVMODE* record) {
    DWORD value = 0;
    ReadPrinterDwordAt(HKEY_USERS, record, kMachineDefaultBase, subkeys::kFilenameGeneration,
                       filename_generation::kUseDirectoryFromClient, &value);
    return value != 0 ? 1 : 0;
}

bool CallerIsAdministrator() {
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    SidOwner administrators;
    if (!::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                    0, 0, administrators.put()))
        return false;
    // The thread's token when it impersonates; otherwise a null token makes
    // the check use the process's own.
    HANDLE threadToken = nullptr;
    KernelHandle token;
    if (::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, &threadToken)) token.reset(threadToken);
    BOOL member = FALSE;
    if (!::CheckTokenMembership(token.get(), administrators.get(), &member)) return false;
    return member != FALSE;
}

int WriteUseDirectoryFromClient(NordwispDEVMODE* record, std::int32_t value) {
    std::uint32_t flags = record::PrinterFlags.Get(record);
    flags = value != 0 ? (flags | kPrinterFlagDirectoryFromClient) : (flags & ~kPrinterFlagDirectoryFromClient);
    record::PrinterFlags.Set(record, flags);
    return WritePrinterDwordAt(HKEY_USERS, record, kMachineDefaultBase, subkeys::kFilenameGeneration,
                               filename_generation::kUseDirectoryFromClient, value != 0 ? 1 : 0);
}

// ---- Passwords

int ReadPdfPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size) {
    if (!ReadSetting(record, row, buffer, size)) return 0;
    ScramblePdfPassword(buffer, *size / sizeof(WCHAR));
    return 1;
}

int WritePdfPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) {
    if (text == nullptr) return 0;
    WString scrambled(text);
    if (scrambled.size() > row.maxChars || !CanScramblePdfPassword(scrambled)) return 0;
    ScramblePdfPassword(scrambled.data(), scrambled.size());
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, scrambled.c_str());
}

int ReadSmtpPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    if (buffer == nullptr || size == nullptr) return 0;
    WString stored;
    WString text;
    if (!ReadWholeText(record, email::SMTPPassword, kSmtpPasswordBytes, stored) ||
        !DecodeSmtpPassword(stored, text))
        return 0;
    return DeliverText(text, buffer, size);
}

int WriteSmtpPassword(const NordwispDEVMODE* record, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView clear(text);
    WString encoded;
    if (clear.size() > kSmtpPasswordChars || !EncodeSmtpPassword(clear, encoded)) return 0;
    return WritePrinterString(record, kVendorKey, email::SMTPPassword.subKey, email::SMTPPassword.name,
                              encoded.c_str());
}

int ReadHexPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size) {
    if (size == nullptr) return 0;
    // Two digits of two bytes each per character.
    const DWORD limit = row.maxChars == kAnyLength ? 0xFFFFFFFFu : row.maxChars * 2 * sizeof(WCHAR);
    WString stored;
    WString text;
    if (!ReadWholeText(record, row, limit, stored) || !DecodeHexPassword(stored, text)) return 0;
    return DeliverText(text, buffer, size);
}

int WriteHexPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView clear(text);
    WString encoded;
    if ((row.maxChars != kAnyLength && clear.size() > row.maxChars) || !EncodeHexPassword(clear, encoded)) return 0;
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, encoded.c_str());
}

// ---- Single rules

int WriteOcrLanguages(const NordwispDEVMODE* record, const WCHAR* text) {
    if (text == nullptr) return 0;
    const WStringView given(text);
    if (given.size() > ocr::Languages.maxChars) return 0;
    WString normalised;
    for (WCHAR c : given) {
        if (c == ' ') continue;
        normalised.push_back(c == ',' || c == ';' ? WCHAR('+') : c);
    }
    return WritePrinterString(record, kVendorKey, ocr::Languages.subKey, ocr::Languages.name, normalised.c_str());
}

std::int32_t ReadEmailClientType(const NordwispDEVMODE* record) {
    std::array<WCHAR, 9> text{};
    DWORD size = 16;
    if (!ReadPrinterValue(record, kVendorKey, email::ClientType.subKey, email::ClientType.name, text.data(), &size))
        return 0;
    return text[0] == '1' && text[1] == 0 ? 1 : 0;
}

}  // namespace nw::settings
