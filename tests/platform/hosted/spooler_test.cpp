// The hosted print spooler and provisioning: printer handles and access,
// the three device-mode stores, the reference driver's merge, enumeration
// and the driver's files.
#include "platform/hosted/spooler.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "hosted_test.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/provisioning.h"
#include "support/child_process.h"
#include "support/records.h"
#include "support/registry.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<BYTE>;
using nw::test::At;
using nw::test::FailedWith;
using nw::test::PrinterLevel;
using nw::test::Put;
using nw::test::StructAt;
constexpr char16_t kPrinter[] = u"Nordwisp Printer";
constexpr std::size_t kFileFormat = offsetof(NordwispDEVMODE, FileFormat);

nw::PrinterHandle Open(const char16_t *name, ACCESS_MASK access = 0) {
    return nw::test::OpenPrinterHandle(name, access);
}

// The record a level-8/9 block points at; zeroed when it points at none.
NordwispDEVMODE RecordAt(const Bytes &block) {
    const auto *devmode = StructAt<const DEVMODEW *>(block);
    NordwispDEVMODE record{};
    if (devmode)
        std::memcpy(&record, devmode, std::min<std::size_t>(sizeof record, devmode->dmSize + devmode->dmDriverExtra));
    return record;
}

NordwispDEVMODE UserRecord(HANDLE printer) {
    EXPECT_EQ(DocumentPropertiesW(nullptr, printer, nullptr, nullptr, nullptr, 0), NW_DEVMODE_SIZE);
    NordwispDEVMODE record{};
    EXPECT_EQ(
        DocumentPropertiesW(nullptr, printer, nullptr, reinterpret_cast<DEVMODEW *>(&record), nullptr, DM_OUT_BUFFER),
        IDOK);
    return record;
}

DWORD UserFileFormat(HANDLE printer) { return At<DWORD>(UserRecord(printer), kFileFormat); }
DWORD DefaultFileFormat(HANDLE printer) { return At<DWORD>(RecordAt(PrinterLevel(printer, 8)), kFileFormat); }

BOOL SetRecord(HANDLE printer, DWORD level, NordwispDEVMODE *record) {
    PRINTER_INFO_9W info{reinterpret_cast<DEVMODEW *>(record)};  // levels 8 and 9 look alike
    return SetPrinterW(printer, level, reinterpret_cast<LPBYTE>(&info), 0);
}

LONG Merge(HANDLE printer, void *out, void *in) {
    return DocumentPropertiesW(nullptr, printer, nullptr, static_cast<DEVMODEW *>(out), static_cast<DEVMODEW *>(in),
                               DM_IN_BUFFER | DM_OUT_BUFFER);
}

class SpoolerTest : public nw::test::HostedTest {
protected:
    void SetUp() override { ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(kPrinter, u""), 0u); }
    void TearDown() override {
        nw::hosted::spooler::SetMergeHook(nullptr);
        HostedTest::TearDown();
    }
    static void BecomeUser() {
        Become([](nw::hosted::Identity &id) { id.administrator = false; });
    }
};

TEST_F(SpoolerTest, ProvisionedRecordIsThisDriversDefault) {
    auto printer = Open(kPrinter);
    const NordwispDEVMODE record = RecordAt(PrinterLevel(printer.get(), 8));
    EXPECT_EQ(nw::test::TextAt(record, 0, 32), kPrinter);
    EXPECT_EQ(At<WORD>(record, 66), 1777);
    EXPECT_EQ(At<WORD>(record, 68), 220);
    EXPECT_EQ(At<WORD>(record, 70), 6659);
    EXPECT_EQ(nw::test::TextAt(record, offsetof(NordwispDEVMODE, Manufacturer), 128), u"Kelmora Works");
    EXPECT_EQ(At<DWORD>(record, offsetof(NordwispDEVMODE, PrinterID)), 1u);
    EXPECT_EQ(At<DWORD>(record, offsetof(NordwispDEVMODE, PackedResolution)), 0x012C012Cu);
    // Its printer ID is registered for the user, the next printer gets the next
    // one.
    EXPECT_EQ(nw::test::StoredText(u"SOFTWARE\\Kelmora Works\\PrinterIDs\\1", u"Printer name"),
              std::u16string(kPrinter));
    ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Second", u""), 0u);
    auto second = Open(u"Second");
    EXPECT_EQ(At<DWORD>(RecordAt(PrinterLevel(second.get(), 8)), offsetof(NordwispDEVMODE, PrinterID)), 2u);
}

