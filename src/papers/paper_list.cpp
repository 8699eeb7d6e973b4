#include "papers/paper_list.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "record/record.h"
#include "frame/trace.h"
#include "platform/handles.h"
#include "platform/registry_batch.h"
#include "settings/key_path.h"
#include "settings/registry_families.h"
#include "settings/registry_primitives.h"

namespace nw::papers {

namespace {

constexpr WCHAR kSection[] = W("Paper Size Definitions");
constexpr WCHAR kUnknownTitle[] = W("Unknown Paper Size");
constexpr WCHAR kInches[] = W("Inches");
constexpr WCHAR kMillimetres[] = W("MM");
constexpr WCHAR kPixels[] = W("Pixels");
constexpr std::uint32_t kMissingSize = 1000;
// A bogus "Number of Paper Sizes" must not turn seeding into an endless loop.
constexpr UINT kMaxSeededPapers = 100000;

struct SizeRange {
    std::uint32_t low;
    std::uint32_t high;
};
// Indexed by units: inches, millimetres, pixels.
constexpr SizeRange kSizeRanges[] = {{4, 129000}, {10, 327660}, {10, 200000}};

const SizeRange& RangeOf(std::int32_t units) {
    return kSizeRanges[units == kUnitsInches ? 0 : units == kUnitsMillimetres ? 1 : 2];
}

const WCHAR* UnitsText(std::int32_t units) {
    return units == kUnitsInches ? kInches : units == kUnitsMillimetres ? kMillimetres : kPixels;
}

// Registry calls report through their result, not the thread's error; the
// exports pass the thread's error on, so it is set here.
bool Failed(LSTATUS status) {
    if (status == ERROR_SUCCESS) return false;
    ::SetLastError(static_cast<DWORD>(status));
    return true;
}

bool ReadDword(HKEY key, const WCHAR* name, DWORD& value) {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        size != sizeof data)
        return false;
    value = data;
    return true;
}

LSTATUS WriteDword(HKEY key, const WCHAR* name, DWORD value) {
    return ::RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// Text values are stored without their terminator.
LSTATUS WriteText(HKEY key, const WCHAR* name, WStringView text) {
    return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                            static_cast<DWORD>(text.size() * sizeof(WCHAR)));
}

// Writes a value unless the key already holds exactly these bytes of this
// type: saving rewrites the whole list, and mostly to what is there.
LSTATUS SetIfDifferent(HKEY key, const WCHAR* name, DWORD type, const void* data, DWORD size) {
    BYTE stored[520];
    DWORD storedType = 0;
    DWORD storedSize = sizeof stored;
    if (size <= sizeof stored &&
        ::RegQueryValueExW(key, name, nullptr, &storedType, stored, &storedSize) == ERROR_SUCCESS &&
        storedType == type && storedSize == size && std::memcmp(stored, data, size) == 0)
        return ERROR_SUCCESS;
    return ::RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

LSTATUS SaveDword(HKEY key, const WCHAR* name, DWORD value) {
    return SetIfDifferent(key, name, REG_DWORD, &value, sizeof value);
}

LSTATUS SaveText(HKEY key, const WCHAR* name, WStringView text) {
    return SetIfDifferent(key, name, REG_SZ, text.data(), static_cast<DWORD>(text.size() * sizeof(WCHAR)));
}

// A 128-byte read: a title with no terminator inside it (64 characters or
// more) is not a title this list can hold.
void ReadTitle(HKEY key, PaperEntry& paper) {
    WCHAR title[kStoredTitleMax + 1] = {};
    DWORD size = sizeof title;
    const bool read =
        ::RegQueryValueExW(key, W("Title"), nullptr, nullptr, reinterpret_cast<BYTE*>(title), &size) == ERROR_SUCCESS;
    const WCHAR* end = std::find(title, title + std::size(title), WCHAR{0});
    if (!read || end == title + std::size(title)) {
        SetTitle(paper, kUnknownTitle);
        return;
    }
    SetTitle(paper, WStringView(title, static_cast<std::size_t>(end - title)));
}

// A missing value reads as millimetres, as seeding writes by default.
std::int32_t ReadUnits(HKEY key) {
    WCHAR units[261] = {};
    DWORD size = 520;
    const LSTATUS status = ::RegQueryValueExW(key, W("Units"), nullptr, nullptr, reinterpret_cast<BYTE*>(units), &size);
    if (status == ERROR_FILE_NOT_FOUND) return kUnitsMillimetres;
    if (status != ERROR_SUCCESS) return kUnitsPixels;
    if (settings::CompareNoCase(units, kInches) == 0) return kUnitsInches;
    if (settings::CompareNoCase(units, kMillimetres) == 0) return kUnitsMillimetres;
    return kUnitsPixels;
}

void MarkInvalid(PaperEntry& paper) {
    const WString title = W("Error: Invalid paper size (") + WString(TitleOf(paper)) + W(")");
    SetTitle(paper, title);
}

// Width first; the height is checked only when the width was in range.
void CheckSize(PaperEntry& paper, std::size_t index) {
    const SizeRange& range = RangeOf(paper.nUnits);
    auto outside = [&](std::uint32_t v) { return v < range.low || v > range.high; };
    if (outside(paper.sPhysSize.x)) {
        Trace(W("##### BuildPaperList INVALID PAPERSIZE: "));
        Trace(W("##### i = %d "), index);
        Trace(W("##### paper name  = %s "), paper.szTitle);
        Trace(W("##### pPapers[i].nUnits = %d "), paper.nUnits);
        Trace(W("##### pPapers[i].sPhysSize.x "));
        MarkInvalid(paper);
        paper.sPhysSize.x = kMissingSize;
    } else if (outside(paper.sPhysSize.y)) {
        Trace(W("##### BuildPaperList INVALID PAPERSIZE: Y"));
        Trace(W("##### i = %d "), index);
        Trace(W("##### paper name  = %s "), paper.szTitle);
        Trace(W("##### pPapers[i].nUnits = %d "), paper.nUnits);
        Trace(W("##### pPapers[i].sPhysSize.y %d"), paper.sPhysSize.y);
        MarkInvalid(paper);
        paper.sPhysSize.y = kMissingSize;
    }
}

enum class Selection { All, AdvancedOnly };

// Reads the list kept at path. With AdvancedOnly the papers not marked as
// user-defined are skipped and the rest packed.
PaperList ReadPaperList(const WString& path, Selection selection) {
    Trace(W("BuildPaperList (1)"));
    RegistryKey key;
    if (LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()); Failed(status)) {
        Trace(W("BuildPaperList: Error open registry key: %s. Error: %d"), path.c_str(), status);
        return {};
    }
    DWORD count = 0;
    if (!ReadDword(key.get(), W("Count"), count)) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        Trace(W("BuildPaperList: Error getting papers count. Error: %d"), ERROR_FILE_NOT_FOUND);
        return {};
    }
    Trace(W("BuildPaperList: Papers in the INI file: %d "), count);
    Trace(W("BuildPaperList: Total nr of papres: %d "), count);

