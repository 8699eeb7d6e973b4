// File-name generation: token values at a fixed instant, page and counter
// widths, the length budget and the order in which parts are cut, invalid
// characters, statuses, collision numbering in a real folder, the
// normalised template and the preview, and buffers that are never overrun.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "naming/file_name_generator.h"
#include "platform/hosted/machine.h"
#include "platform/win32api.h"
#include "support/temp_dir.h"

namespace {

using nw::naming::FileNameGenerator;

// Saturday 7 March 2026, 09:05:03.042.
constexpr SYSTEMTIME kMorning = {2026, 3, 6, 7, 9, 5, 3, 42};

std::string U8(WStringView text) { return nw::hosted::ToUtf8(text); }
WString U16(const std::string& text) { return nw::hosted::FromUtf8(text); }

struct Inputs {
    WString document = W("report");
    WString extension = W("pdf");
    WString user = W("alice");
    int page = 0;
    int counter = 1;
    WString directory = W(".");  // an existing folder; an empty one is missing (112)
    int mode = 0;
    WString bates{};
};

struct Result {
    std::string name;
    DWORD status;
    bool operator==(const Result&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Result& r) { return out << '"' << r.name << "\" " << r.status; }

Result Generate(const std::string& templateText, const Inputs& in = {}, SYSTEMTIME now = kMorning) {
    FileNameGenerator generator;
    generator.SetTime(now);
    generator.SetTemplate(U16(templateText).c_str());
    std::vector<WCHAR> out(600, 0);
    const DWORD status =
        generator.Generate(out.data(), out.size(), in.document.c_str(), in.extension.c_str(), in.user.c_str(), in.page,
                           in.counter, in.directory.c_str(), in.mode, in.bates.c_str());
    return {U8(out.data()), status};
}

std::string Name(const std::string& templateText, const Inputs& in = {}) { return Generate(templateText, in).name; }

// What a generator's preview or normalised template writes, as UTF-8.
std::string PreviewOf(FileNameGenerator& generator) {
    std::vector<WCHAR> out(300, 0);
    generator.Preview(out.data(), out.size());
    return U8(out.data());
}
std::string NormalisedOf(FileNameGenerator& generator) {
    std::vector<WCHAR> out(300, 0);
    generator.NormalisedTemplate(out.data(), out.size());
    return U8(out.data());
}

// A folder whose Windows path is exactly length characters (no trailing
// separator), created inside the temporary folder.
WString MakeDirectory(const nw::test::TempDir& temp, std::size_t length) {
    WString path = temp.Path();
    path.append(length - path.size(), u'd');
    EXPECT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
    return path;
}

TEST(FileNameGeneration, TokenValues) {
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.<<ORIGINAL>>"), "report.pdf");
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.<<ORIGINAL>>", {.document = W("")}), "DocumentName.pdf");
    EXPECT_EQ(Name("<<USERNAME>><<NONE>>.txt"), "alice.txt");
    EXPECT_EQ(Name("<<USERNAME>><<NONE>>.txt", {.user = W("")}), "USERNAME.txt");
    ASSERT_TRUE(::SetEnvironmentVariableW(W("COMPUTERNAME"), W("WKS-07")));
    EXPECT_EQ(Name("<<COMPUTER>>_<<DOCNAME>>.txt"), "WKS-07_report.txt");
    EXPECT_EQ(Name("<<BATES>><<NONE>>.txt"), "1.txt");
    EXPECT_EQ(Name("<<BATES>><<NONE>>.txt", {.bates = W("B000123")}), "B000123.txt");
    // Dates and times in the en-US formats; slashes and colons become "-".
    EXPECT_EQ(Name("<<DATE>>_<<TIME>>.log"), "3-7-2026_9-05-03 AM.log");
    EXPECT_EQ(Name("<<DATETIME>><<NONE>>.log"), "3-7-2026 9-05-03 AM.log");
    EXPECT_EQ(Name("<<TIMEMS>><<NONE>>.log"), "09-05-03.042.log");
    const SYSTEMTIME evening = {2026, 12, 4, 31, 23, 59, 58, 7};
    EXPECT_EQ(Generate("<<DATE>>_<<TIME>>.log", {}, evening).name, "12-31-2026_11-59-58 PM.log");
    EXPECT_EQ(Generate("<<TIMEMS>><<NONE>>.log", {}, evening).name, "23-59-58.007.log");
}

TEST(FileNameGeneration, PageNumberAndCounterWidths) {
    // Pages 0 and 1 add nothing; 10001 is reduced to 1.
    const std::pair<int, const char*> pages[] = {
        {0, "report.pdf"},        {1, "report.pdf"},         {2, "report0002.pdf"}, {12, "report0012.pdf"},
        {9999, "report9999.pdf"}, {12345, "report2345.pdf"}, {10001, "report.pdf"}, {-7, "report.pdf"}};
    for (auto [page, name] : pages) EXPECT_EQ(Name("<<DOCNAME>><<PAGENUM>>.pdf", {.page = page}), name) << page;
    const std::pair<int, const char*> counters[] = {{42, "0000042"},      {12345678, "2345678"}, {0, "0000000"},
                                                    {9999999, "9999999"}, {10000000, "0000000"}, {-1, "9999999"}};
    for (auto [counter, digits] : counters)
        EXPECT_EQ(Name("<<DOCNAME>>_<<COUNTER>>.pdf", {.counter = counter}), "report_" + std::string(digits) + ".pdf");
}

TEST(FileNameGeneration, Extensions) {
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.<<ORIGINAL>>", {.extension = W("docx")}), "report.docx");
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.<<ORIGINAL>>", {.extension = W("jpeg2")}), "report.jpeg");
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.<<ORIGINAL>>", {.extension = W("")}), "report");
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.tif", {.extension = W("docx")}), "report.tif");
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>."), "report");
}

TEST(FileNameGeneration, InvalidCharactersAreReplaced) {
    EXPECT_EQ(Name("<<DOCNAME>><<BATES>>.pdf", {.document = W("a/b:c*d?e\"f<g>h|i\\j"), .bates = W("1/2")}),
              "a-b-c-d-e-f-g-h-i-j1-2.pdf");
}

TEST(FileNameGeneration, StatusesOfCutOrReplacedInput) {
    const WString longName(300, u'n');
    // The document name is cut to 255; the status says so when nothing else is cut.
    EXPECT_EQ(Generate("<<COUNTER>><<NONE>>.pdf", {.document = longName}).status, 113u);
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.document = longName}),
              (Result{std::string(251, 'n') + ".pdf", 110}));

    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.<<ORIGINAL>>", {.extension = WString(200, u'e')}),
              (Result{"report.eeee", 114}));

    EXPECT_EQ(Generate(""), (Result{"report.pdf", 111}));

    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf").status, 0u);
}

