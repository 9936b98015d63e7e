#include "RowEdit.h"

#include "Cp1250.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPicture>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QFont rowFont() {
    return QFont(QStringLiteral("Monospace"), 10);
}

// Czech letters come as key events carrying text, as a keyboard layout or a compose sequence
// delivers them; QTest's keyClicks knows only ASCII keys.
void keyText(QWidget* widget, const QString& text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

void commit(QWidget* widget, const QString& text, int replaceFrom = 0, int replaceLength = 0) {
    QInputMethodEvent event;
    event.setCommitString(text, replaceFrom, replaceLength);
    QApplication::sendEvent(widget, &event);
}

void compose(QWidget* widget, const QString& preedit) {
    QInputMethodEvent event(preedit, {});
    QApplication::sendEvent(widget, &event);
}

// Whether anything but the background shows in the columns [left, right) of the text line.
bool inked(const QImage& image, const QColor& background, int left, int right, int top,
           int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = std::max(0, left); x < std::min(right, image.width()); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                120)
                return true;
        }
    return false;
}

} // namespace

class RowEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.setObjectName(QStringLiteral("struna1"));
        edit.setFont(rowFont());
        edit.resize(400, edit.sizeHint().height());
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
        edit.activateWindow();
        edit.setFocus();
    }

    // A point on the boundary before a position, and one inside the character at an index.
    QPoint boundary(int position) const {
        const QRect cell = edit.characterRect(position);
        return {cell.left(), cell.center().y()};
    }
    QPoint inside(int index) const { return edit.characterRect(index).center(); }

    void click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(&edit, Qt::LeftButton, modifiers, at);
    }

    RowEdit edit;
    QSignalSpy edited{&edit, &RowEdit::textEdited};
    QSignalSpy changed{&edit, &RowEdit::textChanged};
};

// Typing and deleting.

class RowEditTyping : public RowEditTest {};

TEST_F(RowEditTyping, TypesAtTheCaretAndInTheMiddle) {
    QTest::keyClicks(&edit, "--5-");
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(edit.text(), "--75-");
    EXPECT_EQ(edit.cursorPosition(), 3);
    EXPECT_EQ(edited.size(), 5);
    EXPECT_EQ(edited.last().at(0).toString(), "--75-");
}

TEST_F(RowEditTyping, BackspaceAndDeleteRemoveBesideTheCaret) {
    edit.setText("abcd");
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "acd");
    EXPECT_EQ(edit.cursorPosition(), 1);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "ad");
    EXPECT_EQ(edited.size(), 2);

    edit.home(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "ad");
    EXPECT_EQ(edited.size(), 2);
}

TEST_F(RowEditTyping, BackspaceAndDeleteRemoveTheSelection) {
    edit.setText("abcdef");
    edit.setSelection(1, 2);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "adef");
    edit.setSelection(3, -2);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "af");
    EXPECT_EQ(edit.cursorPosition(), 1);
}

TEST_F(RowEditTyping, ComposedLettersArriveAsKeyText) {
    keyText(&edit, u("ž"));
    // A dead key carries no text of its own; the composed letter follows as key text.
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Dead_Caron, QString(), Qt::NoModifier);
    keyText(&edit, u("č"));
    EXPECT_EQ(edit.text(), u("žč"));
    EXPECT_EQ(edited.size(), 2);
}

TEST_F(RowEditTyping, ShortcutsEnterAndTabAreNotTyped) {
    edit.setText("ab");
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(edit.text(), "ab");

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&edit, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_EQ(edited.size(), 0);
}

TEST_F(RowEditTyping, CtrlArrowsStepOverRunsOfLikeCharacters) {
    edit.setText("--3--12 ab");
    edit.home(false);
    std::vector<int> stops;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&edit, Qt::Key_Right, Qt::ControlModifier);
        stops.push_back(edit.cursorPosition());
    }
    EXPECT_EQ(stops, (std::vector<int>{2, 3, 5, 8, 10, 10}));
    stops.clear();
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&edit, Qt::Key_Left, Qt::ControlModifier);
        stops.push_back(edit.cursorPosition());
    }
    EXPECT_EQ(stops, (std::vector<int>{8, 5, 3, 2, 0, 0}));

    edit.setCursorPosition(7);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "12");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "--3--12 ");
}

TEST_F(RowEditTyping, WindowShortcutsDoNotTakeTheRowsKeys) {
    QAction action;
    action.setShortcut(QKeySequence(Qt::Key_Delete));
    action.setShortcutContext(Qt::ApplicationShortcut);
    edit.addAction(&action);
    QSignalSpy triggered(&action, &QAction::triggered);
    edit.setText("abc");
    edit.home(false);

    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "bc");
    EXPECT_EQ(triggered.size(), 0);

    // A locked row has no use for Delete, so the window gets it.
    edit.setReadOnly(true);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "bc");
    EXPECT_EQ(triggered.size(), 1);
}

TEST(RowEditFocus, TabMovesOnAndSelectsTheNextRow) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new RowEdit;
    auto* second = new RowEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    second->setText("--3--");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(first->text(), "");
    EXPECT_EQ(second->selectedText(), "--3--");

    // Leaving for another control drops the selection.
    QTest::keyClick(second, Qt::Key_Backtab);
    EXPECT_TRUE(first->hasFocus());
    EXPECT_FALSE(second->hasSelectedText());
}

