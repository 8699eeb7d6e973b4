#include <array>

#include "support/records.h"

namespace nw::test {
namespace {

using WideText = WString;

TEST(TextAccessors, StoredSettersKeepTheOldTextWhenTheNewOneDoesNotFit) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetFileExtension(W("tiff"), &record), 1);
    EXPECT_EQ(TextAt(record, 1842, 5), W("tiff"));
    EXPECT_EQ(SetFileExtension(W("jpeg2"), &record), 1);
    EXPECT_EQ(TextAt(record, 1842, 5), W("tiff"));
    EXPECT_EQ(WideText(GetFileExtension(&record)), W("tiff"));

    ASSERT_EQ(SetFileNamePrefix(W("abcdefgh"), &record), 1);
    EXPECT_EQ(TextAt(record, 1824, 9), W("abcdefgh"));
    ASSERT_EQ(SetFileNamePrefix(W("ab"), &record), 1);
    EXPECT_EQ(WideText(GetFileNamePrefix(&record)), W("ab"));

    const WideText longest = WideText(259, W('d'));
    ASSERT_EQ(SetOutputDirectory(longest.c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), longest);
    EXPECT_EQ(SetOutputDirectory(WideText(260, W('e')).c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), longest);
}

TEST(TextAccessors, AnnotationTextsAreCutTo127Characters) {
    const NordwispDEVMODE before = MakeRecord({}, 0x77);
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetAnnotationText(&record, WideText(200, W('a')).c_str()), 1);
    EXPECT_EQ(TextAt(record, 6020, 128), WideText(127, W('a')));
    EXPECT_EQ(At<WCHAR>(record, 6020 + 2 * 127), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6020, 256));

    // A short text clears the rest of the field.
    ASSERT_EQ(SetAnnotationSeparator(&record, W(" | ")), 1);
    EXPECT_EQ(WideText(GetAnnotationSeparator(&record)), W(" | "));
    for (std::size_t i = 3; i < 128; ++i) ASSERT_EQ(At<WCHAR>(record, 6276 + 2 * i), 0) << i;
}

// One setter of each shape and capacity, wide and ANSI, with 100 000
// characters and with one that just fits: nothing outside the field may
// change. The offsets themselves are fixed by the public header's asserts.
TEST(TextAccessors, NoSetterWritesPastItsField) {
    struct Case {
        const char* name;
        std::size_t offset;
        std::size_t capacity;
        int (*wide)(NordwispDEVMODE*, const NWCHAR*);
        int (*ansi)(NordwispDEVMODE*, const char*);
    };
#define NW_TEXT_FIRST(name)                                              \
    [](NordwispDEVMODE* r, const NWCHAR* t) { return Set##name(t, r); }, \
        [](NordwispDEVMODE* r, const char* t) { return Set##name##A(t, r); }
#define NW_RECORD_FIRST(name)                                            \
    [](NordwispDEVMODE* r, const NWCHAR* t) { return Set##name(r, t); }, \
        [](NordwispDEVMODE* r, const char* t) { return Set##name##A(r, t); }
    const Case cases[] = {
        {"ApplicationPath", 256, 260, NW_TEXT_FIRST(ApplicationPath)},
        {"FileNamePrefix", 1824, 9, NW_TEXT_FIRST(FileNamePrefix)},
        {"FileExtension", 1842, 5, NW_TEXT_FIRST(FileExtension)},
        {"WatermarkImageFileforLandscape", 5492, 260, NW_RECORD_FIRST(WatermarkImageFileforLandscape)},
        {"AnnotationText", 6020, 128, NW_RECORD_FIRST(AnnotationText)},
    };
#undef NW_TEXT_FIRST
#undef NW_RECORD_FIRST
    const WideText huge(100000, W('h'));
    const std::string hugeAnsi(100000, 'h');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NordwispDEVMODE before = MakeRecord({}, 0xA5);
        NordwispDEVMODE record = before;
        ASSERT_EQ(c.wide(&record, huge.c_str()), 1);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));
        ASSERT_EQ(c.ansi(&record, hugeAnsi.c_str()), 1);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));

        const WideText fits(c.capacity - 1, W('f'));
        ASSERT_EQ(c.wide(&record, fits.c_str()), 1);
        EXPECT_EQ(TextAt(record, c.offset, c.capacity), fits);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));

        // A null text changes nothing and still succeeds.
        const NordwispDEVMODE kept = record;
        EXPECT_EQ(c.wide(&record, nullptr), 1);
        EXPECT_EQ(c.ansi(&record, nullptr), 1);
        EXPECT_TRUE(SameBytes(kept, record));
        EXPECT_EQ(NW_EXPORT_CALL(c.wide(nullptr, fits.c_str())), (Outcome{0, kNullArgument}));
        EXPECT_EQ(NW_EXPORT_CALL(c.ansi(nullptr, "x")), (Outcome{0, kNullArgument}));
    }
}

