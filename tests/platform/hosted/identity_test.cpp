// Version, session, tokens, SIDs, privileges and names of the hosted
// machine, for administrators and ordinary users.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "support/child_process.h"

namespace {

using nw::hosted::CurrentIdentity;
using nw::hosted::Identity;
using nw::test::FailedWith;

class HostedIdentity : public nw::test::HostedTest {
protected:
    static Identity Someone(bool administrator) {
        Identity id = CurrentIdentity();
        id.userName = u"carol";
        id.userSid = u"S-1-5-21-1004336348-1177238915-682003330-1105";
        id.administrator = administrator;
        return id;
    }
};

struct Sid {
    PSID sid = nullptr;
    ~Sid() { FreeSid(sid); }
};

void AdministratorsSid(Sid& out) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                         &out.sid));
}

WString SidString(PSID sid) {
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return u"<failed>";
    WString out(text);
    EXPECT_EQ(LocalFree(text), nullptr);
    return out;
}

TEST_F(HostedIdentity, VersionIsWindows10UnlessOverridden) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const auto version = [&] {
        EXPECT_TRUE(GetVersionExW(&info));
        return std::vector<DWORD>{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId};
    };
    EXPECT_EQ(version(), (std::vector<DWORD>{10, 0, 19045, VER_PLATFORM_WIN32_NT}));
    nw::hosted::SetOsMajorVersion(5);
    EXPECT_EQ(version(), (std::vector<DWORD>{5, 1, 2600, VER_PLATFORM_WIN32_NT}));

    info.dwOSVersionInfoSize = sizeof info - 1;
    EXPECT_TRUE(FailedWith(!GetVersionExW(&info), ERROR_INSUFFICIENT_BUFFER));
}

NW_TEST_CHILD(WaitWithReadyFile) {
    std::ofstream(args.at(0)) << "ready";
    Sleep(30000);
    return 0;
}

TEST_F(HostedIdentity, SessionOfThisAndOtherProcesses) {
    Become([](Identity& id) { id.sessionId = 3; });
    DWORD session = 0;
    ASSERT_TRUE(ProcessIdToSessionId(GetCurrentProcessId(), &session));
    EXPECT_EQ(session, 3u);

    // The library reaches it by name in kernel32.
    auto byName = reinterpret_cast<ProcessIdToSessionIdFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(u"KERNEL32.DLL"), "ProcessIdToSessionId")));
    ASSERT_NE(byName, nullptr);
    session = 0;
    EXPECT_TRUE(byName(GetCurrentProcessId(), &session));
    EXPECT_EQ(session, 3u);

    // Another process answers with the session it was started in.
    const auto ready = nw::hosted::MachineRoot() / "child-ready";
    ASSERT_TRUE(SetEnvironmentVariableW(u"NORDWISP_SESSION", u"7"));
    const auto child = nw::test::StartChild("WaitWithReadyFile", {ready.string()});
    SetEnvironmentVariableW(u"NORDWISP_SESSION", nullptr);
    ASSERT_GT(child.pid, 0);
    ASSERT_TRUE(nw::test::WaitForFile(ready));
    EXPECT_TRUE(ProcessIdToSessionId(static_cast<DWORD>(child.pid), &session));
    EXPECT_EQ(session, 7u);
    nw::test::KillChild(child);

    EXPECT_FALSE(ProcessIdToSessionId(static_cast<DWORD>(child.pid), &session));  // gone
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(HostedIdentity, TokenUserFollowsTheSizeProtocol) {
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    DWORD needed = 0;
    EXPECT_TRUE(FailedWith(!GetTokenInformation(token, TokenUser, nullptr, 0, &needed), ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(needed, sizeof(TOKEN_USER) + 8 + 4 * 5);  // S-1-5-21-a-b-c-d: five sub-authorities

    std::vector<BYTE> buffer(needed);
    DWORD length = 0;
    EXPECT_TRUE(FailedWith(!GetTokenInformation(token, TokenUser, buffer.data(), needed - 1, &length),
                           ERROR_INSUFFICIENT_BUFFER));
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), needed, &length));
    TOKEN_USER user;
    std::memcpy(&user, buffer.data(), sizeof user);
    EXPECT_EQ(SidString(user.User.Sid), CurrentIdentity().userSid);
    EXPECT_TRUE(CloseHandle(token));

    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token));
    EXPECT_TRUE(
        FailedWith(!GetTokenInformation(token, TokenUser, buffer.data(), needed, &length), ERROR_ACCESS_DENIED));
    CloseHandle(token);
}

