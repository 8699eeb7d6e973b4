// Scalar fields of one, two or four bytes read and written by offset and
// width, so one row type can describe every numeric field and flag word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "record/record.h"

namespace nw::record {

struct FieldBytes {
    std::size_t offset;
    std::uint8_t width;  // 1, 2 or 4
    bool isSigned = false;

    // Zero-extended, or sign-extended for the signed header fields.
    std::int32_t Read(const NordwispDEVMODE* record) const {
        const std::uint8_t* p = Bytes(record) + offset;
        switch (width) {
            case 1: {
                std::uint8_t v = *p;
                return isSigned ? static_cast<std::int8_t>(v) : v;
            }
            case 2: {
                std::uint16_t v;
                std::memcpy(&v, p, sizeof v);
                return isSigned ? static_cast<std::int16_t>(v) : v;
            }
            default: {
                std::uint32_t v;
                std::memcpy(&v, p, sizeof v);
                return static_cast<std::int32_t>(v);
            }
        }
    }
    std::uint32_t ReadBits(const NordwispDEVMODE* record) const {
        const std::int32_t v = Read(record);
        return width == 4 ? static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v) & ((1u << (8 * width)) - 1);
    }
    // Stores the low bytes of the value.
    void Write(NordwispDEVMODE* record, std::uint32_t value) const {
        std::uint8_t* p = Bytes(record) + offset;
        switch (width) {
            case 1: *p = static_cast<std::uint8_t>(value); break;
            case 2: {
                const auto v = static_cast<std::uint16_t>(value);
                std::memcpy(p, &v, sizeof v);
                break;
            }
            default: std::memcpy(p, &value, sizeof value); break;
        }
    }
};

#define NW_FIELD_BYTES(member)                                                              \
    ::nw::record::FieldBytes{offsetof(NordwispDEVMODE, member),                          \
                                sizeof(std::declval<NordwispDEVMODE&>().member), false}
#define NW_SIGNED_FIELD_BYTES(member)                                                       \
    ::nw::record::FieldBytes{offsetof(NordwispDEVMODE, member),                          \
                                sizeof(std::declval<NordwispDEVMODE&>().member), true}

}  // namespace nw::record
