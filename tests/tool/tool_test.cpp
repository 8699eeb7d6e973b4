// The nwdevmode tool as a user runs it: a machine root, exit codes, the
// text and JSON it prints.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <png.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "nordwisp/NordwispMachine.h"
#include "tool/tool_run.h"

namespace {

TEST(ToolTest, FirstRunOnAnEmptyMachineAddsTheDemoPrinter) {
    ASSERT_EQ(NordwispMachine_IsProvisioned(), 0);
    ToolRun run = Tool("printers");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "Nordwisp Printer\n");
    EXPECT_NE(run.err.find("added the demo printer \"Nordwisp Printer\""), std::string::npos) << run.err;
    run = Tool("printers --json");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json::array({"Nordwisp Printer"}));
    EXPECT_EQ(run.err, "");
}

TEST(ToolTest, MachineInitAddsTheNamedPrintersOnly) {
    ToolRun run = Tool("machine init --printer Alpha --printer 'Beta Printer' --port TS001");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Added printer \"Alpha\"\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Added printer \"Beta Printer\"\n"), std::string::npos) << run.out;
    // Both sit on a redirected session port, so the list leaves them out.
    EXPECT_EQ(Tool("printers").out, "");
    run = Tool("machine init --printer Gamma");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Tool("printers").out, "Gamma\n");
    run = Tool("machine init --printer gamma");
    EXPECT_EQ(run.code, 0);
    EXPECT_NE(run.out.find("Printer \"gamma\" is already there"), std::string::npos) << run.out;
    run = Tool("machine init --printer 'bad\\name'");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot add printer \"bad\\name\""), std::string::npos) << run.err;
}

TEST(ToolTest, ShowPrintsTheRecordAsJson) {
    const ToolRun run = Tool("show 'Nordwisp Printer' --json");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const auto expected = nlohmann::json::parse(
        R"({"printer": "Nordwisp Printer", "nordwispRecord": true, "deviceName": "Nordwisp Printer",
            "driverVersion": 1777, "manufacturer": "Kelmora Works", "printerId": 1, "paperSize": 1, "paperWidth": 2159,
            "printQuality": 300, "options": 17227810, "packedResolution": 19661100,
            "outputDirectory": "C:\\Users\\Public\\Documents"})");
    for (const auto& [key, value] : expected.items()) EXPECT_EQ(json[key], value) << key;
}

TEST(ToolTest, ShowPrintsReadableLines) {
    const ToolRun run = Tool("show 'Nordwisp Printer'");
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* line : {"Record                 this driver's record\n", "Driver version         1777\n",
                             "Options                0x0106E022\n", "Manufacturer           Kelmora Works\n",
                             "Color                  2 (color)\n", "Orientation            1 (portrait)\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
}

TEST(ToolTest, ShowOfAnotherDriversPrinterHasNoPrivateFields) {
    ASSERT_EQ(NordwispMachine_AddOtherPrinter(u"Acme Laser", u"Acme Driver", nullptr, 0), 0u);
    const ToolRun run = Tool("show 'Acme Laser' --json");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["nordwispRecord"], false);
    EXPECT_EQ(json["driverVersion"], 256);
    EXPECT_FALSE(json.contains("manufacturer"));
    EXPECT_EQ(Tool("printers").out, "");  // the machine was not empty: no demo printer
}

TEST(ToolTest, FailuresAndUsageErrorsHaveTheirExitCodes) {
    // Refused as usage before a machine is prepared.
    for (const char* usage : {"show", "bogus", "printers --bad", "machine", "show a b", "jobs P cancel",
                              "jobs P pause", "jobs P delete x1", "jobs P --all", "set P record.n-up=3",
                              "get P bogus.name", "papers P add Huge 100000 100000", "barcode P preview 1",
                              "ftp P show", "ftp P set x port=1", "ftp P set 1 port=2 colour=red", "ftp P add",
                              "stamps P save", "stamps P list extra"})
        EXPECT_EQ(Tool(usage).code, 2) << usage;
    EXPECT_EQ(NordwispMachine_IsProvisioned(), 0);
    ToolRun run = Tool("show Missing");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no such printer \"Missing\""), std::string::npos) << run.err;
}

