// The once-per-process rules of key resolution: the packaged copy and the
// vendor-key probe. Each scenario runs in a fresh child process, since the
// rules hold process-wide state; the parent looks at the registry after it.
#include <gtest/gtest.h>

#include <string>

#include "platform/hosted/machine.h"
#include "settings/registry_primitives.h"
#include "support/records.h"
#include "support/registry.h"
#include "support/child_process.h"

namespace {

using namespace nw;
using namespace nw::test;

const WCHAR* const kVendor = W("SOFTWARE\\Kelmora Works");
const char16_t* const kNotes = u"Contoso.Notes_1.0.0.0_x86__8wekyb3d8bbwe";

void BecomePackage(const std::string& name) {
    auto identity = nw::hosted::CurrentIdentity();
    identity.packageFullName = nw::hosted::FromUtf8(name);
    nw::hosted::SetIdentity(identity);
}

// Runs as the package named by args[0]: reads and writes two printers and the
// machine default. The exit code names the first step that went wrong.
NW_TEST_CHILD(PackagedWrites) {
    BecomePackage(args.at(0));
    const auto first = MakeRecord(u"First");
    const auto second = MakeRecord(u"Second");
    DWORD value = 0;
    // The first read makes the copy and reads from it.
    if (!ReadPrinterDword(&first, kVendor, W("%s\\Pdf Settings"), W("Zoom"), &value) || value != 100) return 10;
    if (!WritePrinterDword(&first, kVendor, W("%s\\Pdf Settings"), W("Zoom"), 200)) return 11;
    value = 0;
    if (!ReadPrinterDword(&first, kVendor, W("%s\\Pdf Settings"), W("Zoom"), &value) || value != 200) return 12;
    // The second printer has no copy: its own value is not seen.
    value = 1;
    if (ReadPrinterDword(&second, kVendor, W("%s\\Pdf Settings"), W("Zoom"), &value) || value != 1) return 13;
    if (!WritePrinterDword(&second, kVendor, W("%s\\Pdf Settings"), W("Zoom"), 300)) return 14;
    if (!WritePrinterDwordAt(HKEY_USERS, &first, settings::kMachineDefaultBase, W("%s\\Filename Generation Settings"),
                             W("Use Output Directory from Client"), 1))
        return 15;
    WCHAR name[settings::kRegistryNameCapacity + 64] = {W('F'), W('i'), W('r'), W('s'), W('t')};
    HKEY root = HKEY_LOCAL_MACHINE;
    DWORD options = 0;
    if (ResolveSettingsKeyName(name, std::size(name), &root, &options) != 1 || options != 0 ||
        WString(name) != W("First"))
        return 16;
    root = HKEY_CURRENT_USER;
    if (ResolveSettingsKeyName(name, std::size(name), &root, &options) != 1 || options != REG_OPTION_VOLATILE ||
        WString(name) != WString(W("First_Package ")) + nw::hosted::FromUtf8(args.at(0)))
        return 17;
    return 0;
}

void SeedPrinter(const WCHAR* name, DWORD zoom) {
    StoreDword(PrinterKey(name, W("Pdf Settings")), W("Zoom"), zoom);
    StoreText(PrinterKey(name, W("Pdf Settings\\Force Embed Fonts")), W("Font0"), W("Arial"));
}

TEST(PackagedProcess, CopiesTheFirstPrinterOnceAndWritesToTheCopy) {
    SeedPrinter(W("First"), 100);
    SeedPrinter(W("Second"), 100);
    ASSERT_EQ(RunChild("PackagedWrites", {nw::hosted::ToUtf8(kNotes)}), 0);

    const WString copy = WString(kVendor) + W("\\First_Package ") + kNotes;
    EXPECT_TRUE(IsVolatileKey(HKEY_CURRENT_USER, copy));
    EXPECT_EQ(StoredDword(copy + W("\\Pdf Settings"), W("Zoom")), 200u);
    // The whole tree came along, nested keys included.
    EXPECT_EQ(StoredText(copy + W("\\Pdf Settings\\Force Embed Fonts"), W("Font0")), u"Arial");
    // The printer's own key is untouched.
    EXPECT_EQ(StoredDword(PrinterKey(W("First"), W("Pdf Settings")), W("Zoom")), 100u);

    // The second printer got the suffix, but no copy of its tree.
    const WString second = WString(kVendor) + W("\\Second_Package ") + kNotes;
    EXPECT_EQ(StoredDword(second + W("\\Pdf Settings"), W("Zoom")), 300u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, second + W("\\Pdf Settings\\Force Embed Fonts")));
    EXPECT_TRUE(IsVolatileKey(HKEY_CURRENT_USER, second));
    EXPECT_EQ(StoredDword(PrinterKey(W("Second"), W("Pdf Settings")), W("Zoom")), 100u);

