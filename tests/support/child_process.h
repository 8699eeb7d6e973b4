// Cross-process tests: the test executable starts itself again to run a
// named child routine, as a second process on the same machine root.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace nw::test {

using ChildMain = std::function<int(const std::vector<std::string>& args)>;

// Registers a child routine under a name; use NW_TEST_CHILD below.
bool RegisterChild(const std::string& name, ChildMain main);

struct ChildProcess {
    int pid = -1;
    void* handle = nullptr;  // Windows: the process, closed by WaitChild or KillChild
};

// Starts "<this executable> --nw-child NAME ARGS..." with the current
// environment. Returns the child, or pid -1.
ChildProcess StartChild(const std::string& name, const std::vector<std::string>& args = {});
// Waits for the child and returns its exit code (-1 when it did not exit
// normally, for example when it was killed).
int WaitChild(const ChildProcess& child);
// Kills the child at once (SIGKILL) and reaps it.
void KillChild(const ChildProcess& child);
// Starts and waits.
int RunChild(const std::string& name, const std::vector<std::string>& args = {});

// Called by the test main: runs a child routine when argv asks for one.
bool DispatchChild(int argc, char** argv, int& exitCode);

}  // namespace nw::test

#define NW_TEST_CHILD_CONCAT2(a, b) a##b
#define NW_TEST_CHILD_CONCAT(a, b) NW_TEST_CHILD_CONCAT2(a, b)
#define NW_TEST_CHILD(name)                                                                              \
    static int NW_TEST_CHILD_CONCAT(ChildMain_, name)(const std::vector<std::string>& args);             \
    static const bool NW_TEST_CHILD_CONCAT(kChildRegistered_, name) =                                    \
        ::nw::test::RegisterChild(#name, &NW_TEST_CHILD_CONCAT(ChildMain_, name));                       \
    static int NW_TEST_CHILD_CONCAT(ChildMain_, name)([[maybe_unused]] const std::vector<std::string>& args)
