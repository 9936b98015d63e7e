#include "DocumentHistory.h"

#include "EditMenu.h"
#include "RowEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>

namespace {

// What a burst of typing is called in "Zpět: psaní".
const char* const kTyping = "psaní";

QString labelled(const char* action, std::string_view step) {
    QString text = QString::fromUtf8(action);
    if (!step.empty())
        text += QStringLiteral(": ") +
                QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size()));
    return text;
}

} // namespace

DocumentHistory::DocumentHistory(tab::Document& doc, QAction* undo, QAction* redo)
    : history_(doc), undo_(undo), redo_(redo) {
    refresh();
}

template <class Edit> void DocumentHistory::watch(Edit* edit, const tab::TextField& field) {
    fields_.insert(edit, &field);
    edit->installEventFilter(this);
    connect(edit, &Edit::cursorPositionChanged, this,
            [this, edit](int, int position) { caretMoved(edit, position); });
}

void DocumentHistory::follow(QLineEdit* edit, const tab::TextField& field) {
    watch(edit, field);
    takeUndoFrom(edit);
}

void DocumentHistory::follow(RowEdit* edit, const tab::TextField& field) {
    watch(edit, field);
    edit->setHistoryActions(undo_, redo_);
}

void DocumentHistory::takeUndoFrom(QLineEdit* edit) {
    edit->installEventFilter(this);
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QLineEdit::customContextMenuRequested, this,
            [this, edit](const QPoint& at) { showMenu(edit, at); });
}

void DocumentHistory::typing(QObject* edit) {
    const tab::TextField* field = fields_.value(edit);
    if (!field)
        return;
    history_.typing(*field, kTyping);
    burstIn_ = edit;
    // By now the edit has moved its caret past what was typed; the next typing starts there.
    burstCaret_ = edit->property("cursorPosition").toInt();
}

void DocumentHistory::caretMoved(const QObject* edit, int position) {
    // Typing moves the caret as it goes; a click or an arrow key takes it elsewhere.
    if (!showing_ && edit == burstIn_ && position != burstCaret_)
        endBurst();
}

void DocumentHistory::showing(const std::function<void()>& show) {
    showing_ = true;
    const auto shown = qScopeGuard([this] {
        showing_ = false;
        if (burstIn_)
            burstCaret_ = burstIn_->property("cursorPosition").toInt();
    });
    show();
}

void DocumentHistory::endBurst() {
    if (!burstIn_)
        return;
    burstIn_ = nullptr;
    history_.commit();
}

void DocumentHistory::begin(const QString& label) {
    burstIn_ = nullptr;
    history_.begin(label.toStdString());
}

void DocumentHistory::commit() {
    history_.commit();
}

void DocumentHistory::undo() {
    burstIn_ = nullptr;
    history_.undo();
}

void DocumentHistory::redo() {
    burstIn_ = nullptr;
    history_.redo();
}

void DocumentHistory::refresh() {
    undo_->setEnabled(history_.canUndo());
    undo_->setText(labelled("Zpět", history_.undoLabel()));
    redo_->setEnabled(history_.canRedo());
    redo_->setText(labelled("Znovu", history_.redoLabel()));
}

bool DocumentHistory::isUndoKey(const QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    const auto is = [&](const QAction* action) { return action->shortcuts().contains(pressed); };
    return is(undo_) || is(redo_);
}

bool DocumentHistory::eventFilter(QObject* watched, QEvent* event) {
    // A line edit would take the undo keys for its own history, even with nothing to undo in
    // the document's: they go to the window's shortcuts, or nowhere.
    if (qobject_cast<QLineEdit*>(watched) && isUndoKey(event)) {
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == burstIn_)
        endBurst();
    return QObject::eventFilter(watched, event);
}

void DocumentHistory::showMenu(QLineEdit* edit, const QPoint& at) {
    // The rows' Czech menu, with the document's undo in place of the line edit's own.
    EditMenu items;
    items.editable = !edit->isReadOnly();
    items.selection = edit->hasSelectedText();
    items.wholeSelected = edit->selectedText().size() == edit->text().size();
    items.cut = [edit] { edit->cut(); };
    items.copy = [edit] { edit->copy(); };
    items.paste = [edit] { edit->paste(); };
    items.remove = [edit] { edit->del(); };
    items.selectAll = [edit] { edit->selectAll(); };
    items.undo = undo_;
    items.redo = redo_;
    QMenu* menu = items.create(edit);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(edit->mapToGlobal(at));
}
