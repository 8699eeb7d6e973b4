#include "platform/ini_document.h"

namespace nw::platform {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Of the folded name; folds as it goes, so that lookups need no folded copy.
std::uint32_t HashOf(std::u16string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char16_t c : name) hash = (hash ^ FoldCase(c)) * 16777619u;
    return hash;
}

bool MatchesFolded(std::u16string_view folded, std::u16string_view name) {
    if (folded.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (folded[i] != FoldCase(name[i])) return false;
    return true;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool IsProfileBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

std::u16string_view TrimProfileText(std::u16string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::u16string FoldProfileName(std::u16string_view name) {
    std::u16string folded(name);
    for (auto& c : folded) c = FoldCase(c);
    return folded;
}

std::u16string_view UnquoteProfileValue(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

UINT ParseProfileInt(std::u16string_view stored, UINT fallback) {
    std::u16string_view text = UnquoteProfileValue(stored);
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    if (text.empty()) return fallback;
    bool negative = false;
    if (text.front() == u'-' || text.front() == u'+') {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    UINT result = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') break;
        result = result * 10 + static_cast<UINT>(c - u'0');
    }
    return negative ? 0u - result : result;
}

namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

}  // namespace

std::u16string EncodeProfileStruct(const BYTE* data, UINT size) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text;
    text.reserve(2 * static_cast<std::size_t>(size) + 2);
    BYTE sum = 0;
    for (UINT i = 0; i < size; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0xF];
        sum = static_cast<BYTE>(sum + data[i]);
    }
    text += kDigits[sum >> 4];
    text += kDigits[sum & 0xF];
    return text;
}

bool DecodeProfileStruct(std::u16string_view text, BYTE* data, UINT size) {
    if (text.size() != 2 * static_cast<std::size_t>(size) + 2) return false;
    // Nothing reaches the caller's buffer unless the whole text is good.
    std::vector<BYTE> bytes(static_cast<std::size_t>(size) + 1);
    BYTE sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        bytes[i] = static_cast<BYTE>(high << 4 | low);
        if (i < size) sum = static_cast<BYTE>(sum + bytes[i]);
    }
    if (sum != bytes[size]) return false;
    for (UINT i = 0; i < size; ++i) data[i] = bytes[i];
    return true;
}

// Plain loops: these run for every key written, and find_first_of over
// char16_t compares each unit with each stop character through a call.
bool ValidProfileSection(std::u16string_view section) {
    if (section.empty()) return false;
    for (char16_t c : section)
        if (c == u']' || c == u'\r' || c == u'\n') return false;
    return true;
}

bool ValidProfileKey(std::u16string_view key) {
    if (key.empty() || key.front() == u';' || key.front() == u'[') return false;
    for (char16_t c : key)
        if (c == u'=' || c == u'\r' || c == u'\n') return false;
    return true;
}

bool ValidProfileValue(std::u16string_view value) {
    for (char16_t c : value)
        if (c == u'\r' || c == u'\n') return false;
    return true;
}

