// Exports of the per-user settings maintenance, the rows of
// user_exports.def.
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "users/user_settings.h"

namespace {

// The heap-copy ANSI shape; the wide export does the frame.
template <class Wide>
int HeapAnsi(const char* text, Wide&& wide) noexcept {
    return nw::Guarded(0, [&] { return nw::WithHeapWide(text, wide); });
}

}  // namespace

#include "exports/user_exports.def"
