// The five encodings through their exports: one setting of each shape and
// of each exception to its encoding's rule, both ends of a range, what lands
// in the registry, and how stored values are interpreted.
#include <array>

#include "settings/exports/family_fixture.h"

namespace nw::test {
namespace {

using DecimalTest = FamilyTest;

TEST_F(DecimalTest, FreshPrinterReadsTheDefaultsAndCreatesNothing) {
    EXPECT_EQ(Read(GetPdfJPEGQuality, rec()), 85);
    EXPECT_EQ(Read(NW_OUT_GETTER(GetPdfOpenZoom), rec()), 100);
    EXPECT_EQ(GetHTMLCSSSettings(rec()), 1);
    EXPECT_EQ(GetHTMLViewType(rec()), 0);
    EXPECT_EQ(IsShowFormfillEnabled(rec()), 1);
    EXPECT_EQ(IsCoverPageEnabled(rec()), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PrinterKey(kFamilyPrinter)));
}

TEST_F(DecimalTest, RangesAreCheckedUnsignedAtBothEndsAndRefusalsWriteNothing) {
    EXPECT_EQ(NW_EXPORT_CALL(SetPdfJPEGQuality(rec(), 0)), (Outcome{0, 0}));
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 101), 0);
    EXPECT_EQ(SetPdfJPEGQuality(rec(), -1), 0);
    EXPECT_FALSE(Raw(W("Pdf Settings"), W("JPEG Quality")));
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 1), 1);
    EXPECT_EQ(Text(W("Pdf Settings"), W("JPEG Quality")), W("1"));
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 100), 1);
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 101), 0);
    EXPECT_EQ(Text(W("Pdf Settings"), W("JPEG Quality")), W("100"));
    // A getter answering the value itself, and the e-mail client's 0..1.
    EXPECT_EQ(SetPageRotation(rec(), 4), 0);
    EXPECT_EQ(SetPageRotation(rec(), 3), 1);
    EXPECT_EQ(GetPageRotation(rec()), 3);
    EXPECT_EQ(SetEmailClientType(rec(), 2), 0);
    EXPECT_EQ(SetEmailClientType(rec(), 1), 1);
    EXPECT_EQ(GetEmailClientType(rec()), 1);
}

TEST_F(DecimalTest, UnrangedValuesKeepTheirSign) {
    EXPECT_EQ(NW_OUT_SETTER(SetPdfOpenZoom)(rec(), -250), 1);
    EXPECT_EQ(Text(W("Pdf Settings"), W("Open Zoom")), W("-250"));
    EXPECT_EQ(Read(NW_OUT_GETTER(GetPdfOpenZoom), rec()), -250);
    EXPECT_EQ(SetXMLImageFormat(rec(), -2147483647 - 1), 1);
    EXPECT_EQ(Text(W("XML Settings"), W("Image Format")), W("-2147483648"));
    // Eleven characters do not fit the 16-byte reader: the default is read.
    EXPECT_EQ(GetXMLImageFormat(rec()), 0);
}

TEST_F(DecimalTest, StoredTextIsReadWithTheWideIntegerRule) {
    // Eight characters fill the 16 bytes exactly and are still read.
    const std::pair<WStringView, int> cases[] = {
        {W("  -12abc"), -12}, {W("abc"), 0}, {W("+7"), 7}, {W("12345678"), 12345678}, {W("123456789"), 0}};
    for (const auto& [text, value] : cases) {
        PlantText(W("Html Settings"), W("Separate pages"), text);
        EXPECT_EQ(GetHTMLSeparatePages(rec()), value) << value;
    }
    // A switch getter answers 1 for any non-zero number.
    PlantText(W("Cover Page Settings"), W("Enable Cover Page"), W("-3"));
    EXPECT_EQ(IsCoverPageEnabled(rec()), 1);
    // The e-mail client is 1 only for the text "1".
    PlantText(W("Post Print Settings\\Email Settings"), W("Sender Client"), W("01"));
    EXPECT_EQ(GetEmailClientType(rec()), 0);
}

using DwordTest = FamilyTest;

TEST_F(DwordTest, DefaultsRangesAndStoredType) {
    EXPECT_EQ(GetRedirectPrintingCopies(rec()), 1);
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 0), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 1000), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), -1), 0);
    EXPECT_FALSE(Raw(W("Redirect Printing Settings"), W("Number of copies")));
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 999), 1);
    EXPECT_EQ(Dword(W("Redirect Printing Settings"), W("Number of copies")), 999u);
    EXPECT_EQ(GetRedirectPrintingCopies(rec()), 999);
    // A range starting at 0.
    EXPECT_EQ(SetAntialiasingMode(rec(), 5), 0);
    EXPECT_EQ(SetAntialiasingMode(rec(), 0), 1);
    EXPECT_EQ(GetAntialiasingMode(rec()), 0);

    EXPECT_EQ(SetFooterColor(rec(), -1), 1);
    EXPECT_EQ(Dword(W("Footer Settings"), W("Footer Color")), 0xFFFFFFFFu);
    EXPECT_EQ(Read(GetFooterColor, rec()), -1);
    EXPECT_EQ(NW_OUT_SETTER(SetFooterOffsetUnits)(rec(), 3), 0);
    EXPECT_EQ(Read(NW_OUT_GETTER(GetFooterOffsetUnits), rec()), 2);
}

