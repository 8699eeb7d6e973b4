// The reference printer driver behind DocumentPropertiesW: it hands out the
// user's record (per-user, else the printer's global default) and merges an
// input record over it, public fields by dmFields and the private extension
// whole when the input has the driver's layout.
#include <cstddef>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "platform/hosted/spooler.h"
#include "platform/hosted/spooler_store.h"
#include "platform/win32api.h"

namespace nw::hosted::spooler {
namespace {

// Public fields a dmFields bit selects.
struct PublicField {
    DWORD bit;
    std::size_t offset;
    std::size_t size;
};
#define NW_PUBLIC_FIELD(bit, member) \
    PublicField { bit, offsetof(DEVMODEW, member), sizeof(DEVMODEW::member) }
constexpr PublicField kPublicFields[] = {
    NW_PUBLIC_FIELD(DM_ORIENTATION, dmOrientation),
    NW_PUBLIC_FIELD(DM_PAPERSIZE, dmPaperSize),
    NW_PUBLIC_FIELD(DM_PAPERLENGTH, dmPaperLength),
    NW_PUBLIC_FIELD(DM_PAPERWIDTH, dmPaperWidth),
    NW_PUBLIC_FIELD(DM_SCALE, dmScale),
    NW_PUBLIC_FIELD(DM_COPIES, dmCopies),
    NW_PUBLIC_FIELD(DM_DEFAULTSOURCE, dmDefaultSource),
    NW_PUBLIC_FIELD(DM_PRINTQUALITY, dmPrintQuality),
    NW_PUBLIC_FIELD(DM_COLOR, dmColor),
    NW_PUBLIC_FIELD(DM_DUPLEX, dmDuplex),
    NW_PUBLIC_FIELD(DM_YRESOLUTION, dmYResolution),
    NW_PUBLIC_FIELD(DM_TTOPTION, dmTTOption),
    NW_PUBLIC_FIELD(DM_COLLATE, dmCollate),
    NW_PUBLIC_FIELD(DM_FORMNAME, dmFormName),
    NW_PUBLIC_FIELD(DM_LOGPIXELS, dmLogPixels),
    NW_PUBLIC_FIELD(DM_BITSPERPEL, dmBitsPerPel),
    NW_PUBLIC_FIELD(DM_PELSWIDTH, dmPelsWidth),
    NW_PUBLIC_FIELD(DM_PELSHEIGHT, dmPelsHeight),
    NW_PUBLIC_FIELD(DM_NUP, dmNup),
    NW_PUBLIC_FIELD(DM_DISPLAYFREQUENCY, dmDisplayFrequency),
    NW_PUBLIC_FIELD(DM_ICMMETHOD, dmICMMethod),
    NW_PUBLIC_FIELD(DM_ICMINTENT, dmICMIntent),
    NW_PUBLIC_FIELD(DM_MEDIATYPE, dmMediaType),
    NW_PUBLIC_FIELD(DM_DITHERTYPE, dmDitherType),
    NW_PUBLIC_FIELD(DM_PANNINGWIDTH, dmPanningWidth),
    NW_PUBLIC_FIELD(DM_PANNINGHEIGHT, dmPanningHeight),
};
#undef NW_PUBLIC_FIELD

struct HookSlot {
    std::mutex lock;
    MergeHook hook;
};

HookSlot& Hook() {
    static HookSlot slot;
    return slot;
}

template <class T>
T HeaderField(const std::uint8_t* devmode, std::size_t offset) {
    T value;
    std::memcpy(&value, devmode + offset, sizeof value);
    return value;
}

// A printer known to the spooler by no record at all still has the public part.
Bytes BareDevMode(const std::u16string& printer) {
    DEVMODEW devmode{};
    const std::size_t n = printer.size() < 31 ? printer.size() : 31;
    std::memcpy(devmode.dmDeviceName, printer.data(), n * sizeof(WCHAR));
    devmode.dmSpecVersion = DM_SPECVERSION;
    devmode.dmSize = sizeof(DEVMODEW);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&devmode);
    return Bytes(bytes, bytes + sizeof devmode);
}

void Merge(Bytes& base, const std::uint8_t* input) {
    const std::size_t inputSize = DevModeSize(input, offsetof(DEVMODEW, dmFields) + sizeof(DWORD));
    if (inputSize == 0) return;
    const WORD inputPublic = HeaderField<WORD>(input, offsetof(DEVMODEW, dmSize));
    const DWORD inputFields = HeaderField<DWORD>(input, offsetof(DEVMODEW, dmFields));
    const WORD basePublic = HeaderField<WORD>(base.data(), offsetof(DEVMODEW, dmSize));
    DWORD merged = HeaderField<DWORD>(base.data(), offsetof(DEVMODEW, dmFields));
    for (const PublicField& field : kPublicFields) {
        if ((inputFields & field.bit) == 0) continue;
        if (field.offset + field.size > inputPublic || field.offset + field.size > basePublic) continue;
        std::memcpy(base.data() + field.offset, input + field.offset, field.size);
        merged |= field.bit;
    }
    std::memcpy(base.data() + offsetof(DEVMODEW, dmFields), &merged, sizeof merged);
    // The private part only makes sense in the driver's own layout.
    const WORD baseExtra = HeaderField<WORD>(base.data(), offsetof(DEVMODEW, dmDriverExtra));
    const WORD inputExtra = HeaderField<WORD>(input, offsetof(DEVMODEW, dmDriverExtra));
    if (inputPublic == basePublic && inputExtra == baseExtra && baseExtra != 0)
        std::memcpy(base.data() + basePublic, input + inputPublic, baseExtra);
}

}  // namespace

void SetMergeHook(MergeHook hook) {
    auto& slot = Hook();
    std::lock_guard guard(slot.lock);
    slot.hook = std::move(hook);
}

}  // namespace nw::hosted::spooler

using namespace nw::hosted::spooler;

LONG DocumentPropertiesW(HWND /*window*/, HANDLE printer, LPWSTR deviceName, PDEVMODEW output, PDEVMODEW input,
                         DWORD mode) {
    std::u16string name;
    if (printer != nullptr) {
        auto opened = FindHandle(printer);
        if (!opened) return -1;
        name = opened->name;
    } else if (deviceName != nullptr && PrinterExists(deviceName)) {
        name = deviceName;
    } else {
        ::SetLastError(ERROR_INVALID_PRINTER_NAME);
        return -1;
    }
    Bytes devmode = ReadEffectiveDevMode(name).value_or(BareDevMode(name));
    if (mode == 0) return static_cast<LONG>(devmode.size());
    if ((mode & DM_IN_BUFFER) && input != nullptr) {
        Merge(devmode, reinterpret_cast<const std::uint8_t*>(input));
        MergeHook hook;
        {
            auto& slot = Hook();
            std::lock_guard guard(slot.lock);
            hook = slot.hook;
        }
        if (hook) hook(name, devmode.data(), devmode.size());
    }
    if (mode & DM_OUT_BUFFER) {
        if (output == nullptr) {
            ::SetLastError(ERROR_INVALID_PARAMETER);
            return -1;
        }
        std::memcpy(output, devmode.data(), devmode.size());
    }
    return IDOK;
}
