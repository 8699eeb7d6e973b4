// Hive files as text in the "Windows Registry Editor Version 5.00" style, in
// UTF-8: one [path] line per key (sorted case-insensitively), then its
// values in creation order. Terminated REG_SZ text is written as "text",
// 4-byte REG_DWORD as dword:xxxxxxxx, REG_BINARY as hex:.. and every other
// value as hex(type):.., so every value's exact bytes survive.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/hosted/registry_model.h"

namespace nw::hosted::registry {

inline constexpr std::string_view kHiveHeader = "Windows Registry Editor Version 5.00";
// What the registry writes after the header and as the last line, so that a
// cut anywhere in its text is seen. A text without the first line was
// written by hand and is read as it stands.
inline constexpr std::string_view kSealLine = "; nordwisp hive: ends with \"; end of hive\"";
inline constexpr std::string_view kEndLine = "; end of hive";

enum class HiveSection {
    Persistent,  // every non-volatile key, the root first
    Volatile,    // the root line, then only the volatile keys (not the keys they hang from)
};

std::string FormatHive(const Key& root, std::u16string_view rootName, HiveSection section);

struct ParsedHive {
    std::u16string rootName;  // the first [path]; empty when the text names no key
    std::shared_ptr<Key> root;
    // Keys the text names; the others were only on the way to them.
    std::unordered_set<const Key*> listed;
};

// Reads a hive text; keys get `isVolatile` and `fileTime`. nullopt when the
// text is not a well-formed hive or a sealed text lost its end. Empty text
// is an empty hive (the caller decides whether an empty file may be).
std::optional<ParsedHive> ParseHive(std::string_view text, bool isVolatile, std::uint64_t fileTime);

// Whether a key name can be stored: 1..255 characters, no backslash, no
// control character and no unpaired surrogate (the text could not keep it).
bool IsStorableKeyName(std::u16string_view name);

}  // namespace nw::hosted::registry
