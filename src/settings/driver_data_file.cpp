#include "settings/driver_data_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "record/record.h"
#include "platform/handles.h"

namespace nw::settings {

DriverInfo ReadDriverInfo(HANDLE printer) {
    DriverInfo driver;
    DWORD needed = 0;
    ::GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &needed);
    if (needed < sizeof(DRIVER_INFO_2W)) return driver;
    // Suitably aligned for DRIVER_INFO_2W.
    driver.block.assign((needed + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
    if (!::GetPrinterDriverW(printer, nullptr, 2, reinterpret_cast<LPBYTE>(driver.block.data()), needed, &needed))
        driver.block.clear();
    return driver;
}

WString DriverDataFile(const NordwispDEVMODE* record) {
    std::array<WCHAR, 33> printerName{};
    std::memcpy(printerName.data(), record::Bytes(record) + offsetof(NordwispDEVMODE, DM.dmDeviceName),
                32 * sizeof(WCHAR));
    PrinterHandle printer;
    if (!::OpenPrinterW(printerName.data(), printer.put(), nullptr)) return {};
    const DriverInfo driver = ReadDriverInfo(printer.get());
    return driver.info() != nullptr && driver.info()->pDataFile != nullptr ? WString(driver.info()->pDataFile)
                                                                           : WString();
}

}  // namespace nw::settings
