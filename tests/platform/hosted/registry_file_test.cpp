// The registry's files on the hosted machine: the hive text, values that
// must come back byte for byte in another process, hand-written and damaged
// hives, and a journal with a torn end.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "platform/hosted/registry.h"
#include "platform/hosted/registry_journal.h"
#include "support/child_process.h"
#include "support/registry.h"

namespace {

using nw::RegistryKey;
using nw::hosted::RegistryHive;
using nw::hosted::RegistryHiveFile;
using nw::test::CreateKey;
using nw::test::RawValue;
using nw::test::ReadHostFile;
using nw::test::ReadRaw;
using nw::test::WriteHostFile;

std::vector<BYTE> Units(std::u16string_view text, bool terminated) {
    std::vector<BYTE> bytes;
    for (char16_t c : text) bytes.insert(bytes.end(), {static_cast<BYTE>(c & 0xFF), static_cast<BYTE>(c >> 8)});
    if (terminated) bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

// Exactly the given bytes: what follows them is not a zero character, which
// a text value would take for a terminator left out of the count.
LSTATUS Set(HKEY key, const std::u16string& name, DWORD type, std::vector<BYTE> data) {
    const auto size = static_cast<DWORD>(data.size());
    data.insert(data.end(), {0xFF, 0xFF});
    return RegSetValueExW(key, name.c_str(), 0, type, data.data(), size);
}

// Values a text file could easily get wrong, with the names that carry them.
struct OddValue {
    std::u16string name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<OddValue> OddValues() {
    return {
        {u"Quote\"and\\backslash", REG_SZ, Units(u"say \"hi\" \\ there", true)},
        {u"Line\nbreak\r", REG_SZ, Units(u"two\nlines\r\n", true)},
        {u"Lone\xD800surrogate", REG_SZ, Units(u"x\xDC00y", true)},
        {u"Grüße \U0001F600", REG_SZ, Units(u"Ünïcödé \U0001F600", true)},
        {u"Unterminated", REG_SZ, Units(u"abc", false)},
        {u"OddLength", REG_SZ, {'a', 0, 'b'}},
        {u"Doubly", REG_SZ, Units(std::u16string(u"ab\0\0", 4), false)},
        {u"EmptyText", REG_SZ, {}},
        {u"Expand", REG_EXPAND_SZ, Units(u"%SystemRoot%\\x", true)},
        {u"Multi", REG_MULTI_SZ, Units(std::u16string(u"a\0bc\0", 5), true)},
        {u"Dword", REG_DWORD, {0x78, 0x56, 0x34, 0x12}},
        {u"ShortDword", REG_DWORD, {1, 2}},
        {u"BigEndian", REG_DWORD_BIG_ENDIAN, {0x12, 0x34, 0x56, 0x78}},
        {u"Qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 8}},
        {u"Binary", REG_BINARY, std::vector<BYTE>(300, 0xA5)},
        {u"NoneEmpty", REG_NONE, {}},
        {u"HugeType", 0xFFFFFFFFu, {9}},
        {u"", REG_SZ, Units(u"the default", true)},
    };
}

constexpr auto kOddKey = u"Software\\NordwispTests\\Odd";

// Exit code: how many odd values did not come back exactly.
NW_TEST_CHILD(RegistryCheckOddValues) {
    int wrong = 0;
    for (const auto& value : OddValues())
        if (ReadRaw(HKEY_CURRENT_USER, kOddKey, value.name.c_str()) != RawValue{value.type, value.data}) ++wrong;
    return wrong;
}

using HostedRegistryFile = nw::test::HostedTest;

// Journals written by any earlier build must still check: the standard
// CRC-32 values (9 bytes: one eight-byte step and a tail; 43: five and three).
TEST(HostedRegistryJournal, ChecksumIsTheStandardCrc32) {
    using nw::hosted::registry::Crc32;
    EXPECT_EQ(Crc32(""), 0u);
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST_F(HostedRegistryFile, HiveTextOfASmallTree) {
    Become(u"texter", u"S-1-5-21-7-7-7-1001");  // a hive holding only what the test writes
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\Nordwisp", key), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Text", REG_SZ, Units(u"a \"quoted\" C:\\path", true)), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"", REG_SZ, Units(u"default", true)), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Count", REG_DWORD, {0x2A, 0, 0, 0x80}), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Unterminated", REG_SZ, Units(u"abc", false)), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Short", REG_DWORD, {1, 2}), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Grüße", REG_MULTI_SZ, Units(std::u16string(u"x\0", 2), true)), ERROR_SUCCESS);
    std::vector<BYTE> counting(30);
    for (std::size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<BYTE>(i);
    ASSERT_EQ(Set(key.get(), u"Long", REG_BINARY, counting), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Text", REG_SZ, Units(u"re-set \"keeps\" C:\\place", true)), ERROR_SUCCESS);

    RegistryKey child, fleeting;
    for (const char16_t* name : {u"Beta", u"ärger", u"alpha\\Deep"})
        ASSERT_EQ(CreateKey(key.get(), name, child), ERROR_SUCCESS);
    ASSERT_EQ(CreateKey(key.get(), u"Fleeting", fleeting, REG_OPTION_VOLATILE), ERROR_SUCCESS);
    ASSERT_EQ(Set(fleeting.get(), u"Secret", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);

    const std::string root = "[HKEY_USERS\\S-1-5-21-7-7-7-1001";
    const std::string expected =
        "Windows Registry Editor Version 5.00\n"
        "; nordwisp hive: ends with \"; end of hive\"\n"
        "\n" +
        root + "]\n\n" + root + "\\Software]\n\n" + root + "\\Software\\Nordwisp]\n" +
        "\"Text\"=\"re-set \\\"keeps\\\" C:\\\\place\"\n"
        "@=\"default\"\n"
        "\"Count\"=dword:8000002a\n"
        "\"Unterminated\"=hex(1):61,00,62,00,63,00\n"
        "\"Short\"=hex(4):01,02\n"
        "\"Grüße\"=hex(7):78,00,00,00,00,00\n"
        "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n"
        "  16,17,18,19,1a,1b,1c,1d\n"
        "\n" +
        root + "\\Software\\Nordwisp\\alpha]\n\n" + root + "\\Software\\Nordwisp\\alpha\\Deep]\n\n" + root +
        "\\Software\\Nordwisp\\Beta]\n\n" + root + "\\Software\\Nordwisp\\ärger]\n\n" +
        "; end of hive\n";
    const auto hive = nw::hosted::MachineRoot() / "drive_c" / "users" / "texter" / "NTUSER.DAT";
    EXPECT_EQ(RegistryHiveFile(RegistryHive::CurrentUser), hive);
    EXPECT_EQ(ReadHostFile(hive), expected);
    // Folding the (empty) journal in changes nothing.
    ASSERT_TRUE(nw::hosted::CompactRegistry());
    EXPECT_EQ(ReadHostFile(hive), expected);
    EXPECT_NE(ReadHostFile(nw::hosted::RegistryVolatileFile(hive)).find("\"Secret\"=dword:00000001"), std::string::npos);
}