TEST_F(DwordTest, TextStampVisibilityIsClampedWhenRead) {
    EXPECT_EQ(Read(GetTextStampVisibility, rec()), 100);
    EXPECT_EQ(SetTextStampVisibility(rec(), 250), 1);
    EXPECT_EQ(Dword(W("Text Watermark Stamp Settings"), W("Visibility")), 250u);
    EXPECT_EQ(Read(GetTextStampVisibility, rec()), 100);
    EXPECT_EQ(SetTextStampVisibility(rec(), -5), 1);
    EXPECT_EQ(Read(GetTextStampVisibility, rec()), 0);
    EXPECT_EQ(SetTextStampVisibility(rec(), 37), 1);
    EXPECT_EQ(Read(GetTextStampVisibility, rec()), 37);
}

using YesNoTest = FamilyTest;

TEST_F(YesNoTest, SetterRulesWriteYesOrNo) {
    const WCHAR* key = W("Redirect Printing Settings");
    EXPECT_EQ(SetRedirectPrintingLog(rec(), 2), 1);  // "Yes" only for 1
    EXPECT_EQ(Text(key, W("Enable Redirect Printing Log")), W("No"));
    EXPECT_EQ(SetRedirectPrintingLog(rec(), 1), 1);
    EXPECT_EQ(Text(key, W("Enable Redirect Printing Log")), W("Yes"));
    EXPECT_EQ(SetRedirectPrintingCollate(rec(), -1), 1);  // any non-zero
    EXPECT_EQ(Text(key, W("Collate pages")), W("Yes"));
    EXPECT_EQ(SetRedirectPrintingCollate(rec(), 0), 1);
    EXPECT_EQ(Text(key, W("Collate pages")), W("No"));
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 0);
}

TEST_F(YesNoTest, StoredTextIsComparedWithYesIgnoringCase) {
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 1);  // missing: Yes
    EXPECT_EQ(IsFTPEnabled(rec()), 0);
    const std::pair<WStringView, int> cases[] = {{W("YES"), 1}, {W("yEs"), 1}, {W("yes "), 0}, {W("Y"), 0}, {W("1"), 0}};
    for (const auto& [text, on] : cases) {
        PlantText(W("Post Print Settings"), W("FTP upload"), text);
        EXPECT_EQ(IsFTPEnabled(rec()), on) << std::string(text.begin(), text.end());
    }
    // A value stored as "No" overrides a default of Yes.
    PlantText(W("Redirect Printing Settings"), W("Collate pages"), W("no"));
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 0);
}

TEST_F(YesNoTest, DisplayErrorIsOnForTextsSortingAfterNo) {
    EXPECT_EQ(IsEmailDisplayErrorEnabled(rec()), 1);
    const std::pair<WStringView, int> cases[] = {
        {W("Yes"), 1}, {W("No"), 0},  {W("NO"), 0}, {W("no"), 0}, {W("Nope"), 1},
        {W("OK"), 1},  {W("abc"), 0}, {W(""), 0},   {W("N"), 0},  {W("1"), 0},
    };
    for (const auto& [text, on] : cases) {
        PlantText(W("Post Print Settings\\Email Settings"), W("Display Error Message"), text);
        EXPECT_EQ(IsEmailDisplayErrorEnabled(rec()), on) << std::string(text.begin(), text.end());
    }
}

using TextTest = FamilyTest;

// The size protocol itself is the registry reader's (settings/internal);
// here the export passes an int size through it and back.
// Windows keeps the terminator after the counted text; the getter counts
// the text without it.
TEST_F(TextTest, ReadUnderTheSizeProtocolWithoutTheStoredTerminator) {
    EXPECT_EQ(SetFooterText(rec(), W("abc")), 1);
    EXPECT_EQ(Text(W("Footer Settings"), W("Footer Text")), W("abc"));
    NWCHAR buffer[4] = {0x55, 0x55, 0x55, 0x55};
    int size = 4;
    EXPECT_EQ(GetFooterText(rec(), buffer, &size), 0);
    EXPECT_EQ(size, 6);
    EXPECT_EQ(GetFooterText(rec(), buffer, &size), 1);
    EXPECT_EQ(WString(buffer, buffer + 4), WString(W("abc\x55")));
    size = 4;
    EXPECT_EQ(GetHeaderText(rec(), buffer, &size), 0);  // missing: size untouched
    EXPECT_EQ(size, 4);
    EXPECT_EQ(GetHeaderText(rec(), buffer, nullptr), 0);
}

