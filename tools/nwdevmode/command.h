// Each command file of the tool registers its subcommands here; main()
// builds the command line from every registration.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"

#include "text.h"

namespace nwtool {

using CommandSetup = void (*)(CLI::App& app);

// Call from a static initialiser in the command's own file:
//   static const bool registered = nwtool::RegisterCommand(&SetupPrinters);
bool RegisterCommand(CommandSetup setup);
void SetupAll(CLI::App& app);

// Exit codes.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The library's last error in words, e.g. "the printer name is not valid (1801)".
std::string DescribeError(std::uint32_t error);

// Prints "nwdevmode: <what>: <last error in words>" to stderr and ends the
// command with exit code 1.
[[noreturn]] void FailWithLastError(const std::string& what);
// Prints "nwdevmode: <message>" to stderr and ends the command with the code.
[[noreturn]] void Fail(const std::string& message, int exitCode = kExitFailure);

// A printer's record, released on every path.
using RecordPtr = std::unique_ptr<NordwispDEVMODE, decltype(&ReleaseNordwispDEVMODE)>;
// Loads the record or fails the command with the library's error.
RecordPtr LoadRecord(const std::string& printer);

// Frees a block the library handed out (GlobalAlloc'd): the hosted
// machine's GlobalFree, or Windows' own.
void FreeBlock(void* block);

// The main fields of a record as "show" prints them, or as a JSON object.
void PrintRecord(const NordwispDEVMODE* record, const std::string& printer, bool json);

// The OCR module "machine init" installs when none is named: the one built
// with the tool, or empty when it was built without it.
std::string BuiltOcrModule();
// The configuration module "machine init" installs when none is named.
std::string BuiltConfigModule();
// The folder of the barcode engines "machine init" installs: the build
// tree's, else the one installed with the tool, else empty.
std::string BuiltEngineFolder();
// Installs the engines of a folder under the names printers of this driver
// load them by (their printer type's); fails the command on any error.
void InstallBarcodeEngines(const std::string& folder);
// Installs an OCR module on the hosted machine and names it in each
// printer's "NwOCR.Dll" path; fails the command on any error.
void InstallOcrModule(const std::string& moduleFile, const std::vector<std::string>& printers);

}  // namespace nwtool
