// Value verification and the page preview of the record's barcode.
#pragma once

#include <string>

#include "barcode/barcode_writer.h"

namespace nw::barcode {

// The barcode value from the record's source: 0 the caller's text in the
// ANSI code page, 1 the whole value file. The bytes are followed by a zero
// that the count leaves out. False (with the writer's error for a missing
// file) when there is no value.
bool TakeBarcodeValue(const NordwispDEVMODE* record, const WCHAR* value, CBarcodeWriter& writer, std::string& bytes);

// 1 when the engine sizes the value without error, else 0.
int VerifyValue(const NordwispDEVMODE* record, const WCHAR* value);

// The framed, scaled page with the barcode on it, in a new bitmap the caller
// deletes; null for a null record or value or an empty box.
HBITMAP DrawPreview(const NordwispDEVMODE* record, const WCHAR* value, HWND window, int width, int height);

}  // namespace nw::barcode
