#include "WindowHarness.h"

#include "BatchExport.h"
#include "BuildConfig.h"
#include "FileBytes.h"
#include "TabFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sstream>

using tab::Row;

class FileMenu : public WindowHarness {
protected:
    void writeSong() {
        retype("Edit1", u("Píseň; první"));
        retype("Edit4", u("Žluťoučký kůň"));
        click("Button7");
        click("zapis");
        click("takt");
        type("slova", u("la lá"));
    }
};

TEST_F(FileMenu, SaveClearLoadRestoresAllTenTexts) {
    writeSong();
    const QStringList before = texts();
    dialogs->saveAnswers.push_back(path("song"));
    trigger("Uloitkeditaci1");
    EXPECT_EQ(dialogs->filters.last(), "Tabulatury|*.tab");
    ASSERT_TRUE(QFile::exists(path("song.tab")));

    click("Button4");
    dialogs->openAnswers.push_back(path("song.tab"));
    trigger("Nahrt1");
    EXPECT_EQ(dialogs->filters.last(), "tabulatury|*.tab");
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(form->windowTitle(), captionNaming(path("song.tab")));
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(FileMenu, SavedBytesAreTheFieldsInWindows1250) {
    writeSong();
    dialogs->saveAnswers.push_back(path("song.tab"));
    trigger("Uloitkeditaci1");
    EXPECT_EQ(bytesOf(path("song.tab")),
              "P\xed"
              "se\xf2; prvn\xed;\r\nA ;;\r\n0-|;\r\n2-|;\r\n2-|;\r\n2-|;\r\n0-|;\r\n--|;\r\n"
              "la l\xe1;;;\r\n\x8elu\x9dou\xe8k\xfd k\xf9\xf2");
    EXPECT_FALSE(QFile::exists(path("song.tab.tab")));
}

TEST_F(FileMenu, CancelledDialogsDoNothing) {
    trigger("Uloitkeditaci1");
    trigger("Uloittextovvstuptxt1");
    trigger("Nahrt1");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_EQ(form->windowTitle(), captionNaming());
    EXPECT_EQ(text("Edit1"), QString(18, ' ') + u("----- Název tabulatury -----"));
}

TEST_F(FileMenu, UpperCaseExtensionIsRefusedAndNothingChanges) {
    writeBytes(path("SONG.TAB"), io::writeTabFile({}));
    dialogs->openAnswers.push_back(path("SONG.TAB"));
    trigger("Nahrt1");
    EXPECT_EQ(dialogs->messages, QStringList{u("Musíte vybrat soubor s příponou .tab!")});
    EXPECT_EQ(text("Edit1"), QString(18, ' ') + u("----- Název tabulatury -----"));
    EXPECT_EQ(form->windowTitle(), captionNaming());
}

TEST_F(FileMenu, MissingFileIsReportedAndNothingChanges) {
    type("struna1", "0-");
    dialogs->openAnswers.push_back(path("missing.tab"));
    trigger("Nahrt1");
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(path("missing.tab")));
    EXPECT_EQ(text("Edit1"), QString(18, ' ') + u("----- Název tabulatury -----"));
    EXPECT_EQ(text("struna1"), "0-");
    EXPECT_EQ(form->windowTitle(), captionNaming());
}

TEST_F(FileMenu, SaveThatCannotBeWrittenIsReported) {
    writeBytes(path("plain"), "not a folder");
    dialogs->saveAnswers.push_back(path("plain") + "/song");
    trigger("Uloitkeditaci1");
    dialogs->saveAnswers.push_back(path("plain") + "/song");
    trigger("Uloittextovvstuptxt1");
    ASSERT_EQ(dialogs->errors.size(), 2);
    EXPECT_TRUE(dialogs->errors[0].contains(path("plain") + "/song.tab"));
    EXPECT_TRUE(dialogs->errors[1].contains(path("plain") + "/song.txt"));
    EXPECT_EQ(bytesOf(path("plain")), "not a folder");
}

TEST_F(FileMenu, LoadReplacesLockedRowsAndWidensThemStepByStep) {
    io::TabDocument doc;
    doc.title = "Long";
    for (auto& row : doc.rows)
        row = std::string(200, '-');
    writeBytes(path("long.tab"), io::writeTabFile(doc));
    click("Button41");
    dialogs->openAnswers.push_back(path("long.tab"));
    trigger("Nahrt1");
    EXPECT_EQ(text("struna6").size(), 200);
    EXPECT_EQ(text("Button41"), "Odemknout");
    // struna1 to struna6 and the lyrics each changed once: seven steps of 60.
    EXPECT_EQ(form->rowWidth(), 517 + 7 * 60);
    EXPECT_EQ(text("Label26"), u("200 znaků"));
    EXPECT_EQ(text("Label30"), u("4  řádky"));
}

