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
// Font: "face=Arial;height=-16;..."; Area: "left,top,right,bottom"; Hex:
// bytes as hexadecimal digits.
enum class Kind : std::uint8_t { Switch, Number, Text, Password, Font, Area, Hex };

// How the setting's exports are called.
enum class Shape : std::uint8_t {
    RecordSwitch,       // Enable/Disable(record), Is(record); some registry switches too
    RecordNumber,       // Get(record), Set(record, value)
    RecordUnsigned,     // Get(record), Set(record, uint32_t)
    RecordChar,         // Get(record), Set(record, char)
    Indexed,            // Get(record, argument), Set(record, argument, value)
    IndexedValueFirst,  // Get(record, argument), Set(record, value, argument)
    IndexedSwitch,      // Enable/Disable(record, argument), Is(record, argument)
    RecordFont,         // LOGFONTW Get(record), Set(record, LOGFONTW)
    RecordValueFirst,   // Get(record), Set(value, record)
    RecordTextFirst,    // Get(record) -> pointer, Set(text, record)
    RecordTextLast,     // Get(record) -> pointer, Set(record, text)
    RegistryValue,      // Get(record), Set(record, value)
    RegistryOut,        // Get(record, int*), Set(record, value)
    RegistryText,       // Get(record, buffer, bytes), Set(record, text)
    RegistryTextChars,  // as RegistryText, the size in characters
    RegistryLayer,      // Get(record, int*) answering 0 when never set, Set(record, value)
    OrientedText,       // Get(record, argument, buffer, bytes), Set(record, argument, text)
    RegistryFont,       // Get(record, LOGFONTW*), Set(record, the members..., face name)
    RegistryArea,       // Get(record, &left, &right, &top, &bottom), Set(record, left, right, top, bottom)
    RegistryBlob,       // Get(record, buffer, bytes), Set(record, data, length)
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
    bool readBack = false;               // a setter that may keep nothing and still succeed
    std::int32_t argument = 0;           // the index, orientation or tab the exports take
    const char* getter = "";
    const char* setter = "";   // empty: read-only
    const char* disabler = ""; // record switches
    std::vector<NamedValue> names;
};

// The whole catalog in table order.
const std::vector<Setting>& Catalog();
// The setting of that name, or null.
const Setting* FindSetting(std::string_view name);

// The names of an enumerated value ("record.orientation"), also of record
// fields that no setting reaches ("record.color"); null when it has none.
const std::vector<NamedValue>* NamesOf(const std::string& name);

// "OpenZoom" -> "open-zoom", "Open Zoom" -> "open-zoom", "1DRatio" -> "1d-ratio".
std::string KebabName(std::string_view text);

// What a setting accepts, in words: "a number from 0 to 4", "on or off"...
std::string Accepts(const Setting& setting);

}  // namespace nwtool
