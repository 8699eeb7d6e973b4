// Feeds arbitrary templates and generation inputs to the template validator
// and the file-name generator. Every text may be of any length; the output
// buffers are heap blocks of exactly the size passed, so AddressSanitizer
// sees any write past them.
//
// Input: 16 bytes of numbers (flags, page, counter, output size, time), then
// UTF-16 units split at zero units into template, fallback template,
// document name, document extension, user name, directory and Bates text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "naming/file_name_generator.h"
#include "platform/win32api.h"

namespace {

using nw::naming::FileNameGenerator;

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "naming_fuzzer: %s\n", what);
    std::abort();
}

struct Reader {
    const std::uint8_t* data;
    std::size_t size;

    template <class T>
    T Take() {
        T value{};
        const std::size_t n = size < sizeof(T) ? size : sizeof(T);
        std::memcpy(&value, data, n);
        data += n;
        size -= n;
        return value;
    }
};

bool IsValidationCode(int code) { return code == 0 || (code >= 120 && code <= 139); }

void CheckName(WStringView name) {
    if (name.size() > 255) Fault("name longer than the budget allows");
    for (WCHAR c : name)
        if (nw::naming::IsInvalidFileNameChar(c)) Fault("invalid character left in a name");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A machine of its own, so nothing of the user's is read.
    static std::string root = (std::filesystem::temp_directory_path() / "nw-naming-fuzz").string();
    std::filesystem::create_directories(root + "/drive_c/out");
    // Names the default template gives, so that collisions get numbered.
    for (const char* name : {"DocumentName", "DocumentName.pdf", "DocumentName(1).pdf", "a.pdf", "a(1).pdf"})
        std::ofstream(root + "/drive_c/out/" + name) << "x";
    setenv("NORDWISP_MACHINE", root.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in{data, size};
    const auto flags = in.Take<std::uint8_t>();
    const auto page = in.Take<std::int32_t>();
    const auto counter = in.Take<std::int32_t>();
    const auto outputSize = static_cast<std::size_t>(in.Take<std::uint16_t>() % 600);
    SYSTEMTIME now{2026, 1, 4, 1, 0, 0, 0, 0};
    now.wMonth = static_cast<WORD>(1 + in.Take<std::uint8_t>() % 12);
    now.wDay = static_cast<WORD>(1 + in.Take<std::uint8_t>() % 28);
    now.wHour = static_cast<WORD>(in.Take<std::uint8_t>() % 24);
    now.wMilliseconds = static_cast<WORD>(in.Take<std::uint16_t>() % 1000);

    std::vector<WString> texts(7);
    std::size_t field = 0;
    for (std::size_t i = 0; i + 1 < in.size && field < texts.size(); i += 2) {
        WCHAR unit;
        std::memcpy(&unit, in.data + i, sizeof unit);
        if (unit == 0)
            ++field;
        else
            texts[field] += unit;
    }
    const WString& templateText = texts[0];

    // The validator: a code from its table, the same for the pointer and
    // the counted form, and no read past the text.
    const int code = nw::naming::ValidateTemplate(templateText.c_str());
    if (!IsValidationCode(code)) Fault("validation code out of range");
    if (nw::naming::ValidateTemplate(WStringView(templateText)) != code) Fault("validation forms disagree");
    if (templateText.size() >= nw::naming::kTemplateCapacity) {
        // 260 units and no terminator: reading one more would be caught.
        std::unique_ptr<WCHAR[]> unterminated(new WCHAR[nw::naming::kTemplateCapacity]);
        std::memcpy(unterminated.get(), templateText.data(), nw::naming::kTemplateCapacity * sizeof(WCHAR));
        if (nw::naming::ValidateTemplate(unterminated.get()) != nw::naming::kTemplateTooLong)
            Fault("a long template is not too long");
    }

    // The generator.
    FileNameGenerator generator;
    if (flags & 0x1) generator.SetTime(now);
    if (flags & 0x2)
        generator.SetValidatedTemplate(templateText.c_str());
    else
        generator.SetTemplate(templateText.c_str());
    if (flags & 0x4) generator.SetFallbackTemplate(texts[1].c_str());
    if (flags & 0x8) generator.SetBatesText(texts[6].c_str());
    if (flags & 0x10) generator.SetDocumentExtension(texts[3].c_str());

    // Only a folder of the fuzz machine is searched for collisions.
    const WString directory = (flags & 0x20) ? WString(W("C:\\out\\")) + texts[5] : texts[5];
    const int mode = (flags & 0x40) ? nw::naming::kCollisionNumbering : 0;
    std::unique_ptr<WCHAR[]> output(outputSize ? new WCHAR[outputSize] : nullptr);
    const DWORD status = generator.Generate(output.get(), outputSize, texts[2].c_str(), texts[3].c_str(),
                                            texts[4].c_str(), page, counter, directory.c_str(), mode,
                                            texts[6].c_str());
    if (status != 0 && (status < 110 || status > 114)) Fault("status out of range");
    if (outputSize > 0) CheckName(WStringView(output.get()));
    if (generator.Counter() < 0 || generator.Counter() >= 10000000) Fault("counter out of range");

    std::unique_ptr<WCHAR[]> preview(outputSize ? new WCHAR[outputSize] : nullptr);
    const std::size_t previewLength = generator.Preview(preview.get(), outputSize);
    if (outputSize > 0 && previewLength >= outputSize) Fault("preview overran its buffer");
    std::unique_ptr<WCHAR[]> normalised(outputSize ? new WCHAR[outputSize] : nullptr);
    generator.NormalisedTemplate(normalised.get(), outputSize);
    (void)generator.IsBaseNameEmpty();
    return 0;
}
