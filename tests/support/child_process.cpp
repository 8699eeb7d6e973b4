#include "support/child_process.h"

#include <cstring>
#include <map>

#if !defined(_WIN32)
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#else
#include "platform/win32api.h"
#endif

namespace nw::test {
namespace {

std::map<std::string, ChildMain>& Children() {
    static std::map<std::string, ChildMain> children;
    return children;
}

[[maybe_unused]] std::string& SelfPath() {
    static std::string path;
    return path;
}

}  // namespace

bool RegisterChild(const std::string& name, ChildMain main) {
    Children()[name] = std::move(main);
    return true;
}

bool DispatchChild(int argc, char** argv, int& exitCode) {
#if !defined(_WIN32)
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    SelfPath() = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string(argv[0]);
#endif
    if (argc < 3 || std::strcmp(argv[1], "--nw-child") != 0) return false;
    auto found = Children().find(argv[2]);
    if (found == Children().end()) {
        exitCode = 125;
        return true;
    }
    std::vector<std::string> args(argv + 3, argv + argc);
    exitCode = found->second(args);
    return true;
}

#if !defined(_WIN32)
ChildProcess StartChild(const std::string& name, const std::vector<std::string>& args) {
    std::vector<std::string> words{SelfPath(), "--nw-child", name};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    return ChildProcess{pid};
}

int WaitChild(const ChildProcess& child) {
    if (child.pid <= 0) return -1;
    int status = 0;
    if (waitpid(child.pid, &status, 0) != child.pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void KillChild(const ChildProcess& child) {
    if (child.pid <= 0) return;
    kill(child.pid, SIGKILL);
    int status = 0;
    waitpid(child.pid, &status, 0);
}
#else
ChildProcess StartChild(const std::string& name, const std::vector<std::string>& args) {
    wchar_t self[MAX_PATH] = {};
    if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return ChildProcess{};
    // Arguments of the tests' children hold no quotes.
    std::wstring line = L"\"" + std::wstring(self) + L"\" --nw-child";
    line += L" " + std::wstring(name.begin(), name.end());
    for (const std::string& word : args) line += L" \"" + std::wstring(word.begin(), word.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ChildProcess{};
    CloseHandle(process.hThread);
    return ChildProcess{static_cast<int>(process.dwProcessId), process.hProcess};
}

int WaitChild(const ChildProcess& child) {
    if (child.handle == nullptr) return -1;
    DWORD code = 0;
    const bool exited = WaitForSingleObject(child.handle, INFINITE) == WAIT_OBJECT_0 &&
                        GetExitCodeProcess(child.handle, &code);
    CloseHandle(child.handle);
    return exited ? static_cast<int>(code) : -1;
}

void KillChild(const ChildProcess& child) {
    if (child.handle == nullptr) return;
    TerminateProcess(child.handle, 137);
    WaitForSingleObject(child.handle, INFINITE);
    CloseHandle(child.handle);
}
#endif

int RunChild(const std::string& name, const std::vector<std::string>& args) {
    return WaitChild(StartChild(name, args));
}

}  // namespace nw::test
