#include "profiles/profile_index.h"

#include <cstring>
#include <vector>

#include "platform/handles.h"
#include "profiles/settings_file.h"
#include "settings/key_path.h"
#include "settings/registry_primitives.h"

namespace nw::profiles {
namespace {

using settings::JoinKey;

constexpr REGSAM kWrite = KEY_READ | KEY_WRITE;
// Longest text value read back; anything longer is not ours.
constexpr DWORD kMaxTextBytes = 0x10000;

RegistryKey OpenKey(const WString& path, bool create) {
    RegistryKey key;
    if (path.empty()) return key;
    const LSTATUS status =
        create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kWrite,
                                   nullptr, key.put(), nullptr)
               : ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.put());
    if (status != ERROR_SUCCESS) key.reset();
    return key;
}

WString ProfileKeyPath(const WCHAR* printer, const WCHAR* profile) {
    if (!IsProfileKeyName(profile)) return {};
    const WString base = ProfilesKeyPath(printer);
    return base.empty() ? base : JoinKey(base, profile);
}

// Texts are stored without their terminator; one stored with it reads the
// same.
bool ReadText(HKEY key, const WCHAR* valueName, WString& text) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(key, valueName, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxTextBytes) return false;
    std::vector<WCHAR> buffer(bytes / sizeof(WCHAR) + 1, 0);
    if (::RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
        ERROR_SUCCESS)
        return false;
    text.assign(buffer.data(), settings::BoundedLength(buffer.data(), bytes / sizeof(WCHAR)));
    return true;
}

bool WriteValue(HKEY key, const WCHAR* valueName, DWORD type, const void* data, std::size_t bytes) {
    return ::RegSetValueExW(key, valueName, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(bytes)) ==
           ERROR_SUCCESS;
}

bool WriteUnterminated(HKEY key, const WCHAR* valueName, const WCHAR* text, std::size_t capacity) {
    return WriteValue(key, valueName, REG_SZ, text, settings::BoundedLength(text, capacity) * sizeof(WCHAR));
}

bool ReadDword(HKEY key, const WCHAR* valueName, DWORD& value) {
    DWORD type = 0;
    DWORD bytes = sizeof value;
    return ::RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) ==
               ERROR_SUCCESS &&
           type == REG_DWORD && bytes == sizeof value;
}

int WriteDwordAt(const WString& path, const WCHAR* valueName, DWORD value) {
    const RegistryKey key = OpenKey(path, true);
    return key && WriteValue(key.get(), valueName, REG_DWORD, &value, sizeof value) ? 1 : 0;
}

bool FileExists(const WString& file) {
    return !file.empty() && ::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

WString ProfilesKeyPath(const WCHAR* printer) {
    if (printer == nullptr || *printer == 0) return {};
    return JoinKey(JoinKey(settings::kVendorKey, printer), W("Profiles"));
}

bool IsProfileKeyName(const WCHAR* profile) {
    return profile != nullptr && *profile != 0 && WStringView(profile).find(W('\\')) == WStringView::npos;
}

int GetLastSelectedProfile(const WCHAR* printer, WCHAR* buffer, std::uint32_t* size) {
    if (size == nullptr) return 0;
    const RegistryKey key = OpenKey(ProfilesKeyPath(printer), false);
    WString name;
    if (!key || !ReadText(key.get(), W("Selected Profile"), name)) return 0;
    const DWORD needed = static_cast<DWORD>((name.size() + 1) * sizeof(WCHAR));
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        return 0;
    }
    std::memcpy(buffer, name.c_str(), needed);
    *size = needed;
    return 1;
}

int SetLastSelectedProfile(const WCHAR* printer, const WCHAR* profile) {
    if (profile == nullptr) return 0;
    const RegistryKey key = OpenKey(ProfilesKeyPath(printer), true);
    const std::size_t length = WStringView(profile).size();
    if (!key || length >= kMaxTextBytes / sizeof(WCHAR)) return 0;
    return WriteValue(key.get(), W("Selected Profile"), REG_SZ, profile, (length + 1) * sizeof(WCHAR)) ? 1 : 0;
}

int ReadProfileText(const WCHAR* printer, const WCHAR* profile, const WCHAR* valueName, WCHAR* buffer,
                    std::size_t chars) {
    if (buffer == nullptr || chars == 0) return 0;
    const RegistryKey key = OpenKey(ProfileKeyPath(printer, profile), false);
    WString text;
    if (!key || !ReadText(key.get(), valueName, text)) return 0;
    const std::size_t length = text.size() < chars ? text.size() : chars - 1;
    text.copy(buffer, length);
    buffer[length] = 0;
    return 1;
}

