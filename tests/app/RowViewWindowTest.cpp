#include "WindowHarness.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

class RowViewWindowTest : public WindowHarness {
protected:
    QScrollBar* scrollBar() const { return find<QScrollArea>("ScrollBox1")->horizontalScrollBar(); }
    int rowPixels(const char* name) const { return find(name)->width(); }
    void expectRowsAt(std::int32_t units) const {
        EXPECT_EQ(form->rowWidth(), units);
        for (const char* name :
             {"akordy", "struna1", "struna2", "struna3", "struna4", "struna5", "struna6", "slova"})
            EXPECT_EQ(rowPixels(name), form->toPixels(units)) << name;
    }
    bool scrolledToEnd() const { return scrollBar()->value() == scrollBar()->maximum(); }
};

TEST_F(RowViewWindowTest, SeventyFourthCharacterWidensAllRowsAndFollowsTheEnd) {
    type("struna1", QString(73, '-'));
    expectRowsAt(517);
    type("struna1", "7");
    expectRowsAt(577);
    EXPECT_GT(scrollBar()->maximum(), 0);
    EXPECT_TRUE(scrolledToEnd());
}

TEST_F(RowViewWindowTest, WithAutoScrollOffTheViewStaysPut) {
    click("RadioButton2");
    EXPECT_FALSE(find<QRadioButton>("RadioButton1")->isChecked());
    type("slova", QString(90, 'a'));
    expectRowsAt(637);
    EXPECT_GT(scrollBar()->maximum(), 0);
    EXPECT_EQ(scrollBar()->value(), 0);
}

TEST_F(RowViewWindowTest, ChordRowNeverWidensTheRows) {
    paste("akordy", QString(500, 'A'));
    type("akordy", "m");
    expectRowsAt(517);
}

TEST_F(RowViewWindowTest, DeletingNeverNarrows) {
    type("struna4", QString(80, '5'));
    retype("struna4", "");
    expectRowsAt(577);
}

TEST_F(RowViewWindowTest, OnePastedChangeWidensOneStep) {
    type("struna2", QString(10, '1'));
    paste("struna2", QString(190, '2'));
    expectRowsAt(577);
}

TEST_F(RowViewWindowTest, StatusFollowsTheHighStringOnly) {
    type("struna1", "0");
    EXPECT_EQ(text("Label26"), u("1 znaků"));
    EXPECT_EQ(text("Label30"), u("1  řádek"));
    type("struna2", QString(100, '2'));
    EXPECT_EQ(text("Label26"), u("1 znaků"));
    paste("struna1", QString(63, '-'));
    EXPECT_EQ(text("Label26"), u("64 znaků"));
    EXPECT_EQ(text("Label30"), u("2  řádky"));
    paste("struna1", QString(192, '-'));
    EXPECT_EQ(text("Label30"), u("5  řádků"));
}

TEST_F(RowViewWindowTest, ShiftRightWidensAndAlwaysShowsTheEnd) {
    click("RadioButton2");
    click("Button40");
    expectRowsAt(567);
    EXPECT_GT(scrollBar()->maximum(), 0);
    EXPECT_TRUE(scrolledToEnd());
}

TEST_F(RowViewWindowTest, ShiftLeftAtTheDesignWidthOnlyScrolls) {
    click("RadioButton4");
    EXPECT_FALSE(find<QRadioButton>("RadioButton3")->isChecked());
    click("Button40");
    expectRowsAt(517);
    EXPECT_TRUE(scrolledToEnd());
}

TEST_F(RowViewWindowTest, ShiftLeftNarrowsWiderRowsOnceBelowTheDesign) {
    retype("Edit3", "23");
    click("Button40");
    expectRowsAt(540);
    click("RadioButton4");
    retype("Edit3", "50");
    click("Button40");
    expectRowsAt(490);
    click("Button40");
    expectRowsAt(490);
}

TEST_F(RowViewWindowTest, StepTextThatIsNoNumberIsReportedAndTheStepKept) {
    retype("Edit3", "");
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(dialogs->errors[0], "'' is not a valid integer value");
    EXPECT_EQ(form->shiftStep(), 50);
    EXPECT_EQ(text("Edit3"), "");
    click("SpinButton2Down");
    EXPECT_EQ(form->shiftStep(), 49);
    EXPECT_EQ(text("Edit3"), "49");
    click("SpinButton2Up");
    click("SpinButton2Up");
    EXPECT_EQ(text("Edit3"), "51");
    EXPECT_EQ(dialogs->errors.size(), 1);
}

TEST_F(RowViewWindowTest, StepArrowsHoldAtTheEndsOfTheRange) {
    retype("Edit3", "2147483647");
    click("SpinButton2Up");
    EXPECT_EQ(form->shiftStep(), 2147483647);
    EXPECT_EQ(text("Edit3"), "2147483647");
    click("Button40");
    EXPECT_EQ(form->rowWidth(), 2147483647);
    retype("Edit3", "-2147483648");
    click("SpinButton2Down");
    EXPECT_EQ(form->shiftStep(), -2147483647 - 1);
    click("Button40");
    EXPECT_EQ(form->rowWidth(), 0);
    // Typed key by key, the lone minus on the way was no number yet.
    EXPECT_EQ(dialogs->errors, QStringList{"'-' is not a valid integer value"});
}

TEST_F(RowViewWindowTest, RunningTimeIsOneSecondAhead) {
    form->Timer1Timer();
    EXPECT_EQ(text("Label23"), "2 s");
    EXPECT_FALSE(find("Label24")->isVisible());
}

TEST_F(RowViewWindowTest, RunningTimeShowsMinutesAndThenHours) {
    for (int i = 0; i < 59; ++i)
        form->Timer1Timer();
    EXPECT_EQ(text("Label23"), "0 s");
    EXPECT_EQ(text("Label24"), "1 min");
    EXPECT_TRUE(find("Label24")->isVisible());
    EXPECT_FALSE(find("Label25")->isVisible());
    for (int i = 59; i < 3599; ++i)
        form->Timer1Timer();
    EXPECT_EQ(text("Label25"), "1 h");
    EXPECT_EQ(text("Label24"), "0 min");
    EXPECT_EQ(text("Label23"), "0 s");
    EXPECT_TRUE(find("Label25")->isVisible());
}

TEST_F(RowViewWindowTest, RunningTimeLabelsHoldTheirLongestTextsWhole) {
    // Two-digit minutes and seconds, and hours up to four days.
    const std::vector<std::pair<const char*, QString>> longest{
        {"Label23", "59 s"}, {"Label24", "59 min"}, {"Label25", "99 h"}};
    for (const auto& [name, sample] : longest) {
        auto* label = find<QLabel>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(sample), label->width()) << name;
    }
}
