// For tests of the internal library: a machine with this driver's demo
// printer, its record as the current user loads it and an open handle.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "devmode/record_store.h"
#include "frame/last_error.h"
#include "platform/handles.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"
#include "platform/win32api.h"
#include "support/records.h"

namespace nw::test {

inline constexpr WCHAR kCorePrinter[] = W("Nordwisp Printer");

struct LoadedRecordRelease {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};
using LoadedRecord = std::unique_ptr<NordwispDEVMODE, LoadedRecordRelease>;

class CorePrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(kCorePrinter, W("NORDWISP:")), 0u);
        record_.reset(nw::LoadRecord(kCorePrinter, 0));
        ASSERT_NE(record_, nullptr);
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
        ASSERT_TRUE(::OpenPrinterW(const_cast<LPWSTR>(kCorePrinter), printer_.put(), &defaults));
        nw::SetLastErrorValue(0);
    }
    // Tests that act as another user or system put the process back.
    void TearDown() override {
        nw::hosted::SetOsMajorVersion(0);
        nw::hosted::SetIdentity(identity_);
    }

    NordwispDEVMODE* record() { return record_.get(); }
    HANDLE printer() { return printer_.get(); }

    LoadedRecord record_;
    PrinterHandle printer_;
    nw::hosted::Identity identity_ = nw::hosted::CurrentIdentity();
};

}  // namespace nw::test
