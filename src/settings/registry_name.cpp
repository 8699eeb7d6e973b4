// Which printer key a record's settings live under: the registered name of
// its PrinterID or its device name, and in a packaged process a private,
// volatile copy of that key.
#include <atomic>
#include <cstring>
#include <vector>

#include "record/record.h"
#include "platform/handles.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

const WCHAR* const kVendorKey = W("SOFTWARE\\Kelmora Works");
const WCHAR* const kMachineDefaultBase = W(".DEFAULT\\SOFTWARE\\Kelmora Works");

namespace {

constexpr WStringView kPrinterIdsKey = W("SOFTWARE\\Kelmora Works\\PrinterIDs\\");
constexpr WStringView kPackageSuffix = W("_Package ");
constexpr WStringView kVolatileCheck = W("VolatileCheck");
constexpr std::size_t kDeviceNameLength = 32;
constexpr auto kDeviceName = record::TextField{0, kDeviceNameLength};

// Looked up by name: older systems have no packages at all.
using PackageFullNameFn = LONG(WINAPI*)(UINT32* length, PWSTR name);

struct PackageState {
    bool packaged = false;
    WString name = W("Unknown");
};

bool ContainsIgnoringCase(WStringView text, WStringView lowerWord) {
    if (lowerWord.size() > text.size()) return false;
    for (std::size_t start = 0; start + lowerWord.size() <= text.size(); ++start) {
        std::size_t i = 0;
        while (i < lowerWord.size()) {
            WCHAR c = text[start + i];
            if (c >= 'A' && c <= 'Z') c = static_cast<WCHAR>(c - 'A' + 'a');
            if (c != lowerWord[i]) break;
            ++i;
        }
        if (i == lowerWord.size()) return true;
    }
    return false;
}

PackageState DetectPackage() {
    PackageState state;
    const auto fullName =
        ModuleFunction<PackageFullNameFn>(::GetModuleHandleW(W("kernel32.dll")), "GetCurrentPackageFullName");
    if (fullName == nullptr) return state;
    UINT32 length = 0;
    if (fullName(&length, nullptr) != ERROR_INSUFFICIENT_BUFFER) return state;
    std::vector<WCHAR> buffer(static_cast<std::size_t>(length) + 1, 0);
    if (fullName(&length, buffer.data()) != ERROR_SUCCESS) return state;
    state.name.assign(buffer.data(), BoundedLength(buffer.data(), buffer.size()));
    // The system settings application runs packaged but shares the
    // ordinary settings.
    state.packaged =
        !(ContainsIgnoringCase(state.name, W("windows")) && ContainsIgnoringCase(state.name, W("controlpanel")));
    return state;
}

const PackageState& Package() {
    static const PackageState state = DetectPackage();
    return state;
}

std::atomic<bool> g_packageCopyMade{false};
std::atomic<bool> g_vendorKeyProbed{false};

// One volatile copy of the printer's key per packaged process, made for
// whichever printer comes first.
void MakePackageCopy(WStringView printerName, const PackageState& package) {
    const WString source = JoinKey(kVendorKey, printerName);
    WString copy = source;
    copy.append(kPackageSuffix).append(package.name);
    RegistryKey created;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, copy.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, created.put(), nullptr) != ERROR_SUCCESS)
        return;
    created.reset();
    CopyRegistryTree(HKEY_CURRENT_USER, source.c_str(), HKEY_CURRENT_USER, copy.c_str(), W(""), REG_OPTION_VOLATILE);
}

// A vendor key left volatile (a packaged process created it first) would
// refuse every non-volatile child: replace it by a non-volatile one.
void ProbeVendorKey() {
    const WString probePath = JoinKey(kVendorKey, kVolatileCheck);
    RegistryKey probe;
    const LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, probePath.c_str(), 0, nullptr,
                                             REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, probe.put(), nullptr);
    if (status == ERROR_SUCCESS) {
        probe.reset();
        ::RegDeleteKeyW(HKEY_CURRENT_USER, probePath.c_str());
        return;
    }
    if (status != ERROR_CHILD_MUST_BE_VOLATILE) return;
    DeleteRegistryTree(HKEY_CURRENT_USER, kVendorKey);
    RegistryKey vendor;
    ::RegCreateKeyExW(HKEY_CURRENT_USER, kVendorKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      vendor.put(), nullptr);
}

}  // namespace

