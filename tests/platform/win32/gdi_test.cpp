// The GDI subset a barcode preview draws with, read back pixel by pixel:
// fills and frames, StretchDIBits with its raster operations and stretch
// modes, GetDIBits and GetObjectW, and the object rules of contexts.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32api.h"
#include "support/wine.h"

namespace {

struct Bgr {
    int b, g, r;
    bool operator==(const Bgr& o) const { return b == o.b && g == o.g && r == o.r; }
};

BITMAPINFO Header(int width, int height, int bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A top-down 32-bit DIB section selected into a memory context.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    std::uint8_t* bits = nullptr;
    int width, height;

    Canvas(int w, int h) : width(w), height(h) {
        const BITMAPINFO info = Header(w, -h, 32);
        void* p = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<std::uint8_t*>(p);
        old = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Bgr At(int x, int y) const {
        const std::uint8_t* p = bits + (static_cast<std::size_t>(y) * width + x) * 4;
        return {p[0], p[1], p[2]};
    }
    void Paint(COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
};

constexpr Bgr kWhite{255, 255, 255}, kBlack{0, 0, 0};

TEST(Gdi, FillAndFrameTouchExactlyTheirPixels) {
    Canvas canvas(10, 8);
    ASSERT_NE(canvas.bits, nullptr);
    const RECT all{0, 0, 10, 8}, frame{2, 2, 8, 6}, shadow{5, 5, 20, 20};
    EXPECT_NE(FillRect(canvas.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);
    EXPECT_NE(FillRect(canvas.dc, &shadow, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))), 0);
    EXPECT_NE(FrameRect(canvas.dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);

    EXPECT_EQ(canvas.At(2, 2), kBlack);
    EXPECT_EQ(canvas.At(7, 5), kBlack);  // right and bottom are exclusive
    EXPECT_EQ(canvas.At(4, 2), kBlack);
    EXPECT_EQ(canvas.At(2, 4), kBlack);
    EXPECT_EQ(canvas.At(3, 3), kWhite);  // inside is untouched
    EXPECT_EQ(canvas.At(8, 6), (Bgr{192, 192, 192}));
    EXPECT_EQ(canvas.At(9, 7), (Bgr{192, 192, 192}));  // clipped at the edge
    EXPECT_EQ(canvas.At(1, 1), kWhite);

    BITMAP info{};
    ASSERT_EQ(GetObjectW(canvas.bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 10);
    EXPECT_EQ(info.bmHeight, 8);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmBits, canvas.bits);
}

// One black and one white pixel, stretched over four destination pixels.
TEST(Gdi, StretchDIBitsAppliesTheRasterOperation) {
    const std::uint8_t row[8] = {0, 0, 0, 255, 255, 255, 0, 0};  // 24 bits, padded to a word
    const BITMAPINFO info = Header(2, 1, 24);
    struct Case {
        DWORD rop;
        Bgr onBlack, onWhite;
    } const cases[] = {
        {SRCCOPY, kBlack, kWhite},
        {SRCAND, kBlack, {0x40, 0x80, 0xC0}},
        // destination AND (brush OR source): dark modules take the brush colour
        {0xA803A9, {0, 0, 0xC0}, {0x40, 0x80, 0xC0}},
        {PATCOPY, {0, 0, 255}, {0, 0, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rop);
        Canvas canvas(4, 1);
        canvas.Paint(RGB(0xC0, 0x80, 0x40));
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HGDIOBJ oldBrush = SelectObject(canvas.dc, red);
        EXPECT_EQ(StretchDIBits(canvas.dc, 0, 0, 4, 1, 0, 0, 2, 1, row, &info, DIB_RGB_COLORS, c.rop), 1);
        SelectObject(canvas.dc, oldBrush);
        EXPECT_NE(DeleteObject(red), 0);
        EXPECT_EQ(canvas.At(0, 0), c.onBlack);
        EXPECT_EQ(canvas.At(1, 0), c.onBlack);
        EXPECT_EQ(canvas.At(2, 0), c.onWhite);
        EXPECT_EQ(canvas.At(3, 0), c.onWhite);
    }
}

TEST(Gdi, BottomUpSourcesLandUprightAndHalftoneAverages) {
    // Bottom-up 24-bit 2 x 2: the first stored row is the lower one.
    const std::uint8_t bits[16] = {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 0, 0};
    const BITMAPINFO info = Header(2, 2, 24);
    Canvas canvas(2, 2);
    StretchDIBits(canvas.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 0), kWhite);
    EXPECT_EQ(canvas.At(1, 1), kBlack);

    // Half black, half white, shrunk to one pixel.
    Canvas small(1, 1);
    EXPECT_EQ(SetStretchBltMode(small.dc, HALFTONE), BLACKONWHITE);
    StretchDIBits(small.dc, 0, 0, 1, 1, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    if (!nw::test::UnderWine()) {  // Wine samples instead of averaging
        const Bgr grey = small.At(0, 0);
        EXPECT_NEAR(grey.g, 128, 2);
    }
    Canvas cut(4, 4);
    cut.Paint(RGB(9, 9, 9));
    // Partly outside the bitmap: clipped, not written past it.
    StretchDIBits(cut.dc, 3, 3, 4, 4, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(cut.At(3, 3), kWhite);
    EXPECT_EQ(cut.At(2, 2), (Bgr{9, 9, 9}));
}

TEST(Gdi, CompatibleBitmapReadsBackThroughGetDIBits) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, 3, 2}, top{0, 0, 3, 1};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(memory, &top, blue);
    DeleteObject(blue);
    // Still selected: Windows refuses; Wine defers the deletion instead.
    if (!nw::test::UnderWine()) {
        EXPECT_EQ(DeleteObject(bitmap), FALSE);
    }
    SelectObject(memory, old);

    BITMAPINFO info = Header(3, 2, 24);
    std::vector<std::uint8_t> pixels(2 * 12, 0xAB);
    EXPECT_EQ(GetDIBits(memory, bitmap, 0, 2, pixels.data(), &info, DIB_RGB_COLORS), 2);
    // Bottom-up: the white row first, then the blue one; rows padded to 12.
    EXPECT_EQ(pixels[0], 255);
    EXPECT_EQ(pixels[12], 255);
    EXPECT_EQ(pixels[13], 0);
    EXPECT_EQ(pixels[14], 0);
    EXPECT_EQ(pixels[9], 0);  // padding cleared

    BITMAP shape{};
    ASSERT_NE(GetObjectW(bitmap, sizeof shape, &shape), 0);
    EXPECT_EQ(shape.bmWidth, 3);
    EXPECT_EQ(shape.bmHeight, 2);
    EXPECT_EQ(shape.bmBits, nullptr);
    EXPECT_NE(DeleteObject(bitmap), 0);
    EXPECT_NE(DeleteDC(memory), 0);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

TEST(Gdi, BadHandlesAndArgumentsAreRefused) {
    const RECT r{0, 0, 1, 1};
    auto* bogusDc = reinterpret_cast<HDC>(static_cast<std::uintptr_t>(0x7FFF1234));
    // Wine's FillRect answers 1 whatever the context.
    if (!nw::test::UnderWine()) {
        EXPECT_EQ(FillRect(bogusDc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
    }
    EXPECT_NE(DeleteObject(GetStockObject(BLACK_BRUSH)), 0);  // stock objects stay
    Canvas canvas(2, 2);
    canvas.Paint(RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(1, 1), (Bgr{3, 2, 1}));
    const BITMAPINFO info = Header(2, 2, 24);
    EXPECT_EQ(StretchDIBits(canvas.dc, 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(canvas.At(1, 1), (Bgr{3, 2, 1}));
    EXPECT_EQ(SetStretchBltMode(bogusDc, HALFTONE), 0);
}

}  // namespace
