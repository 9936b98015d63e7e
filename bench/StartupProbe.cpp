// The editor's own start-up, leaving as soon as the main window has been shown.
#include "Startup.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    if (refusedToStart())
        return 1;
    const auto form = showMainWindow();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
