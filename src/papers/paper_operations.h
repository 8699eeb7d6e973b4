// The paper-size operations behind the exports. Each runs the whole
// sequence: it opens the record's printer, rebuilds the list from the
// registry, works on it and stores the library's last error (87 bad
// argument, 2 no such paper, 183 title taken, 5 not a user paper, else the
// system's). The caller stores 0 first. The first paper of the list is
// never found by title or code.
#pragma once

#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::papers {

// Longest title a caller may give; the entry holds it and its terminator.
inline constexpr std::size_t kMaxTitleLength = 255;

// The new paper's code, or 0.
int AddPaper(const NordwispDEVMODE* record, const WCHAR* title, int width, int height, int units);
// The paper's unchanged code, or 0.
int ModifyPaper(const NordwispDEVMODE* record, const WCHAR* currentTitle, const WCHAR* newTitle, int width,
                int height, int units);
// 1 or 0.
int DeletePaper(const NordwispDEVMODE* record, const WCHAR* title);
// The paper's code, or 0; each out pointer may be null.
int PaperInfo(const NordwispDEVMODE* record, const WCHAR* title, int* width, int* height, int* units);
// 1 when the title was copied or only its size (bytes, terminator included)
// reported through *size; 0 on failure.
int PaperName(const NordwispDEVMODE* record, int code, WCHAR* buffer, int* size);
// The same in the ANSI code page; *size counts ANSI bytes.
int PaperNameAnsi(const NordwispDEVMODE* record, int code, char* buffer, int* size);

// Copies the record's page description into the forced-paper settings and
// turns them on; the result of the last write. The record is not null.
int ForcePaperSize(const NordwispDEVMODE* record);

}  // namespace nw::papers
