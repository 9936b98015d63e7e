#include "WindowHarness.h"

#include "Row.h"
#include "RowEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

using tab::Row;
using ColumnWritingWindow = WindowHarness;

namespace {

const char* const kEntry[] = {"znacka",        "struna1potvrd", "struna2potvrd", "struna3potvrd",
                              "struna4potvrd", "struna5potvrd", "struna6potvrd"};
const char* const kRows[] = {"akordy",  "struna1", "struna2", "struna3",
                             "struna4", "struna5", "struna6", "slova"};

} // namespace

TEST_F(ColumnWritingWindow, TypedChordIsWrittenAndPadded) {
    const char* frets[] = {"A", "0", "2", "2", "2", "0", "-"};
    for (int i = 0; i < 7; ++i)
        type(kEntry[i], frets[i]);
    click("zapis");
    const char* rows[] = {"A ", "0-", "2-", "2-", "2-", "0-", "--", ""};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(text(kRows[i]), rows[i]) << kRows[i];
    EXPECT_EQ(text("znacka"), "A");

    // The second column of the worked example: only 12 on the high string.
    for (int i = 0; i < 7; ++i)
        retype(kEntry[i], i == 1 ? "12" : "");
    click("zapis");
    const char* after[] = {"A    ", "0-12-", "2----", "2----", "2----", "0----", "-----", ""};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(text(kRows[i]), after[i]) << kRows[i];
}

TEST_F(ColumnWritingWindow, PalmMutingColumnThroughTheWindow) {
    type("znacka", "P.M.--");
    type("struna6potvrd", "0");
    click("zapis");
    EXPECT_EQ(text("akordy"), "P.M.---");
    EXPECT_EQ(text("struna1"), "-------");
    EXPECT_EQ(text("struna6"), "0------");
    EXPECT_EQ(row(Row::akordy), "P.M.---");
}

TEST_F(ColumnWritingWindow, ClearAfterWriteEmptiesTheEntryColumn) {
    find<QCheckBox>("CheckBox2")->click();
    type("znacka", "Em");
    type("struna1potvrd", "0");
    click("zapis");
    EXPECT_EQ(text("akordy"), "Em ");
    for (const char* name : kEntry)
        EXPECT_EQ(text(name), "") << name;
}

TEST_F(ColumnWritingWindow, ResetEmptiesOnlyTheEntryColumn) {
    type("znacka", "A");
    type("struna3potvrd", "5");
    click("zapis");
    type("slova", "la");
    click("Reset");
    for (const char* name : kEntry)
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("akordy"), "A ");
    EXPECT_EQ(text("struna3"), "5-");
    EXPECT_EQ(text("slova"), "la");
    EXPECT_FALSE(find<QCheckBox>("CheckBox2")->isChecked());
}

TEST_F(ColumnWritingWindow, TypingInARowReachesTheModelAndZapisAlignsIt) {
    type("struna3", "0123456789");
    type("akordy", "Em");
    EXPECT_EQ(row(Row::struna3), "0123456789");
    click("zapis");
    EXPECT_EQ(text("struna3"), "0123456789-");
    EXPECT_EQ(text("akordy"), "Em         ");
    EXPECT_EQ(text("struna6"), "-----------");
}

TEST_F(ColumnWritingWindow, AnUnchangedFieldKeepsItsCaret) {
    type("slova", "la la la");
    auto* lyrics = find<RowEdit>("slova");
    lyrics->setCursorPosition(3);
    type("struna1potvrd", "7");
    click("zapis");
    EXPECT_EQ(lyrics->cursorPosition(), 3);
    EXPECT_EQ(text("struna1"), "7-");
}

TEST_F(ColumnWritingWindow, CzechLettersAreStoredAsWindows1250) {
    type("slova", QString::fromUtf8("žluťoučký"));
    EXPECT_EQ(row(Row::slova), "\x9elu\x9dou\xe8k\xfd");
}

TEST_F(ColumnWritingWindow, CharactersWithoutAWindows1250ByteAreRefused) {
    type("struna1", QString::fromUtf8("1Ω2"));
    EXPECT_EQ(text("struna1"), "12");
    paste("slova", QString::fromUtf8("ahoj Ω"));
    EXPECT_EQ(text("slova"), "");
    EXPECT_EQ(row(Row::slova), "");
    paste("slova", QString::fromUtf8("ahoj €"));
    EXPECT_EQ(row(Row::slova), "ahoj \x80");
}

TEST_F(ColumnWritingWindow, RowsHoldMoreThanALineEditUsuallyTakes) {
    const QString longFret(40000, '5');
    paste("struna2potvrd", longFret);
    EXPECT_EQ(text("struna2potvrd").size(), 40000);
    click("zapis");
    EXPECT_EQ(row(Row::struna2).size(), 40001u);
    EXPECT_EQ(text("struna2").size(), 40001);
    EXPECT_EQ(text("akordy").size(), 40001);
}

TEST_F(ColumnWritingWindow, TitlePromptClearsOnEntryOnlyWhileExact) {
    auto* title = find("Edit1");
    title->setFocus();
    EXPECT_EQ(text("Edit1"), "");
    EXPECT_EQ(form->document().title.text(), "");
    type("Edit1", "Song");
    find<QLineEdit>("znacka")->setFocus();
    title->setFocus();
    EXPECT_EQ(text("Edit1"), "Song");

    // Typing the prompt back exactly makes it a prompt again; one space less does not.
    const QString prompt = QString(18, ' ') + QString::fromUtf8("----- Název tabulatury -----");
    retype("Edit1", prompt);
    find<QLineEdit>("znacka")->setFocus();
    title->setFocus();
    EXPECT_EQ(text("Edit1"), "");

    retype("Edit1", prompt.mid(1));
    find<QLineEdit>("znacka")->setFocus();
    title->setFocus();
    EXPECT_EQ(text("Edit1"), prompt.mid(1));
}

TEST_F(ColumnWritingWindow, AuthorPromptClearsOnEntry) {
    find("Edit4")->setFocus();
    EXPECT_EQ(text("Edit4"), "");
    EXPECT_EQ(form->document().author.text(), "");
}

TEST_F(ColumnWritingWindow, KonecClosesTheWindowAtOnce) {
    type("struna1potvrd", "3");
    click("zapis");
    trigger("KONEC1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(ColumnWritingWindow, PastedLineBreaksBecomeSpacesSoTheFileKeepsItsLines) {
    paste("slova", "first line\r\nsecond\nthird\rend");
    paste("znacka", "A\nB");
    paste("Edit4", "Jan\r\nNov\xc3\xa1k");
    EXPECT_EQ(row(Row::slova), "first line second third end");
    EXPECT_EQ(form->document().entry.field(Row::akordy).text(), "A B");
    EXPECT_EQ(text("znacka"), "A B");
    EXPECT_EQ(form->document().author.text(), "Jan Nov\xe1k");
}

TEST_F(ColumnWritingWindow, ComingBackToTheWindowIsNoEntryIntoTheTitle) {
    auto* title = find("Edit1");
    title->setFocus();
    retype("Edit1", QString(18, ' ') + QString::fromUtf8("----- Název tabulatury -----"));
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(title, &back);
    QFocusEvent menuClosed(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(title, &menuClosed);
    EXPECT_EQ(text("Edit1").size(), 46);
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(title, &tabbedIn);
    EXPECT_EQ(text("Edit1"), "");
}
