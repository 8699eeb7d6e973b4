#include "support/temp_dir.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#endif

namespace nw::test {
namespace {

std::filesystem::path ToHost(const WString& path) {
#if defined(_WIN32)
    return std::filesystem::path(path);
#else
    return nw::hosted::HostPath(path);
#endif
}

std::atomic<int> g_counter{0};

}  // namespace

TempDir::TempDir() {
#if defined(_WIN32)
    std::filesystem::path base = std::filesystem::temp_directory_path();
    const int pid = _getpid();
#else
    // Inside the machine root, so drive-letter paths reach it too.
    std::filesystem::path base = nw::hosted::MachineRoot() / "drive_c" / "temp";
    const int pid = static_cast<int>(getpid());
#endif
    std::filesystem::path dir =
        base / ("nwtest-" + std::to_string(pid) + "-" + std::to_string(g_counter.fetch_add(1)));
    std::filesystem::create_directories(dir);
#if defined(_WIN32)
    path_ = dir.wstring() + L"\\";
#else
    path_ = nw::hosted::WindowsPath(dir) + u"\\";
#endif
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(ToHost(path_), ignored);
}

std::string ReadFileBytes(const WString& path) {
    std::ifstream in(ToHost(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const WString& path, const std::string& bytes) {
    std::ofstream out(ToHost(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace nw::test