TEST_F(SpoolerTest, ProvisioningRefusesDuplicatesBadNamesAndNonAdministrators) {
    for (const char16_t *name : {kPrinter, u"nordwisp printer"})
        EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(name, u""), static_cast<DWORD>(ERROR_PRINTER_ALREADY_EXISTS));
    for (const char16_t *name : {u"a\\b", u""})
        EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(name, u""), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(nw::hosted::ProvisionOtherPrinter(u"Other", u"", u"", false), static_cast<DWORD>(ERROR_INVALID_NAME));
    BecomeUser();
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Third", u""), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(SpoolerTest, OpenPrinterChecksNameAndAccess) {
    HANDLE printer = nullptr;
    EXPECT_TRUE(FailedWith(!OpenPrinterW(const_cast<LPWSTR>(u"No Such Printer"), &printer, nullptr),
                           ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(printer, nullptr);
    EXPECT_TRUE(FailedWith(!OpenPrinterW(nullptr, &printer, nullptr), ERROR_INVALID_PRINTER_NAME));
    EXPECT_TRUE(FailedWith(!OpenPrinterW(const_cast<LPWSTR>(kPrinter), nullptr, nullptr), ERROR_INVALID_PARAMETER));

    BecomeUser();
    for (ACCESS_MASK access : {static_cast<ACCESS_MASK>(PRINTER_ALL_ACCESS),
                               static_cast<ACCESS_MASK>(PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE)}) {
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
        EXPECT_TRUE(FailedWith(!OpenPrinterW(const_cast<LPWSTR>(kPrinter), &printer, &defaults), ERROR_ACCESS_DENIED))
            << access;
    }
    auto reader = Open(kPrinter, PRINTER_ACCESS_USE | READ_CONTROL);
    EXPECT_TRUE(reader);
    // A user's handle may not replace the global default.
    NordwispDEVMODE record = UserRecord(reader.get());
    EXPECT_TRUE(FailedWith(!SetRecord(reader.get(), 8, &record), ERROR_ACCESS_DENIED));

    HANDLE closed = reader.release();
    EXPECT_TRUE(ClosePrinter(closed));
    EXPECT_TRUE(FailedWith(!ClosePrinter(closed), ERROR_INVALID_HANDLE));
}

TEST_F(SpoolerTest, GetPrinterSizesAndLevels) {
    auto printer = Open(kPrinter);
    // No per-user record yet: the block holds only a null pointer.
    EXPECT_EQ(PrinterLevel(printer.get(), 9).size(), sizeof(PRINTER_INFO_9W));
    EXPECT_EQ(RecordAt(PrinterLevel(printer.get(), 9)).DM.dmSize, 0);

    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterW(printer.get(), 8, nullptr, 0, &needed));
    EXPECT_EQ(needed, sizeof(PRINTER_INFO_8W) + NW_DEVMODE_SIZE);
    Bytes tooSmall(needed - 1);
    EXPECT_TRUE(
        FailedWith(!GetPrinterW(printer.get(), 8, tooSmall.data(), needed - 1, &needed), ERROR_INSUFFICIENT_BUFFER));
    EXPECT_TRUE(FailedWith(!GetPrinterW(printer.get(), 3, nullptr, 0, &needed), ERROR_INVALID_LEVEL));
    EXPECT_TRUE(FailedWith(!GetPrinterW(nullptr, 8, nullptr, 0, &needed), ERROR_INVALID_HANDLE));

    const Bytes block = PrinterLevel(printer.get(), 2);
    const auto info = StructAt<PRINTER_INFO_2W>(block);
    EXPECT_EQ(std::u16string(info.pPrinterName), kPrinter);
    EXPECT_EQ(std::u16string(info.pDriverName), nw::hosted::kNordwispDriver);
    EXPECT_EQ(std::u16string(info.pPortName), u"NORDWISP:");
    EXPECT_EQ(std::u16string(info.pPrintProcessor), u"winprint");
    EXPECT_EQ(info.Attributes, static_cast<DWORD>(PRINTER_ATTRIBUTE_LOCAL));
    EXPECT_EQ(info.pServerName, nullptr);
    ASSERT_NE(info.pDevMode, nullptr);
    EXPECT_EQ(info.pDevMode->dmDriverExtra, 6659);
}

