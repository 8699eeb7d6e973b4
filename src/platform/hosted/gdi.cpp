// GDI objects and device contexts of the hosted machine. Handles are
// registered, so a stale or made-up one is refused, never dereferenced.
// There are no windows: GetDC(NULL) gives the screen's context, which draws
// nothing, and its compatible bitmaps are 32-bit colour.
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <variant>

#include "platform/hosted/gdi_objects.h"

namespace nw::hosted::gdi {
namespace {

// The hosted screen is no bigger than this; larger bitmaps are refused
// before the host allocator sees the request.
constexpr std::size_t kLargestBitmapBytes = 256u << 20;

struct Brush {
    Color color;
    bool hollow = false;
};

struct Object {
    std::variant<Bitmap, Brush> body;
    bool stock = false;
    HDC selectedInto = nullptr;  // a bitmap is in at most one context
    unsigned brushUses = 0;      // contexts whose brush this is
};

struct Context {
    bool window = false;
    HGDIOBJ bitmap = nullptr;
    HGDIOBJ brush = nullptr;
    int stretchMode = BLACKONWHITE;
};

struct Gdi {
    std::mutex lock;
    std::map<HGDIOBJ, std::unique_ptr<Object>> objects;
    std::map<HDC, Context> contexts;
    std::uintptr_t nextHandle = 0x40000;
    HGDIOBJ stock[NULL_BRUSH + 1] = {};
    HGDIOBJ defaultBitmap = nullptr;

    Gdi() {
        const Brush stockBrushes[] = {{{255, 255, 255}}, {{192, 192, 192}}, {{128, 128, 128}},
                                      {{64, 64, 64}},    {{0, 0, 0}},       {{0, 0, 0}, true}};
        for (int i = 0; i <= NULL_BRUSH; ++i) stock[i] = Add(Object{stockBrushes[i], true});
        // A memory context starts with this 1 x 1 bitmap selected.
        Bitmap one;
        one.width = one.height = 1;
        one.stride = DibStride(1, 32);
        one.storage.assign(one.stride, 0);
        defaultBitmap = Add(Object{std::move(one), true});
    }

    HGDIOBJ Add(Object object) {
        // Multiples of 4 plus 4, never a pointer of the host allocator.
        const auto handle = reinterpret_cast<HGDIOBJ>(nextHandle += 8);
        objects.emplace(handle, std::make_unique<Object>(std::move(object)));
        return handle;
    }

    Object* Find(HGDIOBJ handle) {
        const auto found = objects.find(handle);
        return found != objects.end() ? found->second.get() : nullptr;
    }

    Context* FindContext(HDC dc) {
        const auto found = contexts.find(dc);
        return found != contexts.end() ? &found->second : nullptr;
    }

    HDC NewContext(bool window) {
        const auto dc = reinterpret_cast<HDC>(nextHandle += 8);
        Context context;
        context.window = window;
        context.brush = stock[WHITE_BRUSH];
        ++Find(context.brush)->brushUses;
        if (!window) {
            context.bitmap = defaultBitmap;
        }
        contexts.emplace(dc, context);
        return dc;
    }

