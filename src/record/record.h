// The record is bytes: its fields are read and written through typed
// descriptors (offset, width) with memcpy, never through pointers to packed
// members.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::record {

inline constexpr std::size_t kPublicSize = NW_DEVMODE_PUBLIC_SIZE;
inline constexpr std::size_t kPrivateSize = NW_DEVMODE_PRIVATE_SIZE;
inline constexpr std::size_t kRecordSize = NW_DEVMODE_SIZE;
inline constexpr std::uint16_t kSupportedDriverVersion = NW_SUPPORTED_DRIVER_VERSION;

inline std::uint8_t* Bytes(NordwispDEVMODE* record) { return reinterpret_cast<std::uint8_t*>(record); }
inline const std::uint8_t* Bytes(const NordwispDEVMODE* record) {
    return reinterpret_cast<const std::uint8_t*>(record);
}

// A scalar field of type T at a fixed offset.
template <class T>
struct Field {
    std::size_t offset;

    T Get(const NordwispDEVMODE* record) const {
        T value;
        std::memcpy(&value, Bytes(record) + offset, sizeof(T));
        return value;
    }
    void Set(NordwispDEVMODE* record, T value) const { std::memcpy(Bytes(record) + offset, &value, sizeof(T)); }
};

// A UTF-16 text field; capacity in units, terminator included.
struct TextField {
    std::size_t offset;
    std::size_t capacity;

    // The text in place. Text fields start at even offsets but the record
    // block itself may not be aligned for the caller, so use with care.
    WCHAR* Data(NordwispDEVMODE* record) const { return reinterpret_cast<WCHAR*>(Bytes(record) + offset); }
    const WCHAR* Data(const NordwispDEVMODE* record) const {
        return reinterpret_cast<const WCHAR*>(Bytes(record) + offset);
    }
    // Characters before the first zero, never past the capacity.
    std::size_t Length(const NordwispDEVMODE* record) const {
        const std::uint8_t* p = Bytes(record) + offset;
        for (std::size_t i = 0; i < capacity; ++i) {
            WCHAR c;
            std::memcpy(&c, p + i * sizeof(WCHAR), sizeof(WCHAR));
            if (c == 0) return i;
        }
        return capacity;
    }
    WString Get(const NordwispDEVMODE* record) const {
        WString text(Length(record), 0);
        if (!text.empty()) std::memcpy(text.data(), Bytes(record) + offset, text.size() * sizeof(WCHAR));
        return text;
    }
    // The whole field as bytes, what follows the terminator included.
    std::vector<std::uint8_t> RawBytes(const NordwispDEVMODE* record) const {
        const std::uint8_t* p = Bytes(record) + offset;
        return {p, p + capacity * sizeof(WCHAR)};
    }
    void SetRawBytes(NordwispDEVMODE* record, const std::vector<std::uint8_t>& bytes) const {
        std::memcpy(Bytes(record) + offset, bytes.data(), std::min(bytes.size(), capacity * sizeof(WCHAR)));
    }
    // Stores at most capacity-1 characters and zero-fills the rest of the field.
    void Set(NordwispDEVMODE* record, WStringView text) const {
        const std::size_t n = text.size() < capacity ? text.size() : capacity - 1;
        std::uint8_t* p = Bytes(record) + offset;
        std::memset(p, 0, capacity * sizeof(WCHAR));
        if (n) std::memcpy(p, text.data(), n * sizeof(WCHAR));
    }
};

#define NW_RECORD_FIELD(type, member) ::nw::record::Field<type>{offsetof(NordwispDEVMODE, member)}
#define NW_RECORD_TEXT(member) \
    ::nw::record::TextField{offsetof(NordwispDEVMODE, member), sizeof(NordwispDEVMODE::member) / sizeof(NWCHAR)}

inline constexpr auto DriverVersion = NW_RECORD_FIELD(std::uint16_t, DM.dmDriverVersion);
inline constexpr auto Size = NW_RECORD_FIELD(std::uint16_t, DM.dmSize);
inline constexpr auto DriverExtra = NW_RECORD_FIELD(std::uint16_t, DM.dmDriverExtra);
inline constexpr auto PrintQuality = NW_RECORD_FIELD(std::int16_t, DM.dmPrintQuality);
inline constexpr auto YResolution = NW_RECORD_FIELD(std::int16_t, DM.dmYResolution);
inline constexpr auto Options = NW_RECORD_FIELD(std::uint32_t, Options);
inline constexpr auto PackedResolution = NW_RECORD_FIELD(std::uint32_t, PackedResolution);
inline constexpr auto PrinterType = NW_RECORD_FIELD(std::uint32_t, PrinterType);
inline constexpr auto PrinterID = NW_RECORD_FIELD(std::uint32_t, PrinterID);
inline constexpr auto PrinterFlags = NW_RECORD_FIELD(std::uint32_t, PrinterFlags);
inline constexpr auto Manufacturer = NW_RECORD_TEXT(Manufacturer);
// The user's SID text, naming the protected-mode view of the printer key.
inline constexpr auto UserKeyName = NW_RECORD_TEXT(UserKeyName);
inline constexpr auto OutputDirectory = NW_RECORD_TEXT(OutputDirectory);
inline constexpr auto AnnotationText = NW_RECORD_TEXT(AnnotationText);
inline constexpr auto FileGenerationMethod = NW_RECORD_FIELD(std::uint32_t, FileGenerationMethod);
// With file-generation method 7 this field holds the custom file-name template.
inline constexpr auto ImageFileName = NW_RECORD_TEXT(ImageFileName);

// PrinterFlags bit: the caller runs in protected mode, whose registry
// writes land in a view of HKEY_CURRENT_USER.
inline constexpr std::uint32_t kPrinterFlagProtectedMode = 0x1u;

// Options bit: PackedResolution is recomputed on save.
inline constexpr std::uint32_t kOptionPackedResolution = 0x1000000u;

// A block is a record of this layout when its two sizes add up.
inline bool IsValid(const NordwispDEVMODE* record) {
    return record != nullptr && static_cast<std::size_t>(Size.Get(record)) + DriverExtra.Get(record) == kRecordSize;
}

struct Dpi {
    int x;
    int y;
};

// Resolution codes and out-of-range values mapped to dots per inch; -6 and
// -5 are the two fax resolutions.
inline Dpi MapResolution(int value) {
    switch (value) {
        case -6: return {204, 196};
        case -5: return {204, 98};
        case -4: return {600, 600};
        case -3: return {300, 300};
        case -2: return {200, 200};
        case -1: return {100, 100};
        default: break;
    }
    if (value >= 50 && value <= 3000) return {value, value};
    return {300, 300};
}

// X DPI from dmPrintQuality and Y DPI from dmYResolution, each through the map.
inline Dpi RecordDpi(const NordwispDEVMODE* record) {
    return {MapResolution(PrintQuality.Get(record)).x, MapResolution(YResolution.Get(record)).y};
}

}  // namespace nw::record
