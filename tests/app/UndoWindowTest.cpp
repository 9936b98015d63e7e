#include "WindowHarness.h"

#include "FileBytes.h"
#include "TabFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

class Undo : public WindowHarness {
protected:
    // Every text the history covers, as the window shows it, and the caption.
    QStringList state() const {
        QStringList all = texts();
        for (const char* name : {"znacka", "struna1potvrd", "struna2potvrd", "struna3potvrd",
                                 "struna4potvrd", "struna5potvrd", "struna6potvrd"})
            all << text(name);
        return all << form->windowTitle();
    }
    void undo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }
    void redo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier); }
    QString undoText() const { return find<QAction>("Zpt1")->text(); }
    bool canUndo() const { return find<QAction>("Zpt1")->isEnabled(); }
    bool canRedo() const { return find<QAction>("Znovu1")->isEnabled(); }
};

TEST_F(Undo, AWholeSessionGoesBackStepByStepAndForwardAgain) {
    io::TabDocument file;
    file.title = "Nahraná";
    file.rows = {"G ", "3-", "0-", "0-", "0-", "2-", "3-", "hej"};
    const QString tab = dir.filePath("g.tab");
    writeBytes(tab, io::writeTabFile(file));

    find("zapis")->setFocus();
    EXPECT_FALSE(canUndo()) << "nothing to undo right after start";
    undo();
    std::vector<QStringList> states{state()};
    const std::vector<std::function<void()>> session{
        [&] { click("Button7"); },
        [&] { click("zapis"); },
        [&] { click("znacka1"); },
        [&] { click("zapis"); },
        [&] { click("takt"); },
        [&] { click("sloupec"); },
        [&] { click("Button39"); },
        [&] { type("slova", u("la lá")); },
        [&] { type("Edit1", "Song"); },
        [&] { click("Button38"); },
        [&] { click("Reset"); },
        [&] {
            QApplication::clipboard()->setText("  D\ne|2\nB|3\nG|2\nD|0\nA|-\nE|-\n");
            trigger("Vloittabzeschrnky1");
        },
        [&] {
            dialogs->openAnswers.push_back(tab);
            trigger("Nahrt1");
        },
        [&] { click("Button4"); },
    };
    for (const auto& gesture : session) {
        gesture();
        states.push_back(state());
    }
    EXPECT_EQ(undoText(), u("Zpět: Vymazat vše"));

    find("zapis")->setFocus();
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        undo();
        EXPECT_EQ(state(), states[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(canUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        redo();
        EXPECT_EQ(state(), states[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(canRedo());
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(Undo, TypingIsOneStepPerBurst) {
    type("struna1", "12");
    // The caret moved by an arrow: what is typed next is a burst of its own.
    QTest::keyClick(find("struna1"), Qt::Key_Left);
    type("struna1", "34");
    QTest::keyClick(find("struna1"), Qt::Key_Backspace);
    type("znacka", "Am"); // a line edit, typed into key by key
    EXPECT_EQ(undoText(), u("Zpět: psaní"));

    find("zapis")->setFocus();
    undo();
    EXPECT_EQ(text("znacka"), "");
    undo();
    EXPECT_EQ(text("struna1"), "12");
    undo();
    EXPECT_EQ(text("struna1"), "");

    // Entering the title clears its prompt; the prompt and what is typed after it go together.
    const QString prompt = text("Edit1");
    type("Edit1", "Song");
    undo();
    EXPECT_EQ(text("Edit1"), prompt);
    // Entered again with the caret left further in: the cleared prompt still goes with the typing.
    find("zapis")->setFocus();
    type("Edit1", "X");
    undo();
    EXPECT_EQ(text("Edit1"), prompt);

    // A button ends a burst too, and a new change drops what could be redone.
    type("znacka", "Am");
    click("Button7");
    undo();
    EXPECT_EQ(text("znacka"), "Am");
    type("struna6potvrd", "3");
    EXPECT_FALSE(canRedo());
}

TEST_F(Undo, TheEntryFieldsUndoTheDocumentNotThemselves) {
    click("Button7");
    type("struna1potvrd", "5");
    auto* field = find<QLineEdit>("struna1potvrd");
    // Ctrl+Z in the field undoes the last step of the document: the typing, then the chord.
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("struna1potvrd"), "0");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("struna1potvrd"), "");
    EXPECT_EQ(text("znacka"), "");
    // With nothing left to undo, the field's own history does not step in either.
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("znacka"), "");
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text("znacka"), "A");

    emit field->customContextMenuRequested(QPoint(2, 2));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(find<QAction>("Zpt1")));
    EXPECT_TRUE(menu->actions().contains(find<QAction>("Znovu1")));
    menu->close();
}

TEST_F(Undo, WorksWhileTheRowsAreLocked) {
    click("Button7");
    click("zapis");
    click("Button41");
    focusEnd("struna1");
    undo();
    EXPECT_EQ(text("struna1"), "");
    redo();
    EXPECT_EQ(text("struna1"), "0-");
    EXPECT_EQ(text("Button41"), "Odemknout") << "the lock is no part of the history";
}

TEST_F(Undo, ClearAllAndLoadComeBackWhole) {
    retype("Edit4", "Autor");
    click("Button7");
    click("zapis");
    type("slova", "la");
    click("Button9");
    const QStringList before = state();
    click("Button4");
    trigger("Zpt1");
    EXPECT_EQ(state(), before);

    io::TabDocument file;
    file.title = "Jiná";
    const QString tab = dir.filePath("other.tab");
    writeBytes(tab, io::writeTabFile(file));
    dialogs->openAnswers.push_back(tab);
    trigger("Nahrt1");
    ASSERT_EQ(form->windowTitle(), captionNaming(tab));
    trigger("Zpt1");
    EXPECT_EQ(state(), before);
    EXPECT_EQ(form->windowTitle(), captionNaming());
}

TEST_F(Undo, TheHistoryNeverHoldsMoreThanSixtyFourMegabytes) {
    const std::size_t limit = 64 * 1024 * 1024;
    const QString lyrics(1024 * 1024, u'l');
    // Each round holds a megabyte typed in and the same megabyte cleared away.
    for (int round = 0; round < 40; ++round) {
        paste("slova", lyrics);
        click("Button4");
        ASSERT_LE(form->historyBytes(), limit);
    }
    EXPECT_GT(form->historyBytes(), limit / 2);
    while (canUndo())
        trigger("Zpt1");
    EXPECT_EQ(text("slova").size(), lyrics.size()) << "the first rounds are gone";
}
