#include "naming/template_grammar.h"

namespace nw::naming {
namespace {

// Indexed by identifier.
constexpr WStringView kTokenNames[kTokenCount] = {
    W("NONE"), W("DOCNAME"), W("USERNAME"), W("COMPUTER"), W("PAGENUM"), W("DATE"),
    W("TIME"), W("TIMEMS"),  W("COUNTER"),  W("DATETIME"), W("BATES"),
};

constexpr WStringView kInvalidChars = W("\\/:*?\"<>|");

struct Meaning {
    int code;
    const char* words;
};

constexpr Meaning kMeanings[] = {
    {kTemplateValid, "valid"},
    {kTemplateTooLong, "template longer than 259 characters"},
    {kTemplateTooShort, "template shorter than 9 characters"},
    {kTooManyTokenPairs, "more than three token pairs"},
    {kTooFewTokenPairs, "fewer than two token pairs"},
    {kTooFewPairsBeforeDot, "fewer than two token pairs before the extension dot"},
    {kTooManyPairsBeforeDot, "more than two token pairs before the extension dot"},
    {kBadBrackets, "malformed or missing token brackets"},
    {kNoExtensionDot, "no \">>.\" in the template"},
    {kExtensionTooLong, "literal extension longer than 4 characters"},
    {kExtensionInvalidChar, "invalid character in the extension"},
    {kExtensionHasDot, "\".\" in the extension"},
    {kPrefixTooLong, "prefix longer than 4 characters"},
    {kPrefixInvalidChar, "invalid character in the prefix"},
    {kFirstTokenEmpty, "first token name empty"},
    {kFirstTokenUnknown, "first token name unknown"},
    {kSecondTokenEmpty, "second token name empty"},
    {kSecondTokenUnknown, "second token name unknown"},
    {kSeparatorTooLong, "separator longer than 64 characters"},
    {kSeparatorInvalidChar, "invalid character in the separator"},
    {kBothTokensNone, "both tokens NONE with nothing around them"},
};

constexpr WStringView kOpen = W("<<");
constexpr WStringView kClose = W(">>");

// One walk over the template with a stack of at most two bracket
// characters, counting "<<" pairs before the last dot and in all.
int CheckBrackets(WStringView t) {
    const std::size_t lastDot = t.rfind(W('.'));
    WCHAR stack[2] = {};
    std::size_t depth = 0;
    int pairs = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const WCHAR c = t[i];
        if (c == W('<')) {
            if (i + 1 >= t.size() || t[i + 1] != W('<')) return kBadBrackets;
            if (depth != 0) return kBadBrackets;  // two more would make it hold more than two
            stack[depth++] = W('<');
            stack[depth++] = W('<');
            ++pairs;
            ++i;
        } else if (c == W('>')) {
            if (i + 1 >= t.size() || t[i + 1] != W('>')) return kBadBrackets;
            for (int k = 0; k < 2; ++k) {
                if (depth > 0 && stack[depth - 1] == W('<')) {
                    --depth;
                } else {
                    if (depth == 2) return kBadBrackets;
                    stack[depth++] = W('>');
                }
            }
            ++i;
        } else if (i == lastDot) {
            if (depth != 0) return kBadBrackets;
            if (pairs < 2) return kTooFewPairsBeforeDot;
            if (pairs > 2) return kTooManyPairsBeforeDot;
        }
    }
    if (depth != 0) return kBadBrackets;
    if (pairs < 2) return kTooFewTokenPairs;
    if (pairs > 3) return kTooManyTokenPairs;
    return kTemplateValid;
}

int CheckExtension(WStringView t) {
    const std::size_t marker = t.rfind(W(">>."));
    if (marker == WStringView::npos) return kNoExtensionDot;
    const WStringView extension = t.substr(marker + 3);
    if (extension == W("<<ORIGINAL>>")) return kTemplateValid;
    if (extension.size() > kMaxExtensionLength) return kExtensionTooLong;
    if (HasInvalidFileNameChar(extension)) return kExtensionInvalidChar;
    if (extension.find(W('.')) != WStringView::npos) return kExtensionHasDot;
    return kTemplateValid;
}

int CheckParts(WStringView t) {
    const std::size_t open1 = t.find(kOpen);
    if (open1 == WStringView::npos) return kBadBrackets;
    const WStringView prefix = t.substr(0, open1);
    if (prefix.size() > kMaxPrefixLength) return kPrefixTooLong;
    if (HasInvalidFileNameChar(prefix)) return kPrefixInvalidChar;

    const std::size_t close1 = t.find(kClose, open1 + 2);
    if (close1 == WStringView::npos) return kBadBrackets;
    const WStringView name1 = t.substr(open1 + 2, close1 - open1 - 2);
    if (name1.empty()) return kFirstTokenEmpty;
    if (BaseTokenId(name1) < 0) return kFirstTokenUnknown;

    const std::size_t open2 = t.find(kOpen, close1 + 2);
    if (open2 == WStringView::npos) return kBadBrackets;
    const std::size_t close2 = t.find(kClose, open2 + 2);
    if (close2 == WStringView::npos) return kBadBrackets;
    const WStringView name2 = t.substr(open2 + 2, close2 - open2 - 2);
    if (name2.empty()) return kSecondTokenEmpty;
    if (BaseTokenId(name2) < 0) return kSecondTokenUnknown;

    const WStringView separator = t.substr(close1 + 2, open2 - close1 - 2);
    if (separator.size() > kMaxSeparatorLength) return kSeparatorTooLong;
    if (HasInvalidFileNameChar(separator)) return kSeparatorInvalidChar;
    return kTemplateValid;
}

}  // namespace

WStringView TokenName(int id) {
    if (id < 0 || id >= kTokenCount) return {};
    return kTokenNames[id];
}

int BaseTokenId(WStringView name) {
    for (int id = 0; id < kTokenCount; ++id)
        if (kTokenNames[id] == name) return id;
    return kTokenUnknown;
}

int ExtensionTokenId(WStringView name) { return name == kOriginalToken ? kTokenNone : BaseTokenId(name); }

bool IsInvalidFileNameChar(WCHAR c) { return kInvalidChars.find(c) != WStringView::npos; }

bool HasInvalidFileNameChar(WStringView text) {
    for (WCHAR c : text)
        if (IsInvalidFileNameChar(c)) return true;
    return false;
}

std::size_t BoundedLength(const WCHAR* text, std::size_t limit) noexcept {
    if (text == nullptr) return 0;
    std::size_t n = 0;
    while (n < limit && text[n] != 0) ++n;
    return n;
}

int ValidateTemplate(const WCHAR* text) noexcept {
    // One character past the maximum is enough to tell "too long".
    return ValidateTemplate(WStringView(text == nullptr ? W("") : text, BoundedLength(text, kTemplateCapacity)));
}

int ValidateTemplate(WStringView t) noexcept {
    if (t.size() > kMaxTemplateLength) return kTemplateTooLong;
    if (t.size() < kMinTemplateLength) return kTemplateTooShort;
    if (const int code = CheckBrackets(t)) return code;
    if (const int code = CheckExtension(t)) return code;
    if (const int code = CheckParts(t)) return code;
    if (t.starts_with(W("<<NONE>><<NONE>>."))) return kBothTokensNone;
    return kTemplateValid;
}

const char* ValidationMeaning(int code) noexcept {
    for (const Meaning& m : kMeanings)
        if (m.code == code) return m.words;
    return nullptr;
}

}  // namespace nw::naming
