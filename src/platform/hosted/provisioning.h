// Creating printers on the hosted machine: this driver with its folder,
// data file and default record, and printers of other drivers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/win32api.h"

namespace nw::hosted {

inline constexpr char16_t kNordwispDriver[] = u"Nordwisp Virtual Printer Driver";
inline constexpr char16_t kDemoPrinter[] = u"Nordwisp Printer";
inline constexpr char16_t kDefaultPort[] = u"NORDWISP:";
inline constexpr char16_t kOtherDefaultPort[] = u"LPT1:";
// The driver's files, in the driver folder's version subfolder.
inline constexpr char16_t kDataFileName[] = u"nwdevdata.ini";
inline constexpr char16_t kDriverFileName[] = u"nwdevdrv.dll";
inline constexpr char16_t kConfigFileName[] = u"nwdevui.dll";

// True when the machine root exists and is not empty.
bool IsMachineProvisioned();

// Installs this driver when missing; 0 or a Win32 error.
DWORD InstallNordwispDriver();
// Adds a printer of this driver; 0 or a Win32 error.
DWORD ProvisionNordwispPrinter(std::u16string_view name, std::u16string_view port);
// Adds a printer of another driver; its record is a plain device mode
// unless nordwispRecord asks for one of this driver's records.
DWORD ProvisionOtherPrinter(std::u16string_view name, std::u16string_view driver, std::u16string_view port,
                            bool nordwispRecord);

// Copies an OCR module (a host file) to NORDWISP_MACHINE_OCR_MODULE of the
// machine; 0 or a Win32 error.
DWORD InstallOcrModule(const std::filesystem::path& moduleFile);
// Copies a barcode engine where printers of this driver load the engine of
// barcodeType (0 QR, 1 DataMatrix, 2 PDF417, 3 one-dimensional).
DWORD InstallBarcodeEngine(int barcodeType, const std::filesystem::path& moduleFile);

// Copies a configuration module to where this driver's configuration
// file (kConfigFileName) points.
DWORD InstallConfigurationModule(const std::filesystem::path& moduleFile);

// Queues a job on a printer as an application printing a document would:
// submitted now by user (empty: the current user), "RAW" data, priority 1,
// none of its pages printed. 0 or a Win32 error; *jobId gets its identifier.
DWORD SubmitJob(std::u16string_view printer, std::u16string_view document, std::u16string_view user,
                DWORD totalPages, DWORD* jobId);

}  // namespace nw::hosted