TEST_F(FileMenu, ExportOfTheFirstWorkedExample) {
    retype("Edit1", "Song");
    retype("Edit4", "Me");
    click("Button7");
    click("zapis");
    dialogs->saveAnswers.push_back(path("song.txt"));
    trigger("Uloittextovvstuptxt1");
    EXPECT_EQ(dialogs->filters.last(), u("Textový výstup|*.txt"));
    const QString out = QString::fromLatin1(bytesOf(path("song.txt")));
    QStringList lines = out.split("\r\n");
    ASSERT_EQ(lines.takeLast(), "");
    ASSERT_EQ(lines.size(), 3 + 10 + 4);
    EXPECT_EQ(lines.mid(0, 13),
              (QStringList{"Song", "Me", "", "   A ", "", "e |  0-", "h |  2-", "g |  2-",
                           "d |  2-", "A |  0-", "E |  --", "     ", ""}));
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], build_config::kProgramCaption);
    EXPECT_FALSE(QFile::exists(path("song.txt.txt")));
}

TEST_F(FileMenu, WrapWidthEditing) {
    retype("Edit2", "");
    EXPECT_EQ(dialogs->errors, QStringList{"'' is not a valid integer value"});
    EXPECT_EQ(form->wrapWidth(), 64);
    type("Edit2", "0");
    EXPECT_EQ(dialogs->messages, QStringList{u("Musíte zadat číslo větší než 0!")});
    EXPECT_EQ(text("Edit2"), "64");
    EXPECT_EQ(form->wrapWidth(), 64);

    // 64 characters make two blocks at 64 and one at 65, so the count shows every step.
    paste("struna1", QString(64, '-'));
    EXPECT_EQ(text("Label30"), u("2  řádky"));
    click("SpinButton1Up");
    EXPECT_EQ(text("Edit2"), "65");
    EXPECT_EQ(form->wrapWidth(), 65);
    EXPECT_EQ(text("Label30"), u("1  řádek"));
    retype("Edit2", "1");
    EXPECT_EQ(text("Label30"), u("65  řádků"));
    click("SpinButton1Down");
    EXPECT_EQ(dialogs->messages.size(), 2);
    EXPECT_EQ(form->wrapWidth(), 64);
    EXPECT_EQ(text("Edit2"), "64");
    EXPECT_EQ(text("Label30"), u("2  řádky"));
}

TEST_F(FileMenu, WrapWidthArrowsHoldAtTheLargestValue) {
    retype("Edit2", "2147483647");
    click("SpinButton1Up");
    EXPECT_EQ(form->wrapWidth(), 2147483647);
    EXPECT_EQ(text("Edit2"), "2147483647");
    EXPECT_EQ(text("Label30"), u("1  řádek"));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(FileMenu, HoldingTheDownArrowStopsAtTheMessage) {
    retype("Edit2", "2");
    auto* down = find<QAbstractButton>("SpinButton1Down");
    QTest::mousePress(down, Qt::LeftButton);
    // Held past the first repeat (400 ms) and many more (every 100 ms).
    QTest::qWait(1200);
    EXPECT_FALSE(down->isDown());
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_EQ(dialogs->messages, QStringList{u("Musíte zadat číslo větší než 0!")});
    EXPECT_EQ(form->wrapWidth(), 64);
    EXPECT_EQ(text("Edit2"), "64");
}

TEST_F(FileMenu, BatchToolWritesWhatTheExportWrites) {
    io::TabDocument doc;
    doc.title = "P\xed"
                "se\xf2";
    doc.rows = {"A D  ", "0-|2-", "2-|--", "2-|--", "2-|--", "0-|--", "--|--", "la l\xe1 la"};
    doc.author = "Autor";
    writeBytes(path("song.tab"), io::writeTabFile(doc));
    dialogs->openAnswers.push_back(path("song.tab"));
    trigger("Nahrt1");
    retype("Edit2", "3");
    dialogs->saveAnswers.push_back(path("exported"));
    trigger("Uloittextovvstuptxt1");

    std::istringstream in(io::writeTabFile(doc));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(batch::run({"-w", "3", "-"}, in, out, err), 0);
    EXPECT_EQ(bytesOf(path("exported.txt")), out.str());
}

TEST_F(FileMenu, SpinButtonsTakeTheUpAndDownKeys) {
    find("SpinButton1")->setFocus();
    QTest::keyClick(find("SpinButton1"), Qt::Key_Up);
    EXPECT_EQ(text("Edit2"), "65");
    find("SpinButton2")->setFocus();
    QTest::keyClick(find("SpinButton2"), Qt::Key_Down);
    QTest::keyClick(find("SpinButton2"), Qt::Key_Down);
    EXPECT_EQ(text("Edit3"), "48");
    EXPECT_EQ(form->shiftStep(), 48);
}
