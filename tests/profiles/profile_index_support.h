// Shared by the profile suites: planting index values as another writer
// would, and a last error that the profile exports must leave alone.
#pragma once

#include <gtest/gtest.h>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/handles.h"
#include "support/registry.h"

namespace nw::test {

// A REG_SZ without its terminator, as the index keeps its texts.
inline bool WriteTextValue(const WString& path, const WCHAR* name, WStringView text) {
    RegistryKey key;
    return ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.put(),
                             nullptr) == ERROR_SUCCESS &&
           ::RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                            static_cast<DWORD>(text.size() * sizeof(WCHAR))) == ERROR_SUCCESS;
}

// A failed export stores its error; the next export must keep it.
inline void PlantLastError() {
    ASSERT_EQ(LoadNordwispDEVMODE(nullptr), nullptr);
    ASSERT_NE(Nordwisp_GetLastError(), 0u);
}

}  // namespace nw::test
