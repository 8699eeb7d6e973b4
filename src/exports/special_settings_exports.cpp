// Registry-backed settings with a rule of their own: the exports of the
// special settings table.
#include <cstring>

#include "nordwisp/NordwispDEVMODE.h"
#include "settings/family_frame.h"
#include "settings/client_directory.h"
#include "settings/crop_trim_areas.h"
#include "settings/dialog_tabs.h"
#include "settings/email_client.h"
#include "settings/fonts.h"
#include "settings/image_watermark.h"
#include "settings/ocr_languages.h"
#include "settings/passwords.h"
#include "settings/text_object.h"

using namespace nw;
using namespace nw::settings;

namespace {

NW_LOGFONTW PackFont(int height, int width, int escapement, int orientation, int weight, uint8_t italic,
                     uint8_t underline, uint8_t strikeOut, uint8_t charSet, uint8_t outPrecision,
                     uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily) {
    NW_LOGFONTW font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfStrikeOut = strikeOut;
    font.lfCharSet = charSet;
    font.lfOutPrecision = outPrecision;
    font.lfClipPrecision = clipPrecision;
    font.lfQuality = quality;
    font.lfPitchAndFamily = pitchAndFamily;
    return font;
}

int GetFontExport(const NordwispDEVMODE* record, FontOwner owner, NW_LOGFONTW* font) noexcept {
    return Frame(0, record, [&] {
        if (font == nullptr) return 0;
        NW_LOGFONTW read;
        const int result = ReadFont(record, owner, read);
        std::memcpy(font, &read, sizeof read);
        return result;
    });
}

int SetFontExport(const NordwispDEVMODE* record, FontOwner owner, const NW_LOGFONTW& font,
                  const NWCHAR* faceName) noexcept {
    return Frame(0, record, [&] {
        if (faceName == nullptr) return 0;
        const std::size_t length = TextLength(faceName);
        if (length >= sizeof font.lfFaceName / sizeof(NWCHAR)) return 0;
        NW_LOGFONTW whole = font;
        std::memcpy(whole.lfFaceName, faceName, length * sizeof(NWCHAR));
        return WriteFont(record, owner, whole);
    });
}

// Readers and writers of the special text values, in the shape the text
// macro below expects.
int ReadOwnerPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadPdfPassword(record, pdf::OwnerPassword, buffer, size);
}
int WriteOwnerPassword(const NordwispDEVMODE* record, const WCHAR* text) {
    return WritePdfPassword(record, pdf::OwnerPassword, text);
}
int ReadUserPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadPdfPassword(record, pdf::UserPassword, buffer, size);
}
int WriteUserPassword(const NordwispDEVMODE* record, const WCHAR* text) {
    return WritePdfPassword(record, pdf::UserPassword, text);
}
int ReadSharePointPass(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadHexPassword(record, sharepoint::Pass, buffer, size);
}
int WriteSharePointPass(const NordwispDEVMODE* record, const WCHAR* text) {
    return WriteHexPassword(record, sharepoint::Pass, text);
}
int ReadOcrLanguages(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size) {
    return ReadSetting(record, ocr::Languages, buffer, size);
}

// Never touches the last error, not even for a null record.
int ReadClientDirectorySwitchQuietly(const NordwispDEVMODE* record) noexcept {
    if (record == nullptr) return 0;
    try {
        return ReadUseDirectoryFromClient(record);
    } catch (...) {
        return 0;
    }
}

int WriteClientDirectorySwitchAsAdministrator(NordwispDEVMODE* record, int value) noexcept {
    return Frame(0, record, [&] {
        if (!CallerIsAdministrator()) {
            SetLastErrorValue(ERROR_ACCESS_DENIED);
            return 0;
        }
        WriteUseDirectoryFromClient(record, value);
        return 1;
    });
}

}  // namespace

