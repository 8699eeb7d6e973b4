// A profile's hive file loaded under the one fixed name of HKEY_USERS for
// the time of an action, and unloaded again on every path, so that the
// next walk finds the name free.
#pragma once

#include "platform/handles.h"
#include "platform/win32api.h"

namespace nw {

// "NORDWISP_TEMPORARY_PROFILE" under HKEY_USERS.
extern const WCHAR* const kTemporaryProfileName;

class TemporaryHive {
public:
    // Loads the hive file; Status() tells whether it did (the error of
    // RegLoadKeyW: 32 when the file is in use, 3 or 2 when it is missing).
    explicit TemporaryHive(const WCHAR* hiveFile);
    ~TemporaryHive();
    TemporaryHive(const TemporaryHive&) = delete;
    TemporaryHive& operator=(const TemporaryHive&) = delete;

    LSTATUS Status() const { return status_; }
    // The hive's root while it is loaded (null otherwise); closed before
    // the unload, which Windows refuses while a key of the hive is open.
    HKEY Root() const { return root_.get(); }

private:
    LSTATUS status_;
    RegistryKey root_;
};

}  // namespace nw
