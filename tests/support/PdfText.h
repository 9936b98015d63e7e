#pragma once

#include <QString>
#include <QStringList>

// A PDF read back as a person would see it, with poppler's pdfinfo and pdftotext.
struct PdfText {
    QString info;      // pdfinfo's report
    QStringList pages; // each page's text in its layout
};

PdfText readPdf(const QString& file);
