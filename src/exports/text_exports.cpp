// Text exports: getter, setter and their ANSI forms per row of the text
// table, with the setter's argument order of each member.
#include "accessors/text_accessors.h"
#include "nordwisp/NordwispDEVMODE.h"

using namespace nw::accessors;

#define NW_TEXT_GETTERS(name, row)                                                                    \
    extern "C" const NWCHAR* NW_API Get##name(const NordwispDEVMODE* record) noexcept {               \
        return GetText(record, texts::row);                                                           \
    }                                                                                                 \
    extern "C" int NW_API Get##name##A(const NordwispDEVMODE* record, char* buffer, int* size) noexcept { \
        return GetTextAnsi(record, texts::row, buffer, size);                                         \
    }
// Setter taking (text, record).
#define NW_TEXT_TEXT_FIRST(name, row)                                                         \
    NW_TEXT_GETTERS(name, row)                                                                \
    extern "C" int NW_API Set##name(const NWCHAR* text, NordwispDEVMODE* record) noexcept {   \
        return SetText(record, texts::row, text);                                             \
    }                                                                                         \
    extern "C" int NW_API Set##name##A(const char* text, NordwispDEVMODE* record) noexcept {  \
        return SetTextAnsi(record, texts::row, text);                                         \
    }
// Setter taking (record, text).
#define NW_TEXT_RECORD_FIRST(name, row)                                                       \
    NW_TEXT_GETTERS(name, row)                                                                \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, const NWCHAR* text) noexcept {   \
        return SetText(record, texts::row, text);                                             \
    }                                                                                         \
    extern "C" int NW_API Set##name##A(NordwispDEVMODE* record, const char* text) noexcept {  \
        return SetTextAnsi(record, texts::row, text);                                         \
    }

NW_TEXT_TEXT_FIRST(ApplicationPath, ApplicationPath)
NW_TEXT_TEXT_FIRST(OutputDirectory, OutputDirectory)
NW_TEXT_TEXT_FIRST(ImageFileName, ImageFileName)
NW_TEXT_TEXT_FIRST(FileNamePrefix, FileNamePrefix)
NW_TEXT_TEXT_FIRST(FileExtension, FileExtension)
NW_TEXT_TEXT_FIRST(INIFileName, INIFileName)
NW_TEXT_TEXT_FIRST(TIFFDLLName, TIFFDLLName)
NW_TEXT_TEXT_FIRST(JPEGDLLName, JPEGDLLName)
NW_TEXT_TEXT_FIRST(ResourceDLLName, ResourceDLLName)
NW_TEXT_RECORD_FIRST(WatermarkImageFileforPortrait, WatermarkImageFileforPortrait)
NW_TEXT_RECORD_FIRST(WatermarkImageFileforLandscape, WatermarkImageFileforLandscape)
NW_TEXT_RECORD_FIRST(AnnotationText, AnnotationText)
NW_TEXT_RECORD_FIRST(AnnotationSeparator, AnnotationSeparator)
