// The hosted print spooler and provisioning: printer handles and access,
// the three device-mode stores, the reference driver's merge, enumeration
// and the driver's files.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/handles.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"
#include "platform/hosted/spooler.h"
#include "platform/win32api.h"
#include "support/child_process.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr char16_t kPrinter[] = u"Nordwisp Printer";

template <class T>
T At(const std::uint8_t* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}
template <class T>
void Put(std::uint8_t* bytes, std::size_t offset, T value) {
    std::memcpy(bytes + offset, &value, sizeof value);
}
std::u16string TextAt(const std::uint8_t* bytes, std::size_t offset, std::size_t capacity) {
    std::u16string text;
    for (std::size_t i = 0; i < capacity; ++i) {
        const auto c = At<char16_t>(bytes, offset + 2 * i);
        if (c == 0) break;
        text += c;
    }
    return text;
}
void PutText(std::uint8_t* bytes, std::size_t offset, std::u16string_view text) {
    std::memcpy(bytes + offset, text.data(), text.size() * 2);
    Put<char16_t>(bytes, offset + text.size() * 2, 0);
}

nw::PrinterHandle Open(const char16_t* name, ACCESS_MASK access = 0) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
    nw::PrinterHandle printer;
    EXPECT_TRUE(OpenPrinterW(const_cast<LPWSTR>(name), printer.put(), access ? &defaults : nullptr));
    return printer;
}

// The information block of a level, fetched the way callers do: size first.
Bytes Level(HANDLE printer, DWORD level) {
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterW(printer, level, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    Bytes block(needed);
    EXPECT_TRUE(GetPrinterW(printer, level, block.data(), needed, &needed));
    return block;
}

// The device mode a level-8/9 block points at, copied out; empty when none.
Bytes DevModeOf(const Bytes& block) {
    const DEVMODEW* devmode = At<DEVMODEW*>(block.data(), 0);
    if (devmode == nullptr) return {};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(devmode);
    const std::size_t size = static_cast<std::size_t>(At<WORD>(bytes, 68)) + At<WORD>(bytes, 70);
    return Bytes(bytes, bytes + size);
}

Bytes UserRecord(HANDLE printer) {
    const LONG size = DocumentPropertiesW(nullptr, printer, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(size, NW_DEVMODE_SIZE);
    Bytes record(static_cast<std::size_t>(size));
    EXPECT_EQ(DocumentPropertiesW(nullptr, printer, nullptr, reinterpret_cast<DEVMODEW*>(record.data()), nullptr,
                                  DM_OUT_BUFFER),
              IDOK);
    return record;
}

void SetLevel9(HANDLE printer, Bytes& record) {
    PRINTER_INFO_9W info{reinterpret_cast<DEVMODEW*>(record.data())};
    ASSERT_TRUE(SetPrinterW(printer, 9, reinterpret_cast<LPBYTE>(&info), 0));
}

class SpoolerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(kPrinter, u""), 0u); }
    void TearDown() override {
        nw::hosted::spooler::SetMergeHook(nullptr);
        nw::hosted::SetIdentity(identity_);
    }

private:
    nw::hosted::Identity identity_ = nw::hosted::CurrentIdentity();
};

TEST_F(SpoolerTest, ProvisionedRecordIsThisDriversDefault) {
    auto printer = Open(kPrinter);
    const Bytes record = DevModeOf(Level(printer.get(), 8));
    ASSERT_EQ(record.size(), static_cast<std::size_t>(NW_DEVMODE_SIZE));
    EXPECT_EQ(TextAt(record.data(), 0, 32), kPrinter);
    EXPECT_EQ(At<WORD>(record.data(), 66), 1777);
    EXPECT_EQ(At<WORD>(record.data(), 68), 220);
    EXPECT_EQ(At<WORD>(record.data(), 70), 6659);
    EXPECT_EQ(TextAt(record.data(), offsetof(NordwispDEVMODE, Manufacturer), 128), u"Kelmora Works");
    EXPECT_EQ(At<DWORD>(record.data(), offsetof(NordwispDEVMODE, PrinterID)), 1u);
    EXPECT_EQ(At<DWORD>(record.data(), offsetof(NordwispDEVMODE, PackedResolution)), 0x012C012Cu);
    // Its printer ID is registered for the user, the next printer gets the next one.
    nw::RegistryKey ids;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Kelmora Works\\PrinterIDs\\1", 0, KEY_READ, ids.put()),
              ERROR_SUCCESS);
    WCHAR name[64] = {};
    DWORD size = sizeof name;
    ASSERT_EQ(RegQueryValueExW(ids.get(), u"Printer name", nullptr, nullptr, reinterpret_cast<LPBYTE>(name), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::u16string(name), kPrinter);
    ASSERT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Second", u""), 0u);
    auto second = Open(u"Second");
    EXPECT_EQ(At<DWORD>(DevModeOf(Level(second.get(), 8)).data(), offsetof(NordwispDEVMODE, PrinterID)), 2u);
}

