// The exported shapes of the registry-backed settings: the frame (last
// error 0 on entry, -1000 for a null record, no exception out) around the
// generic readers and writers. Each export is one line naming its row.
#pragma once

#include <cstdint>

#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "settings/registry_families.h"

namespace nw::settings {

// Value getter: the value, or its default.
template <class Row>
int GetValueExport(const NordwispDEVMODE* record, const Row& row, int nullResult = 0) noexcept {
    return Frame(nullResult, record, [&] { return ReadSetting(record, row); });
}

// Out getter: 1 with the value or its default stored; 0 for a null pointer.
template <class Row>
int GetOutExport(const NordwispDEVMODE* record, const Row& row, int* out) noexcept {
    return Frame(0, record, [&] {
        if (out == nullptr) return 0;
        *out = ReadSetting(record, row);
        return 1;
    });
}

// Switch getter: 1 or 0.
template <class Row>
int IsExport(const NordwispDEVMODE* record, const Row& row) noexcept {
    return Frame(0, record, [&] { return ReadSetting(record, row) != 0 ? 1 : 0; });
}

template <class Row>
int SetExport(const NordwispDEVMODE* record, const Row& row, int value) noexcept {
    return Frame(0, record, [&] { return WriteSetting(record, row, value); });
}

// Text getters take the size in bytes through an int; the reader's size
// protocol applies.
template <class Read>
int GetTextFrame(const NordwispDEVMODE* record, int* size, Read&& read) noexcept {
    return Frame(0, record, [&] {
        if (size == nullptr) return 0;
        DWORD bytes = *size > 0 ? static_cast<DWORD>(*size) : 0;
        const int result = read(&bytes);
        *size = static_cast<int>(bytes);
        return result;
    });
}

inline int GetTextExport(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer, int* size) noexcept {
    return GetTextFrame(record, size, [&](DWORD* bytes) { return ReadSetting(record, row, buffer, bytes); });
}

// The OCR module paths count their buffer in characters instead.
inline int GetTextCharsExport(const NordwispDEVMODE* record, const TextValue& row, WCHAR* buffer,
                              int* chars) noexcept {
    return Frame(0, record, [&] {
        if (chars == nullptr) return 0;
        constexpr int kMaxChars = 0x3FFFFFFF;
        DWORD bytes = static_cast<DWORD>(*chars > 0 ? (*chars < kMaxChars ? *chars : kMaxChars) : 0) * sizeof(WCHAR);
        const int result = ReadSetting(record, row, buffer, &bytes);
        *chars = static_cast<int>(bytes / sizeof(WCHAR));
        return result;
    });
}

inline int SetTextExport(const NordwispDEVMODE* record, const TextValue& row, const WCHAR* text) noexcept {
    return Frame(0, record, [&] { return WriteSetting(record, row, text); });
}

// Blobs take the caller's size in bytes as text getters do; a negative
// length writes nothing.
inline int GetBlobExport(const NordwispDEVMODE* record, const BlobValue& row, void* buffer, int* size) noexcept {
    return GetTextFrame(record, size, [&](DWORD* bytes) { return ReadSetting(record, row, buffer, bytes); });
}

inline int SetBlobExport(const NordwispDEVMODE* record, const BlobValue& row, const void* data, int length) noexcept {
    return Frame(0, record, [&] {
        if (length < 0) return 0;
        return WriteSetting(record, row, data, static_cast<DWORD>(length));
    });
}

// ANSI forms: the text setters convert the whole text (so a text too long
// for its value is refused, never cut), the getters go through a wide
// buffer of the caller's size.
template <class Wide>
int SetTextAnsi(const char* text, Wide&& wide) noexcept {
    return Guarded(0, [&] { return WithHeapWide(text, wide); });
}
template <class Wide>
int GetTextAnsi(char* buffer, int* size, Wide&& wide) noexcept {
    return Guarded(0, [&] { return IntoAnsiBuffer(buffer, size, wide); });
}

}  // namespace nw::settings