// Selecting by keyboard and mouse.

class RowEditSelection : public RowEditTest {};

TEST_F(RowEditSelection, ShiftExtendsAndPlainArrowsCollapse) {
    edit.setText("abcdef");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "ef");
    EXPECT_EQ(edit.selectionStart(), 4);

    QTest::keyClick(&edit, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "abcdef");
    EXPECT_EQ(edit.cursorPosition(), 0);

    edit.setSelection(2, 2);
    QTest::keyClick(&edit, Qt::Key_Left);
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(edit.cursorPosition(), 2);
    edit.setSelection(2, 2);
    QTest::keyClick(&edit, Qt::Key_Right);
    EXPECT_EQ(edit.cursorPosition(), 4);
    EXPECT_EQ(edit.selectionStart(), -1);

    QTest::keyClick(&edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "ef");
}

TEST_F(RowEditSelection, SelectAllThenTypingReplacesEverything) {
    edit.setText("--3--5--");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), "--3--5--");
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "x");
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.first().at(0).toString(), "x");
}

TEST_F(RowEditSelection, ClickPlacesTheCaretAtTheNearestBoundary) {
    edit.setText("abcdef");
    click(inside(2) - QPoint(2, 0));
    EXPECT_EQ(edit.cursorPosition(), 2);
    click(inside(2) + QPoint(2, 0));
    EXPECT_EQ(edit.cursorPosition(), 3);
    click(QPoint(edit.width() - 5, inside(0).y()));
    EXPECT_EQ(edit.cursorPosition(), 6);
}

TEST_F(RowEditSelection, DraggingSelectsAndShiftClickExtends) {
    edit.setText("abcdefgh");
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, boundary(1));
    QTest::mouseMove(&edit, boundary(4));
    QTest::mouseRelease(&edit, Qt::LeftButton, Qt::NoModifier, boundary(4));
    EXPECT_EQ(edit.selectedText(), "bcd");
    EXPECT_EQ(edit.cursorPosition(), 4);

    click(boundary(6), Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "bcdef");
    click(boundary(3));
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(edited.size(), 0);
}

TEST_F(RowEditSelection, DoubleClickSelectsTheWordUnderThePointer) {
    edit.setText("--3--12 ab");
    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, inside(6));
    EXPECT_EQ(edit.selectedText(), "12");
    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, inside(4));
    EXPECT_EQ(edit.selectedText(), "--");
    EXPECT_EQ(edit.selectionStart(), 3);
    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier,
                       QPoint(edit.width() - 5, inside(0).y()));
    EXPECT_EQ(edit.selectedText(), "ab");
}

// The clipboard.

class RowEditClipboard : public RowEditTest {
protected:
    QClipboard* clipboard() const { return QApplication::clipboard(); }
};

TEST_F(RowEditClipboard, CopyCutAndPasteWithEitherSetOfKeys) {
    edit.setText("--3--5--");
    edit.setSelection(2, 1);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "3");
    EXPECT_EQ(edit.text(), "--3--5--");

    edit.setSelection(5, 1);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "5");

    edit.setSelection(0, 2);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "--");
    EXPECT_EQ(edit.text(), "3--5--");

    edit.setSelection(1, 2);
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(clipboard()->text(), "--");
    EXPECT_EQ(edit.text(), "35--");

    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "3--5--");
    clipboard()->setText(u("ř"));
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), u("3--5--ř"));
    EXPECT_EQ(edited.size(), 4);
}

TEST_F(RowEditClipboard, PastingReplacesTheSelection) {
    edit.setText("abcd");
    clipboard()->setText("XY");
    edit.setSelection(1, 2);
    edit.paste();
    EXPECT_EQ(edit.text(), "aXYd");
    EXPECT_EQ(edit.cursorPosition(), 3);
}

// The context menu.

class RowEditMenu : public RowEditTest {
protected:
    // The items' labels without their mnemonics and keys, with whether each is enabled.
    static QStringList items(QMenu* menu) {
        QStringList shown;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                shown << action->text().section(u'\t', 0, 0).remove(u'&') +
                             (action->isEnabled() ? "" : " -");
        return shown;
    }
};

TEST_F(RowEditMenu, OffersWhatTheSelectionAndTheLockAllow) {
    edit.setText("--3--");
    QApplication::clipboard()->setText("7");
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(items(menu.get()), QStringList({u("Vyjmout -"), u("Kopírovat -"), u("Vložit"),
                                              u("Odstranit -"), u("Vybrat vše")}));

    edit.setSelection(2, 1);
    menu.reset(edit.createStandardContextMenu());
    EXPECT_EQ(items(menu.get()), QStringList({u("Vyjmout"), u("Kopírovat"), u("Vložit"),
                                              u("Odstranit"), u("Vybrat vše")}));

    edit.setReadOnly(true);
    edit.selectAll();
    menu.reset(edit.createStandardContextMenu());
    EXPECT_EQ(items(menu.get()), QStringList({u("Vyjmout -"), u("Kopírovat"), u("Vložit -"),
                                              u("Odstranit -"), u("Vybrat vše -")}));
}

