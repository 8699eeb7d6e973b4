#include "command.h"

#include <iostream>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "nordwisp/NordwispMachine.h"
#endif

namespace nwtool {
namespace {

std::vector<CommandSetup>& Setups() {
    static std::vector<CommandSetup> setups;
    return setups;
}

}  // namespace

bool RegisterCommand(CommandSetup setup) {
    Setups().push_back(setup);
    return true;
}

void SetupAll(CLI::App& app) {
    for (CommandSetup setup : Setups()) setup(app);
}

std::string DescribeError(std::uint32_t error) {
    struct Known {
        std::uint32_t code;
        const char* words;
    };
    static constexpr Known kKnown[] = {
        {0, "no error"},
        {NW_ERROR_NULL_ARGUMENT, "no record or printer name was given"},
        {2, "not found"},
        {3, "the path was not found"},
        {5, "access denied (administrator rights are needed)"},
        {8, "not enough memory"},
        {87, "an argument is not valid"},
        {122, "the buffer is too small"},
        {126, "the module was not found"},
        {127, "the module lacks a function it must export"},
        {183, "it already exists"},
        {193, "the file is not a module"},
        {1009, "a registry file is damaged (the message above names it and how to restore it)"},
        {1015, "a registry journal is damaged (the message above names it and how to restore it)"},
        {1801, "the printer name is not valid"},
        {1803, "the printer command is not valid"},
    };
    for (const auto& k : kKnown)
        if (k.code == error) return std::string(k.words) + " (" + std::to_string(static_cast<std::int32_t>(error)) + ")";
    return "system error " + std::to_string(error);
}

RecordPtr LoadRecord(const std::string& printer) {
    const NwString name = FromUtf8(printer);
    RecordPtr record(LoadNordwispDEVMODE(name.c_str()), &ReleaseNordwispDEVMODE);
    if (!record && Nordwisp_GetLastError() == 1801) Fail("no such printer \"" + printer + "\"");
    if (!record) FailWithLastError("cannot load the record of \"" + printer + "\"");
    return record;
}

void FreeBlock(void* block) {
#ifdef _WIN32
    if (block != nullptr) GlobalFree(block);
#else
    NordwispMachine_FreeBlock(block);
#endif
}

void FailWithLastError(const std::string& what) {
    throw CLI::RuntimeError(what + ": " + DescribeError(Nordwisp_GetLastError()), kExitFailure);
}

void Fail(const std::string& message, int exitCode) { throw CLI::RuntimeError(message, exitCode); }

}  // namespace nwtool
