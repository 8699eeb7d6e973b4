// UTF-8 <-> UTF-16 for the hosted machine and the tool alike; it depends on
// nothing else so that both can link it. Bad input never fails the lenient
// forms: a byte that starts no sequence, a sequence cut short, an overlong
// or out-of-range sequence and an encoded surrogate each become one U+FFFD,
// as does an unpaired surrogate on the way to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace nw::utf {

std::u16string FromUtf8(std::string_view text);
std::string ToUtf8(std::u16string_view text);
// ToUtf8 onto the end of out, without a temporary.
void AppendUtf8(std::string& out, std::u16string_view text);

// For callers that must refuse bad input (MB_ERR_INVALID_CHARS): false at
// the first invalid sequence, out then holds what came before it.
bool FromUtf8Strict(std::string_view text, std::u16string& out);

}  // namespace nw::utf