bool ResolvePrinterKey(const NordwispDEVMODE* record, HKEY root, const WCHAR* base, const WCHAR* subKeyTemplate,
                       PrinterKey& key) {
    WCHAR name[kResolvedNameCapacity] = {};
    GetRegistryNameByPrinterID(record, name, kRegistryNameCapacity);
    if (name[0] == 0) return false;
    key.root = root;
    key.options = REG_OPTION_NON_VOLATILE;
    ResolveSettingsKeyName(name, kResolvedNameCapacity, &key.root, &key.options);
    key.subKey = FormatSubKey(subKeyTemplate, WStringView(name, BoundedLength(name, kResolvedNameCapacity)));
    key.path = JoinKey(base, key.subKey);
    return true;
}

}  // namespace nw::settings

namespace nw {

using namespace settings;

void GetRegistryNameByPrinterID(const NordwispDEVMODE* record, WCHAR* name, std::size_t size) {
    if (name == nullptr || size == 0) return;
    std::memset(name, 0, size * sizeof(WCHAR));
    if (record == nullptr) return;
    try {
        const auto id = static_cast<std::int32_t>(record::PrinterID.Get(record));
        // On the stack: every registry-backed setting asks this first.
        WCHAR idKey[kPrinterIdsKey.size() + kDecimalCapacity];
        std::memcpy(idKey, kPrinterIdsKey.data(), kPrinterIdsKey.size() * sizeof(WCHAR));
        WriteDecimal(id, idKey + kPrinterIdsKey.size());
        RegistryKey key;
        bool registered = false;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, idKey, 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
            // One unit short of the buffer, so the name read stays terminated.
            DWORD bytes = static_cast<DWORD>((size - 1) * sizeof(WCHAR));
            registered = ::RegQueryValueExW(key.get(), W("Printer name"), nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(name), &bytes) == ERROR_SUCCESS &&
                         name[0] != 0;
            if (!registered) std::memset(name, 0, size * sizeof(WCHAR));
        }
        if (!registered) {
            const std::size_t length = kDeviceName.Length(record);
            const std::size_t n = length < size - 1 ? length : size - 1;
            std::memcpy(name, kDeviceName.Data(record), n * sizeof(WCHAR));
        }
    } catch (const std::bad_alloc&) {
        std::memset(name, 0, size * sizeof(WCHAR));
        return;
    }
    std::size_t skip = 0;
    while (skip < size && name[skip] == '\\') ++skip;
    if (skip == 0) return;
    const std::size_t rest = BoundedLength(name + skip, size - skip);
    std::memmove(name, name + skip, rest * sizeof(WCHAR));
    std::memset(name + rest, 0, (size - rest) * sizeof(WCHAR));
}

int ResolveSettingsKeyName(WCHAR* name, std::size_t size, HKEY* root, DWORD* options) {
    if (name == nullptr || size == 0 || root == nullptr) return 1;
    try {
        const PackageState& package = Package();
        const std::size_t length = BoundedLength(name, size);
        if (!package.packaged) {
            if (!g_vendorKeyProbed.exchange(true)) ProbeVendorKey();
            return 1;
        }
        if (!g_packageCopyMade.exchange(true)) MakePackageCopy(WStringView(name, length), package);
        if (*root != HKEY_CURRENT_USER) return 1;
        WString suffixed(name, length);
        suffixed.append(kPackageSuffix).append(package.name);
        // A name that cannot take the whole suffix is cut at the buffer's
        // end; it still names a key of this package only.
        const std::size_t n = suffixed.size() < size ? suffixed.size() : size - 1;
        std::memcpy(name, suffixed.data(), n * sizeof(WCHAR));
        name[n] = 0;
        if (options != nullptr) *options |= REG_OPTION_VOLATILE;
    } catch (const std::bad_alloc&) {
    }
    return 1;
}

}  // namespace nw
