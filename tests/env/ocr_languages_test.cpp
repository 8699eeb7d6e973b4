// GetOCRSupportedLanguages against small test modules and the reference
// module: the size protocol, the current directory during and after the
// call, the text handed back to its module, the module unloaded, and each
// way the query can fail.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "nordwisp/NordwispDEVMODE.h"
#include "platform/hosted/host_path.h"
#include "platform/hosted/machine.h"
#include "support/records.h"
#include "support/registry.h"

namespace {

namespace fs = std::filesystem;
using nw::test::MakeRecord;

constexpr std::uint32_t kNullArgument = 0xFFFFFC18u;
constexpr std::uint32_t kInvalidData = 13;
constexpr std::uint32_t kInvalidParameter = 87;
constexpr std::uint32_t kBufferTooSmall = 122;
constexpr std::uint32_t kModuleNotFound = 126;
constexpr std::uint32_t kProcNotFound = 127;
constexpr std::uint32_t kBadModule = 193;
constexpr std::uint32_t kModuleFailure = 5;  // what NwOcrFailing returns

// What a test module saw, read through a reference of the test's own that
// keeps it loaded.
class ModuleProbe {
public:
    explicit ModuleProbe(const fs::path& file) : handle_(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~ModuleProbe() {
        if (handle_ != nullptr) ::dlclose(handle_);
    }
    ModuleProbe(const ModuleProbe&) = delete;
    ModuleProbe& operator=(const ModuleProbe&) = delete;

    int Queries() const { return Call<int (*)()>("OcrQueries")(); }
    int Frees() const { return Call<int (*)()>("OcrFrees")(); }
    int StrayFrees() const { return Call<int (*)()>("OcrStrayFrees")(); }
    fs::path QueryDirectory() const { return Call<const char* (*)()>("OcrQueryDirectory")(); }
    void SetList(const std::u16string& list) const { Call<void (*)(const char16_t*)>("OcrSetList")(list.c_str()); }

private:
    template <class Fn>
    Fn Call(const char* name) const {
        void* symbol = handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
        if (symbol == nullptr) throw std::runtime_error(std::string("test module lacks ") + name);
        return reinterpret_cast<Fn>(symbol);
    }
    void* handle_;
};

// True while any reference keeps the file mapped in this process.
bool Mapped(const fs::path& file) {
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) return false;
    ::dlclose(handle);
    return true;
}

class OcrLanguages : public ::testing::Test {
protected:
    void SetUp() override { startDirectory_ = fs::current_path(); }
    void TearDown() override {
        EXPECT_EQ(fs::current_path(), startDirectory_) << "the current directory was not restored";
        fs::current_path(startDirectory_);
    }

    // Copies a test module into a folder of the machine's drive C and names
    // it as the printer's OCR module; the host file of the copy.
    fs::path Install(const std::string& variant, const std::u16string& folder = u"C:\\OCR Engine") {
        const std::u16string file = u"NwOcr" + nw::hosted::FromUtf8(variant) + u".dll";
        const fs::path host = nw::hosted::HostPath(folder + u"\\" + file);
        fs::create_directories(host.parent_path());
        fs::copy_file(fs::path(NW_TEST_OCR_MODULE_DIR) / nw::hosted::ToUtf8(file), host);
        UsePath(folder + u"\\" + file);
        return host;
    }
    void UsePath(const std::u16string& path) { ASSERT_EQ(SetOCRDLLPath(&record_, path.c_str()), 1); }

