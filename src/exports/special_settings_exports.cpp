// Registry-backed settings with a rule of their own (special_settings.h).
#include <cstring>

#include "nordwisp/NordwispDEVMODE.h"
#include "settings/family_frame.h"
#include "settings/special_settings.h"

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

// Fonts
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
NW_FONT(Header, FontOwner::Header)
NW_FONT(Footer, FontOwner::Footer)
NW_FONT(TextStamp, FontOwner::TextStamp)

// Crop and trim areas
#define NW_AREA(getName, setName, rows)                                                                      \
    extern "C" int NW_API getName(const NordwispDEVMODE* record, int* left, int* right, int* top,            \
                                  int* bottom) noexcept {                                                    \
        return Frame(0, record, [&] { return ReadArea(record, rows, left, right, top, bottom); });           \
    }                                                                                                        \
    extern "C" int NW_API setName(NordwispDEVMODE* record, int left, int right, int top, int bottom) noexcept { \
        return Frame(0, record, [&] { return WriteArea(record, rows, left, right, top, bottom); });          \
    }
NW_AREA(GetCropArea, SetCropArea, kCropArea)
NW_AREA(GetTrimWhitespace, SetTrimWhitespace, kTrimArea)

// Antialiasing answers 4 for a null record.
extern "C" int NW_API GetAntialiasingMode(const NordwispDEVMODE* record) noexcept {
    return GetValueExport(record, page::Antialiasing, 4);
}
extern "C" int NW_API SetAntialiasingMode(NordwispDEVMODE* record, int value) noexcept {
    return SetExport(record, page::Antialiasing, value);
}

// Forced DPI and paper switches
extern "C" int NW_API IsForcePrinterDPIEnabled(const NordwispDEVMODE* record) noexcept {
    return IsExport(record, page::ForceDPIEnabled);
}
// Enable reports success whatever the write did.
extern "C" int NW_API EnableForcePrinterDPI(NordwispDEVMODE* record) noexcept {
    return Frame(0, record, [&] {
        WriteSetting(record, page::ForceDPIEnabled, 1);
        return 1;
    });
}
extern "C" int NW_API DisableForcePrinterDPI(NordwispDEVMODE* record) noexcept {
    return SetExport(record, page::ForceDPIEnabled, 0);
}
extern "C" int NW_API IsForcePaperSizeEnabled(const NordwispDEVMODE* record) noexcept {
    return IsExport(record, page::ForcePaperEnabled);
}
extern "C" int NW_API DisableForcePaperSize(NordwispDEVMODE* record) noexcept {
    return SetExport(record, page::ForcePaperEnabled, 0);
}

// Text stamp and text watermark: one text object on one of two layers.
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
NW_TEXT_LAYER(TextStamp, TextLayer::Stamp)
NW_TEXT_LAYER(TextWatermark, TextLayer::Watermark)

// First-page image watermark; landscape non-zero selects the landscape value.
extern "C" int NW_API GetWatermarkFirstImageFile(const NordwispDEVMODE* record, int landscape, NWCHAR* buffer,
                                                 int* size) noexcept {
    return GetTextFrame(record, size,
                        [&](DWORD* bytes) { return ReadFirstImageFile(record, landscape != 0, buffer, bytes); });
}
extern "C" int NW_API SetWatermarkFirstImageFile(NordwispDEVMODE* record, int landscape, const NWCHAR* text) noexcept {
    return Frame(0, record, [&] { return WriteFirstImageFile(record, landscape != 0, text); });
}
extern "C" int NW_API GetWatermarkFirstImageFileA(const NordwispDEVMODE* record, int landscape, char* buffer,
                                                  int* size) noexcept {
    return GetTextAnsi(buffer, size, [&](NWCHAR* wide, int* bytes) {
        return GetWatermarkFirstImageFile(record, landscape, wide, bytes);
    });
}
extern "C" int NW_API SetWatermarkFirstImageFileA(NordwispDEVMODE* record, int landscape, const char* text) noexcept {
    return SetTextAnsi(text, [&](const NWCHAR* wide) { return SetWatermarkFirstImageFile(record, landscape, wide); });
}
extern "C" int NW_API GetWatermarkFirstImageBrightness(const NordwispDEVMODE* record, int landscape) noexcept {
    return Frame(0, record, [&] { return ReadFirstImageBrightness(record, landscape != 0); });
}
extern "C" int NW_API SetWatermarkFirstImageBrightness(NordwispDEVMODE* record, int landscape, int value) noexcept {
    return Frame(0, record, [&] { return WriteFirstImageBrightness(record, landscape != 0, value); });
}
extern "C" int NW_API GetWatermarkFirstImagePosition(const NordwispDEVMODE* record, int landscape) noexcept {
    return Frame(0, record, [&] { return ReadFirstImagePosition(record, landscape != 0); });
}
extern "C" int NW_API SetWatermarkFirstImagePosition(NordwispDEVMODE* record, int landscape, int code) noexcept {
    return Frame(0, record, [&] { return WriteFirstImagePosition(record, landscape != 0, code); });
}

