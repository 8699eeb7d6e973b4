// Loading, saving and releasing records through the exported API, checked
// in this process and in a new one.
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/library.h"
#include "platform/handles.h"
#include "platform/win32api.h"
#include "support/child_process.h"

namespace nw::test {
namespace {

// What a new process finds in one store: the DWORD at an offset of the
// record, as the exit code (254: no record in that store, 255: failure).
NW_TEST_CHILD(ReadStore) {
    const std::string store = args.at(0);
    const std::size_t offset = std::stoul(args.at(1));
    if (store == "load") {
        Record record(LoadNordwispDEVMODE(kPrinter));
        return record ? static_cast<int>(At<std::uint32_t>(*record, offset) & 0xFF) : 255;
    }
    // The spooler's own stores, level 8 (global) or 9 (per-user).
    nw::PrinterHandle handle;
    if (!OpenPrinterW(const_cast<LPWSTR>(kPrinter), handle.put(), nullptr)) return 255;
    const DWORD level = store == "global" ? 8 : 9;
    DWORD needed = 0;
    GetPrinterW(handle.get(), level, nullptr, 0, &needed);
    std::vector<std::uint8_t> block(needed);
    if (!GetPrinterW(handle.get(), level, block.data(), needed, &needed)) return 255;
    const NordwispDEVMODE* devmode = nullptr;
    std::memcpy(&devmode, block.data(), sizeof devmode);
    if (devmode == nullptr) return 254;
    return static_cast<int>(At<std::uint32_t>(*devmode, offset) & 0xFF);
}

int ReadStore(const std::string& store, std::size_t offset) {
    return RunChild("ReadStore", {store, std::to_string(offset)});
}

TEST_F(PrinterTest, LoadHandsOutIndependentBlocksOfTheUsersRecord) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    EXPECT_EQ(NordwispMachine_BlockSize(record.get()), static_cast<std::size_t>(NW_DEVMODE_SIZE));
    EXPECT_EQ(TextAt(*record, 0, 32), kPrinter);
    EXPECT_EQ(At<std::uint16_t>(*record, 66), 1777);
    EXPECT_EQ(At<std::uint16_t>(*record, 68), 220);
    EXPECT_EQ(At<std::uint16_t>(*record, 70), 6659);
    EXPECT_EQ(TextAt(*record, NW_OFFSET(Manufacturer), 128), u"Kelmora Works");
    // The reserved tail is zero.
    for (std::size_t at = NW_OFFSET(Reserved); at < NW_DEVMODE_SIZE; ++at)
        EXPECT_EQ(At<std::uint8_t>(*record, at), 0) << at;

    Record first(LoadNordwispDEVMODEEx(kPrinter, 0));
    Record second(LoadNordwispDEVMODEEx(kPrinter, 1));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(std::memcmp(first.get(), second.get(), NW_DEVMODE_SIZE), 0);
    EXPECT_EQ(std::memcmp(first.get(), record.get(), NW_DEVMODE_SIZE), 0);
    Put<std::uint32_t>(*first, NW_OFFSET(FileFormat), 9);
    EXPECT_EQ(At<std::uint32_t>(*second, NW_OFFSET(FileFormat)), 0u);