TEST(ToolTest, HelpWorksForEveryCommandAndPreparesNothing) {
    for (const char* command : {"--help", "printers --help", "show --help", "machine --help", "machine init --help",
                                "ocr --help"}) {
        const ToolRun run = Tool(command);
        EXPECT_EQ(run.code, 0) << command;
        EXPECT_NE(run.out.find("Usage"), std::string::npos) << command << run.out;
    }
    EXPECT_NE(Tool("show --help").out.find("PRINTER"), std::string::npos);
    EXPECT_EQ(NordwispMachine_IsProvisioned(), 0);
}

TEST(ToolTest, MachineInitNeedsAdministratorMembership) {
    ::setenv("NORDWISP_ADMIN", "0", 1);
    const ToolRun run = Tool("machine init");
    ::unsetenv("NORDWISP_ADMIN");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("access denied"), std::string::npos) << run.err;
}

TEST(ToolTest, JobsSubmitListControlAndRefuse) {
    ToolRun run = Tool("jobs 'Nordwisp Printer'");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "No jobs queued on \"Nordwisp Printer\"\n");
    run = Tool("jobs 'Nordwisp Printer' submit 'Annual report.pdf' --pages 12");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "Submitted job 1 to \"Nordwisp Printer\"\n");
    ASSERT_EQ(Tool("jobs 'Nordwisp Printer' submit Invoice").code, 0);
    run = Tool("jobs 'Nordwisp Printer' pause 2");
    EXPECT_EQ(run.out, "Paused job 2 on \"Nordwisp Printer\"\n");
    run = Tool("jobs 'Nordwisp Printer'");
    ASSERT_EQ(run.code, 0) << run.err;
    const std::size_t header = run.out.find("ID");
    const std::size_t first = run.out.find("\n1 ");
    const std::size_t second = run.out.find("\n2 ");
    ASSERT_EQ(header, 0u) << run.out;
    ASSERT_NE(first, std::string::npos) << run.out;
    ASSERT_NE(second, std::string::npos) << run.out;
    const std::string firstLine = run.out.substr(first + 1, second - first - 1);
    const std::string secondLine = run.out.substr(second + 1);
    EXPECT_NE(firstLine.find(" queued "), std::string::npos) << firstLine;
    EXPECT_NE(firstLine.find(" 0/12 "), std::string::npos) << firstLine;
    EXPECT_NE(firstLine.find("Annual report.pdf"), std::string::npos) << firstLine;
    EXPECT_NE(secondLine.find(" paused "), std::string::npos) << secondLine;
    ASSERT_EQ(Tool("jobs 'Nordwisp Printer' delete 1").code, 0);
    run = Tool("jobs 'Nordwisp Printer' delete 1");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot delete job 1 on \"Nordwisp Printer\": no such job"),
              std::string::npos)
        << run.err;
    run = Tool("jobs 'No Such Printer'");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no such printer"), std::string::npos) << run.err;
    const auto queue = nlohmann::json::parse(Tool("jobs 'Nordwisp Printer' --json").out);
    ASSERT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue[0]["id"], 2);
    EXPECT_EQ(queue[0]["status"], "paused");
    EXPECT_EQ(queue[0]["document"], "Invoice");
    run = Tool("jobs 'Nordwisp Printer' cancel --all");
    EXPECT_EQ(run.out, "Cancelled 1 job on \"Nordwisp Printer\"\n") << run.err;
    EXPECT_EQ(nlohmann::json::parse(Tool("jobs 'Nordwisp Printer' --json").out), nlohmann::json::array());
    for (const char* usage : {"cancel 2", "cancel", "cancel --all 2", "pause two", "resume", "frobnicate 1"})
        EXPECT_EQ(Tool(std::string("jobs 'Nordwisp Printer' ") + usage).code, 2) << usage;
}

