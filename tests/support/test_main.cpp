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
#else
#include "platform/win32api.h"

namespace {
// On Windows every test of an executable shares one registry: each starts
// without this driver's settings, as each hosted test starts on a fresh
// machine.
class FreshSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Kelmora Works");
        RegDeleteTreeW(HKEY_USERS, L".DEFAULT\\SOFTWARE\\Kelmora Works");
    }
};
}  // namespace
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
#if defined(_WIN32)
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
#endif
    const int result = RUN_ALL_TESTS();

#if !defined(_WIN32)
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
#endif
    return result;
}
