#include "platform/hosted/registry_text.h"

#include <algorithm>

#include "platform/hosted/machine.h"
#include "platform/hosted/win32_registry.h"

namespace nw::hosted::registry {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
// regedit keeps hex lines within 80 columns: at most 77 before the "\".
constexpr std::size_t kHexLineWidth = 77;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Positions holding a surrogate without its partner cannot go through UTF-8.
bool IsLoneSurrogate(std::u16string_view text, std::size_t i) {
    const char16_t c = text[i];
    if (IsHighSurrogate(c)) return i + 1 >= text.size() || !IsLowSurrogate(text[i + 1]);
    if (IsLowSurrogate(c)) return i == 0 || !IsHighSurrogate(text[i - 1]);
    return false;
}

void AppendHex16(std::string& out, unsigned value) {
    for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(value >> shift) & 0xF];
}

// "text" with \\ and \" escaped; characters a text line cannot hold become \uXXXX.
void AppendQuoted(std::string& out, std::u16string_view text) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool escape = c == u'\\' || c == u'"' || c < 0x20 || IsLoneSurrogate(text, i);
        if (!escape) continue;
        AppendUtf8(out, text.substr(run, i - run));
        run = i + 1;
        if (c == u'\\' || c == u'"') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += "\\u";
            AppendHex16(out, c);
        }
    }
    AppendUtf8(out, text.substr(run));
    out += '"';
}

std::u16string Units(const std::vector<std::uint8_t>& data) {
    std::u16string text(data.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

// A REG_SZ that reads back the same from "text": whole characters, one
// terminating zero at the end and none before it, nothing needing escapes.
bool IsPlainText(const Value& value, std::u16string& text) {
    if (value.type != REG_SZ || value.data.size() < 2 || value.data.size() % 2 != 0) return false;
    text = Units(value.data);
    if (text.back() != u'\0') return false;
    text.pop_back();
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < 0x20 || IsLoneSurrogate(text, i)) return false;
    return true;
}

void AppendValue(std::string& out, const Value& value) {
    const std::size_t lineStart = out.size();
    if (value.name.empty()) {
        out += '@';
    } else {
        AppendQuoted(out, value.name);
    }
    out += '=';
    std::u16string text;
    if (IsPlainText(value, text)) {
        AppendQuoted(out, text);
    } else if (value.type == REG_DWORD && value.data.size() == 4) {
        const std::uint32_t number = static_cast<std::uint32_t>(value.data[0]) | (value.data[1] << 8) |
                                     (value.data[2] << 16) | (static_cast<std::uint32_t>(value.data[3]) << 24);
        out += "dword:";
        AppendHex16(out, number >> 16);
        AppendHex16(out, number & 0xFFFF);
    } else {
        if (value.type == REG_BINARY) {
            out += "hex:";
        } else {
            out += "hex(";
            std::string digits;
            std::uint32_t type = value.type;
            do {
                digits.insert(digits.begin(), kHexDigits[type & 0xF]);
                type >>= 4;
            } while (type != 0);
            out += digits;
            out += "):";
        }
        // Sized once and filled through a pointer: hive files are mostly
        // the hex of binary values, and appending byte by byte dominated.
        std::size_t column = out.size() - lineStart;
        const std::size_t count = value.data.size();
        std::size_t at = out.size();
        out.resize(at + count * 3 + (count * 3 / (kHexLineWidth - 4) + 1) * 4);
        char* p = out.data();
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0 && column + 3 > kHexLineWidth) {
                p[at++] = '\\';
                p[at++] = '\n';
                p[at++] = ' ';
                p[at++] = ' ';
                column = 2;
            }
            p[at++] = kHexDigits[value.data[i] >> 4];
            p[at++] = kHexDigits[value.data[i] & 0xF];
            column += 2;
            if (i + 1 < count) {
                p[at++] = ',';
                ++column;
            }
        }
        out.resize(at);
    }
    out += '\n';
}

