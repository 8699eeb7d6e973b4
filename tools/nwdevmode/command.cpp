#include "command.h"

#include <iostream>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"

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
        {1801, "the printer name is not valid"},
        {1803, "the printer command is not valid"},
    };
    for (const auto& k : kKnown)
        if (k.code == error) return std::string(k.words) + " (" + std::to_string(static_cast<std::int32_t>(error)) + ")";
    return "system error " + std::to_string(error);
}

RecordPtr LoadRecord(const std::string& printer) {
    const std::u16string name = Utf8ToUtf16(printer);
    RecordPtr record(LoadNordwispDEVMODE(name.c_str()), &ReleaseNordwispDEVMODE);
    if (!record) FailWithLastError("cannot load the record of \"" + printer + "\"");
    return record;
}

void FailWithLastError(const std::string& what) {
    throw CLI::RuntimeError(what + ": " + DescribeError(Nordwisp_GetLastError()), kExitFailure);
}

void Fail(const std::string& message, int exitCode) { throw CLI::RuntimeError(message, exitCode); }

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = b;
        std::size_t len = 1;
        if (b >= 0xF0) len = 4, cp = b & 0x07;
        else if (b >= 0xE0) len = 3, cp = b & 0x0F;
        else if (b >= 0xC0) len = 2, cp = b & 0x1F;
        if (i + len > text.size()) len = 1, cp = 0xFFFD;
        for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += len;
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace nwtool
