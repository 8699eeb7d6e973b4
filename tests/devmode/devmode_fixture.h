// Shared by the record tests: records owned as the API hands them out,
// field access by offset, and a machine with this driver's demo printer.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

#include "nordwisp/NordwispDEVMODE.h"
#include "nordwisp/NordwispMachine.h"

namespace nw::test {

inline constexpr char16_t kPrinter[] = u"Nordwisp Printer";

struct RecordRelease {
    void operator()(NordwispDEVMODE* record) const { ReleaseNordwispDEVMODE(record); }
};
using Record = std::unique_ptr<NordwispDEVMODE, RecordRelease>;

struct BlockFree {
    void operator()(void* block) const { NordwispMachine_FreeBlock(block); }
};
template <class T>
using Block = std::unique_ptr<T, BlockFree>;

#define NW_OFFSET(member) offsetof(NordwispDEVMODE, member)

template <class T>
T Field(const NordwispDEVMODE* record, std::size_t offset) {
    T value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(record) + offset, sizeof value);
    return value;
}
template <class T>
void SetField(NordwispDEVMODE* record, std::size_t offset, T value) {
    std::memcpy(reinterpret_cast<unsigned char*>(record) + offset, &value, sizeof value);
}
inline std::u16string Text(const NordwispDEVMODE* record, std::size_t offset, std::size_t capacity = 260) {
    std::u16string text;
    for (std::size_t i = 0; i < capacity; ++i) {
        const auto c = Field<char16_t>(record, offset + 2 * i);
        if (c == 0) break;
        text += c;
    }
    return text;
}
inline void SetText(NordwispDEVMODE* record, std::size_t offset, std::u16string_view text) {
    std::memcpy(reinterpret_cast<unsigned char*>(record) + offset, text.data(), text.size() * 2);
    SetField<char16_t>(record, offset + text.size() * 2, 0);
}

class DevModeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(NordwispMachine_AddPrinter(kPrinter, nullptr), 0u); }
    void TearDown() override { NordwispMachine_SetMergeHook(nullptr, nullptr); }
};

}  // namespace nw::test
