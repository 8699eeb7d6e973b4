// The walk over every user and the rule that tells a printer's cached
// values from other printers'.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/handles.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/users.h"
#include "platform/win32api.h"
#include "users/cached_records.h"
#include "users/profile_walk.h"
#include "users/temporary_hive.h"

namespace nw {
namespace {

TEST(CachedRecords, ValueBelongsToPrinterByNameCommaOrEnd) {
    struct Case {
        const WCHAR* value;
        bool belongs;
    };
    const Case cases[] = {
        {W("Nordwisp Printer"), true},
        {W("NORDWISP printer"), true},
        {W("\\\\srv\\Nordwisp Printer"), true},           // ends with it
        {W("Nordwisp Printer,winspool,Ne01:"), true},      // followed by a comma
        {W("x,Nordwisp Printer,1"), true},
        {W("My Nordwisp Printer 2"), false},               // in the middle
        {W("Nordwisp Printer 2"), false},
        {W("Nordwisp Printe"), false},
        {W(""), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BelongsToPrinter(c.value, W("Nordwisp Printer")), c.belongs) << hosted::ToUtf8(c.value);
    EXPECT_FALSE(BelongsToPrinter(W("anything"), W("")));
}

const WCHAR* const kSettings = W("Printers\\Settings");

// Every user's hive carries its name in "Printers\Settings" "Who", so that
// a walk's action can tell whose hive it was given.
class WalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        const hosted::Identity& me = hosted::CurrentIdentity();
        Add(me.userName, me.userSid, true, u"C:\\Users\\" + me.userName);
        Add(u"ann", u"", true, u"C:\\Users\\ann");
        Add(u"bob", u"", false, u"C:\\Users\\bob");
        Add(u"cy", u"", false, u"%SystemDrive%\\Users\\cy", u"C:\\Users\\cy");
        Add(u"Pool", u"", false, u"C:\\Users\\.NET v4.5");
        Add(u"DefaultAppPool", u"", false, u"C:\\inetpub\\temp\\apppools\\DefaultAppPool");
        Add(u"LocalService", u"S-1-5-19", false, u"%systemroot%\\ServiceProfiles\\LocalService",
            u"C:\\windows\\ServiceProfiles\\LocalService");
    }
    void Add(const std::u16string& name, const std::u16string& sid, bool loggedOn, const std::u16string& path,
             std::u16string folder = {}) {
        std::u16string added;
        ASSERT_EQ(hosted::AddMachineUser(name, sid, loggedOn, path, &added), 0u) << hosted::ToUtf8(name);
        if (folder.empty()) folder = path;
        const WString hive = folder + u"\\NTUSER.DAT";
        WString root = added;
        if (!loggedOn) {
            ASSERT_EQ(::RegLoadKeyW(HKEY_USERS, W("NwCheck"), hive.c_str()), ERROR_SUCCESS);
            root = W("NwCheck");
        }
        RegistryKey key;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_USERS, (root + W("\\") + kSettings).c_str(), 0, KEY_WRITE, key.put()),
                  ERROR_SUCCESS);
        ASSERT_EQ(::RegSetValueExW(key.get(), W("Who"), 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                                   static_cast<DWORD>(name.size() * 2)),
                  ERROR_SUCCESS);
        key.reset();
        if (!loggedOn) {
            ASSERT_EQ(::RegUnLoadKeyW(HKEY_USERS, W("NwCheck")), ERROR_SUCCESS);
        }
    }

    // Whose hives the walk visits, and how often ("" for the Default
    // profile, which carries no name).
    std::map<std::u16string, int> Visits(bool loadedHives, int& result) {
        std::map<std::u16string, int> visits;
        result = ForEachUserProfile(
            [&](HKEY root) {
                RegistryKey key;
                if (::RegOpenKeyExW(root, kSettings, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return 1;
                WCHAR who[64] = {};
                DWORD size = sizeof who - sizeof(WCHAR);
                ::RegQueryValueExW(key.get(), W("Who"), nullptr, nullptr, reinterpret_cast<BYTE*>(who), &size);
                ++visits[who];
                return 1;
            },
            loadedHives);
        return visits;
    }
};

TEST_F(WalkTest, VisitsEveryRealUserOnceAndGivesTheMountBack) {
    const std::u16string me = hosted::CurrentIdentity().userName;
    int result = 0;
    // Profiles only: the logged-on users' files are in use and skipped.
    EXPECT_EQ(Visits(false, result), (std::map<std::u16string, int>{{u"", 1}, {u"bob", 1}, {u"cy", 1}}));
    EXPECT_EQ(result, 1);
    // With the loaded hives: each real user once; never the pool or service.
    EXPECT_EQ(Visits(true, result),
              (std::map<std::u16string, int>{{u"", 1}, {u"bob", 1}, {u"cy", 1}, {u"ann", 1}, {me, 1}}));
    EXPECT_EQ(result, 1);

    // A failing action fails the walk, and the mount is given back anyway.
    EXPECT_EQ(ForEachUserProfile([](HKEY) { return 0; }, false), 0);
    RegistryKey mount;
    EXPECT_EQ(::RegOpenKeyExW(HKEY_USERS, kTemporaryProfileName, 0, KEY_READ, mount.put()), ERROR_FILE_NOT_FOUND);
}

TEST_F(WalkTest, FailsWithoutSystemDriveOrTheMountName) {
    int result = 0;
    ASSERT_TRUE(::SetEnvironmentVariableW(W("SystemDrive"), nullptr));
    Visits(false, result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(::SetEnvironmentVariableW(W("SystemDrive"), W("C:")));

    // The mount name taken by another walk: the profiles are skipped and
    // reported, the logged-on users still reached.
    ASSERT_EQ(::RegLoadKeyW(HKEY_USERS, kTemporaryProfileName, W("C:\\Users\\bob\\NTUSER.DAT")), ERROR_SUCCESS);
    EXPECT_EQ(Visits(true, result).count(u"ann"), 1u);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(::RegUnLoadKeyW(HKEY_USERS, kTemporaryProfileName), ERROR_SUCCESS);
}

TEST(Walk, FailsWithoutAProfileList) {
    EXPECT_EQ(ForEachUserProfile([](HKEY) { return 1; }, true), 0);
}

}  // namespace
}  // namespace nw