    void ReleaseContext(HDC dc, Context& context) {
        if (Object* brush = Find(context.brush)) --brush->brushUses;
        if (Object* bitmap = Find(context.bitmap); bitmap != nullptr && bitmap->selectedInto == dc)
            bitmap->selectedInto = nullptr;
        contexts.erase(dc);
    }
};

Gdi& TheGdi() {
    static Gdi* gdi = new Gdi;  // outlives static destructors that delete objects
    return *gdi;
}

Bitmap NewBitmap(int width, int height, int bitsPixel, bool topDown, bool& ok) {
    Bitmap bitmap;
    ok = false;
    if (width <= 0 || height <= 0) return bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitsPixel = bitsPixel;
    bitmap.topDown = topDown;
    bitmap.stride = DibStride(width, bitsPixel);
    if (bitmap.stride > kLargestBitmapBytes / static_cast<std::size_t>(height)) return bitmap;
    // A new compatible bitmap is black, as the screen's are.
    bitmap.storage.assign(bitmap.stride * static_cast<std::size_t>(height), 0);
    ok = true;
    return bitmap;
}

void Fill(Bitmap& bitmap, RECT r, Color color) {
    const LONG left = std::max<LONG>(r.left, 0), top = std::max<LONG>(r.top, 0);
    const LONG right = std::min<LONG>(r.right, bitmap.width), bottom = std::min<LONG>(r.bottom, bitmap.height);
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x) {
            std::uint8_t* p = bitmap.Pixel(x, y);
            p[0] = color.blue;
            p[1] = color.green;
            p[2] = color.red;
        }
}

template <class Paint>
int PaintWithBrush(HDC dc, const RECT* rect, HBRUSH brush, Paint paint) {
    if (rect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto guard = LockGdi();
    DrawingTarget target;
    Object* object = TheGdi().Find(brush);
    if (!TargetOf(dc, target) || object == nullptr || !std::holds_alternative<Brush>(object->body)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const Brush& b = std::get<Brush>(object->body);
    if (target.bitmap != nullptr && !b.hollow && rect->left < rect->right && rect->top < rect->bottom)
        paint(*target.bitmap, *rect, b.color);
    return 1;
}

}  // namespace

std::unique_lock<std::mutex> LockGdi() { return std::unique_lock(TheGdi().lock); }

bool TargetOf(HDC dc, DrawingTarget& target) {
    Gdi& gdi = TheGdi();
    Context* context = gdi.FindContext(dc);
    if (context == nullptr) return false;
    target = DrawingTarget{};
    target.stretchMode = context->stretchMode;
    if (!context->window) target.bitmap = BitmapOf(context->bitmap);
    const Object* brush = gdi.Find(context->brush);
    const auto& b = std::get<Brush>(brush->body);
    target.brush = b.color;
    target.hollowBrush = b.hollow;
    return true;
}

Bitmap* BitmapOf(HGDIOBJ handle) {
    Object* object = TheGdi().Find(handle);
    return object != nullptr ? std::get_if<Bitmap>(&object->body) : nullptr;
}

HBITMAP NewDibSection(const BITMAPINFOHEADER& header, void** bits) {
    bool ok = false;
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    Bitmap bitmap = NewBitmap(header.biWidth, height, header.biBitCount, header.biHeight < 0, ok);
    if (!ok) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    bitmap.dibSection = true;
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    const HGDIOBJ handle = gdi.Add(Object{std::move(bitmap)});
    if (bits != nullptr) *bits = std::get<Bitmap>(gdi.Find(handle)->body).storage.data();
    return static_cast<HBITMAP>(handle);
}

}  // namespace nw::hosted::gdi

using namespace nw::hosted::gdi;

HDC GetDC(HWND window) {
    if (window != nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const auto guard = LockGdi();
    return TheGdi().NewContext(true);
}

int ReleaseDC(HWND, HDC dc) {
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    Context* context = gdi.FindContext(dc);
    if (context == nullptr || !context->window) return 0;
    gdi.ReleaseContext(dc, *context);
    return 1;
}

HDC CreateCompatibleDC(HDC dc) {
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    if (dc != nullptr && gdi.FindContext(dc) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return gdi.NewContext(false);
}

BOOL DeleteDC(HDC dc) {
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    Context* context = gdi.FindContext(dc);
    if (context == nullptr || context->window) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    gdi.ReleaseContext(dc, *context);
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    bool ok = false;
    Bitmap bitmap = NewBitmap(width, height, 32, true, ok);
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    if (gdi.FindContext(dc) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!ok) {
        SetLastError(width <= 0 || height <= 0 ? ERROR_INVALID_PARAMETER : ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return static_cast<HBITMAP>(gdi.Add(Object{std::move(bitmap)}));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits != nullptr) *bits = nullptr;
    // Colour tables and file mappings are not part of the subset.
    if (info == nullptr || usage != DIB_RGB_COLORS || section != nullptr ||
        info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || info->bmiHeader.biPlanes != 1 ||
        info->bmiHeader.biCompression != BI_RGB ||
        (info->bmiHeader.biBitCount != 24 && info->bmiHeader.biBitCount != 32)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return NewDibSection(info->bmiHeader, bits);
}

HGDIOBJ GetStockObject(int object) {
    if (object < 0 || object > NULL_BRUSH) return nullptr;
    const auto guard = LockGdi();
    return TheGdi().stock[object];
}

HBRUSH CreateSolidBrush(COLORREF color) {
    const auto guard = LockGdi();
    return static_cast<HBRUSH>(TheGdi().Add(Object{Brush{FromColorRef(color)}}));
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ handle) {
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    Context* context = gdi.FindContext(dc);
    Object* object = gdi.Find(handle);
    if (context == nullptr || object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (std::holds_alternative<Brush>(object->body)) {
        const HGDIOBJ old = context->brush;
        --gdi.Find(old)->brushUses;
        ++object->brushUses;
        context->brush = handle;
        return old;
    }
    // A bitmap goes into one memory context at a time.
    if (context->window || (object->selectedInto != nullptr && object->selectedInto != dc)) return nullptr;
    const HGDIOBJ old = context->bitmap;
    if (Object* previous = gdi.Find(old); previous != nullptr && previous->selectedInto == dc)
        previous->selectedInto = nullptr;
    if (handle != gdi.defaultBitmap) object->selectedInto = dc;
    context->bitmap = handle;
    return old;
}

BOOL DeleteObject(HGDIOBJ handle) {
    const auto guard = LockGdi();
    Gdi& gdi = TheGdi();
    Object* object = gdi.Find(handle);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->stock) return TRUE;
    // Still selected: the context would draw with a dangling object.
    if (object->selectedInto != nullptr || object->brushUses > 0) return FALSE;
    gdi.objects.erase(handle);
    return TRUE;
}

int GetObjectW(HGDIOBJ handle, int size, LPVOID buffer) {
    const auto guard = LockGdi();
    Bitmap* bitmap = BitmapOf(handle);
    if (bitmap == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (buffer == nullptr) return static_cast<int>(sizeof(BITMAP));
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    BITMAP info{};
    info.bmWidth = bitmap->width;
    info.bmHeight = bitmap->height;
    // Device bitmaps report rows of whole 16-bit words, DIB sections of 32.
    info.bmWidthBytes = bitmap->dibSection ? static_cast<LONG>(bitmap->stride)
                                           : static_cast<LONG>((bitmap->width * bitmap->bitsPixel + 15) / 16 * 2);
    info.bmPlanes = 1;
    info.bmBitsPixel = static_cast<WORD>(bitmap->bitsPixel);
    info.bmBits = bitmap->dibSection ? bitmap->storage.data() : nullptr;
    std::memcpy(buffer, &info, sizeof info);
    return static_cast<int>(sizeof info);
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    return PaintWithBrush(dc, rect, brush, [](Bitmap& bitmap, RECT r, Color color) { Fill(bitmap, r, color); });
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    return PaintWithBrush(dc, rect, brush, [](Bitmap& bitmap, RECT r, Color color) {
        Fill(bitmap, {r.left, r.top, r.right, r.top + 1}, color);
        Fill(bitmap, {r.left, r.bottom - 1, r.right, r.bottom}, color);
        Fill(bitmap, {r.left, r.top, r.left + 1, r.bottom}, color);
        Fill(bitmap, {r.right - 1, r.top, r.right, r.bottom}, color);
    });
}

int SetStretchBltMode(HDC dc, int mode) {
    const auto guard = LockGdi();
    Context* context = TheGdi().FindContext(dc);
    if (context == nullptr || mode < BLACKONWHITE || mode > HALFTONE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(context->stretchMode, mode);
}
