#include "QtDialogs.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strunomat CZ"));
    TForm1 form(std::make_unique<QtDialogs>());
    form.move(0, 0);
    form.show();
    return QApplication::exec();
}