    Record ansi(LoadNordwispDEVMODEA("Nordwisp Printer"));
    ASSERT_TRUE(ansi);
    EXPECT_EQ(std::memcmp(ansi.get(), record.get(), NW_DEVMODE_SIZE), 0);
}

TEST_F(PrinterTest, LoadFailuresStoreTheirError) {
    // The last error of a load that gave no record; ~0 for a record.
    auto failure = [](NordwispDEVMODE* loaded) { return Record(loaded) ? ~0u : Nordwisp_GetLastError(); };
    EXPECT_EQ(failure(LoadNordwispDEVMODE(nullptr)), 1801u);
    ReleaseNordwispDEVMODE(nullptr);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    EXPECT_EQ(failure(LoadNordwispDEVMODEEx(u"No Such Printer", 1)), 1801u);
    EXPECT_EQ(failure(LoadNordwispDEVMODEA(nullptr)), 1801u);
    // A name longer than the fixed buffer is cut, so it names no printer.
    EXPECT_EQ(failure(LoadNordwispDEVMODEA(("Nordwisp Printer" + std::string(300, 'x')).c_str())), 1801u);
}

TEST_F(PrinterTest, SaveRecomputesPackedResolutionBeforeLookingAtTheName) {
    const Outcome nullRecord{0, kNullArgument};
    EXPECT_EQ(NW_EXPORT_CALL(SaveNordwispDEVMODE(nullptr, nullptr)), nullRecord);
    EXPECT_EQ(NW_EXPORT_CALL(SaveDefaultNordwispDEVMODE(nullptr, nullptr)), nullRecord);
    EXPECT_EQ(NW_EXPORT_CALL(SaveNordwispDEVMODEA(nullptr, nullptr)), nullRecord);
    EXPECT_EQ(NW_EXPORT_CALL(SaveDefaultNordwispDEVMODEA("Nordwisp Printer", nullptr)), nullRecord);

    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    auto packedAfterFailedSave = [&](std::int16_t x, std::int16_t y, std::uint32_t options) {
        Put<std::int16_t>(*record, NW_OFFSET(DM.dmPrintQuality), x);
        Put<std::int16_t>(*record, NW_OFFSET(DM.dmYResolution), y);
        Put<std::uint32_t>(*record, NW_OFFSET(Options), options);
        Put<std::uint32_t>(*record, NW_OFFSET(PackedResolution), 0);
        EXPECT_EQ(NW_EXPORT_CALL(SaveNordwispDEVMODE(nullptr, record.get())), (Outcome{0, 1801}));
        return At<std::uint32_t>(*record, NW_OFFSET(PackedResolution));
    };
    EXPECT_EQ(packedAfterFailedSave(-4, 600, 0x1000000), 0x02580258u);
    EXPECT_EQ(packedAfterFailedSave(-5, -6, 0x1000000), 0x00C400CCu);  // fax: X 204 of -5, Y 196 of -6
    EXPECT_EQ(packedAfterFailedSave(50, 3001, 0x1000000), 0x012C0032u);
    EXPECT_EQ(packedAfterFailedSave(-4, 600, 0x0FFFFFF), 0u);  // bit not set
    Put<std::uint16_t>(*record, 70, 6658);                     // not a record
    EXPECT_EQ(packedAfterFailedSave(-4, 600, 0x1000000), 0u);

    // A printer that does not exist: the spooler's error, nothing stored.
    Put<std::uint16_t>(*record, 70, 6659);
    EXPECT_EQ(NW_EXPORT_CALL(SaveNordwispDEVMODE(u"No Such Printer", record.get())), (Outcome{0, 1801}));
}

TEST_F(PrinterTest, EachSaverWritesItsOwnStore) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), 7);
    ASSERT_EQ(NW_EXPORT_CALL(SaveNordwispDEVMODE(kPrinter, record.get())), (Outcome{1, 0}));
    EXPECT_EQ(ReadStore("load", NW_OFFSET(FileFormat)), 7);
    EXPECT_EQ(ReadStore("user", NW_OFFSET(FileFormat)), 7);
    EXPECT_EQ(ReadStore("global", NW_OFFSET(FileFormat)), 0);

    // Another user has no record of their own and loads the global default.
    ::setenv("NORDWISP_USER_NAME", "other", 1);
    ::setenv("NORDWISP_USER_SID", "S-1-5-21-3623811015-3361044348-30300820-1099", 1);
    EXPECT_EQ(ReadStore("load", NW_OFFSET(FileFormat)), 0);
    EXPECT_EQ(ReadStore("user", NW_OFFSET(FileFormat)), 254);
    ::unsetenv("NORDWISP_USER_SID");
    ::unsetenv("NORDWISP_USER_NAME");

    Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), 12);
    ASSERT_EQ(SaveDefaultNordwispDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(ReadStore("global", NW_OFFSET(FileFormat)), 12);
    EXPECT_EQ(ReadStore("load", NW_OFFSET(FileFormat)), 7);  // the user's own record wins

    Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), 21);
    ASSERT_EQ(SaveNordwispDEVMODEA("Nordwisp Printer", record.get()), 1);
    EXPECT_EQ(ReadStore("user", NW_OFFSET(FileFormat)), 21);
    Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), 22);
    ASSERT_EQ(SaveDefaultNordwispDEVMODEA("Nordwisp Printer", record.get()), 1);
    EXPECT_EQ(ReadStore("global", NW_OFFSET(FileFormat)), 22);
    EXPECT_EQ(ReadStore("user", NW_OFFSET(FileFormat)), 21);
}

// As a user without administrator membership: 0 when the global default
// is refused with error 5 and the user's own save works.
NW_TEST_CHILD(SaveAsUser) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    if (!record) return 10;
    if (SaveDefaultNordwispDEVMODE(kPrinter, record.get()) != 0) return 11;
    if (Nordwisp_GetLastError() != 5) return 12;
    return SaveNordwispDEVMODE(kPrinter, record.get()) == 1 ? 0 : 13;
}

TEST_F(PrinterTest, GlobalDefaultNeedsAdministratorMembership) {
    ::setenv("NORDWISP_ADMIN", "0", 1);
    const int result = RunChild("SaveAsUser");
    ::unsetenv("NORDWISP_ADMIN");
    EXPECT_EQ(result, 0);
}

// The printer type, ID and flags a save fills in.
using Installation = std::array<std::uint32_t, 3>;
constexpr std::size_t kInstallation[] = {NW_OFFSET(PrinterType), NW_OFFSET(PrinterID), NW_OFFSET(PrinterFlags)};
Installation InstallationOf(const NordwispDEVMODE* record) {
    Installation fields;
    for (std::size_t i = 0; i < 3; ++i) fields[i] = At<std::uint32_t>(*record, kInstallation[i]);
    return fields;
}
void SetInstallation(NordwispDEVMODE* record, Installation fields) {
    for (std::size_t i = 0; i < 3; ++i) Put(*record, kInstallation[i], fields[i]);
}

