// Trace points of the longer operations pass a printf-style format and its
// arguments here. By default the sink writes nothing and costs one test of a
// flag. When the environment variable NORDWISP_TRACE names a file at the
// first trace point of the process, every trace point appends one UTF-8 line
// to it: local time with milliseconds, thread id, the formatted text.
//
// The format takes %d %i %u %x %X %p %s %ls %S %c %%, with the flags "-" and
// "0", a width and a precision; length modifiers are accepted and
// ignored, since each argument is converted by its C++ type. A conversion
// without a fitting argument prints "<?>". Tracing never throws and leaves
// the thread's error and the library's last error as they were.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/win32api.h"

namespace nw {

namespace trace_detail {

// One argument, described by its C++ type.
struct Argument {
    enum class Kind : std::uint8_t { Signed, Unsigned, Character, Pointer, Text };
    Kind kind = Kind::Signed;
    std::uint8_t bytes = 0;  // of an integer: %x and %u show a negative one at its own width
    std::uint64_t number = 0;
    const void* pointer = nullptr;
    const WCHAR* text = nullptr;  // null text prints "(null)"
    std::size_t length = 0;
};

template <class T>
inline constexpr bool kUnsupported = false;

template <class T>
Argument Describe(const T& value) noexcept {
    Argument a;
    if constexpr (std::is_same_v<T, WCHAR>) {
        a.kind = Argument::Kind::Character;
        a.number = static_cast<std::uint64_t>(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        a.kind = Argument::Kind::Unsigned;
        a.bytes = 1;
        a.number = value ? 1 : 0;
    } else if constexpr (std::is_enum_v<T>) {
        return Describe(static_cast<std::underlying_type_t<T>>(value));
    } else if constexpr (std::is_integral_v<T>) {
        a.kind = std::is_signed_v<T> ? Argument::Kind::Signed : Argument::Kind::Unsigned;
        a.bytes = sizeof(T);
        // Sign-extended for signed types, so the value is kept whole.
        a.number = static_cast<std::uint64_t>(static_cast<std::conditional_t<std::is_signed_v<T>, std::int64_t,
                                                                             std::uint64_t>>(value));
    } else if constexpr (std::is_array_v<T> && std::is_same_v<std::remove_cv_t<std::remove_extent_t<T>>, WCHAR>) {
        // A fixed field need not hold a terminator: never read past it.
        a.kind = Argument::Kind::Text;
        a.text = value;
        while (a.length < std::extent_v<T> && value[a.length] != 0) ++a.length;
    } else if constexpr (std::is_same_v<T, const WCHAR*> || std::is_same_v<T, WCHAR*>) {
        a.kind = Argument::Kind::Text;
        a.text = value;
        if (value != nullptr) a.length = std::char_traits<WCHAR>::length(value);
    } else if constexpr (std::is_same_v<T, WString> || std::is_same_v<T, WStringView>) {
        a.kind = Argument::Kind::Text;
        a.text = value.data();
        a.length = value.size();
    } else if constexpr (std::is_pointer_v<T> || std::is_array_v<T> || std::is_null_pointer_v<T>) {
        a.kind = Argument::Kind::Pointer;
        a.pointer = const_cast<const void*>(static_cast<const volatile void*>(value));
    } else {
        static_assert(kUnsupported<T>, "Trace takes integers, characters, pointers and UTF-16 text");
    }
    return a;
}

// Whether NORDWISP_TRACE named a file; read once per process.
bool Enabled() noexcept;
// Formats and appends one line.
void Write(const WCHAR* format, const Argument* arguments, std::size_t count) noexcept;
// The formatted text alone, UTF-8.
std::string Format(const WCHAR* format, const Argument* arguments, std::size_t count);

}  // namespace trace_detail

// The text a trace point writes after its time and thread id.
template <class... Args>
std::string TraceText(const WCHAR* format, const Args&... arguments) {
    if constexpr (sizeof...(Args) == 0) {
        return trace_detail::Format(format, nullptr, 0);
    } else {
        const trace_detail::Argument described[] = {trace_detail::Describe(arguments)...};
        return trace_detail::Format(format, described, sizeof...(Args));
    }
}

template <class... Args>
inline void Trace(const WCHAR* format, const Args&... arguments) noexcept {
    if (!trace_detail::Enabled()) return;
    if constexpr (sizeof...(Args) == 0) {
        trace_detail::Write(format, nullptr, 0);
    } else {
        const trace_detail::Argument described[] = {trace_detail::Describe(arguments)...};
        trace_detail::Write(format, described, sizeof...(Args));
    }
}

}  // namespace nw
