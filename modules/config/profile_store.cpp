#include "profile_store.h"

#include <cstdint>
#include <utility>

#include "nordwisp/NordwispDEVMODE.h"
#include "win32_imports.h"

namespace nwconfig {
namespace {

constexpr std::size_t kMaxNameChars = 49;
constexpr DWORD kProfileVersion = 1;

struct Key {
    HKEY handle = nullptr;
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (handle != nullptr) win::RegCloseKey(handle);
    }
};

struct File {
    HANDLE handle;
    explicit File(HANDLE h) : handle(h) {}
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File() {
        if (handle != INVALID_HANDLE_VALUE) win::CloseHandle(handle);
    }
    explicit operator bool() const { return handle != INVALID_HANDLE_VALUE; }
};

struct Record {
    NordwispDEVMODE* record;
    explicit Record(const Char* printer) : record(LoadNordwispDEVMODE(printer)) {}
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;
    ~Record() { ReleaseNordwispDEVMODE(record); }
};

String ProfilesKey(const Char* printer) { return String(W("SOFTWARE\\Kelmora Works\\")) + printer + W("\\Profiles"); }

bool ValidName(const Char* name) {
    if (name == nullptr || *name == 0) return false;
    const String text(name);
    return text.size() <= kMaxNameChars && text.find_first_of(W("\\/:*?\"<>|")) == String::npos &&
           text.find_first_of(W("\r\n")) == String::npos;
}

enum class Access { Read, Write, Create };

bool OpenKey(const String& path, Key& key, Access access = Access::Read) {
    if (access == Access::Create)
        return win::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_READ | KEY_WRITE, nullptr, &key.handle, nullptr) == ERROR_SUCCESS;
    const REGSAM rights = access == Access::Write ? KEY_READ | KEY_WRITE : KEY_READ;
    return win::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, rights, &key.handle) == ERROR_SUCCESS;
}

bool ReadText(HKEY key, const Char* value, String& text) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (win::RegQueryValueExW(key, value, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ ||
        bytes > 0x10000)
        return false;
    std::vector<Char> buffer(bytes / sizeof(Char) + 1, 0);
    if (win::RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes) !=
        ERROR_SUCCESS)
        return false;
    text.assign(buffer.data());
    return true;
}

bool ReadDword(HKEY key, const Char* value, DWORD& number) {
    DWORD type = 0;
    DWORD bytes = sizeof number;
    return win::RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(&number), &bytes) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

// The library's index keeps its texts without terminators.
bool WriteText(HKEY key, const Char* value, const String& text) {
    return win::RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() * sizeof(Char))) == ERROR_SUCCESS;
}

bool WriteDword(HKEY key, const Char* value, DWORD number) {
    return win::RegSetValueExW(key, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number) ==
           ERROR_SUCCESS;
}

