#include "settings/image_watermark.h"

#include <array>
#include <cstddef>

#include "settings/driver_data_file.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

constexpr std::array<std::int32_t, 12> kPositionByIndex{1, 2, 4, 8, 16, 32, 64, 128, 320, 576, 272, 528};

bool IsPositionCode(std::int32_t code) {
    for (std::int32_t known : kPositionByIndex)
        if (known == code) return true;
    return false;
}

const WCHAR* FirstImageName(bool landscape) {
    return landscape ? W("First Image Landscape") : W("First Image Portrait");
}
const WCHAR* FirstImageBrightnessName(bool landscape) {
    return landscape ? W("First Image Landscape Brightness") : W("First Image Portrait Brightness");
}
const WCHAR* FirstImagePositionName(bool landscape) {
    return landscape ? W("First Image Landscape Position") : W("First Image Portrait Position");
}

}  // namespace

int ReadFirstImageFile(const NordwispDEVMODE* record, bool landscape, WCHAR* buffer, DWORD* size) {
    return ReadPrinterValue(record, kVendorKey, subkeys::kWatermark, FirstImageName(landscape), buffer, size);
}

int WriteFirstImageFile(const NordwispDEVMODE* record, bool landscape, const WCHAR* text) {
    if (text == nullptr) return 0;
    return WritePrinterString(record, kVendorKey, subkeys::kWatermark, FirstImageName(landscape), text);
}

std::int32_t ReadFirstImageBrightness(const NordwispDEVMODE* record, bool landscape) {
    constexpr DWORD kDefault = 40;
    DWORD value = kDefault;
    if (!ReadPrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImageBrightnessName(landscape), &value) ||
        value > 100)
        return kDefault;
    return static_cast<std::int32_t>(value);
}

int WriteFirstImageBrightness(const NordwispDEVMODE* record, bool landscape, std::int32_t value) {
    if (!Between(0, 100).Accepts(value)) return 0;
    return WritePrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImageBrightnessName(landscape),
                             static_cast<DWORD>(value));
}

std::int32_t ReadFirstImagePosition(const NordwispDEVMODE* record, bool landscape) {
    constexpr std::int32_t kDefault = 4;
    DWORD value = kDefault;
    if (!ReadPrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImagePositionName(landscape), &value))
        return kDefault;
    const auto code = static_cast<std::int32_t>(value);
    return IsPositionCode(code) ? code : kDefault;
}

int WriteFirstImagePosition(const NordwispDEVMODE* record, bool landscape, std::int32_t code) {
    if (!IsPositionCode(code)) return 0;
    return WritePrinterDword(record, kVendorKey, subkeys::kWatermark, FirstImagePositionName(landscape),
                             static_cast<DWORD>(code));
}

std::int32_t FirstImagePositionToIndex(std::int32_t code) {
    for (std::size_t i = 0; i < kPositionByIndex.size(); ++i)
        if (kPositionByIndex[i] == code) return static_cast<std::int32_t>(i);
    return 2;
}

std::int32_t FirstImageIndexToPosition(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kPositionByIndex.size()) return 4;
    return kPositionByIndex[static_cast<std::size_t>(index)];
}

WString ReadWatermarkDirectory(const NordwispDEVMODE* record) {
    constexpr DWORD kLimit = 64 * 1024;
    WString directory;
    if (ReadWholeText(record, watermark::Directory, kLimit, directory)) return directory;
    const WString dataFile = DriverDataFile(record);
    if (dataFile.empty()) return {};
    std::array<WCHAR, 261> buffer{};
    const DWORD length = ::GetPrivateProfileStringW(W("Default Settings"), W("WatermarkDirectory"), W(""),
                                                    buffer.data(), static_cast<DWORD>(buffer.size()), dataFile.c_str());
    return WString(buffer.data(), length);
}

}  // namespace nw::settings
