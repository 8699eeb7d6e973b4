// Which printers belong to this driver.
#pragma once

#include "platform/win32api.h"

namespace nw {

// The maker text a record of this driver carries.
inline constexpr WCHAR kManufacturer[] = W("Kelmora Works");

// 1 when the printer's record is a valid record of this driver.
int IsNordwispPrinter(const WCHAR* printerName);
// The loaded record's dmDriverVersion, or 0.
int GetInstalledDriverVersion(const WCHAR* printerName);
// A new global block: this driver's local printers separated by ";".
WCHAR* GetNordwispPrinters();
// The same list in the ANSI code page, in a new global block.
char* GetNordwispPrintersA();

}  // namespace nw
