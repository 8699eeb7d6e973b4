#include "barcode/barcode_writer.h"

#include <cstring>
#include <string>

#include "accessors/numeric_accessors.h"
#include "accessors/switch_accessors.h"
#include "frame/trace.h"

namespace nw::barcode {

namespace {

namespace numbers = accessors::numbers;
namespace switches = accessors::switches;

// The engines' side, all stdcall on Windows (BarcodeEngine.h of the
// reference engines).
using WriteQRFn = HGLOBAL(WINAPI*)(HGLOBAL, const char*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                   std::int32_t, std::int32_t, std::int32_t, std::int32_t*);
using GetQRSizeFn = std::int32_t(WINAPI*)(const char*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                          std::int32_t*);
using WriteDataMatrixFn = HGLOBAL(WINAPI*)(HGLOBAL, const char*, std::int32_t, std::int32_t, std::int32_t,
                                           std::int32_t, std::int32_t, std::int32_t, const void*, std::int32_t*);
using GetDataMatrixSizeFn = std::int32_t(WINAPI*)(HGLOBAL, const char*, std::int32_t, std::int32_t, std::int32_t,
                                                  std::int32_t, std::int32_t, std::int32_t, const void*,
                                                  std::int32_t*);
using WritePDF417Fn = HGLOBAL(WINAPI*)(HGLOBAL, const char*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                       std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                       std::int32_t, std::int32_t, std::int32_t*);
using GetPDF417SizeFn = std::int32_t(WINAPI*)(HGLOBAL, const char*, std::int32_t, std::int32_t, std::int32_t,
                                              std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                              std::int32_t, std::int32_t, std::int32_t, std::int32_t*,
                                              std::int32_t*, std::int32_t*);
using WriteBarCodeFn = HGLOBAL(WINAPI*)(HGLOBAL, std::int32_t, const RECT*, const char*, std::int32_t, std::int32_t,
                                        std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                        std::int32_t*);
using GetBarCodeSizeFn = std::int32_t(WINAPI*)(HGLOBAL, std::int32_t, const RECT*, const char*, std::int32_t,
                                               std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                               std::int32_t, std::int32_t*, std::int32_t*, std::int32_t*);

struct EntryPointNames {
    const char* draw;
    const char* size;
};
constexpr EntryPointNames kEntryPoints[4] = {
    {"WriteQR", "GetQRSize"},
    {"WriteDataMatrix", "GetDataMatrixSize"},
    {"WritePDF417Barcode", "GetPDF417Size"},
    {"WriteBarCodeToRectangle", "GetBarCodeSize"},
};

constexpr DWORD kPrinterTypeRelease = 0x80;
constexpr DWORD kPrinterTypeEditions = 0x100 | 0x40 | 0x20;

// The DataMatrix append block, packed as the engines read it.
struct AppendBlock {
    unsigned char bytes[6];
};

std::int32_t Number(const NordwispDEVMODE* record, const accessors::Number& row) {
    return accessors::ReadNumber(record, row);
}
std::int32_t Flag(const NordwispDEVMODE* record, const accessors::Switch& row) {
    return accessors::ReadSwitch(record, row);
}

bool RunsOnArm64() {
    const auto isWow64Process2 = ModuleFunction<IsWow64Process2Fn>(::GetModuleHandleW(W("kernel32")), "IsWow64Process2");
    USHORT process = 0, native = 0;
    return isWow64Process2 != nullptr && isWow64Process2(::GetCurrentProcess(), &process, &native) &&
           native == IMAGE_FILE_MACHINE_ARM64;
}

void CopyName(WCHAR (&field)[MAX_PATH], const WString& name) {
    const std::size_t n = name.size() < MAX_PATH - 1 ? name.size() : MAX_PATH - 1;
    std::memcpy(field, name.data(), n * sizeof(WCHAR));
    field[n] = 0;
}

// The orientation code of the 1D engines for GetBarcodeOrientation 0 to 3.
std::int32_t OneDOrientationCode(std::int32_t orientation) {
    constexpr std::int32_t kCodes[4] = {0, 2, 1, 3};
    return orientation >= 0 && orientation < 4 ? kCodes[orientation] : orientation;
}

RECT OneDRectangle(const NordwispDEVMODE* record) {
    RECT rect{0, 0, 0, 0};
    if (!Flag(record, switches::OneDFixedHeight)) return rect;
    std::int32_t height = Number(record, numbers::OneDHeight);
    if (height > 0) --height;
    const std::int32_t orientation = Number(record, numbers::BarcodeOrientation);
    (orientation == 1 || orientation == 3 ? rect.right : rect.bottom) = height;
    return rect;
}

AppendBlock DataMatrixAppend(const NordwispDEVMODE* record) {
    AppendBlock block{};
    block.bytes[0] = static_cast<unsigned char>(Number(record, numbers::DMAppendTotal));
    block.bytes[1] = static_cast<unsigned char>(Number(record, numbers::DMAppendIndex));
    const auto chain = static_cast<std::uint32_t>(Number(record, numbers::DMAppendChainID));
    std::memcpy(block.bytes + 2, &chain, sizeof chain);
    return block;
}

WString Decimal(std::int32_t value) {
    const std::string text = std::to_string(value);
    return WString(text.begin(), text.end());
}

}  // namespace

CBarcodeWriter::~CBarcodeWriter() {
    for (auto& module : modules_) module.reset();
    for (auto& pair : entryPoints_) pair[0] = pair[1] = nullptr;
    delete[] errorText_;
}

bool CBarcodeWriter::BuildModuleNames(const NordwispDEVMODE* record) {
    if (namesReady_) return true;
    const auto type = static_cast<DWORD>(accessors::ReadNumber(record, numbers::PrinterType));
    WString prefix, suffix;
    if ((type & kPrinterTypeEditions) == 0) {
        if ((type & kPrinterTypeRelease) == 0) return false;
        prefix = W("Vy");
        suffix = W("r");
        release_ = 1;
    } else {
        if ((type & (0x1 | 0x4 | 0x10)) == 0) return false;
        prefix = (type & 0x1) ? W("VyM") : (type & 0x4) ? W("VyP") : W("VyA");
        if (type & 0x100) suffix = W("r");
        release_ = 0;
    }
    if (RunsOnArm64()) suffix += W("A");
    CopyName(qrName_, prefix + W("QxQR") + suffix + W(".dll"));
    CopyName(dmName_, prefix + W("QxDM") + suffix + W(".dll"));
    CopyName(p417Name_, prefix + W("QxP417") + suffix + W(".dll"));
    CopyName(oneDName_, prefix + W("Qz1D") + suffix + W(".dll"));
    namesReady_ = 1;
    return true;
}

const WCHAR* CBarcodeWriter::ModuleName(int kind) const {
    switch (kind) {
        case kQR: return qrName_;
        case kDataMatrix: return dmName_;
        case kPDF417: return p417Name_;
        case kOneD: return oneDName_;
        default: return nullptr;
    }
}

bool CBarcodeWriter::LoadEngine(const NordwispDEVMODE* record) {
    const std::int32_t kind = Number(record, numbers::BarcodeType);
    if (kind < kQR || kind > kOneD || !namesReady_) return false;
    if (modules_[kind]) return true;
    ModuleHandle module(::LoadLibraryW(ModuleName(kind)));
    if (!module) return false;
    const std::string prefix = release_ ? "pdrel_" : "pd_";
    const auto draw = ModuleFunction<Proc>(module.get(), (prefix + kEntryPoints[kind].draw).c_str());
    const auto size = ModuleFunction<Proc>(module.get(), (prefix + kEntryPoints[kind].size).c_str());
    if (draw == nullptr || size == nullptr) return false;  // the module is freed again
    entryPoints_[kind][0] = draw;
    entryPoints_[kind][1] = size;
    modules_[kind] = std::move(module);
    return true;
}

void CBarcodeWriter::SetError(std::int32_t code, const WCHAR* text) {
    if (errorCode_ != kNoError) return;
    errorCode_ = code;
    if (text == nullptr) return;
    const std::size_t length = std::char_traits<WCHAR>::length(text);
    errorText_ = new WCHAR[length + 1];
    std::memcpy(errorText_, text, (length + 1) * sizeof(WCHAR));
}

WString CBarcodeWriter::ErrorMessage() const {
    static const WCHAR* const kMessages[] = {W("No Error"),
                                             W("Internal Error"),
                                             W("Invalid barcode value"),
                                             W("Regular expression file not found"),
                                             W("Regular expression format file not found"),
                                             W("Barcode value file not found")};
    if (errorCode_ < kNoError || errorCode_ > kValueFileNotFound) return W("Unknown Error");
    WString message = kMessages[errorCode_];
    if (errorCode_ != kNoError && errorText_ != nullptr) message += W(" (") + WString(errorText_) + W(")");
    return message;
}

void CBarcodeWriter::RecordEngineError(std::int32_t engineError, bool oneD) {
    if (engineError == 0) return;
    if (engineError == -1 || engineError == (oneD ? -4 : -3)) return SetError(kInvalidValue, nullptr);
    SetError(kInternalError, Decimal(engineError).c_str());
}

bool CBarcodeWriter::GetBarcodeSize(const char* value, int length, int* width, int* height,
                                    const NordwispDEVMODE* record) {
    *width = *height = 0;
    const std::int32_t kind = Number(record, numbers::BarcodeType);
    if (kind < kQR || kind > kOneD || entryPoints_[kind][1] == nullptr) return false;
    const Proc entry = entryPoints_[kind][1];
    const std::int32_t orientation = Number(record, numbers::BarcodeOrientation);
    std::int32_t error = 0;
    switch (kind) {
        case kQR: {
            const std::int32_t side = reinterpret_cast<GetQRSizeFn>(entry)(
                value, length, Number(record, numbers::QRModuleSize), Number(record, numbers::QRQuietZone),
                Number(record, numbers::QRErrorCorrectionLevel), &error);
            Trace(W("CBarcodeWriter::GetBarcodeSize: GetQRSize: %d, err: %d"), side, error);
            *width = *height = side;
            break;
        }
        case kDataMatrix: {
            const AppendBlock append = DataMatrixAppend(record);
            const std::int32_t side = reinterpret_cast<GetDataMatrixSizeFn>(entry)(
                nullptr, value, length + 1, Number(record, numbers::DMModuleSize), 0, 0, orientation,
                Number(record, numbers::DMQuietZone), Flag(record, switches::DMAppend) ? append.bytes : nullptr,
                &error);
            Trace(W("CBarcodeWriter::GetBarcodeSize: GetDataMatrixSize: %d, err: %d"), side, error);
            *width = *height = side + 1;
            break;
        }
        case kPDF417: {
            std::int32_t w = 0, h = 0;
            reinterpret_cast<GetPDF417SizeFn>(entry)(
                nullptr, value, length, Flag(record, switches::P417Truncated), Number(record, numbers::P417Columns),
                Number(record, numbers::P417Rows), Number(record, numbers::P417ErrorCorrectionLevel),
                Number(record, numbers::P417ColWidth), Number(record, numbers::P417ColHeight), 0, 0, orientation,
                Number(record, numbers::P417QuietZone), &w, &h, &error);
            Trace(W("CBarcodeWriter::GetBarcodeSize: GetPDF417Size: %d:%d, err: %d"), w, h, error);
            *width = w + 1;
            *height = h + 1;
            break;
        }
        default: {
            if (length > kLongestOneDValue) {
                SetError(kInvalidValue, nullptr);
                return false;
            }
            const RECT rect = OneDRectangle(record);
            std::int32_t w = 0, h = 0;
            reinterpret_cast<GetBarCodeSizeFn>(entry)(
                nullptr, Number(record, numbers::OneDBarcodeSubtype), &rect, value, OneDOrientationCode(orientation),
                Flag(record, switches::OneDWriteText), Number(record, numbers::OneDMinimalBarWidth),
                Number(record, numbers::OneDMinimalSpaceWidth), Number(record, numbers::OneDRatio),
                Number(record, numbers::OneDQuietZone), 0, &w, &h, &error);
            Trace(W("CBarcodeWriter::GetBarcodeSize: Get1DBarcodeSize: %d:%d, err: %d, rect: %d %d %d %d"), w, h,
                  error, rect.left, rect.top, rect.right, rect.bottom);
            *width = w + 1;
            *height = h + 1;
            break;
        }
    }
    RecordEngineError(error, kind == kOneD);
    return error == 0;
}

HGLOBAL CBarcodeWriter::DrawBarcode(HGLOBAL bitmap, const char* value, int length, const NordwispDEVMODE* record) {
    const std::int32_t kind = Number(record, numbers::BarcodeType);
    if (kind < kQR || kind > kOneD || entryPoints_[kind][0] == nullptr) return bitmap;
    const Proc entry = entryPoints_[kind][0];
    const std::int32_t orientation = Number(record, numbers::BarcodeOrientation);
    std::int32_t error = 0;
    HGLOBAL drawn = bitmap;
    switch (kind) {
        case kQR:
            drawn = reinterpret_cast<WriteQRFn>(entry)(bitmap, value, length, Number(record, numbers::QRModuleSize), 0,
                                                       0, orientation, Number(record, numbers::QRQuietZone),
                                                       Number(record, numbers::QRErrorCorrectionLevel), &error);
            Trace(W("CBarcodeWriter::DrawBarcode: WriteQR err: %d, old: %p, new: %p"), error, bitmap, drawn);
            break;
        case kDataMatrix: {
            const AppendBlock append = DataMatrixAppend(record);
            drawn = reinterpret_cast<WriteDataMatrixFn>(entry)(
                bitmap, value, length + 1, Number(record, numbers::DMModuleSize), 0, 0, orientation,
                Number(record, numbers::DMQuietZone), Flag(record, switches::DMAppend) ? append.bytes : nullptr,
                &error);
            Trace(W("CBarcodeWriter::DrawBarcode: WriteDataMatrix err: %d, old: %p, new: %p"), error, bitmap, drawn);
            break;
        }
        case kPDF417:
            drawn = reinterpret_cast<WritePDF417Fn>(entry)(
                bitmap, value, length, Flag(record, switches::P417Truncated), Number(record, numbers::P417Columns),
                Number(record, numbers::P417Rows), Number(record, numbers::P417ErrorCorrectionLevel),
                Number(record, numbers::P417ColWidth), Number(record, numbers::P417ColHeight), 0, 0, orientation,
                Number(record, numbers::P417QuietZone), &error);
            Trace(W("CBarcodeWriter::DrawBarcode: WritePDF417Barcode err: %d, old: %p, new: %p"), error, bitmap,
                  drawn);
            break;
        default: {
            if (length > kLongestOneDValue) {
                SetError(kInvalidValue, nullptr);
                return bitmap;
            }
            const RECT rect = OneDRectangle(record);
            drawn = reinterpret_cast<WriteBarCodeFn>(entry)(
                bitmap, Number(record, numbers::OneDBarcodeSubtype), &rect, value, OneDOrientationCode(orientation),
                Flag(record, switches::OneDWriteText), Number(record, numbers::OneDMinimalBarWidth),
                Number(record, numbers::OneDMinimalSpaceWidth), Number(record, numbers::OneDRatio),
                Number(record, numbers::OneDQuietZone), 0, &error);
            Trace(W("CBarcodeWriter::DrawBarcode: WriteBarcodeToRectangle err: %d, old: %p, new: %p"), error, bitmap,
                  drawn);
            break;
        }
    }
    RecordEngineError(error, kind == kOneD);
    return drawn;
}

}  // namespace nw::barcode
