#include "BatchExport.h"

#include "BuiltFooter.h"
#include "TabFile.h"
#include "TextOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

io::TabDocument song(const char* title) {
    io::TabDocument doc;
    doc.title = title;
    doc.rows = {"A D  ", "0-|2-", "2-|--", "2-|--", "2-|--", "0-|--", "--|--", "la la"};
    doc.author = "Autor";
    return doc;
}

class BatchExport : public ::testing::Test {
protected:
    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("strunomat-txt-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(std::vector<std::string> args, const std::string& input = {}) {
        std::istringstream in(input);
        out.str({});
        err.str({});
        return batch::run(args, in, out, err);
    }
    std::string path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

} // namespace

TEST_F(BatchExport, WritesTheTextOutputBesideEachFileAndNothingElse) {
    writeBytes(path("one.tab"), io::writeTabFile(song("One")));
    writeBytes(path("two.tab"), io::writeTabFile(song("Two")));
    // A file of the user's that happens to bear a name the writing might use for itself.
    writeBytes(path("one.txt.part"), "keep me");
    EXPECT_EQ(run({path("one.tab"), path("two.tab")}), 0);
    EXPECT_EQ(readBytes(path("one.txt")),
              io::renderTextOutput(song("One"), 64, cp1250::builtFooter()));
    EXPECT_EQ(readBytes(path("two.txt")),
              io::renderTextOutput(song("Two"), 64, cp1250::builtFooter()));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(readBytes(path("one.txt.part")), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 5);
}

TEST_F(BatchExport, WidthOption) {
    writeBytes(path("one.tab"), io::writeTabFile(song("One")));
    EXPECT_EQ(run({"-w", "2", path("one.tab")}), 0);
    EXPECT_EQ(readBytes(path("one.txt")),
              io::renderTextOutput(song("One"), 2, cp1250::builtFooter()));
    for (const char* width : {"0", "-3", "x", "12x"})
        EXPECT_EQ(run({"-w", width, path("one.tab")}), 2) << width;
    EXPECT_EQ(run({path("one.tab"), "-w"}), 2);
}

TEST_F(BatchExport, FailuresAreReportedAndTheOtherFilesStillWritten) {
    writeBytes(path("good.tab"), io::writeTabFile(song("Good")));
    fs::create_directory(path("blocked.txt")); // the output name is taken by a folder
    writeBytes(path("blocked.tab"), io::writeTabFile(song("Blocked")));
    EXPECT_EQ(run({path("missing.tab"), path("blocked.tab"), path("good.tab")}), 1);
    EXPECT_NE(err.str().find(path("missing.tab") + ": nelze otevřít: "), std::string::npos);
    EXPECT_NE(err.str().find(path("blocked.txt")), std::string::npos);
    EXPECT_TRUE(fs::is_directory(path("blocked.txt")));
    EXPECT_EQ(readBytes(path("good.txt")),
              io::renderTextOutput(song("Good"), 64, cp1250::builtFooter()));
}

TEST_F(BatchExport, DashReadsStandardInputOnceAndWritesStandardOutput) {
    EXPECT_EQ(run({"-w", "3", "-"}, io::writeTabFile(song("Piped"))), 0);
    EXPECT_EQ(out.str(), io::renderTextOutput(song("Piped"), 3, cp1250::builtFooter()));
    EXPECT_EQ(run({"-", "-"}, io::writeTabFile(song("Piped"))), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("jen jednou"), std::string::npos);
}

TEST_F(BatchExport, HelpInCzechAndUsageErrors) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("Použití: strunomat-txt"), std::string::npos);
    EXPECT_EQ(run({}), 2);
    EXPECT_NE(err.str().find("Použití"), std::string::npos);
}

TEST_F(BatchExport, AStandardOutputThatCannotBeWrittenIsAFailure) {
    std::istringstream in(io::writeTabFile(song("Piped")));
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_EQ(batch::run({"-"}, in, broken, err), 1);
    EXPECT_NE(err.str().find("nelze zapsat na standardní výstup"), std::string::npos);
}

TEST_F(BatchExport, ToTabTurnsTheExportBackIntoTheTabFile) {
    writeBytes(path("one.txt"), io::renderTextOutput(song("One"), 3, cp1250::builtFooter()));
    // Hand-typed, in UTF-8, with an emoji Windows-1250 has no byte for.
    writeBytes(path("riff.txt"),
               "Riff \xf0\x9f\x8e\xb8\n  Am\ne|-0-\nB|-1-\nG|-2-\nD|-2-\nA|-0-\nE|---\n");
    writeBytes(path("list.txt"), "chleba\nmléko\n");
    EXPECT_EQ(run({"--to-tab", path("one.txt"), path("list.txt"), path("riff.txt")}), 1);
    EXPECT_EQ(readBytes(path("one.tab")), io::writeTabFile(song("One")));
    io::TabDocument riff;
    riff.title = "Riff ?";
    riff.rows = {"Am ", "-0-", "-1-", "-2-", "-2-", "-0-", "---", ""};
    EXPECT_EQ(readBytes(path("riff.tab")), io::writeTabFile(riff));
    EXPECT_FALSE(fs::exists(path("list.tab")));
    EXPECT_NE(err.str().find(path("list.txt") + ": není v něm žádný tab"), std::string::npos);
    EXPECT_NE(err.str().find(path("riff.txt") + ": počet znaků nahrazených otazníkem"),
              std::string::npos);
    EXPECT_EQ(run({"--to-tab", "-w", "3", path("one.txt")}), 2);
}

TEST_F(BatchExport, NeverWritesOverItsInput) {
    const std::string text = io::renderTextOutput(song("One"), 64, cp1250::builtFooter());
    writeBytes(path("one.tab"), text); // a text tab under a tab file's name
    EXPECT_EQ(run({"--to-tab", path("one.tab")}), 0);
    EXPECT_EQ(readBytes(path("one.tab")), text);
    EXPECT_EQ(readBytes(path("one.tab.tab")), io::writeTabFile(song("One")));

    // The output's name is a link to the input itself.
    writeBytes(path("two.txt"), text);
    fs::create_symlink(path("two.txt"), path("two.tab"));
    EXPECT_EQ(run({"--to-tab", path("two.txt")}), 1);
    EXPECT_EQ(readBytes(path("two.txt")), text);
    EXPECT_NE(err.str().find("týž soubor jako vstup"), std::string::npos);
}
