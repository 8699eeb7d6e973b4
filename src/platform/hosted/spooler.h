// The hosted print spooler keeps printers and drivers where Windows keeps
// them; provisioning and tests share these locations and the driver's merge
// hook. Hosted layer only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace nw::hosted::spooler {

// Under HKEY_LOCAL_MACHINE: one subkey per printer.
inline constexpr char16_t kPrintersKey[] = u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers";
// Under HKEY_LOCAL_MACHINE: one subkey per installed driver.
inline constexpr char16_t kDriversKey[] =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\Drivers\\Version-3";
// Under HKEY_CURRENT_USER: the user's records, one binary value per printer.
inline constexpr char16_t kPerUserKey[] = u"Printers\\DevModePerUser";
inline constexpr char16_t kEnvironment[] = u"Windows NT x86";
// The driver files themselves sit in its "3" subfolder.
inline constexpr char16_t kDriverDirectory[] = u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86";
inline constexpr char16_t kDriverVersionFolder[] = u"3";

// Value names of a printer key.
inline constexpr char16_t kValueName[] = u"Name";
inline constexpr char16_t kValueDriver[] = u"Printer Driver";
inline constexpr char16_t kValuePort[] = u"Port";
inline constexpr char16_t kValueDefaultDevMode[] = u"Default DevMode";
inline constexpr char16_t kValueAttributes[] = u"Attributes";
inline constexpr char16_t kValuePriority[] = u"Priority";
inline constexpr char16_t kValuePrintProcessor[] = u"Print Processor";
inline constexpr char16_t kValueDatatype[] = u"Datatype";

// Value names of a driver key.
inline constexpr char16_t kValueDriverFile[] = u"Driver";
inline constexpr char16_t kValueDataFile[] = u"Data File";
inline constexpr char16_t kValueConfigFile[] = u"Configuration File";
inline constexpr char16_t kValueVersion[] = u"Version";

// Called by the reference driver after it merged an input record over the
// stored one, with the merged block (size bytes) before it is handed out.
// Tests use it to play a driver that changes fields on merge.
using MergeHook = std::function<void(std::u16string_view printer, std::uint8_t* devmode, std::size_t size)>;
void SetMergeHook(MergeHook hook);

}  // namespace nw::hosted::spooler
