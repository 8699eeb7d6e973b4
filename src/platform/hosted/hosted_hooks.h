// Knobs and probes of the hosted machine for tests and the tool: what
// Windows version and processor the process appears to run on, thread
// impersonation, and the messages the process broadcast.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/hosted/machine.h"
#include "platform/win32api.h"

namespace nw::hosted {

// Major version GetVersionExW reports (minor version and build follow it:
// 5 -> 5.1.2600, 6 -> 6.1.7601, 10 -> 10.0.19045). 0 restores the default,
// $NORDWISP_OS_MAJOR or 10.
void SetOsMajorVersion(DWORD major);

// Machines IsWow64Process2 reports; by default the process is native
// (IMAGE_FILE_MACHINE_UNKNOWN) on an AMD64 machine.
void SetWow64Machines(USHORT processMachine, USHORT nativeMachine);

// Makes the calling thread impersonate someone: OpenThreadToken then gives a
// token of that identity, and GetUserNameW and CheckTokenMembership(NULL)
// answer for it. RevertImpersonation ends it.
void ImpersonateOnThread(const Identity& identity);
void RevertImpersonation();

// A SendMessageTimeoutW call as the process made it.
struct SentMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool hasText = false;  // lParam was a string (WM_DEVMODECHANGE, WM_SETTINGCHANGE)
    std::u16string text;
    UINT flags = 0;
    UINT timeout = 0;
};
std::vector<SentMessage> SentMessages();
void ClearSentMessages();
// Printer handles open and modules loaded (by file) in this process, so
// tests can see that a call released what it acquired.
std::size_t OpenPrinterHandleCount();
std::size_t LoadedModuleCount();

// <root>/messages.log: one line per message, from every process of the
// machine.
std::filesystem::path MessageLogPath();

}  // namespace nw::hosted
