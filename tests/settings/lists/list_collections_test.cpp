// The list collections through their exports, on a record naming the
// printer "List Printer" (no spooler involved): FTP connections, text-stamp
// presets, save-as defaults, Bates formats and the counted name lists. The
// suite also runs under Wine against its registry, so every test starts and
// ends with the printer's keys removed.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/records.h"
#include "support/registry.h"

namespace nw::test {
namespace {

constexpr WCHAR kPrinter[] = W("List Printer");
const WString kProtectedUserKey = W("Software\\Microsoft\\Internet Explorer\\InternetRegistry\\REGISTRY\\USER\\S-1-5-21-7");

WString Key(const WCHAR* subKey = W("")) { return PrinterKey(W("List Printer"), subKey); }

// Windows and Wine store the terminator of a text that the library counts
// without it, since the character after the text is zero.
template <class Text>
Text WithoutTerminator(Text text) {
    if (!text.empty() && text.back() == 0) text.pop_back();
    return text;
}
WString Stored(const WString& path, const WCHAR* name) { return WithoutTerminator(StoredText(path, name)); }
WString Stored(const WCHAR* subKey, const WCHAR* name) { return Stored(Key(subKey), name); }

// What a text getter of the (buffer, int* bytes) shape reads, or "<failed>".
template <class Read>
WString ReadText(Read read) {
    std::vector<NWCHAR> buffer(300, 0);
    int size = 598;
    if (!read(buffer.data(), &size)) return W("<failed>");
    return WithoutTerminator(WString(buffer.data(), static_cast<std::size_t>(size) / sizeof(NWCHAR)));
}

class ListTest : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RemoveTree(HKEY_CURRENT_USER, Key());
        RemoveTree(HKEY_CURRENT_USER, kProtectedUserKey);
    }
    NordwispDEVMODE* rec() { return &record_; }
    WString ConnectionName(int connection) {
        return ReadText([&](NWCHAR* b, int* s) { return GetFTPConnectionName(rec(), connection, b, s); });
    }
    NordwispDEVMODE record_ = MakeRecord(kPrinter);
};

using FtpConnectionTest = ListTest;

