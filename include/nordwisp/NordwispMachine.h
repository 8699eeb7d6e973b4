/*
 * NordwispMachine: the hosted machine behind the Linux build of the library.
 * Creates printers of this driver (and of other drivers) on the machine
 * root ($NORDWISP_MACHINE), so that the library, its tests and the nwdevmode
 * tool have something to work on. Not part of the Windows DLL.
 */
#ifndef NORDWISP_NORDWISPMACHINE_H
#define NORDWISP_NORDWISPMACHINE_H

#include "nordwisp/NordwispDEVMODE.h"

#if defined(_WIN32)
#  error "NordwispMachine.h belongs to the hosted (non-Windows) build only"
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The printer that a fresh machine gets. */
#define NORDWISP_MACHINE_DEMO_PRINTER "Nordwisp Printer"
/* This driver's name in the spooler. */
#define NORDWISP_MACHINE_DRIVER "Nordwisp Virtual Printer Driver"

/* 1 when the machine root exists and holds anything, else 0. */
NW_EXPORT int NordwispMachine_IsProvisioned(void) NW_NOEXCEPT;

/* The machine root as a UTF-8 host path into buffer (size bytes, terminator
 * included). Returns the bytes needed with the terminator; nothing is copied
 * when that is more than size. */
NW_EXPORT uint32_t NordwispMachine_GetRoot(char* buffer, uint32_t size) NW_NOEXCEPT;

/* Installs this driver (driver folder, data file, driver key) when missing
 * and adds a printer of it: its global default record and its printer ID
 * registered for the current user. A null port gives "NORDWISP:".
 * Returns 0 or a Win32 error (1802 when the printer exists, 123 for a name
 * the spooler cannot hold, 5 without administrator membership). */
NW_EXPORT uint32_t NordwispMachine_AddPrinter(const NWCHAR* printerName, const NWCHAR* portName) NW_NOEXCEPT;

/* Adds a printer of another driver, installing that driver when missing.
 * Its record is a plain public device mode, or, with nordwispRecord set, a
 * record of this driver (as a queue that mirrors one of this driver's
 * printers carries). A null port gives "LPT1:". Results as above. */
NW_EXPORT uint32_t NordwispMachine_AddOtherPrinter(const NWCHAR* printerName, const NWCHAR* driverName,
                                                   const NWCHAR* portName, int nordwispRecord) NW_NOEXCEPT;

/* Where NordwispMachine_InstallOcrModule puts the OCR module, a path of
 * the machine's drive C. */
#define NORDWISP_MACHINE_OCR_MODULE "C:\\Program Files\\Nordwisp\\OCR\\NwOCR.dll"

/* Copies an OCR module, moduleFile being a UTF-8 host path, to
 * NORDWISP_MACHINE_OCR_MODULE, replacing one there (by renaming, so that a
 * process that has the old one loaded keeps it intact). Printers use it once
 * their "NwOCR.Dll" path names it (SetOCRDLLPath). Returns 0 or a Win32
 * error (2 for a missing file or a null name, 5 without administrator
 * membership, 3 when its folder cannot be made, 29 when it cannot be
 * written). */
NW_EXPORT uint32_t NordwispMachine_InstallOcrModule(const char* moduleFile) NW_NOEXCEPT;

/* The printer type every printer of this driver gets (the "M" edition:
 * 0x20 with 0x1). By the driver's naming rules it loads its barcode engines
 * by these names, with the "pd_" entry points. */
#define NORDWISP_MACHINE_PRINTER_TYPE 0x21
#define NORDWISP_MACHINE_QR_ENGINE "VyMQxQR.dll"
#define NORDWISP_MACHINE_DM_ENGINE "VyMQxDM.dll"
#define NORDWISP_MACHINE_P417_ENGINE "VyMQxP417.dll"
#define NORDWISP_MACHINE_1D_ENGINE "VyMQz1D.dll"

