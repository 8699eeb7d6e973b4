// Kernel functions through the Win32 API alone: global memory, files and
// directory search, mutexes, environment, file times. The same tests run
// against Wine in the Windows build.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32api.h"
#include "support/last_error.h"
#include "support/temp_dir.h"

namespace {

using nw::test::FailedWith;

WString Numbered(const WString& prefix) {
    WString name = prefix;
    for (char c : std::to_string(GetCurrentProcessId())) name += static_cast<WCHAR>(c);
    return name;
}

// ---- Global memory ---------------------------------------------------------

TEST(GlobalMemory, FixedBlockIsItsOwnPointerAndReportsItsRequestedSize) {
    HGLOBAL block = GlobalAlloc(GPTR, 37);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalLock(block), block);
    EXPECT_EQ(GlobalSize(block), 37u);
    const auto* bytes = static_cast<const unsigned char*>(block);
    EXPECT_TRUE(std::all_of(bytes, bytes + 37, [](unsigned char b) { return b == 0; }));
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_TRUE(
        FailedWith(GlobalAlloc(GMEM_FIXED, ~static_cast<SIZE_T>(0) - 4096) == nullptr, ERROR_NOT_ENOUGH_MEMORY));
}

TEST(GlobalMemory, MoveableBlockCountsLocksAndKeepsItsBytes) {
    HGLOBAL block = GlobalAlloc(GHND, 16);
    ASSERT_NE(block, nullptr);
    auto* first = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_NE(first, nullptr);
    EXPECT_NE(static_cast<void*>(first), block);
    EXPECT_EQ(first[0] | first[15], 0);
    std::memcpy(first, "record bytes 123", 16);
    EXPECT_EQ(GlobalLock(block), first);  // second lock, same place

    SetLastError(12345);
    EXPECT_TRUE(GlobalUnlock(block));                                 // still locked once
    EXPECT_TRUE(FailedWith(!GlobalUnlock(block), NO_ERROR));          // unlocked, not failed
    EXPECT_TRUE(FailedWith(!GlobalUnlock(block), ERROR_NOT_LOCKED));  // failed

    auto* again = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(std::memcmp(again, "record bytes 123", 16), 0);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalSize(block), 16u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

// ---- Files -----------------------------------------------------------------

HANDLE Open(const WString& path, DWORD access, DWORD disposition, DWORD share = FILE_SHARE_READ) {
    return CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// An open that has to fail; a handle it got after all is closed.
bool Refused(const WString& path, DWORD access, DWORD disposition, DWORD share = FILE_SHARE_READ) {
    HANDLE file = Open(path, access, disposition, share);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool MakeFile(const WString& path, const std::string& bytes, DWORD disposition = CREATE_NEW) {
    HANDLE file = Open(path, GENERIC_WRITE, disposition);
    const bool written = file != INVALID_HANDLE_VALUE && WriteAll(file, bytes);
    CloseHandle(file);
    return written;
}

std::string ReadAll(HANDLE file) {
    std::string out;
    char buffer[7];  // small on purpose: several reads
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
    return out;
}

TEST(Files, DispositionsAndAccessSucceedAndFailAsWindowsDoes) {
    nw::test::TempDir dir;
    const WString path = dir.File(W("data.bin"));
    ASSERT_TRUE(MakeFile(path, std::string("abc\0def", 7)));
    EXPECT_TRUE(FailedWith(Refused(path, GENERIC_WRITE, CREATE_NEW), ERROR_FILE_EXISTS));

    HANDLE file = Open(path, GENERIC_READ, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    DWORD high = 99;
    EXPECT_EQ(GetFileSize(file, &high), 7u);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(ReadAll(file), std::string("abc\0def", 7));
    DWORD got = 5;
    char byte = 0;
    EXPECT_TRUE(ReadFile(file, &byte, 1, &got, nullptr));  // at the end: success, nothing read
    EXPECT_EQ(got, 0u);
    // Writing needs write access.
    EXPECT_FALSE(WriteFile(file, "x", 1, &got, nullptr));
    EXPECT_EQ(got, 0u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_TRUE(FailedWith(!CloseHandle(file), ERROR_INVALID_HANDLE));  // already closed

    file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(GetFileSize(file, nullptr), 0u);  // truncated
    CloseHandle(file);

    file = Open(dir.File(W("fresh.bin")), GENERIC_WRITE, OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(file);

    const WString missing = dir.File(W("missing.bin"));
    EXPECT_TRUE(FailedWith(Refused(missing, GENERIC_READ, OPEN_EXISTING), ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(FailedWith(Refused(missing, GENERIC_WRITE, TRUNCATE_EXISTING), ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(
        FailedWith(Refused(dir.File(W("no\\such\\folder.bin")), GENERIC_WRITE, CREATE_ALWAYS), ERROR_PATH_NOT_FOUND));
}

TEST(Files, AppendOnlyAccessWritesAtTheEndWhateverOthersWrote) {
    nw::test::TempDir dir;
    const WString path = dir.File(W("log.txt"));
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE first = Open(path, FILE_APPEND_DATA, OPEN_ALWAYS, kShareAll);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    HANDLE second = Open(path, FILE_APPEND_DATA, OPEN_ALWAYS, kShareAll);
    ASSERT_NE(second, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(WriteAll(first, "one\n"));
    EXPECT_TRUE(WriteAll(second, "two\n"));
    EXPECT_TRUE(WriteAll(first, "three\n"));
    char byte = 0;
    DWORD got = 0;
    EXPECT_FALSE(ReadFile(first, &byte, 1, &got, nullptr));
    CloseHandle(first);
    CloseHandle(second);
    EXPECT_EQ(nw::test::ReadFileBytes(path), "one\ntwo\nthree\n");
}

// A folder made as "nwdata<pid>" on drive C is the same folder whatever the
// case its name is given in, to the file and the profile functions alike.
TEST(Files, DriveNamesMatchWhateverTheirCaseForFilesAndProfiles) {
    const WString name = Numbered(W("nwdata"));
    const WString folder = W("C:\\") + name;
    WString upper = name;
    for (auto& c : upper) c = (c >= W('a') && c <= W('z')) ? static_cast<WCHAR>(c - 0x20) : c;
    const WString shouted = W("C:\\") + upper + W("\\x.ini");
    const WString mixed = W("c:/N") + name.substr(1) + W("/X.INI");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    ASSERT_TRUE(MakeFile(shouted, "[s]\r\nwritten=by file\r\n", CREATE_ALWAYS));

    WCHAR value[32] = {};
    EXPECT_EQ(GetPrivateProfileStringW(W("s"), W("written"), W(""), value, 32, shouted.c_str()), 7u);
    EXPECT_EQ(WString(value), W("by file"));
    EXPECT_TRUE(WritePrivateProfileStringW(W("s"), W("added"), W("by profile"), shouted.c_str()));
    EXPECT_EQ(GetPrivateProfileStringW(W("S"), W("ADDED"), W(""), value, 32, mixed.c_str()), 10u);
    EXPECT_EQ(WString(value), W("by profile"));

    HANDLE file = Open(mixed, GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string text = ReadAll(file);
    CloseHandle(file);
    EXPECT_NE(text.find("written=by file"), std::string::npos);
    EXPECT_NE(text.find("added=by profile"), std::string::npos);

    // Still one file, under the name it was made with.
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((folder + W("\\*.ini")).c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WString(found.cFileName), W("x.ini"));
    EXPECT_FALSE(FindNextFileW(find, &found));
    FindClose(find);

    EXPECT_TRUE(DeleteFileW(mixed.c_str()));
    EXPECT_TRUE(RemoveDirectoryW((W("C:\\") + upper).c_str()));
}

TEST(Files, SharingModesBetweenHandles) {
    nw::test::TempDir dir;
    const WString path = dir.File(W("shared.txt"));
    HANDLE exclusive = Open(path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW, 0);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FailedWith(Refused(path, GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ | FILE_SHARE_WRITE),
                           ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(FailedWith(!DeleteFileW(path.c_str()), ERROR_SHARING_VIOLATION));
    CloseHandle(exclusive);

    HANDLE reader = Open(path, GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    HANDLE second = Open(path, GENERIC_READ, OPEN_EXISTING, FILE_SHARE_READ);
    EXPECT_NE(second, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FailedWith(Refused(path, GENERIC_WRITE, OPEN_EXISTING), ERROR_SHARING_VIOLATION));
    CloseHandle(second);
    CloseHandle(reader);
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

TEST(Files, AttributesFoldersAndDeletion) {
    nw::test::TempDir dir;
    const WString folder = dir.File(W("sub"));
    const WString file = dir.File(W("sub\\f.txt"));

    EXPECT_TRUE(FailedWith(GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(FailedWith(GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND));

    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    EXPECT_TRUE(FailedWith(!CreateDirectoryW(folder.c_str(), nullptr), ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(FailedWith(!CreateDirectoryW(dir.File(W("x\\y")).c_str(), nullptr), ERROR_PATH_NOT_FOUND));
    EXPECT_NE(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    ASSERT_TRUE(MakeFile(file, ""));
    const DWORD attributes = GetFileAttributesW(file.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY), 0u);

    EXPECT_TRUE(FailedWith(!RemoveDirectoryW(folder.c_str()), ERROR_DIR_NOT_EMPTY));
    EXPECT_TRUE(FailedWith(!DeleteFileW(folder.c_str()), ERROR_ACCESS_DENIED));
    EXPECT_TRUE(DeleteFileW(file.c_str()));
    EXPECT_TRUE(FailedWith(!DeleteFileW(file.c_str()), ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
    EXPECT_TRUE(FailedWith(!RemoveDirectoryW(folder.c_str()), ERROR_FILE_NOT_FOUND));
}

ULONGLONG Ticks(const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

TEST(Files, WriteTimeIsOnTheSystemClock) {
    nw::test::TempDir dir;
    HANDLE file = Open(dir.File(W("t.txt")), GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(WriteAll(file, "now"));
    FILETIME written{}, now{};
    EXPECT_TRUE(GetFileTime(file, nullptr, nullptr, &written));
    GetSystemTimeAsFileTime(&now);
    CloseHandle(file);
    // Same epoch and unit: within ten minutes of each other.
    const ULONGLONG a = Ticks(written), b = Ticks(now);
    EXPECT_LT(a > b ? a - b : b - a, 10ull * 60 * 10'000'000);
}

// ---- Directory search --------------------------------------------------------

std::vector<WString> FindAll(const WString& pattern, DWORD* error = nullptr) {
    std::vector<WString> names;
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        if (error) *error = GetLastError();
        return names;
    }
    do {
        names.emplace_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    if (error) *error = GetLastError();
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FindFiles, WildcardsMatchTheLastComponentWithoutRegardToCase) {
    nw::test::TempDir dir;
    for (const WCHAR* name : {W("b.txt"), W("A.TXT"), W("c.log"), W("ab")})
        ASSERT_TRUE(MakeFile(dir.File(name), "12345"));
    ASSERT_TRUE(CreateDirectoryW(dir.File(W("sub")).c_str(), nullptr));

    DWORD error = 0;
    EXPECT_EQ(FindAll(dir.File(W("*")), &error),
              (std::vector<WString>{W("."), W(".."), W("A.TXT"), W("ab"), W("b.txt"), W("c.log"), W("sub")}));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_EQ(FindAll(dir.File(W("*.txt"))), (std::vector<WString>{W("A.TXT"), W("b.txt")}));
    EXPECT_EQ(FindAll(dir.File(W("?.LOG"))), (std::vector<WString>{W("c.log")}));
    EXPECT_EQ(FindAll(dir.File(W("a?"))), (std::vector<WString>{W("ab")}));
    EXPECT_EQ(FindAll(dir.File(W("SUB"))), (std::vector<WString>{W("sub")}));

    EXPECT_TRUE(FindAll(dir.File(W("*.doc")), &error).empty());
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(FindAll(dir.File(W("nowhere\\*")), &error).empty());
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    // Entries carry attributes and sizes.
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(dir.File(W("c.log")).c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WString(data.cFileName), W("c.log"));
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(FailedWith(!FindNextFileW(find, &data), ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    find = FindFirstFileW(dir.File(W("su*")).c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    EXPECT_NE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(FindClose(find));
}

// ---- Mutexes -----------------------------------------------------------------

// Runs f on another thread and returns its result.
template <class F>
auto OnOtherThread(F f) {
    decltype(f()) result{};
    std::thread([&] { result = f(); }).join();
    return result;
}

// Another thread's attempt to take the mutex at once; it lets go of it again.
DWORD OtherThreadTakes(HANDLE mutex) {
    return OnOtherThread([&] {
        const DWORD got = WaitForSingleObject(mutex, 0);
        if (got == WAIT_OBJECT_0) ReleaseMutex(mutex);
        return got;
    });
}

TEST(Mutex, OnlyTheOwnerReleasesAsOftenAsItWaited) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    EXPECT_EQ(OnOtherThread([&] { return WaitForSingleObject(mutex, 20); }), static_cast<DWORD>(WAIT_TIMEOUT));
    const auto [released, error] = OnOtherThread([&] {
        const BOOL ok = ReleaseMutex(mutex);
        return std::pair<BOOL, DWORD>(ok, GetLastError());
    });
    EXPECT_FALSE(released);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_OWNER));

    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(OtherThreadTakes(mutex), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_TRUE(FailedWith(!ReleaseMutex(mutex), ERROR_NOT_OWNER));
    EXPECT_EQ(OtherThreadTakes(mutex), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(Mutex, SameNameGivesTheSameMutex) {
    const WString name = Numbered(W("Local\\NwKernelTest"));
    HANDLE first = CreateMutexW(nullptr, FALSE, name.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), 0u);
    HANDLE second = CreateMutexW(nullptr, TRUE, name.c_str());  // exists: ownership not taken
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_NE(first, second);

    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0);
    EXPECT_EQ(OtherThreadTakes(second), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(second));  // the same object, whichever handle
    EXPECT_EQ(OtherThreadTakes(second), WAIT_OBJECT_0);

    HANDLE other = CreateMutexW(nullptr, FALSE, Numbered(W("Local\\nwkerneltest")).c_str());
    EXPECT_EQ(GetLastError(), 0u);  // names are case-sensitive
    CloseHandle(other);
    CloseHandle(second);
    CloseHandle(first);
}

TEST(Mutex, OwnerThreadEndingAbandonsIt) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Numbered(W("NwAbandonTest")).c_str());
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(OnOtherThread([&] { return WaitForSingleObject(mutex, 0); }), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(mutex, 1000), WAIT_ABANDONED);  // now owned by this thread
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    EXPECT_TRUE(ReleaseMutex(mutex));
    CloseHandle(mutex);
}

TEST(Mutex, WaitingThreadGetsItWhenReleased) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);  // owned from the start
    ASSERT_NE(mutex, nullptr);
    std::atomic<DWORD> got{WAIT_FAILED};
    std::thread waiter([&] {
        got = WaitForSingleObject(mutex, INFINITE);
        ReleaseMutex(mutex);
    });
    Sleep(20);
    EXPECT_EQ(got.load(), WAIT_FAILED);  // still waiting
    ReleaseMutex(mutex);
    waiter.join();
    EXPECT_EQ(got.load(), WAIT_OBJECT_0);
    CloseHandle(mutex);
}

// ---- Environment ---------------------------------------------------------------

TEST(Environment, VariablesFollowTheSizeProtocolAndIgnoreCase) {
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_KERNEL_TEST"), W("value")));
    WCHAR buffer[16];
    EXPECT_EQ(GetEnvironmentVariableW(W("nw_kernel_test"), buffer, 5), 6u);  // needs 6 with the terminator
    EXPECT_EQ(GetEnvironmentVariableW(W("NW_KERNEL_TEST"), nullptr, 0), 6u);
    EXPECT_EQ(GetEnvironmentVariableW(W("Nw_Kernel_Test"), buffer, 6), 5u);
    EXPECT_EQ(WString(buffer), W("value"));

    ASSERT_TRUE(SetEnvironmentVariableW(W("nw_kernel_test"), W("other")));  // same variable
    EXPECT_EQ(GetEnvironmentVariableW(W("NW_KERNEL_TEST"), buffer, 16), 5u);
    EXPECT_EQ(WString(buffer), W("other"));

    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_KERNEL_TEST"), nullptr));
    EXPECT_TRUE(FailedWith(GetEnvironmentVariableW(W("NW_KERNEL_TEST"), buffer, 16) == 0u, ERROR_ENVVAR_NOT_FOUND));
    EXPECT_FALSE(SetEnvironmentVariableW(W("A=B"), W("x")));
}

TEST(Environment, ExpansionReplacesKnownNamesAndKeepsUnknownOnes) {
    ASSERT_TRUE(SetEnvironmentVariableW(W("NW_EXPAND_DIR"), W("C:\\Out")));
    const WString source = W("%NW_EXPAND_DIR%\\a.txt %NW_NO_SUCH_VAR% 100%");
    const WString expected = W("C:\\Out\\a.txt %NW_NO_SUCH_VAR% 100%");
    const auto needed = static_cast<DWORD>(expected.size() + 1);

    EXPECT_EQ(ExpandEnvironmentStringsW(source.c_str(), nullptr, 0), needed);
    std::vector<WCHAR> out(needed + 4, W('#'));
    EXPECT_EQ(ExpandEnvironmentStringsW(source.c_str(), out.data(), needed), needed);
    EXPECT_EQ(WString(out.data()), expected);
    EXPECT_EQ(out[needed], W('#'));  // nothing written past the size

    std::vector<WCHAR> small(8, W('#'));
    EXPECT_EQ(ExpandEnvironmentStringsW(source.c_str(), small.data(), 4), needed);
    EXPECT_EQ(small[4], W('#'));

    EXPECT_EQ(ExpandEnvironmentStringsW(W("%nw_expand_dir%"), out.data(), needed), 7u);
    EXPECT_EQ(WString(out.data()), W("C:\\Out"));
    SetEnvironmentVariableW(W("NW_EXPAND_DIR"), nullptr);
}

// ---- File times ------------------------------------------------------------------

TEST(FileTimes, CompareOrdersByBothHalves) {
    const FILETIME low{5, 1}, high{4, 2}, same{5, 1}, zero{0, 0};
    EXPECT_EQ(CompareFileTime(&low, &high), -1);
    EXPECT_EQ(CompareFileTime(&high, &low), 1);
    EXPECT_EQ(CompareFileTime(&low, &same), 0);
    EXPECT_EQ(CompareFileTime(&zero, &low), -1);
    const FILETIME top{0, 0x80000000u}, below{0xFFFFFFFFu, 0x7FFFFFFFu};
    EXPECT_EQ(CompareFileTime(&top, &below), 1);  // unsigned, not signed
}

// Year, month, day of the week, day, hour, minute, second, millisecond.
std::vector<int> Fields(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

TEST(FileTimes, ConvertBothWaysAtKnownPoints) {
    SYSTEMTIME t{2026, 12, 0, 5, 13, 4, 9, 123};
    FILETIME f{};
    ASSERT_TRUE(SystemTimeToFileTime(&t, &f));
    EXPECT_EQ(Ticks(f), 134409494491230000ull);
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&f, &back));
    EXPECT_EQ(Fields(back), (std::vector<int>{2026, 12, 6 /* Saturday */, 5, 13, 4, 9, 123}));

    const FILETIME origin{0, 0};
    ASSERT_TRUE(FileTimeToSystemTime(&origin, &back));
    EXPECT_EQ(Fields(back), (std::vector<int>{1601, 1, 1 /* Monday */, 1, 0, 0, 0, 0}));
    const FILETIME last{0xFFFFFFFFu, 0x7FFFFFFFu};
    ASSERT_TRUE(FileTimeToSystemTime(&last, &back));
    EXPECT_EQ(Fields(back), (std::vector<int>{30828, 9, 4 /* Thursday */, 14, 2, 48, 5, 477}));
    const FILETIME beyond{0, 0x80000000u};
    EXPECT_FALSE(FileTimeToSystemTime(&beyond, &back));
}

TEST(FileTimes, ImpossibleDatesAreRefused) {
    SYSTEMTIME leap{2024, 2, 0, 29, 0, 0, 0, 0};
    FILETIME f{};
    EXPECT_TRUE(SystemTimeToFileTime(&leap, &f));
    for (SYSTEMTIME bad : {SYSTEMTIME{2026, 13, 0, 1, 0, 0, 0, 0}, SYSTEMTIME{2026, 4, 0, 31, 0, 0, 0, 0},
                           SYSTEMTIME{2026, 1, 0, 1, 24, 0, 0, 0}, SYSTEMTIME{2026, 1, 0, 1, 0, 60, 0, 0},
                           SYSTEMTIME{2026, 1, 0, 1, 0, 0, 0, 1000}, SYSTEMTIME{1600, 12, 0, 31, 0, 0, 0, 0}}) {
        SetLastError(0);
        EXPECT_TRUE(FailedWith(!SystemTimeToFileTime(&bad, &f), ERROR_INVALID_PARAMETER))
            << bad.wYear << "-" << bad.wMonth << "-" << bad.wDay;
    }
}

}  // namespace
