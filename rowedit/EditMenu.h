#pragma once

#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// The Czech edit menu of a single-line field, the same for the rows and any other field: undo
// and redo when the caller keeps a history, then cut, copy, paste, delete and select all, each
// enabled only when it can act.
struct EditMenu {
    bool editable = true;
    bool selection = false;
    bool wholeSelected = false;
    std::function<void()> cut;
    std::function<void()> copy;
    std::function<void()> paste;
    std::function<void()> remove;
    std::function<void()> selectAll;
    // The caller's own actions, shown as they are; left out when null.
    QPointer<QAction> undo;
    QPointer<QAction> redo;

    // A new menu for the caller to show and delete.
    QMenu* create(QWidget* parent) const;
};
