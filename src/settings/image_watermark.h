// The image watermark of "Watermark": the first page's image per
// orientation (file, brightness, position) and the folder of the images.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

int ReadFirstImageFile(const NordwispDEVMODE* record, bool landscape, WCHAR* buffer, DWORD* size);
int WriteFirstImageFile(const NordwispDEVMODE* record, bool landscape, const WCHAR* text);
// 40 for a missing value or one above 100.
std::int32_t ReadFirstImageBrightness(const NordwispDEVMODE* record, bool landscape);
int WriteFirstImageBrightness(const NordwispDEVMODE* record, bool landscape, std::int32_t value);
// Position bit codes; 4 for a missing or unknown stored code.
std::int32_t ReadFirstImagePosition(const NordwispDEVMODE* record, bool landscape);
int WriteFirstImagePosition(const NordwispDEVMODE* record, bool landscape, std::int32_t code);
// The settings file keeps positions as an index 0..11.
std::int32_t FirstImagePositionToIndex(std::int32_t code);
std::int32_t FirstImageIndexToPosition(std::int32_t index);

// The image watermark folder of the settings file: "Watermark Directory",
// else the driver data file's "Default Settings" "WatermarkDirectory", else
// empty.
WString ReadWatermarkDirectory(const NordwispDEVMODE* record);

}  // namespace nw::settings