TEST_F(TextTest, MaximumLengthsRefuseLongerTexts) {
    const WString author255(255, W('a'));
    EXPECT_EQ(SetPdfAuthor(rec(), author255.c_str()), 1);
    EXPECT_EQ(SetPdfAuthor(rec(), (author255 + W("b")).c_str()), 0);
    EXPECT_EQ(ReadBack(GetPdfAuthor, rec()), author255);
    EXPECT_EQ(SetEmailBody(rec(), WString(5000, W('b')).c_str()), 1);  // any length
    EXPECT_EQ(ReadBack(GetEmailBody, rec(), 10000).size(), 5000u);
    EXPECT_EQ(SetEmailBody(rec(), nullptr), 0);
    EXPECT_EQ(SetEmailBody(rec(), W("")), 1);
    EXPECT_EQ(ReadBack(GetEmailBody, rec()), W(""));
}

TEST_F(TextTest, OcrModulePathsCountCharacters) {
    EXPECT_EQ(SetOCRDLLPath(rec(), W("C:\\ocr\\NwOCR.dll")), 1);  // 16 characters
    EXPECT_EQ(Text(W("OCR"), W("NwOCR.Dll")), W("C:\\ocr\\NwOCR.dll"));
    int size = 0;
    EXPECT_EQ(GetOCRDLLPath32(rec(), nullptr, &size), 0);
    EXPECT_EQ(size, 16);
    NWCHAR buffer[17] = {};
    size = 15;
    EXPECT_EQ(GetOCRDLLPath(rec(), buffer, &size), 0);
    EXPECT_EQ(size, 16);
    EXPECT_EQ(GetOCRDLLPath(rec(), buffer, &size), 1);
    EXPECT_EQ(size, 16);
    EXPECT_EQ(WString(buffer), W("C:\\ocr\\NwOCR.dll"));
    EXPECT_EQ(SetOCRDLLPath64(rec(), WString(260, W('p')).c_str()), 0);
    EXPECT_EQ(GetOCRDLLPath64(rec(), buffer, &size), 0);
}

TEST_F(TextTest, AnsiFormsConvertAndRefuseInsteadOfCutting) {
    EXPECT_EQ(SetFooterTextA(rec(), "Seite 1"), 1);
    EXPECT_EQ(Text(W("Footer Settings"), W("Footer Text")), W("Seite 1"));
    char buffer[32] = {};
    int size = sizeof buffer;
    EXPECT_EQ(GetFooterTextA(rec(), buffer, &size), 1);
    EXPECT_STREQ(buffer, "Seite 1");
    size = 4;
    EXPECT_EQ(GetFooterTextA(rec(), buffer, &size), 0);
    EXPECT_EQ(size, 14);  // the wide reader's need, in bytes

    const std::string long260(260, 'x');
    EXPECT_EQ(SetRedirectPrintingLogFileA(rec(), long260.c_str()), 0);
    EXPECT_FALSE(Raw(W("Redirect Printing Settings"), W("Redirect Printing Log File")));
    EXPECT_EQ(SetRedirectPrintingLogFileA(rec(), long260.substr(1).c_str()), 1);
}

TEST_F(TextTest, BlobKeepsItsBytes) {
    const unsigned char data[5] = {0, 1, 2, 0xFF, 0};
    EXPECT_EQ(SetPostwellData(rec(), data, 5), 1);
    EXPECT_EQ(SetPostwellData(rec(), data, -1), 0);
    unsigned char back[8] = {};
    int size = 8;
    EXPECT_EQ(GetPostwellData(rec(), back, &size), 1);
    EXPECT_EQ(std::vector<unsigned char>(back, back + size), std::vector<unsigned char>(data, data + 5));
    EXPECT_EQ(Raw(W("Post Print Settings\\Email Settings"), W("Postwell Data")).value().type,
              static_cast<DWORD>(REG_BINARY));
}

TEST(FamilyNullRecord, EveryShapeFailsWithTheNullArgumentError) {
    int value = 5;
    EXPECT_EQ(NW_EXPORT_CALL(GetPdfJPEGQuality(nullptr, &value)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(value, 5);
    EXPECT_EQ(GetAntialiasingMode(nullptr), 4);
    EXPECT_EQ(GetTextOutputColumns(nullptr), 0);
    EXPECT_EQ(IsFTPEnabled(nullptr), 0);
    EXPECT_EQ(NW_EXPORT_CALL(SetFooterTextA(nullptr, "x")), (Outcome{0, kNullArgument}));
    int size = 8;
    NWCHAR buffer[4];
    EXPECT_EQ(GetFooterText(nullptr, buffer, &size), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(nullptr, 5), 0);
    NordwispDEVMODE record = MakeRecord(kFamilyPrinter);
    EXPECT_EQ(NW_EXPORT_CALL(GetPdfJPEGQuality(&record, nullptr)), (Outcome{0, 0}));
}

}  // namespace
}  // namespace nw::test