IniDocument IniDocument::Parse(std::string_view bytes, UINT ansiCodePage) {
    IniDocument doc;
    if (StartsWith(bytes, "\xFF\xFE")) {
        doc.encoding_ = IniEncoding::Utf16Le;
        doc.bom_ = bytes.substr(0, 2);
    } else if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        doc.encoding_ = IniEncoding::Utf8;
        doc.codePage_ = CP_UTF8;
        doc.bom_ = bytes.substr(0, 3);
    } else {
        doc.encoding_ = IniEncoding::Ansi;
        doc.codePage_ = ansiCodePage;
    }
    const std::string_view body = bytes.substr(doc.bom_.size());
    const bool wide = doc.encoding_ == IniEncoding::Utf16Le;
    const std::size_t unit = wide ? 2 : 1;
    // A byte text is decoded once, not line by line: an LF byte is an LF
    // character in every code page, so the lines of both agree.
    const std::u16string decoded = wide ? std::u16string() : doc.Decode(body);
    std::size_t at = 0;  // in decoded
    std::size_t count = 0;
    for (std::size_t i = 0; i < body.size(); i += unit) count += body[i] == '\n' ? 1 : 0;
    doc.lines_.reserve(count + 1);
    doc.probes_.reserve(count + 1);

    // Lines end at LF; a CR just before it belongs to the line end.
    std::size_t start = 0;
    while (start < body.size()) {
        std::size_t lf = start;
        while (lf + unit <= body.size() && !(body[lf] == '\n' && (!wide || body[lf + 1] == '\0'))) lf += unit;
        Line line;
        if (lf + unit > body.size()) {
            line.raw = body.substr(start);
            start = body.size();
        } else {
            std::size_t end = lf;
            if (end >= start + unit && body[end - unit] == '\r' && (!wide || body[end - 1] == '\0')) end -= unit;
            line.raw = body.substr(start, end - start);
            line.eol = body.substr(end, lf + unit - end);
            start = lf + unit;
        }
        if (wide) {
            Classify(doc.Decode(line.raw), line);
        } else {
            std::size_t next = decoded.find(u'\n', at);
            if (next == std::u16string::npos) next = decoded.size();
            std::u16string_view text(decoded.data() + at, next - at);
            if (line.eol.size() > 1 && !text.empty()) text.remove_suffix(1);  // its CR
            Classify(text, line);
            at = next < decoded.size() ? next + 1 : next;
        }
        doc.probes_.push_back(ProbeOf(line));
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::Serialize() const {
    std::size_t total = bom_.size();
    for (const auto& line : lines_) total += line.raw.size() + line.eol.size();
    std::string out;
    out.reserve(total);
    out += bom_;
    for (const auto& line : lines_) {
        out += line.raw;
        out += line.eol;
    }
    return out;
}

std::string IniDocument::Encode(std::u16string_view text) const {
    std::string out;
    if (text.empty()) return out;
    if (encoding_ == IniEncoding::Utf16Le) {
        out.reserve(text.size() * 2);
        for (char16_t c : text) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
        return out;
    }
    // Each UTF-16 unit is at most three UTF-8 bytes, or one byte of 1252.
    out.resize(text.size() * (codePage_ == CP_UTF8 ? 3 : 1));
    const int n = WideCharToMultiByte(codePage_, 0, reinterpret_cast<LPCWSTR>(text.data()), static_cast<int>(text.size()), out.data(),
                                      static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

std::u16string IniDocument::Decode(std::string_view bytes) const {
    std::u16string out;
    if (bytes.empty()) return out;
    if (encoding_ == IniEncoding::Utf16Le) {
        out.reserve(bytes.size() / 2);
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8));
        return out;
    }
    out.resize(bytes.size());
    const int n = MultiByteToWideChar(codePage_, 0, bytes.data(), static_cast<int>(bytes.size()), reinterpret_cast<LPWSTR>(out.data()),
                                      static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

void IniDocument::Classify(std::u16string_view text, Line& line) {
    line.kind = Kind::Other;
    const std::u16string_view t = TrimProfileText(text);
    if (t.empty() || t.front() == u';') return;
    if (t.front() == u'[') {
        const std::size_t close = t.find(u']');
        if (close == std::u16string_view::npos) return;
        line.kind = Kind::Section;
        line.name = TrimProfileText(t.substr(1, close - 1));
        line.folded = FoldProfileName(line.name);
        return;
    }
    const std::size_t eq = t.find(u'=');
    if (eq == std::u16string_view::npos) return;
    const std::u16string_view name = TrimProfileText(t.substr(0, eq));
    if (name.empty()) return;
    line.kind = Kind::Key;
    line.name = name;
    line.folded = FoldProfileName(name);
    line.value = TrimProfileText(t.substr(eq + 1));
}

IniDocument::Line IniDocument::MakeLine(std::u16string_view text) const {
    Line line;
    line.raw = Encode(text);
    line.eol = Encode(u"\r\n");
    Classify(text, line);
    return line;
}

IniDocument::Probe IniDocument::ProbeOf(const Line& line) {
    return Probe{line.kind, line.kind == Kind::Other ? 0u : HashOf(line.folded)};
}

std::size_t IniDocument::FindSection(std::u16string_view name) const {
    // Writers set key after key of one section: look where the last search ended first.
    if (lastSection_ < lines_.size() && probes_[lastSection_].kind == Kind::Section &&
        MatchesFolded(lines_[lastSection_].folded, name))
        return lastSection_;
    const std::uint32_t hash = HashOf(name);
    for (std::size_t i = 0; i < probes_.size(); ++i) {
        if (probes_[i].kind == Kind::Section && probes_[i].hash == hash && MatchesFolded(lines_[i].folded, name)) {
            lastSection_ = i;
            return i;
        }
    }
    return kNone;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < probes_.size() && probes_[i].kind != Kind::Section) ++i;
    return i;
}

std::size_t IniDocument::FindKey(std::size_t header, std::u16string_view name) const {
    const std::uint32_t hash = HashOf(name);
    for (std::size_t i = header + 1; i < probes_.size() && probes_[i].kind != Kind::Section; ++i)
        if (probes_[i].kind == Kind::Key && probes_[i].hash == hash && MatchesFolded(lines_[i].folded, name)) return i;
    return kNone;
}

void IniDocument::Insert(std::size_t at, Line line) {
    // Only the last line can lack its line end; text follows it now. A
    // stray odd byte at the end of UTF-16 text becomes a whole unit, so that
    // what follows stays aligned.
    if (at > 0 && lines_[at - 1].eol.empty()) {
        Line& last = lines_[at - 1];
        if (encoding_ == IniEncoding::Utf16Le && last.raw.size() % 2 != 0) last.raw += '\0';
        last.eol = Encode(u"\r\n");
    }
    probes_.insert(probes_.begin() + static_cast<std::ptrdiff_t>(at), ProbeOf(line));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    if (lastSection_ != kNone && at <= lastSection_) ++lastSection_;
}

void IniDocument::Erase(std::size_t from, std::size_t to) {
    const auto first = static_cast<std::ptrdiff_t>(from);
    const auto last = static_cast<std::ptrdiff_t>(to);
    probes_.erase(probes_.begin() + first, probes_.begin() + last);
    lines_.erase(lines_.begin() + first, lines_.begin() + last);
    lastSection_ = kNone;
}

const std::u16string* IniDocument::Find(std::u16string_view section, std::u16string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == kNone) return nullptr;
    const std::size_t at = FindKey(header, key);
    return at == kNone ? nullptr : &lines_[at].value;
}

std::vector<std::u16string_view> IniDocument::SectionNames() const {
    std::vector<std::u16string_view> names;
    for (const auto& line : lines_)
        if (line.kind == Kind::Section && !line.name.empty()) names.push_back(line.name);
    return names;
}

bool IniDocument::KeyNames(std::u16string_view section, std::vector<std::u16string_view>& names) const {
    const std::size_t header = FindSection(section);
    if (header == kNone) return false;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key) names.push_back(lines_[i].name);
    return true;
}

