#include "RowEdit.h"

#include "EditMenu.h"
#include "KeyBindings.h"
#include "RowEditAccessible.h"
#include "SingleLine.h"
#include "WordSteps.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>
#include <limits>
#include <ranges>
#include <utility>

using key_bindings::Action;

namespace {

// The margins a line edit keeps around its text, so a row lines up with the fields beside it.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// How much of the row on each side of the caret an input method sees; it never needs it all.
constexpr int kSurroundingReach = 256;

// The first of the numbers from `from` to `to` for which `before` no longer holds, or `to`;
// `before` holds up to some number and not after it.
template <class Before> int firstNotBefore(int from, int to, Before before) {
    return *std::ranges::partition_point(std::views::iota(from, to), before);
}

} // namespace

RowEdit::RowEdit(QWidget* parent) : QWidget(parent) {
    measure();
    RowEditAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
    setSizePolicy(QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed, QSizePolicy::LineEdit));
}

void RowEdit::setText(const QString& text) {
    const int oldCursor = cursor_;
    const bool hadSelection = hasSelectedText();
    const bool changed = text != text_;
    if (changed) {
        const QString previous = std::exchange(text_, text);
        layout_.changed(previous, text_);
        announceText(0, previous, text_);
    }
    cursor_ = anchor_ = std::min(cursor_, int(text_.size()));
    followCaret();
    update();
    updateMicroFocus();
    announceCaret(cursor_ != oldCursor, hadSelection);
    if (changed) {
        // A copy, so that a receiver that sets the text again does not change what it was given.
        const QString now = text_;
        emit textChanged(now);
    }
    if (cursor_ != oldCursor)
        emit cursorPositionChanged(oldCursor, cursor_);
}

void RowEdit::setReadOnly(bool readOnly) {
    if (readOnly == readOnly_)
        return;
    readOnly_ = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    setCursor(readOnly ? Qt::ArrowCursor : Qt::IBeamCursor);
    restartBlink();
    update();
    updateMicroFocus();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.readOnly = true;
        changed.editable = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void RowEdit::setCursorPosition(int position) {
    moveCursor(position, false);
}

void RowEdit::home(bool mark) {
    moveCursor(0, mark);
}

void RowEdit::end(bool mark) {
    moveCursor(int(text_.size()), mark);
}

void RowEdit::selectAll() {
    place(0, int(text_.size()));
}

void RowEdit::deselect() {
    place(cursor_, cursor_);
}

void RowEdit::setSelection(int start, int length) {
    place(start, start + length);
}

QString RowEdit::selectedText() const {
    return text_.mid(selectionFrom(), selectionTo() - selectionFrom());
}

int RowEdit::selectionStart() const {
    return hasSelectedText() ? selectionFrom() : -1;
}

int RowEdit::selectionLength() const {
    return selectionTo() - selectionFrom();
}

void RowEdit::insert(const QString& text) {
    replace(selectionFrom(), selectionTo(), text);
}

void RowEdit::cut() {
    if (readOnly_ || !hasSelectedText())
        return;
    copy();
    removeSelection();
}

void RowEdit::copy() const {
    if (hasSelectedText())
        QGuiApplication::clipboard()->setText(selectedText());
}

void RowEdit::paste() {
    insert(QGuiApplication::clipboard()->text());
}

void RowEdit::setInsertFilter(std::function<bool(const QString&)> accepts) {
    accepts_ = std::move(accepts);
}

void RowEdit::setHistoryActions(QAction* undo, QAction* redo) {
    undo_ = undo;
    redo_ = redo;
}

QMenu* RowEdit::createStandardContextMenu() {
    EditMenu items;
    items.editable = !readOnly_;
    items.selection = hasSelectedText();
    items.wholeSelected = selectionLength() == text_.size();
    items.cut = [this] { cut(); };
    items.copy = [this] { copy(); };
    items.paste = [this] { paste(); };
    items.remove = [this] { removeSelection(); };
    items.selectAll = [this] { selectAll(); };
    items.undo = undo_;
    items.redo = redo_;
    return items.create(this);
}

QRect RowEdit::characterRect(int position) const {
    const QRect line = lineArea();
    position = std::clamp(position, 0, int(text_.size()));
    const qreal width = layout_.fixedPitch() || position == text_.size()
                            ? layout_.advance()
                            : layout_.x(position + 1) - layout_.x(position);
    return QRectF(line.x() - scroll_ + columnX(columnOf(position)), line.y(), width, line.height())
        .toAlignedRect();
}

int RowEdit::cursorPositionAt(const QPoint& point) const {
    const qreal x = textX(point.x());
    const int after = positionsUpTo(x);
    if (after == 0)
        return 0;
    if (after > text_.size())
        return int(text_.size());
    // The nearer of the boundaries on either side; halfway goes right.
    const qreal left = columnX(columnOf(after - 1));
    const qreal right = columnX(columnOf(after));
    return x - left < right - x ? after - 1 : after;
}

QSize RowEdit::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    // Room for a few words, as a line edit asks for.
    const int width = metrics.horizontalAdvance(QLatin1Char('x')) * 17 + 2 * kHorizontalMargin;
    const int height = std::max(metrics.height(), 14) + 2 * kVerticalMargin;
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &panel, QSize(width, height), this);
}

