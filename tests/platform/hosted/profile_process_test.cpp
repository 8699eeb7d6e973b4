// Profile files shared by processes: concurrent writers lose no key, and a
// writer killed mid-way leaves a whole file.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/hosted/machine.h"
#include "platform/win32api.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace {

using nw::hosted::FromUtf8;
using nw::hosted::ToUtf8;

std::u16string KeyName(const std::string& prefix, int i) { return FromUtf8(prefix + std::to_string(i)); }

// Writes key <prefix>0 .. <prefix>(count-1) with value "<i>" into section "shared".
NW_TEST_CHILD(ProfileWriter) {
    if (args.size() != 3) return 2;
    const std::u16string file = FromUtf8(args[0]);
    const int count = std::stoi(args[2]);
    for (int i = 0; i < count; ++i) {
        const std::u16string value = FromUtf8(std::to_string(i));
        if (!WritePrivateProfileStringW(u"shared", KeyName(args[1], i).c_str(), value.c_str(), file.c_str())) return 1;
    }
    return 0;
}

std::vector<std::u16string> KeyList(const std::u16string& file) {
    std::vector<char16_t> buffer(1 << 20);
    const DWORD n = GetPrivateProfileStringW(u"shared", nullptr, u"", buffer.data(),
                                             static_cast<DWORD>(buffer.size()), file.c_str());
    std::vector<std::u16string> keys;
    for (DWORD at = 0; at < n;) {
        std::u16string key(buffer.data() + at);
        at += static_cast<DWORD>(key.size()) + 1;
        keys.push_back(std::move(key));
    }
    return keys;
}

TEST(ProfileProcesses, TwoWritersLoseNoKey) {
    nw::test::TempDir dir;
    const std::u16string file = dir.File(u"shared.ini");
    const auto first = nw::test::StartChild("ProfileWriter", {ToUtf8(file), "first-", "200"});
    const auto second = nw::test::StartChild("ProfileWriter", {ToUtf8(file), "second-", "200"});
    ASSERT_EQ(nw::test::WaitChild(first), 0);
    ASSERT_EQ(nw::test::WaitChild(second), 0);

    EXPECT_EQ(KeyList(file).size(), 400u);
    for (const char* prefix : {"first-", "second-"}) {
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(GetPrivateProfileIntW(u"shared", KeyName(prefix, i).c_str(), -1, file.c_str()),
                      static_cast<UINT>(i))
                << prefix << i;
        }
    }
}

TEST(ProfileProcesses, KilledWriterLeavesAWholeFile) {
    nw::test::TempDir dir;
    const std::u16string file = dir.File(u"crash.ini");
    const auto writer = nw::test::StartChild("ProfileWriter", {ToUtf8(file), "k", "100000"});
    // Let it get some way, then kill it in the middle of its writes.
    for (int wait = 0; wait < 500 && KeyList(file).size() < 50; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    nw::test::KillChild(writer);

    // Every write was whole: the keys are exactly k0 .. k(n-1) and the file
    // ends with its last line.
    const std::vector<std::u16string> keys = KeyList(file);
    ASSERT_GE(keys.size(), 50u);
    for (std::size_t i = 0; i < keys.size(); ++i) ASSERT_EQ(keys[i], KeyName("k", static_cast<int>(i)));
    const std::string bytes = nw::test::ReadFileBytes(file);
    const std::string last = "k" + std::to_string(keys.size() - 1) + "=" + std::to_string(keys.size() - 1) + "\r\n";
    ASSERT_GE(bytes.size(), last.size());
    EXPECT_EQ(bytes.substr(bytes.size() - last.size()), last);
}

}  // namespace
