// nwdevmode show PRINTER [--json] : the main fields of the printer's record
// as the current user loads it.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "catalog.h"
#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace nwtool {
namespace {

enum class FieldKind { Signed, Unsigned, Hex, Text };

// One shown field: its label, its JSON key and where it sits in the record.
struct ShowField {
    const char* label;
    const char* key;
    std::size_t offset;
    std::size_t width;  // bytes, or UTF-16 units for text
    FieldKind kind;
    bool privatePart;  // only in a record of this driver
};

#define NW_MEMBER_SIZE(member) sizeof(static_cast<const NordwispDEVMODE*>(nullptr)->member)
#define NW_SHOW(label, key, member, kind, priv) \
    ShowField { label, key, offsetof(NordwispDEVMODE, member), NW_MEMBER_SIZE(member), FieldKind::kind, priv }
#define NW_SHOW_TEXT(label, key, member, priv)                                                              \
    ShowField {                                                                                             \
        label, key, offsetof(NordwispDEVMODE, member), NW_MEMBER_SIZE(member) / sizeof(NWCHAR), FieldKind::Text, \
            priv                                                                                            \
    }

const ShowField kFields[] = {
    NW_SHOW_TEXT("Device name", "deviceName", DM.dmDeviceName, false),
    NW_SHOW("Driver version", "driverVersion", DM.dmDriverVersion, Unsigned, false),
    NW_SHOW("Fields", "fields", DM.dmFields, Hex, false),
    NW_SHOW("Orientation", "orientation", DM.dmOrientation, Signed, false),
    NW_SHOW("Paper size", "paperSize", DM.dmPaperSize, Signed, false),
    NW_SHOW("Paper width (0.1 mm)", "paperWidth", DM.dmPaperWidth, Signed, false),
    NW_SHOW("Paper length (0.1 mm)", "paperLength", DM.dmPaperLength, Signed, false),
    NW_SHOW("Scale (%)", "scale", DM.dmScale, Signed, false),
    NW_SHOW("Copies", "copies", DM.dmCopies, Signed, false),
    NW_SHOW("Print quality", "printQuality", DM.dmPrintQuality, Signed, false),
    NW_SHOW("Y resolution", "yResolution", DM.dmYResolution, Signed, false),
    NW_SHOW("Color", "color", DM.dmColor, Signed, false),
    NW_SHOW("Bits per pixel", "bitsPerPel", DM.dmBitsPerPel, Unsigned, false),
    NW_SHOW_TEXT("Manufacturer", "manufacturer", Manufacturer, true),
    NW_SHOW("Printer ID", "printerId", PrinterID, Unsigned, true),
    NW_SHOW("Printer type", "printerType", PrinterType, Unsigned, true),
    NW_SHOW("Printer flags", "printerFlags", PrinterFlags, Hex, true),
    NW_SHOW("Options", "options", Options, Hex, true),
    NW_SHOW("File format", "fileFormat", FileFormat, Unsigned, true),
    NW_SHOW("Color depth", "colorDepth", ColorDepth, Unsigned, true),
    NW_SHOW("Packed resolution", "packedResolution", PackedResolution, Hex, true),
    NW_SHOW("File name method", "fileGenerationMethod", FileGenerationMethod, Unsigned, true),
    NW_SHOW_TEXT("Output directory", "outputDirectory", OutputDirectory, true),
    NW_SHOW_TEXT("Image file name", "imageFileName", ImageFileName, true),
    NW_SHOW_TEXT("File name prefix", "fileNamePrefix", FileNamePrefix, true),
    NW_SHOW_TEXT("File extension", "fileExtension", FileExtension, true),
    NW_SHOW_TEXT("Annotation text", "annotationText", AnnotationText, true),
};
#undef NW_SHOW
#undef NW_SHOW_TEXT
#undef NW_MEMBER_SIZE

const unsigned char* Bytes(const NordwispDEVMODE* record) { return reinterpret_cast<const unsigned char*>(record); }

std::string TextOf(const NordwispDEVMODE* record, const ShowField& field) {
    NwString text;
    for (std::size_t i = 0; i < field.width; ++i) {
        NWCHAR c;
        std::memcpy(&c, Bytes(record) + field.offset + i * sizeof c, sizeof c);
        if (c == 0) break;
        text += c;
    }
    return ToUtf8(text);
}

std::int64_t NumberOf(const NordwispDEVMODE* record, const ShowField& field) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, Bytes(record) + field.offset, field.width);  // little-endian
    if (field.kind != FieldKind::Signed) return raw;
    if (field.width == 2) return static_cast<std::int16_t>(raw);
    return static_cast<std::int32_t>(raw);
}

// The name of an enumerated field's value, as the settings catalog gives it
// ("orientation" is record.orientation); null when it has none.
const char* ValueName(const ShowField& field, std::int64_t value) {
    const std::vector<NamedValue>* names = NamesOf("record." + KebabName(field.key));
    if (names == nullptr) return nullptr;
    for (const NamedValue& n : *names)
        if (n.value == value) return n.name;
    return nullptr;
}

std::string Shown(const NordwispDEVMODE* record, const ShowField& field) {
    if (field.kind == FieldKind::Text) return TextOf(record, field);
    const std::int64_t value = NumberOf(record, field);
    if (const char* name = ValueName(field, value)) return std::to_string(value) + " (" + name + ")";
    if (field.kind != FieldKind::Hex) return std::to_string(value);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08llX", static_cast<unsigned long long>(value));
    return hex;
}

}  // namespace

void PrintRecord(const NordwispDEVMODE* record, const std::string& printer, bool json) {
    const bool valid = static_cast<std::size_t>(record->DM.dmSize) + record->DM.dmDriverExtra == NW_DEVMODE_SIZE;
    nlohmann::ordered_json out;
    out["printer"] = printer;
    out["nordwispRecord"] = valid;
    if (!json) {
        std::printf("%-22s %s\n", "Printer", printer.c_str());
        std::printf("%-22s %s\n", "Record", valid ? "this driver's record" : "not a record of this driver");
    }
    for (const ShowField& field : kFields) {
        if (field.privatePart && !valid) continue;
        if (!json) {
            std::printf("%-22s %s\n", field.label, Shown(record, field).c_str());
        } else if (field.kind == FieldKind::Text) {
            out[field.key] = TextOf(record, field);
        } else {
            out[field.key] = NumberOf(record, field);
            if (const char* name = ValueName(field, NumberOf(record, field))) out[std::string(field.key) + "Name"] = name;
        }
    }
    if (json) std::cout << out.dump(2) << "\n";
}

namespace {

void RunShow(const std::string& printer, bool json) { PrintRecord(LoadRecord(printer).get(), printer, json); }

struct ShowOptions {
    std::string printer;
    bool json = false;
};

void SetupShow(CLI::App& app) {
    auto* show = app.add_subcommand("show", "Show the main fields of a printer's record");
    auto options = std::make_shared<ShowOptions>();
    show->add_option("PRINTER", options->printer, "Printer name")->required();
    show->add_flag("--json", options->json, "Print the fields as a JSON object");
    show->callback([options] { RunShow(options->printer, options->json); });
}

const bool registered = RegisterCommand(&SetupShow);

}  // namespace
}  // namespace nwtool
