// Exports of the custom file-name template, the rows of naming_exports.def:
// each builds a FileNameGenerator on the stack for one validation and
// discards it.
#include "exports/export_definitions.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "naming/file_name_generator.h"
#include "record/record.h"

namespace {

// File-generation method that keeps the custom template in ImageFileName.
constexpr std::uint32_t kCustomTemplateMethod = 7;

const NWCHAR kEmptyText[1] = {0};

// The heap-converted ANSI shape, guarded like the wide export it calls.
template <class Wide>
int HeapAnsi(const char* text, Wide&& wide) noexcept {
    return nw::Guarded(0, [&] { return nw::WithHeapWide(text, wide); });
}

int StoreTemplate(NordwispDEVMODE* record, const NWCHAR* templateText) noexcept {
    return nw::Frame(0, record, [&] {
        if (nw::record::FileGenerationMethod.Get(record) != kCustomTemplateMethod) return 0;
        if (nw::naming::FileNameGenerator{}.Validate(templateText) != nw::naming::kTemplateValid) return 0;
        // A valid template is at most 259 characters: it fits the field whole.
        nw::record::ImageFileName.Set(record, WStringView(templateText));
        return 1;
    });
}

const NWCHAR* StoredTemplate(const NordwispDEVMODE* record) noexcept {
    return nw::Frame<const NWCHAR*>(kEmptyText, record, [&]() -> const NWCHAR* {
        if (nw::record::FileGenerationMethod.Get(record) != kCustomTemplateMethod) return kEmptyText;
        // A field without its terminator would send the caller past the record.
        if (nw::record::ImageFileName.Length(record) >= nw::record::ImageFileName.capacity) return kEmptyText;
        return nw::record::ImageFileName.Data(record);
    });
}

}  // namespace

#include "exports/naming_exports.def"
