// Who may change which hive, HKEY_USERS and its loaded hives, and handles
// that are not handles.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "support/registry.h"

namespace {

using nw::RegistryKey;
using nw::test::CreateKey;
using nw::test::ReadDword;
using nw::test::SetDword;
using HostedRegistryAccess = nw::test::HostedTest;

TEST_F(HostedRegistryAccess, OnlyAdministratorsChangeTheMachineAndOtherUsers) {
    Become(u"admin", u"S-1-5-21-9-9-9-500", true);
    {
        RegistryKey machine, defaults;
        ASSERT_EQ(CreateKey(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Nordwisp", machine), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(machine.get(), u"Setting", 5), ERROR_SUCCESS);
        ASSERT_EQ(CreateKey(HKEY_USERS, u".DEFAULT\\Software", defaults), ERROR_SUCCESS);
    }

    Become(u"plain", u"S-1-5-21-9-9-9-1001", false);
    RegistryKey reader;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"software\\nordwisp", 0, KEY_READ, reader.put()), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(reader.get(), u"Setting"), 5u);
    EXPECT_EQ(SetDword(reader.get(), u"Setting", 6), ERROR_ACCESS_DENIED);

    RegistryKey denied;
    for (REGSAM access : {static_cast<REGSAM>(KEY_SET_VALUE), static_cast<REGSAM>(KEY_CREATE_SUB_KEY),
                          static_cast<REGSAM>(DELETE), static_cast<REGSAM>(WRITE_DAC), static_cast<REGSAM>(KEY_WRITE),
                          static_cast<REGSAM>(GENERIC_WRITE)}) {
        SCOPED_TRACE(access);
        EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Nordwisp", 0, access, denied.put()),
                  ERROR_ACCESS_DENIED);
        EXPECT_EQ(RegOpenKeyExW(HKEY_USERS, u".DEFAULT\\Software", 0, access, denied.put()), ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(CreateKey(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Nordwisp\\New", denied, 0, KEY_READ), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetDword(HKEY_LOCAL_MACHINE, u"Direct", 1), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Nordwisp"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegLoadKeyW(HKEY_USERS, u"Mine", u"C:\\users\\admin\\NTUSER.DAT"), ERROR_PRIVILEGE_NOT_HELD);
    EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u"Mine"), ERROR_PRIVILEGE_NOT_HELD);
    // Opening an existing key read-only through RegCreateKeyExW is reading.
    DWORD disposition = 0;
    RegistryKey existing;
    EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Nordwisp", 0, nullptr, 0, KEY_READ, nullptr,
                              existing.put(), &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));

    // The user's own hive, by either name.
    RegistryKey own, current;
    ASSERT_EQ(CreateKey(HKEY_USERS, u"S-1-5-21-9-9-9-1001\\Software\\Mine", own), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(own.get(), u"Own", 8), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Mine", 0, KEY_READ, current.put()), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(current.get(), u"Own"), 8u);
    EXPECT_TRUE(std::filesystem::exists(nw::hosted::MachineRoot() / "drive_c" / "users" / "plain" / "NTUSER.DAT"));
}