    PaperList papers;
    try {
        // Grown as subkeys are read, so a bogus Count cannot claim the memory.
        papers.reserve(std::min<DWORD>(count, 4096));
        for (DWORD i = 0; i < count; ++i) {
            RegistryKey sub;
            if (LSTATUS status = ::RegOpenKeyExW(key.get(), settings::DecimalText(i + 1).c_str(), 0, KEY_READ,
                                                 sub.put());
                Failed(status)) {
                Trace(W("BuildPaperList: Error reading paper info from the registry. Error: %d"), status);
                return {};
            }
            DWORD advanced = 0;
            const bool hasAdvanced = ReadDword(sub.get(), W("AdvancedPaperSize"), advanced);
            if (selection == Selection::AdvancedOnly && (!hasAdvanced || advanced == 0)) continue;

            PaperEntry paper{};
            DWORD available = 0;
            paper.bAvailable = ReadDword(sub.get(), W("Available"), available) && available != 0 ? 1 : 0;
            paper.bAdvancedPaperSize = hasAdvanced && advanced != 0 ? 1 : 0;
            ReadTitle(sub.get(), paper);
            DWORD width = kMissingSize;
            DWORD height = kMissingSize;
            ReadDword(sub.get(), W("Width"), width);
            ReadDword(sub.get(), W("Height"), height);
            paper.sPhysSize = {width, height};
            // A missing code continues the user codes from the position.
            const std::size_t position = selection == Selection::All ? i : papers.size();
            DWORD code = static_cast<DWORD>(kLastShippedPaperCode) + static_cast<DWORD>(position);
            ReadDword(sub.get(), W("WindowsPaperCode"), code);
            paper.nWindowsPaperCode = static_cast<std::int32_t>(code);
            paper.nUnits = ReadUnits(sub.get());
            CheckSize(paper, i);
            papers.push_back(paper);
        }
    } catch (const std::bad_alloc&) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        Trace(W("!BuildPaperList: memmory allocation error: %d )"), ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
    Trace(W("BuildPaperList: End"));
    return papers;
}

WString RegistryNameOf(const NordwispDEVMODE* record) {
    WCHAR name[settings::kRegistryNameCapacity] = {};
    GetRegistryNameByPrinterID(record, name, std::size(name));
    return WString(name);
}

// One subkey's values in their fixed order; the trace names the failing one.
LSTATUS WritePaper(HKEY key, const PaperEntry& paper, const WCHAR* who) {
    struct Number {
        const WCHAR* name;
        DWORD value;
    };
    LSTATUS status = SaveText(key, W("Title"), TitleOf(paper));
    if (status != ERROR_SUCCESS) {
        Trace(W("%s: Error writting 'Title' paper info (%s) to the registry. Error: %d"), who, paper.szTitle, status);
        return status;
    }
    const Number numbers[] = {
        {W("Available"), static_cast<DWORD>(paper.bAvailable)},
        {W("AdvancedPaperSize"), static_cast<DWORD>(paper.bAdvancedPaperSize)},
        {W("Width"), paper.sPhysSize.x},
        {W("Height"), paper.sPhysSize.y},
        {W("WindowsPaperCode"), static_cast<DWORD>(paper.nWindowsPaperCode)},
    };
    for (const Number& number : numbers) {
        status = SaveDword(key, number.name, number.value);
        if (status != ERROR_SUCCESS) {
            Trace(W("%s: Error writting '%s' paper info (%s) to the registry. Error: %d"), who, number.name,
                  paper.szTitle, status);
            return status;
        }
    }
    status = SaveText(key, W("Units"), UnitsText(paper.nUnits));
    if (status != ERROR_SUCCESS)
        Trace(W("%s: Error writting 'Units' paper info (%s) to the registry. Error: %d"), who, paper.szTitle, status);
    return status;
}

}  // namespace

