#include "naming/file_name_generator.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace nw::naming {
namespace {

constexpr WStringView kOpen = W("<<");
constexpr WStringView kClose = W(">>");
constexpr WStringView kDocumentNameDefault = W("DocumentName");
// The name must fit in this many characters minus the directory.
constexpr int kNameBudgetBase = 257;
constexpr int kShortestDirectory = 3;
constexpr std::size_t kPreviewNameLimit = 64;
constexpr std::size_t kLocaleFormatSize = 80;

struct StatusMeaning {
    DWORD status;
    const char* words;
};

constexpr StatusMeaning kStatusMeanings[] = {
    {kNameComplete, "name built in full"},
    {kNamePartCut, "a part was cut to fit the length budget"},
    {kTemplateWasEmpty, "the template was empty; the default template was used"},
    {kDirectoryUnusable, "the directory is 1024 characters or longer, or does not exist"},
    {kDocumentNameTooLong, "the document name was longer than 255 characters"},
    {kDocumentExtensionTooLong, "the document extension was longer than 128 characters"},
};

bool IsHighSurrogate(WCHAR c) { return c >= 0xD800 && c <= 0xDBFF; }

// Where to cut text to at most limit characters without splitting a
// surrogate pair.
std::size_t CutPoint(WStringView text, std::size_t limit) {
    if (text.size() <= limit) return text.size();
    std::size_t n = limit;
    if (n > 0 && IsHighSurrogate(text[n - 1])) --n;
    return n;
}

WStringView Cut(WStringView text, std::int32_t limit) {
    return text.substr(0, CutPoint(text, limit > 0 ? static_cast<std::size_t>(limit) : 0));
}

WString Decimal(std::int64_t value) {
    WString digits;
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    do {
        digits.insert(digits.begin(), static_cast<WCHAR>(W('0') + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits.insert(digits.begin(), W('-'));
    return digits;
}

// Leading zeros up to the width.
WString ZeroPadded(WString text, std::size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), W('0'));
    return text;
}

int DecimalDigits(int value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

void ReplaceInvalidChars(WString& name) {
    for (WCHAR& c : name)
        if (IsInvalidFileNameChar(c)) c = W('-');
}

std::size_t CopyOut(WStringView text, WCHAR* output, std::size_t outputSize) {
    if (output == nullptr || outputSize == 0) return 0;
    const std::size_t n = CutPoint(text, outputSize - 1);
    std::copy_n(text.data(), n, output);
    output[n] = 0;
    return n;
}

// An environment variable, at most limit characters of it.
WString EnvironmentValue(const WCHAR* name, std::size_t limit) {
    std::vector<WCHAR> buffer(limit + 1, 0);
    DWORD n = ::GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n > limit) {
        // Too long for the buffer: n is the size it needs.
        buffer.assign(static_cast<std::size_t>(n) + 1, 0);
        n = ::GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n >= buffer.size()) n = 0;  // changed under us
    }
    WStringView value(buffer.data(), n);
    return WString(value.substr(0, CutPoint(value, limit)));
}

bool DirectoryExists(const WString& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// By the wide path and, failing that, by the path the ANSI code page makes of
// it (what an ANSI caller would have created).
bool FileExists(const WString& path) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return false;
    std::vector<char> ansi(static_cast<std::size_t>(bytes), 0);
    if (::WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, ansi.data(), bytes, nullptr, nullptr) <= 0) return false;
    const int units = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), -1, nullptr, 0);
    if (units <= 0) return false;
    std::vector<WCHAR> back(static_cast<std::size_t>(units), 0);
    if (::MultiByteToWideChar(CP_ACP, 0, ansi.data(), -1, back.data(), units) <= 0) return false;
    back.back() = 0;
    if (WStringView(back.data()) == WStringView(path)) return false;
    return ::GetFileAttributesW(back.data()) != INVALID_FILE_ATTRIBUTES;
}

WString JoinPath(const WString& directory, WStringView name) {
    WString path = directory;
    if (path.empty() || (path.back() != W('\\') && path.back() != W('/'))) path += W('\\');
    path += name;
    return path;
}

}  // namespace

const char* GenerationStatusMeaning(DWORD status) noexcept {
    for (const StatusMeaning& m : kStatusMeanings)
        if (m.status == status) return m.words;
    return nullptr;
}