TEST(ToolTest, FtpConnectionsNeverShowTheirPasswords) {
    const std::string ftp = "ftp 'Nordwisp Printer' ";
    ASSERT_EQ(Tool(ftp + "add Office").out, "1\n");
    ASSERT_EQ(Tool(ftp + "add Backup").out, "2\n");
    ToolRun run = Tool(ftp + "set 1 address=ftp.example.test port=2121 passive=yes password=s3cret");
    ASSERT_EQ(run.code, 0) << run.err;
    run = Tool(ftp + "show 1 --json");
    const auto shown = nlohmann::json::parse(run.out);
    EXPECT_EQ(shown["address"], "ftp.example.test");
    EXPECT_EQ(shown["port"], 2121);
    EXPECT_EQ(shown["passive"], true);
    EXPECT_EQ(shown["password"], "set");
    EXPECT_EQ(shown["proxy-password"], "unset");
    EXPECT_EQ(shown["upload-document"], true);
    EXPECT_EQ(Tool(ftp + "show 1").out.find("s3cret"), std::string::npos);

    EXPECT_EQ(Tool(ftp + "delete 1").code, 0);
    EXPECT_EQ(nlohmann::json::parse(Tool(ftp + "list --json").out),
              nlohmann::json::parse(R"([{"number": 2, "name": "Backup"}])"));
    run = Tool(ftp + "set 1 port=21");  // a setter would create a nameless connection
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("there is no FTP connection 1"), std::string::npos) << run.err;
    EXPECT_EQ(Tool(ftp + "set 2 port=twenty").code, 2);
    // A bad pair anywhere refuses the whole line: the good one before it is not written.
    EXPECT_EQ(Tool(ftp + "set 2 address=changed.test colour=red").code, 2);
    EXPECT_EQ(nlohmann::json::parse(Tool(ftp + "show 2 --json").out)["address"], "");
}

TEST(ToolTest, StampPresetsSaveLoadAndDelete) {
    const std::string stamps = "stamps 'Nordwisp Printer' ";
    EXPECT_EQ(Tool(stamps + "save Draft").code, 0);
    EXPECT_EQ(Tool(stamps + "save DRAFT").code, 0);  // the same preset
    EXPECT_EQ(Tool(stamps + "save Final").code, 0);
    EXPECT_EQ(nlohmann::json::parse(Tool(stamps + "list --json").out), nlohmann::json::array({"Draft", "Final"}));
    EXPECT_EQ(Tool(stamps + "load final").code, 0);
    EXPECT_EQ(Tool(stamps + "delete Draft").code, 0);
    const ToolRun run = Tool(stamps + "load Draft");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("no text-stamp preset is named \"Draft\""), std::string::npos) << run.err;
    EXPECT_EQ(Tool(stamps + "list").out, "Final\n");
}

