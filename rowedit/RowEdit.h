#pragma once

#include "GlyphLayout.h"

#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QPainter;
class QStyleOptionFrame;

// A single-line editor for texts a line edit would lay out and paint whole on every keystroke:
// rows of hundreds of thousands of fixed-pitch characters, or millions of characters of a
// proportional font. A repaint lays out only the characters in view, and GlyphLayout keeps
// placing characters cheap however long the text.
class RowEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(int cursorPosition READ cursorPosition WRITE setCursorPosition)

public:
    explicit RowEdit(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // The program's own change: emits textChanged only, clears the selection and keeps the
    // caret where it was, as far as the new text reaches.
    void setText(const QString& text);
    void clear() { setText({}); }

    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    int cursorPosition() const { return cursor_; }
    void setCursorPosition(int position);
    // With `mark` the selection stretches to the new caret.
    void home(bool mark);
    void end(bool mark);

    void selectAll();
    void deselect();
    // Selects `length` characters from `start`; a negative length leaves the caret at the left.
    void setSelection(int start, int length);
    bool hasSelectedText() const { return anchor_ != cursor_; }
    QString selectedText() const;
    // -1 without a selection.
    int selectionStart() const;
    int selectionLength() const;

    // As if typed: replaces the selection and emits textEdited. Refused whole when the row is
    // read-only or the filter refuses the text.
    void insert(const QString& text);
    void cut();
    void copy() const;
    void paste();

    // Says whether a text that typing, pasting or an input method would insert may go in, for
    // a caller that cannot store every character.
    void setInsertFilter(std::function<bool(const QString&)> accepts);

    // Undo and redo are the caller's: its actions head the context menu. Null leaves them out.
    void setHistoryActions(QAction* undo, QAction* redo);

    // The Czech edit menu the right mouse button opens, for the caller to show and delete.
    QMenu* createStandardContextMenu();

    // Where the character at a position is drawn, and the position nearest a point, both in
    // widget coordinates.
    QRect characterRect(int position) const;
    int cursorPositionAt(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void textChanged(const QString& text);
    // Only what the user typed, pasted, cut or deleted.
    void textEdited(const QString& text);
    void cursorPositionChanged(int oldPos, int newPos);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void initStyleOption(QStyleOptionFrame* option) const;
    QRect textArea() const;
    QRect lineArea() const;
    // Finds how the font places characters, and places the text and the preedit string anew.
    void measure();
    void measurePreedit();

    // Columns count the preedit string shown at the caret while an input method composes.
    int columnOf(int position) const;
    int columnCount() const { return int(text_.size() + preedit_.size()); }
    // Where a column starts, from the start of the text, in pixels.
    qreal columnX(int column) const;
    // The x from the start of the text under a widget's x coordinate.
    qreal textX(int x) const;
    // How many positions start at or left of an x from the start of the text, as shown.
    int positionsUpTo(qreal x) const;
    int caretColumn() const;
    QRect caretRect() const;
    QString shownColumns(int first, int last) const;
    void drawColumns(QPainter& painter, qreal origin, qreal baseline, int first,
                     const QString& run) const;

    void place(int anchor, int cursor);
    void moveCursor(int position, bool mark) { place(mark ? anchor_ : position, position); }
    // The user's change of the text between two positions, unless refused; line breaks in what
    // is put in become spaces, since the text is one line.
    void replace(int from, int to, const QString& typed);
    void removeSelection() { replace(selectionFrom(), selectionTo(), {}); }
    int selectionFrom() const { return std::min(anchor_, cursor_); }
    int selectionTo() const { return std::max(anchor_, cursor_); }

    void followCaret();
    void restartBlink();
    void announceText(int position, const QString& removed, const QString& inserted);
    void announceCaret(bool moved, bool reselected);

    QString text_;
    int cursor_ = 0;
    int anchor_ = 0;
    bool readOnly_ = false;
    std::function<bool(const QString&)> accepts_;
    QPointer<QAction> undo_;
    QPointer<QAction> redo_;

    QString preedit_;
    int preeditCaret_ = 0;
    bool preeditCaretShown_ = true;
    // Where each character of the preedit string starts, from the caret, and where it ends.
    std::vector<qreal> preeditEdges_;

    GlyphLayout layout_;
    // How far the text is scrolled left so that the caret stays in view, in pixels.
    qreal scroll_ = 0;
    QBasicTimer blink_;
    bool caretOn_ = false;
};
