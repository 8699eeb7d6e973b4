#include "accessors/text_accessors.h"

#include <cstring>

#include "frame/ansi.h"
#include "frame/export_frame.h"

namespace nw::accessors {

namespace {

const WCHAR kEmptyText[1] = {0};

// Length of the text, but counting no further than `limit`: a text that long
// does not fit any field, and a caller's huge text is never walked whole.
std::size_t BoundedLength(const WCHAR* text, std::size_t limit) {
    std::size_t n = 0;
    while (n < limit && text[n] != 0) ++n;
    return n;
}

}  // namespace

const WCHAR* ReadText(const NordwispDEVMODE* record, const Text& row) noexcept { return row.field.Data(record); }

bool TextFits(const Text& row, const WCHAR* text) noexcept {
    return text != nullptr && BoundedLength(text, row.field.capacity) < row.field.capacity;
}

void WriteText(NordwispDEVMODE* record, const Text& row, const WCHAR* text) noexcept {
    if (text == nullptr) return;
    const std::size_t capacity = row.field.capacity;
    const std::size_t length = BoundedLength(text, capacity);
    std::uint8_t* field = record::Bytes(record) + row.field.offset;
    if (row.tooLong == TooLong::Cut) {
        std::memset(field, 0, capacity * sizeof(WCHAR));
        std::memcpy(field, text, (length < capacity ? length : capacity - 1) * sizeof(WCHAR));
        return;
    }
    if (length >= capacity) return;
    std::memcpy(field, text, length * sizeof(WCHAR));
    const WCHAR terminator = 0;
    std::memcpy(field + length * sizeof(WCHAR), &terminator, sizeof terminator);
}

const WCHAR* GetText(const NordwispDEVMODE* record, const Text& row) noexcept {
    const WCHAR* onNull = row.onNull == NullRecordText::Empty ? kEmptyText : nullptr;
    return Frame(onNull, record, [&] { return ReadText(record, row); });
}

int SetText(NordwispDEVMODE* record, const Text& row, const WCHAR* text) noexcept {
    return Frame(0, record, [&] { WriteText(record, row, text); });
}

int GetTextAnsi(const NordwispDEVMODE* record, const Text& row, char* buffer, int* size) noexcept {
    const WCHAR* text = GetText(record, row);
    // A null record is a failure for every ANSI getter, whatever text its
    // wide twin answers: the buffer and the size stay as they were.
    if (record == nullptr) return 0;
    if (text == nullptr || row.field.Length(record) < row.field.capacity)
        return WideToAnsiBuffer(text, buffer, size);
    // A field without its terminator (a damaged record): convert the field
    // alone rather than read on past it.
    return Guarded(0, [&] {
        const WString bounded = row.field.Get(record);
        return WideToAnsiBuffer(bounded.c_str(), buffer, size);
    });
}

int SetTextAnsi(NordwispDEVMODE* record, const Text& row, const char* text) noexcept {
    return Guarded(0, [&] {
        return WithFixedWide(text, [&](const WCHAR* wide) { return SetText(record, row, wide); });
    });
}

}  // namespace nw::accessors
