// The hosted GDI's objects and device contexts: bitmaps hold real pixels in
// a device-independent layout, so drawing can be read back exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/win32api.h"

namespace nw::hosted::gdi {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPixel = 32;  // 24 or 32
    bool topDown = true;
    bool dibSection = false;  // GetObjectW then hands out its bits
    std::size_t stride = 0;
    std::vector<std::uint8_t> storage;

    // Row y counted from the top.
    std::uint8_t* Row(int y) { return storage.data() + static_cast<std::size_t>(topDown ? y : height - 1 - y) * stride; }
    std::uint8_t* Pixel(int x, int y) { return Row(y) + static_cast<std::size_t>(x) * (bitsPixel / 8); }
};

// A pixel as blue, green, red bytes.
struct Color {
    std::uint8_t blue = 0, green = 0, red = 0;
};

inline Color FromColorRef(COLORREF c) { return {GetBValue(c), GetGValue(c), GetRValue(c)}; }

// Row size of a device-independent bitmap: whole 32-bit words.
inline std::size_t DibStride(int width, int bitsPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPixel) + 31) / 32) * 4;
}

// Applies a ternary raster operation (its index byte, bits 16 to 23 of
// the code) to one channel of pattern, source and destination.
inline std::uint8_t Ternary(DWORD rop, std::uint8_t p, std::uint8_t s, std::uint8_t d) {
    const unsigned index = (rop >> 16) & 0xFFu;
    unsigned out = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if ((index >> i & 1u) == 0) continue;
        out |= ((i & 4u) ? p : ~p) & ((i & 2u) ? s : ~s) & ((i & 1u) ? d : ~d);
    }
    return static_cast<std::uint8_t>(out);
}

// The bitmap a device context draws on and the brush it draws with; null
// bitmap for a window's context, whose screen keeps no pixels here.
struct DrawingTarget {
    Bitmap* bitmap = nullptr;
    Color brush;
    bool hollowBrush = false;
    int stretchMode = BLACKONWHITE;
};

// Every GDI call holds this lock while it touches objects or pixels.
std::unique_lock<std::mutex> LockGdi();

// Under the GDI lock: the context's target, false for an unknown context.
bool TargetOf(HDC dc, DrawingTarget& target);
Bitmap* BitmapOf(HGDIOBJ object);

}  // namespace nw::hosted::gdi