int WriteProfileDataToRegistry(const WCHAR* printer, const WCHAR* profile, const ProfileHeader& header,
                               DWORD shared) {
    const RegistryKey key = OpenKey(ProfileKeyPath(printer, profile), true);
    if (!key) return 0;
    return WriteUnterminated(key.get(), W("Name"), header.name, kProfileNameChars) &&
                   WriteValue(key.get(), W("Modified"), REG_BINARY, &header.modified, sizeof header.modified) &&
                   WriteUnterminated(key.get(), W("Description"), header.description, kProfileDescriptionChars) &&
                   WriteUnterminated(key.get(), W("Filename"), header.fileName, kProfileFileChars) &&
                   WriteValue(key.get(), W("Shared"), REG_DWORD, &shared, sizeof shared)
               ? 1
               : 0;
}

int HideProfile(const WCHAR* printer, const WCHAR* profile, DWORD hidden) {
    return WriteDwordAt(ProfileKeyPath(printer, profile), W("Hidden"), hidden);
}

int SetCommonProfilesImported(const WCHAR* printer, DWORD value) {
    return WriteDwordAt(ProfilesKeyPath(printer), W("Common Profiles Imported"), value);
}

int GetProfileWriteTimeFromRegistry(const WCHAR* printer, const WCHAR* profile, FILETIME* time) {
    if (time == nullptr) return 0;
    const RegistryKey key = OpenKey(ProfileKeyPath(printer, profile), false);
    SYSTEMTIME modified{};
    DWORD type = 0;
    DWORD bytes = sizeof modified;
    if (!key || ::RegQueryValueExW(key.get(), W("Modified"), nullptr, &type, reinterpret_cast<BYTE*>(&modified),
                                   &bytes) != ERROR_SUCCESS)
        return 0;
    return type == REG_BINARY && bytes == sizeof modified && ::SystemTimeToFileTime(&modified, time) ? 1 : 0;
}

int IsProfileShared(const WCHAR* printer, const WCHAR* profile) {
    const RegistryKey key = OpenKey(ProfileKeyPath(printer, profile), false);
    DWORD shared = 0;
    return key && ReadDword(key.get(), W("Shared"), shared) && shared != 0 ? 1 : 0;
}

int DeleteProfile(const WCHAR* printer, const WCHAR* profile, int force) {
    WString file;
    {
        const RegistryKey key = OpenKey(ProfileKeyPath(printer, profile), false);
        if (!key) return 0;
        ReadText(key.get(), W("Filename"), file);
    }
    if (!force && IsProfileShared(printer, profile) && FileExists(file)) return HideProfile(printer, profile, 1);
    if (!file.empty()) ::DeleteFileW(file.c_str());
    const RegistryKey profiles = OpenKey(ProfilesKeyPath(printer), true);
    return profiles && ::RegDeleteKeyW(profiles.get(), profile) == ERROR_SUCCESS ? 1 : 0;
}

int DeleteMissingProfiles(const WCHAR* printer) {
    std::vector<WString> names;
    {
        const RegistryKey profiles = OpenKey(ProfilesKeyPath(printer), false);
        if (!profiles) return 0;
        // Names first: deleting while enumerating by index would skip the
        // subkey after each deleted one.
        for (DWORD index = 0;; ++index) {
            WCHAR name[256];
            DWORD chars = 256;
            if (::RegEnumKeyExW(profiles.get(), index, name, &chars, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            names.emplace_back(name, chars);
        }
    }
    for (const WString& name : names) {
        WString file;
        {
            const RegistryKey key = OpenKey(ProfileKeyPath(printer, name.c_str()), false);
            if (key) ReadText(key.get(), W("Filename"), file);
        }
        if (!FileExists(file)) {
            DeleteProfile(printer, name.c_str(), 1);
        } else if (IsProfileShared(printer, name.c_str())) {
            const SettingsFile document(file.c_str());
            if (document.ReadText(W("Profile"), W("Name"), W(""), kProfileNameChars) != name) {
                const RegistryKey profiles = OpenKey(ProfilesKeyPath(printer), true);
                if (profiles) ::RegDeleteKeyW(profiles.get(), name.c_str());
            }
        }
    }
    return 1;
}

}  // namespace nw::profiles
