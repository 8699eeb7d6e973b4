// What the hosted spooler keeps: printer handles, printer and driver keys,
// the stored device modes. Shared by the spooler's own files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32api.h"

namespace nw::hosted::spooler {

using Bytes = std::vector<std::uint8_t>;

// A printer handle as OpenPrinterW hands it out.
struct OpenedPrinter {
    std::u16string name;
    ACCESS_MASK granted = 0;
};

// The printer behind a handle; sets ERROR_INVALID_HANDLE when there is none.
std::optional<OpenedPrinter> FindHandle(HANDLE printer);
HANDLE AddHandle(OpenedPrinter printer);
bool RemoveHandle(HANDLE printer);

// A printer name that can name a printer key (no separators, not empty).
bool IsUsableName(std::u16string_view name);
std::u16string PrinterKeyPath(std::u16string_view name);
std::u16string DriverKeyPath(std::u16string_view driver);
bool PrinterExists(std::u16string_view name);

// Registry reads of the spooler's own values; missing values give nullopt.
std::optional<Bytes> ReadValue(HKEY root, std::u16string_view path, std::u16string_view value, DWORD* type = nullptr);
std::optional<std::u16string> ReadText(HKEY root, std::u16string_view path, std::u16string_view value);
std::optional<DWORD> ReadDword(HKEY root, std::u16string_view path, std::u16string_view value);
LSTATUS WriteValue(HKEY root, std::u16string_view path, std::u16string_view value, DWORD type, const void* data,
                   std::size_t size);
LSTATUS WriteText(HKEY root, std::u16string_view path, std::u16string_view value, std::u16string_view text);
LSTATUS WriteDword(HKEY root, std::u16string_view path, std::u16string_view value, DWORD number);

// Bytes a device mode occupies by its own header (dmSize + dmDriverExtra);
// 0 when the header is too short to say.
std::size_t DevModeSize(const std::uint8_t* devmode, std::size_t available);
// A stored device mode cut or zero-padded to the size its header gives;
// nullopt when the stored bytes are not a device mode.
std::optional<Bytes> NormalisedDevMode(std::optional<Bytes> stored);

std::optional<Bytes> ReadGlobalDevMode(std::u16string_view printer);
std::optional<Bytes> ReadUserDevMode(std::u16string_view printer);
// What the user gets: the per-user record, else the global default.
std::optional<Bytes> ReadEffectiveDevMode(std::u16string_view printer);
LSTATUS WriteGlobalDevMode(std::u16string_view printer, const Bytes& devmode);
LSTATUS WriteUserDevMode(std::u16string_view printer, const Bytes& devmode);
LSTATUS DeleteUserDevMode(std::u16string_view printer);

// Copies a caller's device mode: its header must give a size the spooler
// accepts. nullopt (ERROR_INVALID_PARAMETER set) otherwise.
std::optional<Bytes> CopyCallerDevMode(const DEVMODEW* devmode);

}  // namespace nw::hosted::spooler
