// Adds a user paper to a printer, reads it back by title and by code, and
// deletes it again: the paper-list exports of the installed library, found
// through find_package(NordwispDEVMODE CONFIG).
#include <cstdint>
#include <cstdio>
#include <memory>

#include <nordwisp/NordwispDEVMODE.h>
#include <nordwisp/NordwispMachine.h>

namespace {

struct Release {
    void operator()(NordwispDEVMODE* record) const { ReleaseNordwispDEVMODE(record); }
};

int Fail(const char* what) {
    std::fprintf(stderr, "%s: error %u\n", what, static_cast<unsigned>(Nordwisp_GetLastError()));
    return 1;
}

}  // namespace

int main() {
    static const NWCHAR printer[] = u"" NORDWISP_MACHINE_DEMO_PRINTER;
    static const NWCHAR title[] = u"Example Label 62 x 29";
    if (const std::uint32_t added = NordwispMachine_AddPrinter(printer, nullptr); added != 0 && added != 1802) {
        std::fprintf(stderr, "cannot add the demo printer: error %u\n", static_cast<unsigned>(added));
        return 1;
    }
    const std::unique_ptr<NordwispDEVMODE, Release> record(LoadNordwispDEVMODE(printer));
    if (!record) return Fail("cannot load the record");

    DeletePaperSize(record.get(), title);  // left over from an earlier run
    const int code = AddPaperSize(record.get(), title, 620, 290, 1);  // units 1: "MM"
    if (code == 0) return Fail("cannot add the paper");
    int width = 0, height = 0, units = -1;
    if (GetPaperInfo(record.get(), title, &width, &height, &units) != code) return Fail("cannot find the paper");
    NWCHAR name[64] = {};
    int size = sizeof name;
    if (!GetPaperName(record.get(), code, name, &size)) return Fail("cannot name the paper");
    std::printf("paper %d: %d x %d (units %d), name of %d bytes\n", code, width, height, units, size);
    if (!DeletePaperSize(record.get(), title)) return Fail("cannot delete the paper");
    return width == 620 && height == 290 && units == 1 ? 0 : 1;
}
