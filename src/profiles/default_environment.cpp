#include "profiles/default_environment.h"

#include "devmode/range_verification.h"
#include "frame/trace.h"
#include "profiles/settings_file_keys.h"
#include "record/field_bytes.h"
#include "settings/family_tables.h"
#include "settings/key_path.h"
#include "settings/save_as_defaults.h"

namespace nw::profiles {
namespace {

using namespace nw::accessors;
using namespace nw::settings;

void SetBitIndex(NordwispDEVMODE* record, const record::FieldBytes& word, const BitGroup& group, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= group.count) return;
    std::uint32_t bits = word.ReadBits(record);
    // Already chosen: the group's other bits, which the flag word just
    // read set, stay as they are.
    if (bits & group.bits[index]) return;
    for (std::size_t i = 0; i < group.count; ++i) bits &= ~group.bits[i];
    word.Write(record, bits | group.bits[index]);
}

template <class Row>
void ImportYesNo(const ImportContext& in, const WCHAR* section, const WCHAR* key, const Row& row) {
    const bool current = ReadSetting(in.record, row) != 0;
    const bool on = in.YesNo(section, key, current);
    if (on != current) WriteSetting(in.record, row, on ? 1 : 0);
}

}  // namespace

void ApplyRecordRows(const ImportContext& in) {
    NordwispDEVMODE* record = in.record;
#define NW_REC_STEP(name) Apply##name(in);
#define NW_REC_NUMBER(s, k, row) WriteNumber(record, row, in.Int(s, k, ReadNumber(record, row)));
#define NW_REC_FIELD(s, k, field) (field).Write(record, static_cast<std::uint32_t>(in.Int(s, k, (field).Read(record))));
#define NW_REC_SWITCH(s, k, row) WriteSwitch(record, row, in.Int(s, k, SwitchOn(record, row) ? 1 : 0) != 0);
#define NW_REC_SWITCH_OFF(s, k, row) WriteSwitch(record, row, in.Int(s, k, SwitchOn(record, row) ? 0 : 1) == 0);
#define NW_REC_CHOICE(s, k, row) SetChoice(record, row, in.Int(s, k, GetChoice(record, row)));
#define NW_REC_BITS(s, k, word, group) SetBitIndex(record, word, group, in.Int(s, k, BitIndex(record, word, group)));
#define NW_REC_TEXT(s, k, field, chars) (field).Set(record, in.Text(s, k, (field).Get(record), chars));
#include "profiles/settings_file_keys.def"
#include "profiles/settings_file_rows_end.h"
}

namespace {

void ImportRegistryRows(const ImportContext& in) {
#define NW_REG_STEP(name) Import##name(in);
#define NW_REG_INT(s, k, row, use) \
    if (KeyUse::use != KeyUse::ExportOnly) ImportNumber(in, s, k, row);
#define NW_REG_YESNO(s, k, row, use) \
    if (KeyUse::use != KeyUse::ExportOnly) ImportYesNo(in, s, k, row);
#define NW_REG_TEXT(s, k, row, chars, use) \
    if (KeyUse::use != KeyUse::ExportOnly) ImportText(in, s, k, row, chars);
#define NW_REG_PASSWORD(s, clearKey, encodedKey, source, chars) \
    ImportPassword(in, s, clearKey, encodedKey, source, chars);
#define NW_REG_STRUCT(s, k, row, use) \
    if (KeyUse::use != KeyUse::ExportOnly) ImportBlob(in, s, k, row);
#define NW_REG_NAMES(s, list) ImportNames(in, s, list);
#define NW_REG_FONT(s, prefix, owner) ImportFont(in, s, prefix, owner);
#include "profiles/settings_file_keys.def"
#include "profiles/settings_file_rows_end.h"
}

// Files written by drivers before 14.56 kept the text output format in
// Options bits.
void ApplyDriverVersionRules(const ImportContext& in) {
    const std::int32_t major = in.Int(W("Profile"), W("Driver major version"), 0);
    const std::int32_t minor = in.Int(W("Profile"), W("Driver minor version"), 0);
    if (major < 1 || major > 14 || (major == 14 && minor > 55)) return;
    const std::uint32_t options = record::Options.Get(in.record);
    if (options & 0x200) {
        WriteSwitch(in.record, switches::WriteText, true);
        WriteNumber(in.record, numbers::TextOutputFormat, 1);
    } else {
        WriteNumber(in.record, numbers::TextOutputFormat, 0);
    }
    WriteNumber(in.record, numbers::TextOutputEncoding, (options & 0x80) ? 2 : 0);
}

}  // namespace

void ImportSettings(const SettingsFile& file, HANDLE printer, NordwispDEVMODE* record, DWORD capabilities) {
    if (record == nullptr) return;
    ImportRegistryRows(ImportContext{printer, record, file, capabilities});
}

void ImportSettings(const WCHAR* file, NordwispDEVMODE* record, DWORD capabilities) {
    const SettingsFile document(file);
    ImportSettings(document, nullptr, record, capabilities);
}

void DefaultEnvironment(HANDLE printer, const WCHAR* file, NordwispDEVMODE* record, DWORD capabilities) {
    if (record == nullptr) return;
    const SettingsFile document(file);
    const ImportContext in{printer, record, document, capabilities};
    ApplyRecordRows(in);
    ApplyDriverVersionRules(in);
    if ((capabilities & 0x10) == 0) record::Options.Set(record, record::Options.Get(record) & 0x8FFFFFFFu);
    Trace(W("DefaultEnvironment: lpDevMode->NwMode: %d"), static_cast<std::int32_t>(record::Options.Get(record)));
    Trace(W("VerifyDevmodeRange calling (1)."));
    VerifyDevModeRange(printer, record, 0, capabilities);
    StoreForcedResolutionAndOffsets(record);
    ImportSettings(document, printer, record, capabilities);
    DeleteSaveAsDefaults(record);
}

}  // namespace nw::profiles
