#include "platform/hosted/spooler_jobs.h"

#include <cstdint>
#include <cstring>

#include "platform/handles.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/registry.h"
#include "platform/hosted/spooler.h"
#include "platform/hosted/spooler_store.h"
#include "platform/registry_batch.h"

namespace nw::hosted::spooler {
namespace {

// Identifiers are handed out machine-wide, as the spooler does.
constexpr char16_t kPrintKey[] = u"SYSTEM\\CurrentControlSet\\Control\\Print";
constexpr char16_t kNextJobIdValue[] = u"Next Job Id";
// Ten digits keep the sorted subkeys in identifier (submission) order.
constexpr std::size_t kJobKeyDigits = 10;
constexpr int kMaxIdAttempts = 64;

struct TextValue {
    const char16_t* name;
    std::u16string Job::*member;
};
constexpr TextValue kTextValues[] = {
    {u"Machine Name", &Job::machine},
    {u"User Name", &Job::user},
    {u"Document", &Job::document},
    {u"Datatype", &Job::datatype},
};
constexpr char16_t kStatusTextValue[] = u"Status Text";

struct NumberValue {
    const char16_t* name;
    DWORD Job::*member;
};
// "Status" is written last: a job key without it is still being added.
constexpr NumberValue kNumberValues[] = {
    {u"Priority", &Job::priority},
    {u"Total Pages", &Job::totalPages},
    {u"Pages Printed", &Job::pagesPrinted},
    {u"Status", &Job::status},
};
constexpr char16_t kStatusValue[] = u"Status";
constexpr char16_t kPagesPrintedValue[] = u"Pages Printed";
constexpr char16_t kSubmittedValue[] = u"Submitted";

std::u16string JobsPath(std::u16string_view printer) { return PrinterKeyPath(printer) + u"\\" + kJobsSubkey; }

std::u16string JobKeyName(DWORD id) {
    std::u16string name(kJobKeyDigits, u'0');
    for (std::size_t i = kJobKeyDigits; i-- > 0 && id != 0; id /= 10) name[i] = static_cast<char16_t>(u'0' + id % 10);
    return name;
}

std::optional<DWORD> ParseJobKeyName(std::u16string_view name) {
    if (name.size() != kJobKeyDigits) return std::nullopt;
    std::uint64_t id = 0;
    for (char16_t c : name) {
        if (c < u'0' || c > u'9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(c - u'0');
    }
    if (id == 0 || id > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<DWORD>(id);
}

std::optional<Bytes> QueryValue(HKEY key, const char16_t* name, DWORD& type) {
    // The value may grow between the size query and the read; try again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        Bytes data(size);
        const LSTATUS status = ::RegQueryValueExW(key, name, nullptr, &type, size ? data.data() : nullptr, &size);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        return data;
    }
    return std::nullopt;
}

std::optional<std::u16string> QueryText(HKEY key, const char16_t* name) {
    DWORD type = 0;
    auto data = QueryValue(key, name, type);
    if (!data || type != REG_SZ) return std::nullopt;
    std::u16string text(data->size() / sizeof(char16_t), u'\0');
    if (!text.empty()) std::memcpy(text.data(), data->data(), text.size() * sizeof(char16_t));
    if (auto end = text.find(u'\0'); end != std::u16string::npos) text.resize(end);
    return text;
}

std::optional<DWORD> QueryDword(HKEY key, const char16_t* name) {
    DWORD type = 0;
    auto data = QueryValue(key, name, type);
    if (!data || type != REG_DWORD || data->size() != sizeof(DWORD)) return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, data->data(), sizeof number);
    return number;
}

LSTATUS SetText(HKEY key, const char16_t* name, const std::u16string& text) {
    return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
}

LSTATUS SetDword(HKEY key, const char16_t* name, DWORD number) {
    return ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

std::optional<Job> LoadJob(HKEY jobs, const std::u16string& keyName, DWORD id) {
    RegistryKey key;
    if (::RegOpenKeyExW(jobs, keyName.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
    Job job;
    job.id = id;
    for (const TextValue& value : kTextValues) job.*value.member = QueryText(key.get(), value.name).value_or(u"");
    job.statusText = QueryText(key.get(), kStatusTextValue);
    for (const NumberValue& value : kNumberValues) {
        auto number = QueryDword(key.get(), value.name);
        if (!number) return std::nullopt;
        job.*value.member = *number;
    }
    DWORD type = 0;
    auto submitted = QueryValue(key.get(), kSubmittedValue, type);
    if (submitted && type == REG_BINARY && submitted->size() == sizeof(SYSTEMTIME))
        std::memcpy(&job.submitted, submitted->data(), sizeof(SYSTEMTIME));
    return job;
}

// Creates the key of a fresh identifier; another process may take one at
// the same moment, so an existing key means: try the next.
DWORD CreateJobKey(std::u16string_view printer, DWORD& id, RegistryKey& key) {
    DWORD next = ReadDword(HKEY_LOCAL_MACHINE, kPrintKey, kNextJobIdValue).value_or(1);
    const std::u16string jobsPath = JobsPath(printer);
    for (int attempt = 0; attempt < kMaxIdAttempts; ++attempt, ++next) {
        if (next == 0) next = 1;
        const std::u16string path = jobsPath + u"\\" + JobKeyName(next);
        DWORD disposition = 0;
        const LSTATUS status = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                 KEY_READ | KEY_WRITE, nullptr, key.put(), &disposition);
        if (status != ERROR_SUCCESS) return static_cast<DWORD>(status);
        if (disposition == REG_CREATED_NEW_KEY) {
            id = next;
            const DWORD following = next + 1 == 0 ? 1 : next + 1;
            return static_cast<DWORD>(WriteDword(HKEY_LOCAL_MACHINE, kPrintKey, kNextJobIdValue, following));
        }
    }
    return ERROR_NO_MORE_ITEMS;
}

}  // namespace

std::vector<Job> ReadJobs(std::u16string_view printer) {
    std::vector<Job> queue;
    RegistryKey jobs;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, JobsPath(printer).c_str(), 0, KEY_READ, jobs.put()) != ERROR_SUCCESS)
        return queue;
    for (DWORD index = 0;; ++index) {
        WCHAR name[MAX_PATH + 1] = {};
        DWORD length = MAX_PATH + 1;
        if (::RegEnumKeyExW(jobs.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::u16string keyName(name, length);
        const auto id = ParseJobKeyName(keyName);
        if (!id) continue;
        if (auto job = LoadJob(jobs.get(), keyName, *id)) queue.push_back(std::move(*job));
    }
    return queue;
}

DWORD CountJobs(std::u16string_view printer) { return static_cast<DWORD>(ReadJobs(printer).size()); }

DWORD AddJob(std::u16string_view printer, Job& job) {
    if (!PrinterExists(printer)) return ERROR_INVALID_PRINTER_NAME;
    const RegistryAsService service;
    // A reader, or a crash, sees the job whole or not at all.
    RegistryBatch batch(HKEY_LOCAL_MACHINE);
    if (batch.Status() != ERROR_SUCCESS) return static_cast<DWORD>(batch.Status());
    RegistryKey key;
    DWORD id = 0;
    if (DWORD error = CreateJobKey(printer, id, key); error != ERROR_SUCCESS) return error;
    job.id = id;
    job.machine = u"\\\\" + CurrentIdentity().computerName;
    ::GetSystemTime(&job.submitted);
    for (const TextValue& value : kTextValues)
        if (LSTATUS status = SetText(key.get(), value.name, job.*value.member); status != ERROR_SUCCESS)
            return static_cast<DWORD>(status);
    if (job.statusText)
        if (LSTATUS status = SetText(key.get(), kStatusTextValue, *job.statusText); status != ERROR_SUCCESS)
            return static_cast<DWORD>(status);
    if (LSTATUS status = ::RegSetValueExW(key.get(), kSubmittedValue, 0, REG_BINARY,
                                          reinterpret_cast<const BYTE*>(&job.submitted), sizeof(SYSTEMTIME));
        status != ERROR_SUCCESS)
        return static_cast<DWORD>(status);
    for (const NumberValue& value : kNumberValues)
        if (LSTATUS status = SetDword(key.get(), value.name, job.*value.member); status != ERROR_SUCCESS)
            return static_cast<DWORD>(status);
    return static_cast<DWORD>(batch.Commit());
}

DWORD ApplyJobCommand(std::u16string_view printer, DWORD jobId, DWORD command, bool mayAdminister) {
    if (jobId == 0) return ERROR_INVALID_PARAMETER;
    const std::u16string jobsPath = JobsPath(printer);
    const std::u16string keyName = JobKeyName(jobId);
    RegistryKey jobs;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, jobsPath.c_str(), 0, KEY_READ, jobs.put()) != ERROR_SUCCESS)
        return ERROR_INVALID_PARAMETER;
    const auto job = LoadJob(jobs.get(), keyName, jobId);
    if (!job) return ERROR_INVALID_PARAMETER;
    if (!mayAdminister && !EqualNoCase(job->user, CurrentIdentity().userName)) return ERROR_ACCESS_DENIED;
    const RegistryAsService service;

