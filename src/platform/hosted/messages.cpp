// Window messages. The hosted machine has no windows, so a broadcast reaches
// nobody; it is recorded in the process and appended to <root>/messages.log
// so that another process or the tool can see what was announced.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/kernel_objects.h"
#include "platform/win32api.h"

namespace nw::hosted {
namespace {

// Longest text read from a message's string parameter.
constexpr std::size_t kLongestText = 32767;

struct Journal {
    std::mutex lock;
    std::vector<SentMessage> messages;
};

Journal& TheJournal() {
    static Journal* journal = new Journal;
    return *journal;
}

std::string Quoted(std::u16string_view text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

// One line: pid=N window=0xFFFF message=0x001B wParam=N lParam="text"|N
// flags=0xN timeout=N
std::string LogLine(const SentMessage& m) {
    char head[128];
    std::snprintf(head, sizeof head, "pid=%ld window=0x%llX message=0x%04X wParam=%llu lParam=",
                  static_cast<long>(::getpid()), static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(m.window)),
                  m.message, static_cast<unsigned long long>(m.wParam));
    std::string line = head;
    line += m.hasText ? Quoted(m.text) : std::to_string(m.lParam);
    char tail[64];
    std::snprintf(tail, sizeof tail, " flags=0x%04X timeout=%u\n", m.flags, m.timeout);
    return line + tail;
}

void AppendToLog(const std::string& line) {
    std::error_code ignored;
    std::filesystem::create_directories(MachineRoot(), ignored);
    const int fd = ::open(MessageLogPath().c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return;  // the broadcast itself does not depend on the log
    // One write per line, so lines of concurrent processes do not mix.
    [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

}  // namespace

std::vector<SentMessage> SentMessages() {
    auto& journal = TheJournal();
    std::lock_guard guard(journal.lock);
    return journal.messages;
}

void ClearSentMessages() {
    auto& journal = TheJournal();
    std::lock_guard guard(journal.lock);
    journal.messages.clear();
}

std::filesystem::path MessageLogPath() { return MachineRoot() / "messages.log"; }

}  // namespace nw::hosted

LRESULT SendMessageTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeout,
                            PDWORD_PTR result) {
    if (window != HWND_BROADCAST) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    try {
        nw::hosted::SentMessage sent;
        sent.window = window;
        sent.message = message;
        sent.wParam = wParam;
        sent.lParam = lParam;
        sent.flags = flags;
        sent.timeout = timeout;
        if ((message == WM_DEVMODECHANGE || message == WM_SETTINGCHANGE) && lParam != 0) {
            const auto* text = reinterpret_cast<const WCHAR*>(lParam);
            std::size_t length = 0;
            while (length < nw::hosted::kLongestText && text[length] != 0) ++length;
            sent.hasText = true;
            sent.text.assign(text, length);
        }
        nw::hosted::AppendToLog(nw::hosted::LogLine(sent));
        {
            auto& journal = nw::hosted::TheJournal();
            std::lock_guard guard(journal.lock);
            journal.messages.push_back(std::move(sent));
        }
        if (result) *result = 0;
        return 1;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}
