#include "setting_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "library_exports.h"
#include "text.h"

namespace nwtool {
namespace {

// The export shapes of the catalog.
using GetNumber = int(NW_API*)(const NordwispDEVMODE*);
using GetOut = int(NW_API*)(const NordwispDEVMODE*, int*);
using GetPointer = const NWCHAR*(NW_API*)(const NordwispDEVMODE*);
using GetBuffer = int(NW_API*)(const NordwispDEVMODE*, NWCHAR*, int*);
using SetNumberLast = int(NW_API*)(NordwispDEVMODE*, int);
using SetNumberFirst = int(NW_API*)(int, NordwispDEVMODE*);
using SetTextLast = int(NW_API*)(NordwispDEVMODE*, const NWCHAR*);
using SetTextFirst = int(NW_API*)(const NWCHAR*, NordwispDEVMODE*);
using Toggle = int(NW_API*)(NordwispDEVMODE*);
using SetUnsigned = int(NW_API*)(NordwispDEVMODE*, std::uint32_t);
using SetChar = int(NW_API*)(NordwispDEVMODE*, char);
using GetAt = int(NW_API*)(const NordwispDEVMODE*, int);
using SetAt = int(NW_API*)(NordwispDEVMODE*, int, int);
using ToggleAt = int(NW_API*)(NordwispDEVMODE*, int);
using GetTextAt = int(NW_API*)(const NordwispDEVMODE*, int, NWCHAR*, int*);
using SetTextAt = int(NW_API*)(NordwispDEVMODE*, int, const NWCHAR*);
using GetFontValue = NW_LOGFONTW(NW_API*)(const NordwispDEVMODE*);
using SetFontValue = int(NW_API*)(NordwispDEVMODE*, NW_LOGFONTW);
using GetFontOut = int(NW_API*)(const NordwispDEVMODE*, NW_LOGFONTW*);
using SetFontMembers = int(NW_API*)(NordwispDEVMODE*, int, int, int, int, int, std::uint8_t, std::uint8_t,
                                    std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t, std::uint8_t,
                                    std::uint8_t, const NWCHAR*);
using GetAreaOut = int(NW_API*)(const NordwispDEVMODE*, int*, int*, int*, int*);
using SetAreaValues = int(NW_API*)(NordwispDEVMODE*, int, int, int, int);
using GetBlob = int(NW_API*)(const NordwispDEVMODE*, void*, int*);
using SetBlob = int(NW_API*)(NordwispDEVMODE*, const void*, int);

bool IsText(const Setting& s) { return s.kind == Kind::Text || s.kind == Kind::Password; }

// A registry text under the getters' size protocol: a too small buffer
// reports the size it needs, a missing value leaves the size alone.
// Texts end at their terminator; data ends at the size the getter reports.
template <typename Unit, typename Get>
bool ReadSized(bool inUnits, int units, std::vector<Unit>& out, Get get) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int count = inUnits ? units : units / static_cast<int>(sizeof(Unit)) + 1;
        std::vector<Unit> buffer(static_cast<std::size_t>(count) + 1, 0);  // one more, always a terminator
        int size = units;
        if (get(buffer.data(), &size) == 1) {
            if (inUnits && sizeof(Unit) == 1)
                buffer.resize(std::min<std::size_t>(static_cast<std::size_t>(std::max(size, 0)), buffer.size()));
            out = std::move(buffer);
            return true;
        }
        if (size <= units) {  // missing: reads as empty
            out.clear();
            return true;
        }
        units = size;
    }
    return false;
}

bool ReadRegistryText(const Setting& s, const NordwispDEVMODE* record, std::string& text) {
    std::vector<NWCHAR> buffer;
    bool read = false;
    if (s.shape == Shape::OrientedText) {
        const auto get = ExportAs<GetTextAt>(s.getter);
        read = get != nullptr && ReadSized(false, 520, buffer, [&](NWCHAR* into, int* size) {
                   return get(record, s.argument, into, size);
               });
    } else {
        const auto get = ExportAs<GetBuffer>(s.getter);
        read = get != nullptr && ReadSized(s.shape == Shape::RegistryTextChars, 260, buffer,
                                           [&](NWCHAR* into, int* size) { return get(record, into, size); });
    }
    if (!read) return false;
    buffer.push_back(0);
    text = ToUtf8(buffer.data());
    return true;
}

