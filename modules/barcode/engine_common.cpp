#include "engine_common.h"

#include <zint.h>

#include <cstring>
#include <new>

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/hosted/module_imports.h"

// The hosted machine's global memory, bound by LoadLibraryW as Windows
// binds kernel32's.
namespace {
using GlobalAllocFn = void* (*)(unsigned flags, std::size_t bytes);
using GlobalLockFn = void* (*)(void* memory);
using GlobalUnlockFn = int (*)(void* memory);
using GlobalSizeFn = std::size_t (*)(void* memory);
GlobalAllocFn g_alloc;
GlobalLockFn g_lock;
GlobalUnlockFn g_unlock;
GlobalSizeFn g_size;
constexpr unsigned GMEM_MOVEABLE = 0x2, GMEM_ZEROINIT = 0x40;
void* GlobalAlloc(unsigned flags, std::size_t bytes) { return g_alloc(flags, bytes); }
void* GlobalLock(void* memory) { return g_lock(memory); }
int GlobalUnlock(void* memory) { return g_unlock(memory); }
std::size_t GlobalSize(void* memory) { return g_size(memory); }
}  // namespace

extern "C" {
PD_EXPORT NwHostedImport NwHostedImports[] = {
    {"kernel32", "GlobalAlloc", reinterpret_cast<NwHostedProc*>(&g_alloc)},
    {"kernel32", "GlobalLock", reinterpret_cast<NwHostedProc*>(&g_lock)},
    {"kernel32", "GlobalUnlock", reinterpret_cast<NwHostedProc*>(&g_unlock)},
    {"kernel32", "GlobalSize", reinterpret_cast<NwHostedProc*>(&g_size)},
    {nullptr, nullptr, nullptr},
};
}
#endif

namespace pd {
namespace {

constexpr std::size_t kHeaderBytes = 40;

std::uint32_t Read32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
void Write32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }
void Write16(std::uint8_t* p, std::uint16_t v) { std::memcpy(p, &v, 2); }

std::size_t Stride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

// A locked block while in scope.
class Locked {
public:
    explicit Locked(PdBitmap block) : block_(block), bytes_(block ? static_cast<std::uint8_t*>(GlobalLock(block)) : nullptr) {}
    ~Locked() {
        if (bytes_ != nullptr) GlobalUnlock(block_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    std::uint8_t* bytes() const { return bytes_; }

private:
    PdBitmap block_;
    std::uint8_t* bytes_;
};

// True when the block is a 24-bit DIB of w x h pixels that holds its rows.
bool Fits(PdBitmap block, const std::uint8_t* bytes, int w, int h) {
    if (bytes == nullptr) return false;
    const std::size_t size = GlobalSize(block);
    if (size < kHeaderBytes || Read32(bytes) != kHeaderBytes) return false;
    const auto width = static_cast<std::int32_t>(Read32(bytes + 4));
    const auto height = static_cast<std::int32_t>(Read32(bytes + 8));
    std::uint16_t bits;
    std::memcpy(&bits, bytes + 14, 2);
    if (width != w || (height != h && height != -h) || bits != 24 || Read32(bytes + 16) != 0) return false;
    return size - kHeaderBytes >= Stride(w) * static_cast<std::size_t>(h);
}

void Paint(std::uint8_t* bytes, const Raster& raster, int turns, int w, int h) {
    const bool topDown = static_cast<std::int32_t>(Read32(bytes + 8)) < 0;
    const std::size_t stride = Stride(w);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = bytes + kHeaderBytes + static_cast<std::size_t>(topDown ? y : h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            // The upright pixel that lands on (x, y) after the clockwise turns.
            int u, v;
            switch (turns) {
                case 1: u = y; v = raster.height - 1 - x; break;
                case 2: u = raster.width - 1 - x; v = raster.height - 1 - y; break;
                case 3: u = raster.width - 1 - y; v = x; break;
                default: u = x; v = y; break;
            }
            const std::uint8_t shade = raster.dark[static_cast<std::size_t>(v) * raster.width + u] ? 0 : 0xFF;
            std::memset(row + static_cast<std::size_t>(x) * 3, shade, 3);
        }
    }
}

}  // namespace

int TurnedWidth(const Raster& raster, int turns) { return turns % 2 ? raster.height : raster.width; }
int TurnedHeight(const Raster& raster, int turns) { return turns % 2 ? raster.width : raster.height; }

PdBitmap Deliver(PdBitmap given, const Raster& raster, int turns, std::int32_t* error) {
    const int w = TurnedWidth(raster, turns), h = TurnedHeight(raster, turns);
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > kLargestPixels) {
        Report(error, kCannotDraw);
        return nullptr;
    }
    {
        const Locked block(given);
        if (Fits(given, block.bytes(), w, h)) {
            Paint(block.bytes(), raster, turns, w, h);
            Report(error, kOk);
            return given;
        }
    }
    std::uint32_t xResolution = 0, yResolution = 0;
    {
        const Locked block(given);
        if (block.bytes() != nullptr && GlobalSize(given) >= kHeaderBytes) {
            xResolution = Read32(block.bytes() + 24);
            yResolution = Read32(block.bytes() + 28);
        }
    }
    PdBitmap fresh = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kHeaderBytes + Stride(w) * static_cast<std::size_t>(h));
    const Locked block(fresh);
    if (block.bytes() == nullptr) {
        Report(error, kNoMemory);
        return nullptr;
    }
    std::uint8_t* header = block.bytes();
    Write32(header, kHeaderBytes);
    Write32(header + 4, static_cast<std::uint32_t>(w));
    Write32(header + 8, static_cast<std::uint32_t>(h));
    Write16(header + 12, 1);
    Write16(header + 14, 24);
    Write32(header + 24, xResolution);
    Write32(header + 28, yResolution);
    Paint(header, raster, turns, w, h);
    Report(error, kOk);
    return fresh;
}

Symbol::Symbol(int symbology) : symbol_(ZBarcode_Create()) {
    if (symbol_ != nullptr) symbol_->symbology = symbology;
}

Symbol::~Symbol() {
    if (symbol_ != nullptr) ZBarcode_Delete(symbol_);
}

std::int32_t Symbol::Encode(const char* value, int length, std::int32_t refused) {
    if (symbol_ == nullptr) return kNoMemory;
    const int result = ZBarcode_Encode(symbol_, reinterpret_cast<const unsigned char*>(value), length);
    if (result < ZINT_ERROR) return kOk;
    if (result == ZINT_ERROR_MEMORY) return kNoMemory;
    if (result == ZINT_ERROR_TOO_LONG || result == ZINT_ERROR_INVALID_DATA || result == ZINT_ERROR_INVALID_CHECK)
        return refused;
    return kCannotDraw;
}

bool Symbol::Dark(int row, int column) const {
    return (symbol_->encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

Raster Modules(const Symbol& symbol, int moduleWidth, int moduleHeight, int quiet) {
    Raster raster;
    const int columns = symbol->width + 2 * quiet, rows = symbol->rows + 2 * quiet;
    raster.Resize(columns * moduleWidth, rows * moduleHeight);
    for (int r = 0; r < symbol->rows; ++r)
        for (int c = 0; c < symbol->width; ++c)
            if (symbol.Dark(r, c))
                raster.FillDark((c + quiet) * moduleWidth, (r + quiet) * moduleHeight, moduleWidth, moduleHeight);
    return raster;
}

}  // namespace pd
