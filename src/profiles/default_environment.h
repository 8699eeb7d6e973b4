// Applying a settings file to a printer: `DefaultEnvironment` lays the
// file's record-level keys over a record, verifies it and runs the settings
// import, which applies the registry-level sections.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::profiles {

class SettingsFile;

// Every key is read with the current setting as its default, so a key the
// file lacks leaves its setting alone. A null record does nothing.
void DefaultEnvironment(HANDLE printer, const WCHAR* file, NordwispDEVMODE* record, DWORD capabilities);

// The settings import: the registry-level sections of the file into the
// settings of the record's printer.
void ImportSettings(const WCHAR* file, NordwispDEVMODE* record, DWORD capabilities);
void ImportSettings(const SettingsFile& file, HANDLE printer, NordwispDEVMODE* record, DWORD capabilities);

}  // namespace nw::profiles
