#include "devmode/printer_identity.h"

#include <cstring>

#include "record/record.h"
#include "devmode/record_store.h"
#include "platform/handles.h"

namespace nw {
namespace {

// The record's own load leaves the last error; freeing it must not.
struct LoadedRecord {
    explicit LoadedRecord(const WCHAR* printerName) : record(LoadRecord(printerName, 0)) {}
    ~LoadedRecord() {
        if (record) ::GlobalFree(record);
    }
    LoadedRecord(const LoadedRecord&) = delete;
    LoadedRecord& operator=(const LoadedRecord&) = delete;
    NordwispDEVMODE* record;
};

bool IsManufacturer(const NordwispDEVMODE* record) {
    return record::Manufacturer.Get(record) == WStringView(kManufacturer);
}

// Drivers whose queues only mirror a remote session's printers.
bool IsRemoteDriver(WStringView driver) {
    return driver == WStringView(W("Remotive Driver")) || driver == WStringView(W("Remote Desktop Easy Print"));
}

// "TS" and three digits: a port redirected from a remote session.
bool IsSessionPort(const WCHAR* port) {
    if (port == nullptr) return false;
    const WStringView text(port);
    if (text.size() != 5 || text[0] != W('T') || text[1] != W('S')) return false;
    for (std::size_t i = 2; i < 5; ++i)
        if (text[i] < W('0') || text[i] > W('9')) return false;
    return true;
}

bool BelongsToDriver(const PRINTER_INFO_2W& printer) {
    if (printer.pDevMode == nullptr || printer.pPrinterName == nullptr || printer.pDriverName == nullptr) return false;
    const auto* record = reinterpret_cast<const NordwispDEVMODE*>(printer.pDevMode);
    return record::IsValid(record) && IsManufacturer(record) && !IsRemoteDriver(printer.pDriverName) &&
           !IsSessionPort(printer.pPortName);
}

// The result list: a zero-initialised block that grows in steps of 1024 bytes.
class NameList {
public:
    static constexpr std::size_t kStep = 1024;

    bool Start() { return Grow(); }
    // Appends a name (after a ";" unless it is the first); false when the
    // block cannot grow.
    bool Add(WStringView name) {
        const std::size_t separator = used_ ? 1 : 0;
        while ((used_ + separator + name.size() + 1) * sizeof(WCHAR) > capacity_)
            if (!Grow()) return false;
        WCHAR* text = static_cast<WCHAR*>(block_.get());
        if (separator) text[used_++] = W(';');
        std::memcpy(text + used_, name.data(), name.size() * sizeof(WCHAR));
        used_ += name.size();
        return true;
    }
    WCHAR* Release() { return static_cast<WCHAR*>(block_.release()); }

private:
    bool Grow() {
        GlobalMemory larger(::GlobalAlloc(GPTR, capacity_ + kStep));
        if (!larger) return false;
        if (block_) std::memcpy(larger.get(), block_.get(), used_ * sizeof(WCHAR));
        block_ = std::move(larger);
        capacity_ += kStep;
        return true;
    }

    GlobalMemory block_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
};

}  // namespace

int IsNordwispPrinter(const WCHAR* printerName) {
    LoadedRecord loaded(printerName);
    if (loaded.record == nullptr || !record::IsValid(loaded.record)) return 0;
    return IsManufacturer(loaded.record) ? 1 : 0;
}

int GetInstalledDriverVersion(const WCHAR* printerName) {
    LoadedRecord loaded(printerName);
    return loaded.record ? record::DriverVersion.Get(loaded.record) : 0;
}

WCHAR* GetNordwispPrinters() {
    NameList names;
    if (!names.Start()) return nullptr;
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0) return names.Release();
    GlobalMemory buffer(::GlobalAlloc(GPTR, needed));
    if (!buffer || !::EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, static_cast<LPBYTE>(buffer.get()), needed,
                                    &needed, &count))
        return names.Release();
    const auto* printers = static_cast<const PRINTER_INFO_2W*>(buffer.get());
    for (DWORD i = 0; i < count; ++i) {
        if (!BelongsToDriver(printers[i])) continue;
        if (!names.Add(printers[i].pPrinterName)) return nullptr;
    }
    return names.Release();
}

char* GetNordwispPrintersA() {
    GlobalMemory wide(GetNordwispPrinters());
    if (!wide) return nullptr;
    const auto* text = static_cast<const WCHAR*>(wide.get());
    const std::size_t length = WStringView(text).size();
    GlobalMemory ansi(::GlobalAlloc(GPTR, length + 1));
    if (!ansi) return nullptr;
    // A text that does not fit one byte per character is left empty.
    if (::WideCharToMultiByte(CP_ACP, 0, text, -1, static_cast<LPSTR>(ansi.get()), static_cast<int>(length + 1),
                              nullptr, nullptr) == 0)
        std::memset(ansi.get(), 0, length + 1);
    return static_cast<char*>(ansi.release());
}

}  // namespace nw
