#include "CommandLine.h"
#include "Startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

int main(int argc, char* argv[]) {
    // Help and the version need no display, so they are answered before the application is.
    const CommandLine early = readCommandLine(argumentsOf(argc, argv));
    if (early.ask == CommandLine::Ask::Help || early.ask == CommandLine::Ask::Version)
        return answer(early);

    QApplication app(argc, argv);
    // Qt has taken its own options out of the arguments by now.
    const CommandLine command = readCommandLine(QCoreApplication::arguments());
    if (command.ask != CommandLine::Ask::Edit)
        return answer(command);
    nameApplication();
    if (refusedToStart())
        return 1;
    const auto form = showMainWindow();
    if (!command.file.isEmpty()) {
        // Named in the caption in full, as the open dialog names a file.
        const QString file = QFileInfo(command.file).absoluteFilePath();
        // Once the window is up, so that whatever goes wrong is shown over it.
        QTimer::singleShot(0, form.get(), [&form, file] { form->openFile(file); });
    }
    return QApplication::exec();
}
