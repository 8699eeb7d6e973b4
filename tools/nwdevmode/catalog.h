// Every setting the tool reaches by name. The catalog is built from the
// library's own export tables, so a row added there is a setting here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nwtool {

enum class Place : std::uint8_t { Record, Registry };
enum class Kind : std::uint8_t { Switch, Number, Text, Password };

// How the setting's exports are called.
enum class Shape : std::uint8_t {
    RecordSwitch,       // Enable/Disable(record), Is(record)
    RecordNumber,       // Get(record), Set(record, value)
    RecordValueFirst,   // Get(record), Set(value, record)
    RecordTextFirst,    // Get(record) -> pointer, Set(text, record)
    RecordTextLast,     // Get(record) -> pointer, Set(record, text)
    RegistryValue,      // Get(record), Set(record, value)
    RegistryOut,        // Get(record, int*), Set(record, value)
    RegistryText,       // Get(record, buffer, bytes), Set(record, text)
    RegistryTextChars,  // as RegistryText, the size in characters
};

// A name for one number of an enumerated setting.
struct NamedValue {
    const char* name;
    std::int32_t value;
};

struct Setting {
    std::string name;  // "<group>.<name>"
    Place place = Place::Record;
    Kind kind = Kind::Number;
    Shape shape = Shape::RecordNumber;
    std::int64_t low = 0;  // numbers: the accepted range
    std::int64_t high = 0;
    std::vector<std::int32_t> oneOf;     // numbers: only these, when not empty
    std::uint32_t maxChars = 0;          // texts: 0 for any length
    std::optional<std::string> fallback; // what a missing registry value reads as
    bool invertedReading = false;        // switches answered as "disabled"
    bool decorated = false;              // exported under C++ names on Windows
    const char* getter = "";
    const char* setter = "";   // empty: read-only
    const char* disabler = ""; // record switches
    std::vector<NamedValue> names;
};

// The whole catalog in table order.
const std::vector<Setting>& Catalog();
// The setting of that name, or null.
const Setting* FindSetting(std::string_view name);

// "OpenZoom" -> "open-zoom", "Open Zoom" -> "open-zoom", "1DRatio" -> "1d-ratio".
std::string KebabName(std::string_view text);

// What a setting accepts, in words: "a number from 0 to 4", "on or off"...
std::string Accepts(const Setting& setting);

}  // namespace nwtool