/* Copies a barcode engine, moduleFile being a UTF-8 host path, into the
 * machine's system folder under the name above for barcodeType (0 QR,
 * 1 DataMatrix, 2 PDF417, 3 one-dimensional), replacing one there as
 * NordwispMachine_InstallOcrModule does. Returns 0 or a Win32 error (87 for
 * another barcode type, else as NordwispMachine_InstallOcrModule). */
NW_EXPORT uint32_t NordwispMachine_InstallBarcodeEngine(int barcodeType, const char* moduleFile) NW_NOEXCEPT;

/* Where this driver's configuration file points: its configuration module,
 * which performs the forwarded profile operations. */
#define NORDWISP_MACHINE_CONFIG_MODULE "nwdevui.dll"

/* Copies a configuration module, moduleFile being a UTF-8 host path, to the
 * driver folder as NORDWISP_MACHINE_CONFIG_MODULE, replacing one there as
 * NordwispMachine_InstallOcrModule does. Results as there. */
NW_EXPORT uint32_t NordwispMachine_InstallConfigModule(const char* moduleFile) NW_NOEXCEPT;

/* The current user's registry, for a client that shows what no export
 * returns (the profile index's "Shared", "Hidden" and "Modified" values):
 * the name of subkey `index` of HKEY_CURRENT_USER\keyPath into name
 * (chars wide characters, terminator included), and a value of that key
 * (valueName null: its default value) with RegQueryValueExW's size
 * protocol. Results are the Win32 error codes those functions return: 259
 * after the last subkey, 234 when the buffer is too small, 2 when the key
 * or value is missing. On Windows a client calls the registry itself. */
NW_EXPORT uint32_t NordwispMachine_EnumUserSubkey(const NWCHAR* keyPath, uint32_t index, NWCHAR* name,
                                                  uint32_t chars) NW_NOEXCEPT;
NW_EXPORT uint32_t NordwispMachine_GetUserValue(const NWCHAR* keyPath, const NWCHAR* valueName, uint32_t* type,
                                                void* data, uint32_t* bytes) NW_NOEXCEPT;

/* The printer handles open and the modules loaded by the library in this
 * process, into whichever pointer is not null: a call that releases what
 * it acquires leaves both as they were. */
NW_EXPORT void NordwispMachine_CountOpen(uint32_t* printerHandles, uint32_t* modules) NW_NOEXCEPT;

/* Queues a job on a printer, as an application printing a document would:
 * submitted now from this computer by userName (null: the current user),
 * totalPages pages, none printed, priority 1, no status text. Its identifier
 * goes to *jobId when jobId is not null. Anyone may queue a job in their
 * own name; only an administrator in another user's. Returns 0 or a Win32
 * error (1801 for an unknown printer, 87 for a null document, 5 for a
 * non-administrator naming another user). */
NW_EXPORT uint32_t NordwispMachine_SubmitJob(const NWCHAR* printerName, const NWCHAR* documentName,
                                             const NWCHAR* userName, uint32_t totalPages,
                                             uint32_t* jobId) NW_NOEXCEPT;

/* Users. The machine's profile list (HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\
 * Windows NT\CurrentVersion\ProfileList") names each user's profile
 * folder, which holds the user's hive NTUSER.DAT; its "Default" profile is
 * made with the first user. A process runs as a user through
 * NORDWISP_USER_NAME and NORDWISP_USER_SID; its HKEY_CURRENT_USER is then
 * C:\Users\<name>\NTUSER.DAT. */
#define NORDWISP_MACHINE_SID_CHARS 185          /* longest SID text and its terminator */
#define NORDWISP_MACHINE_USER_NAME_CHARS 105
#define NORDWISP_MACHINE_PROFILE_PATH_CHARS 260

