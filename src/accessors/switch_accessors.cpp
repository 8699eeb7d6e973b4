#include "accessors/switch_accessors.h"

#include "frame/export_frame.h"

namespace nw::accessors {

namespace {
inline constexpr FieldBytes kTextOutputFormat = NW_FIELD_BYTES(TextOutputFormat);
}

void WriteSwitch(NordwispDEVMODE* record, const Switch& row, bool on) noexcept {
    std::uint32_t word = row.word.ReadBits(record);
    if (on != row.inverted) {
        word = (word & ~row.clearOnEnable) | row.bit;
    } else {
        word &= ~row.bit;
    }
    row.word.Write(record, word);
}

std::int32_t ReadSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept {
    if (row.reading == SwitchReading::AdvancedText &&
        record::DriverVersion.Get(record) >= kAdvancedTextFromFormatVersion)
        return kTextOutputFormat.Read(record) == 1 ? 1 : 0;
    return (row.word.ReadBits(record) & row.bit) != 0 ? row.whenSet : 0;
}

int EnableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(0, record, [&] { WriteSwitch(record, row, true); });
}

int DisableSwitch(NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(0, record, [&] { WriteSwitch(record, row, false); });
}

std::int32_t IsSwitch(const NordwispDEVMODE* record, const Switch& row) noexcept {
    return Frame(row.nullValue, record, [&] { return ReadSwitch(record, row); });
}

}  // namespace nw::accessors