TEST_F(FtpConnectionTest, NumbersAreReusedAndIndexesFollowEnumeration) {
    for (int i = 1; i <= 10; ++i) ASSERT_EQ(AddFTPConnection(rec(), W("site")), i);
    EXPECT_EQ(GetFTPConnectionCount(rec()), 10);
    // The registry lists subkeys by name: "10" sorts before "2".
    std::vector<int> order;
    for (int i = 0; i <= 10; ++i) order.push_back(GetFTPConnectionByIndex(rec(), i));
    EXPECT_EQ(order, (std::vector<int>{1, 10, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
    EXPECT_EQ(GetFTPConnectionByIndex(rec(), -1), 0);

    EXPECT_EQ(DeleteFTPConnection(rec(), 2), 1);
    EXPECT_EQ(DeleteFTPConnection(rec(), 2), 0);
    EXPECT_EQ(DeleteFTPConnection(rec(), 0), 0);
    EXPECT_EQ(GetFTPConnectionCount(rec()), 9);
    EXPECT_EQ(AddFTPConnection(rec(), W("again")), 2);  // the lowest free number
    EXPECT_EQ(ConnectionName(2), W("again"));
    EXPECT_EQ(ConnectionName(3), W("site"));            // the others keep their numbers
    EXPECT_EQ(AddFTPConnection(rec(), W("next")), 11);

    // An entry with subkeys of its own is not removed.
    StoreText(Key(W("Post Print Settings\\FTP Settings\\3\\Extra")), W("x"), W("y"));
    EXPECT_EQ(DeleteFTPConnection(rec(), 3), 0);
    EXPECT_EQ(ConnectionName(3), W("site"));
}

TEST_F(FtpConnectionTest, FindingIgnoresCaseAndTheFirstInEnumerationOrderWins) {
    ASSERT_EQ(AddFTPConnection(rec(), W("Office")), 1);
    ASSERT_EQ(AddFTPConnection(rec(), W("Backup")), 2);
    ASSERT_EQ(AddFTPConnectionA(rec(), "office"), 3);
    EXPECT_EQ(GetFTPConnectionByName(rec(), W("OFFICE")), 1);
    EXPECT_EQ(GetFTPConnectionByNameA(rec(), "backup"), 2);
    EXPECT_EQ(GetFTPConnectionByName(rec(), W("Offic")), 0);
    EXPECT_EQ(NW_EXPORT_CALL(GetFTPConnectionByName(rec(), nullptr)), (Outcome{0, 0}));
    ASSERT_EQ(DeleteFTPConnection(rec(), 1), 1);
    EXPECT_EQ(GetFTPConnectionByName(rec(), W("office")), 3);
    // Renaming moves the match.
    ASSERT_EQ(SetFTPConnectionNameA(rec(), 2, "Office"), 1);
    EXPECT_EQ(GetFTPConnectionByName(rec(), W("office")), 2);
    // A name too long to be read back when finding is refused.
    const WString longName(260, W('n'));
    EXPECT_EQ(AddFTPConnection(rec(), longName.c_str()), 0);
    EXPECT_EQ(SetFTPConnectionName(rec(), 2, longName.c_str()), 0);
    EXPECT_EQ(AddTextStampPreset(rec(), longName.c_str()), 0);
    EXPECT_EQ(GetFTPConnectionCount(rec()), 2);
    EXPECT_EQ(AddFTPConnection(rec(), longName.substr(1).c_str()), 1);
    EXPECT_EQ(GetFTPConnectionByName(rec(), longName.substr(1).c_str()), 1);
}

TEST_F(FtpConnectionTest, ValuesKeepTheirEncodings) {
    ASSERT_EQ(AddFTPConnection(rec(), W("Office")), 1);
    const WCHAR* entry = W("Post Print Settings\\FTP Settings\\1");
    EXPECT_EQ(SetFTPAddress(rec(), 1, W("ftp.example.test")), 1);
    EXPECT_EQ(SetFTPPort(rec(), 1, 2121), 1);
    EXPECT_EQ(SetFTPPassive(rec(), 1, 1), 1);
    EXPECT_EQ(SetFTPShowError(rec(), 1, 2), 1);      // "Yes" only for 1
    EXPECT_EQ(SetFTPUploadText(rec(), 1, 2), 1);     // "Yes" for any non-zero
    EXPECT_EQ(Stored(entry, W("Server Address")), W("ftp.example.test"));
    EXPECT_EQ(Stored(entry, W("Port")), W("2121"));
    EXPECT_EQ(Stored(entry, W("Is Passive")), W("Yes"));
    EXPECT_EQ(Stored(entry, W("Show Error")), W("No"));
    EXPECT_EQ(Stored(entry, W("Upload Text")), W("Yes"));

    int value = -5;
    EXPECT_EQ(GetFTPPort(rec(), 1, &value), 1);
    EXPECT_EQ(value, 2121);
    EXPECT_EQ(GetFTPProxyPort(rec(), 1, &value), 0);  // missing: 0 stored, result 0
    EXPECT_EQ(value, 0);
    EXPECT_EQ(IsFTPUploadDocumentEnabled(rec(), 1, &value), 0);  // missing reads as on
    EXPECT_EQ(value, 1);
    StoreText(Key(entry), W("Upload Document"), W("ja"));
    EXPECT_EQ(IsFTPUploadDocumentEnabled(rec(), 1, &value), 1);
    EXPECT_EQ(value, 0);
    StoreText(Key(entry), W("Is Passive"), W("YES"));
    EXPECT_EQ(IsFTPPassive(rec(), 1, &value), 1);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetFTPProxyDomain(rec(), 1, b, s); }), W("<failed>"));

    // Connection numbers below 1 address nothing.
    EXPECT_EQ(SetFTPAddress(rec(), 0, W("x")), 0);
    EXPECT_EQ(SetFTPPort(rec(), -1, 1), 0);
    EXPECT_EQ(GetFTPPort(rec(), 0, &value), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Key(W("Post Print Settings\\FTP Settings\\0"))));
    EXPECT_EQ(NW_EXPORT_CALL(SetFTPPort(nullptr, 1, 1)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(AddFTPConnection(nullptr, W("x"))), (Outcome{0, kNullArgument}));
}

