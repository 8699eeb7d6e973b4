/*
 * The reference barcode engines of the Nordwisp printer, built on libzint:
 * four modules, one per symbology, each exporting its drawing and sizing
 * entry points twice, as "pd_" and as "pdrel_" (the two builds of the
 * driver's engines bind one or the other). Every entry point uses the
 * standard Windows calling convention and ends with a pointer to a 32-bit
 * engine error.
 *
 * Bitmaps are global-memory blocks holding a packed 24-bit
 * device-independent bitmap (a 40-byte header, no colour table, rows of
 * whole 32-bit words, bottom-up or top-down by the sign of the height). An
 * engine draws into the block it is given when that block is such a bitmap
 * of exactly the symbol's size; otherwise it allocates a moveable block of
 * the right size (keeping the given block's resolution) and returns that
 * one, leaving the given block to its owner. Dark modules are black
 * (0, 0, 0), everything else white.
 *
 * Sizes: GetQRSize returns the side of the square symbol in pixels;
 * GetDataMatrixSize returns the side less one; GetPDF417Size and
 * GetBarCodeSize store the width less one and the height less one (the
 * last pixel's coordinates), as the driver's engines do.
 *
 * Engine errors:
 *   0  success
 *  -1  no value (null or empty)
 *  -2  a setting out of its range (below)
 *  -3  QR, DataMatrix, PDF417: the value cannot be encoded (too long, or
 *      data the symbology refuses)
 *  -4  one-dimensional: the value cannot be encoded
 *  -5  out of memory
 *  -6  the symbol cannot be drawn (libzint failed, or it is too large)
 *
 * Settings:
 * - Orientation (2D engines): 0, 1, 2, 3 turn the symbol 0, 90, 180, 270
 *   degrees clockwise. The 1D engine takes the orientation code instead:
 *   0 upright, 1 upside down (180), 2 turned 90 degrees, 3 turned 270.
 * - QR: module size in pixels (1 to 100), quiet zone in modules (0 to
 *   100), error correction 0 L, 1 M, 2 Q, 3 H.
 * - DataMatrix (ECC 200, square sizes only): module size 1 to 100 pixels,
 *   quiet zone 0 to 100 modules. The length passed counts the value's
 *   terminating zero, which is not encoded. Append: null, or 6 packed bytes
 *   (total 8 bits, index 8 bits, chain identifier 32 bits little-endian);
 *   with a total of 2 to 16 and an index from 1 to the total the symbol
 *   carries structured-append information, file identifier
 *   (chain % 254 + 1, chain / 254 % 254 + 1).
 * - PDF417: truncated selects compact PDF417; columns 1 to 30 (0 or less
 *   automatic); rows 3 to 90 (0 or less automatic); error-correction level
 *   0 to 8 (anything else automatic); column width is the module width in
 *   pixels (1 to 100); column height is the row height in pixels (1 to
 *   300); quiet zone in modules (0 to 100) on every side.
 * - One-dimensional: subtype 0 Code 39, 1 Code 93, 2 Code 128, 3 EAN-13
 *   or EAN-8 (by the value's length, check digit added), 4 UPC-A, 5 UPC-E,
 *   6 Interleaved 2 of 5, 7 Codabar. The value is zero-terminated and at
 *   most 50 bytes. Narrow bars are the minimal bar width, narrow spaces the
 *   minimal space width (1 to 50 pixels each). Code 39, Interleaved 2 of 5
 *   and Codabar have wide elements of ratio / 2 narrow widths, kept between
 *   2 and 3 (so 4 gives 2:1, 5 gives 2.5:1); the other symbologies draw
 *   each element as its module count times the narrow width. The quiet
 *   zone is counted in narrow bar widths, left and right. The bars are 50
 *   narrow bar widths high unless the rectangle fixes the height: its
 *   bottom for codes 0 and 1, its right for codes 2 and 3, as the last
 *   pixel's coordinate (height less one), the text line included. With
 *   write text, the human-readable text (check digits included) goes
 *   beneath the bars in a 5 x 7 pixel font scaled by the narrow bar width;
 *   characters the font lacks are left blank. The two reserved arguments
 *   are ignored.
 */
#ifndef NORDWISP_BARCODE_ENGINE_H
#define NORDWISP_BARCODE_ENGINE_H

#include <stdint.h>

#if defined(_WIN32)
#  define PD_API __stdcall
#  define PD_EXPORT __declspec(dllexport)
#else
#  define PD_API
#  define PD_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void* PdBitmap; /* HGLOBAL */

typedef struct PdRect {
    int32_t left, top, right, bottom;
} PdRect;

/* Each entry point below exists as pd_NAME and pdrel_NAME. */
#define PD_ENGINE_ENTRY_POINTS(X)                                                                                  \
    X(PdBitmap, WriteQR,                                                                                           \
      (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1,               \
       int32_t reserved2, int32_t orientation, int32_t quietZone, int32_t errorCorrection, int32_t* error))   \
    X(int32_t, GetQRSize,                                                                                          \
      (const char* value, int32_t length, int32_t moduleSize, int32_t quietZone, int32_t errorCorrection,     \
       int32_t* error))                                                                                            \
    X(PdBitmap, WriteDataMatrix,                                                                                   \
      (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1,               \
       int32_t reserved2, int32_t orientation, int32_t quietZone, const void* append, int32_t* error))        \
    X(int32_t, GetDataMatrixSize,                                                                                  \
      (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1,               \
       int32_t reserved2, int32_t orientation, int32_t quietZone, const void* append, int32_t* error))        \
    X(PdBitmap, WritePDF417Barcode,                                                                                \
      (PdBitmap bitmap, const char* value, int32_t length, int32_t truncated, int32_t columns, int32_t rows,   \
       int32_t errorCorrection, int32_t columnWidth, int32_t columnHeight, int32_t reserved1,                    \
       int32_t reserved2, int32_t orientation, int32_t quietZone, int32_t* error))                              \
    X(int32_t, GetPDF417Size,                                                                                      \
      (PdBitmap bitmap, const char* value, int32_t length, int32_t truncated, int32_t columns, int32_t rows,   \
       int32_t errorCorrection, int32_t columnWidth, int32_t columnHeight, int32_t reserved1,                    \
       int32_t reserved2, int32_t orientation, int32_t quietZone, int32_t* width, int32_t* height,             \
       int32_t* error))                                                                                            \
    X(PdBitmap, WriteBarCodeToRectangle,                                                                           \
      (PdBitmap bitmap, int32_t subtype, const PdRect* rectangle, const char* value, int32_t orientationCode, \
       int32_t writeText, int32_t minimalBarWidth, int32_t minimalSpaceWidth, int32_t ratio,                    \
       int32_t quietZone, int32_t reserved, int32_t* error))                                                      \
    X(int32_t, GetBarCodeSize,                                                                                     \
      (PdBitmap bitmap, int32_t subtype, const PdRect* rectangle, const char* value, int32_t orientationCode,  \
       int32_t writeText, int32_t minimalBarWidth, int32_t minimalSpaceWidth, int32_t ratio,                    \
       int32_t quietZone, int32_t reserved, int32_t* width, int32_t* height, int32_t* error))

#define PD_DECLARE(result, name, parameters)             \
    PD_EXPORT result PD_API pd_##name parameters;    \
    PD_EXPORT result PD_API pdrel_##name parameters;
PD_ENGINE_ENTRY_POINTS(PD_DECLARE)
#undef PD_DECLARE

#ifdef __cplusplus
}
#endif

#endif /* NORDWISP_BARCODE_ENGINE_H */
