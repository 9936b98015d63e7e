#include "WindowHarness.h"

#include "Chords.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

using tab::Row;

namespace {

const char* const kFrets[] = {"struna1potvrd", "struna2potvrd", "struna3potvrd",
                              "struna4potvrd", "struna5potvrd", "struna6potvrd"};
const char* const kRows[] = {"akordy",  "struna1", "struna2", "struna3",
                             "struna4", "struna5", "struna6", "slova"};
const char* const kChordButtons[] = {
    "Button7",  "Button8",  "Button6",  "Button9",  "Button10", "Button11", "Button12",
    "Button2",  "Button3",  "Button5",  "Button14", "Button15", "Button16", "Button17",
    "Am",       "Button13", "Button18", "Button19", "Button20", "Button21", "Button22",
    "Button30", "Button31", "Button32", "Button33", "Button34", "Button35", "Button36",
    "Button23", "Button24", "Button25", "Button26", "Button27", "Button28", "Button29"};

const tab::ChordShape& chordNamed(const QString& name) {
    const auto table = tab::chordTable();
    return *std::find_if(table.begin(), table.end(), [&](const tab::ChordShape& c) {
        return QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size())) == name;
    });
}

} // namespace

class EditingButtons : public WindowHarness {
protected:
    void expectRows(const std::vector<QString>& expected) const {
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(text(kRows[i]), expected[i]) << kRows[i];
    }
};

TEST_F(EditingButtons, EveryChordButtonWritesItsOwnChord) {
    for (const char* name : kChordButtons) {
        click(name);
        const QString caption = text(name);
        EXPECT_EQ(text("znacka"), caption) << name;
        const tab::ChordShape& chord = chordNamed(caption);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(text(kFrets[i]), QString(QChar::fromLatin1(chord.frets[i])))
                << name << " " << kFrets[i];
    }
    for (const char* row : kRows)
        EXPECT_EQ(text(row), "") << row;
}

TEST_F(EditingButtons, BrokenChordsFromTheButtons) {
    click("CheckBox1");
    for (const char* name : kChordButtons) {
        click(name);
        const auto broken = tab::brokenChord(chordNamed(text(name)));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(text(kFrets[i]).toStdString(), broken[i]) << name;
    }
    click("Button26");
    EXPECT_EQ(text("struna1potvrd"), "---1----");
    click("Button28");
    EXPECT_EQ(text("struna1potvrd"), "---1---");
    click("Button11");
    EXPECT_EQ(text("struna1potvrd"), "-----1-----");
    EXPECT_EQ(text("struna6potvrd"), "1---------1");
}

TEST_F(EditingButtons, RozkladCountsOnlyAtTheClick) {
    click("Button9");
    click("CheckBox1");
    EXPECT_EQ(text("struna1potvrd"), "2");
    EXPECT_EQ(text("struna5potvrd"), "-");
    click("Button9");
    EXPECT_EQ(text("struna1potvrd"), "---2---");
}

TEST_F(EditingButtons, MarksRunTogetherAndChordsReplaceThem) {
    click("znacka1");
    click("Button37");
    EXPECT_EQ(text("znacka"), "H(L)");
    click("Button7");
    EXPECT_EQ(text("znacka"), "A");
    click("Button44");
    EXPECT_EQ(text("znacka"), "AP.M.--");
    click("Reset");
    click("Button45");
    click("Button46");
    EXPECT_EQ(text("znacka"), "A.H.(Harm)");
    click("Reset");
    click("Button44");
    EXPECT_EQ(text("znacka"), "P.M.--");
}

TEST_F(EditingButtons, LockStopsTypingInTheAlignedRowsOnly) {
    click("Button41");
    EXPECT_EQ(text("Button41"), "Odemknout");
    type("struna1", "123");
    type("akordy", "Am");
    EXPECT_EQ(text("struna1"), "");
    EXPECT_EQ(row(Row::akordy), "");
    type("slova", "la");
    type("struna2potvrd", "3");
    EXPECT_EQ(text("slova"), "la");
    click("zapis");
    EXPECT_EQ(text("struna2"), "3-");
    click("takt");
    EXPECT_EQ(text("struna2"), "3-|");
    click("Button39");
    EXPECT_EQ(text("struna2"), "3-");
    click("Button38");
    EXPECT_EQ(text("struna2"), "3--");

    click("Button41");
    EXPECT_EQ(text("Button41"), "Zamknout");
    type("struna1", "7");
    EXPECT_EQ(text("struna1"), "---7");
}

TEST_F(EditingButtons, TheLockDoesNotReadItsCaption) {
    // Some desktops give button captions a keyboard accelerator.
    find<QAbstractButton>("Button41")->setText("&Zamknout");
    click("Button41");
    type("struna1", "1");
    EXPECT_EQ(text("struna1"), "");
    EXPECT_EQ(text("Button41"), "Odemknout");
}

TEST_F(EditingButtons, ClearAllEmptiesTheDocumentAndResetsTheView) {
    click("Button41");
    click("CheckBox1");
    click("RadioButton2");
    retype("Edit3", "30");
    type("slova", QString(100, 'x'));
    click("Button7");
    click("zapis");
    ASSERT_GT(form->rowWidth(), 517);
    find<QScrollArea>("ScrollBox1")->horizontalScrollBar()->setValue(40);

    click("Button4");
    EXPECT_EQ(form->rowWidth(), 517);
    EXPECT_EQ(find("struna3")->width(), form->toPixels(517));
    EXPECT_EQ(find<QScrollArea>("ScrollBox1")->horizontalScrollBar()->value(), 0);
    for (const char* name : kRows)
        EXPECT_EQ(text(name), "") << name;
    for (const char* name : kFrets)
        EXPECT_EQ(text(name), "") << name;
    EXPECT_EQ(text("znacka"), "");
    EXPECT_EQ(text("Edit1"), "");
    EXPECT_EQ(text("Edit4"), "");
    EXPECT_EQ(text("Label26"), QString::fromUtf8("0 znaků"));
    EXPECT_EQ(text("Button41"), "Odemknout");
    EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_EQ(form->shiftStep(), 30);
    EXPECT_EQ(form->windowTitle(), captionNaming());
}

TEST_F(EditingButtons, CompletionAfterTypingInTheChordRow) {
    click("Button7");
    click("zapis");
    type("akordy", "Asus4");
    click("Button38");
    expectRows(
        {"A Asus4 ", "0-------", "2-------", "2-------", "2-------", "0-------", "--------"});
}

TEST_F(EditingButtons, AWholeSong) {
    click("Button7"); // A
    click("zapis");
    click("znacka1"); // hammer-on after the chord name
    click("zapis");
    click("takt");
    click("CheckBox1");
    click("Button9"); // D, broken
    click("zapis");
    click("Button39");
    type("slova", "la la");
    click("Button38");
    expectRows({"A A(H) D        ", "0-0----|---2----", "2-2----|--3-3---", "2-2----|-2---2--",
                "2-2----|0-----0-", "0-0----|--------", "-------|--------", "la la"});
}