TEST_F(FtpConnectionTest, PasswordsNeverReachTheRegistryInClear) {
    ASSERT_EQ(AddFTPConnection(rec(), W("Office")), 1);
    const WCHAR* entry = W("Post Print Settings\\FTP Settings\\1");
    EXPECT_EQ(SetFTPPassword(rec(), 1, W("s3cret")), 1);
    EXPECT_EQ(SetFTPProxyPassword(rec(), 1, W("")), 1);
    const WString stored = Stored(entry, W("Password"));
    EXPECT_EQ(stored.size(), 12u);
    EXPECT_EQ(stored.find(W("s3cret")), WString::npos);
    EXPECT_EQ(stored.find_first_not_of(W("0123456789ABCDEF")), WString::npos);
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetFTPPassword(rec(), 1, b, s); }), W("s3cret"));
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetFTPProxyPassword(rec(), 1, b, s); }), W(""));
    EXPECT_EQ(SetFTPPassword(rec(), 1, WString(260, W('p')).c_str()), 0);  // over 259 characters
    EXPECT_EQ(SetFTPPassword(rec(), 1, W("\u0100")), 0);                  // no one-byte form
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetFTPPassword(rec(), 1, b, s); }), W("s3cret"));
}

class StampPresetTest : public ListTest {
protected:
    const WCHAR* stamp_ = W("Text Watermark Stamp Settings");
    WString Preset() { return Key(W("Text Watermark Stamp Settings\\Presets\\1")); }
};

TEST_F(StampPresetTest, SavingCopiesTheCurrentStampWithItsFallbacks) {
    StoreText(Key(stamp_), W("Text"), W("Confidential"));
    StoreText(Key(stamp_), W("Position"), W("9"));  // outside 0..4: left out
    StoreDword(Key(stamp_), W("Visibility"), 150);  // read as 100
    StoreDword(Key(stamp_), W("Color"), 0xFF);
    StoreText(Key(stamp_), W("Text Watermark Enable"), W("1"));  // layer 1
    ASSERT_EQ(AddTextStampPreset(rec(), W("Red")), 1);

    const WString preset = Preset();
    EXPECT_EQ(Stored(preset, W("Name")), W("Red"));
    EXPECT_EQ(Stored(preset, W("Text")), W("Confidential"));
    EXPECT_EQ(Stored(preset, W("Add to Pages")), W(""));
    EXPECT_EQ(Stored(preset, W("Layer")), W("1"));
    EXPECT_EQ(Stored(preset, W("Position")), W("<missing>"));
    EXPECT_EQ(StoredDword(preset, W("Visibility")), 100u);
    EXPECT_EQ(StoredDword(preset, W("Color")), 0xFFu);
    EXPECT_EQ(StoredDword(preset, W("Offset Units")), 2u);
    EXPECT_EQ(Stored(preset, W("Font Facename")), W("Arial Narrow"));
    EXPECT_EQ(StoredDword(preset, W("Font Height")), 160u);
    EXPECT_EQ(StoredDword(preset, W("Font Weight")), 700u);
    EXPECT_EQ(StoredDword(preset, W("Font Charset")), 1u);

    // The same name in another case overwrites the preset.
    RemoveValue(Key(stamp_), W("Text"));
    ASSERT_EQ(AddTextStampPresetA(rec(), "RED"), 1);
    EXPECT_EQ(GetTextStampPresetCount(rec()), 1);
    EXPECT_EQ(Stored(preset, W("Text")), W("Client Copy"));
    EXPECT_EQ(Stored(preset, W("Name")), W("Red"));
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetTextStampPresetName(rec(), 0, b, s); }), W("Red"));
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetTextStampPresetName(rec(), 1, b, s); }), W("<failed>"));
}