TEST(FileNameGeneration, DirectoryStatuses) {
    nw::test::TempDir temp;
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.directory = temp.Path()}).status, 0u);
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.directory = temp.File(W("missing"))}), (Result{"report.pdf", 112}));
    // Past 254 characters no name fits.
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.directory = WString(255, u'd')}), (Result{"", 112}));
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.directory = WString(5000, u'd')}).status, 112u);
    // 254 characters leave 3 for the name: the extension takes them.
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.directory = MakeDirectory(temp, 254)}), (Result{".pdf", 110}));
}

TEST(FileNameGeneration, BudgetCutsPartsInTheirOrder) {
    nw::test::TempDir temp;
    const WString dir200 = MakeDirectory(temp, 200);  // 57 characters for the name
    const std::string prefixed = "PR<<USERNAME>>SE<<DOCNAME>>.pdf";

    // Exactly 57: nothing is cut.
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.document = WString(54, u'd'), .directory = dir200}),
              (Result{std::string(54, 'd') + ".pdf", 0}));
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.document = WString(55, u'd'), .directory = dir200}),
              (Result{std::string(54, 'd') + ".pdf", 110}));

    // Extension and document name first, then prefix and separator; the
    // user name, last, gets nothing.
    EXPECT_EQ(Generate(prefixed, {.document = WString(50, u'd'), .directory = dir200}),
              (Result{"PRSE" + std::string(50, 'd') + ".pdf", 110}));
    // The prefix gets the one character left; separator and user name none.
    EXPECT_EQ(Generate(prefixed, {.document = WString(53, u'd'), .directory = dir200}),
              (Result{"P" + std::string(53, 'd') + ".pdf", 110}));
    // Room for two characters of the user name.
    EXPECT_EQ(Generate(prefixed, {.document = WString(48, u'd'), .directory = dir200}),
              (Result{"PRalSE" + std::string(48, 'd') + ".pdf", 110}));
    EXPECT_EQ(Generate(prefixed, {.document = WString(43, u'd'), .directory = dir200}),
              (Result{"PRaliceSE" + std::string(43, 'd') + ".pdf", 0}));

    // Each DOCNAME token draws the document name on its own.
    EXPECT_EQ(Generate("<<DOCNAME>>_<<DOCNAME>>.pdf", {.document = WString(30, u'd'), .directory = dir200}),
              (Result{std::string(54, 'd') + ".pdf", 110}));

    // Without a directory the name has 254 characters.
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", {.document = WString(251, u'd')}),
              (Result{std::string(251, 'd') + ".pdf", 0}));
}

