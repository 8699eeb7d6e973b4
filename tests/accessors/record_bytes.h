// Records built in memory for the accessor tests, and byte-level checks of
// what a call changed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"

namespace nw::test {

// A zeroed record of the current layout, or filled with `fill` past the
// three size fields.
inline NordwispDEVMODE MakeRecord(std::uint16_t driverVersion = 1777, std::uint8_t fill = 0) {
    NordwispDEVMODE record;
    std::memset(&record, fill, sizeof record);
    record.DM.dmSize = 220;
    record.DM.dmDriverExtra = 6659;
    record.DM.dmDriverVersion = driverVersion;
    return record;
}

inline const std::uint8_t* BytesOf(const NordwispDEVMODE& record) {
    return reinterpret_cast<const std::uint8_t*>(&record);
}

inline std::uint8_t ByteAt(const NordwispDEVMODE& record, std::size_t offset) { return BytesOf(record)[offset]; }

template <class T>
T ValueAt(const NordwispDEVMODE& record, std::size_t offset) {
    T value;
    std::memcpy(&value, BytesOf(record) + offset, sizeof value);
    return value;
}

template <class T>
void PutAt(NordwispDEVMODE& record, std::size_t offset, T value) {
    std::memcpy(reinterpret_cast<std::uint8_t*>(&record) + offset, &value, sizeof value);
}

// Offsets of the bytes that differ between two records.
inline std::vector<std::size_t> ChangedOffsets(const NordwispDEVMODE& before, const NordwispDEVMODE& after) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < sizeof(NordwispDEVMODE); ++i)
        if (BytesOf(before)[i] != BytesOf(after)[i]) changed.push_back(i);
    return changed;
}

// Every changed byte lies in [offset, offset + width).
inline ::testing::AssertionResult OnlyChangedWithin(const NordwispDEVMODE& before, const NordwispDEVMODE& after,
                                                    std::size_t offset, std::size_t width) {
    for (std::size_t i : ChangedOffsets(before, after))
        if (i < offset || i >= offset + width)
            return ::testing::AssertionFailure()
                   << "byte " << i << " changed outside [" << offset << ", " << offset + width << ")";
    return ::testing::AssertionSuccess();
}

inline std::basic_string<NWCHAR> Wide(const char* ascii) {
    std::basic_string<NWCHAR> text;
    for (const char* p = ascii; *p; ++p) text.push_back(static_cast<NWCHAR>(*p));
    return text;
}

inline std::basic_string<NWCHAR> Repeated(std::size_t count, NWCHAR c = u'x') {
    return std::basic_string<NWCHAR>(count, c);
}

inline std::basic_string<NWCHAR> TextAt(const NordwispDEVMODE& record, std::size_t offset, std::size_t capacity) {
    std::basic_string<NWCHAR> text;
    for (std::size_t i = 0; i < capacity; ++i) {
        const auto c = ValueAt<NWCHAR>(record, offset + 2 * i);
        if (c == 0) break;
        text.push_back(c);
    }
    return text;
}

inline constexpr std::uint32_t kNullRecordError = 0xFFFFFC18u;

}  // namespace nw::test
