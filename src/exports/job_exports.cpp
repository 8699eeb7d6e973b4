// Exports of print-job control, the rows of job_exports.def. They return
// Win32 error codes and leave the library's last error as it is.
#include <new>

#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "jobs/job_control.h"

namespace {

// Nothing thrown reaches the caller; a failed allocation is reported as
// such, anything else as a failed function.
template <class Op>
uint32_t JobCall(Op&& op) noexcept {
    try {
        return op();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_INVALID_FUNCTION;
    }
}

// The fixed-buffer ANSI shape around the wide export.
template <class Wide>
uint32_t FixedAnsiJobCall(const char* printerName, Wide&& wide) noexcept {
    return JobCall([&] { return nw::WithFixedWide(printerName, wide); });
}

}  // namespace

#include "exports/job_exports.def"
