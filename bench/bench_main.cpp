// Benchmarks run on a machine root of their own, removed afterwards.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    std::string pattern = (std::filesystem::temp_directory_path() / "nwbench-XXXXXX").string();
    const char* root = mkdtemp(pattern.data());
    if (root == nullptr) return 1;
    setenv("NORDWISP_MACHINE", root, 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
