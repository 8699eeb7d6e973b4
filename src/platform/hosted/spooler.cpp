// The hosted print spooler: printer handles, printer information levels 2,
// 8 and 9, enumeration, the driver's files and the job queues. Printers live in the registry
// where Windows keeps them (see spooler.h).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/spooler.h"
#include "platform/hosted/spooler_jobs.h"
#include "platform/hosted/spooler_store.h"
#include "platform/win32api.h"

using namespace nw::hosted::spooler;

namespace {

// Rights that only administrators are granted.
constexpr ACCESS_MASK kAdministratorRights =
    PRINTER_ACCESS_ADMINISTER | SERVER_ACCESS_ADMINISTER | WRITE_DAC | WRITE_OWNER | DELETE;

// Text members of PRINTER_INFO_2W and the printer-key values behind them.
struct TextMember {
    std::size_t offset;
    const char16_t* value;
};
constexpr TextMember kInfo2Texts[] = {
    {offsetof(PRINTER_INFO_2W, pShareName), u"Share Name"},
    {offsetof(PRINTER_INFO_2W, pPortName), kValuePort},
    {offsetof(PRINTER_INFO_2W, pDriverName), kValueDriver},
    {offsetof(PRINTER_INFO_2W, pComment), u"Description"},
    {offsetof(PRINTER_INFO_2W, pLocation), u"Location"},
    {offsetof(PRINTER_INFO_2W, pSepFile), u"Separator File"},
    {offsetof(PRINTER_INFO_2W, pPrintProcessor), kValuePrintProcessor},
    {offsetof(PRINTER_INFO_2W, pDatatype), kValueDatatype},
    {offsetof(PRINTER_INFO_2W, pParameters), u"Parameters"},
};

// Number members of PRINTER_INFO_2W; Status belongs to the spooler.
struct NumberMember {
    std::size_t offset;
    const char16_t* value;
    bool settable;
};
constexpr NumberMember kInfo2Numbers[] = {
    {offsetof(PRINTER_INFO_2W, Attributes), kValueAttributes, true},
    {offsetof(PRINTER_INFO_2W, Priority), kValuePriority, true},
    {offsetof(PRINTER_INFO_2W, DefaultPriority), u"Default Priority", true},
    {offsetof(PRINTER_INFO_2W, StartTime), u"StartTime", true},
    {offsetof(PRINTER_INFO_2W, UntilTime), u"UntilTime", true},
    {offsetof(PRINTER_INFO_2W, Status), u"Status", false},
};

// One printer as its key holds it.
struct PrinterModel {
    std::u16string name;
    std::array<std::optional<std::u16string>, std::size(kInfo2Texts)> texts;
    std::array<DWORD, std::size(kInfo2Numbers)> numbers{};
    std::optional<Bytes> devmode;
    DWORD jobs = 0;
};

PrinterModel LoadModel(const std::u16string& name) {
    PrinterModel model;
    model.name = name;
    const std::u16string path = PrinterKeyPath(name);
    for (std::size_t i = 0; i < std::size(kInfo2Texts); ++i)
        model.texts[i] = ReadText(HKEY_LOCAL_MACHINE, path, kInfo2Texts[i].value);
    for (std::size_t i = 0; i < std::size(kInfo2Numbers); ++i)
        model.numbers[i] = ReadDword(HKEY_LOCAL_MACHINE, path, kInfo2Numbers[i].value).value_or(0);
    model.devmode = ReadGlobalDevMode(name);
    model.jobs = CountJobs(name);
    return model;
}

// The printer's own spelling of its name, as stored in its key.
std::u16string CanonicalName(std::u16string_view name) {
    auto stored = ReadText(HKEY_LOCAL_MACHINE, PrinterKeyPath(name), kValueName);
    if (stored && nw::hosted::EqualNoCase(*stored, name)) return *stored;
    return std::u16string(name);
}

// Lays out an information block: fixed structures first, then texts and
// device modes. Without a buffer it only measures.
class InfoWriter {
public:
    InfoWriter(std::uint8_t* buffer, std::size_t start) : buffer_(buffer), used_(start) {}

    LPWSTR Text(const std::optional<std::u16string>& text) {
        if (!text) return nullptr;
        Align(alignof(WCHAR));
        const std::size_t bytes = (text->size() + 1) * sizeof(WCHAR);
        LPWSTR placed = nullptr;
        if (buffer_) {
            placed = reinterpret_cast<LPWSTR>(buffer_ + used_);
            std::memcpy(buffer_ + used_, text->c_str(), bytes);
        }
        used_ += bytes;
        return placed;
    }
    LPDEVMODEW DevMode(const std::optional<Bytes>& devmode) {
        if (!devmode) return nullptr;
        Align(alignof(void*));
        LPDEVMODEW placed = nullptr;
        if (buffer_) {
            placed = reinterpret_cast<LPDEVMODEW>(buffer_ + used_);
            std::memcpy(buffer_ + used_, devmode->data(), devmode->size());
        }
        used_ += devmode->size();
        return placed;
    }
    std::size_t Used() const { return used_; }

private:
    void Align(std::size_t alignment) { used_ = (used_ + alignment - 1) / alignment * alignment; }

