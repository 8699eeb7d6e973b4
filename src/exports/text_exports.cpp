// Text exports: getter, setter and their ANSI forms per row of the text
// table, with the setters' argument order its macro names.
#include "accessors/text_accessors.h"
#include "exports/export_definitions.h"

using namespace nw::accessors;

#define NW_TEXT_GETTERS(row)                                                                            \
    NW_FUNCTION(const NWCHAR*, Get##row, (const NordwispDEVMODE* record), GetText(record, texts::row)) \
    NW_FUNCTION(int, Get##row##A, (const NordwispDEVMODE* record, char* buffer, int* size),            \
                GetTextAnsi(record, texts::row, buffer, size))
#define NW_TEXT_TEXT_FIRST(row, ...)                                                                          \
    NW_TEXT_GETTERS(row)                                                                                      \
    NW_FUNCTION(int, Set##row, (const NWCHAR* text, NordwispDEVMODE* record), SetText(record, texts::row, text)) \
    NW_FUNCTION(int, Set##row##A, (const char* text, NordwispDEVMODE* record), SetTextAnsi(record, texts::row, text))
#define NW_TEXT_RECORD_FIRST(row, ...)                                                                        \
    NW_TEXT_GETTERS(row)                                                                                      \
    NW_FUNCTION(int, Set##row, (NordwispDEVMODE* record, const NWCHAR* text), SetText(record, texts::row, text)) \
    NW_FUNCTION(int, Set##row##A, (NordwispDEVMODE* record, const char* text), SetTextAnsi(record, texts::row, text))
#define NW_TEXT_ROW(row, ...)
#include "accessors/texts.def"
