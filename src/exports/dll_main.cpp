// Attach and detach notifications do no work and always succeed.
#if defined(_WIN32)
#include "platform/win32api.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE /*instance*/, DWORD /*reason*/, LPVOID /*reserved*/) { return TRUE; }
#endif
