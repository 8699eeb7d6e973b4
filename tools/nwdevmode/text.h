// Text between the command line (UTF-8) and the API's NWCHAR, converted by
// the platform's own codec: the library's on the hosted machine, Windows'
// elsewhere.
#pragma once

#include <string>
#include <string_view>

#include "nordwisp/NordwispDEVMODE.h"

namespace nwtool {

using NwString = std::basic_string<NWCHAR>;

NwString FromUtf8(std::string_view text);
std::string ToUtf8(std::basic_string_view<NWCHAR> text);
// A text the library handed out, read to its terminator (null reads empty).
std::string ToUtf8(const NWCHAR* text);

}  // namespace nwtool
