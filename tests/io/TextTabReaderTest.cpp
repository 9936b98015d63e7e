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

} // namespace

TEST(TextTabReaderTest, BlocksFollowOneAnotherEachBroughtToItsLongestRow) {
    const std::optional<TextTab> tab = io::readTextTab(kSong);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->title, "P\xed"
                          "se\xf2 o koni");
    // Blocks of 22, 14 and 3 columns.
    // clang-format off
    const std::array<std::string, 7> expected{
        " Am        C          " "G            D" "Em ",
        "-----0-----|-----0---|" "-3---3-|-2----" "-0-",
        "---1---1---|---1---1-|" "-0---0-|-3----" "-0-",
        "-2-------2-|-0-------|" "-0---0-|-2----" "-0-",
        "-----------|---------|" "-0---0-|-0----" "-2-",
        "-0---------|-3-------|" "-2---2-|------" "-2-",
        "-----------|---------|" "-3---3-|------" "-0-",
    };
    // clang-format on
    EXPECT_EQ(tab->aligned, expected);
}

TEST(TextTabReaderTest, LabelsMayUseColonsParenthesesSpacesOrNothing) {
    const std::optional<TextTab> tab = io::readTextTab("  Am\n"
                                                       "e:-0-\n"
                                                       "H )-1-\n"
                                                       "g 2--\n"
                                                       "d|-2-\n"
                                                       "a  :-0-\n"
                                                       "E--0\n");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->title, "") << "the only line above is the chord line";
    const std::array<std::string, 7> expected{"Am ", "-0-", "-1-", "2--", "-2-", "-0-", "--0"};
    EXPECT_EQ(tab->aligned, expected);
}

TEST(TextTabReaderTest, AllLowerCaseNamesAreABlockToo) {
    const std::optional<TextTab> tab = io::readTextTab("e|0\nb|1\ng|0\nd|2\na|3\ne|-\n");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->aligned[2], "1");
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
    for (const std::string_view end : {"\n", "\r"}) {
        std::string text = kSong;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; ++at)
            text.replace(at, 2, end);
        EXPECT_EQ(io::readTextTab(text), io::readTextTab(kSong));
    }
}

TEST(TextTabReaderTest, TabsStopEveryEightColumns) {
    const std::optional<TextTab> tab = io::readTextTab("\tTitle\t\n"
                                                       "\n"
                                                       "\t  C\tG\n"
                                                       "\te|-0-\t3\n"
                                                       "B|\t-1-\n"
                                                       "G|-0-\n"
                                                       "D|-2-\n"
                                                       "A|-3-\n"
                                                       "E|---\n");
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->title, "Title");
    EXPECT_EQ(tab->aligned[0], "C     G  ");
    EXPECT_EQ(tab->aligned[1], "-0-   3--");
    EXPECT_EQ(tab->aligned[2], "      -1-");
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

TEST(TextTabReaderTest, RowsWiderThanTheTextIsLongAreRefused) {
    const std::string strings = "e|0\nB|1\nG|0\nD|2\nA|3\nE|-\n";
    // Every tab widens the chord line by eight columns.
    const std::string farChord = std::string(100000, '\t') + "Am\n" + strings;
    EXPECT_THROW((void)io::readTextTab(farChord), std::length_error);
    EXPECT_TRUE(io::readTextTab(std::string(1000, '\t') + "Am\n" + strings));
}
