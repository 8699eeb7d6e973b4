// Registry printer names and the value primitives: which key a record
// reaches, the encodings written, and the size protocol of the readers.
#include <gtest/gtest.h>

#include "settings/registry_primitives.h"
#include "support/records.h"
#include "support/registry.h"

namespace {

using namespace nw;
using namespace nw::test;

const WCHAR* const kVendor = W("SOFTWARE\\Kelmora Works");

NordwispDEVMODE WithId(std::u16string_view deviceName, std::uint32_t printerId) {
    auto record = MakeRecord(deviceName);
    Put(record, offsetof(NordwispDEVMODE, PrinterID), printerId);
    return record;
}

WString RegistryName(const NordwispDEVMODE& record, std::size_t size = settings::kRegistryNameCapacity) {
    std::vector<WCHAR> name(size, W('#'));
    GetRegistryNameByPrinterID(&record, name.data(), size);
    return WString(name.data());
}

TEST(RegistryName, NetworkPrinterNameLosesItsBackslashesAndNestsKeys) {
    const auto record = MakeRecord(u"\\\\srv\\q");
    EXPECT_EQ(RegistryName(record), W("srv\\q"));

    ASSERT_EQ(WritePrinterDword(&record, kVendor, W("%s\\Pdf Settings"), W("Zoom"), 150), 1);
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)), std::vector<WString>{W("srv")});
    EXPECT_EQ(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor) + W("\\srv")), std::vector<WString>{W("q")});
    EXPECT_EQ(StoredDword(WString(kVendor) + W("\\srv\\q\\Pdf Settings"), W("Zoom")), 150u);
}

TEST(RegistryName, RegisteredPrinterIdWinsOverTheDeviceName) {
    WriteRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\PrinterIDs\\42"), W("Printer name"), REG_SZ,
             TextBytes(W("\\\\host\\Office PDF")));
    WriteRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\PrinterIDs\\-7"), W("Printer name"), REG_SZ,
             TextBytes(W("Negative")));
    EXPECT_EQ(RegistryName(WithId(u"Local Copy", 42)), W("host\\Office PDF"));
    // The ID is formatted signed, as "%d" does.
    EXPECT_EQ(RegistryName(WithId(u"Local Copy", static_cast<std::uint32_t>(-7))), W("Negative"));
    // No registration for 43: the device name.
    EXPECT_EQ(RegistryName(WithId(u"Local Copy", 43)), W("Local Copy"));

    const auto record = WithId(u"Local Copy", 42);
    ASSERT_EQ(WritePrinterString(&record, kVendor, W("%s"), W("Note"), W("x")), 1);
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\host\\Office PDF"), W("Note")));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\Local Copy")));
}

TEST(RegistryName, DeviceNameIsReadToItsThirtyTwoCharactersAndNoFurther) {
    // 32 characters fill dmDeviceName with no terminator; the next field
    // (dmSpecVersion, dmDriverVersion) must not be read as text.
    const WString full = W("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    EXPECT_EQ(RegistryName(MakeRecord(full)), full);
    // A small buffer gets what fits, terminated.
    EXPECT_EQ(RegistryName(MakeRecord(u"\\\\Printer"), 4), W("P"));
}

TEST(RegistryName, RecordWithoutAnyNameAddressesNoKey) {
    const auto record = MakeRecord(u"\\\\");
    EXPECT_EQ(RegistryName(record), W(""));
    EXPECT_EQ(WritePrinterDword(&record, kVendor, W("%s"), W("LastDocNumber"), 1), 0);
    DWORD value = 5;
    EXPECT_EQ(ReadPrinterDword(&record, kVendor, W("%s"), W("LastDocNumber"), &value), 0);
    EXPECT_EQ(value, 5u);
    EXPECT_TRUE(SubkeysOf(HKEY_CURRENT_USER, WString(kVendor)).empty());
}

TEST(PrinterValue, TextIsStoredWithoutTerminatorAndReadBySizeProtocol) {
    const auto record = MakeRecord(u"Office");
    ASSERT_EQ(WritePrinterString(&record, kVendor, W("%s\\Footer Settings"), W("Text"), W("abc")), 1);
    EXPECT_EQ(StoredText(PrinterKey(W("Office"), W("Footer Settings")), W("Text")), u"abc");

    // Size query: no buffer, size 0.
    DWORD size = 0;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Text"), nullptr, &size), 0);
    EXPECT_EQ(size, 6u);

    // Exactly 6 bytes: succeeds, no terminator written.
    WCHAR buffer[4] = {W('#'), W('#'), W('#'), W('#')};
    size = 6;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Text"), buffer, &size), 1);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(WStringView(buffer, 4), W("abc#"));

    // Too small: the needed size comes back and the buffer is untouched.
    WCHAR small[2] = {W('#'), W('#')};
    size = 4;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Text"), small, &size), 0);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(small[0], W('#'));

    // A size without a buffer is refused with the needed size.
    size = 100;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Text"), nullptr, &size), 0);
    EXPECT_EQ(size, 6u);

    // A missing value leaves the size alone.
    size = 100;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Other"), buffer, &size), 0);
    EXPECT_EQ(size, 100u);

    // An empty text is a value of 0 bytes.
    ASSERT_EQ(WritePrinterString(&record, kVendor, W("%s\\Footer Settings"), W("Empty"), W("")), 1);
    size = 0;
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s\\Footer Settings"), W("Empty"), nullptr, &size), 1);
    EXPECT_EQ(size, 0u);
}

TEST(PrinterValue, DwordAndBinaryRoundTripAndMissingValuesKeepTheDefault) {
    const auto record = MakeRecord(u"Office");
    DWORD value = 77;
    EXPECT_EQ(ReadPrinterDword(&record, kVendor, W("%s\\Page Settings"), W("Crop Left"), &value), 0);
    EXPECT_EQ(value, 77u);
    // Reading creates nothing.
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PrinterKey(W("Office"))));

    ASSERT_EQ(WritePrinterDword(&record, kVendor, W("%s\\Page Settings"), W("Crop Left"), 0xFFFFFFFFu), 1);
    EXPECT_EQ(ReadPrinterDword(&record, kVendor, W("%s\\Page Settings"), W("Crop Left"), &value), 1);
    EXPECT_EQ(value, 0xFFFFFFFFu);

    // A value longer than 4 bytes is not a DWORD: the default stays.
    ASSERT_EQ(WritePrinterString(&record, kVendor, W("%s\\Page Settings"), W("Crop Top"), W("abc")), 1);
    value = 9;
    EXPECT_EQ(ReadPrinterDword(&record, kVendor, W("%s\\Page Settings"), W("Crop Top"), &value), 0);
    EXPECT_EQ(value, 9u);

    const BYTE blob[5] = {0, 1, 0xFE, 0xFF, 7};
    ASSERT_EQ(WritePrinterBinary(&record, kVendor, W("%s\\Pdf Settings"), W("Blob"), blob, 5), 1);
    const auto stored = ReadRaw(HKEY_CURRENT_USER, PrinterKey(W("Office"), W("Pdf Settings")), W("Blob"));
    EXPECT_EQ(stored.value().type, REG_BINARY);
    EXPECT_EQ(stored->bytes, std::vector<BYTE>(blob, blob + 5));
    BYTE back[8] = {};
    DWORD size = sizeof back;
    EXPECT_EQ(ReadPrinterBinary(&record, kVendor, W("%s\\Pdf Settings"), W("Blob"), back, &size), 1);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(std::vector<BYTE>(back, back + 5), std::vector<BYTE>(blob, blob + 5));

    EXPECT_EQ(DeletePrinterValue(&record, kVendor, W("%s\\Pdf Settings"), W("Blob")), 1);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, PrinterKey(W("Office"), W("Pdf Settings")), W("Blob")));
    EXPECT_EQ(DeletePrinterValue(&record, kVendor, W("%s\\Pdf Settings"), W("Blob")), 0);
    EXPECT_EQ(DeletePrinterValue(&record, kVendor, W("%s\\Nowhere"), W("Blob")), 0);
}

