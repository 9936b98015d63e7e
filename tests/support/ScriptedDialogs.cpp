#include "ScriptedDialogs.h"

#include <QPrinter>

namespace {

QString next(std::deque<QString>& answers) {
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

QString ScriptedDialogs::openFileName(QWidget*, const QString& filter) {
    filters << filter;
    return next(openAnswers);
}

QString ScriptedDialogs::saveFileName(QWidget*, const QString& filter) {
    filters << filter;
    return next(saveAnswers);
}

void ScriptedDialogs::message(QWidget*, const QString& text) {
    messages << text;
}

void ScriptedDialogs::error(QWidget*, const QString& text) {
    errors << text;
}

void ScriptedDialogs::printPreview(QWidget*, const std::function<void(QPrinter&)>& paint) {
    ++previews;
    if (printTo.isEmpty())
        return;
    // The user prints from the preview, to a PDF file the tests can read.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    paint(printer);
}

void ScriptedDialogs::openUrl(const QString& address) {
    urls << address;
}
