#include "RowEdit.h"

#include "RowEditAccessible.h"

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

qreal columnWidth(const QFont& font) {
    return std::max<qreal>(1, QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')));
}

} // namespace

RowEdit::RowEdit(QWidget* parent) : QWidget(parent), advance_(columnWidth(font())) {
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
    const int column = columnOf(std::clamp(position, 0, int(text_.size())));
    return QRectF(line.x() - scroll_ + column * advance_, line.y(), advance_, line.height())
        .toAlignedRect();
}

int RowEdit::cursorPositionAt(const QPoint& point) const {
    return std::clamp(int(std::lround(columnAt(point.x()))), 0, int(text_.size()));
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
        advance_ = columnWidth(font());
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        followCaret();
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

    // Only the columns the dirty rectangle crosses are laid out, however long the row.
    const int count = columnCount();
    const int first = std::clamp(int(std::floor((dirty.left() - origin) / advance_)), 0, count);
    const int last = std::clamp(int(std::ceil((dirty.right() + 1 - origin) / advance_)), 0, count);
    if (first < last) {
        const QString run = shownColumns(first, last);
        const qreal x = origin + first * advance_;
        painter.setPen(colours.color(QPalette::Text));
        drawColumns(painter, x, baseline, run);

        const int selectedFirst = std::max(first, columnOf(selectionFrom()));
        const int selectedLast = std::min(last, columnOf(selectionTo()));
        if (selectedFirst < selectedLast) {
            const QRectF band(origin + selectedFirst * advance_, line.y(),
                              (selectedLast - selectedFirst) * advance_, line.height());
            painter.fillRect(band, colours.brush(QPalette::Highlight));
            painter.save();
            painter.setClipRect(band, Qt::IntersectClip);
            painter.setPen(colours.color(QPalette::HighlightedText));
            drawColumns(painter, x, baseline, run);
            painter.restore();
        }
    }
    if (!preedit_.isEmpty()) {
        // What the input method is composing is underlined until it is committed.
        const qreal left = origin + cursor_ * advance_;
        const qreal under = baseline + 1.5;
        painter.setPen(colours.color(QPalette::Text));
        painter.drawLine(QPointF(left, under), QPointF(left + preedit_.size() * advance_, under));
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
    const int column = int(std::floor(columnAt(event->position().toPoint().x())));
    const auto [from, to] = wordAround(text_, std::clamp(column, 0, int(text_.size()) - 1));
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

qreal RowEdit::columnAt(int x) const {
    return (x - lineArea().x() + scroll_) / advance_;
}

int RowEdit::caretColumn() const {
    return preedit_.isEmpty() ? cursor_ : cursor_ + preeditCaret_;
}

QRect RowEdit::caretRect() const {
    const QRect line = lineArea();
    const int width = std::max(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    return {int(std::floor(line.x() - scroll_ + caretColumn() * advance_)), line.y(), width,
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
    // A pasted line break or tab would move the characters after it out of their columns.
    for (QChar& c : run)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    return run;
}

void RowEdit::drawColumns(QPainter& painter, qreal x, qreal baseline, const QString& run) const {
    const qreal expected = run.size() * advance_;
    if (std::abs(QFontMetricsF(painter.font()).horizontalAdvance(run) - expected) < 0.5) {
        painter.drawText(QPointF(x, baseline), run);
        return;
    }
    // Some character comes from a fallback font of another width: one by one, each still
    // sits in its own column.
    for (int i = 0; i < run.size(); ++i)
        painter.drawText(QPointF(x + i * advance_, baseline), QString(run[i]));
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

void RowEdit::replace(int from, int to, const QString& piece) {
    if (readOnly_ || (from == to && piece.isEmpty()) ||
        (!piece.isEmpty() && accepts_ && !accepts_(piece)))
        return;
    const int oldCursor = cursor_;
    const bool hadSelection = hasSelectedText();
    const QString removed = text_.mid(from, to - from);
    text_.replace(from, to - from, piece);
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
    const qreal used = columnCount() * advance_ + caretWidth;
    const qreal caret = caretColumn() * advance_;
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