TEST_F(HostedIdentity, ThreadTokenOnlyWhileImpersonating) {
    HANDLE token = reinterpret_cast<HANDLE>(1);
    EXPECT_TRUE(FailedWith(!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token), ERROR_NO_TOKEN));
    EXPECT_EQ(token, nullptr);

    nw::hosted::ImpersonateOnThread(Someone(false));
    ASSERT_TRUE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE, TRUE, &token));
    std::vector<BYTE> buffer(256);
    DWORD length = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, buffer.data(), 256, &length));
    TOKEN_USER user;
    std::memcpy(&user, buffer.data(), sizeof user);
    EXPECT_EQ(SidString(user.User.Sid), u"S-1-5-21-1004336348-1177238915-682003330-1105");

    WCHAR name[32];
    DWORD size = 32;
    ASSERT_TRUE(GetUserNameW(name, &size));
    EXPECT_EQ(WString(name), u"carol");
    CloseHandle(token);

    nw::hosted::RevertImpersonation();
    EXPECT_TRUE(FailedWith(!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token), ERROR_NO_TOKEN));
}

TEST_F(HostedIdentity, AdministratorsMembershipFollowsTheIdentity) {
    Sid admins;
    AdministratorsSid(admins);
    EXPECT_EQ(SidString(admins.sid), u"S-1-5-32-544");

    BOOL member = FALSE;
    nw::hosted::SetIdentity(Someone(true));
    ASSERT_TRUE(CheckTokenMembership(nullptr, admins.sid, &member));
    EXPECT_TRUE(member);
    nw::hosted::SetIdentity(Someone(false));
    ASSERT_TRUE(CheckTokenMembership(nullptr, admins.sid, &member));
    EXPECT_FALSE(member);

    // An impersonated administrator counts for the thread, through NULL or
    // its thread token; a primary token must not be passed.
    nw::hosted::ImpersonateOnThread(Someone(true));
    ASSERT_TRUE(CheckTokenMembership(nullptr, admins.sid, &member));
    EXPECT_TRUE(member);
    HANDLE thread = nullptr;
    ASSERT_TRUE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &thread));
    member = FALSE;
    ASSERT_TRUE(CheckTokenMembership(thread, admins.sid, &member));
    EXPECT_TRUE(member);
    CloseHandle(thread);
    HANDLE primary = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &primary));
    EXPECT_TRUE(FailedWith(!CheckTokenMembership(primary, admins.sid, &member), ERROR_NO_IMPERSONATION_TOKEN));
    CloseHandle(primary);

    // Everyone and Users hold for anybody; a foreign user's SID does not.
    SID_IDENTIFIER_AUTHORITY world = {{0, 0, 0, 0, 0, 1}};
    Sid everyone;
    ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, 0, 0, 0, 0, 0, 0, 0, 0, &everyone.sid));
    EXPECT_EQ(SidString(everyone.sid), u"S-1-1-0");
    ASSERT_TRUE(CheckTokenMembership(nullptr, everyone.sid, &member));
    EXPECT_TRUE(member);
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    Sid stranger;
    ASSERT_TRUE(AllocateAndInitializeSid(&nt, 5, 21, 1, 2, 3, 1001, 0, 0, 0, &stranger.sid));
    EXPECT_EQ(SidString(stranger.sid), u"S-1-5-21-1-2-3-1001");
    ASSERT_TRUE(CheckTokenMembership(nullptr, stranger.sid, &member));
    EXPECT_FALSE(member);
}

