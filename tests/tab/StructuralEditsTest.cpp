#include "StructuralEdits.h"
#include "ColumnWriter.h"
#include "Marks.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using tab::Row;

namespace {

struct Edits : ::testing::Test {
    tab::Document doc;
    tab::TabSheet& sheet = doc.sheet;
    std::map<Row, int> changes;

    void SetUp() override {
        sheet.setChangeHandler([this](Row row) { ++changes[row]; });
    }

    // An aligned sheet of the given length, as "Zapiš" leaves it.
    void aligned(std::size_t length) {
        for (Row row : tab::kAlignedRows)
            sheet.setText(row, std::string(length, row == Row::akordy ? ' ' : '-'));
    }

    std::vector<std::size_t> lengths() const {
        std::vector<std::size_t> result;
        for (Row row : tab::kAlignedRows)
            result.push_back(sheet.text(row).size());
        return result;
    }
};

using Lengths = std::vector<std::size_t>;

} // namespace

TEST_F(Edits, BarLinesGoOnTheStringsOnly) {
    tab::barLine(sheet);
    EXPECT_EQ(sheet.text(Row::akordy), "");
    for (Row row : tab::kStringRows)
        EXPECT_EQ(sheet.text(row), "|");
    tab::barLine(sheet);
    tab::emptyColumn(sheet);
    EXPECT_EQ(sheet.text(Row::struna6), "||-");
    EXPECT_EQ(changes.count(Row::akordy), 0u);
    EXPECT_EQ(changes.count(Row::slova), 0u);
}

TEST_F(Edits, BackspaceAfterABarLine) {
    aligned(4);
    tab::barLine(sheet);
    tab::backspace(sheet);
    EXPECT_EQ(lengths(), (Lengths{3, 4, 4, 4, 4, 4, 4}));
    tab::writeColumn(sheet, doc.entry, false);
    EXPECT_EQ(lengths(), (Lengths{5, 5, 5, 5, 5, 5, 5}));
}

TEST_F(Edits, BackspaceOnUnevenAndEmptyRows) {
    sheet.setText(Row::struna2, "abc");
    sheet.setText(Row::akordy, "Am");
    sheet.setText(Row::slova, "la");
    tab::backspace(sheet);
    EXPECT_EQ(sheet.text(Row::struna2), "ab");
    EXPECT_EQ(sheet.text(Row::akordy), "A");
    EXPECT_EQ(sheet.text(Row::struna1), "");
    EXPECT_EQ(sheet.text(Row::slova), "la");
    EXPECT_EQ(changes[Row::struna1], 0);
}

TEST_F(Edits, ClearAllEmptiesTheDocumentInOrder) {
    doc.title.set("Song");
    doc.author.set("Me");
    doc.entry.field(Row::struna4).set("7");
    aligned(9);
    sheet.setText(Row::slova, "text");
    std::vector<Row> order;
    sheet.setChangeHandler([&](Row row) { order.push_back(row); });
    tab::clearDocument(doc);
    EXPECT_EQ(doc.title.text(), "");
    EXPECT_EQ(doc.author.text(), "");
    EXPECT_EQ(doc.entry.field(Row::struna4).text(), "");
    for (std::size_t i = 0; i < tab::kRowCount; ++i)
        EXPECT_EQ(sheet.text(static_cast<Row>(i)), "");
    EXPECT_EQ(order, (std::vector<Row>{Row::slova, Row::akordy, Row::struna1, Row::struna2,
                                       Row::struna3, Row::struna4, Row::struna5, Row::struna6}));
}

TEST_F(Edits, CompletionOfAnEmptySheet) {
    tab::completeTab(sheet);
    EXPECT_EQ(sheet.text(Row::akordy), " ");
    for (Row row : tab::kStringRows)
        EXPECT_EQ(sheet.text(row), "-");
}

TEST_F(Edits, EachCompletionOfAnAlignedSheetAddsOneColumn) {
    aligned(3);
    tab::completeTab(sheet);
    tab::completeTab(sheet);
    EXPECT_EQ(lengths(), (Lengths{5, 5, 5, 5, 5, 5, 5}));
}

TEST_F(Edits, CompletionAfterABarLineLevelsTheChordRow) {
    aligned(3);
    tab::barLine(sheet);
    changes.clear();
    tab::completeTab(sheet);
    EXPECT_EQ(sheet.text(Row::akordy), "     ");
    EXPECT_EQ(sheet.text(Row::struna1), "---|-");
    // One notification per dash added to a string row.
    EXPECT_EQ(changes[Row::struna1], 1);
}

TEST_F(Edits, CompletionAfterTypingInTheChordRow) {
    aligned(2);
    sheet.setText(Row::akordy, "  Emaj7");
    sheet.setText(Row::slova, std::string(40, 'x'));
    changes.clear();
    tab::completeTab(sheet);
    EXPECT_EQ(sheet.text(Row::akordy), "  Emaj7 ");
    EXPECT_EQ(sheet.text(Row::struna3), "--------");
    EXPECT_EQ(changes[Row::struna3], 6);
    EXPECT_EQ(sheet.text(Row::slova).size(), 40u);
}

TEST_F(Edits, CompletionAlwaysPadsTheChordRowWithSpaces) {
    doc.entry.field(Row::akordy).set("P.M.--");
    tab::writeColumn(sheet, doc.entry, false);
    tab::barLine(sheet);
    tab::completeTab(sheet);
    EXPECT_EQ(sheet.text(Row::akordy), "P.M.---  ");
}

TEST_F(Edits, ARiffGoesAfterTheCompletedTabAndLeavesTheLyrics) {
    sheet.setText(Row::akordy, "A");
    sheet.setText(Row::struna1, "0-|");
    sheet.setText(Row::slova, "la");
    tab::appendRiff(sheet, {"D  ", "2--", "3--", "2--", "0--", "---", "---"});
    EXPECT_EQ(sheet.text(Row::akordy), "A   D  ");
    EXPECT_EQ(sheet.text(Row::struna1), "0-|-2--");
    EXPECT_EQ(sheet.text(Row::struna6), "-------");
    EXPECT_EQ(sheet.text(Row::slova), "la");
}

TEST(MarksTest, ShortFormAloneLongFormAppended) {
    tab::EntryColumn entry;
    tab::TextField& mark = entry.field(Row::akordy);
    tab::addMark(entry, tab::kArtificialHarmonic);
    tab::addMark(entry, tab::kArtificialHarmonic);
    EXPECT_EQ(mark.text(), "A.H.(A.H.)");

    mark.set("");
    tab::addMark(entry, tab::kHammerOn);
    tab::addMark(entry, tab::kPullOff);
    tab::addMark(entry, tab::kNaturalHarmonic);
    EXPECT_EQ(mark.text(), "H(L)(Harm)");

    mark.set(" ");
    tab::addMark(entry, tab::kHammerOn);
    EXPECT_EQ(mark.text(), " (H)");
}

TEST(MarksTest, PalmMutingTwiceIsNoLongerPlainPalmMuting) {
    tab::Document doc;
    tab::addMark(doc.entry, tab::kPalmMutingMark);
    tab::addMark(doc.entry, tab::kPalmMutingMark);
    EXPECT_EQ(doc.entry.field(Row::akordy).text(), "P.M.--P.M.--");
    tab::writeColumn(doc.sheet, doc.entry, false);
    EXPECT_EQ(doc.sheet.text(Row::akordy), "P.M.--P.M.-- ");
    for (Row row : tab::kStringRows)
        EXPECT_EQ(doc.sheet.text(row), std::string(13, '-'));
}
