#include "env/session.h"

#include "platform/handles.h"
#include "settings/messaging_session.h"

namespace nw::env {

namespace {

// Looked up by name, as older systems lack it.
using SessionOfProcessFn = BOOL(WINAPI*)(DWORD processId, DWORD* sessionId);

}  // namespace

DWORD WindowsSessionID() noexcept {
    const auto sessionOf =
        ModuleFunction<SessionOfProcessFn>(::GetModuleHandleW(W("KERNEL32.DLL")), "ProcessIdToSessionId");
    DWORD session = 0;
    if (sessionOf == nullptr || !sessionOf(::GetCurrentProcessId(), &session)) return 0;
    return session;
}

int RefreshSessionID(NordwispDEVMODE* record) {
    if (!settings::UsesWindowsSessionID(record)) return 1;
    return settings::WriteSessionID(record, static_cast<int>(WindowsSessionID()));
}

}  // namespace nw::env
