// Export and import of whole settings files on the hosted machine: a
// printer with non-default settings in every family survives the round
// trip into a second printer, and the import's rules for the irregular keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "accessors/numeric_accessors.h"
#include "accessors/switch_accessors.h"
#include "devmode/range_verification.h"
#include "papers/paper_list.h"
#include "papers/paper_operations.h"
#include "profiles/default_environment.h"
#include "profiles/settings_writer.h"
#include "settings/family_tables.h"
#include "settings/fonts.h"
#include "settings/name_lists.h"
#include "settings/numbered_lists.h"
#include "settings/passwords.h"
#include "settings/stamp_presets.h"
#include "settings/registry_primitives.h"
#include "support/core_printer.h"
#include "support/registry.h"
#include "support/temp_dir.h"

namespace nw::profiles {
namespace {

using namespace nw::settings;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

constexpr WCHAR kSecondPrinter[] = W("Nordwisp Second");
constexpr DWORD kCapabilities = 0x10;

// The file's lines without the keys the import does not read back.
std::vector<std::string> ReadBackLines(const std::string& bytes) {
    static const char* const kNotReadBack[] = {
        "SessionID=", "INIFileName=", "FTP Utility=", "HTTP Utility=", "Database Utility=", "M-Files Utility=",
        "Merge Utility=", "Formfill Directory=", "Common Forms Directory=", "User Forms Directory=", "NwOCR.Dll=",
        "NwOCRx.Dll=", "Selected Watermark Stamp="};
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    bool resolutions = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') resolutions = line.rfind("[Resolutions]", 0) == 0;
        const bool skipped = std::any_of(std::begin(kNotReadBack), std::end(kNotReadBack),
                                         [&](const char* key) { return line.rfind(key, 0) == 0; });
        if (!resolutions && !skipped) lines.push_back(line);
    }
    return lines;
}

class SettingsRoundTripTest : public test::CorePrinterTest {
protected:
    void SetUp() override {
        CorePrinterTest::SetUp();
        ASSERT_EQ(hosted::ProvisionNordwispPrinter(kSecondPrinter, u"NORDWISP2:"), 0u);
        second_.reset(LoadRecord(kSecondPrinter, 0));
        ASSERT_NE(second_, nullptr);
    }

    void MakeRich() {
        NordwispDEVMODE* r = record();
        using namespace nw::accessors;
        WriteNumber(r, numbers::FileFormat, 7);
        WriteSwitch(r, switches::PageNumbering, true);
        WriteSwitch(r, switches::UnicodeText, true);
        WriteSwitch(r, switches::Annotation, true);
        WriteSwitch(r, switches::AnnotationDateFormatDDMMYYYY, true);
        WriteSwitch(r, switches::Barcode, true);
        WriteNumber(r, numbers::QRModuleSize, 5);
        WriteNumber(r, numbers::NUp, 4);
        WriteNumber(r, numbers::TextOutputFormat, 1);
        record::OutputDirectory.Set(r, W("C:\\Output\\Rich"));
        VerifyDevModeRange(printer(), r, 0, kCapabilities);

        WriteSetting(r, pdf::Title, W("Quarterly ü report"));
        WriteSetting(r, pdf::JPEGQuality, 42);
        WritePdfPassword(r, pdf::UserPassword, W("user-pass"));
        WriteSmtpPassword(r, W("smtp-secret"));
        WriteHexPassword(r, sharepoint::Pass, W("sp"));
        WriteSetting(r, email::To, W("a@example.com; b@example.com"));
        WriteSetting(r, email::Logging, 1);
        WriteSetting(r, header::Text, W("Header text"));
        NW_LOGFONTW font{};
        font.lfHeight = -24;
        font.lfWeight = 700;
        std::copy_n(W("Courier New"), 11, font.lfFaceName);
        WriteFont(r, FontOwner::Header, font);
        WriteSetting(r, ocr::Languages, W("eng+deu"));
        WriteSetting(r, xml::IncludeDTD, 0);
        WriteSetting(r, text_output::Columns, 132);
        WriteSetting(r, page::CropLeft, 11);
        WriteSetting(r, redirect_printing::Copies, 3);
        WriteSetting(r, filename_generation::MergeUtility, W("merge.exe"));
        for (const WCHAR* name : {W("Alpha"), W("Beta"), W("Gamma")}) {
            const std::int32_t entry = AddEntry(r, kFtpConnections, name);
            WriteSetting(r, *AtEntry(ftp::Port, entry), 2100 + entry);
            WriteHexPassword(r, *AtEntry(ftp::Password, entry), (WString(name) + W("-pw")).c_str());
        }
        WriteSetting(r, ftp::SelectedConnection, EntryAt(r, kFtpConnections, 1));
        for (const WCHAR* name : {W("Draft"), W("Copy")}) {
            WriteSetting(r, text_stamp::Text, name);
            SaveTextStampPreset(r, name);
        }
        WriteBatesSetting(r, 1, W("Number of Formats"), W("2"));
        WriteBatesSetting(r, 1, W("Name"), W("First"));
        WriteBatesSetting(r, 2, W("Name"), W("Second"));
        WriteBatesSetting(r, 2, W("Start with"), W("100"));
        WriteNameItem(r, kRedirectPrinters, 0, W("Office Laser"));
        WriteNameItem(r, kRedirectPrinters, 1, W("Archive"));
        WriteNameCount(r, kRedirectPrinters, 2);
        WriteNameItem(r, kPdfForceEmbedFonts, 0, W("Arial"));
        WriteNameCount(r, kPdfForceEmbedFonts, 1);
        ASSERT_NE(papers::AddPaper(r, W("Banner"), 2000, 6000, papers::kUnitsMillimetres), 0);
    }

