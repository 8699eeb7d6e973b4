#include "devmode/range_verification.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "accessors/numeric_accessors.h"
#include "accessors/page_geometry.h"
#include "accessors/switch_accessors.h"
#include "record/record.h"
#include "frame/last_error.h"
#include "frame/trace.h"
#include "papers/paper_list.h"
#include "papers/paper_lock.h"
#include "env/session.h"

namespace nw {

namespace {

using accessors::ReadNumber;
using accessors::ReadSwitch;
using accessors::WriteNumber;
using accessors::WriteSwitch;
namespace geometry = accessors::geometry;
namespace numbers = accessors::numbers;
namespace switches = accessors::switches;

constexpr auto kFields = NW_RECORD_FIELD(std::uint32_t, DM.dmFields);
constexpr auto kOrientation = NW_RECORD_FIELD(std::int16_t, DM.dmOrientation);
constexpr auto kPaperSize = NW_RECORD_FIELD(std::int16_t, DM.dmPaperSize);
constexpr auto kPaperLength = NW_RECORD_FIELD(std::int16_t, DM.dmPaperLength);
constexpr auto kPaperWidth = NW_RECORD_FIELD(std::int16_t, DM.dmPaperWidth);
constexpr auto kScale = NW_RECORD_FIELD(std::int16_t, DM.dmScale);
constexpr auto kColor = NW_RECORD_FIELD(std::int16_t, DM.dmColor);
constexpr auto kBitsPerPel = NW_RECORD_FIELD(std::uint32_t, DM.dmBitsPerPel);
constexpr auto kPelsWidth = NW_RECORD_FIELD(std::uint32_t, DM.dmPelsWidth);
constexpr auto kPelsHeight = NW_RECORD_FIELD(std::uint32_t, DM.dmPelsHeight);
constexpr auto kFileFormat = NW_RECORD_FIELD(std::uint32_t, FileFormat);
constexpr auto kPageWidthInPixels = NW_RECORD_FIELD(std::uint32_t, PageWidthInPixels);
constexpr auto kPageHeightInPixels = NW_RECORD_FIELD(std::uint32_t, PageHeightInPixels);
constexpr auto kPDFCompressionFlags = NW_RECORD_FIELD(std::uint16_t, PDFCompressionFlags);

constexpr std::uint32_t kDmPaperSize = 0x2;
constexpr std::int16_t kPaperUser = 256;  // DMPAPER_USER
constexpr std::int16_t kPortrait = 1;
constexpr std::int16_t kLandscape = 2;
constexpr std::int32_t kLetterWidth = 2159;
constexpr std::int32_t kLetterLength = 2794;
constexpr std::int32_t kMaxPaperTenths = 327660;
constexpr std::int32_t kFaxResolutionCode = -6;

// Capability bits of the installed driver.
constexpr std::uint32_t kCapsMonochrome = 0x1;
constexpr std::uint32_t kCapsFormat18 = 0x2;
constexpr std::uint32_t kCapsDocumentFormats = 0x4;
constexpr std::uint32_t kCapsAllFormats = 0x8 | 0x10 | 0x800 | 0x1000 | 0x2000;

// Sets of file formats (all below 64) as bit masks.
constexpr std::uint64_t Formats(std::initializer_list<std::pair<int, int>> ranges) {
    std::uint64_t mask = 0;
    for (const auto& [low, high] : ranges)
        for (int f = low; f <= high; ++f) mask |= std::uint64_t{1} << f;
    return mask;
}
constexpr std::uint64_t kMonochromeFormats =
    Formats({{0, 9}, {11, 15}, {19, 19}, {21, 27}, {29, 30}, {42, 48}});
constexpr std::uint64_t kDocumentFormats = Formats({{20, 20}, {35, 36}, {38, 38}, {40, 41}});
constexpr std::uint64_t kMultipageFormats =
    Formats({{2, 10}, {20, 23}, {30, 30}, {35, 42}, {44, 44}, {46, 46}, {48, 48}});
constexpr std::uint64_t kFaxFormats = Formats({{21, 23}});
constexpr std::uint64_t kForcedMultipageFormats = Formats({{42, 42}, {44, 44}, {46, 46}});

bool InSet(std::uint64_t set, std::uint32_t format) { return format < 64 && (set >> format & 1u) != 0; }

// Private numbers with a legal range: outside [low, high] becomes replacement.
struct Clamp {
    record::Field<std::uint32_t> field;
    std::uint32_t low;
    std::uint32_t high;
    std::uint32_t replacement;
};
constexpr Clamp kClamps[] = {
    {NW_RECORD_FIELD(std::uint32_t, LossRatio), 0, 100, 75},
    {NW_RECORD_FIELD(std::uint32_t, FaxHeader), 0, 100, 0},
    {NW_RECORD_FIELD(std::uint32_t, Brightness), 1, 199, 100},
    {NW_RECORD_FIELD(std::uint32_t, Dithering), 0, 9, 8},
    {NW_RECORD_FIELD(std::uint32_t, StartFlags), 0, 0x0FFFFFFF, 10},
    {NW_RECORD_FIELD(std::uint32_t, FileGenerationMethod), 0, 9, 0},
};

constexpr std::uint16_t kPdfCompressions[] = {32, 512, 1024, 2048, 4096};
constexpr std::uint16_t kDefaultPdfCompression = 512;
constexpr int kCheckedParamCodes = 15;
constexpr int kMaxParamCode = 16;

int RoundToInt(double value) { return static_cast<int>(value + 0.5); }

std::int16_t Tenths(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, INT16_MIN, INT16_MAX));
}

