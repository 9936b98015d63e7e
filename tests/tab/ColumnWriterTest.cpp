#include "ColumnWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using tab::Row;

namespace {

using Frets = std::array<const char*, 6>;

struct ColumnWriting : ::testing::Test {
    tab::TabSheet sheet;
    tab::EntryColumn entry;
    std::vector<Row> writes;

    void SetUp() override {
        sheet.setChangeHandler([this](Row row) { writes.push_back(row); });
    }

    void fill(const char* mark, Frets frets) {
        entry.field(Row::akordy).set(mark);
        for (std::size_t i = 0; i < frets.size(); ++i)
            entry.field(tab::kStringRows[i]).set(frets[i]);
    }

    std::vector<std::string> aligned() const {
        std::vector<std::string> texts;
        for (Row row : tab::kAlignedRows)
            texts.push_back(sheet.text(row));
        return texts;
    }
};

const Frets kChordA{"0", "2", "2", "2", "0", "-"};
const Frets kNoFrets{"", "", "", "", "", ""};

} // namespace

TEST_F(ColumnWriting, ChordAThenTwelveOnTheHighString) {
    fill("A", kChordA);
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(), (std::vector<std::string>{"A ", "0-", "2-", "2-", "2-", "0-", "--"}));

    fill("", {"12", "", "", "", "", ""});
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(), (std::vector<std::string>{"A    ", "0-12-", "2----", "2----", "2----",
                                                   "0----", "-----"}));
}

TEST_F(ColumnWriting, PalmMutingRunsOnAsDashes) {
    fill("P.M.--", {"", "", "", "", "", "0"});
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(), (std::vector<std::string>{"P.M.---", "-------", "-------", "-------",
                                                   "-------", "-------", "0------"}));
}

TEST_F(ColumnWriting, OnlyTheExactPalmMutingMarkIsFilledWithDashes) {
    for (const char* mark : {"AP.M.--", "p.m.--", "P.M.-- ", " P.M.--"}) {
        tab::TabSheet fresh;
        fill(mark, kNoFrets);
        tab::writeColumn(fresh, entry, false);
        const std::string& chords = fresh.text(Row::akordy);
        EXPECT_EQ(chords, std::string(mark) + " ") << mark;
    }
}

TEST_F(ColumnWriting, EmptyEntryAddsOneFillerColumn) {
    fill("A", kChordA);
    tab::writeColumn(sheet, entry, false);
    fill("", kNoFrets);
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(),
              (std::vector<std::string>{"A  ", "0--", "2--", "2--", "2--", "0--", "---"}));
}

TEST_F(ColumnWriting, ALongMarkStretchesTheStrings) {
    fill("Gdim", {"0", "2", "0", "2", "1", "0"});
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(), (std::vector<std::string>{"Gdim ", "0----", "2----", "0----", "2----",
                                                   "1----", "0----"}));
}

TEST_F(ColumnWriting, ColumnAfterABarLineStartsAboveIt) {
    fill("A", kChordA);
    tab::writeColumn(sheet, entry, false);
    for (Row row : tab::kStringRows)
        sheet.appendToRow(row, "|");
    fill("D", {"2", "", "", "", "", ""});
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(aligned(), (std::vector<std::string>{"A D  ", "0-|2-", "2-|--", "2-|--", "2-|--",
                                                   "0-|--", "--|--"}));
}

TEST_F(ColumnWriting, UnequalRowsEndEqual) {
    sheet.setText(Row::struna3, "0123456789");
    sheet.setText(Row::akordy, "Em");
    fill("", {"3", "", "", "", "", ""});
    tab::writeColumn(sheet, entry, false);
    for (const std::string& text : aligned())
        EXPECT_EQ(text.size(), 11u);
    EXPECT_EQ(sheet.text(Row::struna3), "0123456789-");
    EXPECT_EQ(sheet.text(Row::struna1), "3----------");
}

TEST_F(ColumnWriting, WithoutClearingTheSameColumnIsWrittenTwice) {
    fill("A", kChordA);
    tab::writeColumn(sheet, entry, false);
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(sheet.text(Row::akordy), "A A ");
    EXPECT_EQ(sheet.text(Row::struna6), "----");
    EXPECT_EQ(entry.field(Row::akordy).text(), "A");
}

TEST_F(ColumnWriting, ClearingAfterWriteKeepsThePalmMutingFiller) {
    fill("P.M.--", {"", "", "", "", "", "0"});
    tab::writeColumn(sheet, entry, true);
    EXPECT_EQ(sheet.text(Row::akordy), "P.M.---");
    for (Row row : tab::EntryColumn::kFields)
        EXPECT_EQ(entry.field(row).text(), "");
}

TEST_F(ColumnWriting, LyricsAreNeverTouched) {
    sheet.setText(Row::slova, "la la la la la la la");
    writes.clear();
    fill("A", kChordA);
    tab::writeColumn(sheet, entry, false);
    EXPECT_EQ(sheet.text(Row::slova), "la la la la la la la");
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Row::slova), 0);
}

TEST_F(ColumnWriting, WritesComeInTheOrderTheViewExpects) {
    fill("Am", {"0", "", "", "", "", ""});
    tab::writeColumn(sheet, entry, false);
    // Appends akordy then e (h..E have nothing to append), then fills e..E one filler per
    // write, the chord row last.
    const std::vector<Row> expected{Row::akordy,  Row::struna1, Row::struna1, Row::struna1,
                                    Row::struna2, Row::struna2, Row::struna2, Row::struna3,
                                    Row::struna3, Row::struna3, Row::struna4, Row::struna4,
                                    Row::struna4, Row::struna5, Row::struna5, Row::struna5,
                                    Row::struna6, Row::struna6, Row::struna6, Row::akordy};
    EXPECT_EQ(writes, expected);
}
