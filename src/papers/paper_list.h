// The printer's paper list: seeded once from the driver data file, kept in
// the current user's registry under "<printer>\PapersList", read, checked
// and written back whole. A list that cannot be built is an empty vector;
// the thread's Win32 error then tells why when a system call failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::papers {

// Units of sPhysSize: hundredths of an inch, tenths of a millimetre, pixels.
inline constexpr std::int32_t kUnitsInches = 0;
inline constexpr std::int32_t kUnitsMillimetres = 1;
inline constexpr std::int32_t kUnitsPixels = 2;

// Title capacity of an entry, terminator included.
inline constexpr std::size_t kTitleCapacity = 256;
// Titles read back from the registry hold at most this many characters.
inline constexpr std::size_t kStoredTitleMax = 63;
// User papers get codes above this one.
inline constexpr std::int32_t kLastShippedPaperCode = 276;

struct PaperSize {
    std::uint32_t x;
    std::uint32_t y;
};

struct PaperEntry {
    std::int32_t nWindowsPaperCode;
    PaperSize sPhysSize;
    WCHAR szTitle[kTitleCapacity];
    std::int32_t bAdvancedPaperSize;
    std::int32_t bAvailable;
    std::int32_t nUnits;
};

using PaperList = std::vector<PaperEntry>;

// The list of the record's printer; seeds the registry from the data file
// when the list is missing or empty there. Empty on failure.
PaperList BuildPaperList(const WCHAR* dataFile, const NordwispDEVMODE* record);
// The same, with the data file taken from the printer's driver.
PaperList BuildPaperListForPrinter(HANDLE printer, const NordwispDEVMODE* record);
// Only the user-defined papers, packed; never seeds. Empty when none.
PaperList BuildAdvancedPaperList(const WCHAR* registryName, const NordwispDEVMODE* record);

// Copies "Paper Size Definitions" of the data file into the registry; 1 or 0.
int InitPaperListInRegistry(const WCHAR* dataFile, const WCHAR* registryName);
// Writes "Count" and one subkey per entry; 1 or 0. The printer is not used.
int SavePaperList(HANDLE printer, const PaperEntry* papers, std::size_t count, const WCHAR* registryName);

// max(276, highest code) + 1; 0 for no papers.
std::int32_t GetNextPaperCode(const PaperEntry* papers, std::size_t count);
// 1 when some title equals the given one ignoring case, else 0.
int FindPaperByTitle(const PaperEntry* papers, std::size_t count, const WCHAR* title);

// "SOFTWARE\Kelmora Works\<registry name>\PapersList".
WString PapersListKey(const WCHAR* registryName);
// The title's characters, never past the entry's capacity.
WStringView TitleOf(const PaperEntry& paper);
// Stores at most 255 characters and the terminator.
void SetTitle(PaperEntry& paper, WStringView title);

}  // namespace nw::papers