void AppendKey(std::string& out, const Key& key, std::u16string& path, HiveSection section, bool isRoot) {
    // The root line comes first in both sections: it names the hive's root.
    const bool written = section == HiveSection::Persistent ? !key.IsVolatile() : key.IsVolatile();
    if (written || isRoot) {
        out += '[';
        out += ToUtf8(path);
        out += "]\n";
        if (written)
            for (const Value& value : key.Values()) AppendValue(out, value);
        out += '\n';
    }
    for (const auto& child : key.Subkeys()) {
        if (section == HiveSection::Persistent && child->IsVolatile()) continue;
        const std::size_t length = path.size();
        path += u'\\';
        path += child->Name();
        AppendKey(out, *child, path, section, false);
        path.resize(length);
    }
}

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', position_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(position_, end - position_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        position_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseQuoted(std::string_view line, std::size_t& position, std::u16string& out) {
    if (position >= line.size() || line[position] != '"') return false;
    ++position;
    std::size_t run = position;
    while (position < line.size()) {
        const char c = line[position];
        if (c == '"') {
            out += FromUtf8(line.substr(run, position - run));
            ++position;
            return true;
        }
        if (c != '\\') {
            ++position;
            continue;
        }
        out += FromUtf8(line.substr(run, position - run));
        if (position + 1 >= line.size()) return false;
        const char escaped = line[position + 1];
        if (escaped == '\\' || escaped == '"') {
            out += static_cast<char16_t>(escaped);
            position += 2;
        } else if (escaped == 'u' && position + 6 <= line.size()) {
            unsigned unit = 0;
            for (std::size_t k = 2; k < 6; ++k) {
                const int digit = HexValue(line[position + k]);
                if (digit < 0) return false;
                unit = (unit << 4) | static_cast<unsigned>(digit);
            }
            out += static_cast<char16_t>(unit);
            position += 6;
        } else {
            return false;
        }
        run = position;
    }
    return false;
}

std::vector<std::uint8_t> TextBytes(std::u16string_view text) {
    std::vector<std::uint8_t> data;
    data.reserve(text.size() * 2 + 2);
    for (char16_t c : text) {
        data.push_back(static_cast<std::uint8_t>(c & 0xFF));
        data.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return data;
}

bool ParseByteList(std::string_view list, std::vector<std::uint8_t>& data) {
    std::size_t position = 0;
    while (position < list.size()) {
        std::size_t end = list.find(',', position);
        if (end == std::string_view::npos) end = list.size();
        const std::string_view token = list.substr(position, end - position);
        if (token.empty() || token.size() > 2) return false;
        unsigned byte = 0;
        for (char c : token) {
            const int digit = HexValue(c);
            if (digit < 0) return false;
            byte = (byte << 4) | static_cast<unsigned>(digit);
        }
        data.push_back(static_cast<std::uint8_t>(byte));
        if (end == list.size()) break;
        position = end + 1;
        if (position == list.size()) return false;  // a trailing comma
    }
    return true;
}

// The data after "name=" (continuation lines are pulled from `reader`).
bool ParseData(std::string_view data, LineReader& reader, std::uint32_t& type, std::vector<std::uint8_t>& bytes) {
    if (!data.empty() && data.front() == '"') {
        std::size_t position = 0;
        std::u16string text;
        if (!ParseQuoted(data, position, text) || position != data.size()) return false;
        type = REG_SZ;
        bytes = TextBytes(text);
        return true;
    }
    if (data.substr(0, 6) == "dword:") {
        const std::string_view digits = data.substr(6);
        if (digits.size() != 8) return false;
        std::uint32_t number = 0;
        for (char c : digits) {
            const int digit = HexValue(c);
            if (digit < 0) return false;
            number = (number << 4) | static_cast<std::uint32_t>(digit);
        }
        type = REG_DWORD;
        bytes = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                 static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
        return true;
    }
    if (data.substr(0, 3) != "hex") return false;
    std::size_t position = 3;
    if (position < data.size() && data[position] == '(') {
        const std::size_t close = data.find(')', position);
        if (close == std::string_view::npos || close == position + 1 || close - position - 1 > 8) return false;
        type = 0;
        for (std::size_t i = position + 1; i < close; ++i) {
            const int digit = HexValue(data[i]);
            if (digit < 0) return false;
            type = (type << 4) | static_cast<std::uint32_t>(digit);
        }
        position = close + 1;
    } else {
        type = REG_BINARY;
    }
    if (position >= data.size() || data[position] != ':') return false;
    std::string list(data.substr(position + 1));
    while (!list.empty() && list.back() == '\\') {
        list.pop_back();
        std::string_view next;
        if (!reader.Next(next)) return false;
        while (!next.empty() && (next.front() == ' ' || next.front() == '\t')) next.remove_prefix(1);
        list += next;
    }
    bytes.clear();
    return ParseByteList(list, bytes);
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsStorableKeyName(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxKeyNameLength) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] == u'\\' || name[i] < 0x20 || IsLoneSurrogate(name, i)) return false;
    return true;
}

