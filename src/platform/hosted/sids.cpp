// SIDs: parsing and formatting their text form, reading and writing the
// binary one, and the SID functions over them.
#include "platform/hosted/sid.h"

#include <cstring>
#include <string>

#include "platform/hosted/kernel_objects.h"

namespace nw::hosted {

constexpr std::size_t kMaxSubAuthorities = 15;

std::optional<Sid> ParseSid(std::u16string_view text) {
    if (text.size() < 4 || (text[0] != u'S' && text[0] != u's') || text.substr(1, 3) != u"-1-") return std::nullopt;
    text.remove_prefix(4);
    std::vector<std::uint64_t> numbers;
    while (!text.empty()) {
        std::uint64_t value = 0;
        std::size_t digits = 0;
        while (digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9') {
            value = value * 10 + (text[digits] - u'0');
            if (value > 0xFFFFFFFFFFFFull) return std::nullopt;
            ++digits;
        }
        if (digits == 0) return std::nullopt;
        numbers.push_back(value);
        text.remove_prefix(digits);
        if (!text.empty()) {
            if (text[0] != u'-' || text.size() == 1) return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (numbers.empty() || numbers.size() - 1 > kMaxSubAuthorities) return std::nullopt;
    Sid sid;
    sid.authority = numbers[0];
    for (std::size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i] > 0xFFFFFFFFu) return std::nullopt;
        sid.subAuthorities.push_back(static_cast<DWORD>(numbers[i]));
    }
    return sid;
}

std::size_t SidLength(const Sid& sid) { return 8 + 4 * sid.subAuthorities.size(); }

// The binary form: revision 1, count, 6 authority bytes (big-endian), then
// the sub-authorities in the machine's byte order.
void WriteSid(const Sid& sid, BYTE* out) {
    out[0] = 1;
    out[1] = static_cast<BYTE>(sid.subAuthorities.size());
    for (int i = 0; i < 6; ++i) out[2 + i] = static_cast<BYTE>(sid.authority >> (8 * (5 - i)));
    for (std::size_t i = 0; i < sid.subAuthorities.size(); ++i)
        std::memcpy(out + 8 + 4 * i, &sid.subAuthorities[i], 4);
}

std::optional<Sid> ReadSid(const void* pointer) {
    if (pointer == nullptr) return std::nullopt;
    const auto* bytes = static_cast<const BYTE*>(pointer);
    if (bytes[0] != 1 || bytes[1] > kMaxSubAuthorities) return std::nullopt;
    Sid sid;
    for (int i = 0; i < 6; ++i) sid.authority = (sid.authority << 8) | bytes[2 + i];
    sid.subAuthorities.resize(bytes[1]);
    for (std::size_t i = 0; i < sid.subAuthorities.size(); ++i)
        std::memcpy(&sid.subAuthorities[i], bytes + 8 + 4 * i, 4);
    return sid;
}

std::u16string SidText(const Sid& sid) {
    std::string text = "S-1-";
    if (sid.authority >> 32) {
        static const char kHex[] = "0123456789ABCDEF";
        text += "0x";
        for (int shift = 44; shift >= 0; shift -= 4) text += kHex[(sid.authority >> shift) & 15];
    } else {
        text += std::to_string(sid.authority);
    }
    for (DWORD sub : sid.subAuthorities) {
        text += '-';
        text += std::to_string(sub);
    }
    return FromUtf8(text);
}

}  // namespace nw::hosted

BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE subAuthorityCount, DWORD sub0, DWORD sub1,
                              DWORD sub2, DWORD sub3, DWORD sub4, DWORD sub5, DWORD sub6, DWORD sub7, PSID* sid) {
    if (authority == nullptr || sid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *sid = nullptr;
    if (subAuthorityCount > 8) {
        SetLastError(ERROR_INVALID_SID);
        return FALSE;
    }
    try {
        nw::hosted::Sid value;
        for (int i = 0; i < 6; ++i) value.authority = (value.authority << 8) | authority->Value[i];
        const DWORD subs[8] = {sub0, sub1, sub2, sub3, sub4, sub5, sub6, sub7};
        value.subAuthorities.assign(subs, subs + subAuthorityCount);
        void* block = nw::hosted::AllocateFixedBlock(nw::hosted::SidLength(value), true);
        if (block == nullptr) return FALSE;  // the allocator set the error
        nw::hosted::WriteSid(value, static_cast<BYTE*>(block));
        *sid = block;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

PVOID FreeSid(PSID sid) { return LocalFree(sid); }

BOOL ConvertSidToStringSidW(PSID sid, LPWSTR* stringSid) {
    if (sid == nullptr || stringSid == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *stringSid = nullptr;
    try {
        const auto value = nw::hosted::ReadSid(sid);
        if (!value) {
            SetLastError(ERROR_INVALID_SID);
            return FALSE;
        }
        const std::u16string text = nw::hosted::SidText(*value);
        auto* out = static_cast<LPWSTR>(nw::hosted::AllocateFixedBlock((text.size() + 1) * sizeof(WCHAR), false));
        if (out == nullptr) return FALSE;
        text.copy(out, text.size());
        out[text.size()] = 0;
        *stringSid = out;
        return TRUE;
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}