bool ReadBlob(const Setting& s, const NordwispDEVMODE* record, std::string& text) {
    const auto get = ExportAs<GetBlob>(s.getter);
    std::vector<unsigned char> bytes;
    if (get == nullptr || !ReadSized(true, 1024, bytes, [&](unsigned char* into, int* size) {
            return get(record, into, size);
        }))
        return false;
    text = HexText(bytes);
    return true;
}

bool ReadFont(const Setting& s, const NordwispDEVMODE* record, NW_LOGFONTW& font) {
    font = NW_LOGFONTW{};
    if (s.shape == Shape::RecordFont) {
        const auto get = ExportAs<GetFontValue>(s.getter);
        if (get == nullptr) return false;
        font = get(record);
        return true;
    }
    // A font never set reads as far as it was found, the rest 0.
    const auto get = ExportAs<GetFontOut>(s.getter);
    if (get == nullptr) return false;
    get(record, &font);
    return true;
}

bool ReadArea(const Setting& s, const NordwispDEVMODE* record, Area& area) {
    const auto get = ExportAs<GetAreaOut>(s.getter);
    int left = 0, right = 0, top = 0, bottom = 0;
    if (get == nullptr || get(record, &left, &right, &top, &bottom) != 1) return false;
    area = {left, top, right, bottom};
    return true;
}

// A record text: a pointer into the record, read no further than its field.
bool ReadRecordText(const Setting& s, const NordwispDEVMODE* record, std::string& text) {
    const auto get = ExportAs<GetPointer>(s.getter);
    if (get == nullptr) return false;
    const NWCHAR* field = get(record);
    if (field == nullptr) return false;
    std::size_t length = 0;
    while (length < s.maxChars + 1 && field[length] != 0) ++length;
    text = ToUtf8(std::basic_string_view<NWCHAR>(field, length));
    return true;
}

bool ReadNumber(const Setting& s, const NordwispDEVMODE* record, std::int32_t& number) {
    if (s.shape == Shape::RegistryLayer) {
        // 0 with nothing stored: the object was never turned on.
        const auto get = ExportAs<GetOut>(s.getter);
        int value = 0;
        if (get == nullptr) return false;
        get(record, &value);
        number = value != 0 ? 1 : 0;
        return true;
    }
    if (s.shape == Shape::Indexed || s.shape == Shape::IndexedValueFirst || s.shape == Shape::IndexedSwitch) {
        const auto get = ExportAs<GetAt>(s.getter);
        if (get == nullptr) return false;
        number = get(record, s.argument);
        if (s.kind == Kind::Switch) number = number != 0 ? 1 : 0;
        return true;
    }
    if (s.shape == Shape::RegistryOut) {
        const auto get = ExportAs<GetOut>(s.getter, s.decorated);
        int value = 0;
        if (get == nullptr || get(record, &value) != 1) return false;
        number = value;
        return true;
    }
    const auto get = ExportAs<GetNumber>(s.getter);
    if (get == nullptr) return false;
    number = get(record);
    if (s.kind == Kind::Switch) number = ((number != 0) != s.invertedReading) ? 1 : 0;
    return true;
}

// An unsigned field (a colour) shows as the number it holds.
std::string NumberText(const Setting& s, std::int32_t number) {
    return s.shape == Shape::RecordUnsigned ? std::to_string(static_cast<std::uint32_t>(number))
                                            : std::to_string(number);
}

