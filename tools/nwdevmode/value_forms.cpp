#include "value_forms.h"

#include <charconv>
#include <cstddef>
#include <cstring>
#include <limits>

namespace nwtool {
namespace {

struct FontMember {
    const char* name;
    std::size_t offset;
    std::size_t width;
    std::int32_t low;
    std::int32_t high;
};

constexpr std::int32_t kIntLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntHigh = std::numeric_limits<std::int32_t>::max();

// In the order of LOGFONTW; the byte members take 0 to 255.
constexpr std::array<FontMember, 13> kFontMembers{{
    {"height", offsetof(NW_LOGFONTW, lfHeight), 4, kIntLow, kIntHigh},
    {"width", offsetof(NW_LOGFONTW, lfWidth), 4, kIntLow, kIntHigh},
    {"escapement", offsetof(NW_LOGFONTW, lfEscapement), 4, kIntLow, kIntHigh},
    {"orientation", offsetof(NW_LOGFONTW, lfOrientation), 4, kIntLow, kIntHigh},
    {"weight", offsetof(NW_LOGFONTW, lfWeight), 4, 0, 1000},
    {"italic", offsetof(NW_LOGFONTW, lfItalic), 1, 0, 255},
    {"underline", offsetof(NW_LOGFONTW, lfUnderline), 1, 0, 255},
    {"strikeout", offsetof(NW_LOGFONTW, lfStrikeOut), 1, 0, 255},
    {"charset", offsetof(NW_LOGFONTW, lfCharSet), 1, 0, 255},
    {"out-precision", offsetof(NW_LOGFONTW, lfOutPrecision), 1, 0, 255},
    {"clip-precision", offsetof(NW_LOGFONTW, lfClipPrecision), 1, 0, 255},
    {"quality", offsetof(NW_LOGFONTW, lfQuality), 1, 0, 255},
    {"pitch-and-family", offsetof(NW_LOGFONTW, lfPitchAndFamily), 1, 0, 255},
}};

// A face name keeps its terminator in 32 characters.
constexpr std::size_t kFaceChars = sizeof(NW_LOGFONTW::lfFaceName) / sizeof(NWCHAR) - 1;

std::int32_t MemberOf(const NW_LOGFONTW& font, const FontMember& member) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&font) + member.offset;
    if (member.width == 1) return *bytes;
    std::int32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void SetMember(NW_LOGFONTW& font, const FontMember& member, std::int32_t value) {
    auto* bytes = reinterpret_cast<unsigned char*>(&font) + member.offset;
    if (member.width == 1)
        *bytes = static_cast<unsigned char>(value);
    else
        std::memcpy(bytes, &value, sizeof value);
}

bool ParseInt(std::string_view text, std::int64_t& value) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && last == end;
}

std::string FaceOf(const NW_LOGFONTW& font) {
    std::size_t length = 0;
    while (length < kFaceChars && font.lfFaceName[length] != 0) ++length;
    return ToUtf8(std::basic_string_view<NWCHAR>(font.lfFaceName, length));
}

}  // namespace

std::string FontText(const NW_LOGFONTW& font) {
    std::string text = "face=" + FaceOf(font);
    for (const FontMember& member : kFontMembers)
        text += std::string(";") + member.name + "=" + std::to_string(MemberOf(font, member));
    return text;
}

std::optional<std::string> ParseFont(const std::string& text, FontEdit& edit) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        const std::size_t equals = part.find('=');
        if (equals == std::string::npos) return "\"" + part + "\" is no MEMBER=VALUE";
        const std::string name = part.substr(0, equals);
        const std::string value = part.substr(equals + 1);
        if (name == "face") {
            edit.face = FromUtf8(value);
            if (ToUtf8(*edit.face) != value || edit.face->find(NWCHAR{0}) != NwString::npos ||
                edit.face->size() > kFaceChars)
                return "the face name takes at most " + std::to_string(kFaceChars) + " characters";
            continue;
        }
        std::size_t i = 0;
        while (i < kFontMembers.size() && name != kFontMembers[i].name) ++i;
        if (i == kFontMembers.size()) return "no font member \"" + name + "\"";
        std::int64_t number = 0;
        if (!ParseInt(value, number) || number < kFontMembers[i].low || number > kFontMembers[i].high)
            return "\"" + name + "\" takes a number from " + std::to_string(kFontMembers[i].low) + " to " +
                   std::to_string(kFontMembers[i].high);
        edit.members[i] = static_cast<std::int32_t>(number);
    }
    return std::nullopt;
}

void ApplyFont(const FontEdit& edit, NW_LOGFONTW& font) {
    for (std::size_t i = 0; i < kFontMembers.size(); ++i)
        if (edit.members[i]) SetMember(font, kFontMembers[i], *edit.members[i]);
    if (!edit.face) return;
    std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), NWCHAR{0});
    edit.face->copy(font.lfFaceName, kFaceChars);
}

std::string FontAccepts() {
    std::string words = "MEMBER=VALUE pairs separated by \";\" of face (at most " + std::to_string(kFaceChars) +
                        " characters)";
    for (const FontMember& member : kFontMembers) words += std::string(", ") + member.name;
    return words;
}

std::string AreaText(const Area& area) {
    return std::to_string(area[0]) + "," + std::to_string(area[1]) + "," + std::to_string(area[2]) + "," +
           std::to_string(area[3]);
}

bool ParseArea(const std::string& text, Area& area) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < area.size(); ++i) {
        const std::size_t end = i + 1 < area.size() ? text.find(',', start) : text.size();
        if (end == std::string::npos) return false;
        std::int64_t value = 0;
        if (!ParseInt(std::string_view(text).substr(start, end - start), value) || value < kIntLow ||
            value > kIntHigh)
            return false;
        area[i] = static_cast<std::int32_t>(value);
        start = end + 1;
    }
    return true;
}

std::string HexText(const std::vector<unsigned char>& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

bool ParseHex(const std::string& text, std::vector<unsigned char>& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        const auto [last, error] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (error != std::errc() || last != text.data() + i + 2) return false;
        bytes.push_back(static_cast<unsigned char>(value));
    }
    return true;
}

}  // namespace nwtool
