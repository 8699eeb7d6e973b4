// Copying and clearing every user's settings through the exports, on a
// machine with logged-on users, users not logged on, and the profiles of an
// application pool and a service; each user's view is checked by a process
// running as that user.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "support/child_process.h"
#include "support/library.h"
#include "support/registry.h"

namespace nw::test {
namespace {

const WCHAR* const kCheck = W("NwCheck");
constexpr std::uint32_t kNullArgument = 0xFFFFFC18u;  // -1000
const WString kPerUser = W("Printers\\DevModePerUser");
const WString kRecords2 = W("Printers\\DevModes2");
constexpr std::uint32_t kCopiedFormat = 7;

struct User {
    std::string name;
    std::u16string sid;
    std::u16string hiveFile;  // a Windows path
};

// Starts a child as another user of the machine (its HKEY_CURRENT_USER is
// that user's hive), optionally without administrator membership.
int RunAsWith(const User& user, const std::string& child, const std::vector<std::string>& args,
              bool administrator = true) {
    ::setenv("NORDWISP_USER_NAME", user.name.c_str(), 1);
    std::string sid(user.sid.begin(), user.sid.end());
    ::setenv("NORDWISP_USER_SID", sid.c_str(), 1);
    if (!administrator) ::setenv("NORDWISP_ADMIN", "0", 1);
    const int result = RunChild(child, args);
    ::unsetenv("NORDWISP_USER_NAME");
    ::unsetenv("NORDWISP_USER_SID");
    ::unsetenv("NORDWISP_ADMIN");
    return result;
}

int RunAs(const User& user, const std::string& child, bool administrator = true) {
    return RunAsWith(user, child, {}, administrator);
}

// What a user sees after the copy: 0 when the record, both caches and the
// registry settings are the current user's.
NW_TEST_CHILD(SeesCopiedSettings) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    if (!record) return 10;
    if (At<std::uint32_t>(*record, NW_OFFSET(FileFormat)) != kCopiedFormat) return 11;
    for (const WString* key : {&kPerUser, &kRecords2}) {
        const auto cached = ReadRaw(HKEY_CURRENT_USER, *key, kPrinter);
        if (!cached || cached->type != REG_BINARY || cached->bytes.size() != NW_DEVMODE_SIZE) return 12;
        if (At<std::uint32_t>(*reinterpret_cast<const NordwispDEVMODE*>(cached->bytes.data()),
                              NW_OFFSET(FileFormat)) != kCopiedFormat)
            return 13;
    }
    if (StoredText(PrinterKey(kPrinter, W("Pdf Settings")), W("Author")) != u"Ada") return 14;
    const auto registered = ReadRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\PrinterIDs\\1"), W("Printer name"));
    if (!registered || registered->type != REG_SZ) return 15;
    return 0;
}

// What a user sees after the replace: the record and both caches hold the
// file format of the driver's defaults (args[0]).
NW_TEST_CHILD(SeesDefaultRecord) {
    const auto format = static_cast<std::uint32_t>(std::stoul(args.at(0)));
    Record record(LoadNordwispDEVMODE(kPrinter));
    if (!record) return 10;
    if (At<std::uint32_t>(*record, NW_OFFSET(FileFormat)) != format) return 11;
    for (const WString* key : {&kPerUser, &kRecords2}) {
        const auto cached = ReadRaw(HKEY_CURRENT_USER, *key, kPrinter);
        if (!cached || cached->bytes.size() != NW_DEVMODE_SIZE) return 12;
        if (At<std::uint32_t>(*reinterpret_cast<const NordwispDEVMODE*>(cached->bytes.data()),
                              NW_OFFSET(FileFormat)) != format)
            return 13;
    }
    return 0;
}

// As a user without administrator membership every export fails.
NW_TEST_CHILD(MaintainAsStandardUser) {
    if (CopySettingsForAllUsers(kPrinter) != 0) return 10;
    if (ClearUserSettings(kPrinter, 1) != 0) return 11;
    if (CopyRegValueToAllUsers(W("Printers\\DevModePerUser"), W("Marker")) != 0) return 12;
    if (ReplaceUserSettings(kPrinter, 1) != 0) return 13;
    return 0;
}

class UserMaintenanceTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        const char* name = std::getenv("NORDWISP_USER_NAME");
        const char* sid = std::getenv("NORDWISP_USER_SID");
        me_ = Add(name ? name : "user", sid ? sid : "S-1-5-21-3623811015-3361044348-30300820-1013", true);
        ann_ = Add("ann", "", true);
        bob_ = Add("bob", "", false);
        cy_ = Add("cy", "", false, u"%SYSTEMDRIVE%\\Users\\cy");
        pool_ = Add("DefaultAppPool", "", false, u"C:\\Users\\DefaultAppPool");
        service_ = Add("LocalService", "S-1-5-19", false, u"%systemroot%\\ServiceProfiles\\LocalService");
    }

    User Add(const std::string& name, const std::string& sid, bool loggedOn, std::u16string path = {}) {
        User user{name, {}, {}};
        const std::u16string wideName(name.begin(), name.end());
        const std::u16string wideSid(sid.begin(), sid.end());
        NWCHAR added[NORDWISP_MACHINE_SID_CHARS] = {};
        EXPECT_EQ(NordwispMachine_AddUser(wideName.c_str(), sid.empty() ? nullptr : wideSid.c_str(), loggedOn ? 1 : 0,
                                          path.empty() ? nullptr : path.c_str(), added, NORDWISP_MACHINE_SID_CHARS),
                  0u)
            << name;
        user.sid = added;
        if (path.empty()) path = u"C:\\Users\\" + wideName;
        if (path.rfind(u"%SYSTEMDRIVE%", 0) == 0) path.replace(0, 13, u"C:");
        if (path.rfind(u"%systemroot%", 0) == 0) path.replace(0, 12, u"C:\\windows");
        user.hiveFile = path + u"\\NTUSER.DAT";
        return user;
    }

    // Runs check with the user's hive: under HKEY_USERS\<SID> when logged
    // on, else loaded here for the time of the check.
    template <class Check>
    void WithHive(const User& user, bool loggedOn, Check&& check) {
        if (loggedOn) return check(user.sid);
        ASSERT_EQ(RegLoadKeyW(HKEY_USERS, kCheck, user.hiveFile.c_str()), ERROR_SUCCESS) << user.name;
        check(WString(kCheck));
        ASSERT_EQ(RegUnLoadKeyW(HKEY_USERS, kCheck), ERROR_SUCCESS);
    }

    // The current user's settings: a saved record and registry values.
    void PrepareCurrentUser() {
        Record record(LoadNordwispDEVMODE(kPrinter));
        ASSERT_TRUE(record);
        Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), kCopiedFormat);
        ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
        StoreText(PrinterKey(kPrinter, W("Pdf Settings")), W("Author"), W("Ada"));
        StoreDword(PrinterKey(kPrinter), W("Printer ID"), 1);
    }

    User me_, ann_, bob_, cy_, pool_, service_;
};

