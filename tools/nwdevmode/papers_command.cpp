// nwdevmode papers PRINTER                                  list the papers
// nwdevmode papers PRINTER add TITLE WIDTH HEIGHT [--units mm|in|px]
// nwdevmode papers PRINTER modify TITLE NEW-TITLE WIDTH HEIGHT [--units mm|in|px]
// nwdevmode papers PRINTER delete TITLE
// Sizes are given and shown in whole units: millimetres and inches with up
// to one and two decimals (the list keeps tenths of a millimetre and
// hundredths of an inch), pixels as they are. The list is the current
// user's: other users keep their own.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "command.h"
#include <nlohmann/json.hpp>

#include <vector>

#include "nordwisp/NordwispDEVMODE.h"
#ifndef _WIN32
#include "nordwisp/NordwispMachine.h"
#endif

namespace nwtool {
namespace {

struct Unit {
    const char* name;
    int code;
    int perUnit;  // stored steps per unit
    int decimals;
    int largest;  // in steps: the list marks a larger paper invalid when it is read
};
constexpr Unit kUnits[] = {{"in", 0, 100, 2, 129000}, {"mm", 1, 10, 1, 327660}, {"px", 2, 1, 0, 200000}};
// A longer title would read back as "Unknown".
constexpr std::size_t kLongestTitle = 63;

const Unit& UnitNamed(const std::string& name) {
    for (const Unit& unit : kUnits)
        if (name == unit.name) return unit;
    Fail("unknown unit \"" + name + "\" (use mm, in or px)", kExitUsage);
}

std::string Shown(std::uint32_t steps, const Unit& unit) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", unit.decimals, static_cast<double>(steps) / unit.perUnit);
    return text;
}

int Stored(double value, const Unit& unit, const char* what) {
    const double steps = std::round(value * unit.perUnit);
    if (!(steps >= 1 && steps <= unit.largest))
        Fail(std::string(what) + " must be a size above 0 and at most " + Shown(unit.largest, unit) + " " +
                 unit.name,
             kExitUsage);
    return static_cast<int>(steps);
}

// What each failure of a paper export means here.
[[noreturn]] void FailPaper(const std::string& what) {
    const std::uint32_t error = Nordwisp_GetLastError();
    switch (error) {
        case 2: Fail(what + ": no such paper in the current user's list (the first paper is never changed)");
        case 5: Fail(what + ": only papers added by users can be changed or deleted");
        case 87: Fail(what + ": a title and sizes above 0 are needed");
        case 183: Fail(what + ": a paper with this title already exists");
        default: FailWithLastError(what);
    }
}

#ifndef _WIN32
const Unit* UnitOfCode(int code) {
    for (const Unit& unit : kUnits)
        if (unit.code == code) return &unit;
    return nullptr;
}

// The whole list comes from the hosted machine's API; the public one looks
// papers up one at a time.
void RunList(const std::string& printer, bool json) {
    RecordPtr record = LoadRecord(printer);
    std::uint32_t count = 0;
    std::vector<NordwispMachinePaper> papers;
    std::uint32_t error = NordwispMachine_GetPapers(record.get(), nullptr, 0, &count);
    if (error == 122) {
        papers.resize(count);
        error = NordwispMachine_GetPapers(record.get(), papers.data(), count, &count);
    }
    if (error != 0) Fail("cannot read the paper list of \"" + printer + "\": " + DescribeError(error));
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    if (!json) std::printf("Papers of the current user for \"%s\"\n%6s  %-22s %s\n", printer.c_str(), "Code", "Size", "Title");
    for (const NordwispMachinePaper& paper : papers) {
        const Unit* unit = UnitOfCode(paper.units);
        const std::string title = ToUtf8(paper.title);
        if (json) {
            all.push_back({{"code", paper.code}, {"title", title}, {"width", paper.width}, {"height", paper.height},
                           {"units", unit->name}, {"userDefined", paper.userDefined != 0},
                           {"available", paper.available != 0}});
            continue;
        }
        const std::string size = Shown(static_cast<std::uint32_t>(paper.width), *unit) + " x " +
                                 Shown(static_cast<std::uint32_t>(paper.height), *unit) + " " + unit->name;
        std::printf("%6d  %-22s %s%s%s\n", paper.code, size.c_str(), title.c_str(), paper.userDefined ? " [user]" : "",
                    paper.available ? "" : " [hidden]");
    }
    if (json) std::cout << nlohmann::ordered_json{{"owner", "current user"}, {"papers", all}}.dump(2) << "\n";
}
#endif

struct PaperOptions {
    std::string printer;
    bool json = false;
    std::string title;
    std::string newTitle;
    double width = 0;
    double height = 0;
    std::string units = "mm";
};

void CheckTitle(const std::string& title) {
    if (FromUtf8(title).size() > kLongestTitle)
        Fail("a paper title holds at most " + std::to_string(kLongestTitle) + " characters", kExitUsage);
}

// Checked as soon as the command line is read, before a machine is prepared.
void CheckPaper(const std::string& title, const PaperOptions& options) {
    CheckTitle(title);
    const Unit& unit = UnitNamed(options.units);
    Stored(options.width, unit, "WIDTH");
    Stored(options.height, unit, "HEIGHT");
}

void RunAdd(const PaperOptions& options) {
    const Unit& unit = UnitNamed(options.units);
    const int width = Stored(options.width, unit, "WIDTH");
    const int height = Stored(options.height, unit, "HEIGHT");
    RecordPtr record = LoadRecord(options.printer);
    const NwString title = FromUtf8(options.title);
    const int code = AddPaperSize(record.get(), title.c_str(), width, height, unit.code);
    if (code == 0) FailPaper("cannot add \"" + options.title + "\"");
    std::cout << "added \"" << options.title << "\" with code " << code << " to the current user's papers\n";
}

void RunModify(const PaperOptions& options) {
    const Unit& unit = UnitNamed(options.units);
    const int width = Stored(options.width, unit, "WIDTH");
    const int height = Stored(options.height, unit, "HEIGHT");
    RecordPtr record = LoadRecord(options.printer);
    const NwString title = FromUtf8(options.title);
    const NwString newTitle = FromUtf8(options.newTitle);
    const int code = ModifyPaperSize(record.get(), title.c_str(), newTitle.c_str(), width, height, unit.code);
    if (code == 0) FailPaper("cannot change \"" + options.title + "\"");
    std::cout << "changed \"" << options.title << "\" (code " << code << ")\n";
}

void RunDelete(const PaperOptions& options) {
    RecordPtr record = LoadRecord(options.printer);
    const NwString title = FromUtf8(options.title);
    if (!DeletePaperSize(record.get(), title.c_str())) FailPaper("cannot delete \"" + options.title + "\"");
    std::cout << "deleted \"" << options.title << "\"\n";
}

void AddSizeOptions(CLI::App* command, PaperOptions& options) {
    command->add_option("WIDTH", options.width, "Width in the chosen units")->required();
    command->add_option("HEIGHT", options.height, "Height in the chosen units")->required();
    command->add_option("--units", options.units, "mm (default), in or px")->check(CLI::IsMember({"mm", "in", "px"}));
}

void SetupPapers(CLI::App& app) {
    auto options = std::make_shared<PaperOptions>();
    auto* papers = app.add_subcommand(
        "papers", "List, add, change and delete the current user's paper sizes of a printer");
    papers->add_option("PRINTER", options->printer, "Printer name")->required();
    papers->require_subcommand(0, 1);
#ifndef _WIN32
    papers->add_flag("--json", options->json, "List the papers as JSON");
#else
    papers->require_subcommand(1);  // the list comes from the hosted machine only
#endif

    auto* add = papers->add_subcommand("add", "Add a user paper; prints its code");
    add->add_option("TITLE", options->title, "Title of the new paper")->required();
    AddSizeOptions(add, *options);
    add->parse_complete_callback([options] { CheckPaper(options->title, *options); });
    add->callback([options] { RunAdd(*options); });

    auto* modify = papers->add_subcommand("modify", "Change the title and size of a user paper");
    modify->add_option("TITLE", options->title, "Title of the paper")->required();
    modify->add_option("NEW-TITLE", options->newTitle, "Its new title (may be the same)")->required();
    AddSizeOptions(modify, *options);
    modify->parse_complete_callback([options] { CheckPaper(options->newTitle, *options); });
    modify->callback([options] { RunModify(*options); });

    auto* remove = papers->add_subcommand("delete", "Delete a user paper");
    remove->add_option("TITLE", options->title, "Title of the paper")->required();
    remove->callback([options] { RunDelete(*options); });

#ifndef _WIN32
    papers->callback([options, papers] {
        if (papers->get_subcommands().empty()) RunList(options->printer, options->json);
    });
#endif
}

const bool registered = RegisterCommand(&SetupPapers);

}  // namespace
}  // namespace nwtool
