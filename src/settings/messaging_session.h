// Values that identify rather than configure: the printer's document
// counter and its messaging-interface session (identifier, name, and whether
// the caller's Windows session supplies the identifier). The record must not
// be null; the exports check it.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::settings {

// "LastDocNumber" of the printer key; 0 when missing.
int ReadDocumentNumber(const NordwispDEVMODE* record);
int WriteDocumentNumber(const NordwispDEVMODE* record, int number);

// "Use Windows Session ID": on only for a case variant of "yes".
int UsesWindowsSessionID(const NordwispDEVMODE* record);
// Stores "Yes" for 1 and "No" for anything else.
int WriteUseWindowsSessionID(const NordwispDEVMODE* record, int flag);

// The printer's "Messaging Interface ID", else the record's SessionID.
int ReadSessionID(const NordwispDEVMODE* record);
// Sets the record's SessionID, then the registry value; the write's result.
int WriteSessionID(NordwispDEVMODE* record, int id);

// The printer's "Messaging Interface Name", copied into the record's
// InterfaceName when present; the record's field either way.
const WCHAR* ReadInterfaceName(NordwispDEVMODE* record);
// A text that fits the field goes to the registry, then into the field; a
// longer or null text changes nothing.
void WriteInterfaceName(NordwispDEVMODE* record, const WCHAR* text);

}  // namespace nw::settings
