// The PDF417 engine (libzint's PDF417 and compact PDF417).
#include <zint.h>

#include "engine_common.h"

namespace {

struct Settings {
    int truncated, columns, rows, errorCorrection, columnWidth, columnHeight, quietZone;
};

std::int32_t Encode(pd::Symbol& symbol, const char* value, std::int32_t length, const Settings& s) {
    if (value == nullptr || length <= 0) return pd::kNoValue;
    if (!pd::InRange(s.columnWidth, 1, 100) || !pd::InRange(s.columnHeight, 1, 300) ||
        !pd::InRange(s.quietZone, 0, 100) || s.columns > 30 || s.rows > 90 || (s.rows > 0 && s.rows < 3))
        return pd::kBadSetting;
    if (!symbol.Valid()) return pd::kNoMemory;
    symbol->symbology = s.truncated ? BARCODE_PDF417COMP : BARCODE_PDF417;
    symbol->option_1 = pd::InRange(s.errorCorrection, 0, 8) ? s.errorCorrection : -1;
    symbol->option_2 = s.columns > 0 ? s.columns : 0;
    symbol->option_3 = s.rows > 0 ? s.rows : 0;
    return symbol.Encode(value, length, pd::kUnencodable2D);
}

pd::Raster Draw(const pd::Symbol& symbol, const Settings& s) {
    return pd::Modules(symbol, s.columnWidth, s.columnHeight, s.quietZone);
}

std::int32_t GetPDF417Size(PdBitmap, const char* value, std::int32_t length, std::int32_t truncated,
                           std::int32_t columns, std::int32_t rows, std::int32_t errorCorrection,
                           std::int32_t columnWidth, std::int32_t columnHeight, std::int32_t, std::int32_t,
                           std::int32_t orientation, std::int32_t quietZone, std::int32_t* width,
                           std::int32_t* height, std::int32_t* error) {
    return pd::Guard<std::int32_t>(error, 0, [&] {
        pd::Symbol symbol(BARCODE_PDF417);
        const Settings s{truncated, columns, rows, errorCorrection, columnWidth, columnHeight, quietZone};
        std::int32_t result = Encode(symbol, value, length, s);
        if (result == pd::kOk && !pd::InRange(orientation, 0, 3)) result = pd::kBadSetting;
        pd::Report(error, result);
        if (result != pd::kOk) return 0;
        long long w = static_cast<long long>(symbol->width + 2 * quietZone) * columnWidth;
        long long h = static_cast<long long>(symbol->rows + 2 * quietZone) * columnHeight;
        if (orientation % 2) std::swap(w, h);
        // The last pixel's coordinates.
        if (width != nullptr) *width = static_cast<std::int32_t>(w - 1);
        if (height != nullptr) *height = static_cast<std::int32_t>(h - 1);
        return 1;
    });
}

PdBitmap WritePDF417Barcode(PdBitmap bitmap, const char* value, std::int32_t length, std::int32_t truncated,
                            std::int32_t columns, std::int32_t rows, std::int32_t errorCorrection,
                            std::int32_t columnWidth, std::int32_t columnHeight, std::int32_t, std::int32_t,
                            std::int32_t orientation, std::int32_t quietZone, std::int32_t* error) {
    return pd::Guard<PdBitmap>(error, bitmap, [&] {
        pd::Symbol symbol(BARCODE_PDF417);
        const Settings s{truncated, columns, rows, errorCorrection, columnWidth, columnHeight, quietZone};
        return pd::DrawEncoded(bitmap, Encode(symbol, value, length, s), orientation, error,
                               [&] { return Draw(symbol, s); });
    });
}

}  // namespace

PD_BOTH(PdBitmap, WritePDF417Barcode,
        (PdBitmap bitmap, const char* value, int32_t length, int32_t truncated, int32_t columns, int32_t rows,
         int32_t errorCorrection, int32_t columnWidth, int32_t columnHeight, int32_t reserved1, int32_t reserved2,
         int32_t orientation, int32_t quietZone, int32_t* error),
        (bitmap, value, length, truncated, columns, rows, errorCorrection, columnWidth, columnHeight, reserved1,
         reserved2, orientation, quietZone, error))
PD_BOTH(int32_t, GetPDF417Size,
        (PdBitmap bitmap, const char* value, int32_t length, int32_t truncated, int32_t columns, int32_t rows,
         int32_t errorCorrection, int32_t columnWidth, int32_t columnHeight, int32_t reserved1, int32_t reserved2,
         int32_t orientation, int32_t quietZone, int32_t* width, int32_t* height, int32_t* error),
        (bitmap, value, length, truncated, columns, rows, errorCorrection, columnWidth, columnHeight, reserved1,
         reserved2, orientation, quietZone, width, height, error))
