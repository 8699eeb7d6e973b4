// The five encodings through their exports: defaults of a fresh printer,
// both ends of every kind of range, what lands in the registry, and how
// stored values are interpreted.
#include "settings_families/family_fixture.h"

namespace nw::test {
namespace {

using DecimalTest = FamilyTest;

TEST_F(DecimalTest, FreshPrinterReadsTheDefaults) {
    int value = -7;
    EXPECT_EQ(GetPdfJPEGQuality(rec(), &value), 1);
    EXPECT_EQ(value, 85);
    EXPECT_EQ(GetPdfMonoImgCompression(rec(), &value), 1);
    EXPECT_EQ(value, 307);
    EXPECT_EQ(GetPdfAStreamCompression(rec(), &value), 1);
    EXPECT_EQ(value, 105);
    EXPECT_EQ(GetPdfOpenZoom(rec(), &value), 1);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(GetTextStampPosition(rec(), &value), 1);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(GetHTMLCSSSettings(rec()), 1);
    EXPECT_EQ(GetHTMLViewType(rec()), 0);
    EXPECT_EQ(GetXMLIncludeDTD(rec()), 1);
    EXPECT_EQ(IsShowFormfillEnabled(rec()), 1);
    EXPECT_EQ(IsCoverPageEnabled(rec()), 0);
    // Reading created nothing.
    EXPECT_FALSE(Stored(W("Pdf Settings"), W("JPEG Quality")));
}

TEST_F(DecimalTest, RangesAreCheckedUnsignedAtBothEnds) {
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 0), 0);
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 101), 0);
    EXPECT_EQ(SetPdfJPEGQuality(rec(), -1), 0);
    EXPECT_FALSE(Stored(W("Pdf Settings"), W("JPEG Quality")));
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 1), 1);
    EXPECT_EQ(StoredText(W("Pdf Settings"), W("JPEG Quality")), u"1");
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 100), 1);
    EXPECT_EQ(StoredText(W("Pdf Settings"), W("JPEG Quality")), u"100");
    EXPECT_EQ(SetPdfJPEGQuality(rec(), 101), 0);
    EXPECT_EQ(StoredText(W("Pdf Settings"), W("JPEG Quality")), u"100");

    EXPECT_EQ(SetPdfMonoImgCompression(rec(), 308), 1);
    EXPECT_EQ(SetPdfMonoImgCompression(rec(), 309), 0);
    EXPECT_EQ(SetPdfStreamCompression(rec(), 106), 1);
    EXPECT_EQ(SetPdfStreamCompression(rec(), 107), 0);
    EXPECT_EQ(SetPdfColorImgCompression(rec(), 207), 1);
    EXPECT_EQ(SetPdfColorImgCompression(rec(), 208), 0);
    EXPECT_EQ(SetPdfAResamplingRate(rec(), 0), 0);
    EXPECT_EQ(SetPdfAResamplingRate(rec(), 200), 1);
    EXPECT_EQ(SetPdfAResamplingRate(rec(), 201), 0);
    EXPECT_EQ(SetPageRotation(rec(), 3), 1);
    EXPECT_EQ(SetPageRotation(rec(), 4), 0);
    EXPECT_EQ(SetPageRotation(rec(), -1), 0);
    EXPECT_EQ(GetPageRotation(rec()), 3);
    EXPECT_EQ(SetEmailClientType(rec(), 2), 0);
    EXPECT_EQ(SetEmailClientType(rec(), 1), 1);
    EXPECT_EQ(GetEmailClientType(rec()), 1);
}

TEST_F(DecimalTest, UnrangedValuesKeepTheirSign) {
    EXPECT_EQ(SetPdfOpenZoom(rec(), -250), 1);
    EXPECT_EQ(StoredText(W("Pdf Settings"), W("Open Zoom")), u"-250");
    int value = 0;
    EXPECT_EQ(GetPdfOpenZoom(rec(), &value), 1);
    EXPECT_EQ(value, -250);
    EXPECT_EQ(SetXMLImageFormat(rec(), -2147483647 - 1), 1);
    EXPECT_EQ(StoredText(W("XML Settings"), W("Image Format")), u"-2147483648");
    // Eleven characters do not fit the 16-byte reader: the default is read.
    EXPECT_EQ(GetXMLImageFormat(rec()), 0);
}