bool Exists(const String& path) { return win::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Creates every missing folder of a "C:\a\b" path.
bool MakeFolders(const String& path) {
    for (std::size_t at = path.find(W('\\'), 3); at != String::npos; at = path.find(W('\\'), at + 1))
        win::CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    win::CreateDirectoryW(path.c_str(), nullptr);
    const DWORD attributes = win::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// "%APPDATA%\Kelmora Works\<printer>\Profiles"; a server printer's
// backslashes become underscores.
String ProfileFolder(const Char* printer) {
    Char appData[MAX_PATH] = {};
    const DWORD length = win::GetEnvironmentVariableW(W("APPDATA"), appData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    String name(printer);
    for (Char& c : name)
        if (c == W('\\')) c = W('_');
    return String(appData) + W("\\Kelmora Works\\") + name + W("\\Profiles");
}

bool CopyWholeFile(const String& from, const String& to, bool replace) {
    const File source(win::CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!source) return false;
    std::string bytes;
    char chunk[8192];
    DWORD got = 0;
    while (win::ReadFile(source.handle, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    const File target(win::CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, replace ? CREATE_ALWAYS : CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target) return false;
    DWORD wrote = 0;
    return bytes.empty() ||
           (win::WriteFile(target.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
            wrote == bytes.size());
}

String Encoded(const Char* text) {
    String out;
    for (const Char* c = text; c != nullptr && *c != 0; ++c) {
        if (*c == W('\\')) out += W("\\\\");
        else if (*c == W('\n')) out += W("\\n");
        else if (*c == W('\r')) out += W("\\r");
        else out += *c;
    }
    return out;
}

String Decoded(const String& text) {
    String out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Char c = text[i];
        if (c == W('\\') && ++i < text.size()) {
            c = text[i] == W('n') ? W('\n') : text[i] == W('r') ? W('\r') : text[i];
        } else if (c == W('\\')) {
            break;
        }
        out += c;
    }
    return out;
}

String Number(std::uint32_t value) {
    String text;
    do {
        text.insert(text.begin(), static_cast<Char>(W('0') + value % 10));
        value /= 10;
    } while (value != 0);
    return text;
}

String ReadProfileKey(const String& file, const Char* key, DWORD chars) {
    std::vector<Char> buffer(chars, 0);
    win::GetPrivateProfileStringW(W("Profile"), key, W(""), buffer.data(), chars, file.c_str());
    return String(buffer.data());
}

// The printer's current settings and the "Profile" section.
bool WriteProfileFile(const Char* printer, const Char* profile, const Char* description, const String& file) {
    const Record current(printer);
    if (current.record == nullptr || !ExportSettingstoINIFile(current.record, file.c_str())) return false;
    const int version = GetDriverVersion(current.record);
    const String section = W("Profile");
    const std::pair<const Char*, String> keys[] = {
        {W("Name"), profile},
        {W("Description"), Encoded(description)},
        {W("Profile version"), Number(kProfileVersion)},
        {W("Driver major version"), Number(static_cast<std::uint32_t>(version > 0 ? version / 100 : 0))},
        {W("Driver minor version"), Number(static_cast<std::uint32_t>(version > 0 ? version % 100 : 0))},
        {W("Driver revision"), Number(0)},
        {W("Driver type"), Number(static_cast<std::uint32_t>(GetPrinterType(current.record)))},
        {W("Profile type"), Number(0)},
    };
    for (const auto& [key, value] : keys)
        if (!win::WritePrivateProfileStringW(section.c_str(), key, value.c_str(), file.c_str())) return false;
    return true;
}

bool Index(const Char* printer, const String& file) {
    const String name = ReadProfileKey(file, W("Name"), kMaxNameChars + 1);
    FILETIME written{};
    SYSTEMTIME modified{};
    {
        const File handle(win::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle || !win::GetFileTime(handle.handle, nullptr, nullptr, &written) ||
            !win::FileTimeToSystemTime(&written, &modified))
            return false;
    }
    Key key;
    if (!ValidName(name.c_str()) || !OpenKey(ProfilesKey(printer) + W("\\") + name, key, Access::Create)) return false;
    return WriteText(key.handle, W("Name"), name) &&
           win::RegSetValueExW(key.handle, W("Modified"), 0, REG_BINARY, reinterpret_cast<const BYTE*>(&modified),
                            sizeof modified) == ERROR_SUCCESS &&
           WriteText(key.handle, W("Description"), Decoded(ReadProfileKey(file, W("Description"), 1000)).substr(0, 499)) &&
           WriteText(key.handle, W("Filename"), file) && WriteDword(key.handle, W("Shared"), 0) &&
           WriteDword(key.handle, W("Hidden"), 0);
}

String IndexedFile(const Char* printer, const Char* profile) {
    Key key;
    String file;
    if (ValidName(profile) && OpenKey(ProfilesKey(printer) + W("\\") + profile, key))
        ReadText(key.handle, W("Filename"), file);
    return file;
}

}  // namespace

bool Apply(const Char* printer, const Char* profile) {
    const String file = IndexedFile(printer, profile);
    if (file.empty()) return false;
    const Record current(printer);
    return current.record != nullptr && ApplyProfileFile(printer, file.c_str(), current.record) &&
           SaveNordwispDEVMODE(printer, current.record) && SetLastSelectedProfile(printer, profile);
}

bool Create(const Char* printer, const Char* profile, const Char* description, const Char* file, bool replace) {
    if (printer == nullptr || !ValidName(profile)) return false;
    String path;
    if (file != nullptr) {
        path = file;
    } else {
        const String folder = ProfileFolder(printer);
        if (folder.empty() || !MakeFolders(folder)) return false;
        path = folder + W("\\") + profile + W(".bip");
        Key existing;
        if (!replace && OpenKey(ProfilesKey(printer) + W("\\") + profile, existing)) return false;
    }
    if (Exists(path) && (!replace || !win::DeleteFileW(path.c_str()))) return false;
    if (!WriteProfileFile(printer, profile, description, path)) return false;
    return file != nullptr || Index(printer, path);
}

bool Delete(const Char* printer, const Char* profile) {
    if (printer == nullptr || !ValidName(profile)) return false;
    Key profiles;
    if (!OpenKey(ProfilesKey(printer), profiles, Access::Write)) return false;
    const String file = IndexedFile(printer, profile);
    DWORD shared = 0;
    {
        Key key;
        if (!OpenKey(ProfilesKey(printer) + W("\\") + profile, key, Access::Write)) return false;
        ReadDword(key.handle, W("Shared"), shared);
        if (shared != 0 && !file.empty() && Exists(file)) return WriteDword(key.handle, W("Hidden"), 1);
    }
    if (!file.empty()) win::DeleteFileW(file.c_str());
    return win::RegDeleteKeyW(profiles.handle, profile) == ERROR_SUCCESS;
}

bool Export(const Char* printer, const Char* profile, const Char* file) {
    if (printer == nullptr || file == nullptr) return false;
    const String source = IndexedFile(printer, profile);
    return !source.empty() && CopyWholeFile(source, file, true);
}

bool Import(const Char* printer, const Char* file, bool replace) {
    if (printer == nullptr || file == nullptr || !Exists(file)) return false;
    const String name = ReadProfileKey(file, W("Name"), kMaxNameChars + 2);
    const String folder = ProfileFolder(printer);
    if (!ValidName(name.c_str()) || folder.empty() || !MakeFolders(folder)) return false;
    Key existing;
    if (!replace && OpenKey(ProfilesKey(printer) + W("\\") + name, existing)) return false;
    const String path = folder + W("\\") + name + W(".bip");
    return CopyWholeFile(file, path, true) && Index(printer, path);
}

std::vector<String> VisibleProfiles(const Char* printer) {
    std::vector<String> names;
    Key profiles;
    if (printer == nullptr || !OpenKey(ProfilesKey(printer), profiles)) return names;
    for (DWORD index = 0;; ++index) {
        Char name[256];
        DWORD chars = 256;
        if (win::RegEnumKeyExW(profiles.handle, index, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        Key key;
        DWORD hidden = 0;
        if (OpenKey(ProfilesKey(printer) + W("\\") + name, key) && ReadDword(key.handle, W("Hidden"), hidden) &&
            hidden != 0)
            continue;
        names.emplace_back(name, chars);
    }
    return names;
}

}  // namespace nwconfig