    test::LoadedRecord second_;
};

TEST_F(SettingsRoundTripTest, RichPrinterSurvivesExportAndImportIntoAnotherPrinter) {
    MakeRich();
    TempDir dir;
    const WString first = dir.File(W("first.ini"));
    const WString again = dir.File(W("again.ini"));
    ASSERT_EQ(ExportSettingsToIniFile(record(), first.c_str()), 1);

    DefaultEnvironment(printer(), first.c_str(), second_.get(), kCapabilities);
    ASSERT_EQ(ExportSettingsToIniFile(second_.get(), again.c_str()), 1);

    const std::string before = ReadFileBytes(first);
    EXPECT_NE(before.find("Document User Password Encoded="), std::string::npos);
    EXPECT_NE(before.find("[FTP Connection 3]"), std::string::npos);
    EXPECT_NE(before.find("Merge Utility=merge.exe"), std::string::npos);
    const std::vector<std::string> expected = ReadBackLines(before);
    const std::vector<std::string> actual = ReadBackLines(ReadFileBytes(again));
    EXPECT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i;

    // The getters of the second printer answer as the first's.
    WString password(64, 0);
    DWORD size = static_cast<DWORD>(password.size() * sizeof(WCHAR));
    ASSERT_TRUE(ReadPdfPassword(second_.get(), pdf::UserPassword, password.data(), &size));
    EXPECT_EQ(WString(password.c_str()), W("user-pass"));
    EXPECT_EQ(record::OutputDirectory.Get(second_.get()), W("C:\\Output\\Rich"));
    EXPECT_EQ(ReadSetting(second_.get(), pdf::JPEGQuality), 42);
    EXPECT_EQ(CountEntries(second_.get(), kFtpConnections), 3);
    EXPECT_EQ(ReadSetting(second_.get(), ftp::SelectedConnection),
              FindEntry(second_.get(), kFtpConnections, W("Beta")));
    WString merge;
    EXPECT_FALSE(ReadWholeText(second_.get(), filename_generation::MergeUtility, 1024, merge)) << "not read back";
}

TEST_F(SettingsRoundTripTest, ExportEdgeCases) {
    TempDir dir;
    NordwispDEVMODE* r = record();
    NW_FIELD_BYTES(ColorDepth).Write(r, 1);
    WritePdfPassword(r, pdf::UserPassword, W("abcd"));
    const WString one = dir.File(W("one.ini"));
    const WString two = dir.File(W("two.ini"));
    ASSERT_EQ(ExportSettingsToIniFile(r, one.c_str()), 1);
    ASSERT_EQ(ExportSettingsToIniFile(r, two.c_str()), 1);
    const std::string text = ReadFileBytes(one);
    EXPECT_EQ(text, ReadFileBytes(two)) << "unchanged settings export the same bytes";
    EXPECT_NE(text.find("BitsPerPixel=8gray\r\n"), std::string::npos);
    EXPECT_NE(text.find("Document User Password=\r\n"), std::string::npos);
    const std::size_t encoded = text.find("Document User Password Encoded=");
    ASSERT_NE(encoded, std::string::npos);
    const std::size_t start = encoded + std::string("Document User Password Encoded=").size();
    EXPECT_EQ(text.find("\r\n", start) - start, 8u);

    // The general writer through the profile functions gives the same bytes.
    const WString perKey = dir.File(W("per-key.ini"));
    ASSERT_EQ(WriteSettingsToIni(r, perKey.c_str(), 0, ProfileFunctionWriters()), 1);
    EXPECT_EQ(ReadFileBytes(perKey), text);

    EXPECT_EQ(ExportSettingsToIniFile(nullptr, one.c_str()), 0);
    EXPECT_EQ(ExportSettingsToIniFile(r, nullptr), 0);
}

TEST_F(SettingsRoundTripTest, PrinterWithoutPaperListExportsNoPaperSection) {
    TempDir dir;
    WString name(260, 0);
    GetRegistryNameByPrinterID(record(), name.data(), name.size());
    test::RemoveTree(HKEY_CURRENT_USER, test::PrinterKey(name.c_str(), W("PapersList")));
    const WString file = dir.File(W("nopapers.ini"));
    ASSERT_EQ(ExportSettingsToIniFile(record(), file.c_str()), 1);
    EXPECT_EQ(ReadFileBytes(file).find("[Paper Size Definitions]"), std::string::npos);
}

TEST_F(SettingsRoundTripTest, ImportRulesOfIrregularKeys) {
    TempDir dir;
    NordwispDEVMODE* r = record();
    WriteSmtpPassword(r, W("kept"));
    WriteHexPassword(r, sharepoint::Pass, W("old"));
    ASSERT_NE(papers::AddPaper(r, W("Keep Me"), 1000, 1000, papers::kUnitsMillimetres), 0);
    ASSERT_NE(papers::AddPaper(r, W("Replace Me"), 1000, 1000, papers::kUnitsMillimetres), 0);
    const std::string file =
        "[Redirect Printing]\r\nNumber of printers=2\r\nPrinter1=nordwisp printer\r\nPrinter2=Other\r\n"
        "Use number of copies=no\r\nCollate pages=YES\r\nPrint as Bitmap=0\r\n"
        "[FTP Upload Setting]\r\nFTP Selected Connection=1\r\n"
        "[FTP Connection 1]\r\nFTP Connection Name=Only\r\nFTP Password=clear\r\n"
        "[FTP Connection 2]\r\nFTP Connection Name=\r\n"
        "[FTP Connection 3]\r\nFTP Connection Name=Never\r\n"
        "[Post Print Options]\r\nSharePoint Pass=\r\nSharePoint Encoded Pass=3F30\r\n"
        "[Paper Size Definitions]\r\nNumber of Paper Sizes=2\r\n"
        "Paper1 Title=Letter\r\nPaper1 Available=1\r\nPaper1 Width=850\r\nPaper1 Height=1100\r\n"
        "Paper1 Units=Inches\r\nPaper1 WindowsPaperCode=1\r\n"
        "Paper2 Title=replace me\r\nPaper2 Available=1\r\nPaper2 Width=500\r\nPaper2 Height=500\r\n"
        "Paper2 Units=MM\r\nPaper2 WindowsPaperCode=277\r\n";
    const WString path = dir.File(W("import.ini"));
    ASSERT_TRUE(WriteFileBytes(path, file));
    WriteSetting(r, redirect_printing::PrintAsBitmap, 1);
    ImportSettings(path.c_str(), r, 0);

    WString item(64, 0);
    DWORD size = static_cast<DWORD>(item.size() * sizeof(WCHAR));
    std::int32_t count = 0;
    ReadNameCount(r, kRedirectPrinters, count);
    EXPECT_EQ(count, 1) << "the printer itself is skipped";
    ASSERT_TRUE(ReadNameItem(r, kRedirectPrinters, 0, item.data(), &size));
    EXPECT_EQ(WString(item.c_str()), W("Other"));
    EXPECT_EQ(ReadSetting(r, redirect_printing::ForceNumberOfCopies), 0);
    EXPECT_EQ(ReadSetting(r, redirect_printing::Collate), 1);
    EXPECT_EQ(ReadSetting(r, redirect_printing::PrintAsBitmap), 0) << "any text but Yes is off";

    EXPECT_EQ(CountEntries(r, kFtpConnections), 1) << "the list ends at the empty name";
    const std::int32_t only = FindEntry(r, kFtpConnections, W("Only"));
    EXPECT_EQ(ReadSetting(r, ftp::SelectedConnection), only);
    size = static_cast<DWORD>(item.size() * sizeof(WCHAR));
    ASSERT_TRUE(ReadHexPassword(r, *AtEntry(ftp::Password, only), item.data(), &size));
    EXPECT_EQ(WString(item.c_str()), W("clear")) << "a clear password is used as it is";
    size = static_cast<DWORD>(item.size() * sizeof(WCHAR));
    ASSERT_TRUE(ReadHexPassword(r, sharepoint::Pass, item.data(), &size));
    EXPECT_EQ(WString(item.c_str()), W("cl")) << "an encoded-only password is decoded";
    size = static_cast<DWORD>(item.size() * sizeof(WCHAR));
    ASSERT_TRUE(ReadSmtpPassword(r, item.data(), &size));
    EXPECT_EQ(WString(item.c_str()), W("kept")) << "neither key leaves the stored password";

    const papers::PaperList list = papers::BuildPaperList(nullptr, r);
    std::vector<WString> titles;
    for (const auto& paper : list) titles.emplace_back(papers::TitleOf(paper));
    EXPECT_EQ(titles, (std::vector<WString>{W("Letter"), W("replace me"), W("Keep Me")}));
    EXPECT_NE(list.back().nWindowsPaperCode, 277) << "a clashing code is renumbered";
}

TEST_F(SettingsRoundTripTest, DamagedFilesKeepSettingsAndNeverOverrun) {
    TempDir dir;
    NordwispDEVMODE* r = record();
    const std::string hugeLine = "[Default Settings]\r\nOutputDirectory=" + std::string(10 * 1024 * 1024, 'x');
    const std::string files[] = {
        std::string("\x00\xFF\x13[PDF Settings\x00]\r\nJPEG Quality=\x01\x02", 30),
        hugeLine,
        "[PDF Settings]\r\nJPEG Quality=abc\r\n[PDF Settings]\r\nJPEG Quality=5\r\n",
        "[Redirect Printing]\r\nNumber of printers=2147483647\r\n[Bates Numbering]\r\nNumber of Formats=-4\r\n",
        "[Default Settings]\r\nFileNamePrefix=123456789012345\r\nFileExtension=abcdefgh\r\nPaper Width=999999\r\n",
    };
    for (const std::string& bytes : files) {
        const WString path = dir.File(W("damaged.ini"));
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        NordwispDEVMODE copy = *r;
        DefaultEnvironment(printer(), path.c_str(), &copy, 0);
        EXPECT_LE(record::OutputDirectory.Length(&copy), 259u);
        constexpr auto kPrefix = NW_RECORD_TEXT(FileNamePrefix);
        constexpr auto kExtension = NW_RECORD_TEXT(FileExtension);
        EXPECT_LE(kPrefix.Length(&copy), 8u);
        EXPECT_LE(kExtension.Length(&copy), 4u);
    }
    EXPECT_EQ(ReadSetting(r, pdf::JPEGQuality), 85) << "text where a number belongs keeps the value";
}

}  // namespace
}  // namespace nw::profiles
