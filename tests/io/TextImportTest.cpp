#include "TextImport.h"

#include "TabFile.h"
#include "TextOutput.h"
#include "Utf8.h"

#include <gtest/gtest.h>

using io::TabDocument;

namespace {

const std::string kTextTab = "Song\r\n"
                             "\r\n"
                             "  Am\r\n"
                             "e|-0-\r\n"
                             "B|-1-\r\n"
                             "G|-2-\r\n"
                             "D|-2-\r\n"
                             "A|-0-\r\n"
                             "E|---\r\n";

// A document whose texts are themselves string lines of a text tab.
TabDocument tabLookalike() {
    TabDocument doc;
    doc.title = "e|-0-";
    doc.rows = {"B|-1-", "G|-2-", "D|-2-", "A|-0-", "E|---", "e|-0-", "B|-1-", "G|-2-"};
    doc.author = "D|-2-";
    return doc;
}

} // namespace

TEST(TextImportTest, OurOutputGivesAllTenTextsAndATextTabItsRows) {
    EXPECT_EQ(
        io::importText(io::renderTextOutput(tabLookalike(), 3, {"Strunomat", "credit", "web"})),
        tabLookalike());

    TabDocument fromTab;
    fromTab.title = "Song";
    fromTab.rows = {"Am ", "-0-", "-1-", "-2-", "-2-", "-0-", "---", ""};
    EXPECT_EQ(io::importText(kTextTab), fromTab);

    EXPECT_EQ(io::importText("Just a few words\r\nabout a song.\r\n"), std::nullopt);
}

TEST(TextImportTest, OnlyATextTabIsTakenForOne) {
    TabDocument tabAsAuthor = tabLookalike();
    tabAsAuthor.author = kTextTab + kTextTab;
    EXPECT_FALSE(io::isTextTabFile(io::writeTabFile(TabDocument{})));
    EXPECT_FALSE(io::isTextTabFile(io::writeTabFile(tabLookalike())));
    EXPECT_FALSE(io::isTextTabFile(io::writeTabFile(tabAsAuthor)));
    EXPECT_FALSE(io::isTextTabFile("Just a few words\r\nabout a song.\r\n"));

    EXPECT_TRUE(io::isTextTabFile(kTextTab));
    EXPECT_TRUE(io::isTextTabFile(";\n;\n;\n" + kTextTab));
    // Nine lines ending in ";" but the ninth without its line break: not one of ours.
    EXPECT_TRUE(io::isTextTabFile("e|-0-;\nB|-1-;\nG|-2-;\nD|-2-;\nA|-0-;\nE|---;\n;\n;\n;"));
}

TEST(TextImportTest, Utf8IsToldFromWindows1250) {
    struct Case {
        std::string_view bytes;
        bool utf8;
        std::string_view withoutBom;
    };
    const Case cases[] = {
        {"", false, ""},
        {"Song", false, "Song"},
        {"P\xc3\xadse\xc5\x88", true, "P\xc3\xadse\xc5\x88"}, // "Píseň" in UTF-8
        {"P\xedse\xf2", false, "P\xedse\xf2"},                // and in Windows-1250
        {"\xef\xbb\xbfSong", true, "Song"},                   // the mark alone says UTF-8
        {"\xef\xbb\xbfP\xedse\xf2", false, "P\xedse\xf2"},
        {"\xef\xbb", false, "\xef\xbb"},
        {"\xf0\x9f\x8e\xb8", true, "\xf0\x9f\x8e\xb8"},  // four bytes, U+1F3B8
        {"\xc0\xaf", false, "\xc0\xaf"},                 // overlong
        {"\xed\xa0\x80", false, "\xed\xa0\x80"},         // surrogate
        {"\xf4\x90\x80\x80", false, "\xf4\x90\x80\x80"}, // above U+10FFFF
        {"Pi\xc5", false, "Pi\xc5"},                     // cut short
    };
    for (const Case& c : cases) {
        EXPECT_EQ(io::isUtf8WithHighBytes(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(io::withoutUtf8Bom(c.bytes), c.withoutBom) << c.bytes;
    }
}