TEST_F(SpoolerTest, StoresKeepPerUserAndGlobalApart) {
    auto admin = Open(kPrinter, PRINTER_ALL_ACCESS);
    NordwispDEVMODE record = UserRecord(admin.get());
    Put<DWORD>(record, kFileFormat, 7);
    ASSERT_TRUE(SetRecord(admin.get(), 9, &record));
    EXPECT_EQ(UserFileFormat(admin.get()), 7u);
    EXPECT_EQ(DefaultFileFormat(admin.get()), 0u);

    // Level 2 sets the printer's default, which level 8 reads.
    Put<DWORD>(record, kFileFormat, 12);
    Bytes block = PrinterLevel(admin.get(), 2);
    auto info = StructAt<PRINTER_INFO_2W>(block);
    info.pDevMode = reinterpret_cast<DEVMODEW *>(&record);
    info.pComment = const_cast<LPWSTR>(u"second floor");
    ASSERT_TRUE(SetPrinterW(admin.get(), 2, reinterpret_cast<LPBYTE>(&info), 0));
    EXPECT_EQ(DefaultFileFormat(admin.get()), 12u);
    block = PrinterLevel(admin.get(), 2);
    EXPECT_EQ(std::u16string(StructAt<PRINTER_INFO_2W>(block).pComment), u"second floor");
    EXPECT_EQ(UserFileFormat(admin.get()), 7u);

    // Removing the user's record falls back to the global default.
    ASSERT_TRUE(SetRecord(admin.get(), 9, nullptr));
    EXPECT_EQ(UserFileFormat(admin.get()), 12u);

    // A device mode whose header gives no usable size is refused.
    NordwispDEVMODE broken{};
    EXPECT_TRUE(FailedWith(!SetRecord(admin.get(), 9, &broken), ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(FailedWith(!SetPrinterW(admin.get(), 9, nullptr, 0), ERROR_INVALID_PARAMETER));
}

NW_TEST_CHILD(ReadUserFileFormat) {
    nw::PrinterHandle printer;
    if (!OpenPrinterW(const_cast<LPWSTR>(kPrinter), printer.put(), nullptr)) return 100;
    return static_cast<int>(UserFileFormat(printer.get()));
}

TEST_F(SpoolerTest, PerUserRecordPersistsForAnotherProcess) {
    auto printer = Open(kPrinter);
    NordwispDEVMODE record = UserRecord(printer.get());
    Put<DWORD>(record, kFileFormat, 42);
    ASSERT_TRUE(SetRecord(printer.get(), 9, &record));
    EXPECT_EQ(nw::test::RunChild("ReadUserFileFormat"), 42);
}

TEST_F(SpoolerTest, DriverMergesPublicFieldsByFieldsAndPrivatePartWhole) {
    auto printer = Open(kPrinter);
    NordwispDEVMODE input = UserRecord(printer.get());
    Put<DWORD>(input, offsetof(NW_DEVMODEW, dmFields), DM_ORIENTATION);
    Put<std::int16_t>(input, offsetof(NW_DEVMODEW, dmOrientation), 2);
    Put<std::int16_t>(input, offsetof(NW_DEVMODEW, dmPaperSize), 9);
    Put<DWORD>(input, kFileFormat, 5);
    NordwispDEVMODE output{};
    ASSERT_EQ(Merge(printer.get(), &output, &input), IDOK);
    EXPECT_EQ(At<std::int16_t>(output, offsetof(NW_DEVMODEW, dmOrientation)), 2);
    EXPECT_EQ(At<std::int16_t>(output, offsetof(NW_DEVMODEW, dmPaperSize)),
              1);  // DM_PAPERSIZE not set
    EXPECT_EQ(At<DWORD>(output, kFileFormat), 5u);

    // A plain public device mode does not touch the private part.
    NW_DEVMODEW plain;
    std::memcpy(&plain, &input, sizeof plain);
    plain.dmDriverExtra = 0;
    plain.dmFields = DM_PAPERSIZE;
    ASSERT_EQ(Merge(printer.get(), &output, &plain), IDOK);
    EXPECT_EQ(At<std::int16_t>(output, offsetof(NW_DEVMODEW, dmPaperSize)), 9);
    EXPECT_EQ(At<std::int16_t>(output, offsetof(NW_DEVMODEW, dmOrientation)), 1);
    EXPECT_EQ(At<DWORD>(output, kFileFormat), 0u);

    // The merge hook plays a driver that rewrites fields; same buffer in and out.
    nw::hosted::spooler::SetMergeHook([](std::u16string_view name, std::uint8_t *devmode, std::size_t size) {
        EXPECT_EQ(name, kPrinter);
        EXPECT_EQ(size, static_cast<std::size_t>(NW_DEVMODE_SIZE));
        std::memcpy(devmode + offsetof(NordwispDEVMODE, OutputDirectory), u"C:\\Driver", 20);
    });
    ASSERT_EQ(Merge(printer.get(), &input, &input), IDOK);
    EXPECT_EQ(nw::test::TextAt(input, offsetof(NordwispDEVMODE, OutputDirectory)), u"C:\\Driver");

    EXPECT_TRUE(
        FailedWith(DocumentPropertiesW(nullptr, nullptr, const_cast<LPWSTR>(u"Missing"), nullptr, nullptr, 0) == -1,
                   ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, const_cast<LPWSTR>(kPrinter), nullptr, nullptr, 0),
              NW_DEVMODE_SIZE);
    EXPECT_TRUE(FailedWith(DocumentPropertiesW(nullptr, printer.get(), nullptr, nullptr, nullptr, DM_OUT_BUFFER) == -1,
                           ERROR_INVALID_PARAMETER));
}

TEST_F(SpoolerTest, EnumPrintersListsEveryLocalPrinter) {
    ASSERT_EQ(nw::hosted::ProvisionOtherPrinter(u"Acme Laser", u"Acme Driver", u"", false), 0u);
    DWORD needed = 0;
    DWORD count = 7;
    EXPECT_TRUE(FailedWith(!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count),
                           ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(count, 0u);
    Bytes buffer(needed);
    ASSERT_TRUE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count));
    ASSERT_EQ(count, 2u);
    PRINTER_INFO_2W infos[2];
    std::memcpy(infos, buffer.data(), sizeof infos);
    EXPECT_EQ(std::u16string(infos[0].pPrinterName), u"Acme Laser");
    EXPECT_EQ(std::u16string(infos[0].pDriverName), u"Acme Driver");
    EXPECT_EQ(std::u16string(infos[0].pPortName), u"LPT1:");
    EXPECT_EQ(infos[0].pDevMode->dmDriverExtra, 0);
    EXPECT_EQ(std::u16string(infos[1].pPrinterName), kPrinter);
    EXPECT_TRUE(
        FailedWith(!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count), ERROR_INVALID_LEVEL));
}

