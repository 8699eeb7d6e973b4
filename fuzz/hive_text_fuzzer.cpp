// Feeds arbitrary bytes to the hive text parser. A text it accepts must
// survive a round trip: written out again and read back, it gives the same
// text, so nothing the parser keeps is lost or changed by the writer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/hosted/registry_text.h"

namespace {

using nw::hosted::registry::FormatHive;
using nw::hosted::registry::HiveSection;
using nw::hosted::registry::ParseHive;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "hive_text_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseHive(text, false, 0);
    if (!parsed || parsed->rootName.empty()) return 0;
    const std::string written = FormatHive(*parsed->root, parsed->rootName, HiveSection::Persistent);
    const auto again = ParseHive(written, false, 0);
    if (!again) Fault("a written hive does not read back");
    if (FormatHive(*again->root, again->rootName, HiveSection::Persistent) != written)
        Fault("a written hive reads back as another");
    return 0;
}
