// A settings file held in memory: read once, read and changed key by key
// with the rules of the private-profile functions, written back once. An
// export is some 800 key writes; through the profile functions each would
// rewrite the whole file.
#pragma once

#include <cstdint>

#include "platform/ini_document.h"
#include "platform/win32api.h"

namespace nw::profiles {

class SettingsFile {
public:
    // Reads the file; a missing or unreadable one starts empty (a new file
    // is written in the ANSI code page, as WritePrivateProfileStringW
    // creates it). The path is used as given: a bare file name is not moved
    // to the Windows folder as the profile functions would.
    explicit SettingsFile(const WCHAR* path);

    // GetPrivateProfileIntW.
    UINT ReadInt(const WCHAR* section, const WCHAR* key, INT fallback) const;
    // GetPrivateProfileStringW for one key: at most size - 1 characters
    // (size at least 1), the fallback with trailing blanks removed when the
    // key is missing.
    WString ReadText(const WCHAR* section, const WCHAR* key, const WCHAR* fallback, DWORD size) const;
    bool Has(const WCHAR* section, const WCHAR* key) const;
    // GetPrivateProfileStructW: false and data untouched unless the value
    // holds exactly size bytes with a good checksum.
    bool ReadStruct(const WCHAR* section, const WCHAR* key, void* data, UINT size) const;

    // WritePrivateProfileStringW: a null value deletes the key, a null key
    // the section; names and values that would not read back are refused.
    bool WriteText(const WCHAR* section, const WCHAR* key, const WCHAR* value);
    bool WriteStruct(const WCHAR* section, const WCHAR* key, const void* data, UINT size);

    // Writes the document when it changed; false when that failed.
    bool Commit();

    const platform::IniDocument& Document() const { return document_; }
    const WString& Path() const { return path_; }

private:
    const std::u16string* Find(const WCHAR* section, const WCHAR* key) const;

    WString path_;
    platform::IniDocument document_;
    bool changed_ = false;
    bool readable_ = false;
};

// The primitive writers of the settings writer, in the shapes of the
// profile functions (settings_writer.h). A file path names the in-memory
// file the current export holds; see BindSettingsFile.
BOOL WINAPI WriteTextToSettingsFile(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);
BOOL WriteIntToSettingsFile(LPCWSTR section, LPCWSTR key, int value, LPCWSTR file);
BOOL WINAPI WriteStructToSettingsFile(LPCWSTR section, LPCWSTR key, LPVOID data, UINT size, LPCWSTR file);

// While alive, the writers above write to `file` (one per thread).
class BindSettingsFile {
public:
    explicit BindSettingsFile(SettingsFile& file);
    ~BindSettingsFile();
    BindSettingsFile(const BindSettingsFile&) = delete;
    BindSettingsFile& operator=(const BindSettingsFile&) = delete;

private:
    SettingsFile* previous_;
};

}  // namespace nw::profiles
