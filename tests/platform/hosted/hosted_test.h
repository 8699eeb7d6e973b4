// Shared by the hosted-machine tests: host files read and written whole, a
// fixture that puts the process's identity back, registry and printer
// shorthands.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/machine.h"
#include "platform/win32api.h"
#include "support/last_error.h"

namespace nw::test {

inline std::string ReadHostFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteHostFile(const std::filesystem::path &path, const std::string &text, bool append = false) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | (append ? std::ios::app : std::ios::trunc)) << text;
}

// A child announces it is ready by creating a file; waits up to ten seconds.
inline bool WaitForFile(const std::filesystem::path &path) {
    for (int i = 0; i < 1000 && !std::filesystem::exists(path); ++i) Sleep(10);
    return std::filesystem::exists(path);
}

// Tests that act as someone else; the process is put back afterwards.
class HostedTest : public ::testing::Test {
protected:
    void TearDown() override {
        unsetenv("NORDWISP_USER_NAME");
        unsetenv("NORDWISP_USER_SID");
        nw::hosted::SetIdentity(saved_);
        nw::hosted::RevertImpersonation();
        nw::hosted::SetOsMajorVersion(0);
    }
    template <class Change>
    static void Become(Change change) {
        nw::hosted::Identity id = nw::hosted::CurrentIdentity();
        change(id);
        nw::hosted::SetIdentity(id);
    }
    static void Become(const std::u16string &name, const std::u16string &sid, bool administrator = true) {
        Become([&](nw::hosted::Identity &id) {
            id.userName = name;
            id.userSid = sid;
            id.administrator = administrator;
        });
    }
    // Acts as a user of its own (its SID from the name's first letter), and
    // so do the children this process starts, so that the user's hive holds
    // only what the test puts there.
    static void BecomeWithChildren(const char *name) {
        const std::u16string sid = u"S-1-5-21-8-8-8-" + nw::hosted::FromUtf8(std::to_string(1000 + name[0]));
        Become(nw::hosted::FromUtf8(name), sid);
        setenv("NORDWISP_USER_NAME", name, 1);
        setenv("NORDWISP_USER_SID", nw::hosted::ToUtf8(sid).c_str(), 1);
    }
    nw::hosted::Identity saved_ = nw::hosted::CurrentIdentity();
};

inline LSTATUS CreateKey(HKEY root, const std::u16string &path, nw::RegistryKey &key, DWORD options = 0,
                         REGSAM access = KEY_ALL_ACCESS) {
    return RegCreateKeyExW(root, path.c_str(), 0, nullptr, options, access, nullptr, key.put(), nullptr);
}

inline LSTATUS SetDword(HKEY key, const std::u16string &name, DWORD value) {
    return RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
}

// A REG_DWORD of four bytes, or nothing.
inline std::optional<DWORD> ReadDword(HKEY key, const std::u16string &name) {
    DWORD value = 0, size = sizeof value, type = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

inline nw::PrinterHandle OpenPrinterHandle(const char16_t *name, ACCESS_MASK access = 0) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
    nw::PrinterHandle printer;
    EXPECT_TRUE(OpenPrinterW(const_cast<LPWSTR>(name), printer.put(), access ? &defaults : nullptr));
    return printer;
}

// A GetPrinterW level fetched the way callers do: size first.
inline std::vector<BYTE> PrinterLevel(HANDLE printer, DWORD level) {
    DWORD needed = 0;
    EXPECT_TRUE(FailedWith(!GetPrinterW(printer, level, nullptr, 0, &needed), ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> block(needed);
    EXPECT_TRUE(GetPrinterW(printer, level, block.data(), needed, &needed));
    return block;
}

// Copies a structure out of a block that holds it at its start.
template <class T>
T StructAt(const std::vector<BYTE> &block) {
    T value{};
    std::memcpy(&value, block.data(), std::min(sizeof value, block.size()));
    return value;
}

}  // namespace nw::test