TEST_F(HostedRegistryFile, OddValuesComeBackExactlyInAnotherProcess) {
    RegistryKey key, padding;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, kOddKey, key), ERROR_SUCCESS);
    for (const auto& value : OddValues()) ASSERT_EQ(Set(key.get(), value.name, value.type, value.data), ERROR_SUCCESS);
    // Small hive: rewritten whole on each change.
    EXPECT_EQ(nw::test::RunChild("RegistryCheckOddValues"), 0);

    // Grown past the small-hive size, the changes go to the journal.
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\NordwispTests\\Padding", padding), ERROR_SUCCESS);
    ASSERT_EQ(Set(padding.get(), u"Block", REG_BINARY, std::vector<BYTE>(12000, 1)), ERROR_SUCCESS);
    for (const auto& value : OddValues()) ASSERT_EQ(RegDeleteValueW(key.get(), value.name.c_str()), ERROR_SUCCESS);
    for (const auto& value : OddValues()) ASSERT_EQ(Set(key.get(), value.name, value.type, value.data), ERROR_SUCCESS);
    const auto hive = RegistryHiveFile(RegistryHive::CurrentUser);
    EXPECT_GT(std::filesystem::file_size(hive.string() + ".log"), 0u);
    EXPECT_EQ(nw::test::RunChild("RegistryCheckOddValues"), 0);

    ASSERT_TRUE(nw::hosted::CompactRegistry());
    EXPECT_EQ(std::filesystem::file_size(hive.string() + ".log"), 0u);
    EXPECT_EQ(nw::test::RunChild("RegistryCheckOddValues"), 0);
}

