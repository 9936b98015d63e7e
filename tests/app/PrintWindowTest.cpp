#include "WindowHarness.h"

#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "PdfText.h"

#include <QFile>

class Print : public WindowHarness {
protected:
    // Forty chords of three columns each (the fret, its filler and a bar line): 120 columns,
    // six blocks at a width of 20.
    void writeSong() {
        retype("Edit1", u("Píseň o koni"));
        retype("Edit4", u("Jiří"));
        for (int i = 0; i < 40; ++i) {
            click("Button7");
            click("zapis");
            click("takt");
        }
        type("slova", u("kůň úpěl"));
        retype("Edit2", "20");
    }
    void savePdf(const QString& name) {
        dialogs->saveAnswers.push_back(name);
        trigger("UloitjakoPDFpdf1");
    }
    // The song's pages: its header and lyrics, and its six blocks at the width in force.
    static void expectTheSong(const PdfText& pdf) {
        ASSERT_FALSE(pdf.pages.isEmpty());
        EXPECT_TRUE(pdf.pages.first().startsWith(u("Píseň o koni\nJiří")));
        EXPECT_TRUE(pdf.pages.first().contains(u("kůň úpěl")));
        EXPECT_EQ(pdf.pages.join(QString()).count(QStringLiteral("e |")), 6);
    }
};

TEST_F(Print, SaveAsPdfWritesThePagesAtTheWrapWidth) {
    writeSong();
    savePdf(path("song"));
    EXPECT_EQ(dialogs->filters.last(), "Dokument PDF|*.pdf");
    expectTheSong(readPdf(path("song.pdf")));

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

TEST_F(Print, ThePreviewPrintsTheSamePages) {
    writeSong();
    dialogs->printTo = path("printed.pdf");
    trigger("Tisk1");
    EXPECT_EQ(dialogs->previews, 1);
    expectTheSong(readPdf(path("printed.pdf")));
}
