// For tests of the shared library: records owned as it hands them out, and
// a machine with this driver's demo printer.
#pragma once

#include <memory>

#include "nordwisp/NordwispMachine.h"
#include "support/records.h"

namespace nw::test {

inline constexpr WCHAR kPrinter[] = W("Nordwisp Printer");

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

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(NordwispMachine_AddPrinter(kPrinter, nullptr), 0u); }
    void TearDown() override { NordwispMachine_SetMergeHook(nullptr, nullptr); }
};

}  // namespace nw::test
