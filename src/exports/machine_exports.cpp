// The hosted machine's provisioning API: the rows of machine_exports.def,
// in the Linux library only.
#if !defined(_WIN32)
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "devmode/record_store.h"
#include "exports/export_definitions.h"
#include "frame/export_frame.h"
#include "nordwisp/NordwispMachine.h"
#include "naming/file_name_generator.h"
#include "naming/template_grammar.h"
#include "papers/paper_list.h"
#include "platform/handles.h"
#include "platform/hosted/hosted_hooks.h"
#include "platform/hosted/machine.h"
#include "platform/hosted/provisioning.h"
#include "platform/hosted/spooler.h"
#include "platform/hosted/users.h"
#include "platform/utf_codec.h"

namespace {

std::u16string_view TextOrEmpty(const NWCHAR* text) { return text ? std::u16string_view(text) : std::u16string_view(); }

uint32_t CopyRoot(char* buffer, uint32_t size) noexcept {
    return nw::Guarded<uint32_t>(0, [&] {
        const std::string root = nw::hosted::MachineRoot().string();
        const auto needed = static_cast<uint32_t>(root.size() + 1);
        if (buffer != nullptr && needed <= size) std::memcpy(buffer, root.c_str(), needed);
        return needed;
    });
}

// The size protocol of NordwispMachine_GetRoot, for any converted text.
template <typename Char>
uint32_t CopyWhole(const std::basic_string<Char>& text, Char* buffer, uint32_t size) {
    const auto needed = static_cast<uint32_t>(text.size() + 1);
    if (buffer != nullptr && needed <= size) std::memcpy(buffer, text.c_str(), needed * sizeof(Char));
    return needed;
}

uint32_t ConvertFromUtf8(const char* utf8, NWCHAR* buffer, uint32_t chars) noexcept {
    if (utf8 == nullptr) return 0;
    return nw::Guarded<uint32_t>(0, [&] { return CopyWhole(nw::utf::FromUtf8(utf8), buffer, chars); });
}

uint32_t ConvertToUtf8(const NWCHAR* text, char* buffer, uint32_t size) noexcept {
    if (text == nullptr) return 0;
    return nw::Guarded<uint32_t>(0, [&] { return CopyWhole(nw::utf::ToUtf8(text), buffer, size); });
}

uint32_t ProvisionPrinter(const NWCHAR* printerName, const NWCHAR* portName) noexcept {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        return nw::hosted::ProvisionNordwispPrinter(printerName, TextOrEmpty(portName));
    });
}

uint32_t ProvisionOtherPrinter(const NWCHAR* printerName, const NWCHAR* driverName, const NWCHAR* portName,
                               int nordwispRecord) noexcept {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    if (driverName == nullptr) return ERROR_UNKNOWN_PRINTER_DRIVER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        return nw::hosted::ProvisionOtherPrinter(printerName, driverName, TextOrEmpty(portName), nordwispRecord != 0);
    });
}

uint32_t InstallOcr(const char* moduleFile) noexcept {
    if (moduleFile == nullptr) return ERROR_FILE_NOT_FOUND;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY,
                                 [&] { return nw::hosted::InstallOcrModule(std::filesystem::path(moduleFile)); });
}

uint32_t InstallEngine(int barcodeType, const char* moduleFile) noexcept {
    if (moduleFile == nullptr) return ERROR_FILE_NOT_FOUND;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        return nw::hosted::InstallBarcodeEngine(barcodeType, std::filesystem::path(moduleFile));
    });
}

uint32_t InstallConfig(const char* moduleFile) noexcept {
    if (moduleFile == nullptr) return ERROR_FILE_NOT_FOUND;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        return nw::hosted::InstallConfigurationModule(std::filesystem::path(moduleFile));
    });
}

// The current user's registry for clients: what RegEnumKeyExW and
// RegQueryValueExW answer on HKEY_CURRENT_USER\keyPath.
uint32_t EnumUserSubkey(const NWCHAR* keyPath, uint32_t index, NWCHAR* name, uint32_t chars) noexcept {
    if (keyPath == nullptr || name == nullptr || chars == 0) return ERROR_INVALID_PARAMETER;
    nw::RegistryKey key;
    if (LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.put()); status != ERROR_SUCCESS)
        return static_cast<uint32_t>(status);
    DWORD size = chars;
    return static_cast<uint32_t>(::RegEnumKeyExW(key.get(), index, name, &size, nullptr, nullptr, nullptr, nullptr));
}