TEST_F(RowEditMenu, ItemsEditAsTheKeysDo) {
    edit.setText("--3--");
    edit.setSelection(2, 1);
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    menu->actions().at(0)->trigger();
    EXPECT_EQ(edit.text(), "----");
    EXPECT_EQ(QApplication::clipboard()->text(), "3");
    // Opened again, as a user would: paste is offered once the clipboard holds something.
    menu.reset(edit.createStandardContextMenu());
    menu->actions().at(2)->trigger();
    EXPECT_EQ(edit.text(), "--3--");
    EXPECT_EQ(edited.size(), 2);
}

TEST_F(RowEditMenu, TheCallersUndoAndRedoHeadIt) {
    QAction undo(QStringLiteral("Zpět: psaní"));
    QAction redo(QStringLiteral("Znovu"));
    redo.setEnabled(false);
    edit.setHistoryActions(&undo, &redo);
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(items(menu.get()).mid(0, 3),
              QStringList({u("Zpět: psaní"), u("Znovu -"), u("Vyjmout -")}));
}

TEST_F(RowEditMenu, TheRightButtonOpensIt) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside(0), edit.mapToGlobal(inside(0)));
    QApplication::sendEvent(&edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().size(), 6);
    menu->close();
}

// A locked row.

class RowEditReadOnly : public RowEditTest {};

TEST_F(RowEditReadOnly, NothingChangesTheText) {
    edit.setText("--3--");
    edit.setReadOnly(true);
    edit.end(false);
    QApplication::clipboard()->setText("7");
    changed.clear();

    QKeyEvent typed(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(&edit, &typed);
    EXPECT_FALSE(typed.isAccepted());
    keyText(&edit, u("č"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    edit.paste();
    edit.insert("7");
    edit.home(false);
    QTest::keyClick(&edit, Qt::Key_Delete);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    edit.cut();

    EXPECT_EQ(edit.text(), "--3--");
    EXPECT_EQ(edited.size(), 0);
    EXPECT_EQ(changed.size(), 0);
    EXPECT_EQ(QApplication::clipboard()->text(), "7");
}

TEST_F(RowEditReadOnly, SelectionAndCopyStillWork) {
    edit.setText("--3--");
    edit.setReadOnly(true);
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "3");
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "3");
    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, inside(0));
    EXPECT_EQ(edit.selectedText(), "--");

    edit.setReadOnly(false);
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(edit.text(), "73--");
}

// The filter for what the document cannot store.

class RowEditFilter : public RowEditTest {
protected:
    void SetUp() override {
        RowEditTest::SetUp();
        edit.setInsertFilter([this](const QString& piece) {
            asked.push_back(piece);
            return cp1250::representable(piece);
        });
    }
    QStringList asked;
};

TEST_F(RowEditFilter, RefusesATypedCharacterAndAPastedTextWhole) {
    edit.setText("ab");
    edit.end(false);
    keyText(&edit, u("Ω"));
    EXPECT_EQ(edit.text(), "ab");
    QApplication::clipboard()->setText(u("cd Ω"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_EQ(edited.size(), 0);

    keyText(&edit, u("ř"));
    QApplication::clipboard()->setText(u("€"));
    edit.paste();
    EXPECT_EQ(edit.text(), u("abř€"));
    // Only the inserted piece is asked about, never the whole row.
    EXPECT_EQ(asked, QStringList({u("Ω"), u("cd Ω"), u("ř"), u("€")}));
}

TEST_F(RowEditFilter, DeletingNeedsNoPermission) {
    edit.setText("abc");
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    edit.selectAll();
    edit.insert({});
    EXPECT_EQ(edit.text(), "");
    EXPECT_TRUE(asked.isEmpty());
}

// Which signals say what.

class RowEditSignals : public RowEditTest {};

TEST_F(RowEditSignals, SetTextTellsOnlyOfTheChangeAndKeepsTheCaret) {
    edit.setText("--3--5--");
    edit.setSelection(2, 2);
    edit.setText("--7--5--");
    EXPECT_EQ(edit.cursorPosition(), 4);
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(changed.last().at(0).toString(), "--7--5--");
    EXPECT_EQ(edited.size(), 0);

    edit.setText("--7--5--");
    EXPECT_EQ(changed.size(), 2);

    QSignalSpy moved(&edit, &RowEdit::cursorPositionChanged);
    edit.setText("--");
    EXPECT_EQ(edit.cursorPosition(), 2);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.first(), QVariantList({4, 2}));
    edit.clear();
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(edit.cursorPosition(), 0);
    EXPECT_EQ(edited.size(), 0);
}

TEST_F(RowEditSignals, AnEditTellsTextEditedBeforeTextChangedThenTheCaret) {
    QStringList order;
    QObject::connect(&edit, &RowEdit::textEdited,
                     [&](const QString& t) { order << "edited " + t; });
    QObject::connect(&edit, &RowEdit::textChanged,
                     [&](const QString& t) { order << "changed " + t; });
    QObject::connect(&edit, &RowEdit::cursorPositionChanged, [&](int from, int to) {
        order << QStringLiteral("caret %1 %2").arg(from).arg(to);
    });
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(order, QStringList({"edited 7", "changed 7", "caret 0 1"}));
}

TEST_F(RowEditSignals, AReceiverMaySetTheTextAgain) {
    // The window may rewrite a row while it handles the user's edit of it.
    QObject::connect(&edit, &RowEdit::textEdited, [this](const QString& t) {
        if (t == "ab")
            edit.setText("ab-");
    });
    QTest::keyClicks(&edit, "ab");
    EXPECT_EQ(edit.text(), "ab-");
    EXPECT_EQ(changed.last().at(0).toString(), "ab-");
    QTest::keyClicks(&edit, "c");
    EXPECT_EQ(edit.text(), "abc-");
}

TEST_F(RowEditSignals, TheTextIsTheUserProperty) {
    edit.setProperty("text", QStringLiteral("--3--"));
    EXPECT_EQ(edit.text(), "--3--");
    EXPECT_EQ(edit.property("text").toString(), "--3--");
    EXPECT_STREQ(edit.metaObject()->userProperty().name(), "text");
    edit.setProperty("readOnly", true);
    EXPECT_TRUE(edit.isReadOnly());
    edit.setProperty("cursorPosition", 2);
    EXPECT_EQ(edit.cursorPosition(), 2);
    EXPECT_EQ(changed.size(), 1);
}

// Input methods.

class RowEditInputMethod : public RowEditTest {};

TEST_F(RowEditInputMethod, ACommitIsTypedThroughTheFilter) {
    edit.setInsertFilter(cp1250::representable);
    edit.setText("ab");
    edit.end(false);
    compose(&edit, u("ˇ"));
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_EQ(changed.size(), 1);
    commit(&edit, u("č"));
    EXPECT_EQ(edit.text(), u("abč"));
    EXPECT_EQ(edit.cursorPosition(), 3);
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.first().at(0).toString(), u("abč"));

    commit(&edit, u("Ω"));
    EXPECT_EQ(edit.text(), u("abč"));
    EXPECT_EQ(edited.size(), 1);
}