TEST_F(HostedRegistryFile, HandWrittenHiveIsRead) {
    const auto file = nw::hosted::MachineRoot() / "drive_c" / "hand" / "hand.dat";
    WriteHostFile(file,
              "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
              "\r\n"
              "; written by hand\r\n"
              "[HKEY_USERS\\Whatever]\r\n"
              "@=\"root default\"\r\n"
              "\r\n"
              "[HKEY_USERS\\whatever\\Sub\\Deeper]\r\n"
              "\"Esc\"=\"\\\"\\\\\\u0001\"\r\n"
              "\"Num\"=dword:DEADBEEF\r\n"
              "\"Wrapped\"=hex(2):41,00,\\\r\n"
              "    42,00,\\\r\n"
              "  00,00\r\n"
              "\"Empty\"=hex:\r\n");
    ASSERT_EQ(RegLoadKeyW(HKEY_USERS, u"Hand", u"C:\\hand\\hand.dat"), ERROR_SUCCESS);
    EXPECT_EQ(ReadRaw(HKEY_USERS, u"Hand", u""), (RawValue{REG_SZ, Units(u"root default", true)}));
    EXPECT_EQ(nw::test::SubkeysOf(HKEY_USERS, u"Hand\\SUB"), std::vector<std::u16string>{u"Deeper"});
    const std::u16string deeper = u"Hand\\Sub\\Deeper";
    EXPECT_EQ(ReadRaw(HKEY_USERS, deeper, u"Esc"), (RawValue{REG_SZ, Units(u"\"\\\x01", true)}));
    EXPECT_EQ(ReadRaw(HKEY_USERS, deeper, u"Num"), (RawValue{REG_DWORD, {0xEF, 0xBE, 0xAD, 0xDE}}));
    EXPECT_EQ(ReadRaw(HKEY_USERS, deeper, u"Wrapped"), (RawValue{REG_EXPAND_SZ, Units(u"AB", true)}));
    EXPECT_EQ(ReadRaw(HKEY_USERS, deeper, u"Empty"), (RawValue{REG_BINARY, {}}));
    EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u"Hand"), ERROR_SUCCESS);
}

