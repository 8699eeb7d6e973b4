/* The import table of a hosted module (C and C++). Windows binds a DLL's
 * imports of kernel32 when it loads the DLL; a hosted module lists them in
 * an exported array named NwHostedImports, and LoadLibraryW fills every
 * slot from the pseudo module's exports before it returns. A module with an
 * import that cannot be bound is not loaded (ERROR_PROC_NOT_FOUND). The
 * array ends with an entry whose module is null. */
#ifndef NW_HOSTED_MODULE_IMPORTS_H
#define NW_HOSTED_MODULE_IMPORTS_H

typedef void (*NwHostedProc)(void);

typedef struct NwHostedImport {
    const char* module; /* "kernel32" */
    const char* name;   /* "GlobalLock" */
    NwHostedProc* slot;
} NwHostedImport;

#define NW_HOSTED_IMPORTS_SYMBOL "NwHostedImports"

#endif
