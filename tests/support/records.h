// Records built in memory and read or written byte by byte, so that a test
// states offsets and values on its own instead of through the layout code.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::test {

// A record of the current layout, zeroed or filled with `fill` past the
// three size fields, with the device name given (cut to its 32 units).
inline NordwispDEVMODE MakeRecord(WStringView deviceName = {}, std::uint8_t fill = 0) {
    NordwispDEVMODE record;
    std::memset(&record, fill, sizeof record);
    record.DM.dmSize = NW_DEVMODE_PUBLIC_SIZE;
    record.DM.dmDriverExtra = NW_DEVMODE_PRIVATE_SIZE;
    record.DM.dmDriverVersion = NW_SUPPORTED_DRIVER_VERSION;
    for (std::size_t i = 0; i < deviceName.size() && i < 32; ++i) record.DM.dmDeviceName[i] = deviceName[i];
    return record;
}

// A text in the ANSI code page, as an ANSI caller would pass it: UTF-8 on
// the hosted machine, the system's code page on Windows.
inline std::string Ansi(WStringView text) {
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

inline const std::uint8_t* BytesOf(const NordwispDEVMODE& record) {
    return reinterpret_cast<const std::uint8_t*>(&record);
}

template <class T>
T At(const NordwispDEVMODE& record, std::size_t offset) {
    T value;
    std::memcpy(&value, BytesOf(record) + offset, sizeof value);
    return value;
}

template <class T>
void Put(NordwispDEVMODE& record, std::size_t offset, T value) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + offset, &value, sizeof value);
}

// The text at an offset up to its terminator or `capacity` units.
inline WString TextAt(const NordwispDEVMODE& record, std::size_t offset, std::size_t capacity = 260) {
    WString text;
    for (std::size_t i = 0; i < capacity && At<WCHAR>(record, offset + 2 * i) != 0; ++i)
        text += At<WCHAR>(record, offset + 2 * i);
    return text;
}

inline void PutText(NordwispDEVMODE& record, std::size_t offset, WStringView text) {
    for (std::size_t i = 0; i < text.size(); ++i) Put(record, offset + 2 * i, text[i]);
    Put<WCHAR>(record, offset + 2 * text.size(), 0);
}

// Every changed byte lies in [offset, offset + width).
inline ::testing::AssertionResult OnlyChangedWithin(const NordwispDEVMODE& before, const NordwispDEVMODE& after,
                                                    std::size_t offset, std::size_t width) {
    for (std::size_t i = 0; i < sizeof(NordwispDEVMODE); ++i)
        if (BytesOf(before)[i] != BytesOf(after)[i] && (i < offset || i >= offset + width))
            return ::testing::AssertionFailure()
                   << "byte " << i << " changed outside [" << offset << ", " << offset + width << ")";
    return ::testing::AssertionSuccess();
}

// The field at `offset` after a call that had to return 1; nothing otherwise.
template <class T>
std::optional<T> FieldAfter(int result, const NordwispDEVMODE& record, std::size_t offset) {
    if (result != 1) return std::nullopt;
    return At<T>(record, offset);
}

inline bool SameBytes(const NordwispDEVMODE& a, const NordwispDEVMODE& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A call's result together with the last error it left, so that both are
// checked in one expectation:
//     EXPECT_EQ(NW_EXPORT_CALL(f(x)), (Outcome{0, 87}));
struct Outcome {
    long long result;
    std::uint32_t error;
    bool operator==(const Outcome&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << "{result " << o.result << ", last error " << o.error << "}";
}

inline constexpr std::uint32_t kNullArgument = NW_ERROR_NULL_ARGUMENT;

}  // namespace nw::test

// Braced initialisation evaluates the call before the last error is read.
#define NW_EXPORT_CALL(call) (::nw::test::Outcome{static_cast<long long>(call), Nordwisp_GetLastError()})
#define NW_CORE_CALL(call) (::nw::test::Outcome{static_cast<long long>(call), ::nw::LastErrorValue()})