TEST_F(RowEditInputMethod, ACommitMayReplaceTextBeforeTheCaret) {
    edit.setText("abc");
    edit.end(false);
    commit(&edit, u("č"), -1, 1);
    EXPECT_EQ(edit.text(), u("abč"));
    edit.setSelection(0, 2);
    commit(&edit, "X");
    EXPECT_EQ(edit.text(), u("Xč"));
}

TEST_F(RowEditInputMethod, ALockedRowRefusesCommitsAndTurnsTheInputMethodOff) {
    edit.setText("ab");
    edit.setReadOnly(true);
    EXPECT_FALSE(edit.inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_TRUE(edit.inputMethodQuery(Qt::ImReadOnly).toBool());
    EXPECT_FALSE(edit.testAttribute(Qt::WA_InputMethodEnabled));
    commit(&edit, "X");
    EXPECT_EQ(edit.text(), "ab");
    EXPECT_EQ(edited.size(), 0);
    edit.setReadOnly(false);
    EXPECT_TRUE(edit.inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(RowEditInputMethod, QueriesSeeOnlyTheTextNearTheCaret) {
    QString row(200000, u'-');
    row[100000] = u'7';
    edit.setText(row);
    edit.setSelection(99990, 11);
    const QString around = edit.inputMethodQuery(Qt::ImSurroundingText).toString();
    const int caret = edit.inputMethodQuery(Qt::ImCursorPosition).toInt();
    const int anchor = edit.inputMethodQuery(Qt::ImAnchorPosition).toInt();
    EXPECT_LE(around.size(), 1024);
    EXPECT_EQ(around.mid(anchor, caret - anchor), row.mid(99990, 11));
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImCurrentSelection).toString(), row.mid(99990, 11));

    edit.selectAll();
    const QString all = edit.inputMethodQuery(Qt::ImSurroundingText).toString();
    EXPECT_LE(all.size(), 1024);
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImCursorPosition).toInt(), all.size());
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImAnchorPosition).toInt(), 0);
    EXPECT_GE(edit.inputMethodQuery(Qt::ImMaximumTextLength).toInt(), 200000);
}

TEST_F(RowEditInputMethod, QueriesTellTheCaretFontAndHints) {
    edit.setText("abcd");
    edit.setCursorPosition(2);
    edit.setInputMethodHints(Qt::ImhNoPredictiveText);
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImFont).value<QFont>(), edit.font());
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImHints).toInt(), int(Qt::ImhNoPredictiveText));
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x(), edit.characterRect(2).x());
}

TEST_F(RowEditInputMethod, ThePreeditIsShownAtTheCaretButNotStored) {
    edit.setText(QString(6, u' '));
    edit.setCursorPosition(2);
    const QColor base = edit.palette().color(QPalette::Base);
    // Inside the cell, clear of the caret at its left edge.
    const QRect cell = edit.characterRect(2).adjusted(2, 0, 0, 0);
    const int nextCell = edit.characterRect(3).x();
    compose(&edit, "W");
    const QImage shot = edit.grab().toImage();
    EXPECT_TRUE(inked(shot, base, cell.left(), cell.right(), cell.top(), cell.bottom() - 2));
    EXPECT_EQ(edit.text(), QString(6, u' '));
    EXPECT_EQ(edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x(), nextCell);

    compose(&edit, {});
    const QImage cleared = edit.grab().toImage();
    EXPECT_FALSE(inked(cleared, base, cell.left(), cell.right(), cell.top(), cell.bottom()));
}