std::uint32_t PixelsOfTenths(std::int32_t tenths, int dpi) {
    return static_cast<std::uint32_t>(RoundToInt(static_cast<double>(tenths) * dpi / 254.0));
}

bool FaxOutputEnabled(const NordwispDEVMODE* record) { return ReadSwitch(record, switches::FaxOutput) != 0; }

// Steps 4 to 6: the paper code through the cached list.
void ResolvePaper(HANDLE printer, NordwispDEVMODE* record, int forceReload, record::Dpi dpi) {
    papers::PaperListLock lock;
    papers::PaperCache& cache = papers::CachedPaperList();
    if (cache.filled && forceReload == 0) {
        Trace(W("pPapers != NULL, not calling BuildPaperList 1"));
    } else {
        Trace(W("VerifyDevModeRange (2)"));
        cache.papers.clear();
        cache.filled = false;
        Trace(W("BuildPaperList Calling"));
        cache.papers = papers::BuildPaperListForPrinter(printer, record);
        cache.filled = !cache.papers.empty();
    }
    if (cache.papers.empty()) return;

    const std::int16_t code = kPaperSize.Get(record);
    const std::size_t examined = code == kPaperUser ? 1 : cache.papers.size();
    const papers::PaperEntry* found = nullptr;
    for (std::size_t i = 0; i < examined && found == nullptr; ++i)
        if (cache.papers[i].nWindowsPaperCode == code) found = &cache.papers[i];

    if (found == nullptr) {
        Trace(W("VerifyDevModeRange: DMPAPER_USER"));
        kPaperSize.Set(record, kPaperUser);
        kPageWidthInPixels.Set(record, PixelsOfTenths(PaperWidthOf(record), dpi.x));
        kPageHeightInPixels.Set(record, PixelsOfTenths(PaperLengthOf(record), dpi.y));
        return;
    }
    Trace(W("VerifyDevModeRange: found paper %d (%d)"), found->nWindowsPaperCode,
          static_cast<int>(found - cache.papers.data()));

    // Landscape pages take the resolutions the other way round, except fax
    // output, whose pages the driver rotates itself.
    int dpiX = dpi.x;
    int dpiY = dpi.y;
    if (kOrientation.Get(record) == kLandscape && !FaxOutputEnabled(record)) std::swap(dpiX, dpiY);
    const double width = found->sPhysSize.x;
    const double height = found->sPhysSize.y;
    std::uint32_t pixelsX = found->sPhysSize.x;
    std::uint32_t pixelsY = found->sPhysSize.y;
    std::int32_t tenthsX = static_cast<std::int32_t>(found->sPhysSize.x);
    std::int32_t tenthsY = static_cast<std::int32_t>(found->sPhysSize.y);
    switch (found->nUnits) {
        case papers::kUnitsInches:
            pixelsX = static_cast<std::uint32_t>(RoundToInt(width * dpiX / 100.0));
            pixelsY = static_cast<std::uint32_t>(RoundToInt(height * dpiY / 100.0));
            tenthsX = RoundToInt(width * 2.54);
            tenthsY = RoundToInt(height * 2.54);
            break;
        case papers::kUnitsMillimetres:
            pixelsX = static_cast<std::uint32_t>(RoundToInt(width * dpiX / 254.0));
            pixelsY = static_cast<std::uint32_t>(RoundToInt(height * dpiY / 254.0));
            break;
        default: {
            const int qualityX = record::PrintQuality.Get(record);
            const int qualityY = record::YResolution.Get(record) != 0 ? record::YResolution.Get(record) : qualityX;
            tenthsX = qualityX != 0 ? RoundToInt(width * 254.0 / qualityX) : 0;
            tenthsY = qualityY != 0 ? RoundToInt(height * 254.0 / qualityY) : 0;
            if (tenthsX == 0) tenthsX = 1;
            if (tenthsY == 0) tenthsY = 1;
            break;
        }
    }
    Trace(W("VerifyDevModeRange: ptSizeInPixels.x: %d, ptSizeInPixels.y: %d"), pixelsX, pixelsY);
    Trace(W("VerifyDevModeRange: ptSize.x: %d, ptSize.y: %d"), tenthsX, tenthsY);
    SetPaperDimensions(record, tenthsX, tenthsY);
    kPageWidthInPixels.Set(record, pixelsX);
    kPageHeightInPixels.Set(record, pixelsY);
}

