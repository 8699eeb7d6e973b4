// What the registry's files survive: batches seen whole or not at all, a
// writer killed inside one, hive files cut short or emptied, a damaged
// journal, who may read the files, identity values that would become paths.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "platform/hosted/registry.h"
#include "platform/registry_batch.h"
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
using nw::test::WriteHostFile;

constexpr char16_t kBatchKey[] = u"Software\\NordwispTests\\Batch";
constexpr int kBatchValues = 20;

std::u16string ValueName(int i) { return u"v" + FromUtf8(std::to_string(i)); }

// Exit codes of the children for the status they met.
int ExitCodeOf(LSTATUS status) {
    switch (status) {
        case ERROR_SUCCESS: return 0;
        case ERROR_BADDB: return 9;
        case ERROR_REGISTRY_CORRUPT: return 15;
        case ERROR_INVALID_NAME: return 123;
        default: return 99;
    }
}

LSTATUS WriteBatch(DWORD n, bool commit = true) {
    nw::RegistryBatch batch(HKEY_CURRENT_USER);
    if (batch.Status() != ERROR_SUCCESS) return batch.Status();
    RegistryKey key;
    if (LSTATUS status = CreateKey(HKEY_CURRENT_USER, kBatchKey, key); status != ERROR_SUCCESS) return status;
    for (int i = 0; i < kBatchValues; ++i)
        if (LSTATUS status = SetDword(key.get(), ValueName(i), n); status != ERROR_SUCCESS) return status;
    return commit ? batch.Commit() : ERROR_SUCCESS;
}

// The value every v<i> holds; 201 when they differ, 202 when none is there.
int BatchValue() {
    RegistryKey key;
    if (LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, kBatchKey, 0, KEY_READ, key.put()); status != ERROR_SUCCESS)
        return status == ERROR_FILE_NOT_FOUND ? 202 : 200 + ExitCodeOf(status);
    const auto first = ReadDword(key.get(), ValueName(0));
    for (int i = 1; i < kBatchValues; ++i)
        if (ReadDword(key.get(), ValueName(i)) != first) return 201;
    return first ? static_cast<int>(*first) : 202;
}

NW_TEST_CHILD(RegistryBatchWrite) { return ExitCodeOf(WriteBatch(static_cast<DWORD>(std::stoul(args.at(0))))); }
NW_TEST_CHILD(RegistryBatchValue) { return BatchValue(); }
NW_TEST_CHILD(RegistryOpenUserKey) {
    RegistryKey key;
    return ExitCodeOf(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, key.put()));
}

// Each test runs as a user of its own, its children too.
class HostedRegistryRobustness : public nw::test::HostedTest {
protected:
    void TearDown() override {
        unsetenv("NORDWISP_REGISTRY_CRASH");
        HostedTest::TearDown();
    }
    // Past the size that is rewritten whole: changes go to the journal.
    static void GrowHive() {
        RegistryKey padding;
        ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Padding", padding), ERROR_SUCCESS);
        const std::vector<BYTE> block(12000, 7);
        ASSERT_EQ(RegSetValueExW(padding.get(), u"Block", 0, REG_BINARY, block.data(), 12000), ERROR_SUCCESS);
        ASSERT_TRUE(nw::hosted::CompactRegistry());
    }
    static std::vector<std::filesystem::path> EvidenceOf(const std::filesystem::path& file) {
        std::vector<std::filesystem::path> kept;
        for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
            if (entry.path().filename().string().rfind(file.filename().string() + ".damaged-", 0) == 0)
                kept.push_back(entry.path());
        return kept;
    }
};

TEST_F(HostedRegistryRobustness, ABatchIsSeenWholeOrNotAtAll) {
    BecomeWithChildren("batcher");
    for (bool journal : {false, true}) {
        SCOPED_TRACE(journal ? "journal" : "small hive");
        if (journal) GrowHive();
        ASSERT_EQ(WriteBatch(1), ERROR_SUCCESS);
        EXPECT_EQ(BatchValue(), 1);
        EXPECT_EQ(nw::test::RunChild("RegistryBatchValue"), 1);

        // Dropped: gone for this process too, and never reached the files.
        ASSERT_EQ(WriteBatch(2, false), ERROR_SUCCESS);
        EXPECT_EQ(BatchValue(), 1);
        EXPECT_EQ(nw::test::RunChild("RegistryBatchValue"), 1);

        // Nested: the outer end decides.
        {
            nw::RegistryBatch outer(HKEY_CURRENT_USER);
            ASSERT_EQ(WriteBatch(3), ERROR_SUCCESS);
            EXPECT_EQ(BatchValue(), 3);
        }
        EXPECT_EQ(BatchValue(), 1);
        EXPECT_EQ(nw::test::RunChild("RegistryBatchWrite", {"4"}), 0);
        EXPECT_EQ(BatchValue(), 4);
    }
}