QSize RowEdit::minimumSizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(font());
    const int height = metrics.height() + std::max(2 * kVerticalMargin, metrics.leading());
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &panel, QSize(metrics.maxWidth(), height),
                                     this);
}

QVariant RowEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    const int from = std::max(0, cursor_ - kSurroundingReach);
    const int to = std::min(int(text_.size()), cursor_ + kSurroundingReach);
    switch (query) {
    case Qt::ImEnabled:
        return !readOnly_;
    case Qt::ImReadOnly:
        return readOnly_;
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImCursorPosition:
        return cursor_ - from;
    case Qt::ImAnchorPosition:
        return std::clamp(anchor_, from, to) - from;
    case Qt::ImSurroundingText:
        return text_.mid(from, to - from);
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImMaximumTextLength:
        // The row sets no limit of its own.
        return std::numeric_limits<int>::max();
    default:
        // The font, the hints and the clip rectangle, as every widget answers them.
        return QWidget::inputMethodQuery(query);
    }
}

bool RowEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The window's shortcuts must not take the keys the row answers.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key_bindings::answers(key_bindings::classify(*key).action, readOnly_)) {
            key->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void RowEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        measure();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        followCaret();
        // The caret moved with the text.
        updateMicroFocus();
    }
    QWidget::changeEvent(event);
}

void RowEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void RowEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect dirty = textArea().intersected(event->rect());
    if (dirty.isEmpty())
        return;
    painter.setClipRect(dirty);
    painter.setFont(layout_.font());
    const QPalette& colours = palette();
    const QRect line = lineArea();
    const qreal origin = line.x() - scroll_;
    const qreal baseline = line.y() + QFontMetricsF(painter.font()).ascent();

    // Only the columns the dirty rectangle crosses are laid out, however long the row, and one
    // more on either side for a glyph that reaches beyond its own.
    const int count = columnCount();
    const qreal left = dirty.left() - origin;
    const qreal right = dirty.right() + 1 - origin;
    const int crossed = firstNotBefore(0, count, [&](int c) { return columnX(c + 1) <= left; });
    const int first = std::max(0, crossed - 1);
    const int last = std::min(
        count, firstNotBefore(crossed, count, [&](int c) { return columnX(c) < right; }) + 1);
    if (first < last) {
        const QString run = shownColumns(first, last);
        painter.setPen(colours.color(QPalette::Text));
        drawColumns(painter, origin, baseline, first, run);

        const int selectedFirst = std::max(first, columnOf(selectionFrom()));
        const int selectedLast = std::min(last, columnOf(selectionTo()));
        if (selectedFirst < selectedLast) {
            const qreal from = columnX(selectedFirst);
            const QRectF band(origin + from, line.y(), columnX(selectedLast) - from, line.height());
            painter.fillRect(band, colours.brush(QPalette::Highlight));
            painter.save();
            painter.setClipRect(band, Qt::IntersectClip);
            painter.setPen(colours.color(QPalette::HighlightedText));
            drawColumns(painter, origin, baseline, first, run);
            painter.restore();
        }
    }
    if (!preedit_.isEmpty()) {
        // What the input method is composing is underlined until it is committed.
        const qreal under = baseline + 1.5;
        painter.setPen(colours.color(QPalette::Text));
        painter.drawLine(QPointF(origin + columnX(cursor_), under),
                         QPointF(origin + columnX(cursor_ + int(preedit_.size())), under));
    }
    if (hasFocus() && caretOn_ && !readOnly_ && preeditCaretShown_)
        painter.fillRect(caretRect(), colours.color(QPalette::Text));
}

