// Password values, stored scrambled (password_scrambling.h has the
// encodings) and handed to the caller in clear under the text size protocol.
#pragma once

#include "settings/family_tables.h"

namespace nw::settings {

// PDF owner and user passwords: each unit XORed.
int ReadPdfPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size);
int WritePdfPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text);
// The SMTP password: hex digits, low nibble first.
int ReadSmtpPassword(const NordwispDEVMODE* record, WCHAR* buffer, DWORD* size);
int WriteSmtpPassword(const NordwispDEVMODE* record, const WCHAR* text);
// FTP and SharePoint passwords: hex digits of each XORed unit.
int ReadHexPassword(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, DWORD* size);
int WriteHexPassword(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text);

}  // namespace nw::settings
