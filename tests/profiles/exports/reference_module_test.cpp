// The reference configuration module behind the forwarded exports: a
// profile made from changed settings brings them back after a reset.
#include <gtest/gtest.h>

#include <string>

#include "support/library.h"
#include "support/registry.h"
#include "support/temp_dir.h"

namespace nw::test {
namespace {

uintptr_t Arg(const WCHAR* text) { return reinterpret_cast<uintptr_t>(text); }

class ReferenceModuleTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        ASSERT_EQ(NordwispMachine_InstallConfigModule(NW_CONFIG_REFERENCE_MODULE), 0u);
    }
    static WString NameAt(uint32_t index) {
        WCHAR name[260] = {};
        uint32_t size = 260;
        return GetProfileName(kPrinter, index, name, &size) ? WString(name) : WString(W("<none>"));
    }
};

struct Settings {
    int xdpi;
    int fileFormat;
    WString outputDirectory;
    int zoom;
};

Settings Read(const WCHAR* printer) {
    Record record(LoadNordwispDEVMODE(printer));
    int zoom = 0;
    GetPdfOpenZoom(record.get(), &zoom);
    return {GetXDPI(record.get()), GetFileFormat(record.get()), GetOutputDirectory(record.get()), zoom};
}

TEST_F(ReferenceModuleTest, ProfileOfChangedSettingsRestoresThemAfterReset) {
    const Settings original = Read(kPrinter);
    {
        Record record(LoadNordwispDEVMODE(kPrinter));
        ASSERT_EQ(SetXDPI(150, record.get()), 1);
        ASSERT_EQ(SetFileFormat(original.fileFormat == 3 ? 4 : 3, record.get()), 1);
        ASSERT_EQ(SetOutputDirectory(W("C:\\Scans\\Changed"), record.get()), 1);
        ASSERT_EQ(SetPdfOpenZoom(record.get(), 75), 1);
        ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    }
    const Settings changed = Read(kPrinter);
    ASSERT_EQ(changed.xdpi, 150);
    ASSERT_EQ(changed.zoom, 75);
    EXPECT_EQ(CreateProfile(kPrinter, Arg(W("Scans")), Arg(W("Low resolution\nfor archives")), 0), 1);
    EXPECT_EQ(CreateProfile(kPrinter, Arg(W("Scans")), Arg(W("again")), 0), 0);  // the name is taken
    uint32_t count = 0;
    EXPECT_EQ(GetNumberOfProfiles(kPrinter, &count), 1);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(NameAt(0), W("Scans"));
    WCHAR text[260];
    ASSERT_EQ(GetProfileDescription(text, kPrinter, W("Scans")), 1);
    EXPECT_EQ(WString(text), W("Low resolution\nfor archives"));

    // The reset: the driver's defaults for record and registry.
    {
        Block<NordwispDEVMODE> defaults(CreateDefaultSettings(kPrinter));
        ASSERT_NE(defaults, nullptr);
        Record current(LoadNordwispDEVMODE(kPrinter));
        defaults->DM.dmFields = current->DM.dmFields;
        ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, defaults.get()), 1);
    }
    const Settings reset = Read(kPrinter);
    ASSERT_NE(reset.xdpi, 150);
    ASSERT_NE(reset.outputDirectory, W("C:\\Scans\\Changed"));

    ASSERT_EQ(LoadNordwispDEVMODE(nullptr), nullptr);
    const uint32_t planted = Nordwisp_GetLastError();
    EXPECT_EQ(ApplyProfile(kPrinter, Arg(W("Scans")), 0), 1);
    EXPECT_EQ(Nordwisp_GetLastError(), planted);
    const Settings applied = Read(kPrinter);
    EXPECT_EQ(applied.xdpi, changed.xdpi);
    EXPECT_EQ(applied.fileFormat, changed.fileFormat);
    EXPECT_EQ(applied.outputDirectory, changed.outputDirectory);
    EXPECT_EQ(applied.zoom, changed.zoom);
    WCHAR selected[64] = {};
    uint32_t size = sizeof selected;
    EXPECT_EQ(GetLastSelectedProfile(kPrinter, selected, &size), 1);
    EXPECT_EQ(WString(selected), W("Scans"));
    EXPECT_EQ(ApplyProfile(kPrinter, Arg(W("Nothing")), 0), 0);
    uint32_t printers = 1, modules = 1;
    NordwispMachine_CountOpen(&printers, &modules);
    EXPECT_EQ(printers + modules, 0u);
}

TEST_F(ReferenceModuleTest, ExportImportAndDelete) {
    TempDir dir;
    ASSERT_EQ(CreateProfile(kPrinter, Arg(W("Draft")), 0, 0), 1);
    const WString exported = dir.File(W("draft copy.bip"));
    EXPECT_EQ(ExportProfile(kPrinter, Arg(W("Draft")), Arg(exported.c_str())), 1);
    EXPECT_NE(ReadFileBytes(exported).find("Name=Draft"), std::string::npos);
    EXPECT_EQ(ExportProfile(kPrinter, Arg(W("Nothing")), Arg(exported.c_str())), 0);

    // The same file imported elsewhere: the name comes from its header.
    ASSERT_EQ(NordwispMachine_AddPrinter(W("Second Printer"), nullptr), 0u);
    EXPECT_EQ(ImportProfile(W("Second Printer"), Arg(exported.c_str()), 0), 1);
    EXPECT_EQ(ImportProfile(W("Second Printer"), Arg(exported.c_str()), 0), 0);
    WCHAR file[260];
    ASSERT_EQ(GetProfileFileName(file, W("Second Printer"), W("Draft")), 1);
    EXPECT_NE(WString(file).find(W("Second Printer\\Profiles\\Draft.bip")), WString::npos);

    const WString named = dir.File(W("named.bip"));
    EXPECT_EQ(CreateProfileFile(kPrinter, Arg(W("Loose")), Arg(W("a\\b")), Arg(named.c_str()), 0), 1);
    EXPECT_NE(ReadFileBytes(named).find("Description=a\\\\b"), std::string::npos);
    uint32_t count = 0;
    ASSERT_EQ(GetNumberOfProfiles(kPrinter, &count), 1);
    EXPECT_EQ(count, 1u);  // a profile file is not indexed

    for (const WCHAR* bad : {W(""), W("a/b"), W("12345678901234567890123456789012345678901234567890")})
        EXPECT_EQ(CreateProfile(kPrinter, Arg(bad), 0, 0), 0);

    EXPECT_EQ(DeleteProfile(kPrinter, Arg(W("Draft"))), 1);
    ASSERT_EQ(GetNumberOfProfiles(kPrinter, &count), 1);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(DeleteProfile(kPrinter, Arg(W("Draft"))), 0);
}

}  // namespace
}  // namespace nw::test
