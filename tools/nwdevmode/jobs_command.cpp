// nwdevmode jobs PRINTER                                 : the printer's queue
// nwdevmode jobs PRINTER pause|resume|restart|delete ID  : control one job
// nwdevmode jobs PRINTER submit DOCUMENT [--pages N]     : queue a job (hosted machine)
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"

namespace nwtool {
namespace {

struct Action {
    const char* name;
    std::uint32_t command;
    const char* done;
};
constexpr Action kActions[] = {
    {"pause", NW_JOB_PAUSE, "Paused"},
    {"resume", NW_JOB_RESUME, "Resumed"},
    {"restart", NW_JOB_RESTART, "Restarted"},
    {"delete", NW_JOB_DELETE, "Deleted"},
};

struct StatusWord {
    std::uint32_t flag;
    const char* word;
};
constexpr StatusWord kStatusWords[] = {
    {0x0001, "paused"},   {0x0002, "error"},      {0x0004, "deleting"}, {0x0008, "spooling"},
    {0x0010, "printing"}, {0x0020, "offline"},    {0x0040, "paper out"}, {0x0080, "printed"},
    {0x0100, "deleted"},  {0x0200, "blocked"},    {0x0400, "user intervention"},
    {0x0800, "restarting"}, {0x1000, "complete"},
};

struct JobsOptions {
    std::string printer;
    std::string action;
    std::string argument;
    std::uint32_t pages = 1;
};

std::string StatusOf(const JobInfoRecord& job) {
    std::string words;
    for (const StatusWord& status : kStatusWords) {
        if ((job.Status & status.flag) == 0) continue;
        if (!words.empty()) words += ",";
        words += status.word;
    }
    return words.empty() ? "queued" : words;
}

std::string TextOf(const NWCHAR* text) { return ToUtf8(std::u16string(text)); }

void ShowQueue(const std::string& printer, const std::u16string& name) {
    std::uint32_t count = 0;
    if (std::uint32_t error = GetNumberOfJobs(name.c_str(), &count); error != 0)
        Fail("cannot read the jobs of \"" + printer + "\": " + DescribeError(error));
    if (count == 0) {
        std::cout << "No jobs queued on \"" << printer << "\"\n";
        return;
    }
    std::printf("%-6s %-4s %-12s %-9s %-16s %-19s %s\n", "ID", "POS", "STATUS", "PAGES", "USER", "SUBMITTED (UTC)",
                "DOCUMENT");
    for (std::uint32_t index = 0; index < count; ++index) {
        // Empty texts unless the spooler fills them.
        auto job = std::make_unique<JobInfoRecord>();
        if (std::uint32_t error = GetJobInfo(name.c_str(), index, job.get()); error != 0)
            Fail("cannot read job " + std::to_string(index + 1) + " of \"" + printer + "\": " + DescribeError(error));
        // The queue may have shrunk since it was counted.
        if (job->JobId == 0) break;
        std::string status = StatusOf(*job);
        if (job->StatusText[0] != 0) status += " (" + TextOf(job->StatusText) + ")";
        const std::string pages = std::to_string(job->PagesPrinted) + "/" + std::to_string(job->TotalPages);
        char submitted[48];
        std::snprintf(submitted, sizeof submitted, "%04u-%02u-%02u %02u:%02u:%02u", job->Submitted.wYear,
                      job->Submitted.wMonth, job->Submitted.wDay, job->Submitted.wHour, job->Submitted.wMinute,
                      job->Submitted.wSecond);
        std::printf("%-6u %-4u %-12s %-9s %-16s %-19s %s\n", job->JobId, job->Position, status.c_str(), pages.c_str(),
                    TextOf(job->UserName).c_str(), submitted, TextOf(job->Document).c_str());
    }
}

std::uint32_t ParseJobId(const std::string& text) {
    std::uint64_t id = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || id > 0xFFFFFFFFu) Fail("\"" + text + "\" is not a job identifier", kExitUsage);
        id = id * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (text.empty() || id == 0 || id > 0xFFFFFFFFu) Fail("\"" + text + "\" is not a job identifier", kExitUsage);
    return static_cast<std::uint32_t>(id);
}

void Submit(const JobsOptions& options, const std::u16string& name) {
    const std::u16string document = FromUtf8(options.argument);
    std::uint32_t id = 0;
    if (std::uint32_t error = NordwispMachine_SubmitJob(name.c_str(), document.c_str(), nullptr, options.pages, &id);
        error != 0)
        Fail("cannot submit \"" + options.argument + "\" to \"" + options.printer + "\": " + DescribeError(error));
    std::cout << "Submitted job " << id << " to \"" << options.printer << "\"\n";
}

void RunJobs(const JobsOptions& options) {
    const std::u16string name = FromUtf8(options.printer);
    if (options.action.empty()) return ShowQueue(options.printer, name);
    if (options.argument.empty())
        Fail("\"jobs " + options.action + "\" needs " +
                 (options.action == "submit" ? "a document name" : "a job identifier"),
             kExitUsage);
    if (options.action == "submit") return Submit(options, name);
    for (const Action& action : kActions) {
        if (options.action != action.name) continue;
        const std::uint32_t id = ParseJobId(options.argument);
        if (std::uint32_t error = ControlJob(name.c_str(), id, action.command); error != 0)
            Fail("cannot " + options.action + " job " + options.argument + " on \"" + options.printer +
                 "\": " + DescribeError(error));
        std::cout << action.done << " job " << id << " on \"" << options.printer << "\"\n";
        return;
    }
    Fail("unknown jobs action \"" + options.action + "\" (pause, resume, restart, delete or submit)", kExitUsage);
}

void SetupJobs(CLI::App& app) {
    auto* jobs = app.add_subcommand("jobs", "List a printer's jobs, control one, or queue one (hosted machine)");
    auto options = std::make_shared<JobsOptions>();
    jobs->add_option("PRINTER", options->printer, "Printer name")->required();
    jobs->add_option("ACTION", options->action, "pause, resume, restart, delete or submit");
    jobs->add_option("ARGUMENT", options->argument, "Job identifier, or the document name for submit");
    jobs->add_option("--pages", options->pages, "Pages of a submitted document (default 1)");
    jobs->callback([options] { RunJobs(*options); });
}

const bool registered = RegisterCommand(&SetupJobs);

}  // namespace
}  // namespace nwtool
