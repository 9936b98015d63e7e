#include "Chords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using tab::Row;

namespace {

const tab::ChordShape& chord(std::string_view name) {
    const auto table = tab::chordTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const tab::ChordShape& c) { return c.name == name; });
    if (it == table.end())
        throw std::runtime_error("no chord " + std::string(name));
    return *it;
}

using Texts = std::array<std::string, 6>;

} // namespace

TEST(ChordTableTest, ThirtyFiveChordsInGridOrder) {
    const auto table = tab::chordTable();
    ASSERT_EQ(table.size(), 35u);
    const char* roots = "AHCDEFG";
    const char* kinds[] = {"", "7", "m", "+", "dim"};
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].name, std::string(1, roots[i % 7]) + kinds[i / 7]) << i;
        names.insert(table[i].name);
    }
    EXPECT_EQ(names.size(), 35u);
}

TEST(ChordTableTest, PlayedStringsRunFromTheHighStringDown) {
    for (const tab::ChordShape& c : tab::chordTable()) {
        const auto played =
            std::count_if(c.frets.begin(), c.frets.end(), [](char f) { return f != '-'; });
        EXPECT_GE(played, 4) << c.name;
        for (std::size_t i = 0; i < 6; ++i) {
            const bool isPlayed = c.frets[i] != '-';
            EXPECT_EQ(isPlayed, static_cast<long>(i) < played) << c.name << " string " << i;
            if (isPlayed) {
                EXPECT_TRUE(c.frets[i] >= '0' && c.frets[i] <= '5') << c.name;
            }
        }
    }
}

TEST(ChordTableTest, SomePlainShapesAsPlayed) {
    EXPECT_EQ(std::string(chord("F").frets.data(), 6), "112331");
    EXPECT_EQ(std::string(chord("D").frets.data(), 6), "2320--");
    EXPECT_EQ(std::string(chord("G7").frets.data(), 6), "100023");
    EXPECT_EQ(std::string(chord("Cm").frets.data(), 6), "345533");
    EXPECT_EQ(chord("Adim").frets, chord("Cdim").frets);
    EXPECT_EQ(chord("Ddim").frets, chord("Fdim").frets);
    EXPECT_EQ(chord("H+").frets, chord("G+").frets);
}

TEST(BrokenChordTest, ExamplesOfFourFiveAndSixStrings) {
    EXPECT_EQ(tab::brokenChord(chord("D")),
              (Texts{"---2---", "--3-3--", "-2---2-", "0-----0", "-------", "-------"}));
    EXPECT_EQ(tab::brokenChord(chord("A")), (Texts{"----0----", "---2-2---", "--2---2--",
                                                   "-2-----2-", "0-------0", "---------"}));
    EXPECT_EQ(tab::brokenChord(chord("E")), (Texts{"-----0-----", "----0-0----", "---1---1---",
                                                   "--2-----2--", "-2-------2-", "0---------0"}));
    const Texts f = tab::brokenChord(chord("F"));
    EXPECT_EQ(f[0], "-----1-----");
    EXPECT_EQ(f[5], "1---------1");
}

TEST(BrokenChordTest, DdimRestsAtTheTopWhileFdimDoesNot) {
    EXPECT_EQ(tab::brokenChord(chord("Ddim")),
              (Texts{"---1----", "--0--0--", "-1----1-", "0------0", "--------", "--------"}));
    EXPECT_EQ(tab::brokenChord(chord("Fdim")),
              (Texts{"---1---", "--0-0--", "-1---1-", "0-----0", "-------", "-------"}));
}

TEST(BrokenChordTest, EveryChordPlaysEachStringInItsOwnColumns) {
    for (const tab::ChordShape& c : tab::chordTable()) {
        const Texts texts = tab::brokenChord(c);
        const std::size_t width = texts[0].size();
        for (const std::string& text : texts)
            EXPECT_EQ(text.size(), width) << c.name;
        // One note per column: read across, every column but a rest holds exactly one fret.
        for (std::size_t col = 0; col < width; ++col) {
            int notes = 0;
            for (const std::string& text : texts)
                notes += text[col] != '-';
            EXPECT_LE(notes, 1) << c.name << " column " << col;
        }
        // Each played string sounds with its own fret, the high string once, the others twice.
        for (std::size_t i = 0; i < 6; ++i) {
            const auto count = std::count(texts[i].begin(), texts[i].end(), c.frets[i]);
            if (c.frets[i] != '-') {
                EXPECT_EQ(count, i == 0 ? 1 : 2) << c.name << " string " << i;
            }
        }
    }
}

TEST(FillEntryTest, ReplacesWhateverTheEntryHeld) {
    tab::EntryColumn entry;
    entry.field(Row::akordy).set("H(L)");
    entry.field(Row::struna3).set("12");
    tab::fillEntry(entry, chord("D"), false);
    const char* expected[] = {"D", "2", "3", "2", "0", "-", "-"};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(entry.field(tab::EntryColumn::kFields[i]).text(), expected[i]) << i;

    tab::fillEntry(entry, chord("Ddim"), true);
    EXPECT_EQ(entry.field(Row::akordy).text(), "Ddim");
    EXPECT_EQ(entry.field(Row::struna1).text(), "---1----");
    EXPECT_EQ(entry.field(Row::struna6).text(), "--------");
}
