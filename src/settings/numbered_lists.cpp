#include "settings/numbered_lists.h"

#include <array>

#include "platform/handles.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

// Entry names are numbers; anything longer is not an entry of ours.
constexpr DWORD kEntryNameCapacity = 260;
// Entry names are read through 520 bytes: 259 characters and a terminator.
constexpr DWORD kNameBytes = 520;
static_assert(kMaxNameChars * sizeof(WCHAR) < kNameBytes);

bool OpenParent(const NordwispDEVMODE* record, const NumberedList& list, REGSAM access, RegistryKey& key) {
    PrinterKey printerKey;
    if (!ResolvePrinterKey(record, HKEY_CURRENT_USER, kVendorKey, list.parent, printerKey)) return false;
    return ::RegOpenKeyExW(printerKey.root, printerKey.path.c_str(), 0, access, key.put()) == ERROR_SUCCESS;
}

DWORD SubKeyCount(HKEY key) {
    DWORD count = 0;
    if (::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return count;
}

// The subkey name at an enumeration index; false past the end.
bool EntryNameAt(HKEY parent, DWORD index, std::array<WCHAR, kEntryNameCapacity>& name) {
    name.fill(0);
    DWORD length = kEntryNameCapacity;
    return ::RegEnumKeyExW(parent, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The entry's name value, through the parent opened once for the whole walk.
bool EntryNameEquals(HKEY parent, const WCHAR* entry, const WCHAR* nameValue, const WCHAR* wanted) {
    RegistryKey key;
    if (::RegOpenKeyExW(parent, entry, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return false;
    std::array<WCHAR, kNameBytes / sizeof(WCHAR) + 1> name{};
    DWORD size = kNameBytes;
    if (::RegQueryValueExW(key.get(), nameValue, nullptr, nullptr, reinterpret_cast<BYTE*>(name.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    return CompareNoCase(name.data(), wanted) == 0;
}

}  // namespace

WString EntrySubKey(const WCHAR* parent, std::int32_t number) {
    return JoinKey(parent, DecimalText(number));
}

std::int32_t CountEntries(const NordwispDEVMODE* record, const NumberedList& list) {
    RegistryKey parent;
    if (!OpenParent(record, list, KEY_READ, parent)) return 0;
    return static_cast<std::int32_t>(SubKeyCount(parent.get()));
}

std::int32_t EntryAt(const NordwispDEVMODE* record, const NumberedList& list, std::int32_t index) {
    if (index < 0) return 0;
    RegistryKey parent;
    if (!OpenParent(record, list, KEY_READ, parent)) return 0;
    std::array<WCHAR, kEntryNameCapacity> name{};
    if (!EntryNameAt(parent.get(), static_cast<DWORD>(index), name)) return 0;
    return DecimalToInt(name.data());
}

std::int32_t FindEntry(const NordwispDEVMODE* record, const NumberedList& list, const WCHAR* name) {
    if (name == nullptr) return 0;
    RegistryKey parent;
    if (!OpenParent(record, list, KEY_READ, parent)) return 0;
    const DWORD count = SubKeyCount(parent.get());
    std::array<WCHAR, kEntryNameCapacity> entry{};
    for (DWORD index = 0; index < count; ++index) {
        if (!EntryNameAt(parent.get(), index, entry)) break;
        const std::int32_t number = DecimalToInt(entry.data());
        if (number > 0 && EntryNameEquals(parent.get(), entry.data(), list.nameValue, name)) return number;
    }
    return 0;
}

std::int32_t AddEntry(const NordwispDEVMODE* record, const NumberedList& list, const WCHAR* name) {
    // A longer name could never be found again.
    if (name == nullptr || TextLength(name) > kMaxNameChars) return 0;
    // The lowest number whose subkey cannot be opened; among count + 1
    // numbers one is always free.
    std::int32_t number = 1;
    RegistryKey parent;
    if (OpenParent(record, list, KEY_READ, parent)) {
        const DWORD count = SubKeyCount(parent.get());
        for (; static_cast<DWORD>(number) <= count; ++number) {
            RegistryKey probe;
            if (::RegOpenKeyExW(parent.get(), DecimalText(number).c_str(), 0, KEY_READ, probe.put()) != ERROR_SUCCESS)
                break;
        }
    }
    // Writing the name creates the entry.
    const WString entry = EntrySubKey(list.parent, number);
    return WritePrinterString(record, kVendorKey, entry.c_str(), list.nameValue, name) ? number : 0;
}

int DeleteEntry(const NordwispDEVMODE* record, const NumberedList& list, std::int32_t number) {
    if (number < 1) return 0;
    RegistryKey parent;
    if (!OpenParent(record, list, KEY_READ | KEY_WRITE, parent)) return 0;
    const WString entry = DecimalText(number);
    {
        // Entries hold values only; one with subkeys is not ours to remove.
        RegistryKey key;
        if (::RegOpenKeyExW(parent.get(), entry.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return 0;
        if (SubKeyCount(key.get()) != 0) return 0;
    }
    return ::RegDeleteKeyW(parent.get(), entry.c_str()) == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace nw::settings
