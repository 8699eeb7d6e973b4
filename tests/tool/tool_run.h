// Runs the nwdevmode binary as a user would, for the tool's black-box tests.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs the tool on this test's machine root; stderr goes beside, not into it.
inline ToolRun Tool(const std::string& args) {
    const auto errFile =
        std::filesystem::temp_directory_path() / ("nwdevmode-test-" + std::to_string(::getpid()) + ".err");
    const std::string command = std::string("'") + NW_TOOL_PATH + "' " + args + " 2>'" + errFile.string() + "'";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadAll(errFile);
    std::filesystem::remove(errFile);
    return run;
}

// A command line the tool refuses as usage: exit code 2 and the message.
struct Refusal {
    std::string arguments;
    const char* message;
};

inline void ExpectRefusals(const std::string& command, const std::vector<Refusal>& refusals) {
    for (const Refusal& r : refusals) {
        const ToolRun run = Tool(command + r.arguments);
        EXPECT_EQ(run.code, 2) << r.arguments;
        EXPECT_NE(run.err.find(r.message), std::string::npos) << r.arguments << "\n" << run.err;
    }
}

}  // namespace
