#include "frame/trace.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/handles.h"

namespace nw::trace_detail {

namespace {

constexpr WCHAR kVariable[] = W("NORDWISP_TRACE");
constexpr WCHAR kMismatch[] = W("<?>");
// Keeps "%999999999d" from asking for a gigabyte of padding.
constexpr std::size_t kMaxWidth = 4096;
constexpr std::size_t kNoPrecision = std::numeric_limits<std::size_t>::max();

// Trace points sit right after failures whose error the caller reads next.
class KeptThreadError {
public:
    KeptThreadError() : saved_(::GetLastError()) {}
    ~KeptThreadError() { ::SetLastError(saved_); }
    KeptThreadError(const KeptThreadError&) = delete;
    KeptThreadError& operator=(const KeptThreadError&) = delete;

private:
    DWORD saved_;
};

struct Directive {
    bool left = false;
    bool zero = false;
    std::size_t width = 0;
    std::size_t precision = kNoPrecision;
    WCHAR conversion = 0;
};

std::size_t ReadNumber(const WCHAR*& p) {
    std::size_t n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) n = std::min(n * 10 + static_cast<std::size_t>(*p - '0'), kMaxWidth);
    return n;
}

// Reads the conversion after a '%'; leaves p after it. A format that ends
// inside it gives conversion 0.
Directive ReadDirective(const WCHAR*& p) {
    Directive directive;
    for (;; ++p) {
        if (*p == '-') {
            directive.left = true;
        } else if (*p == '0') {
            directive.zero = true;
        } else if (*p != '+' && *p != ' ' && *p != '#') {
            break;
        }
    }
    directive.width = ReadNumber(p);
    if (*p == '.') {
        ++p;
        directive.precision = ReadNumber(p);
    }
    // Length modifiers say nothing the argument's type does not.
    while (*p == 'h' || *p == 'l' || *p == 'L' || *p == 'j' || *p == 'z' || *p == 't' || *p == 'w' ||
           *p == 'I') {
        if (*p == 'I' && ((p[1] == '6' && p[2] == '4') || (p[1] == '3' && p[2] == '2'))) p += 2;
        ++p;
    }
    if (*p != 0) directive.conversion = *p++;
    return directive;
}

void AppendPadded(WString& out, const WString& body, const Directive& directive, bool number) {
    const std::size_t pad = directive.width > body.size() ? directive.width - body.size() : 0;
    if (directive.left) {
        out += body;
        out.append(pad, ' ');
    } else if (directive.zero && number && directive.precision == kNoPrecision) {
        const std::size_t sign = !body.empty() && body[0] == '-' ? 1 : 0;
        out.append(body, 0, sign);
        out.append(pad, '0');
        out.append(body, sign, WString::npos);
    } else {
        out.append(pad, ' ');
        out += body;
    }
}

WString Digits(std::uint64_t value, unsigned base, bool upper, std::size_t minimum) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    WString text;
    do {
        text.insert(text.begin(), static_cast<WCHAR>(digits[value % base]));
        value /= base;
    } while (value != 0);
    if (minimum != kNoPrecision && text.size() < minimum) text.insert(0, minimum - text.size(), '0');
    return text;
}