TEST_F(StampPresetTest, LoadingGoesThroughTheCurrentStampSetters) {
    ASSERT_EQ(AddTextStampPreset(rec(), W("Draft")), 1);  // an empty stamp: the fallbacks
    const WString preset = Preset();
    StoreText(preset, W("Layer"), W("1"));
    StoreText(preset, W("Position"), W("7"));  // refused by the current stamp's setter
    StoreText(preset, W("Background Mode"), W("1"));
    RemoveValue(preset, W("Text"));
    RemoveValue(preset, W("Font Quality"));    // an incomplete font loads as the fallback

    StoreText(Key(stamp_), W("Position"), W("3"));
    StoreText(Key(stamp_), W("Text"), W("Old"));
    StoreText(Key(stamp_), W("Enabled"), W("1"));
    StoreText(Key(stamp_), W("Font Facename"), W("Courier"));
    ASSERT_EQ(LoadTextStampPreset(rec(), W("draft")), 1);
    EXPECT_EQ(Stored(stamp_, W("Position")), W("3"));
    EXPECT_EQ(Stored(stamp_, W("Background Mode")), W("1"));
    EXPECT_EQ(Stored(stamp_, W("Text")), W("Client Copy"));
    EXPECT_EQ(Stored(stamp_, W("Font Facename")), W("Arial Narrow"));
    EXPECT_EQ(StoredDword(Key(stamp_), W("Font Height")), 160u);
    // Layer 1 while on: the older enable values follow it.
    EXPECT_EQ(Stored(stamp_, W("Layer")), W("1"));
    EXPECT_EQ(Stored(stamp_, W("Text Stamp Enable")), W("0"));
    EXPECT_EQ(Stored(stamp_, W("Text Watermark Enable")), W("1"));
    int on = 0;
    EXPECT_EQ(GetTextWatermarkEnabled(rec(), &on), 1);
    EXPECT_EQ(on, 1);

    EXPECT_EQ(LoadTextStampPreset(rec(), W("Final")), 0);
    EXPECT_EQ(DeleteTextStampPresetA(rec(), "DRAFT"), 1);
    EXPECT_EQ(DeleteTextStampPreset(rec(), W("Draft")), 0);
    EXPECT_EQ(GetTextStampPresetCount(rec()), 0);
    EXPECT_EQ(NW_EXPORT_CALL(LoadTextStampPreset(nullptr, W("Draft"))), (Outcome{0, kNullArgument}));
}

using SaveAsDefaultsTest = ListTest;

TEST_F(SaveAsDefaultsTest, IndexesOutsideTheTablesTouchNothing) {
    const WString key = Key(W("Save As Option Settings\\Default Settings"));
    EXPECT_EQ(SetSaveAsOptionDefaultValue(rec(), 114, 1), 0);
    EXPECT_EQ(SetSaveAsOptionDefaultValue(rec(), -1, 1), 0);
    EXPECT_EQ(SetSaveAsOptionDefaultString(rec(), 62, W("x")), 0);
    EXPECT_EQ(SetSaveAsOptionDefStringAtPos(rec(), 62, W("x"), 1), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));

    EXPECT_EQ(SetSaveAsOptionDefaultValue(rec(), 0, 7), 1);
    EXPECT_EQ(SetSaveAsOptionDefaultValue(rec(), 113, 2), 1);
    EXPECT_EQ(StoredDword(key, W("File Format")), 7u);
    EXPECT_EQ(StoredDword(key, W("SharePoint Authentication Type")), 2u);
    uint32_t value = 99;
    EXPECT_EQ(GetSaveAsOptionDefaultValue(rec(), 113, &value), 1);
    EXPECT_EQ(value, 2u);
    EXPECT_EQ(GetSaveAsOptionDefaultValue(rec(), 114, &value), 0);
    EXPECT_EQ(GetSaveAsOptionDefaultValue(rec(), 5, &value), 0);  // missing: left alone
    EXPECT_EQ(value, 2u);

    EXPECT_EQ(SetSaveAsOptionDefaultString(rec(), 61, W("Paid")), 1);
    EXPECT_EQ(Stored(key, W("Text Stamp Text")), W("Paid"));
    EXPECT_EQ(SetSaveAsOptionDefStringAtPos(rec(), 8, W("Arial"), 3), 1);
    EXPECT_EQ(Stored(key, W("PDF: Fonts - Force Embed Font_3")), W("Arial"));
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetSaveAsOptionDefStringAtPos(rec(), 8, b, s, 3); }),
              W("Arial"));
    // A name that takes a position needs one; others ignore it.
    EXPECT_EQ(SetSaveAsOptionDefaultString(rec(), 13, W("x")), 0);
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetSaveAsOptionDefaultString(rec(), 8, b, s); }),
              W("<failed>"));
    EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return GetSaveAsOptionDefStringAtPos(rec(), 61, b, s, 5); }),
              W("Paid"));
}