uint32_t GetUserValue(const NWCHAR* keyPath, const NWCHAR* valueName, uint32_t* type, void* data,
                      uint32_t* bytes) noexcept {
    if (keyPath == nullptr || (data != nullptr && bytes == nullptr)) return ERROR_INVALID_PARAMETER;
    nw::RegistryKey key;
    if (LSTATUS status = ::RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.put()); status != ERROR_SUCCESS)
        return static_cast<uint32_t>(status);
    DWORD valueType = 0;
    DWORD size = bytes != nullptr ? *bytes : 0;
    const LSTATUS status = ::RegQueryValueExW(key.get(), valueName, nullptr, &valueType, static_cast<BYTE*>(data),
                                              bytes != nullptr ? &size : nullptr);
    if (type != nullptr) *type = valueType;
    if (bytes != nullptr) *bytes = size;
    return static_cast<uint32_t>(status);
}

void CountOpen(uint32_t* printerHandles, uint32_t* modules) noexcept {
    if (printerHandles != nullptr) *printerHandles = static_cast<uint32_t>(nw::hosted::OpenPrinterHandleCount());
    if (modules != nullptr) *modules = static_cast<uint32_t>(nw::hosted::LoadedModuleCount());
}

uint32_t QueueJob(const NWCHAR* printerName, const NWCHAR* documentName, const NWCHAR* userName, uint32_t totalPages,
                  uint32_t* jobId) noexcept {
    if (printerName == nullptr) return ERROR_INVALID_PRINTER_NAME;
    if (documentName == nullptr) return ERROR_INVALID_PARAMETER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        DWORD id = 0;
        const DWORD error = nw::hosted::SubmitJob(printerName, documentName, TextOrEmpty(userName), totalPages, &id);
        if (error == ERROR_SUCCESS && jobId != nullptr) *jobId = id;
        return error;
    });
}

uint32_t AddUser(const NWCHAR* userName, const NWCHAR* sid, int loggedOn, const NWCHAR* profilePath, NWCHAR* addedSid,
                 uint32_t addedSidChars) noexcept {
    if (userName == nullptr) return ERROR_INVALID_PARAMETER;
    if (addedSid != nullptr && addedSidChars < NORDWISP_MACHINE_SID_CHARS) return ERROR_INSUFFICIENT_BUFFER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&] {
        std::u16string added;
        const DWORD error =
            nw::hosted::AddMachineUser(userName, TextOrEmpty(sid), loggedOn != 0, TextOrEmpty(profilePath), &added);
        if (error == ERROR_SUCCESS && addedSid != nullptr) {
            added.copy(addedSid, added.size());
            addedSid[added.size()] = 0;
        }
        return error;
    });
}

// A text into a fixed field with its terminator; false when it does not fit.
template <std::size_t N>
bool CopyField(const std::u16string& text, NWCHAR (&field)[N]) {
    if (text.size() >= N) return false;
    text.copy(field, text.size());
    field[text.size()] = 0;
    return true;
}

uint32_t GetUser(uint32_t index, NordwispMachineUser* user) noexcept {
    if (user == nullptr) return ERROR_INVALID_PARAMETER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&]() -> uint32_t {
        const auto users = nw::hosted::MachineUsers();
        if (index >= users.size()) return ERROR_NO_MORE_ITEMS;
        const auto& found = users[index];
        NordwispMachineUser copy{};
        if (!CopyField(found.name, copy.name) || !CopyField(found.sid, copy.sid) ||
            !CopyField(found.profilePath, copy.profilePath))
            return ERROR_INSUFFICIENT_BUFFER;
        copy.loggedOn = found.loggedOn ? 1 : 0;
        copy.isCurrent = nw::hosted::EqualNoCase(found.sid, nw::hosted::CurrentIdentity().userSid) ? 1 : 0;
        *user = copy;
        return ERROR_SUCCESS;
    });
}

size_t ReadBitmap(NW_HBITMAP handle, uint8_t* pixels, size_t size, int32_t* width, int32_t* height) noexcept {
    return nw::Guarded<size_t>(0, [&]() -> size_t {
        const auto bitmap = reinterpret_cast<HBITMAP>(handle);
        BITMAP shape{};
        if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof shape, &shape) != sizeof shape) return 0;
        if (width) *width = shape.bmWidth;
        if (height) *height = shape.bmHeight;
        const auto w = static_cast<size_t>(shape.bmWidth);
        const auto h = static_cast<size_t>(shape.bmHeight);
        const size_t needed = w * h * 3;
        if (pixels == nullptr || needed > size) return needed;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), shape.bmWidth, -shape.bmHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        const size_t stride = (w * 3 + 3) / 4 * 4;
        std::vector<uint8_t> rows(stride * h);
        const nw::MemoryDc dc(::CreateCompatibleDC(nullptr));
        if (::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(h), rows.data(), &info, DIB_RGB_COLORS) == 0) return 0;
        for (size_t y = 0; y < h; ++y)
            for (size_t x = 0; x < w; ++x)
                for (size_t c = 0; c < 3; ++c) pixels[(y * w + x) * 3 + c] = rows[y * stride + x * 3 + 2 - c];
        return needed;
    });
}

