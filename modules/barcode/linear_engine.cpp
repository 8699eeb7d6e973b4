// The one-dimensional engine: libzint's linear symbologies drawn with the
// printer's bar and space widths.
#include <zint.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine_common.h"

namespace {

constexpr std::size_t kLongestValue = 50;
constexpr int kDefaultBarHeight = 50;  // in narrow bar widths

struct Subtype {
    int symbology;
    bool twoWidths;  // wide elements follow the ratio
};
constexpr Subtype kSubtypes[] = {
    {BARCODE_CODE39, true}, {BARCODE_CODE93, false},  {BARCODE_CODE128, false}, {BARCODE_EANX, false},
    {BARCODE_UPCA, false},  {BARCODE_UPCE, false},    {BARCODE_C25INTER, true}, {BARCODE_CODABAR, true},
};

struct Settings {
    std::int32_t subtype;
    const PdRect* rectangle;
    std::int32_t orientationCode, writeText, bar, space, ratio, quietZone;
};

// Quarter turns clockwise of the orientation codes 0 to 3.
constexpr int kTurns[4] = {0, 2, 1, 3};

// The elements' pixel widths, from the left, starting with a bar.
struct Layout {
    std::vector<int> widths;
    int width = 0;
    int barHeight = 0;
    int textScale = 0;  // 0 without text
    int height = 0;
    std::string text;
};

std::int32_t Encode(pd::Symbol& symbol, const char* value, const Settings& s) {
    if (value == nullptr || value[0] == 0) return pd::kNoValue;
    if (!pd::InRange(s.subtype, 0, 7) || !pd::InRange(s.orientationCode, 0, 3) || !pd::InRange(s.bar, 1, 50) ||
        !pd::InRange(s.space, 1, 50) || !pd::InRange(s.quietZone, 0, 100))
        return pd::kBadSetting;
    const std::size_t length = ::strnlen(value, kLongestValue + 1);
    if (length > kLongestValue) return pd::kUnencodable1D;
    if (!symbol.Valid()) return pd::kNoMemory;
    symbol->symbology = kSubtypes[s.subtype].symbology;
    return symbol.Encode(value, static_cast<int>(length), pd::kUnencodable1D);
}

Layout Lay(const pd::Symbol& symbol, const Settings& s) {
    Layout layout;
    const int wide = std::clamp(s.bar * s.ratio / 2, 2 * s.bar, 3 * s.bar);
    const int wideSpace = std::clamp(s.space * s.ratio / 2, 2 * s.space, 3 * s.space);
    const bool twoWidths = kSubtypes[s.subtype].twoWidths;
    int column = 0;
    while (column < symbol->width) {
        const bool dark = symbol.Dark(0, column);
        int run = 1;
        while (column + run < symbol->width && symbol.Dark(0, column + run) == dark) ++run;
        const int narrow = dark ? s.bar : s.space;
        layout.widths.push_back(twoWidths && run > 1 ? (dark ? wide : wideSpace) : run * narrow);
        layout.width += layout.widths.back();
        column += run;
    }
    layout.width += 2 * s.quietZone * s.bar;
    if (s.writeText) {
        layout.textScale = std::max(1, s.bar / 2);
        layout.text = reinterpret_cast<const char*>(symbol->text);
    }
    const int textHeight = layout.textScale * (pd::kFontHeight + 2);
    // The rectangle's fixed height is the last pixel's coordinate.
    std::int32_t fixed = 0;
    if (s.rectangle != nullptr) fixed = s.orientationCode < 2 ? s.rectangle->bottom : s.rectangle->right;
    layout.height = fixed > 0 ? fixed + 1 : kDefaultBarHeight * s.bar + textHeight;
    layout.barHeight = std::max(1, layout.height - textHeight);
    layout.height = std::max(layout.height, layout.barHeight);
    return layout;
}

pd::Raster Draw(const Layout& layout, const Settings& s) {
    pd::Raster raster;
    raster.Resize(layout.width, layout.height);
    if (raster.width == 0) return raster;
    int x = s.quietZone * s.bar;
    for (std::size_t i = 0; i < layout.widths.size(); ++i) {
        if (i % 2 == 0) raster.FillDark(x, 0, layout.widths[i], layout.barHeight);
        x += layout.widths[i];
    }
    if (layout.textScale > 0) {
        const int textWidth = static_cast<int>(layout.text.size()) * pd::kFontAdvance * layout.textScale;
        pd::WriteText(raster, layout.text, std::max(0, (layout.width - textWidth) / 2),
                      layout.barHeight + layout.textScale, layout.textScale);
    }
    return raster;
}

std::int32_t GetBarCodeSize(PdBitmap, std::int32_t subtype, const PdRect* rectangle, const char* value,
                            std::int32_t orientationCode, std::int32_t writeText, std::int32_t bar,
                            std::int32_t space, std::int32_t ratio, std::int32_t quietZone, std::int32_t,
                            std::int32_t* width, std::int32_t* height, std::int32_t* error) {
    return pd::Guard<std::int32_t>(error, 0, [&] {
        pd::Symbol symbol(BARCODE_CODE128);
        const Settings s{subtype, rectangle, orientationCode, writeText, bar, space, ratio, quietZone};
        const std::int32_t result = Encode(symbol, value, s);
        pd::Report(error, result);
        if (result != pd::kOk) return 0;
        const Layout layout = Lay(symbol, s);
        const bool turned = kTurns[orientationCode] % 2 != 0;
        // The last pixel's coordinates.
        if (width != nullptr) *width = (turned ? layout.height : layout.width) - 1;
        if (height != nullptr) *height = (turned ? layout.width : layout.height) - 1;
        return 1;
    });
}

PdBitmap WriteBarCodeToRectangle(PdBitmap bitmap, std::int32_t subtype, const PdRect* rectangle, const char* value,
                                 std::int32_t orientationCode, std::int32_t writeText, std::int32_t bar,
                                 std::int32_t space, std::int32_t ratio, std::int32_t quietZone, std::int32_t,
                                 std::int32_t* error) {
    return pd::Guard<PdBitmap>(error, bitmap, [&] {
        pd::Symbol symbol(BARCODE_CODE128);
        const Settings s{subtype, rectangle, orientationCode, writeText, bar, space, ratio, quietZone};
        const std::int32_t result = Encode(symbol, value, s);
        const int turns = result == pd::kOk ? kTurns[orientationCode] : 0;
        return pd::DrawEncoded(bitmap, result, turns, error, [&] { return Draw(Lay(symbol, s), s); });
    });
}

}  // namespace

PD_BOTH(PdBitmap, WriteBarCodeToRectangle,
        (PdBitmap bitmap, int32_t subtype, const PdRect* rectangle, const char* value, int32_t orientationCode,
         int32_t writeText, int32_t minimalBarWidth, int32_t minimalSpaceWidth, int32_t ratio, int32_t quietZone,
         int32_t reserved, int32_t* error),
        (bitmap, subtype, rectangle, value, orientationCode, writeText, minimalBarWidth, minimalSpaceWidth, ratio,
         quietZone, reserved, error))
PD_BOTH(int32_t, GetBarCodeSize,
        (PdBitmap bitmap, int32_t subtype, const PdRect* rectangle, const char* value, int32_t orientationCode,
         int32_t writeText, int32_t minimalBarWidth, int32_t minimalSpaceWidth, int32_t ratio, int32_t quietZone,
         int32_t reserved, int32_t* width, int32_t* height, int32_t* error),
        (bitmap, subtype, rectangle, value, orientationCode, writeText, minimalBarWidth, minimalSpaceWidth, ratio,
         quietZone, reserved, width, height, error))