TEST_F(SaveAsDefaultsTest, DeletingHonoursTheProtectedModeView) {
    const WString plain = Key(W("Save As Option Settings\\Default Settings"));
    const WString guarded = kProtectedUserKey + W("\\SOFTWARE\\Kelmora Works\\List Printer\\Save As Option Settings\\Default Settings");
    ASSERT_EQ(SetSaveAsOptionDefaultValue(rec(), 0, 1), 1);
    StoreDword(guarded, W("File Format"), 1);

    NordwispDEVMODE guardedRecord = record_;
    Put<uint32_t>(guardedRecord, 6807, 1);
    PutText(guardedRecord, 4460, W("S-1-5-21-7"));
    EXPECT_EQ(DeleteSaveAsDefOptions(&guardedRecord), 1);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, guarded));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, plain));
    EXPECT_EQ(DeleteSaveAsDefOptions(rec()), 1);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, plain));
    EXPECT_EQ(DeleteSaveAsDefOptions(rec()), 0);
}

using BatesTest = ListTest;

TEST_F(BatesTest, FormatsAndTheSizeProtocolInCharacters) {
    EXPECT_EQ(SetBatesNumberingSetting(rec(), 2, W("Use prefix"), W("Yes")), 1);
    EXPECT_EQ(SetBatesNumberingSetting(rec(), 7, W("number of formats"), W("2")), 1);
    EXPECT_EQ(Stored(W("BatesNumbering\\2"), W("Use prefix")), W("Yes"));
    EXPECT_EQ(Stored(W("BatesNumbering"), W("number of formats")), W("2"));

    std::array<NWCHAR, 4> buffer{W('#'), W('#'), W('#'), W('#')};
    int size = 2;
    EXPECT_EQ(GetBatesNumberingSetting(rec(), 2, W("Use prefix"), buffer.data(), &size), 0);
    EXPECT_EQ(size, 3);
    EXPECT_EQ(buffer[0], W('#'));
    EXPECT_EQ(GetBatesNumberingSetting(rec(), 2, W("Use prefix"), buffer.data(), &size), 1);
    EXPECT_EQ(WString(buffer.data(), 3), W("Yes"));
    EXPECT_EQ(buffer[3], W('#'));  // no room for a terminator: none written
    size = 4;
    EXPECT_EQ(GetBatesNumberingSetting(rec(), 0, W("Number of Formats"), buffer.data(), &size), 1);
    EXPECT_EQ(WString(buffer.data()), W("2"));

    EXPECT_EQ(GetBatesNumberingSetting(rec(), 3, W("Use prefix"), buffer.data(), &size), 0);
    EXPECT_EQ(GetBatesNumberingSetting(rec(), -1, W("Use prefix"), buffer.data(), &size), 0);
    EXPECT_EQ(SetBatesNumberingSetting(rec(), -1, W("Use prefix"), W("No")), 0);
    EXPECT_EQ(SetBatesNumberingSetting(rec(), 1, W(""), W("No")), 0);
    EXPECT_EQ(GetBatesNumberingSetting(rec(), 2, W("Use prefix"), nullptr, &size), 0);
}

using NameListTest = ListTest;