bool IsIntegerConversion(WCHAR c) { return c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X'; }

bool IsNumber(const Argument& a) { return a.kind != Argument::Kind::Pointer && a.kind != Argument::Kind::Text; }

// The text of one conversion, or nothing when the argument does not fit it.
bool Convert(const Directive& directive, const Argument& a, WString& body) {
    switch (directive.conversion) {
        case 'd':
        case 'i': {
            if (!IsNumber(a)) return false;
            const bool negative = a.kind == Argument::Kind::Signed && static_cast<std::int64_t>(a.number) < 0;
            body = negative ? W("-") : W("");
            body += Digits(negative ? 0 - a.number : a.number, 10, false, directive.precision);
            return true;
        }
        case 'u':
        case 'x':
        case 'X': {
            if (!IsNumber(a)) return false;
            // A negative number shows as the unsigned value of its own width, as printf does.
            std::uint64_t value = a.number;
            if (a.kind == Argument::Kind::Signed && a.bytes < 8) value &= (std::uint64_t{1} << (a.bytes * 8)) - 1;
            body = Digits(value, directive.conversion == 'u' ? 10 : 16, directive.conversion == 'X', directive.precision);
            return true;
        }
        case 'c':
        case 'C':
            if (!IsNumber(a)) return false;
            body.assign(1, a.number > 0xFFFF ? WCHAR(0xFFFD) : static_cast<WCHAR>(a.number));
            return true;
        case 'p':
            if (a.kind != Argument::Kind::Pointer) return false;
            body = Digits(reinterpret_cast<std::uintptr_t>(a.pointer), 16, true, 2 * sizeof(void*));
            return true;
        case 's':
        case 'S':
            if (a.kind != Argument::Kind::Text) return false;
            if (a.text == nullptr) {
                body = W("(null)");
            } else {
                body.assign(a.text, std::min(a.length, directive.precision));
            }
            return true;
        default: return false;
    }
}

WString FormatWide(const WCHAR* format, const Argument* arguments, std::size_t count) {
    if (format == nullptr) return kMismatch;
    WString out;
    std::size_t next = 0;
    const WCHAR* p = format;
    while (*p != 0) {
        const WCHAR* literal = p;
        while (*p != 0 && *p != '%') ++p;
        out.append(literal, p);
        if (*p == 0) break;
        ++p;
        if (*p == '%') {
            out += '%';
            ++p;
            continue;
        }
        const Directive directive = ReadDirective(p);
        // Every conversion letter takes an argument, known or not, so the
        // ones after it stay in step.
        const bool letter = (directive.conversion >= 'a' && directive.conversion <= 'z') ||
                            (directive.conversion >= 'A' && directive.conversion <= 'Z');
        WString body;
        if (letter && next < count && Convert(directive, arguments[next++], body)) {
            AppendPadded(out, body, directive, IsIntegerConversion(directive.conversion));
        } else {
            out += kMismatch;
        }
    }
    return out;
}

// A lone surrogate becomes U+FFFD.
std::string ToUtf8(const WString& text) {
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), 0x1FFFFFFF));
    if (length == 0) return {};
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

// Read once: the switch belongs to the process, and reading the
// environment at every trace point would cost what tracing must not.
// Never freed, so trace points in static destructors still find it.
const WString* ReadTracePath() noexcept {
    const KeptThreadError kept;
    try {
        DWORD size = ::GetEnvironmentVariableW(kVariable, nullptr, 0);
        // The value may grow between the two calls.
        for (int attempt = 0; attempt < 3 && size > 1; ++attempt) {
            WString value(size, 0);
            const DWORD got = ::GetEnvironmentVariableW(kVariable, value.data(), size);
            if (got == 0) return nullptr;
            if (got < size) {
                value.resize(got);
                return new WString(std::move(value));
            }
            size = got;
        }
    } catch (...) {
    }
    return nullptr;
}

const WString* TracePath() noexcept {
    static const WString* const path = ReadTracePath();
    return path;
}

}  // namespace

bool Enabled() noexcept { return TracePath() != nullptr; }

std::string Format(const WCHAR* format, const Argument* arguments, std::size_t count) {
    return ToUtf8(FormatWide(format, arguments, count));
}

void Write(const WCHAR* format, const Argument* arguments, std::size_t count) noexcept {
    const KeptThreadError kept;
    try {
        const WString* path = TracePath();
        if (path == nullptr) return;
        SYSTEMTIME now{};
        ::GetLocalTime(&now);
        const Argument prefix[] = {Describe(now.wYear),   Describe(now.wMonth),  Describe(now.wDay),
                                   Describe(now.wHour),   Describe(now.wMinute), Describe(now.wSecond),
                                   Describe(now.wMilliseconds), Describe(::GetCurrentThreadId())};
        WString line = FormatWide(W("%04u-%02u-%02u %02u:%02u:%02u.%03u [%u] "), prefix, std::size(prefix));
        line += FormatWide(format, arguments, count);
        line += '\n';
        const std::string bytes = ToUtf8(line);
        // Opened for each line: several processes may share the file, and
        // append-only access puts every line whole at its end.
        FileHandle file(::CreateFileW(path->c_str(), FILE_APPEND_DATA,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
        DWORD written = 0;
        ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    } catch (...) {
        // A trace line that cannot be built is dropped.
    }
}

}  // namespace nw::trace_detail