/* Adds a user with a profile (profilePath null: C:\Users\<userName>; it may
 * start with %SystemDrive%, kept so in the list) and a hive holding the
 * empty "Printers\DevModePerUser", "Printers\DevModes2" and
 * "Printers\Settings" keys. A null sid gives a generated one. A logged-on
 * user's hive stays mounted under HKEY_USERS\<SID> for every process (its
 * file cannot be loaded again) until the machine root is removed. The SID
 * goes to addedSid (addedSidChars wide characters, NORDWISP_MACHINE_SID_CHARS
 * are always enough) when it is not null. Returns 0 or a Win32 error (5
 * without administrator membership, 87 for a bad name, SID or path, 122 for
 * an addedSid buffer that is too small (nothing is added), 183 for a SID
 * already listed). */
NW_EXPORT uint32_t NordwispMachine_AddUser(const NWCHAR* userName, const NWCHAR* sid, int loggedOn,
                                           const NWCHAR* profilePath, NWCHAR* addedSid,
                                           uint32_t addedSidChars) NW_NOEXCEPT;

/* One user of the profile list. */
typedef struct NordwispMachineUser {
    NWCHAR name[NORDWISP_MACHINE_USER_NAME_CHARS]; /* the profile folder's name */
    NWCHAR sid[NORDWISP_MACHINE_SID_CHARS];
    NWCHAR profilePath[NORDWISP_MACHINE_PROFILE_PATH_CHARS];
    int loggedOn;  /* the current user counts as logged on */
    int isCurrent; /* the user this process runs as */
} NordwispMachineUser;

/* The user at index (0 first, in the list's order) into *user. Returns 0,
 * 259 past the last user, 87 for a null user, 122 when a text does not fit
 * (nothing is copied). */
NW_EXPORT uint32_t NordwispMachine_GetUser(uint32_t index, NordwispMachineUser* user) NW_NOEXCEPT;

/* The printer's global default record (spooler level 8), the one
 * SaveDefaultNordwispDEVMODE stores, whatever the system's version:
 * LoadNordwispDEVMODE gives the current user's record instead once the user
 * has one. Free it with ReleaseNordwispDEVMODE. Null on failure, with the
 * library's last error (1801 for a null name, else the spooler's error; 2
 * when the printer has no global default). On Windows a client calls
 * GetPrinterW level 8 itself. */
NW_EXPORT NordwispDEVMODE* NordwispMachine_LoadDefaultRecord(const NWCHAR* printerName) NW_NOEXCEPT;

/* The hosted GlobalFree and GlobalSize for blocks the library hands out
 * (records, printer lists): the library's machine is not the caller's. */
NW_EXPORT void NordwispMachine_FreeBlock(void* block) NW_NOEXCEPT;
NW_EXPORT size_t NordwispMachine_BlockSize(const void* block) NW_NOEXCEPT;

/* Reads a bitmap the library handed out (DrawBarcodePreview) as rows from
 * the top, 3 bytes a pixel in the order red, green, blue, into pixels (size
 * bytes); its width and height go to *width and *height when not null.
 * Returns the bytes the pixels take (nothing is copied when that is more
 * than size), 0 for what is no bitmap. */
NW_EXPORT size_t NordwispMachine_ReadBitmap(NW_HBITMAP bitmap, uint8_t* pixels, size_t size, int32_t* width,
                                            int32_t* height) NW_NOEXCEPT;
/* Deletes such a bitmap; 1 on success, 0 for what is no bitmap. */
NW_EXPORT int NordwispMachine_DeleteBitmap(NW_HBITMAP bitmap) NW_NOEXCEPT;

/* Text between UTF-8 and NWCHAR with the machine's own codec, so that a
 * client converts as the library does (a bad sequence becomes U+FFFD).
 * Each converts a terminated text into buffer (chars wide characters, or
 * size bytes, terminator included) and returns what the whole text takes
 * with its terminator; nothing is copied when that is more than the buffer
 * holds. A null text gives 0. */
