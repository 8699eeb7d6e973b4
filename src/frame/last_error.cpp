#include "frame/last_error.h"

#include "platform/win32api.h"

namespace nw {

void StoreSystemError() noexcept { SetLastErrorValue(static_cast<std::uint32_t>(::GetLastError())); }

}  // namespace nw