TEST(FileNameGeneration, CollisionsAreNumberedInARealFolder) {
    nw::test::TempDir temp;
    const Inputs in{.directory = temp.Path(), .mode = 2};
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", in), "report.pdf");
    ASSERT_TRUE(nw::test::WriteFileBytes(temp.File(W("report.pdf")), "x"));
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", in), "report(1).pdf");
    ASSERT_TRUE(nw::test::WriteFileBytes(temp.File(W("report(1).pdf")), "x"));
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", in), "report(2).pdf");
    // Other modes leave the name alone.
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", {.directory = temp.Path(), .mode = 0}), "report.pdf");
    // A directory without its trailing separator.
    WString bare = temp.Path();
    bare.pop_back();
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", {.directory = bare, .mode = 2}), "report(2).pdf");
    // Without an extension the number goes at the end.
    ASSERT_TRUE(nw::test::WriteFileBytes(temp.File(W("report")), "x"));
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.", in), "report(1)");
}

TEST(FileNameGeneration, CollisionNumberTakesItsRoomFromTheBudget) {
    nw::test::TempDir temp;
    const WString dir = MakeDirectory(temp, 200);
    const Inputs in{.document = WString(54, u'd'), .directory = dir, .mode = 2};
    ASSERT_TRUE(nw::test::WriteFileBytes(dir + W("\\") + WString(54, u'd') + W(".pdf"), "x"));
    EXPECT_EQ(Generate("<<DOCNAME>><<NONE>>.pdf", in), (Result{std::string(51, 'd') + "(1).pdf", 110}));
    ASSERT_TRUE(nw::test::WriteFileBytes(dir + W("\\") + WString(51, u'd') + W("(1).pdf"), "x"));
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", in), std::string(51, 'd') + "(2).pdf");
}

TEST(FileNameGeneration, CollisionFoundThroughTheAnsiName) {
    nw::hosted::Identity identity = nw::hosted::CurrentIdentity();
    const nw::hosted::Identity saved = identity;
    identity.ansiCodePage = 1252;
    nw::hosted::SetIdentity(identity);
    nw::test::TempDir temp;
    // An ANSI caller asking for "Ω.pdf" in code page 1252 created "?.pdf".
    ASSERT_TRUE(nw::test::WriteFileBytes(temp.File(W("?.pdf")), "x"));
    EXPECT_EQ(Name("<<DOCNAME>><<NONE>>.pdf", {.document = W("\u03A9"), .directory = temp.Path(), .mode = 2}),
              "\xCE\xA9(1).pdf");
    nw::hosted::SetIdentity(saved);
}

TEST(FileNameGeneration, FallbackTemplates) {
    FileNameGenerator generator;
    std::vector<WCHAR> out(100, 0);
    generator.SetTemplate(W("<<DOCNAME>>.pdf"));
    generator.SetFallbackTemplate(W("<<COUNTER>><<NONE>>.txt"));
    EXPECT_EQ(generator.Generate(out.data(), out.size(), W("r"), W("pdf"), W("u"), 0, 5, W("."), 0, W("")), 0u);
    EXPECT_EQ(U8(out.data()), "0000005.txt");

    FileNameGenerator bad;
    bad.SetTemplate(W("<<DOCNAME>>.pdf"));
    bad.SetFallbackTemplate(W("<<COUNTER>>.txt"));  // invalid as well: the default applies
    bad.Generate(out.data(), out.size(), W("r"), W("doc"), W("u"), 0, 5, W(""), 0, W(""));
    EXPECT_EQ(U8(out.data()), "r.doc");

    FileNameGenerator checked;
    checked.SetValidatedTemplate(W("<<DOCNAME>><<NONE>>.a*b"));
    EXPECT_EQ(checked.NormalisedTemplate(out.data(), out.size()), 32u);
    EXPECT_EQ(U8(out.data()), "<<DOCNAME>><<NONE>>.<<ORIGINAL>>");
}

