/*
 * NwConfigModule: the reference configuration module of the Nordwisp
 * printer driver, "nwdevui.dll" (the driver's configuration file). The
 * library's profile exports forward to these functions by name; every
 * argument after the printer name is passed through as the caller gave it,
 * pointer-sized.
 *
 * Profiles are ".bip" settings files with a "Profile" section, kept per user
 * and printer in "%APPDATA%\Kelmora Works\<printer>\Profiles\<name>.bip" and
 * indexed in HKEY_CURRENT_USER "SOFTWARE\Kelmora Works\<printer>\Profiles"
 * (one subkey per profile: "Name", "Modified", "Description", "Filename"
 * without terminators, "Shared", "Hidden"), the index the library reads.
 * A profile name is 1 to 49 characters, none of \ / : * ? " < > |.
 * Results are 1 for success and 0 for failure unless said otherwise.
 */
#ifndef NW_CONFIG_MODULE_H
#define NW_CONFIG_MODULE_H

#include <stdint.h>

#if defined(_WIN32)
#  include <windows.h>
#  define NWCFG_API __stdcall
#  define NWCFG_EXPORT
typedef wchar_t NwCfgChar;
typedef HANDLE NwCfgHandle;
#else
#  define NWCFG_API
#  define NWCFG_EXPORT __attribute__((visibility("default")))
typedef char16_t NwCfgChar;
typedef void* NwCfgHandle;
#endif

/* Flags of CreateProfile, CreateProfileFile and ImportProfileData. */
#define NWCFG_REPLACE 0x1 /* an existing profile or file of that name is replaced */

#ifdef __cplusplus
extern "C" {
#endif

/* profileName (const NwCfgChar*): an indexed, visible profile. Applies its
 * file to the printer's current record as ApplyProfileFile does, saves the
 * record as the user's and makes it the "Selected Profile". reserved must
 * be 0. */
NWCFG_EXPORT int NWCFG_API ApplyProfile(const NwCfgChar* printerName, NwCfgHandle printer, uintptr_t profileName,
                                         uintptr_t reserved);
/* profileName, description (const NwCfgChar*, null: none): saves the
 * printer's current settings (ExportSettingstoINIFile of the user's record)
 * as a new profile in the profile folder and indexes it. 0 when the name is
 * taken, unless flags has NWCFG_REPLACE. */
NWCFG_EXPORT int NWCFG_API CreateProfile(const NwCfgChar* printerName, uintptr_t profileName,
                                          uintptr_t description, uintptr_t flags);
/* As CreateProfile, but the profile file is written to file (const
 * NwCfgChar*, a full path) and not indexed. */
NWCFG_EXPORT int NWCFG_API CreateProfileFile(const NwCfgChar* printerName, uintptr_t profileName,
                                              uintptr_t description, uintptr_t file, uintptr_t flags);
/* profileName: a shared profile whose file exists is hidden; any other is
 * removed from the index and its file deleted. */
NWCFG_EXPORT int NWCFG_API DeleteProfile(const NwCfgChar* printerName, uintptr_t profileName);
/* Copies the indexed profile's file to file (const NwCfgChar*), replacing
 * a file there. */
NWCFG_EXPORT int NWCFG_API ExportProfileData(const NwCfgChar* printerName, uintptr_t profileName, uintptr_t file);
/* Copies a profile file (const NwCfgChar*) into the profile folder under
 * the name its "Profile" section states, and indexes it as the user's own.
 * 0 for a file without a valid name, or a name taken unless flags has
 * NWCFG_REPLACE. */
NWCFG_EXPORT int NWCFG_API ImportProfileData(const NwCfgChar* printerName, uintptr_t file, uintptr_t flags);
/* The number of visible (not hidden) indexed profiles. */
NWCFG_EXPORT uint32_t NWCFG_API GetNumberOfProfiles(const NwCfgChar* printerName);
/* The name of the visible profile at index (0 first, in the index's
 * order) into name, 260 characters with the terminator; 0 past the last. */
NWCFG_EXPORT int NWCFG_API GetProfileName(const NwCfgChar* printerName, uint32_t index, NwCfgChar* name);

#ifdef __cplusplus
}
#endif

#endif /* NW_CONFIG_MODULE_H */
