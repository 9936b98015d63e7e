#include "History.h"
#include "Chords.h"
#include "ColumnWriter.h"
#include "Marks.h"
#include "StructuralEdits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using tab::Row;

namespace {

struct Undo : ::testing::Test {
    tab::Document doc;
    tab::History history{doc};
    std::vector<Row> notified;

    void SetUp() override {
        doc.sheet.setChangeHandler([this](Row row) { notified.push_back(row); });
    }

    template <class Work> void step(const char* label, Work work) {
        history.begin(label);
        work();
        history.commit();
    }

    void type(const tab::TextField& field, std::string_view label, std::string_view text) {
        history.typing(field, label);
        tab::writeDocumentText(doc, tab::documentTextNumber(doc, field), 0, text);
    }
};

} // namespace

TEST_F(Undo, AStepHoldsOnlyWhatItsWritesChanged) {
    doc.sheet.setText(Row::struna2, std::string(5000, '-'));
    std::size_t before = history.heldBytes();
    step("Doplnění", [&] { tab::completeTab(doc.sheet); });
    // Six rows padded by 5001 bytes and one by a single byte, in over 30,000 writes.
    EXPECT_LT(history.heldBytes() - before, 6 * 5001 + 1024);

    // A whole row written anew for one typed character keeps that character.
    std::string row = doc.sheet.text(Row::struna1);
    row[2500] = '7';
    before = history.heldBytes();
    type(doc.sheet.field(Row::struna1), "Psaní", row);
    history.commit();
    EXPECT_LT(history.heldBytes() - before, 200u);
    history.undo();
    EXPECT_EQ(doc.sheet.text(Row::struna1), std::string(5001, '-'));
}

TEST_F(Undo, ABurstOfTypingIsOneStepUntilItEnds) {
    for (const char* typed : {"S", "So", "Son", "Song"})
        type(doc.title, "Název", typed);
    history.commit(); // the caret jumped
    type(doc.title, "Název", "Song!");
    type(doc.author, "Autor", "Me");
    history.begin("Zapiš");
    type(doc.author, "Autor", "Me2");
    EXPECT_THROW(history.typing(tab::Document().title, "Cizí"), std::invalid_argument);

    const std::vector<std::pair<std::string, std::string>> back{
        {"Song!", "Me"}, {"Song!", ""}, {"Song", ""}, {"", ""}};
    for (const auto& [title, author] : back) {
        history.undo();
        EXPECT_EQ(doc.title.text(), title);
        EXPECT_EQ(doc.author.text(), author);
    }
    EXPECT_FALSE(history.canUndo());
}

TEST_F(Undo, StepsThatEndAsTheyBeganLeaveNoTrace) {
    doc.entry.field(Row::struna1).set("1");
    const std::size_t held = history.heldBytes();
    step("Zapiš", [] {});
    step("Značka", [&] {
        tab::addMark(doc.entry, tab::kPullOff);
        doc.entry.field(Row::akordy).set({});
    });
    // Typed on and deleted back, then deleted and typed again.
    for (const char* typed : {"12", "1", "", "1"})
        type(doc.entry.field(Row::struna1), "Psaní", typed);
    history.commit();
    EXPECT_EQ(history.heldBytes(), held);
    history.undo();
    EXPECT_FALSE(history.canUndo());
}

TEST_F(Undo, ANewChangeDropsWhatCouldBeRedone) {
    step("Takt", [&] { tab::barLine(doc.sheet); });
    step("Takt", [&] { tab::barLine(doc.sheet); });
    history.undo();
    step("Nic", [] {});
    EXPECT_EQ(history.redoLabel(), "Takt");
    step("Sloupec", [&] { tab::emptyColumn(doc.sheet); });
    EXPECT_FALSE(history.canRedo());
    history.redo();
    EXPECT_EQ(doc.sheet.text(Row::struna1), "|-");
    history.undo();
    history.undo();
    history.undo();
    EXPECT_EQ(doc.sheet.text(Row::struna1), "");
}

TEST_F(Undo, RowHandlersRunWhileUndoIsNotRecorded) {
    tab::fillEntry(doc.entry, tab::chordTable()[0], false);
    step("Zapiš", [&] { tab::writeColumn(doc.sheet, doc.entry, false); });
    const std::vector<Row> aligned(tab::kAlignedRows.begin(), tab::kAlignedRows.end());
    notified.clear();
    history.undo();
    EXPECT_EQ(notified, std::vector<Row>(aligned.rbegin(), aligned.rend()));
    EXPECT_TRUE(history.canRedo());
    EXPECT_EQ(history.undoLabel(), "");
    notified.clear();
    history.redo();
    EXPECT_EQ(notified, aligned);
}

TEST(UndoLimit, TheOldestStepsGoFirst) {
    tab::Document doc;
    tab::History history(doc, 2000);
    for (int i = 0; i < 50; ++i) {
        history.begin("Psaní");
        doc.sheet.appendToRow(Row::slova, std::string(100, 'a'));
        history.commit();
        ASSERT_LE(history.heldBytes(), 2000u);
    }
    std::size_t undone = 0;
    for (; history.canUndo(); ++undone)
        history.undo();
    EXPECT_GT(undone, 5u);
    EXPECT_EQ(doc.sheet.text(Row::slova).size(), 100 * (50 - undone));

    history.begin("Nahrát");
    doc.sheet.setText(Row::slova, std::string(3000, 'b'));
    doc.title.set("too much to keep");
    history.commit();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(doc.title.text(), "too much to keep");
    doc.author.set("kept again");
    history.undo();
    EXPECT_EQ(doc.author.text(), "");
    EXPECT_EQ(doc.sheet.text(Row::slova), std::string(3000, 'b'));
}
