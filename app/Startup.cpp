#include "Startup.h"

#include "Cp1250.h"
#include "ProgramIcon.h"
#include "QtDialogs.h"

#include <QApplication>

#include <cstdio>

void nameApplication() {
    QApplication::setApplicationName(QStringLiteral("Strunomat CZ"));
    QApplication::setWindowIcon(programIcon());
}

bool refusedToStart() {
    if (cp1250::available())
        return false;
    // Without the conversion every field would stay blank and refuse every key.
    const QString text = QString::fromUtf8(
        "Strunomat nelze spustit: tato instalace Qt neumí kódování Windows-1250, ve kterém "
        "program ukládá tabulatury (Qt je sestaveno bez podpory ICU).");
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    QtDialogs().error(nullptr, text);
    return true;
}

std::unique_ptr<TForm1> showMainWindow() {
    auto form = std::make_unique<TForm1>(std::make_unique<QtDialogs>());
    form->move(0, 0);
    form->show();
    return form;
}
