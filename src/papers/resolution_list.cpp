#include "papers/resolution_list.h"

#include <algorithm>
#include <iterator>

#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::papers {

namespace {

constexpr WCHAR kResolutionsKey[] = W("%s\\Resolutions");
constexpr WCHAR kSection[] = W("Resolutions");
constexpr WCHAR kCount[] = W("Number of Resolutions");
// Names are read through a 256-byte buffer.
constexpr DWORD kNameBytes = 256;
constexpr DWORD kMaxResolutions = 65536;

// "%s\Resolutions\<position + 1>", the printer name left for the store.
WString EntryKey(std::size_t position) {
    return WString(kResolutionsKey) + W("\\") + settings::DecimalText(static_cast<std::int64_t>(position) + 1);
}

bool ReadNumber(const NordwispDEVMODE* record, const WString& key, const WCHAR* name, DWORD& value) {
    return ReadPrinterDword(record, settings::kVendorKey, key.c_str(), name, &value) != 0;
}

}  // namespace

bool IsValidResolution(std::int32_t dpi) { return dpi == -1 || (dpi >= 50 && dpi <= 3000); }

int ReadResolutionFromRegistry(ResolutionEntry& entry, const NordwispDEVMODE* record, std::size_t position) {
    if (record == nullptr) return 0;
    const WString key = EntryKey(position);
    // One unit more than the read can fill, so the name always ends.
    WCHAR name[kNameBytes / sizeof(WCHAR) + 1] = {};
    DWORD size = kNameBytes;
    if (!ReadPrinterValue(record, settings::kVendorKey, key.c_str(), W("Name"), name, &size)) return 0;
    // 128 characters fill the buffer with no terminator: not a name it can
    // hold. An entry without a name is not valid either.
    if (name[kNameBytes / sizeof(WCHAR) - 1] != 0 || name[0] == 0) return 0;
    DWORD code = 0;
    ReadNumber(record, key, W("Code"), code);
    DWORD dpiX = 0;
    DWORD dpiY = 0;
    if (!ReadNumber(record, key, W("DPI X"), dpiX) || !IsValidResolution(static_cast<std::int32_t>(dpiX))) return 0;
    if (!ReadNumber(record, key, W("DPI Y"), dpiY) || !IsValidResolution(static_cast<std::int32_t>(dpiY))) return 0;
    DWORD visible = 1;
    DWORD custom = 0;
    ReadNumber(record, key, W("Visible"), visible);
    ReadNumber(record, key, W("Custom"), custom);

    std::fill(std::begin(entry.szName), std::end(entry.szName), WCHAR{0});
    std::copy(std::begin(name), std::end(name), entry.szName);
    entry.nCode = static_cast<std::int32_t>(code);
    entry.nDpiX = static_cast<std::int32_t>(dpiX);
    entry.nDpiY = static_cast<std::int32_t>(dpiY);
    entry.bVisible = visible != 0 ? 1 : 0;
    entry.bCustom = custom != 0 ? 1 : 0;
    return 1;
}

int ReadResolutionsFromRegistry(const NordwispDEVMODE* record, ResolutionList& list) {
    if (record == nullptr) return 0;
    DWORD count = 0;
    if (!ReadPrinterDword(record, settings::kVendorKey, kResolutionsKey, kCount, &count) || count == 0) return 0;
    list.clear();
    // A bogus count must not keep the reader busy for billions of positions.
    const DWORD positions = std::min<DWORD>(count, kMaxResolutions);
    for (DWORD i = 0; i < positions; ++i) {
        ResolutionEntry entry{};
        if (ReadResolutionFromRegistry(entry, record, i)) list.push_back(entry);
    }
    return 1;
}

BOOL WritePrivateProfileInt(LPCWSTR section, LPCWSTR key, int value, LPCWSTR file) {
    if (section == nullptr || key == nullptr || file == nullptr) return FALSE;
    return ::WritePrivateProfileStringW(section, key, settings::DecimalText(value).c_str(), file);
}

int WriteResolutionsToIni(const WCHAR* file, const ResolutionList& list, ProfileStringWriter writeString,
                          ProfileIntWriter writeInt) {
    if (file == nullptr || writeString == nullptr || writeInt == nullptr) return 0;
    bool ok = writeInt(kSection, kCount, static_cast<int>(list.size()), file) != FALSE;
    for (std::size_t i = 0; ok && i < list.size(); ++i) {
        const ResolutionEntry& entry = list[i];
        const WString prefix = W("Resolution") + settings::DecimalText(static_cast<std::int64_t>(i) + 1) + W(" ");
        ok = writeString(kSection, (prefix + W("Name")).c_str(), entry.szName, file) != FALSE;
        const struct {
            const WCHAR* key;
            int value;
        } numbers[] = {
            {W("Code"), entry.nCode},
            {W("DPI X"), entry.nDpiX},
            {W("DPI Y"), entry.nDpiY},
            {W("Visible"), entry.bVisible != 0 ? 1 : 0},
            {W("Custom"), entry.bCustom != 0 ? 1 : 0},
        };
        for (const auto& number : numbers) {
            if (!ok) break;
            ok = writeInt(kSection, (prefix + number.key).c_str(), number.value, file) != FALSE;
        }
    }
    return ok ? 1 : 0;
}

}  // namespace nw::papers
