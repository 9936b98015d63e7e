// The PDF read back as a person would see it: pdfinfo and pdftotext from poppler-utils.
#include "PrintTab.h"

#include "Cp1250.h"
#include "PdfText.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Windows-1250, as the export writes it.
io::Footer footer() {
    return {"Strunomat 1.01 CZ",
            cp1250::encode(QStringLiteral("Někdo (e-mail: nekdo@example.org)")),
            "https://www.example.org/"};
}

PdfText printed(const io::TabDocument& doc, std::int32_t wrapWidth) {
    QTemporaryDir dir;
    const QString file = dir.filePath("tab.pdf");
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(print::pdfOf(doc, wrapWidth, footer()));
    out.close();
    return readPdf(file);
}

// Lines of a page that start with a string's label, e.g. "e |".
qsizetype labelled(const QString& page, char label) {
    const QRegularExpression line(QStringLiteral("^ *%1 \\|").arg(QLatin1Char(label)),
                                  QRegularExpression::MultilineOption);
    return page.count(line);
}

io::TabDocument song(int columns) {
    io::TabDocument doc;
    doc.title = cp1250::encode(QStringLiteral("Píseň o žluťoučkém koni"));
    doc.author = cp1250::encode(QStringLiteral("Jiří Čermák"));
    for (int c = 0; c < columns; c += 8) {
        doc.rows[0] += "Am      ";
        for (std::size_t r = 1; r <= 6; ++r)
            doc.rows[r] += "0---|---";
        doc.rows[7] += cp1250::encode(QStringLiteral("kůň úpěl"));
    }
    return doc;
}

} // namespace

TEST(PrintedPdfTest, EveryBlockIsWholeOnANumberedA4Page) {
    const io::TabDocument doc = song(4000);
    const PdfText pdf = printed(doc, 64);
    const auto count = pdf.pages.size();
    ASSERT_GT(count, 2);
    EXPECT_TRUE(pdf.info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(count))));
    EXPECT_TRUE(pdf.info.contains("(A4)"));
    qsizetype blocks = 0;
    for (qsizetype p = 0; p < count; ++p) {
        const QString& page = pdf.pages[p];
        EXPECT_TRUE(page.contains(QStringLiteral("strana %1 z %2").arg(p + 1).arg(count)));
        for (const char label : {'h', 'g', 'd', 'A', 'E'})
            EXPECT_EQ(labelled(page, label), labelled(page, 'e')) << "page " << p + 1;
        blocks += labelled(page, 'e');
    }
    EXPECT_EQ(blocks, static_cast<qsizetype>(io::blockCount(doc, 64)));
    EXPECT_TRUE(
        pdf.pages.first().startsWith(QStringLiteral("Píseň o žluťoučkém koni\nJiří Čermák")));
    EXPECT_TRUE(pdf.pages.last().contains(QStringLiteral("kůň úpěl")));
}

TEST(PrintedPdfTest, EmptyDocumentIsOnePageWithTitleOneBlockAndFooter) {
    io::TabDocument doc;
    doc.title = cp1250::encode(QStringLiteral("Řeka"));
    const PdfText pdf = printed(doc, 64);
    ASSERT_EQ(pdf.pages.size(), 1);
    const QString& page = pdf.pages.first();
    EXPECT_TRUE(page.startsWith(QStringLiteral("Řeka")));
    EXPECT_EQ(labelled(page, 'e'), 1);
    EXPECT_EQ(labelled(page, 'E'), 1);
    const QString lines = QStringLiteral(
        "Strunomat 1.01 CZ\nNěkdo (e-mail: nekdo@example.org)\nhttps://www.example.org/");
    EXPECT_GT(page.indexOf(lines), page.indexOf(QStringLiteral("E |")));
    EXPECT_TRUE(page.contains(QStringLiteral("strana 1 z 1")));
}

TEST(PrintedPdfTest, BlockWiderThanThePageIsScaledNotCut) {
    io::TabDocument doc;
    for (int c = 0; c < 300; ++c)
        doc.rows[1] += static_cast<char>('a' + c % 26);
    const PdfText pdf = printed(doc, 300);
    ASSERT_EQ(pdf.pages.size(), 1);
    EXPECT_TRUE(pdf.pages.first().contains(QString::fromStdString(doc.rows[1])));
}