std::string FormatHive(const Key& root, std::u16string_view rootName, HiveSection section) {
    std::string out(kHiveHeader);
    out += "\n";
    out += kSealLine;
    out += "\n\n";
    std::u16string path(rootName);
    AppendKey(out, root, path, section, true);
    out += kEndLine;
    out += "\n";
    return out;
}

namespace {

// A sealed text (or what is left of one: a cut may fall inside the seal
// line) must end with the end line.
bool LostItsEnd(std::string_view text) {
    const std::size_t header = text.find('\n');
    if (header == std::string_view::npos) return true;  // not even the header line is whole
    std::string_view rest = text.substr(header + 1);
    const std::size_t shared = std::min(rest.size(), kSealLine.size());
    if (shared == 0 || rest.substr(0, shared) != kSealLine.substr(0, shared)) return false;
    const std::string ending = "\n" + std::string(kEndLine) + "\n";
    return rest.size() < ending.size() || rest.substr(rest.size() - ending.size()) != ending;
}

}  // namespace

std::optional<ParsedHive> ParseHive(std::string_view text, bool isVolatile, std::uint64_t fileTime) {
    ParsedHive hive;
    hive.root = std::make_shared<Key>(std::u16string(), false);
    hive.root->Touch(fileTime);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.empty()) return hive;
    if (LostItsEnd(text)) return std::nullopt;

    LineReader reader(text);
    std::string_view line;
    if (!reader.Next(line) || line != kHiveHeader) return std::nullopt;

    Key* current = nullptr;
    while (reader.Next(line)) {
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') return std::nullopt;
            const std::u16string path = FromUtf8(line.substr(1, line.size() - 2));
            if (current == nullptr && hive.listed.empty()) {
                if (path.empty()) return std::nullopt;
                hive.rootName = path;
                current = hive.root.get();
                hive.listed.insert(current);
                continue;
            }
            if (!StartsWithNoCase(path, hive.rootName)) return std::nullopt;
            std::u16string_view rest(path);
            rest.remove_prefix(hive.rootName.size());
            current = hive.root.get();
            if (!rest.empty()) {
                if (rest.front() != u'\\') return std::nullopt;
                rest.remove_prefix(1);
                while (true) {
                    const std::size_t slash = rest.find(u'\\');
                    const std::u16string_view name = rest.substr(0, slash);
                    if (!IsStorableKeyName(name)) return std::nullopt;
                    Key* next = current->FindSubkey(name);
                    if (next == nullptr) {
                        next = &current->AddSubkey(std::u16string(name), isVolatile);
                        next->Touch(fileTime);
                    }
                    current = next;
                    if (slash == std::u16string_view::npos) break;
                    rest.remove_prefix(slash + 1);
                }
            }
            hive.listed.insert(current);
            continue;
        }
        if (line.front() != '"' && line.front() != '@') return std::nullopt;
        if (current == nullptr) return std::nullopt;
        std::u16string name;
        std::size_t position = 0;
        if (line.front() == '@') {
            position = 1;
        } else if (!ParseQuoted(line, position, name)) {
            return std::nullopt;
        }
        if (position >= line.size() || line[position] != '=') return std::nullopt;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
        if (!ParseData(line.substr(position + 1), reader, type, bytes)) return std::nullopt;
        current->SetValue(name, type, std::move(bytes));
    }
    return hive;
}

}  // namespace nw::hosted::registry
