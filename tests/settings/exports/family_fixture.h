// The registry-backed settings through their exports, on a record of the
// printer "Family Printer": what an export wrote is read from its feature
// subkey directly, and stored values the exports must interpret are planted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/records.h"
#include "support/registry.h"

namespace nw::test {

inline constexpr char16_t kFamilyPrinter[] = u"Family Printer";

// The printer's feature subkey, such as "Pdf Settings".
inline WString FamilyKey(const WCHAR* subKey) { return PrinterKey(kFamilyPrinter, subKey); }
inline std::optional<RawValue> Raw(const WCHAR* subKey, const WCHAR* name) {
    return ReadRaw(HKEY_CURRENT_USER, FamilyKey(subKey), name);
}
inline std::u16string Text(const WCHAR* subKey, const WCHAR* name) { return StoredText(FamilyKey(subKey), name); }
inline std::optional<DWORD> Dword(const WCHAR* subKey, const WCHAR* name) {
    return StoredDword(FamilyKey(subKey), name);
}
inline void PlantText(const WCHAR* subKey, const WCHAR* name, std::u16string_view text) {
    StoreText(FamilyKey(subKey), name, text);
}
inline void PlantDword(const WCHAR* subKey, const WCHAR* name, DWORD value) {
    StoreDword(FamilyKey(subKey), name, value);
}

// What a getter of the (record, int*) shape reads; nothing when it fails.
template <class Getter>
std::optional<int> Read(Getter getter, NordwispDEVMODE* record) {
    int value = 0;
    if (getter(record, &value) != 1) return std::nullopt;
    return value;
}

// Text read back through a text getter of the (record, buffer, size) shape.
template <class Getter>
std::u16string ReadBack(Getter getter, const NordwispDEVMODE* record, int bufferBytes = 1024) {
    std::vector<NWCHAR> buffer(static_cast<std::size_t>(bufferBytes) / 2 + 1, 0);
    int size = bufferBytes;
    if (!getter(record, buffer.data(), &size)) return u"<failed>";
    return std::u16string(buffer.data(), static_cast<std::size_t>(size) / 2);
}

class FamilyTest : public ::testing::Test {
protected:
    NordwispDEVMODE record_ = MakeRecord(kFamilyPrinter);
    NordwispDEVMODE* rec() { return &record_; }
};

}  // namespace nw::test
