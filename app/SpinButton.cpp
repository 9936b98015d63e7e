#include "SpinButton.h"

#include <QKeyEvent>
#include <QToolButton>

void SpinButton::keyPressEvent(QKeyEvent* event) {
    const Qt::ArrowType wanted = event->key() == Qt::Key_Up     ? Qt::UpArrow
                                 : event->key() == Qt::Key_Down ? Qt::DownArrow
                                                                : Qt::NoArrow;
    if (wanted != Qt::NoArrow && event->modifiers() == Qt::NoModifier)
        for (QToolButton* arrow : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
            if (arrow->arrowType() == wanted) {
                arrow->click();
                return;
            }
    QWidget::keyPressEvent(event);
}
