#include "devmode/record_store.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

#include "record/record.h"
#include "frame/last_error.h"
#include "platform/handles.h"

namespace nw {
namespace {

// How each saver reaches its store: the access it asks for, the information
// level it exchanges and where that level keeps its device-mode pointer.
struct SaverRow {
    ACCESS_MASK access;
    DWORD level;
    std::size_t devmodeMember;
};
// Indexed by RecordStore.
constexpr SaverRow kSavers[] = {
    {PRINTER_ACCESS_USE, 9, offsetof(PRINTER_INFO_9W, pDevMode)},
    {PRINTER_ALL_ACCESS, 8, offsetof(PRINTER_INFO_8W, pDevMode)},
    {PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE, 2, offsetof(PRINTER_INFO_2W, pDevMode)},
};
static_assert(static_cast<std::size_t>(RecordStore::PrinterInfo) + 1 == std::size(kSavers));

// Blocks handed to callers are never shorter than a whole record, so a
// record of another driver can be inspected field by field without reading
// past its end.
constexpr std::size_t kMinBlock = record::kRecordSize;

bool OpenPrinter(const WCHAR* printerName, PRINTER_DEFAULTSW* defaults, PrinterHandle& printer) {
    return ::OpenPrinterW(const_cast<LPWSTR>(printerName), printer.put(), defaults) != FALSE;
}

// Fetches one information level into a zero-initialised global block of the
// size the spooler asks for. On failure the library's last error is set.
GlobalMemory FetchLevel(HANDLE printer, DWORD level) {
    ::SetLastError(0);
    DWORD needed = 0;
    if (!::GetPrinterW(printer, level, nullptr, 0, &needed) && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        StoreSystemError();
        return {};
    }
    GlobalMemory block;
    if (needed == 0 || !(block = GlobalMemory(::GlobalAlloc(GPTR, needed)))) {
        StoreSystemError();
        return {};
    }
    if (!::GetPrinterW(printer, level, static_cast<LPBYTE>(block.get()), needed, &needed)) {
        StoreSystemError();
        return {};
    }
    return block;
}

DEVMODEW* DevModeOf(const GlobalMemory& block, std::size_t member) {
    DEVMODEW* devmode = nullptr;
    std::memcpy(&devmode, static_cast<const std::uint8_t*>(block.get()) + member, sizeof devmode);
    return devmode;
}

// The installation fields sit where the driver's layout puts them only when
// both blocks have that layout.
bool HasRecordLayout(const NordwispDEVMODE* record) {
    return record::DriverExtra.Get(record) == record::kPrivateSize && record::Size.Get(record) == record::kPublicSize;
}

void CarryInstallationFields(const NordwispDEVMODE* stored, NordwispDEVMODE* record) {
    if (stored == nullptr || !HasRecordLayout(stored) || !HasRecordLayout(record)) return;
    const std::uint32_t id = record::PrinterID.Get(stored);
    if (id == 0 || id == 0xFFFFFFFFu) return;
    record::PrinterID.Set(record, id);
    record::PrinterType.Set(record, record::PrinterType.Get(stored));
    record::PrinterFlags.Set(record, record::PrinterFlags.Get(stored));
}

}  // namespace

NordwispDEVMODE* LoadRecord(const WCHAR* printerName, std::uint32_t /*flag*/) {
    SetLastErrorValue(0);
    if (printerName == nullptr) {
        SetLastErrorValue(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    PrinterHandle printer;
    if (!OpenPrinter(printerName, nullptr, printer)) {
        StoreSystemError();
        return nullptr;
    }
    LPWSTR name = const_cast<LPWSTR>(printerName);
    const LONG size = ::DocumentPropertiesW(nullptr, printer.get(), name, nullptr, nullptr, 0);
    if (size < 1) {
        StoreSystemError();
        return nullptr;
    }
    GlobalMemory block(::GlobalAlloc(GPTR, std::max<std::size_t>(static_cast<std::size_t>(size), kMinBlock)));
    if (!block) {
        StoreSystemError();
        return nullptr;
    }
    auto* record = static_cast<NordwispDEVMODE*>(block.get());
    if (::DocumentPropertiesW(nullptr, printer.get(), name, reinterpret_cast<DEVMODEW*>(record), nullptr,
                              DM_OUT_BUFFER) != IDOK) {
        StoreSystemError();
        return nullptr;
    }
    return static_cast<NordwispDEVMODE*>(block.release());
}

void ReleaseRecord(NordwispDEVMODE* record) {
    SetLastErrorValue(0);
    if (record != nullptr) ::GlobalFree(record);
}

int SaveRecord(const WCHAR* printerName, NordwispDEVMODE* record, RecordStore store) {
    SetLastErrorValue(0);
    if (record == nullptr) {
        SetLastErrorValue(kErrorNullArgument);
        return 0;
    }
    // Before the name is looked at: even a failed save leaves this updated.
    if (record::IsValid(record) && (record::Options.Get(record) & record::kOptionPackedResolution)) {
        const record::Dpi dpi = record::RecordDpi(record);
        record::PackedResolution.Set(record, (static_cast<std::uint32_t>(dpi.y) << 16) | static_cast<std::uint32_t>(dpi.x));
    }
    if (printerName == nullptr) {
        SetLastErrorValue(ERROR_INVALID_PRINTER_NAME);
        return 0;
    }
    const SaverRow& saver = kSavers[static_cast<std::size_t>(store)];
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, saver.access};
    PrinterHandle printer;
    if (!OpenPrinter(printerName, &defaults, printer)) {
        StoreSystemError();
        return 0;
    }
    GlobalMemory block = FetchLevel(printer.get(), saver.level);
    if (!block) return 0;

    CarryInstallationFields(reinterpret_cast<const NordwispDEVMODE*>(DevModeOf(block, saver.devmodeMember)), record);

    // Kept as bytes, so what follows a terminator survives the merge too.
    const auto outputDirectory = record::OutputDirectory.RawBytes(record);
    const auto annotationText = record::AnnotationText.RawBytes(record);

    auto* devmode = reinterpret_cast<DEVMODEW*>(record);
    std::memcpy(static_cast<std::uint8_t*>(block.get()) + saver.devmodeMember, &devmode, sizeof devmode);
    if (::DocumentPropertiesW(nullptr, printer.get(), const_cast<LPWSTR>(printerName), devmode, devmode,
                              DM_IN_BUFFER | DM_OUT_BUFFER) != IDOK) {
        StoreSystemError();
        return 0;
    }
    // The driver's merge must not change these two.
    record::OutputDirectory.SetRawBytes(record, outputDirectory);
    record::AnnotationText.SetRawBytes(record, annotationText);

    if (!::SetPrinterW(printer.get(), saver.level, static_cast<LPBYTE>(block.get()), 0)) {
        StoreSystemError();
        return 0;
    }
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, WM_DEVMODECHANGE, 0, reinterpret_cast<LPARAM>(printerName), SMTO_NORMAL,
                          1000, &ignored);
    return 1;
}

int SavePrinterInfoDEVMODE(const WCHAR* printerName, NordwispDEVMODE* record) {
    return SaveRecord(printerName, record, RecordStore::PrinterInfo);
}

NordwispDEVMODE* LoadGlobalDefaultDEVMODE(const WCHAR* printerName) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExW(&version)) return nullptr;
    if (version.dwMajorVersion != 5) return LoadRecord(printerName, 1);
    return LoadStoredGlobalDefault(printerName);
}

