#include "accessors/page_geometry.h"

#include "frame/export_frame.h"

namespace nw::accessors {

std::int32_t GetBitsPerPixelValue(const NordwispDEVMODE* record) noexcept {
    return Frame(kNullRecordValue, record, [&] {
        switch (ReadNumber(record, geometry::ColorDepth)) {
            case 0: return 1;
            case 1:
            case 2: return 8;
            default: return 24;
        }
    });
}

}  // namespace nw::accessors
