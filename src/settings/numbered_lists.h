// Lists kept as numbered subkeys of one parent key (FTP connections,
// text-stamp presets): entries are added under the lowest free number,
// found by name, listed in the registry's enumeration order and deleted
// without renumbering the others.
#pragma once

#include <cstdint>
#include <utility>

#include "settings/list_tables.h"

namespace nw::settings {

// The template of entry `number` below `parent` ("<parent>\<number>").
WString EntrySubKey(const WCHAR* parent, std::int32_t number);

// A row moved to another subkey template. Holds the text the row points
// into, so it cannot be copied.
template <class Row>
class RowAt {
public:
    RowAt(const Row& row, WString subKey) : subKey_(std::move(subKey)), row_(row) { row_.subKey = subKey_.c_str(); }
    RowAt(const RowAt&) = delete;
    RowAt& operator=(const RowAt&) = delete;
    const Row& operator*() const { return row_; }

private:
    WString subKey_;
    Row row_;
};

// A row of an entry's table (whose subkey is the list's parent) addressed
// at entry `number`.
template <class Row>
RowAt<Row> AtEntry(const Row& row, std::int32_t number) {
    return RowAt<Row>(row, EntrySubKey(row.subKey, number));
}

// Number of entries; 0 when the parent is missing.
std::int32_t CountEntries(const NordwispDEVMODE* record, const NumberedList& list);
// The number of the entry at a 0-based enumeration index; 0 out of range.
std::int32_t EntryAt(const NordwispDEVMODE* record, const NumberedList& list, std::int32_t index);
// The first entry, in enumeration order, whose name equals `name`
// ignoring case; 0 when none does.
std::int32_t FindEntry(const NordwispDEVMODE* record, const NumberedList& list, const WCHAR* name);
// A new entry under the lowest free number, holding its name; the number,
// or 0 when the name could not be written.
std::int32_t AddEntry(const NordwispDEVMODE* record, const NumberedList& list, const WCHAR* name);
// 1 when the entry's subkey was deleted; an entry with subkeys of its own
// is refused.
int DeleteEntry(const NordwispDEVMODE* record, const NumberedList& list, std::int32_t number);

}  // namespace nw::settings