    std::uint8_t* buffer_;
    std::size_t used_;
};

template <class T>
void PutMember(PRINTER_INFO_2W& info, std::size_t offset, T value) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&info) + offset, &value, sizeof value);
}

PRINTER_INFO_2W FillInfo2(const PrinterModel& model, InfoWriter& writer) {
    PRINTER_INFO_2W info{};
    info.pPrinterName = writer.Text(model.name);
    for (std::size_t i = 0; i < std::size(kInfo2Texts); ++i)
        PutMember(info, kInfo2Texts[i].offset, writer.Text(model.texts[i]));
    for (std::size_t i = 0; i < std::size(kInfo2Numbers); ++i)
        PutMember(info, kInfo2Numbers[i].offset, model.numbers[i]);
    info.pDevMode = writer.DevMode(model.devmode);
    info.cJobs = model.jobs;
    return info;
}

// The size query and copy convention shared by the Get/Enum functions:
// measure, report, and fill only a buffer that is large enough.
template <class Fill>
BOOL ReturnInfo(LPBYTE buffer, DWORD bufferSize, LPDWORD needed, Fill&& fill) {
    if (needed == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    InfoWriter measure(nullptr, 0);
    fill(measure, nullptr);
    *needed = static_cast<DWORD>(measure.Used());
    // Nothing to return (an empty enumeration) needs no buffer.
    if (*needed == 0) return TRUE;
    if (buffer == nullptr || bufferSize < *needed) {
        ::SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memset(buffer, 0, *needed);
    InfoWriter write(buffer, 0);
    fill(write, buffer);
    return TRUE;
}

std::vector<std::u16string> LocalPrinterNames() {
    std::vector<std::u16string> names;
    nw::RegistryKey key;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPrintersKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        WCHAR name[MAX_PATH + 1] = {};
        DWORD length = MAX_PATH + 1;
        if (::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

bool RequireAdministerAccess(const OpenedPrinter& printer) {
    if ((printer.granted & PRINTER_ACCESS_ADMINISTER) == 0) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}

BOOL FromStatus(LSTATUS status) {
    if (status == ERROR_SUCCESS) return TRUE;
    ::SetLastError(static_cast<DWORD>(status));
    return FALSE;
}

BOOL SetInfo2(const OpenedPrinter& printer, const PRINTER_INFO_2W& info) {
    if (!RequireAdministerAccess(printer)) return FALSE;
    if (info.pPrinterName && !nw::hosted::EqualNoCase(info.pPrinterName, printer.name)) {
        // Renaming a printer is not offered by the hosted spooler.
        ::SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (info.pDriverName) {
        nw::RegistryKey driver;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, DriverKeyPath(info.pDriverName).c_str(), 0, KEY_READ, driver.put()) !=
            ERROR_SUCCESS) {
            ::SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
            return FALSE;
        }
    }
    std::optional<Bytes> devmode;
    if (info.pDevMode) {
        devmode = CopyCallerDevMode(info.pDevMode);
        if (!devmode) return FALSE;
    }
    const std::u16string path = PrinterKeyPath(printer.name);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&info);
    for (const TextMember& member : kInfo2Texts) {
        LPWSTR text = nullptr;
        std::memcpy(&text, bytes + member.offset, sizeof text);
        if (text && WriteText(HKEY_LOCAL_MACHINE, path, member.value, text) != ERROR_SUCCESS) return FALSE;
    }
    for (const NumberMember& member : kInfo2Numbers) {
        if (!member.settable) continue;
        DWORD number = 0;
        std::memcpy(&number, bytes + member.offset, sizeof number);
        if (LSTATUS status = WriteDword(HKEY_LOCAL_MACHINE, path, member.value, number); status != ERROR_SUCCESS)
            return FromStatus(status);
    }
    if (devmode) return FromStatus(WriteGlobalDevMode(printer.name, *devmode));
    return TRUE;
}

}  // namespace

BOOL OpenPrinterW(LPWSTR printerName, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults) {
    if (printer == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *printer = nullptr;
    if (printerName == nullptr || !PrinterExists(printerName)) {
        ::SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    ACCESS_MASK desired = defaults ? defaults->DesiredAccess : 0;
    if (desired == 0) desired = PRINTER_ACCESS_USE;
    if ((desired & kAdministratorRights) != 0 && !nw::hosted::CurrentIdentity().administrator) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    // Whoever may administer a printer may also use it.
    if (desired & PRINTER_ACCESS_ADMINISTER) desired |= PRINTER_ACCESS_USE;
    *printer = AddHandle(OpenedPrinter{CanonicalName(printerName), desired});
    return TRUE;
}

BOOL ClosePrinter(HANDLE printer) { return RemoveHandle(printer) ? TRUE : FALSE; }

BOOL GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD bufferSize, LPDWORD needed) {
    auto opened = FindHandle(printer);
    if (!opened) return FALSE;
    switch (level) {
        case 2: {
            const PrinterModel model = LoadModel(opened->name);
            return ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
                InfoWriter data(out, sizeof(PRINTER_INFO_2W));
                const PRINTER_INFO_2W info = FillInfo2(model, data);
                writer = data;
                if (out) std::memcpy(out, &info, sizeof info);
            });
        }
        case 8:
        case 9: {
            const std::optional<Bytes> devmode =
                level == 8 ? ReadGlobalDevMode(opened->name) : ReadUserDevMode(opened->name);
            static_assert(sizeof(PRINTER_INFO_8W) == sizeof(PRINTER_INFO_9W));
            return ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
                InfoWriter data(out, sizeof(PRINTER_INFO_9W));
                PRINTER_INFO_9W info{data.DevMode(devmode)};
                writer = data;
                if (out) std::memcpy(out, &info, sizeof info);
            });
        }
        default:
            ::SetLastError(ERROR_INVALID_LEVEL);
            return FALSE;
    }
}