TEST_F(HostedRegistryRobustness, AWriterKilledInABatchLeavesTheOldValuesOrTheNew) {
    BecomeWithChildren("killed");
    struct Case {
        bool journal;
        const char* point;
        int expected;  // 1 old, 2 new
    };
    const Case cases[] = {
        {false, "batch-applied", 1},          {false, "hive-partly-written", 1},
        {false, "hive-replaced", 2},          {true, "batch-applied", 1},
        {true, "journal-partly-written", 1}, {true, "journal-written", 1},
    };
    bool grown = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        if (c.journal && !grown) {
            GrowHive();
            grown = true;
        }
        ASSERT_EQ(WriteBatch(1), ERROR_SUCCESS);  // also makes this process read its crash point (none)
        setenv("NORDWISP_REGISTRY_CRASH", c.point, 1);
        const auto child = nw::test::StartChild("RegistryBatchWrite", {"2"});
        unsetenv("NORDWISP_REGISTRY_CRASH");
        ASSERT_EQ(nw::test::WaitChild(child), 86);
        EXPECT_EQ(nw::test::RunChild("RegistryBatchValue"), c.expected);
        EXPECT_EQ(BatchValue(), c.expected);
        // And the next writer carries on from there.
        ASSERT_EQ(WriteBatch(3), ERROR_SUCCESS);
        EXPECT_EQ(nw::test::RunChild("RegistryBatchValue"), 3);
    }
}

TEST_F(HostedRegistryRobustness, AHiveCutShortOrEmptiedIsRefusedKeptAndRestorable) {
    BecomeWithChildren("cutter");
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Cut", key), ERROR_SUCCESS);
    const std::u16string text(3000, u'x');
    ASSERT_EQ(RegSetValueExW(key.get(), u"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>((text.size() + 1) * 2)),
              ERROR_SUCCESS);
    for (int i = 0; i < 30; ++i) ASSERT_EQ(SetDword(key.get(), ValueName(i), static_cast<DWORD>(i)), ERROR_SUCCESS);
    ASSERT_TRUE(nw::hosted::CompactRegistry());
    const auto hive = RegistryHiveFile(RegistryHive::CurrentUser);
    const std::string whole = ReadHostFile(hive);

    for (int percent : {25, 50, 75, 0}) {
        SCOPED_TRACE(percent);
        const std::string cut = whole.substr(0, whole.size() * static_cast<std::size_t>(percent) / 100);
        WriteHostFile(hive, cut);
        EXPECT_EQ(nw::test::RunChild("RegistryOpenUserKey"), ExitCodeOf(ERROR_BADDB));
        // This process, which read the whole hive before, writes nothing over it.
        EXPECT_EQ(SetDword(key.get(), u"After", 1), ERROR_BADDB);
        EXPECT_EQ(ReadHostFile(hive), cut);
        bool kept = false;
        for (const auto& evidence : EvidenceOf(hive)) kept = kept || ReadHostFile(evidence) == cut;
        EXPECT_TRUE(kept);
        const auto damaged = nw::hosted::DamagedRegistryFiles();
        ASSERT_FALSE(damaged.empty());
        EXPECT_EQ(damaged.back().file, std::filesystem::weakly_canonical(hive));
        EXPECT_EQ(damaged.back().error, static_cast<std::uint32_t>(ERROR_BADDB));

        // Restored from a copy, the hive is whole again for everyone.
        WriteHostFile(hive, whole);
        EXPECT_EQ(nw::test::RunChild("RegistryOpenUserKey"), 0);
        EXPECT_EQ(ReadDword(key.get(), ValueName(29)), 29u);
    }
    EXPECT_EQ(EvidenceOf(hive).size(), 4u);
}

TEST_F(HostedRegistryRobustness, AFlippedJournalByteIsReportedNotSkipped) {
    BecomeWithChildren("flipper");
    GrowHive();
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Flip", key), ERROR_SUCCESS);
    for (int i = 0; i < 5; ++i) ASSERT_EQ(SetDword(key.get(), ValueName(i), static_cast<DWORD>(i)), ERROR_SUCCESS);
    const auto journal = RegistryHiveFile(RegistryHive::CurrentUser).string() + ".log";
    std::string bytes = ReadHostFile(journal);
    ASSERT_GT(bytes.size(), 40u);
    bytes[20] = static_cast<char>(bytes[20] ^ 0x10);
    WriteHostFile(journal, bytes);

    EXPECT_EQ(nw::test::RunChild("RegistryOpenUserKey"), ExitCodeOf(ERROR_REGISTRY_CORRUPT));
    EXPECT_EQ(ReadHostFile(journal), bytes);
    ASSERT_EQ(EvidenceOf(journal).size(), 1u);
    EXPECT_EQ(ReadHostFile(EvidenceOf(journal).front()), bytes);
}

TEST_F(HostedRegistryRobustness, HiveFilesArePrivateWhateverTheUmaskAndTheMachineHiveReadable) {
    auto modeOf = [](const std::filesystem::path& path) {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 07777;
    };
    const mode_t saved = ::umask(0);
    for (const mode_t mask : {mode_t{0}, mode_t{022}}) {
        ::umask(mask);
        Become(u"privy" + FromUtf8(std::to_string(mask)), u"S-1-5-21-9-9-9-" + FromUtf8(std::to_string(3000 + mask)));
        RegistryKey key;
        ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\Secret", key), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(key.get(), u"Password", 1), ERROR_SUCCESS);
        const auto hive = RegistryHiveFile(RegistryHive::CurrentUser);
        for (const char* suffix : {"", ".log", ".lock"}) EXPECT_EQ(modeOf(hive.string() + suffix), 0600u) << suffix;
        EXPECT_EQ(modeOf(hive.parent_path()), 0700u);
    }

    const std::filesystem::path savedRoot = nw::hosted::MachineRoot();
    nw::hosted::SetMachineRoot(savedRoot / "modes");
    ::umask(0);
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_LOCAL_MACHINE, u"Software\\Shared", key), ERROR_SUCCESS);
    const auto machine = RegistryHiveFile(RegistryHive::Machine);
    for (const char* suffix : {"", ".log", ".lock"}) EXPECT_EQ(modeOf(machine.string() + suffix), 0644u) << suffix;
    EXPECT_EQ(modeOf(machine.parent_path()), 0755u);
    ::umask(saved);
    nw::hosted::SetMachineRoot(savedRoot);
}