TEST(FileNameGeneration, NormalisedTemplateAndPreview) {
    FileNameGenerator generator;
    EXPECT_TRUE(generator.IsBaseNameEmpty());
    generator.SetTime(kMorning);
    generator.SetTemplate(W("ab<<DOCNAME>>_<<COUNTER>>.<<ORIGINAL>>"));
    EXPECT_EQ(NormalisedOf(generator), "ab<<DOCNAME>>_<<COUNTER>>.<<ORIGINAL>>");
    EXPECT_FALSE(generator.IsBaseNameEmpty());
    // No document extension yet: the trailing dot goes.
    EXPECT_EQ(PreviewOf(generator), "abDocumentName_0000001");
    generator.SetDocumentExtension(W("pdf"));
    generator.SetCounter(42);
    EXPECT_EQ(PreviewOf(generator), "abDocumentName_0000042.pdf");

    generator.SetTemplate(W("<<DATE>>x<<PAGENUM>>.log"));
    generator.SetPageNumber(7);
    EXPECT_EQ(NormalisedOf(generator), "<<DATE>>x<<PAGENUM>>.log");
    EXPECT_EQ(PreviewOf(generator), "3-7-2026x0007.log");

    // A fresh generator's user name comes from the environment.
    ASSERT_TRUE(::SetEnvironmentVariableW(W("USERNAME"), W("bob")));
    generator.SetTemplate(W("X<<USERNAME>><<NONE>>.txt"));
    EXPECT_EQ(PreviewOf(generator), "Xbob.txt");

    generator.SetTemplate(W("X<<NONE>><<NONE>>.pdf"));
    EXPECT_EQ(NormalisedOf(generator), "X<<NONE>><<NONE>>.pdf");
    EXPECT_FALSE(generator.IsBaseNameEmpty());
    EXPECT_EQ(generator.Token1(), 0);
    EXPECT_EQ(generator.Token2(), 0);
}

TEST(FileNameGeneration, SettersKeepTheirFieldsInRange) {
    FileNameGenerator generator;
    EXPECT_EQ(generator.Counter(), 1);
    generator.SetPageNumber(12345);
    EXPECT_EQ(U8(generator.PageText()), "2345");
    generator.SetPageNumber(0);
    EXPECT_EQ(U8(generator.PageText()), "0000");
    generator.SetPageNumber(-1234);
    EXPECT_EQ(generator.PageText().size(), 4u);
    generator.SetCounter(12345678);
    EXPECT_EQ(generator.Counter(), 2345678);
    generator.SetCounter(-10000001);
    EXPECT_EQ(generator.Counter(), 9999999);
    const WString bates(300, u'b');
    generator.SetBatesText(bates.c_str());
    generator.SetTemplate(W("<<BATES>><<NONE>>.x"));
    std::vector<WCHAR> out(400, 0);
    EXPECT_EQ(generator.Preview(out.data(), out.size()), 255u + 2u);
}

TEST(FileNameGeneration, NoWritePastTheOutputForAnyInputLength) {
    const WString huge(100000, u'h');
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{8}, std::size_t{300}}) {
        std::vector<WCHAR> out(size + 16, u'#');
        FileNameGenerator generator;
        generator.SetTemplate(huge.c_str());
        generator.SetFallbackTemplate(huge.c_str());
        generator.SetBatesText(huge.c_str());
        const DWORD status = generator.Generate(size ? out.data() : nullptr, size, huge.c_str(), huge.c_str(),
                                                huge.c_str(), 1 << 30, -(1 << 30), W("."), 2, huge.c_str());
        EXPECT_EQ(status, 110u);  // the budget cut replaces 113 and 114
        for (std::size_t i = size; i < out.size(); ++i) ASSERT_EQ(out[i], u'#') << size << " " << i;
        if (size > 0) {
            const WStringView written(out.data());
            EXPECT_EQ(written.size(), std::min<std::size_t>(size - 1, 255)) << size;
        }
        generator.Preview(size ? out.data() : nullptr, size);
        for (std::size_t i = size; i < out.size(); ++i) ASSERT_EQ(out[i], u'#') << size << " " << i;
    }
    // Null inputs count as empty; an empty directory names no folder.
    FileNameGenerator generator;
    std::vector<WCHAR> out(50, 0);
    EXPECT_EQ(generator.Generate(out.data(), out.size(), nullptr, nullptr, nullptr, 0, 0, W("."), 2, nullptr), 111u);
    EXPECT_EQ(U8(out.data()), "DocumentName");
    EXPECT_EQ(generator.Generate(out.data(), out.size(), nullptr, nullptr, nullptr, 0, 0, nullptr, 2, nullptr), 112u);
    EXPECT_EQ(U8(out.data()), "DocumentName");
}

}  // namespace
