#include "profiles/profile_header.h"

#include "platform/handles.h"
#include "profiles/settings_file.h"
#include "settings/key_path.h"

namespace nw::profiles {
namespace {

constexpr WCHAR kSection[] = W("Profile");
// The file may hold up to 999 characters before decoding.
constexpr DWORD kRawDescriptionChars = 1000;

void CopyBounded(WStringView text, WCHAR* out, std::size_t capacity) {
    const std::size_t length = text.size() < capacity ? text.size() : capacity - 1;
    text.copy(out, length);
    out[length] = 0;
}

}  // namespace

std::size_t DecodeDescription(WStringView text, WCHAR* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    std::size_t stored = 0;
    for (std::size_t i = 0; i < text.size() && stored + 1 < capacity; ++i) {
        WCHAR c = text[i];
        if (c == W('\\') && i + 1 < text.size()) {
            c = text[++i];
            if (c == W('n')) c = W('\n');
            else if (c == W('r')) c = W('\r');
        } else if (c == W('\\')) {
            break;  // a lone backslash at the end escapes nothing
        }
        out[stored++] = c;
    }
    out[stored] = 0;
    return stored;
}

WString EncodeDescription(WStringView text) {
    WString encoded;
    encoded.reserve(text.size());
    for (const WCHAR c : text) {
        if (c == W('\\')) encoded += W("\\\\");
        else if (c == W('\n')) encoded += W("\\n");
        else if (c == W('\r')) encoded += W("\\r");
        else encoded += c;
    }
    return encoded;
}

bool ReadLastWriteTime(const WCHAR* file, FILETIME& time) {
    const FileHandle handle(::CreateFileW(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle && ::GetFileTime(handle.get(), nullptr, nullptr, &time);
}

bool ReadProfileHeader(const WCHAR* file, ProfileHeader& header) {
    header = ProfileHeader{};
    // A path the header cannot hold would index another file.
    if (file == nullptr || settings::BoundedLength(file, kProfileFileChars) >= kProfileFileChars) return false;
    const SettingsFile document(file);
    const auto number = [&](const WCHAR* key) {
        return static_cast<std::int32_t>(document.ReadInt(kSection, key, 0));
    };
    header.profileVersion = number(W("Profile version"));
    header.driverMajorVersion = number(W("Driver major version"));
    header.driverMinorVersion = number(W("Driver minor version"));
    header.driverRevision = number(W("Driver revision"));
    header.driverType = number(W("Driver type"));
    header.profileType = number(W("Profile type"));
    CopyBounded(document.ReadText(kSection, W("Name"), W(""), kProfileNameChars), header.name, kProfileNameChars);
    DecodeDescription(document.ReadText(kSection, W("Description"), W(""), kRawDescriptionChars), header.description,
                      kProfileDescriptionChars);
    CopyBounded(file, header.fileName, kProfileFileChars);
    FILETIME written{};
    return ReadLastWriteTime(file, written) && ::FileTimeToSystemTime(&written, &header.modified);
}

}  // namespace nw::profiles
