#include "users/temporary_hive.h"

namespace nw {

const WCHAR* const kTemporaryProfileName = W("NORDWISP_TEMPORARY_PROFILE");

namespace {

// Loading and unloading hives needs the restore privilege enabled in the
// process token (Windows asks for the backup privilege as well); it is
// enabled for the call only.
void EnableHivePrivileges(bool enable) {
    KernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return;
    for (const WCHAR* name : {SE_RESTORE_NAME, SE_BACKUP_NAME}) {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
        if (::LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid))
            ::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
}

}  // namespace

TemporaryHive::TemporaryHive(const WCHAR* hiveFile) {
    EnableHivePrivileges(true);
    status_ = ::RegLoadKeyW(HKEY_USERS, kTemporaryProfileName, hiveFile);
    EnableHivePrivileges(false);
    if (status_ != ERROR_SUCCESS) return;
    const LSTATUS opened = ::RegOpenKeyExW(HKEY_USERS, kTemporaryProfileName, 0, KEY_READ, root_.put());
    if (opened != ERROR_SUCCESS) {
        root_.reset();
        status_ = opened;
        // Loaded but unusable: still unloaded below.
        EnableHivePrivileges(true);
        ::RegUnLoadKeyW(HKEY_USERS, kTemporaryProfileName);
        EnableHivePrivileges(false);
    }
}

TemporaryHive::~TemporaryHive() {
    if (!root_) return;
    root_.reset();
    EnableHivePrivileges(true);
    ::RegUnLoadKeyW(HKEY_USERS, kTemporaryProfileName);
    EnableHivePrivileges(false);
}

}  // namespace nw
