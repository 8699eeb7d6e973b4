#include "profiles/settings_writer.h"

#include "record/field_bytes.h"
#include "settings/family_tables.h"
#include "settings/key_path.h"

namespace nw::profiles {
namespace {

using namespace nw::accessors;
using namespace nw::settings;

void WriteRows(const ExportContext& out) {
    const NordwispDEVMODE* record = out.record;
#define NW_REC_STEP(name) Export##name(out);
#define NW_REG_STEP(name) Export##name(out);
#define NW_REC_NUMBER(s, k, row) out.Int(s, k, ReadNumber(record, row));
#define NW_REC_FIELD(s, k, field) out.Int(s, k, (field).Read(record));
#define NW_REC_SWITCH(s, k, row) out.Int(s, k, SwitchOn(record, row) ? 1 : 0);
#define NW_REC_SWITCH_OFF(s, k, row) out.Int(s, k, SwitchOn(record, row) ? 0 : 1);
#define NW_REC_CHOICE(s, k, row) out.Int(s, k, GetChoice(record, row));
#define NW_REC_BITS(s, k, word, group) out.Int(s, k, BitIndex(record, word, group));
#define NW_REC_TEXT(s, k, field, chars) out.Text(s, k, (field).Get(record));
#define NW_REG_INT(s, k, row, use) \
    if (KeyUse::use != KeyUse::ImportOnly) out.Int(s, k, ReadSetting(record, row));
#define NW_REG_YESNO(s, k, row, use) \
    if (KeyUse::use != KeyUse::ImportOnly) out.YesNo(s, k, ReadSetting(record, row) != 0);
#define NW_REG_TEXT(s, k, row, chars, use) \
    if (KeyUse::use != KeyUse::ImportOnly) out.Text(s, k, RegistryText(record, row));
#define NW_REG_PASSWORD(s, clearKey, encodedKey, source, chars) \
    out.Text(s, clearKey, WStringView());                        \
    out.Text(s, encodedKey, EncodePassword(ReadPassword(record, source)));
#define NW_REG_STRUCT(s, k, row, use) \
    if (KeyUse::use != KeyUse::ImportOnly) ExportBlob(out, s, k, row);
#define NW_REG_NAMES(s, list) ExportNames(out, s, list);
#define NW_REG_FONT(s, prefix, owner) ExportFont(out, s, prefix, owner);
#include "profiles/settings_file_keys.def"
#include "profiles/settings_file_rows_end.h"
}

}  // namespace

void ExportContext::Int(const WCHAR* section, const WCHAR* key, std::int32_t value) const {
    writers.integer(section, key, value, file);
}

void ExportContext::Text(const WCHAR* section, const WCHAR* key, WStringView text) const {
    const WString value(text);
    writers.text(section, key, value.c_str(), file);
}

void ExportContext::YesNo(const WCHAR* section, const WCHAR* key, bool on) const {
    writers.text(section, key, on ? W("Yes") : W("No"), file);
}

void ExportContext::Struct(const WCHAR* section, const WCHAR* key, const void* data, UINT size) const {
    writers.structure(section, key, const_cast<void*>(data), size, file);
}

SettingsWriters ProfileFunctionWriters() {
    return SettingsWriters{&::WritePrivateProfileStringW, &papers::WritePrivateProfileInt,
                           &::WritePrivateProfileStructW};
}

int WriteSettingsToIni(const NordwispDEVMODE* record, const WCHAR* file, int singleConnection,
                       const SettingsWriters& writers) {
    if (record == nullptr || file == nullptr) return 0;
    const ExportContext out{record, file, singleConnection != 0, writers};
    WriteRows(out);
    return 1;
}

int ExportSettingsToIniFile(const NordwispDEVMODE* record, const WCHAR* file) {
    if (record == nullptr || file == nullptr) return 0;
    SettingsFile document(file);
    {
        BindSettingsFile bind(document);
        WriteSettingsToIni(record, file, 0,
                           SettingsWriters{&WriteTextToSettingsFile, &WriteIntToSettingsFile,
                                           &WriteStructToSettingsFile});
    }
    document.Commit();
    return 1;
}

}  // namespace nw::profiles
