// Where the barcode value comes from: the caller's text or the value file.
#include <climits>

#include "barcode/barcode_preview.h"
#include "accessors/numeric_accessors.h"
#include "settings/family_tables.h"
#include "settings/registry_families.h"

namespace nw::barcode {

namespace {

constexpr DWORD kPathLimitBytes = 32767 * sizeof(WCHAR);
// A value file larger than this is no barcode value.
constexpr DWORD kLargestValueFile = 16u << 20;

bool FromText(const WCHAR* value, std::string& bytes) {
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, value, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 1) return false;
    bytes.assign(static_cast<std::size_t>(needed), '\0');
    if (::WideCharToMultiByte(CP_ACP, 0, value, -1, bytes.data(), needed, nullptr, nullptr) != needed) return false;
    bytes.pop_back();  // the terminator stays behind the string's end
    return true;
}

bool FromFile(const NordwispDEVMODE* record, CBarcodeWriter& writer, std::string& bytes) {
    WString stored;
    if (!settings::ReadWholeText(record, settings::barcode::ValueFile, kPathLimitBytes, stored)) stored.clear();
    const WString path(stored.c_str());  // a stored terminator ends the path
    const FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        writer.SetError(kValueFileNotFound, path.c_str());
        return false;
    }
    bytes.clear();
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) {
        if (bytes.size() + read > kLargestValueFile) {
            writer.SetError(kInvalidValue, path.c_str());
            return false;
        }
        bytes.append(chunk, read);
    }
    return true;
}

}  // namespace

bool TakeBarcodeValue(const NordwispDEVMODE* record, const WCHAR* value, CBarcodeWriter& writer, std::string& bytes) {
    switch (accessors::ReadNumber(record, accessors::numbers::BarcodeValueSource)) {
        case 0: return FromText(value, bytes);
        case 1: return FromFile(record, writer, bytes);
        default: return false;
    }
}

}  // namespace nw::barcode
