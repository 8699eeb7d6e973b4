// Module loading: the search order, name forms, reference counts, and the
// kernel32/userenv functions the library looks up by name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hosted_test.h"
#include "platform/hosted/host_path.h"

namespace {

namespace fs = std::filesystem;
using nw::hosted::CurrentIdentity;
using nw::hosted::Identity;
using nw::test::FailedWith;

template <class Fn>
Fn Function(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

int TagOf(HMODULE module) {
    auto tag = Function<int (*)()>(module, "ModuleTag");
    return tag ? tag() : -1;
}

class HostedModules : public nw::test::HostedTest {
protected:
    void SetUp() override {
        system_ = nw::hosted::HostPath(u"C:\\windows\\system32");
        driver_ = nw::hosted::HostPath(sizeof(void*) == 8 ? u"C:\\windows\\system32\\spool\\drivers\\x64\\3"
                                                          : u"C:\\windows\\system32\\spool\\drivers\\W32X86\\3");
        fs::create_directories(system_);
        fs::create_directories(driver_);
    }
    void TearDown() override {
        nw::hosted::SetWow64Machines(IMAGE_FILE_MACHINE_UNKNOWN, IMAGE_FILE_MACHINE_AMD64);
        HostedTest::TearDown();
    }
    static void Place(const char* built, const fs::path& to) {
        fs::copy_file(built, to, fs::copy_options::overwrite_existing);
    }
    fs::path system_, driver_;
};

TEST_F(HostedModules, SystemFolderComesBeforeTheDriverFolder) {
    Place(NW_TEST_MODULE2, driver_ / "VyTest.dll");
    HMODULE module = LoadLibraryW(u"vytest.DLL");  // names match whatever their case
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(TagOf(module), 2);
    EXPECT_TRUE(FreeLibrary(module));

    Place(NW_TEST_MODULE1, system_ / "VyTest.dll");
    module = LoadLibraryW(u"VyTest");  // ".dll" is implied
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(TagOf(module), 1);
    EXPECT_EQ(GetModuleHandleW(u"VYTEST.dll"), module);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_TRUE(FailedWith(GetModuleHandleW(u"VyTest.dll") == nullptr, ERROR_MOD_NOT_FOUND));
}

TEST_F(HostedModules, PathsAndHostLoaderNames) {
    HMODULE module = LoadLibraryW(nw::hosted::FromUtf8(NW_TEST_MODULE2).c_str());  // a path is used as given
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(TagOf(module), 2);
    FreeLibrary(module);

    Place(NW_TEST_MODULE1, driver_ / "Other.dll");
    const WString architecture = sizeof(void*) == 8 ? u"x64" : u"w32x86";
    module = LoadLibraryW((u"C:\\Windows\\System32\\spool\\DRIVERS\\" + architecture + u"\\3\\other.dll").c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(TagOf(module), 1);
    FreeLibrary(module);

    HMODULE libm = LoadLibraryW(u"libm.so.6");  // the host loader's search
    ASSERT_NE(libm, nullptr);
    auto cosine = Function<double (*)(double)>(libm, "cos");
    ASSERT_NE(cosine, nullptr);
    EXPECT_EQ(cosine(0.0), 1.0);
    FreeLibrary(libm);
}

TEST_F(HostedModules, FailuresSayWhatWasMissing) {
    EXPECT_TRUE(FailedWith(LoadLibraryW(u"NoSuchModule.dll") == nullptr, ERROR_MOD_NOT_FOUND));
    EXPECT_TRUE(FailedWith(LoadLibraryW(u"C:\\nowhere\\x.dll") == nullptr, ERROR_MOD_NOT_FOUND));

    std::ofstream(system_ / "Broken.dll") << "MZ but not really";
    EXPECT_TRUE(FailedWith(LoadLibraryW(u"Broken.dll") == nullptr, ERROR_BAD_EXE_FORMAT));

    Place(NW_TEST_MODULE1, system_ / "VyTest.dll");
    HMODULE module = LoadLibraryW(u"VyTest.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(FailedWith(GetProcAddress(module, "NoSuchEntry") == nullptr, ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(module, reinterpret_cast<LPCSTR>(1)), nullptr);  // no ordinals
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    FreeLibrary(module);
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x5000)));
    EXPECT_TRUE(
        FailedWith(GetProcAddress(reinterpret_cast<HMODULE>(0x5000), "ModuleTag") == nullptr, ERROR_MOD_NOT_FOUND));
}

TEST_F(HostedModules, LoadsAndFreesBalance) {
    Place(NW_TEST_MODULE1, system_ / "VyTest.dll");
    HMODULE first = LoadLibraryW(u"VyTest.dll");
    HMODULE second = LoadLibraryW(u"VYTEST.DLL");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(GetModuleHandleW(u"vytest"), first);  // still loaded once
    EXPECT_EQ(TagOf(first), 1);
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(GetModuleHandleW(u"vytest"), nullptr);
    EXPECT_FALSE(FreeLibrary(first));
}

TEST_F(HostedModules, Kernel32AndUserenvExistWithoutFiles) {
    HMODULE kernel32 = GetModuleHandleW(u"kernel32.dll");
    ASSERT_NE(kernel32, nullptr);
    EXPECT_EQ(LoadLibraryW(u"KERNEL32"), kernel32);
    EXPECT_TRUE(FreeLibrary(kernel32));
    EXPECT_EQ(GetModuleHandleW(u"Kernel32.DLL"), kernel32);
    HMODULE userenv = LoadLibraryW(u"userenv.dll");
    ASSERT_NE(userenv, nullptr);
    EXPECT_NE(userenv, kernel32);

    EXPECT_EQ(GetProcAddress(kernel32, "ExpandEnvironmentStringsForUserW"), nullptr);  // userenv's
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetProcAddress(kernel32, "getcurrentpackagefullname"), nullptr);  // export names are exact
    EXPECT_NE(GetProcAddress(userenv, "ExpandEnvironmentStringsForUserW"), nullptr);
    FreeLibrary(userenv);
}

