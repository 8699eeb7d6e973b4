// The frame every export runs in: store 0 in the last error, refuse a null
// first pointer with -1000, run the one operation, and never let an
// exception reach the caller.
#pragma once

#include <new>
#include <type_traits>

#include "frame/last_error.h"
#include "platform/win32api.h"

namespace nw {

// Runs op and turns any exception into the export's failure value.
template <class Result, class Op>
[[gnu::always_inline]] inline Result Guarded(Result failure, Op&& op) noexcept {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Op>>) {
            op();
            return Result{1};
        } else {
            return static_cast<Result>(op());
        }
    } catch (const std::bad_alloc&) {
        SetLastErrorValue(ERROR_NOT_ENOUGH_MEMORY);
    } catch (...) {
        SetLastErrorValue(ERROR_INVALID_FUNCTION);
    }
    return failure;
}

// For the operation lambdas of one-line accessors: one lambda type serves
// every row, so without this the compiler keeps one shared copy of it.
#define NW_INLINED __attribute__((always_inline))

// The whole frame. An operation that returns nothing makes the export
// return 1. Always inlined: in a one-line accessor the frame is most of the
// work, and a shared out-of-line copy would hide the row from the compiler.
template <class Result, class First, class Op>
[[gnu::always_inline]] inline Result Frame(Result failure, First* first, Op&& op) noexcept {
    SetLastErrorValue(0);
    if (first == nullptr) {
        SetLastErrorValue(kErrorNullArgument);
        return failure;
    }
    return Guarded(failure, static_cast<Op&&>(op));
}

// The frame without the first step, for the few exports that leave an
// earlier last error in place after success.
template <class Result, class First, class Op>
Result FrameKeepingError(Result failure, First* first, Op&& op) noexcept {
    if (first == nullptr) {
        SetLastErrorValue(kErrorNullArgument);
        return failure;
    }
    return Guarded(failure, static_cast<Op&&>(op));
}

}  // namespace nw
