// What the four engines share: the upright symbol as a raster, its turn
// and delivery into a bitmap block, and the libzint glue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "BarcodeEngine.h"

struct zint_symbol;

namespace pd {

enum Error : std::int32_t {
    kOk = 0,
    kNoValue = -1,
    kBadSetting = -2,
    kUnencodable2D = -3,
    kUnencodable1D = -4,
    kNoMemory = -5,
    kCannotDraw = -6,
};

inline constexpr long long kLargestPixels = 64LL << 20;

// The symbol before it is turned: true pixels are dark.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> dark;

    // A raster too large to draw stays empty, which Deliver refuses.
    void Resize(int w, int h) {
        const bool drawable = w > 0 && h > 0 && static_cast<long long>(w) * h <= kLargestPixels;
        width = drawable ? w : 0;
        height = drawable ? h : 0;
        dark.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    }
    void FillDark(int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) dark[static_cast<std::size_t>(j) * width + i] = 1;
    }
};

inline bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }
inline void Report(std::int32_t* error, std::int32_t value) {
    if (error != nullptr) *error = value;
}

// Pixels of a raster: its width and height after `turns` quarter turns.
int TurnedWidth(const Raster& raster, int turns);
int TurnedHeight(const Raster& raster, int turns);

// Draws the raster turned clockwise into the given block when it is a
// 24-bit bitmap of exactly the turned size, else into a new block; returns
// the block drawn, null with *error set when none could be made.
PdBitmap Deliver(PdBitmap given, const Raster& raster, int turns, std::int32_t* error);

// The Write entry points' common end: with the value encoded (`encoded`
// is kOk) and a turn of 0 to 3, delivers the raster `build` makes;
// otherwise reports the error and hands the given block back.
template <class Build>
PdBitmap DrawEncoded(PdBitmap bitmap, std::int32_t encoded, std::int32_t turns, std::int32_t* error, Build build) {
    if (encoded == kOk && !InRange(turns, 0, 3)) encoded = kBadSetting;
    if (encoded != kOk) {
        Report(error, encoded);
        return bitmap;
    }
    PdBitmap drawn = Deliver(bitmap, build(), turns, error);
    return drawn != nullptr ? drawn : bitmap;
}

// A libzint symbol for the length of an engine call.
class Symbol {
public:
    explicit Symbol(int symbology);
    ~Symbol();
    Symbol(const Symbol&) = delete;
    Symbol& operator=(const Symbol&) = delete;
    zint_symbol* operator->() const { return symbol_; }
    bool Valid() const { return symbol_ != nullptr; }
    // Encodes; an engine error (kOk, or `refused` for data libzint rejects).
    std::int32_t Encode(const char* value, int length, std::int32_t refused);
    bool Dark(int row, int column) const;

private:
    zint_symbol* symbol_;
};

// The module matrix of an encoded 2D symbol, each module w x h pixels,
// inside a quiet zone of `quiet` modules.
Raster Modules(const Symbol& symbol, int moduleWidth, int moduleHeight, int quiet);

// Writes text in the 5 x 7 font, each font pixel scale x scale, starting at
// (x, y); characters past the raster's right edge are dropped.
void WriteText(Raster& raster, const std::string& text, int x, int y, int scale);
inline constexpr int kFontWidth = 5, kFontHeight = 7, kFontAdvance = 6;


// Runs an entry point's body; running out of memory is an engine error.
template <class Result, class Body>
Result Guard(std::int32_t* error, Result failed, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        Report(error, kNoMemory);
        return failed;
    }
}

}  // namespace pd

// Both exported names of one entry point, the "pd_" and the "pdrel_" form.
#define PD_BOTH(result, name, parameters, arguments)                            \
    extern "C" PD_EXPORT result PD_API pd_##name parameters { return name arguments; } \
    extern "C" PD_EXPORT result PD_API pdrel_##name parameters { return name arguments; }
