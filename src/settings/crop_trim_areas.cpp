#include "settings/crop_trim_areas.h"

#include <array>
#include <utility>

namespace nw::settings {

int ReadArea(const NordwispDEVMODE* record, const AreaRows& rows, int* left, int* right, int* top, int* bottom) {
    const std::array<std::pair<const DwordValue*, int*>, 4> parts{
        {{&rows.left, left}, {&rows.right, right}, {&rows.top, top}, {&rows.bottom, bottom}}};
    for (const auto& [row, out] : parts)
        if (out != nullptr) *out = ReadSetting(record, *row);
    return 1;
}

int WriteArea(const NordwispDEVMODE* record, const AreaRows& rows, int left, int right, int top, int bottom) {
    const int a = WriteSetting(record, rows.left, left);
    const int b = WriteSetting(record, rows.right, right);
    const int c = WriteSetting(record, rows.top, top);
    const int d = WriteSetting(record, rows.bottom, bottom);
    return a && b && c && d ? 1 : 0;
}

}  // namespace nw::settings
