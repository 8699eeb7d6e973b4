// Template validation: every result code from a template that produces it,
// the order of the checks and the length boundaries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "naming/template_grammar.h"
#include "naming/file_name_generator.h"
#include "platform/hosted/machine.h"

namespace {

using nw::naming::ValidateTemplate;

int Check(const std::string& utf8) { return ValidateTemplate(nw::hosted::FromUtf8(utf8)); }

struct Case {
    const char* templateText;
    int code;
};

TEST(TemplateValidation, EachCodeFromATemplateThatProducesIt) {
    const Case cases[] = {
        {"<<DOCNAME>><<NONE>>.<<ORIGINAL>>", 0},
        {"X<<NONE>><<NONE>>.pdf", 0},
        {"abcd<<USERNAME>>--<<DATETIME>>.tiff", 0},
        {"<<DOCNAME>><<COUNTER>>.", 0},      // no extension at all
        {"<<DOCNAME>>.<<PAGENUM>>.pdf", 0},  // a dot may be the separator
        {"<<DOCNAME>><<NONE>>.pdf", 0},
        {"<<A>>.<<B>>x<<C>><<D>>.pdf", 125},
        {"<<DOCNAME>><<NONE>>.<<A>><<B>>", 122},
        {"<<DOCNAME>>abcdef", 123},
        {"<<DOCNAME>>.pdf", 124},
        {"<<A>><<B>><<C>>.pdf", 125},
        {"<<DOCNAME>><DATE>>.pdf", 126},
        {"<<DOCNAME>><<NONE>.pdf", 126},
        {"<<DOCNAME<<NONE>>>>.pdf", 126},
        {"<<DOCNAME>>>><<NONE>>.pdf", 126},
        {"<<DOCNAME>><<DATE>>", 127},
        {"<<DOCNAME>><<NONE>>x.pdf", 127},
        {"<<DOCNAME>><<NONE>>.jpeg2", 128},
        {"<<DOCNAME>><<NONE>>.<<DATE>>", 128},
        {"<<DOCNAME>><<NONE>>.a:b", 129},
        {"<<DOCNAME>><<NONE>>.a.b", 130},
        {"ABCDE<<DOCNAME>><<NONE>>.pdf", 131},
        {"a*<<DOCNAME>><<NONE>>.pdf", 132},
        {"<<>><<NONE>>.pdf", 133},
        {"<<docname>><<NONE>>.pdf", 134},
        {"<<ORIGINAL>><<NONE>>.pdf", 134},
        {"<<DOCNAME>><<>>.pdf", 135},
        {"<<DOCNAME>><<None>>.pdf", 136},
        {"<<DOCNAME>>a?b<<NONE>>.pdf", 138},
        {"<<NONE>><<NONE>>.pdf", 139},
        {"<<NONE>><<NONE>>.<<ORIGINAL>>", 139},
    };
    for (const Case& c : cases) EXPECT_EQ(Check(c.templateText), c.code) << c.templateText;
}

TEST(TemplateValidation, LengthBoundaries) {
    EXPECT_EQ(ValidateTemplate(static_cast<const WCHAR*>(nullptr)), 121);
    EXPECT_EQ(Check(""), 121);
    EXPECT_EQ(Check("<<A>><<B"), 121);   // 8 characters
    EXPECT_EQ(Check("<<A>><<B>"), 126);  // 9: the length check passes
    // 259 characters are not too long (the separator is), 260 are.
    const std::string head = "<<DOCNAME>>";
    const std::string tail = "<<NONE>>.pdf";
    const std::string fill259(259 - head.size() - tail.size(), 'x');
    EXPECT_EQ(Check(head + fill259 + tail), 137);
    EXPECT_EQ(Check(head + fill259 + "x" + tail), 120);
    // A huge, even unterminated, text reads no further than 260 characters.
    std::vector<WCHAR> huge(100000, u'x');
    EXPECT_EQ(ValidateTemplate(huge.data()), 120);
}

TEST(TemplateValidation, PartLengthBoundaries) {
    EXPECT_EQ(Check("abcd<<DOCNAME>><<NONE>>.pdf"), 0);
    EXPECT_EQ(Check("abcde<<DOCNAME>><<NONE>>.pdf"), 131);
    EXPECT_EQ(Check("<<DOCNAME>>" + std::string(64, '_') + "<<NONE>>.pdf"), 0);
    EXPECT_EQ(Check("<<DOCNAME>>" + std::string(65, '_') + "<<NONE>>.pdf"), 137);
    EXPECT_EQ(Check("<<DOCNAME>><<NONE>>.abcd"), 0);
    EXPECT_EQ(Check("<<DOCNAME>><<NONE>>.abcde"), 128);
    // Characters outside ASCII are ordinary literal characters.
    EXPECT_EQ(Check("\xC3\xA9t\xC3\xA9<<DOCNAME>>\xE2\x82\xAC<<NONE>>.\xC3\xA9"), 0);
}

TEST(TemplateValidation, EachInvalidCharacterIsRefusedInEveryLiteralPart) {
    for (const char c : std::string("\\/:*?\"|")) {
        const std::string s(1, c);
        EXPECT_EQ(Check(s + "<<DOCNAME>><<NONE>>.pdf"), 132) << c;
        EXPECT_EQ(Check("<<DOCNAME>>" + s + "<<NONE>>.pdf"), 138) << c;
        EXPECT_EQ(Check("<<DOCNAME>><<NONE>>.p" + s), 129) << c;
    }
}

TEST(TemplateValidation, TheEarlierCheckDecides) {
    const Case cases[] = {
        // length before brackets
        {"<<DOC", 121},
        // brackets before the extension: 124 although ".jpeg2" is too long
        {"<<DOCNAME>>.jpeg2", 124},
        // extension before prefix
        {"ABCDE<<DOCNAME>><<NONE>>.jpeg2", 128},
        {"ABCDE<<DOCNAME>><<NONE>>.a|", 129},
        // length of the extension before its characters
        {"<<DOCNAME>><<NONE>>.a|b.c", 128},
        // an invalid extension character before a dot in it
        {"<<DOCNAME>><<NONE>>.a|.", 129},
        // prefix before the tokens
        {"ABCDE<<docname>><<NONE>>.pdf", 131},
        {"AB*<<docname>><<NONE>>.pdf", 132},
        // prefix length before its characters
        {"A*CDE<<DOCNAME>><<NONE>>.pdf", 131},
        // first token before the second
        {"<<docname>><<none>>.pdf", 134},
        {"<<>><<>>.pdf", 133},
        // second token before the separator
        {"<<DOCNAME>>a|b<<none>>.pdf", 136},
        // tokens before the NONE/NONE rule
        {"<<NONE>><<none>>.pdf", 136},
    };
    for (const Case& c : cases) EXPECT_EQ(Check(c.templateText), c.code) << c.templateText;
    // separator length before its characters
    EXPECT_EQ(Check("<<DOCNAME>>" + std::string(65, '|') + "<<NONE>>.pdf"), 137);
    EXPECT_EQ(Check("<<DOCNAME>>" + std::string(64, '|') + "<<none>>.pdf"), 136);
}

TEST(TemplateValidation, CodesOutsideTheRangeHaveNoMeaning) {
    EXPECT_STREQ(nw::naming::ValidationMeaning(0), "valid");
    EXPECT_EQ(nw::naming::ValidationMeaning(119), nullptr);
    EXPECT_EQ(nw::naming::ValidationMeaning(140), nullptr);
    EXPECT_NE(nw::naming::GenerationStatusMeaning(114), nullptr);
    EXPECT_EQ(nw::naming::GenerationStatusMeaning(115), nullptr);
}

}  // namespace
