// Registry behaviour the library relies on, written against the Win32 API
// alone so that the same checks run on the hosted machine and on Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/handles.h"
#include "platform/win32api.h"
#include "support/wine.h"

namespace {

using nw::RegistryKey;

WString Number(DWORD n) {
    WString digits;
    do {
        digits.insert(digits.begin(), static_cast<WCHAR>(W('0') + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

std::vector<BYTE> Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const BYTE*>(data);
    return std::vector<BYTE>(p, p + size);
}

// Deletes a key and everything below it with the calls every Windows has.
void DeleteTree(HKEY parent, const WString& path) {
    {
        RegistryKey key;
        if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_ALL_ACCESS, key.put()) != ERROR_SUCCESS) return;
        WCHAR name[256];
        for (;;) {
            DWORD length = 256;
            if (RegEnumKeyExW(key.get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            const WString child(name, length);
            DeleteTree(key.get(), child);
        }
    }
    RegDeleteKeyW(parent, path.c_str());
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = WString(W("Software\\NordwispTests\\")) + Number(GetCurrentProcessId());
        DeleteTree(HKEY_CURRENT_USER, path_);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  nullptr, root_.put(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        root_.reset();
        DeleteTree(HKEY_CURRENT_USER, path_);
        RegistryKey gone;
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, gone.put()), ERROR_FILE_NOT_FOUND);
    }

    LSTATUS Create(const WCHAR* name, RegistryKey& key, DWORD options = REG_OPTION_NON_VOLATILE,
                   DWORD* disposition = nullptr) {
        return RegCreateKeyExW(root_.get(), name, 0, nullptr, options, KEY_ALL_ACCESS, nullptr, key.put(), disposition);
    }
    static LSTATUS SetDword(HKEY key, const WCHAR* name, DWORD value) {
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    static std::vector<BYTE> Read(HKEY key, const WCHAR* name, DWORD* type = nullptr) {
        DWORD size = 0;
        if (RegQueryValueExW(key, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) return {};
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(key, name, nullptr, type, data.data(), &size) != ERROR_SUCCESS) return {};
        data.resize(size);
        return data;
    }
    std::vector<WString> SubkeyNames(HKEY key) {
        std::vector<WString> names;
        WCHAR name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            const LSTATUS status = RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS) break;
            EXPECT_EQ(status, ERROR_SUCCESS);
            if (status != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        return names;
    }
    std::vector<WString> ValueNames(HKEY key) {
        std::vector<WString> names;
        WCHAR name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = 256;
            const LSTATUS status = RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS) break;
            EXPECT_EQ(status, ERROR_SUCCESS);
            if (status != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        return names;
    }

    WString path_;
    RegistryKey root_;
};

TEST_F(RegistryTest, NamesAreCaseInsensitiveAndKeepTheirCase) {
    RegistryKey created;
    ASSERT_EQ(Create(W("MixedCase"), created), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(created.get(), W("ValueName"), 7), ERROR_SUCCESS);

    RegistryKey upper;
    ASSERT_EQ(RegOpenKeyExW(root_.get(), W("MIXEDCASE"), 0, KEY_ALL_ACCESS, upper.put()), ERROR_SUCCESS);
    EXPECT_EQ(Read(upper.get(), W("valuename")), Bytes("\x07\0\0\0", 4));

    DWORD disposition = 0;
    RegistryKey again;
    ASSERT_EQ(Create(W("mixedcase"), again, REG_OPTION_NON_VOLATILE, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    // Setting through another spelling replaces the value and keeps its name.
    ASSERT_EQ(SetDword(again.get(), W("VALUENAME"), 9), ERROR_SUCCESS);

    EXPECT_EQ(SubkeyNames(root_.get()), std::vector<WString>{W("MixedCase")});
    EXPECT_EQ(ValueNames(created.get()), std::vector<WString>{W("ValueName")});
    EXPECT_EQ(Read(created.get(), W("ValueName")), Bytes("\x09\0\0\0", 4));
}

TEST_F(RegistryTest, SubkeysEnumerateSortedAndValuesInCreationOrder) {
    // Windows compares upper-cased names: '_' (0x5F) sorts after the letters.
    for (const WCHAR* name : {W("beta"), W("_under"), W("Alpha"), W("gamma"), W("BETA2"), W("a")}) {
        RegistryKey key;
        ASSERT_EQ(Create(name, key), ERROR_SUCCESS);
    }
    // Wine compares lower-cased names and lists "_under" first.
    if (!nw::test::UnderWine()) {
        EXPECT_EQ(SubkeyNames(root_.get()),
                  (std::vector<WString>{W("a"), W("Alpha"), W("beta"), W("BETA2"), W("gamma"), W("_under")}));
    }

    for (const WCHAR* name : {W("zulu"), W("alpha"), W("mike")}) ASSERT_EQ(SetDword(root_.get(), name, 1), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(root_.get(), W("alpha"), 2), ERROR_SUCCESS);  // keeps its place
    ASSERT_EQ(RegDeleteValueW(root_.get(), W("zulu")), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(root_.get(), W("zulu"), 3), ERROR_SUCCESS);  // comes back last
    EXPECT_EQ(ValueNames(root_.get()), (std::vector<WString>{W("alpha"), W("mike"), W("zulu")}));
}

TEST_F(RegistryTest, ValuesKeepTheirExactTypeAndBytes) {
    // Three characters without their terminator. The character after the
    // counted bytes is not zero on purpose: Windows (and Wine) add a
    // terminator the caller "forgot" when the next character is zero.
    const WCHAR text[] = W("abcd");
    ASSERT_EQ(RegSetValueExW(root_.get(), W("Unterminated"), 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 6),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(root_.get(), W("Unterminated"), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(Read(root_.get(), W("Unterminated")), Bytes(text, 6));

    const BYTE embedded[] = {'a', 0, 0, 0, 'b', 0, 0, 0};
    const BYTE odd[] = {1, 2, 3};
    const BYTE quad[] = {1, 2, 3, 4, 5, 6, 7, 8};
    struct {
        const WCHAR* name;
        DWORD type;
        const BYTE* data;
        DWORD size;
    } const cases[] = {
        {W("Embedded"), REG_SZ, embedded, sizeof embedded},
        {W("ShortDword"), REG_DWORD, odd, sizeof odd},
        {W("Quad"), REG_QWORD, quad, sizeof quad},
        {W("Empty"), REG_BINARY, nullptr, 0},
        {W("OddType"), 0x12345u, odd, 2},
    };
    for (const auto& c : cases) ASSERT_EQ(RegSetValueExW(root_.get(), c.name, 0, c.type, c.data, c.size), ERROR_SUCCESS);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type);
        DWORD readType = 0;
        size = 99;
        ASSERT_EQ(RegQueryValueExW(root_.get(), c.name, nullptr, &readType, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(readType, c.type);
        EXPECT_EQ(size, c.size);
        if (c.size != 0) {
            EXPECT_EQ(Read(root_.get(), c.name), Bytes(c.data, c.size));
        }
    }
}

TEST_F(RegistryTest, QueryFollowsTheSizeProtocol) {
    const BYTE data[] = {10, 20, 30, 40, 50};
    ASSERT_EQ(RegSetValueExW(root_.get(), nullptr, 0, REG_BINARY, data, sizeof data), ERROR_SUCCESS);

    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(root_.get(), W(""), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    BYTE buffer[8] = {};
    size = 4;
    EXPECT_EQ(RegQueryValueExW(root_.get(), nullptr, nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5u);

    size = 5;
    ASSERT_EQ(RegQueryValueExW(root_.get(), nullptr, nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(Bytes(buffer, 5), Bytes(data, 5));

    size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExW(root_.get(), W("missing"), nullptr, nullptr, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(nullptr, W(""), nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    // A buffer without a size is refused.
    EXPECT_EQ(RegQueryValueExW(root_.get(), nullptr, nullptr, nullptr, buffer, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(root_.get(), W("x"), 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);
}

TEST_F(RegistryTest, EnumerationFollowsTheSizeProtocol) {
    const BYTE data[] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(RegSetValueExW(root_.get(), W("Sixchr"), 0, REG_BINARY, data, sizeof data), ERROR_SUCCESS);
    RegistryKey child;
    ASSERT_EQ(Create(W("Fivec"), child), ERROR_SUCCESS);

    WCHAR name[16];
    DWORD nameSize = 6;  // the name does not fit without its terminator
    DWORD type = 0;
    BYTE buffer[16];
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegEnumValueW(root_.get(), 0, name, &nameSize, nullptr, &type, buffer, &size), ERROR_MORE_DATA);

    nameSize = 7;
    size = 5;
    EXPECT_EQ(RegEnumValueW(root_.get(), 0, name, &nameSize, nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);

    nameSize = 7;
    size = 6;
    ASSERT_EQ(RegEnumValueW(root_.get(), 0, name, &nameSize, nullptr, &type, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(nameSize, 6u);
    EXPECT_EQ(WString(name), W("Sixchr"));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Bytes(buffer, size), Bytes(data, 6));

    nameSize = 7;
    size = 0;
    ASSERT_EQ(RegEnumValueW(root_.get(), 0, name, &nameSize, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);
    nameSize = 16;
    EXPECT_EQ(RegEnumValueW(root_.get(), 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

    nameSize = 5;
    EXPECT_EQ(RegEnumKeyExW(root_.get(), 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    nameSize = 6;
    FILETIME written{};
    ASSERT_EQ(RegEnumKeyExW(root_.get(), 0, name, &nameSize, nullptr, nullptr, nullptr, &written), ERROR_SUCCESS);
    EXPECT_EQ(nameSize, 5u);
    EXPECT_EQ(WString(name), W("Fivec"));
    EXPECT_NE(written.dwHighDateTime, 0u);
    nameSize = 16;
    EXPECT_EQ(RegEnumKeyExW(root_.get(), 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
}

TEST_F(RegistryTest, DeleteRules) {
    RegistryKey parent;
    RegistryKey leaf;
    ASSERT_EQ(Create(W("Parent\\Leaf"), leaf), ERROR_SUCCESS);
    ASSERT_EQ(RegOpenKeyExW(root_.get(), W("Parent"), 0, KEY_ALL_ACCESS, parent.put()), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(leaf.get(), W("v"), 1), ERROR_SUCCESS);

    EXPECT_EQ(RegDeleteKeyW(root_.get(), W("Parent")), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyW(root_.get(), W("Parent\\Missing")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueW(leaf.get(), W("missing")), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegDeleteKeyW(parent.get(), W("LEAF")), ERROR_SUCCESS);

    // The open handle now stands for a deleted key.
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(leaf.get(), W("v"), nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(SetDword(leaf.get(), W("v"), 2), ERROR_KEY_DELETED);
    // A new key of the same name is another key.
    RegistryKey recreated;
    ASSERT_EQ(Create(W("Parent\\Leaf"), recreated), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(recreated.get(), W("v"), nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(leaf.get(), W("v"), nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(leaf.release()), ERROR_SUCCESS);

    ASSERT_EQ(RegDeleteKeyW(root_.get(), W("Parent\\Leaf")), ERROR_SUCCESS);
    ASSERT_EQ(RegDeleteKeyW(root_.get(), W("Parent")), ERROR_SUCCESS);
    EXPECT_TRUE(SubkeyNames(root_.get()).empty());
}

TEST_F(RegistryTest, HandlesAllowOnlyWhatTheyWereOpenedFor) {
    ASSERT_EQ(SetDword(root_.get(), W("v"), 5), ERROR_SUCCESS);
    RegistryKey reader;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, reader.put()), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(reader.get(), W("v"), 6), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueW(reader.get(), W("v")), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Read(reader.get(), W("v")), Bytes("\x05\0\0\0", 4));

    RegistryKey writer;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, writer.put()), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(writer.get(), W("v"), nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetDword(writer.get(), W("v"), 7), ERROR_SUCCESS);
    EXPECT_EQ(Read(reader.get(), W("v")), Bytes("\x07\0\0\0", 4));

    // Null and empty subkeys open the same key again, as a new handle.
    RegistryKey same;
    ASSERT_EQ(RegOpenKeyExW(reader.get(), nullptr, 0, KEY_ALL_ACCESS, same.put()), ERROR_SUCCESS);
    EXPECT_NE(same.get(), reader.get());
    reader.reset();
    EXPECT_EQ(SetDword(same.get(), W("w"), 1), ERROR_SUCCESS);
    RegistryKey again;
    ASSERT_EQ(RegOpenKeyExW(same.get(), W(""), 0, KEY_READ, again.put()), ERROR_SUCCESS);
    EXPECT_EQ(Read(again.get(), W("w")), Bytes("\x01\0\0\0", 4));
}

TEST_F(RegistryTest, ChildrenOfVolatileKeysMustBeVolatile) {
    RegistryKey volatileKey;
    DWORD disposition = 0;
    ASSERT_EQ(Create(W("Volatile"), volatileKey, REG_OPTION_VOLATILE, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));

    RegistryKey child;
    EXPECT_EQ(Create(W("Volatile\\Stable"), child), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_EQ(Create(W("Volatile\\Fleeting"), child, REG_OPTION_VOLATILE), ERROR_SUCCESS);
    // Opening an existing volatile key through RegCreateKeyExW does not care.
    RegistryKey reopened;
    ASSERT_EQ(Create(W("Volatile"), reopened, REG_OPTION_NON_VOLATILE, &disposition), ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
}

TEST_F(RegistryTest, QueryInfoReportsCountsAndMaxima) {
    for (const WCHAR* name : {W("a"), W("eleven_char")}) {
        RegistryKey key;
        ASSERT_EQ(Create(name, key), ERROR_SUCCESS);
    }
    const BYTE ten[10] = {};
    const BYTE one[1] = {};
    ASSERT_EQ(RegSetValueExW(root_.get(), nullptr, 0, REG_BINARY, ten, sizeof ten), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(root_.get(), W("v"), 1), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(root_.get(), W("eighteen_char_name"), 0, REG_BINARY, one, sizeof one), ERROR_SUCCESS);

    DWORD subkeys = 99, maxSubkey = 99, values = 99, maxName = 99, maxData = 99;
    ASSERT_EQ(RegQueryInfoKeyW(root_.get(), nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxName,
                               &maxData, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subkeys, 2u);
    EXPECT_EQ(maxSubkey, 11u);
    EXPECT_EQ(values, 3u);
    EXPECT_EQ(maxName, 18u);
    EXPECT_EQ(maxData, 10u);

    RegistryKey empty;
    ASSERT_EQ(Create(W("a"), empty), ERROR_SUCCESS);
    ASSERT_EQ(RegQueryInfoKeyW(empty.get(), nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &values, &maxName,
                               &maxData, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(subkeys + maxSubkey + values + maxName + maxData, 0u);
}

TEST_F(RegistryTest, BadPathsAndArgumentsFailClearly) {
    RegistryKey key;
    EXPECT_EQ(RegOpenKeyExW(root_.get(), W("\\Leading"), 0, KEY_READ, key.put()), ERROR_BAD_PATHNAME);
    EXPECT_EQ(Create(W("\\Leading"), key), ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExW(root_.get(), W("Missing"), 0, KEY_READ, key.put()), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key.get(), nullptr);
    // A trailing backslash names the same key.
    ASSERT_EQ(Create(W("Trail\\"), key), ERROR_SUCCESS);
    EXPECT_EQ(SubkeyNames(root_.get()), std::vector<WString>{W("Trail")});
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
}

}  // namespace
