// The QR engine (libzint's QR Code, any version the value needs).
#include <zint.h>

#include "engine_common.h"

namespace {

struct Settings {
    int moduleSize, quietZone, errorCorrection;
};

// Encodes the value; kOk with the symbol ready, or the engine error.
std::int32_t Encode(pd::Symbol& symbol, const char* value, std::int32_t length, const Settings& s) {
    if (value == nullptr || length <= 0) return pd::kNoValue;
    if (!pd::InRange(s.moduleSize, 1, 100) || !pd::InRange(s.quietZone, 0, 100) ||
        !pd::InRange(s.errorCorrection, 0, 3))
        return pd::kBadSetting;
    if (!symbol.Valid()) return pd::kNoMemory;
    symbol->option_1 = s.errorCorrection + 1;  // libzint counts L as 1
    return symbol.Encode(value, length, pd::kUnencodable2D);
}

std::int32_t GetQRSize(const char* value, std::int32_t length, std::int32_t moduleSize, std::int32_t quietZone,
                       std::int32_t errorCorrection, std::int32_t* error) {
    return pd::Guard<std::int32_t>(error, 0, [&] {
        pd::Symbol symbol(BARCODE_QRCODE);
        const Settings s{moduleSize, quietZone, errorCorrection};
        const std::int32_t result = Encode(symbol, value, length, s);
        pd::Report(error, result);
        return result == pd::kOk ? (symbol->width + 2 * quietZone) * moduleSize : 0;
    });
}

PdBitmap WriteQR(PdBitmap bitmap, const char* value, std::int32_t length, std::int32_t moduleSize, std::int32_t,
                 std::int32_t, std::int32_t orientation, std::int32_t quietZone, std::int32_t errorCorrection,
                 std::int32_t* error) {
    return pd::Guard<PdBitmap>(error, bitmap, [&] {
        pd::Symbol symbol(BARCODE_QRCODE);
        const Settings s{moduleSize, quietZone, errorCorrection};
        return pd::DrawEncoded(bitmap, Encode(symbol, value, length, s), orientation, error,
                               [&] { return pd::Modules(symbol, moduleSize, moduleSize, quietZone); });
    });
}

}  // namespace

PD_BOTH(PdBitmap, WriteQR,
        (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1, int32_t reserved2,
         int32_t orientation, int32_t quietZone, int32_t errorCorrection, int32_t* error),
        (bitmap, value, length, moduleSize, reserved1, reserved2, orientation, quietZone, errorCorrection, error))
PD_BOTH(int32_t, GetQRSize,
        (const char* value, int32_t length, int32_t moduleSize, int32_t quietZone, int32_t errorCorrection,
         int32_t* error),
        (value, length, moduleSize, quietZone, errorCorrection, error))
