#include "WindowHarness.h"

#include "FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

// A tab typed by hand in a text editor, saved as UTF-8: a title, a credit, chords over two
// blocks of unequal length, a note between them.
const char* const kSong = "Píseň o řece\n"
                          "autor neznámý\n"
                          "\n"
                          "   Am      C\n"
                          "e|-0---0-|-0---|\n"
                          "B|-1---1-|-1---|\n"
                          "G|-2---2-|-0---|\n"
                          "D|-2---2-|-2---|\n"
                          "A|-0---0-|-3---|\n"
                          "E|-------|-----|\n"
                          "\n"
                          "(opakovat dvakrát)\n"
                          "  G\n"
                          "e|-3-|\n"
                          "B|-0-|\n"
                          "G|-0-|\n"
                          "D|-0-|\n"
                          "A|-2-|\n"
                          "E|-3-|\n";

const char* const kNoTab = "Nákup: chleba, mléko\nZavolat Petrovi\n";

} // namespace

class TextTabs : public WindowHarness {
protected:
    void import(const QString& file) {
        dialogs->openAnswers.push_back(file);
        trigger("Nahrttextovtabtxt1");
    }
    // What importing must not touch.
    QStringList keptAside() const {
        return {text("znacka"), text("struna1potvrd"), text("Edit2"), text("Button41")};
    }
};

TEST_F(TextTabs, ImportTakesTitleAndRowsAndLeavesTheRest) {
    writeBytes(path("song.txt"), kSong);
    type("slova", "la la");
    click("Button7");
    click("Button41");
    const QStringList aside = keptAside();

    import(path("song.txt"));
    EXPECT_EQ(dialogs->filters.last(), u("Textové taby|*.txt|Všechny soubory|*"));
    EXPECT_EQ(texts(),
              QStringList({u("Píseň o řece"), " Am      C    G   ", "-0---0-|-0---|-3-|",
                           "-1---1-|-1---|-0-|", "-2---2-|-0---|-0-|", "-2---2-|-2---|-0-|",
                           "-0---0-|-3---|-2-|", "-------|-----|-3-|", "", ""}))
        << "the first column is where the e line's content starts; every chord keeps its column";
    EXPECT_EQ(form->windowTitle(), captionNaming(path("song.txt")));
    EXPECT_EQ(keptAside(), aside);
    EXPECT_TRUE(dialogs->messages.isEmpty());
}

TEST_F(TextTabs, AFileWithoutATabIsRefusedAndChangesNothing) {
    writeBytes(path("list.txt"), kNoTab);
    type("struna1", "0-2");
    const QStringList before = texts();
    import(path("list.txt"));
    ASSERT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(dialogs->messages[0].startsWith(u("V souboru „") + path("list.txt")));
    EXPECT_EQ(texts(), before);
    EXPECT_EQ(form->windowTitle(), captionNaming());
}

TEST_F(TextTabs, ATextTabNamedTabLoadsAsTheImportWould) {
    writeBytes(path("song.txt"), kSong);
    import(path("song.txt"));
    const QStringList imported = texts();
    click("Button4");

    writeBytes(path("song.tab"), kSong);
    dialogs->openAnswers.push_back(path("song.tab"));
    trigger("Nahrt1");
    EXPECT_EQ(texts(), imported);
    EXPECT_EQ(form->windowTitle(), captionNaming(path("song.tab")));
}

TEST_F(TextTabs, CharactersOutsideWindows1250AreCountedInOneMessage) {
    // Omega and an emoji in the title, each a "?" now.
    writeBytes(path("odd.txt"), std::string("\xce\xa9 \xf0\x9f\x98\x80\n") + kSong + "\n");
    import(path("odd.txt"));
    EXPECT_EQ(text("Edit1"), "? ?");
    EXPECT_EQ(dialogs->messages,
              QStringList{u("Počet znaků nahrazených otazníkem, protože je kódování "
                            "Windows-1250 nemá: 2.")});
}

TEST_F(TextTabs, APastedRiffGoesAtTheEndOfTheCompletedTab) {
    retype("Edit1", "Moje");
    click("Button7");
    click("zapis");
    type("slova", "la");
    QApplication::clipboard()->setText(u("  D\ne|-2-\nB|-3-\nG|-2-\nD|-0-\nA|---\nE|---\n"));
    // The shortcut works from within a row too.
    focusEnd("struna3");
    QTest::keyClick(find("struna3"), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text("akordy"), "A  D  ");
    EXPECT_EQ(text("struna1"), "0---2-");
    EXPECT_EQ(text("struna6"), "------");
    EXPECT_EQ(text("slova"), "la");
    EXPECT_EQ(text("Edit1"), "Moje");

    const QStringList before = texts();
    QApplication::clipboard()->setText(kNoTab);
    trigger("Vloittabzeschrnky1");
    EXPECT_EQ(texts(), before);
    EXPECT_TRUE(dialogs->messages.last().startsWith(u("Ve schránce není žádný tab.")));
}

TEST_F(TextTabs, AFileFromTheCommandLineOpensByItsName) {
    writeBytes(path("song.txt"), kSong);
    form->openFile(path("song.txt"));
    EXPECT_EQ(text("Edit1"), u("Píseň o řece"));

    click("Button4");
    form->openFile(path("missing.tab"));
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(path("missing.tab")));
    EXPECT_EQ(text("Edit1"), "");
}
