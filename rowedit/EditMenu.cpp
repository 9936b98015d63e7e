#include "EditMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>

QMenu* EditMenu::create(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    if (undo && redo) {
        menu->addAction(undo);
        menu->addAction(redo);
        menu->addSeparator();
    }
    // The keys are only shown beside the items; the field answers them itself.
    const auto add = [menu](const QString& label, QKeySequence::StandardKey key, bool enabled,
                            const std::function<void()>& act) {
        QAction* action =
            menu->addAction(label + u'\t' + QKeySequence(key).toString(QKeySequence::NativeText));
        action->setEnabled(enabled);
        QObject::connect(action, &QAction::triggered, menu, act);
    };
    const bool clipboard = !QGuiApplication::clipboard()->text().isEmpty();
    add(QStringLiteral("&Vyjmout"), QKeySequence::Cut, editable && selection, cut);
    add(QStringLiteral("&Kopírovat"), QKeySequence::Copy, selection, copy);
    add(QStringLiteral("V&ložit"), QKeySequence::Paste, editable && clipboard, paste);
    add(QStringLiteral("&Odstranit"), QKeySequence::Delete, editable && selection, remove);
    menu->addSeparator();
    add(QStringLiteral("Vybrat &vše"), QKeySequence::SelectAll, !wholeSelected, selectAll);
    return menu;
}