const char* NameOf(const Setting& s, std::int32_t number) {
    for (const NamedValue& n : s.names)
        if (n.value == number) return n.name;
    return nullptr;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool ParseSwitch(const std::string& text, std::int32_t& number) {
    static const char* const kOn[] = {"on", "1", "yes", "true", "enabled"};
    static const char* const kOff[] = {"off", "0", "no", "false", "disabled"};
    const std::string word = Lower(text);
    for (const char* on : kOn)
        if (word == on) return number = 1, true;
    for (const char* off : kOff)
        if (word == off) return number = 0, true;
    return false;
}

bool ParseNumber(const Setting& s, const std::string& text, std::int32_t& number) {
    const std::string word = Lower(text);
    for (const NamedValue& n : s.names)
        if (word == n.name) return number = n.value, true;
    // Colours and flag words read well in hexadecimal: "0x00FF00".
    const bool hex = word.starts_with("0x");
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    std::int64_t value = 0;
    const auto [last, error] = std::from_chars(begin, end, value, hex ? 16 : 10);
    if (error != std::errc() || last != end || begin == end || (hex && *begin == '-')) return false;
    if (!s.oneOf.empty()) {
        if (std::find(s.oneOf.begin(), s.oneOf.end(), value) == s.oneOf.end()) return false;
    } else if (value < s.low || value > s.high) {
        return false;
    }
    number = static_cast<std::int32_t>(value);
    return true;
}

}  // namespace

bool ReadSetting(const Setting& setting, NordwispDEVMODE* record, SettingValue& value) {
    switch (setting.kind) {
        case Kind::Font: {
            NW_LOGFONTW font{};
            if (!ReadFont(setting, record, font)) return false;
            value.text = FontText(font);
            return true;
        }
        case Kind::Area: {
            Area area{};
            if (!ReadArea(setting, record, area)) return false;
            value.text = AreaText(area);
            return true;
        }
        case Kind::Hex: return ReadBlob(setting, record, value.text);
        default: break;
    }
    if (!IsText(setting)) return ReadNumber(setting, record, value.number);
    if (setting.place == Place::Record) return ReadRecordText(setting, record, value.text);
    return ReadRegistryText(setting, record, value.text);
}

std::string ShownValue(const Setting& setting, const SettingValue& value) {
    switch (setting.kind) {
        case Kind::Switch: return value.number != 0 ? "on" : "off";
        case Kind::Password: return value.text.empty() ? "unset" : "set";
        case Kind::Text:
        case Kind::Font:
        case Kind::Area:
        case Kind::Hex: return value.text;
        case Kind::Number: break;
    }
    const std::string number = NumberText(setting, value.number);
    const char* name = NameOf(setting, value.number);
    return name == nullptr ? number : std::string(name) + " (" + number + ")";
}

nlohmann::ordered_json JsonValue(const Setting& setting, const SettingValue& value) {
    switch (setting.kind) {
        case Kind::Switch: return value.number != 0;
        case Kind::Password: return value.text.empty() ? "unset" : "set";
        case Kind::Text:
        case Kind::Font:
        case Kind::Area:
        case Kind::Hex: return value.text;
        case Kind::Number: break;
    }
    if (setting.shape == Shape::RecordUnsigned) return static_cast<std::uint32_t>(value.number);
    return value.number;
}

std::optional<std::string> ParseValue(const Setting& setting, const std::string& text, NewValue& value) {
    value.setting = &setting;
    const auto refused = [&] {
        return "setting \"" + setting.name + "\" does not take \"" + text + "\": it accepts " + Accepts(setting);
    };
    if (setting.setter[0] == '\0') return "setting \"" + setting.name + "\" is read-only";
    switch (setting.kind) {
        case Kind::Switch:
            if (!ParseSwitch(text, value.number)) return refused();
            return std::nullopt;
        case Kind::Number:
            if (!ParseNumber(setting, text, value.number)) return refused();
            return std::nullopt;
        case Kind::Font:
            if (const auto wrong = ParseFont(text, value.font))
                return "setting \"" + setting.name + "\" does not take \"" + text + "\": " + *wrong;
            return std::nullopt;
        case Kind::Area:
            if (!ParseArea(text, value.area)) return refused();
            return std::nullopt;
        case Kind::Hex:
            if (!ParseHex(text, value.bytes)) return refused();
            return std::nullopt;
        case Kind::Text:
        case Kind::Password: break;
    }
    value.text = FromUtf8(text);
    if (ToUtf8(value.text) != text || value.text.find(NWCHAR{0}) != NwString::npos) return refused();
    if (setting.maxChars != 0 && value.text.size() > setting.maxChars) return refused();
    return std::nullopt;
}