TEST_F(DecimalTest, StoredTextIsReadWithTheWideIntegerRule) {
    PlantText(W("Html Settings"), W("Separate pages"), u"  -12abc");
    EXPECT_EQ(GetHTMLSeparatePages(rec()), -12);
    PlantText(W("Html Settings"), W("Separate pages"), u"abc");
    EXPECT_EQ(GetHTMLSeparatePages(rec()), 0);
    PlantText(W("Html Settings"), W("Separate pages"), u"+7");
    EXPECT_EQ(GetHTMLSeparatePages(rec()), 7);
    // Eight characters fill the 16 bytes exactly and are still read.
    PlantText(W("Html Settings"), W("Separate pages"), u"12345678");
    EXPECT_EQ(GetHTMLSeparatePages(rec()), 12345678);
    PlantText(W("Html Settings"), W("Separate pages"), u"123456789");
    EXPECT_EQ(GetHTMLSeparatePages(rec()), 0);
    // A switch getter answers 1 for any non-zero number.
    PlantText(W("Cover Page Settings"), W("Enable Cover Page"), u"-3");
    EXPECT_EQ(IsCoverPageEnabled(rec()), 1);
    // The e-mail client is 1 only for the text "1".
    PlantText(W("Post Print Settings\\Email Settings"), W("Sender Client"), u"01");
    EXPECT_EQ(GetEmailClientType(rec()), 0);
    PlantText(W("Post Print Settings\\Email Settings"), W("Sender Client"), u"1");
    EXPECT_EQ(GetEmailClientType(rec()), 1);
}

using DwordTest = FamilyTest;

TEST_F(DwordTest, DefaultsRangesAndStoredType) {
    EXPECT_EQ(GetRedirectPrintingCopies(rec()), 1);
    EXPECT_EQ(GetAntialiasingMode(rec()), 4);
    EXPECT_EQ(GetTextOutputColumns(rec()), 80);
    EXPECT_EQ(GetTextOutputRows(rec()), 62);
    EXPECT_EQ(GetSplitDocumentPage(rec()), 1);
    EXPECT_EQ(GetOCRAreaUnit(rec()), 1);

    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 0), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 1000), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), -1), 0);
    EXPECT_FALSE(Stored(W("Redirect Printing Settings"), W("Number of copies")));
    EXPECT_EQ(SetRedirectPrintingCopies(rec(), 999), 1);
    EXPECT_EQ(StoredDword(W("Redirect Printing Settings"), W("Number of copies")), 999u);
    EXPECT_EQ(GetRedirectPrintingCopies(rec()), 999);

    EXPECT_EQ(SetOCRAreaUnit(rec(), 0), 0);
    EXPECT_EQ(SetOCRAreaUnit(rec(), 4), 0);
    EXPECT_EQ(SetOCRAreaUnit(rec(), 3), 1);
    EXPECT_EQ(SetAntialiasingMode(rec(), 5), 0);
    EXPECT_EQ(SetAntialiasingMode(rec(), 0), 1);
    EXPECT_EQ(GetAntialiasingMode(rec()), 0);

    EXPECT_EQ(SetFooterColor(rec(), -1), 1);
    EXPECT_EQ(StoredDword(W("Footer Settings"), W("Footer Color")), 0xFFFFFFFFu);
    int color = 0;
    EXPECT_EQ(GetFooterColor(rec(), &color), 1);
    EXPECT_EQ(color, -1);
    EXPECT_EQ(SetFooterOffsetUnits(rec(), 3), 0);
    EXPECT_EQ(GetFooterOffsetUnits(rec(), &color), 1);
    EXPECT_EQ(color, 2);
}

TEST_F(DwordTest, TextStampVisibilityIsClampedWhenRead) {
    int visibility = -1;
    EXPECT_EQ(GetTextStampVisibility(rec(), &visibility), 1);
    EXPECT_EQ(visibility, 100);
    EXPECT_EQ(SetTextStampVisibility(rec(), 250), 1);
    EXPECT_EQ(StoredDword(W("Text Watermark Stamp Settings"), W("Visibility")), 250u);
    EXPECT_EQ(GetTextStampVisibility(rec(), &visibility), 1);
    EXPECT_EQ(visibility, 100);
    EXPECT_EQ(SetTextStampVisibility(rec(), -5), 1);
    EXPECT_EQ(GetTextStampVisibility(rec(), &visibility), 1);
    EXPECT_EQ(visibility, 0);
    EXPECT_EQ(SetTextStampVisibility(rec(), 37), 1);
    EXPECT_EQ(GetTextStampVisibility(rec(), &visibility), 1);
    EXPECT_EQ(visibility, 37);
}

using YesNoTest = FamilyTest;

