// Paper sizes and the forced paper size. The paper operations report a null
// record as an invalid argument (87), not as -1000.
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispDEVMODE.h"
#include "papers/paper_operations.h"

using namespace nw;

namespace {

// Stores 0, then runs the operation, which stores its own failures.
template <class Op>
int PaperFrame(Op&& op) noexcept {
    SetLastErrorValue(0);
    return Guarded(0, static_cast<Op&&>(op));
}

}  // namespace

extern "C" int NW_API AddPaperSize(const NordwispDEVMODE* record, const NWCHAR* title, int width, int height,
                                   int units) noexcept {
    return PaperFrame([&] { return papers::AddPaper(record, title, width, height, units); });
}

extern "C" int NW_API AddPaperSizeA(const NordwispDEVMODE* record, const char* title, int width, int height,
                                    int units) noexcept {
    return Guarded(0, [&] {
        return WithHeapWide(title, [&](const WCHAR* wide) { return AddPaperSize(record, wide, width, height, units); });
    });
}

extern "C" int NW_API ModifyPaperSize(const NordwispDEVMODE* record, const NWCHAR* currentTitle,
                                      const NWCHAR* newTitle, int width, int height, int units) noexcept {
    return PaperFrame([&] { return papers::ModifyPaper(record, currentTitle, newTitle, width, height, units); });
}

extern "C" int NW_API ModifyPaperSizeA(const NordwispDEVMODE* record, const char* currentTitle, const char* newTitle,
                                       int width, int height, int units) noexcept {
    return Guarded(0, [&] {
        return WithHeapWide(currentTitle, [&](const WCHAR* current) {
            return WithHeapWide(newTitle, [&](const WCHAR* renamed) {
                return ModifyPaperSize(record, current, renamed, width, height, units);
            });
        });
    });
}

extern "C" int NW_API DeletePaperSize(const NordwispDEVMODE* record, const NWCHAR* title) noexcept {
    return PaperFrame([&] { return papers::DeletePaper(record, title); });
}

extern "C" int NW_API DeletePaperSizeA(const NordwispDEVMODE* record, const char* title) noexcept {
    return Guarded(0, [&] { return WithHeapWide(title, [&](const WCHAR* wide) { return DeletePaperSize(record, wide); }); });
}

extern "C" int NW_API GetPaperInfo(const NordwispDEVMODE* record, const NWCHAR* title, int* width, int* height,
                                   int* units) noexcept {
    return PaperFrame([&] { return papers::PaperInfo(record, title, width, height, units); });
}

extern "C" int NW_API GetPaperInfoA(const NordwispDEVMODE* record, const char* title, int* width, int* height,
                                    int* units) noexcept {
    return Guarded(0, [&] {
        return WithHeapWide(title, [&](const WCHAR* wide) { return GetPaperInfo(record, wide, width, height, units); });
    });
}

extern "C" int NW_API GetPaperName(const NordwispDEVMODE* record, int code, NWCHAR* buffer, int* size) noexcept {
    return PaperFrame([&] { return papers::PaperName(record, code, buffer, size); });
}

extern "C" int NW_API GetPaperNameA(const NordwispDEVMODE* record, int code, char* buffer, int* size) noexcept {
    return PaperFrame([&] { return papers::PaperNameAnsi(record, code, buffer, size); });
}

extern "C" int NW_API EnableForcePaperSize(NordwispDEVMODE* record) noexcept {
    return Frame(0, record, [&] { return papers::ForcePaperSize(record); });
}