static_assert(NORDWISP_MACHINE_FILE_NAME_CHARS == nw::naming::FileNameGenerator::kExpansionSize);
static_assert(NORDWISP_MACHINE_PAPER_TITLE_CHARS == nw::papers::kTitleCapacity);

uint32_t GetPapers(const NordwispDEVMODE* record, NordwispMachinePaper* papers, uint32_t capacity,
                   uint32_t* count) noexcept {
    if (record == nullptr || count == nullptr) return ERROR_INVALID_PARAMETER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&]() -> uint32_t {
        // The record's first field names its printer; it may lack a terminator.
        NWCHAR device[sizeof record->DM.dmDeviceName / sizeof(NWCHAR) + 1] = {};
        std::memcpy(device, record->DM.dmDeviceName, sizeof record->DM.dmDeviceName);
        std::u16string name(device);
        nw::PrinterHandle printer;
        PRINTER_DEFAULTSW defaults{nullptr, nullptr, PRINTER_ACCESS_USE};
        if (!::OpenPrinterW(name.data(), printer.put(), &defaults)) return ::GetLastError();
        const nw::papers::PaperList list = nw::papers::BuildPaperListForPrinter(printer.get(), record);
        if (list.empty()) return ::GetLastError() != 0 ? ::GetLastError() : ERROR_FILE_NOT_FOUND;
        *count = static_cast<uint32_t>(list.size());
        if (papers == nullptr || list.size() > capacity) return ERROR_INSUFFICIENT_BUFFER;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const nw::papers::PaperEntry& entry = list[i];
            NordwispMachinePaper paper{};
            const std::u16string title(nw::papers::TitleOf(entry));
            CopyField(title.substr(0, NORDWISP_MACHINE_PAPER_TITLE_CHARS - 1), paper.title);
            paper.code = entry.nWindowsPaperCode;
            paper.width = static_cast<int32_t>(entry.sPhysSize.x);
            paper.height = static_cast<int32_t>(entry.sPhysSize.y);
            paper.units = entry.nUnits;
            paper.userDefined = entry.bAdvancedPaperSize != 0 ? 1 : 0;
            paper.available = entry.bAvailable != 0 ? 1 : 0;
            papers[i] = paper;
        }
        return ERROR_SUCCESS;
    });
}

uint32_t PreviewFileName(const NordwispMachineFileName* request, NWCHAR* name, uint32_t chars,
                         uint32_t* status) noexcept {
    if (request == nullptr || name == nullptr || status == nullptr) return ERROR_INVALID_PARAMETER;
    if (chars < NORDWISP_MACHINE_FILE_NAME_CHARS) return ERROR_INSUFFICIENT_BUFFER;
    return nw::Guarded<uint32_t>(ERROR_NOT_ENOUGH_MEMORY, [&]() -> uint32_t {
        auto generator = std::make_unique<nw::naming::FileNameGenerator>();
        generator->SetTemplate(request->templateText);
        *status = generator->Generate(name, chars, request->documentName, request->documentExtension,
                                      request->userName, request->pageNumber, request->counter, request->directory,
                                      nw::naming::kCollisionNumbering, request->batesText);
        return ERROR_SUCCESS;
    });
}

void FreeBlock(void* block) noexcept {
    if (block != nullptr) ::GlobalFree(block);
}

void SetMergeHook(NordwispMergeHook hook, void* context) noexcept {
    nw::Guarded(0, [&] {
        if (hook == nullptr) {
            nw::hosted::spooler::SetMergeHook(nullptr);
            return;
        }
        nw::hosted::spooler::SetMergeHook(
            [hook, context](std::u16string_view printer, std::uint8_t* devmode, std::size_t size) {
                const std::u16string name(printer);
                hook(name.c_str(), devmode, size, context);
            });
    });
}

}  // namespace

#include "exports/machine_exports.def"
#endif
