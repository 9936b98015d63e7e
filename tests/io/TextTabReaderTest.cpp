#include "TextTabReader.h"

#include "ChordLine.h"

#include <gtest/gtest.h>

using io::TextTab;

namespace {

// Chords over the first block, a heading and a note between blocks, bars, a block whose chords
// reach past its strings, strings of unequal length, an indented block, Czech letters in
// Windows-1250 ("Píseň o koni", "poznámka", "tiše", "Refrén").
const std::string kSong = "\r\n"
                          "  P\xed"
                          "se\xf2 o koni  \r\n"
                          "Hudba a text: Nikdo\r\n"
                          "\r\n"
                          "[Sloka]\r\n"
                          "   Am        C\r\n"
                          "e|-----0-----|-----0---|\r\n"
                          "B|---1---1---|---1---1-|\r\n"
                          "G|-2-------2-|-0-------|\r\n"
                          "D|-----------|---------|\r\n"
                          "A|-0---------|-3-------|\r\n"
                          "E|-----------|---------|\r\n"
                          "\r\n"
                          "pozn\xe1mka: hraj ti\x9a"
                          "e\r\n"
                          "G              D\r\n"
                          "e|-3---3-|-2--\r\n"
                          "B|-0---0-|-3--\r\n"
                          "G|-0---0-|-2--\r\n"
                          "D|-0---0-|-0-\r\n"
                          "A|-2---2-|\r\n"
                          "E|-3---3-|  \r\n"
                          "\r\n"
                          "    Refr\xe9n:\r\n"
                          "      Em\r\n"
                          "    e|-0-\r\n"
                          "    B|-0-\r\n"
                          "    G|-0-\r\n"
                          "    D|-2-\r\n"
                          "    A|-2-\r\n"
                          "    E|-0-\r\n";

std::array<std::string, 7> rowsOf(std::string_view text) {
    const std::optional<TextTab> tab = io::readTextTab(text);
    return tab ? tab->aligned : std::array<std::string, 7>{};
}

} // namespace

TEST(TextTabReaderTest, BlocksFollowOneAnotherEachBroughtToItsLongestRow) {
    const std::optional<TextTab> tab = io::readTextTab(kSong);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->title, "P\xed"
                          "se\xf2 o koni");
    const std::array<std::string, 7> expected{
        " Am        C          "
        "G            D"
        "Em ",
        "-----0-----|-----0---|"
        "-3---3-|-2----"
        "-0-",
        "---1---1---|---1---1-|"
        "-0---0-|-3----"
        "-0-",
        "-2-------2-|-0-------|"
        "-0---0-|-2----"
        "-0-",
        "-----------|---------|"
        "-0---0-|-0----"
        "-2-",
        "-0---------|-3-------|"
        "-2---2-|------"
        "-2-",
        "-----------|---------|"
        "-3---3-|------"
        "-0-",
    };
    EXPECT_EQ(tab->aligned, expected);
}

TEST(TextTabReaderTest, LabelsMayUseColonsParenthesesSpacesOrNothing) {
    const auto rows = rowsOf("e:-0-\n"
                             "H )-1-\n"
                             "g 2--\n"
                             "d|-2-\n"
                             "a  :-0-\n"
                             "E--0\n");
    EXPECT_EQ(rows[1], "-0-");
    EXPECT_EQ(rows[2], "-1-");
    EXPECT_EQ(rows[3], "2--");
    EXPECT_EQ(rows[5], "-0-");
    EXPECT_EQ(rows[6], "--0");
}

TEST(TextTabReaderTest, BlocksStraightAfterOneAnotherHaveNoChordsFromTheBlockAbove) {
    const std::string block = "e|0\nB|1\nG|0\nD|2\nA|3\nE|-\n";
    const std::optional<TextTab> tab = io::readTextTab(block + block);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->aligned[0], "  ");
    EXPECT_EQ(tab->aligned[1], "00");
    EXPECT_EQ(tab->title, "");
}

TEST(TextTabReaderTest, ProseAndIncompleteBlocksAreNoTab) {
    EXPECT_EQ(io::readTextTab(""), std::nullopt);
    EXPECT_EQ(io::readTextTab("Each day\nBefore dawn\nGo\nDown\nAnd\nEnd\n"), std::nullopt);
    EXPECT_EQ(io::readTextTab("e|-0-\nB|-1-\nG|-0-\nD|-2-\nA|-3-\n\nE|---\n"), std::nullopt);
}

TEST(TextTabReaderTest, AnyLineEndReadsAlike) {
    const std::string lf = "Song\n\n  C\ne|-0-\nB|-1-\nG|-0-\nD|-2-\nA|-3-\nE|---";
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    std::string crLf;
    for (const char c : lf)
        crLf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::optional<TextTab> tab = io::readTextTab(lf);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->title, "Song");
    EXPECT_EQ(tab->aligned[0], "C  ");
    EXPECT_EQ(io::readTextTab(cr)->aligned, tab->aligned);
    EXPECT_EQ(io::readTextTab(crLf)->aligned, tab->aligned);
}

TEST(TextTabReaderTest, TabsStopEveryEightColumns) {
    const auto rows = rowsOf("\tTitle\t\n"
                             "\n"
                             "\t  C\tG\n"
                             "\te|-0-\t3\n"
                             "B|\t-1-\n"
                             "G|-0-\n"
                             "D|-2-\n"
                             "A|-3-\n"
                             "E|---\n");
    EXPECT_EQ(rows[0], "C     G  ");
    EXPECT_EQ(rows[1], "-0-   3--");
    EXPECT_EQ(rows[2], "      -1-");
}

TEST(TextTabReaderTest, ChordsKeepTheirTabColumnAndMoveRightOnlyToStayApart) {
    struct Case {
        std::string_view line;
        std::size_t firstColumn;
        std::string_view row;
    };
    const Case cases[] = {
        {"   Am   C ", 2, " Am   C"},       // over the same columns
        {"Am C", 2, "Am C"},                // left of the tab: onto its first column, C after it
        {"Am  G", 2, "Am G"},               // G would touch Am
        {"Verse 1:  G7", 4, "Verse 1: G7"}, // nothing dropped
        {"\tC", 2, "      C"},              // a tab stops at column 8
        {"  \t ", 0, ""},
    };
    for (const Case& c : cases) {
        std::string row = "Em ";
        io::appendChords(row, c.line, c.firstColumn);
        EXPECT_EQ(row, "Em " + std::string(c.row)) << c.line;
    }
}
