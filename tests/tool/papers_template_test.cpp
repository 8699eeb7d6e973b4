// nwdevmode papers and template, and what the tool does before it touches
// the machine.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "nordwisp/NordwispMachine.h"
#include "tool/tool_run.h"

namespace {

const std::string kPapers = "papers 'Nordwisp Printer' ";

nlohmann::json PaperNamed(const std::string& title) {
    const ToolRun run = Tool(kPapers + "--json");
    EXPECT_EQ(run.code, 0) << run.err;
    const auto list = nlohmann::json::parse(run.out);
    EXPECT_EQ(list["owner"], "current user");
    for (const auto& paper : list["papers"])
        if (paper["title"] == title) return paper;
    return nullptr;
}

TEST(ToolPapersTest, ListAddChangeDeleteAsTheCurrentUsersPapers) {
    ToolRun run = Tool(kPapers);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Papers of the current user for \"Nordwisp Printer\"\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("     1  8.50 x 11.00 in        Letter\n"), std::string::npos) << run.out;

    run = Tool(kPapers + "add 'Index card' 76.2 127 --units mm");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("to the current user's papers"), std::string::npos) << run.out;
    const auto card = PaperNamed("Index card");
    ASSERT_FALSE(card.is_null());
    EXPECT_EQ(card["width"], 762);
    EXPECT_EQ(card["height"], 1270);
    EXPECT_EQ(card["units"], "mm");
    EXPECT_EQ(card["userDefined"], true);
    EXPECT_NE(run.out.find("with code " + std::to_string(card["code"].get<int>())), std::string::npos) << run.out;

    ASSERT_EQ(Tool(kPapers + "modify 'Index card' Card 3 5 --units in").code, 0);
    EXPECT_EQ(PaperNamed("Card")["width"], 300);
    ASSERT_EQ(Tool(kPapers + "delete Card").code, 0);
    EXPECT_TRUE(PaperNamed("Card").is_null());
    run = Tool(kPapers + "delete Card");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no such paper in the current user's list"), std::string::npos) << run.err;
}

TEST(ToolPapersTest, RefusesWhatTheListWouldRewriteOrHide) {
    const std::string before = Tool(kPapers + "--json").out;
    ExpectRefusals(kPapers, {
        {"add Huge 100000 100000", "WIDTH must be a size above 0 and at most 32766.0 mm"},
        {"add Wide 10 1291 --units in", "HEIGHT must be a size above 0 and at most 1290.00 in"},
        {"add Flat 10 0", "HEIGHT must be a size above 0"},
        {"add " + std::string(64, 'T') + " 10 10", "a paper title holds at most 63 characters"},
        {"add Odd 10 10 --units cubits", "--units"},
    });
    EXPECT_EQ(Tool(kPapers + "add " + std::string(63, 'T') + " 10 10").code, 0);
    EXPECT_FALSE(PaperNamed(std::string(63, 'T')).is_null());
    EXPECT_NE(Tool(kPapers + "--json").out, before);
}

TEST(ToolTemplateTest, CheckAndPreviewReportTheirCodes) {
    ToolRun run = Tool("template check '<<DOCNAME>><<NONE>>.<<ORIGINAL>>'");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("0: ", 0), 0u) << run.out;
    run = Tool("template check '<<DOCNAME>>' --json");
    EXPECT_EQ(run.code, 1);
    const auto check = nlohmann::json::parse(run.out);
    EXPECT_EQ(check["valid"], false);
    EXPECT_EQ(check["code"], 123);

    const std::string dir = testing::TempDir();
    run = Tool("template preview '<<DOCNAME>><<NONE>>.<<ORIGINAL>>' --doc Report --ext pdf --dir '" + dir +
               "' --json");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out),
              nlohmann::json::parse(R"({"name": "Report.pdf", "status": 0, "meaning": "name built in full"})"));
    // A directory that leaves no room for a name builds none: a failure.
    run = Tool("template preview '<<DOCNAME>><<NONE>>.pdf' --dir '/" + std::string(300, 'd') + "'");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("status 112"), std::string::npos) << run.out;
}

TEST(ToolTest, BadCommandLinesAndUnusableRootsPrepareNothing) {
    for (const char* usage : {"bogus", "settings", "set 'Nordwisp Printer'", "jobs P frobnicate", "papers"})
        EXPECT_EQ(Tool(usage).code, 2) << usage;
    EXPECT_EQ(NordwispMachine_IsProvisioned(), 0);

    // A machine root below a plain file cannot be made.
    const std::string saved = std::getenv("NORDWISP_MACHINE");
    const auto file = std::filesystem::path(testing::TempDir()) / "not-a-folder";
    std::ofstream(file) << "x";
    ::setenv("NORDWISP_MACHINE", (file / "machine").c_str(), 1);
    const ToolRun run = Tool("printers --json");
    ::setenv("NORDWISP_MACHINE", saved.c_str(), 1);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot prepare the machine root"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(ToolTest, HelpAndCompletionComeFromTheCommandTreeAndCatalog) {
    ToolRun run = Tool("--help");
    ASSERT_EQ(run.code, 0);
    for (const char* text : {"2  usage or validation", "<<DOCNAME>>", "NORDWISP_MACHINE", "settings", "completion"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    run = Tool("completion bash");
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* text : {"complete -F _nwdevmode nwdevmode", " pdf.open-zoom=", " record.orientation ", "--scope"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    EXPECT_EQ(run.out.find("record.printer-id="), std::string::npos);  // read-only: nothing to set
    EXPECT_EQ(NordwispMachine_IsProvisioned(), 0);
    EXPECT_EQ(Tool("completion zsh").code, 2);
}

}  // namespace