// Step 9: the output families the driver offers.
void ApplyOutputFamily(NordwispDEVMODE* record, std::uint32_t caps) {
    const std::uint32_t format = kFileFormat.Get(record);
    if ((caps & kCapsFormat18) != 0) {
        kFileFormat.Set(record, 18);
    } else if ((caps & kCapsAllFormats) != 0) {
        if (format >= 49) {
            kFileFormat.Set(record, 16);
            kColor.Set(record, 2);
            kBitsPerPel.Set(record, 24);
            WriteNumber(record, geometry::ColorDepth, 3);
        }
    } else if ((caps & kCapsMonochrome) != 0) {
        if (!InSet(kMonochromeFormats, format)) kFileFormat.Set(record, 4);
    } else if ((caps & kCapsDocumentFormats) != 0) {
        if (!InSet(kDocumentFormats, format)) kFileFormat.Set(record, 20);
    }
    if ((caps & kCapsMonochrome) != 0) {
        kColor.Set(record, 1);
        WriteNumber(record, geometry::ColorDepth, 0);
        kBitsPerPel.Set(record, 1);
    } else if ((caps & kCapsFormat18) != 0) {
        kColor.Set(record, 2);
        WriteNumber(record, geometry::ColorDepth, 3);
        kBitsPerPel.Set(record, 24);
    }
}

// Step 12: codes above 16, a repeated code or a gap reset the order.
void CheckStartParamCodes(NordwispDEVMODE* record) {
    std::int32_t codes[kCheckedParamCodes];
    for (int i = 0; i < kCheckedParamCodes; ++i) codes[i] = accessors::GetStartParamCode(record, i);
    bool reset = std::any_of(std::begin(codes), std::end(codes), [](std::int32_t c) { return c > kMaxParamCode; });
    for (int i = 0; !reset && i < kCheckedParamCodes; ++i)
        for (int j = i + 1; !reset && j < kCheckedParamCodes; ++j) reset = codes[i] != 0 && codes[i] == codes[j];
    for (int i = 0; !reset && i < kCheckedParamCodes; ++i)
        if (codes[i] == 0)
            reset = std::any_of(codes + i + 1, std::end(codes), [](std::int32_t c) { return c != 0; });
    if (!reset) return;
    for (int i = 0; i < kCheckedParamCodes; ++i) accessors::SetStartParamCode(record, i, i + 1);
}

