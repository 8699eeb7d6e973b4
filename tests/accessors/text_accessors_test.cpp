#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "accessors/record_bytes.h"
#include "nordwisp/NordwispDEVMODE.h"

namespace {

using nw::test::kNullRecordError;
using nw::test::MakeRecord;
using nw::test::OnlyChangedWithin;
using nw::test::Repeated;
using nw::test::TextAt;
using nw::test::Wide;

using WideText = std::basic_string<NWCHAR>;

TEST(TextAccessors, StoredSettersKeepTheOldTextWhenTheNewOneDoesNotFit) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetFileExtension(Wide("tiff").c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 1842, 5), Wide("tiff"));
    EXPECT_EQ(SetFileExtension(Wide("jpeg2").c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 1842, 5), Wide("tiff"));
    EXPECT_EQ(WideText(GetFileExtension(&record)), Wide("tiff"));

    ASSERT_EQ(SetFileNamePrefix(Wide("abcdefgh").c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 1824, 9), Wide("abcdefgh"));
    ASSERT_EQ(SetFileNamePrefix(Wide("ab").c_str(), &record), 1);
    EXPECT_EQ(WideText(GetFileNamePrefix(&record)), Wide("ab"));

    const WideText longest = Repeated(259, u'd');
    ASSERT_EQ(SetOutputDirectory(longest.c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), longest);
    EXPECT_EQ(SetOutputDirectory(Repeated(260, u'e').c_str(), &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), longest);
}

TEST(TextAccessors, AnnotationTextsAreCutTo127Characters) {
    const NordwispDEVMODE before = MakeRecord(1777, 0x77);
    NordwispDEVMODE record = before;
    ASSERT_EQ(SetAnnotationText(&record, Repeated(200, u'a').c_str()), 1);
    EXPECT_EQ(TextAt(record, 6020, 128), Repeated(127, u'a'));
    EXPECT_EQ(nw::test::ValueAt<NWCHAR>(record, 6020 + 2 * 127), 0);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 6020, 256));

    // A short text clears the rest of the field.
    ASSERT_EQ(SetAnnotationSeparator(&record, Wide(" | ").c_str()), 1);
    EXPECT_EQ(WideText(GetAnnotationSeparator(&record)), Wide(" | "));
    for (std::size_t i = 3; i < 128; ++i) ASSERT_EQ(nw::test::ValueAt<NWCHAR>(record, 6276 + 2 * i), 0) << i;
}

TEST(TextAccessors, WatermarkImageSetterTouchesOnlyItsField) {
    const NordwispDEVMODE before = MakeRecord(1777, 0x11);
    NordwispDEVMODE record = before;
    const WideText path = Repeated(259, u'p');
    ASSERT_EQ(SetWatermarkImageFileforPortrait(&record, path.c_str()), 1);
    EXPECT_EQ(WideText(GetWatermarkImageFileforPortrait(&record)), path);
    EXPECT_TRUE(OnlyChangedWithin(before, record, 4972, 520));
    EXPECT_EQ(nw::test::ValueAt<uint32_t>(record, 6012), 0x11111111u);
}

// Every setter, wide and ANSI, with 100 000 characters and with one that
// just fits: nothing outside the field may change.
TEST(TextAccessors, NoSetterWritesPastItsField) {
    struct Case {
        const char* name;
        std::size_t offset;
        std::size_t capacity;
        int (*wide)(NordwispDEVMODE*, const NWCHAR*);
        int (*ansi)(NordwispDEVMODE*, const char*);
    };
#define NW_TEXT_FIRST(name)                                                         \
    [](NordwispDEVMODE* r, const NWCHAR* t) { return Set##name(t, r); },            \
        [](NordwispDEVMODE* r, const char* t) { return Set##name##A(t, r); }
#define NW_RECORD_FIRST(name)                                                       \
    [](NordwispDEVMODE* r, const NWCHAR* t) { return Set##name(r, t); },            \
        [](NordwispDEVMODE* r, const char* t) { return Set##name##A(r, t); }
    const Case cases[] = {
        {"ApplicationPath", 256, 260, NW_TEXT_FIRST(ApplicationPath)},
        {"OutputDirectory", 784, 260, NW_TEXT_FIRST(OutputDirectory)},
        {"ImageFileName", 1304, 260, NW_TEXT_FIRST(ImageFileName)},
        {"FileNamePrefix", 1824, 9, NW_TEXT_FIRST(FileNamePrefix)},
        {"FileExtension", 1842, 5, NW_TEXT_FIRST(FileExtension)},
        {"INIFileName", 2372, 260, NW_TEXT_FIRST(INIFileName)},
        {"TIFFDLLName", 2892, 260, NW_TEXT_FIRST(TIFFDLLName)},
        {"JPEGDLLName", 3412, 260, NW_TEXT_FIRST(JPEGDLLName)},
        {"ResourceDLLName", 3932, 260, NW_TEXT_FIRST(ResourceDLLName)},
        {"WatermarkImageFileforPortrait", 4972, 260, NW_RECORD_FIRST(WatermarkImageFileforPortrait)},
        {"WatermarkImageFileforLandscape", 5492, 260, NW_RECORD_FIRST(WatermarkImageFileforLandscape)},
        {"AnnotationText", 6020, 128, NW_RECORD_FIRST(AnnotationText)},
        {"AnnotationSeparator", 6276, 128, NW_RECORD_FIRST(AnnotationSeparator)},
    };
#undef NW_TEXT_FIRST
#undef NW_RECORD_FIRST
    const WideText huge = Repeated(100000, u'h');
    const std::string hugeAnsi(100000, 'h');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NordwispDEVMODE before = MakeRecord(1777, 0xA5);
        NordwispDEVMODE record = before;
        ASSERT_EQ(c.wide(&record, huge.c_str()), 1);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));
        ASSERT_EQ(c.ansi(&record, hugeAnsi.c_str()), 1);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));

        const WideText fits = Repeated(c.capacity - 1, u'f');
        ASSERT_EQ(c.wide(&record, fits.c_str()), 1);
        EXPECT_EQ(TextAt(record, c.offset, c.capacity), fits);
        EXPECT_TRUE(OnlyChangedWithin(before, record, c.offset, 2 * c.capacity));

        // A null text changes nothing and still succeeds.
        const NordwispDEVMODE kept = record;
        EXPECT_EQ(c.wide(&record, nullptr), 1);
        EXPECT_EQ(c.ansi(&record, nullptr), 1);
        EXPECT_EQ(std::memcmp(&kept, &record, sizeof record), 0);

        EXPECT_EQ(c.wide(nullptr, fits.c_str()), 0);
        EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
        EXPECT_EQ(c.ansi(nullptr, "x"), 0);
        EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    }
}

