// The library's only door to the operating system. On Windows it is the
// Windows SDK; elsewhere the same names, signatures, constants and error codes
// are declared here and implemented by the hosted machine in hosted/.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <winspool.h>
#include <sddl.h>

// UTF-16 literal of the platform's WCHAR.
#define W(s) L##s

// Functions the library looks up by name, as not every Windows has them.
typedef LONG(WINAPI* GetCurrentPackageFullNameFn)(UINT32* packageFullNameLength, PWSTR packageFullName);
typedef BOOL(WINAPI* IsWow64Process2Fn)(HANDLE process, USHORT* processMachine, USHORT* nativeMachine);
typedef BOOL(WINAPI* ExpandEnvironmentStringsForUserWFn)(HANDLE token, LPCWSTR source, LPWSTR destination,
                                                         DWORD size);
typedef BOOL(WINAPI* ProcessIdToSessionIdFn)(DWORD processId, DWORD* sessionId);

#else

#include "platform/hosted/win32_types.h"
#include "platform/hosted/win32_kernel.h"
#include "platform/hosted/win32_registry.h"
#include "platform/hosted/win32_profile.h"
#include "platform/hosted/win32_spool.h"
#include "platform/hosted/win32_gdi.h"

#endif

#include <string>
#include <string_view>

// Text in the platform's UTF-16 unit.
using WString = std::basic_string<WCHAR>;
using WStringView = std::basic_string_view<WCHAR>;