TEST_F(HostedRegistryRobustness, IdentityValuesThatWouldLeaveTheirPlaceAreRefused) {
    struct Case {
        const char16_t* name;
        const char16_t* sid;
        const char16_t* computer;
        bool valid;
    };
    const Case cases[] = {
        {u"anna", u"S-1-5-21-1-2-3-1001", u"NORDWISP-PC", true},
        {u"Anna Maria.O'Neil", u"S-1-5-18", u"pc_1", true},
        {u"../../../x", u"S-1-5-21-1", u"PC", false},
        {u"..", u"S-1-5-21-1", u"PC", false},
        {u"a\\b", u"S-1-5-21-1", u"PC", false},
        {u"", u"S-1-5-21-1", u"PC", false},
        {u"tab\there", u"S-1-5-21-1", u"PC", false},
        {u"anna", u"S-1-5-21-1\\..", u"PC", false},
        {u"anna", u"S-1-", u"PC", false},
        {u"anna", u"X-1-5", u"PC", false},
        {u"anna", u"S-1-5-21-1", u"../pc", false},
        {u"anna", u"S-1-5-21-1", u"", false},
    };
    for (const Case& c : cases) {
        nw::hosted::Identity identity = nw::hosted::CurrentIdentity();
        identity.userName = c.name;
        identity.userSid = c.sid;
        identity.computerName = c.computer;
        EXPECT_EQ(nw::hosted::IdentityProblem(identity).empty(), c.valid) << nw::hosted::ToUtf8(c.name);
    }

    // Refused before it becomes a path: nothing is made anywhere.
    auto entries = [] {
        std::size_t count = 0;
        for (auto it = std::filesystem::recursive_directory_iterator(nw::hosted::MachineRoot());
             it != std::filesystem::recursive_directory_iterator(); ++it)
            ++count;
        return count;
    };
    const std::size_t before = entries();
    setenv("NORDWISP_USER_NAME", "../../../nw-escaped-user", 1);
    EXPECT_EQ(nw::test::RunChild("RegistryOpenUserKey"), ExitCodeOf(ERROR_INVALID_NAME));
    Become(u"../../../nw-escaped-user", u"S-1-5-21-9-9-9-4000");
    RegistryKey key;
    EXPECT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\Escape", key), ERROR_INVALID_NAME);
    EXPECT_EQ(entries(), before);
    EXPECT_FALSE(std::filesystem::exists(nw::hosted::MachineRoot().parent_path() / "nw-escaped-user"));
}

}  // namespace
