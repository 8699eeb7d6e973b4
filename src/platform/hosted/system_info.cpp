// What the process learns of the system and of who runs it: the Windows
// version, the session of a process, the user and computer names.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

std::atomic<DWORD> g_osMajor{0};

struct VersionRow {
    DWORD major, minor, build;
};

constexpr VersionRow kVersions[] = {{5, 1, 2600}, {6, 1, 7601}, {10, 0, 19045}};

VersionRow ReportedVersion() {
    DWORD major = g_osMajor.load();
    if (major == 0) {
        const char* text = std::getenv("NORDWISP_OS_MAJOR");
        major = (text && *text) ? static_cast<DWORD>(std::strtoul(text, nullptr, 10)) : 0;
        if (major == 0) major = 10;
    }
    for (const auto& row : kVersions)
        if (row.major == major) return row;
    return VersionRow{major, 0, 0};
}

std::optional<DWORD> SessionOfProcess(DWORD processId) {
    if (processId == static_cast<DWORD>(::getpid())) return CurrentIdentity().sessionId;
    if (processId == 0) return 0u;  // the idle process belongs to session 0
    if (processId > 0x7FFFFFFFu || (::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH))
        return std::nullopt;
    // Another process of the machine: the session it was started in.
    std::ifstream in("/proc/" + std::to_string(processId) + "/environ", std::ios::binary);
    const std::string block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::string_view kName = "NORDWISP_SESSION=";
    for (std::size_t start = 0; start < block.size();) {
        std::size_t end = block.find('\0', start);
        if (end == std::string::npos) end = block.size();
        const std::string_view entry(block.data() + start, end - start);
        if (entry.substr(0, kName.size()) == kName)
            return static_cast<DWORD>(std::strtoul(std::string(entry.substr(kName.size())).c_str(), nullptr, 10));
        start = end + 1;
    }
    return in.is_open() ? 1u : CurrentIdentity().sessionId;
}

// GetUserNameW and GetComputerNameW differ only in the error for a small
// buffer and in whether the size given back on success counts the
// terminator (it does for the user name).
template <class Who>
BOOL CopyName(Who who, std::u16string Identity::*member, LPWSTR buffer, LPDWORD size, DWORD tooSmall,
              bool countTerminator) {
    if (size == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const std::u16string name = who().*member;
        const auto needed = static_cast<DWORD>(name.size() + 1);
        if (*size < needed || buffer == nullptr) {
            *size = needed;
            SetLastError(tooSmall);
            return FALSE;
        }
        name.copy(buffer, name.size());
        buffer[name.size()] = 0;
        *size = countTerminator ? needed : needed - 1;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

}  // namespace

void SetOsMajorVersion(DWORD major) { g_osMajor.store(major); }

}  // namespace nw::hosted

BOOL GetVersionExW(LPOSVERSIONINFOW info) {
    constexpr DWORD kExtendedSize = sizeof(OSVERSIONINFOW) + 8;  // OSVERSIONINFOEXW
    if (info == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const DWORD size = info->dwOSVersionInfoSize;
    if (size != sizeof(OSVERSIONINFOW) && size != kExtendedSize) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const auto version = nw::hosted::ReportedVersion();
    info->dwMajorVersion = version.major;
    info->dwMinorVersion = version.minor;
    info->dwBuildNumber = version.build;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    if (size == kExtendedSize) {
        // Service pack, suite mask: none; product type: a workstation.
        BYTE extended[8] = {0, 0, 0, 0, 0, 0, 1, 0};
        std::memcpy(reinterpret_cast<BYTE*>(info) + sizeof(OSVERSIONINFOW), extended, sizeof extended);
    }
    return TRUE;
}

BOOL ProcessIdToSessionId(DWORD processId, DWORD* sessionId) {
    if (sessionId == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    try {
        const auto session = nw::hosted::SessionOfProcess(processId);
        if (!session) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        *sessionId = *session;
        return TRUE;
    } catch (const std::exception&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL GetUserNameW(LPWSTR buffer, LPDWORD size) {
    return nw::hosted::CopyName(&nw::hosted::EffectiveIdentity, &nw::hosted::Identity::userName, buffer, size,
                                ERROR_INSUFFICIENT_BUFFER, true);
}

BOOL GetComputerNameW(LPWSTR buffer, LPDWORD size) {
    return nw::hosted::CopyName(&nw::hosted::CurrentIdentity, &nw::hosted::Identity::computerName, buffer, size,
                                ERROR_BUFFER_OVERFLOW, false);
}
