#include "RowEdit.h"

#include "RowEditAccessible.h"
#include "SingleLine.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
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

namespace {

// The margins a line edit keeps around its text, so a row lines up with the fields beside it.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;
// How much of the row on each side of the caret an input method sees; it never needs it all.
constexpr int kSurroundingReach = 256;

enum class Key {
    None,
    SelectAll,
    Copy,
    Cut,
    Paste,
    Home,
    End,
    Left,
    Right,
    WordLeft,
    WordRight,
    DeleteLeft,
    DeleteRight,
    DeleteWordLeft,
    DeleteWordRight,
    Type
};

struct Pressed {
    Key key;
    // Shift is down: the selection stretches to the new caret.
    bool mark;
};

struct Binding {
    QKeySequence::StandardKey sequence;
    Pressed pressed;
};

// The platform's keys for what a line edit does. A single line has one start and one end, so
// the keys for the start and end of a block or document go there too.
constexpr Binding kBindings[] = {
    {QKeySequence::SelectAll, {Key::SelectAll, false}},
    {QKeySequence::Copy, {Key::Copy, false}},
    {QKeySequence::Cut, {Key::Cut, false}},
    {QKeySequence::Paste, {Key::Paste, false}},
    {QKeySequence::MoveToStartOfLine, {Key::Home, false}},
    {QKeySequence::MoveToStartOfBlock, {Key::Home, false}},
    {QKeySequence::MoveToStartOfDocument, {Key::Home, false}},
    {QKeySequence::SelectStartOfLine, {Key::Home, true}},
    {QKeySequence::SelectStartOfBlock, {Key::Home, true}},
    {QKeySequence::SelectStartOfDocument, {Key::Home, true}},
    {QKeySequence::MoveToEndOfLine, {Key::End, false}},
    {QKeySequence::MoveToEndOfBlock, {Key::End, false}},
    {QKeySequence::MoveToEndOfDocument, {Key::End, false}},
    {QKeySequence::SelectEndOfLine, {Key::End, true}},
    {QKeySequence::SelectEndOfBlock, {Key::End, true}},
    {QKeySequence::SelectEndOfDocument, {Key::End, true}},
    {QKeySequence::MoveToPreviousChar, {Key::Left, false}},
    {QKeySequence::SelectPreviousChar, {Key::Left, true}},
    {QKeySequence::MoveToNextChar, {Key::Right, false}},
    {QKeySequence::SelectNextChar, {Key::Right, true}},
    {QKeySequence::MoveToPreviousWord, {Key::WordLeft, false}},
    {QKeySequence::SelectPreviousWord, {Key::WordLeft, true}},
    {QKeySequence::MoveToNextWord, {Key::WordRight, false}},
    {QKeySequence::SelectNextWord, {Key::WordRight, true}},
    {QKeySequence::Backspace, {Key::DeleteLeft, false}},
    {QKeySequence::Delete, {Key::DeleteRight, false}},
    {QKeySequence::DeleteStartOfWord, {Key::DeleteWordLeft, false}},
    {QKeySequence::DeleteEndOfWord, {Key::DeleteWordRight, false}},
};

bool changesText(Key key) {
    switch (key) {
    case Key::Cut:
    case Key::Paste:
    case Key::DeleteLeft:
    case Key::DeleteRight:
    case Key::DeleteWordLeft:
    case Key::DeleteWordRight:
    case Key::Type:
        return true;
    default:
        return false;
    }
}

// A key event that types its text: printable, and not a Ctrl or Alt shortcut. Ctrl+Alt stays,
// being AltGr where the system reports it so.
bool typesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier);
    if (held != Qt::NoModifier && held != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const char32_t first = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate()
                               ? QChar::surrogateToUcs4(text[0], text[1])
                               : text[0].unicode();
    return QChar::isPrint(first) || QChar::category(first) == QChar::Other_PrivateUse;
}

Pressed classify(const QKeyEvent* event) {
    for (const Binding& binding : kBindings)
        if (event->matches(binding.sequence))
            return binding.pressed;
    // Not every platform lists Backspace among its standard keys; Shift+Backspace is still
    // Backspace, as in a line edit.
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Backspace && (held == Qt::NoModifier || held == Qt::ShiftModifier))
        return {Key::DeleteLeft, false};
    if (typesText(event))
        return {Key::Type, false};
    return {Key::None, false};
}

// What the row does with the key; the rest goes on to the window.
bool answers(Key key, bool readOnly) {
    return key != Key::None && !(readOnly && changesText(key));
}

enum class Kind { Space, Word, Other };

