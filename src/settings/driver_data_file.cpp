#include "settings/driver_data_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "record/record.h"
#include "platform/handles.h"

namespace nw::settings {

WString DriverDataFile(const NordwispDEVMODE* record) {
    std::array<WCHAR, 33> printerName{};
    std::memcpy(printerName.data(), record::Bytes(record) + offsetof(NordwispDEVMODE, DM.dmDeviceName),
                32 * sizeof(WCHAR));
    PrinterHandle printer;
    if (!::OpenPrinterW(printerName.data(), printer.put(), nullptr)) return {};
    DWORD needed = 0;
    ::GetPrinterDriverW(printer.get(), nullptr, 2, nullptr, 0, &needed);
    if (needed == 0) return {};
    // DRIVER_INFO_2W and the strings it points into, suitably aligned.
    std::vector<std::uint64_t> block((needed + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
    auto* bytes = reinterpret_cast<LPBYTE>(block.data());
    if (!::GetPrinterDriverW(printer.get(), nullptr, 2, bytes, needed, &needed)) return {};
    const auto* info = reinterpret_cast<const DRIVER_INFO_2W*>(bytes);
    return info->pDataFile != nullptr ? WString(info->pDataFile) : WString();
}

}  // namespace nw::settings
