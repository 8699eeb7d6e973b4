// Several processes on one machine root: changes seen by the others, no
// lost writes, a writer killed mid-stream, volatile keys until log-off.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "hosted_test.h"
#include "platform/hosted/registry.h"
#include "support/child_process.h"

namespace {

using nw::RegistryKey;
using nw::hosted::FromUtf8;
using nw::hosted::RegistryHive;
using nw::hosted::RegistryHiveFile;
using nw::test::CreateKey;
using nw::test::ReadDword;
using nw::test::ReadHostFile;
using nw::test::SetDword;

std::u16string Numbered(const char16_t* prefix, int n) { return prefix + FromUtf8(std::to_string(n)); }

DWORD ValueCount(HKEY key) {
    DWORD values = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    return values;
}

// The bytes of stream value n: its number, repeated to a length that varies
// so that records and files change size all the time.
std::vector<BYTE> StreamData(int n) {
    std::vector<BYTE> data(static_cast<std::size_t>(1 + (n * 7919) % 2000));
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>((n + i) & 0xFF);
    return data;
}

using HostedRegistryProcesses = nw::test::HostedTest;

// args: key path, value name, expected DWORD ("-" for absent).
NW_TEST_CHILD(RegistryExpectDword) {
    RegistryKey key;
    RegOpenKeyExW(HKEY_CURRENT_USER, FromUtf8(args.at(0)).c_str(), 0, KEY_READ, key.put());
    const auto value = key ? ReadDword(key.get(), FromUtf8(args.at(1))) : std::nullopt;
    if (args.at(2) == "-") return value ? 1 : 0;
    return value == std::stoul(args.at(2)) ? 0 : 3;
}

// args: key path, value name, DWORD to write.
NW_TEST_CHILD(RegistryWriteDword) {
    RegistryKey key;
    if (CreateKey(HKEY_CURRENT_USER, FromUtf8(args.at(0)), key) != ERROR_SUCCESS) return 1;
    return SetDword(key.get(), FromUtf8(args.at(1)), static_cast<DWORD>(std::stoul(args.at(2)))) ? 2 : 0;
}

NW_TEST_CHILD(RegistryDeleteKey) {
    return RegDeleteKeyW(HKEY_CURRENT_USER, FromUtf8(args.at(0)).c_str()) == ERROR_SUCCESS ? 0 : 1;
}

TEST_F(HostedRegistryProcesses, ChangesOfOneProcessAreSeenByTheOthers) {
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Shared", key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key.get(), u"FromParent", 41), ERROR_SUCCESS);
    EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {"Software\\NordwispTests\\Shared", "FromParent", "41"}), 0);

    // This process has the hive loaded already and must notice.
    ASSERT_EQ(nw::test::RunChild("RegistryWriteDword", {"Software\\NordwispTests\\Shared", "FromChild", "42"}), 0);
    EXPECT_EQ(ReadDword(key.get(), u"FromChild"), 42u);
    ASSERT_EQ(nw::test::RunChild("RegistryWriteDword", {"Software\\NordwispTests\\Shared", "FromParent", "43"}), 0);
    EXPECT_EQ(ReadDword(key.get(), u"FromParent"), 43u);

    // A key deleted elsewhere is deleted for our handle too.
    RegistryKey doomed;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Doomed", doomed), ERROR_SUCCESS);
    ASSERT_EQ(nw::test::RunChild("RegistryDeleteKey", {"Software\\NordwispTests\\Doomed"}), 0);
    EXPECT_EQ(SetDword(doomed.get(), u"v", 1), ERROR_KEY_DELETED);
    EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {"Software\\NordwispTests\\Doomed", "v", "-"}), 0);
}

