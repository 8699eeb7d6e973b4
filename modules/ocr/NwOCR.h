/*
 * NwOCR: the reference OCR module of the Nordwisp printer, built on
 * Tesseract. The library loads it by the printer's "NwOCR.Dll" path (with
 * the module's folder as the current directory) and asks it for the
 * languages it can recognise.
 *
 * The language list is one text: the codes of the installed Tesseract
 * trained data (the file names in the tessdata folder without
 * ".traineddata", such as "eng", "deu" or "chi_sim"), sorted by their
 * characters' values and separated by ";", with no separator before the
 * first or after the last and no spaces: "deu;eng". The driver's "Languages"
 * setting takes a list in this form as it is (SetOCRLanguages turns ";" into
 * Tesseract's "+"). Left out are "osd", Tesseract's orientation and script
 * detection, which recognises no language, and names holding anything but
 * ASCII letters, digits, "_" and "-", which could be mistaken for the
 * separator. The tessdata folder is the one Tesseract itself uses:
 * $TESSDATA_PREFIX, else the folder it was built with.
 */
#ifndef NWOCR_NWOCR_H
#define NWOCR_NWOCR_H

#if defined(_WIN32)
#  define NWOCR_API __stdcall
typedef wchar_t NwOcrChar;
#else
#  define NWOCR_API
typedef char16_t NwOcrChar; /* UTF-16, as the library's WCHAR off Windows */
#endif

#if defined(NWOCR_BUILDING_MODULE)
#  if defined(_WIN32)
#    define NWOCR_EXPORT __declspec(dllexport)
#  else
#    define NWOCR_EXPORT __attribute__((visibility("default")))
#  endif
#else
#  define NWOCR_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Sets *languages to a new list (above) and returns 0. The caller hands
 * the text back to NwOCRFreeTextW. On failure *languages is null and the
 * result a Win32 error code: 87 for a null languages, 2 when no trained
 * data of a language is installed, 8 when memory runs out, 1627 when
 * Tesseract fails. */
NWOCR_EXPORT int NWOCR_API GetOCRLanguagesW(NwOcrChar** languages);

/* Frees a text of GetOCRLanguagesW; a null text is ignored. */
NWOCR_EXPORT void NWOCR_API NwOCRFreeTextW(NwOcrChar* text);

#ifdef __cplusplus
}
#endif

#endif /* NWOCR_NWOCR_H */
