// The DataMatrix engine (libzint's ECC 200, square sizes only).
#include <zint.h>

#include <cstdio>
#include <cstring>

#include "engine_common.h"

namespace {

struct Settings {
    int moduleSize, quietZone;
    const void* append;
};

std::int32_t Encode(pd::Symbol& symbol, const char* value, std::int32_t length, const Settings& s) {
    // The length counts the terminating zero, which is not part of the data.
    if (value != nullptr && length > 0 && value[length - 1] == 0) --length;
    if (value == nullptr || length <= 0) return pd::kNoValue;
    if (!pd::InRange(s.moduleSize, 1, 100) || !pd::InRange(s.quietZone, 0, 100)) return pd::kBadSetting;
    if (!symbol.Valid()) return pd::kNoMemory;
    symbol->option_3 = DM_SQUARE;
    if (s.append != nullptr) {
        unsigned char block[6];
        std::memcpy(block, s.append, sizeof block);
        std::uint32_t chain;
        std::memcpy(&chain, block + 2, 4);
        if (!pd::InRange(block[0], 2, 16) || !pd::InRange(block[1], 1, block[0])) return pd::kBadSetting;
        symbol->structapp.count = block[0];
        symbol->structapp.index = block[1];
        std::snprintf(symbol->structapp.id, sizeof symbol->structapp.id, "%03u%03u",
                      static_cast<unsigned>(chain % 254 + 1), static_cast<unsigned>(chain / 254 % 254 + 1));
    }
    return symbol.Encode(value, length, pd::kUnencodable2D);
}

std::int32_t GetDataMatrixSize(PdBitmap, const char* value, std::int32_t length, std::int32_t moduleSize,
                               std::int32_t, std::int32_t, std::int32_t, std::int32_t quietZone,
                               const void* append, std::int32_t* error) {
    return pd::Guard<std::int32_t>(error, 0, [&] {
        pd::Symbol symbol(BARCODE_DATAMATRIX);
        const std::int32_t result = Encode(symbol, value, length, {moduleSize, quietZone, append});
        pd::Report(error, result);
        // The last pixel's coordinate: the side less one.
        return result == pd::kOk ? (symbol->width + 2 * quietZone) * moduleSize - 1 : 0;
    });
}

PdBitmap WriteDataMatrix(PdBitmap bitmap, const char* value, std::int32_t length, std::int32_t moduleSize,
                         std::int32_t, std::int32_t, std::int32_t orientation, std::int32_t quietZone,
                         const void* append, std::int32_t* error) {
    return pd::Guard<PdBitmap>(error, bitmap, [&] {
        pd::Symbol symbol(BARCODE_DATAMATRIX);
        return pd::DrawEncoded(bitmap, Encode(symbol, value, length, {moduleSize, quietZone, append}), orientation, error,
                               [&] { return pd::Modules(symbol, moduleSize, moduleSize, quietZone); });
    });
}

}  // namespace

PD_BOTH(PdBitmap, WriteDataMatrix,
        (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1, int32_t reserved2,
         int32_t orientation, int32_t quietZone, const void* append, int32_t* error),
        (bitmap, value, length, moduleSize, reserved1, reserved2, orientation, quietZone, append, error))
PD_BOTH(int32_t, GetDataMatrixSize,
        (PdBitmap bitmap, const char* value, int32_t length, int32_t moduleSize, int32_t reserved1, int32_t reserved2,
         int32_t orientation, int32_t quietZone, const void* append, int32_t* error),
        (bitmap, value, length, moduleSize, reserved1, reserved2, orientation, quietZone, append, error))
