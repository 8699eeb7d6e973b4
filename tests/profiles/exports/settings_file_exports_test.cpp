// The settings file exports as a client calls them: the frame, the ANSI
// forms, and default settings built from the driver's data file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/handles.h"
#include "platform/utf_codec.h"
#include "platform/win32api.h"
#include "support/library.h"
#include "support/temp_dir.h"

namespace nw::test {
namespace {

// The library's GlobalAlloc'd record.
using DefaultRecord = Block<NordwispDEVMODE>;

WString DataFileOf(const char16_t* printer) {
    PrinterHandle handle;
    if (!::OpenPrinterW(const_cast<LPWSTR>(printer), handle.put(), nullptr)) return {};
    DWORD needed = 0;
    ::GetPrinterDriverW(handle.get(), nullptr, 2, nullptr, 0, &needed);
    std::vector<std::uint64_t> block(needed / 8 + 1);
    if (!::GetPrinterDriverW(handle.get(), nullptr, 2, reinterpret_cast<LPBYTE>(block.data()), needed, &needed))
        return {};
    return reinterpret_cast<const DRIVER_INFO_2W*>(block.data())->pDataFile;
}

class SettingsFileExportsTest : public PrinterTest {};

TEST_F(SettingsFileExportsTest, FrameAndAnsiForms) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_NE(record, nullptr);
    TempDir dir;
    EXPECT_EQ(NW_EXPORT_CALL(ExportSettingstoINIFile(nullptr, dir.File(W("a.ini")).c_str())),
              (Outcome{0, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(ExportSettingstoINIFile(record.get(), nullptr)), (Outcome{0, 0}));
    const std::string ansiPath = utf::ToUtf8(std::u16string(dir.Path().begin(), dir.Path().end())) + "\xC3\xA9t\xC3\xA9.ini";
    EXPECT_EQ(NW_EXPORT_CALL(ExportSettingstoINIFileA(record.get(), ansiPath.c_str())), (Outcome{1, 0}));
    const std::string text = ReadFileBytes(dir.File(W("\u00E9t\u00E9.ini")));
    EXPECT_EQ(text.rfind("[Default Settings]\r\nPaper Size=", 0), 0u);

    EXPECT_EQ(CreateDefaultSettings(nullptr), nullptr);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(CreateDefaultSettingsA("No Such Printer"), nullptr);
}

TEST_F(SettingsFileExportsTest, DefaultsWithoutDefaultSettingsAreLetterAt300DpiInColour) {
    const WString dataFile = DataFileOf(kPrinter);
    ASSERT_FALSE(dataFile.empty());
    ASSERT_TRUE(::WritePrivateProfileStringW(W("Default Settings"), nullptr, nullptr, dataFile.c_str()));
    DefaultRecord record(CreateDefaultSettings(kPrinter));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->DM.dmSize + record->DM.dmDriverExtra, NW_DEVMODE_SIZE);
    EXPECT_EQ(record->DM.dmPaperSize, 1);
    EXPECT_EQ(record->DM.dmPaperWidth, 2159);
    EXPECT_EQ(record->DM.dmPaperLength, 2794);
    EXPECT_EQ(GetXDPI(record.get()), 300);
    EXPECT_EQ(GetYDPI(record.get()), 300);
    EXPECT_EQ(record->DM.dmOrientation, 1);
    EXPECT_EQ(record->DM.dmBitsPerPel, 24u);
    EXPECT_EQ(record->DM.dmColor, 2);
    EXPECT_EQ(std::u16string(record->DM.dmDeviceName), kPrinter);
}

TEST_F(SettingsFileExportsTest, DefaultsMoveClearPasswordsIntoEncodedKeys) {
    const WString dataFile = DataFileOf(kPrinter);
    ASSERT_TRUE(::WritePrivateProfileStringW(W("PDF Settings"), W("Document User Password"), W("s3cret"),
                                             dataFile.c_str()));
    DefaultRecord record(CreateDefaultSettings(kPrinter));
    ASSERT_NE(record, nullptr);
    WCHAR clear[16] = {W('#')};
    ::GetPrivateProfileStringW(W("PDF Settings"), W("Document User Password"), W("missing"), clear, 16,
                               dataFile.c_str());
    EXPECT_EQ(WString(clear), W(""));
    WCHAR encoded[32] = {};
    ::GetPrivateProfileStringW(W("PDF Settings"), W("Document User Password Encoded"), W(""), encoded, 32,
                               dataFile.c_str());
    EXPECT_EQ(WString(encoded).size(), 12u);
    NWCHAR password[32] = {};
    int size = sizeof password;
    ASSERT_EQ(GetPdfUserPassword(record.get(), password, &size), 1);
    EXPECT_EQ(std::u16string(password), u"s3cret");
}

}  // namespace
}  // namespace nw::test
