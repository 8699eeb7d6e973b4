// Registry-backed settings: one named value of a feature subkey of the
// printer key, in one of five encodings. A row names the subkey template,
// the value, the default a missing value reads as and what the setter
// accepts; one generic reader and writer per encoding does the rest.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// Numbers a setter accepts, compared unsigned: -1 is outside every range
// that starts at 0 or 1.
struct Range {
    std::uint32_t low = 0;
    std::uint32_t high = 0xFFFFFFFFu;

    constexpr bool Accepts(std::int32_t value) const {
        const auto u = static_cast<std::uint32_t>(value);
        return u >= low && u <= high;
    }
};
inline constexpr Range kAnyNumber{};
constexpr Range Between(std::uint32_t low, std::uint32_t high) { return Range{low, high}; }

// REG_SZ holding signed decimal text.
struct DecimalValue {
    const WCHAR* subKey;
    const WCHAR* name;
    std::int32_t fallback;
    Range accepts = kAnyNumber;
};

// How a DWORD getter turns the stored number into its answer.
enum class DwordReading : std::uint8_t {
    Stored,
    ClampPercent,  // signed, cut to 0..100
};

// REG_DWORD.
struct DwordValue {
    const WCHAR* subKey;
    const WCHAR* name;
    std::int32_t fallback;
    Range accepts = kAnyNumber;
    DwordReading reading = DwordReading::Stored;
};

// Which setter arguments write "Yes".
enum class YesWhen : std::uint8_t { One, NonZero };
// How the stored text is judged.
enum class YesReading : std::uint8_t {
    EqualsYes,     // a case variant of "yes" is on, anything else off
    SortsAfterNo,  // on when it sorts after "No" ignoring case
};

// REG_SZ "Yes" or "No".
struct YesNoValue {
    const WCHAR* subKey;
    const WCHAR* name;
    bool fallback;
    YesWhen yesWhen;
    YesReading reading = YesReading::EqualsYes;
};

// REG_SZ without its terminator.
inline constexpr std::uint32_t kAnyLength = 0xFFFFFFFFu;
struct TextValue {
    const WCHAR* subKey;
    const WCHAR* name;
    std::uint32_t maxChars = kAnyLength;
};

// REG_BINARY of a caller-given length.
struct BlobValue {
    const WCHAR* subKey;
    const WCHAR* name;
};

// Readers on a record known not to be null: the stored value, or the row's
// default when the key or value is missing or unreadable.
std::int32_t ReadSetting(const NordwispDEVMODE* record, const DecimalValue& row);
std::int32_t ReadSetting(const NordwispDEVMODE* record, const DwordValue& row);
std::int32_t ReadSetting(const NordwispDEVMODE* record, const YesNoValue& row);

// Writers: 1 when written; 0 when the row refuses the value (nothing is
// written) or the write failed.
int WriteSetting(const NordwispDEVMODE* record, const DecimalValue& row, std::int32_t value);
int WriteSetting(const NordwispDEVMODE* record, const DwordValue& row, std::int32_t value);
int WriteSetting(const NordwispDEVMODE* record, const YesNoValue& row, std::int32_t value);

// Text through the size protocol of ReadPrinterValue (size in bytes).
int ReadSetting(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size);
int WriteSetting(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text);
// The whole text of a value of at most limit bytes, without a stored
// terminator; an empty value reads as empty. False when missing or longer.
bool ReadWholeText(const NordwispDEVMODE* record, const TextValue& row, DWORD limit, WString& text);
int ReadSetting(const NordwispDEVMODE* record, const BlobValue& row, void* buffer, DWORD* size);
int WriteSetting(const NordwispDEVMODE* record, const BlobValue& row, const void* data, DWORD length);

// A decimal value that may be missing: true and the number when present.
bool ReadDecimalIfPresent(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* name,
                          std::int32_t& value);
// A Yes/No value that may be missing: true and 1 or 0 when present.
bool ReadYesNoIfPresent(const NordwispDEVMODE* record, const YesNoValue& row, std::int32_t& value);
// Writes a number as decimal text, unchecked.
int WriteDecimalText(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* name, std::int32_t value);

// The wide-string-to-integer rule: leading blanks, optional sign, digits;
// 0 when there are none.
std::int32_t DecimalToInt(const WCHAR* text);
// Case-insensitive comparison in the manner of _wcsicmp (ASCII letters
// folded to lower case): <0, 0 or >0.
int CompareNoCase(const WCHAR* a, const WCHAR* b);
// Characters before the terminator.
std::size_t TextLength(const WCHAR* text);

}  // namespace nw::settings