template <std::size_t N>
bool FileNameGenerator::Assign(Text<N>& field, WStringView source) {
    const std::size_t n = CutPoint(source, N - 1);
    std::copy_n(source.data(), n, field.data());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), WCHAR{0});
    return source.size() > N - 1;
}

template <std::size_t N, std::size_t M>
void FileNameGenerator::AssignLiteral(Text<N>& field, const WCHAR (&literal)[M]) {
    static_assert(M <= N, "the literal fits its field");
    std::copy_n(literal, M, field.data());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(M), field.end(), WCHAR{0});
}

template <std::size_t N>
bool FileNameGenerator::AssignZ(Text<N>& field, const WCHAR* source) {
    // Reading N characters is enough to know whether the text was cut.
    const std::size_t length = BoundedLength(source, N);
    return Assign(field, WStringView(source == nullptr ? W("") : source, length));
}

void FileNameGenerator::SetTemplate(const WCHAR* templateText) { AssignZ(template_, templateText); }

void FileNameGenerator::SetValidatedTemplate(const WCHAR* templateText) {
    if (ValidateTemplate(templateText) == kTemplateValid)
        AssignZ(template_, templateText);
    else
        Assign(template_, kDefaultTemplate);
}

void FileNameGenerator::SetFallbackTemplate(const WCHAR* templateText) { AssignZ(fallbackTemplate_, templateText); }

void FileNameGenerator::SetBatesText(const WCHAR* text) { AssignZ(batesText_, text); }

void FileNameGenerator::SetDocumentExtension(const WCHAR* text) { AssignZ(documentExtension_, text); }

void FileNameGenerator::SetPageNumber(std::int32_t page) {
    while (page > kPageModulus - 1) page %= kPageModulus;
    pageNumber_ = page;
    Assign(pageText_, page == 0 ? WString(W("0000")) : Decimal(page));
}

void FileNameGenerator::SetCounter(std::int32_t counter) {
    counter_ = ((counter % kCounterModulus) + kCounterModulus) % kCounterModulus;
}

bool FileNameGenerator::IsBaseNameEmpty() const {
    return prefix_[0] == 0 && separator_[0] == 0 && token1Id_ == kTokenNone && token2Id_ == kTokenNone;
}

SYSTEMTIME FileNameGenerator::Now() const {
    if (snapshot_) return *snapshot_;
    if (fixedTime_) return *fixedTime_;
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now;
}

void FileNameGenerator::Parse() {
    WStringView t = View(template_);
    if (t.empty() || ValidateTemplate(t) != kTemplateValid) {
        // A fallback that is itself invalid would leave nothing sound to
        // parse, so it counts only when it validates.
        const WStringView fallback = View(fallbackTemplate_);
        const bool useFallback = !fallback.empty() && ValidateTemplate(fallback) == kTemplateValid;
        Assign(template_, useFallback ? fallback : kDefaultTemplate);
        t = View(template_);
    }
    // A valid template has both token pairs and a dot after them.
    const std::size_t open1 = t.find(kOpen);
    const std::size_t close1 = t.find(kClose, open1 + 2);
    const std::size_t open2 = t.find(kOpen, close1 + 2);
    const std::size_t close2 = t.find(kClose, open2 + 2);
    Assign(prefix_, t.substr(0, open1));
    token1Id_ = BaseTokenId(t.substr(open1 + 2, close1 - open1 - 2));
    Assign(separator_, t.substr(close1 + 2, open2 - close1 - 2));
    token2Id_ = BaseTokenId(t.substr(open2 + 2, close2 - open2 - 2));

    WStringView part = t.substr(t.rfind(W('.')) + 1);
    if (const std::size_t open = part.find(kOpen); open != WStringView::npos) {
        const std::size_t close = part.find(kClose, open + 2);
        part = part.substr(open + 2, close == WStringView::npos ? WStringView::npos : close - open - 2);
    }
    if (ExtensionTokenId(part) != kTokenNone) {
        fixedExtension_ = 1;
        Assign(extension_, ExpandName(part));
    } else {
        fixedExtension_ = 0;
        Assign(extension_, View(documentExtension_));
    }
}

WString FileNameGenerator::FormatDate() const {
    const SYSTEMTIME now = Now();
    WCHAR format[kLocaleFormatSize] = {};
    const bool haveFormat = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, format, kLocaleFormatSize) > 0;
    std::vector<WCHAR> out(kExpansionSize, 0);
    const int n = ::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &now, haveFormat ? format : nullptr, out.data(),
                                   static_cast<int>(out.size()));
    return n > 0 ? WString(out.data(), static_cast<std::size_t>(n) - 1) : WString();
}

