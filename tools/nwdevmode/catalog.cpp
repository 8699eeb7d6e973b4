#include "catalog.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <unordered_map>

// The rows only: their constexpr data is compiled in, nothing is linked.
#include "accessors/numeric_accessors.h"
#include "accessors/page_geometry.h"
#include "accessors/switch_accessors.h"
#include "accessors/text_accessors.h"
#include "settings/crop_trim_areas.h"
#include "settings/dialog_tabs.h"
#include "settings/family_tables.h"
#include "value_forms.h"

namespace nwtool {
namespace {

namespace acc = nw::accessors;
namespace set = nw::settings;

// Table texts are ASCII.
template <typename Char>
std::string Narrow(const Char* text) {
    std::string out;
    for (; *text != 0; ++text) out += static_cast<char>(*text);
    return out;
}

// Names of enumerated settings, shown and accepted beside their numbers.
const std::unordered_map<std::string, std::vector<NamedValue>>& EnumeratedNames() {
    static const std::unordered_map<std::string, std::vector<NamedValue>> names = {
        {"record.orientation", {{"portrait", 1}, {"landscape", 2}}},
        // The spooler's paper codes (DMPAPER_*).
        {"record.paper-size",
         {{"letter", 1}, {"letter-small", 2}, {"tabloid", 3}, {"ledger", 4}, {"legal", 5}, {"statement", 6},
          {"executive", 7}, {"a3", 8}, {"a4", 9}, {"a4-small", 10}, {"a5", 11}, {"b4", 12}, {"b5", 13},
          {"folio", 14}, {"quarto", 15}, {"10x14", 16}, {"11x17", 17}, {"note", 18}, {"envelope-10", 20},
          {"envelope-dl", 27}, {"envelope-c5", 28}, {"envelope-c3", 29}, {"envelope-c4", 30},
          {"envelope-c6", 31}, {"envelope-monarch", 37}, {"a6", 70}}},
        // 1, 8 grey, 8 and 24 bits per pixel.
        {"record.color-depth", {{"monochrome", 0}, {"grayscale", 1}, {"256-colors", 2}, {"true-color", 3}}},
        {"record.existing-file-action", {{"merge", 0}, {"overwrite", 1}, {"none", 2}}},
        // The public header's dmColor, shown by "show" (no export sets it).
        {"record.color", {{"monochrome", 1}, {"color", 2}}},
        {"record.fax-output-mode", {{"none", 0}, {"200-dpi", 1}, {"low", 2}, {"low-compatible", 3}}},
        // Barcode placement: the unit of the offsets and the alignments.
        {"record.barcode-unit", {{"pixels", 0}, {"tenth-mm", 1}, {"hundredth-inch", 2}}},
        {"record.barcode-align", {{"left", 0}, {"center", 1}, {"right", 2}}},
        {"record.barcode-vert-align", {{"top", 0}, {"center", 1}, {"bottom", 2}}},
    };
    return names;
}

// A group is its subkey's last part without " Settings": "%s\Pdf Settings" -> "pdf".
std::string GroupOf(const WCHAR* subKey) {
    std::string key = Narrow(subKey);
    key = key.substr(key.rfind('\\') + 1);
    const std::string suffix = " Settings";
    if (key.size() > suffix.size() && key.compare(key.size() - suffix.size(), suffix.size(), suffix) == 0)
        key.resize(key.size() - suffix.size());
    return KebabName(key);
}

// A registry setting is named by its value, less the group's own words:
// "Footer Text" under footer -> "footer.text".
std::string RegistryName(const WCHAR* subKey, const WCHAR* valueName) {
    const std::string group = GroupOf(subKey);
    std::string name = KebabName(Narrow(valueName));
    if (name.size() > group.size() && name.compare(0, group.size() + 1, group + "-") == 0)
        name.erase(0, group.size() + 1);
    return group + "." + name;
}

Setting Described(std::string name, Place place, Kind kind, Shape shape) {
    Setting s;
    s.name = std::move(name);
    s.place = place;
    s.kind = kind;
    s.shape = shape;
    return s;
}

Setting RegistrySetting(const char* getter, const char* setter, const WCHAR* subKey, const WCHAR* valueName,
                        Kind kind, Shape shape) {
    Setting s = Described(RegistryName(subKey, valueName), Place::Registry, kind, shape);
    s.getter = getter;
    s.setter = setter;
    return s;
}

Setting Registry(const char* getter, const char* setter, const set::TextValue& row, Shape shape,
                 Kind kind = Kind::Text) {
    Setting s = RegistrySetting(getter, setter, row.subKey, row.name, kind, shape);
    if (row.maxChars != set::kAnyLength) s.maxChars = row.maxChars;
    s.fallback = "";
    return s;
}

template <typename Row>
Setting Registry(const char* getter, const char* setter, const Row& row, Shape shape, Kind kind = Kind::Number) {
    Setting s = RegistrySetting(getter, setter, row.subKey, row.name, kind, shape);
    if (kind == Kind::Switch) {
        s.low = 0;
        s.high = 1;
    } else {
        // The range is unsigned; a range from 0 up to the top is every int.
        const bool every = row.accepts.high == 0xFFFFFFFFu;
        s.low = every ? std::int64_t{std::numeric_limits<std::int32_t>::min()} : std::int64_t{row.accepts.low};
        s.high = every ? std::int64_t{std::numeric_limits<std::int32_t>::max()} : std::int64_t{row.accepts.high};
    }
    s.fallback = std::to_string(row.fallback);
    return s;
}

Setting Registry(const char* getter, const char* setter, const set::YesNoValue& row, Shape shape, Kind kind) {
    Setting s = RegistrySetting(getter, setter, row.subKey, row.name, kind, shape);
    s.high = 1;
    s.fallback = row.fallback ? "1" : "0";
    return s;
}

Setting RecordSetting(std::string_view stem, Kind kind, Shape shape) {
    return Described("record." + KebabName(stem), Place::Record, kind, shape);
}

// What a number row's setter keeps, as a range or a list.
void NumberRange(Setting& s, const acc::Number& row) {
    switch (row.set) {
        case acc::SetRule::Substitute:
        case acc::SetRule::Ignore:
        case acc::SetRule::Refuse:
        case acc::SetRule::WrapDegrees:
        case acc::SetRule::ColorDepth:
            s.low = row.low;
            s.high = row.high;
            return;
        case acc::SetRule::SetsBit:
        case acc::SetRule::ZeroOrOneBit:
            s.low = 0;
            s.high = 1;
            return;
        case acc::SetRule::OneOf:
            for (std::int32_t v = 0; v < 32; ++v)
                if (row.allowed & (1u << v)) s.oneOf.push_back(v);
            return;
        default: break;  // stored: whatever the field holds
    }
    const int bits = 8 * row.field.width;
    if (row.field.isSigned || bits == 32) {
        s.low = -(std::int64_t{1} << (bits - 1));
        s.high = (std::int64_t{1} << (bits - 1)) - 1;
    } else {
        s.low = 0;
        s.high = (std::int64_t{1} << bits) - 1;
    }
}

Setting RecordNumber(std::string_view stem, const char* getter, const char* setter, const acc::Number& row,
                     Shape shape) {
    Setting s = RecordSetting(stem, Kind::Number, shape);
    s.getter = getter;
    s.setter = setter;
    NumberRange(s, row);
    return s;
}

Setting RecordChoice(std::string_view stem, const char* getter, const char* setter, const acc::Choice& row) {
    Setting s = RecordSetting(stem, Kind::Number, Shape::RecordNumber);
    s.getter = getter;
    s.setter = setter;
    for (std::size_t i = 0; i < row.count; ++i) s.oneOf.push_back(row.entries[i].code);
    if (std::find(s.oneOf.begin(), s.oneOf.end(), row.noneCode) == s.oneOf.end()) s.oneOf.push_back(row.noneCode);
    std::sort(s.oneOf.begin(), s.oneOf.end());
    return s;
}

Setting RecordText(std::string_view stem, const char* getter, const char* setter, const acc::Text& row,
                   Shape shape) {
    Setting s = RecordSetting(stem, Kind::Text, shape);
    s.getter = getter;
    s.setter = setter;
    s.maxChars = static_cast<std::uint32_t>(row.field.capacity - 1);  // the terminator stays
    return s;
}

Setting RecordSwitch(std::string_view stem, const char* enabler, const char* disabler, const char* isName) {
    Setting s = RecordSetting(stem, Kind::Switch, Shape::RecordSwitch);
    s.high = 1;
    s.getter = isName;
    s.setter = enabler;
    s.disabler = disabler;
    s.invertedReading = std::string_view(isName).ends_with("Disabled");
    return s;
}


// An export of a function row, as the table spells it.
struct FunctionRow {
    std::string_view result;
    std::string_view name;
    std::string_view parameters;
};

// What the second parameter of a setter row makes of its call.
Shape SetterShape(std::string_view parameters) {
    if (parameters.find("uint32_t") != std::string_view::npos) return Shape::RecordUnsigned;
    if (parameters.find("char ") != std::string_view::npos) return Shape::RecordChar;
    return Shape::RecordNumber;
}

// Function rows give a row of their own table its exports when they name it
// ("SetAnnotationColor" beside the AnnotationColor getter); a lone getter of
// the record alone is a read-only setting.
void PairFunctionRows(std::vector<Setting>& all, const std::vector<FunctionRow>& rows) {
    for (const FunctionRow& f : rows) {
        const bool getter = f.name.starts_with("Get");
        if (!getter && !f.name.starts_with("Set")) continue;
        const std::string name = "record." + KebabName(f.name.substr(3));
        auto found = std::find_if(all.begin(), all.end(), [&](const Setting& s) { return s.name == name; });
        if (getter) {
            if (f.result != "int" || f.parameters != "(const NordwispDEVMODE* record)") continue;
            if (found == all.end()) {
                all.push_back(Described(name, Place::Record, Kind::Number, Shape::RecordNumber));
                found = all.end() - 1;
            }
            found->getter = f.name.data();
            continue;
        }
        if (found == all.end()) continue;
        found->setter = f.name.data();
        found->shape = SetterShape(f.parameters);
        if (found->shape == Shape::RecordUnsigned) {
            found->low = 0;
            found->high = std::numeric_limits<std::uint32_t>::max();
        }
    }
}

// The position codes of the watermark bits, as the public header lists them.
const std::vector<std::int32_t> kPositionCodes = {1, 2, 4, 8, 16, 32, 64, 128, 272, 320, 528, 576};

Setting Indexed(std::string name, Place place, const char* getter, const char* setter, std::int32_t argument,
                Shape shape = Shape::Indexed) {
    Setting s = Described(std::move(name), place, Kind::Number, shape);
    s.getter = getter;
    s.setter = setter;
    s.argument = argument;
    return s;
}

// Two settings, one per orientation, of exports taking a landscape (or
// portrait) flag: "<name>.portrait" and "<name>.landscape".
template <typename Make>
void Oriented(std::vector<Setting>& all, const std::string& name, bool flagIsPortrait, Make make) {
    for (const bool portrait : {true, false}) {
        Setting s = make();
        s.name = name + (portrait ? ".portrait" : ".landscape");
        s.argument = portrait == flagIsPortrait ? 1 : 0;
        all.push_back(std::move(s));
    }
}

// "WatermarkFirstImageBrightness" -> "watermark.first-image-brightness".
std::string GroupedName(std::string_view stem) {
    std::string name = KebabName(stem);
    const std::size_t dash = name.find('-');
    if (dash != std::string::npos) name[dash] = '.';
    return name;
}

// The exports of the table's function rows that belong to no row: their
// shapes and ranges are known only from the exports' own descriptions.
void AddRowlessFunctions(std::vector<Setting>& all) {
    Oriented(all, "record.watermark-position", true, [] {
        Setting s = Indexed("", Place::Record, "GetWatermarkPosition", "SetWatermarkPosition", 0,
                            Shape::IndexedValueFirst);
        s.oneOf = kPositionCodes;
        return s;
    });
    // Sixteen codes from driver version 1470 on, nine before: an older
    // record keeps nothing at the upper indexes, which the read-back shows.
    for (std::int32_t index = 0; index < 16; ++index) {
        Setting s = Indexed("record.start-application-param-code." + std::to_string(index), Place::Record,
                            "GetStartApplicationParamCode", "SetStartApplicationParamCode", index);
        s.high = 16;
        s.readBack = true;
        all.push_back(std::move(s));
    }
    Setting font = Described("record.annotation-font", Place::Record, Kind::Font, Shape::RecordFont);
    font.getter = "GetAnnotationFont";
    font.setter = "SetAnnotationFont";
    all.push_back(std::move(font));
}

Setting OrientedValue(const char* getter, const char* setter, std::string_view stem) {
    Setting s = Indexed("", Place::Registry, getter, setter, 0);
    // Brightness 0 to 100, 40 when missing; positions the watermark codes, 4 when missing.
    if (std::string_view(stem).ends_with("Position")) {
        s.oneOf = kPositionCodes;
        s.fallback = "4";
    } else {
        s.high = 100;
        s.fallback = "40";
    }
    return s;
}

Setting OrientedText(const char* getter, const char* setter) {
    Setting s = Indexed("", Place::Registry, getter, setter, 0, Shape::OrientedText);
    s.kind = Kind::Text;
    s.maxChars = set::kPathChars;
    s.fallback = "";
    return s;
}

// "header.font", "text-stamp.font".
Setting Font(std::string_view owner, const char* getter, const char* setter) {
    Setting s = Described(KebabName(owner) + ".font", Place::Registry, Kind::Font, Shape::RegistryFont);
    s.getter = getter;
    s.setter = setter;
    return s;
}

Setting Area(const char* getter, const char* setter, const set::AreaRows& rows) {
    Setting s = Described(GroupOf(rows.left.subKey) + "." + KebabName(std::string_view(getter).substr(3)),
                          Place::Registry, Kind::Area, Shape::RegistryArea);
    s.getter = getter;
    s.setter = setter;
    s.low = std::numeric_limits<std::int32_t>::min();
    s.high = std::numeric_limits<std::int32_t>::max();
    s.fallback = "0,0,0,0";
    return s;
}

Setting Toggle(Setting s, const char* isName, const char* enabler, const char* disabler) {
    s.shape = Shape::RecordSwitch;
    s.getter = isName;
    s.setter = enabler;
    s.disabler = disabler;
    return s;
}

// One switch per tab of the driver's dialog: "ui-tabs.file-format".
void AddTabs(std::vector<Setting>& all) {
    for (const set::DialogTab& tab : set::kDialogTabs) {
        std::string name = KebabName(Narrow(tab.name));  // "display-file-format-tab"
        name = name.substr(8, name.size() - 8 - 4);
        Setting s = Described(GroupOf(set::subkeys::kUiTabs) + "." + name, Place::Registry, Kind::Switch,
                              Shape::IndexedSwitch);
        s.high = 1;
        s.getter = "IsTabEnabled";
        s.setter = "EnableTab";
        s.disabler = "DisableTab";
        s.argument = tab.number;
        s.fallback = "1";
        all.push_back(std::move(s));
    }
}

std::vector<Setting> BuildCatalog() {
    using namespace nw::settings;
    std::vector<Setting> all;
    auto add = [&all](Setting s) { all.push_back(std::move(s)); };

#define NW_SWITCH(row, stem, isName, ...) add(RecordSwitch(#stem, "Enable" #stem, "Disable" #stem, #isName));
#include "accessors/switches.def"

#define NW_NUMBER(row, stem, ...) \
    add(RecordNumber(#stem, "Get" #stem, "Set" #stem, acc::numbers::row, Shape::RecordNumber));
#define NW_NUMBER_VALUE_FIRST(row, stem, ...) \
    add(RecordNumber(#stem, "Get" #stem, "Set" #stem, acc::numbers::row, Shape::RecordValueFirst));
#define NW_NUMBER_GETTER(row, stem, ...) \
    add(RecordNumber(#stem, "Get" #stem, "", acc::numbers::row, Shape::RecordNumber));
#define NW_NUMBER_ROW(row, ...) add(RecordNumber(#row, "", "", acc::numbers::row, Shape::RecordNumber));
#define NW_CHOICE(row, stem, ...) add(RecordChoice(#stem, "Get" #stem, "Set" #stem, acc::numbers::row));
#define NW_NUMBER_FUNCTION(result, name, parameters, ...) functions.push_back({#result, #name, #parameters});
    std::vector<FunctionRow> functions;
#include "accessors/numbers.def"

#define NW_GEOMETRY(row, setter, ...) \
    add(RecordNumber(#row, "Get" #row, "Set" #setter, acc::geometry::row, Shape::RecordValueFirst));
#define NW_GEOMETRY_FUNCTION(result, name, parameters, ...) functions.push_back({#result, #name, #parameters});
#include "accessors/page_geometry.def"
    PairFunctionRows(all, functions);
    // A row no function row reads is no setting.
    std::erase_if(all, [](const Setting& s) { return s.getter[0] == '\0'; });
    AddRowlessFunctions(all);

#define NW_TEXT_TEXT_FIRST(row, ...) \
    add(RecordText(#row, "Get" #row, "Set" #row, acc::texts::row, Shape::RecordTextFirst));
#define NW_TEXT_RECORD_FIRST(row, ...) \
    add(RecordText(#row, "Get" #row, "Set" #row, acc::texts::row, Shape::RecordTextLast));
#define NW_TEXT_ROW(row, ...)
#include "accessors/texts.def"

#define NW_VALUE(name, row) add(Registry("Get" #name, "Set" #name, row, Shape::RegistryValue));
#define NW_OUT(name, row) add(Registry("Get" #name, "Set" #name, row, Shape::RegistryOut));
#define NW_OUT_DECORATED(name, row)                                                      \
    add(Registry("Get" #name, "Set" #name, row, Shape::RegistryOut));                    \
    all.back().decorated = true;
#define NW_REGISTRY_SWITCH(isName, setName, row) \
    add(Registry(#isName, #setName, row, Shape::RegistryValue, Kind::Switch));
#define NW_TEXT(name, row) add(Registry("Get" #name, "Set" #name, row, Shape::RegistryText));
#define NW_TEXT_CHARS(name, row) add(Registry("Get" #name, "Set" #name, row, Shape::RegistryTextChars));
#include "settings/registry_values.def"

#define NW_FONT(name, owner) add(Font(#name, "Get" #name "Font", "Set" #name "Font"));
#define NW_AREA(getName, setName, rows) add(Area(#getName, #setName, rows));
#define NW_TEXT_LAYER(name, layer)                                                               \
    add(Described(KebabName(#name) + ".enabled", Place::Registry, Kind::Switch, Shape::RegistryLayer)); \
    all.back().high = 1;                                                                         \
    all.back().getter = "Get" #name "Enabled";                                                   \
    all.back().setter = "Set" #name "Enabled";
#define NW_ORIENTED_TEXT(name, read, write) \
    Oriented(all, GroupedName(#name), false, [] { return OrientedText("Get" #name, "Set" #name); });
#define NW_ORIENTED_VALUE(name, read, write) \
    Oriented(all, GroupedName(#name), false, [] { return OrientedValue("Get" #name, "Set" #name, #name); });
#define NW_SPECIAL_TEXT(...)
#define NW_FUNCTION(...)
#define NW_PASSWORD_TEXT(name, row, ...) \
    add(Registry("Get" #name, "Set" #name, row, Shape::RegistryText, Kind::Password));
#define NW_ROW_TEXT(name, row, ...) add(Registry("Get" #name, "Set" #name, row, Shape::RegistryText));
#include "exports/special_settings.def"
#undef NW_FUNCTION

    // The function rows of the table above name their row only inside their
    // bodies: their settings are listed here, each with its row.
    add(Registry("GetAntialiasingMode", "SetAntialiasingMode", page::Antialiasing, Shape::RegistryValue));
    add(Toggle(Registry("", "", page::ForceDPIEnabled, Shape::RecordSwitch, Kind::Switch), "IsForcePrinterDPIEnabled",
               "EnableForcePrinterDPI", "DisableForcePrinterDPI"));
    add(Toggle(Registry("", "", page::ForcePaperEnabled, Shape::RecordSwitch, Kind::Switch), "IsForcePaperSizeEnabled",
               "EnableForcePaperSize", "DisableForcePaperSize"));
    add(Registry("GetEmailClientType", "SetEmailClientType", email::ClientType, Shape::RegistryValue));
    add(RegistrySetting("GetPostwellData", "SetPostwellData", email::PostwellData.subKey, email::PostwellData.name,
                        Kind::Hex, Shape::RegistryBlob));
    // The machine's default under HKEY_USERS, changed by administrators only.
    add(Described(GroupOf(subkeys::kFilenameGeneration) + ".use-directory-from-client", Place::Registry,
                  Kind::Switch, Shape::RegistryValue));
    all.back().high = 1;
    all.back().getter = "IsUseDirectoryFromClientEnabled";
    all.back().setter = "SetUseDirectoryFromClient";
    all.back().fallback = "0";
    AddTabs(all);

    // A switch that shares its stem with a text or number of the record
    // ("AnnotationText") is named by its reader: "annotation-text-enabled".
    for (Setting& s : all) {
        if (s.shape != Shape::RecordSwitch) continue;
        const bool shared = std::any_of(all.begin(), all.end(), [&](const Setting& other) {
            return other.shape != Shape::RecordSwitch && other.name == s.name;
        });
        if (shared) s.name = "record." + KebabName(std::string_view(s.getter).substr(2));
    }
    // Another name of one value (GetOCRDLLPath) is one setting.
    std::vector<Setting> unique;
    for (Setting& s : all) {
        const bool seen =
            std::any_of(unique.begin(), unique.end(), [&](const Setting& u) { return u.name == s.name; });
        if (seen) continue;
        const auto named = EnumeratedNames().find(s.name);
        if (named != EnumeratedNames().end()) s.names = named->second;
        unique.push_back(std::move(s));
    }
    return unique;
}

}  // namespace

std::string KebabName(std::string_view text) {
    std::string out;
    auto upper = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
    auto lower = [](char c) { return std::islower(static_cast<unsigned char>(c)) != 0; };
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            if (!out.empty() && out.back() != '-') out += '-';
            continue;
        }
        if (i > 0 && upper(c) && !out.empty() && out.back() != '-') {
            const char prev = text[i - 1];
            const bool nextLower = i + 1 < text.size() && lower(text[i + 1]);
            // "OpenZoom", "PDFCompression", "200Fax"; not "1DRatio" nor "XDPI".
            if (lower(prev) || ((upper(prev) || digit(prev)) && nextLower)) out += '-';
        }
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!out.empty() && out.back() == '-') out.pop_back();
    return out;
}

const std::vector<Setting>& Catalog() {
    static const std::vector<Setting> catalog = BuildCatalog();
    return catalog;
}

const std::vector<NamedValue>* NamesOf(const std::string& name) {
    const auto named = EnumeratedNames().find(name);
    return named == EnumeratedNames().end() ? nullptr : &named->second;
}

const Setting* FindSetting(std::string_view name) {
    for (const Setting& s : Catalog())
        if (s.name == name) return &s;
    return nullptr;
}

std::string Accepts(const Setting& setting) {
    std::string words;
    switch (setting.kind) {
        case Kind::Switch: return "on or off (also 1/0, yes/no, true/false)";
        case Kind::Text:
        case Kind::Password:
            return setting.maxChars == 0 ? "a text" : "a text of at most " + std::to_string(setting.maxChars) +
                                                          " characters";
        case Kind::Font: return FontAccepts();
        case Kind::Area: return "four whole numbers \"left,top,right,bottom\"";
        case Kind::Hex: return "hexadecimal digits, two a byte";
        case Kind::Number: break;
    }
    if (!setting.oneOf.empty()) {
        words = "one of";
        for (std::int32_t v : setting.oneOf) words += " " + std::to_string(v);
    } else {
        words = "a number from " + std::to_string(setting.low) + " to " + std::to_string(setting.high);
    }
    if (!setting.names.empty()) {
        words += ", or";
        for (const NamedValue& n : setting.names) words += std::string(" ") + n.name;
    }
    return words;
}

}  // namespace nwtool
