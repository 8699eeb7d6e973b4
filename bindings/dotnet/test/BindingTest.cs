// Calls exports of every family through the generated binding and checks
// what they answer. Runs against the Linux library on a fresh hosted machine
// ($NORDWISP_MACHINE): mcs -out:BindingTest.exe ../NordwispDEVMODE.cs BindingTest.cs
using System;
using System.Runtime.InteropServices;
using System.Text;
using Nordwisp;

static class BindingTest
{
    const string Printer = "Nordwisp Printer";
    static int failures;

    static void Check(bool ok, string what)
    {
        Console.WriteLine((ok ? "ok   " : "FAIL ") + what);
        if (!ok) failures++;
    }

    static string Text(char[] buffer, int bytes) { return new string(buffer, 0, bytes / 2).TrimEnd('\0'); }

    static int Main()
    {
        uint added = NordwispMachine.NordwispMachine_AddPrinter(Printer, null);
        Check(added == 0 || added == 1802, "machine: the demo printer is there");

        // Frame: a null record is refused with the library's own error.
        NativeMethods.GetOrientation(IntPtr.Zero);
        Check(NativeMethods.Nordwisp_GetLastError() == 0xFFFFFC18u, "frame: a null record sets the null-argument error");

        using (NordwispRecord record = NordwispRecord.Load(Printer))
        {
            Check(record != null, "record: LoadNordwispDEVMODE");
            if (record == null) return 1;
            Check(record.GetInt16(RecordLayout.DM_dmSize) == 220, "record: dmSize at its offset is 220");

            // Accessors of the record: page geometry, numbers, switches, texts.
            Check(NativeMethods.SetOrientation(2, record) != 0 && NativeMethods.GetOrientation(record) == 2, "page geometry: orientation");
            Check(NativeMethods.SetBarcodeType(record, 2) != 0 && NativeMethods.GetBarcodeType(record) == 2, "numbers: barcode type");
            Check(NativeMethods.EnablePageNumbering(record) != 0 && NativeMethods.IsPageNumberingEnabled(record) != 0, "switches: page numbering");
            Check(NativeMethods.SetOutputDirectory(@"C:\Out\Ünïcode", record) != 0, "texts: set the output directory");
            Check(Marshal.PtrToStringUni(NativeMethods.GetOutputDirectory(record)) == @"C:\Out\Ünïcode", "texts: the pointer into the pinned record reads it back");
            Check(record.Save(Printer), "record: SaveNordwispDEVMODE");

            // Registry-backed settings: a text value through a caller's buffer, and its ANSI twin.
            Check(NativeMethods.SetBarcodeValue(record, "NW-0042") != 0, "registry values: set a text");
            char[] wide = new char[64];
            int size = wide.Length * 2;
            Check(NativeMethods.GetBarcodeValue(record, wide, ref size) != 0 && Text(wide, size) == "NW-0042", "registry values: read it back");
            byte[] ansi = new byte[64];
            size = ansi.Length;
            Check(NativeMethods.GetBarcodeValueA(record, ansi, ref size) != 0 && Encoding.ASCII.GetString(ansi, 0, 7) == "NW-0042", "registry values: ANSI twin");

            // Special settings: a font as a structure.
            Check(NativeMethods.SetHeaderFont(record, -24, 0, 0, 0, 700, 1, 0, 0, 1, 0, 0, 0, 0, "Arial") != 0, "special settings: set the header font");
            NW_LOGFONTW font = new NW_LOGFONTW();
            Check(NativeMethods.GetHeaderFont(record, ref font) != 0 && font.lfWeight == 700 && font.lfFaceName == "Arial" && font.lfItalic == 1,
                  "special settings: the header font reads back");

            // Settings core: the document counter.
            Check(NativeMethods.SetDocumentNumber(record, 41) != 0 && NativeMethods.GetDocumentNumber(record) == 41, "settings core: document number");

            // Decorated exports pick their entry point by platform.
            int firstPage = -1;
            Check(NativeMethods.SetHeaderFirstPageOnly(record, 1) != 0 && NativeMethods.GetHeaderFirstPageOnly(record, ref firstPage) != 0 && firstPage == 1,
                  "decorated exports: header first page only");

            // Registry lists: an FTP connection and one of its values.
            int connection = NativeMethods.AddFTPConnection(record, "Binding Upload");
            int port = 0;
            Check(connection > 0 && NativeMethods.GetFTPConnectionByName(record, "binding upload") == connection,
                  "lists: add an FTP connection and find it by name in another letter case");
            Check(NativeMethods.SetFTPPort(record, connection, 2121) != 0 && NativeMethods.GetFTPPort(record, connection, ref port) != 0 && port == 2121,
                  "lists: a per-connection value");
            Check(NativeMethods.DeleteFTPConnection(record, connection) != 0, "lists: delete the connection");

            // Barcodes: the reference QR engine sizes and draws a value.
            string engines = Environment.GetEnvironmentVariable("NW_BARCODE_ENGINES");
            if (!string.IsNullOrEmpty(engines))
            {
                Check(NordwispMachine.NordwispMachine_InstallBarcodeEngine(0, engines + "/NwBarcodeQR.dll") == 0, "machine: install the QR engine");
                Check(NativeMethods.SetBarcodeType(record, 0) != 0 && NativeMethods.VerifyBarcodeValue(record, "HELLO") == 1,
                      "barcodes: the QR engine takes a value");
                IntPtr bitmap = NativeMethods.DrawBarcodePreview(record, "HELLO", IntPtr.Zero, 300, 400);
                int pixelsWide = 0, pixelsHigh = 0;
                UIntPtr bytes = NordwispMachine.NordwispMachine_ReadBitmap(bitmap, null, UIntPtr.Zero, ref pixelsWide, ref pixelsHigh);
                Check(bitmap != IntPtr.Zero && pixelsWide > 0 && pixelsWide <= 305 && pixelsHigh > 0 && pixelsHigh <= 405 &&
                      bytes.ToUInt64() == (ulong)(pixelsWide * pixelsHigh * 3),
                      "barcodes: a preview bitmap fitted into its box");
                Check(NordwispMachine.NordwispMachine_DeleteBitmap(bitmap) == 1, "barcodes: the preview is deleted");
            }

            // File-name templates.
            Check(NativeMethods.IsCustomFilenameTemplateValid(record, "<<DOCNAME>><<NONE>>.<<ORIGINAL>>") == 0, "naming: a valid template gives 0");
            Check(NativeMethods.IsCustomFilenameTemplateValid(record, "<<DOCNAME>>.<<ORIGINAL>>") != 0, "naming: one token pair before the dot is refused");

            // Papers.
            NativeMethods.DeletePaperSize(record, "Binding Label");
            int code = NativeMethods.AddPaperSize(record, "Binding Label", 620, 290, 1);
            int width = 0, height = 0, units = -1;
            Check(code > 276 && NativeMethods.GetPaperInfo(record, "Binding Label", ref width, ref height, ref units) == code && width == 620,
                  "papers: add and read back");
            Check(NativeMethods.DeletePaperSize(record, "Binding Label") != 0, "papers: delete");
        }

        using (NordwispRecord again = NordwispRecord.Load(Printer))
            Check(again != null && NativeMethods.GetOrientation(again) == 2, "record: the saved orientation sticks");

        // Jobs on the hosted spooler.
        uint jobId = 0, count = 0;
        Check(NordwispMachine.NordwispMachine_SubmitJob(Printer, "binding.txt", null, 3, ref jobId) == 0, "machine: queue a job");
        Check(NativeMethods.GetNumberOfJobs(Printer, ref count) == 0 && count >= 1, "jobs: the job is counted");
        byte[] job = new byte[JobInfoLayout.Size];
        Check(NativeMethods.GetJobInfo(Printer, 0, job) == 0 && BitConverter.ToUInt32(job, JobInfoLayout.JobId) == jobId,
              "jobs: GetJobInfo describes it at the layout's offsets");

        Console.WriteLine(failures == 0 ? "all passed" : failures + " failed");
        return failures == 0 ? 0 : 1;
    }
}