NordwispDEVMODE* LoadStoredGlobalDefault(const WCHAR* printerName) {
    SetLastErrorValue(0);
    if (printerName == nullptr) {
        SetLastErrorValue(ERROR_INVALID_PRINTER_NAME);
        return nullptr;
    }
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE | READ_CONTROL};
    PrinterHandle printer;
    if (!OpenPrinter(printerName, &defaults, printer)) {
        StoreSystemError();
        return nullptr;
    }
    GlobalMemory block = FetchLevel(printer.get(), 8);
    if (!block) return nullptr;
    const DEVMODEW* stored = DevModeOf(block, offsetof(PRINTER_INFO_8W, pDevMode));
    if (stored == nullptr) {
        // The printer has no global default to hand out.
        SetLastErrorValue(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const auto* header = reinterpret_cast<const NordwispDEVMODE*>(stored);
    const std::size_t size = static_cast<std::size_t>(record::Size.Get(header)) + record::DriverExtra.Get(header);
    GlobalMemory result(::GlobalAlloc(GPTR, std::max(size, kMinBlock)));
    if (!result) {
        StoreSystemError();
        return nullptr;
    }
    std::memcpy(result.get(), stored, size);
    return static_cast<NordwispDEVMODE*>(result.release());
}

}  // namespace nw
