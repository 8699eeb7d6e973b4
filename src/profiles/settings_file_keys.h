// What the rows of settings_file_keys.def need: the contexts the export,
// DefaultEnvironment and the import walk the rows with, the sources of the
// password pairs and annotation bit groups, and the irregular steps.
#pragma once

#include <cstdint>

#include "accessors/numeric_accessors.h"
#include "accessors/page_geometry.h"
#include "accessors/switch_accessors.h"
#include "papers/resolution_list.h"
#include "record/field_bytes.h"
#include "settings/family_tables.h"
#include "profiles/settings_file.h"
#include "settings/fonts.h"
#include "settings/list_tables.h"

namespace nw::profiles {

using TextWriter = BOOL(WINAPI*)(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);
using IntWriter = papers::ProfileIntWriter;
using StructWriter = BOOL(WINAPI*)(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR file);

struct SettingsWriters {
    TextWriter text;
    IntWriter integer;
    StructWriter structure;
};

// Where the general writer writes.
struct ExportContext {
    const NordwispDEVMODE* record;
    const WCHAR* file;
    bool singleConnection;
    SettingsWriters writers;

    void Int(const WCHAR* section, const WCHAR* key, std::int32_t value) const;
    void Text(const WCHAR* section, const WCHAR* key, WStringView text) const;
    void YesNo(const WCHAR* section, const WCHAR* key, bool on) const;
    void Struct(const WCHAR* section, const WCHAR* key, const void* data, UINT size) const;
};

// What DefaultEnvironment and the import read from.
struct ImportContext {
    HANDLE printer;
    NordwispDEVMODE* record;
    const SettingsFile& file;
    std::uint32_t capabilities;

    // The current value as default.
    std::int32_t Int(const WCHAR* section, const WCHAR* key, std::int32_t current) const;
    WString Text(const WCHAR* section, const WCHAR* key, WStringView current, DWORD chars) const;
    // A yes/no text: missing or empty leaves `current`; "Yes" in any case
    // is on, any other text off.
    bool YesNo(const WCHAR* section, const WCHAR* key, bool current) const;
};

enum class KeyUse : std::uint8_t { Both, ExportOnly, ImportOnly };

// A password kept by the settings store, handed over in clear.
struct PasswordSource {
    int (*read)(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size);
    int (*write)(const NordwispDEVMODE* record, const WCHAR* text);
};
extern const PasswordSource kPdfUserPassword;
extern const PasswordSource kPdfOwnerPassword;
extern const PasswordSource kSharePointPassword;
extern const PasswordSource kSmtpPassword;
extern const PasswordSource kFtpPassword;
extern const PasswordSource kFtpProxyPassword;

// A group of bits of one flag word of which one is meant to be set; the
// settings file holds the index of the set one.
struct BitGroup {
    const std::uint32_t* bits;
    std::size_t count;
};
extern const BitGroup kAnnotationDateFormats;
extern const BitGroup kAnnotationTimeFormats;
extern const BitGroup kAnnotationBackgrounds;
extern const BitGroup kAnnotationPositions;
extern const BitGroup kAnnotationUnits;

// The text of a stored password, empty when unreadable.
WString ReadPassword(const NordwispDEVMODE* record, const PasswordSource& source);
// The encoded key's text; characters above U+00FF cannot be encoded and
// give an empty text.
WString EncodePassword(WStringView clear);

// `ReadPasswordPair`: the password of a clear / encoded key pair into
// buffer (size characters, terminator included). Returns 1 when a
// password was found (clear, or encoded and decodable), else 0 with the
// buffer unchanged.
int ReadPasswordPair(WCHAR* buffer, DWORD size, const WCHAR* clearKey, DWORD clearChars, const WCHAR* encodedKey,
                     DWORD encodedChars, const WCHAR* section, const SettingsFile& file);

// Texts longer than this are not settings.
inline constexpr DWORD kTextLimitBytes = 64 * 1024;

// A switch as its Enable export sees it (an inverted bit is on when clear).
bool SwitchOn(const NordwispDEVMODE* record, const accessors::Switch& row);
// The index of the first set bit of a group, -1 when none is.
std::int32_t BitIndex(const NordwispDEVMODE* record, const record::FieldBytes& word, const BitGroup& group);
// A registry text, empty when missing or longer than kTextLimitBytes.
WString RegistryText(const NordwispDEVMODE* record, const settings::TextValue& row);

// A registry row read back: the file's value, the current one as default,
// stored only when it differs.
template <class Row>
void ImportNumber(const ImportContext& in, const WCHAR* section, const WCHAR* key, const Row& row) {
    const std::int32_t current = settings::ReadSetting(in.record, row);
    const std::int32_t value = in.Int(section, key, current);
    if (value != current) settings::WriteSetting(in.record, row, value);
}
void ImportText(const ImportContext& in, const WCHAR* section, const WCHAR* key, const settings::TextValue& row,
                DWORD chars);

// Steps 11 and 12 of a record's defaults: the forced resolution when
// Options asks for it, and no physical page offsets.
void StoreForcedResolutionAndOffsets(NordwispDEVMODE* record);

// Shared shapes of rows.
void ImportPassword(const ImportContext& in, const WCHAR* section, const WCHAR* clearKey, const WCHAR* encodedKey,
                    const PasswordSource& source, DWORD chars);
void ExportBlob(const ExportContext& out, const WCHAR* section, const WCHAR* key, const settings::BlobValue& row);
void ImportBlob(const ImportContext& in, const WCHAR* section, const WCHAR* key, const settings::BlobValue& row);
void ExportNames(const ExportContext& out, const WCHAR* section, const settings::NameList& list);
void ImportNames(const ImportContext& in, const WCHAR* section, const settings::NameList& list);
void ExportFont(const ExportContext& out, const WCHAR* section, const WCHAR* prefix, settings::FontOwner owner);
void ImportFont(const ImportContext& in, const WCHAR* section, const WCHAR* prefix, settings::FontOwner owner);

// The colour rule of a "BitsPerPixel" text: bits per pixel, colour depth
// and dmColor (capability bit 1 forces monochrome).
void ApplyColorText(NordwispDEVMODE* record, WStringView text, std::uint32_t capabilities);

// The start-application parameter codes from one character per position
// ("0" to "9", "A" to "G"); positions past the text get 0.
void SetStartParamCodesFromText(NordwispDEVMODE* record, WStringView text);

// The record rows of the table over a record, each with the record's value
// as its default (DefaultEnvironment's first steps).
void ApplyRecordRows(const ImportContext& in);

// The irregular steps of the table.
#define NW_REC_STEP(name)                             \
    void Export##name(const ExportContext& out);      \
    void Apply##name(const ImportContext& in);
#define NW_REG_STEP(name)                             \
    void Export##name(const ExportContext& out);      \
    void Import##name(const ImportContext& in);
#include "profiles/settings_file_keys.def"
#include "profiles/settings_file_rows_end.h"

}  // namespace nw::profiles