TEST(ToolTest, SettingsFilesExportImportAndDefaults) {
    const auto folder = std::filesystem::temp_directory_path() / ("nwdevmode-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "settings.ini").string();
    ToolRun run = Tool("export 'Nordwisp Printer' '" + file + "'");
    ASSERT_EQ(run.code, 0) << run.err;
    std::string text = ReadAll(file);
    EXPECT_EQ(text.rfind("[Default Settings]\r\nPaper Size=1\r\n", 0), 0u) << text.substr(0, 80);

    // Another paper and orientation, applied to the user's record.
    const auto replace = [&](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replace("Paper Size=1\r\n", "Paper Size=9\r\n");
    replace("Orientation=1\r\n", "Orientation=2\r\n");
    std::ofstream(file, std::ios::binary) << text;
    run = Tool("import 'Nordwisp Printer' '" + file + "'");
    ASSERT_EQ(run.code, 0) << run.err;
    auto shown = nlohmann::json::parse(Tool("show 'Nordwisp Printer' --json").out);
    EXPECT_EQ(shown["paperSize"], 9);
    EXPECT_EQ(shown["orientation"], 2);
    EXPECT_EQ(shown["paperWidth"], 2100) << "A4 from the paper list";

    run = Tool("defaults 'Nordwisp Printer' --json");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["paperSize"], 1);
    EXPECT_EQ(Tool("defaults 'Nordwisp Printer' --apply").code, 0);
    shown = nlohmann::json::parse(Tool("show 'Nordwisp Printer' --json").out);
    EXPECT_EQ(shown["paperSize"], 1);
    EXPECT_EQ(shown["orientation"], 1);

    run = Tool("import 'Nordwisp Printer' '" + (folder / "missing.ini").string() + "'");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(Tool("defaults 'No Such Printer'").code, 1);
    std::filesystem::remove_all(folder);
}

TEST(ToolTest, ProfilesCreateListApplyExchangeAndDelete) {
    const auto folder = std::filesystem::temp_directory_path() / ("nwdevmode-profiles-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ASSERT_EQ(Tool("printers").code, 0);  // the demo machine, its configuration module included
    const auto show = [] { return nlohmann::json::parse(Tool("show 'Nordwisp Printer' --json").out); };
    const int paper = show()["paperSize"];

    ToolRun run = Tool("profiles 'Nordwisp Printer' create Letter --description 'The usual\nletter'");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Tool("profiles 'Nordwisp Printer' create Letter").code, 1);
    run = Tool("profiles 'Nordwisp Printer' list --json");
    ASSERT_EQ(run.code, 0) << run.err;
    auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]["name"], "Letter");
    EXPECT_EQ(list[0]["description"], "The usual\nletter");  // the tool reads the escape
    EXPECT_EQ(list[0]["selected"], false);
    EXPECT_EQ(list[0]["shared"], false);
    EXPECT_EQ(list[0]["hidden"], false);
    const std::string modified = list[0]["modified"];
    EXPECT_EQ(modified.size(), 20u) << modified;  // e.g. 2026-12-06T08:00:00Z
    EXPECT_EQ(modified.back(), 'Z');

    const std::string exported = (folder / "letter.bip").string();
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' export Letter '" + exported + "'").code, 0);
    std::string text = ReadAll(exported);
    EXPECT_NE(text.find("[Profile]"), std::string::npos);
    // Another paper under another name, imported and applied by name.
    text.replace(text.find("Name=Letter"), 11, "Name=A4");
    text.replace(text.find("Paper Size=" + std::to_string(paper) + "\r\n"), 13 + std::to_string(paper).size(),
                 "Paper Size=9\r\n");
    std::ofstream(exported, std::ios::binary) << text;
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' import '" + exported + "'").code, 0);
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' apply A4").code, 0);
    EXPECT_EQ(show()["paperSize"], 9);
    EXPECT_EQ(Tool("profiles 'Nordwisp Printer' selected").out, "A4\n");
    run = Tool("profiles 'Nordwisp Printer' list");
    EXPECT_NE(run.out.find("* A4\t"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  Letter\tThe usual letter\t"), std::string::npos) << run.out;

    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' apply-file '" + exported.substr(0, exported.size() - 9) +
                   "missing.bip'").code, 1);
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' apply Letter").code, 0);
    EXPECT_EQ(show()["paperSize"], paper);
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' apply-file '" + exported + "'").code, 0);
    EXPECT_EQ(show()["paperSize"], 9);

    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' delete A4").code, 0);
    EXPECT_EQ(Tool("profiles 'Nordwisp Printer' delete A4").code, 1);
    ASSERT_EQ(Tool("profiles 'Nordwisp Printer' selected Letter").code, 0);
    EXPECT_EQ(Tool("profiles 'Nordwisp Printer' selected").out, "Letter\n");
    list = nlohmann::json::parse(Tool("profiles 'Nordwisp Printer' list --json").out);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]["selected"], true);
    EXPECT_EQ(Tool("profiles 'No Such Printer' list").code, 1);
    std::filesystem::remove_all(folder);
}

