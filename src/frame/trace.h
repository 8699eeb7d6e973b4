// Trace points of the longer operations pass a printf-style format and its
// arguments here. The sink keeps nothing and writes nothing, so tracing has
// no effect a caller can observe.
#pragma once

#include "platform/win32api.h"

namespace nw {

template <class... Args>
inline void Trace(const WCHAR* /*format*/, const Args&... /*arguments*/) noexcept {}

}  // namespace nw
