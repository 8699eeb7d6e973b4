#include "jobs/job_control.h"

#include <cstring>

#include "platform/handles.h"

namespace nw {
namespace {

constexpr int kEnumAttempts = 3;

// Every spooler or memory failure is reported as the thread's Win32 error;
// a failure that left none is still a failure.
std::uint32_t SystemError() {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : static_cast<std::uint32_t>(ERROR_INVALID_FUNCTION);
}

bool OpenForJobs(const WCHAR* printerName, PrinterHandle& printer, PRINTER_DEFAULTSW* defaults) {
    return ::OpenPrinterW(const_cast<LPWSTR>(printerName), printer.put(), defaults) != FALSE;
}

// A zero-filled fixed block: GPTR memory is its own address.
LPBYTE BlockBytes(const GlobalMemory& block) { return static_cast<LPBYTE>(static_cast<void*>(block.get())); }

// Copies a spooler text into a record field; a text the spooler does not
// give leaves the field alone, a longer one is cut to fit.
void CopyJobText(const WCHAR* text, NWCHAR (&field)[kJobTextCapacity]) {
    if (text == nullptr) return;
    std::size_t length = 0;
    while (length + 1 < kJobTextCapacity && text[length] != 0) ++length;
    // Never end on the first half of a surrogate pair.
    if (length > 0 && text[length] != 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
    std::memcpy(field, text, length * sizeof(WCHAR));
    field[length] = 0;
}

void CopyJob(const JOB_INFO_1W& job, JobInfoRecord& info) {
    info.JobId = job.JobId;
    CopyJobText(job.pMachineName, info.MachineName);
    CopyJobText(job.pUserName, info.UserName);
    CopyJobText(job.pDocument, info.Document);
    CopyJobText(job.pStatus, info.StatusText);
    info.Status = job.Status;
    info.Priority = job.Priority;
    info.Position = job.Position;
    info.TotalPages = job.TotalPages;
    info.PagesPrinted = job.PagesPrinted;
    static_assert(sizeof(info.Submitted) == sizeof(job.Submitted));
    std::memcpy(&info.Submitted, &job.Submitted, sizeof info.Submitted);
}

}  // namespace

static_assert(sizeof(WCHAR) == sizeof(NWCHAR));

std::uint32_t CountPrinterJobs(const WCHAR* printerName, std::uint32_t* count) {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    if (count == nullptr) return ERROR_INVALID_PARAMETER;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    PrinterHandle printer;
    if (!OpenForJobs(printerName, printer, &defaults)) return SystemError();
    DWORD needed = 0;
    ::GetPrinterW(printer.get(), 2, nullptr, 0, &needed);
    if (needed < sizeof(PRINTER_INFO_2W)) return SystemError();
    GlobalMemory block(::GlobalAlloc(GPTR, needed));
    if (!block) return SystemError();
    if (!::GetPrinterW(printer.get(), 2, BlockBytes(block), needed, &needed)) return SystemError();
    PRINTER_INFO_2W info;
    std::memcpy(&info, BlockBytes(block), sizeof info);
    *count = info.cJobs;
    return ERROR_SUCCESS;
}

std::uint32_t ReadJobInfo(const WCHAR* printerName, std::uint32_t jobIndex, JobInfoRecord* info) {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    if (info == nullptr) return ERROR_INVALID_PARAMETER;
    PrinterHandle printer;
    if (!OpenForJobs(printerName, printer, nullptr)) return SystemError();
    // A job queued between the size query and the read may need more room.
    for (int attempt = 0; attempt < kEnumAttempts; ++attempt) {
        DWORD needed = 0;
        DWORD returned = 0;
        // Success without a buffer means there is no job at that position.
        if (::EnumJobsW(printer.get(), jobIndex, 1, 1, nullptr, 0, &needed, &returned)) return ERROR_SUCCESS;
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return SystemError();
        GlobalMemory block(::GlobalAlloc(GPTR, needed));
        if (!block) return SystemError();
        if (::EnumJobsW(printer.get(), jobIndex, 1, 1, BlockBytes(block), needed, &needed, &returned)) {
            if (returned == 1 && needed >= sizeof(JOB_INFO_1W)) {
                JOB_INFO_1W job;
                std::memcpy(&job, BlockBytes(block), sizeof job);
                CopyJob(job, *info);
            }
            return ERROR_SUCCESS;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return SystemError();
    }
    return ERROR_INSUFFICIENT_BUFFER;
}

std::uint32_t SendJobCommand(const WCHAR* printerName, std::uint32_t jobId, std::uint32_t command) {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    switch (command) {
        case JOB_CONTROL_PAUSE:
        case JOB_CONTROL_RESUME:
        case JOB_CONTROL_RESTART:
        case JOB_CONTROL_DELETE:
            break;
        default:
            return ERROR_INVALID_PRINTER_COMMAND;
    }
    PrinterHandle printer;
    if (!OpenForJobs(printerName, printer, nullptr)) return SystemError();
    if (!::SetJobW(printer.get(), jobId, 0, nullptr, command)) return SystemError();
    return ERROR_SUCCESS;
}

}  // namespace nw
