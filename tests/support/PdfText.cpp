#include "PdfText.h"

#include <QProcess>

#include <stdexcept>

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        throw std::runtime_error(program.toStdString() + " could not read the PDF");
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

PdfText readPdf(const QString& file) {
    QStringList pages = run("pdftotext", {"-layout", file, "-"}).split(QLatin1Char('\f'));
    pages.removeLast(); // after the last page break
    return {run("pdfinfo", {file}), pages};
}
