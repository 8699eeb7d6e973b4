/* Small OCR modules for the language query, one build per way a module can
   answer (NW_OCR_NO_QUERY, NW_OCR_NO_FREE, NW_OCR_FAILING, NW_OCR_NULL_TEXT;
   none of them: a working module). Each also tells a test what it saw: the
   current directory of its last query and which texts came back to it. */
#include <stddef.h>
#include <string.h>
#include <uchar.h>
#include <unistd.h>

#define NW_EXPORT __attribute__((visibility("default")))

static char16_t g_list[4096] = u"abc;xyz";
static char g_directory[4096];
static int g_queries;
static int g_frees;
static int g_strayFrees;

NW_EXPORT void OcrSetList(const char16_t* list) {
    size_t n = 0;
    while (list[n] != 0 && n + 1 < sizeof g_list / sizeof g_list[0]) ++n;
    memcpy(g_list, list, n * sizeof(char16_t));
    g_list[n] = 0;
}
NW_EXPORT int OcrQueries(void) { return g_queries; }
NW_EXPORT int OcrFrees(void) { return g_frees; }
NW_EXPORT int OcrStrayFrees(void) { return g_strayFrees; }
NW_EXPORT const char* OcrQueryDirectory(void) { return g_directory; }

#if !defined(NW_OCR_NO_QUERY)
NW_EXPORT int GetOCRLanguagesW(char16_t** languages) {
    ++g_queries;
    if (getcwd(g_directory, sizeof g_directory) == NULL) g_directory[0] = 0;
#if defined(NW_OCR_FAILING)
    *languages = g_list; /* not the caller's to take after a failure */
    return 5;
#elif defined(NW_OCR_NULL_TEXT)
    *languages = NULL;
    return 0;
#else
    *languages = g_list;
    return 0;
#endif
}
#endif

#if !defined(NW_OCR_NO_FREE)
NW_EXPORT void NwOCRFreeTextW(char16_t* text) {
    if (text == g_list)
        ++g_frees;
    else
        ++g_strayFrees;
}
#endif
