#include "papers/paper_operations.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "accessors/numeric_accessors.h"
#include "accessors/page_geometry.h"
#include "record/record.h"
#include "frame/last_error.h"
#include "papers/paper_list.h"
#include "papers/paper_lock.h"
#include "platform/handles.h"
#include "settings/family_tables.h"
#include "settings/key_path.h"
#include "settings/registry_families.h"
#include "settings/registry_primitives.h"

namespace nw::papers {

namespace {

constexpr std::uint32_t kErrorInvalidParameter = ERROR_INVALID_PARAMETER;  // 87
constexpr std::uint32_t kErrorNotFound = ERROR_FILE_NOT_FOUND;              // 2
constexpr std::uint32_t kErrorExists = ERROR_ALREADY_EXISTS;                // 183
constexpr std::uint32_t kErrorNotUserPaper = ERROR_ACCESS_DENIED;           // 5

bool Refuse(std::uint32_t error) {
    SetLastErrorValue(error);
    return false;
}

// The thread's error after a failed system call; a failure that left none
// still must not read as success.
void StoreFailure() {
    const DWORD error = ::GetLastError();
    SetLastErrorValue(error != 0 ? error : static_cast<std::uint32_t>(ERROR_INVALID_DATA));
}

// A title the caller may give: present, not empty, at most 255 characters.
bool IsGivenTitle(const WCHAR* title) {
    return title != nullptr && title[0] != 0 && settings::BoundedLength(title, kMaxTitleLength + 1) <= kMaxTitleLength;
}

bool IsGivenSize(int width, int height, int units) {
    return width != 0 && height != 0 && static_cast<unsigned>(units) <= static_cast<unsigned>(kUnitsPixels);
}

// The record's printer, open for use, and its list as the registry holds it.
// The callers hold the paper lock from reading the list to saving it, so a
// change another process made in between is read, never written over, and
// no reader meets a list being saved.
struct OpenList {
    PrinterHandle printer;
    PaperList papers;
};

bool Open(const NordwispDEVMODE* record, OpenList& list) {
    ::SetLastError(0);
    // dmDeviceName may fill all 32 units without a terminator.
    WCHAR name[33] = {};
    std::memcpy(name, record::Bytes(record) + offsetof(NordwispDEVMODE, DM.dmDeviceName), 32 * sizeof(WCHAR));
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (!::OpenPrinterW(name, list.printer.put(), &defaults)) {
        StoreFailure();
        return false;
    }
    list.papers = BuildPaperListForPrinter(list.printer.get(), record);
    if (list.papers.empty()) {
        StoreFailure();
        return false;
    }
    return true;
}

// Position of the first paper with this title; the first paper never counts.
std::optional<std::size_t> FindTitle(const PaperList& papers, const WCHAR* title) {
    for (std::size_t i = 0; i < papers.size(); ++i) {
        if (settings::CompareNoCase(papers[i].szTitle, title) != 0) continue;
        if (i == 0) return std::nullopt;
        return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> FindCode(const PaperList& papers, int code) {
    for (std::size_t i = 0; i < papers.size(); ++i) {
        if (papers[i].nWindowsPaperCode != code) continue;
        if (i == 0) return std::nullopt;
        return i;
    }
    return std::nullopt;
}

bool Save(const NordwispDEVMODE* record, const OpenList& list, std::size_t count) {
    WCHAR name[settings::kRegistryNameCapacity] = {};
    GetRegistryNameByPrinterID(record, name, std::size(name));
    ::SetLastError(0);
    if (SavePaperList(list.printer.get(), list.papers.data(), count, name)) return true;
    StoreFailure();
    return false;
}

void Describe(PaperEntry& paper, const WCHAR* title, int width, int height, int units) {
    paper.nUnits = units;
    paper.sPhysSize = {static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
    SetTitle(paper, title);
}

}  // namespace

int AddPaper(const NordwispDEVMODE* record, const WCHAR* title, int width, int height, int units) {
    if (record == nullptr || !IsGivenTitle(title) || !IsGivenSize(width, height, units))
        return Refuse(kErrorInvalidParameter);
    PaperListLock lock;
    OpenList list;
    if (!Open(record, list)) return 0;
    if (FindPaperByTitle(list.papers.data(), list.papers.size(), title)) return Refuse(kErrorExists);
    PaperEntry paper{};
    paper.nWindowsPaperCode = GetNextPaperCode(list.papers.data(), list.papers.size());
    paper.bAdvancedPaperSize = 1;
    paper.bAvailable = 1;
    Describe(paper, title, width, height, units);
    list.papers.push_back(paper);
    if (!Save(record, list, list.papers.size())) return 0;
    return paper.nWindowsPaperCode;
}

int ModifyPaper(const NordwispDEVMODE* record, const WCHAR* currentTitle, const WCHAR* newTitle, int width,
                int height, int units) {
    if (record == nullptr || !IsGivenTitle(currentTitle) || !IsGivenTitle(newTitle) ||
        !IsGivenSize(width, height, units))
        return Refuse(kErrorInvalidParameter);
    PaperListLock lock;
    OpenList list;
    if (!Open(record, list)) return 0;
    const auto found = FindTitle(list.papers, currentTitle);
    if (!found) return Refuse(kErrorNotFound);
    if (settings::CompareNoCase(currentTitle, newTitle) != 0) {
        for (std::size_t i = 0; i < list.papers.size(); ++i)
            if (i != *found && settings::CompareNoCase(list.papers[i].szTitle, newTitle) == 0)
                return Refuse(kErrorExists);
    }
    PaperEntry& paper = list.papers[*found];
    if (paper.bAdvancedPaperSize == 0) return Refuse(kErrorNotUserPaper);
    Describe(paper, newTitle, width, height, units);
    if (!Save(record, list, list.papers.size())) return 0;
    return paper.nWindowsPaperCode;
}

int DeletePaper(const NordwispDEVMODE* record, const WCHAR* title) {
    if (record == nullptr || title == nullptr || title[0] == 0) return Refuse(kErrorInvalidParameter);
    PaperListLock lock;
    OpenList list;
    if (!Open(record, list)) return 0;
    const auto found = FindTitle(list.papers, title);
    if (!found) return Refuse(kErrorNotFound);
    if (list.papers[*found].bAdvancedPaperSize == 0) return Refuse(kErrorNotUserPaper);
    // Later papers move up in order; the highest subkey stays behind, past Count.
    list.papers.erase(list.papers.begin() + static_cast<std::ptrdiff_t>(*found));
    return Save(record, list, list.papers.size()) ? 1 : 0;
}

int PaperInfo(const NordwispDEVMODE* record, const WCHAR* title, int* width, int* height, int* units) {
    if (record == nullptr || title == nullptr || title[0] == 0) return Refuse(kErrorInvalidParameter);
    PaperListLock lock;
    OpenList list;
    if (!Open(record, list)) return 0;
    const auto found = FindTitle(list.papers, title);
    if (!found) return Refuse(kErrorNotFound);
    const PaperEntry& paper = list.papers[*found];
    if (width != nullptr) *width = static_cast<int>(paper.sPhysSize.x);
    if (height != nullptr) *height = static_cast<int>(paper.sPhysSize.y);
    if (units != nullptr) *units = paper.nUnits;
    return paper.nWindowsPaperCode;
}

int PaperName(const NordwispDEVMODE* record, int code, WCHAR* buffer, int* size) {
    if (record == nullptr || code == 0 || size == nullptr) return Refuse(kErrorInvalidParameter);
    PaperListLock lock;
    OpenList list;
    if (!Open(record, list)) return 0;
    const auto found = FindCode(list.papers, code);
    if (!found) return Refuse(kErrorNotFound);
    const WStringView title = TitleOf(list.papers[*found]);
    const int needed = static_cast<int>((title.size() + 1) * sizeof(WCHAR));
    if (buffer != nullptr && *size >= needed) {
        std::copy(title.begin(), title.end(), buffer);
        buffer[title.size()] = 0;
    }
    *size = needed;
    return 1;
}

int PaperNameAnsi(const NordwispDEVMODE* record, int code, char* buffer, int* size) {
    if (size == nullptr) return PaperName(record, code, nullptr, nullptr);
    WCHAR title[kTitleCapacity] = {};
    int wideSize = static_cast<int>(sizeof title);
    if (!PaperName(record, code, title, &wideSize)) return 0;
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, title, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        StoreFailure();
        return 0;
    }
    if (buffer != nullptr && *size >= needed)
        ::WideCharToMultiByte(CP_ACP, 0, title, -1, buffer, needed, nullptr, nullptr);
    *size = needed;
    return 1;
}

int ForcePaperSize(const NordwispDEVMODE* record) {
    namespace page = settings::page;
    namespace geometry = accessors::geometry;
    WCHAR name[256] = {};
    int size = static_cast<int>(sizeof name);
    const std::int32_t paperSize = accessors::ReadNumber(record, geometry::PaperSize);
    if (!PaperName(record, paperSize, name, &size) || name[0] == 0) std::copy_n(W("Custom"), 7, name);
    // Written in this order, unchecked; only the switch's write is the result.
    settings::WriteSetting(record, page::ForcePaperName, name);
    settings::WriteSetting(record, page::ForcePaperSize, paperSize);
    settings::WriteSetting(record, page::ForcePaperWidth, accessors::ReadNumber(record, geometry::PaperWidth));
    settings::WriteSetting(record, page::ForcePaperHeight, accessors::ReadNumber(record, geometry::PaperLength));
    settings::WriteSetting(record, page::ForcePaperXDPI, accessors::ReadNumber(record, geometry::XDPI));
    settings::WriteSetting(record, page::ForcePaperYDPI, accessors::ReadNumber(record, geometry::YDPI));
    settings::WriteSetting(record, page::ForcePaperWidthInPixels,
                           accessors::ReadNumber(record, geometry::PageWidthInPixels));
    settings::WriteSetting(record, page::ForcePaperHeightInPixels,
                           accessors::ReadNumber(record, geometry::PageHeightInPixels));
    return settings::WriteSetting(record, page::ForcePaperEnabled, 1);
}

}  // namespace nw::papers
