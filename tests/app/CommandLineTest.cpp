#include "CommandLine.h"

#include <gtest/gtest.h>

using Ask = CommandLine::Ask;

namespace {

struct Case {
    QStringList arguments;
    Ask ask;
    QString file;
    const char* saying;
};

} // namespace

TEST(CommandLineTest, OneOptionalFileAndCzechAnswers) {
    const Case cases[] = {
        {{}, Ask::Edit, {}, ""},
        {{"song.tab"}, Ask::Edit, "song.tab", ""},
        {{"--", "-odd.txt"}, Ask::Edit, "-odd.txt", ""},
        {{"--help"}, Ask::Help, {}, "Použití: strunomat [SOUBOR]"},
        {{"a.tab", "-h"}, Ask::Help, {}, "Použití"},
        {{"--version"}, Ask::Version, {}, "Strunomat "},
        {{"--cokoli"}, Ask::Mistake, {}, "neznámá volba „cokoli“"},
        {{"a.tab", "b.tab"}, Ask::Mistake, {}, "nejvýše jeden soubor"},
    };
    for (const Case& c : cases) {
        const CommandLine line = readCommandLine(QStringList{"strunomat"} + c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.ask, c.ask) << what;
        EXPECT_EQ(line.file, c.file) << what;
        EXPECT_TRUE(line.text.contains(QString::fromUtf8(c.saying))) << what;
    }
}
