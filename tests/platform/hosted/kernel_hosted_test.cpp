// What only the hosted machine promises: refusing made-up handles, keeping
// drive paths inside the machine root, Windows defaults of the environment
// and the locale's fixed answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "hosted_test.h"
#include "platform/hosted/host_path.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using nw::test::FailedWith;
using HostedKernel = nw::test::HostedTest;

TEST_F(HostedKernel, StaleAndMadeUpMemoryHandlesAreRefused) {
    HGLOBAL moveable = GlobalAlloc(GMEM_MOVEABLE, 8);
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 8);
    ASSERT_NE(moveable, nullptr);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(GlobalFree(moveable), nullptr);
    EXPECT_EQ(GlobalFree(fixed), nullptr);

    for (HGLOBAL bad : {moveable, fixed, reinterpret_cast<HGLOBAL>(0x12340)}) {
        SetLastError(0);
        EXPECT_TRUE(FailedWith(GlobalLock(bad) == nullptr, ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_TRUE(FailedWith(GlobalSize(bad) == 0u, ERROR_INVALID_HANDLE));
        EXPECT_FALSE(GlobalUnlock(bad));
        SetLastError(0);
        EXPECT_EQ(GlobalFree(bad), bad);  // failure hands the handle back
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
    EXPECT_EQ(LocalFree(reinterpret_cast<HLOCAL>(0x12340)), reinterpret_cast<HLOCAL>(0x12340));
}

TEST_F(HostedKernel, EachHandleIsClosedByItsOwnFunction) {
    nw::test::TempDir dir;
    HANDLE file = CreateFileW(dir.File(u"f").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(dir.File(u"*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);

    EXPECT_TRUE(FailedWith(!CloseHandle(find), ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FailedWith(!FindClose(file), ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(file, 0), WAIT_FAILED);
    EXPECT_TRUE(FailedWith(!ReleaseMutex(file), ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FindClose(find));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(nullptr));
    DWORD got = 1;
    EXPECT_FALSE(ReadFile(file, &data, 4, &got, nullptr));  // closed
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(got, 0u);
}

TEST_F(HostedKernel, DrivePathsStayInsideTheMachineRoot) {
    fs::create_directories(nw::hosted::MachineRoot() / "drive_c");
    HANDLE file =
        CreateFileW(u"C:\\..\\..\\windows\\..\\..\\escape.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(fs::exists(nw::hosted::MachineRoot() / "drive_c" / "escape.txt"));
    EXPECT_FALSE(fs::exists(nw::hosted::MachineRoot() / "escape.txt"));
    EXPECT_NE(GetFileAttributesW(u"c:/ESCAPE.TXT"), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(DeleteFileW(u"C:\\.\\Escape.txt"));
}

TEST_F(HostedKernel, CurrentDirectoryInWindowsForm) {
    nw::test::TempDir dir;
    WCHAR saved[1024];
    ASSERT_GT(GetCurrentDirectoryW(1024, saved), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(dir.Path().c_str()));
    const WString expected = dir.Path().substr(0, dir.Path().size() - 1);  // no trailing separator
    EXPECT_EQ(GetCurrentDirectoryW(0, nullptr), expected.size() + 1);
    WCHAR now[1024];
    EXPECT_EQ(GetCurrentDirectoryW(1024, now), expected.size());
    EXPECT_EQ(WString(now), expected);

    // Relative names now resolve in that folder.
    HANDLE file = CreateFileW(u"here.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_NE(GetFileAttributesW(dir.File(u"HERE.txt").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_TRUE(FailedWith(!SetCurrentDirectoryW(dir.File(u"here.txt").c_str()), ERROR_DIRECTORY));
    EXPECT_TRUE(FailedWith(!SetCurrentDirectoryW(dir.File(u"none").c_str()), ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(SetCurrentDirectoryW(saved));
}

TEST_F(HostedKernel, ReadOnlyFilesRefuseWritingAndDeletion) {
    nw::test::TempDir dir;
    const WString path = dir.File(u"locked.txt");
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_READONLY, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "ok", 2, &written, nullptr));  // the creating handle may write
    CloseHandle(file);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(FailedWith(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr) == INVALID_HANDLE_VALUE,
        ERROR_ACCESS_DENIED));
    EXPECT_TRUE(FailedWith(!DeleteFileW(path.c_str()), ERROR_ACCESS_DENIED));
    fs::permissions(nw::hosted::HostPath(path), fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(HostedKernel, EnvironmentHasWindowsDefaults) {
    for (const char* name :
         {"USERNAME", "USERPROFILE", "APPDATA", "SystemRoot", "ProgramData", "PUBLIC", "TMP", "TEMP"})
        if (std::getenv(name)) GTEST_SKIP() << "the host environment sets " << name;
    Become([](nw::hosted::Identity& id) {
        id.userName = u"alice";
        id.computerName = u"PRINTHOST";
    });

    WCHAR out[256];
    ASSERT_GT(ExpandEnvironmentStringsW(u"%USERNAME%|%USERPROFILE%|%APPDATA%|%LOCALAPPDATA%|%COMPUTERNAME%", out, 256),
              0u);
    EXPECT_EQ(WString(out),
              u"alice|C:\\users\\alice|C:\\users\\alice\\AppData\\Roaming|C:\\users\\alice\\AppData\\Local|PRINTHOST");
    ASSERT_GT(ExpandEnvironmentStringsW(u"%SystemRoot%|%ProgramData%|%PUBLIC%|%TEMP%", out, 256), 0u);
    EXPECT_EQ(WString(out), u"C:\\windows|C:\\ProgramData|C:\\users\\Public|C:\\windows\\temp");

    EXPECT_EQ(GetTempPathW(0, nullptr), 17u);
    EXPECT_EQ(GetTempPathW(256, out), 16u);
    EXPECT_EQ(WString(out), u"C:\\windows\\temp\\");
    EXPECT_TRUE(fs::is_directory(nw::hosted::HostPath(u"C:\\windows\\temp")));

    // Set and deleted values win over the defaults.
    ASSERT_TRUE(SetEnvironmentVariableW(u"username", u"bob"));
    EXPECT_EQ(GetEnvironmentVariableW(u"USERNAME", out, 256), 3u);
    EXPECT_STREQ(std::getenv("username"), "bob");  // children inherit it
    ASSERT_TRUE(SetEnvironmentVariableW(u"USERNAME", nullptr));
    EXPECT_TRUE(FailedWith(GetEnvironmentVariableW(u"USERNAME", out, 256) == 0u, ERROR_ENVVAR_NOT_FOUND));
}

// Here rather than with the portable date checks: Wine accepts 29 February
// of any year.
TEST_F(HostedKernel, TwentyNinthOfFebruaryOnlyInLeapYears) {
    FILETIME f{};
    for (WORD year : {1700, 1900, 2025, 2100}) {
        const SYSTEMTIME t{year, 2, 0, 29, 0, 0, 0, 0};
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&t, &f)) << year;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    for (WORD year : {1604, 2000, 2024}) {
        const SYSTEMTIME t{year, 2, 0, 29, 0, 0, 0, 0};
        EXPECT_TRUE(SystemTimeToFileTime(&t, &f)) << year;
    }
    WCHAR out[16];
    const SYSTEMTIME notLeap{2026, 2, 0, 29, 0, 0, 0, 0};
    EXPECT_TRUE(FailedWith(GetDateFormatW(0x0409, 0, &notLeap, nullptr, out, 16) == 0, ERROR_INVALID_PARAMETER));
}

TEST_F(HostedKernel, LocaleAnswersForTheDefaultLocalesAndRefusesOthers) {
    WCHAR out[64];
    for (LCID locale : {LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT}) {
        EXPECT_EQ(GetLocaleInfoW(locale, LOCALE_SSHORTDATE, out, 64), 9);
        EXPECT_EQ(WString(out), u"M/d/yyyy");
        EXPECT_EQ(GetLocaleInfoW(locale, LOCALE_SLONGDATE, out, 64), 19);
        EXPECT_EQ(WString(out), u"dddd, MMMM d, yyyy");
    }
    const SYSTEMTIME date{2026, 12, 0, 5, 0, 0, 0, 0};
    EXPECT_EQ(GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, u"gg yyyy", out, 64), 10);
    EXPECT_EQ(WString(out), u"A.D. 2026");

    SetLastError(0);
    EXPECT_TRUE(FailedWith(GetLocaleInfoW(0x0407, LOCALE_SSHORTDATE, out, 64) == 0, ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailedWith(GetLocaleInfoW(0x0409, 0x4242, out, 64) == 0, ERROR_INVALID_FLAGS));
    EXPECT_TRUE(FailedWith(GetTimeFormatW(0x0409, 0x100, &date, nullptr, out, 64) == 0, ERROR_INVALID_FLAGS));
    EXPECT_EQ(GetTimeFormatW(0x0409, TIME_NOTIMEMARKER, &date, u"tt h:mm", out, 64), 6);
    EXPECT_EQ(WString(out), u"12:00");  // a dropped leading field takes its separator along
}

}  // namespace
