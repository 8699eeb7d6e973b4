#include "settings/email_client.h"

#include <array>

#include "settings/registry_primitives.h"

namespace nw::settings {

std::int32_t ReadEmailClientType(const NordwispDEVMODE* record) {
    std::array<WCHAR, 9> text{};
    DWORD size = 16;
    if (!ReadPrinterValue(record, kVendorKey, email::ClientType.subKey, email::ClientType.name, text.data(), &size))
        return 0;
    return text[0] == '1' && text[1] == 0 ? 1 : 0;
}

}  // namespace nw::settings