void RowEdit::resizeEvent(QResizeEvent*) {
    followCaret();
}

void RowEdit::keyPressEvent(QKeyEvent* event) {
    const auto [action, mark] = key_bindings::classify(*event);
    if (!key_bindings::answers(action, readOnly_)) {
        // Enter, Escape and the shortcuts go on to the window.
        event->ignore();
        return;
    }
    switch (action) {
    case Action::SelectAll:
        selectAll();
        break;
    case Action::Copy:
        copy();
        break;
    case Action::Cut:
        cut();
        break;
    case Action::Paste:
        paste();
        break;
    case Action::Home:
        home(mark);
        break;
    case Action::End:
        end(mark);
        break;
    case Action::Left:
        // Without Shift an arrow first collapses the selection to the side it points to.
        moveCursor(hasSelectedText() && !mark ? selectionFrom() : cursor_ - 1, mark);
        break;
    case Action::Right:
        moveCursor(hasSelectedText() && !mark ? selectionTo() : cursor_ + 1, mark);
        break;
    case Action::WordLeft:
        moveCursor(word_steps::left(text_, cursor_), mark);
        break;
    case Action::WordRight:
        moveCursor(word_steps::right(text_, cursor_), mark);
        break;
    case Action::DeleteLeft:
        if (hasSelectedText())
            removeSelection();
        else
            replace(std::max(0, cursor_ - 1), cursor_, {});
        break;
    case Action::DeleteRight:
        if (hasSelectedText())
            removeSelection();
        else
            replace(cursor_, std::min(int(text_.size()), cursor_ + 1), {});
        break;
    case Action::DeleteWordLeft:
        if (hasSelectedText())
            removeSelection();
        else
            replace(word_steps::left(text_, cursor_), cursor_, {});
        break;
    case Action::DeleteWordRight:
        if (hasSelectedText())
            removeSelection();
        else
            replace(cursor_, word_steps::right(text_, cursor_), {});
        break;
    case Action::Type:
        // A refused character is still the row's key; nothing else should act on it.
        insert(event->text());
        break;
    case Action::None:
        break;
    }
    event->accept();
}

void RowEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    moveCursor(cursorPositionAt(event->position().toPoint()),
               event->modifiers().testFlag(Qt::ShiftModifier));
}

void RowEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        event->ignore();
        return;
    }
    moveCursor(cursorPositionAt(event->position().toPoint()), true);
}

void RowEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || text_.isEmpty()) {
        event->ignore();
        return;
    }
    // The character whose cell holds the pointer.
    const int under = positionsUpTo(textX(event->position().toPoint().x())) - 1;
    const auto [from, to] = word_steps::around(text_, std::clamp(under, 0, int(text_.size()) - 1));
    place(from, to);
}

void RowEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    // Arriving by Tab or a shortcut selects the whole text, as in a line edit.
    if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason) &&
        !hasSelectedText())
        selectAll();
    restartBlink();
    QWidget::focusInEvent(event);
}

void RowEdit::focusOutEvent(QFocusEvent* event) {
    blink_.stop();
    caretOn_ = false;
    // A menu or another window borrowing the focus leaves the selection for when it returns.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        deselect();
    QWidget::focusOutEvent(event);
}

void RowEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (readOnly_) {
        event->ignore();
        return;
    }
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        int from = selectionFrom();
        int to = selectionTo();
        // The input method may replace text around the caret, counted from it.
        if (event->replacementStart() != 0 || event->replacementLength() > 0) {
            const int length = int(text_.size());
            from = std::clamp(cursor_ + event->replacementStart(), 0, length);
            to = std::clamp(from + event->replacementLength(), from, length);
        }
        replace(from, to, event->commitString());
    }
    preedit_ = event->preeditString();
    preeditCaret_ = int(preedit_.size());
    preeditCaretShown_ = true;
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            preeditCaret_ = std::clamp(attribute.start, 0, int(preedit_.size()));
            preeditCaretShown_ = attribute.length != 0;
        }
    }
    measurePreedit();
    followCaret();
    update();
    updateMicroFocus();
}

void RowEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    caretOn_ = !caretOn_;
    update(caretRect());
}

void RowEdit::measure() {
    layout_.setFont(font(), text_);
    measurePreedit();
}

void RowEdit::measurePreedit() {
    preeditEdges_.assign(1, 0);
    for (QChar c : std::as_const(preedit_))
        preeditEdges_.push_back(preeditEdges_.back() + layout_.advanceOf(c));
}

void RowEdit::initStyleOption(QStyleOptionFrame* option) const {
    option->initFrom(this);
    option->rect = contentsRect();
    option->lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, option, this);
    option->midLineWidth = 0;
    option->state |= QStyle::State_Sunken;
    if (readOnly_)
        option->state |= QStyle::State_ReadOnly;
    option->features = QStyleOptionFrame::None;
}

QRect RowEdit::textArea() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
}

QRect RowEdit::lineArea() const {
    const QRect area = textArea();
    const int height = fontMetrics().height();
    return {area.x() + kHorizontalMargin, area.y() + (area.height() - height + 1) / 2,
            area.width() - 2 * kHorizontalMargin, height};
}

int RowEdit::columnOf(int position) const {
    return position <= cursor_ ? position : position + int(preedit_.size());
}

qreal RowEdit::columnX(int column) const {
    const int preedit = int(preedit_.size());
    if (column <= cursor_)
        return layout_.x(column);
    if (column <= cursor_ + preedit)
        return layout_.x(cursor_) + preeditEdges_[column - cursor_];
    return layout_.x(column - preedit) + preeditEdges_.back();
}

qreal RowEdit::textX(int x) const {
    return x - lineArea().x() + scroll_;
}

int RowEdit::positionsUpTo(qreal x) const {
    return firstNotBefore(0, int(text_.size()) + 1,
                          [&](int position) { return columnX(columnOf(position)) <= x; });
}

int RowEdit::caretColumn() const {
    return preedit_.isEmpty() ? cursor_ : cursor_ + preeditCaret_;
}

QRect RowEdit::caretRect() const {
    const QRect line = lineArea();
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    return {int(std::floor(line.x() - scroll_ + columnX(caretColumn()))), line.y(), width,
            line.height()};
}

QString RowEdit::shownColumns(int first, int last) const {
    // The columns are the text with the preedit string spliced in at the caret.
    const int preeditFrom = cursor_;
    const int preeditTo = cursor_ + int(preedit_.size());
    QString run;
    run.reserve(last - first);
    if (first < preeditFrom)
        run += QStringView(text_).mid(first, std::min(last, preeditFrom) - first);
    const int fromPreedit = std::max(first, preeditFrom);
    if (fromPreedit < std::min(last, preeditTo))
        run += QStringView(preedit_).mid(fromPreedit - preeditFrom,
                                         std::min(last, preeditTo) - fromPreedit);
    const int afterPreedit = std::max(first, preeditTo);
    if (afterPreedit < last)
        run += QStringView(text_).mid(afterPreedit - preedit_.size(), last - afterPreedit);
    for (QChar& c : run)
        c = shownAs(c);
    return run;
}