TEST_F(UserMaintenanceTest, CopyGivesEveryRealUserTheCurrentUsersSettings) {
    PrepareCurrentUser();
    EXPECT_EQ(NW_EXPORT_CALL(CopySettingsForAllUsers(kPrinter)), (Outcome{1, 0}));
    for (const User* user : {&ann_, &bob_, &cy_}) EXPECT_EQ(RunAs(*user, "SeesCopiedSettings"), 0) << user->name;

    // Neither the pool's nor the service's hive took anything.
    for (const User* user : {&pool_, &service_}) {
        WithHive(*user, false, [&](const WString& root) {
            EXPECT_FALSE(KeyExists(HKEY_USERS, root + W("\\SOFTWARE\\Kelmora Works"))) << user->name;
            EXPECT_FALSE(ReadRaw(HKEY_USERS, root + W("\\") + kPerUser, kPrinter)) << user->name;
        });
    }
    // The temporary mount was given back each time: a second walk loads
    // every hive again, and the ANSI form reaches the same printer.
    WithHive(bob_, false, [&](const WString& root) { RemoveTree(HKEY_USERS, root + W("\\SOFTWARE\\Kelmora Works")); });
    EXPECT_EQ(CopySettingsForAllUsersA("Nordwisp Printer"), 1);
    EXPECT_EQ(RunAs(bob_, "SeesCopiedSettings"), 0);
}

TEST_F(UserMaintenanceTest, ClearRemovesOnlyThePrintersCachedValues) {
    const std::vector<WString> mine = {kPrinter, W("\\\\srv\\Nordwisp Printer"), W("nordwisp printer,winspool,Ne01:")};
    const std::vector<WString> others = {W("My Nordwisp Printer 2"), W("Nordwisp Printer Copy"), W("Fax")};
    const auto plant = [&](const WString& root) {
        for (const WString& key : {kPerUser, kRecords2, WString(W("Printers\\Settings"))})
            for (const auto* names : {&mine, &others})
                for (const WString& name : *names)
                    WriteRaw(HKEY_USERS, root + W("\\") + key, name.c_str(), REG_BINARY, {1, 2, 3});
    };
    const auto remaining = [&](const WString& root) {
        std::vector<WString> names;
        for (const auto* list : {&mine, &others})
            for (const WString& name : *list)
                if (ReadRaw(HKEY_USERS, root + W("\\") + kRecords2, name.c_str())) names.push_back(name);
        return names;
    };
    WithHive(me_, true, plant);
    WithHive(ann_, true, plant);
    WithHive(bob_, false, plant);

    // Flag 0: the current user only.
    EXPECT_EQ(NW_EXPORT_CALL(ClearUserSettings(kPrinter, 0)), (Outcome{1, 0}));
    WithHive(me_, true, [&](const WString& root) { EXPECT_EQ(remaining(root), others); });
    for (const User* user : {&ann_, &bob_}) {
        WithHive(*user, user == &ann_, [&](const WString& root) {
            EXPECT_EQ(remaining(root).size(), mine.size() + others.size()) << user->name;
        });
    }

    // Flag 1: every user, other printers' values kept.
    EXPECT_EQ(NW_EXPORT_CALL(ClearUserSettingsA("Nordwisp Printer", 1)), (Outcome{1, 0}));
    for (const User* user : {&me_, &ann_, &bob_}) {
        WithHive(*user, user != &bob_, [&](const WString& root) {
            EXPECT_EQ(remaining(root), others) << user->name;
            EXPECT_FALSE(ReadRaw(HKEY_USERS, root + W("\\Printers\\Settings"), kPrinter)) << user->name;
        });
    }
    EXPECT_EQ(NW_EXPORT_CALL(ClearUserSettings(nullptr, 1)), (Outcome{0, kNullArgument}));
}

