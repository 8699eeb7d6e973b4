// Named mutexes between processes of one machine root: exclusion, waiting,
// abandonment by an owner that ended, and session namespaces.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "hosted_test.h"
#include "support/child_process.h"

namespace {

using nw::test::FailedWith;

const WCHAR* const kShared = u"Local\\NwCrossProcess";

// Exit code: 10 when the mutex already existed, plus 1 got it, 2 timed out,
// 3 abandoned, 4 failed.
NW_TEST_CHILD(TryShared) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kShared);
    if (mutex == nullptr) return 90;
    const int existed = GetLastError() == static_cast<DWORD>(ERROR_ALREADY_EXISTS) ? 10 : 0;
    const DWORD got = WaitForSingleObject(mutex, args.empty() ? 0 : static_cast<DWORD>(std::stoul(args[0])));
    if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED) ReleaseMutex(mutex);
    CloseHandle(mutex);
    const int outcome = got == WAIT_OBJECT_0                      ? 1
                        : got == static_cast<DWORD>(WAIT_TIMEOUT) ? 2
                        : got == WAIT_ABANDONED                   ? 3
                                                                  : 4;
    return existed + outcome;
}

// Takes the mutex and ends without releasing it: 0 when it was taken. With
// an argument it announces that in a file and waits to be killed.
NW_TEST_CHILD(TakeAndEnd) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kShared);
    if (mutex == nullptr || WaitForSingleObject(mutex, 0) != WAIT_OBJECT_0) return 1;
    if (!args.empty()) {
        std::ofstream(args[0]) << "owned";
        Sleep(30000);
    }
    return 0;
}

// Bit 1: "Local\NwScoped" existed; bit 2: "Global\NwScoped" existed.
NW_TEST_CHILD(OpenScoped) {
    int bits = 0;
    HANDLE local = CreateMutexW(nullptr, FALSE, u"Local\\NwScoped");
    if (GetLastError() == static_cast<DWORD>(ERROR_ALREADY_EXISTS)) bits |= 1;
    HANDLE global = CreateMutexW(nullptr, FALSE, u"Global\\NwScoped");
    if (GetLastError() == static_cast<DWORD>(ERROR_ALREADY_EXISTS)) bits |= 2;
    if (local == nullptr || global == nullptr) return 90;
    CloseHandle(local);
    CloseHandle(global);
    return bits;
}

TEST(MutexAcrossProcesses, OwnedMutexExcludesOtherProcesses) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, kShared);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(nw::test::RunChild("TryShared"), 12);           // exists, busy
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // recursion
    ASSERT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(nw::test::RunChild("TryShared"), 12);  // still owned once
    ASSERT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(nw::test::RunChild("TryShared"), 11);           // free now
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // and free again after the child
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    EXPECT_EQ(nw::test::RunChild("TryShared"), 1);  // nobody has it open: a new mutex
}

TEST(MutexAcrossProcesses, WaiterInAnotherProcessGetsItOnRelease) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, kShared);
    ASSERT_NE(mutex, nullptr);
    const auto child = nw::test::StartChild("TryShared", {"20000"});
    ASSERT_GT(child.pid, 0);
    Sleep(100);
    ASSERT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(nw::test::WaitChild(child), 11);
    CloseHandle(mutex);
}

TEST(MutexAcrossProcesses, OwnerExitingAbandonsItUnlessItWasTheLastHandle) {
    ASSERT_EQ(nw::test::RunChild("TakeAndEnd"), 0);  // ended owning it, but closed the last handle too
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kShared);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    ASSERT_EQ(nw::test::RunChild("TakeAndEnd"), 0);
    EXPECT_EQ(WaitForSingleObject(mutex, 5000), WAIT_ABANDONED);
    ASSERT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);  // released properly this time
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

TEST(MutexAcrossProcesses, KilledOwnerAbandonsIt) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kShared);
    ASSERT_NE(mutex, nullptr);
    const auto owned = nw::hosted::MachineRoot() / "owned";
    const auto child = nw::test::StartChild("TakeAndEnd", {owned.string()});
    ASSERT_GT(child.pid, 0);
    ASSERT_TRUE(nw::test::WaitForFile(owned));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    nw::test::KillChild(child);
    EXPECT_EQ(WaitForSingleObject(mutex, 5000), WAIT_ABANDONED);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

TEST(MutexAcrossProcesses, LocalNamesBelongToTheSession) {
    HANDLE local = CreateMutexW(nullptr, FALSE, u"Local\\NwScoped");
    HANDLE global = CreateMutexW(nullptr, FALSE, u"Global\\NwScoped");
    ASSERT_NE(local, nullptr);
    ASSERT_NE(global, nullptr);
    HANDLE bare = CreateMutexW(nullptr, FALSE, u"NwScoped");  // no prefix: the session's
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(bare);

    EXPECT_EQ(nw::test::RunChild("OpenScoped"), 3);
    const std::string session = std::to_string(nw::hosted::CurrentIdentity().sessionId + 1);
    ASSERT_TRUE(SetEnvironmentVariableW(u"NORDWISP_SESSION", nw::hosted::FromUtf8(session).c_str()));
    EXPECT_EQ(nw::test::RunChild("OpenScoped"), 2);  // another session sees only the global one
    SetEnvironmentVariableW(u"NORDWISP_SESSION", nullptr);
    CloseHandle(global);
    CloseHandle(local);

    EXPECT_TRUE(FailedWith(CreateMutexW(nullptr, FALSE, u"Local\\Nw\\Nested") == nullptr, ERROR_PATH_NOT_FOUND));
}

}  // namespace