// Assistive technology.

class RowEditAccessibility : public RowEditTest {
protected:
    QAccessibleInterface* accessible() { return QAccessible::queryAccessibleInterface(&edit); }
};

TEST_F(RowEditAccessibility, NameRoleValueAndLock) {
    edit.setText("--3--");
    QAccessibleInterface* row = accessible();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->role(), QAccessible::EditableText);
    EXPECT_EQ(row->text(QAccessible::Name), "struna1");
    edit.setAccessibleName(u("Struna e"));
    EXPECT_EQ(row->text(QAccessible::Name), u("Struna e"));
    EXPECT_EQ(row->text(QAccessible::Value), "--3--");
    EXPECT_FALSE(row->state().readOnly);
    EXPECT_TRUE(row->state().editable);
    edit.setReadOnly(true);
    EXPECT_TRUE(row->state().readOnly);
    EXPECT_FALSE(row->state().editable);
}

TEST_F(RowEditAccessibility, TextCaretAndSelectionComeFromTheRow) {
    edit.setText("--3--5--");
    QAccessibleTextInterface* text = accessible()->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 8);
    EXPECT_EQ(text->text(2, 6), "3--5");
    text->setCursorPosition(5);
    EXPECT_EQ(edit.cursorPosition(), 5);
    EXPECT_EQ(text->cursorPosition(), 5);

    EXPECT_EQ(text->selectionCount(), 0);
    text->setSelection(0, 2, 6);
    EXPECT_EQ(edit.selectedText(), "3--5");
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 6);
    text->removeSelection(0);
    EXPECT_FALSE(edit.hasSelectedText());

    const QRect cell = text->characterRect(2);
    EXPECT_EQ(text->offsetAtPoint(cell.topLeft() + QPoint(1, 1)), 2);
}

TEST_F(RowEditAccessibility, EditsAreTheUsersAndObeyFilterAndLock) {
    edit.setText("--3--");
    edit.setInsertFilter(cp1250::representable);
    QAccessibleEditableTextInterface* editable = accessible()->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(2, 3, "7");
    EXPECT_EQ(edit.text(), "--7--");
    editable->insertText(5, u("ř"));
    editable->deleteText(0, 1);
    EXPECT_EQ(edit.text(), u("-7--ř"));
    EXPECT_EQ(edited.size(), 3);
    EXPECT_EQ(edited.last().at(0).toString(), u("-7--ř"));

    editable->insertText(0, u("Ω"));
    accessible()->setText(QAccessible::Value, u("Ω"));
    edit.setReadOnly(true);
    editable->deleteText(0, 2);
    EXPECT_EQ(edit.text(), u("-7--ř"));
    EXPECT_EQ(edited.size(), 3);
}

// Long rows.

class RowEditLongRows : public RowEditTest {};

TEST_F(RowEditLongRows, ARowOfTwoHundredThousandCharactersTakesTypingAtItsEnd) {
    const QString row(200000, u'-');
    edit.setText(row);
    edit.end(false);
    QTest::keyClicks(&edit, "7");
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited.first().at(0).toString().size(), 200001);
    EXPECT_TRUE(edit.text().endsWith("-7"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), row);
    EXPECT_EQ(edit.cursorPosition(), 200000);
}

TEST_F(RowEditLongRows, TheCaretStaysInViewOfANarrowRow) {
    const QRect firstCell = edit.characterRect(0);
    edit.setText(QString(1000, u'-'));
    edit.end(false);
    const QRect caret = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(edit.rect().contains(caret)) << caret.x();
    EXPECT_LT(edit.characterRect(0).x(), 0);

    QTest::keyClick(&edit, Qt::Key_Home);
    EXPECT_EQ(edit.characterRect(0), firstCell);
    QTest::keyClick(&edit, Qt::Key_End);
    click(boundary(990));
    EXPECT_EQ(edit.cursorPosition(), 990);
}

TEST_F(RowEditLongRows, ARowWideEnoughForItsTextIsNeverScrolled) {
    const QRect firstCell = edit.characterRect(0);
    edit.setText(QString(1000, u'-'));
    edit.resize(edit.characterRect(1000).right() + 20, edit.height());
    edit.end(false);
    EXPECT_EQ(edit.characterRect(0), firstCell);
    QTest::keyClicks(&edit, "5");
    EXPECT_EQ(edit.characterRect(0), firstCell);
}

// Painting.

class RowEditPainting : public RowEditTest {
protected:
    QColor base() const { return edit.palette().color(QPalette::Base); }
};

