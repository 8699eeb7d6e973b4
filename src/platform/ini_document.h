// One INI file as lines, for the hosted profile functions and for the
// settings files the library builds in memory on every platform. Every line keeps the bytes it was read as, so a
// write re-encodes only the lines it touches and leaves comments, blank
// lines, line ends and undecodable bytes of the rest exactly as they were.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fold_case.h"
#include "platform/win32api.h"

namespace nw::platform {

enum class IniEncoding { Ansi, Utf8, Utf16Le };

class IniDocument {
public:
    // A UTF-16LE or UTF-8 byte-order mark chooses the encoding; anything
    // else is text in the given ANSI code page.
    static IniDocument Parse(std::string_view bytes, UINT ansiCodePage);
    std::string Serialize() const;

    IniEncoding Encoding() const { return encoding_; }
    UINT CodePage() const { return codePage_; }

    // Names are compared without case; the first of duplicate sections and
    // the first of duplicate keys in it is the one found. Arguments are
    // expected trimmed.
    // The trimmed value of a key, quotes still in place; null when missing.
    const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;
    // Every named section in file order.
    std::vector<std::u16string_view> SectionNames() const;
    // The keys of a section in file order; false when there is no such section.
    bool KeyNames(std::u16string_view section, std::vector<std::u16string_view>& names) const;

    // Edits return whether the text changed.
    // Replaces a key's value, or adds the key after the last key of its
    // section, or adds the section at the end of the file.
    bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    bool DeleteKey(std::u16string_view section, std::u16string_view key);
    // Removes the section's header and everything up to the next section.
    bool DeleteSection(std::u16string_view section);

private:
    enum class Kind : unsigned char { Other, Section, Key };
    struct Line {
        std::string raw;  // encoded, without the line end
        std::string eol;  // encoded line end; empty on an unterminated last line
        Kind kind = Kind::Other;
        std::u16string name;
        std::u16string folded;
        std::u16string value;
    };

    // What a search looks at, kept apart from the lines so that a search
    // through a large file stays in the cache.
    struct Probe {
        Kind kind;
        std::uint32_t hash;
    };

    Line MakeLine(std::u16string_view text) const;
    static Probe ProbeOf(const Line& line);
    static void Classify(std::u16string_view text, Line& line);
    std::string Encode(std::u16string_view text) const;
    std::u16string Decode(std::string_view bytes) const;
    std::size_t FindSection(std::u16string_view name) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::u16string_view name) const;
    void Insert(std::size_t at, Line line);
    void Erase(std::size_t from, std::size_t to);

    IniEncoding encoding_ = IniEncoding::Ansi;
    UINT codePage_ = CP_UTF8;
    std::string bom_;
    std::vector<Line> lines_;
    std::vector<Probe> probes_;  // one per line
    mutable std::size_t lastSection_ = static_cast<std::size_t>(-1);  // the header the last search found
};

// Blanks as the profile functions trim them.
bool IsProfileBlank(char16_t c);
std::u16string_view TrimProfileText(std::u16string_view text);
std::u16string FoldProfileName(std::u16string_view name);

// The rules the profile functions apply to what they read and write, shared
// by the hosted functions and the library's in-memory settings files so that
// both produce the same bytes.
// One pair of enclosing quotes, double or single, is not part of a value.
std::u16string_view UnquoteProfileValue(std::u16string_view value);
// GetPrivateProfileIntW's reading of a stored value: leading blanks, a sign,
// digits up to the first non-digit (wrapping as Windows does); the fallback
// when nothing is left.
UINT ParseProfileInt(std::u16string_view stored, UINT fallback);
// WritePrivateProfileStructW's text: two upper-case hex digits per byte and
// a checksum byte (the byte sum).
std::u16string EncodeProfileStruct(const BYTE* data, UINT size);
// The reverse; false (nothing stored) unless the text is exactly size + 1
// good hex pairs with a matching checksum.
bool DecodeProfileStruct(std::u16string_view text, BYTE* data, UINT size);
// Names and values that keep their meaning when read back: what a writer
// refuses with ERROR_INVALID_PARAMETER. Arguments are expected trimmed.
bool ValidProfileSection(std::u16string_view section);
bool ValidProfileKey(std::u16string_view key);
bool ValidProfileValue(std::u16string_view value);

}  // namespace nw::platform
