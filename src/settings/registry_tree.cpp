// Whole-tree copy and delete, used for the packaged copy of a printer key,
// the vendor-key repair and the per-user maintenance.
#include <new>
#include <vector>

#include "platform/handles.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw {

using namespace settings;

namespace {

// Name buffers in characters, terminator included.
constexpr DWORD kCopiedKeyNameCapacity = 128;
constexpr DWORD kCopiedValueNameCapacity = 64;
constexpr DWORD kDeletedKeyNameCapacity = 260;

void CopyValues(HKEY source, HKEY destination) {
    DWORD count = 0;
    if (::RegQueryInfoKeyW(source, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                           nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<BYTE> data;
    for (DWORD index = 0; index < count; ++index) {
        WCHAR name[kCopiedValueNameCapacity] = {};
        DWORD nameLength = kCopiedValueNameCapacity;
        DWORD type = 0;
        DWORD size = 0;
        // Longer names do not fit and the value is skipped.
        if (::RegEnumValueW(source, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            continue;
        data.assign(size ? size : 1, 0);
        nameLength = kCopiedValueNameCapacity;
        if (::RegEnumValueW(source, index, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            continue;
        ::RegSetValueExW(destination, name, 0, type, data.data(), size);
    }
}

}  // namespace

int CopyRegistryTree(HKEY sourceRoot, const WCHAR* sourcePath, HKEY destinationRoot, const WCHAR* destinationPath,
                     const WCHAR* relativeSubKey, DWORD options) {
    if (relativeSubKey == nullptr || sourceRoot == nullptr || sourcePath == nullptr || destinationRoot == nullptr ||
        destinationPath == nullptr)
        return 0;
    try {
        const WString sourceKeyPath = JoinKey(sourcePath, relativeSubKey);
        RegistryKey source;
        if (::RegOpenKeyExW(sourceRoot, sourceKeyPath.c_str(), 0, KEY_READ, source.put()) != ERROR_SUCCESS) return 0;
        for (DWORD index = 0;; ++index) {
            WCHAR child[kCopiedKeyNameCapacity] = {};
            DWORD childLength = kCopiedKeyNameCapacity;
            const LSTATUS status =
                ::RegEnumKeyExW(source.get(), index, child, &childLength, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_MORE_DATA) continue;  // a name too long to copy
            if (status != ERROR_SUCCESS) break;
            const WString childRelative = JoinKey(relativeSubKey, WStringView(child, childLength));
            CopyRegistryTree(sourceRoot, sourcePath, destinationRoot, destinationPath, childRelative.c_str(), options);
        }
        const WString destinationKeyPath = JoinKey(destinationPath, relativeSubKey);
        RegistryKey destination;
        if (::RegCreateKeyExW(destinationRoot, destinationKeyPath.c_str(), 0, nullptr, options, KEY_READ | KEY_WRITE,
                              nullptr, destination.put(), nullptr) != ERROR_SUCCESS)
            return 0;
        CopyValues(source.get(), destination.get());
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

LSTATUS DeleteRegistryTree(HKEY root, const WCHAR* path) {
    if (root == nullptr || path == nullptr) return ERROR_INVALID_PARAMETER;
    {
        RegistryKey key;
        if (::RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, key.put()) == ERROR_SUCCESS) {
            for (;;) {
                WCHAR child[kDeletedKeyNameCapacity] = {};
                DWORD childLength = kDeletedKeyNameCapacity;
                if (::RegEnumKeyExW(key.get(), 0, child, &childLength, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS)
                    break;
                if (DeleteRegistryTree(key.get(), child) != ERROR_SUCCESS) break;
            }
        }
    }
    return ::RegDeleteKeyW(root, path);
}

}  // namespace nw