#if defined(NW_TOOL_OCR_MODULE)
TEST(ToolTest, OcrLanguagesFromTheInstalledReferenceModule) {
    // The demo machine comes with the module too.
    ToolRun run = Tool("ocr 'Nordwisp Printer' languages");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(("\n" + run.out).find("\neng\n"), std::string::npos) << run.out;
    run = Tool("ocr 'Nordwisp Printer' languages --json");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto codes = nlohmann::json::parse(run.out);
    ASSERT_TRUE(codes.is_array());
    EXPECT_NE(std::find(codes.begin(), codes.end(), "eng"), codes.end()) << run.out;
    EXPECT_EQ(Tool("ocr 'Nordwisp Printer' fonts").code, 2);

    run = Tool("machine init --printer Alpha");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Installed the OCR module as C:\\Program Files\\Nordwisp\\OCR\\NwOCR.dll\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Tool("ocr Alpha languages").out, Tool("ocr 'Nordwisp Printer' languages").out);

    // The printer is added before the module is refused, and has none.
    run = Tool("machine init --printer Beta --ocr-module /nonexistent/NwOCR.dll");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot install the OCR module \"/nonexistent/NwOCR.dll\": not found (2)"),
              std::string::npos)
        << run.err;
    run = Tool("ocr Beta languages");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot list the OCR languages of \"Beta\": the module was not found (126)"),
              std::string::npos)
        << run.err;
}
#endif

}  // namespace

#if defined(NW_TOOL_BARCODE_ENGINES)
// A PNG's size and whether the page inside its frame (the shadow's 5
// pixels off) has black pixels, as the barcode is drawn.
struct Png {
    png_uint_32 width = 0, height = 0;
    bool black = false;
};

Png ReadPng(const std::string& path) {
    Png result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return result;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return result;
    result.width = image.width;
    result.height = image.height;
    for (png_uint_32 y = 1; y + 7 <= image.height; ++y)
        for (png_uint_32 x = 1; x + 7 <= image.width; ++x) {
            const png_byte* p = &rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
            result.black = result.black || (p[0] == 0 && p[1] == 0 && p[2] == 0);
        }
    return result;
}

// The demo printer turned to EAN-13, which takes digits only.
void UseEan13() {
    NordwispDEVMODE* record = LoadNordwispDEVMODE(u"Nordwisp Printer");
    ASSERT_NE(record, nullptr);
    SetBarcodeType(record, 3);
    Set1DBarcodeSubtype(record, 3);
    EXPECT_EQ(SaveNordwispDEVMODE(u"Nordwisp Printer", record), 1);
    ReleaseNordwispDEVMODE(record);
}

TEST(ToolTest, BarcodeVerifyAsksTheInstalledEngine) {
    // The demo machine comes with the engines its printer type loads.
    ToolRun run = Tool("barcode 'Nordwisp Printer' verify 'https://example.org/?q=1'");
    EXPECT_EQ(run.code, 0) << run.err;
    UseEan13();
    EXPECT_EQ(Tool("barcode 'Nordwisp Printer' verify 590123412345").code, 0);
    run = Tool("barcode 'Nordwisp Printer' verify ABC");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("the barcode engine of \"Nordwisp Printer\" does not take the value"), std::string::npos)
        << run.err;
    EXPECT_EQ(Tool("barcode Missing verify 1").code, 1);
    // Every printer of the driver loads them; a folder without them is refused.
    run = Tool("machine init --printer Alpha --barcode-engines /nonexistent");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot install the barcode engine \"/nonexistent/NwBarcodeQR.dll\": not found (2)"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Tool("barcode Alpha verify 'Alpha value'").code, 0);
    EXPECT_EQ(Tool("barcode 'Nordwisp Printer' check 1").code, 2);
}

