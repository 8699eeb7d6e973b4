// The profile index: common profiles found in the driver's folder, the
// header of a profile file, hiding and deleting.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "profiles/common_profiles.h"
#include "profiles/profile_header.h"
#include "profiles/profile_index.h"
#include "support/core_printer.h"
#include "support/registry.h"
#include "support/temp_dir.h"

namespace nw::profiles {
namespace {

using test::kCorePrinter;
using test::ReadRaw;
using test::StoredDword;

// Where the provisioned data file's "Common Profile Directory" points.
constexpr WCHAR kCommonFolder[] = W("C:\\ProgramData\\Kelmora Works\\Profiles\\");

WString ProfileKey(WStringView profile) {
    return test::PrinterKey(kCorePrinter, WString(W("Profiles\\")) + WString(profile));
}

class ProfileIndexTest : public test::CorePrinterTest {
protected:
    void SetUp() override {
        CorePrinterTest::SetUp();
        ::CreateDirectoryW(W("C:\\ProgramData"), nullptr);
        ::CreateDirectoryW(W("C:\\ProgramData\\Kelmora Works"), nullptr);
        ::CreateDirectoryW(W("C:\\ProgramData\\Kelmora Works\\Profiles"), nullptr);
    }
    static WString WriteCommon(const WString& fileName, const std::string& profileSection) {
        const WString file = WString(kCommonFolder) + fileName;
        EXPECT_TRUE(test::WriteFileBytes(file, "[Profile]\r\n" + profileSection + "[Default Settings]\r\nX DPI=150\r\n"));
        return file;
    }
};

constexpr char kValidHeader[] =
    "Name=Office\r\nDescription=Shared\\nwith all\r\nProfile version=1\r\nDriver major version=17\r\n"
    "Driver type=33\r\n";

TEST(ProfileHeaderTest, DescriptionEscapesDecodeAndStopAt499Characters) {
    const struct {
        WString raw;
        WString decoded;
    } cases[] = {
        {W("a\\\\b"), W("a\\b")},
        {W("line\\nbreak\\rend"), W("line\nbreak\rend")},
        {W("\\q\\\"x"), W("q\"x")},
        {W("trailing\\"), W("trailing")},
        {WString(600, W('x')), WString(499, W('x'))},
        {WString(498, W('y')) + W("\\\\\\n"), WString(498, W('y')) + W("\\")},
    };
    for (const auto& c : cases) {
        WCHAR out[kProfileDescriptionChars];
        EXPECT_EQ(DecodeDescription(c.raw, out, kProfileDescriptionChars), c.decoded.size());
        EXPECT_EQ(WString(out), c.decoded);
        WCHAR decodedBack[kProfileDescriptionChars];
        if (c.decoded.size() < 100) {
            DecodeDescription(EncodeDescription(c.decoded), decodedBack, kProfileDescriptionChars);
            EXPECT_EQ(WString(decodedBack), c.decoded);
        }
    }
}

TEST_F(ProfileIndexTest, ValidCommonProfileIsIndexedAsSharedWithUnterminatedTexts) {
    const WString file = WriteCommon(W("office.bip"), kValidHeader);
    EXPECT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    EXPECT_EQ(StoredDword(test::PrinterKey(kCorePrinter, W("Profiles")), W("Common Profiles Imported")), 1u);
    const auto name = ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Office")), W("Name"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(name->bytes, test::TextBytes(W("Office")));
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Office")), W("Description"))->bytes,
              test::TextBytes(W("Shared\nwith all")));
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Office")), W("Filename"))->bytes, test::TextBytes(file));
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Office")), W("Modified"))->bytes.size(), 16u);
    EXPECT_EQ(StoredDword(ProfileKey(W("Office")), W("Shared")), 1u);
    EXPECT_EQ(IsProfileShared(kCorePrinter, W("Office")), 1);
    FILETIME indexed{};
    EXPECT_EQ(GetProfileWriteTimeFromRegistry(kCorePrinter, W("Office"), &indexed), 1);
    EXPECT_EQ(GetProfileWriteTimeFromRegistry(kCorePrinter, W("Nobody"), &indexed), 0);
}

TEST_F(ProfileIndexTest, CommonProfileWithoutVersionDriverMajorOrTypeIsNotIndexed) {
    const struct {
        const WCHAR* file;
        std::string header;
    } cases[] = {
        {W("noversion.bip"), "Name=NoVersion\r\nDriver major version=17\r\nDriver type=33\r\n"},
        {W("nomajor.bip"), "Name=NoMajor\r\nProfile version=1\r\nDriver type=33\r\n"},
        {W("notype.bip"), "Name=NoType\r\nProfile version=1\r\nDriver major version=17\r\n"},
        {W("zero.bip"), "Name=Zero\r\nProfile version=0\r\nDriver major version=17\r\nDriver type=33\r\n"},
    };
    for (const auto& c : cases) WriteCommon(c.file, c.header);
    WriteCommon(W("notbip.ini"), "Name=Other\r\nProfile version=1\r\nDriver major version=17\r\nDriver type=33\r\n");
    EXPECT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    for (const WCHAR* name : {W("NoVersion"), W("NoMajor"), W("NoType"), W("Zero"), W("Other")})
        EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, ProfileKey(name), W("Name"))) << std::string(name, name + 2);
}