Kind kindOf(QChar c) {
    if (c.isSpace())
        return Kind::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == u'_')
        return Kind::Word;
    return Kind::Other;
}

// Word steps cross a run of like characters and the spaces after it, and look at nothing more
// of the row. A run of dashes is a word of its own, so the steps stop at every fret number.
int wordRight(const QString& text, int position) {
    const int length = int(text.size());
    if (position < length && kindOf(text[position]) != Kind::Space) {
        const Kind kind = kindOf(text[position]);
        while (position < length && kindOf(text[position]) == kind)
            ++position;
    }
    while (position < length && kindOf(text[position]) == Kind::Space)
        ++position;
    return position;
}

int wordLeft(const QString& text, int position) {
    while (position > 0 && kindOf(text[position - 1]) == Kind::Space)
        --position;
    if (position > 0) {
        const Kind kind = kindOf(text[position - 1]);
        while (position > 0 && kindOf(text[position - 1]) == kind)
            --position;
    }
    return position;
}

// The run of like characters that holds the character at `index`.
std::pair<int, int> wordAround(const QString& text, int index) {
    const Kind kind = kindOf(text[index]);
    int from = index;
    int to = index + 1;
    while (from > 0 && kindOf(text[from - 1]) == kind)
        --from;
    while (to < text.size() && kindOf(text[to]) == kind)
        ++to;
    return {from, to};
}

// Kerning would pull a character out of its column.
QFont gridFont(QFont font) {
    font.setKerning(false);
    return font;
}

qreal columnWidth(const QFontMetricsF& metrics) {
    return std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char('0')));
}

// Some fixed-pitch fonts do not say so; a few characters of very different widths in most
// fonts tell.
bool evenlySpaced(const QFontMetricsF& metrics) {
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const QStringView sample = u"iWm .-|";
    return std::ranges::all_of(sample, [&](QChar c) {
        return std::abs(metrics.horizontalAdvance(c) - column) < 1.0 / 64;
    });
}

// A pasted line break, tab or other control character would move the characters after it out
// of place, or show as a box.
QChar shownAs(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator
               ? QChar(u' ')
               : c;
}

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
        layOutChange(previous);
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

QMenu* RowEdit::createStandardContextMenu() {
    auto* menu = new QMenu(this);
    // The keys are only shown beside the items; the row answers them itself.
    const auto add = [this, menu](const QString& label, QKeySequence::StandardKey key, bool enabled,
                                  auto slot) {
        QAction* action =
            menu->addAction(label + u'\t' + QKeySequence(key).toString(QKeySequence::NativeText));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    const bool editable = !readOnly_;
    add(QStringLiteral("&Vyjmout"), QKeySequence::Cut, editable && hasSelectedText(),
        &RowEdit::cut);
    add(QStringLiteral("&Kopírovat"), QKeySequence::Copy, hasSelectedText(), &RowEdit::copy);
    add(QStringLiteral("V&ložit"), QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), &RowEdit::paste);
    add(QStringLiteral("&Odstranit"), QKeySequence::Delete, editable && hasSelectedText(),
        [this] { removeSelection(); });
    menu->addSeparator();
    add(QStringLiteral("Vybrat &vše"), QKeySequence::SelectAll, selectionLength() < text_.size(),
        &RowEdit::selectAll);
    return menu;
}

