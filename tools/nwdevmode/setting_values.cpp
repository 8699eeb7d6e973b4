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

bool IsText(const Setting& s) { return s.kind == Kind::Text || s.kind == Kind::Password; }

// A registry text under the getters' size protocol: a too small buffer
// reports the size it needs, a missing value leaves the size alone.
bool ReadRegistryText(const Setting& s, const NordwispDEVMODE* record, std::string& text) {
    const auto get = ExportAs<GetBuffer>(s.getter);
    if (get == nullptr) return false;
    const bool inChars = s.shape == Shape::RegistryTextChars;
    int units = 260;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int chars = inChars ? units : units / 2 + 1;
        std::vector<NWCHAR> buffer(static_cast<std::size_t>(chars) + 1, 0);  // one more, always a terminator
        int size = units;
        if (get(record, buffer.data(), &size) == 1) {
            text = ToUtf8(buffer.data());
            return true;
        }
        if (size <= units) {  // missing: reads as empty
            text.clear();
            return true;
        }
        units = size;
    }
    return false;
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
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || text.empty()) return false;
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
    if (!IsText(setting)) return ReadNumber(setting, record, value.number);
    if (setting.place == Place::Record) return ReadRecordText(setting, record, value.text);
    return ReadRegistryText(setting, record, value.text);
}

std::string ShownValue(const Setting& setting, const SettingValue& value) {
    switch (setting.kind) {
        case Kind::Switch: return value.number != 0 ? "on" : "off";
        case Kind::Password: return value.text.empty() ? "unset" : "set";
        case Kind::Text: return value.text;
        case Kind::Number: break;
    }
    const char* name = NameOf(setting, value.number);
    return name == nullptr ? std::to_string(value.number)
                           : std::string(name) + " (" + std::to_string(value.number) + ")";
}

nlohmann::ordered_json JsonValue(const Setting& setting, const SettingValue& value) {
    switch (setting.kind) {
        case Kind::Switch: return value.number != 0;
        case Kind::Password: return value.text.empty() ? "unset" : "set";
        case Kind::Text: return value.text;
        case Kind::Number: break;
    }
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
        case Kind::Text:
        case Kind::Password: break;
    }
    value.text = FromUtf8(text);
    if (ToUtf8(value.text) != text || value.text.find(NWCHAR{0}) != NwString::npos) return refused();
    if (setting.maxChars != 0 && value.text.size() > setting.maxChars) return refused();
    return std::nullopt;
}

bool WriteSetting(const NewValue& value, NordwispDEVMODE* record) {
    const Setting& s = *value.setting;
    switch (s.shape) {
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
        case Shape::RegistryOut: break;
    }
    const auto set = ExportAs<SetNumberLast>(s.setter, s.decorated);
    return set != nullptr && set(record, value.number) == 1;
}

}  // namespace nwtool