// A text getter and setter pair with its own reader and writer, and the
// ANSI forms.
#define NW_SPECIAL_TEXT(name, read, write)                                                                \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, NWCHAR* buffer, int* size) noexcept {  \
        return GetTextFrame(record, size, [&](DWORD* bytes) { return read(record, buffer, bytes); });     \
    }                                                                                                     \
    extern "C" int NW_API Get##name##A(const NordwispDEVMODE* record, char* buffer, int* size) noexcept { \
        return GetTextAnsi(buffer, size, [&](NWCHAR* wide, int* bytes) { return Get##name(record, wide, bytes); }); \
    }                                                                                                     \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, const NWCHAR* text) noexcept {               \
        return Frame(0, record, [&] { return write(record, text); });                                     \
    }                                                                                                     \
    extern "C" int NW_API Set##name##A(NordwispDEVMODE* record, const char* text) noexcept {              \
        return SetTextAnsi(text, [&](const NWCHAR* wide) { return Set##name(record, wide); });            \
    }

#define NW_FONT(name, owner)                                                                                  \
    extern "C" int NW_API Get##name##Font(const NordwispDEVMODE* record, NW_LOGFONTW* font) noexcept {        \
        return GetFontExport(record, owner, font);                                                            \
    }                                                                                                         \
    extern "C" int NW_API Set##name##Font(NordwispDEVMODE* record, int height, int width, int escapement,     \
                                          int orientation, int weight, uint8_t italic, uint8_t underline,     \
                                          uint8_t strikeOut, uint8_t charSet, uint8_t outPrecision,           \
                                          uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily,     \
                                          const NWCHAR* faceName) noexcept {                                  \
        return SetFontExport(record, owner,                                                                   \
                             PackFont(height, width, escapement, orientation, weight, italic, underline,      \
                                      strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily), \
                             faceName);                                                                       \
    }

#define NW_AREA(getName, setName, rows)                                                                      \
    extern "C" int NW_API getName(const NordwispDEVMODE* record, int* left, int* right, int* top,            \
                                  int* bottom) noexcept {                                                    \
        return Frame(0, record, [&] { return ReadArea(record, rows, left, right, top, bottom); });           \
    }                                                                                                        \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int left, int right, int top, int bottom) noexcept { \
        return Frame(0, record, [&] { return WriteArea(record, rows, left, right, top, bottom); });          \
    }

#define NW_TEXT_LAYER(name, layer)                                                                    \
    extern "C" int NW_API Get##name##Enabled(const NordwispDEVMODE* record, int* value) noexcept {    \
        return Frame(0, record, [&] {                                                                 \
            if (value == nullptr) return 0;                                                           \
            return ReadTextObjectEnabled(record, layer, *value);                                      \
        });                                                                                           \
    }                                                                                                 \
    extern "C" int NW_API Set##name##Enabled(NordwispDEVMODE* record, int value) noexcept {           \
        return Frame(0, record, [&] { return SetTextObjectEnabled(record, layer, value); });          \
    }

// The text form takes the byte size of the other text getters.
#define NW_ORIENTED_TEXT(name, read, write)                                                                   \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, int landscape, NWCHAR* buffer,             \
                                    int* size) noexcept {                                                     \
        return GetTextFrame(record, size, [&](DWORD* bytes) { return read(record, landscape != 0, buffer, bytes); }); \
    }                                                                                                         \
    extern "C" int NW_API Get##name##A(const NordwispDEVMODE* record, int landscape, char* buffer,            \
                                       int* size) noexcept {                                                  \
        return GetTextAnsi(buffer, size,                                                                      \
                           [&](NWCHAR* wide, int* bytes) { return Get##name(record, landscape, wide, bytes); }); \
    }                                                                                                         \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int landscape, const NWCHAR* text) noexcept {    \
        return Frame(0, record, [&] { return write(record, landscape != 0, text); });                         \
    }                                                                                                         \
    extern "C" int NW_API Set##name##A(NordwispDEVMODE* record, int landscape, const char* text) noexcept {   \
        return SetTextAnsi(text, [&](const NWCHAR* wide) { return Set##name(record, landscape, wide); });     \
    }
#define NW_ORIENTED_VALUE(name, read, write)                                                                  \
    extern "C" int NW_API Get##name(const NordwispDEVMODE* record, int landscape) noexcept {                  \
        return Frame(0, record, [&] { return read(record, landscape != 0); });                                \
    }                                                                                                         \
    extern "C" int NW_API Set##name(NordwispDEVMODE* record, int landscape, int value) noexcept {             \
        return Frame(0, record, [&] { return write(record, landscape != 0, value); });                        \
    }

#include "exports/export_definitions.h"
#include "exports/special_settings.def"
