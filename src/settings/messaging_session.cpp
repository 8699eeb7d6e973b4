#include "settings/messaging_session.h"

#include <cstdint>

#include "accessors/text_accessors.h"
#include "record/record.h"
#include "settings/key_path.h"
#include "settings/registry_families.h"
#include "settings/registry_primitives.h"

namespace nw::settings {

namespace {

constexpr const WCHAR* kMessagingKey = W("%s\\Messaging Interface Settings");
constexpr const WCHAR* kInterfaceId = W("Messaging Interface ID");
constexpr const WCHAR* kInterfaceName = W("Messaging Interface Name");

constexpr DwordValue kLastDocNumber{W("%s"), W("LastDocNumber"), 0};
constexpr YesNoValue kUseWindowsSession{kMessagingKey, W("Use Windows Session ID"), false, YesWhen::One};

constexpr auto kSessionID = NW_RECORD_FIELD(std::uint32_t, SessionID);

}  // namespace

int ReadDocumentNumber(const NordwispDEVMODE* record) { return ReadSetting(record, kLastDocNumber); }

int WriteDocumentNumber(const NordwispDEVMODE* record, int number) {
    return WriteSetting(record, kLastDocNumber, number);
}

int UsesWindowsSessionID(const NordwispDEVMODE* record) { return ReadSetting(record, kUseWindowsSession); }

int WriteUseWindowsSessionID(const NordwispDEVMODE* record, int flag) {
    return WriteSetting(record, kUseWindowsSession, flag);
}

int ReadSessionID(const NordwispDEVMODE* record) {
    DWORD id = kSessionID.Get(record);
    ReadPrinterDword(record, kVendorKey, kMessagingKey, kInterfaceId, &id);
    return static_cast<int>(id);
}

int WriteSessionID(NordwispDEVMODE* record, int id) {
    kSessionID.Set(record, static_cast<std::uint32_t>(id));
    return WritePrinterDword(record, kVendorKey, kMessagingKey, kInterfaceId, static_cast<DWORD>(id));
}

const WCHAR* ReadInterfaceName(NordwispDEVMODE* record) {
    const auto& row = accessors::texts::InterfaceName;
    // 520 bytes at most, one unit more so the text read is terminated.
    WCHAR name[261] = {};
    DWORD size = 520;
    // A name of 260 characters has no room for the field's terminator and
    // leaves the field as it was.
    if (ReadPrinterValue(record, kVendorKey, kMessagingKey, kInterfaceName, name, &size))
        accessors::WriteText(record, row, name);
    return accessors::ReadText(record, row);
}

void WriteInterfaceName(NordwispDEVMODE* record, const WCHAR* text) {
    const auto& row = accessors::texts::InterfaceName;
    if (!accessors::TextFits(row, text)) return;
    WritePrinterString(record, kVendorKey, kMessagingKey, kInterfaceName, text);
    accessors::WriteText(record, row, text);
}

}  // namespace nw::settings