WString PapersListKey(const WCHAR* registryName) {
    return settings::JoinKey(settings::kVendorKey, WString(registryName) + W("\\PapersList"));
}

WStringView TitleOf(const PaperEntry& paper) {
    const WCHAR* end = std::find(paper.szTitle, paper.szTitle + kTitleCapacity, WCHAR{0});
    return WStringView(paper.szTitle, static_cast<std::size_t>(end - paper.szTitle));
}

void SetTitle(PaperEntry& paper, WStringView title) {
    const std::size_t n = std::min(title.size(), kTitleCapacity - 1);
    std::fill(std::begin(paper.szTitle), std::end(paper.szTitle), WCHAR{0});
    std::copy_n(title.data(), n, paper.szTitle);
}

PaperList BuildPaperList(const WCHAR* dataFile, const NordwispDEVMODE* record) {
    Trace(W("BuildPaperList: Start..."));
    if (record == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return {};
    }
    Trace(W("BuildPaperList: calling GetRegistryNameByPrinterID: dwPrinterID: %d"), record::PrinterID.Get(record));
    const WString name = RegistryNameOf(record);
    Trace(W("BuildPaperList: GetRegistryNameByPrinterID returned pPrinterName: %s"), name.c_str());
    const WString path = PapersListKey(name.c_str());

    DWORD count = 0;
    {
        RegistryKey key;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS)
            ReadDword(key.get(), W("Count"), count);
    }
    if (count == 0 && !InitPaperListInRegistry(dataFile, name.c_str())) {
        Trace(W("Error move paper list from INI to registry."));
        return {};
    }
    return ReadPaperList(path, Selection::All);
}

