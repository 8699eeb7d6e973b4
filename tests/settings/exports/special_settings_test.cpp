// Settings with rules of their own: the text stamp / watermark layer rule,
// fonts, areas, first-page image watermark, tabs, the client-directory
// switch, scrambled passwords and the OCR language list.
#include <array>
#include <tuple>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/exports/family_fixture.h"
#include "support/child_process.h"

#if !defined(_WIN32)
#include "nordwisp/NordwispMachine.h"
#endif

namespace nw::test {
namespace {

const WCHAR* const kStamp = W("Text Watermark Stamp Settings");

// Stamp result and value, watermark result and value.
using LayerState = std::array<int, 4>;

class LayerRuleTest : public FamilyTest {
protected:
    LayerState Read() {
        LayerState state{0, 9, 0, 9};
        state[0] = GetTextStampEnabled(rec(), &state[1]);
        state[2] = GetTextWatermarkEnabled(rec(), &state[3]);
        return state;
    }
    // The four values of the rule as stored, "-" for a missing one.
    WString Values() {
        WString all;
        for (const WCHAR* name : {W("Enabled"), W("Layer"), W("Text Stamp Enable"), W("Text Watermark Enable")}) {
            const WString text = Text(kStamp, name);
            all += (text == W("<missing>") ? W("-") : text) + W(" ");
        }
        return all;
    }
};

TEST_F(LayerRuleTest, ReadingFollowsEnabledLayerAndTheOlderValues) {
    EXPECT_EQ(Read(), (LayerState{0, 0, 0, 0}));          // nothing stored: the read fails
    PlantText(kStamp, W("Text Watermark Enable"), W("1"));  // alone it still decides
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 1}));
    RemoveValue(FamilyKey(kStamp), W("Text Watermark Enable"));

    PlantText(kStamp, W("Text Stamp Enable"), W("1"));
    EXPECT_EQ(Read(), (LayerState{1, 1, 1, 0}));
    // A zero stamp value lets the watermark value decide, and the watermark
    // value above 0 puts the object on layer 1.
    PlantText(kStamp, W("Text Stamp Enable"), W("0"));
    PlantText(kStamp, W("Text Watermark Enable"), W("1"));
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 1}));
    PlantText(kStamp, W("Text Watermark Enable"), W("0"));
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 0}));
    // "Enabled" wins over both older values; "Layer" wins over the derived layer.
    PlantText(kStamp, W("Enabled"), W("1"));
    EXPECT_EQ(Read(), (LayerState{1, 1, 1, 0}));
    PlantText(kStamp, W("Layer"), W("1"));
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 1}));
    PlantText(kStamp, W("Layer"), W("2"));
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 0}));
    PlantText(kStamp, W("Enabled"), W("0"));
    PlantText(kStamp, W("Text Stamp Enable"), W("1"));
    PlantText(kStamp, W("Layer"), W("0"));
    EXPECT_EQ(Read(), (LayerState{1, 0, 1, 0}));
}

TEST_F(LayerRuleTest, SettingMovesTheOneObjectBetweenLayers) {
    struct Step {
        int (*set)(NordwispDEVMODE*, int);
        int value;
        WStringView values;
        LayerState read;
    };
    const Step steps[] = {
        {SetTextStampEnabled, 1, W("1 0 1 0 "), {1, 1, 1, 0}},
        {SetTextWatermarkEnabled, 0, W("1 0 1 0 "), {1, 1, 1, 0}},  // leaves the stamp alone
        {SetTextWatermarkEnabled, 1, W("1 1 0 1 "), {1, 0, 1, 1}},
        {SetTextStampEnabled, 0, W("1 1 0 1 "), {1, 0, 1, 1}},
        {SetTextWatermarkEnabled, 0, W("0 1 0 0 "), {1, 0, 1, 0}},
        // Switched off, a new layer is written alone before the object is
        // turned on again.
        {SetTextStampEnabled, 5, W("5 0 1 0 "), {1, 1, 1, 0}},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.set(rec(), step.value), 1);
        EXPECT_EQ(Values(), step.values);
        EXPECT_EQ(Read(), step.read);
    }
}

TEST_F(LayerRuleTest, TurningOffWithNoLayerStoredActsOnLayerZero) {
    EXPECT_EQ(SetTextWatermarkEnabled(rec(), 0), 1);
    EXPECT_EQ(Values(), W("- - - - "));
    EXPECT_EQ(SetTextStampEnabled(rec(), 0), 1);
    EXPECT_EQ(Values(), W("0 - 0 0 "));
}

