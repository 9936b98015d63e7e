#include "PrintedBlock.h"

#include <gtest/gtest.h>

TEST(PrintedBlockTest, ChordsStandOverTheColumnsOfTheStrings) {
    const io::TabDocument doc{"", {"Am", "0-"}, ""};
    const auto lines = print::blockLines(doc, 0, 64);
    EXPECT_EQ(lines[0].indexOf('A'), lines[1].indexOf('0'));
    EXPECT_TRUE(lines[1].startsWith("e |"));
}