TEST_F(SpoolerTest, DriverFilesAndDataFile) {
    auto printer = Open(kPrinter);
    DWORD needed = 0;
    EXPECT_TRUE(
        FailedWith(!GetPrinterDriverW(printer.get(), nullptr, 2, nullptr, 0, &needed), ERROR_INSUFFICIENT_BUFFER));
    Bytes buffer(needed);
    ASSERT_TRUE(GetPrinterDriverW(printer.get(), nullptr, 2, buffer.data(), needed, &needed));
    const auto info = StructAt<DRIVER_INFO_2W>(buffer);
    EXPECT_EQ(info.cVersion, 3u);
    EXPECT_EQ(std::u16string(info.pName), nw::hosted::kNordwispDriver);
    EXPECT_EQ(std::u16string(info.pEnvironment), u"Windows NT x86");
    EXPECT_EQ(std::u16string(info.pDataFile), u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\3\\nwdevdata.ini");
    EXPECT_EQ(std::u16string(info.pConfigFile), u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\3\\nwdevui.dll");

    const std::string text = nw::test::ReadFileBytes(info.pDataFile);
    EXPECT_NE(text.find("[Paper Size Definitions]\r\nNumber of Paper Sizes=12\r\n"), std::string::npos);
    EXPECT_NE(text.find("Paper7 Title=A4\r\nPaper7 Available=1\r\nPaper7 "
                        "AdvancedPaperSize=0\r\nPaper7 Width=2100\r\n"
                        "Paper7 Height=2970\r\nPaper7 "
                        "WindowsPaperCode=9\r\nPaper7 Units=MM\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[Default Settings]\r\nPaper Size=1\r\n"), std::string::npos);
    // The profile functions read it as the paper list and default settings do.
    EXPECT_EQ(GetPrivateProfileIntW(u"Paper Size Definitions", u"Number of Paper Sizes", 0, info.pDataFile), 12u);
    WCHAR title[64] = {};
    EXPECT_EQ(GetPrivateProfileStringW(u"Paper Size Definitions", u"Paper12 Title", u"", title, 64, info.pDataFile),
              11u);
    EXPECT_EQ(std::u16string(title), u"Envelope DL");
    EXPECT_EQ(GetPrivateProfileIntW(u"Default Settings", u"Flags", 0, info.pDataFile), 0x106E022u);

    EXPECT_TRUE(
        FailedWith(!GetPrinterDriverW(printer.get(), const_cast<LPWSTR>(u"Windows IA64"), 2, nullptr, 0, &needed),
                   ERROR_INVALID_ENVIRONMENT));

    EXPECT_FALSE(GetPrinterDriverDirectoryW(nullptr, nullptr, 1, nullptr, 0, &needed));
    const std::u16string folder = u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86";
    EXPECT_EQ(needed, (folder.size() + 1) * 2);
    std::vector<WCHAR> directory(folder.size() + 1);
    ASSERT_TRUE(
        GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(directory.data()), needed, &needed));
    EXPECT_EQ(std::u16string(directory.data()), folder);
}

}  // namespace
