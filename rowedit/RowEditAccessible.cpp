#include "RowEditAccessible.h"

#include "RowEdit.h"

#include <mutex>

namespace {

QAccessibleInterface* createFor(const QString& className, QObject* object) {
    auto* edit = qobject_cast<RowEdit*>(object);
    if (edit && className == QLatin1String(RowEdit::staticMetaObject.className()))
        return new RowEditAccessible(edit);
    return nullptr;
}

} // namespace

RowEditAccessible::RowEditAccessible(RowEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

void RowEditAccessible::install() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(&createFor); });
}

void* RowEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString RowEditAccessible::text(QAccessible::Text type) const {
    switch (type) {
    case QAccessible::Name:
        // Without a name of its own a row goes by its object name, which says which row it is.
        return edit()->accessibleName().isEmpty() ? edit()->objectName() : edit()->accessibleName();
    case QAccessible::Value:
        return edit()->text();
    default:
        return QAccessibleWidget::text(type);
    }
}

void RowEditAccessible::setText(QAccessible::Text type, const QString& text) {
    if (type == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(type, text);
}

QAccessible::State RowEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void RowEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + edit()->selectionLength();
    }
}

int RowEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void RowEditAccessible::addSelection(int startOffset, int endOffset) {
    // A line has one selection; a new one replaces it.
    setSelection(0, startOffset, endOffset);
}

void RowEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        edit()->deselect();
}

void RowEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int RowEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void RowEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString RowEditAccessible::text(int startOffset, int endOffset) const {
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int RowEditAccessible::characterCount() const {
    return int(edit()->text().size());
}

QRect RowEditAccessible::characterRect(int offset) const {
    const QRect local = edit()->characterRect(offset);
    return {edit()->mapToGlobal(local.topLeft()), local.size()};
}

int RowEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void RowEditAccessible::scrollToSubstring(int startIndex, int) {
    edit()->setCursorPosition(startIndex);
}

QString RowEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // One font and colour throughout: no attributes to tell.
    *startOffset = *endOffset = offset;
    return {};
}

void RowEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void RowEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void RowEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    // A locked row keeps its selection too.
    if (edit()->isReadOnly())
        return;
    edit()->setSelection(startOffset, endOffset - startOffset);
    edit()->insert(text);
}

RowEdit* RowEditAccessible::edit() const {
    return static_cast<RowEdit*>(widget());
}
