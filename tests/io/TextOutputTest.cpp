#include "TextOutput.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using io::TabDocument;

namespace {

const io::Footer kFooter{"Strunomat 1.01 CZ", "Someone (e-mail: someone@example.org)",
                         "http://www.example.org/"};

std::vector<std::string> lines(const std::string& out) {
    std::vector<std::string> result;
    std::size_t from = 0;
    for (std::size_t at; (at = out.find("\r\n", from)) != std::string::npos; from = at + 2)
        result.push_back(out.substr(from, at - from));
    EXPECT_EQ(from, out.size()) << "the last line ends in CR LF";
    return result;
}

TabDocument withRows(std::size_t chords, std::size_t strings, std::size_t lyrics) {
    TabDocument doc;
    doc.title = "Title";
    doc.author = "Author";
    doc.rows[0] = std::string(chords, 'C');
    for (std::size_t i = 1; i <= 6; ++i)
        doc.rows[i] = std::string(strings, static_cast<char>('0' + i));
    doc.rows[7] = std::string(lyrics, 'l');
    return doc;
}

} // namespace

TEST(TextOutputTest, EmptyDocumentIsOneBlockOfBarePrefixes) {
    TabDocument doc;
    doc.title = "T";
    doc.author = "A";
    EXPECT_EQ(io::renderTextOutput(doc, 64, kFooter),
              "T\r\nA\r\n\r\n   \r\n\r\ne |  \r\nh |  \r\ng |  \r\nd |  \r\nA |  \r\nE |  \r\n"
              "     \r\n\r\n\r\nStrunomat 1.01 CZ\r\nSomeone (e-mail: someone@example.org)\r\n"
              "http://www.example.org/\r\n");
}

TEST(TextOutputTest, AChordRowOfExactlyOneWidthMakesTwoBlocks) {
    const auto out = lines(io::renderTextOutput(withRows(64, 65, 0), 64, kFooter));
    ASSERT_EQ(out.size(), 3u + 2 * 10 + 4);
    EXPECT_EQ(out[3], "   " + std::string(64, 'C'));
    EXPECT_EQ(out[5], "e |  " + std::string(64, '1'));
    EXPECT_EQ(out[13], "   ");
    EXPECT_EQ(out[15], "e |  1");
    EXPECT_EQ(out[20], "E |  6");
}

TEST(TextOutputTest, AStringOneLongerThanTheChordsStaysInOneBlock) {
    const auto out = lines(io::renderTextOutput(withRows(63, 64, 10), 64, kFooter));
    ASSERT_EQ(out.size(), 3u + 10 + 4);
    EXPECT_EQ(out[5], "e |  " + std::string(64, '1'));
    EXPECT_EQ(out[11], "     llllllllll");
}

TEST(TextOutputTest, AWideBlockHoldsTheWholeRows) {
    const auto out = lines(io::renderTextOutput(withRows(5, 5, 30), 1000, kFooter));
    ASSERT_EQ(out.size(), 3u + 10 + 4);
    EXPECT_EQ(out[0], "Title");
    EXPECT_EQ(out[1], "Author");
    EXPECT_EQ(out[11], "     " + std::string(30, 'l'));
}

TEST(TextOutputTest, RowsLongerThanTheChordsAreNotLost) {
    const TabDocument doc = withRows(10, 130, 300);
    EXPECT_EQ(io::blockCount(doc, 64), 5u);
    const auto out = lines(io::renderTextOutput(doc, 64, kFooter));
    std::string lyrics;
    std::string high;
    for (std::size_t k = 0; k < 5; ++k) {
        high += out[3 + 10 * k + 2].substr(5);
        lyrics += out[3 + 10 * k + 8].substr(5);
    }
    EXPECT_EQ(high, doc.rows[1]);
    EXPECT_EQ(lyrics, doc.rows[7]);
}

TEST(TextOutputTest, BlockCountFollowsTheChordRowWhenItIsTheLongest) {
    EXPECT_EQ(io::blockCount(withRows(0, 0, 0), 64), 1u);
    EXPECT_EQ(io::blockCount(withRows(63, 63, 0), 64), 1u);
    EXPECT_EQ(io::blockCount(withRows(128, 128, 100), 64), 3u);
    EXPECT_EQ(io::blockCount(withRows(10, 10, 0), 1), 11u);
    EXPECT_EQ(io::blockCount(withRows(10, 10, 0), 0), 11u);
}
