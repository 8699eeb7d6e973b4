// Writing a printer's settings into a settings INI file.
#pragma once

#include "profiles/settings_file_keys.h"

namespace nw::profiles {

// The general writer: every key of settings_file_keys.def in order through
// the three primitive writers. singleConnection writes only the selected
// FTP connection (as connection 1) and marks user papers. Returns 1, or 0
// for a null record or file; single write failures are not reported.
int WriteSettingsToIni(const NordwispDEVMODE* record, const WCHAR* file, int singleConnection,
                       const SettingsWriters& writers);

// The writers the profile functions offer.
SettingsWriters ProfileFunctionWriters();

// `ExportSettingstoINIFile`: the general writer into the file held in
// memory, written once at the end with the bytes the profile functions
// would have produced.
int ExportSettingsToIniFile(const NordwispDEVMODE* record, const WCHAR* file);

}  // namespace nw::profiles