// args: value prefix, count.
NW_TEST_CHILD(RegistryWriteMany) {
    RegistryKey key;
    if (CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Many", key) != ERROR_SUCCESS) return 1;
    for (int i = 0; i < std::stoi(args.at(1)); ++i)
        if (SetDword(key.get(), Numbered(FromUtf8(args.at(0)).c_str(), i), static_cast<DWORD>(i)) != ERROR_SUCCESS)
            return 2;
    return 0;
}

NW_TEST_CHILD(RegistryCountMany) {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Many", 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return 255;
    return static_cast<int>(ValueCount(key.get()) / 100);
}

TEST_F(HostedRegistryProcesses, TwoWritersLoseNoValue) {
    constexpr int kEach = 1000;
    const auto first = nw::test::StartChild("RegistryWriteMany", {"first", std::to_string(kEach)});
    const auto second = nw::test::StartChild("RegistryWriteMany", {"second", std::to_string(kEach)});
    ASSERT_EQ(nw::test::WaitChild(first), 0);
    ASSERT_EQ(nw::test::WaitChild(second), 0);

    RegistryKey key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Many", 0, KEY_READ, key.put()),
              ERROR_SUCCESS);
    EXPECT_EQ(ValueCount(key.get()), 2u * kEach);
    int wrong = 0;
    for (const char16_t* prefix : {u"first", u"second"})
        for (int i = 0; i < kEach; ++i) wrong += ReadDword(key.get(), Numbered(prefix, i)) != static_cast<DWORD>(i);
    EXPECT_EQ(wrong, 0);
    // A process that reads the files afresh agrees.
    EXPECT_EQ(nw::test::RunChild("RegistryCountMany"), 2 * kEach / 100);
}

NW_TEST_CHILD(RegistryStream) {
    RegistryKey key;
    if (CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stream", key) != ERROR_SUCCESS) return 1;
    for (int i = 0;; ++i) {
        const auto data = StreamData(i);
        if (RegSetValueExW(key.get(), Numbered(u"v", i).c_str(), 0, REG_BINARY, data.data(),
                           static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
            return 2;
        // Rewrite the hive file often, so that kills land there too.
        if (i % 4 == 3 && !nw::hosted::CompactRegistry()) return 3;
    }
}

// Exit code 0 when the values present are v0..vN-1, each complete.
NW_TEST_CHILD(RegistryCheckStream) {
    RegistryKey key;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stream", 0, KEY_READ, key.put());
    if (opened == ERROR_FILE_NOT_FOUND) return 0;
    if (opened != ERROR_SUCCESS) return 1;
    const int count = static_cast<int>(ValueCount(key.get()));
    for (int i = 0; i < count; ++i) {
        const auto expected = StreamData(i);
        std::vector<BYTE> data(expected.size() + 1);
        DWORD size = static_cast<DWORD>(data.size());
        if (RegQueryValueExW(key.get(), Numbered(u"v", i).c_str(), nullptr, nullptr, data.data(), &size) !=
            ERROR_SUCCESS)
            return 2;
        data.resize(size);
        if (data != expected) return 3;
    }
    return 0;
}

DWORD StreamCount() {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stream", 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return 0;
    return ValueCount(key.get());
}

TEST_F(HostedRegistryProcesses, KilledWriterLeavesAWholeHive) {
    BecomeWithChildren("streamer");
    // Kills at different stages, seen from here while the child writes: early
    // while the hive is rewritten whole, later while the journal grows and is
    // folded into the file.
    for (DWORD round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        const auto writer = nw::test::StartChild("RegistryStream");
        ASSERT_GT(writer.pid, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (StreamCount() < 2 + 30 * round && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(3 * round));
        nw::test::KillChild(writer);
        EXPECT_EQ(nw::test::RunChild("RegistryCheckStream"), 0);
    }
    EXPECT_GE(StreamCount(), 92u);
}

// args: crash point. Changes "New", then folds the journal into the hive,
// and is to end abruptly at the crash point on the way.
NW_TEST_CHILD(RegistryCrashWhileWriting) {
    setenv("NORDWISP_REGISTRY_CRASH", args.at(0).c_str(), 1);
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Crash", 0, KEY_ALL_ACCESS, key.put()) !=
        ERROR_SUCCESS)
        return 1;
    if (SetDword(key.get(), u"New", 2) != ERROR_SUCCESS) return 2;
    return nw::hosted::CompactRegistry() ? 0 : 3;
}

TEST_F(HostedRegistryProcesses, CrashAtEachStepLeavesTheOldOrTheNewStateForEveryone) {
    BecomeWithChildren("crasher");
    struct Case {
        const char* point;
        bool bigHive;     // changes go to the journal
        bool newVisible;  // what the crash leaves
    };
    const Case cases[] = {
        {"hive-partly-written", false, false}, {"hive-replaced", false, true},
        {"journal-partly-written", true, false}, {"journal-written", true, false},
        {"hive-partly-written", true, true},   {"hive-replaced", true, true},
    };
    const std::string path = "Software\\NordwispTests\\Crash";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.point) + (c.bigHive ? " (journal)" : " (small hive)"));
        RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Crash");
        RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Padding");
        RegistryKey key;
        ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Crash", key), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(key.get(), u"Old", 1), ERROR_SUCCESS);
        if (c.bigHive) {
            RegistryKey padding;
            ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Padding", padding), ERROR_SUCCESS);
            const std::vector<BYTE> block(12000, 1);
            ASSERT_EQ(RegSetValueExW(padding.get(), u"Block", 0, REG_BINARY, block.data(), 12000), ERROR_SUCCESS);
        }
        ASSERT_TRUE(nw::hosted::CompactRegistry());

        ASSERT_EQ(nw::test::RunChild("RegistryCrashWhileWriting", {c.point}), 86);
        EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {path, "Old", "1"}), 0);
        EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {path, "New", c.newVisible ? "2" : "-"}), 0);
        EXPECT_EQ(ReadDword(key.get(), u"New").has_value(), c.newVisible);
        // And the hive takes changes again, seen by all.
        ASSERT_EQ(SetDword(key.get(), u"After", 3), ERROR_SUCCESS);
        EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {path, "After", "3"}), 0);
        EXPECT_EQ(nw::test::RunChild("RegistryExpectDword", {path, "New", c.newVisible ? "2" : "-"}), 0);
    }
}

