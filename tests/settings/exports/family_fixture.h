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

inline constexpr WCHAR kFamilyPrinter[] = W("Family Printer");

// The printer's feature subkey, such as "Pdf Settings".
inline WString FamilyKey(const WCHAR* subKey) { return PrinterKey(kFamilyPrinter, subKey); }
inline std::optional<RawValue> Raw(const WCHAR* subKey, const WCHAR* name) {
    return ReadRaw(HKEY_CURRENT_USER, FamilyKey(subKey), name);
}
inline WString Text(const WCHAR* subKey, const WCHAR* name) { return StoredText(FamilyKey(subKey), name); }
inline std::optional<DWORD> Dword(const WCHAR* subKey, const WCHAR* name) {
    return StoredDword(FamilyKey(subKey), name);
}
inline void PlantText(const WCHAR* subKey, const WCHAR* name, WStringView text) {
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
WString ReadBack(Getter getter, const NordwispDEVMODE* record, int bufferBytes = 1024) {
    std::vector<NWCHAR> buffer(static_cast<std::size_t>(bufferBytes) / 2 + 1, 0);
    int size = bufferBytes;
    if (!getter(record, buffer.data(), &size)) return W("<failed>");
    return WString(buffer.data(), static_cast<std::size_t>(size) / 2);
}

// The header, footer and PDF open-option pairs. The 64-bit Windows DLL
// exports them only under the names Microsoft's C++ compiler gives them, so
// there a test finds them by those names, as such a caller's linker does.
#if defined(_WIN32)
using OutGetter = int(NW_API*)(NordwispDEVMODE*, int*);
using OutSetter = int(NW_API*)(NordwispDEVMODE*, int);
template <class Function>
Function Decorated(const char* name, const char* signature) {
    const std::string symbol = std::string("?") + name + "@@YAHPEAUNordwispDEVMODE@@" + signature + "@Z";
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"NordwispDEVMODE.dll"), symbol.c_str())));
}
#define NW_OUT_GETTER(name) (Decorated<OutGetter>(#name, "PEAH"))
#define NW_OUT_SETTER(name) (Decorated<OutSetter>(#name, "H"))
#else
#define NW_OUT_GETTER(name) name
#define NW_OUT_SETTER(name) name
#endif

class FamilyTest : public ::testing::Test {
protected:
    NordwispDEVMODE record_ = MakeRecord(kFamilyPrinter);
    NordwispDEVMODE* rec() { return &record_; }
};

}  // namespace nw::test
