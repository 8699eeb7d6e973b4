// nwdevmode papers PRINTER                                  list the papers
// nwdevmode papers PRINTER add TITLE WIDTH HEIGHT [--units mm|in|px]
// nwdevmode papers PRINTER modify TITLE NEW-TITLE WIDTH HEIGHT [--units mm|in|px]
// nwdevmode papers PRINTER delete TITLE
// Sizes are given and shown in whole units: millimetres and inches with up
// to one and two decimals (the list keeps tenths of a millimetre and
// hundredths of an inch), pixels as they are.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "command.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "papers/paper_list.h"
#include "platform/handles.h"
#include "platform/win32api.h"

namespace nwtool {
namespace {

struct Unit {
    const char* name;
    int code;
    int perUnit;  // stored steps per unit
    int decimals;
};
constexpr Unit kUnits[] = {{"in", 0, 100, 2}, {"mm", 1, 10, 1}, {"px", 2, 1, 0}};

const Unit& UnitNamed(const std::string& name) {
    for (const Unit& unit : kUnits)
        if (name == unit.name) return unit;
    Fail("unknown unit \"" + name + "\" (use mm, in or px)", kExitUsage);
}

const Unit* UnitOfCode(int code) {
    for (const Unit& unit : kUnits)
        if (unit.code == code) return &unit;
    return nullptr;
}

int Stored(double value, const Unit& unit, const char* what) {
    const double steps = std::round(value * unit.perUnit);
    if (!(steps >= 1 && steps <= 2147483647.0))
        Fail(std::string(what) + " must be a positive size in " + unit.name, kExitUsage);
    return static_cast<int>(steps);
}

std::string Shown(std::uint32_t steps, const Unit& unit) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", unit.decimals, static_cast<double>(steps) / unit.perUnit);
    return text;
}

// What each failure of a paper export means here.
[[noreturn]] void FailPaper(const std::string& what) {
    const std::uint32_t error = Nordwisp_GetLastError();
    switch (error) {
        case 2: Fail(what + ": no such paper (the first paper of the list is never changed) (2)");
        case 5: Fail(what + ": only papers added by users can be changed or deleted (5)");
        case 87: Fail(what + ": a title (at most 255 characters) and non-zero sizes are needed (87)");
        case 183: Fail(what + ": a paper with this title already exists (183)");
        default: FailWithLastError(what);
    }
}

// The API looks papers up one at a time; the list as a whole comes from the
// library's core, as the driver's own dialog reads it.
void RunList(const std::string& printer) {
    RecordPtr record = LoadRecord(printer);
    std::u16string name = FromUtf8(printer);
    nw::PrinterHandle handle;
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
    if (!::OpenPrinterW(name.data(), handle.put(), &defaults))
        Fail("cannot open \"" + printer + "\": system error " + std::to_string(::GetLastError()));
    const nw::papers::PaperList papers = nw::papers::BuildPaperListForPrinter(handle.get(), record.get());
    if (papers.empty()) Fail("cannot read the paper list of \"" + printer + "\": system error " +
                             std::to_string(::GetLastError()));
    std::printf("%6s  %-22s %s\n", "Code", "Size", "Title");
    for (const auto& paper : papers) {
        const Unit* unit = UnitOfCode(paper.nUnits);
        const std::string size = Shown(paper.sPhysSize.x, *unit) + " x " + Shown(paper.sPhysSize.y, *unit) + " " +
                                 unit->name;
        const std::string title = ToUtf8(std::u16string(nw::papers::TitleOf(paper)));
        std::printf("%6d  %-22s %s%s%s\n", paper.nWindowsPaperCode, size.c_str(), title.c_str(),
                    paper.bAdvancedPaperSize ? " [user]" : "", paper.bAvailable ? "" : " [hidden]");
    }
}

struct PaperOptions {
    std::string printer;
    std::string title;
    std::string newTitle;
    double width = 0;
    double height = 0;
    std::string units = "mm";
};

void RunAdd(const PaperOptions& options) {
    const Unit& unit = UnitNamed(options.units);
    const int width = Stored(options.width, unit, "WIDTH");
    const int height = Stored(options.height, unit, "HEIGHT");
    RecordPtr record = LoadRecord(options.printer);
    const std::u16string title = FromUtf8(options.title);
    const int code = AddPaperSize(record.get(), title.c_str(), width, height, unit.code);
    if (code == 0) FailPaper("cannot add \"" + options.title + "\"");
    std::cout << "added \"" << options.title << "\" with code " << code << "\n";
}

void RunModify(const PaperOptions& options) {
    const Unit& unit = UnitNamed(options.units);
    const int width = Stored(options.width, unit, "WIDTH");
    const int height = Stored(options.height, unit, "HEIGHT");
    RecordPtr record = LoadRecord(options.printer);
    const std::u16string title = FromUtf8(options.title);
    const std::u16string newTitle = FromUtf8(options.newTitle);
    const int code = ModifyPaperSize(record.get(), title.c_str(), newTitle.c_str(), width, height, unit.code);
    if (code == 0) FailPaper("cannot change \"" + options.title + "\"");
    std::cout << "changed \"" << options.title << "\" (code " << code << ")\n";
}

void RunDelete(const PaperOptions& options) {
    RecordPtr record = LoadRecord(options.printer);
    const std::u16string title = FromUtf8(options.title);
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
    auto* papers = app.add_subcommand("papers", "List, add, change and delete the paper sizes of a printer");
    papers->add_option("PRINTER", options->printer, "Printer name")->required();
    papers->require_subcommand(0, 1);

    auto* add = papers->add_subcommand("add", "Add a user paper; prints its code");
    add->add_option("TITLE", options->title, "Title of the new paper")->required();
    AddSizeOptions(add, *options);
    add->callback([options] { RunAdd(*options); });

    auto* modify = papers->add_subcommand("modify", "Change the title and size of a user paper");
    modify->add_option("TITLE", options->title, "Title of the paper")->required();
    modify->add_option("NEW-TITLE", options->newTitle, "Its new title (may be the same)")->required();
    AddSizeOptions(modify, *options);
    modify->callback([options] { RunModify(*options); });

    auto* remove = papers->add_subcommand("delete", "Delete a user paper");
    remove->add_option("TITLE", options->title, "Title of the paper")->required();
    remove->callback([options] { RunDelete(*options); });

    papers->callback([options, papers] {
        if (papers->get_subcommands().empty()) RunList(options->printer);
    });
}

const bool registered = RegisterCommand(&SetupPapers);

}  // namespace
}  // namespace nwtool