void RowEdit::drawColumns(QPainter& painter, qreal origin, qreal baseline, int first,
                          const QString& run) const {
    if (layout_.fixedPitch() && std::abs(QFontMetricsF(painter.font()).horizontalAdvance(run) -
                                         run.size() * layout_.advance()) < 0.5) {
        painter.drawText(QPointF(origin + columnX(first), baseline), run);
        return;
    }
    // A proportional font, or a character from a fallback font of another width: one by one,
    // each where the caret and the selection take it to be. Shaping a run could join or kern
    // characters and move them.
    for (int i = 0; i < run.size(); ++i)
        if (run[i] != u' ')
            painter.drawText(QPointF(origin + columnX(first + i), baseline), QString(run[i]));
}

void RowEdit::place(int anchor, int cursor) {
    const int length = int(text_.size());
    anchor = std::clamp(anchor, 0, length);
    cursor = std::clamp(cursor, 0, length);
    const int oldCursor = cursor_;
    const bool reselected = (hasSelectedText() || anchor != cursor) &&
                            std::minmax(anchor, cursor) != std::minmax(anchor_, cursor_);
    anchor_ = anchor;
    cursor_ = cursor;
    restartBlink();
    followCaret();
    update();
    updateMicroFocus();
    announceCaret(cursor_ != oldCursor, reselected);
    if (cursor_ != oldCursor)
        emit cursorPositionChanged(oldCursor, cursor_);
}

void RowEdit::replace(int from, int to, const QString& typed) {
    const QString piece = withoutLineBreaks(typed);
    if (readOnly_ || (from == to && piece.isEmpty()) ||
        (!piece.isEmpty() && accepts_ && !accepts_(piece)))
        return;
    const int oldCursor = cursor_;
    const bool hadSelection = hasSelectedText();
    const QString removed = text_.mid(from, to - from);
    text_.replace(from, to - from, piece);
    layout_.replaced(text_, from, to, int(piece.size()));
    cursor_ = anchor_ = from + int(piece.size());
    restartBlink();
    followCaret();
    update();
    updateMicroFocus();
    announceText(from, removed, piece);
    announceCaret(cursor_ != oldCursor, hadSelection);
    // A copy, so that a receiver that sets the text again does not change what others get.
    const QString now = text_;
    emit textEdited(now);
    // Such a receiver has told of its own text already, which is the one that stays.
    if (text_.isSharedWith(now))
        emit textChanged(now);
    if (cursor_ != oldCursor)
        emit cursorPositionChanged(oldCursor, cursor_);
}

void RowEdit::followCaret() {
    // As a line edit scrolls: not at all while the whole text fits, otherwise just enough to
    // keep the caret in view, and never so far that the end of the text leaves the right edge.
    const qreal width = lineArea().width();
    const qreal caretWidth = caretRect().width();
    const qreal used = columnX(columnCount()) + caretWidth;
    const qreal caret = columnX(caretColumn());
    qreal scroll = scroll_;
    if (used <= width)
        scroll = 0;
    else if (caret + caretWidth - scroll > width)
        scroll = caret + caretWidth - width;
    else if (caret < scroll)
        scroll = caret;
    else if (used - scroll < width)
        scroll = used - width;
    if (scroll != scroll_) {
        scroll_ = scroll;
        update();
    }
}

void RowEdit::restartBlink() {
    caretOn_ = true;
    const int period = QApplication::cursorFlashTime();
    if (hasFocus() && !readOnly_ && period > 0)
        blink_.start(period / 2, this);
    else
        blink_.stop();
}

void RowEdit::announceText(int position, const QString& removed, const QString& inserted) {
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(this, position, removed, inserted);
    QAccessible::updateAccessibility(&event);
}

void RowEdit::announceCaret(bool moved, bool reselected) {
    if (!QAccessible::isActive())
        return;
    if (reselected) {
        QAccessibleTextSelectionEvent event(this, selectionFrom(), selectionTo());
        event.setCursorPosition(cursor_);
        QAccessible::updateAccessibility(&event);
    }
    if (moved) {
        QAccessibleTextCursorEvent event(this, cursor_);
        QAccessible::updateAccessibility(&event);
    }
}
