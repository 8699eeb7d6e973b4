// The list collections of the printer key: the exports of the list table.
#include <optional>

#include "nordwisp/NordwispDEVMODE.h"
#include "settings/family_frame.h"
#include "settings/name_lists.h"
#include "settings/numbered_lists.h"
#include "settings/passwords.h"
#include "settings/save_as_defaults.h"
#include "settings/stamp_presets.h"

using namespace nw;
using namespace nw::settings;

namespace {

// Connections are numbered from 1; any other number addresses nothing.
bool IsConnection(int connection) { return connection >= 1; }

// How a connection's text is kept: as it is, or scrambled (passwords).
struct TextCodec {
    int (*read)(const NordwispDEVMODE*, const TextValue&, WCHAR*, DWORD*);
    int (*write)(const NordwispDEVMODE*, const TextValue&, const WCHAR*);
};
constexpr TextCodec kPlainText{ReadSetting, WriteSetting};
constexpr TextCodec kScrambledText{ReadHexPassword, WriteHexPassword};

int GetConnectionText(const NordwispDEVMODE* record, int connection, const TextValue& row, const TextCodec& codec,
                      NWCHAR* buffer, int* size) noexcept {
    return GetTextFrame(record, size, [&](DWORD* bytes) {
        return IsConnection(connection) ? codec.read(record, *AtEntry(row, connection), buffer, bytes) : 0;
    });
}

int SetConnectionText(const NordwispDEVMODE* record, int connection, const TextValue& row, const TextCodec& codec,
                      const NWCHAR* text) noexcept {
    return Frame(0, record, [&] {
        return IsConnection(connection) ? codec.write(record, *AtEntry(row, connection), text) : 0;
    });
}

// Number and switch getters store the value, or the row's default when it
// is missing, and say which it was.
bool ReadIfPresent(const NordwispDEVMODE* record, const DecimalValue& row, std::int32_t& value) {
    return ReadDecimalIfPresent(record, row.subKey, row.name, value);
}
bool ReadIfPresent(const NordwispDEVMODE* record, const YesNoValue& row, std::int32_t& value) {
    return ReadYesNoIfPresent(record, row, value);
}
std::int32_t DefaultOf(const DecimalValue& row) { return row.fallback; }
std::int32_t DefaultOf(const YesNoValue& row) { return row.fallback ? 1 : 0; }

template <class Row>
int GetConnectionValue(const NordwispDEVMODE* record, int connection, const Row& row, int* value) noexcept {
    return Frame(0, record, [&] {
        if (value == nullptr || !IsConnection(connection)) return 0;
        std::int32_t read = DefaultOf(row);
        const bool present = ReadIfPresent(record, *AtEntry(row, connection), read);
        *value = present ? read : DefaultOf(row);
        return present ? 1 : 0;
    });
}

template <class Row>
int SetConnectionValue(const NordwispDEVMODE* record, int connection, const Row& row, int value) noexcept {
    return Frame(0, record, [&] {
        return IsConnection(connection) ? WriteSetting(record, *AtEntry(row, connection), value) : 0;
    });
}

int GetNameCount(const NordwispDEVMODE* record, const NameList& list, int* count) noexcept {
    return Frame(0, record, [&] { return count != nullptr ? ReadNameCount(record, list, *count) : 0; });
}

int GetNameItem(const NordwispDEVMODE* record, const NameList& list, NWCHAR* buffer, int* size, int index) noexcept {
    return GetTextFrame(record, size, [&](DWORD* bytes) { return ReadNameItem(record, list, index, buffer, bytes); });
}

}  // namespace

#define NW_CONNECTION_TEXT_WITH(getName, setName, row, codec)                                            \
    extern "C" int NW_API getName(const NordwispDEVMODE* record, int connection, NWCHAR* buffer,          \
                                  int* size) noexcept {                                                   \
        return GetConnectionText(record, connection, row, codec, buffer, size);                           \
    }                                                                                                     \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int connection, const NWCHAR* text) noexcept { \
        return SetConnectionText(record, connection, row, codec, text);                                   \
    }
#define NW_CONNECTION_TEXT(getName, setName, row) NW_CONNECTION_TEXT_WITH(getName, setName, row, kPlainText)
#define NW_CONNECTION_PASSWORD(getName, setName, row) NW_CONNECTION_TEXT_WITH(getName, setName, row, kScrambledText)
#define NW_CONNECTION_VALUE(getName, setName, row)                                                        \
    extern "C" int NW_API getName(const NordwispDEVMODE* record, int connection, int* value) noexcept {   \
        return GetConnectionValue(record, connection, row, value);                                        \
    }                                                                                                     \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int connection, int value) noexcept {          \
        return SetConnectionValue(record, connection, row, value);                                        \
    }
#define NW_CONNECTION_NUMBER(getName, setName, row) NW_CONNECTION_VALUE(getName, setName, row)
#define NW_CONNECTION_SWITCH(isName, setName, row) NW_CONNECTION_VALUE(isName, setName, row)
#define NW_NAME_LIST(count, item, list)                                                                        \
    extern "C" int NW_API Get##count(const NordwispDEVMODE* record, int* value) noexcept {                     \
        return GetNameCount(record, list, value);                                                              \
    }                                                                                                          \
    extern "C" int NW_API Set##count(NordwispDEVMODE* record, int value) noexcept {                            \
        return Frame(0, record, [&] { return WriteNameCount(record, list, value); });                          \
    }                                                                                                          \
    extern "C" int NW_API Get##item(const NordwispDEVMODE* record, NWCHAR* buffer, int* size, int index) noexcept { \
        return GetNameItem(record, list, buffer, size, index);                                                 \
    }                                                                                                          \
    extern "C" int NW_API Set##item(NordwispDEVMODE* record, const NWCHAR* name, int index) noexcept {         \
        return Frame(0, record, [&] { return WriteNameItem(record, list, index, name); });                     \
    }

#include "exports/export_definitions.h"
#include "settings/registry_lists.def"
#undef NW_CONNECTION_TEXT_WITH
#undef NW_CONNECTION_VALUE
