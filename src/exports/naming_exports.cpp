// Exports of the custom file-name template: each builds a FileNameGenerator
// on the stack for one validation and discards it.
#include "record/record.h"
#include "frame/ansi.h"
#include "frame/export_frame.h"
#include "naming/file_name_generator.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

// File-generation method that keeps the custom template in ImageFileName.
constexpr std::uint32_t kCustomTemplateMethod = 7;

const NWCHAR kEmptyText[1] = {0};

}  // namespace

extern "C" int NW_API IsCustomFilenameTemplateValid(const NordwispDEVMODE* record,
                                                    const NWCHAR* templateText) noexcept {
    return nw::Frame(0, record, [&] { return nw::naming::FileNameGenerator{}.Validate(templateText); });
}

extern "C" int NW_API IsCustomFilenameTemplateValidA(const NordwispDEVMODE* record, const char* templateText) noexcept {
    // The whole text is converted, so a long one is still reported as too long.
    return nw::Guarded(0, [&] {
        return nw::WithHeapWide(templateText, [&](const WCHAR* wide) { return IsCustomFilenameTemplateValid(record, wide); });
    });
}

extern "C" int NW_API SetCustomFilenameTemplate(NordwispDEVMODE* record, const NWCHAR* templateText) noexcept {
    return nw::Frame(0, record, [&] {
        if (nw::record::FileGenerationMethod.Get(record) != kCustomTemplateMethod) return 0;
        if (nw::naming::FileNameGenerator{}.Validate(templateText) != nw::naming::kTemplateValid) return 0;
        // A valid template is at most 259 characters: it fits the field whole.
        nw::record::ImageFileName.Set(record, WStringView(templateText));
        return 1;
    });
}

extern "C" int NW_API SetCustomFilenameTemplateA(NordwispDEVMODE* record, const char* templateText) noexcept {
    return nw::Guarded(0, [&] {
        return nw::WithHeapWide(templateText, [&](const WCHAR* wide) { return SetCustomFilenameTemplate(record, wide); });
    });
}

extern "C" const NWCHAR* NW_API GetCustomFilenameTemplate(const NordwispDEVMODE* record) noexcept {
    return nw::Frame<const NWCHAR*>(kEmptyText, record, [&]() -> const NWCHAR* {
        if (nw::record::FileGenerationMethod.Get(record) != kCustomTemplateMethod) return kEmptyText;
        // A field without its terminator would send the caller past the record.
        if (nw::record::ImageFileName.Length(record) >= nw::record::ImageFileName.capacity) return kEmptyText;
        return nw::record::ImageFileName.Data(record);
    });
}
