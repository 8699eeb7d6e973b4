// Which printers belong to this driver: identification, installed version
// and the printer list with its filters.
#include <string>

#include "support/library.h"

namespace nw::test {
namespace {

TEST_F(PrinterTest, IdentifiesThisDriversPrinters) {
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Acme Laser", u"Acme Driver", nullptr, 0), 0u);
    EXPECT_EQ(NW_EXPORT_CALL(IsNordwispPrinter(kPrinter)), (Outcome{1, 0}));
    EXPECT_EQ(IsNordwispPrinterA("Nordwisp Printer"), 1);
    // Another driver's printer loads fine but is not ours.
    EXPECT_EQ(NW_EXPORT_CALL(IsNordwispPrinter(u"Acme Laser")), (Outcome{0, 0}));
    EXPECT_EQ(NW_EXPORT_CALL(IsNordwispPrinter(u"No Such Printer")), (Outcome{0, 1801}));
    EXPECT_EQ(IsNordwispPrinter(u"Acme Laser"), 0);
    EXPECT_EQ(NW_EXPORT_CALL(IsNordwispPrinter(nullptr)), (Outcome{0, 1801}));
    EXPECT_EQ(IsNordwispPrinter(u"Acme Laser"), 0);
    EXPECT_EQ(NW_EXPORT_CALL(IsNordwispPrinterA(nullptr)), (Outcome{0, 1801}));

    EXPECT_EQ(GetInstalledDriverVersion(kPrinter), 1777);
    EXPECT_EQ(GetInstalledDriverVersionA("Nordwisp Printer"), 1777);
    EXPECT_EQ(NW_EXPORT_CALL(GetInstalledDriverVersion(u"Acme Laser")), (Outcome{0x100, 0}));
    EXPECT_EQ(NW_EXPORT_CALL(GetInstalledDriverVersion(u"No Such Printer")), (Outcome{0, 1801}));
    // The supported version touches no last error.
    EXPECT_EQ(NW_EXPORT_CALL(GetSupportedDriverVersion()), (Outcome{1777, 1801}));
}

TEST_F(PrinterTest, ManufacturerMustMatchExactly) {
    for (std::u16string maker : {u"kelmora works", u"Kelmora Works ", u"Kelmora"}) {
        Record record(LoadNordwispDEVMODE(kPrinter));
        ASSERT_TRUE(record);
        PutText(*record, NW_OFFSET(Manufacturer), maker);
        ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
        EXPECT_EQ(IsNordwispPrinter(kPrinter), 0) << maker.size();
    }
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    PutText(*record, NW_OFFSET(Manufacturer), u"Kelmora Works");
    ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(IsNordwispPrinter(kPrinter), 1);
}

TEST_F(PrinterTest, PrinterListKeepsOnlyThisDriversLocalQueues) {
    ASSERT_EQ(NordwispMachine_AddPrinter(u"Beta", u"TS001"), 0u);   // redirected session port
    ASSERT_EQ(NordwispMachine_AddPrinter(u"Eta", u"TS01"), 0u);     // four characters: kept
    ASSERT_EQ(NordwispMachine_AddPrinter(u"Theta", u"TSX01"), 0u);  // not digits: kept
    ASSERT_EQ(NordwispMachine_AddPrinter(u"Iota", u"ts001"), 0u);   // lower case: kept
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Gamma", u"Acme Driver", nullptr, 0), 0u);
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Delta", u"Remote Desktop Easy Print", nullptr, 1), 0u);
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Epsilon", u"Remotive Driver", nullptr, 1), 0u);
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Zeta", u"Acme Driver", nullptr, 1), 0u);

    Record failed(LoadNordwispDEVMODE(nullptr));  // leaves 1801, which the list does not touch
    Block<NWCHAR> list(GetNordwispPrinters());
    ASSERT_TRUE(list);
    EXPECT_EQ(std::u16string(list.get()), u"Eta;Iota;Nordwisp Printer;Theta;Zeta");
    EXPECT_EQ(NordwispMachine_BlockSize(list.get()), 1024u);
    EXPECT_EQ(Nordwisp_GetLastError(), 1801u);

    Block<char> ansi(GetNordwispPrintersA());
    ASSERT_TRUE(ansi);
    EXPECT_EQ(std::string(ansi.get()), "Eta;Iota;Nordwisp Printer;Theta;Zeta");
    EXPECT_EQ(NordwispMachine_BlockSize(ansi.get()), 37u);  // one byte per character and the terminator
}

TEST(PrinterListTest, EmptyMachineGivesAnEmptyText) {
    Block<NWCHAR> list(GetNordwispPrinters());
    ASSERT_TRUE(list);
    EXPECT_EQ(list.get()[0], 0);
    EXPECT_EQ(NordwispMachine_BlockSize(list.get()), 1024u);
    Block<char> ansi(GetNordwispPrintersA());
    ASSERT_TRUE(ansi);
    EXPECT_EQ(NordwispMachine_BlockSize(ansi.get()), 1u);
}

TEST(PrinterListTest, ListGrowsInStepsOf1024Bytes) {
    // 60 names of 24 characters: 1499 characters with the separators, 3000
    // bytes with the terminator, so the block grows twice.
    std::u16string expected;
    for (int i = 0; i < 60; ++i) {
        std::u16string name = u"Nordwisp test printer ";
        name += static_cast<char16_t>(u'0' + i / 10);
        name += static_cast<char16_t>(u'0' + i % 10);
        ASSERT_EQ(NordwispMachine_AddPrinter(name.c_str(), nullptr), 0u);
        if (!expected.empty()) expected += u';';
        expected += name;
    }
    Block<NWCHAR> list(GetNordwispPrinters());
    ASSERT_TRUE(list);
    EXPECT_EQ(std::u16string(list.get()), expected);
    EXPECT_EQ(NordwispMachine_BlockSize(list.get()), 3072u);
}

}  // namespace
}  // namespace nw::test
