#include "TabFile.h"

#include <gtest/gtest.h>

#include <random>

using io::TabDocument;

namespace {

TabDocument sample() {
    TabDocument doc;
    // "Píseň" and "Žluťoučký kůň" in Windows-1250.
    doc.title = "P\xed"
                "se\xf2";
    doc.rows = {"A D  ", "0-|2-", "2-|--", "2-|--", "2-|--", "0-|--", "--|--", "la la"};
    doc.author = "\x8elu\x9do\x75\xe8k\xfd k\xf9\xf2";
    return doc;
}

// The positional reader the format was first read with: it counts on the title and rows
// holding no ";" and on the string rows being as long as the chord row. Files it reads
// correctly must read the same today.
TabDocument positionalRead(std::string text) {
    std::string normal;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            normal += "\r\n";
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            normal += "\r\n";
        } else {
            normal += text[i];
        }
    }
    const auto take = [&](long from, long count) -> std::string {
        if (count <= 0 || from > static_cast<long>(normal.size()))
            return {};
        return normal.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
    };
    const auto pos = [&](const char* sep) -> long {
        const auto at = normal.find(sep);
        return at == std::string::npos ? 0 : static_cast<long>(at) + 1;
    };
    TabDocument doc;
    doc.title = take(1, pos(";") - 1);
    long p = static_cast<long>(doc.title.size()) + 4;
    doc.rows[0] = take(p, pos(";;") - static_cast<long>(doc.title.size()) - 4);
    p += static_cast<long>(doc.rows[0].size()) + 4;
    for (std::size_t i = 1; i <= 6; ++i) {
        doc.rows[i] = take(p, static_cast<long>(doc.rows[0].size()));
        p += static_cast<long>(doc.rows[i].size()) + 3;
    }
    const long lyricsEnd = pos(";;;");
    doc.rows[7] = take(p, lyricsEnd - p);
    doc.author = lyricsEnd == 0 ? std::string() : take(lyricsEnd + 5, 1L << 30);
    return doc;
}

} // namespace

TEST(TabFileTest, EmptyDocumentIsNineTerminatedLines) {
    const std::string file = io::writeTabFile(TabDocument{});
    EXPECT_EQ(file, ";\r\n;;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;;;\r\n");
    EXPECT_EQ(io::readTabFile(file), TabDocument{});
}

TEST(TabFileTest, BytesAreWrittenExactlyAsTheFieldsHoldThem) {
    const std::string file = io::writeTabFile(sample());
    EXPECT_EQ(file, "P\xedse\xf2;\r\nA D  ;;\r\n0-|2-;\r\n2-|--;\r\n2-|--;\r\n2-|--;\r\n0-|--;"
                    "\r\n--|--;\r\nla la;;;\r\n\x8elu\x9dou\xe8k\xfd k\xf9\xf2");
    EXPECT_EQ(io::readTabFile(file), sample());
}

TEST(TabFileTest, SingleLfAndLoneCrFilesReadLikeCrLf) {
    std::string lf = io::writeTabFile(sample());
    std::string cr = lf;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;)
        cr.erase(at + 1, 1);
    EXPECT_EQ(io::readTabFile(lf), sample());
    EXPECT_EQ(io::readTabFile(cr), sample());
}

TEST(TabFileTest, ShortAndForeignFilesGiveEmptyTexts) {
    EXPECT_EQ(io::readTabFile(""), TabDocument{});
    EXPECT_EQ(io::readTabFile("\n\n\n"), TabDocument{});
    const TabDocument song = io::readTabFile("Song;\r\nAm;;");
    EXPECT_EQ(song.title, "Song");
    EXPECT_EQ(song.rows[0], "Am");
    EXPECT_EQ(song.rows[1], "");
    EXPECT_EQ(song.author, "");
    const TabDocument foreign = io::readTabFile("just some text\nwithout separators");
    EXPECT_EQ(foreign.title, "just some text");
    EXPECT_EQ(foreign.rows[0], "without separators");
}

TEST(TabFileTest, WhatFollowsTheAuthorBelongsToIt) {
    const std::string file = io::writeTabFile(sample()) + "\nmore\r\nlines\r\n";
    EXPECT_EQ(io::readTabFile(file).author, sample().author + "\r\nmore\r\nlines\r\n");
}

TEST(TabFileTest, RowsOfUnequalLengthComeBackAsSaved) {
    TabDocument doc = sample();
    doc.rows[0] = "A ";          // the chord row after a bar line on the strings
    doc.rows[3] = "2-|--------"; // and a string row typed longer
    doc.rows[6] = "";
    EXPECT_EQ(io::readTabFile(io::writeTabFile(doc)), doc);
}

TEST(TabFileTest, SemicolonsInAnyFieldComeBackAsSaved) {
    TabDocument doc = sample();
    doc.title = "Verse; chorus;";
    doc.rows[0] = ";;;";
    doc.rows[2] = ";";
    doc.rows[7] = "la;;;";
    doc.author = ";;;\r\n;";
    EXPECT_EQ(io::readTabFile(io::writeTabFile(doc)), doc);
}

TEST(TabFileTest, ReadsEveryWellFormedFileAsThePositionalReaderDid) {
    std::mt19937 random(20261208);
    const std::string alphabet = "0123456789-| ABCDEHm7+()\xe8\xf8\x9e";
    const auto text = [&](std::size_t length) {
        std::string s;
        for (std::size_t i = 0; i < length; ++i)
            s += alphabet[random() % alphabet.size()];
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        TabDocument doc;
        doc.title = text(random() % 20);
        const std::size_t width = random() % 40;
        for (std::size_t i = 0; i < 7; ++i)
            doc.rows[i] = text(width);
        doc.rows[7] = text(random() % 50);
        doc.author = text(random() % 20) + (round % 3 == 0 ? ";\r\nx;;;" : "");
        const std::string file = io::writeTabFile(doc);
        EXPECT_EQ(io::readTabFile(file), positionalRead(file)) << round;
        EXPECT_EQ(io::readTabFile(file), doc) << round;
    }
}