TEST_F(YesNoTest, SetterRulesWriteYesOrNo) {
    EXPECT_EQ(SetRedirectPrintingLog(rec(), 2), 1);  // "Yes" only for 1
    EXPECT_EQ(StoredText(W("Redirect Printing Settings"), W("Enable Redirect Printing Log")), u"No");
    EXPECT_EQ(SetRedirectPrintingLog(rec(), 1), 1);
    EXPECT_EQ(StoredText(W("Redirect Printing Settings"), W("Enable Redirect Printing Log")), u"Yes");
    EXPECT_EQ(SetRedirectPrintingCollate(rec(), 2), 1);  // any non-zero
    EXPECT_EQ(StoredText(W("Redirect Printing Settings"), W("Collate pages")), u"Yes");
    EXPECT_EQ(SetRedirectPrintingCollate(rec(), -1), 1);
    EXPECT_EQ(StoredText(W("Redirect Printing Settings"), W("Collate pages")), u"Yes");
    EXPECT_EQ(SetRedirectPrintingCollate(rec(), 0), 1);
    EXPECT_EQ(StoredText(W("Redirect Printing Settings"), W("Collate pages")), u"No");
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 0);
}

TEST_F(YesNoTest, StoredTextIsComparedWithYesIgnoringCase) {
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 1);  // missing: Yes
    EXPECT_EQ(IsSharePointLogEnabled(rec()), 1);
    EXPECT_EQ(IsFTPEnabled(rec()), 0);
    const WString key = W("Post Print Settings");
    PlantText(key, W("FTP upload"), u"YES");
    EXPECT_EQ(IsFTPEnabled(rec()), 1);
    PlantText(key, W("FTP upload"), u"yEs");
    EXPECT_EQ(IsFTPEnabled(rec()), 1);
    PlantText(key, W("FTP upload"), u"yes ");
    EXPECT_EQ(IsFTPEnabled(rec()), 0);
    PlantText(key, W("FTP upload"), u"Y");
    EXPECT_EQ(IsFTPEnabled(rec()), 0);
    PlantText(key, W("FTP upload"), u"1");
    EXPECT_EQ(IsFTPEnabled(rec()), 0);
    // A value stored as "No" overrides a default of Yes.
    PlantText(W("Redirect Printing Settings"), W("Collate pages"), u"no");
    EXPECT_EQ(IsRedirectPrintingCollate(rec()), 0);
}

TEST_F(YesNoTest, DisplayErrorIsOnForTextsSortingAfterNo) {
    const WString key = W("Post Print Settings\\Email Settings");
    const WCHAR* name = W("Display Error Message");
    EXPECT_EQ(IsEmailDisplayErrorEnabled(rec()), 1);
    const std::pair<std::u16string_view, int> cases[] = {
        {u"Yes", 1}, {u"No", 0}, {u"NO", 0}, {u"no", 0}, {u"Nope", 1}, {u"OK", 1},
        {u"abc", 0}, {u"", 0},   {u"N", 0},  {u"1", 0},
    };
    for (const auto& [text, on] : cases) {
        PlantText(key, name, text);
        EXPECT_EQ(IsEmailDisplayErrorEnabled(rec()), on) << std::string(text.begin(), text.end());
    }
}

using TextTest = FamilyTest;