TEST_F(RowEditPainting, AFarColumnOfAHugeRowIsDrawnInItsColumn) {
    QString row(100000, u' ');
    row[50000] = u'X';
    edit.setText(row);
    edit.resize(edit.characterRect(100000).right() + 10, edit.height());
    ASSERT_GT(edit.width(), 700000);

    const QRect cell = edit.characterRect(50000);
    const QRect view(cell.left() - 100, 0, 200, edit.height());
    const QImage shot = edit.grab(view).toImage();
    EXPECT_TRUE(inked(shot, base(), 100, 100 + cell.width(), cell.top(), cell.bottom()));
    EXPECT_FALSE(inked(shot, base(), 0, 99, cell.top(), cell.bottom()));
    EXPECT_FALSE(inked(shot, base(), 101 + cell.width(), 200, cell.top(), cell.bottom()));
}

TEST_F(RowEditPainting, OnlyTheColumnsInViewAreDrawn) {
    edit.setText(QString(100000, u'5'));
    edit.resize(edit.characterRect(100000).right() + 10, edit.height());
    // A picture records every text drawn; the row in view is a few dozen characters of it.
    QPicture picture;
    const QRect view(edit.characterRect(70000).left(), 0, 520, edit.height());
    edit.render(&picture, QPoint(), QRegion(view));
    EXPECT_GT(picture.size(), 0u);
    EXPECT_LT(picture.size(), 20000u);
}

TEST_F(RowEditPainting, AHugeRowInAScrollAreaShowsWhereItIsScrolledTo) {
    QScrollArea area;
    auto* row = new RowEdit;
    row->setFont(rowFont());
    QString text(100000, u'-');
    text[60000] = u'7';
    row->setText(text);
    row->resize(row->characterRect(100000).right() + 10, row->sizeHint().height());
    area.setWidget(row);
    area.resize(520, row->height() + 40);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));

    const QRect cell = row->characterRect(60000);
    area.horizontalScrollBar()->setValue(cell.left() - 200);
    const QImage shot = area.viewport()->grab().toImage();
    const QImage expected = row->grab(QRect(cell.left() - 200, 0, 520, row->height())).toImage();
    EXPECT_EQ(shot.copy(0, 0, 400, row->height()), expected.copy(0, 0, 400, row->height()));
    // The seven stands out from the dashes around it.
    EXPECT_NE(shot.copy(200, 0, cell.width(), row->height()),
              shot.copy(200 + cell.width(), 0, cell.width(), row->height()));
}

TEST_F(RowEditPainting, TheSelectionIsHighlighted) {
    edit.setText(QString(6, u' '));
    edit.setSelection(1, 2);
    const QImage shot = edit.grab().toImage();
    const QColor highlight = edit.palette().color(QPalette::Highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(1).center()), highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(2).center()), highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(4).center()), base());
}

TEST_F(RowEditPainting, CharactersOfAFallbackFontStillSitInTheirColumns) {
    // A character the row's font lacks, lent by a fallback font in which it is narrower than a
    // column, is still drawn where its column starts. Which character that is depends on the
    // fonts installed, so the first such of a few rare ones is taken.
    const QFontMetricsF metrics(edit.font());
    const char16_t candidates[] = {u'\u0249', u'\u2170', u'\u1D09', u'\u02E1'};
    const auto narrow = std::find_if(std::begin(candidates), std::end(candidates), [&](char16_t c) {
        return metrics.horizontalAdvance(QChar(c)) < metrics.horizontalAdvance(u'0') - 1;
    });
    ASSERT_NE(narrow, std::end(candidates)) << "no narrow fallback character among the fonts";
    const QChar lent(*narrow);
    edit.setText(QString(5, lent) + u'W');
    const QImage lentShot = edit.grab().toImage();
    edit.setText("     W");
    const QImage spaced = edit.grab().toImage();
    const QRect tail = edit.characterRect(5);
    EXPECT_TRUE(inked(lentShot, base(), tail.left(), tail.right(), tail.top(), tail.bottom()));
    EXPECT_EQ(lentShot.copy(tail), spaced.copy(tail));
}

// A proportional font, as the header fields have.

class RowEditProportional : public RowEditTest {
protected:
    void SetUp() override {
        RowEditTest::SetUp();
        edit.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        ASSERT_FALSE(QFontInfo(edit.font()).fixedPitch());
        ASSERT_GT(advance(u'W'), advance(u'i') + 5);
    }

    qreal advance(QChar c) const { return QFontMetricsF(edit.font()).horizontalAdvance(c); }

    // Every boundary lies where the advances of the characters before it take it, as the
    // font measures them one by one.
    void expectPlacedByTheirAdvances() const {
        const QString text = edit.text();
        const int origin = edit.characterRect(0).x();
        qreal x = 0;
        for (int i = 0; i <= text.size(); ++i) {
            EXPECT_NEAR(edit.characterRect(i).x() - origin, x, 1.0) << "before " << i;
            if (i < text.size())
                x += advance(text[i]);
        }
    }

    QColor base() const { return edit.palette().color(QPalette::Base); }
};