    if (command == JOB_CONTROL_CANCEL || command == JOB_CONTROL_DELETE) {
        // Nothing is being printed, so a deleted job leaves the queue at once.
        RegistryKey writable;
        LSTATUS status =
            ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, jobsPath.c_str(), 0, KEY_READ | KEY_WRITE, writable.put());
        if (status == ERROR_SUCCESS) status = ::RegDeleteKeyW(writable.get(), keyName.c_str());
        return status == ERROR_FILE_NOT_FOUND ? ERROR_INVALID_PARAMETER : static_cast<DWORD>(status);
    }

    DWORD status = job->status;
    DWORD pagesPrinted = job->pagesPrinted;
    switch (command) {
        case JOB_CONTROL_PAUSE:
            status |= JOB_STATUS_PAUSED;
            break;
        case JOB_CONTROL_RESUME:
            status &= ~JOB_STATUS_PAUSED;
            break;
        case JOB_CONTROL_RESTART:
            status = (status & ~(JOB_STATUS_PRINTING | JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE | JOB_STATUS_ERROR)) |
                     JOB_STATUS_RESTART;
            pagesPrinted = 0;
            break;
        default:
            return ERROR_INVALID_PARAMETER;
    }
    RegistryKey key;
    LSTATUS result =
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, (jobsPath + u"\\" + keyName).c_str(), 0, KEY_WRITE, key.put());
    // Deleted by another process after it was read.
    if (result == ERROR_FILE_NOT_FOUND) return ERROR_INVALID_PARAMETER;
    if (result == ERROR_SUCCESS && pagesPrinted != job->pagesPrinted)
        result = SetDword(key.get(), kPagesPrintedValue, pagesPrinted);
    if (result == ERROR_SUCCESS) result = SetDword(key.get(), kStatusValue, status);
    return static_cast<DWORD>(result);
}

}  // namespace nw::hosted::spooler