TEST(TextAccessors, NullRecordGivesEmptyTextOrNull) {
    const NWCHAR* directory = GetOutputDirectory(nullptr);
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(directory[0], 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_NE(GetResourceDLLName(nullptr), nullptr);
    EXPECT_EQ(GetAnnotationText(nullptr), nullptr);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(GetAnnotationSeparator(nullptr), nullptr);
    EXPECT_EQ(GetWatermarkImageFileforPortrait(nullptr), nullptr);
    EXPECT_EQ(GetWatermarkImageFileforLandscape(nullptr), nullptr);
}

TEST(TextAccessors, GetterPointsIntoTheRecord) {
    NordwispDEVMODE record = MakeRecord();
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(GetImageFileName(&record)),
              nw::test::BytesOf(record) + 1304);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
}

TEST(TextAccessors, AnsiGetterWithATooSmallBuffer) {
    NordwispDEVMODE record = MakeRecord();
    ASSERT_EQ(SetOutputDirectoryA("C:\\out", &record), 1);
    EXPECT_EQ(TextAt(record, 784, 260), Wide("C:\\out"));

    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    int size = 4;
    EXPECT_EQ(GetOutputDirectoryA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(buffer[4], '#');

    size = 7;
    ASSERT_EQ(GetOutputDirectoryA(&record, buffer, &size), 1);
    EXPECT_STREQ(buffer, "C:\\out");
    EXPECT_EQ(size, 7);

    // A larger size is left as it is.
    size = 16;
    ASSERT_EQ(GetOutputDirectoryA(&record, buffer, &size), 1);
    EXPECT_EQ(size, 16);

    size = 0;
    EXPECT_EQ(GetOutputDirectoryA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 7);
    EXPECT_EQ(GetOutputDirectoryA(&record, buffer, nullptr), 0);
}

TEST(TextAccessors, AnsiFormsConvertWithTheCodePage) {
    NordwispDEVMODE record = MakeRecord();
    // "é" in UTF-8, the default ANSI code page of the hosted machine.
    ASSERT_EQ(SetAnnotationTextA(&record, "caf\xC3\xA9"), 1);
    EXPECT_EQ(TextAt(record, 6020, 128), (WideText{u'c', u'a', u'f', 0xE9}));
    char buffer[8] = {};
    int size = 5;
    EXPECT_EQ(GetAnnotationTextA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 6);
    ASSERT_EQ(GetAnnotationTextA(&record, buffer, &size), 1);
    EXPECT_STREQ(buffer, "caf\xC3\xA9");
}

TEST(TextAccessors, AnsiGetterStopsAtTheEndOfAnUnterminatedField) {
    // Every unit of every field is U+A5A5 (three bytes in UTF-8), no terminator.
    const NordwispDEVMODE record = MakeRecord(1777, 0xA5);
    char buffer[64];
    int size = 4;
    EXPECT_EQ(GetFileExtensionA(&record, buffer, &size), 0);
    EXPECT_EQ(size, 5 * 3 + 1);
    ASSERT_EQ(GetFileExtensionA(&record, buffer, &size), 1);
    EXPECT_EQ(std::strlen(buffer), 15u);
}

TEST(TextAccessors, AnsiGetterOnANullRecord) {
    char buffer[8] = {'#'};
    int size = 8;
    // Every ANSI getter fails alike, also those whose wide twin answers a
    // static empty text: 0, buffer and size untouched.
    EXPECT_EQ(GetAnnotationTextA(nullptr, buffer, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(GetOutputDirectoryA(nullptr, buffer, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullRecordError);
    EXPECT_EQ(size, 8);
    EXPECT_EQ(buffer[0], '#');
}

}  // namespace
