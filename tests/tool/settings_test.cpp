// nwdevmode settings, get and set: every setting by name, checked before
// anything is written.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

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

// Sets the cases in one invocation, then reads them back in another.
struct RoundTrip {
    const char* name;
    std::string value;
    std::string shown;
};

void ExpectRoundTrips(const std::vector<RoundTrip>& cases) {
    std::string assignments, names, expected;
    for (const RoundTrip& c : cases) {
        assignments += std::string(" '") + c.name + "=" + c.value + "'";
        names += std::string(" ") + c.name;
        expected += std::string(c.name) + "=" + c.shown + "\n";
    }
    if (cases.size() == 1) expected = cases[0].shown + "\n";  // a lone value is printed bare
    ToolRun run = Tool("set " + kPrinter + assignments);
    ASSERT_EQ(run.code, 0) << run.err;
    run = Tool("get " + kPrinter + names);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, expected);
}

TEST(ToolSettingsTest, SetThenGetRoundTripsEachKindAndFamily) {
    ExpectRoundTrips({
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
    });

    ToolRun run = Tool("get " + kPrinter + " pdf.open-zoom");
    EXPECT_EQ(run.out, "150\n");
    const auto json = nlohmann::json::parse(Tool("get " + kPrinter + " record.fax-output pdf.open-zoom "
                                                 "email.smtp-server email.smtp-password --json")
                                                .out);
    EXPECT_EQ(json, nlohmann::json::parse(R"({"record.fax-output": true, "pdf.open-zoom": 150,
        "email.smtp-server": "mail.example.com", "email.smtp-password": "unset"})"));
}

// A font as "get" shows it, the members a test does not set at 0.
std::string FontShown(const std::string& face, int height, int weight, int italic = 0) {
    return "face=" + face + ";height=" + std::to_string(height) + ";width=0;escapement=0;orientation=0;weight=" +
           std::to_string(weight) + ";italic=" + std::to_string(italic) +
           ";underline=0;strikeout=0;charset=0;out-precision=0;clip-precision=0;quality=0;pitch-and-family=0";
}

TEST(ToolSettingsTest, SetThenGetRoundTripsTheSettingsOfOtherShapes) {
    ExpectRoundTrips({
        {"record.annotation-color", "0x00FF00", "65280"},                      // unsigned function row
        {"record.bates-format", "65", "65"},                                   // character function row
        {"record.barcode-unit", "tenth-mm", "tenth-mm (1)"},                   // named value by name
        {"record.barcode-align", "2", "right (2)"},                            // and by number
        {"record.watermark-position.landscape", "272", "272"},                 // value before orientation
        {"record.start-application-param-code.12", "9", "9"},                  // indexed
        {"record.annotation-font", "face=Courier New;weight=700;italic=1", FontShown("Courier New", -16, 700, 1)},
        {"watermark.first-image-brightness.landscape", "70", "70"},            // oriented registry value
        {"watermark.first-image-file.portrait", "C:\\Images\\p.png", "C:\\Images\\p.png"},
        {"page.crop-area", "1,2,3,4", "1,2,3,4"},                              // area
        {"text-watermark.enabled", "on", "on"},                                // text layer
        {"ui-tabs.bates", "off", "off"},                                       // tab
        {"email.postwell-data", "00ff10AB", "00ff10ab"},                       // blob
        {"email.sender-client", "1", "1"},
        {"page.antialiasing", "2", "2"},
        {"page.force-dpi-enabled", "on", "on"},                                // registry toggle
    });
    // The other orientation, layer and tabs keep theirs; a font keeps the
    // members a later set does not name.
    ExpectRoundTrips({
        {"record.watermark-position.portrait", "4", "4"},
        {"watermark.first-image-brightness.portrait", "40", "40"},
        {"header.font", "face=Arial;height=-20", FontShown("Arial", -20, 0)},
    });
    ExpectRoundTrips({{"header.font", "weight=700", FontShown("Arial", -20, 700)}});
    // Empty data, the extremes of an area, a font never set before.
    ExpectRoundTrips({
        {"email.postwell-data", "", ""},
        {"page.trim-whitespace", "-1,0,2147483647,-2147483648", "-1,0,2147483647,-2147483648"},
        {"text-stamp.font", "face=;weight=100;", FontShown("", 0, 100)},
    });
    EXPECT_EQ(Tool("get " + kPrinter + " record.watermark-position.landscape text-stamp.enabled ui-tabs.ocr").out,
              "record.watermark-position.landscape=272\ntext-stamp.enabled=off\nui-tabs.ocr=on\n");
    const auto json = nlohmann::json::parse(Tool("get " + kPrinter + " record.annotation-color --json").out);
    EXPECT_EQ(json["record.annotation-color"], 65280);
}

