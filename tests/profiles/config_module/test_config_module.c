/* A configuration module that answers with what it was given, so that a
 * test sees each argument arrive unchanged and each result come back. */
#include <stdint.h>
#include <string.h>
#include <uchar.h>

#define EXPORT __attribute__((visibility("default")))

EXPORT int ApplyProfile(const char16_t* printer, void* handle, uintptr_t a, uintptr_t b) {
    return printer != 0 && handle != 0 ? (int)(a * 10 + b) : -1;
}
EXPORT int CreateProfile(const char16_t* printer, uintptr_t a, uintptr_t b, uintptr_t c) {
    return printer != 0 ? (int)(a * 100 + b * 10 + c) : -1;
}
EXPORT int CreateProfileFile(const char16_t* printer, uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
    return printer != 0 ? (int)(a * 1000 + b * 100 + c * 10 + d) : -1;
}
EXPORT int DeleteProfile(const char16_t* printer, uintptr_t a) { return printer != 0 ? (int)a : -1; }
EXPORT int ExportProfileData(const char16_t* printer, uintptr_t a, uintptr_t b) {
    return printer != 0 ? (int)(a * 10 + b) : -1;
}
EXPORT int ImportProfileData(const char16_t* printer, uintptr_t a, uintptr_t b) {
    return printer != 0 ? (int)(a * 10 + b) : -1;
}
EXPORT uint32_t GetNumberOfProfiles(const char16_t* printer) { return printer != 0 ? 7u : 0u; }
/* Index 0 is "Quarterly report"; index 1 fills the whole 260 characters
 * without a terminator; others do not exist. */
EXPORT int GetProfileName(const char16_t* printer, uint32_t index, char16_t* name) {
    static const char16_t kName[] = u"Quarterly report";
    if (printer == 0) return 0;
    if (index == 0) {
        memcpy(name, kName, sizeof kName);
        return 1;
    }
    if (index == 1) {
        for (int i = 0; i < 260; ++i) name[i] = u'x';
        return 1;
    }
    return 0;
}
