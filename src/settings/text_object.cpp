#include "settings/text_object.h"

namespace nw::settings {

namespace {

bool ReadStampDecimal(const NordwispDEVMODE* record, const WCHAR* name, std::int32_t& value) {
    return ReadDecimalIfPresent(record, subkeys::kTextStamp, name, value);
}

int WriteStampDecimal(const NordwispDEVMODE* record, const WCHAR* name, std::int32_t value) {
    return WriteDecimalText(record, subkeys::kTextStamp, name, value);
}

// Whether the object is on. "Enabled" decides when present. Otherwise the
// older values: "Text Stamp Enable" decides, unless it is 0 and "Text
// Watermark Enable" exists, which then decides; "Text Watermark Enable"
// alone decides too. False when none of the three exists.
bool TextObjectEnabled(const NordwispDEVMODE* record, bool& enabled) {
    std::int32_t value = 0;
    if (ReadStampDecimal(record, text_stamp::kEnabled, value)) {
        enabled = value != 0;
        return true;
    }
    std::int32_t stamp = 0;
    std::int32_t watermark = 0;
    const bool hasStamp = ReadStampDecimal(record, text_stamp::kStampEnable, stamp);
    const bool hasWatermark = ReadStampDecimal(record, text_stamp::kWatermarkEnable, watermark);
    if (hasStamp) {
        enabled = (stamp == 0 && hasWatermark) ? watermark != 0 : stamp != 0;
        return true;
    }
    if (hasWatermark) {
        enabled = watermark != 0;
        return true;
    }
    enabled = false;
    return false;
}

// The older pair: which of stamp and watermark is the enabled one.
int WriteOlderEnables(const NordwispDEVMODE* record, std::int32_t stamp, std::int32_t watermark) {
    const int a = WriteStampDecimal(record, text_stamp::kStampEnable, stamp);
    const int b = WriteStampDecimal(record, text_stamp::kWatermarkEnable, watermark);
    return a && b ? 1 : 0;
}

}  // namespace

// The watermark (1) when the older "Text Watermark Enable" is above 0;
// else the stamp (0).
std::int32_t ReadTextObjectLayer(const NordwispDEVMODE* record) {
    std::int32_t layer = 0;
    if (ReadStampDecimal(record, text_stamp::kLayer, layer)) return layer;
    std::int32_t watermark = 0;
    return ReadStampDecimal(record, text_stamp::kWatermarkEnable, watermark) && watermark > 0 ? 1 : 0;
}

int ReadTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, int& on) {
    bool enabled = false;
    if (!TextObjectEnabled(record, enabled)) {
        on = 0;
        return 0;
    }
    on = enabled && ReadTextObjectLayer(record) == static_cast<std::int32_t>(layer) ? 1 : 0;
    return 1;
}

int WriteTextObjectLayer(const NordwispDEVMODE* record, std::int32_t layer) {
    if (layer != 0 && layer != 1) return 0;
    // The older pair follows the layer only while some enable value is on.
    bool anyOn = false;
    for (const WCHAR* name : {text_stamp::kEnabled, text_stamp::kStampEnable, text_stamp::kWatermarkEnable}) {
        std::int32_t value = 0;
        if (ReadStampDecimal(record, name, value) && value != 0) anyOn = true;
    }
    if (anyOn && !WriteOlderEnables(record, layer == 0 ? 1 : 0, layer == 0 ? 0 : 1)) return 0;
    return WriteStampDecimal(record, text_stamp::kLayer, layer);
}

int WriteTextObjectEnabled(const NordwispDEVMODE* record, std::int32_t enabled) {
    // On: the older pair marks the current layer (the stamp, recorded as
    // such, when there is none yet). Off: both older values are cleared.
    int written = 1;
    if (enabled != 0) {
        std::int32_t layer = 0;
        if (!ReadStampDecimal(record, text_stamp::kLayer, layer)) {
            written = WriteStampDecimal(record, text_stamp::kLayer, 0);
            if (!WriteOlderEnables(record, 1, 0)) written = 0;
        } else if (layer != 0) {
            written = WriteOlderEnables(record, 0, 1);
        } else {
            written = WriteOlderEnables(record, 1, 0);
        }
    } else {
        written = WriteOlderEnables(record, 0, 0);
    }
    return WriteStampDecimal(record, text_stamp::kEnabled, enabled) && written ? 1 : 0;
}

int SetTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, std::int32_t value) {
    const auto wanted = static_cast<std::int32_t>(layer);
    if (value != 0) return WriteTextObjectLayer(record, wanted) && WriteTextObjectEnabled(record, value) ? 1 : 0;
    // Turning the stamp off must not turn off a watermark, and the reverse.
    if (ReadTextObjectLayer(record) != wanted) return 1;
    return WriteTextObjectEnabled(record, 0);
}

}  // namespace nw::settings
