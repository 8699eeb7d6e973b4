// The profile exports as a client calls them: the registry index, applying
// a profile file, and the forwarding to the driver's configuration module.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "support/library.h"
#include "profiles/profile_index_support.h"
#include "support/registry.h"
#include "support/temp_dir.h"

namespace nw::test {
namespace {

WString ProfilesKey() { return PrinterKey(kPrinter, W("Profiles")); }

struct OpenCounts {
    uint32_t printers = 0;
    uint32_t modules = 0;
    bool operator==(const OpenCounts&) const = default;
};
OpenCounts CountOpen() {
    OpenCounts counts;
    NordwispMachine_CountOpen(&counts.printers, &counts.modules);
    return counts;
}

class ProfileExportsTest : public PrinterTest {};

TEST_F(ProfileExportsTest, ApplyProfileFileOverlaysTheFileAndDropsMissingProfiles) {
    TempDir dir;
    const WString file = dir.File(W("draft.bip"));
    ASSERT_TRUE(WriteFileBytes(file, "[Profile]\r\nName=Draft\r\n[Default Settings]\r\nX DPI=150\r\nY DPI=150\r\n"));
    const WString gone = PrinterKey(kPrinter, W("Profiles\\Gone"));
    ASSERT_TRUE(WriteTextValue(gone, W("Filename"), dir.File(W("gone.bip"))));
    ASSERT_TRUE(WriteTextValue(gone, W("Name"), W("Gone")));

    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_NE(record, nullptr);
    ASSERT_NE(GetXDPI(record.get()), 150);
    PlantLastError();
    const uint32_t planted = Nordwisp_GetLastError();
    EXPECT_EQ(ApplyProfileFile(kPrinter, file.c_str(), record.get()), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), planted);
    EXPECT_EQ(GetXDPI(record.get()), 150);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, gone, W("Name")));
    EXPECT_EQ(StoredDword(ProfilesKey(), W("Common Profiles Imported")), 1u);
    // Only the caller's record changed.
    Record stored(LoadNordwispDEVMODE(kPrinter));
    EXPECT_NE(GetXDPI(stored.get()), 150);

    EXPECT_EQ(ApplyProfileFile(W("No Such Printer"), file.c_str(), record.get()), 0);
    EXPECT_EQ(ApplyProfileFile(kPrinter, nullptr, record.get()), 0);
    EXPECT_EQ(ApplyProfileFile(kPrinter, file.c_str(), nullptr), 0);
    EXPECT_EQ(ApplyProfileFile(kPrinter, dir.File(W("none.bip")).c_str(), record.get()), 0);
    EXPECT_EQ(CountOpen(), OpenCounts{});
}

class ForwardedExportsTest : public PrinterTest {};

// Each forwarded export with the result the echoing module gives for its
// arguments.
struct ForwardedCall {
    const char* name;
    int (*call)(const WCHAR* printer);
    int echoed;
};
const ForwardedCall kForwardedCalls[] = {
    {"ApplyProfile", [](const WCHAR* p) { return ApplyProfile(p, 4, 2); }, 42},
    {"CreateProfile", [](const WCHAR* p) { return CreateProfile(p, 1, 2, 3); }, 123},
    {"CreateProfileFile", [](const WCHAR* p) { return CreateProfileFile(p, 1, 2, 3, 4); }, 1234},
    {"DeleteProfile", [](const WCHAR* p) { return DeleteProfile(p, 9); }, 9},
    {"ExportProfile", [](const WCHAR* p) { return ExportProfile(p, 4, 5); }, 45},
    {"ImportProfile", [](const WCHAR* p) { return ImportProfile(p, 6, 7); }, 67},
};

TEST_F(ForwardedExportsTest, ArgumentsPassThroughAndResultsComeBack) {
    ASSERT_EQ(NordwispMachine_InstallConfigModule(NW_TEST_CONFIG_MODULE), 0u);
    PlantLastError();
    const uint32_t planted = Nordwisp_GetLastError();
    for (const ForwardedCall& c : kForwardedCalls) EXPECT_EQ(c.call(kPrinter), c.echoed) << c.name;
    uint32_t count = 0;
    EXPECT_EQ(GetNumberOfProfiles(kPrinter, &count), 1);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(Nordwisp_GetLastError(), planted);
    EXPECT_EQ(CountOpen(), OpenCounts{});
}

TEST_F(ForwardedExportsTest, GetProfileNameSizeProtocol) {
    ASSERT_EQ(NordwispMachine_InstallConfigModule(NW_TEST_CONFIG_MODULE), 0u);
    uint32_t size = 0;
    EXPECT_EQ(GetProfileName(kPrinter, 0, nullptr, &size), 1);
    EXPECT_EQ(size, 17u);  // "Quarterly report" and its terminator
    WCHAR small[16];
    std::fill(std::begin(small), std::end(small), W('#'));
    size = 16;
    EXPECT_EQ(GetProfileName(kPrinter, 0, small, &size), 0);
    EXPECT_EQ(size, 17u);
    EXPECT_EQ(small[0], W('#'));
    WCHAR exact[17];
    size = 17;
    EXPECT_EQ(GetProfileName(kPrinter, 0, exact, &size), 1);
    EXPECT_EQ(WString(exact), W("Quarterly report"));
    EXPECT_EQ(size, 17u);
    // A module that fills its buffer to the end: the name stops at 259.
    std::vector<WCHAR> wide(300, W('#'));
    size = 300;
    EXPECT_EQ(GetProfileName(kPrinter, 1, wide.data(), &size), 1);
    EXPECT_EQ(size, 260u);
    EXPECT_EQ(WString(wide.data()), WString(259, W('x')));
    size = 5;
    EXPECT_EQ(GetProfileName(kPrinter, 2, nullptr, &size), 0);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(GetProfileName(kPrinter, 0, exact, nullptr), 0);
    EXPECT_EQ(CountOpen(), OpenCounts{});
}

TEST_F(ForwardedExportsTest, NothingIsCalledWithoutPrinterDriverModuleOrFunction) {
    // A driver whose configuration file is not there.
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(W("Office Laser"), W("Office Driver"), nullptr, 0), 0u);
    ASSERT_EQ(NordwispMachine_InstallConfigModule(NW_TEST_MODULE_WITHOUT_FUNCTIONS), 0u);
    for (const WCHAR* printer : {W("No Such Printer"), W("Office Laser"), kPrinter, static_cast<const WCHAR*>(nullptr)}) {
        SCOPED_TRACE(printer ? std::string(printer, printer + 4) : "null");
        for (const ForwardedCall& c : kForwardedCalls) EXPECT_EQ(c.call(printer), 0) << c.name;
        uint32_t count = 99;
        EXPECT_EQ(GetNumberOfProfiles(printer, &count), 0);
        EXPECT_EQ(count, 99u);
        uint32_t size = 99;
        EXPECT_EQ(GetProfileName(printer, 0, nullptr, &size), 0);
        EXPECT_EQ(size, 99u);
        EXPECT_EQ(CountOpen(), OpenCounts{});
    }
}

}  // namespace
}  // namespace nw::test