void ApplyFormatRules(NordwispDEVMODE* record) {
    const std::uint32_t format = kFileFormat.Get(record);
    if (InSet(kFaxFormats, format)) {
        if (!FaxOutputEnabled(record)) {
            accessors::SetChoice(record, numbers::FaxOutputMode, 0);
            WriteSwitch(record, switches::RotatePaper, true);
            WriteNumber(record, geometry::XDPI, kFaxResolutionCode);
            WriteNumber(record, geometry::YDPI, kFaxResolutionCode);
        }
        WriteSwitch(record, switches::MultipageImage, true);
    }
    if (FaxOutputEnabled(record)) WriteSwitch(record, switches::RotatePaper, true);
    if (!InSet(kMultipageFormats, format)) WriteSwitch(record, switches::MultipageImage, false);
    if (InSet(kForcedMultipageFormats, format)) WriteSwitch(record, switches::MultipageImage, true);

    const std::uint16_t compression = kPDFCompressionFlags.Get(record);
    if (std::find(std::begin(kPdfCompressions), std::end(kPdfCompressions), compression) == std::end(kPdfCompressions))
        kPDFCompressionFlags.Set(record, kDefaultPdfCompression);
}

}  // namespace

std::int32_t PaperWidthOf(const NordwispDEVMODE* record) { return kPaperWidth.Get(record) * kScale.Get(record) / 100; }
std::int32_t PaperLengthOf(const NordwispDEVMODE* record) {
    return kPaperLength.Get(record) * kScale.Get(record) / 100;
}

void SetPaperDimensions(NordwispDEVMODE* record, std::int32_t width, std::int32_t length) {
    const bool fit = width < 32767 && length < 32767;
    kScale.Set(record, fit ? 100 : 1000);
    kPaperWidth.Set(record, Tenths(fit ? width : width / 10));
    kPaperLength.Set(record, Tenths(fit ? length : length / 10));
}


void VerifyDevModeRange(HANDLE printer, NordwispDEVMODE* record, int forceReloadPapers, std::uint32_t capabilities) {
    Trace(W("> VerifyDevModeRange (hPrinter=%p, lpDevMode=%p, bForceReloadPapers=%d)"), printer, record,
          forceReloadPapers);
    if (record == nullptr) {
        Trace(W("< VerifyDevModeRange[1]"));
        return;
    }
    // The accessors used below run their own frame; verification is no export.
    const std::uint32_t lastError = LastErrorValue();

    // Pixel sizes use the resolutions as they were, before the clamp below.
    const record::Dpi dpi = record::RecordDpi(record);
    for (const auto& field : {record::PrintQuality, record::YResolution}) {
        const std::int16_t value = field.Get(record);
        if (value < 50 || value > 3000) field.Set(record, 300);
    }
    kFields.Set(record, kFields.Get(record) | kDmPaperSize);

    ResolvePaper(printer, record, forceReloadPapers, dpi);

    const std::int32_t width = PaperWidthOf(record);
    const std::int32_t length = PaperLengthOf(record);
    const bool widthBad = width < 1 || width > kMaxPaperTenths;
    const bool lengthBad = length < 1 || length > kMaxPaperTenths;
    if (widthBad || lengthBad) {
        SetPaperDimensions(record, widthBad ? kLetterWidth : width, lengthBad ? kLetterLength : length);
        if (widthBad) kPageWidthInPixels.Set(record, PixelsOfTenths(kLetterWidth, dpi.x));
        if (lengthBad) kPageHeightInPixels.Set(record, PixelsOfTenths(kLetterLength, dpi.y));
    }

    if (kPelsWidth.Get(record) == 0 || kPelsWidth.Get(record) >= 65536) kPelsWidth.Set(record, 2550);
    if (kPelsHeight.Get(record) == 0 || kPelsHeight.Get(record) >= 65536) kPelsHeight.Set(record, 3300);
    if (kOrientation.Get(record) != kPortrait && kOrientation.Get(record) != kLandscape)
        kOrientation.Set(record, kPortrait);

    ApplyOutputFamily(record, capabilities);
    Trace(W("VerifyDevModeRange: lpDevMode->DM.dmColor: %d"), kColor.Get(record));

    for (const Clamp& clamp : kClamps) {
        const std::uint32_t value = clamp.field.Get(record);
        if (value < clamp.low || value > clamp.high) clamp.field.Set(record, clamp.replacement);
    }
    CheckStartParamCodes(record);
    ApplyFormatRules(record);

    env::RefreshSessionID(record);
    SetLastErrorValue(lastError);
    Trace(W("< VerifyDevModeRange"));
}

}  // namespace nw