TEST_F(HostedIdentity, SidsAreCheckedAndFreedOnce) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID sid = nullptr;
    EXPECT_FALSE(AllocateAndInitializeSid(&nt, 9, 0, 0, 0, 0, 0, 0, 0, 0, &sid));
    EXPECT_EQ(sid, nullptr);
    SID_IDENTIFIER_AUTHORITY large = {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};
    ASSERT_TRUE(AllocateAndInitializeSid(&large, 1, 7, 0, 0, 0, 0, 0, 0, 0, &sid));
    EXPECT_EQ(SidString(sid), u"S-1-0x123456789ABC-7");  // authorities past 32 bits print in hex
    EXPECT_EQ(FreeSid(sid), nullptr);
    EXPECT_EQ(FreeSid(sid), sid);  // already freed

    BYTE garbage[16] = {7, 1};
    LPWSTR text = nullptr;
    EXPECT_TRUE(FailedWith(!ConvertSidToStringSidW(garbage, &text), ERROR_INVALID_SID));
    BOOL member = TRUE;
    EXPECT_FALSE(CheckTokenMembership(nullptr, garbage, &member));
    EXPECT_FALSE(member);
}

TEST_F(HostedIdentity, PrivilegesAdjustForAdministratorsOnly) {
    LUID restore{}, backup{};
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_RESTORE_NAME, &restore));
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, u"sebackupprivilege", &backup));
    EXPECT_EQ(restore.LowPart, 18u);
    EXPECT_EQ(backup.LowPart, 17u);
    LUID unknown{};
    EXPECT_TRUE(
        FailedWith(!LookupPrivilegeValueW(nullptr, u"SeMakeCoffeePrivilege", &unknown), ERROR_NO_SUCH_PRIVILEGE));

    struct {
        DWORD count;
        LUID_AND_ATTRIBUTES entries[2];
    } request{2, {{restore, SE_PRIVILEGE_ENABLED}, {backup, SE_PRIVILEGE_ENABLED}}};
    auto* state = reinterpret_cast<PTOKEN_PRIVILEGES>(&request);

    nw::hosted::SetIdentity(Someone(true));
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    BYTE previous[64];
    DWORD length = 0;
    EXPECT_TRUE(FailedWith(
        !AdjustTokenPrivileges(token, FALSE, state, 8, reinterpret_cast<PTOKEN_PRIVILEGES>(previous), &length),
        ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(length, 4 + 2 * sizeof(LUID_AND_ATTRIBUTES));  // both were disabled before
    SetLastError(12345);
    ASSERT_TRUE(AdjustTokenPrivileges(token, FALSE, state, sizeof previous,
                                      reinterpret_cast<PTOKEN_PRIVILEGES>(previous), &length));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    DWORD changed = 0;
    std::memcpy(&changed, previous, 4);
    EXPECT_EQ(changed, 2u);
    // Enabling them again changes nothing.
    ASSERT_TRUE(AdjustTokenPrivileges(token, FALSE, state, sizeof previous,
                                      reinterpret_cast<PTOKEN_PRIVILEGES>(previous), &length));
    std::memcpy(&changed, previous, 4);
    EXPECT_EQ(changed, 0u);
    CloseHandle(token);

    nw::hosted::SetIdentity(Someone(false));
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    SetLastError(0);
    EXPECT_TRUE(AdjustTokenPrivileges(token, FALSE, state, 0, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ALL_ASSIGNED));
    CloseHandle(token);

    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    EXPECT_TRUE(FailedWith(!AdjustTokenPrivileges(token, FALSE, state, 0, nullptr, nullptr), ERROR_ACCESS_DENIED));
    CloseHandle(token);
}

TEST_F(HostedIdentity, UserAndComputerNameSizeProtocols) {
    Become([](Identity& id) {
        id.userName = u"dave";
        id.computerName = u"FRONTDESK";
    });

    WCHAR buffer[32];
    DWORD size = 4;
    EXPECT_TRUE(FailedWith(!GetUserNameW(buffer, &size), ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(size, 5u);
    ASSERT_TRUE(GetUserNameW(buffer, &size));
    EXPECT_EQ(size, 5u);  // with the terminator
    EXPECT_EQ(WString(buffer), u"dave");

    size = 9;
    EXPECT_TRUE(FailedWith(!GetComputerNameW(buffer, &size), ERROR_BUFFER_OVERFLOW));
    EXPECT_EQ(size, 10u);
    ASSERT_TRUE(GetComputerNameW(buffer, &size));
    EXPECT_EQ(size, 9u);  // without it
    EXPECT_EQ(WString(buffer), u"FRONTDESK");
}

}  // namespace