TEST_F(UserMaintenanceTest, ReplaceGivesEveryUserTheDriversDefaults) {
    PrepareCurrentUser();
    ASSERT_EQ(CopySettingsForAllUsers(kPrinter), 1);
    std::uint32_t defaultFormat = 0;
    {
        Block<NordwispDEVMODE> defaults(CreateDefaultSettings(kPrinter));
        ASSERT_TRUE(defaults);
        defaultFormat = At<std::uint32_t>(*defaults, NW_OFFSET(FileFormat));
        ASSERT_NE(defaultFormat, kCopiedFormat);
    }
    // Flag 0: the current user only.
    EXPECT_EQ(NW_EXPORT_CALL(ReplaceUserSettings(kPrinter, 0)), (Outcome{1, 0}));
    {
        Record mine(LoadNordwispDEVMODE(kPrinter));
        ASSERT_TRUE(mine);
        EXPECT_EQ(At<std::uint32_t>(*mine, NW_OFFSET(FileFormat)), defaultFormat);
    }
    EXPECT_EQ(RunAs(ann_, "SeesCopiedSettings"), 0);

    EXPECT_EQ(NW_EXPORT_CALL(ReplaceUserSettingsA("Nordwisp Printer", 1)), (Outcome{1, 0}));
    const std::string format = std::to_string(defaultFormat);
    for (const User* user : {&ann_, &bob_, &cy_})
        EXPECT_EQ(RunAsWith(*user, "SeesDefaultRecord", {format}), 0) << user->name;
    EXPECT_EQ(NW_EXPORT_CALL(ReplaceUserSettings(nullptr, 1)), (Outcome{0, kNullArgument}));
}

TEST_F(UserMaintenanceTest, CopyValueReachesUsersThatHaveTheKey) {
    WriteRaw(HKEY_CURRENT_USER, W("Printers\\Settings"), W("Marker"), REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0});
    WithHive(bob_, false, [&](const WString& root) { RemoveTree(HKEY_USERS, root + W("\\Printers\\Settings")); });

    EXPECT_EQ(NW_EXPORT_CALL(CopyRegValueToAllUsers(W("Printers\\Settings"), W("Marker"))), (Outcome{1, 0}));
    const RawValue expected{REG_MULTI_SZ, {'a', 0, 0, 0, 0, 0}};
    for (const User* user : {&ann_, &cy_})
        WithHive(*user, user == &ann_, [&](const WString& root) {
            EXPECT_EQ(ReadRaw(HKEY_USERS, root + W("\\Printers\\Settings"), W("Marker")), expected) << user->name;
        });
    // Bob has no such key and gets none.
    WithHive(bob_, false, [&](const WString& root) {
        EXPECT_FALSE(KeyExists(HKEY_USERS, root + W("\\Printers\\Settings")));
    });

    // A value the current user lacks copies nothing and fails.
    EXPECT_EQ(CopyRegValueToAllUsersA("Printers\\Settings", "Missing"), 0);
    EXPECT_EQ(NW_EXPORT_CALL(CopyRegValueToAllUsers(nullptr, W("Marker"))), (Outcome{0, kNullArgument}));
}

TEST_F(UserMaintenanceTest, StandardUserChangesNoOtherUser) {
    PrepareCurrentUser();
    WriteRaw(HKEY_CURRENT_USER, kPerUser, W("Marker"), REG_DWORD, DwordBytes(1));
    WithHive(ann_, true, [&](const WString& root) {
        WriteRaw(HKEY_USERS, root + W("\\") + kPerUser, kPrinter, REG_BINARY, {9});
    });
    EXPECT_EQ(RunAs(me_, "MaintainAsStandardUser", false), 0);
    for (const User* user : {&ann_, &bob_, &cy_}) {
        WithHive(*user, user == &ann_, [&](const WString& root) {
            EXPECT_FALSE(KeyExists(HKEY_USERS, root + W("\\SOFTWARE\\Kelmora Works"))) << user->name;
            EXPECT_FALSE(ReadRaw(HKEY_USERS, root + W("\\") + kPerUser, W("Marker"))) << user->name;
            const auto cached = ReadRaw(HKEY_USERS, root + W("\\") + kPerUser, kPrinter);
            EXPECT_EQ(cached.has_value(), user == &ann_) << user->name;
        });
    }
}

}  // namespace
}  // namespace nw::test
