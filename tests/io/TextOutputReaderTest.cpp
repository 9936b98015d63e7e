#include "TextOutputReader.h"

#include "TextOutput.h"

#include <gtest/gtest.h>

using io::TabDocument;

namespace {

const io::Footer kFooter{"Strunomat 1.01 CZ", "Someone (e-mail: someone@example.org)",
                         "http://www.example.org/"};

// Rows of unequal length, trailing spaces, bars, a label lookalike, an empty row, a chord row
// longer than the strings, and Czech letters as Windows-1250 bytes.
TabDocument awkward() {
    TabDocument doc;
    doc.title = "  P\xed"
                "se\xf2 |  ";
    doc.author = "";
    doc.rows = {
        "C    G    Am   F    C    G   ", "e |  x", "--1--|--0--  ", "", "|", "   ", "3-----",
        "\x9elu\x9do\x75\xe8k\xfd   "};
    return doc;
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

TEST(TextOutputReaderTest, LfLineEndsAndAMissingLastLineEndAreAccepted) {
    std::string lf = io::renderTextOutput(awkward(), 8, kFooter);
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    EXPECT_EQ(io::readTextOutput(lf), awkward());
    lf.pop_back();
    EXPECT_EQ(io::readTextOutput(lf), awkward());
}

TEST(TextOutputReaderTest, TextsLaidOutOtherwiseAreNotOurs) {
    const std::string ours = io::renderTextOutput(awkward(), 16, kFooter);
    const std::string cases[] = {
        "",
        replaced(ours, "\r\n", "\r\nmore\r\n"),            // one line too many
        replaced(ours, "e |  ", "e|   "),                  // another label
        replaced(ours, "\r\n\r\ne |  ", "\r\n \r\ne |  "), // a space under the chords
        replaced(ours, "     \x9e", "    \x9e"),           // lyrics indented less
        "Song\r\n\r\n   Am\r\n\r\ne |  0\r\nh |  1\r\ng |  2\r\nd |  2\r\nA |  0\r\nE |  -\r\n",
    };
    for (const std::string& text : cases)
        EXPECT_EQ(io::readTextOutput(text), std::nullopt) << text;
}
