// Text settings of the record: fixed-capacity UTF-16 fields. One row per
// field; the getter hands out a pointer into the record, the setter copies
// in with the field's capacity enforced.
#pragma once

#include <cstdint>

#include "record/record.h"

namespace nw::accessors {

enum class TooLong : std::uint8_t {
    Ignore,  // a text that does not fit leaves the field as it was
    Cut,     // the field is cleared and the first capacity-1 characters kept
};

enum class NullRecordText : std::uint8_t {
    Empty,  // a static empty text
    Null,   // a null pointer
};

struct Text {
    record::TextField field;
    TooLong tooLong = TooLong::Ignore;
    NullRecordText onNull = NullRecordText::Empty;
};

// In-place operations on a record known not to be null.
const WCHAR* ReadText(const NordwispDEVMODE* record, const Text& row) noexcept;
// True when the text is stored whole (a Cut row cuts it, an Ignore row leaves
// the field); a null text changes nothing.
bool TextFits(const Text& row, const WCHAR* text) noexcept;
void WriteText(NordwispDEVMODE* record, const Text& row, const WCHAR* text) noexcept;

// The exported frame around them, and the ANSI forms (shapes 2 and 3).
const WCHAR* GetText(const NordwispDEVMODE* record, const Text& row) noexcept;
int SetText(NordwispDEVMODE* record, const Text& row, const WCHAR* text) noexcept;
int GetTextAnsi(const NordwispDEVMODE* record, const Text& row, char* buffer, int* size) noexcept;
int SetTextAnsi(NordwispDEVMODE* record, const Text& row, const char* text) noexcept;

namespace texts {

#define NW_TEXT_TEXT_FIRST(row, ...) inline constexpr Text row{__VA_ARGS__};
#define NW_TEXT_RECORD_FIRST NW_TEXT_TEXT_FIRST
#define NW_TEXT_ROW NW_TEXT_TEXT_FIRST
#include "accessors/texts.def"

}  // namespace texts
}  // namespace nw::accessors