QRect RowEdit::characterRect(int position) const {
    const QRect line = lineArea();
    position = std::clamp(position, 0, int(text_.size()));
    const qreal width = fixedPitch_ || position == text_.size()
                            ? advance_
                            : positionX(position + 1) - positionX(position);
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
        if (answers(classify(key).key, readOnly_)) {
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
    painter.setFont(gridFont(font()));
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
    const auto [key, mark] = classify(event);
    if (!answers(key, readOnly_)) {
        // Enter, Escape and the shortcuts go on to the window.
        event->ignore();
        return;
    }
    switch (key) {
    case Key::SelectAll:
        selectAll();
        break;
    case Key::Copy:
        copy();
        break;
    case Key::Cut:
        cut();
        break;
    case Key::Paste:
        paste();
        break;
    case Key::Home:
        home(mark);
        break;
    case Key::End:
        end(mark);
        break;
    case Key::Left:
        // Without Shift an arrow first collapses the selection to the side it points to.
        moveCursor(hasSelectedText() && !mark ? selectionFrom() : cursor_ - 1, mark);
        break;
    case Key::Right:
        moveCursor(hasSelectedText() && !mark ? selectionTo() : cursor_ + 1, mark);
        break;
    case Key::WordLeft:
        moveCursor(wordLeft(text_, cursor_), mark);
        break;
    case Key::WordRight:
        moveCursor(wordRight(text_, cursor_), mark);
        break;
    case Key::DeleteLeft:
        if (hasSelectedText())
            removeSelection();
        else
            replace(std::max(0, cursor_ - 1), cursor_, {});
        break;
    case Key::DeleteRight:
        if (hasSelectedText())
            removeSelection();
        else
            replace(cursor_, std::min(int(text_.size()), cursor_ + 1), {});
        break;
    case Key::DeleteWordLeft:
        if (hasSelectedText())
            removeSelection();
        else
            replace(wordLeft(text_, cursor_), cursor_, {});
        break;
    case Key::DeleteWordRight:
        if (hasSelectedText())
            removeSelection();
        else
            replace(cursor_, wordRight(text_, cursor_), {});
        break;
    case Key::Type:
        // A refused character is still the row's key; nothing else should act on it.
        insert(event->text());
        break;
    case Key::None:
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
    const auto [from, to] = wordAround(text_, std::clamp(under, 0, int(text_.size()) - 1));
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
    const QFont grid = gridFont(font());
    const QFontMetricsF metrics(grid);
    fixedPitch_ = QFontInfo(grid).fixedPitch() || evenlySpaced(metrics);
    advance_ = fixedPitch_ ? columnWidth(metrics) : metrics.horizontalAdvance(QLatin1Char(' '));
    advances_.clear();
    edges_.clear();
    if (fixedPitch_) {
        // What a proportional font placed before is of no more use.
        edges_.shrink_to_fit();
    } else {
        edges_.push_back(0);
        layOut(0, 0, int(text_.size()));
    }
    measurePreedit();
}

qreal RowEdit::advanceOf(QChar c, const QFontMetricsF& metrics) {
    if (fixedPitch_)
        return advance_;
    auto known = advances_.constFind(c.unicode());
    if (known == advances_.constEnd())
        known = advances_.insert(c.unicode(), metrics.horizontalAdvance(shownAs(c)));
    return *known;
}

void RowEdit::layOut(int from, int to, int inserted) {
    if (fixedPitch_)
        return;
    const QFontMetricsF metrics(gridFont(font()));
    const qreal oldEnd = edges_[to];
    // Room to spare, so that typing at the end of a long text does not move all of it.
    const std::size_t needed = edges_.size() - (to - from) + inserted;
    if (needed > edges_.capacity())
        edges_.reserve(needed + needed / 2);
    edges_.erase(edges_.begin() + from + 1, edges_.begin() + to + 1);
    edges_.insert(edges_.begin() + from + 1, inserted, 0);
    // Read only: the text may share its characters with the caller's string.
    const QString& text = text_;
    const int end = from + inserted;
    for (int i = from; i < end; ++i)
        edges_[i + 1] = edges_[i] + advanceOf(text[i], metrics);
    // The characters after the change keep their advances and move along together.
    const qreal shift = edges_[end] - oldEnd;
    if (shift != 0)
        for (qreal& x : std::ranges::subrange(edges_.begin() + end + 1, edges_.end()))
            x += shift;
    // A long text replaced by a short one gives its room back.
    if (edges_.capacity() > 4 * edges_.size() + 4096)
        edges_.shrink_to_fit();
}

void RowEdit::layOutChange(const QString& previous) {
    if (fixedPitch_)
        return;
    // Only what differs is placed anew: a text that grew at its end costs only the new part.
    const int same =
        int(std::mismatch(previous.cbegin(), previous.cend(), text_.cbegin(), text_.cend()).first -
            previous.cbegin());
    const int sameEnd = int(std::mismatch(previous.crbegin(), previous.crend() - same,
                                          text_.crbegin(), text_.crend() - same)
                                .first -
                            previous.crbegin());
    layOut(same, int(previous.size()) - sameEnd, int(text_.size()) - same - sameEnd);
}

void RowEdit::measurePreedit() {
    const QFontMetricsF metrics(gridFont(font()));
    preeditEdges_.assign(1, 0);
    for (QChar c : std::as_const(preedit_))
        preeditEdges_.push_back(preeditEdges_.back() + advanceOf(c, metrics));
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
        return positionX(column);
    if (column <= cursor_ + preedit)
        return positionX(cursor_) + preeditEdges_[column - cursor_];
    return positionX(column - preedit) + preeditEdges_.back();
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
    if (fixedPitch_ && std::abs(QFontMetricsF(painter.font()).horizontalAdvance(run) -
                                run.size() * advance_) < 0.5) {
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
    layOut(from, to, int(piece.size()));
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