PaperList BuildPaperListForPrinter(HANDLE printer, const NordwispDEVMODE* record) {
    DWORD needed = 0;
    ::GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &needed);
    if (needed == 0) return {};
    // Room for the driver's strings, and 8-byte units so the structure is aligned.
    std::vector<std::uint64_t> buffer((needed + 4 + 7) / 8, 0);
    if (!::GetPrinterDriverW(printer, nullptr, 2, reinterpret_cast<BYTE*>(buffer.data()), needed + 4, &needed))
        return {};
    const auto* info = reinterpret_cast<const DRIVER_INFO_2W*>(buffer.data());
    return BuildPaperList(info->pDataFile, record);
}

PaperList BuildAdvancedPaperList(const WCHAR* registryName, const NordwispDEVMODE* record) {
    Trace(W("BuildPaperList: Start..."));
    if (registryName == nullptr) {
        if (record == nullptr) return {};
        return ReadPaperList(PapersListKey(RegistryNameOf(record).c_str()), Selection::AdvancedOnly);
    }
    return ReadPaperList(PapersListKey(registryName), Selection::AdvancedOnly);
}

int InitPaperListInRegistry(const WCHAR* dataFile, const WCHAR* registryName) {
    if (dataFile == nullptr || registryName == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Trace(W("InitPaperListInRegistry: %s - %s"), registryName, dataFile);
    const WString path = PapersListKey(registryName);
    // "Count" without all its papers would break every later build.
    RegistryBatch batch(HKEY_CURRENT_USER);
    if (Failed(batch.Status())) {
        Trace(W("InitPaperListInRegistry: Error open registry key. Error: %d"), batch.Status());
        return 0;
    }
    RegistryKey key;
    if (LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_WRITE, nullptr, key.put(), nullptr);
        Failed(status)) {
        Trace(W("InitPaperListInRegistry: Error open registry key. Error: %d"), status);
        return 0;
    }
    const UINT count = ::GetPrivateProfileIntW(kSection, W("Number of Paper Sizes"), 0, dataFile);
    if (count == 0 || count > kMaxSeededPapers) {
        ::SetLastError(count == 0 ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_DATA);
        Trace(W("InitPaperListInRegistry: there are no papers in the INI file"));
        return 0;
    }
    if (LSTATUS status = WriteDword(key.get(), W("Count"), count); Failed(status)) {
        Trace(W("InitPaperListInRegistry: Error writting count to the registry. Error: %d"), status);
        return 0;
    }
    struct Number {
        const WCHAR* name;
        INT fallback;
    };
    static constexpr Number kNumbers[] = {
        {W("Available"), 0}, {W("AdvancedPaperSize"), 0}, {W("Width"), 1000},
        {W("Height"), 1000}, {W("WindowsPaperCode"), kLastShippedPaperCode},
    };
    for (UINT n = 1; n <= count; ++n) {
        const WString prefix = W("Paper") + settings::DecimalText(n) + W(" ");
        WCHAR title[kStoredTitleMax + 1] = {};
        ::GetPrivateProfileStringW(kSection, (prefix + W("Title")).c_str(), kUnknownTitle, title,
                                   static_cast<DWORD>(std::size(title)), dataFile);
        RegistryKey sub;
        if (LSTATUS status = ::RegCreateKeyExW(key.get(), settings::DecimalText(n).c_str(), 0, nullptr,
                                               REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, sub.put(), nullptr);
            Failed(status)) {
            Trace(W("InitPaperListInRegistry: Error writting paper info to the registry. Error: %d"), status);
            return 0;
        }
        if (LSTATUS status = WriteText(sub.get(), W("Title"), title); Failed(status)) {
            Trace(W("InitPaperListInRegistry: Error writting 'Title' paper info (%s) to the registry. Error: %d"),
                  title, status);
            return 0;
        }
        // Copied as read: no normalisation, no range check.
        for (const Number& number : kNumbers) {
            const UINT value =
                ::GetPrivateProfileIntW(kSection, (prefix + number.name).c_str(), number.fallback, dataFile);
            if (LSTATUS status = WriteDword(sub.get(), number.name, value); Failed(status)) {
                Trace(W("InitPaperListInRegistry: Error writting '%s' paper info (%s) to the registry. Error: %d"),
                      number.name, title, status);
                return 0;
            }
        }
        WCHAR units[260] = {};
        ::GetPrivateProfileStringW(kSection, (prefix + W("Units")).c_str(), kMillimetres, units,
                                   static_cast<DWORD>(std::size(units)), dataFile);
        if (LSTATUS status = WriteText(sub.get(), W("Units"), units); Failed(status)) {
            Trace(W("InitPaperListInRegistry: Error writting 'Units' paper info (%s) to the registry. Error: %d"),
                  title, status);
            return 0;
        }
    }
    if (LSTATUS status = batch.Commit(); Failed(status)) {
        Trace(W("InitPaperListInRegistry: Error writting count to the registry. Error: %d"), status);
        return 0;
    }
    return 1;
}