    // HKEY_USERS writes take no suffix.
    EXPECT_TRUE(ReadRaw(HKEY_USERS, W(".DEFAULT\\SOFTWARE\\Kelmora Works\\First\\Filename Generation Settings"),
                        W("Use Output Directory from Client")));
    EXPECT_EQ(SubkeysOf(HKEY_USERS, W(".DEFAULT\\SOFTWARE\\Kelmora Works")), std::vector<WString>{W("First")});
}

NW_TEST_CHILD(PackagedWriteOnly) {
    BecomePackage(args.at(0));
    const auto record = MakeRecord(u"First");
    return WritePrinterDword(&record, kVendor, W("%s\\Pdf Settings"), W("Zoom"), 5) ? 0 : 1;
}

TEST(PackagedProcess, ControlPanelInAnyCaseCountsAsUnpackaged) {
    SeedPrinter(W("First"), 100);
    ASSERT_EQ(
        RunChild("PackagedWriteOnly", {"Windows.ImmersiveCONTROLPANEL_10.0.2.1000_neutral_neutral_cw5n1h2txyewy"}), 0);
    EXPECT_EQ(StoredDword(PrinterKey(W("First"), W("Pdf Settings")), W("Zoom")), 5u);
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)), std::vector<WString>{W("First")});

    // "windows" alone, or "controlpanel" alone, is an ordinary package.
    ASSERT_EQ(RunChild("PackagedWriteOnly", {"Microsoft.WindowsNotepad_11.0.0.0_x64__8wekyb3d8bbwe"}), 0);
    ASSERT_EQ(RunChild("PackagedWriteOnly", {"Fabrikam.ControlPanel_1.0.0.0_x86__abc"}), 0);
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)),
              (std::vector<WString>{W("First"), W("First_Package Fabrikam.ControlPanel_1.0.0.0_x86__abc"),
                                    W("First_Package Microsoft.WindowsNotepad_11.0.0.0_x64__8wekyb3d8bbwe")}));
    EXPECT_EQ(StoredDword(PrinterKey(W("First"), W("Pdf Settings")), W("Zoom")), 5u);
}

NW_TEST_CHILD(UnpackagedRead) {
    const auto record = MakeRecord(u"First");
    DWORD value = 0;
    ReadPrinterDword(&record, kVendor, W("%s"), W("LastDocNumber"), &value);
    return 0;
}

TEST(VendorKey, VolatileVendorKeyIsReplacedOnTheFirstUnpackagedCall) {
    // SOFTWARE itself is an ordinary key, as on every Windows profile.
    StoreDword(W("SOFTWARE\\Other Vendor"), W("Kept"), 1);
    WriteRaw(HKEY_CURRENT_USER, WString(kVendor) + W("\\Old"), W("Stale"), REG_DWORD, DwordBytes(1),
             REG_OPTION_VOLATILE);
    ASSERT_TRUE(IsVolatileKey(HKEY_CURRENT_USER, WString(kVendor)));
    ASSERT_EQ(RunChild("UnpackagedRead"), 0);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, WString(kVendor)));
    EXPECT_FALSE(IsVolatileKey(HKEY_CURRENT_USER, WString(kVendor)));
    EXPECT_TRUE(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)).empty());
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Other Vendor"), W("Kept")));
}

TEST(VendorKey, OrdinaryVendorKeyKeepsItsTreeAndNoProbeKey) {
    SeedPrinter(W("First"), 100);
    ASSERT_EQ(RunChild("UnpackagedRead"), 0);
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)), std::vector<WString>{W("First")});
    EXPECT_TRUE(
        ReadRaw(HKEY_CURRENT_USER, WString(kVendor) + W("\\First\\Pdf Settings\\Force Embed Fonts"), W("Font0")));
}

}  // namespace
