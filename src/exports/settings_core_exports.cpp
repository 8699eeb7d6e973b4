// Document counter, messaging session, printer variables, the Windows
// session and the OCR languages: the exports of the settings core table.
#include "accessors/text_accessors.h"
#include "env/ocr_module.h"
#include "env/printer_environment.h"
#include "env/session.h"
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "settings/messaging_session.h"

using namespace nw;
using namespace nw::settings;

namespace {

const NWCHAR kEmptyText[1] = {0};

int ReadSessionIDKeepingError(const NordwispDEVMODE* record, int* id) noexcept {
    return FrameKeepingError(0, record, [&] {
        if (id == nullptr) return 0;
        *id = ReadSessionID(record);
        return 1;
    });
}

// Refreshes the record's name from the registry first, as the wide getter does.
int ReadInterfaceNameAnsi(NordwispDEVMODE* record, char* buffer, int* size) noexcept {
    GetInterfaceName(record);
    return accessors::GetTextAnsi(record, accessors::texts::InterfaceName, buffer, size);
}

int WriteInterfaceNameAnsi(const char* text, NordwispDEVMODE* record) noexcept {
    return Guarded(0, [&] { return WithFixedWide(text, [&](const WCHAR* wide) { return SetInterfaceName(wide, record); }); });
}

// Takes no record, yet clears the last error as every export does.
int CurrentWindowsSessionID() noexcept {
    SetLastErrorValue(0);
    return static_cast<int>(env::WindowsSessionID());
}

}  // namespace

#include "exports/settings_core.def"
