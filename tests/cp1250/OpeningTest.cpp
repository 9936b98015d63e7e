#include "Opening.h"

#include "TabFile.h"
#include "TextOutput.h"

#include <gtest/gtest.h>

namespace {

io::TabDocument song(const std::string& title) {
    io::TabDocument doc;
    doc.title = title;
    doc.rows = {"Am ", "0-|", "1-|", "2-|", "2-|", "0-|", "--|", "la"};
    doc.author = "Autor";
    return doc;
}

const io::Footer kFooter{"Strunomat", "credit", "web"};

} // namespace

TEST(OpeningTest, OurOwnExportComesBackEvenWhenItsBytesLookLikeUtf8) {
    // "Čš" in Windows-1250 is C8 9A, which is also valid UTF-8 for a letter Windows-1250 lacks.
    const io::TabDocument looksUtf8 = song("\xc8\x9a");
    const cp1250::Opened opened = cp1250::openText(io::renderTextOutput(looksUtf8, 2, kFooter));
    EXPECT_EQ(opened.doc, looksUtf8);
    EXPECT_EQ(opened.replaced, 0u);

    // The same export saved again as UTF-8 by another editor: "Píseň" comes back as it was.
    const io::TabDocument czech = song("P\xed"
                                       "se\xf2");
    std::string utf8 = io::renderTextOutput(song("P\xc3\xad"
                                                 "se\xc5\x88"),
                                            2, kFooter);
    EXPECT_EQ(cp1250::openText(utf8).doc, czech);
}

TEST(OpeningTest, ATabFileIsOurRecordsOrATextTabUnderThatName) {
    EXPECT_EQ(cp1250::openTab(io::writeTabFile(song("A"))).doc, song("A"));
    const cp1250::Opened textTab = cp1250::openTab("Riff\n\ne|0\nB|1\nG|2\nD|2\nA|0\nE|-\n");
    ASSERT_TRUE(textTab.doc);
    EXPECT_EQ(textTab.doc->title, "Riff");
    EXPECT_EQ(textTab.doc->rows[1], "0");
    EXPECT_FALSE(cp1250::openText("chleba\nmléko\n").doc);
}
