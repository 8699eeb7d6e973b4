#include "platform/hosted/registry_journal.h"

#include <array>
#include <bit>

namespace nw::hosted::registry {
namespace {

constexpr std::uint32_t kRecordMark = 0x314A574Eu;  // "NWJ1"
constexpr std::size_t kFrameSize = 12;             // mark, length, CRC
constexpr std::uint32_t kMaxPayload = static_cast<std::uint32_t>(kMaxValueSize) + 1024u * 1024u;

// CRC-32 (IEEE) tables for slicing by eight: table[k][b] is the CRC of byte
// b followed by k zero bytes. Eight bytes a step instead of one; every
// change the journal takes is checksummed whole.
constexpr std::array<std::array<std::uint32_t, 256>, 8> MakeCrcTables() {
    std::array<std::array<std::uint32_t, 256>, 8> tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][i] = c;
    }
    for (std::size_t k = 1; k < 8; ++k)
        for (std::size_t i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    return tables;
}
constexpr auto kCrcTables = MakeCrcTables();

void Put32(std::string& out, std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    out.append(bytes, 4);
}

void PutText(std::string& out, std::u16string_view text) {
    Put32(out, static_cast<std::uint32_t>(text.size()));
    if constexpr (std::endian::native == std::endian::little) {
        // The journal is little-endian: the characters are its bytes already.
        out.append(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    } else {
        for (char16_t c : text) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
    }
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool Get8(std::uint8_t& v) {
        if (position_ + 1 > bytes_.size()) return false;
        v = static_cast<std::uint8_t>(bytes_[position_++]);
        return true;
    }
    bool Get32(std::uint32_t& v) {
        if (position_ + 4 > bytes_.size()) return false;
        v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes_[position_ + i])) << (8 * i);
        position_ += 4;
        return true;
    }
    bool GetText(std::u16string& text, std::size_t maxLength) {
        std::uint32_t length = 0;
        if (!Get32(length) || length > maxLength || position_ + 2ull * length > bytes_.size()) return false;
        text.resize(length);
        for (std::uint32_t i = 0; i < length; ++i) {
            text[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes_[position_]) |
                                            (static_cast<std::uint8_t>(bytes_[position_ + 1]) << 8));
            position_ += 2;
        }
        return true;
    }
    bool GetBytes(std::vector<std::uint8_t>& data, std::size_t size) {
        if (position_ + size > bytes_.size()) return false;
        data.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(position_),
                    bytes_.begin() + static_cast<std::ptrdiff_t>(position_ + size));
        position_ += size;
        return true;
    }
    bool AtEnd() const { return position_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// A batch is one record holding several changes, each a payload with its
// length; it is applied whole or not at all.
constexpr std::uint8_t kBatchKind = 5;

bool DecodePayload(std::string_view payload, Change& change) {
    Reader in(payload);
    std::uint8_t kind = 0;
    std::uint32_t depth = 0;
    if (!in.Get8(kind) || kind < 1 || kind > 4 || !in.Get32(depth) || depth > payload.size()) return false;
    change.kind = static_cast<ChangeKind>(kind);
    change.path.resize(depth);
    for (auto& name : change.path)
        if (!in.GetText(name, kMaxKeyNameLength) || name.empty()) return false;
    if (change.kind == ChangeKind::SetValue || change.kind == ChangeKind::DeleteValue) {
        if (!in.GetText(change.valueName, kMaxValueNameLength)) return false;
    }
    if (change.kind == ChangeKind::SetValue) {
        std::uint32_t size = 0;
        if (!in.Get32(change.type) || !in.Get32(size) || !in.GetBytes(change.data, size)) return false;
    }
    if (change.kind == ChangeKind::DeleteKey && change.path.empty()) return false;
    return in.AtEnd();
}

}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::size_t n = bytes.size();
    const auto& t = kCrcTables;
    for (; n >= 8; n -= 8, p += 8) {
        const std::uint32_t low = c ^ (p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^ t[3][p[4]] ^
            t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; --n, ++p) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

namespace {

std::size_t PayloadSize(const Change& change) {
    std::size_t size = 1 + 4;
    for (const auto& name : change.path) size += 4 + 2 * name.size();
    if (change.kind == ChangeKind::SetValue || change.kind == ChangeKind::DeleteValue)
        size += 4 + 2 * change.valueName.size();
    if (change.kind == ChangeKind::SetValue) size += 8 + change.data.size();
    return size;
}

void AppendPayload(std::string& out, const Change& change) {
    out += static_cast<char>(change.kind);
    Put32(out, static_cast<std::uint32_t>(change.path.size()));
    for (const auto& name : change.path) PutText(out, name);
    if (change.kind == ChangeKind::SetValue || change.kind == ChangeKind::DeleteValue) PutText(out, change.valueName);
    if (change.kind == ChangeKind::SetValue) {
        Put32(out, change.type);
        Put32(out, static_cast<std::uint32_t>(change.data.size()));
        out.append(reinterpret_cast<const char*>(change.data.data()), change.data.size());
    }
}

// A record is built in place: its frame around a payload of known size.
std::string StartRecord(std::size_t payloadSize) {
    std::string record;
    record.reserve(payloadSize + kFrameSize);
    Put32(record, kRecordMark);
    Put32(record, static_cast<std::uint32_t>(payloadSize));
    return record;
}

std::string& FinishRecord(std::string& record) {
    Put32(record, Crc32(std::string_view(record).substr(8)));
    return record;
}

bool DecodeBatch(std::string_view payload, std::vector<Change>& changes) {
    Reader in(payload);
    std::uint8_t kind = 0;
    std::uint32_t count = 0;
    if (!in.Get8(kind) || kind != kBatchKind || !in.Get32(count) || count > payload.size()) return false;
    changes.resize(count);
    for (Change& change : changes) {
        std::uint32_t size = 0;
        std::vector<std::uint8_t> bytes;
        if (!in.Get32(size) || !in.GetBytes(bytes, size)) return false;
        if (!DecodePayload(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), change))
            return false;
    }
    return in.AtEnd();
}

}  // namespace

