// nwdevmode jobs PRINTER [--json]                       : the printer's queue
// nwdevmode jobs PRINTER pause|resume|restart|delete ID  : control one job
// nwdevmode jobs PRINTER cancel --all                    : delete every job
// nwdevmode jobs PRINTER submit DOCUMENT [--pages N]     : queue a job (hosted machine)
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#ifndef _WIN32
#include "nordwisp/NordwispMachine.h"
#endif

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
    bool json = false;
    bool all = false;
};

// The job exports' codes in the words of this command.
std::string JobError(std::uint32_t error) {
    switch (error) {
        case 1801: return "no such printer";
        case 87: return "no such job";
        default: return DescribeError(error);
    }
}

std::string StatusOf(const JobInfoRecord& job) {
    std::string words;
    for (const StatusWord& status : kStatusWords) {
        if ((job.Status & status.flag) == 0) continue;
        if (!words.empty()) words += ",";
        words += status.word;
    }
    return words.empty() ? "queued" : words;
}

std::string TextOf(const NWCHAR* text) { return ToUtf8(text); }

// The queue as it is now; each job read whole.
std::vector<std::unique_ptr<JobInfoRecord>> ReadQueue(const std::string& printer, const NwString& name) {
    std::uint32_t count = 0;
    if (std::uint32_t error = GetNumberOfJobs(name.c_str(), &count); error != 0)
        Fail("cannot read the jobs of \"" + printer + "\": " + JobError(error));
    std::vector<std::unique_ptr<JobInfoRecord>> jobs;
    for (std::uint32_t index = 0; index < count; ++index) {
        // Empty texts unless the spooler fills them.
        auto job = std::make_unique<JobInfoRecord>();
        if (std::uint32_t error = GetJobInfo(name.c_str(), index, job.get()); error != 0)
            Fail("cannot read job " + std::to_string(index + 1) + " of \"" + printer + "\": " + JobError(error));
        // The queue may have shrunk since it was counted.
        if (job->JobId == 0) break;
        jobs.push_back(std::move(job));
    }
    return jobs;
}

std::string Submitted(const JobInfoRecord& job) {
    char submitted[48];
    std::snprintf(submitted, sizeof submitted, "%04u-%02u-%02u %02u:%02u:%02u", job.Submitted.wYear,
                  job.Submitted.wMonth, job.Submitted.wDay, job.Submitted.wHour, job.Submitted.wMinute,
                  job.Submitted.wSecond);
    return submitted;
}