TEST_F(PrinterTest, InstallationFieldsComeFromAStoredRecordWithAnId) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    // No per-user record stored yet: the caller's fields are stored.
    SetInstallation(record.get(), {3, 9, 4});
    ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(InstallationOf(record.get()), (Installation{3, 9, 4}));
    // Now the stored record's win.
    SetInstallation(record.get(), {8, 77, 0});
    ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(InstallationOf(record.get()), (Installation{3, 9, 4}));
    EXPECT_EQ(ReadStore("user", NW_OFFSET(PrinterID)), 9);
}

TEST_F(PrinterTest, StoredIdsZeroAndAllOnesDoNotCount) {
    for (std::uint32_t unset : {0u, 0xFFFFFFFFu}) {
        const std::u16string printer = unset ? u"Printer All Ones" : u"Printer Zero";
        ASSERT_EQ(NordwispMachine_AddPrinter(printer.c_str(), nullptr), 0u);
        Record record(LoadNordwispDEVMODE(printer.c_str()));
        ASSERT_TRUE(record);
        SetInstallation(record.get(), {6, unset, 6});
        ASSERT_EQ(SaveNordwispDEVMODE(printer.c_str(), record.get()), 1);
        SetInstallation(record.get(), {2, 42, 1});
        ASSERT_EQ(SaveNordwispDEVMODE(printer.c_str(), record.get()), 1);
        EXPECT_EQ(InstallationOf(record.get()), (Installation{2, 42, 1})) << unset;
    }
}

void DriverRewritesTexts(const NWCHAR*, void* devmode, size_t, void*) {
    auto* record = static_cast<NordwispDEVMODE*>(devmode);
    std::memset(reinterpret_cast<unsigned char*>(record) + NW_OFFSET(OutputDirectory), 0, 520);
    PutText(*record, NW_OFFSET(OutputDirectory), u"C:\\Driver");
    PutText(*record, NW_OFFSET(AnnotationText), u"driver text");
    Put<std::uint32_t>(*record, NW_OFFSET(FileFormat), 33);
}

NW_TEST_CHILD(CheckTexts) {
    Record record(LoadNordwispDEVMODE(kPrinter));
    if (!record) return 10;
    if (TextAt(*record, NW_OFFSET(OutputDirectory)) != u"D:\\Out") return 11;
    if (TextAt(*record, NW_OFFSET(AnnotationText), 128) != u"Hello") return 12;
    return At<std::uint32_t>(*record, NW_OFFSET(FileFormat)) == 33 ? 0 : 13;
}

TEST_F(PrinterTest, DriverMergeCannotChangeOutputDirectoryOrAnnotationText) {
    NordwispMachine_SetMergeHook(&DriverRewritesTexts, nullptr);
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    PutText(*record, NW_OFFSET(OutputDirectory), u"D:\\Out");
    PutText(*record, NW_OFFSET(AnnotationText), u"Hello");
    // Bytes after the terminator are the caller's too: kept as they were.
    Put<char16_t>(*record, NW_OFFSET(OutputDirectory) + 2 * 20, u'Z');
    ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    EXPECT_EQ(At<char16_t>(*record, NW_OFFSET(OutputDirectory) + 2 * 20), u'Z');
    EXPECT_EQ(TextAt(*record, NW_OFFSET(OutputDirectory)), u"D:\\Out");
    EXPECT_EQ(TextAt(*record, NW_OFFSET(AnnotationText), 128), u"Hello");
    EXPECT_EQ(At<std::uint32_t>(*record, NW_OFFSET(FileFormat)), 33u);  // the merge did run
    NordwispMachine_SetMergeHook(nullptr, nullptr);
    EXPECT_EQ(RunChild("CheckTexts"), 0);
}

std::string MessageLog() {
    std::string root(NordwispMachine_GetRoot(nullptr, 0), '\0');
    NordwispMachine_GetRoot(root.data(), static_cast<std::uint32_t>(root.size()));
    root.pop_back();
    std::ifstream log(root + "/messages.log", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
}

TEST_F(PrinterTest, SuccessfulSavesBroadcastTheChange) {
    const std::string broadcast =
        "window=0xFFFF message=0x001B wParam=0 lParam=\"Nordwisp Printer\" "
        "flags=0x0000 timeout=1000";
    Record record(LoadNordwispDEVMODE(kPrinter));
    ASSERT_TRUE(record);
    EXPECT_EQ(SaveNordwispDEVMODE(u"No Such Printer", record.get()), 0);
    EXPECT_EQ(MessageLog().find("message=0x001B"), std::string::npos);
    ASSERT_EQ(SaveNordwispDEVMODE(kPrinter, record.get()), 1);
    ASSERT_EQ(SaveDefaultNordwispDEVMODE(kPrinter, record.get()), 1);
    const std::string log = MessageLog();
    const std::size_t first = log.find(broadcast);
    ASSERT_NE(first, std::string::npos) << log;
    EXPECT_NE(log.find(broadcast, first + 1), std::string::npos) << log;
}

}  // namespace
}  // namespace nw::test