    NordwispDEVMODE record_ = MakeRecord(u"Office");
    fs::path startDirectory_;
};

TEST_F(OcrLanguages, SizeQueryThenCopyWithTheModulesFolderCurrentDuringTheCall) {
    const fs::path module = Install("Lists");
    const ModuleProbe probe(module);

    int size = 0;
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, nullptr, &size), 0);
    EXPECT_EQ(size, 8);  // "abc;xyz" and its terminator
    EXPECT_EQ(Nordwisp_GetLastError(), kBufferTooSmall);

    std::u16string buffer(16, u'#');
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 1);
    EXPECT_EQ(size, 8);
    EXPECT_EQ(Nordwisp_GetLastError(), 0u);
    EXPECT_EQ(buffer, std::u16string(u"abc;xyz\0########", 16)) << "written past the terminator";

    EXPECT_EQ(probe.QueryDirectory(), module.parent_path());
    EXPECT_EQ(probe.Queries(), 2);
    EXPECT_EQ(probe.Frees(), 2);
    EXPECT_EQ(probe.StrayFrees(), 0);
}

TEST_F(OcrLanguages, ABufferTooSmallIsNeverWrittenAndGetsTheSizeNeeded) {
    const ModuleProbe probe(Install("Lists"));
    for (int given : {7, 1, 0, -1, -2147483647 - 1}) {
        std::u16string buffer(8, u'#');
        int size = given;
        EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 0) << given;
        EXPECT_EQ(size, 8) << given;
        EXPECT_EQ(Nordwisp_GetLastError(), kBufferTooSmall) << given;
        EXPECT_EQ(buffer, std::u16string(8, u'#')) << given;
    }
    // Every text goes back to the module, the refused ones too.
    EXPECT_EQ(probe.Frees(), probe.Queries());
    EXPECT_EQ(probe.StrayFrees(), 0);
}

TEST_F(OcrLanguages, ListsLongerThanAnyPathComeWhole) {
    const ModuleProbe probe(Install("Lists"));
    std::u16string list;
    while (list.size() < 3000) list += u"lang" + nw::hosted::FromUtf8(std::to_string(list.size())) + u";";
    list.pop_back();
    probe.SetList(list);
    int size = 0;
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, nullptr, &size), 0);
    ASSERT_EQ(size, static_cast<int>(list.size()) + 1);
    std::u16string buffer(list.size() + 1, u'#');
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 1);
    EXPECT_EQ(buffer, list + u'\0');
}

TEST_F(OcrLanguages, APathWithoutAFolderLeavesTheCurrentDirectoryAlone) {
    // Found by the loader's search, in the system folder.
    const fs::path module = Install("Lists", u"C:\\windows\\system32");
    UsePath(u"NwOcrLists.dll");
    const ModuleProbe probe(module);
    std::u16string buffer(8, u'#');
    int size = 8;
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 1);
    EXPECT_EQ(probe.QueryDirectory(), startDirectory_);
}

TEST_F(OcrLanguages, EveryFailureLeavesSizeDirectoryAndModuleAsTheyWere) {
    struct Case {
        const char* variant;  // null: a path to something that is no working module
        std::u16string path;
        std::uint32_t error;
    };
    const fs::path notAModule = nw::hosted::HostPath(u"C:\\OCR Text\\NwOCR.dll");
    fs::create_directories(notAModule.parent_path());
    std::ofstream(notAModule) << "not a shared object\n";
    const Case cases[] = {
        {nullptr, u"C:\\OCR Missing\\NwOCR.dll", kModuleNotFound},
        {nullptr, u"C:\\OCR Text\\NwOCR.dll", kBadModule},
        {"NoQuery", u"", kProcNotFound},
        {"NoFree", u"", kProcNotFound},
        {"Failing", u"", kModuleFailure},
        {"NullText", u"", kInvalidData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant ? c.variant : nw::hosted::ToUtf8(c.path));
        fs::path module;
        if (c.variant != nullptr) {
            module = Install(c.variant);
        } else {
            UsePath(c.path);
        }
        std::u16string buffer(64, u'#');
        int size = 64;
        EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 0);
        EXPECT_EQ(Nordwisp_GetLastError(), c.error);
        EXPECT_EQ(size, 64);
        EXPECT_EQ(buffer, std::u16string(64, u'#'));
        EXPECT_EQ(fs::current_path(), startDirectory_);
        if (!module.empty()) {
            EXPECT_FALSE(Mapped(module)) << "the module was not freed";
            fs::remove(module);
        }
    }
}