std::string EncodeRecord(const Change& change) {
    std::string record = StartRecord(PayloadSize(change));
    AppendPayload(record, change);
    return std::move(FinishRecord(record));
}

std::string EncodeBatch(std::span<const Change> changes) {
    std::size_t size = 1 + 4;
    for (const Change& change : changes) size += 4 + PayloadSize(change);
    std::string record = StartRecord(size);
    record += static_cast<char>(kBatchKind);
    Put32(record, static_cast<std::uint32_t>(changes.size()));
    for (const Change& change : changes) {
        Put32(record, static_cast<std::uint32_t>(PayloadSize(change)));
        AppendPayload(record, change);
    }
    return std::move(FinishRecord(record));
}

std::size_t DecodeRecords(std::string_view bytes, const std::function<void(const Change&)>& apply) {
    std::size_t consumed = 0;
    while (bytes.size() - consumed >= kFrameSize) {
        Reader frame(bytes.substr(consumed, 8));
        std::uint32_t mark = 0;
        std::uint32_t length = 0;
        frame.Get32(mark);
        frame.Get32(length);
        if (mark != kRecordMark || length > kMaxPayload || bytes.size() - consumed - kFrameSize < length) break;
        const std::string_view payload = bytes.substr(consumed + 8, length);
        Reader tail(bytes.substr(consumed + 8 + length, 4));
        std::uint32_t crc = 0;
        tail.Get32(crc);
        if (crc != Crc32(payload)) break;
        if (!payload.empty() && static_cast<std::uint8_t>(payload[0]) == kBatchKind) {
            std::vector<Change> changes;
            if (!DecodeBatch(payload, changes)) break;
            for (const Change& change : changes) apply(change);
        } else {
            Change change;
            if (!DecodePayload(payload, change)) break;
            apply(change);
        }
        consumed += kFrameSize + length;
    }
    return consumed;
}

}  // namespace nw::hosted::registry
