// Paper sizes and the forced paper size: the rows of paper_exports.def. The
// paper operations report a null record as an invalid argument (87), not as
// -1000.
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "papers/paper_operations.h"

using namespace nw;

namespace {

// Stores 0, then runs the operation, which stores its own failures.
template <class Op>
int PaperFrame(Op&& op) noexcept {
    SetLastErrorValue(0);
    return Guarded(0, static_cast<Op&&>(op));
}

// The heap-converted ANSI shape, guarded like the wide export it calls.
template <class Wide>
int HeapAnsi(const char* text, Wide&& wide) noexcept {
    return Guarded(0, [&] { return WithHeapWide(text, wide); });
}

}  // namespace

#include "exports/paper_exports.def"