TEST(TextAccessors, GettersPointIntoTheRecordOrAtAnEmptyTextForANullOne) {
    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(GetImageFileName(&record)), BytesOf(record) + 1304);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    const NWCHAR* directory = GetOutputDirectory(nullptr);
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(directory[0], 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_NE(GetResourceDLLName(nullptr), nullptr);
    // The annotation and watermark getters give no text at all.
    for (auto getter : {GetAnnotationText, GetAnnotationSeparator, GetWatermarkImageFileforPortrait,
                        GetWatermarkImageFileforLandscape})
        EXPECT_EQ(getter(nullptr), nullptr);
    char buffer[8] = {'#'};
    int size = 8;
    EXPECT_EQ(NW_EXPORT_CALL(GetAnnotationTextA(nullptr, buffer, &size)), (Outcome{0, kNullArgument}));
    // Every ANSI getter fails alike, also those whose wide twin answers a
    // static empty text: buffer and size stay as they were.
    EXPECT_EQ(NW_EXPORT_CALL(GetOutputDirectoryA(nullptr, buffer, &size)), (Outcome{0, kNullArgument}));
    EXPECT_EQ(size, 8);
    EXPECT_EQ(buffer[0], '#');
}

TEST(TextAccessors, AnsiGetterWithATooSmallBuffer) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetOutputDirectoryA("C:\\out", &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), W("C:\\out"));

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    int size = 4;
    EXPECT_EQ(GetOutputDirectoryA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(buffer[4], '#');  // nothing past the size given
    // Each size given, the result and the size left: a larger size is kept.
    const std::array<int, 3> sizes[] = {{0, 0, 7}, {7, 1, 7}, {16, 1, 16}};
    for (const auto& [given, result, left] : sizes) {
        size = given;
        EXPECT_EQ(GetOutputDirectoryA(&record, buffer, &size), result) << given;
        EXPECT_EQ(size, left) << given;
    }
    EXPECT_STREQ(buffer, "C:\\out");
    EXPECT_EQ(buffer[7], '#');
    EXPECT_EQ(GetOutputDirectoryA(&record, buffer, nullptr), 0);
}

TEST(TextAccessors, AnsiFormsConvertWithTheCodePage) {
    NordwispDEVMODE record = MakeRecord();
    const std::string cafe = Ansi(W("caf\u00E9"));
    ASSERT_EQ(SetAnnotationTextA(&record, cafe.c_str()), 1);
    EXPECT_EQ(TextAt(record, 6020, 128), (WideText{W('c'), W('a'), W('f'), 0xE9}));
    char buffer[8] = {};
    int size = static_cast<int>(cafe.size());
    EXPECT_EQ(GetAnnotationTextA(&record, buffer, &size), 0);
    EXPECT_EQ(size, static_cast<int>(cafe.size()) + 1);
    ASSERT_EQ(GetAnnotationTextA(&record, buffer, &size), 1);
    EXPECT_EQ(std::string(buffer), cafe);
}

TEST(TextAccessors, AnsiGetterStopsAtTheEndOfAnUnterminatedField) {
    // Every unit of every field is U+A5A5, no terminator: the five units of
    // the extension field and nothing after them are converted.
    const NordwispDEVMODE record = MakeRecord({}, 0xA5);
    const std::size_t converted = Ansi(WString(5, WCHAR(0xA5A5))).size();
    char buffer[64];
    int size = 4;
    EXPECT_EQ(GetFileExtensionA(&record, buffer, &size), 0);
    EXPECT_EQ(size, static_cast<int>(converted) + 1);
    ASSERT_EQ(GetFileExtensionA(&record, buffer, &size), 1);
    EXPECT_EQ(std::strlen(buffer), converted);
}

}  // namespace
}  // namespace nw::test