WString FileNameGenerator::FormatTime() const {
    const SYSTEMTIME now = Now();
    WCHAR format[kLocaleFormatSize] = {};
    const bool haveFormat = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, kLocaleFormatSize) > 0;
    std::vector<WCHAR> out(kExpansionSize, 0);
    const int n = ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, haveFormat ? format : nullptr, out.data(),
                                   static_cast<int>(out.size()));
    return n > 0 ? WString(out.data(), static_cast<std::size_t>(n) - 1) : WString();
}

WString FileNameGenerator::UserName() const {
    const WStringView field = View(userName_);
    if (!field.empty()) return WString(field);
    return EnvironmentValue(W("USERNAME"), kExpansionSize - 1);
}

WString FileNameGenerator::ExpandToken(int id) const {
    WString value;
    switch (id) {
        case kTokenDocName: value = View(documentName_); break;
        case kTokenUserName: value = UserName(); break;
        case kTokenComputer: value = EnvironmentValue(W("COMPUTERNAME"), kExpansionSize - 1); break;
        case kTokenPageNum:
            if (pageNumber_ > 1) value = ZeroPadded(WString(View(pageText_)), 4);
            break;
        case kTokenDate: value = FormatDate(); break;
        case kTokenTime: value = FormatTime(); break;
        case kTokenTimeMs: {
            const SYSTEMTIME now = Now();
            value = ZeroPadded(Decimal(now.wHour), 2) + W(':') + ZeroPadded(Decimal(now.wMinute), 2) + W(':') +
                    ZeroPadded(Decimal(now.wSecond), 2) + W('.') + ZeroPadded(Decimal(now.wMilliseconds), 3);
            break;
        }
        case kTokenCounter: value = ZeroPadded(Decimal(counter_), 7); break;
        case kTokenDateTime: value = FormatDate() + W(' ') + FormatTime(); break;
        case kTokenBates:
            value = View(batesText_);
            if (value.empty()) value = W("1");
            break;
        default: break;  // NONE, and nothing else reaches here from a valid template
    }
    value.resize(CutPoint(value, kExpansionSize - 1));
    return value;
}

WString FileNameGenerator::ExpandName(WStringView name) const {
    if (name == kOriginalToken) return WString(View(documentExtension_));
    const int id = BaseTokenId(name);
    if (id == kTokenUnknown) return WString(name.substr(0, CutPoint(name, kExpansionSize - 1)));
    return ExpandToken(id);
}

DWORD FileNameGenerator::ComputeBudget(int reserve) {
    const int directoryLength = static_cast<int>(directory_.size());
    int remaining = kNameBudgetBase - std::max(kShortestDirectory, directoryLength) - reserve;
    if (remaining < 0) remaining = 0;
    DWORD result = kNameComplete;
    const auto draw = [&](std::int32_t& slot, std::size_t length) {
        if (length <= static_cast<std::size_t>(remaining)) {
            slot = static_cast<std::int32_t>(length);
            remaining -= slot;
        } else {
            slot = remaining;
            remaining = 0;
            result = kNamePartCut;
        }
    };
    draw(extensionLength_, View(extension_).size());
    const std::size_t documentLength = View(documentName_).size();
    if (token1Id_ == kTokenDocName) draw(token1Length_, documentLength);
    if (token2Id_ == kTokenDocName) draw(token2Length_, documentLength);
    draw(prefixLength_, View(prefix_).size());
    draw(separatorLength_, View(separator_).size());
    if (token1Id_ != kTokenDocName) draw(token1Length_, ExpandToken(token1Id_).size());
    if (token2Id_ != kTokenDocName) draw(token2Length_, ExpandToken(token2Id_).size());
    return result;
}

WString FileNameGenerator::BuildName() const {
    WString name;
    name += Cut(View(prefix_), prefixLength_);
    name += Cut(ExpandToken(token1Id_), token1Length_);
    name += Cut(View(separator_), separatorLength_);
    name += Cut(ExpandToken(token2Id_), token2Length_);
    if (extension_[0] != 0) {
        name += W('.');
        name += Cut(View(extension_), extensionLength_);
    }
    ReplaceInvalidChars(name);
    return name;
}

