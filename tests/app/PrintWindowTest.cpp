#include "WindowHarness.h"

#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "PdfText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class Print : public WindowHarness {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void writeSong() {
        retype("Edit1", u("Píseň o koni"));
        retype("Edit4", u("Jiří"));
        for (int i = 0; i < 40; ++i) {
            click("Button7");
            click("zapis");
            click("takt");
        }
        type("slova", u("kůň úpěl"));
    }
    void savePdf(const QString& name) {
        dialogs->saveAnswers.push_back(name);
        trigger("UloitjakoPDFpdf1");
    }
};

TEST_F(Print, SaveAsPdfWritesThePagesAtTheWrapWidth) {
    writeSong();
    retype("Edit2", "20");
    savePdf(path("song"));
    EXPECT_EQ(dialogs->filters.last(), "Dokument PDF|*.pdf");
    const PdfText pdf = readPdf(path("song.pdf"));
    ASSERT_FALSE(pdf.pages.isEmpty());
    EXPECT_TRUE(pdf.pages.first().startsWith(u("Píseň o koni\nJiří")));
    EXPECT_TRUE(pdf.pages.first().contains(u("kůň úpěl")));
    // Forty chords of three columns each (the fret, its filler and a bar line) make 120
    // columns, six blocks of 20.
    qsizetype blocks = 0;
    for (const QString& page : pdf.pages)
        blocks += page.count(QStringLiteral("e |"));
    EXPECT_EQ(blocks, 6);
    EXPECT_TRUE(pdf.pages.last().contains(QStringLiteral("strana %1 z %1").arg(pdf.pages.size())));

    // The extension is not doubled, and an existing file is replaced.
    click("Button4");
    savePdf(path("song.pdf"));
    EXPECT_FALSE(QFile::exists(path("song.pdf.pdf")));
    EXPECT_EQ(readPdf(path("song.pdf")).pages.size(), 1);
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(Print, ASaveThatRunsOutOfSpaceIsReportedAndLeavesTheOldFile) {
    writeBytes(path("old.pdf"), "the old file");
    {
        const FileSizeLimit fullDisk(1000); // a PDF is many times larger
        savePdf(path("old.pdf"));
    }
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(
        dialogs->errors[0].startsWith(u("Soubor „") + path("old.pdf") + u("“ nelze uložit.")));
    EXPECT_EQ(bytesOf(path("old.pdf")), "the old file");
}

TEST_F(Print, ThePreviewPrintsWhatThePdfHolds) {
    writeSong();
    dialogs->printTo = path("printed.pdf");
    trigger("Tisk1");
    savePdf(path("saved"));
    EXPECT_EQ(dialogs->previews, 1);
    const PdfText printed = readPdf(path("printed.pdf"));
    const PdfText saved = readPdf(path("saved.pdf"));
    EXPECT_EQ(printed.pages.size(), saved.pages.size());
    EXPECT_TRUE(printed.pages.first().startsWith(u("Píseň o koni")));
}