TEST_F(RowEditProportional, NarrowAndWideCharactersTakeTheirOwnAdvances) {
    edit.setText("iiiiiiiiiiWWWWWWWWWWmi.");
    expectPlacedByTheirAdvances();
    EXPECT_NEAR(edit.characterRect(10).x() - edit.characterRect(0).x(), 10 * advance(u'i'), 1.0);
    EXPECT_NEAR(edit.characterRect(20).x() - edit.characterRect(10).x(), 10 * advance(u'W'), 1.0);
    EXPECT_LT(edit.characterRect(0).width(), edit.characterRect(10).width());

    // Each glyph is drawn in its own cell: the wide letter after the narrow ones, and nothing
    // in the spaces after it.
    edit.setText(QString(10, u'i') + u'W' + QString(10, u' '));
    const QImage shot = edit.grab().toImage();
    const QRect wide = edit.characterRect(10);
    const QRect blank = edit.characterRect(11).united(edit.characterRect(20));
    EXPECT_TRUE(inked(shot, base(), wide.left() + 1, wide.right(), wide.top(), wide.bottom()));
    EXPECT_FALSE(inked(shot, base(), blank.left() + 2, blank.right(), blank.top(), blank.bottom()));

    // Control characters keep a space's room, as in a fixed-pitch row.
    edit.setText(u("a\tb\nc\u0085d"));
    const qreal space = advance(u' ');
    EXPECT_NEAR(edit.characterRect(2).x() - edit.characterRect(1).x(), space, 1.0);
    EXPECT_NEAR(edit.characterRect(4).x() - edit.characterRect(3).x(), space, 1.0);
    EXPECT_NEAR(edit.characterRect(6).x() - edit.characterRect(5).x(), space, 1.0);
}

TEST_F(RowEditProportional, AssistiveTechnologyGetsTheSameRects) {
    edit.setText("iiiWWW");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&edit)->textInterface();
    ASSERT_NE(text, nullptr);
    for (int i = 0; i <= 6; ++i) {
        const QRect local = edit.characterRect(i);
        EXPECT_EQ(text->characterRect(i), QRect(edit.mapToGlobal(local.topLeft()), local.size()));
    }
    EXPECT_EQ(text->offsetAtPoint(edit.mapToGlobal(edit.characterRect(4).topLeft())), 4);
}

TEST_F(RowEditProportional, AClickGoesToTheNearestBoundary) {
    edit.setText("WWWiiiWWW");
    click(inside(7) - QPoint(2, 0));
    EXPECT_EQ(edit.cursorPosition(), 7);
    click(inside(7) + QPoint(2, 0));
    EXPECT_EQ(edit.cursorPosition(), 8);
    click(boundary(4));
    EXPECT_EQ(edit.cursorPosition(), 4);
    click(QPoint(edit.characterRect(9).x() + 20, inside(0).y()));
    EXPECT_EQ(edit.cursorPosition(), 9);
    click(QPoint(0, inside(0).y()));
    EXPECT_EQ(edit.cursorPosition(), 0);

    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, inside(1));
    EXPECT_EQ(edit.selectedText(), "WWWiiiWWW");
    edit.setText("WW ii WW");
    QTest::mouseDClick(&edit, Qt::LeftButton, Qt::NoModifier, inside(4));
    EXPECT_EQ(edit.selectedText(), "ii");
}

TEST_F(RowEditProportional, APartPaintedAloneLooksAsInTheWhole) {
    edit.resize(900, edit.height());
    edit.setText(QString(40, u'W') + u("Název tabulatury") + QString(40, u'i') + "WmW");
    edit.setSelection(45, 30);
    const QImage whole = edit.grab().toImage();
    for (const int left : {150, 400, 555, 700}) {
        const QRect part(left, 0, 200, edit.height());
        EXPECT_EQ(edit.grab(part).toImage(), whole.copy(part)) << left;
    }
}

TEST_F(RowEditProportional, DraggingAndShiftArrowsSelectAndTheBandCoversTheSelection) {
    edit.setText("WWWiii    W");
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, boundary(2));
    QTest::mouseMove(&edit, boundary(8));
    QTest::mouseRelease(&edit, Qt::LeftButton, Qt::NoModifier, boundary(8));
    EXPECT_EQ(edit.selectedText(), "Wiii  ");
    EXPECT_EQ(edit.selectionStart(), 2);

    edit.home(false);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "WWWi");
    QTest::keyClick(&edit, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "WWWiii    ");

    // The band starts and ends where the selected spaces are, well right of where columns of
    // a space's width would put them.
    edit.setSelection(7, 2);
    const QImage shot = edit.grab().toImage();
    const QColor highlight = edit.palette().color(QPalette::Highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(7).center()), highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(8).center()), highlight);
    EXPECT_EQ(shot.pixelColor(edit.characterRect(6).center()), base());
    EXPECT_EQ(shot.pixelColor(edit.characterRect(9).center()), base());
}

