// Document counter, messaging session, printer variables and the Windows
// session. The session members leave an earlier last error in place.
#include "accessors/text_accessors.h"
#include "env/printer_environment.h"
#include "env/session.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "settings/messaging_session.h"

using namespace nw;
using namespace nw::settings;

namespace {
const NWCHAR kEmptyText[1] = {0};
}  // namespace

extern "C" int NW_API GetDocumentNumber(const NordwispDEVMODE* record) noexcept {
    return Frame(0, record, [&] { return ReadDocumentNumber(record); });
}

extern "C" int NW_API SetDocumentNumber(const NordwispDEVMODE* record, int number) noexcept {
    return Frame(0, record, [&] { return WriteDocumentNumber(record, number); });
}

extern "C" int NW_API IsUsingWindowsSessionID(const NordwispDEVMODE* record) noexcept {
    return FrameKeepingError(0, record, [&] { return UsesWindowsSessionID(record); });
}

extern "C" int NW_API SetUseWindowsSessionID(const NordwispDEVMODE* record, int flag) noexcept {
    return FrameKeepingError(0, record, [&] { return WriteUseWindowsSessionID(record, flag); });
}

extern "C" int NW_API GetSessionID(const NordwispDEVMODE* record, int* id) noexcept {
    return FrameKeepingError(0, record, [&] {
        if (id == nullptr) return 0;
        *id = ReadSessionID(record);
        return 1;
    });
}

extern "C" int NW_API SetSessionID(NordwispDEVMODE* record, int id) noexcept {
    return FrameKeepingError(0, record, [&] { return WriteSessionID(record, id); });
}

extern "C" const NWCHAR* NW_API GetInterfaceName(NordwispDEVMODE* record) noexcept {
    return Frame(static_cast<const NWCHAR*>(kEmptyText), record, [&] { return ReadInterfaceName(record); });
}

extern "C" int NW_API GetInterfaceNameA(NordwispDEVMODE* record, char* buffer, int* size) noexcept {
    GetInterfaceName(record);
    return accessors::GetTextAnsi(record, accessors::texts::InterfaceName, buffer, size);
}

extern "C" int NW_API SetInterfaceName(const NWCHAR* text, NordwispDEVMODE* record) noexcept {
    return Frame(0, record, [&] { WriteInterfaceName(record, text); });
}

extern "C" int NW_API SetInterfaceNameA(const char* text, NordwispDEVMODE* record) noexcept {
    return Guarded(0, [&] { return WithFixedWide(text, [&](const WCHAR* wide) { return SetInterfaceName(wide, record); }); });
}

extern "C" int NW_API ExpandPrinterVariables(const NordwispDEVMODE* record, const NWCHAR* input,
                                             NWCHAR* output) noexcept {
    return Frame(0, record, [&] { return env::ExpandVariables(record, input, output); });
}

extern "C" int NW_API GetWindowsSessionID(void) noexcept {
    SetLastErrorValue(0);
    return static_cast<int>(env::WindowsSessionID());
}
