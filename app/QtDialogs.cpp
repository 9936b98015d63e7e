#include "QtDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// "Tabulatury|*.tab" becomes the Qt form "Tabulatury (*.tab)", and further pairs further
// choices.
QString qtFilter(const QString& filter) {
    const auto parts = filter.split(QLatin1Char('|'));
    if (parts.size() % 2 != 0)
        return filter;
    QStringList choices;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        choices << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return choices.join(QStringLiteral(";;"));
}

// The program's boxes hold their Czech text and an OK button, and no icon.
void showBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

} // namespace

QString QtDialogs::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, {}, {}, qtFilter(filter));
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& filter) {
    // The window does its own replacing, the way the user expects of this program.
    return QFileDialog::getSaveFileName(parent, {}, {}, qtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtDialogs::message(QWidget* parent, const QString& text) {
    showBox(parent, text);
}

void QtDialogs::error(QWidget* parent, const QString& text) {
    showBox(parent, text);
}

QUrl desktopUrl(const QString& address) {
    return QUrl::fromUserInput(address);
}

void QtDialogs::printPreview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog preview(parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* printer) { paint(*printer); });
    preview.exec();
}

void QtDialogs::openUrl(const QString& address) {
    QDesktopServices::openUrl(desktopUrl(address));
}