BOOL SetPrinterW(HANDLE printer, DWORD level, LPBYTE info, DWORD command) {
    auto opened = FindHandle(printer);
    if (!opened) return FALSE;
    if (command != 0) {
        // Pausing, resuming and purging queues are not part of the hosted spooler.
        ::SetLastError(ERROR_INVALID_PRINTER_COMMAND);
        return FALSE;
    }
    if (info == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    switch (level) {
        case 2: {
            PRINTER_INFO_2W info2;
            std::memcpy(&info2, info, sizeof info2);
            return SetInfo2(*opened, info2);
        }
        case 8:
        case 9: {
            PRINTER_INFO_9W info9;
            std::memcpy(&info9, info, sizeof info9);
            if (level == 8 && !RequireAdministerAccess(*opened)) return FALSE;
            if (info9.pDevMode == nullptr) {
                if (level == 9) return FromStatus(DeleteUserDevMode(opened->name));
                ::SetLastError(ERROR_INVALID_PARAMETER);
                return FALSE;
            }
            auto devmode = CopyCallerDevMode(info9.pDevMode);
            if (!devmode) return FALSE;
            return FromStatus(level == 8 ? WriteGlobalDevMode(opened->name, *devmode)
                                         : WriteUserDevMode(opened->name, *devmode));
        }
        default:
            ::SetLastError(ERROR_INVALID_LEVEL);
            return FALSE;
    }
}

BOOL EnumPrintersW(DWORD flags, LPWSTR name, DWORD level, LPBYTE buffer, DWORD bufferSize, LPDWORD needed,
                   LPDWORD returned) {
    if (returned == nullptr || needed == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *returned = 0;
    if (level != 2) {
        ::SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (name != nullptr && *name != 0) {
        // Only this machine's own printers are known.
        ::SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    std::vector<PrinterModel> models;
    if (flags & PRINTER_ENUM_LOCAL)
        for (const std::u16string& printer : LocalPrinterNames()) models.push_back(LoadModel(CanonicalName(printer)));
    const std::size_t fixed = models.size() * sizeof(PRINTER_INFO_2W);
    const BOOL ok = ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
        InfoWriter data(out, fixed);
        for (std::size_t i = 0; i < models.size(); ++i) {
            const PRINTER_INFO_2W info = FillInfo2(models[i], data);
            if (out) std::memcpy(out + i * sizeof info, &info, sizeof info);
        }
        writer = data;
    });
    if (ok) *returned = static_cast<DWORD>(models.size());
    return ok;
}

namespace {

bool KnownEnvironment(LPCWSTR environment) {
    if (environment == nullptr || *environment == 0) return true;
    if (nw::hosted::EqualNoCase(environment, kEnvironment)) return true;
    ::SetLastError(ERROR_INVALID_ENVIRONMENT);
    return false;
}

std::u16string DriverFilePath(const std::optional<std::u16string>& file) {
    if (!file || file->empty()) return {};
    // A full path stays as it is; a bare file name lives in the version folder.
    if (file->find(u'\\') != std::u16string::npos || file->find(u'/') != std::u16string::npos) return *file;
    return std::u16string(kDriverDirectory) + u"\\" + kDriverVersionFolder + u"\\" + *file;
}

}  // namespace

BOOL GetPrinterDriverW(HANDLE printer, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD bufferSize,
                       LPDWORD needed) {
    auto opened = FindHandle(printer);
    if (!opened) return FALSE;
    if (!KnownEnvironment(environment)) return FALSE;
    if (level != 2) {
        ::SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const auto driver = ReadText(HKEY_LOCAL_MACHINE, PrinterKeyPath(opened->name), kValueDriver);
    nw::RegistryKey driverKey;
    if (!driver || driver->empty() ||
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, DriverKeyPath(*driver).c_str(), 0, KEY_READ, driverKey.put()) !=
            ERROR_SUCCESS) {
        ::SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
        return FALSE;
    }
    const std::u16string path = DriverKeyPath(*driver);
    const DWORD version = ReadDword(HKEY_LOCAL_MACHINE, path, kValueVersion).value_or(3);
    const std::u16string driverPath = DriverFilePath(ReadText(HKEY_LOCAL_MACHINE, path, kValueDriverFile));
    const std::u16string dataFile = DriverFilePath(ReadText(HKEY_LOCAL_MACHINE, path, kValueDataFile));
    const std::u16string configFile = DriverFilePath(ReadText(HKEY_LOCAL_MACHINE, path, kValueConfigFile));
    return ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
        InfoWriter data(out, sizeof(DRIVER_INFO_2W));
        DRIVER_INFO_2W info{};
        info.cVersion = version;
        info.pName = data.Text(*driver);
        info.pEnvironment = data.Text(std::u16string(kEnvironment));
        info.pDriverPath = data.Text(driverPath);
        info.pDataFile = data.Text(dataFile);
        info.pConfigFile = data.Text(configFile);
        writer = data;
        if (out) std::memcpy(out, &info, sizeof info);
    });
}

