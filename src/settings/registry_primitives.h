// The printer settings store: which registry key a record's settings live
// under, and the few primitives every registry-backed export goes through.
// All take the record first, return 1 or 0 and never touch the library's
// last error; the exports that call them do.
#pragma once

#include <cstddef>
#include <cstdint>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// "SOFTWARE\Kelmora Works": the vendor key under HKEY_CURRENT_USER.
extern const WCHAR* const kVendorKey;
// ".DEFAULT\SOFTWARE\Kelmora Works": the machine-default base under HKEY_USERS.
extern const WCHAR* const kMachineDefaultBase;

// Buffer of the registry printer name, in characters (520 bytes).
inline constexpr std::size_t kRegistryNameCapacity = 260;

}  // namespace nw::settings

namespace nw {

// The record's registry printer name: the name registered for its PrinterID,
// else its device name; leading backslashes removed. size in characters.
void GetRegistryNameByPrinterID(const NordwispDEVMODE* record, WCHAR* name, std::size_t size);
// Applies the packaged-process rule to a registry printer name for a root;
// sets REG_OPTION_VOLATILE in *options when it changed the name. Always 1.
int ResolveSettingsKeyName(WCHAR* name, std::size_t size, HKEY* root, DWORD* options);

// subKeyTemplate holds one "%s" for the registry printer name; the result is
// joined to base with a backslash.
int ReadPrinterValue(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                     const WCHAR* valueName, void* buffer, DWORD* size);
int ReadPrinterBinary(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                      const WCHAR* valueName, void* buffer, DWORD* size);
int ReadPrinterDword(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                     const WCHAR* valueName, DWORD* value);
int ReadPrinterDwordAt(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, DWORD* value, REGSAM extraAccess = 0);
int WritePrinterString(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, const WCHAR* text);
int WritePrinterDword(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                      const WCHAR* valueName, DWORD value);
int WritePrinterDwordAt(HKEY root, const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                        const WCHAR* valueName, DWORD value);
int WritePrinterBinary(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName, const void* data, DWORD length);
int DeletePrinterValue(const NordwispDEVMODE* record, const WCHAR* base, const WCHAR* subKeyTemplate,
                       const WCHAR* valueName);
// REG_SZ below HKCU "SOFTWARE\Kelmora Works\<relativePath>"; no packaged rule.
int WriteRegistryString(const WCHAR* relativePath, const WCHAR* text, const WCHAR* valueName);
// Recursive copy of source\relative into destination\relative (relative may
// be empty; null copies nothing).
int CopyRegistryTree(HKEY sourceRoot, const WCHAR* sourcePath, HKEY destinationRoot, const WCHAR* destinationPath,
                     const WCHAR* relativeSubKey, DWORD options);
// Deletes a key and everything below it; returns the final delete's result
// (ERROR_SUCCESS = 0 on success).
LSTATUS DeleteRegistryTree(HKEY root, const WCHAR* path);

}  // namespace nw