TEST_F(HostedModules, PackageFullNameOfPackagedAndPlainProcesses) {
    auto packageName =
        Function<GetCurrentPackageFullNameFn>(GetModuleHandleW(u"kernel32.dll"), "GetCurrentPackageFullName");
    ASSERT_NE(packageName, nullptr);
    UINT32 length = 0;
    EXPECT_EQ(packageName(&length, nullptr), APPMODEL_ERROR_NO_PACKAGE);

    Become([](Identity& id) { id.packageFullName = u"Contoso.Print_1.2.3.0_x64__8wekyb3d8bbwe"; });  // 40 characters
    EXPECT_EQ(packageName(&length, nullptr), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(length, 41u);
    WCHAR name[64];
    length = 40;
    EXPECT_EQ(packageName(&length, name), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(length, 41u);
    length = 64;
    EXPECT_EQ(packageName(&length, name), ERROR_SUCCESS);
    EXPECT_EQ(length, 41u);
    EXPECT_EQ(WString(name), CurrentIdentity().packageFullName);
    EXPECT_EQ(packageName(nullptr, name), ERROR_INVALID_PARAMETER);
}

TEST_F(HostedModules, Wow64MachinesAreReportedAsSet) {
    auto isWow64 = Function<IsWow64Process2Fn>(GetModuleHandleW(u"kernel32"), "IsWow64Process2");
    ASSERT_NE(isWow64, nullptr);
    USHORT process = 1, native = 1;
    ASSERT_TRUE(isWow64(GetCurrentProcess(), &process, &native));
    EXPECT_EQ(process, IMAGE_FILE_MACHINE_UNKNOWN);
    EXPECT_EQ(native, IMAGE_FILE_MACHINE_AMD64);

    nw::hosted::SetWow64Machines(IMAGE_FILE_MACHINE_I386, IMAGE_FILE_MACHINE_ARM64);
    ASSERT_TRUE(isWow64(GetCurrentProcess(), &process, nullptr));
    EXPECT_EQ(process, IMAGE_FILE_MACHINE_I386);
    ASSERT_TRUE(isWow64(GetCurrentProcess(), &process, &native));
    EXPECT_EQ(native, IMAGE_FILE_MACHINE_ARM64);
    EXPECT_TRUE(FailedWith(!isWow64(GetCurrentProcess(), nullptr, &native), ERROR_INVALID_PARAMETER));
}

TEST_F(HostedModules, UserEnvironmentExpansion) {
    HMODULE userenv = LoadLibraryW(u"Userenv.dll");
    auto expand = Function<ExpandEnvironmentStringsForUserWFn>(userenv, "ExpandEnvironmentStringsForUserW");
    ASSERT_NE(expand, nullptr);

    Identity other = CurrentIdentity();
    other.userName = u"erin";
    other.userSid = u"S-1-5-21-1-2-3-2001";
    nw::hosted::ImpersonateOnThread(other);
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE, TRUE, &token));
    ASSERT_TRUE(SetEnvironmentVariableW(u"NW_USERENV_TEST", u"shared"));

    WCHAR out[64];
    ASSERT_TRUE(expand(token, u"%USERPROFILE%\\%NW_USERENV_TEST%\\%NW_NOT_SET%", out, 64));
    EXPECT_EQ(WString(out), u"C:\\users\\erin\\shared\\%NW_NOT_SET%");
    SetLastError(0);
    EXPECT_FALSE(expand(token, u"%USERPROFILE%", out, 13));  // 13 characters and the terminator
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_TRUE(expand(token, u"%USERPROFILE%", out, 14));
    EXPECT_TRUE(FailedWith(!expand(reinterpret_cast<HANDLE>(0x4444), u"%USERPROFILE%", out, 64), ERROR_INVALID_HANDLE));
    CloseHandle(token);

    // Without a token only the machine's variables are known.
    ASSERT_TRUE(expand(nullptr, u"%SystemRoot%|%NW_USERENV_TEST%", out, 64));
    EXPECT_EQ(WString(out), u"C:\\windows|%NW_USERENV_TEST%");
    SetEnvironmentVariableW(u"NW_USERENV_TEST", nullptr);
    FreeLibrary(userenv);
}

}  // namespace