TEST_F(OcrLanguages, AFailedQueryDoesNotHandItsPointerBack) {
    const ModuleProbe probe(Install("Failing"));
    int size = 0;
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, nullptr, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kModuleFailure);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(probe.Queries(), 1);
    EXPECT_EQ(probe.Frees() + probe.StrayFrees(), 0);
}

TEST_F(OcrLanguages, MissingArgumentsAndPathLoadNothing) {
    const fs::path module = Install("Lists");
    const ModuleProbe probe(module);
    int size = 5;
    EXPECT_EQ(GetOCRSupportedLanguages(nullptr, nullptr, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kNullArgument);
    EXPECT_EQ(size, 5);
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, nullptr, nullptr), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kInvalidParameter);
    EXPECT_EQ(probe.Queries(), 0);

    // A printer without an OCR module.
    NordwispDEVMODE other = MakeRecord(u"Elsewhere");
    EXPECT_EQ(GetOCRSupportedLanguages(&other, nullptr, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), kModuleNotFound);
    EXPECT_EQ(size, 5);
}

#if defined(NW_OCR_REFERENCE_MODULE)
class ReferenceOcrModule : public OcrLanguages {
protected:
    void SetUp() override {
        OcrLanguages::SetUp();
        const fs::path host = nw::hosted::HostPath(u"C:\\Program Files\\Nordwisp\\OCR\\NwOCR.dll");
        fs::create_directories(host.parent_path());
        fs::copy_file(NW_OCR_REFERENCE_MODULE, host);
        UsePath(u"C:\\Program Files\\Nordwisp\\OCR\\NwOCR.dll");
    }
    void TearDown() override {
        ::unsetenv("TESSDATA_PREFIX");
        OcrLanguages::TearDown();
    }
    std::u16string Languages() {
        int size = 0;
        if (GetOCRSupportedLanguages(&record_, nullptr, &size) != 0 || size <= 0) return u"(no size)";
        std::u16string buffer(static_cast<std::size_t>(size), u'#');
        if (GetOCRSupportedLanguages(&record_, buffer.data(), &size) != 1) return u"(no list)";
        return buffer.substr(0, static_cast<std::size_t>(size) - 1);
    }
};

TEST_F(ReferenceOcrModule, ListsTheInstalledEnglishData) {
    const std::u16string list = Languages();
    EXPECT_NE((u";" + list + u";").find(u";eng;"), std::u16string::npos) << nw::hosted::ToUtf8(list);
    EXPECT_EQ(list.find(u"osd"), std::u16string::npos);

    // One character short: refused with the size needed.
    int size = static_cast<int>(list.size());
    std::u16string buffer(list.size(), u'#');
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, buffer.data(), &size), 0);
    EXPECT_EQ(size, static_cast<int>(list.size()) + 1);
    EXPECT_EQ(Nordwisp_GetLastError(), kBufferTooSmall);
}

TEST_F(ReferenceOcrModule, ListFormatIsSortedCodesSeparatedBySemicolons) {
    // Tesseract lists the data files by name without reading them.
    const fs::path data = nw::hosted::HostPath(u"C:\\tessdata");
    fs::create_directories(data);
    for (const char* name : {"eng", "deu", "chi_sim", "osd", "bad;name", "bad+name"})
        std::ofstream(data / (std::string(name) + ".traineddata")) << "";
    ::setenv("TESSDATA_PREFIX", (data.string() + "/").c_str(), 1);
    EXPECT_EQ(Languages(), u"chi_sim;deu;eng");

    // No data at all: the module's query fails with "not found".
    fs::remove_all(data);
    fs::create_directories(data);
    int size = 3;
    EXPECT_EQ(GetOCRSupportedLanguages(&record_, nullptr, &size), 0);
    EXPECT_EQ(Nordwisp_GetLastError(), 2u);
    EXPECT_EQ(size, 3);
}
#endif

}  // namespace
