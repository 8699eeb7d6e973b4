// The text forms of the settings that are more than one number or text:
// fonts ("face=Arial;height=-16;weight=700"), areas ("left,top,right,bottom")
// and opaque data (hexadecimal digits).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "text.h"

namespace nwtool {

// The members a "set" names; the others keep their current value.
struct FontEdit {
    std::array<std::optional<std::int32_t>, 13> members;  // lfHeight to lfPitchAndFamily
    std::optional<NwString> face;
};

// Every member, the face first: "face=Arial;height=-16;width=0;...".
std::string FontText(const NW_LOGFONTW& font);
// The reason the text is no font, or nothing.
std::optional<std::string> ParseFont(const std::string& text, FontEdit& edit);
void ApplyFont(const FontEdit& edit, NW_LOGFONTW& font);
// What a font setting accepts, in words.
std::string FontAccepts();

// Left, top, right, bottom: the order of a Windows RECT.
using Area = std::array<std::int32_t, 4>;
std::string AreaText(const Area& area);
bool ParseArea(const std::string& text, Area& area);

std::string HexText(const std::vector<unsigned char>& bytes);
bool ParseHex(const std::string& text, std::vector<unsigned char>& bytes);

}  // namespace nwtool