bool IniDocument::Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    std::u16string keyLine(key);
    keyLine += u'=';
    keyLine += value;
    const std::size_t header = FindSection(section);
    if (header == kNone) {
        std::u16string headerLine = u"[";
        headerLine += section;
        headerLine += u']';
        Insert(lines_.size(), MakeLine(headerLine));
        Insert(lines_.size(), MakeLine(keyLine));
        return true;
    }
    const std::size_t at = FindKey(header, key);
    if (at != kNone) {
        if (lines_[at].value == value) return false;
        // The key keeps the spelling it has in the file.
        std::u16string text = lines_[at].name;
        text += u'=';
        text += value;
        Line line = MakeLine(text);
        line.eol = std::move(lines_[at].eol);
        probes_[at] = ProbeOf(line);
        lines_[at] = std::move(line);
        return true;
    }
    std::size_t pos = header + 1;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (probes_[i].kind == Kind::Key) pos = i + 1;
    Insert(pos, MakeLine(keyLine));
    return true;
}

bool IniDocument::DeleteKey(std::u16string_view section, std::u16string_view key) {
    const std::size_t header = FindSection(section);
    if (header == kNone) return false;
    const std::size_t at = FindKey(header, key);
    if (at == kNone) return false;
    Erase(at, at + 1);
    return true;
}

bool IniDocument::DeleteSection(std::u16string_view section) {
    const std::size_t header = FindSection(section);
    if (header == kNone) return false;
    Erase(header, SectionEnd(header));
    return true;
}

}  // namespace nw::platform
