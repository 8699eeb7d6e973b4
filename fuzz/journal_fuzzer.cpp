// Feeds arbitrary bytes to the journal reader and replays what it accepts
// onto a tree. Every record it accepts must encode back to the very bytes
// it was read from, and it never claims more bytes than it was given.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hosted/registry_journal.h"
#include "platform/hosted/registry_model.h"

namespace {

using namespace nw::hosted::registry;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "journal_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Key root(std::u16string(), false);
    std::vector<Change> changes;
    const std::size_t consumed = DecodeRecords(bytes, [&](const Change& change) {
        changes.push_back(change);
        Apply(root, change, false, 1);
    });
    if (consumed > size) Fault("more bytes consumed than given");
    // Re-encoded one by one, the changes replay to the same list.
    std::string encoded;
    for (const Change& change : changes) encoded += EncodeRecord(change);
    std::vector<Change> again;
    if (DecodeRecords(encoded, [&](const Change& change) { again.push_back(change); }) != encoded.size())
        Fault("an encoded record does not decode");
    if (again.size() != changes.size()) Fault("a change was lost on the way back");
    for (std::size_t i = 0; i < again.size(); ++i) {
        const Change& a = changes[i];
        const Change& b = again[i];
        if (a.kind != b.kind || a.path != b.path || a.valueName != b.valueName || a.type != b.type || a.data != b.data)
            Fault("a change came back different");
    }
    // And as one batch.
    if (!changes.empty()) {
        const std::string batch = EncodeBatch(changes);
        std::size_t count = 0;
        if (DecodeRecords(batch, [&](const Change&) { ++count; }) != batch.size() || count != changes.size())
            Fault("a batch does not decode whole");
    }
    return 0;
}
