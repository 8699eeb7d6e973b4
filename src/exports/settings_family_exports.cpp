// Registry-backed settings: the exports of each row of the registry value
// table, in the row's shape.
#include "nordwisp/NordwispDEVMODE.h"
#include "settings/family_frame.h"
#include "settings/family_tables.h"

using namespace nw::settings;

// Value getter (record) and setter (record, value).
#define NW_VALUE(name, row)                                                                                  \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record) noexcept { return GetValueExport(record, row); } \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {                          \
        return SetExport(record, row, value);                                                               \
    }
// Out getter (record, int*) and setter (record, value).
#define NW_OUT(name, row)                                                                        \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, int* value) noexcept {        \
        return GetOutExport(record, row, value);                                                 \
    }                                                                                            \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {              \
        return SetExport(record, row, value);                                                   \
    }
// The same shape; the record is not const, as the decorated names say.
#define NW_OUT_DECORATED(name, row)                                                              \
    extern "C" int NW_API Get##name(NordwispDEVMODE* record, int* value) noexcept {              \
        return GetOutExport(record, row, value);                                                 \
    }                                                                                            \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int value) noexcept {              \
        return SetExport(record, row, value);                                                   \
    }
// Switch getter (record) and its setter.
#define NW_REGISTRY_SWITCH(isName, setName, row)                                                           \
    extern "C" int NW_API isName(const NordwispDEVMODE* record) noexcept { return IsExport(record, row); } \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int value) noexcept {                           \
        return SetExport(record, row, value);                                                              \
    }
// Text getter (record, buffer, size), setter (record, text) and their ANSI
// forms; the getter's size counts bytes, or characters for NW_TEXT_CHARS.
#define NW_TEXT_WITH(name, row, getText)                                                                  \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) noexcept {  \
        return getText(record, row, buffer, size);                                                        \
    }                                                                                                     \
    extern "C" int NW_API Get##name##A(const NordwispDEVMODE* record, char* buffer, int* size) noexcept { \
        return GetTextAnsi(buffer, size, [&](NWCHAR* wide, int* units) { return Get##name(record, wide, units); }); \
    }                                                                                                     \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, const NWCHAR* text) noexcept {               \
        return SetTextExport(record, row, text);                                                          \
    }                                                                                                     \
    extern "C" int NW_API Set##name##A(NordwispDEVMODE* record, const char* text) noexcept {              \
        return SetTextAnsi(text, [&](const NWCHAR* wide) { return Set##name(record, wide); });            \
    }
#define NW_TEXT(name, row) NW_TEXT_WITH(name, row, GetTextExport)
#define NW_TEXT_CHARS(name, row) NW_TEXT_WITH(name, row, GetTextCharsExport)
#include "settings/registry_values.def"
