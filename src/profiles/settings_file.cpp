#include "profiles/settings_file.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/handles.h"
#include "settings/key_path.h"

namespace nw::profiles {
namespace {

using platform::TrimProfileText;

// WCHAR and char16_t are both UTF-16 units; the document speaks char16_t.
std::u16string_view View(const WCHAR* text) {
    if (text == nullptr) return {};
    return std::u16string_view(reinterpret_cast<const char16_t*>(text));
}

WString ToWide(std::u16string_view text) {
    return WString(reinterpret_cast<const WCHAR*>(text.data()), text.size());
}

bool ReadWholeFile(const WCHAR* path, std::string& bytes) {
    FileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD high = 0;
    const DWORD size = GetFileSize(file.get(), &high);
    if (size == 0xFFFFFFFFu || high != 0) return false;
    bytes.resize(size);
    DWORD done = 0;
    while (done < size) {
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, size - done, &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool WriteWholeFile(const WCHAR* path, const std::string& bytes) {
    FileHandle file(
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD wrote = 0;
        if (!WriteFile(file.get(), bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    return true;
}

thread_local SettingsFile* g_bound = nullptr;



}  // namespace

SettingsFile::SettingsFile(const WCHAR* path) : path_(path ? path : W("")) {
    std::string bytes;
    readable_ = !path_.empty() && ReadWholeFile(path_.c_str(), bytes);
    document_ = platform::IniDocument::Parse(readable_ ? bytes : std::string(), GetACP());
}

const std::u16string* SettingsFile::Find(const WCHAR* section, const WCHAR* key) const {
    const std::u16string_view s = TrimProfileText(View(section));
    const std::u16string_view k = TrimProfileText(View(key));
    if (s.empty() || k.empty()) return nullptr;
    return document_.Find(s, k);
}

bool SettingsFile::Has(const WCHAR* section, const WCHAR* key) const { return Find(section, key) != nullptr; }

UINT SettingsFile::ReadInt(const WCHAR* section, const WCHAR* key, INT fallback) const {
    const std::u16string* stored = Find(section, key);
    return stored ? platform::ParseProfileInt(*stored, static_cast<UINT>(fallback)) : static_cast<UINT>(fallback);
}

WString SettingsFile::ReadText(const WCHAR* section, const WCHAR* key, const WCHAR* fallback, DWORD size) const {
    std::u16string_view text;
    if (const std::u16string* stored = Find(section, key)) {
        text = platform::UnquoteProfileValue(*stored);
    } else {
        text = View(fallback);
        while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
    }
    const std::size_t room = size == 0 ? 0 : size - 1;
    return ToWide(text.substr(0, room));
}

bool SettingsFile::ReadStruct(const WCHAR* section, const WCHAR* key, void* data, UINT size) const {
    const std::u16string* stored = Find(section, key);
    if (stored == nullptr || (data == nullptr && size != 0)) return false;
    return platform::DecodeProfileStruct(platform::UnquoteProfileValue(*stored), static_cast<BYTE*>(data), size);
}

bool SettingsFile::WriteText(const WCHAR* section, const WCHAR* key, const WCHAR* value) {
    if (section == nullptr) return false;
    const std::u16string_view s = TrimProfileText(View(section));
    const std::u16string_view k = TrimProfileText(View(key));
    const std::u16string_view v = TrimProfileText(View(value));
    if (!platform::ValidProfileSection(s) || (key != nullptr && !platform::ValidProfileKey(k)) ||
        (value != nullptr && !platform::ValidProfileValue(v)))
        return false;
    bool edited = false;
    if (key == nullptr) {
        edited = document_.DeleteSection(s);
    } else if (value == nullptr) {
        edited = document_.DeleteKey(s, k);
    } else {
        edited = document_.Set(s, k, v);
    }
    changed_ = changed_ || edited;
    return true;
}

bool SettingsFile::WriteStruct(const WCHAR* section, const WCHAR* key, const void* data, UINT size) {
    if (data == nullptr) return WriteText(section, key, nullptr);
    const std::u16string text = platform::EncodeProfileStruct(static_cast<const BYTE*>(data), size);
    return WriteText(section, key, ToWide(text).c_str());
}

bool SettingsFile::Commit() {
    if (!changed_) return true;
    if (!WriteWholeFile(path_.c_str(), document_.Serialize())) return false;
    changed_ = false;
    return true;
}

BindSettingsFile::BindSettingsFile(SettingsFile& file) : previous_(g_bound) { g_bound = &file; }
BindSettingsFile::~BindSettingsFile() { g_bound = previous_; }

BOOL WINAPI WriteTextToSettingsFile(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
    if (g_bound == nullptr || file == nullptr) return FALSE;
    return g_bound->WriteText(section, key, value) ? TRUE : FALSE;
}

BOOL WriteIntToSettingsFile(LPCWSTR section, LPCWSTR key, int value, LPCWSTR file) {
    if (section == nullptr || key == nullptr || file == nullptr) return FALSE;
    return WriteTextToSettingsFile(section, key, settings::DecimalText(value).c_str(), file);
}

BOOL WINAPI WriteStructToSettingsFile(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR file) {
    if (g_bound == nullptr || file == nullptr) return FALSE;
    return g_bound->WriteStruct(section, key, data, size) ? TRUE : FALSE;
}

}  // namespace nw::profiles
