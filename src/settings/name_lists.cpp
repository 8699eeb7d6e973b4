#include "settings/name_lists.h"

#include <cstring>

#include "settings/key_path.h"
#include "settings/numbered_lists.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

WString ItemName(const NameList& list, std::int32_t index) {
    return WString(list.itemPrefix) + W(' ') + DecimalText(static_cast<std::int64_t>(index) + 1);
}

constexpr WCHAR kNumberOfFormats[] = W("Number of Formats");
// What one Bates value is read through.
constexpr DWORD kBatesValueBytes = 2048;

// "Number of Formats" sits in the key itself, whatever the format number.
WString BatesSubKey(std::int32_t format, const WCHAR* name) {
    if (CompareNoCase(name, kNumberOfFormats) == 0) return subkeys::kBatesNumbering;
    return EntrySubKey(subkeys::kBatesNumbering, format);
}

bool BatesArgumentsValid(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name) {
    return record != nullptr && format >= 0 && name != nullptr && name[0] != 0;
}

}  // namespace

int ReadNameCount(const NordwispDEVMODE* record, const NameList& list, std::int32_t& count) {
    if (list.countEncoding == CountEncoding::Dword) {
        count = ReadSetting(record, DwordValue{list.subKey, list.countName, 0});
    } else {
        count = ReadSetting(record, DecimalValue{list.subKey, list.countName, 0});
    }
    return 1;
}

int WriteNameCount(const NordwispDEVMODE* record, const NameList& list, std::int32_t count) {
    if (count < 0) return 0;
    if (list.countEncoding == CountEncoding::Dword)
        return WriteSetting(record, DwordValue{list.subKey, list.countName, 0}, count);
    return WriteSetting(record, DecimalValue{list.subKey, list.countName, 0}, count);
}

int ReadNameItem(const NordwispDEVMODE* record, const NameList& list, std::int32_t index, WCHAR* buffer,
                 DWORD* size) {
    if (index < 0) return 0;
    const WString name = ItemName(list, index);
    return ReadPrinterValue(record, kVendorKey, list.subKey, name.c_str(), buffer, size);
}

int WriteNameItem(const NordwispDEVMODE* record, const NameList& list, std::int32_t index, const WCHAR* name) {
    if (index < 0 || name == nullptr) return 0;
    if (list.aliasName != nullptr && CompareNoCase(name, list.aliasName) == 0) name = list.aliasMarker;
    const WString value = ItemName(list, index);
    return WritePrinterString(record, kVendorKey, list.subKey, value.c_str(), name);
}

int ReadBatesSetting(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name, WCHAR* buffer,
                     std::int32_t* chars) {
    if (!BatesArgumentsValid(record, format, name) || buffer == nullptr || chars == nullptr || *chars < 0) return 0;
    const WString subKey = BatesSubKey(format, name);
    WString text;
    if (!ReadWholeText(record, TextValue{subKey.c_str(), name}, kBatesValueBytes, text)) return 0;
    const auto capacity = static_cast<std::size_t>(*chars);
    if (text.size() > capacity) {
        *chars = static_cast<std::int32_t>(text.size());
        return 0;
    }
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size() * sizeof(WCHAR));
    if (text.size() < capacity) buffer[text.size()] = 0;
    *chars = static_cast<std::int32_t>(text.size());
    return 1;
}

int WriteBatesSetting(const NordwispDEVMODE* record, std::int32_t format, const WCHAR* name, const WCHAR* text) {
    if (!BatesArgumentsValid(record, format, name) || text == nullptr) return 0;
    const WString subKey = BatesSubKey(format, name);
    return WritePrinterString(record, kVendorKey, subKey.c_str(), name, text);
}

}  // namespace nw::settings