namespace {

// Members not named keep their value: the font is read, edited and written whole.
bool WriteFont(const NewValue& value, NordwispDEVMODE* record) {
    const Setting& s = *value.setting;
    NW_LOGFONTW font{};
    if (!ReadFont(s, record, font)) return false;
    ApplyFont(value.font, font);
    if (s.shape == Shape::RecordFont) {
        const auto set = ExportAs<SetFontValue>(s.setter);
        return set != nullptr && set(record, font) == 1;
    }
    const auto set = ExportAs<SetFontMembers>(s.setter);
    return set != nullptr && set(record, font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation,
                                 font.lfWeight, font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                                 font.lfOutPrecision, font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily,
                                 font.lfFaceName) == 1;
}

}  // namespace

bool WriteSetting(const NewValue& value, NordwispDEVMODE* record) {
    const Setting& s = *value.setting;
    switch (s.shape) {
        case Shape::RecordFont:
        case Shape::RegistryFont: return WriteFont(value, record);
        case Shape::RegistryArea: {
            const auto set = ExportAs<SetAreaValues>(s.setter);
            const Area& a = value.area;
            return set != nullptr && set(record, a[0], a[2], a[1], a[3]) == 1;
        }
        case Shape::RegistryBlob: {
            // Empty data is still data: the export takes no null pointer.
            static const unsigned char kNothing = 0;
            const auto set = ExportAs<SetBlob>(s.setter);
            const void* data = value.bytes.empty() ? &kNothing : value.bytes.data();
            return set != nullptr && set(record, data, static_cast<int>(value.bytes.size())) == 1;
        }
        case Shape::RecordUnsigned: {
            const auto set = ExportAs<SetUnsigned>(s.setter);
            return set != nullptr && set(record, static_cast<std::uint32_t>(value.number)) == 1;
        }
        case Shape::RecordChar: {
            const auto set = ExportAs<SetChar>(s.setter);
            return set != nullptr && set(record, static_cast<char>(value.number)) == 1;
        }
        case Shape::Indexed: {
            const auto set = ExportAs<SetAt>(s.setter);
            return set != nullptr && set(record, s.argument, value.number) == 1;
        }
        case Shape::IndexedValueFirst: {
            const auto set = ExportAs<SetAt>(s.setter);
            return set != nullptr && set(record, value.number, s.argument) == 1;
        }
        case Shape::IndexedSwitch: {
            const auto toggle = ExportAs<ToggleAt>(value.number != 0 ? s.setter : s.disabler);
            return toggle != nullptr && toggle(record, s.argument) == 1;
        }
        case Shape::OrientedText: {
            const auto set = ExportAs<SetTextAt>(s.setter);
            return set != nullptr && set(record, s.argument, value.text.c_str()) == 1;
        }
        case Shape::RecordSwitch: {
            const auto toggle = ExportAs<Toggle>(value.number != 0 ? s.setter : s.disabler);
            return toggle != nullptr && toggle(record) == 1;
        }
        case Shape::RecordValueFirst: {
            const auto set = ExportAs<SetNumberFirst>(s.setter);
            return set != nullptr && set(value.number, record) == 1;
        }
        case Shape::RecordTextFirst: {
            const auto set = ExportAs<SetTextFirst>(s.setter);
            return set != nullptr && set(value.text.c_str(), record) == 1;
        }
        case Shape::RecordTextLast:
        case Shape::RegistryText:
        case Shape::RegistryTextChars: {
            const auto set = ExportAs<SetTextLast>(s.setter);
            return set != nullptr && set(record, value.text.c_str()) == 1;
        }
        case Shape::RecordNumber:
        case Shape::RegistryValue:
        case Shape::RegistryLayer:
        case Shape::RegistryOut: break;
    }
    const auto set = ExportAs<SetNumberLast>(s.setter, s.decorated);
    return set != nullptr && set(record, value.number) == 1;
}

}  // namespace nwtool