TEST_F(SpoolerTest, ProvisioningRefusesDuplicatesBadNamesAndNonAdministrators) {
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(kPrinter, u""), static_cast<DWORD>(ERROR_PRINTER_ALREADY_EXISTS));
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(u"nordwisp printer", u""),
              static_cast<DWORD>(ERROR_PRINTER_ALREADY_EXISTS));
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(u"a\\b", u""), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(u"", u""), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_EQ(nw::hosted::ProvisionOtherPrinter(u"Other", u"", u"", false), static_cast<DWORD>(ERROR_INVALID_NAME));
    auto user = nw::hosted::CurrentIdentity();
    user.administrator = false;
    nw::hosted::SetIdentity(user);
    EXPECT_EQ(nw::hosted::ProvisionNordwispPrinter(u"Third", u""), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

TEST_F(SpoolerTest, OpenPrinterChecksNameAndAccess) {
    HANDLE printer = nullptr;
    EXPECT_FALSE(OpenPrinterW(const_cast<LPWSTR>(u"No Such Printer"), &printer, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(printer, nullptr);
    EXPECT_FALSE(OpenPrinterW(nullptr, &printer, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_FALSE(OpenPrinterW(const_cast<LPWSTR>(kPrinter), nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    auto user = nw::hosted::CurrentIdentity();
    user.administrator = false;
    nw::hosted::SetIdentity(user);
    for (ACCESS_MASK access : {static_cast<ACCESS_MASK>(PRINTER_ALL_ACCESS),
                               static_cast<ACCESS_MASK>(PRINTER_ACCESS_ADMINISTER | PRINTER_ACCESS_USE)}) {
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, access};
        EXPECT_FALSE(OpenPrinterW(const_cast<LPWSTR>(kPrinter), &printer, &defaults)) << access;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    auto reader = Open(kPrinter, PRINTER_ACCESS_USE | READ_CONTROL);
    EXPECT_TRUE(reader);
    // A user's handle may not replace the global default.
    Bytes record = UserRecord(reader.get());
    PRINTER_INFO_8W info{reinterpret_cast<DEVMODEW*>(record.data())};
    EXPECT_FALSE(SetPrinterW(reader.get(), 8, reinterpret_cast<LPBYTE>(&info), 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    HANDLE closed = reader.release();
    EXPECT_TRUE(ClosePrinter(closed));
    EXPECT_FALSE(ClosePrinter(closed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(SpoolerTest, GetPrinterSizesAndLevels) {
    auto printer = Open(kPrinter);
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterW(printer.get(), 9, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    // No per-user record yet: the block holds only a null pointer.
    EXPECT_EQ(needed, sizeof(PRINTER_INFO_9W));
    EXPECT_TRUE(DevModeOf(Level(printer.get(), 9)).empty());

    EXPECT_FALSE(GetPrinterW(printer.get(), 8, nullptr, 0, &needed));
    EXPECT_EQ(needed, sizeof(PRINTER_INFO_8W) + NW_DEVMODE_SIZE);
    Bytes tooSmall(needed - 1);
    EXPECT_FALSE(GetPrinterW(printer.get(), 8, tooSmall.data(), needed - 1, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    EXPECT_FALSE(GetPrinterW(printer.get(), 3, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
    EXPECT_FALSE(GetPrinterW(nullptr, 8, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    const Bytes block = Level(printer.get(), 2);
    PRINTER_INFO_2W info;
    std::memcpy(&info, block.data(), sizeof info);
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
    Bytes record = UserRecord(admin.get());
    Put<DWORD>(record.data(), offsetof(NordwispDEVMODE, FileFormat), 7);
    SetLevel9(admin.get(), record);
    EXPECT_EQ(At<DWORD>(UserRecord(admin.get()).data(), offsetof(NordwispDEVMODE, FileFormat)), 7u);
    EXPECT_EQ(At<DWORD>(DevModeOf(Level(admin.get(), 8)).data(), offsetof(NordwispDEVMODE, FileFormat)), 0u);

    // Level 2 sets the printer's default, which level 8 reads.
    Put<DWORD>(record.data(), offsetof(NordwispDEVMODE, FileFormat), 12);
    Bytes block = Level(admin.get(), 2);
    PRINTER_INFO_2W info;
    std::memcpy(&info, block.data(), sizeof info);
    info.pDevMode = reinterpret_cast<DEVMODEW*>(record.data());
    info.pComment = const_cast<LPWSTR>(u"second floor");
    ASSERT_TRUE(SetPrinterW(admin.get(), 2, reinterpret_cast<LPBYTE>(&info), 0));
    EXPECT_EQ(At<DWORD>(DevModeOf(Level(admin.get(), 8)).data(), offsetof(NordwispDEVMODE, FileFormat)), 12u);
    block = Level(admin.get(), 2);
    std::memcpy(&info, block.data(), sizeof info);
    EXPECT_EQ(std::u16string(info.pComment), u"second floor");
    EXPECT_EQ(At<DWORD>(UserRecord(admin.get()).data(), offsetof(NordwispDEVMODE, FileFormat)), 7u);

    // Removing the user's record falls back to the global default.
    PRINTER_INFO_9W none{nullptr};
    ASSERT_TRUE(SetPrinterW(admin.get(), 9, reinterpret_cast<LPBYTE>(&none), 0));
    EXPECT_EQ(At<DWORD>(UserRecord(admin.get()).data(), offsetof(NordwispDEVMODE, FileFormat)), 12u);

    // A device mode whose header gives no usable size is refused.
    Bytes broken(220, 0);
    PRINTER_INFO_9W bad{reinterpret_cast<DEVMODEW*>(broken.data())};
    EXPECT_FALSE(SetPrinterW(admin.get(), 9, reinterpret_cast<LPBYTE>(&bad), 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(SetPrinterW(admin.get(), 9, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

NW_TEST_CHILD(ReadUserFileFormat) {
    nw::PrinterHandle printer;
    if (!OpenPrinterW(const_cast<LPWSTR>(kPrinter), printer.put(), nullptr)) return 100;
    Bytes record(NW_DEVMODE_SIZE);
    if (DocumentPropertiesW(nullptr, printer.get(), nullptr, reinterpret_cast<DEVMODEW*>(record.data()), nullptr,
                            DM_OUT_BUFFER) != IDOK)
        return 101;
    return static_cast<int>(At<DWORD>(record.data(), offsetof(NordwispDEVMODE, FileFormat)));
}

TEST_F(SpoolerTest, PerUserRecordPersistsForAnotherProcess) {
    auto printer = Open(kPrinter);
    Bytes record = UserRecord(printer.get());
    Put<DWORD>(record.data(), offsetof(NordwispDEVMODE, FileFormat), 42);
    SetLevel9(printer.get(), record);
    EXPECT_EQ(nw::test::RunChild("ReadUserFileFormat"), 42);
}

TEST_F(SpoolerTest, DriverMergesPublicFieldsByFieldsAndPrivatePartWhole) {
    auto printer = Open(kPrinter);
    Bytes input = UserRecord(printer.get());
    Put<DWORD>(input.data(), offsetof(NW_DEVMODEW, dmFields), DM_ORIENTATION);
    Put<std::int16_t>(input.data(), offsetof(NW_DEVMODEW, dmOrientation), 2);
    Put<std::int16_t>(input.data(), offsetof(NW_DEVMODEW, dmPaperSize), 9);
    Put<DWORD>(input.data(), offsetof(NordwispDEVMODE, FileFormat), 5);
    Bytes output(NW_DEVMODE_SIZE);
    ASSERT_EQ(DocumentPropertiesW(nullptr, printer.get(), nullptr, reinterpret_cast<DEVMODEW*>(output.data()),
                                  reinterpret_cast<DEVMODEW*>(input.data()), DM_IN_BUFFER | DM_OUT_BUFFER),
              IDOK);
    EXPECT_EQ(At<std::int16_t>(output.data(), offsetof(NW_DEVMODEW, dmOrientation)), 2);
    EXPECT_EQ(At<std::int16_t>(output.data(), offsetof(NW_DEVMODEW, dmPaperSize)), 1);  // DM_PAPERSIZE not set
    EXPECT_EQ(At<DWORD>(output.data(), offsetof(NordwispDEVMODE, FileFormat)), 5u);

    // A plain public device mode does not touch the private part.
    Bytes plain(sizeof(NW_DEVMODEW));
    std::memcpy(plain.data(), input.data(), plain.size());
    Put<WORD>(plain.data(), offsetof(NW_DEVMODEW, dmDriverExtra), 0);
    Put<DWORD>(plain.data(), offsetof(NW_DEVMODEW, dmFields), DM_PAPERSIZE);
    ASSERT_EQ(DocumentPropertiesW(nullptr, printer.get(), nullptr, reinterpret_cast<DEVMODEW*>(output.data()),
                                  reinterpret_cast<DEVMODEW*>(plain.data()), DM_IN_BUFFER | DM_OUT_BUFFER),
              IDOK);
    EXPECT_EQ(At<std::int16_t>(output.data(), offsetof(NW_DEVMODEW, dmPaperSize)), 9);
    EXPECT_EQ(At<std::int16_t>(output.data(), offsetof(NW_DEVMODEW, dmOrientation)), 1);
    EXPECT_EQ(At<DWORD>(output.data(), offsetof(NordwispDEVMODE, FileFormat)), 0u);

    // The merge hook plays a driver that rewrites fields; same buffer in and out.
    nw::hosted::spooler::SetMergeHook([](std::u16string_view name, std::uint8_t* devmode, std::size_t size) {
        EXPECT_EQ(name, kPrinter);
        EXPECT_EQ(size, static_cast<std::size_t>(NW_DEVMODE_SIZE));
        PutText(devmode, offsetof(NordwispDEVMODE, OutputDirectory), u"C:\\Driver");
    });
    ASSERT_EQ(DocumentPropertiesW(nullptr, printer.get(), nullptr, reinterpret_cast<DEVMODEW*>(input.data()),
                                  reinterpret_cast<DEVMODEW*>(input.data()), DM_IN_BUFFER | DM_OUT_BUFFER),
              IDOK);
    EXPECT_EQ(TextAt(input.data(), offsetof(NordwispDEVMODE, OutputDirectory), 260), u"C:\\Driver");

    EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, const_cast<LPWSTR>(u"Missing"), nullptr, nullptr, 0), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PRINTER_NAME));
    EXPECT_EQ(DocumentPropertiesW(nullptr, nullptr, const_cast<LPWSTR>(kPrinter), nullptr, nullptr, 0),
              NW_DEVMODE_SIZE);
    EXPECT_EQ(DocumentPropertiesW(nullptr, printer.get(), nullptr, nullptr, nullptr, DM_OUT_BUFFER), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(SpoolerTest, EnumPrintersListsEveryLocalPrinter) {
    ASSERT_EQ(nw::hosted::ProvisionOtherPrinter(u"Acme Laser", u"Acme Driver", u"", false), 0u);
    DWORD needed = 0;
    DWORD count = 7;
    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
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

    EXPECT_FALSE(EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 1, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(SpoolerTest, DriverFilesAndDataFile) {
    auto printer = Open(kPrinter);
    DWORD needed = 0;
    EXPECT_FALSE(GetPrinterDriverW(printer.get(), nullptr, 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    Bytes buffer(needed);
    ASSERT_TRUE(GetPrinterDriverW(printer.get(), nullptr, 2, buffer.data(), needed, &needed));
    DRIVER_INFO_2W info;
    std::memcpy(&info, buffer.data(), sizeof info);
    EXPECT_EQ(info.cVersion, 3u);
    EXPECT_EQ(std::u16string(info.pName), nw::hosted::kNordwispDriver);
    EXPECT_EQ(std::u16string(info.pEnvironment), u"Windows NT x86");
    EXPECT_EQ(std::u16string(info.pDataFile), u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\3\\nwdevdata.ini");
    EXPECT_EQ(std::u16string(info.pConfigFile), u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86\\3\\nwdevui.dll");

    std::ifstream data(nw::hosted::HostPath(info.pDataFile), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(data)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Paper Size Definitions]\r\nNumber of Paper Sizes=12\r\n"), std::string::npos);
    EXPECT_NE(text.find("Paper7 Title=A4\r\nPaper7 Available=1\r\nPaper7 AdvancedPaperSize=0\r\nPaper7 Width=2100\r\n"
                        "Paper7 Height=2970\r\nPaper7 WindowsPaperCode=9\r\nPaper7 Units=MM\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("[Default Settings]\r\nPaper Size=1\r\n"), std::string::npos);
    // The profile functions read it as the paper list and default settings do.
    EXPECT_EQ(GetPrivateProfileIntW(u"Paper Size Definitions", u"Number of Paper Sizes", 0, info.pDataFile), 12u);
    WCHAR title[64] = {};
    EXPECT_EQ(GetPrivateProfileStringW(u"Paper Size Definitions", u"Paper12 Title", u"", title, 64, info.pDataFile), 11u);
    EXPECT_EQ(std::u16string(title), u"Envelope DL");
    EXPECT_EQ(GetPrivateProfileIntW(u"Default Settings", u"Flags", 0, info.pDataFile), 0x106E022u);

    EXPECT_FALSE(GetPrinterDriverW(printer.get(), const_cast<LPWSTR>(u"Windows IA64"), 2, nullptr, 0, &needed));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_ENVIRONMENT));

    EXPECT_FALSE(GetPrinterDriverDirectoryW(nullptr, nullptr, 1, nullptr, 0, &needed));
    const std::u16string folder = u"C:\\Windows\\System32\\spool\\DRIVERS\\W32X86";
    EXPECT_EQ(needed, (folder.size() + 1) * 2);
    std::vector<WCHAR> directory(folder.size() + 1);
    ASSERT_TRUE(GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(directory.data()), needed,
                                           &needed));
    EXPECT_EQ(std::u16string(directory.data()), folder);
}

}  // namespace
