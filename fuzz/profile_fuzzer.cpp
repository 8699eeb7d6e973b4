// Feeds arbitrary bytes to the profile (INI) document parser, in each code
// page the machine offers, then reads and edits the document. Untouched, a
// document must serialise to the bytes it was read from; edited, it must
// read back what was written.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_document.h"

namespace {

using nw::platform::IniDocument;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "profile_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const UINT codePage = (data[0] & 1) ? 1252 : CP_UTF8;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    IniDocument document = IniDocument::Parse(bytes, codePage);
    if (document.Serialize() != bytes) Fault("an untouched document changed");

    for (std::u16string_view section : document.SectionNames()) {
        std::vector<std::u16string_view> keys;
        if (!document.KeyNames(section, keys)) Fault("a listed section has no keys list");
        for (std::u16string_view key : keys) (void)document.Find(section, key);
    }
    // Edits of names and values the text may or may not hold already.
    const std::u16string section = u"Fuzz Section";
    const std::u16string value = u"value \u00E9 1";
    document.Set(section, u"Key", value);
    const std::u16string* found = document.Find(section, u"key");
    if (found == nullptr || *found != value) Fault("a value set does not read back");
    const IniDocument reread = IniDocument::Parse(document.Serialize(), codePage);
    found = reread.Find(section, u"KEY");
    if (found == nullptr) Fault("a value set is lost by serialising");
    document.DeleteKey(section, u"Key");
    document.DeleteSection(section);
    return 0;
}