TEST_F(TextTest, StoredWithoutTerminatorAndReadUnderTheSizeProtocol) {
    EXPECT_EQ(SetFooterText(rec(), u"abc"), 1);
    const auto stored = Stored(W("Footer Settings"), W("Footer Text"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored->bytes.size(), 6u);

    NWCHAR buffer[4] = {0x55, 0x55, 0x55, 0x55};
    int size = 6;
    EXPECT_EQ(GetFooterText(rec(), buffer, &size), 1);
    EXPECT_EQ(size, 6);
    EXPECT_EQ(std::u16string(buffer, buffer + 4), std::u16string(u"abc\x55"));

    size = 4;
    EXPECT_EQ(GetFooterText(rec(), buffer, &size), 0);
    EXPECT_EQ(size, 6);
    size = 0;
    EXPECT_EQ(GetFooterText(rec(), nullptr, &size), 0);
    EXPECT_EQ(size, 6);

    // Missing: 0, buffer and size untouched.
    NWCHAR untouched[2] = {0x77, 0x77};
    size = 4;
    EXPECT_EQ(GetHeaderText(rec(), untouched, &size), 0);
    EXPECT_EQ(size, 4);
    EXPECT_EQ(untouched[0], 0x77);
    EXPECT_EQ(GetHeaderText(rec(), untouched, nullptr), 0);
}

TEST_F(TextTest, MaximumLengthsRefuseLongerTexts) {
    const std::u16string author255(255, u'a');
    EXPECT_EQ(SetPdfAuthor(rec(), author255.c_str()), 1);
    EXPECT_EQ(SetPdfAuthor(rec(), (author255 + u"b").c_str()), 0);
    EXPECT_EQ(ReadBack(GetPdfAuthor, rec()), author255);
    const std::u16string keywords515(515, u'k');
    EXPECT_EQ(SetPdfAKeywords(rec(), keywords515.c_str()), 1);
    EXPECT_EQ(SetPdfAKeywords(rec(), (keywords515 + u"k").c_str()), 0);
    const std::u16string path259(259, u'p');
    EXPECT_EQ(SetRedirectPrintingLogFile(rec(), (path259 + u"p").c_str()), 0);
    EXPECT_EQ(SetRedirectPrintingLogFile(rec(), path259.c_str()), 1);
    EXPECT_EQ(SetEmailBody(rec(), std::u16string(5000, u'b').c_str()), 1);  // any length
    EXPECT_EQ(ReadBack(GetEmailBody, rec(), 10000).size(), 5000u);
    EXPECT_EQ(SetEmailBody(rec(), nullptr), 0);
    EXPECT_EQ(SetEmailBody(rec(), u""), 1);
    EXPECT_EQ(ReadBack(GetEmailBody, rec()), u"");
}

TEST_F(TextTest, OcrModulePathsCountCharacters) {
    EXPECT_EQ(SetOCRDLLPath(rec(), u"C:\\ocr\\NwOCR.dll"), 1);  // 16 characters
    EXPECT_EQ(StoredText(W("OCR"), W("NwOCR.Dll")), u"C:\\ocr\\NwOCR.dll");
    int size = 0;
    EXPECT_EQ(GetOCRDLLPath32(rec(), nullptr, &size), 0);
    EXPECT_EQ(size, 16);
    NWCHAR buffer[17] = {};
    size = 15;
    EXPECT_EQ(GetOCRDLLPath(rec(), buffer, &size), 0);
    EXPECT_EQ(size, 16);
    EXPECT_EQ(GetOCRDLLPath(rec(), buffer, &size), 1);
    EXPECT_EQ(size, 16);
    EXPECT_EQ(std::u16string(buffer), u"C:\\ocr\\NwOCR.dll");
    EXPECT_EQ(SetOCRDLLPath64(rec(), std::u16string(260, u'p').c_str()), 0);
    EXPECT_EQ(GetOCRDLLPath64(rec(), buffer, &size), 0);
}

TEST_F(TextTest, AnsiFormsConvertAndRefuseInsteadOfCutting) {
    EXPECT_EQ(SetFooterTextA(rec(), "Seite 1"), 1);
    EXPECT_EQ(StoredText(W("Footer Settings"), W("Footer Text")), u"Seite 1");
    char buffer[32] = {};
    int size = sizeof buffer;
    EXPECT_EQ(GetFooterTextA(rec(), buffer, &size), 1);
    EXPECT_STREQ(buffer, "Seite 1");
    char small[4] = {};
    size = sizeof small;
    EXPECT_EQ(GetFooterTextA(rec(), small, &size), 0);
    EXPECT_EQ(size, 14);  // the wide reader's need, in bytes

    const std::string long260(260, 'x');
    EXPECT_EQ(SetRedirectPrintingLogFileA(rec(), long260.c_str()), 0);
    EXPECT_FALSE(Stored(W("Redirect Printing Settings"), W("Redirect Printing Log File")));
    EXPECT_EQ(SetRedirectPrintingLogFileA(rec(), long260.substr(1).c_str()), 1);
}

TEST_F(TextTest, BlobKeepsItsBytes) {
    const unsigned char data[5] = {0, 1, 2, 0xFF, 0};
    EXPECT_EQ(SetPostwellData(rec(), data, 5), 1);
    EXPECT_EQ(SetPostwellData(rec(), data, -1), 0);
    unsigned char back[8] = {};
    int size = 8;
    EXPECT_EQ(GetPostwellData(rec(), back, &size), 1);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(std::memcmp(back, data, 5), 0);
    EXPECT_EQ(Stored(W("Post Print Settings\\Email Settings"), W("Postwell Data"))->type,
              static_cast<DWORD>(REG_BINARY));
}

TEST(FamilyNullRecord, EveryShapeFailsWithTheNullArgumentError) {
    int value = 5;
    EXPECT_EQ(GetPdfJPEGQuality(nullptr, &value), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0xFFFFFC18u);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(GetAntialiasingMode(nullptr), 4);
    EXPECT_EQ(GetTextOutputColumns(nullptr), 0);
    EXPECT_EQ(IsFTPEnabled(nullptr), 0);
    EXPECT_EQ(SetFooterTextA(nullptr, "x"), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0xFFFFFC18u);
    int size = 8;
    NWCHAR buffer[4];
    EXPECT_EQ(GetFooterText(nullptr, buffer, &size), 0);
    EXPECT_EQ(SetRedirectPrintingCopies(nullptr, 5), 0);
    NordwispDEVMODE record = MakeFamilyRecord();
    EXPECT_EQ(GetPdfJPEGQuality(&record, nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

}  // namespace
}  // namespace nw::test