int SavePaperList(HANDLE /*printer*/, const PaperEntry* papers, std::size_t count, const WCHAR* registryName) {
    if (papers == nullptr) {
        if (count != 0) return 0;
        Trace(W("SavePaperList: pPapers = NULL, no papers, save 0"));
    }
    if (registryName == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const WString path = PapersListKey(registryName);
    // Other processes see the old list or the new one; a failed or killed
    // save leaves the old one whole.
    RegistryBatch batch(HKEY_CURRENT_USER);
    RegistryKey key;
    LSTATUS opened = batch.Status();
    if (opened == ERROR_SUCCESS)
        opened = ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, key.put(), nullptr);
    if (Failed(opened)) {
        Trace(W("SavePaperList: Error open registry key. Error: %d"), opened);
        return 0;
    }
    if (LSTATUS status = SaveDword(key.get(), W("Count"), static_cast<DWORD>(count)); Failed(status)) {
        Trace(W("SavePaperList: Error writting count to the registry. Error: %d"), status);
        return 0;
    }
    for (std::size_t i = 0; i < count; ++i) {
        RegistryKey sub;
        const WString name = settings::DecimalText(static_cast<std::int64_t>(i) + 1);
        // Most subkeys are there already; creating one is a change of its own.
        LSTATUS status = ::RegOpenKeyExW(key.get(), name.c_str(), 0, KEY_READ | KEY_WRITE, sub.put());
        if (status == ERROR_FILE_NOT_FOUND)
            status = ::RegCreateKeyExW(key.get(), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_READ | KEY_WRITE, nullptr, sub.put(), nullptr);
        if (Failed(status)) {
            Trace(W("SavePaperList: Error writting paper info to the registry. Error: %d"), status);
            return 0;
        }
        if (Failed(WritePaper(sub.get(), papers[i], W("SavePaperList")))) return 0;
    }
    if (LSTATUS status = batch.Commit(); Failed(status)) {
        Trace(W("SavePaperList: Error writting count to the registry. Error: %d"), status);
        return 0;
    }
    return 1;
}

std::int32_t GetNextPaperCode(const PaperEntry* papers, std::size_t count) {
    if (papers == nullptr || count == 0) return 0;
    std::int32_t highest = kLastShippedPaperCode;
    for (std::size_t i = 0; i < count; ++i) highest = std::max(highest, papers[i].nWindowsPaperCode);
    // Wraps like the 32-bit code it is rather than overflowing.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(highest) + 1u);
}

int FindPaperByTitle(const PaperEntry* papers, std::size_t count, const WCHAR* title) {
    if (papers == nullptr || title == nullptr) return 0;
    for (std::size_t i = 0; i < count; ++i)
        if (settings::CompareNoCase(papers[i].szTitle, title) == 0) return 1;
    return 0;
}

}  // namespace nw::papers
