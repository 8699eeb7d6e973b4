// The append-only journal beside a hive file: one record per change, each
// framed with a mark, its length and a CRC-32, so a record torn by a crash
// (and anything after it) is recognised and ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hosted/registry_model.h"

namespace nw::hosted::registry {

std::uint32_t Crc32(std::string_view bytes);

// The framed record of one change.
std::string EncodeRecord(const Change& change);
// One framed record of several changes, replayed all together or not at all.
std::string EncodeBatch(std::span<const Change> changes);

// Hands every whole, intact record at the start of `bytes` to `apply` and
// returns how many bytes they took; stops at the first damaged record.
std::size_t DecodeRecords(std::string_view bytes, const std::function<void(const Change&)>& apply);

}  // namespace nw::hosted::registry