TEST_F(HostedRegistryAccess, HivesLoadUnderUsers) {
    Become(u"other", u"S-1-5-21-5-5-5-1002");
    {
        RegistryKey key;
        ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\Other", key), ERROR_SUCCESS);
        ASSERT_EQ(SetDword(key.get(), u"Before", 1), ERROR_SUCCESS);
    }
    Become(u"me", u"S-1-5-21-5-5-5-1003");
    {
        RegistryKey mine;
        ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software", mine, 0, KEY_READ), ERROR_SUCCESS);
    }
    const char16_t* file = u"C:\\users\\other\\NTUSER.DAT";
    ASSERT_EQ(RegLoadKeyW(HKEY_USERS, u"NORDWISP_TEMPORARY_PROFILE", file), ERROR_SUCCESS);
    struct Refusal {
        HKEY root;
        const char16_t *name, *file;
        LSTATUS status;
    };
    for (const Refusal& r : {Refusal{HKEY_USERS, u"Again", file, ERROR_SHARING_VIOLATION},
                             Refusal{HKEY_USERS, u"Again", u"c:/USERS/Other/./ntuser.dat", ERROR_SHARING_VIOLATION},
                             Refusal{HKEY_USERS, u"Again", u"C:\\users\\me\\NTUSER.DAT", ERROR_SHARING_VIOLATION},
                             Refusal{HKEY_USERS, u"Again", u"C:\\users\\nobody\\NTUSER.DAT", ERROR_PATH_NOT_FOUND},
                             Refusal{HKEY_LOCAL_MACHINE, u"Again", file, ERROR_INVALID_PARAMETER},
                             Refusal{HKEY_USERS, u"A\\B", file, ERROR_INVALID_PARAMETER}})
        EXPECT_EQ(RegLoadKeyW(r.root, r.name, r.file), r.status) << nw::hosted::ToUtf8(r.file);

    EXPECT_EQ(nw::test::SubkeysOf(HKEY_USERS, u""),
              (std::vector<std::u16string>{u".DEFAULT", u"NORDWISP_TEMPORARY_PROFILE", u"S-1-5-21-5-5-5-1003"}));
    {
        RegistryKey mounted;
        ASSERT_EQ(RegOpenKeyExW(HKEY_USERS, u"nordwisp_temporary_profile\\Software\\Other", 0, KEY_ALL_ACCESS,
                                mounted.put()),
                  ERROR_SUCCESS);
        EXPECT_EQ(ReadDword(mounted.get(), u"Before"), 1u);
        ASSERT_EQ(SetDword(mounted.get(), u"During", 2), ERROR_SUCCESS);
        // Not while a key of it is open.
        EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u"NORDWISP_TEMPORARY_PROFILE"), ERROR_ACCESS_DENIED);
    }
    EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u"NORDWISP_TEMPORARY_PROFILE"), ERROR_SUCCESS);
    EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u"NORDWISP_TEMPORARY_PROFILE"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegUnLoadKeyW(HKEY_USERS, u".DEFAULT"), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(nw::test::KeyExists(HKEY_USERS, u"NORDWISP_TEMPORARY_PROFILE"));
    // Keys go under loaded hives only.
    RegistryKey invented;
    EXPECT_EQ(CreateKey(HKEY_USERS, u"Invented", invented), ERROR_ACCESS_DENIED);

    // What was written through the mount is the other user's.
    Become(u"other", u"S-1-5-21-5-5-5-1002");
    RegistryKey theirs;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Other", 0, KEY_READ, theirs.put()), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword(theirs.get(), u"During"), 2u);
}

TEST_F(HostedRegistryAccess, HandlesThatAreNotHandles) {
    RegistryKey key;
    ASSERT_EQ(CreateKey(HKEY_CURRENT_USER, u"Software\\Handles", key), ERROR_SUCCESS);
    HKEY closed = key.get();
    ASSERT_EQ(RegCloseKey(key.release()), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(closed, u"v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(closed), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetDword(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x12345)), u"v", 1), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, u"x", 0, KEY_READ, key.put()), ERROR_INVALID_HANDLE);
    // Predefined keys need no closing and survive it.
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Handles", 0, KEY_READ, key.put()), ERROR_SUCCESS);
    // Out-of-range names and arguments.
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateKey(HKEY_CURRENT_USER, std::u16string(256, u'k'), key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateKey(HKEY_CURRENT_USER, u"a\\\\b", key), ERROR_BAD_PATHNAME);
    EXPECT_EQ(CreateKey(HKEY_CURRENT_USER, u"x", key, 0x40), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetDword(HKEY_CURRENT_USER, std::u16string(16384, u'v'), 1), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u""), ERROR_ACCESS_DENIED);  // a hive's root
}

}  // namespace