NW_EXPORT uint32_t NordwispMachine_TextFromUtf8(const char* utf8, NWCHAR* buffer, uint32_t chars) NW_NOEXCEPT;
NW_EXPORT uint32_t NordwispMachine_TextToUtf8(const NWCHAR* text, char* buffer, uint32_t size) NW_NOEXCEPT;

/* One paper of a printer's paper list, as the driver's dialog shows it. The
 * list belongs to the current user (it is kept under HKEY_CURRENT_USER). */
#define NORDWISP_MACHINE_PAPER_TITLE_CHARS 256
typedef struct NordwispMachinePaper {
    NWCHAR title[NORDWISP_MACHINE_PAPER_TITLE_CHARS];
    int32_t code;        /* Windows paper code (DMPAPER_*, or the list's own) */
    int32_t width;       /* in units */
    int32_t height;
    int32_t units;       /* 0 hundredths of an inch, 1 tenths of a millimetre, 2 pixels */
    int32_t userDefined; /* added by a user: may be changed and deleted */
    int32_t available;   /* 0 when the list hides it */
} NordwispMachinePaper;
/* The paper list of the record's printer (seeded from the driver's data
 * file when the user has none yet). *count gets the number of papers; they
 * are copied into papers when capacity holds them all. Returns 0, 87 for a
 * null record or count, 122 when capacity is too small (nothing copied), or
 * the spooler's error for a printer that cannot be opened (1801). */
NW_EXPORT uint32_t NordwispMachine_GetPapers(const NordwispDEVMODE* record, NordwispMachinePaper* papers,
                                             uint32_t capacity, uint32_t* count) NW_NOEXCEPT;

/* What the driver would name an output file: a custom file-name template
 * expanded for a document. Null texts count as empty. */
typedef struct NordwispMachineFileName {
    const NWCHAR* templateText;      /* e.g. "<<DOCNAME>><<NONE>>.<<ORIGINAL>>" */
    const NWCHAR* documentName;
    const NWCHAR* documentExtension; /* for <<ORIGINAL>> */
    const NWCHAR* userName;
    const NWCHAR* directory;         /* an existing file there gets the name numbered */
    const NWCHAR* batesText;
    int32_t pageNumber;
    int32_t counter;
} NordwispMachineFileName;
/* Longest name and its terminator. */
#define NORDWISP_MACHINE_FILE_NAME_CHARS 1024
/* Builds the name into name (chars wide characters, at least
 * NORDWISP_MACHINE_FILE_NAME_CHARS) and the generation status into *status:
 * 0 complete, 110 a part was cut, 111 the template was empty, 112 the
 * directory is unusable (no name), 113 and 114 the document's name or
 * extension was too long. Returns 0, 87 for a null argument, 122 for a too
 * small name buffer. */
NW_EXPORT uint32_t NordwispMachine_PreviewFileName(const NordwispMachineFileName* request, NWCHAR* name,
                                                   uint32_t chars, uint32_t* status) NW_NOEXCEPT;
/* The meaning in words of a code of IsCustomFilenameTemplateValid (0 valid)
 * and of a generation status; null for an unknown code. */
NW_EXPORT const char* NordwispMachine_TemplateMeaning(int code) NW_NOEXCEPT;
NW_EXPORT const char* NordwispMachine_FileNameStatusMeaning(uint32_t status) NW_NOEXCEPT;

/* What NordwispMachine_SetMergeHook calls. */
typedef void (*NordwispMergeHook)(const NWCHAR* printerName, void* devmode, size_t size, void* context);
/* Lets a test play a driver that changes fields on merge: after the
 * reference driver merged an input record in DocumentPropertiesW, the hook
 * gets the merged block (size bytes) and may change it. Null removes it. */
NW_EXPORT void NordwispMachine_SetMergeHook(NordwispMergeHook hook, void* context) NW_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* NORDWISP_NORDWISPMACHINE_H */