TEST(PrinterValue, MissingArgumentsFailWithoutWriting) {
    const auto record = MakeRecord(u"Office");
    DWORD size = 0;
    DWORD value = 0;
    EXPECT_EQ(ReadPrinterValue(nullptr, kVendor, W("%s"), W("A"), nullptr, &size), 0);
    EXPECT_EQ(ReadPrinterValue(&record, kVendor, W("%s"), W("A"), nullptr, nullptr), 0);
    EXPECT_EQ(ReadPrinterDword(&record, nullptr, W("%s"), W("A"), &value), 0);
    EXPECT_EQ(ReadPrinterDword(&record, kVendor, W("%s"), W("A"), nullptr), 0);
    EXPECT_EQ(WritePrinterString(&record, kVendor, W("%s"), W("A"), nullptr), 0);
    EXPECT_EQ(WritePrinterString(&record, kVendor, nullptr, W("A"), W("x")), 0);
    EXPECT_EQ(WritePrinterDword(nullptr, kVendor, W("%s"), W("A"), 1), 0);
    EXPECT_EQ(WritePrinterDword(&record, kVendor, W("%s"), nullptr, 1), 0);
    EXPECT_EQ(WritePrinterBinary(&record, kVendor, W("%s"), W("A"), nullptr, 0), 0);
    EXPECT_EQ(DeletePrinterValue(&record, kVendor, W("%s"), nullptr), 0);
    EXPECT_EQ(WriteRegistryString(nullptr, W("x"), W("A")), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PrinterKey(W("Office"))));
}

TEST(PrinterValue, RootedFormsReachTheMachineDefault) {
    const auto record = MakeRecord(u"Office");
    ASSERT_EQ(WritePrinterDwordAt(HKEY_USERS, &record, settings::kMachineDefaultBase,
                                  W("%s\\Filename Generation Settings"), W("Use Output Directory from Client"), 1),
              1);
    EXPECT_EQ(StoredDword(W(".DEFAULT\\") + PrinterKey(W("Office"), W("Filename Generation Settings")),
                          W("Use Output Directory from Client"), HKEY_USERS),
              1u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, PrinterKey(W("Office"))));

    DWORD value = 0;
    EXPECT_EQ(ReadPrinterDwordAt(HKEY_USERS, &record, settings::kMachineDefaultBase,
                                 W("%s\\Filename Generation Settings"), W("Use Output Directory from Client"), &value),
              1);
    EXPECT_EQ(value, 1u);
}

TEST(PrinterValue, WriteRegistryStringTakesTheWholeRelativePath) {
    ASSERT_EQ(WriteRegistryString(W("Office\\Pdf Settings"), W("Kelmora"), W("Author")), 1);
    EXPECT_EQ(StoredText(PrinterKey(W("Office"), W("Pdf Settings")), W("Author")), u"Kelmora");
}

TEST(PrinterValue, PercentInAPrinterNameIsNotAFormatDirective) {
    const auto record = MakeRecord(u"Print %s 100%d");
    ASSERT_EQ(WritePrinterDword(&record, kVendor, W("%s\\OCR"), W("Area Height"), 3), 1);
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, W("SOFTWARE\\Kelmora Works\\Print %s 100%d\\OCR"), W("Area Height")));
}

}  // namespace
