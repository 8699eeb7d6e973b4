// The internal record operations that are not exported: the level-2 saver
// and the global-default loader.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "record/record.h"
#include "devmode/record_store.h"
#include "frame/last_error.h"
#include "platform/handles.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"

namespace {

constexpr WCHAR kPrinter[] = W("Nordwisp Printer");
constexpr auto FileFormat = NW_RECORD_FIELD(std::uint32_t, FileFormat);

struct RecordFree {
    void operator()(NordwispDEVMODE* record) const { nw::ReleaseRecord(record); }
};
using Record = std::unique_ptr<NordwispDEVMODE, RecordFree>;

std::uint32_t GlobalFileFormat() {
    nw::PrinterHandle printer;
    EXPECT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kPrinter), printer.put(), nullptr));
    DWORD needed = 0;
    GetPrinterW(printer.get(), 8, nullptr, 0, &needed);
    std::vector<std::uint8_t> block(needed);
    EXPECT_TRUE(GetPrinterW(printer.get(), 8, block.data(), needed, &needed));
    NordwispDEVMODE* devmode = nullptr;
    std::memcpy(&devmode, block.data(), sizeof devmode);
    return FileFormat.Get(devmode);
}

class RecordCoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(kPrinter, u""), 0u); }
    void TearDown() override {
        nw::hosted::SetOsMajorVersion(0);
        nw::hosted::SetIdentity(identity_);
    }

private:
    nw::hosted::Identity identity_ = nw::hosted::CurrentIdentity();
};

TEST_F(RecordCoreTest, PrinterInfoSaverStoresThePrintersDefault) {
    Record record(nw::LoadRecord(kPrinter, 1));
    ASSERT_TRUE(record);
    FileFormat.Set(record.get(), 17);
    ASSERT_EQ(nw::SavePrinterInfoDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(nw::LastErrorValue(), 0u);
    EXPECT_EQ(GlobalFileFormat(), 17u);
    EXPECT_EQ(nw::SavePrinterInfoDEVMODE(nullptr, record.get()), 0);
    EXPECT_EQ(nw::LastErrorValue(), 1801u);
    EXPECT_EQ(nw::SavePrinterInfoDEVMODE(kPrinter, nullptr), 0);
    EXPECT_EQ(nw::LastErrorValue(), nw::kErrorNullArgument);

    auto user = nw::hosted::CurrentIdentity();
    user.administrator = false;
    nw::hosted::SetIdentity(user);
    FileFormat.Set(record.get(), 18);
    EXPECT_EQ(nw::SavePrinterInfoDEVMODE(kPrinter, record.get()), 0);
    EXPECT_EQ(nw::LastErrorValue(), 5u);
    EXPECT_EQ(GlobalFileFormat(), 17u);
}

TEST_F(RecordCoreTest, GlobalDefaultLoaderReadsLevel8OnlyOnVersion5) {
    Record record(nw::LoadRecord(kPrinter, 1));
    ASSERT_TRUE(record);
    FileFormat.Set(record.get(), 4);
    ASSERT_EQ(nw::SaveRecord(kPrinter, record.get(), nw::RecordStore::PerUser), 1);

    // Elsewhere it is the ordinary load, which prefers the user's record.
    Record loaded(nw::LoadGlobalDefaultDEVMODE(kPrinter));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(FileFormat.Get(loaded.get()), 4u);

    nw::hosted::SetOsMajorVersion(5);
    Record global(nw::LoadGlobalDefaultDEVMODE(kPrinter));
    ASSERT_TRUE(global);
    EXPECT_EQ(nw::LastErrorValue(), 0u);
    EXPECT_EQ(FileFormat.Get(global.get()), 0u);
    EXPECT_TRUE(nw::record::IsValid(global.get()));
    EXPECT_EQ(GlobalSize(global.get()), static_cast<SIZE_T>(NW_DEVMODE_SIZE));
    EXPECT_EQ(nw::LoadGlobalDefaultDEVMODE(nullptr), nullptr);
    EXPECT_EQ(nw::LastErrorValue(), 1801u);
    EXPECT_EQ(nw::LoadGlobalDefaultDEVMODE(W("No Such Printer")), nullptr);
    EXPECT_EQ(nw::LastErrorValue(), 1801u);
}

}  // namespace
