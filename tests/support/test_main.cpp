// Every test process gets a machine root of its own in a temporary folder,
// removed when the process ends, so tests run in parallel and leave nothing
// behind. Child processes inherit it through NORDWISP_MACHINE.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/child_process.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

int main(int argc, char** argv) {
    int childExit = 0;
    if (nw::test::DispatchChild(argc, argv, childExit)) return childExit;

#if !defined(_WIN32)
    std::string pattern = (std::filesystem::temp_directory_path() / "nwmachine-XXXXXX").string();
    const char* root = mkdtemp(pattern.data());
    if (root == nullptr) return 1;
    setenv("NORDWISP_MACHINE", root, 1);
#endif

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();

#if !defined(_WIN32)
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
#endif
    return result;
}
