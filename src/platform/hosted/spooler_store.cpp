#include "platform/hosted/spooler_store.h"

#include <cstddef>
#include <cstring>
#include <mutex>
#include <set>

#include "platform/handles.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/spooler.h"

namespace nw::hosted::spooler {
namespace {

// Smallest dmSize the spooler takes: the header up to and with dmFields.
constexpr std::size_t kMinDevModeHeader = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);

struct HandleTable {
    std::mutex lock;
    std::set<OpenedPrinter*> live;
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

std::u16string Joined(std::u16string_view a, std::u16string_view b) {
    std::u16string path(a);
    path += u'\\';
    path += b;
    return path;
}

}  // namespace

std::optional<OpenedPrinter> FindHandle(HANDLE printer) {
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    auto it = table.live.find(static_cast<OpenedPrinter*>(printer));
    if (printer == nullptr || it == table.live.end()) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return std::nullopt;
    }
    return **it;
}

HANDLE AddHandle(OpenedPrinter printer) {
    auto* opened = new OpenedPrinter(std::move(printer));
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    table.live.insert(opened);
    return opened;
}

bool RemoveHandle(HANDLE printer) {
    auto& table = Handles();
    std::lock_guard guard(table.lock);
    auto it = table.live.find(static_cast<OpenedPrinter*>(printer));
    if (printer == nullptr || it == table.live.end()) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    delete *it;
    table.live.erase(it);
    return true;
}

bool IsUsableName(std::u16string_view name) {
    return !name.empty() && name.size() < MAX_PATH && name.find(u'\\') == std::u16string_view::npos &&
           name.find(u'/') == std::u16string_view::npos && name.find(u',') == std::u16string_view::npos;
}

std::u16string PrinterKeyPath(std::u16string_view name) { return Joined(kPrintersKey, name); }

std::u16string DriverKeyPath(std::u16string_view driver) { return Joined(kDriversKey, driver); }

bool PrinterExists(std::u16string_view name) {
    if (!IsUsableName(name)) return false;
    RegistryKey key;
    return ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, PrinterKeyPath(name).c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::optional<Bytes> ReadValue(HKEY root, std::u16string_view path, std::u16string_view value, DWORD* type) {
    RegistryKey key;
    const std::u16string keyPath(path);
    const std::u16string valueName(value);
    if (::RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
    // The value may grow between the size query and the read; try again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        DWORD kind = 0;
        if (::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &kind, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        Bytes data(size);
        const LSTATUS status =
            ::RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &kind, size ? data.data() : nullptr, &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        if (type) *type = kind;
        return data;
    }
    return std::nullopt;
}

std::optional<std::u16string> ReadText(HKEY root, std::u16string_view path, std::u16string_view value) {
    DWORD type = 0;
    auto data = ReadValue(root, path, value, &type);
    if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    std::u16string text(data->size() / sizeof(char16_t), u'\0');
    if (!text.empty()) std::memcpy(text.data(), data->data(), text.size() * sizeof(char16_t));
    if (auto end = text.find(u'\0'); end != std::u16string::npos) text.resize(end);
    return text;
}

std::optional<DWORD> ReadDword(HKEY root, std::u16string_view path, std::u16string_view value) {
    DWORD type = 0;
    auto data = ReadValue(root, path, value, &type);
    if (!data || type != REG_DWORD || data->size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, data->data(), sizeof number);
    return number;
}

LSTATUS WriteValue(HKEY root, std::u16string_view path, std::u16string_view value, DWORD type, const void* data,
                   std::size_t size) {
    RegistryKey key;
    const std::u16string keyPath(path);
    const std::u16string valueName(value);
    LSTATUS status = ::RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                                       key.put(), nullptr);
    if (status != ERROR_SUCCESS) return status;
    return ::RegSetValueExW(key.get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data),
                            static_cast<DWORD>(size));
}

LSTATUS WriteText(HKEY root, std::u16string_view path, std::u16string_view value, std::u16string_view text) {
    const std::u16string withTerminator(text);
    return WriteValue(root, path, value, REG_SZ, withTerminator.c_str(), (withTerminator.size() + 1) * sizeof(char16_t));
}

LSTATUS WriteDword(HKEY root, std::u16string_view path, std::u16string_view value, DWORD number) {
    return WriteValue(root, path, value, REG_DWORD, &number, sizeof number);
}

std::size_t DevModeSize(const std::uint8_t* devmode, std::size_t available) {
    if (devmode == nullptr || available < kMinDevModeHeader) return 0;
    WORD size = 0;
    WORD extra = 0;
    std::memcpy(&size, devmode + offsetof(DEVMODEW, dmSize), sizeof size);
    std::memcpy(&extra, devmode + offsetof(DEVMODEW, dmDriverExtra), sizeof extra);
    if (size < kMinDevModeHeader || size > sizeof(DEVMODEW)) return 0;
    return static_cast<std::size_t>(size) + extra;
}

std::optional<Bytes> NormalisedDevMode(std::optional<Bytes> stored) {
    if (!stored) return std::nullopt;
    const std::size_t size = DevModeSize(stored->data(), stored->size());
    if (size == 0) return std::nullopt;
    stored->resize(size, 0);
    return stored;
}

std::optional<Bytes> ReadGlobalDevMode(std::u16string_view printer) {
    return NormalisedDevMode(ReadValue(HKEY_LOCAL_MACHINE, PrinterKeyPath(printer), kValueDefaultDevMode));
}

std::optional<Bytes> ReadUserDevMode(std::u16string_view printer) {
    return NormalisedDevMode(ReadValue(HKEY_CURRENT_USER, kPerUserKey, printer));
}

std::optional<Bytes> ReadEffectiveDevMode(std::u16string_view printer) {
    if (auto user = ReadUserDevMode(printer)) return user;
    return ReadGlobalDevMode(printer);
}

LSTATUS WriteGlobalDevMode(std::u16string_view printer, const Bytes& devmode) {
    return WriteValue(HKEY_LOCAL_MACHINE, PrinterKeyPath(printer), kValueDefaultDevMode, REG_BINARY, devmode.data(),
                      devmode.size());
}

LSTATUS WriteUserDevMode(std::u16string_view printer, const Bytes& devmode) {
    return WriteValue(HKEY_CURRENT_USER, kPerUserKey, printer, REG_BINARY, devmode.data(), devmode.size());
}

LSTATUS DeleteUserDevMode(std::u16string_view printer) {
    RegistryKey key;
    LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, kPerUserKey, 0, KEY_SET_VALUE, key.put());
    if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (status != ERROR_SUCCESS) return status;
    const std::u16string valueName(printer);
    status = ::RegDeleteValueW(key.get(), valueName.c_str());
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

std::optional<Bytes> CopyCallerDevMode(const DEVMODEW* devmode) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(devmode);
    const std::size_t size = DevModeSize(bytes, kMinDevModeHeader);
    if (size == 0) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    return Bytes(bytes, bytes + size);
}

}  // namespace nw::hosted::spooler

std::size_t nw::hosted::OpenPrinterHandleCount() {
    auto& table = spooler::Handles();
    std::lock_guard guard(table.lock);
    return table.live.size();
}
