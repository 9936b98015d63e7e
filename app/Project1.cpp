#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    if (refusedToStart())
        return 1;
    const auto form = showMainWindow();
    return QApplication::exec();
}
