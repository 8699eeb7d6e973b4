#include "settings/client_directory.h"

#include "record/record.h"
#include "platform/handles.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

constexpr std::uint32_t kPrinterFlagDirectoryFromClient = 0x4;

struct SidTraits {
    static PSID Invalid() { return nullptr; }
    static void Close(PSID sid) { ::FreeSid(sid); }
};
using SidOwner = UniqueHandle<PSID, SidTraits>;

}  // namespace

int ReadUseDirectoryFromClient(const NordwispDEVMODE* record) {
    DWORD value = 0;
    ReadPrinterDwordAt(HKEY_USERS, record, kMachineDefaultBase, subkeys::kFilenameGeneration,
                       filename_generation::kUseDirectoryFromClient, &value);
    return value != 0 ? 1 : 0;
}

bool CallerIsAdministrator() {
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    SidOwner administrators;
    if (!::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0,
                                    0, 0, administrators.put()))
        return false;
    // The thread's token when it impersonates; otherwise a null token makes
    // the check use the process's own.
    HANDLE threadToken = nullptr;
    KernelHandle token;
    if (::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, &threadToken)) token.reset(threadToken);
    BOOL member = FALSE;
    if (!::CheckTokenMembership(token.get(), administrators.get(), &member)) return false;
    return member != FALSE;
}

int WriteUseDirectoryFromClient(NordwispDEVMODE* record, std::int32_t value) {
    std::uint32_t flags = record::PrinterFlags.Get(record);
    flags = value != 0 ? (flags | kPrinterFlagDirectoryFromClient) : (flags & ~kPrinterFlagDirectoryFromClient);
    record::PrinterFlags.Set(record, flags);
    return WritePrinterDwordAt(HKEY_USERS, record, kMachineDefaultBase, subkeys::kFilenameGeneration,
                               filename_generation::kUseDirectoryFromClient, value != 0 ? 1 : 0);
}

}  // namespace nw::settings
