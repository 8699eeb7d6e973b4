// Reading and writing any catalog setting through its exports: one generic
// path per kind, no code per setting.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "text.h"
#include "value_forms.h"

namespace nwtool {

// A setting's current value.
struct SettingValue {
    std::int32_t number = 0;  // switches and numbers
    std::string text;         // texts and passwords (UTF-8); fonts, areas and data in their text forms
};

// Reads the value; false when the library has no such export or refused.
bool ReadSetting(const Setting& setting, NordwispDEVMODE* record, SettingValue& value);
// The value as shown: "on", "landscape (2)", the text; passwords as "set" or "unset".
std::string ShownValue(const Setting& setting, const SettingValue& value);
// The value in JSON: true/false, a number, a text; passwords as "set" or "unset".
nlohmann::ordered_json JsonValue(const Setting& setting, const SettingValue& value);

// A checked value ready to be written.
struct NewValue {
    const Setting* setting = nullptr;
    std::int32_t number = 0;
    NwString text;
    FontEdit font;
    Area area{};
    std::vector<unsigned char> bytes;
};
// Checks a command-line value against the catalog. Returns the reason it is
// refused, naming the setting and what it accepts; nothing when it is good.
std::optional<std::string> ParseValue(const Setting& setting, const std::string& text, NewValue& value);
// Writes a checked value; false when the library refused it.
bool WriteSetting(const NewValue& value, NordwispDEVMODE* record);

}  // namespace nwtool