// Driver dialog tabs
extern "C" int NW_API EnableTab(NordwispDEVMODE* record, int tab) noexcept {
    return Frame(0, record, [&] { return WriteTab(record, tab, true); });
}
extern "C" int NW_API DisableTab(NordwispDEVMODE* record, int tab) noexcept {
    return Frame(0, record, [&] { return WriteTab(record, tab, false); });
}
extern "C" int NW_API IsTabEnabled(const NordwispDEVMODE* record, int tab) noexcept {
    return Frame(0, record, [&] { return ReadTab(record, tab); });
}

// The machine-wide client directory switch. The reader never touches the
// last error; the setter needs an administrator.
extern "C" int NW_API IsUseDirectoryFromClientEnabled(const NordwispDEVMODE* record) noexcept {
    if (record == nullptr) return 0;
    try {
        return ReadUseDirectoryFromClient(record);
    } catch (...) {
        return 0;
    }
}
extern "C" int NW_API SetUseDirectoryFromClient(NordwispDEVMODE* record, int value) noexcept {
    return Frame(0, record, [&] {
        if (!CallerIsAdministrator()) {
            SetLastErrorValue(ERROR_ACCESS_DENIED);
            return 0;
        }
        WriteUseDirectoryFromClient(record, value);
        return 1;
    });
}

// Scrambled passwords
NW_SPECIAL_TEXT(PdfOwnerPassword, ReadOwnerPassword, WriteOwnerPassword)
NW_SPECIAL_TEXT(PdfUserPassword, ReadUserPassword, WriteUserPassword)
NW_SPECIAL_TEXT(SMTPServerPwd, ReadSmtpPassword, WriteSmtpPassword)
NW_SPECIAL_TEXT(SharePointPass, ReadSharePointPass, WriteSharePointPass)

// OCR languages: stored normalised, read back as stored.
NW_SPECIAL_TEXT(OCRLanguages, ReadOcrLanguages, WriteOcrLanguages)

// E-mail client: 1 only for the stored text "1".
extern "C" int NW_API GetEmailClientType(const NordwispDEVMODE* record) noexcept {
    return Frame(0, record, [&] { return ReadEmailClientType(record); });
}
extern "C" int NW_API SetEmailClientType(NordwispDEVMODE* record, int value) noexcept {
    return SetExport(record, email::ClientType, value);
}

// Opaque data of the e-mail sender, of the caller's length.
extern "C" int NW_API GetPostwellData(const NordwispDEVMODE* record, void* buffer, int* size) noexcept {
    return GetTextFrame(record, size,
                        [&](DWORD* bytes) { return ReadSetting(record, email::PostwellData, buffer, bytes); });
}
extern "C" int NW_API SetPostwellData(NordwispDEVMODE* record, const void* data, int length) noexcept {
    return Frame(0, record, [&] {
        if (length < 0) return 0;
        return WriteSetting(record, email::PostwellData, data, static_cast<DWORD>(length));
    });
}
