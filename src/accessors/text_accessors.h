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

inline constexpr Text ApplicationPath{NW_RECORD_TEXT(ApplicationPath)};
inline constexpr Text OutputDirectory{NW_RECORD_TEXT(OutputDirectory)};
inline constexpr Text ImageFileName{NW_RECORD_TEXT(ImageFileName)};
inline constexpr Text FileNamePrefix{NW_RECORD_TEXT(FileNamePrefix)};
inline constexpr Text FileExtension{NW_RECORD_TEXT(FileExtension)};
// Its exports also reach the printer's registry (settings store); only the
// record side is here.
inline constexpr Text InterfaceName{NW_RECORD_TEXT(InterfaceName)};
inline constexpr Text INIFileName{NW_RECORD_TEXT(INIFileName)};
inline constexpr Text TIFFDLLName{NW_RECORD_TEXT(TIFFDLLName)};
inline constexpr Text JPEGDLLName{NW_RECORD_TEXT(JPEGDLLName)};
inline constexpr Text ResourceDLLName{NW_RECORD_TEXT(ResourceDLLName)};
inline constexpr Text WatermarkImageFileforPortrait{NW_RECORD_TEXT(WatermarkImageFileforPortrait), TooLong::Ignore,
                                                    NullRecordText::Null};
inline constexpr Text WatermarkImageFileforLandscape{NW_RECORD_TEXT(WatermarkImageFileforLandscape), TooLong::Ignore,
                                                     NullRecordText::Null};
inline constexpr Text AnnotationText{NW_RECORD_TEXT(AnnotationText), TooLong::Cut, NullRecordText::Null};
inline constexpr Text AnnotationSeparator{NW_RECORD_TEXT(AnnotationSeparator), TooLong::Cut, NullRecordText::Null};

}  // namespace texts
}  // namespace nw::accessors