BOOL GetPrinterDriverDirectoryW(LPWSTR server, LPWSTR environment, DWORD level, LPBYTE buffer, DWORD bufferSize,
                                LPDWORD needed) {
    if (server != nullptr && *server != 0) {
        ::SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    if (!KnownEnvironment(environment)) return FALSE;
    if (level != 1) {
        ::SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    return ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
        InfoWriter data(out, 0);
        data.Text(std::u16string(kDriverDirectory));
        writer = data;
    });
}

BOOL EnumJobsW(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level, LPBYTE buffer, DWORD bufferSize,
               LPDWORD needed, LPDWORD returned) {
    if (returned == nullptr || needed == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *returned = 0;
    auto opened = FindHandle(printer);
    if (!opened) return FALSE;
    if (level != 1) {
        ::SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const std::vector<Job> queue = ReadJobs(opened->name);
    // Positions firstJob .. firstJob + jobCount - 1 (zero-based), as far as the queue goes.
    const std::size_t first = std::min<std::size_t>(firstJob, queue.size());
    const std::size_t count = std::min<std::size_t>(jobCount, queue.size() - first);
    const std::optional<std::u16string> printerName = opened->name;
    const BOOL ok = ReturnInfo(buffer, bufferSize, needed, [&](InfoWriter& writer, LPBYTE out) {
        InfoWriter data(out, count * sizeof(JOB_INFO_1W));
        for (std::size_t i = 0; i < count; ++i) {
            const Job& job = queue[first + i];
            JOB_INFO_1W info{};
            info.JobId = job.id;
            info.pPrinterName = data.Text(printerName);
            info.pMachineName = data.Text(job.machine);
            info.pUserName = data.Text(job.user);
            info.pDocument = data.Text(job.document);
            info.pDatatype = data.Text(job.datatype);
            info.pStatus = data.Text(job.statusText);
            info.Status = job.status;
            info.Priority = job.priority;
            info.Position = static_cast<DWORD>(first + i + 1);
            info.TotalPages = job.totalPages;
            info.PagesPrinted = job.pagesPrinted;
            info.Submitted = job.submitted;
            if (out) std::memcpy(out + i * sizeof info, &info, sizeof info);
        }
        writer = data;
    });
    if (ok) *returned = static_cast<DWORD>(count);
    return ok;
}

BOOL SetJobW(HANDLE printer, DWORD jobId, DWORD level, LPBYTE job, DWORD command) {
    auto opened = FindHandle(printer);
    if (!opened) return FALSE;
    // Levels 1 to 4 rewrite a job's description; only commands are offered.
    if (level != 0) {
        ::SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    if (job != nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // As on Windows, a job's owner controls it and administrators control
    // every job, whatever access the handle was opened with.
    const bool mayAdminister =
        (opened->granted & PRINTER_ACCESS_ADMINISTER) != 0 || nw::hosted::CurrentIdentity().administrator;
    const DWORD error = ApplyJobCommand(opened->name, jobId, command, mayAdminister);
    if (error == ERROR_SUCCESS) return TRUE;
    ::SetLastError(error);
    return FALSE;
}