void ShowQueue(const std::string& printer, const NwString& name, bool json) {
    const auto jobs = ReadQueue(printer, name);
    if (json) {
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const auto& job : jobs)
            all.push_back({{"id", job->JobId},
                           {"position", job->Position},
                           {"status", StatusOf(*job)},
                           {"statusText", TextOf(job->StatusText)},
                           {"pagesPrinted", job->PagesPrinted},
                           {"totalPages", job->TotalPages},
                           {"user", TextOf(job->UserName)},
                           {"submitted", Submitted(*job)},
                           {"document", TextOf(job->Document)}});
        std::cout << all.dump(2) << "\n";
        return;
    }
    if (jobs.empty()) {
        std::cout << "No jobs queued on \"" << printer << "\"\n";
        return;
    }
    std::printf("%-6s %-4s %-12s %-9s %-16s %-19s %s\n", "ID", "POS", "STATUS", "PAGES", "USER", "SUBMITTED (UTC)",
                "DOCUMENT");
    for (const auto& job : jobs) {
        std::string status = StatusOf(*job);
        if (job->StatusText[0] != 0) status += " (" + TextOf(job->StatusText) + ")";
        const std::string pages = std::to_string(job->PagesPrinted) + "/" + std::to_string(job->TotalPages);
        std::printf("%-6u %-4u %-12s %-9s %-16s %-19s %s\n", job->JobId, job->Position, status.c_str(), pages.c_str(),
                    TextOf(job->UserName).c_str(), Submitted(*job).c_str(), TextOf(job->Document).c_str());
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

// Deletes every job queued now; one that went away meanwhile is no failure.
void CancelAll(const JobsOptions& options, const NwString& name) {
    std::size_t cancelled = 0;
    for (const auto& job : ReadQueue(options.printer, name)) {
        const std::uint32_t error = ControlJob(name.c_str(), job->JobId, NW_JOB_DELETE);
        if (error == 87) continue;
        if (error != 0)
            Fail("cannot cancel job " + std::to_string(job->JobId) + " on \"" + options.printer + "\": " +
                 JobError(error));
        ++cancelled;
    }
    std::cout << "Cancelled " << cancelled << " job" << (cancelled == 1 ? "" : "s") << " on \"" << options.printer
              << "\"\n";
}

#ifndef _WIN32
void Submit(const JobsOptions& options, const NwString& name) {
    const NwString document = FromUtf8(options.argument);
    std::uint32_t id = 0;
    if (std::uint32_t error = NordwispMachine_SubmitJob(name.c_str(), document.c_str(), nullptr, options.pages, &id);
        error != 0)
        Fail("cannot submit \"" + options.argument + "\" to \"" + options.printer + "\": " + JobError(error));
    std::cout << "Submitted job " << id << " to \"" << options.printer << "\"\n";
}
#endif

void RunJobs(const JobsOptions& options) {
    const NwString name = FromUtf8(options.printer);
    if (options.action.empty()) return ShowQueue(options.printer, name, options.json);
    if (options.action == "cancel") return CancelAll(options, name);
#ifndef _WIN32
    if (options.action == "submit") return Submit(options, name);
#endif
    for (const Action& action : kActions) {
        if (options.action != action.name) continue;
        const std::uint32_t id = ParseJobId(options.argument);
        if (std::uint32_t error = ControlJob(name.c_str(), id, action.command); error != 0)
            Fail("cannot " + options.action + " job " + options.argument + " on \"" + options.printer +
                 "\": " + JobError(error));
        std::cout << action.done << " job " << id << " on \"" << options.printer << "\"\n";
        return;
    }
    Fail("unknown jobs action \"" + options.action + "\"", kExitUsage);
}

void SetupJobs(CLI::App& app) {
    auto* jobs = app.add_subcommand("jobs", "List a printer's jobs, control one, or queue one (hosted machine)");
    auto options = std::make_shared<JobsOptions>();
    jobs->add_option("PRINTER", options->printer, "Printer name")->required();
    jobs->add_option("ACTION", options->action, "pause, resume, restart, delete, cancel --all or submit")
        ->check(CLI::IsMember({"pause", "resume", "restart", "delete", "cancel", "submit"}));
    jobs->add_option("ARGUMENT", options->argument, "Job identifier, or the document name for submit");
    jobs->add_option("--pages", options->pages, "Pages of a submitted document (default 1)");
    jobs->add_flag("--json", options->json, "List the jobs as a JSON array");
    jobs->add_flag("--all", options->all, "With cancel: every job of the printer");
    // Checked as soon as the command line is read, before a machine is prepared.
    jobs->parse_complete_callback([options] {
        if (options->action == "cancel" && !options->all) Fail("\"jobs cancel\" needs --all", kExitUsage);
        if (options->action == "cancel" && !options->argument.empty())
            Fail("\"jobs cancel --all\" takes no job identifier", kExitUsage);
        if (options->all && options->action != "cancel") Fail("--all goes with \"jobs cancel\" only", kExitUsage);
        const bool needsArgument = !options->action.empty() && options->action != "cancel";
        if (needsArgument && options->argument.empty())
            Fail("\"jobs " + options->action + "\" needs " +
                     (options->action == "submit" ? "a document name" : "a job identifier"),
                 kExitUsage);
        if (needsArgument && options->action != "submit") ParseJobId(options->argument);
    });
    jobs->callback([options] { RunJobs(*options); });
}

const bool registered = RegisterCommand(&SetupJobs);

}  // namespace
}  // namespace nwtool