void FileNameGenerator::InsertCollisionNumber(WString& name, bool hasExtension, int attempt) {
    const WString number = W('(') + Decimal(attempt) + W(')');
    const std::size_t dot = hasExtension ? name.rfind(W('.')) : WString::npos;
    if (dot == WString::npos)
        name += number;
    else
        name.insert(dot, number);
}

DWORD FileNameGenerator::Generate(WCHAR* output, std::size_t outputSize, const WCHAR* documentName,
                                  const WCHAR* documentExtension, const WCHAR* userName, std::int32_t pageNumber,
                                  std::int32_t counter, const WCHAR* directory, int collisionMode,
                                  const WCHAR* batesText) {
    snapshot_.reset();
    snapshot_ = Now();
    status_ = kNameComplete;

    if (AssignZ(documentName_, documentName)) status_ = kDocumentNameTooLong;
    if (documentName_[0] == 0) AssignLiteral(documentName_, W("DocumentName"));
    AssignZ(userName_, userName);
    if (userName_[0] == 0) AssignLiteral(userName_, W("USERNAME"));
    AssignZ(batesText_, batesText);
    if (batesText_[0] == 0) AssignLiteral(batesText_, W("1"));
    if (AssignZ(documentExtension_, documentExtension)) status_ = kDocumentExtensionTooLong;
    SetPageNumber(pageNumber);
    SetCounter(counter);

    const std::size_t directoryLength = BoundedLength(directory, kDirectoryLimit);
    if (directoryLength >= kDirectoryLimit) status_ = kDirectoryUnusable;
    directory_.assign(directory == nullptr ? W("") : directory, std::min(directoryLength, kDirectoryKept));

    if (template_[0] == 0) {
        Assign(template_, kDefaultTemplate);
        status_ = kTemplateWasEmpty;
    }
    Parse();

    WString name;
    if (directory_.size() > kLongestDirectory) {
        // No room is left for a name next to such a directory.
        status_ = kDirectoryUnusable;
    } else {
        // A cut replaces the status; otherwise 111 to 114 stay, so the caller
        // learns that its input was cut or replaced.
        if (const DWORD cut = ComputeBudget(0)) status_ = cut;
        name = BuildName();
        if (collisionMode == kCollisionNumbering) {
            for (int attempt = 1;
                 attempt < INT_MAX && DirectoryExists(directory_) && FileExists(JoinPath(directory_, name));
                 ++attempt) {
                if (const DWORD cut = ComputeBudget(DecimalDigits(attempt) + 2)) status_ = cut;
                name = BuildName();
                InsertCollisionNumber(name, extension_[0] != 0, attempt);
            }
        }
        // An empty directory names no folder, so it does not exist either.
        if (!DirectoryExists(directory_)) status_ = kDirectoryUnusable;
    }
    CopyOut(name, output, outputSize);
    return status_;
}

std::size_t FileNameGenerator::NormalisedTemplate(WCHAR* output, std::size_t outputSize) {
    snapshot_.reset();
    snapshot_ = Now();
    Parse();
    WString normalised = WString(View(prefix_)) + WString(kOpen) + WString(TokenName(token1Id_)) + WString(kClose) +
                         WString(View(separator_)) + WString(kOpen) + WString(TokenName(token2Id_)) +
                         WString(kClose) + W('.');
    if (fixedExtension_ != 0)
        normalised += View(extension_);
    else
        normalised += WString(kOpen) + WString(kOriginalToken) + WString(kClose);
    return CopyOut(normalised, output, outputSize);
}

std::size_t FileNameGenerator::Preview(WCHAR* output, std::size_t outputSize) {
    std::vector<WCHAR> buffer(kTemplateSize * 2, 0);
    const std::size_t length = NormalisedTemplate(buffer.data(), buffer.size());
    const WStringView normalised(buffer.data(), length);

    WString result;
    std::size_t i = 0;
    while (i < normalised.size()) {
        if (normalised.substr(i, 2) == kOpen) {
            const std::size_t close = normalised.find(kClose, i + 2);
            if (close != WStringView::npos) {
                const WStringView name = normalised.substr(i + 2, std::min(close - i - 2, kPreviewNameLimit));
                result += BaseTokenId(name) == kTokenDocName ? WString(kDocumentNameDefault) : ExpandName(name);
                i = close + 2;
                continue;
            }
        }
        result += normalised[i++];
    }
    ReplaceInvalidChars(result);
    if (!result.empty() && result.back() == W('.')) result.pop_back();
    return CopyOut(result, output, outputSize);
}

}  // namespace nw::naming