TEST_F(RowEditProportional, EditsAnywhereKeepEveryCharacterInPlace) {
    edit.setText("iiii");
    edit.end(false);
    QTest::keyClicks(&edit, "WiW");
    EXPECT_EQ(edit.text(), "iiiiWiW");
    expectPlacedByTheirAdvances();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    expectPlacedByTheirAdvances();

    edit.setCursorPosition(2);
    QTest::keyClicks(&edit, "WW");
    keyText(&edit, u("Ř"));
    EXPECT_EQ(edit.text(), u("iiWWŘiiWi"));
    expectPlacedByTheirAdvances();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "iiWWiWi");
    expectPlacedByTheirAdvances();
    edit.setSelection(1, 4);
    QTest::keyClicks(&edit, "m");
    EXPECT_EQ(edit.text(), "imWi");
    expectPlacedByTheirAdvances();

    // The program's own changes: in the middle, at either end, and the whole text.
    edit.setText("imWWWi");
    expectPlacedByTheirAdvances();
    edit.setText("WimWWWi.");
    expectPlacedByTheirAdvances();
    edit.setText("WimWi.");
    expectPlacedByTheirAdvances();
    edit.setText("iiiii");
    expectPlacedByTheirAdvances();
    edit.clear();
    EXPECT_EQ(edit.characterRect(0).width(),
              QRectF(0, 0, advance(u' '), 1).toAlignedRect().width());
}

TEST_F(RowEditProportional, AChangeOfFontPlacesTheTextAnew) {
    edit.setText("iiWW");
    edit.setFont(rowFont());
    const qreal column = QFontMetricsF(rowFont()).horizontalAdvance(u'0');
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(edit.characterRect(i).x() - edit.characterRect(0).x(), i * column, 1.0);
    edit.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    expectPlacedByTheirAdvances();
    edit.setFont(QFont(QStringLiteral("Liberation Serif"), 12));
    expectPlacedByTheirAdvances();
}

TEST_F(RowEditProportional, ThePreeditTakesItsOwnWidth) {
    edit.setText("iiii");
    edit.setCursorPosition(2);
    const int before = edit.characterRect(2).x();
    compose(&edit, "WW");
    EXPECT_EQ(edit.text(), "iiii");
    const int after = edit.characterRect(3).x();
    EXPECT_NEAR(after - before, 2 * advance(u'W') + advance(u'i'), 1.0);
    EXPECT_NEAR(edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().x(),
                before + 2 * advance(u'W'), 1.0);
    const QImage shot = edit.grab().toImage();
    const QRect line = edit.characterRect(2);
    EXPECT_TRUE(inked(shot, base(), before + 2, before + int(2 * advance(u'W')) - 2, line.top(),
                      line.bottom() - 2));

    // Typed or committed, the characters stay where the preedit showed them.
    commit(&edit, "WW");
    EXPECT_EQ(edit.text(), "iiWWii");
    EXPECT_EQ(edit.characterRect(5).x(), after);
    expectPlacedByTheirAdvances();
    // Above the preedit's underline and left of the caret, nothing moved.
    const QImage cleared = edit.grab().toImage();
    const QRect unmoved(line.x(), line.y(), before + int(2 * advance(u'W')) - 1 - line.x(),
                        QFontMetrics(edit.font()).ascent());
    EXPECT_EQ(shot.copy(unmoved), cleared.copy(unmoved));
}

TEST_F(RowEditProportional, AHostileTextOfFiveMillionCharactersStaysEditable) {
    const QString pattern = u("----- Název tabulatury ----- Wi\t");
    QString hostile;
    hostile.reserve(5'000'000);
    while (hostile.size() + pattern.size() <= 5'000'000)
        hostile += pattern;
    hostile += QString(5'000'000 - hostile.size(), u'W');
    ASSERT_EQ(hostile.size(), 5'000'000);
    edit.setText(hostile);

    // The far end lies where the advances of all five million characters take it.
    qreal patternWidth = 0;
    for (QChar c : pattern)
        patternWidth += c == u'\t' ? advance(u' ') : advance(c);
    const qreal tailWidth = (5'000'000 % pattern.size()) * advance(u'W');
    const qreal expected = (5'000'000 / pattern.size()) * patternWidth + tailWidth;
    EXPECT_NEAR(edit.characterRect(5'000'000).x() - edit.characterRect(0).x(), expected, 1.0);

    edit.end(false);
    QTest::keyClicks(&edit, "iW");
    EXPECT_EQ(edit.text(), hostile + "iW");
    const QRect caret = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(edit.rect().contains(caret)) << caret.x();
    EXPECT_NEAR(edit.characterRect(5'000'002).x() - edit.characterRect(5'000'000).x(),
                advance(u'i') + advance(u'W'), 1.0);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(edit.selectedText(), "i");
    click(boundary(5'000'000));
    EXPECT_EQ(edit.cursorPosition(), 5'000'000);

    // Only the characters in view are drawn: a picture of them stays small.
    const QRect view(0, 0, 200, edit.height());
    const QImage shot = edit.grab(view).toImage();
    EXPECT_EQ(shot.width(), 200);
    EXPECT_TRUE(inked(shot, base(), 0, 200, caret.top(), caret.bottom()));
    QPicture picture;
    edit.render(&picture, QPoint(), QRegion(view));
    EXPECT_GT(picture.size(), 0u);
    EXPECT_LT(picture.size(), 20000u);

    edit.home(false);
    EXPECT_LT(edit.characterRect(0).x(), 10);
    QPicture start;
    edit.render(&start, QPoint(), QRegion(view));
    EXPECT_GT(start.size(), 0u);
    EXPECT_LT(start.size(), 20000u);
}
