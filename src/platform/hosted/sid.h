// Security identifiers: their text form ("S-1-5-32-544") and the binary
// form behind a PSID. Internal to the hosted layer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32api.h"

namespace nw::hosted {

struct Sid {
    std::uint64_t authority = 0;  // 48 bits
    std::vector<DWORD> subAuthorities;

    bool operator==(const Sid&) const = default;
};

std::optional<Sid> ParseSid(std::u16string_view text);
std::u16string SidText(const Sid& sid);

// Bytes of the binary form.
std::size_t SidLength(const Sid& sid);
// Writes the binary form; out holds SidLength(sid) bytes.
void WriteSid(const Sid& sid, BYTE* out);
// Null for a null pointer or bytes that are no SID.
std::optional<Sid> ReadSid(const void* pointer);

}  // namespace nw::hosted
