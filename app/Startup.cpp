#include "Startup.h"

#include "ProgramIcon.h"
#include "QtDialogs.h"

#include <QApplication>

std::unique_ptr<TForm1> showMainWindow() {
    QApplication::setApplicationName(QStringLiteral("Strunomat CZ"));
    QApplication::setWindowIcon(programIcon());
    auto form = std::make_unique<TForm1>(std::make_unique<QtDialogs>());
    form->move(0, 0);
    form->show();
    return form;
}
