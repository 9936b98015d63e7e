#include "TabSheet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using tab::Row;
using tab::TabSheet;
using tab::TextField;

namespace {

struct CountingSheet : ::testing::Test {
    TabSheet sheet;
    std::map<Row, int> changes;
    void SetUp() override {
        sheet.setChangeHandler([this](Row row) { ++changes[row]; });
    }
};

} // namespace

TEST(TextFieldTest, UnchangedWritesKeepTheRevision) {
    TextField field;
    EXPECT_FALSE(field.set(""));
    EXPECT_TRUE(field.set("abc"));
    const auto revision = field.revision();
    EXPECT_FALSE(field.set("abc"));
    EXPECT_FALSE(field.write(3, ""));
    EXPECT_FALSE(field.write(1, "bc"));
    EXPECT_EQ(field.revision(), revision);
    EXPECT_TRUE(field.write(1, "x"));
    EXPECT_EQ(field.text(), "ax");
}

TEST(TextFieldTest, WritingItsOwnTextIntoItselfIsSafe) {
    TextField field;
    field.set("abcdef");
    EXPECT_TRUE(field.write(2, std::string_view(field.text()).substr(3)));
    EXPECT_EQ(field.text(), "abdef");
    EXPECT_TRUE(field.write(5, field.text()));
    EXPECT_EQ(field.text(), "abdefabdef");
}

TEST(TextFieldTest, KeepBeyondTheEndKeepsEverything) {
    TextField field;
    field.set("ab");
    EXPECT_TRUE(field.write(10, "c"));
    EXPECT_EQ(field.text(), "abc");
}

TEST(TextFieldTest, HoldsAnyBytes) {
    TextField field;
    const std::string bytes("\x00\x81\xff;\r\n", 6);
    field.set(bytes);
    EXPECT_EQ(field.text(), bytes);
}

TEST_F(CountingSheet, NotifiesOncePerChangingWriteOnly) {
    sheet.setText(Row::struna1, "0-");
    sheet.setText(Row::struna1, "0-");
    sheet.appendToRow(Row::struna1, "");
    EXPECT_EQ(changes[Row::struna1], 1);
    sheet.appendToRow(Row::struna1, "12");
    EXPECT_EQ(sheet.text(Row::struna1), "0-12");
    EXPECT_EQ(changes[Row::struna1], 2);
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(CountingSheet, DropLastCharOnEmptyRowStaysEmptyAndQuiet) {
    sheet.dropLastChar(Row::akordy);
    EXPECT_EQ(sheet.text(Row::akordy), "");
    EXPECT_TRUE(changes.empty());
    sheet.setText(Row::slova, "la");
    sheet.dropLastChar(Row::slova);
    EXPECT_EQ(sheet.text(Row::slova), "l");
}

TEST_F(CountingSheet, ColumnEndOfAnEmptySheetIsOne) {
    EXPECT_EQ(sheet.measureColumnEnd(), 1);
    EXPECT_EQ(sheet.columnEnd(), 1);
}

TEST_F(CountingSheet, LyricsDoNotCountForColumnEnd) {
    sheet.setText(Row::slova, std::string(50, 'x'));
    sheet.setText(Row::struna3, "123");
    EXPECT_EQ(sheet.measureColumnEnd(), 4);
}

TEST_F(CountingSheet, PaddingWritesOneFillerAtATime) {
    sheet.setText(Row::struna2, "5");
    sheet.setText(Row::akordy, "Gdim");
    changes.clear();
    sheet.measureColumnEnd();
    sheet.padToColumnEnd(Row::struna2, '-');
    EXPECT_EQ(sheet.text(Row::struna2), "5----");
    EXPECT_EQ(changes[Row::struna2], 4);
}

TEST_F(CountingSheet, PaddingNeverShortensARow) {
    sheet.measureColumnEnd();
    sheet.setText(Row::struna4, "longer than the column end");
    sheet.padToColumnEnd(Row::struna4, '-');
    EXPECT_EQ(sheet.text(Row::struna4), "longer than the column end");
}