TEST_F(HostedRegistryFile, DamagedHivesAreRefused) {
    const auto dir = nw::hosted::MachineRoot() / "drive_c" / "bad";
    const std::pair<const char*, std::string> damaged[] = {
        {"header.dat", "Windows Registry Editor Version 4.00\n\n[HKEY_USERS\\X]\n"},
        {"value.dat", "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\X]\n\"v\"=dword:123\n"},
        {"outside.dat", "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\X]\n[HKEY_USERS\\Y\\Z]\n"},
        {"noKey.dat", "Windows Registry Editor Version 5.00\n\n\"v\"=\"x\"\n"},
        {"torn.dat", "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\X]\n\"v\"=hex:01,\\\n"},
        {"quote.dat", "Windows Registry Editor Version 5.00\n\n[HKEY_USERS\\X]\n\"v=\"x\"\n"},
    };
    for (const auto& [name, text] : damaged) {
        SCOPED_TRACE(name);
        WriteHostFile(dir / name, text);
        EXPECT_EQ(RegLoadKeyW(HKEY_USERS, u"Bad", (u"C:\\bad\\" + nw::hosted::FromUtf8(name)).c_str()), ERROR_BADDB);
    }
    // The registry never writes an empty file: an emptied hive is damaged.
    WriteHostFile(dir / "empty.dat", "");
    EXPECT_EQ(RegLoadKeyW(HKEY_USERS, u"Empty", u"C:\\bad\\empty.dat"), ERROR_BADDB);

    // A damaged machine hive fails every access to it, not the process. (On a
    // machine root of its own: this process may have read the hive before.)
    const std::filesystem::path savedRoot = nw::hosted::MachineRoot();
    nw::hosted::SetMachineRoot(savedRoot / "damaged");
    WriteHostFile(RegistryHiveFile(RegistryHive::Machine), "garbage");
    RegistryKey key;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"Software", 0, KEY_READ, key.put()), ERROR_BADDB);
    EXPECT_EQ(RegSetValueExW(HKEY_LOCAL_MACHINE, u"v", 0, REG_NONE, nullptr, 0), ERROR_BADDB);
    nw::hosted::SetMachineRoot(savedRoot);
}

constexpr auto kTailKey = u"Software\\NordwispTests\\Tail";

NW_TEST_CHILD(RegistryCheckJournalTail) {
    int wrong = 0;
    for (const std::string& expectation : args) {
        const std::u16string name = nw::hosted::FromUtf8(expectation.substr(1));
        if (ReadRaw(HKEY_CURRENT_USER, kTailKey, name.c_str()).has_value() != (expectation[0] == '+')) ++wrong;
    }
    return wrong;
}

TEST_F(HostedRegistryFile, JournalBytesPastTheCommittedEndAreIgnoredAndCut) {
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, kTailKey, key), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Big", REG_BINARY, std::vector<BYTE>(10000, 7)), ERROR_SUCCESS);
    ASSERT_EQ(Set(key.get(), u"Before", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);
    const std::string journal = RegistryHiveFile(RegistryHive::CurrentUser).string() + ".log";
    const auto committed = std::filesystem::file_size(journal);
    ASSERT_GT(committed, 0u);

    using namespace nw::hosted::registry;
    Change lost;
    lost.kind = ChangeKind::SetValue;
    lost.path = {u"Software", u"NordwispTests", u"Tail"};
    lost.valueName = u"Lost";
    lost.type = REG_DWORD;
    lost.data = {2, 0, 0, 0};
    // A whole record its writer never committed (it was killed first), then
    // one cut short.
    WriteHostFile(journal, EncodeRecord(lost) + EncodeRecord(lost).substr(0, 20), true);

    EXPECT_EQ(nw::test::RunChild("RegistryCheckJournalTail", {"+Before", "-Lost"}), 0);
    // The next change cuts them before appending.
    ASSERT_EQ(Set(key.get(), u"After", REG_DWORD, {3, 0, 0, 0}), ERROR_SUCCESS);
    EXPECT_EQ(nw::test::RunChild("RegistryCheckJournalTail", {"+Before", "-Lost", "+After"}), 0);
    Change after = lost;
    after.valueName = u"After";
    after.data = {3, 0, 0, 0};
    EXPECT_EQ(std::filesystem::file_size(journal), committed + EncodeRecord(after).size());
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kTailKey, u"Lost"));

    // A damaged record inside the committed part does not silently end what
    // is replayed: the hive is refused whole (the error itself is tested
    // with the other kinds of damage).
    std::string bytes = ReadHostFile(journal);
    bytes[committed + 10] ^= 0x55;
    WriteHostFile(journal, bytes);
    EXPECT_EQ(nw::test::RunChild("RegistryCheckJournalTail", {"-Before", "-After"}), 0);
    // Mended, for the tests that share this user's hive.
    bytes[committed + 10] ^= 0x55;
    WriteHostFile(journal, bytes);
    EXPECT_EQ(nw::test::RunChild("RegistryCheckJournalTail", {"+Before", "+After"}), 0);
}

}  // namespace
