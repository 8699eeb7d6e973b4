// Counting, describing and controlling a printer's jobs through the
// spooler. Each operation opens the printer for the call and returns a
// Win32 error code (0 for success) instead of touching the library's last
// error.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw {

// Characters a text field of JobInfoRecord holds, terminator included.
inline constexpr std::size_t kJobTextCapacity = 260;

// The number of queued jobs (cJobs of printer level 2).
std::uint32_t CountPrinterJobs(const WCHAR* printerName, std::uint32_t* count);
// The job at a zero-based queue position; none there leaves *info alone.
std::uint32_t ReadJobInfo(const WCHAR* printerName, std::uint32_t jobIndex, JobInfoRecord* info);
// Pause (1), resume (2), restart (4) or delete (5) one job; other commands
// are refused with 1803 before the printer is opened.
std::uint32_t SendJobCommand(const WCHAR* printerName, std::uint32_t jobId, std::uint32_t command);

}  // namespace nw
