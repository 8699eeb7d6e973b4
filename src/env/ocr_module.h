// The OCR module's language list, asked of the module the printer names.
#pragma once

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/win32api.h"

namespace nw::env {

// Loads the module of the printer's "NwOCR.Dll" path with its own folder
// as the current directory, asks it for its languages and copies them into
// buffer when *size (characters) holds them with the terminator. *size
// becomes the characters needed whenever the module answered. The current
// directory is restored and the module freed on every path. 1 when copied;
// 0 with the library's last error set otherwise.
int ReadOcrSupportedLanguages(const NordwispDEVMODE* record, WCHAR* buffer, int* size);

}  // namespace nw::env
