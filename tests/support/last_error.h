// A failed Win32 call and the last error it left, checked in one
// expectation whatever the kind of result:
//     EXPECT_TRUE(FailedWith(!DeleteFileW(path), ERROR_ACCESS_DENIED));
#pragma once

#include <gtest/gtest.h>

#include "platform/win32api.h"

namespace nw::test {

// `failed` is the caller's test of the result, evaluated before the error is read.
inline ::testing::AssertionResult FailedWith(bool failed, DWORD expected) {
    const DWORD error = GetLastError();
    if (!failed) return ::testing::AssertionFailure() << "the call succeeded";
    if (error != expected) return ::testing::AssertionFailure() << "last error " << error << ", not " << expected;
    return ::testing::AssertionSuccess();
}

}  // namespace nw::test
