// The printer's named output resolutions: read from "<printer>\Resolutions"
// in the settings store, written into the "Resolutions" section of a
// settings INI file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::papers {

inline constexpr std::size_t kResolutionNameCapacity = 257;

struct ResolutionEntry {
    WCHAR szName[kResolutionNameCapacity];
    std::int32_t nCode;
    std::int32_t nDpiX;
    std::int32_t nDpiY;
    std::int32_t bVisible;
    std::int32_t bCustom;
};

using ResolutionList = std::vector<ResolutionEntry>;

// 50 ... 3000 dots per inch, or exactly -1.
bool IsValidResolution(std::int32_t dpi);

// Replaces the list with the valid entries of the registry; 1 also when
// none was valid. 0, leaving the list alone, when the count is missing or 0.
int ReadResolutionsFromRegistry(const NordwispDEVMODE* record, ResolutionList& list);
// Entry at position (0-based); 1 when it was read and is valid.
int ReadResolutionFromRegistry(ResolutionEntry& entry, const NordwispDEVMODE* record, std::size_t position);

// The writers a settings export passes: WritePrivateProfileStringW's shape,
// and WritePrivateProfileInt's.
using ProfileStringWriter = BOOL(WINAPI*)(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);
using ProfileIntWriter = BOOL (*)(LPCWSTR section, LPCWSTR key, int value, LPCWSTR file);

// Signed decimal text through WritePrivateProfileStringW; 0 without writing
// when section, key or file is null.
BOOL WritePrivateProfileInt(LPCWSTR section, LPCWSTR key, int value, LPCWSTR file);

// "Number of Resolutions", then
// each entry's keys; stops at the first failed write. Nonzero on success.
int WriteResolutionsToIni(const WCHAR* file, const ResolutionList& list,
                          ProfileStringWriter writeString = &::WritePrivateProfileStringW,
                          ProfileIntWriter writeInt = &WritePrivateProfileInt);

}  // namespace nw::papers