TEST_F(ProfileIndexTest, DeletingSharedProfileHidesItUntilItsFileChanges) {
    const WString file = WriteCommon(W("office.bip"), kValidHeader);
    ASSERT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    EXPECT_EQ(DeleteProfile(kCorePrinter, W("Office"), 0), 1);
    EXPECT_EQ(StoredDword(ProfileKey(W("Office")), W("Hidden")), 1u);
    EXPECT_NE(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);

    // Unchanged, it stays hidden however often the folder is read.
    ASSERT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    EXPECT_EQ(StoredDword(ProfileKey(W("Office")), W("Hidden")), 1u);

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteCommon(W("office.bip"), std::string(kValidHeader) + "Profile type=2\r\n");
    ASSERT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    EXPECT_EQ(StoredDword(ProfileKey(W("Office")), W("Hidden")), 0u);

    // With force the file goes too.
    EXPECT_EQ(DeleteProfile(kCorePrinter, W("Office"), 1), 1);
    EXPECT_EQ(::GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Office")), W("Name")));
}

TEST_F(ProfileIndexTest, MissingFilesAndRenamedSharedProfilesLeaveTheIndex) {
    test::TempDir dir;
    ProfileHeader header;
    const WString kept = dir.File(W("kept.bip"));
    ASSERT_TRUE(test::WriteFileBytes(kept, "[Profile]\r\nName=Kept\r\n"));
    ASSERT_TRUE(ReadProfileHeader(kept.c_str(), header));
    ASSERT_EQ(WriteProfileDataToRegistry(kCorePrinter, W("Kept"), header, 0), 1);
    // Consecutive subkeys, each gone: none is skipped.
    for (const WCHAR* gone : {W("Gone1"), W("Gone2"), W("Gone3")}) {
        ProfileHeader missing = header;
        const WString path = dir.File(WString(gone) + W(".bip"));
        path.copy(missing.fileName, path.size());
        missing.fileName[path.size()] = 0;
        ASSERT_EQ(WriteProfileDataToRegistry(kCorePrinter, gone, missing, 0), 1);
    }
    WriteCommon(W("office.bip"), kValidHeader);
    ASSERT_EQ(ReadCommonProfiles(kCorePrinter), 1);
    // The shared file now names another profile.
    WriteCommon(W("office.bip"), "Name=Renamed\r\n");

    EXPECT_EQ(DeleteMissingProfiles(kCorePrinter), 1);
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, ProfileKey(W("Kept")), W("Name")));
    for (const WCHAR* name : {W("Gone1"), W("Gone2"), W("Gone3"), W("Office")})
        EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, ProfileKey(name), W("Name")));
}

TEST_F(ProfileIndexTest, ProfileNamesThatAreNoSubkeyAreRefused) {
    ProfileHeader header;
    for (const WCHAR* bad : {W(""), W("a\\b")}) {
        EXPECT_EQ(WriteProfileDataToRegistry(kCorePrinter, bad, header, 0), 0);
        EXPECT_EQ(HideProfile(kCorePrinter, bad, 1), 0);
    }
    EXPECT_EQ(WriteProfileDataToRegistry(nullptr, W("x"), header, 0), 0);
    EXPECT_EQ(DeleteMissingProfiles(W("No Such Printer")), 0);
    EXPECT_EQ(ReadCommonProfiles(W("No Such Printer")), 0);
}

}  // namespace
}  // namespace nw::profiles
