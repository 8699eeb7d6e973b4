// The grammar of custom file-name templates: token names and identifiers,
// the characters a file name may not hold, and the validator with its
// numbered result codes.
//
//   prefix(0..4) "<<" NAME ">>" separator(0..64) "<<" NAME ">>" "." extension
//
// where the extension is "<<ORIGINAL>>" or 0 to 4 literal characters.
#pragma once

#include <cstddef>

#include "platform/win32api.h"

namespace nw::naming {

// Capacity of a template, terminator included.
inline constexpr std::size_t kTemplateCapacity = 260;
inline constexpr std::size_t kMaxTemplateLength = kTemplateCapacity - 1;
inline constexpr std::size_t kMinTemplateLength = 9;
inline constexpr std::size_t kMaxPrefixLength = 4;
inline constexpr std::size_t kMaxSeparatorLength = 64;
inline constexpr std::size_t kMaxExtensionLength = 4;

inline constexpr WStringView kDefaultTemplate = W("<<DOCNAME>><<NONE>>.<<ORIGINAL>>");

// Identifiers of the base-name tokens, as the parser stores them.
enum TokenId : int {
    kTokenUnknown = -1,
    kTokenNone = 0,
    kTokenDocName = 1,
    kTokenUserName = 2,
    kTokenComputer = 3,
    kTokenPageNum = 4,
    kTokenDate = 5,
    kTokenTime = 6,
    kTokenTimeMs = 7,
    kTokenCounter = 8,
    kTokenDateTime = 9,
    kTokenBates = 10,
};
inline constexpr int kTokenCount = 11;

// The extension-only token; its identifier is 0, as NONE's.
inline constexpr WStringView kOriginalToken = W("ORIGINAL");

// Name of a base-name token; empty for an identifier outside 0 to 10.
WStringView TokenName(int id);
// Identifier of a name accepted as token 1 or 2 (case-sensitive); -1 otherwise,
// ORIGINAL included.
int BaseTokenId(WStringView name);
// Identifier of the extension part: ORIGINAL is 0, the rest as BaseTokenId.
int ExtensionTokenId(WStringView name);

// One of \ / : * ? " < > |.
bool IsInvalidFileNameChar(WCHAR c);
bool HasInvalidFileNameChar(WStringView text);

// Validation result codes.
enum ValidationCode : int {
    kTemplateValid = 0,
    kTemplateTooLong = 120,
    kTemplateTooShort = 121,
    kTooManyTokenPairs = 122,
    kTooFewTokenPairs = 123,
    kTooFewPairsBeforeDot = 124,
    kTooManyPairsBeforeDot = 125,
    kBadBrackets = 126,
    kNoExtensionDot = 127,
    kExtensionTooLong = 128,
    kExtensionInvalidChar = 129,
    kExtensionHasDot = 130,
    kPrefixTooLong = 131,
    kPrefixInvalidChar = 132,
    kFirstTokenEmpty = 133,
    kFirstTokenUnknown = 134,
    kSecondTokenEmpty = 135,
    kSecondTokenUnknown = 136,
    kSeparatorTooLong = 137,
    kSeparatorInvalidChar = 138,
    kBothTokensNone = 139,
};

// The validation code of a zero-terminated template; a null template counts
// as empty. Reads at most kTemplateCapacity characters, so an unterminated
// or huge text costs no more than a long one.
int ValidateTemplate(const WCHAR* text) noexcept;
int ValidateTemplate(WStringView text) noexcept;

// What a validation code means, in words ("template shorter than 9
// characters"); null for a code that is not one of them.
const char* ValidationMeaning(int code) noexcept;

// Characters before the first zero, at most limit (null counts as empty).
std::size_t BoundedLength(const WCHAR* text, std::size_t limit) noexcept;

}  // namespace nw::naming