using FontTest = FamilyTest;

WString FaceName(const NW_LOGFONTW& font) {
    WCHAR face[33] = {};
    std::memcpy(face, reinterpret_cast<const unsigned char*>(&font) + offsetof(NW_LOGFONTW, lfFaceName), 64);
    return face;
}

TEST_F(FontTest, RoundTripAndValueNames) {
    EXPECT_EQ(SetHeaderFont(rec(), -16, 7, 900, 450, 700, 1, 0, 1, 204, 3, 2, 5, 0x22, W("Segoe UI")), 1);
    EXPECT_EQ(Dword(W("Header Settings"), W("Header Font Height")), 0xFFFFFFF0u);
    EXPECT_EQ(Dword(W("Header Settings"), W("Header Font Charset")), 204u);
    EXPECT_EQ(Dword(W("Header Settings"), W("Header Font PinchAndFamily")), 0x22u);
    EXPECT_EQ(Text(W("Header Settings"), W("Header Font Facename")), W("Segoe UI"));

    NW_LOGFONTW font;
    std::memset(&font, 0xCC, sizeof font);
    EXPECT_EQ(GetHeaderFont(rec(), &font), 1);
    EXPECT_EQ(std::make_tuple(font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight),
              std::make_tuple(-16, 7, 900, 450, 700));
    EXPECT_EQ(std::vector<int>({font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
                                font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily}),
              std::vector<int>({1, 0, 1, 204, 3, 2, 5, 0x22}));
    EXPECT_EQ(FaceName(font), W("Segoe UI"));

    // The text stamp's values carry no prefix; the footer's are separate.
    EXPECT_EQ(SetTextStampFont(rec(), 30, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, W("Arial")), 1);
    EXPECT_EQ(Dword(W("Text Watermark Stamp Settings"), W("Font Height")), 30u);
    EXPECT_EQ(Text(W("Text Watermark Stamp Settings"), W("Font Facename")), W("Arial"));
    EXPECT_EQ(GetFooterFont(rec(), &font), 0);
}

TEST_F(FontTest, StopsAtTheFirstMissingValueAndRefusesLongFaceNames) {
    NW_LOGFONTW font;
    std::memset(&font, 0xCC, sizeof font);
    EXPECT_EQ(GetFooterFont(rec(), &font), 0);
    NW_LOGFONTW zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(std::memcmp(&font, &zero, sizeof font), 0);

    EXPECT_EQ(SetFooterFont(rec(), 12, 6, 0, 0, 400, 1, 1, 1, 0, 0, 0, 0, 0, W("Courier")), 1);
    RemoveValue(FamilyKey(W("Footer Settings")), W("Footer Font Italic"));
    std::memset(&font, 0xCC, sizeof font);
    EXPECT_EQ(GetFooterFont(rec(), &font), 0);
    // Italic is missing; underline, after the gap, is not read.
    EXPECT_EQ(std::make_tuple(font.lfHeight, font.lfWeight, font.lfItalic, font.lfUnderline),
              std::make_tuple(12, 400, 0, 0));
    EXPECT_EQ(FaceName(font), W(""));

    const WString face31(31, W('f'));
    EXPECT_EQ(SetFooterFont(rec(), 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, (face31 + W("f")).c_str()), 0);
    EXPECT_EQ(Dword(W("Footer Settings"), W("Footer Font Height")), 12u);
    EXPECT_EQ(SetFooterFont(rec(), 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, face31.c_str()), 1);
    EXPECT_EQ(SetFooterFont(rec(), 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr), 0);
    EXPECT_EQ(GetFooterFont(rec(), nullptr), 0);
}

using AreaTest = FamilyTest;

