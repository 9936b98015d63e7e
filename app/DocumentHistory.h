#pragma once

#include "History.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

class QAction;
class QLineEdit;
class RowEdit;

// The window's side of the document's undo history. Each of the window's commands is a step of
// its own; typing into a field is a step per burst, which ends when the focus leaves the field,
// when its caret moves other than by the typing, or when a command runs. "Zpět" and "Znovu"
// name the step they would take and are enabled only when there is one.
class DocumentHistory : public QObject {
public:
    DocumentHistory(tab::Document& doc, QAction* undo, QAction* redo);

    // An edit showing a text of the document, whose typing the history records.
    void follow(QLineEdit* edit, const tab::TextField& field);
    void follow(RowEdit* edit, const tab::TextField& field);
    // A line edit keeps no history of its own: its undo keys and menu items are the document's.
    void takeUndoFrom(QLineEdit* edit);

    // The user's typing into a followed edit is about to be written into its field, or the
    // window is about to change it on the user's entering it: the burst of typing goes on.
    void typing(QObject* edit);

    // A command's writes, from begin() to commit(), are one step under the label.
    void begin(const QString& label);
    void commit();

    void undo();
    void redo();

    // The window shows the model's texts: the carets it moves so are not the user's, and a burst
    // of typing goes on from where they then stand.
    void showing(const std::function<void()>& show);

    // Brings the texts and states of "Zpět" and "Znovu" up to date.
    void refresh();

    std::size_t heldBytes() const { return history_.heldBytes(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Edit> void watch(Edit* edit, const tab::TextField& field);
    void caretMoved(const QObject* edit, int position);
    void endBurst();
    bool isUndoKey(const QEvent* event) const;
    void showMenu(QLineEdit* edit, const QPoint& at);

    tab::History history_;
    QAction* undo_;
    QAction* redo_;
    QHash<const QObject*, const tab::TextField*> fields_;
    // The edit typed into in the open burst, and where its caret stood after the typing.
    const QObject* burstIn_ = nullptr;
    int burstCaret_ = 0;
    bool showing_ = false;
};
