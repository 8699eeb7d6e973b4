#include "settings/fonts.h"

#include <array>
#include <cstddef>
#include <cstring>

#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

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

}  // namespace

int ReadFont(const NordwispDEVMODE* record, FontOwner owner, NW_LOGFONTW& font) {
    const FontPlace place = PlaceOf(owner);
    return ReadFontAt(record, place.subKey, place.prefix, font);
}

int WriteFont(const NordwispDEVMODE* record, FontOwner owner, const NW_LOGFONTW& font) {
    const FontPlace place = PlaceOf(owner);
    return WriteFontAt(record, place.subKey, place.prefix, font);
}

int ReadFontAt(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* prefix, NW_LOGFONTW& font) {
    std::memset(&font, 0, sizeof font);
    const FontPlace place{subKey, prefix};
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

int WriteFontAt(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* prefix, const NW_LOGFONTW& font) {
    std::array<WCHAR, kFaceNameChars + 1> face{};
    std::memcpy(face.data(), reinterpret_cast<const unsigned char*>(&font) + offsetof(NW_LOGFONTW, lfFaceName),
                kFaceNameBytes);
    if (TextLength(face.data()) >= kFaceNameChars) return 0;
    const FontPlace place{subKey, prefix};
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

}  // namespace nw::settings