TEST_F(AreaTest, CropAndTrimAreas) {
    int l = 9, r = 9, t = 9, b = 9;
    EXPECT_EQ(GetCropArea(rec(), &l, &r, &t, &b), 1);
    EXPECT_EQ((std::array<int, 4>{l, r, t, b}), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(SetCropArea(rec(), 1, 2, 3, -4), 1);
    EXPECT_EQ(Dword(W("Page Settings"), W("Crop Bottom")), 0xFFFFFFFCu);
    EXPECT_EQ(GetCropArea(rec(), &l, nullptr, &t, &b), 1);
    EXPECT_EQ((std::array<int, 3>{l, t, b}), (std::array<int, 3>{1, 3, -4}));
    EXPECT_EQ(SetTrimWhitespace(rec(), 10, 20, 30, 40), 1);
    EXPECT_EQ(Dword(W("Page Settings"), W("Trim Whitespace Right")), 20u);
    EXPECT_EQ(GetTrimWhitespace(rec(), &l, &r, &t, &b), 1);
    EXPECT_EQ((std::array<int, 4>{l, r, t, b}), (std::array<int, 4>{10, 20, 30, 40}));
}

TEST_F(AreaTest, ForcedDpiAndPaperSwitches) {
    EXPECT_EQ(IsForcePrinterDPIEnabled(rec()), 0);
    EXPECT_EQ(EnableForcePrinterDPI(rec()), 1);
    EXPECT_EQ(Dword(W("Page Settings"), W("Force DPI Enabled")), 1u);
    EXPECT_EQ(IsForcePrinterDPIEnabled(rec()), 1);
    EXPECT_EQ(DisableForcePrinterDPI(rec()), 1);
    EXPECT_EQ(IsForcePrinterDPIEnabled(rec()), 0);
    PlantDword(W("Page Settings"), W("Force Paper Enabled"), 7);
    EXPECT_EQ(IsForcePaperSizeEnabled(rec()), 1);
    EXPECT_EQ(DisableForcePaperSize(rec()), 1);
    EXPECT_EQ(Dword(W("Page Settings"), W("Force Paper Enabled")), 0u);
}

using FirstImageTest = FamilyTest;

TEST_F(FirstImageTest, BrightnessPositionAndFilePerOrientation) {
    // Kept per orientation (1 is landscape); a stored value outside the range
    // reads as the default.
    auto check = [&](auto get, auto set, const WCHAR* landscapeName, int fallback, std::initializer_list<int> refused,
                     int landscape, int portrait, DWORD outOfRange) {
        EXPECT_EQ(get(rec(), 1), fallback);
        for (int value : refused) EXPECT_EQ(set(rec(), 1, value), 0);
        EXPECT_EQ(set(rec(), 1, landscape), 1);
        EXPECT_EQ(Dword(W("Watermark"), landscapeName), static_cast<DWORD>(landscape));
        EXPECT_EQ(get(rec(), 1), landscape);
        EXPECT_EQ(get(rec(), 0), fallback);
        EXPECT_EQ(set(rec(), 0, portrait), 1);
        EXPECT_EQ(get(rec(), 0), portrait);
        PlantDword(W("Watermark"), WString(landscapeName).replace(12, 9, W("Portrait")).c_str(), outOfRange);
        EXPECT_EQ(get(rec(), 0), fallback);
    };
    check(GetWatermarkFirstImageBrightness, SetWatermarkFirstImageBrightness, W("First Image Landscape Brightness"), 40,
          {101, -1}, 100, 0, 150);
    check(GetWatermarkFirstImagePosition, SetWatermarkFirstImagePosition, W("First Image Landscape Position"), 4,
          {3, 256}, 528, 272, 5);

    EXPECT_EQ(SetWatermarkFirstImageFile(rec(), 0, W("C:\\stamps\\first.bmp")), 1);
    EXPECT_EQ(Text(W("Watermark"), W("First Image Portrait")), W("C:\\stamps\\first.bmp"));
    int size = 0;
    EXPECT_EQ(GetWatermarkFirstImageFile(rec(), 1, nullptr, &size), 0);
    EXPECT_EQ(size, 0);  // landscape is missing
    EXPECT_EQ(SetWatermarkFirstImageFileA(rec(), 1, "L.bmp"), 1);
    EXPECT_EQ(Text(W("Watermark"), W("First Image Landscape")), W("L.bmp"));
    char ansi[16] = {};
    size = sizeof ansi;
    EXPECT_EQ(GetWatermarkFirstImageFileA(rec(), 1, ansi, &size), 1);
    EXPECT_STREQ(ansi, "L.bmp");
}

using TabTest = FamilyTest;

TEST_F(TabTest, RegistryValueElseDefaultOne) {
    EXPECT_EQ(IsTabEnabled(rec(), 3), 1);  // no value, no printer, no data file
    EXPECT_EQ(DisableTab(rec(), 3), 1);
    EXPECT_EQ(Dword(W("UI Tabs Settings"), W("Display Watermark Tab")), 0u);
    EXPECT_EQ(IsTabEnabled(rec(), 3), 0);
    EXPECT_EQ(EnableTab(rec(), 50), 1);
    EXPECT_EQ(Dword(W("UI Tabs Settings"), W("Display Custom Tab")), 1u);
    PlantDword(W("UI Tabs Settings"), W("Display OCR Tab"), 2);
    EXPECT_EQ(IsTabEnabled(rec(), 9), 0);
    // Unknown numbers share the key's unnamed value.
    EXPECT_EQ(DisableTab(rec(), 77), 1);
    EXPECT_EQ(Dword(W("UI Tabs Settings"), W("")), 0u);
    EXPECT_EQ(IsTabEnabled(rec(), 11), 0);
}

// The hosted machine provides the printer and its driver data file.
#if !defined(_WIN32)
TEST_F(TabTest, MissingValueAsksTheDriverDataFile) {
    ASSERT_EQ(NordwispMachine_AddPrinter(kFamilyPrinter, nullptr), 0u);
    HANDLE printer = nullptr;
    WString name(kFamilyPrinter);
    ASSERT_TRUE(OpenPrinterW(name.data(), &printer, nullptr));
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &needed);
    std::vector<std::uint64_t> block(needed / 8 + 1);
    ASSERT_TRUE(GetPrinterDriverW(printer, nullptr, 2, reinterpret_cast<LPBYTE>(block.data()), needed, &needed));
    ClosePrinter(printer);
    const WString dataFile = reinterpret_cast<DRIVER_INFO_2W*>(block.data())->pDataFile;
    ASSERT_TRUE(WritePrivateProfileStringW(W("UI Tabs Settings"), W("Display OCR Tab"), W("0"), dataFile.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringW(W("UI Tabs Settings"), W("Display Bates Tab"), W("2"), dataFile.c_str()));

    EXPECT_EQ(IsTabEnabled(rec(), 9), 0);
    EXPECT_EQ(IsTabEnabled(rec(), 5), 0);
    EXPECT_EQ(IsTabEnabled(rec(), 3), 1);
    EXPECT_EQ(EnableTab(rec(), 9), 1);  // the registry value wins
    EXPECT_EQ(IsTabEnabled(rec(), 9), 1);
}
#endif

class ClientDirectoryTest : public FamilyTest {
protected:
    static std::optional<DWORD> MachineDefault() {
        return StoredDword(W(".DEFAULT\\") + FamilyKey(W("Filename Generation Settings")),
                           W("Use Output Directory from Client"), HKEY_USERS);
    }
    std::uint32_t Flags() { return At<std::uint32_t>(record_, 6807); }
};

TEST_F(ClientDirectoryTest, AdministratorSetsRecordAndMachineDefault) {
    EXPECT_EQ(IsUseDirectoryFromClientEnabled(rec()), 0);
    EXPECT_EQ(SetUseDirectoryFromClient(rec(), 5), 1);
    EXPECT_EQ(MachineDefault(), 1u);
    EXPECT_EQ(Flags(), 0x4u);
    EXPECT_EQ(IsUseDirectoryFromClientEnabled(rec()), 1);
    // Nothing went to the user's own printer key.
    EXPECT_FALSE(Raw(W("Filename Generation Settings"), W("Use Output Directory from Client")));
    EXPECT_EQ(SetUseDirectoryFromClient(rec(), 0), 1);
    EXPECT_EQ(MachineDefault(), 0u);
    EXPECT_EQ(Flags(), 0u);
    EXPECT_EQ(IsUseDirectoryFromClientEnabled(rec()), 0);

    // The reader leaves an earlier failure in the last error.
    EXPECT_EQ(GetTextOutputRows(nullptr), 0);
    EXPECT_EQ(NW_EXPORT_CALL(IsUseDirectoryFromClientEnabled(rec())), (Outcome{0, kNullArgument}));
}

// An ordinary user is a hosted-machine identity.
#if !defined(_WIN32)
NW_TEST_CHILD(SetClientDirectoryAsUser) {
    NordwispDEVMODE record = MakeRecord(kFamilyPrinter);
    if (SetUseDirectoryFromClient(&record, 1) != 0) return 10;
    if (Nordwisp_GetLastError() != 5) return 11;
    if (At<std::uint32_t>(record, 6807) != 0) return 12;
    return IsUseDirectoryFromClientEnabled(&record) == 1 ? 0 : 13;
}

TEST_F(ClientDirectoryTest, OrdinaryUserIsRefused) {
    ASSERT_EQ(SetUseDirectoryFromClient(rec(), 1), 1);
    setenv("NORDWISP_ADMIN", "0", 1);
    const ChildProcess child = StartChild("SetClientDirectoryAsUser");
    unsetenv("NORDWISP_ADMIN");
    EXPECT_EQ(WaitChild(child), 0);
    EXPECT_EQ(MachineDefault(), 1u);
}
#endif

class PasswordTest : public FamilyTest {
protected:
    // Every file of the user's hive folder (the hive and any journal).
    // The hosted hive's files; Windows keeps its hives to itself, so there
    // only the stored-text checks speak.
#if !defined(_WIN32)
    static std::string UserHiveBytes() {
        char root[1024] = {};
        NordwispMachine_GetRoot(root, sizeof root);
        std::string all;
        const std::filesystem::path folder = std::filesystem::path(root) / "drive_c" / "users" / "user";
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            all.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return all;
    }
    static bool HiveHolds(WStringView clear) {
        const std::string bytes = UserHiveBytes();
        std::string utf8(clear.begin(), clear.end());
        std::string utf16;
        for (WCHAR c : clear) utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        return bytes.find(utf8) != std::string::npos || bytes.find(utf16) != std::string::npos;
    }
#else
    static bool HiveHolds(WStringView) { return false; }
#endif
};

TEST_F(PasswordTest, PdfPasswordsAreNeverStoredInClear) {
    EXPECT_EQ(SetPdfOwnerPassword(rec(), W("Tr0ub4dor&3")), 1);
    EXPECT_EQ(SetPdfUserPassword(rec(), W("correcthorse")), 1);
    EXPECT_FALSE(HiveHolds(W("Tr0ub4dor")));
    EXPECT_FALSE(HiveHolds(W("correcthorse")));
    EXPECT_NE(Text(W("Pdf Settings"), W("Document Owner Password")), W("Tr0ub4dor&3"));
    EXPECT_EQ(Text(W("Pdf Settings"), W("Document Owner Password")).size(), 11u);
    EXPECT_EQ(ReadBack(GetPdfOwnerPassword, rec()), W("Tr0ub4dor&3"));
    EXPECT_EQ(ReadBack(GetPdfUserPassword, rec()), W("correcthorse"));

    const WString max32(32, W('q'));
    EXPECT_EQ(SetPdfOwnerPassword(rec(), (max32 + W("q")).c_str()), 0);
    EXPECT_EQ(ReadBack(GetPdfOwnerPassword, rec()), W("Tr0ub4dor&3"));
    EXPECT_EQ(SetPdfOwnerPassword(rec(), max32.c_str()), 1);
    EXPECT_EQ(ReadBack(GetPdfOwnerPassword, rec()), max32);
    EXPECT_EQ(SetPdfOwnerPassword(rec(), W("")), 1);
    EXPECT_EQ(Text(W("Pdf Settings"), W("Document Owner Password")), W(""));
    EXPECT_EQ(SetPdfUserPassword(rec(), W("a\x7F")), 0);
    char ansi[32] = {};
    int size = sizeof ansi;
    EXPECT_EQ(GetPdfUserPasswordA(rec(), ansi, &size), 1);
    EXPECT_STREQ(ansi, "correcthorse");
}

TEST_F(PasswordTest, SmtpPasswordIsStoredAsReversedHexDigits) {
    EXPECT_EQ(SetSMTPServerPwd(rec(), W("abc")), 1);
    EXPECT_EQ(Text(W("Post Print Settings\\Email Settings"), W("SMTP Password")), W("162636"));
    EXPECT_EQ(SetSMTPServerPwd(rec(), W("\tZ\u00FF")), 1);
    EXPECT_EQ(Text(W("Post Print Settings\\Email Settings"), W("SMTP Password")), W("90A5FF"));
    EXPECT_EQ(ReadBack(GetSMTPServerPwd, rec()), W("\tZ\u00FF"));
    EXPECT_EQ(SetSMTPServerPwd(rec(), W("mail-secret-42")), 1);
    EXPECT_FALSE(HiveHolds(W("mail-secret")));
    EXPECT_EQ(ReadBack(GetSMTPServerPwd, rec()), W("mail-secret-42"));

    // A short buffer gets what fits of its size, no more, and the size needed.
    NWCHAR small[4] = {};
    int size = 7;
    EXPECT_EQ(GetSMTPServerPwd(rec(), small, &size), 0);
    EXPECT_EQ(size, 28);
    EXPECT_EQ(WString(small, 4), WString(W("mai\0"), 4));
    size = 0;
    EXPECT_EQ(GetSMTPServerPwd(rec(), nullptr, &size), 0);
    EXPECT_EQ(size, 0);  // a null buffer reads nothing

    EXPECT_EQ(SetSMTPServerPwd(rec(), W("\u20AC")), 0);                          // no two-digit form
    EXPECT_EQ(SetSMTPServerPwd(rec(), WString(163, W('x')).c_str()), 0);  // beyond the reader's 650 bytes
    EXPECT_EQ(SetSMTPServerPwd(rec(), WString(162, W('x')).c_str()), 1);
    EXPECT_EQ(ReadBack(GetSMTPServerPwd, rec()), WString(162, W('x')));
    PlantText(W("Post Print Settings\\Email Settings"), W("SMTP Password"), W("16263"));
    EXPECT_EQ(ReadBack(GetSMTPServerPwd, rec()), W("<failed>"));
}

TEST_F(PasswordTest, SharePointPasswordIsStoredAsScrambledHexPairs) {
    EXPECT_EQ(SetSharePointPass(rec(), W("sp-pa55word")), 1);
    const WString stored = Text(W("Post Print Settings\\SharePoint Settings"), W("SharePoint Pass"));
    ASSERT_EQ(stored.size(), 22u);
    for (WCHAR c : stored) EXPECT_TRUE((c >= W('0') && c <= W('9')) || (c >= W('A') && c <= W('F')));
    EXPECT_FALSE(HiveHolds(W("pa55word")));
    EXPECT_EQ(ReadBack(GetSharePointPass, rec()), W("sp-pa55word"));
    // The stored form is two digits per character of the XORed text: the
    // same character gives the same pair, different ones different pairs.
    EXPECT_EQ(stored.substr(10, 2), stored.substr(12, 2));  // "55"
    EXPECT_NE(stored.substr(0, 2), stored.substr(2, 2));

    EXPECT_EQ(SetSharePointPass(rec(), WString(260, W('p')).c_str()), 0);
    EXPECT_EQ(SetSharePointPass(rec(), W("\u0100")), 0);
    EXPECT_EQ(SetSharePointPass(rec(), WString(259, W('p')).c_str()), 1);
    EXPECT_EQ(ReadBack(GetSharePointPass, rec(), 600), WString(259, W('p')));
}

NW_TEST_CHILD(WritePasswordsInChild) {
    NordwispDEVMODE record = MakeRecord(kFamilyPrinter);
    return SetSharePointPass(&record, W("from-child")) == 1 && SetPdfOwnerPassword(&record, W("child-owner")) == 1 ? 0 : 1;
}

TEST_F(PasswordTest, PasswordsWrittenByAnotherProcessReadBack) {
    ASSERT_EQ(RunChild("WritePasswordsInChild"), 0);
    EXPECT_EQ(ReadBack(GetSharePointPass, rec()), W("from-child"));
    EXPECT_EQ(ReadBack(GetPdfOwnerPassword, rec()), W("child-owner"));
}

using OcrLanguagesTest = FamilyTest;

TEST_F(OcrLanguagesTest, SetterNormalisesGetterReturnsStored) {
    EXPECT_EQ(SetOCRLanguages(rec(), W("deu, eng;fra")), 1);
    EXPECT_EQ(Text(W("OCR"), W("Languages")), W("deu+eng+fra"));
    EXPECT_EQ(ReadBack(GetOCRLanguages, rec()), W("deu+eng+fra"));
    EXPECT_EQ(SetOCRLanguagesA(rec(), " a ,,b ; c "), 1);
    EXPECT_EQ(Text(W("OCR"), W("Languages")), W("a++b+c"));
    // The limit applies to the text as given, spaces included.
    EXPECT_EQ(SetOCRLanguages(rec(), (WString(250, W(' ')) + W("deu+engfra")).c_str()), 0);
    EXPECT_EQ(SetOCRLanguages(rec(), (WString(249, W(' ')) + W("deu+engfra")).c_str()), 1);
    EXPECT_EQ(Text(W("OCR"), W("Languages")), W("deu+engfra"));
    PlantText(W("OCR"), W("Languages"), W("x, y"));
    EXPECT_EQ(ReadBack(GetOCRLanguages, rec()), W("x, y"));
}

}  // namespace
}  // namespace nw::test
