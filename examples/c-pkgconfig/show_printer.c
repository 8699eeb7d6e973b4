/* Loads a printer's record, prints three of its settings, turns the page to
 * landscape and saves it. Builds against an installed library through
 * pkg-config:
 *   cc show_printer.c $(pkg-config --cflags --libs NordwispDEVMODE)
 * On Linux the printers live on the hosted machine ($NORDWISP_MACHINE). */
#include <stdio.h>

#include <nordwisp/NordwispDEVMODE.h>
#include <nordwisp/NordwispMachine.h>

int main(void) {
    static const NWCHAR printer[] = u"" NORDWISP_MACHINE_DEMO_PRINTER;
    uint32_t added = NordwispMachine_AddPrinter(printer, NULL);
    if (added != 0 && added != 1802) {
        fprintf(stderr, "cannot add the demo printer: error %u\n", (unsigned)added);
        return 1;
    }
    NordwispDEVMODE* record = LoadNordwispDEVMODE(printer);
    if (record == NULL) {
        fprintf(stderr, "cannot load the record: error %u\n", (unsigned)Nordwisp_GetLastError());
        return 1;
    }
    printf("orientation %d, paper %d, file format %d\n", GetOrientation(record), GetPaperSize(record),
           GetFileFormat(record));
    int ok = SetOrientation(2, record) && SaveNordwispDEVMODE(printer, record);
    ReleaseNordwispDEVMODE(record);

    record = LoadNordwispDEVMODE(printer);
    ok = ok && record != NULL && GetOrientation(record) == 2;
    ReleaseNordwispDEVMODE(record);
    puts(ok ? "saved landscape" : "the change did not stick");
    return ok ? 0 : 1;
}
