// FileNameGenerator: parses a custom file-name template and expands it into
// an output file name (token values, a length budget per part, invalid
// characters replaced, colliding names numbered). It lives for one call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "naming/template_grammar.h"
#include "platform/win32api.h"

namespace nw::naming {

// Generation status codes.
enum GenerationStatus : DWORD {
    kNameComplete = 0,
    kNamePartCut = 110,
    kTemplateWasEmpty = 111,
    kDirectoryUnusable = 112,
    kDocumentNameTooLong = 113,
    kDocumentExtensionTooLong = 114,
};

// What a generation status means, in words; null for an unknown code.
const char* GenerationStatusMeaning(DWORD status) noexcept;

// Collision mode that numbers a name whose file already exists.
inline constexpr int kCollisionNumbering = 2;

class FileNameGenerator {
public:
    // Field capacities, terminator included.
    static constexpr std::size_t kTemplateSize = kTemplateCapacity;
    static constexpr std::size_t kPrefixSize = kMaxPrefixLength + 1;
    static constexpr std::size_t kExtensionSize = kMaxExtensionLength + 1;
    static constexpr std::size_t kSeparatorSize = kMaxSeparatorLength + 1;
    static constexpr std::size_t kDocumentExtensionSize = 129;
    static constexpr std::size_t kDocumentNameSize = 256;
    static constexpr std::size_t kPageTextSize = 5;
    static constexpr std::size_t kUserNameSize = 1024;
    static constexpr std::size_t kBatesTextSize = 256;
    // Longest token expansion, terminator included.
    static constexpr std::size_t kExpansionSize = 1024;
    // The directory is cut to this many characters; this long or longer is
    // reported as unusable.
    static constexpr std::size_t kDirectoryKept = 1018;
    static constexpr std::size_t kDirectoryLimit = 1024;
    // Beyond this the name budget would be negative: no name is built.
    static constexpr std::size_t kLongestDirectory = 254;
    static constexpr std::int32_t kCounterModulus = 10000000;
    static constexpr std::int32_t kPageModulus = 10000;

    // Every field zero but the counter, which is 1.
    FileNameGenerator() = default;

    // The validation code of a template (0 valid).
    int Validate(const WCHAR* templateText) const noexcept { return ValidateTemplate(templateText); }

    // Setters copy with truncation to the field's size.
    void SetTemplate(const WCHAR* templateText);
    // An invalid template is replaced by the default one.
    void SetValidatedTemplate(const WCHAR* templateText);
    void SetFallbackTemplate(const WCHAR* templateText);
    void SetBatesText(const WCHAR* text);
    void SetDocumentExtension(const WCHAR* text);
    // Also writes the page text; above 9999 the number is reduced modulo 10000.
    void SetPageNumber(std::int32_t page);
    // Stored modulo 10,000,000 (never negative).
    void SetCounter(std::int32_t counter);
    // DATE, TIME, TIMEMS and DATETIME use this instant instead of the local
    // clock, so a name can be reproduced.
    void SetTime(const SYSTEMTIME& now) { fixedTime_ = now; }

    // Builds the file name into output (outputSize characters, terminator
    // included; nothing is written when it is null or 0) and returns the
    // status. Null texts count as empty.
    //  - 111 to 114 survive a budget that fits everything (the caller learns
    //    its input was cut or replaced); a cut part (110) replaces them.
    //  - A directory longer than 254 characters leaves no room for a name:
    //    the name is empty and the status 112.
    //  - An empty directory is no directory: no collision search and no 112.
    DWORD Generate(WCHAR* output, std::size_t outputSize, const WCHAR* documentName, const WCHAR* documentExtension,
                   const WCHAR* userName, std::int32_t pageNumber, std::int32_t counter, const WCHAR* directory,
                   int collisionMode, const WCHAR* batesText);

    // True when prefix and separator are empty and both tokens are NONE.
    bool IsBaseNameEmpty() const;

    // Parses the template and writes "%s<<%s>>%s<<%s>>.%s" of its parts
    // (the extension as "<<ORIGINAL>>" when it is the document's). Returns
    // the characters written, terminator excluded.
    std::size_t NormalisedTemplate(WCHAR* output, std::size_t outputSize);
    // The normalised template expanded, DOCNAME shown as "DocumentName",
    // invalid characters replaced, one trailing "." removed.
    std::size_t Preview(WCHAR* output, std::size_t outputSize);

    // Read access for callers and tests.
    DWORD Status() const { return status_; }
    std::int32_t Counter() const { return counter_; }
    std::int32_t PageNumber() const { return pageNumber_; }
    WStringView PageText() const { return View(pageText_); }
    WStringView Prefix() const { return View(prefix_); }
    WStringView Separator() const { return View(separator_); }
    WStringView Extension() const { return View(extension_); }
    bool FixedExtension() const { return fixedExtension_ != 0; }
    int Token1() const { return token1Id_; }
    int Token2() const { return token2Id_; }

private:
    template <std::size_t N>
    using Text = std::array<WCHAR, N>;

    template <std::size_t N>
    static WStringView View(const Text<N>& text) {
        return WStringView(text.data(), BoundedLength(text.data(), N));
    }
    // Copies at most N-1 characters and zero-fills the rest; true when the
    // source had to be cut.
    template <std::size_t N>
    static bool Assign(Text<N>& field, WStringView source);
    template <std::size_t N>
    static bool AssignZ(Text<N>& field, const WCHAR* source);
    // A default text known to fit.
    template <std::size_t N, std::size_t M>
    static void AssignLiteral(Text<N>& field, const WCHAR (&literal)[M]);

    void Parse();
    SYSTEMTIME Now() const;
    // The value of a token given by identifier, or by name for the
    // extension and the preview (an unknown name is its own value).
    WString ExpandToken(int id) const;
    WString ExpandName(WStringView name) const;
    WString FormatDate() const;
    WString FormatTime() const;
    WString UserName() const;
    // Shares the name budget among the parts; 0, or 110 when a part was cut.
    DWORD ComputeBudget(int reserve);
    WString BuildName() const;
    static void InsertCollisionNumber(WString& name, bool hasExtension, int attempt);

    // The fields, in their documented order.
    Text<kTemplateSize> template_{};
    Text<kTemplateSize> fallbackTemplate_{};
    Text<kPrefixSize> prefix_{};
    std::int32_t token1Id_ = 0;
    std::int32_t token2Id_ = 0;
    Text<kExtensionSize> extension_{};
    Text<kSeparatorSize> separator_{};
    std::uint32_t fixedExtension_ = 0;
    Text<kDocumentExtensionSize> documentExtension_{};
    Text<kDocumentNameSize> documentName_{};
    Text<kPageTextSize> pageText_{};
    std::int32_t pageNumber_ = 0;
    std::int32_t counter_ = 1;
    DWORD status_ = 0;
    std::int32_t prefixLength_ = 0;
    std::int32_t token1Length_ = 0;
    std::int32_t separatorLength_ = 0;
    std::int32_t token2Length_ = 0;
    std::int32_t extensionLength_ = 0;
    Text<kUserNameSize> userName_{};
    Text<kBatesTextSize> batesText_{};

    // Working state of one generation.
    WString directory_;
    std::optional<SYSTEMTIME> fixedTime_;
    // The instant of the current generation, taken once so that every token
    // and the trial expansions agree.
    mutable std::optional<SYSTEMTIME> snapshot_;
};

}  // namespace nw::naming