NW_TEST_CHILD(RegistryExpectVolatile) {
    RegistryKey key;
    const LSTATUS opened =
        RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stable\\Fleeting", 0, KEY_READ, key.put());
    const bool seen = opened == ERROR_SUCCESS && ReadDword(key.get(), u"Secret") == 7u;
    return seen == (args.at(0) == "present") ? 0 : 1;
}

TEST_F(HostedRegistryProcesses, VolatileKeysAreSharedUntilLogOffAndNeverInTheHive) {
    RegistryKey stable;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stable", stable), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(stable.get(), u"Kept", 1), ERROR_SUCCESS);
    RegistryKey fleeting;
    ASSERT_EQ(CreateKey(stable.get(), u"Fleeting", fleeting, REG_OPTION_VOLATILE), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(fleeting.get(), u"Secret", 7), ERROR_SUCCESS);
    EXPECT_EQ(nw::test::RunChild("RegistryExpectVolatile", {"present"}), 0);
    // The parent cannot go while the volatile child is there.
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stable"), ERROR_ACCESS_DENIED);

    ASSERT_TRUE(nw::hosted::CompactRegistry());
    const auto hive = RegistryHiveFile(RegistryHive::CurrentUser);
    const std::string text = ReadHostFile(hive);
    EXPECT_NE(text.find("\"Kept\"=dword:00000001"), std::string::npos);
    EXPECT_EQ(text.find("Fleeting"), std::string::npos);
    EXPECT_EQ(text.find("Secret"), std::string::npos);
    EXPECT_EQ(ReadHostFile(hive.string() + ".log").find("Secret"), std::string::npos);
    const auto store = nw::hosted::RegistryVolatileFile(hive);
    EXPECT_EQ(store.parent_path(), nw::hosted::MachineRoot() / "registry" / "volatile");
    EXPECT_NE(ReadHostFile(store).find("Fleeting"), std::string::npos);

    nw::hosted::LogOffUser();
    EXPECT_EQ(nw::test::RunChild("RegistryExpectVolatile", {"absent"}), 0);
    EXPECT_EQ(SetDword(fleeting.get(), u"Secret", 8), ERROR_KEY_DELETED);
    EXPECT_FALSE(std::filesystem::exists(store));
    EXPECT_EQ(ReadDword(stable.get(), u"Kept"), 1u);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Stable"), ERROR_SUCCESS);
}

}  // namespace
