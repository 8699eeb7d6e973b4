// The exports that validate, store and return a record's custom template.
#include "support/records.h"

namespace nw::test {
namespace {

class TemplateExports : public ::testing::Test {
protected:
    void SetMethod(std::uint32_t method) { Put(record_, 780, method); }
    // The ImageFileName field holds the template.
    WString StoredTemplate() const { return TextAt(record_, 1304); }
    NordwispDEVMODE record_ = MakeRecord();
};

TEST_F(TemplateExports, ValidationThroughTheExports) {
    EXPECT_EQ(NW_EXPORT_CALL(IsCustomFilenameTemplateValid(nullptr, W("<<DOCNAME>><<NONE>>.pdf"))),
              (Outcome{0, kNullArgument}));
    EXPECT_EQ(NW_EXPORT_CALL(IsCustomFilenameTemplateValid(&record_, W("<<DOCNAME>>.pdf"))), (Outcome{124, 0}));
    EXPECT_EQ(IsCustomFilenameTemplateValid(&record_, nullptr), 121);
    EXPECT_EQ(IsCustomFilenameTemplateValid(&record_, W("<<DOCNAME>><<NONE>>.<<ORIGINAL>>")), 0);

    EXPECT_EQ(NW_EXPORT_CALL(IsCustomFilenameTemplateValidA(nullptr, "<<DOCNAME>><<NONE>>.pdf")),
              (Outcome{0, kNullArgument}));
    EXPECT_EQ(IsCustomFilenameTemplateValidA(&record_, "ABCDE<<DOCNAME>><<NONE>>.pdf"), 131);
    EXPECT_EQ(IsCustomFilenameTemplateValidA(&record_, nullptr), 121);
    EXPECT_EQ(IsCustomFilenameTemplateValidA(&record_, "\xC3\xA9<<DOCNAME>><<NONE>>.pdf"), 0);
    // The ANSI text is converted whole: a long one is still too long.
    const std::string longText = "<<DOCNAME>>" + std::string(300, 'x') + "<<NONE>>.pdf";
    EXPECT_EQ(IsCustomFilenameTemplateValidA(&record_, longText.c_str()), 120);
}

TEST_F(TemplateExports, SetStoresOnlyAValidTemplateUnderMethodSeven) {
    const NordwispDEVMODE before = record_;
    // Method 0: refused, record untouched, last error 0.
    EXPECT_EQ(NW_EXPORT_CALL(SetCustomFilenameTemplate(&record_, W("<<DOCNAME>><<NONE>>.pdf"))), (Outcome{0, 0}));
    EXPECT_TRUE(SameBytes(before, record_));

    SetMethod(7);
    const NordwispDEVMODE method7 = record_;
    EXPECT_EQ(NW_EXPORT_CALL(SetCustomFilenameTemplate(&record_, W("<<DOCNAME>>.pdf"))), (Outcome{0, 0}));
    EXPECT_EQ(SetCustomFilenameTemplate(&record_, nullptr), 0);
    EXPECT_TRUE(SameBytes(method7, record_));

    EXPECT_EQ(SetCustomFilenameTemplate(&record_, W("ab<<DOCNAME>>_<<COUNTER>>.tif")), 1);
    EXPECT_EQ(StoredTemplate(), W("ab<<DOCNAME>>_<<COUNTER>>.tif"));
    // A shorter template leaves no trace of the longer one.
    EXPECT_EQ(SetCustomFilenameTemplate(&record_, W("<<DATE>><<NONE>>.x")), 1);
    for (std::size_t i = 18 * 2; i < 520; ++i) ASSERT_EQ(At<std::uint8_t>(record_, 1304 + i), 0) << i;
    EXPECT_TRUE(OnlyChangedWithin(method7, record_, 1304, 520));

    EXPECT_EQ(NW_EXPORT_CALL(SetCustomFilenameTemplate(nullptr, W("<<DOCNAME>><<NONE>>.pdf"))),
              (Outcome{0, kNullArgument}));
}

TEST_F(TemplateExports, AnsiSetConvertsWithTheAnsiCodePage) {
    SetMethod(7);
    EXPECT_EQ(SetCustomFilenameTemplateA(&record_, Ansi(W("\u00e9<<USERNAME>><<NONE>>.txt")).c_str()), 1);
    EXPECT_EQ(StoredTemplate(), W("\u00e9<<USERNAME>><<NONE>>.txt"));
    EXPECT_EQ(SetCustomFilenameTemplateA(&record_, "<<USERNAME>>"), 0);
    EXPECT_EQ(SetCustomFilenameTemplateA(&record_, nullptr), 0);
    EXPECT_EQ(StoredTemplate(), W("\u00e9<<USERNAME>><<NONE>>.txt"));
    EXPECT_EQ(NW_EXPORT_CALL(SetCustomFilenameTemplateA(nullptr, "<<DOCNAME>><<NONE>>.pdf")),
              (Outcome{0, kNullArgument}));
}

TEST_F(TemplateExports, GetReturnsTheFieldOnlyUnderMethodSeven) {
    SetMethod(7);
    ASSERT_EQ(SetCustomFilenameTemplate(&record_, W("<<DOCNAME>><<PAGENUM>>.pdf")), 1);
    const NWCHAR* text = GetCustomFilenameTemplate(&record_);
    // A pointer into the record itself.
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(text), BytesOf(record_) + 1304);
    EXPECT_EQ(WString(text), W("<<DOCNAME>><<PAGENUM>>.pdf"));

    SetMethod(6);
    EXPECT_EQ(WString(GetCustomFilenameTemplate(&record_)), W(""));
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);

    const NWCHAR* none = GetCustomFilenameTemplate(nullptr);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(NW_EXPORT_CALL(none[0]), (Outcome{0, kNullArgument}));

    // A field without its terminator is not handed out.
    SetMethod(7);
    for (std::size_t i = 0; i < 260; ++i) Put(record_, 1304 + 2 * i, W('x'));
    EXPECT_EQ(GetCustomFilenameTemplate(&record_)[0], 0);
}

}  // namespace
}  // namespace nw::test