TEST(ToolSettingsTest, SettingsOfOtherShapesDescribeTheirForms) {
    struct Described {
        const char* name;
        const char* kind;
        const char* accepts;
    };
    const Described cases[] = {
        {"header.font", "font", "MEMBER=VALUE pairs"},
        {"page.crop-area", "area", "\"left,top,right,bottom\""},
        {"email.postwell-data", "hex", "hexadecimal digits"},
        {"ui-tabs.custom", "switch", "on or off"},
        {"record.barcode-unit", "number", "pixels tenth-mm hundredth-inch"},
        {"record.bits-per-pixel", "number", "read-only"},
    };
    const nlohmann::json all = SettingsJson();
    for (const Described& c : cases) {
        const auto found = std::find_if(all.begin(), all.end(), [&](const auto& s) { return s["name"] == c.name; });
        ASSERT_NE(found, all.end()) << c.name;
        EXPECT_EQ((*found)["kind"], c.kind) << c.name;
        EXPECT_NE((*found)["accepts"].get<std::string>().find(c.accepts), std::string::npos) << c.name;
    }
    const std::string completion = Tool("completion bash").out;
    for (const char* word : {" page.crop-area=", " record.start-application-param-code.15=", " ui-tabs.bates "})
        EXPECT_NE(completion.find(word), std::string::npos) << word;
}

TEST(ToolSettingsTest, TheClientDirectorySwitchNeedsAnAdministrator) {
    ::setenv("NORDWISP_ADMIN", "0", 1);
    const ToolRun run = Tool("set " + kPrinter + " filename-generation.use-directory-from-client=on");
    ::unsetenv("NORDWISP_ADMIN");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("access denied"), std::string::npos) << run.err;
    EXPECT_EQ(Tool("get " + kPrinter + " filename-generation.use-directory-from-client").out, "off\n");
    ExpectRoundTrips({{"filename-generation.use-directory-from-client", "on", "on"}});
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
        {"record.start-application-param-code.3=17", "a number from 0 to 16"},
        {"record.watermark-position.portrait=3", "one of 1 2 4 8 16 32 64 128 272 320 528 576"},
        {"record.annotation-color=0x100000000", "from 0 to 4294967295"},
        {"'header.font=face=" + std::string(32, 'F') + "'", "the face name takes at most 31 characters"},
        {"'header.font=weight=1001'", "\"weight\" takes a number from 0 to 1000"},
        {"'header.font=face=Arial;size=3'", "no font member \"size\""},
        {"email.postwell-data=abc", "hexadecimal digits"},
        {"email.postwell-data=0g", "hexadecimal digits"},
        {"page.crop-area=1,2,3", "four whole numbers"},
        {"email.sender-client=2", "a number from 0 to 1"},
        {"record.bits-per-pixel=8", "is read-only"},
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

    // Once the user has a record, the two scopes are apart.
    ASSERT_EQ(Tool("set " + kPrinter + " record.file-format=3").code, 0);
    run = Tool("set " + kPrinter + " --scope default record.file-format=7 record.orientation=portrait");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Tool("get " + kPrinter + " --scope default record.file-format record.orientation").out,
              "record.file-format=7\nrecord.orientation=portrait (1)\n");
    EXPECT_EQ(Tool("get " + kPrinter + " record.file-format record.orientation").out,
              "record.file-format=3\nrecord.orientation=landscape (2)\n");
    run = Tool("settings " + kPrinter + " --scope default --filter record.file-format");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')).back(), '7') << run.out;
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
