#pragma once

#include <QWidget>

// An up and down arrow pair, the two tool buttons it holds. With the keyboard focus, the Up and
// Down keys press its arrows, held keys repeating as a held mouse button does.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
