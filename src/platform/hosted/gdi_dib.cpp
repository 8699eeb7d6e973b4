// Device-independent bitmaps in and out of the hosted GDI: StretchDIBits
// with any ternary raster operation and the stretch modes, GetDIBits to
// read a bitmap's pixels back. 24- and 32-bit pixels without colour table.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/hosted/gdi_objects.h"

namespace nw::hosted::gdi {
namespace {

// A caller's DIB: its header checked, rows addressed from the top.
struct DibView {
    int width = 0;
    int height = 0;
    int bytesPixel = 0;
    bool topDown = false;
    std::size_t stride = 0;

    bool Read(const BITMAPINFO* info) {
        if (info == nullptr) return false;
        const BITMAPINFOHEADER& h = info->bmiHeader;
        if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biCompression != BI_RGB) return false;
        if (h.biBitCount != 24 && h.biBitCount != 32) return false;
        if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == LONG(0x80000000)) return false;
        width = h.biWidth;
        height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
        topDown = h.biHeight < 0;
        bytesPixel = h.biBitCount / 8;
        stride = DibStride(width, h.biBitCount);
        return true;
    }
    std::size_t RowOffset(int y) const { return static_cast<std::size_t>(topDown ? y : height - 1 - y) * stride; }
};

// Source span [first, last) of destination cell i of n cells over a source
// run of `length` from `origin`.
void Span(int origin, int length, int i, int n, int& first, int& last) {
    first = origin + static_cast<int>(static_cast<long long>(i) * length / n);
    last = origin + static_cast<int>((static_cast<long long>(i + 1) * length + n - 1) / n);
    if (last <= first) last = first + 1;
}

Color Sample(const std::uint8_t* bits, const DibView& dib, int x0, int x1, int y0, int y1, bool average) {
    x0 = std::clamp(x0, 0, dib.width - 1);
    y0 = std::clamp(y0, 0, dib.height - 1);
    if (!average) {
        const std::uint8_t* p = bits + dib.RowOffset(y0) + static_cast<std::size_t>(x0) * dib.bytesPixel;
        return {p[0], p[1], p[2]};
    }
    x1 = std::clamp(x1, x0 + 1, dib.width);
    y1 = std::clamp(y1, y0 + 1, dib.height);
    unsigned b = 0, g = 0, r = 0, n = 0;
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* row = bits + dib.RowOffset(y);
        for (int x = x0; x < x1; ++x, ++n) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * dib.bytesPixel;
            b += p[0];
            g += p[1];
            r += p[2];
        }
    }
    return {static_cast<std::uint8_t>((b + n / 2) / n), static_cast<std::uint8_t>((g + n / 2) / n),
            static_cast<std::uint8_t>((r + n / 2) / n)};
}

}  // namespace
}  // namespace nw::hosted::gdi

using namespace nw::hosted::gdi;

int StretchDIBits(HDC dc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    DibView dib;
    if (bits == nullptr || usage != DIB_RGB_COLORS || !dib.Read(info) || srcWidth <= 0 || srcHeight <= 0 ||
        destWidth == 0 || destHeight == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto guard = LockGdi();
    DrawingTarget target;
    if (!TargetOf(dc, target)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (target.bitmap == nullptr) return srcHeight;
    Bitmap& out = *target.bitmap;
    const auto* source = static_cast<const std::uint8_t*>(bits);
    // A bottom-up DIB counts source rows from its lowest one.
    const int srcTop = dib.topDown ? ySrc : dib.height - ySrc - srcHeight;
    // Negative destination extents mirror the picture.
    const bool flipX = destWidth < 0, flipY = destHeight < 0;
    const int w = std::abs(destWidth), h = std::abs(destHeight);
    const int left = flipX ? xDest + destWidth + 1 : xDest;
    const int top = flipY ? yDest + destHeight + 1 : yDest;
    const bool halftone = target.stretchMode == HALFTONE && (srcWidth > w || srcHeight > h);
    const Color pattern = target.hollowBrush ? Color{} : target.brush;
    for (int j = 0; j < h; ++j) {
        const int y = top + j;
        if (y < 0 || y >= out.height) continue;
        int y0, y1;
        Span(srcTop, srcHeight, flipY ? h - 1 - j : j, h, y0, y1);
        if (!halftone) y0 = srcTop + static_cast<int>((2LL * (flipY ? h - 1 - j : j) + 1) * srcHeight / (2LL * h));
        for (int i = 0; i < w; ++i) {
            const int x = left + i;
            if (x < 0 || x >= out.width) continue;
            const int cell = flipX ? w - 1 - i : i;
            int x0, x1;
            Span(xSrc, srcWidth, cell, w, x0, x1);
            if (!halftone) x0 = xSrc + static_cast<int>((2LL * cell + 1) * srcWidth / (2LL * w));
            const Color s = Sample(source, dib, x0, x1, y0, y1, halftone);
            std::uint8_t* d = out.Pixel(x, y);
            d[0] = Ternary(rop, pattern.blue, s.blue, d[0]);
            d[1] = Ternary(rop, pattern.green, s.green, d[1]);
            d[2] = Ternary(rop, pattern.red, s.red, d[2]);
        }
    }
    return srcHeight;
}

int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info, UINT usage) {
    if (info == nullptr || usage != DIB_RGB_COLORS || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto guard = LockGdi();
    DrawingTarget target;
    Bitmap* bitmap = BitmapOf(handle);
    if (!TargetOf(dc, target) || bitmap == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (bits == nullptr) {
        // Asked for the format only: the bitmap's own, bottom-up.
        if (h.biBitCount == 0) {
            h.biWidth = bitmap->width;
            h.biHeight = bitmap->height;
            h.biPlanes = 1;
            h.biBitCount = static_cast<WORD>(bitmap->bitsPixel);
            h.biCompression = BI_RGB;
            h.biSizeImage = static_cast<DWORD>(DibStride(bitmap->width, bitmap->bitsPixel) * bitmap->height);
        }
        return 1;
    }
    DibView dib;
    if (!dib.Read(info) || dib.width != bitmap->width || dib.height != bitmap->height) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (start >= static_cast<UINT>(dib.height)) return 0;
    const UINT count = std::min<UINT>(lines, static_cast<UINT>(dib.height) - start);
    auto* out = static_cast<std::uint8_t*>(bits);
    for (UINT line = 0; line < count; ++line) {
        // Scan lines are numbered in the caller's DIB order.
        const UINT index = start + line;
        const int y = dib.topDown ? static_cast<int>(index) : dib.height - 1 - static_cast<int>(index);
        std::uint8_t* row = out + static_cast<std::size_t>(line) * dib.stride;
        std::memset(row, 0, dib.stride);
        for (int x = 0; x < dib.width; ++x) std::memcpy(row + static_cast<std::size_t>(x) * dib.bytesPixel, bitmap->Pixel(x, y), 3);
    }
    return static_cast<int>(count);
}
