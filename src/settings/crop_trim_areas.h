// The crop and trim areas of "Page Settings": four DWORDs each, left,
// right, top and bottom; 0 when missing.
#pragma once

#include "settings/family_tables.h"

namespace nw::settings {

struct AreaRows {
    const DwordValue& left;
    const DwordValue& right;
    const DwordValue& top;
    const DwordValue& bottom;
};
inline constexpr AreaRows kCropArea{page::CropLeft, page::CropRight, page::CropTop, page::CropBottom};
inline constexpr AreaRows kTrimArea{page::TrimLeft, page::TrimRight, page::TrimTop, page::TrimBottom};

// Each non-null pointer receives its value; always 1.
int ReadArea(const NordwispDEVMODE* record, const AreaRows& rows, int* left, int* right, int* top, int* bottom);
// 1 when all four were written.
int WriteArea(const NordwispDEVMODE* record, const AreaRows& rows, int left, int right, int top, int bottom);

}  // namespace nw::settings
