// Several processes on one printer's paper list: no change lost, no reader
// meeting a half-saved list, a save killed anywhere leaving the old list or
// the new one.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/child_process.h"
#include "support/library.h"

namespace nw::test {
namespace {

std::u16string Title(const std::string& text) {
    std::u16string wide;
    for (char c : text) wide += static_cast<char16_t>(c);
    return wide;
}

Record LoadPrinterRecord() { return Record(LoadNordwispDEVMODE(kPrinter)); }

// Every paper the exports can reach, by code (the first paper never is).
using Listing = std::vector<std::pair<int, std::u16string>>;
Listing ListPapers(const NordwispDEVMODE* record) {
    Listing papers;
    // Shipped papers use the Windows codes (below 130), user papers follow 276.
    for (int code = 1; code < 330; code = code == 130 ? 277 : code + 1) {
        char16_t name[256] = {};
        int size = sizeof name;
        if (GetPaperName(record, code, name, &size)) papers.emplace_back(code, name);
    }
    return papers;
}

// args: prefix, count. Exit code: how many additions failed.
NW_TEST_CHILD(AddPapers) {
    const Record record = LoadPrinterRecord();
    if (!record) return 255;
    int failed = 0;
    for (int i = 0; i < std::stoi(args.at(1)); ++i)
        failed += AddPaperSize(record.get(), Title(args.at(0) + std::to_string(i)).c_str(), 1000, 2000, 1) == 0;
    return failed;
}

// args: title to add, then to delete when a second argument is given.
NW_TEST_CHILD(ChangePaper) {
    const Record record = LoadPrinterRecord();
    if (!record) return 255;
    if (args.size() > 1) return DeletePaperSize(record.get(), Title(args.at(0)).c_str()) ? 0 : 1;
    return AddPaperSize(record.get(), Title(args.at(0)).c_str(), 1000, 2000, 1) ? 0 : 1;
}

// args: stop file. Reads the list until the file appears; exit code: how
// many reads failed (at most 250).
NW_TEST_CHILD(PollPapers) {
    const Record record = LoadPrinterRecord();
    if (!record) return 255;
    int failed = 0;
    while (!std::filesystem::exists(args.at(0)) && failed < 250) {
        failed += GetPaperInfo(record.get(), u"Anchor", nullptr, nullptr, nullptr) == 0;
        char16_t name[256] = {};
        int size = sizeof name;
        failed += GetPaperName(record.get(), 277, name, &size) == 0;
    }
    return failed;
}

class PaperProcessesTest : public PrinterTest {
protected:
    void SetUp() override {
        PrinterTest::SetUp();
        record_ = LoadPrinterRecord();
        ASSERT_NE(record_, nullptr);
        ASSERT_EQ(AddPaperSize(record_.get(), u"Anchor", 1000, 2000, 1), 277);
    }
    void TearDown() override {
        unsetenv("NORDWISP_REGISTRY_CRASH");
        PrinterTest::TearDown();
    }
    Record record_;
};

TEST_F(PaperProcessesTest, FourProcessesAddingFiftyEachKeepAllTwoHundred) {
    std::vector<ChildProcess> children;
    // Not "A4" or "B5": the shipped papers bear such titles.
    const char* const prefixes[] = {"First-", "Second-", "Third-", "Fourth-"};
    for (const char* prefix : prefixes) children.push_back(StartChild("AddPapers", {prefix, "50"}));
    for (const ChildProcess& child : children) EXPECT_EQ(WaitChild(child), 0);

    std::vector<int> codes;
    for (const char* prefix : prefixes)
        for (int i = 0; i < 50; ++i)
            codes.push_back(GetPaperInfo(record_.get(), Title(prefix + std::to_string(i)).c_str(), nullptr, nullptr,
                                         nullptr));
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes.front(), 278);  // none missing (0), and each its own code
    EXPECT_EQ(std::unique(codes.begin(), codes.end()), codes.end());
    EXPECT_EQ(codes.back(), 477);
}

TEST_F(PaperProcessesTest, AReaderPollingDuringTwoHundredSavesNeverFails) {
    const auto stop = std::filesystem::path(std::getenv("NORDWISP_MACHINE")) / "stop-polling";
    const ChildProcess reader = StartChild("PollPapers", {stop.string()});
    for (int i = 0; i < 100; ++i) {
        const std::u16string title = Title("Churn" + std::to_string(i));
        ASSERT_NE(AddPaperSize(record_.get(), title.c_str(), 500, 700, 0), 0);
        ASSERT_EQ(DeletePaperSize(record_.get(), title.c_str()), 1);
    }
    { std::ofstream(stop.string()) << "stop"; }
    EXPECT_EQ(WaitChild(reader), 0);
}

TEST_F(PaperProcessesTest, ASaveKilledAnywhereLeavesTheOldListOrTheNew) {
    ASSERT_NE(AddPaperSize(record_.get(), u"Doomed", 1000, 2000, 1), 0);
    // Where a save can die: before anything reached the files, then in a new
    // hive text while the user's hive is small, in a journal record once it
    // has grown.
    struct Case {
        bool grown;
        const char* point;
    };
    const Case cases[] = {{false, "batch-applied"},         {false, "hive-partly-written"},
                          {false, "hive-replaced"},         {true, "batch-applied"},
                          {true, "journal-partly-written"}, {true, "journal-written"}};
    for (const Case& c : cases) {
        for (int i = 0; c.grown && i < 40; ++i) {
            const std::u16string filler = Title("Filler" + std::to_string(i));
            if (GetPaperInfo(record_.get(), filler.c_str(), nullptr, nullptr, nullptr) == 0) {
                ASSERT_NE(AddPaperSize(record_.get(), filler.c_str(), 1000, 2000, 1), 0);
            }
        }
        for (bool deleting : {false, true}) {
            SCOPED_TRACE(std::string(c.point) + (deleting ? " deleting" : " adding"));
            const Listing before = ListPapers(record_.get());
            std::vector<std::string> args{std::string("Killed-") + c.point + (c.grown ? "-grown" : "")};
            if (deleting) args = {"Doomed", "delete"};
            setenv("NORDWISP_REGISTRY_CRASH", c.point, 1);
            const int code = WaitChild(StartChild("ChangePaper", args));
            unsetenv("NORDWISP_REGISTRY_CRASH");
            ASSERT_EQ(code, 86);

            // The list loads, and it is one of the two.
            Listing changed = before;
            if (deleting) {
                std::erase_if(changed, [](const auto& paper) { return paper.second == u"Doomed"; });
            } else {
                changed.emplace_back(before.back().first + 1, Title(args.front()));
            }
            const Listing after = ListPapers(record_.get());
            EXPECT_TRUE(after == before || after == changed) << after.size() << " " << before.size();
            if (deleting && after == changed) {
                ASSERT_NE(AddPaperSize(record_.get(), u"Doomed", 1000, 2000, 1), 0);
            }
        }
    }
}

}  // namespace
}  // namespace nw::test
