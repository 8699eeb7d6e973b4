// nwdevmode settings, get and set: every setting by name, checked before
// anything is written.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>

#include "nordwisp/NordwispMachine.h"
#include "tool/tool_run.h"

namespace {

const std::string kPrinter = "'Nordwisp Printer'";

nlohmann::json SettingsJson() {
    const ToolRun run = Tool("settings " + kPrinter + " --json");
    EXPECT_EQ(run.code, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

TEST(ToolSettingsTest, CatalogNamesEverySettingOnceWithItsExports) {
    const nlohmann::json all = SettingsJson();
    ASSERT_GT(all.size(), 350u);
    std::set<std::string> names;
    for (const auto& s : all) {
        EXPECT_TRUE(names.insert(s["name"].get<std::string>()).second) << s["name"];
        EXPECT_FALSE(s["getter"].get<std::string>().empty()) << s["name"];
    }
    for (const char* name : {"record.orientation", "record.file-format", "record.fax-output", "pdf.open-zoom",
                             "email.smtp-server", "footer.text", "ocr.languages", "email.smtp-password"})
        EXPECT_EQ(names.count(name), 1u) << name;
}

TEST(ToolSettingsTest, SetThenGetRoundTripsEachKindAndFamily) {
    struct Case {
        const char* name;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {"record.fax-output", "on", "on"},                              // record switch
        {"record.text-output-format", "2", "2"},                        // record number
        {"record.file-format", "5", "5"},                               // record number, value first
        {"record.orientation", "landscape", "landscape (2)"},           // page geometry, named
        {"record.existing-file-action", "overwrite", "overwrite (1)"},  // record choice
        {"record.output-directory", "C:\\Out put", "C:\\Out put"},      // record text
        {"record.annotation-text", "Grüße", "Grüße"},                   // record text, record first
        {"record.annotation-text-enabled", "on", "on"},                 // its switch, named apart
        {"html.page-size-setting", "1", "1"},                           // registry value
        {"pdf.open-zoom", "150", "150"},                                // registry out-parameter
        {"email.smtp-enable-ssl", "yes", "on"},                         // registry Yes/No switch
        {"cover-page.enable-cover-page", "1", "on"},                    // registry decimal switch
        {"email.smtp-server", "mail.example.com", "mail.example.com"},  // registry text
        {"ocr.nw-ocr-dll", "C:\\OCR\\NwOCR.dll", "C:\\OCR\\NwOCR.dll"}, // registry text counted in characters
        {"pdf.document-owner-password", "s3cret", "set"},               // password
    };
    std::string assignments, names;
    for (const Case& c : cases) {
        assignments += std::string(" '") + c.name + "=" + c.value + "'";
        names += std::string(" ") + c.name;
    }
    ToolRun run = Tool("set " + kPrinter + assignments);
    ASSERT_EQ(run.code, 0) << run.err;
    run = Tool("get " + kPrinter + names);
    ASSERT_EQ(run.code, 0) << run.err;
    std::string expected;
    for (const Case& c : cases) expected += std::string(c.name) + "=" + c.shown + "\n";
    EXPECT_EQ(run.out, expected);

    run = Tool("get " + kPrinter + " pdf.open-zoom");
    EXPECT_EQ(run.out, "150\n");
    const auto json = nlohmann::json::parse(Tool("get " + kPrinter + " record.fax-output pdf.open-zoom "
                                                 "email.smtp-server email.smtp-password --json")
                                                .out);
    EXPECT_EQ(json, nlohmann::json::parse(R"({"record.fax-output": true, "pdf.open-zoom": 150,
        "email.smtp-server": "mail.example.com", "email.smtp-password": "unset"})"));
}

TEST(ToolSettingsTest, RefusedValuesExitTwoAndWriteNothing) {
    const nlohmann::json before = SettingsJson();
    ExpectRefusals("set " + kPrinter + " ", {
        {"pdf.nothing-here=1", "no setting \"pdf.nothing-here\""},
        {"pdf.open-magnification=9", "\"pdf.open-magnification\" does not take \"9\": it accepts a number from 0 to 4"},
        {"record.fax-output=maybe", "it accepts on or off"},
        {"record.n-up=3", "it accepts one of 0 1 2 4 6 8 9 16"},
        {"pdf.open-zoom=12abc", "\"pdf.open-zoom\" does not take \"12abc\""},
        {"pdf.document-user-password=" + std::string(33, 'x'), "a text of at most 32 characters"},
        {"record.printer-id=5", "\"record.printer-id\" is read-only"},
        {"record.orientation", "is no NAME=VALUE"},
        // A good value beside a bad one is not written either.
        {"record.orientation=landscape email.smtp-server=x pdf.open-zoom=-", "\"pdf.open-zoom\" does not take"},
    });
    EXPECT_EQ(Tool("get " + kPrinter + " record.bogus").code, 2);
    EXPECT_EQ(SettingsJson(), before);
}

TEST(ToolSettingsTest, FilterScopeAndMissingPrinter) {
    ToolRun run = Tool("settings " + kPrinter + " --filter pdf-a.open-");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("pdf-a.open-zoom"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("pdf.open-zoom"), std::string::npos) << run.out;

    run = Tool("get Missing record.orientation");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no such printer \"Missing\""), std::string::npos) << run.err;

    // The printer's default record is what a user without a record of
    // their own loads.
    run = Tool("set " + kPrinter + " --scope default record.orientation=landscape");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Tool("get " + kPrinter + " record.orientation").out, "landscape (2)\n");
    EXPECT_EQ(Tool("set " + kPrinter + " --scope everyone record.orientation=1").code, 2);
}

TEST(ToolSettingsTest, OfflineReachesTheRegistrySettingsByNameAlone) {
    ToolRun run = Tool("set " + kPrinter + " --offline pdf.open-zoom=175");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Tool("get " + kPrinter + " pdf.open-zoom").out, "175\n");
    run = Tool("get 'Not Installed' --offline email.smtp-server pdf.open-zoom");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "email.smtp-server=\npdf.open-zoom=100\n");  // the defaults
    run = Tool("settings 'Not Installed' --offline --json");
    ASSERT_EQ(run.code, 0) << run.err;
    for (const auto& s : nlohmann::json::parse(run.out)) EXPECT_EQ(s["place"], "registry") << s["name"];
    ExpectRefusals("set " + kPrinter + " --offline ", {
        {"record.orientation=1", "\"record.orientation\" is in the printer's record"},
    });
    ExpectRefusals("get ", {
        {"'" + std::string(32, 'P') + "' --offline pdf.open-zoom", "a printer name of 1 to 31 characters"},
    });
}

}  // namespace
