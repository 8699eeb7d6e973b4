// The hosted spooler's job queues. Each job is a subkey of its printer's
// key ("Jobs\<identifier>"), so every process of the machine sees the same
// queue and a change is durable when the call returns. Hosted layer only.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32api.h"

namespace nw::hosted::spooler {

inline constexpr char16_t kJobsSubkey[] = u"Jobs";

struct Job {
    DWORD id = 0;
    std::u16string machine;
    std::u16string user;
    std::u16string document;
    std::u16string datatype;
    std::optional<std::u16string> statusText;  // none unless a port monitor set one
    DWORD status = 0;
    DWORD priority = DEF_PRIORITY;
    DWORD totalPages = 0;
    DWORD pagesPrinted = 0;
    SYSTEMTIME submitted{};
};

// The printer's queue in submission order; a job's position is its index
// plus one. Jobs another process is still adding or removing are skipped.
std::vector<Job> ReadJobs(std::u16string_view printer);
DWORD CountJobs(std::u16string_view printer);

// Appends a job: its identifier, machine and submission time are given
// here. 0 or a Win32 error.
DWORD AddJob(std::u16string_view printer, Job& job);

// One SetJobW command on one job. Without administer rights only the
// job's own user may control it. 0 or a Win32 error (87 for an unknown job
// or command).
DWORD ApplyJobCommand(std::u16string_view printer, DWORD jobId, DWORD command, bool mayAdminister);

}  // namespace nw::hosted::spooler
