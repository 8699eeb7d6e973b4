// The internal record operations that are not exported: the level-2 saver
// and the global-default loader.
#include <cstring>
#include <vector>

#include "record/record.h"
#include "support/core_printer.h"

namespace nw::test {
namespace {

constexpr auto FileFormat = NW_RECORD_FIELD(std::uint32_t, FileFormat);

std::uint32_t GlobalFileFormat() {
    nw::PrinterHandle printer;
    EXPECT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kCorePrinter), printer.put(), nullptr));
    DWORD needed = 0;
    GetPrinterW(printer.get(), 8, nullptr, 0, &needed);
    std::vector<std::uint8_t> block(needed);
    EXPECT_TRUE(GetPrinterW(printer.get(), 8, block.data(), needed, &needed));
    NordwispDEVMODE* devmode = nullptr;
    std::memcpy(&devmode, block.data(), sizeof devmode);
    return FileFormat.Get(devmode);
}

TEST_F(CorePrinterTest, PrinterInfoSaverStoresThePrintersDefault) {
    FileFormat.Set(record(), 17);
    EXPECT_EQ(NW_CORE_CALL(nw::SavePrinterInfoDEVMODE(kCorePrinter, record())), (Outcome{1, 0}));
    EXPECT_EQ(GlobalFileFormat(), 17u);
    EXPECT_EQ(NW_CORE_CALL(nw::SavePrinterInfoDEVMODE(nullptr, record())), (Outcome{0, 1801}));
    EXPECT_EQ(NW_CORE_CALL(nw::SavePrinterInfoDEVMODE(kCorePrinter, nullptr)), (Outcome{0, kNullArgument}));

    auto user = nw::hosted::CurrentIdentity();
    user.administrator = false;
    nw::hosted::SetIdentity(user);
    FileFormat.Set(record(), 18);
    EXPECT_EQ(NW_CORE_CALL(nw::SavePrinterInfoDEVMODE(kCorePrinter, record())), (Outcome{0, 5}));
    EXPECT_EQ(GlobalFileFormat(), 17u);
}

TEST_F(CorePrinterTest, GlobalDefaultLoaderReadsLevel8OnlyOnVersion5) {
    FileFormat.Set(record(), 4);
    ASSERT_EQ(nw::SaveRecord(kCorePrinter, record(), nw::RecordStore::PerUser), 1);

    // Elsewhere it is the ordinary load, which prefers the user's record.
    LoadedRecord loaded(nw::LoadGlobalDefaultDEVMODE(kCorePrinter));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(FileFormat.Get(loaded.get()), 4u);

    nw::hosted::SetOsMajorVersion(5);
    LoadedRecord global(nw::LoadGlobalDefaultDEVMODE(kCorePrinter));
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
}  // namespace nw::test
