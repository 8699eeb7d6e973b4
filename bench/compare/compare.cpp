// The same scenarios on Linux (hosted machine) and on Windows or Wine: the
// exports driven the way applications drive them, each scenario on a fresh
// printer key. Prints one JSON line per scenario:
//   {"scenario":"...","operations":N,"seconds":S,"ns_per_operation":X}
// scripts/compare-wine runs both builds and tabulates them.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"

namespace {

// Every numeric registry setting of the tables, as a getter and a setter
// through which the scenario reads and writes it.
struct NumberSetting {
    int (*get)(NordwispDEVMODE*);
    int(NW_API* set)(NordwispDEVMODE*, int);
};

template <int(NW_API* Get)(const NordwispDEVMODE*)>
int ReadValue(NordwispDEVMODE* record) { return Get(record); }
template <int(NW_API* Get)(const NordwispDEVMODE*, int*)>
int ReadOut(NordwispDEVMODE* record) {
    int value = 0;
    Get(record, &value);
    return value;
}
template <int(NW_API* Get)(NordwispDEVMODE*, int*)>
int ReadOutDecorated(NordwispDEVMODE* record) {
    int value = 0;
    Get(record, &value);
    return value;
}

struct TextSetting {
    int(NW_API* get)(const NordwispDEVMODE*, NWCHAR*, int*);
    int(NW_API* set)(NordwispDEVMODE*, const NWCHAR*);
};

#define NW_EXPORT_NAME(name)
#define NW_DECORATED_GETTER(name)
#define NW_DECORATED_SETTER(name)
#define NW_VALUE(name, row) {&ReadValue<&Get##name>, &Set##name},
#define NW_OUT(name, row) {&ReadOut<&Get##name>, &Set##name},
#if defined(_WIN32)
// Windows knows these under the C++ compiler's decorated names only.
#define NW_OUT_DECORATED(name, row)
#else
#define NW_OUT_DECORATED(name, row) {&ReadOutDecorated<&Get##name>, &Set##name},
#endif
#define NW_REGISTRY_SWITCH(isName, setName, row) {&ReadValue<&isName>, &setName},
#define NW_TEXT(name, row)
#define NW_TEXT_CHARS(name, row)
const NumberSetting kNumbers[] = {
#include "settings/registry_values.def"
};
#undef NW_VALUE
#undef NW_OUT
#undef NW_OUT_DECORATED
#undef NW_REGISTRY_SWITCH
#undef NW_TEXT
#undef NW_TEXT_CHARS

#define NW_VALUE(name, row)
#define NW_OUT(name, row)
#define NW_OUT_DECORATED(name, row)
#define NW_REGISTRY_SWITCH(isName, setName, row)
#define NW_TEXT(name, row) {&Get##name, &Set##name},
#define NW_TEXT_CHARS(name, row)
const TextSetting kTexts[] = {
#include "settings/registry_values.def"
};

using Clock = std::chrono::steady_clock;

struct Result {
    long long operations = 0;
    long long failures = 0;
    double seconds = 0;
};

void Print(const char* scenario, const Result& result) {
    std::printf("{\"scenario\":\"%s\",\"operations\":%lld,\"failures\":%lld,\"seconds\":%.6f,"
                "\"ns_per_operation\":%.1f}\n",
                scenario, result.operations, result.failures, result.seconds,
                result.operations ? result.seconds * 1e9 / static_cast<double>(result.operations) : 0.0);
}

// A record of a printer nobody used before: its registry key is new.
NordwispDEVMODE FreshRecord(const char* scenario) {
    static const long long run = std::chrono::duration_cast<std::chrono::microseconds>(
                                     std::chrono::system_clock::now().time_since_epoch()).count() % 1000000000;
    NordwispDEVMODE record;
    std::memset(&record, 0, sizeof record);
    record.DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
    record.DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
    record.DM.dmDriverVersion = NW_SUPPORTED_DRIVER_VERSION;
    const std::string name = "Cmp " + std::to_string(run) + " " + scenario;
    for (std::size_t i = 0; i < name.size() && i < 31; ++i) record.DM.dmDeviceName[i] = static_cast<NWCHAR>(name[i]);
    return record;
}

template <class Body>
Result Time(long long operations, Body body) {
    Result result;
    result.operations = operations;
    const auto start = Clock::now();
    result.failures = body();
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result;
}

// Set then read back, cycling through the numeric settings: the value
// written is the one read, so every setting takes it whatever its range.
Result RegistryNumbers(long long operations) {
    NordwispDEVMODE record = FreshRecord("numbers");
    const long long rows = sizeof kNumbers / sizeof kNumbers[0];
    return Time(operations, [&] {
        long long failures = 0;
        for (long long i = 0; i < operations; ++i) {
            const NumberSetting& setting = kNumbers[i % rows];
            const int value = setting.get(&record);
            if (!setting.set(&record, value) || setting.get(&record) != value) ++failures;
        }
        return failures;
    });
}

Result RegistryTexts(long long operations, std::size_t length) {
    NordwispDEVMODE record = FreshRecord("texts");
    std::vector<NWCHAR> text(length + 1, 0);
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<NWCHAR>('a' + i % 26);
    std::vector<NWCHAR> buffer(1024);
    const long long rows = sizeof kTexts / sizeof kTexts[0];
    return Time(operations, [&] {
        long long failures = 0;
        for (long long i = 0; i < operations; ++i) {
            const TextSetting& setting = kTexts[i % rows];
            int size = static_cast<int>(buffer.size() * sizeof(NWCHAR));
            if (!setting.set(&record, text.data()) || !setting.get(&record, buffer.data(), &size)) ++failures;
        }
        return failures;
    });
}

Result RecordAccessors(long long pairs) {
    NordwispDEVMODE record = FreshRecord("accessors");
    return Time(pairs, [&] {
        long long failures = 0;
        for (long long i = 0; i < pairs; ++i) {
            const int value = static_cast<int>(i & 0x7FFF);
            SetBarcodeXOffset(&record, value);
            if (GetBarcodeXOffset(&record) != value) ++failures;
        }
        return failures;
    });
}

// What the accessor pair costs at least: a store and a load of the field.
Result PlainMemory(long long pairs) {
    volatile std::int32_t slot = 0;
    volatile std::int32_t* field = &slot;
    return Time(pairs, [&] {
        long long failures = 0;
        for (long long i = 0; i < pairs; ++i) {
            const std::int32_t value = static_cast<std::int32_t>(i & 0x7FFF);
            *field = value;
            if (*field != value) ++failures;
        }
        return failures;
    });
}

// What any pair of exported calls costs at least: two calls of the
// smallest export, which only loads the last error.
Result ExportCalls(long long pairs) {
    return Time(pairs, [&] {
        long long failures = 0;
        for (long long i = 0; i < pairs; ++i)
            if (Nordwisp_GetLastError() + Nordwisp_GetLastError() == 1) ++failures;
        return failures;
    });
}

// An application numbering its output: check the template, take the next
// document number from the printer's counter.
Result TemplatesAndCounter(long long names) {
    NordwispDEVMODE record = FreshRecord("templates");
    static const NWCHAR kTemplate[] = {'<', '<', 'D', 'O', 'C', 'N', 'A', 'M', 'E', '>', '>', '<', '<', 'C',
                                       'O', 'U', 'N', 'T', 'E', 'R', '>', '>', '.', 'p', 'd', 'f', 0};
    return Time(names, [&] {
        long long failures = 0;
        for (long long i = 0; i < names; ++i) {
            if (IsCustomFilenameTemplateValid(&record, kTemplate) != 0) ++failures;  // 0: valid
            if (!SetDocumentNumber(&record, GetDocumentNumber(&record) + 1)) ++failures;
        }
        return failures;
    });
}

// A whole settings file written again and again, as an application saving
// its configuration: every key read from the record, the registry and the
// paper list, merged into the existing file and written once.
Result SettingsExport(long long exports) {
    NordwispDEVMODE record = FreshRecord("export");
    static const NWCHAR kFile[] = {'C', ':', '\\', 'n', 'w', '_', 'c', 'o', 'm', 'p', 'a', 'r', 'e',
                                   '_', 'e', 'x', 'p', 'o', 'r', 't', '.', 'i', 'n', 'i', 0};
    return Time(exports, [&] {
        long long failures = 0;
        for (long long i = 0; i < exports; ++i)
            if (ExportSettingstoINIFile(&record, kFile) != 1) ++failures;
        return failures;
    });
}

}  // namespace

int main(int argc, char** argv) {
    // "--quick" for a smoke run in the tests; scenario names pick some.
    long long scale = 1;
    std::vector<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0)
            scale = 100;
        else
            chosen.emplace_back(argv[i]);
    }
    const auto run = [&](const char* scenario, auto body) {
        bool wanted = chosen.empty();
        for (const std::string& name : chosen) wanted = wanted || name == scenario;
        if (wanted) Print(scenario, body());
    };
    // The registry as an application finds it: opened by an earlier call.
    NordwispDEVMODE warm = FreshRecord("warm-up");
    GetDocumentNumber(&warm);
    run("registry_numbers_1000", [&] { return RegistryNumbers(1000 / scale); });
    run("registry_texts_100x200", [&] { return RegistryTexts(100 / scale, 200); });
    run("record_accessors_1000000", [&] { return RecordAccessors(1000000 / scale); });
    run("plain_memory_1000000", [&] { return PlainMemory(1000000 / scale); });
    run("export_calls_1000000", [&] { return ExportCalls(1000000 / scale); });
    run("templates_counter_10000", [&] { return TemplatesAndCounter(10000 / scale); });
    run("settings_export_100", [&] { return SettingsExport(100 / scale); });
    return 0;
}