TEST_F(NameListTest, CountsAndItemsAreIndependentValues) {
    struct List {
        int(NW_API* getCount)(const NordwispDEVMODE*, int*);
        int(NW_API* setCount)(NordwispDEVMODE*, int);
        int(NW_API* getItem)(const NordwispDEVMODE*, NWCHAR*, int*, int);
        int(NW_API* setItem)(NordwispDEVMODE*, const NWCHAR*, int);
        const WCHAR* subKey;
        const WCHAR* countName;
        const WCHAR* firstItem;
        bool dwordCount;
    };
    const List lists[] = {
        {GetRedirectedPrintersCount, SetRedirectedPrintersCount, GetRedirectedPrinter, SetRedirectedPrinter,
         W("Redirect Printing Settings"), W("Printer count"), W("Printer 1"), true},
        {GetPdfForceEmbedFontCount, SetPdfForceEmbedFontCount, GetPdfForceEmbedFont, SetPdfForceEmbedFont,
         W("Pdf Settings\\Force Embed Fonts"), W("Font count"), W("Font 1"), false},
        {GetPdfForbidEmbedFontCount, SetPdfForbidEmbedFontCount, GetPdfForbidEmbedFont, SetPdfForbidEmbedFont,
         W("Pdf Settings\\Forbid Embed Fonts"), W("Font count"), W("Font 1"), false},
        {GetHTMLForceEmbedFontCount, SetHTMLForceEmbedFontCount, GetHTMLForceEmbedFont, SetHTMLForceEmbedFont,
         W("Html Settings\\Force Embed Fonts"), W("Font count"), W("Font 1"), false},
        {GetHTMLForbidEmbedFontCount, SetHTMLForbidEmbedFontCount, GetHTMLForbidEmbedFont, SetHTMLForbidEmbedFont,
         W("Html Settings\\Forbid Embed Fonts"), W("Font count"), W("Font 1"), false},
    };
    for (const List& list : lists) {
        SCOPED_TRACE(::testing::Message() << "list at index " << (&list - lists));
        int count = -1;
        EXPECT_EQ(list.getCount(rec(), &count), 1);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(list.setItem(rec(), W("Courier"), 0), 1);
        EXPECT_EQ(list.getCount(rec(), &count), 1);
        EXPECT_EQ(count, 0);  // writing an item leaves the count alone
        EXPECT_EQ(Stored(list.subKey, list.firstItem), W("Courier"));
        EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return list.getItem(rec(), b, s, 0); }), W("Courier"));
        EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return list.getItem(rec(), b, s, 1); }), W("<failed>"));
        EXPECT_EQ(list.setCount(rec(), 3), 1);
        if (list.dwordCount) {
            EXPECT_EQ(StoredDword(Key(list.subKey), list.countName), 3u);
        } else {
            EXPECT_EQ(Stored(list.subKey, list.countName), W("3"));
        }
        EXPECT_EQ(list.setCount(rec(), -1), 0);
        EXPECT_EQ(list.setItem(rec(), W("x"), -1), 0);
        EXPECT_EQ(list.setItem(rec(), nullptr, 0), 0);
        EXPECT_EQ(ReadText([&](NWCHAR* b, int* s) { return list.getItem(rec(), b, s, -1); }), W("<failed>"));
        EXPECT_EQ(NW_EXPORT_CALL(list.getCount(nullptr, &count)), (Outcome{0, kNullArgument}));
    }
}

TEST_F(NameListTest, TheDefaultPrinterIsStoredAsItsMarkerInAnyCase) {
    EXPECT_EQ(SetRedirectedPrinter(rec(), W("use the USER default printer"), 1), 1);
    EXPECT_EQ(SetRedirectedPrinter(rec(), W("Use the user default printer "), 2), 1);
    EXPECT_EQ(Stored(W("Redirect Printing Settings"), W("Printer 2")), W("<<DEFAULT>>"));
    EXPECT_EQ(Stored(W("Redirect Printing Settings"), W("Printer 3")), W("Use the user default printer "));
}

}  // namespace
}  // namespace nw::test