TEST(ToolTest, BarcodePreviewWritesThePageAsPng) {
    const std::string file = (std::filesystem::path(std::getenv("NORDWISP_MACHINE")) / "preview.png").string();
    ToolRun run = Tool("barcode 'Nordwisp Printer' preview 'Preview value' --size 600x800 -o '" + file + "'");
    ASSERT_EQ(run.code, 0) << run.err;
    // Letter in a 600 x 800 box: 600 wide, 776 high, and the shadow.
    Png png = ReadPng(file);
    EXPECT_EQ(png.width, 605u);
    EXPECT_EQ(png.height, 781u);
    EXPECT_TRUE(png.black);
    // A value the engine refuses leaves the framed page without a barcode.
    UseEan13();
    ASSERT_EQ(Tool("barcode 'Nordwisp Printer' preview ABC --size 200x200 -o '" + file + "'").code, 0);
    png = ReadPng(file);
    EXPECT_EQ(png.width, 160u);
    EXPECT_FALSE(png.black);
    for (const char* size : {"0x10", "10", "axb", "10x10x"})
        EXPECT_EQ(Tool(std::string("barcode 'Nordwisp Printer' preview 1 -o x.png --size ") + size).code, 2) << size;
    EXPECT_EQ(Tool("barcode 'Nordwisp Printer' preview 1 --size 10x10").code, 2);
    EXPECT_EQ(Tool("barcode 'Nordwisp Printer' preview 1 --size 10x10 -o /nonexistent/dir/p.png").code, 1);
}
#endif

namespace {

TEST(ToolTest, UsersAreAddedListedAndReachedByTheUserCommands) {
    ASSERT_EQ(Tool("printers").code, 0);
    ToolRun run = Tool("machine add-user ann --logged-on");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Added user \"ann\" S-1-5-21-", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("(logged on)"), std::string::npos);
    run = Tool("machine add-user bob --sid S-1-5-21-7-8-9-1500 --profile-path '%SystemDrive%\\Users\\bob'");
    EXPECT_EQ(run.code, 0) << run.err;
    run = Tool("machine add-user bob2 --sid S-1-5-21-7-8-9-1500");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot add user \"bob2\""), std::string::npos) << run.err;
    Tool("machine add-user DefaultAppPool --profile-path 'C:\\Users\\DefaultAppPool'");

    run = Tool("machine users --json");
    ASSERT_EQ(run.code, 0) << run.err;
    const auto users = nlohmann::json::parse(run.out);
    ASSERT_EQ(users.size(), 3u);
    const auto bob = std::find_if(users.begin(), users.end(), [](const auto& u) { return u["name"] == "bob"; });
    ASSERT_NE(bob, users.end());
    EXPECT_EQ((*bob)["sid"], "S-1-5-21-7-8-9-1500");
    EXPECT_EQ((*bob)["profilePath"], "%SystemDrive%\\Users\\bob");
    EXPECT_EQ((*bob)["loggedOn"], false);

    // The pool's profile is not among the users reached.
    run = Tool("users 'Nordwisp Printer' copy-to-all");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Changed ann (S-1-5-21-"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Changed bob (S-1-5-21-7-8-9-1500)"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("DefaultAppPool"), std::string::npos) << run.out;
    ::setenv("NORDWISP_ADMIN", "0", 1);
    run = Tool("users 'Nordwisp Printer' copy-value Printers\\\\DevModePerUser 'Nordwisp Printer'");
    ::unsetenv("NORDWISP_ADMIN");
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("cannot copy the value for every user"), std::string::npos) << run.err;
    // The value the copy left with the current user.
    run = Tool("users 'Nordwisp Printer' copy-value Printers\\\\DevModePerUser 'Nordwisp Printer'");
    EXPECT_EQ(run.code, 0) << run.err;
    run = Tool("users 'Nordwisp Printer' clear --all-users");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("Cleared bob"), std::string::npos) << run.out;
}

}  // namespace
