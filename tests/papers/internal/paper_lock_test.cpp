// The paper list lock: re-entrant on its thread, exclusive across threads
// and across processes sharing the machine.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "papers/paper_lock.h"
#include "platform/hosted/machine.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace {

using namespace nw::papers;
using namespace std::chrono_literals;

// Takes the lock, leaves a mark in the file named by args[0], lets go.
NW_TEST_CHILD(TakePaperLock) {
    HANDLE lock = LockPaperList();
    if (lock == nullptr) return 10;
    const bool marked = nw::test::WriteFileBytes(nw::hosted::FromUtf8(args.at(0)), "taken");
    UnlockPaperList(lock);
    return marked ? 0 : 11;
}

TEST(PaperListLock, ReentrantOnItsThreadAndHeldUntilTheOuterUnlock) {
    HANDLE outer = LockPaperList();
    ASSERT_NE(outer, nullptr);
    HANDLE inner = LockPaperList();
    EXPECT_EQ(inner, nullptr);
    UnlockPaperList(inner);  // the outer owner still holds it

    std::atomic<bool> taken{false};
    std::thread other([&] {
        HANDLE lock = LockPaperList();
        taken = lock != nullptr;
        UnlockPaperList(lock);
    });
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(taken.load());
    UnlockPaperList(outer);
    other.join();
    EXPECT_TRUE(taken.load());

    // Free again: this thread gets a handle of its own.
    HANDLE again = LockPaperList();
    EXPECT_NE(again, nullptr);
    UnlockPaperList(again);
}

TEST(PaperListLock, ExcludesAnotherProcess) {
    nw::test::TempDir folder;
    const WString mark = folder.File(W("mark.txt"));
    HANDLE lock = LockPaperList();
    ASSERT_NE(lock, nullptr);
    const auto child = nw::test::StartChild("TakePaperLock", {nw::hosted::ToUtf8(mark)});
    ASSERT_NE(child.pid, -1);
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(nw::test::ReadFileBytes(mark).empty());
    UnlockPaperList(lock);
    EXPECT_EQ(nw::test::WaitChild(child), 0);
    EXPECT_EQ(nw::test::ReadFileBytes(mark), "taken");
}

}  // namespace
