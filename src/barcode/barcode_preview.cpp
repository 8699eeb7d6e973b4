// Verification and the preview: one writer per call, destroyed before the
// call returns.
#include "barcode/barcode_preview.h"

#include <cstring>

#include "accessors/numeric_accessors.h"
#include "accessors/page_geometry.h"

namespace nw::barcode {

namespace {

namespace numbers = accessors::numbers;
namespace geometry = accessors::geometry;

constexpr DWORD kBrushAndSourceOnDestination = 0xA803A9;  // D AND (P OR S)
constexpr int kShadow = 5;
constexpr std::size_t kHeaderBytes = sizeof(BITMAPINFOHEADER);
// Symbols whose bitmap would exceed this are not drawn.
constexpr long long kLargestBarcodeBytes = 256LL << 20;

int Round(double v) { return static_cast<int>(v + 0.5); }

std::size_t RowBytes(int width) { return static_cast<std::size_t>((width + 1) * 3 / 4) * 4; }

// The zero-initialised packed DIB the engine draws on, every pixel white.
HGLOBAL NewBarcodeBitmap(int width, int height, int xDpi, int yDpi) {
    const std::size_t rows = RowBytes(width) * static_cast<std::size_t>(height);
    HGLOBAL block = ::GlobalAlloc(GHND, kHeaderBytes + rows);
    if (block == nullptr) return nullptr;
    auto* bytes = static_cast<unsigned char*>(::GlobalLock(block));
    if (bytes == nullptr) {
        ::GlobalFree(block);
        return nullptr;
    }
    BITMAPINFOHEADER header{};
    header.biSize = kHeaderBytes;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biXPelsPerMeter = static_cast<LONG>(xDpi * 39.37 + 0.5);
    header.biYPelsPerMeter = static_cast<LONG>(yDpi * 39.37 + 0.5);
    std::memcpy(bytes, &header, sizeof header);
    std::memset(bytes + kHeaderBytes, 0xFF, rows);
    ::GlobalUnlock(block);
    return block;
}

int ToPixels(std::int32_t offset, std::int32_t unit, int dpi) {
    switch (unit) {
        case 1: return Round(offset / 254.0 * dpi);
        case 2: return Round(offset / 100.0 * dpi);
        default: return offset;
    }
}

int Align(std::int32_t alignment, int offset, int page, int size) {
    switch (alignment) {
        case 1: return Round((page - size) * 0.5) + offset;
        case 2: return page - offset - size;
        default: return offset;
    }
}

struct Rendered {
    GlobalMemory bitmap;
    int width = 0, height = 0, adjustedHeight = 0, x = 0, y = 0;
};

bool RenderPreview(const NordwispDEVMODE* record, const WCHAR* value, int xDpi, int yDpi, int pageWidth,
                   int pageHeight, Rendered& out) {
    CBarcodeWriter writer;
    std::string bytes;
    if (!writer.BuildModuleNames(record) || !writer.LoadEngine(record) ||
        !TakeBarcodeValue(record, value, writer, bytes))
        return false;
    const int length = static_cast<int>(bytes.size());
    int w = 0, h = 0;
    if (!writer.GetBarcodeSize(bytes.c_str(), length, &w, &h, record) || w <= 0 || h <= 0 ||
        static_cast<long long>(RowBytes(w)) * h > kLargestBarcodeBytes)
        return false;
    HGLOBAL passed = NewBarcodeBitmap(w, h, xDpi, yDpi);
    if (passed == nullptr) return false;
    HGLOBAL drawn = writer.DrawBarcode(passed, bytes.c_str(), length, record);
    if (drawn != passed) ::GlobalFree(passed);
    out.bitmap.reset(drawn);
    out.width = w;
    out.height = h;
    out.adjustedHeight = xDpi == yDpi ? h : Round(static_cast<double>(h) / xDpi * yDpi);
    out.x = Align(accessors::ReadNumber(record, numbers::BarcodeAlign),
                  ToPixels(accessors::ReadNumber(record, numbers::BarcodeXOffset),
                           accessors::ReadNumber(record, numbers::BarcodeUnit), xDpi),
                  pageWidth, w);
    out.y = Align(accessors::ReadNumber(record, numbers::BarcodeVertAlign),
                  ToPixels(accessors::ReadNumber(record, numbers::BarcodeYOffset),
                           accessors::ReadNumber(record, numbers::BarcodeUnit), yDpi),
                  pageHeight, out.adjustedHeight);
    return out.bitmap.get() != nullptr;
}

// Stretches the engine's block onto the preview with the brush's colour.
void Blit(HDC dc, HGLOBAL block, int x, int y, int w, int h) {
    const SIZE_T size = ::GlobalSize(block);
    const auto* bytes = static_cast<const unsigned char*>(::GlobalLock(block));
    if (bytes == nullptr) return;
    BITMAPINFO info{};
    if (size >= kHeaderBytes) std::memcpy(&info.bmiHeader, bytes, kHeaderBytes);
    const LONG rows = info.bmiHeader.biHeight < 0 ? -info.bmiHeader.biHeight : info.bmiHeader.biHeight;
    // An engine's block that does not hold the rows its header promises is
    // not read.
    const bool whole = size >= kHeaderBytes && info.bmiHeader.biSize == kHeaderBytes &&
                       info.bmiHeader.biBitCount == 24 && info.bmiHeader.biWidth > 0 && rows > 0 &&
                       (size - kHeaderBytes) / RowBytes(info.bmiHeader.biWidth) >= static_cast<SIZE_T>(rows);
    if (whole) {
        ::SetStretchBltMode(dc, HALFTONE);
        ::StretchDIBits(dc, x, y, w, h, 0, 0, info.bmiHeader.biWidth, rows, bytes + kHeaderBytes, &info,
                        DIB_RGB_COLORS, kBrushAndSourceOnDestination);
    }
    ::GlobalUnlock(block);
}

// The window's context, released on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Keeps an object selected while in scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~Selection() {
        if (old_ != nullptr) ::SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

int VerifyValue(const NordwispDEVMODE* record, const WCHAR* value) {
    if (record == nullptr || value == nullptr) return 0;
    CBarcodeWriter writer;
    std::string bytes;
    if (!writer.BuildModuleNames(record) || !writer.LoadEngine(record)) return 0;
    if (!TakeBarcodeValue(record, value, writer, bytes)) return 0;
    int w = 0, h = 0;
    writer.GetBarcodeSize(bytes.c_str(), static_cast<int>(bytes.size()), &w, &h, record);
    return writer.ErrorCode() == kNoError ? 1 : 0;
}

HBITMAP DrawPreview(const NordwispDEVMODE* source, const WCHAR* value, HWND window, int width, int height) {
    if (source == nullptr || value == nullptr || width <= 0 || height <= 0) return nullptr;
    NordwispDEVMODE record;
    std::memcpy(&record, source, sizeof record);
    const WindowDc screen(window);
    if (screen.get() == nullptr) return nullptr;
    const MemoryDc memory(::CreateCompatibleDC(screen.get()));
    if (!memory) return nullptr;
    const int paperWidth = accessors::GetNumber(&record, geometry::PaperWidth);
    const int paperLength = accessors::GetNumber(&record, geometry::PaperLength);
    const int pageWidth = accessors::GetNumber(&record, geometry::PageWidthInPixels);
    const int pageHeight = accessors::GetNumber(&record, geometry::PageHeightInPixels);
    const int xDpi = accessors::GetNumber(&record, geometry::XDPI);
    const int yDpi = accessors::GetNumber(&record, geometry::YDPI);
    // A page without extent cannot be fitted.
    if (paperWidth <= 0 || paperLength <= 0) return nullptr;

    double scale;
    int pw, ph;
    if (static_cast<double>(paperLength) / paperWidth > static_cast<double>(height) / width) {
        scale = static_cast<double>(height) / paperLength;
        pw = Round(paperWidth * scale);
        ph = height;
    } else {
        scale = static_cast<double>(width) / paperWidth;
        pw = width;
        ph = Round(paperLength * scale);
    }
    GdiObject preview(::CreateCompatibleBitmap(screen.get(), pw + kShadow, ph + kShadow));
    if (!preview) return nullptr;
    {
        const Selection page(memory.get(), preview.get());
        const RECT all{0, 0, pw + kShadow, ph + kShadow}, shadow{kShadow, kShadow, pw + kShadow, ph + kShadow},
            paper{0, 0, pw, ph};
        ::FillRect(memory.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::FillRect(memory.get(), &shadow, static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH)));
        ::FillRect(memory.get(), &paper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::FrameRect(memory.get(), &paper, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));

        Rendered barcode;
        if (xDpi > 0 && yDpi > 0 && RenderPreview(&record, value, xDpi, yDpi, pageWidth, pageHeight, barcode)) {
            const bool offPage = barcode.x < 0 || barcode.y < 0 || barcode.x + barcode.width > pageWidth ||
                                 barcode.y + barcode.adjustedHeight > pageHeight;
            const int x = Round(barcode.x * 254.0 / xDpi * scale), y = Round(barcode.y * 254.0 / yDpi * scale);
            const int w = Round(barcode.width * 254.0 / xDpi * scale);
            const int h = Round(barcode.adjustedHeight * 254.0 / yDpi * scale);
            const GdiObject brush(::CreateSolidBrush(offPage ? RGB(255, 0, 0) : RGB(0, 0, 0)));
            if (brush && w != 0 && h != 0) {
                const Selection colour(memory.get(), brush.get());
                Blit(memory.get(), barcode.bitmap.get(), x, y, w, h);
            }
        }
    }
    return static_cast<HBITMAP>(preview.release());
}

}  // namespace nw::barcode
