// Exports of print-job control. They return Win32 error codes and leave the
// library's last error as it is.
#include <new>

#include "frame/ansi.h"
#include "jobs/job_control.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

// Nothing thrown reaches the caller; a failed allocation is reported as
// such, anything else as a failed function.
template <class Op>
uint32_t JobCall(Op&& op) noexcept {
    try {
        return op();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_INVALID_FUNCTION;
    }
}

}  // namespace

extern "C" {

uint32_t NW_API GetNumberOfJobs(const NWCHAR* printerName, uint32_t* count) noexcept {
    return JobCall([&] { return nw::CountPrinterJobs(printerName, count); });
}

uint32_t NW_API GetNumberOfJobsA(const char* printerName, uint32_t* count) noexcept {
    return JobCall([&] {
        return nw::WithFixedWide(printerName, [&](const WCHAR* name) { return GetNumberOfJobs(name, count); });
    });
}

uint32_t NW_API GetJobInfo(const NWCHAR* printerName, uint32_t jobIndex, JobInfoRecord* info) noexcept {
    return JobCall([&] { return nw::ReadJobInfo(printerName, jobIndex, info); });
}

uint32_t NW_API GetJobInfoA(const char* printerName, uint32_t jobIndex, JobInfoRecord* info) noexcept {
    return JobCall([&] {
        return nw::WithFixedWide(printerName, [&](const WCHAR* name) { return GetJobInfo(name, jobIndex, info); });
    });
}

uint32_t NW_API ControlJob(const NWCHAR* printerName, uint32_t jobId, uint32_t command) noexcept {
    return JobCall([&] { return nw::SendJobCommand(printerName, jobId, command); });
}

uint32_t NW_API ControlJobA(const char* printerName, uint32_t jobId, uint32_t command) noexcept {
    return JobCall([&] {
        return nw::WithFixedWide(printerName, [&](const WCHAR* name) { return ControlJob(name, jobId, command); });
    });
}

}  // extern "C"
