// The text stamp and the text watermark are one text object in "Text
// Watermark Stamp Settings", drawn on one of two layers. "Enabled" and
// "Layer" (0 stamp, 1 watermark) describe it; the older "Text Stamp Enable"
// and "Text Watermark Enable" are still honoured when those are missing and
// kept in step on every write, for drivers that read only them.
#pragma once

#include <cstdint>

#include "settings/family_tables.h"

namespace nw::settings {

enum class TextLayer : std::int32_t { Stamp = 0, Watermark = 1 };

// Stores 1 when the object is on and on this layer, else 0. Returns 0 when
// none of the enable values exists (then 0 is stored).
int ReadTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, int& on);
// The layer: "Layer" when present, else derived from the older values.
std::int32_t ReadTextObjectLayer(const NordwispDEVMODE* record);
// Layer 0 or 1 (others refused), keeping the older enable values in step.
int WriteTextObjectLayer(const NordwispDEVMODE* record, std::int32_t layer);
int WriteTextObjectEnabled(const NordwispDEVMODE* record, std::int32_t enabled);
// Non-zero moves the object to this layer and turns it on; zero turns it
// off only when it is on this layer.
int SetTextObjectEnabled(const NordwispDEVMODE* record, TextLayer layer, std::int32_t value);

}  // namespace nw::settings
