#include "env/ocr_module.h"

#include <climits>
#include <cstring>
#include <string>

#include "frame/last_error.h"
#include "platform/handles.h"
#include "settings/family_tables.h"

namespace nw::env {

namespace {

// The module's side of the call: 0 for success with *languages set to a
// text the module owns until it is handed back to NwOCRFreeTextW.
using GetLanguagesFn = int(WINAPI*)(WCHAR** languages);
using FreeTextFn = void(WINAPI*)(WCHAR* text);

// The longest path Windows takes; the setters allow 259 characters, but the
// value may have been written by other means.
constexpr DWORD kPathLimitBytes = 32767 * sizeof(WCHAR);

// Saves the current directory on construction and puts it back on
// destruction. Declared before the module, so the module is freed first.
class CurrentDirectoryScope {
public:
    CurrentDirectoryScope() {
        const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
        if (needed == 0) return;
        saved_.assign(needed, 0);
        const DWORD length = ::GetCurrentDirectoryW(needed, saved_.data());
        // Zero, or a directory that grew between the two calls.
        if (length == 0 || length >= needed) return;
        saved_.resize(length);
        known_ = true;
    }
    ~CurrentDirectoryScope() {
        // Also when entering failed: the module itself may have moved.
        if (known_) ::SetCurrentDirectoryW(saved_.c_str());
    }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

    // A directory that could not be saved is never left.
    void Enter(const WString& directory) {
        if (known_) ::SetCurrentDirectoryW(directory.c_str());
    }

private:
    WString saved_;
    bool known_ = false;
};

// The module's text, handed back to the module before the module goes.
class ModuleText {
public:
    ModuleText(WCHAR* text, FreeTextFn free) : text_(text), free_(free) {}
    ~ModuleText() {
        if (text_ != nullptr) free_(text_);
    }
    ModuleText(const ModuleText&) = delete;
    ModuleText& operator=(const ModuleText&) = delete;
    const WCHAR* get() const { return text_; }

private:
    WCHAR* text_;
    FreeTextFn free_;
};

int Fail(DWORD error) {
    SetLastErrorValue(error);
    return 0;
}

}  // namespace

int ReadOcrSupportedLanguages(const NordwispDEVMODE* record, WCHAR* buffer, int* size) {
    if (size == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    CurrentDirectoryScope directory;
    WString stored;
    if (!settings::ReadWholeText(record, settings::ocr::DLLPath32, kPathLimitBytes, stored))
        return Fail(ERROR_MOD_NOT_FOUND);
    const WString path(stored.c_str());  // a stored terminator ends the path
    if (path.empty()) return Fail(ERROR_MOD_NOT_FOUND);

    // The module's dependencies are found beside it.
    const std::size_t cut = path.find_last_of(W("\\/"));
    if (cut != WString::npos) directory.Enter(path.substr(0, cut + 1));

    const ModuleHandle module(::LoadLibraryW(path.c_str()));
    if (!module) return Fail(::GetLastError());
    const auto getLanguages = ModuleFunction<GetLanguagesFn>(module.get(), "GetOCRLanguagesW");
    const auto freeText = ModuleFunction<FreeTextFn>(module.get(), "NwOCRFreeTextW");
    if (getLanguages == nullptr || freeText == nullptr) return Fail(ERROR_PROC_NOT_FOUND);

    WCHAR* answer = nullptr;
    const int result = getLanguages(&answer);
    // After a failure the pointer is not the module's to take back.
    if (result != 0) return Fail(static_cast<DWORD>(result));
    const ModuleText text(answer, freeText);
    if (text.get() == nullptr) return Fail(ERROR_INVALID_DATA);

    const std::size_t length = std::char_traits<WCHAR>::length(text.get());
    if (length >= static_cast<std::size_t>(INT_MAX)) return Fail(ERROR_INVALID_DATA);
    const int needed = static_cast<int>(length) + 1;
    const bool fits = buffer != nullptr && needed <= *size;
    *size = needed;
    if (!fits) return Fail(ERROR_INSUFFICIENT_BUFFER);
    std::memcpy(buffer, text.get(), static_cast<std::size_t>(needed) * sizeof(WCHAR));
    return 1;
}

}  // namespace nw::env
