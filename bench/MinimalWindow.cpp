// The yardstick for start-up: a Qt Widgets program showing one window with one line edit,
// leaving as soon as the window has been shown.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
