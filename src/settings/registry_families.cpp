#include "settings/registry_families.h"

#include <array>
#include <vector>

#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

// Decimal and Yes/No values are read through at most 16 bytes; one more
// unit keeps a full read terminated.
constexpr DWORD kShortTextBytes = 16;
using ShortText = std::array<WCHAR, kShortTextBytes / sizeof(WCHAR) + 1>;

bool ReadShortText(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* name, ShortText& text) {
    text.fill(0);
    DWORD size = kShortTextBytes;
    return ReadPrinterValue(record, kVendorKey, subKey, name, text.data(), &size) != 0;
}

WCHAR FoldAscii(WCHAR c) { return (c >= 'A' && c <= 'Z') ? static_cast<WCHAR>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t TextLength(const WCHAR* text) {
    std::size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

std::int32_t DecimalToInt(const WCHAR* text) {
    std::size_t i = 0;
    while (text[i] == ' ' || (text[i] >= 9 && text[i] <= 13)) ++i;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x80000000LL) value = 0x80000000LL;  // saturate like the C runtime
    }
    if (negative) value = -value;
    if (value > 0x7FFFFFFFLL) value = 0x7FFFFFFFLL;
    return static_cast<std::int32_t>(value);
}

int CompareNoCase(const WCHAR* a, const WCHAR* b) {
    for (std::size_t i = 0;; ++i) {
        const WCHAR x = FoldAscii(a[i]);
        const WCHAR y = FoldAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

bool ReadDecimalIfPresent(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* name,
                          std::int32_t& value) {
    ShortText text;
    if (!ReadShortText(record, subKey, name, text)) return false;
    value = DecimalToInt(text.data());
    return true;
}

int WriteDecimalText(const NordwispDEVMODE* record, const WCHAR* subKey, const WCHAR* name, std::int32_t value) {
    // Signed decimal, radix 10: at most 11 characters.
    std::array<WCHAR, 12> digits{};
    std::size_t end = digits.size() - 1;
    std::int64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    do {
        digits[--end] = static_cast<WCHAR>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[--end] = '-';
    return WritePrinterString(record, kVendorKey, subKey, name, digits.data() + end);
}

std::int32_t ReadSetting(const NordwispDEVMODE* record, const DecimalValue& row) {
    std::int32_t value = row.fallback;
    ReadDecimalIfPresent(record, row.subKey, row.name, value);
    return value;
}

std::int32_t ReadSetting(const NordwispDEVMODE* record, const DwordValue& row) {
    DWORD stored = static_cast<DWORD>(row.fallback);
    if (!ReadPrinterDword(record, kVendorKey, row.subKey, row.name, &stored)) return row.fallback;
    auto value = static_cast<std::int32_t>(stored);
    if (row.reading == DwordReading::ClampPercent) value = value < 0 ? 0 : (value > 100 ? 100 : value);
    return value;
}

bool ReadYesNoIfPresent(const NordwispDEVMODE* record, const YesNoValue& row, std::int32_t& value) {
    ShortText text;
    if (!ReadShortText(record, row.subKey, row.name, text)) return false;
    if (row.reading == YesReading::SortsAfterNo) {
        value = CompareNoCase(text.data(), W("No")) > 0 ? 1 : 0;
    } else {
        value = CompareNoCase(text.data(), W("yes")) == 0 ? 1 : 0;
    }
    return true;
}

std::int32_t ReadSetting(const NordwispDEVMODE* record, const YesNoValue& row) {
    std::int32_t value = row.fallback ? 1 : 0;
    ReadYesNoIfPresent(record, row, value);
    return value;
}

int WriteSetting(const NordwispDEVMODE* record, const DecimalValue& row, std::int32_t value) {
    if (!row.accepts.Accepts(value)) return 0;
    return WriteDecimalText(record, row.subKey, row.name, value);
}

int WriteSetting(const NordwispDEVMODE* record, const DwordValue& row, std::int32_t value) {
    if (!row.accepts.Accepts(value)) return 0;
    return WritePrinterDword(record, kVendorKey, row.subKey, row.name, static_cast<DWORD>(value));
}

int WriteSetting(const NordwispDEVMODE* record, const YesNoValue& row, std::int32_t value) {
    const bool yes = row.yesWhen == YesWhen::One ? value == 1 : value != 0;
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, yes ? W("Yes") : W("No"));
}

int ReadSetting(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size) {
    return ReadPrinterValue(record, kVendorKey, row.subKey, row.name, buffer, size);
}

int WriteSetting(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) {
    if (text == nullptr) return 0;
    if (row.maxChars != kAnyLength && TextLength(text) > row.maxChars) return 0;
    return WritePrinterString(record, kVendorKey, row.subKey, row.name, text);
}

bool ReadWholeText(const NordwispDEVMODE* record, const TextValue& row, DWORD limit, WString& text) {
    DWORD size = 0;
    if (ReadPrinterValue(record, kVendorKey, row.subKey, row.name, nullptr, &size)) {
        text.clear();  // an empty value
        return true;
    }
    if (size == 0 || size > limit) return false;  // missing, or more than the reader takes
    std::vector<WCHAR> buffer(size / sizeof(WCHAR) + 1, 0);
    if (!ReadPrinterValue(record, kVendorKey, row.subKey, row.name, buffer.data(), &size)) return false;
    text.assign(buffer.data(), size / sizeof(WCHAR));
    // Windows stores the terminator of a text whose writer left it out of
    // the count: it is not part of the text.
    if (!text.empty() && text.back() == 0) text.pop_back();
    return true;
}

int ReadSetting(const NordwispDEVMODE* record, const BlobValue& row, void* buffer, DWORD* size) {
    return ReadPrinterBinary(record, kVendorKey, row.subKey, row.name, buffer, size);
}

int WriteSetting(const NordwispDEVMODE* record, const BlobValue& row, const void* data, DWORD length) {
    return WritePrinterBinary(record, kVendorKey, row.subKey, row.name, data, length);
}

}  // namespace nw::settings
